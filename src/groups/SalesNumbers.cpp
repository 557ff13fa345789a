#include "groups/SalesNumbers.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <cmath>

#include "common/Format.h"

namespace {

std::string Written(float value) {
  const double v = static_cast<double>(value);
  // Beyond 7 digits before the point the Single's digits run out before the
  // decimals; the general path writes those.
  if (!std::isfinite(v) || std::fabs(v) >= 1e6) return Format(value, "0.00");
  if (v == 0) return "0.00";
  // Seven significant digits, as the general path rounds a Single first.
  char sci[32];
  const auto end = std::to_chars(sci, sci + sizeof sci, v, std::chars_format::scientific, 6).ptr;
  const bool negative = sci[0] == '-';
  const char* p = sci + (negative ? 1 : 0);
  char digits[8] = {p[0], p[2], p[3], p[4], p[5], p[6], p[7], 0};
  int exponent = 0;
  std::from_chars(p + 9 + (p[9] == '+' ? 1 : 0), end, exponent);
  // The value is 0.d1d2..d7 x 10^(exponent + 1); keep the digits down to the
  // hundredths and round a half away from zero on the next.
  const int point = exponent + 1;  // digits before the decimal point
  long long hundredths = 0;
  const int keep = point + 2;
  for (int i = 0; i < keep && i < 7; ++i) hundredths = hundredths * 10 + (digits[i] - '0');
  for (int i = 7; i < keep; ++i) hundredths *= 10;
  if (keep >= 0 && keep < 7 && digits[keep] >= '5') ++hundredths;
  char out[32];
  size_t k = 0;
  if (negative && hundredths != 0) out[k++] = '-';
  k = static_cast<size_t>(std::to_chars(out + k, out + sizeof out, hundredths / 100).ptr - out);
  out[k++] = '.';
  out[k++] = static_cast<char>('0' + hundredths % 100 / 10);
  out[k++] = static_cast<char>('0' + hundredths % 10);
  return std::string(out, k);
}

}  // namespace

std::string TwoDecimals(float value) {
  // The sales lines write the same prices, weights and kill sheet figures
  // again and again: the text last made for each of 1024 groups of values
  // is kept, the group chosen by the value's bits.
  struct Made {
    uint32_t bits = 0;
    bool set = false;
    std::string text;
  };
  thread_local std::array<Made, 1024> made;
  uint32_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  Made& m = made[(bits * 2654435761U) >> 22];
  if (!m.set || m.bits != bits) m = {bits, true, Written(value)};
  return m.text;
}
