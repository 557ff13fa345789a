#pragma once
// What the herd reports share: totals kept within 32 bits, divisions that
// answer 0 for a divisor of 0 or below, and the totals of a set of litters.
#include <cstdint>
#include <string>
#include <string_view>

#include "records/FarrowRecord.h"

// `value` within a signed 32-bit whole number: a value beyond holds the
// nearest one.
int32_t Total32(int64_t value);

// numerator / divisor in double precision; 0 when the divisor is 0 or below.
double Ratio(double numerator, double divisor);
// The share of `total` lost on the way to `kept`, in percent: (total - kept)
// / total x 100; 0 when the total is 0 or below.
double LossPercent(int32_t total, int32_t kept);

// A year compared with the year of stored dates, their last four characters,
// as text: the empty date's "____" comes after every year of digits, a date of
// blanks before them. Made once for a run over a whole file.
class StoredYear {
 public:
  explicit StoredYear(std::string_view year) : year_(year) {}
  // Below 0, 0 or above 0 as the year of the date stored at `date` (its ten
  // bytes) comes before the year, is it or comes after it.
  int compare(const uint8_t* date) const;

 private:
  std::string year_;
};

// The totals of the litters added: pig counts, litter weights (each sum
// rounded to a whole number after every litter, a half to the even number)
// and the litters added.
struct LitterSums {
  int32_t Born = 0;
  int32_t Alive = 0;
  int32_t Weaned = 0;
  int32_t Fostered = 0;  // fostered to the sows
  int32_t BirthWeight = 0;
  int32_t WeaningWeight = 0;
  int32_t Litters = 0;

  void add(const FarrowRecord& litter);
  // The litter stored in `litter` (its FARROW.DAT bytes).
  void add(const uint8_t* litter);
  bool operator==(const LitterSums&) const = default;
};
