#include "sows/WeaningFigures.h"

#include "common/DateMath.h"
#include "common/Format.h"
#include "common/NumberText.h"

const std::array<AdjFactorRow, 21> AdjFactor21Day = {
    {{14, 1.29f}, {15, 1.24f}, {16, 1.19f}, {17, 1.15f}, {18, 1.11f}, {19, 1.07f}, {20, 1.03f},
     {21, 1.00f}, {22, 0.97f}, {23, 0.94f}, {24, 0.91f}, {25, 0.88f}, {26, 0.86f}, {27, 0.84f},
     {28, 0.82f}, {29, 0.80f}, {30, 0.78f}, {31, 0.77f}, {32, 0.76f}, {33, 0.75f}, {34, 0.73f}}};

namespace {

// part / whole x 100, the quotient in double precision, held as a Single.
std::optional<float> percentOf(long part, long whole) {
  if (whole == 0) return std::nullopt;
  return static_cast<float>(static_cast<double>(part) / static_cast<double>(whole) * 100.0);
}

std::string shortOrEmpty(const std::optional<float>& value, size_t width) {
  return value ? ShortFigure(*value, width) : "";
}

}  // namespace

LitterFields LitterFieldsOf(const FarrowRecord& f) {
  return {f.BornCount,   f.AliveCount,    f.FosteredTo, f.FosteredFrom,
          f.WeanedCount, f.WeaningWeight, f.DateBorn,   f.DateWeaned};
}

WeaningFigures ComputeWeaningFigures(const LitterFields& l) {
  WeaningFigures out;
  out.percentStillborn = percentOf(l.born - l.alive, l.born);
  if (l.weaned != 0) {
    const long base = l.alive + l.fosteredTo - l.fosteredFrom;
    out.mortality = percentOf(base - l.weaned, base);
  }
  const std::optional<long> age = IsEmptyDate(l.dateWeaned) ? std::nullopt : DaysBetween(l.dateBorn, l.dateWeaned);
  if (!age) {
    out.weightPerPig = 0.0f;
    return out;
  }
  out.age = *age;
  if (l.weaned != 0) out.weightPerPig = l.weaningWeight / static_cast<float>(l.weaned);
  if (*age < kFirstFactorAge) {
    out.ageClass = WeaningAge::Early;
  } else if (*age > kLastFactorAge) {
    out.ageClass = WeaningAge::Late;
  } else {
    out.ageClass = WeaningAge::InTable;
    out.factor = AdjFactorFor(*age);
    out.adjusted21Day = *out.factor * l.weaningWeight;
  }
  return out;
}

WeaningFigures WeaningFiguresOf(const FarrowRecord& litter) { return ComputeWeaningFigures(LitterFieldsOf(litter)); }

std::string ShortFigure(float value, size_t width) { return SingleText(value).substr(0, width); }

WeaningTexts WeaningTextsOf(const WeaningFigures& f) {
  WeaningTexts t;
  t.percentStillborn = shortOrEmpty(f.percentStillborn, 4);
  t.mortality = shortOrEmpty(f.mortality, 4);
  t.weightPerPig = shortOrEmpty(f.weightPerPig, 2);
  switch (f.ageClass) {
    case WeaningAge::NotWeaned:
      return t;
    case WeaningAge::Early:
      t.adjusted21Day = "EARLY";
      break;
    case WeaningAge::Late:
      t.adjusted21Day = "LATE ";
      break;
    case WeaningAge::InTable:
      t.adjusted21Day = shortOrEmpty(f.adjusted21Day, 5);
      break;
  }
  t.age = Format(f.age, "##0");
  return t;
}
