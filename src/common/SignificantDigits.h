#pragma once
// A positive number's significant digits in whole numbers, as Format writes
// a figure and as a Single's text reads back.
#include <bit>
#include <cstdint>
#include <iterator>

// 10^n for n from 0 to 19.
inline constexpr uint64_t kPowersOf10[] = {1ULL,
                                    10ULL,
                                    100ULL,
                                    1000ULL,
                                    10000ULL,
                                    100000ULL,
                                    1000000ULL,
                                    10000000ULL,
                                    100000000ULL,
                                    1000000000ULL,
                                    10000000000ULL,
                                    100000000000ULL,
                                    1000000000000ULL,
                                    10000000000000ULL,
                                    100000000000000ULL,
                                    1000000000000000ULL,
                                    10000000000000000ULL,
                                    100000000000000000ULL,
                                    1000000000000000000ULL,
                                    10000000000000000000ULL};

// A positive number rounded to `significant` digits, in whole numbers:
// `number` has exactly `significant` digits, and the value is 0.number x
// 10^point. The values the program shows (from 0.00001 to below
// 10^significant) are rounded so: the binary value times a power of ten is
// exact in 128 bits, so the digits are those printf gives, a tie going to
// the even neighbour. False for any other value.
struct Significant {
  uint64_t number = 0;
  int point = 0;
};
bool SignificantDigits(double x, int significant, Significant& s);

// Sets `s` to `whole`, the value's `significant` digits rounded, with
// `point` digits before the point: a carry to one digit more (9.9999995
// to 10.00000) moves the point.
inline bool SetSignificant(uint64_t whole, int point, int significant, Significant& s) {
  if (whole == kPowersOf10[significant]) {
    whole = kPowersOf10[significant - 1];
    ++point;
  }
  s.number = whole;
  s.point = point;
  return true;
}

// 10^n for n from 0 to 12, each exact as a double.
inline constexpr double kExactPowersOf10[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11, 1e12};

// SignificantDigits(x, 7, s) of a Single, in double arithmetic: a Single's
// 24 bits times 10^k, for k up to 12, are exact in a double's 53.
inline bool SingleSignificantDigits(float value, Significant& s) {
  constexpr int kSignificant = 7;
  const double x = value;
  if (!(x >= 1e-5 && x < 1e7)) return false;
  // The digits before the point: guessed from the power of two (log10(2) is
  // about 1233 / 4096), for every Single of the range right or one too few;
  // one more where the value scaled by the guess reaches 10^7. Each scaling
  // is exact, so the guess is set right without a loop.
  const int exponent2 = static_cast<int>(std::bit_cast<uint64_t>(x) >> 52) - 1023;
  int point = ((exponent2 * 1233) >> 12) + 1;
  double scaled = x * kExactPowersOf10[kSignificant - point];
  if (scaled >= 1e7) {
    ++point;
    scaled = x * kExactPowersOf10[kSignificant - point];
  }
  // To the nearest whole number, a tie to the even one: below 2^52, adding
  // and taking away 2^52 rounds so (and the signed conversion, the shorter,
  // holds it).
  const double nearest = (scaled + 0x1p52) - 0x1p52;
  return SetSignificant(static_cast<uint64_t>(static_cast<int64_t>(nearest)), point, kSignificant, s);
}
