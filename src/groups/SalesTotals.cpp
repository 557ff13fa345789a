#include "groups/SalesTotals.h"

#include "common/DataFiles.h"
#include "common/Format.h"
#include "common/NumberText.h"

namespace {

std::string LastTwo(const std::string& text) { return text.size() >= 2 ? text.substr(text.size() - 2) : text; }

std::vector<SalesRecord> ReadSales() {
  std::vector<SalesRecord> sales;
  if (!records::readAll(DataFilePath<SalesRecord>(), sales)) sales.clear();
  return sales;
}

}  // namespace

std::string AmountText(int16_t Head, float Weight, float Price) {
  if (Head == 0 || Weight == 0 || Price == 0) return "0.00";
  return Format(static_cast<float>(Weight * Price), "0.00");
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
