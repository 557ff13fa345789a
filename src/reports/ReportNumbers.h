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
  explicit StoredYear(std::string_view year);
  // Below 0, 0 or above 0 as the year of the date stored at `date` (its ten
  // bytes) comes before the year, is it or comes after it.
  int compare(const uint8_t* date) const {
    if (year_.size() != 4) return compareText(date);
    const uint32_t key = orderKey(date + 6);
    return key < key_ ? -1 : key > key_ ? 1 : 0;
  }

 private:
  // Four characters as a number whose order is theirs as text.
  static uint32_t orderKey(const uint8_t* text) {
    return uint32_t{text[0]} << 24 | uint32_t{text[1]} << 16 | uint32_t{text[2]} << 8 | text[3];
  }
  int compareText(const uint8_t* date) const;
  std::string year_;
  uint32_t key_ = 0;  // a year of four characters
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
