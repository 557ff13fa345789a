#pragma once
// A chart's bar as a failed expectation shows it.
#include <ostream>

#include "reports/FiveYearCharts.h"

inline void PrintTo(const ChartRow& row, std::ostream* out) { *out << '{' << row.label << ", " << row.valueText << '}'; }
