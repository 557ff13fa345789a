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

std::string NormalizedDueDate(const std::string& stored) { return ReadDueDate(stored).value_or(records::kEmptyDate); }

// ---- One query ---------------------------------------------------------------

namespace {

using records::textView;

// An empty date left herd is "__/__/____", or blanks.
bool emptyLeftHerd(std::string_view left) {
  return left == records::kEmptyDate || left.find_first_not_of(' ') == std::string_view::npos;
}

}  // namespace

bool SowIsActive(const uint8_t* sow) { return emptyLeftHerd(textView(sow + SowRecord::DateLeftHerdAt, 10)); }

SowQuery::SowQuery(const std::string& kindCode, const std::string& criterion)
    : kind_(SowQueryLanguage().byCode(kindCode)) {
  if (!kind_) return;
  code_ = kind_->number();
  struct Place {
    int at, width;
  };
  const Place place = [this]() -> Place {
    switch (code_) {
      case 1: return {SowRecord::IdAt, SowRecord::IdWidth};
      case 2: return {SowRecord::BreedAt, SowRecord::BreedWidth};
      case 3: return {SowRecord::PrvDateAt, 10};
      case 4: return {SowRecord::LocationAt, SowRecord::LocationWidth};
      case 5: return {SowRecord::DateOfBirthAt, 10};
      case 6: return {SowRecord::ParityCountAt, 2};
      case 8: return {SowRecord::DateBredAt, 10};
      case 9: return {SowRecord::BoarIdAt, SowRecord::BoarIdWidth};
      case 10: return {SowRecord::DateEnteredHerdAt, 10};
      case 14: return {SowRecord::DaysTo230At, 2};
      case 15: return {SowRecord::BackfatAt, 4};
      case 16: return {SowRecord::LoineyeAt, 4};
      default: return {-1, 0};  // the herd, the due date and the kinds of her litters
    }
  }();
  fieldAt_ = place.at;
  fieldWidth_ = place.width;
  criterion_ = ParsedCriterion(kind_->family, criterion);
}

bool SowQuery::needsLitters() const {
  switch (code_) {
    case 11: case 12: case 13: case 17: case 18: case 20: return true;
    default: return false;
  }
}

bool SowQuery::testsStatistics() const { return needsLitters() && code_ != 20; }

bool SowQuery::matches(const uint8_t* sow, const records::FileImage<FarrowRecord>& litters) const {
  if (!kind_) return false;
  switch (code_) {
    case 0: return SowIsActive(sow);
    case 19: return !SowIsActive(sow);
    case 7: return criterion_.dateOf(NormalizedDueDate(std::string(textView(sow + SowRecord::DateDueAt, 10))));
    case 20:
      for (long link : records::LitterLinks(sow, litters.count()))
        if (criterion_.dateOf(textView(litters.bytes(link) + FarrowRecord::DateWeanedAt, 10))) return true;
      return false;
    case 11: case 12: case 13: case 17: case 18: {
      const SowLitterSums sums = SumSowLitters(sow, litters);
      switch (code_) {
        case 11: return criterion_.number(static_cast<double>(RoundHalfEven(sums.average(sums.born))));
        case 12: return criterion_.number(SingleForQuery(sums.average(sums.born - sums.alive)));
        case 13: return criterion_.number(SingleForQuery(sums.average(sums.weaned)));
        case 17: return criterion_.number(sums.fosteredTo);
        default: return criterion_.number(sums.fosteredFrom);
      }
    }
    default: break;
  }
  if (fieldAt_ < 0) return false;
  const uint8_t* field = sow + fieldAt_;
  switch (kind_->family) {
    case QueryFamily::Text: return criterion_.textIn(textView(field, fieldWidth_));
    case QueryFamily::Date: return criterion_.dateOf(textView(field, fieldWidth_));
    case QueryFamily::Whole: return criterion_.number(records::getI16(field));
    case QueryFamily::Single: return criterion_.number(SingleForQuery(records::getF32(field)));
    default: return false;
  }
}
