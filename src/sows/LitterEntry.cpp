#include "sows/LitterEntry.h"

#include <cmath>
#include <limits>

#include "common/DateChecks.h"
#include "common/DateMath.h"
#include "common/Format.h"
#include "common/NumberText.h"
#include "common/Paths.h"
#include "records/RecordSlots.h"
#include "sows/DueDateText.h"
#include "sows/WeaningFigures.h"

namespace {

const char kRequired[] = ",\ris a REQUIRED ENTRY!\rIT MUST NOT EQUAL ZERO (0)!";

Refusal entryRefusal(const std::string& text, int row, bool correcting) {
  return {text, kFarrowEntryTitle, correcting ? platform::vbInformation : platform::vbExclamation, row};
}

// A typed count as stored: the nearest whole number; false outside 0 to 32767.
bool countOf(const std::string& text, int& out) { return ToInteger(Val(text), out) && out >= 0; }

// A required count: 1 to 32767 once rounded.
bool requiredCount(const std::string& text) {
  int n = 0;
  return countOf(text, n) && n > 0;
}

// A required weight: above 0 as a Single.
bool requiredWeight(const std::string& text) {
  const double v = Val(text);
  return v <= static_cast<double>(std::numeric_limits<float>::max()) && static_cast<float>(v) > 0.0f;
}

long wholeOf(const std::string& text) {
  const double v = Val(text);
  return std::fabs(v) < 2e9 ? static_cast<long>(RoundHalfEven(v)) : 0;
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
  in.born = wholeOf(c[kBornRow]);
  in.alive = wholeOf(c[kAliveRow]);
  in.fosteredTo = wholeOf(c[kFosteredToRow]);
  in.fosteredFrom = wholeOf(c[kFosteredFromRow]);
  in.weaned = wholeOf(c[kWeanedRow]);
  in.weaningWeight = static_cast<float>(Val(c[kWeaningWeightRow]));
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
  if (!requiredCount(c[kBornRow]))
    return entryRefusal(std::string("The NUMBER of PIG(s) Born") + kRequired, kBornRow, correcting);
  if (!requiredCount(c[kAliveRow]))
    return entryRefusal(std::string("The NUMBER of ALIVE PIG(s)") + kRequired, kAliveRow, correcting);
  if (!requiredWeight(c[kBirthWeightRow]))
    return entryRefusal(std::string("The LITTER BIRTH WEIGHT") + kRequired, kBirthWeightRow, correcting);
  const std::string& weaned = c[kDateWeanedRow];
  if (weaned != records::kEmptyDate) {
    if (Check date = CheckDate(weaned, kFirstDataYear, kDateWeanedRow)) return date;
    if (!requiredCount(c[kWeanedRow]))
      return entryRefusal(std::string("The Number of PIG(s) WEANED") + kRequired, kWeanedRow, correcting);
    if (!requiredWeight(c[kWeaningWeightRow]))
      return entryRefusal(std::string("The LITTER WEANING WEIGHT") + kRequired, kWeaningWeightRow, correcting);
    const std::optional<long> age = DaysBetween(born, weaned);
    if (!age || *age < std::numeric_limits<int16_t>::min() || *age > std::numeric_limits<int16_t>::max())
      return entryRefusal("The PIG's AGE at WEANING is out of range!\rRecheck the DATE WEANED.", kDateWeanedRow,
                          correcting);
  }
  int n = 0;
  if (!countOf(c[kFosteredToRow], n))
    return entryRefusal("The NUMBER of PIG(s) FOSTERED to the SOW,\ris out of range!", kFosteredToRow, correcting);
  if (!countOf(c[kFosteredFromRow], n))
    return entryRefusal("The NUMBER of PIG(s) FOSTERED from the SOW,\ris out of range!", kFosteredFromRow, correcting);
  return std::nullopt;
}

Check CheckParityRoom(int parities) {
  if (parities + 1 <= kMaxParities) return std::nullopt;
  return entryRefusal("You can't have more than 9 PARITY'S per SOW!", kDateBornRow, false);
}

Check CheckSire(const std::string& typed, const records::FileImage<BoarRecord>& boars) {
  const std::string key = UCase(Trim(typed));
  if (!key.empty())
    for (long n = 1; n <= boars.count(); ++n)
      if (UCase(Trim(records::StoredId(boars, n))) == key) return std::nullopt;
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
  f.BornCount = storedCount(c[kBornRow]);
  f.AliveCount = storedCount(c[kAliveRow]);
  f.BirthWeight = static_cast<float>(Val(c[kBirthWeightRow]));
  f.DateWeaned = c[kDateWeanedRow];
  f.WeanedCount = weaned ? storedCount(c[kWeanedRow]) : int16_t{0};
  f.WeaningAge = weaned ? storedCount(c[kAgeRow]) : int16_t{0};
  f.WeaningWeight = weaned ? static_cast<float>(Val(c[kWeaningWeightRow])) : 0.0f;
  f.FosteredTo = storedCount(c[kFosteredToRow]);
  f.FosteredFrom = storedCount(c[kFosteredFromRow]);
  f.BoarId = c[kBoarRow];
  return f;
}

std::string DueDatePreset(const std::string& storedDue) {
  const std::string due = StripNulls(storedDue);
  if (IsEmptyDate(due)) return records::kEmptyDate;
  if (due.size() >= 6 && due[5] == '/') return due;
  return DigitsAsDate(due, true);
}
