#include "sows/LitterEntry.h"

#include <limits>

#include "common/DataFiles.h"
#include "common/DateChecks.h"
#include "common/DateMath.h"
#include "common/Format.h"
#include "common/NumberText.h"
#include "common/TypedNumber.h"
#include "records/Nearest.h"
#include "records/RecordSlots.h"
#include "sows/DueDateText.h"
#include "sows/WeaningFigures.h"

namespace {

const char kRequired[] = ",\ris a REQUIRED ENTRY!\rIT MUST NOT EQUAL ZERO (0)!";

Refusal entryRefusal(const std::string& text, int row, bool correcting) {
  return {text, kFarrowEntryTitle, correcting ? platform::vbInformation : platform::vbExclamation, row};
}

// The typed figures of a litter: the required counts from 1, the fostered
// counts and the weights from 0.
const NumberField kBornNumber = IntegerField("The NUMBER of PIG(s) Born", 1);
const NumberField kAliveNumber = IntegerField("The NUMBER of ALIVE PIG(s)", 1);
const NumberField kBirthWeightNumber = SingleField("The LITTER BIRTH WEIGHT");
const NumberField kWeanedNumber = IntegerField("The Number of PIG(s) WEANED", 1);
const NumberField kWeaningWeightNumber = SingleField("The LITTER WEANING WEIGHT");
const NumberField kFosteredToNumber = IntegerField("The NUMBER of PIG(s) FOSTERED to the SOW");
const NumberField kFosteredFromNumber = IntegerField("The NUMBER of PIG(s) FOSTERED from the SOW");

// A required figure that reads as 0 is refused with its own text.
Check requiredFigure(const LitterColumn& c, int row, const NumberField& field, bool correcting) {
  return CheckRequiredNumber(c[static_cast<size_t>(row)], field, entryRefusal(field.name + kRequired, row, correcting));
}

// A typed count as its field stores it: 0 for a text the field refuses.
long countOf(const LitterColumn& c, int row, const NumberField& field) {
  return records::NearestWhole<int32_t>(TypedValue(c[static_cast<size_t>(row)], field));
}

int16_t storedCount(const std::string& text) {
  int n = 0;
  return ToInteger(Val(text), n) ? static_cast<int16_t>(n) : int16_t{0};
}

}  // namespace

void FillLitterColumn(LitterColumn& c, const FarrowRecord& f, long record, bool fullBoarId) {
  c[kDateBornRow] = f.DateBorn;
  c[kBornRow] = Format(f.BornCount, "#0");
  c[kAliveRow] = Format(f.AliveCount, "#0");
  c[kBirthWeightRow] = Format(f.BirthWeight, "0.00");
  c[kLitterNumberRow] = Format(record, "0");
  c[kDateWeanedRow] = f.DateWeaned;
  c[kWeanedRow] = Format(f.WeanedCount, "#0");
  c[kWeaningWeightRow] = Format(f.WeaningWeight, "0.00");
  c[kFosteredToRow] = Format(f.FosteredTo, "#0");
  c[kFosteredFromRow] = Format(f.FosteredFrom, "#0");
  c[kBoarRow] = fullBoarId ? f.BoarId : Trim(f.BoarId);
}

WeaningNotice ComputeWeaningRows(LitterColumn& c, bool silent) {
  LitterFields in;
  in.born = countOf(c, kBornRow, kBornNumber);
  in.alive = countOf(c, kAliveRow, kAliveNumber);
  in.fosteredTo = countOf(c, kFosteredToRow, kFosteredToNumber);
  in.fosteredFrom = countOf(c, kFosteredFromRow, kFosteredFromNumber);
  in.weaned = countOf(c, kWeanedRow, kWeanedNumber);
  in.weaningWeight = TypedSingle(c[kWeaningWeightRow], kWeaningWeightNumber);
  in.dateBorn = c[kDateBornRow];
  in.dateWeaned = c[kDateWeanedRow];
  const WeaningFigures figures = ComputeWeaningFigures(in);
  const WeaningTexts t = WeaningTextsOf(figures);
  c[kStillbornRow] = t.percentStillborn;
  c[kMortalityRow] = t.mortality;
  c[kAgeRow] = t.age;
  c[kWeightPerPigRow] = t.weightPerPig;
  c[kAdjustedRow] = t.adjusted21Day;
  switch (figures.ageClass) {
    case WeaningAge::NotWeaned:
      c[kDateWeanedRow] = silent ? "" : records::kEmptyDate;
      return WeaningNotice::Unavailable;
    case WeaningAge::Early:
      return WeaningNotice::Early;
    case WeaningAge::Late:
      return WeaningNotice::Late;
    case WeaningAge::InTable:
      break;
  }
  return WeaningNotice::None;
}

