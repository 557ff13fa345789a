#include "common/SignificantDigits.h"

#include <bit>

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
  return SetSignificant(whole, point, significant, s);
}
