#include "common/NumberText.h"

#include <algorithm>
#include <bit>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <iterator>

#include "common/SignificantDigits.h"
#include "records/Nearest.h"

namespace {

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

// The `digits` digits of `number` (below 10^digits, `digits` at most 16)
// written as 16 characters from `out` on (zeros after the number's own);
// answers how many digits run up to the last that is not 0.
[[gnu::always_inline]] inline int digitText(uint64_t number, int digits, char* out) {
  static_assert(std::endian::native == std::endian::little, "a block's first digit is its first byte");
  constexpr uint64_t kZeros = 0x3030303030303030;  // "00000000"
  // The digits of a block after its last that is not 0 are its high zero bytes.
  const auto significant = [](uint64_t block) { return 8 - std::countl_zero(block) / 8; };
  uint64_t first = 0, second = 0;
  if (digits <= 8) {
    first = eightDigits(static_cast<uint32_t>(number * kPowersOf10[8 - digits]));
  } else {
    const uint64_t all = number * kPowersOf10[16 - digits];
    first = eightDigits(static_cast<uint32_t>(all / 100000000));
    second = eightDigits(static_cast<uint32_t>(all % 100000000));
  }
  const uint64_t text[2] = {first + kZeros, second + kZeros};
  std::memcpy(out, text, sizeof text);
  return second != 0 ? 8 + significant(second) : significant(first);
}

// As "%.*G" writes a value of `digits` significant digits `s` that it
// writes without an exponent (0.0001 up to below 10^digits): the digits
// without trailing zeros, the point where they need one, and no 0 before the
// point, written from `out` on. Answers where the text ends, or null for any
// other value. Each run of digits is copied as a block of 16 and kept as far
// as it goes: `out` has room for 16 characters past the text.
[[gnu::always_inline]] inline char* plainText(const Significant& s, int digits, bool negative, char* out) {
  if (s.point < -3 || s.point > digits) return nullptr;
  const int point = s.point;
  const int whole = std::max(point, 0);  // digits before the point
  char digit[32];
  // The digits up to the last that is not 0, and every digit before the point.
  const int count = std::max(digitText(s.number, digits, digit), point);
  std::memset(digit + 16, '0', 16);
  char* at = out;
  *at = '-';
  at += negative;
  std::memcpy(at, digit, 16);
  at += whole;
  if (count > point) {
    *at++ = '.';
    std::memcpy(at, "000", 3);  // before the first digit of a value below 0.1
    at += whole - point;
    std::memcpy(at, digit + whole, 16);
    at += count - whole;
  }
  return at;
}

// The text of a value of `digits` significant digits, written in `text`.
std::string_view generalText(double value, int digits, char (&text)[NumberChars::kRoom]) {
  if (value == 0 || std::isnan(value)) {
    text[0] = '0';
    return {text, 1};
  }
  char* const end = std::end(text);
  Significant s;
  if (SignificantDigits(std::fabs(value), digits, s))
    if (const char* last = plainText(s, digits, value < 0, text)) return {text, static_cast<size_t>(last - text)};
  // As "%.*G" writes it: the exponent with a sign and at least two digits,
  // as "1E-05" and "1.5E+12"; to_chars writes it so, in small letters.
  char* last = std::to_chars(text, end, value, std::chars_format::general, digits).ptr;
  for (char* c = text; c != last; ++c)
    if (*c >= 'a' && *c <= 'z') *c = static_cast<char>(*c - 'a' + 'A');
  std::string_view written(text, static_cast<size_t>(last - text));
  // No 0 before the point.
  if (written.starts_with("0.")) written.remove_prefix(1);
  else if (written.starts_with("-0.")) {
    text[1] = '-';
    written.remove_prefix(1);
  }
  return written;
}

}  // namespace

NumberChars SingleChars(float value) {
  NumberChars chars;
  // Its seven digits in double arithmetic where a Single's value allows.
  char* const text = chars.text_;
  Significant s;
  const char* last = nullptr;
  if (value != 0 && SingleSignificantDigits(std::fabs(value), s) && (last = plainText(s, 7, value < 0, text)))
    chars.keep({text, static_cast<size_t>(last - text)});
  else
    chars.keep(generalText(static_cast<double>(value), 7, chars.text_));
  return chars;
}
NumberChars DoubleChars(double value) {
  NumberChars chars;
  chars.keep(generalText(value, 15, chars.text_));
  return chars;
}
std::string SingleText(float value) { return std::string(SingleChars(value).view()); }
std::string DoubleText(double value) { return std::string(DoubleChars(value).view()); }

float SingleTextValue(float value) {
  if (!std::isfinite(value) || value == 0) return 0;
  // Its seven digits, worked out in whole numbers: the read is one correctly
  // rounded product or quotient of exact doubles, the nearest to the text.
  Significant s;
  if (SingleSignificantDigits(std::fabs(value), s) && s.point <= 7 && s.point >= -5) {
    const double digits = static_cast<double>(s.number);  // the value is digits x 10^(point - 7)
    const double read = digits / kExactPowersOf10[7 - s.point];
    return static_cast<float>(value < 0 ? -read : read);
  }
  // The digits SingleText writes, read back without the text being made.
  char buf[32];
  const char* end = std::to_chars(buf, buf + sizeof buf, static_cast<double>(value), std::chars_format::general, 7).ptr;
  double read = 0;
  std::from_chars(buf, end, read);
  return static_cast<float>(read);
}
std::string StrSingle(float value) { return value >= 0 ? " " + SingleText(value) : SingleText(value); }
std::string StrDouble(double value) { return value >= 0 ? " " + DoubleText(value) : DoubleText(value); }

double Val(const std::string& text) {
  size_t i = 0, n = text.size();
  while (i < n && (text[i] == ' ' || text[i] == '\t')) ++i;
  size_t start = i;
  if (i < n && (text[i] == '+' || text[i] == '-')) ++i;
  size_t digits = 0;
  while (i < n && std::isdigit(static_cast<unsigned char>(text[i]))) ++i, ++digits;
  if (i < n && text[i] == '.') {
    ++i;
    while (i < n && std::isdigit(static_cast<unsigned char>(text[i]))) ++i, ++digits;
  }
  if (digits == 0) return 0;
  const bool exponent = i < n && (text[i] == 'E' || text[i] == 'e' || text[i] == 'D' || text[i] == 'd');
  if (!exponent) {
    // Plain digits: read in place, rounded as strtod rounds them.
    double v = 0;
    const char* from = text.data() + start + (text[start] == '+');
    if (std::from_chars(from, text.data() + i, v).ec == std::errc()) return v;
  }
  std::string number = text.substr(start, i - start);
  if (exponent) {
    size_t j = i + 1;
    if (j < n && (text[j] == '+' || text[j] == '-')) ++j;
    size_t expStart = j;
    while (j < n && std::isdigit(static_cast<unsigned char>(text[j]))) ++j;
    if (j > expStart) number += "E" + text.substr(i + 1, j - i - 1);
  }
  double v = std::strtod(number.c_str(), nullptr);
  if (std::isinf(v)) return 0;
  return v;
}

long long RoundHalfEven(double value) { return records::NearestWhole<long long>(value); }

bool ToInteger(double value, int& out) {
  if (!(value > -32768.5 && value < 32767.5)) return false;
  out = static_cast<int>(RoundHalfEven(value));
  return out >= -32768 && out <= 32767;
}

bool ToLong(double value, int32_t& out) {
  const double whole = std::nearbyint(value);
  if (!(whole >= -2147483648.0 && whole <= 2147483647.0)) return false;
  out = static_cast<int32_t>(whole);
  return true;
}