Check CheckLitterEntry(const LitterColumn& c, bool correcting) {
  const std::string& born = c[kDateBornRow];
  if (born == records::kEmptyDate)
    return entryRefusal(correcting ? "Date Born is a REQUIRED ENTRY!" : "Date PIG(s) were born, is a REQUIRED ENTRY!",
                        kDateBornRow, correcting);
  if (Check date = CheckDate(born, kFirstDataYear, kDateBornRow)) return date;
  if (Check refusal = requiredFigure(c, kBornRow, kBornNumber, correcting)) return refusal;
  if (Check refusal = requiredFigure(c, kAliveRow, kAliveNumber, correcting)) return refusal;
  if (Check refusal = requiredFigure(c, kBirthWeightRow, kBirthWeightNumber, correcting)) return refusal;
  const std::string& weaned = c[kDateWeanedRow];
  if (weaned != records::kEmptyDate) {
    if (Check date = CheckDate(weaned, kFirstDataYear, kDateWeanedRow)) return date;
    if (Check refusal = requiredFigure(c, kWeanedRow, kWeanedNumber, correcting)) return refusal;
    if (Check refusal = requiredFigure(c, kWeaningWeightRow, kWeaningWeightNumber, correcting)) return refusal;
    const std::optional<long> age = DaysBetween(born, weaned);
    if (!age || *age < std::numeric_limits<int16_t>::min() || *age > std::numeric_limits<int16_t>::max())
      return entryRefusal("The PIG's AGE at WEANING is out of range!\rRecheck the DATE WEANED.", kDateWeanedRow,
                          correcting);
  }
  return CheckTypedNumbers({{c[kFosteredToRow], kFosteredToNumber, kFosteredToRow},
                            {c[kFosteredFromRow], kFosteredFromNumber, kFosteredFromRow}},
                           kFarrowEntryTitle, correcting ? platform::vbInformation : platform::vbExclamation);
}

Check CheckParityRoom(int parities) {
  if (parities + 1 <= kMaxParities) return std::nullopt;
  return entryRefusal("You can't have more than 9 PARITY'S per SOW!", kDateBornRow, false);
}

std::optional<bool> SireInBoarFile(const std::string& typed, FileFault* fault) {
  const std::string key = UCase(Trim(typed));
  bool found = false;
  records::RecordScan<BoarRecord> boars;
  const auto same = [&](long, const uint8_t* boar) {
    found = found || (!key.empty() && UCase(Trim(records::StoredId<BoarRecord>(boar))) == key);
  };
  if (!ScanFile(boars, same, fault)) return std::nullopt;
  return found;
}

Check CheckSire(const std::string& typed, bool inFile) {
  if (inFile) return std::nullopt;
  return entryRefusal("NO SUCH BOAR AS ( " + Trim(typed) + " ) IN FILE!\rRecheck your BOAR entry!", kBoarRow, false);
}

Check CheckLitterSlot(long slot) {
  if (records::RecordNumberFits(slot)) return std::nullopt;
  return entryRefusal("NO ROOM LEFT IN THE FARROW FILE!\r\rThe litter was not added.", kDateBornRow, false);
}

Check CheckSowLitterLinks(const std::string& sowId, int16_t parityCount, const FarrowLinkArray& links,
                          long farrowCount) {
  const std::string head = "SOW ID(" + Trim(sowId) + ")";
  const char tail[] = "\r\rHer litters can't be shown or added here.";
  if (parityCount < 0 || parityCount > kMaxParities)
    return Refusal{head + " has " + std::to_string(parityCount) + " PARITY'S!" + tail, " FARROW  ERROR ",
                   platform::vbExclamation, -1};
  for (int p = 1; p <= parityCount; ++p)
    if (!records::ValidLitterLink(links[static_cast<size_t>(p)], farrowCount))
      return Refusal{head + " has a broken link to PARITY #" + std::to_string(p) + "!" + tail, " FARROW  ERROR ",
                     platform::vbExclamation, -1};
  return std::nullopt;
}

FarrowRecord LitterRecordOf(const LitterColumn& c, int16_t status) {
  FarrowRecord f;
  const bool weaned = c[kDateWeanedRow] != records::kEmptyDate;
  f.Status = status;
  f.DateBorn = c[kDateBornRow];
  const auto count = [&c](int row, const NumberField& field) {
    return records::NearestWhole<int16_t>(TypedValue(c[static_cast<size_t>(row)], field));
  };
  const auto weight = [&c](int row, const NumberField& field) {
    return TypedSingle(c[static_cast<size_t>(row)], field);
  };
  f.BornCount = count(kBornRow, kBornNumber);
  f.AliveCount = count(kAliveRow, kAliveNumber);
  f.BirthWeight = weight(kBirthWeightRow, kBirthWeightNumber);
  f.DateWeaned = c[kDateWeanedRow];
  f.WeanedCount = weaned ? count(kWeanedRow, kWeanedNumber) : int16_t{0};
  f.WeaningAge = weaned ? storedCount(c[kAgeRow]) : int16_t{0};
  f.WeaningWeight = weaned ? weight(kWeaningWeightRow, kWeaningWeightNumber) : 0.0f;
  f.FosteredTo = count(kFosteredToRow, kFosteredToNumber);
  f.FosteredFrom = count(kFosteredFromRow, kFosteredFromNumber);
  f.BoarId = c[kBoarRow];
  return f;
}

const FigureBox kLitterWeightBox{"0.00", 9};

Check CheckCorrectedLitter(const LitterColumn& c, const FarrowRecord& stored) {
  LitterColumn judged = c;
  judged[kBirthWeightRow] = JudgedText(c[kBirthWeightRow], stored.BirthWeight, kLitterWeightBox);
  judged[kWeaningWeightRow] = JudgedText(c[kWeaningWeightRow], stored.WeaningWeight, kLitterWeightBox);
  return CheckLitterEntry(judged, true);
}

FarrowRecord CorrectedLitterOf(const LitterColumn& c, const FarrowRecord& stored) {
  FarrowRecord f = LitterRecordOf(c, stored.Status);
  f.BirthWeight = KeptSingle(c[kBirthWeightRow], stored.BirthWeight, kLitterWeightBox, kBirthWeightNumber);
  if (f.DateWeaned != records::kEmptyDate)
    f.WeaningWeight = KeptSingle(c[kWeaningWeightRow], stored.WeaningWeight, kLitterWeightBox, kWeaningWeightNumber);
  return f;
}

std::string DueDatePreset(const std::string& storedDue) {
  return ReadDueDate(storedDue).value_or(records::kEmptyDate);
}
