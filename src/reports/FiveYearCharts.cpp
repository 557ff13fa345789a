#include "reports/FiveYearCharts.h"

#include <cmath>
#include <limits>
#include <string_view>

#include "common/DateMath.h"
#include "common/Format.h"
#include "common/NumberText.h"
#include "common/TypedNumber.h"
#include "reports/HerdPerformance.h"
#include "reports/ReportNumbers.h"
#include "sows/WeaningFigures.h"

namespace {

using YearTotals = std::array<int64_t, kChartYears>;

// The pigs weaned in each year, by the litters' weaning dates.
YearTotals pigsWeaned(const records::FileImage<FarrowRecord>& litters, const ChartYears& years) {
  YearTotals totals{};
  for (long n = 1; n <= litters.count(); ++n) {
    const uint8_t* litter = litters.bytes(n);
    if (const int row = years.rowOfStored(litter + FarrowRecord::DateWeanedAt); row >= 0)
      totals[static_cast<size_t>(row)] += records::getI16(litter + FarrowRecord::WeanedCountAt);
  }
  return totals;
}

// A count typed or written as text, as a divisor: its leading number to the
// nearest whole number (a half to the even one), within 32 bits.
int32_t divisorOf(const std::string& text) {
  const double v = Val(text);
  if (!(std::fabs(v) < 4e9)) return 0;
  return Total32(RoundHalfEven(v));
}

// total \ divisor, the fraction dropped; "0" for a divisor of 0 or below.
std::string wholeShare(int64_t total, int32_t divisor) {
  return std::to_string(divisor > 0 ? Total32(total) / divisor : 0);
}

}  // namespace

double ChartRow::value() const { return Val(valueText); }

int ChartFirstYear(const std::string& reportYear) {
  int year = 0;
  return ToInteger(Val(Trim(reportYear).substr(0, 4)), year) ? year : 0;
}

std::string ChartYearLabel(int year) { return "Year " + Format(year, "0000"); }

std::string ChartYearKey(int year) { return std::to_string(year); }

ChartRows BlankChartRows(int firstYear) {
  ChartRows rows;
  for (int i = 0; i < kChartYears; ++i) rows[static_cast<size_t>(i)].label = ChartYearLabel(firstYear + i);
  return rows;
}

ChartRows PigsWeanedPerSow(const records::FileImage<SowRecord>& sows,
                           const records::FileImage<FarrowRecord>& litters, int firstYear) {
  const ChartYears years(firstYear);
  const YearTotals weaned = pigsWeaned(litters, years);
  std::vector<std::string> keys;
  for (int i = 0; i < kChartYears; ++i) keys.push_back(years.key(i));
  const std::vector<HerdPerfData> herds = CountYearSows(sows, keys);
  ChartRows rows = BlankChartRows(firstYear);
  for (int i = 0; i < kChartYears; ++i) {
    const HerdPerfData& herd = herds[static_cast<size_t>(i)];
    ChartRow& row = rows[static_cast<size_t>(i)];
    row.label = Trim(row.label + " SOW(s)=" + Format(herd.Sows, "##0"));
    row.valueText = wholeShare(weaned[static_cast<size_t>(i)], herd.Sows);
  }
  return rows;
}

ChartRows PigsWeanedPerCrate(const records::FileImage<FarrowRecord>& litters, int firstYear,
                             const CrateCounts& crates) {
  const YearTotals weaned = pigsWeaned(litters, ChartYears(firstYear));
  ChartRows rows = BlankChartRows(firstYear);
  for (int i = 0; i < kChartYears; ++i) {
    const std::string& crate = crates[static_cast<size_t>(i)];
    ChartRow& row = rows[static_cast<size_t>(i)];
    row.label = Trim(row.label + " CRATE(s)=" + crate);
    row.valueText = wholeShare(weaned[static_cast<size_t>(i)], divisorOf(crate));
  }
  return rows;
}

ChartRows Adj21DayWeightPerYear(const records::FileImage<FarrowRecord>& litters, int firstYear) {
  const ChartYears years(firstYear);
  std::array<float, kChartYears> sums{};
  std::array<int64_t, kChartYears> counts{};
  const long count = litters.count();
  for (long n = 1; n <= count; ++n) {
    const uint8_t* litter = litters.bytes(n);
    const int row = years.rowOfStored(litter + FarrowRecord::DateWeanedAt);
    if (row < 0) continue;
    const int16_t pigs = records::getI16(litter + FarrowRecord::WeanedCountAt);
    if (pigs == 0) continue;  // no pig to weigh
    const float perPig = records::getF32(litter + FarrowRecord::WeaningWeightAt) / static_cast<float>(pigs);
    const std::optional<long> age = DaysBetween(records::textView(litter + FarrowRecord::DateBornAt, 10),
                                    records::textView(litter + FarrowRecord::DateWeanedAt, 10));
    const std::optional<float> factor = age ? AdjFactorFor(*age) : std::nullopt;
    sums[static_cast<size_t>(row)] += factor ? perPig * *factor : perPig;
    ++counts[static_cast<size_t>(row)];
  }
  ChartRows rows = BlankChartRows(firstYear);
  for (size_t i = 0; i < kChartYears; ++i)
    if (counts[i] > 0) rows[i].valueText = SingleText(sums[i] / static_cast<float>(Total32(counts[i])));
  return rows;
}

void DrugCostsPerYear::add(const uint8_t* drugBytes) {
  static const DrugRecord d;
  static const records::FieldMask<DrugRecord> bought(d, {&d.PurchaseDate, &d.DrugCost});
  DrugRecord drug;
  records::decodeInto(drugBytes, drug, bought);
  const int row = years_.rowOf(drug.PurchaseDate);
  if (row >= 0) costs_[static_cast<size_t>(row)] += static_cast<float>(drug.DrugCost.value());
}

ChartRows MedicationCostPerPig(const records::FileImage<SalesRecord>& sales, const DrugCostsPerYear& drugs,
                               int firstYear) {
  const ChartYears years(firstYear);
  static const SalesRecord s;
  static const records::FieldMask<SalesRecord> sold(s, {&s.DateSold, &s.PigsSold});
  YearTotals pigs{};
  SalesRecord sale;
  for (long n = 1; n <= sales.count(); ++n) {
    sales.decode(n, sale, sold);
    const int row = years.rowOf(sale.DateSold);
    if (row >= 0) pigs[static_cast<size_t>(row)] += sale.PigsSold;
  }
  const std::array<float, kChartYears>& costs = drugs.Costs();
  ChartRows rows = BlankChartRows(firstYear);
  for (size_t i = 0; i < kChartYears; ++i) {
    const int32_t sold = Total32(pigs[i]);
    rows[i].label = Trim(rows[i].label + " PIG(s)=" + Format(sold, "###0"));
    if (sold > 0) rows[i].valueText = Format(costs[i] / static_cast<float>(sold), "0.00");
  }
  return rows;
}

Check CheckCrateCounts(const CrateCounts& typed, const std::array<std::string, kChartYears>& years) {
  for (int k = 0; k < kChartYears; ++k) {
    const size_t i = static_cast<size_t>(k);
    const NumberField crates = IntegerField("The NUMBER of CRATE(s) for " + years[i]);
    if (Check refusal = CheckTypedNumber(typed[i], crates, kCrateEntryTitle, k)) return refusal;
  }
  return std::nullopt;
}
