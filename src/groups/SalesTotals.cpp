#include "groups/SalesTotals.h"

#include "common/DataFiles.h"
#include "common/Format.h"
#include "common/NumberText.h"
#include "records/Nearest.h"

namespace {

// Whether the stored row at `row` counts in the totals of `kind` and `year`:
// the kind letter, no adjustment, and the last two characters of the ID
// without its trailing blanks the last two of the year.
bool CountsAt(const uint8_t* row, const std::string& year, const std::string& kind) {
  if (kind.size() != 1 || year.size() < 2 || row[SalesRecord::SaleTypeAt] != static_cast<uint8_t>(kind[0]) ||
      records::getI16(row + SalesRecord::YearEndAdjustAt) != 0)
    return false;
  const uint8_t* id = row + SalesRecord::IdAt;
  int last = SalesRecord::IdWidth - 1;
  while (last >= 0 && id[last] == ' ') --last;
  return last >= 1 && id[last - 1] == static_cast<uint8_t>(year[year.size() - 2]) &&
         id[last] == static_cast<uint8_t>(year[year.size() - 1]);
}

}  // namespace

std::string AmountText(int16_t Head, float Weight, float Price) {
  if (Head == 0 || Weight == 0 || Price == 0) return "0.00";
  return Format(static_cast<float>(Weight * Price), "0.00");
}

SalesTotal SalesTotals(const records::FileImage<SalesRecord>& sales, const std::string& Year, const std::string& Kind) {
  static const SalesRecord p;
  static const records::FieldMask<SalesRecord> sold(p, {&p.PigsSold, &p.WeightPerPig});
  SalesTotal total;
  int64_t head = 0;
  SalesRecord s;
  for (long n = 1; n <= sales.count(); ++n) {
    if (!CountsAt(sales.bytes(n), Year, Kind)) continue;
    sales.decode(n, s, sold);
    head += s.PigsSold;
    total.weight += static_cast<float>(s.PigsSold) * s.WeightPerPig;
  }
  total.head = records::NearestFit<int32_t>(head);
  return total;
}

SalesTotal SalesTotals(const std::string& Year, const std::string& Kind) {
  records::FileImage<SalesRecord> sales;
  sales.read(DataFilePath<SalesRecord>());  // a file that cannot be read leaves no rows
  return SalesTotals(sales, Year, Kind);
}
