#include "boars/BoarQuery.h"

#include <functional>

#include "common/DataFiles.h"
#include "common/Format.h"
#include "common/FixedLine.h"
#include "common/MoneyText.h"
#include "common/NumberText.h"
#include "records/RecordSlots.h"

namespace {

constexpr int kLineWidth = 80;
constexpr int kPrintWidth = 95;

std::string leftHerdText(const BoarRecord& boar) {
  return "THIS BOAR LEFT THE HERD ON (" + boar.DateLeftHerd + ")";
}

}  // namespace

const QueryLanguage& BoarQueryLanguage() {
  static const QueryLanguage language{
      {
          {"By BOAR Id.", "1", QueryFamily::Text},
          {"By BREED", "2", QueryFamily::Text},
          {"By PRV DATE", "3", QueryFamily::Date},
          {"By LOCATION", "4", QueryFamily::Text},
          {"By DATE BORN", "5", QueryFamily::Date},
          {"By DATE of ENTRY into HERD", "6", QueryFamily::Date},
          {"By Number of SOW(s) BRED/FARROW", "7", QueryFamily::Whole},
          {"By HERD CONCEPTION RATE", "8", QueryFamily::Single},
          {"By Number of PIG(s) BORN", "9", QueryFamily::Whole},
          {"By Average LITTER BIRTH Wt", "10", QueryFamily::Single},
          {"All INACTIVE BOAR(s)", "11", QueryFamily::All},
          {"All ACTIVE BOAR'S", "12", QueryFamily::All},
      },
      {"QUERY  BOAR  HISTORIES", "QUERY  BOAR  HISTORIES", "QUERY  BOAR  HISTORIES", "QUERY  BOAR  HISTORIES",
       "QUERY  BOAR  HISTORIES"},
      true};
  return language;
}

bool BoarIsActive(const BoarRecord& boar) { return boar.DateLeftHerd == records::kEmptyDate; }

std::string BoarListLine(const BoarRecord& boar) {
  FixedLine line(kLineWidth);
  line.put(2, Trim(boar.Id), 8)
      .put(13, Trim(boar.Breed), 20)
      .put(37, Trim(boar.Location), 8)
      .put(52, boar.DateEnteredHerd, 10)
      .put(66, FormatMoneyField(boar.PurchasePrice, 10), 10);
  return line.str();
}

std::string InactiveBoarLine(const BoarRecord& boar) {
  FixedLine line(kLineWidth);
  line.put(2, Trim(boar.Id), 8).put(13, leftHerdText(boar), 39);
  return line.str();
}

std::string BoarPrintLine(const BoarRecord& boar) {
  if (records::IsFreeId(boar.Id)) return "";
  FixedLine line(kPrintWidth);
  line.put(2, Trim(boar.Id), 8);
  if (!BoarIsActive(boar)) return line.put(13, leftHerdText(boar), 39).str();
  line.put(13, Trim(boar.Breed), 20)
      .put(40, Trim(boar.Location), 8)
      .put(57, boar.DateEnteredHerd, 10)
      .put(73, Format(boar.PurchasePrice.value(), "0.00"), 10);
  return line.str();
}

float QueryConceptionRate(int32_t sowsFarrowed, int32_t herdLitters) {
  if (herdLitters == 0) return 0;
  const double rate = static_cast<double>(sowsFarrowed) / herdLitters * 100;
  return static_cast<float>(Val(DoubleText(rate).substr(0, 4)));
}

BoarQuery::BoarQuery(const std::string& kindCode, const std::string& criterion) {
  const QueryKind* kind = BoarQueryLanguage().byCode(kindCode);
  if (!kind) return;
  code_ = kind->number();
  switch (kind->family) {
    case QueryFamily::Text: text_ = UCase(Trim(criterion)); break;
    case QueryFamily::Date: date_ = ParseDateCriterion(criterion); break;
    case QueryFamily::Whole: number_ = ParseNumberCriterion(criterion, true); break;
    case QueryFamily::Single: number_ = ParseNumberCriterion(criterion, false); break;
    default: break;
  }
}

bool BoarQuery::needsLitters() const { return code_ >= 7 && code_ <= 10; }

bool BoarQuery::matches(const BoarRecord& boar, const SireTable& sires, int32_t herdLitters) const {
  auto textHas = [this](const std::string& field) {
    const std::string f = UCase(Trim(field));
    return !f.empty() && f.find(text_) != std::string::npos;
  };
  auto dateHas = [this](const std::string& field) {
    const std::optional<std::string> key = DateFieldKey(field);
    return key && DateMatches(date_, *key);
  };
  auto sire = [&boar, &sires] { return sires.of(Trim(boar.Id)); };
  switch (code_) {
    case 1: return textHas(boar.Id);
    case 2: return textHas(boar.Breed);
    case 4: return textHas(boar.Location);
    case 3: return dateHas(boar.PrvDate);
    case 5: return dateHas(boar.DateOfBirth);
    case 6: return dateHas(boar.DateEnteredHerd);
    case 7: return NumberMatches(number_, sire().herdLitters);
    case 8: return NumberMatches(number_, QueryConceptionRate(sire().herdLitters, herdLitters));
    case 9:
      BoarLitterStats(sire());
      return NumberMatches(number_, BoarHistory.TotalBorn);
    case 10:
      BoarLitterStats(sire());
      return NumberMatches(number_, SingleForQuery(BoarHistory.AvgLitterBirthWeight));
    case 11: return !BoarIsActive(boar);
    case 12: return BoarIsActive(boar);
    default: return false;
  }
}

namespace {

// Hands `row` the live boars of BOAR.DAT read in blocks; `rows` emptied when
// the file cannot be read.
bool writeRows(platform::ListItems& rows, const std::function<void(long, const BoarRecord&)>& row,
               records::RecordScan<BoarRecord>& scan, FileFault* fault) {
  BoarRecord boar;
  const bool read = ScanFile(
      scan,
      [&](long r, const uint8_t* bytes) {
        if (records::IsFreeRecord<BoarRecord>(bytes)) return;
        records::decodeInto(bytes, boar);
        row(r, boar);
      },
      fault);
  if (!read) rows.clear();
  return read;
}

}  // namespace

bool WriteBoarRows(platform::ListItems& rows, bool inactive, FileFault* fault) {
  records::RecordScan<BoarRecord> scan;
  return writeRows(
      rows,
      [&rows, inactive](long r, const BoarRecord& boar) {
        if (BoarIsActive(boar) != inactive) rows.add(inactive ? InactiveBoarLine(boar) : BoarListLine(boar), r);
      },
      scan, fault);
}

bool WriteBoarQueryRows(platform::ListItems& rows, const BoarQuery& query, const SireTable& sires,
                        int32_t herdLitters, FileFault* fault) {
  records::RecordScan<BoarRecord> scan;
  const bool read = writeRows(
      rows,
      [&](long r, const BoarRecord& boar) {
        if (!query.listsInactive() && !BoarIsActive(boar)) return;
        if (query.matches(boar, sires, herdLitters))
          rows.add(query.listsInactive() ? InactiveBoarLine(boar) : BoarListLine(boar), r);
      },
      scan, fault);
  if (read && scan.last()) {  // the buffer holds the last record read, free or not
    BoarRecord last;
    records::decodeInto(scan.last(), last);
    FillAnimalHistory(last, BoarHistory);
  }
  return read;
}
