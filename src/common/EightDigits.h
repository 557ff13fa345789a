#pragma once
// Eight decimal digits at once, in the bytes of one word.
#include <cstdint>

// The eight digits of `number` (below 10^8, with leading zeros), one a
// byte from the first in the lowest byte, each 0 to 9: the number split in
// halves, quarters and eighths, the lanes of one word divided at once.
[[gnu::always_inline]] inline uint64_t eightDigits(uint32_t number) {
  // Two 32-bit lanes of 4 digits, then four 16-bit lanes of 2, then eight
  // bytes of 1. x * 10486 >> 20 is x / 100 for x below 10000, and
  // x * 103 >> 10 is x / 10 for x below 100; no lane's product reaches the
  // next lane.
  uint64_t x = number / 10000 | uint64_t{number % 10000} << 32;
  const uint64_t hundreds = (x * 10486 >> 20) & 0x0000007F0000007F;
  x = hundreds | (x - hundreds * 100) << 16;
  const uint64_t tens = (x * 103 >> 10) & 0x000F000F000F000F;
  return tens | (x - tens * 10) << 8;
}
