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
#include <limits>

#include "common/EightDigits.h"
#include "common/SignificantDigits.h"
#include "records/Nearest.h"

namespace {

// The `digits` digits of `number` (below 10^digits, `digits` at most 15) as
// characters, eight to a word, the first digit in the lowest byte (zeros
// after the number's own), and how many digits run up to the last that is
// not 0.
struct DigitWords {
  uint64_t first, second;
  int count;
};
[[gnu::always_inline]] inline DigitWords digitWords(uint64_t number, int digits) {
  static_assert(std::endian::native == std::endian::little, "a word's first digit is its lowest byte");
  constexpr uint64_t kZeros = 0x3030303030303030;  // "00000000"
  // The digits of a word after its last that is not 0 are its high zero
  // bytes (a word of the number's first digit is never 0).
  const auto significant = [](uint64_t word) { return 8 - static_cast<int>(std::countl_zero(word | 1) / 8u); };
  uint64_t first = 0, second = 0;
  if (digits <= 8) {
    first = eightDigits(static_cast<uint32_t>(number * kPowersOf10[8 - digits]));
  } else {
    const uint64_t all = number * kPowersOf10[16 - digits];
    first = eightDigits(static_cast<uint32_t>(all / 100000000));
    second = eightDigits(static_cast<uint32_t>(all % 100000000));
  }
  return {first + kZeros, second + kZeros, second != 0 ? 8 + significant(second) : significant(first)};
}

// `word`'s eight characters with the point put in ahead of character `at`
// (0 to 7): the characters from there on move up one, the last falls out.
inline uint64_t withPoint(uint64_t word, int at) {
  const uint64_t before = (uint64_t{1} << 8 * at) - 1;
  return (word & before) | uint64_t{'.'} << 8 * at | (word & ~before) << 8;
}

// As "%.*G" writes a value of `digits` significant digits `s` that it
// writes without an exponent (0.0001 up to below 10^digits): the digits
// without trailing zeros, the point where they need one, and no 0 before the
// point, written from `out` on. Answers where the text ends, or null for any
// other value. The text is made in words and stored whole: `out` has room
// for 24 characters past the sign.
[[gnu::always_inline]] inline char* plainText(const Significant& s, int digits, bool negative, char* out) {
  const int point = s.point;
  if (point < -3 || point > digits) return nullptr;
  const auto [first, second, count] = digitWords(s.number, digits);
  uint64_t text[3] = {};  // the text, eight characters to a word
  int length = 0;
  if (point > 0) {
    // The point after the digits before it (left out after a whole number);
    // the last digit moved out is a 0, after at most 15.
    if (point < 8) {
      text[0] = withPoint(first, point);
      text[1] = second << 8 | first >> 56;
    } else {
      text[0] = first;
      text[1] = withPoint(second, point - 8);
    }
    length = count > point ? count + 1 : point;
  } else {
    // The point, and the zeros before the first digit of a value below 0.1.
    const int shift = 8 * (1 - point);  // 8 to 32
    text[0] = first << shift | (0x3030302E & ((uint64_t{1} << shift) - 1));  // ".000"
    text[1] = second << shift | first >> (64 - shift);
    text[2] = second >> (64 - shift);
    length = 1 - point + count;
  }
  *out = '-';
  out += negative;
  std::memcpy(out, &text[0], 8);
  std::memcpy(out + 8, &text[1], 8);
  if (digits > 8) std::memcpy(out + 16, &text[2], 8);
  return out + length;
}

// The text of a value of `digits` significant digits, written from the
// start of `text`; answers where it ends.
const char* generalText(double value, int digits, char (&text)[NumberChars::kRoom]) {
  if (value == 0 || std::isnan(value)) {
    text[0] = '0';
    return text + 1;
  }
  Significant s;
  if (SignificantDigits(std::fabs(value), digits, s))
    if (const char* last = plainText(s, digits, value < 0, text)) return last;
  // As "%.*G" writes it: the exponent with a sign and at least two digits,
  // as "1E-05" and "1.5E+12"; to_chars writes it so, in small letters.
  char* last = std::to_chars(text, std::end(text), value, std::chars_format::general, digits).ptr;
  for (char* c = text; c != last; ++c)
    if (*c >= 'a' && *c <= 'z') *c = static_cast<char>(*c - 'a' + 'A');
  // No 0 before the point.
  const std::string_view written(text, static_cast<size_t>(last - text));
  if (written.starts_with("0.") || written.starts_with("-0.")) {
    char* const zero = text + (text[0] == '-');
    std::memmove(zero, zero + 1, static_cast<size_t>(last - zero - 1));
    --last;
  }
  return last;
}

}  // namespace

NumberChars SingleChars(float value) {
  NumberChars chars;
  // Its seven digits in double arithmetic where a Single's value allows (not
  // 0 nor NaN).
  Significant s;
  const char* last = nullptr;
  if (!SingleSignificantDigits(std::fabs(value), s) || !(last = plainText(s, 7, value < 0, chars.text_)))
    last = generalText(static_cast<double>(value), 7, chars.text_);
  chars.keep(last);
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
  if (!exponent && digits <= 15) {
    // At most 15 digits (a whole number below 2^53) over a power of ten up
    // to 10^12, both exact in a double: their quotient is the nearest
    // double to the text, as strtod rounds it.
    uint64_t whole = 0;
    size_t decimals = 0;
    bool point = false;
    for (size_t k = start; k < i; ++k) {
      const char c = text[k];
      if (c == '.') point = true;
      else if (c != '+' && c != '-') whole = whole * 10 + static_cast<uint64_t>(c - '0'), decimals += point;
    }
    if (decimals < std::size(kExactPowersOf10)) {
      const double v = static_cast<double>(whole) / kExactPowersOf10[decimals];
      return text[start] == '-' ? -v : v;
    }
  }
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

bool ToLong(double value, int32_t& out) {
  if (std::isnan(value)) return false;
  const long long whole = RoundHalfEven(value);
  if (whole < std::numeric_limits<int32_t>::min() || whole > std::numeric_limits<int32_t>::max()) return false;
  out = static_cast<int32_t>(whole);
  return true;
}

bool ToInteger(double value, int& out) {
  int32_t whole = 0;
  if (!ToLong(value, whole) || whole < std::numeric_limits<int16_t>::min() ||
      whole > std::numeric_limits<int16_t>::max())
    return false;
  out = whole;
  return true;
}
