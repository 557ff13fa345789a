#pragma once
// The figures of a litter that are never typed: percent stillborn,
// pre-weaning mortality, age of the pigs at weaning, weaning weight per pig
// and the litter weight adjusted to 21 days. No window: the litter window
// shows them, and the charts and the boar sheet take a stored litter's
// adjusted weight from here.
//
//   const WeaningFigures f = WeaningFiguresOf(litter);      // a FarrowRecord
//   if (f.adjusted21Day) total += *f.adjusted21Day;         // weaned at 14 to 34 days
//
// Every figure whose divisor is 0 is absent (std::nullopt), never divided.
#include <array>
#include <optional>
#include <string>

#include "records/FarrowRecord.h"

// One row of the adjusted 21-day factors: an age in days and its factor.
struct AdjFactorRow {
  float Age;
  float Factor;
};
// Ages 14 to 34 days, one row a day.
extern const std::array<AdjFactorRow, 21> AdjFactor21Day;
inline constexpr int kFirstFactorAge = 14;
inline constexpr int kLastFactorAge = 34;

// The factor of a weaning age: the first row of that age; nothing outside
// 14 to 34 days. Inline for the loops over every litter.
inline std::optional<float> AdjFactorFor(long ageDays) {
  // The table holds a row a day from its first age on.
  if (ageDays < kFirstFactorAge || ageDays > kLastFactorAge) return std::nullopt;
  return AdjFactor21Day[static_cast<size_t>(ageDays - kFirstFactorAge)].Factor;
}

// The stored fields of a litter the figures are made of. Counts are whole
// numbers (wider than the stored 16 bits, so no sum overflows).
struct LitterFields {
  long born = 0;
  long alive = 0;
  long fosteredTo = 0;
  long fosteredFrom = 0;
  long weaned = 0;
  float weaningWeight = 0;     // the litter's
  std::string dateBorn;        // "MM/DD/YYYY"
  std::string dateWeaned;      // "__/__/____" when not weaned
};
LitterFields LitterFieldsOf(const FarrowRecord& litter);

// Where the age at weaning falls against the factor table.
enum class WeaningAge {
  NotWeaned,  // no weaning date (or a date that is no date)
  Early,      // below 14 days, a weaning before the birth included
  InTable,    // 14 to 34 days
  Late,       // above 34 days
};

struct WeaningFigures {
  std::optional<float> percentStillborn;  // (born - alive) / born x 100; none when born is 0
  std::optional<float> mortality;         // (base - weaned) / base x 100, base = alive + to - from;
                                          // none when none were weaned or base is 0
  WeaningAge ageClass = WeaningAge::NotWeaned;
  long age = 0;                           // days from birth to weaning; 0 when not weaned
  std::optional<float> weightPerPig;      // litter weaning weight / weaned; 0 when not weaned,
                                          // none when weaned with 0 pigs
  std::optional<float> factor;            // the age's factor, InTable only
  std::optional<float> adjusted21Day;     // factor x litter weaning weight, InTable only
};

// The figures of a litter, each computed in single precision as stored.
WeaningFigures ComputeWeaningFigures(const LitterFields& litter);
WeaningFigures WeaningFiguresOf(const FarrowRecord& litter);

// The figures as the litter window and the litter sheet write them.
struct WeaningTexts {
  std::string percentStillborn;  // 4 characters at most; "" when there is none
  std::string mortality;         // 4 characters at most; "" when there is none
  std::string age;               // "##0"; "" when not weaned
  std::string weightPerPig;      // 2 characters at most; "0" when not weaned
  std::string adjusted21Day;     // 5 characters at most, "EARLY", "LATE " or "" when not weaned
};
WeaningTexts WeaningTextsOf(const WeaningFigures& figures);

// A Single's shortest text (".5", "12.5", "100") cut to its first `width`
// characters.
std::string ShortFigure(float value, size_t width);
