#include "bench/BenchSales.h"

#include <cstdio>

#include "platform/FileSystem.h"
#include "records/RecordIo.h"
#include "records/RecordSlots.h"

std::vector<SalesRecord> MakeBenchSales() {
  std::vector<SalesRecord> sales;
  for (long n = 1; n <= records::kMaxRecordNumber; ++n) {
    SalesRecord s;
    if (n % 97 != 0) {  // every 97th row deleted
      char id[8];
      std::snprintf(id, sizeof id, "%03ld-%s", n % 1000, n % 11 == 0 ? "23" : kBenchSalesYear);
      s.GroupId = id;
      s.SaleType = n % 5 == 0 ? "F" : "M";
      s.SubGroup = static_cast<int16_t>(s.SaleType == "F" ? 0 : 10 + n % 9);
      s.PigsSold = static_cast<int16_t>(n % 13 == 0 ? 0 : 5 + n % 40);
      s.GiltsSold = static_cast<int16_t>(n % 13 == 0 ? 4 : 0);
      s.YearEndAdjust = static_cast<int16_t>(n % 17 == 0 ? -1 : 0);
      s.WeightPerPig = s.SaleType == "F" ? 45.5f + static_cast<float>(n % 10) : 240.25f + static_cast<float>(n % 30);
      s.PricePerLb = s.YearEndAdjust ? 0.0f : 0.45f + static_cast<float>(n % 20) / 100.0f;
      s.Backfat = 0.6f + static_cast<float>(n % 7) / 10.0f;
      s.PercentLean = 50.5f + static_cast<float>(n % 9);
      s.HotCarcassWeight = 180 + static_cast<float>(n % 40);
      s.FatFreeLeanIndex = 48.25f + static_cast<float>(n % 6);
      s.Loineye = 6 + static_cast<float>(n % 4) / 4.0f;
      s.GradeYieldPremium = static_cast<float>(n % 9) - 2.5f;
      char date[12];
      std::snprintf(date, sizeof date, "%02ld/%02ld/2024", 1 + n % 12, 1 + n % 28);
      s.DateSold = date;
    }
    sales.push_back(s);
  }
  return sales;
}

bool WriteBenchSales(const std::vector<SalesRecord>& sales, const std::string& folder) {
  records::Bytes bytes;
  for (const SalesRecord& s : sales) {
    const records::Bytes b = records::encode(s);
    bytes.insert(bytes.end(), b.begin(), b.end());
  }
  return platform::writeWholeFile(folder + SalesRecord::FileName, bytes);
}
