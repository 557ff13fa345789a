#pragma once
// The figures of the five-year charts, without windows: one row per year
// from the chosen start year, each with the label the chart shows under its
// bar and the value it plots, from the record files read once each.
//
//   const int first = ChartFirstYear(ReportYear);            // "2020" gives 2020
//   records::FileImage<SowRecord> sows;  records::FileImage<FarrowRecord> litters;
//   ...read both...
//   const ChartRows rows = PigsWeanedPerSow(sows, litters, first);
//   rows[0].label;      // "Year 2020 SOW(s)=45"
//   rows[0].valueText;  // "6": 300 pigs weaned by 45 sows, the fraction dropped
//
// A stored date belongs to a year when its last four characters are the
// year's digits; the empty date and a year of fewer than four digits match
// nothing. Counts and sums of pigs are 32-bit; weights and costs are Single.
// Every division answers 0 when its divisor is 0 or below.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/Refusal.h"
#include "records/DrugRecord.h"
#include "records/FarrowRecord.h"
#include "records/RecordIo.h"
#include "records/SalesRecord.h"
#include "records/SowRecord.h"

inline constexpr int kChartYears = 5;

// One bar: its label and its value, as text (the value plotted is
// Val(valueText)).
struct ChartRow {
  std::string label;
  std::string valueText = "0";
  double value() const;
  bool operator==(const ChartRow&) const = default;
};
using ChartRows = std::array<ChartRow, kChartYears>;
// The crate counts of the five years, as typed.
using CrateCounts = std::array<std::string, kChartYears>;

inline constexpr const char* kCrateEntryTitle = "CRATE  ENTRY  ERROR";
// The crate dialog's ACCEPT: each count empty (no crates) or a whole number
// of crates from 0 to 32767 (common/TypedNumber.h), named by its year; the
// refusal's field is the box, 0 to 4.
Check CheckCrateCounts(const CrateCounts& typed, const std::array<std::string, kChartYears>& years);

// The first year from the year prompt's answer: the number its first four
// characters (blanks around them removed) read as; 0 when that is no whole
// year of 16 bits.
int ChartFirstYear(const std::string& reportYear);
// "Year " and the year in four digits ("Year 0998").
std::string ChartYearLabel(int year);
// The year's text as dates are matched with: its plain digits ("998").
std::string ChartYearKey(int year);
// The five rows before any figure: "Year yyyy" and 0.
ChartRows BlankChartRows(int firstYear);

// The five years' texts, and which of them a stored date falls in: a date
// whose last four characters are a year's key, which only a key of four
// digits can be.
class ChartYears {
 public:
  explicit ChartYears(int first) {
    for (size_t i = 0; i < kChartYears; ++i) keys_[i] = ChartYearKey(first + static_cast<int>(i));
  }
  const std::string& key(int i) const { return keys_[static_cast<size_t>(i)]; }
  // The row (0 to 4) of the year `date` falls in; -1 when none.
  int rowOf(std::string_view date) const {
    if (date.size() < 4) return -1;
    const std::string_view year = date.substr(date.size() - 4);
    for (size_t i = 0; i < kChartYears; ++i)
      if (year == keys_[i] && isFourDigits(keys_[i])) return static_cast<int>(i);
    return -1;
  }
  // The same for a date stored at `date`, its ten characters as they lie.
  int rowOfStored(const uint8_t* date) const { return rowOf(records::textView(date, 10)); }

 private:
  static bool isFourDigits(const std::string& key) {
    return key.size() == 4 && key.find_first_not_of("0123456789") == std::string::npos;
  }
  std::array<std::string, kChartYears> keys_;
};

// Pigs weaned in each year (litters by their weaning date, whatever their
// status), over the sows of the year (entered by its end and not left by
// then), the fraction dropped.
ChartRows PigsWeanedPerSow(const records::FileImage<SowRecord>& sows,
                           const records::FileImage<FarrowRecord>& litters, int firstYear);
// Pigs weaned in each year over the crates typed for it; a count that reads
// as no number, 0 or below shows 0.
ChartRows PigsWeanedPerCrate(const records::FileImage<FarrowRecord>& litters, int firstYear,
                             const CrateCounts& crates);
// The mean adjusted 21-day weight per pig of the litters weaned in each year:
// the litter's weaning weight per pig weaned, times the factor of its age at
// weaning where that is 14 to 34 days, else as it is. A litter with no pig
// weaned is left out.
ChartRows Adj21DayWeightPerYear(const records::FileImage<FarrowRecord>& litters, int firstYear);
// The cost of the drugs bought in each year (by purchase date), summed as a
// run over DRUG.LST in blocks hands on each record (DRUG.LST, 11.3 MB at
// record 32,767, is never held whole).
class DrugCostsPerYear {
 public:
  explicit DrugCostsPerYear(int firstYear) : years_(firstYear) {}
  // A record, its stored bytes.
  void add(const uint8_t* drugBytes);
  const std::array<float, kChartYears>& Costs() const { return costs_; }

 private:
  ChartYears years_;
  std::array<float, kChartYears> costs_{};
};
// The cost of the drugs bought in each year over the pigs sold in it (every
// row of SALES.DAT by its sale date, adjustments included), to the cent.
ChartRows MedicationCostPerPig(const records::FileImage<SalesRecord>& sales, const DrugCostsPerYear& drugs,
                               int firstYear);

// The chart titles.
inline constexpr const char* kPigsPerSowTitle = "PIGS WEANED / SOW / YEAR";
inline constexpr const char* kPigsPerCrateTitle = "PIGS WEANED / CRATE / YEAR";
inline constexpr const char* kAdjWeightTitle = "ADJUSTED 21 DAY WEIGHT";
inline constexpr const char* kMedCostTitle = "MEDICATION COST Per PIG";
