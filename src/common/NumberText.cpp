#include "common/NumberText.h"

#include <algorithm>
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

// As "%.*G" writes a value of `digits` significant digits `s` that it
// writes without an exponent (0.0001 up to below 10^digits): the digits
// without trailing zeros, the point where they need one, and no 0 before the
// point, written to end at `end`. Answers where the text begins, or null for
// any other value.
char* plainText(const Significant& s, int digits, bool negative, char* end) {
  if (s.point < -3 || s.point > digits) return nullptr;
  const int point = s.point;
  // The digits without the trailing zeros after the point.
  uint64_t number = s.number;
  int count = digits;
  while (count > 0 && count > point && number % 10 == 0) number /= 10, --count;
  // Written from the last digit back: the digits after the point, the point
  // (with the zeros before the first digit when the value is below 0.1), the
  // digits before it.
  char* at = end;
  const int after = count - point;  // digits after the point
  for (int i = 0; i < after && i < count; ++i, number /= 10) *--at = static_cast<char>('0' + number % 10);
  for (int i = point; i < 0; ++i) *--at = '0';
  if (after > 0) *--at = '.';
  for (int i = std::max(after, 0); i < count; ++i, number /= 10) *--at = static_cast<char>('0' + number % 10);
  if (negative) *--at = '-';
  return at;
}

// The text of a value of `digits` significant digits, written in `text`.
std::string_view generalText(double value, int digits, char (&text)[32]) {
  if (value == 0 || std::isnan(value)) {
    text[0] = '0';
    return {text, 1};
  }
  char* const end = std::end(text);
  Significant s;
  if (SignificantDigits(std::fabs(value), digits, s))
    if (const char* begin = plainText(s, digits, value < 0, end)) return {begin, static_cast<size_t>(end - begin)};
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
  char* const end = std::end(chars.text_);
  Significant s;
  const char* begin = nullptr;
  if (value != 0 && SingleSignificantDigits(std::fabs(value), s) && (begin = plainText(s, 7, value < 0, end)))
    chars.keep({begin, static_cast<size_t>(end - begin)});
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
