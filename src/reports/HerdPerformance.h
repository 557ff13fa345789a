#pragma once
// The herd performance of one calendar year, from SOW.DAT and FARROW.DAT read
// once: the sows of the year, the litters born in it and weaned, and the 25
// figures the report shows and prints.
//
//   records::FileImage<SowRecord> sows;  records::FileImage<FarrowRecord> litters;
//   ...read both...
//   const HerdPerfData h = CollectHerdData(sows, litters, "2024");
//   h.Sows;                                      // sows in the herd in 2024
//   HerdFigureText(h, HerdFigure::LittersPerSow);  // "2.1", cut to its width
//
// A year is compared with the last four characters of a stored date as text,
// character by character: the empty date's "____" comes after every year of
// digits, a date of blanks before them. Totals are 32-bit; a figure whose
// divisor is 0 (or below) is 0.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "records/FarrowRecord.h"
#include "records/RecordIo.h"
#include "records/SowRecord.h"

struct HerdPerfData {
  int32_t Sows = 0;           // in the herd for the year
  int32_t Replacements = 0;   // entered in the year
  int32_t Sold = 0;           // left in the year
  int32_t ParitySum = 0;      // parity counts of the sows entered by the year's end and still in the herd
  int32_t Litters = 0;        // born in the year and weaned
  int32_t Born = 0;
  int32_t Alive = 0;
  int32_t Weaned = 0;
  int32_t Fostered = 0;       // fostered to the sows
  int32_t BirthWeight = 0;    // litter weights, rounded after every litter
  int32_t WeaningWeight = 0;
  int32_t DaysToWeaning = 0;  // days from birth to weaning, summed

  bool operator==(const HerdPerfData&) const = default;
};

// The sow counts of `year` (Sows, Replacements, Sold, ParitySum); every record
// counts, free ones included.
void CountYearSows(const records::FileImage<SowRecord>& sows, const std::string& year, HerdPerfData& data);
// The same of each of `years`, from one run over the records.
std::vector<HerdPerfData> CountYearSows(const records::FileImage<SowRecord>& sows,
                                        const std::vector<std::string>& years);
// The litter totals of `year` (Litters to DaysToWeaning): every record born in
// the year and weaned, whatever its status.
void CountYearLitters(const records::FileImage<FarrowRecord>& litters, const std::string& year, HerdPerfData& data);
// Both, for one year.
HerdPerfData CollectHerdData(const records::FileImage<SowRecord>& sows,
                             const records::FileImage<FarrowRecord>& litters, const std::string& year);

// The figures, in the order of the window's value labels: the left column,
// then the right.
enum class HerdFigure {
  Sows, Replacements, Sold, AvgParity, Litters, LittersPerSow, TotalNps, NpsPerSow,
  AvgBorn, AvgAlive, AvgWeaned, AvgFostered,
  Born, BornPerSow, Alive, AlivePerSow, Weaned, WeanedPerSow, Fostered, FosteredPerSow,
  AvgBirthWeight, AvgWeaningWeight, Stillborn, Mortality, AvgDaysToWeaning,
};
inline constexpr int kHerdFigures = 25;

// A figure's value label: its name, the caption beside it, and its width.
struct HerdFigureLabel {
  const char* name;
  const char* caption;
  int width;
};
const HerdFigureLabel& HerdFigureLabelOf(HerdFigure figure);

// The days from birth to weaning of the average litter, rounded (a half to
// the even number); 0 without litters.
int32_t AverageWeaningDays(const HerdPerfData& data);
// H(Sows) x 365 - (average weaning days + 114) x litters, kept within 32 bits.
int32_t TotalNpsDays(const HerdPerfData& data);

// A value as plain decimal text (no exponent, no 0 before the point, up to
// 15 significant digits) cut to `width` characters; the whole part is never
// cut: 2/3 at 5 gives ".6666", 12345 at 4 gives "12345".
std::string CutValueText(double value, int width);

// The text a figure shows: its cut value text, "0" for the figures of
// litters when there are none.
std::string HerdFigureText(const HerdPerfData& data, HerdFigure figure);

// Whether the year has litters to average.
inline bool HerdDataFound(const HerdPerfData& data) { return data.Litters != 0; }

// The 31 printed lines (element 0 empty), the last filled but one saying
// when it was printed.
std::vector<std::string> HerdPerfReportLines(const HerdPerfData& data, const std::string& dateText);
// Prints the lines on one page titled `title`, ending with the end banner.
void PrintHerdPerfPage(const std::vector<std::string>& lines, const std::string& title);

// The message of a year without litters.
std::string NoHerdLittersText(const std::string& year);
inline constexpr const char* kHerdDataTitle = "HERD   DATA   ERROR";
