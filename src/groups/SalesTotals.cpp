#include "groups/SalesTotals.h"

#include "common/DataFiles.h"
#include "groups/SalesNumbers.h"
#include "common/NumberText.h"

namespace {

std::string LastTwo(const std::string& text) { return text.size() >= 2 ? text.substr(text.size() - 2) : text; }

// The rows of SALES.DAT with only the fields the totals use.
std::vector<SalesRecord> ReadSales() {
  records::FileImage<SalesRecord> image;
  std::vector<SalesRecord> sales;
  if (!image.read(DataFilePath<SalesRecord>())) return sales;
  static const SalesRecord p;
  static const records::FieldMask<SalesRecord> used(
      p, {&p.SaleType, &p.YearEndAdjust, &p.GroupId, &p.PigsSold, &p.WeightPerPig});
  sales.resize(static_cast<size_t>(image.count()));
  for (long n = 1; n <= image.count(); ++n) image.decode(n, sales[static_cast<size_t>(n - 1)], used);
  return sales;
}

}  // namespace

std::string AmountText(int16_t Head, float Weight, float Price) {
  if (Head == 0 || Weight == 0 || Price == 0) return "0.00";
  return TwoDecimals(static_cast<float>(Weight * Price));
}

bool CountsInTotals(const SalesRecord& s, const std::string& year, const std::string& kind) {
  const std::string id = RTrim(s.GroupId);
  return s.YearEndAdjust == 0 && s.SaleType == kind && id.size() >= 2 && LastTwo(id) == LastTwo(year);
}

int32_t SalesHeadTotal(const std::vector<SalesRecord>& sales, const std::string& Year, const std::string& Kind) {
  int32_t head = 0;
  for (const SalesRecord& s : sales)
    if (CountsInTotals(s, Year, Kind)) head += s.PigsSold;
  return head;
}

float SalesWeightTotal(const std::vector<SalesRecord>& sales, const std::string& Year, const std::string& Kind) {
  float weight = 0;
  for (const SalesRecord& s : sales)
    if (CountsInTotals(s, Year, Kind)) weight += static_cast<float>(s.PigsSold) * s.WeightPerPig;
  return weight;
}

int32_t SalesHeadTotal(const std::string& Year, const std::string& Kind) {
  return SalesHeadTotal(ReadSales(), Year, Kind);
}

float SalesWeightTotal(const std::string& Year, const std::string& Kind) {
  return SalesWeightTotal(ReadSales(), Year, Kind);
}
