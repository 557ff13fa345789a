#include "common/SignificantDigits.h"

#include <bit>
#include <iterator>

bool SignificantDigits(double x, int significant, Significant& s) {
  if (significant < 1 || significant > 19) return false;
  if (!(x >= 1e-5 && x < static_cast<double>(kPowersOf10[significant]))) return false;
  // x = mantissa / 2^shift (a normal number here: its 52 stored bits and
  // the leading one).
  const auto bits = std::bit_cast<uint64_t>(x);
  const uint64_t mantissa = (bits & ((uint64_t{1} << 52) - 1)) | (uint64_t{1} << 52);
  const int shift = 1075 - static_cast<int>(bits >> 52);  // from 3 up to 69 here
  // The digits before the point: first guessed from the power of two (at
  // most one too few), then set right by the whole part of the scaled value.
  const int exponent2 = 52 - shift;  // 2^exponent2 <= x < 2^(exponent2 + 1)
  int point = ((exponent2 * 1233) >> 12) + 1;
  unsigned __int128 scaled = 0;
  uint64_t whole = 0;
  for (;;) {
    const int k = significant - point;
    if (k < 0 || k > 19) return false;
    scaled = static_cast<unsigned __int128>(mantissa) * kPowersOf10[k];
    whole = static_cast<uint64_t>(scaled >> shift);
    if (whole < kPowersOf10[significant - 1]) --point;
    else if (whole >= kPowersOf10[significant]) ++point;
    else break;
  }
  const unsigned __int128 rest = scaled & ((static_cast<unsigned __int128>(1) << shift) - 1);
  const unsigned __int128 half = static_cast<unsigned __int128>(1) << (shift - 1);
  if (rest > half || (rest == half && whole % 2 != 0)) ++whole;
  if (whole == kPowersOf10[significant]) {
    whole = kPowersOf10[significant - 1];
    ++point;
  }
  s.number = whole;
  s.point = point;
  return true;
}

bool SingleSignificantDigits(float value, Significant& s) {
  constexpr int kSignificant = 7;
  constexpr double kPowers[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11, 1e12};
  const double x = value;
  if (!(x >= 1e-5 && x < 1e7)) return false;
  // The digits before the point: first guessed from the power of two (at
  // most one too few), then set right by the scaled value.
  const int exponent2 = static_cast<int>(std::bit_cast<uint64_t>(x) >> 52) - 1023;
  int point = ((exponent2 * 1233) >> 12) + 1;
  double scaled = 0;
  for (;;) {
    const int k = kSignificant - point;
    if (k < 0 || k >= static_cast<int>(std::size(kPowers))) return false;
    scaled = x * kPowers[k];  // exact
    if (scaled < 1e6) --point;
    else if (scaled >= 1e7) ++point;
    else break;
  }
  // To the nearest whole number, a tie to the even one: below 2^52, adding
  // and taking away 2^52 rounds so.
  const double nearest = (scaled + 0x1p52) - 0x1p52;
  uint64_t whole = static_cast<uint64_t>(nearest);
  if (whole == kPowersOf10[kSignificant]) {
    whole = kPowersOf10[kSignificant - 1];
    ++point;
  }
  s.number = whole;
  s.point = point;
  return true;
}
