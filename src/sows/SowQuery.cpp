#include "sows/SowQuery.h"

#include "common/DateMath.h"
#include "common/NumberText.h"
#include "records/RecordSlots.h"
#include "sows/DueDateText.h"
#include "sows/SowHistory.h"

const QueryLanguage& SowQueryLanguage() {
  static const QueryLanguage language{
      {
          {"By SOW Id.", "1", QueryFamily::Text},
          {"By BREED", "2", QueryFamily::Text},
          {"By PRV DATE", "3", QueryFamily::Date},
          {"By LOCATION", "4", QueryFamily::Text},
          {"By DATE BORN", "5", QueryFamily::Date},
          {"By Number Of PARITIES", "6", QueryFamily::Whole},
          {"By DATE DUE To FARROW", "7", QueryFamily::Date},
          {"By DATE BRED", "8", QueryFamily::Date},
          {"By A BOAR", "9", QueryFamily::Text},
          {"By DATE of ENTRY into HERD", "10", QueryFamily::Date},
          {"By Avg. Number Of PIG(s) BORN", "11", QueryFamily::Whole},
          {"By Avg. Number Of PIG(s) STILLBORN", "12", QueryFamily::Single},
          {"By Avg. Number Of PIG(s) WEANED", "13", QueryFamily::Single},
          {"By DAY'S to 230", "14", QueryFamily::Whole},
          {"By BACKFAT", "15", QueryFamily::Single},
          {"By LOINEYE", "16", QueryFamily::Single},
          {"By Fostered TO", "17", QueryFamily::Whole},
          {"By Fostered FROM", "18", QueryFamily::Whole},
          {"All INACTIVE SOW(s)", "19", QueryFamily::All},
          {"All ACTIVE SOW'S", "0", QueryFamily::All},
          {"By DATE WEANED", "20", QueryFamily::Date},
      },
      // The titles differ in their spacing, as they always have.
      {"QUERY   SOW   LIST", "QUERY  SOW  HISTORIES", "QUERY   SOW   HISTORIES", "QUERY   SOW   HISTORIES",
       "QUERY   SOW   HISTORIES"},
      false};
  return language;
}

std::string NormalizedDueDate(const std::string& stored) {
  const std::string t = Trim(stored);
  if (t.empty()) return records::kEmptyDate;
  if (std::optional<std::string> date = EightDigitDate(t)) return *date;
  return RTrim(stored);
}

// ---- One query ---------------------------------------------------------------

bool SowIsActive(const SowRecord& sow) {
  return sow.DateLeftHerd == records::kEmptyDate || IsEmptyDate(RTrim(sow.DateLeftHerd));  // most are stored so
}

SowQuery::SowQuery(const std::string& kindCode, const std::string& criterion)
    : kind_(SowQueryLanguage().byCode(kindCode)) {
  if (!kind_) return;
  code_ = std::stoi(kind_->code);
  switch (code_) {
    case 0: case 19: textField_ = &SowRecord::DateLeftHerd; break;
    case 1: textField_ = &SowRecord::Id; break;
    case 2: textField_ = &SowRecord::Breed; break;
    case 3: textField_ = &SowRecord::PrvDate; break;
    case 4: textField_ = &SowRecord::Location; break;
    case 5: textField_ = &SowRecord::DateOfBirth; break;
    case 7: textField_ = &SowRecord::DateDue; break;
    case 8: textField_ = &SowRecord::DateBred; break;
    case 9: textField_ = &SowRecord::BoarId; break;
    case 10: textField_ = &SowRecord::DateEnteredHerd; break;
    case 6: wholeField_ = &SowRecord::ParityCount; break;
    case 14: wholeField_ = &SowRecord::DaysTo230; break;
    case 15: singleField_ = &SowRecord::Backfat; break;
    case 16: singleField_ = &SowRecord::Loineye; break;
    default: break;  // the kinds of her litters
  }
  switch (kind_->family) {
    case QueryFamily::Text: text_ = UCase(RTrim(criterion)); break;
    case QueryFamily::Date: date_ = ParseDateCriterion(criterion); break;
    case QueryFamily::Whole: number_ = ParseNumberCriterion(criterion, true); break;
    case QueryFamily::Single: number_ = ParseNumberCriterion(criterion, false); break;
    default: break;
  }
}

bool SowQuery::needsLitters() const {
  switch (code_) {
    case 11: case 12: case 13: case 17: case 18: case 20: return true;
    default: return false;
  }
}

bool SowQuery::matches(const SowRecord& sow, const records::FileImage<FarrowRecord>& litters) const {
  if (!kind_) return false;
  auto textHas = [this](const std::string& field) {
    return !text_.empty() && UCase(RTrim(field)).find(text_) != std::string::npos;
  };
  auto dateHas = [this](const std::string& field) {
    const std::optional<std::string> key = DateFieldKey(field);
    return key && DateMatches(date_, *key);
  };
  auto stats = [&sow, &litters]() -> const SowHistoryRecord& {
    SetSowLinks(sow);
    SowLitterStats(FarrowLinks, litters);
    return SowHistory;
  };
  switch (code_) {
    case 0: return SowIsActive(sow);
    case 19: return !SowIsActive(sow);
    case 7: return dateHas(NormalizedDueDate(sow.DateDue));
    case 20: {
      static const FarrowRecord proto;
      static const records::FieldMask<FarrowRecord> weaned(proto, {&proto.DateWeaned});
      FarrowRecord litter;
      for (long link : records::LitterLinks(sow, litters.count())) {
        litters.decode(link, litter, weaned);
        if (dateHas(litter.DateWeaned)) return true;
      }
      return false;
    }
    case 11: return NumberMatches(number_, static_cast<double>(RoundHalfEven(stats().AvgBorn)));
    case 12: return NumberMatches(number_, SingleForQuery(stats().AvgStillborn));
    case 13: return NumberMatches(number_, SingleForQuery(stats().AvgWeaned));
    case 17: return NumberMatches(number_, stats().TotalFosteredTo);
    case 18: return NumberMatches(number_, stats().TotalFosteredFrom);
    default: break;
  }
  if (textField_) return kind_->family == QueryFamily::Text ? textHas(sow.*textField_) : dateHas(sow.*textField_);
  if (wholeField_) return NumberMatches(number_, sow.*wholeField_);
  if (singleField_) return NumberMatches(number_, SingleForQuery(sow.*singleField_));
  return false;
}

records::FieldMask<SowRecord> SowQuery::fieldsUsed() const {
  static const SowRecord proto;
  std::vector<const void*> members = {&proto.Id, &proto.ParityCount, &proto.FarrowRecNo};
  if (textField_) members.push_back(&(proto.*textField_));
  if (wholeField_) members.push_back(&(proto.*wholeField_));
  if (singleField_) members.push_back(&(proto.*singleField_));
  return records::FieldMask<SowRecord>(proto, members);
}
