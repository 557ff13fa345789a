#pragma once
// What one sale row fetches and what a group year sold: the price of one pig
// of a row, and the head and live weight sold of one kind ("F" feeder pigs,
// "M" market hogs) in one group year, year-end adjustment rows left out.
#include <cstdint>
#include <string>
#include <vector>

#include "records/RecordIo.h"
#include "records/SalesRecord.h"

// Weight x price of one pig, "0.00"; "0.00" when any of the three is 0.
std::string AmountText(int16_t Head, float Weight, float Price);

// Whether a row counts in the totals of `kind` and `year` (two or four
// digits): no adjustment, the kind, and the group year at the end of its ID.
bool CountsInTotals(const SalesRecord& s, const std::string& year, const std::string& kind);

// Pigs sold (gilts not counted) and their live weight, from SALES.DAT; a file
// that cannot be read counts nothing. A head past what a Long holds (a
// damaged file of more rows than the program writes) is the nearest value.
int32_t SalesHeadTotal(const std::string& Year, const std::string& Kind);
float SalesWeightTotal(const std::string& Year, const std::string& Kind);
// Both from one read of SALES.DAT, for a caller that needs both; the same
// figures as the two above.
struct SalesTotal {
  int32_t head = 0;
  float weight = 0;
};
SalesTotal SalesTotals(const std::string& Year, const std::string& Kind);
SalesTotal SalesTotals(const records::FileImage<SalesRecord>& sales, const std::string& Year, const std::string& Kind);
// The same over rows already read.
int32_t SalesHeadTotal(const std::vector<SalesRecord>& sales, const std::string& Year, const std::string& Kind);
float SalesWeightTotal(const std::vector<SalesRecord>& sales, const std::string& Year, const std::string& Kind);
