#pragma once
// A positive number's significant digits in whole numbers, as Format writes
// a figure and as a Single's text reads back.
#include <cstdint>

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

// SignificantDigits(x, 7, s) of a Single, in double arithmetic: a Single's
// 24 bits times 10^k, for k up to 12, are exact in a double's 53.
bool SingleSignificantDigits(float x, Significant& s);
