#pragma once
// What one sale row fetches and what a group year sold: the price of one pig
// of a row, and the head and live weight sold of one kind ("F" feeder pigs,
// "M" market hogs) in one group year, year-end adjustment rows left out.
#include <cstdint>
#include <string>

#include "records/RecordIo.h"
#include "records/SalesRecord.h"

// Weight x price of one pig, "0.00"; "0.00" when any of the three is 0.
std::string AmountText(int16_t Head, float Weight, float Price);

// Pigs sold (gilts not counted) and their live weight of `Kind` in the group
// year `Year` (two or four digits: the last two of the group ID), year-end
// adjustment rows left out, from SALES.DAT read once; a file that cannot be
// read counts nothing. A head past what a Long holds (a damaged file of more
// rows than the program writes) is the nearest value.
struct SalesTotal {
  int32_t head = 0;
  float weight = 0;
};
SalesTotal SalesTotals(const std::string& Year, const std::string& Kind);
// The same over SALES.DAT already read.
SalesTotal SalesTotals(const records::FileImage<SalesRecord>& sales, const std::string& Year, const std::string& Kind);
