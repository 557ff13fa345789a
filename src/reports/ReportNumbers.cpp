#include "reports/ReportNumbers.h"

#include <limits>

#include "common/NumberText.h"
#include "records/Fields.h"

namespace {

int32_t plus(int32_t total, int64_t added) { return Total32(static_cast<int64_t>(total) + added); }

// (total + weight) rounded, a half to the even number.
int32_t plusWeight(int32_t total, float weight) {
  const double sum = static_cast<double>(total) + static_cast<double>(weight);
  if (sum != sum) return total;  // a stored weight that is no number adds nothing
  if (sum >= static_cast<double>(std::numeric_limits<int32_t>::max())) return std::numeric_limits<int32_t>::max();
  if (sum <= static_cast<double>(std::numeric_limits<int32_t>::min())) return std::numeric_limits<int32_t>::min();
  return Total32(RoundHalfEven(sum));
}

}  // namespace

int32_t Total32(int64_t value) {
  if (value > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  if (value < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(value);
}

double Ratio(double numerator, double divisor) { return divisor > 0 ? numerator / divisor : 0; }

double LossPercent(int32_t total, int32_t kept) {
  return Ratio(static_cast<double>(static_cast<int64_t>(total) - kept), total) * 100;
}

int StoredYear::compare(const uint8_t* date) const { return records::textView(date + 6, 4).compare(year_); }

void LitterSums::add(const FarrowRecord& litter) {
  Born = plus(Born, litter.BornCount);
  Alive = plus(Alive, litter.AliveCount);
  Weaned = plus(Weaned, litter.WeanedCount);
  Fostered = plus(Fostered, litter.FosteredTo);
  BirthWeight = plusWeight(BirthWeight, litter.BirthWeight);
  WeaningWeight = plusWeight(WeaningWeight, litter.WeaningWeight);
  Litters = plus(Litters, 1);
}

void LitterSums::add(const uint8_t* litter) {
  using records::getI16;
  Born = plus(Born, getI16(litter + FarrowRecord::BornCountAt));
  Alive = plus(Alive, getI16(litter + FarrowRecord::AliveCountAt));
  Weaned = plus(Weaned, getI16(litter + FarrowRecord::WeanedCountAt));
  Fostered = plus(Fostered, getI16(litter + FarrowRecord::FosteredToAt));
  BirthWeight = plusWeight(BirthWeight, records::getF32(litter + FarrowRecord::BirthWeightAt));
  WeaningWeight = plusWeight(WeaningWeight, records::getF32(litter + FarrowRecord::WeaningWeightAt));
  Litters = plus(Litters, 1);
}
