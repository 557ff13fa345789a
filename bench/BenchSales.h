#pragma once
// SALES.DAT at the limit of its format, the same at every run: 32767 rows
// of a thousand groups of one group year, feeder and market sales with kill
// sheets, gilts rows, year-end adjustments, sales of the year before and a
// few deleted rows.
#include <string>
#include <vector>

#include "records/SalesRecord.h"

inline constexpr const char* kBenchSalesYear = "24";

std::vector<SalesRecord> MakeBenchSales();
// Writes SALES.DAT into `folder` (ending in "/").
bool WriteBenchSales(const std::vector<SalesRecord>& sales, const std::string& folder);
