#include "groups/SalesTotals.h"

#include "common/DataFiles.h"
#include "groups/SalesNumbers.h"
#include "common/NumberText.h"

namespace {

// Adds a row to the totals when it counts in them.
void Count(SalesTotal& total, const SalesRecord& s, const std::string& year, const std::string& kind) {
  if (!CountsInTotals(s, year, kind)) return;
  total.head += s.PigsSold;
  total.weight += static_cast<float>(s.PigsSold) * s.WeightPerPig;
}

SalesTotal TotalsOf(const std::vector<SalesRecord>& sales, const std::string& year, const std::string& kind) {
  SalesTotal total;
  for (const SalesRecord& s : sales) Count(total, s, year, kind);
  return total;
}

}  // namespace

std::string AmountText(int16_t Head, float Weight, float Price) {
  if (Head == 0 || Weight == 0 || Price == 0) return "0.00";
  return TwoDecimals(static_cast<float>(Weight * Price));
}

bool CountsInTotals(const SalesRecord& s, const std::string& year, const std::string& kind) {
  if (s.YearEndAdjust != 0 || s.SaleType != kind || year.size() < 2) return false;
  // The last two characters of the ID without its trailing blanks.
  const size_t last = s.GroupId.find_last_not_of(' ');
  return last != std::string::npos && last >= 1 && s.GroupId.compare(last - 1, 2, year, year.size() - 2, 2) == 0;
}

SalesTotal SalesTotals(const records::FileImage<SalesRecord>& sales, const std::string& Year, const std::string& Kind) {
  static const SalesRecord p;
  static const records::FieldMask<SalesRecord> used(
      p, {&p.SaleType, &p.YearEndAdjust, &p.GroupId, &p.PigsSold, &p.WeightPerPig});
  SalesTotal total;
  if (Kind.size() != 1) return total;  // a stored kind is one letter
  SalesRecord s;
  for (long n = 1; n <= sales.count(); ++n) {
    if (sales.bytes(n)[SalesRecord::SaleTypeAt] != static_cast<uint8_t>(Kind[0])) continue;  // another kind
    sales.decode(n, s, used);
    Count(total, s, Year, Kind);
  }
  return total;
}

SalesTotal SalesTotals(const std::string& Year, const std::string& Kind) {
  records::FileImage<SalesRecord> sales;
  sales.read(DataFilePath<SalesRecord>());  // a file that cannot be read leaves no rows
  return SalesTotals(sales, Year, Kind);
}

int32_t SalesHeadTotal(const std::vector<SalesRecord>& sales, const std::string& Year, const std::string& Kind) {
  return TotalsOf(sales, Year, Kind).head;
}

float SalesWeightTotal(const std::vector<SalesRecord>& sales, const std::string& Year, const std::string& Kind) {
  return TotalsOf(sales, Year, Kind).weight;
}

int32_t SalesHeadTotal(const std::string& Year, const std::string& Kind) { return SalesTotals(Year, Kind).head; }

float SalesWeightTotal(const std::string& Year, const std::string& Kind) { return SalesTotals(Year, Kind).weight; }
