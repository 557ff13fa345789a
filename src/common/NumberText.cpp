#include "common/NumberText.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string_view>

#include "records/Nearest.h"

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// As "%.*G" writes `value` with `digits` significant digits: without an
// exponent from 0.0001 up to below 10^digits, with one ("1E-05",
// "1.5E+12", at least two digits and a sign) otherwise; trailing zeros
// dropped, and no 0 before the point. 0 and NaN are "0", an infinity "INF".
std::string generalText(double value, int digits) {
  if (value == 0 || std::isnan(value)) return "0";
  char text[40];
  const char* end = std::to_chars(text, text + sizeof text, value, std::chars_format::general, digits).ptr;
  std::string out(text, static_cast<size_t>(end - text));
  // to_chars writes the exponent and "inf" in small letters.
  for (char& c : out)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  if (out.starts_with("0.")) out.erase(0, 1);
  else if (out.starts_with("-0.")) out.erase(1, 1);
  return out;
}

// Whether whole.fraction x 10^exponent, a number that is not 0, is below 1:
// the place of its first digit that is not 0, moved by the exponent.
bool belowOne(const std::string& whole, const std::string& fraction, const std::string& exponent) {
  const size_t first = whole.find_first_not_of('0');
  const long long place = first != std::string::npos ? static_cast<long long>(whole.size() - first) - 1
                                                     : -1 - static_cast<long long>(fraction.find_first_not_of('0'));
  const std::string_view e = exponent.starts_with('+') ? std::string_view(exponent).substr(1) : exponent;
  long long power = 0;
  // An exponent of more than 18 digits is below 1 by its sign alone.
  if (!e.empty() && std::from_chars(e.data(), e.data() + e.size(), power).ec != std::errc()) return e[0] == '-';
  return place + power < 0;
}

}  // namespace

std::string SingleText(float value) { return generalText(static_cast<double>(value), 7); }
std::string DoubleText(double value) { return generalText(value, 15); }

std::string WithoutExponent(const std::string& text) {
  const size_t e = text.find('E');
  if (e == std::string::npos) return text;
  std::string_view exponentText = std::string_view(text).substr(e + 1);
  if (exponentText.starts_with('+')) exponentText.remove_prefix(1);  // from_chars takes a "-" but no "+"
  int exponent = 0;
  std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(), exponent);
  std::string digits = text.substr(0, e), sign;
  if (digits.starts_with('-')) {
    sign = "-";
    digits.erase(0, 1);
  }
  const size_t dot = digits.find('.');
  const int point = static_cast<int>(dot == std::string::npos ? digits.size() : dot) + exponent;
  if (dot != std::string::npos) digits.erase(dot, 1);
  if (point <= 0) return sign + "." + std::string(static_cast<size_t>(-point), '0') + digits;
  if (point >= static_cast<int>(digits.size())) return sign + digits + std::string(point - digits.size(), '0');
  return sign + digits.substr(0, static_cast<size_t>(point)) + "." + digits.substr(static_cast<size_t>(point));
}

float SingleTextValue(float value) { return static_cast<float>(Val(SingleText(value))); }
std::string StrDouble(double value) { return value >= 0 ? " " + DoubleText(value) : DoubleText(value); }

double Val(const std::string& text) {
  const double v = ValPastRange(text);
  return std::isinf(v) ? 0.0 : v;  // too large reads as 0, as it always has
}

double ValPastRange(const std::string& text) {
  const size_t n = text.size();
  size_t i = 0;
  while (i < n && (text[i] == ' ' || text[i] == '\t')) ++i;
  const bool negative = i < n && text[i] == '-';
  if (i < n && (text[i] == '+' || text[i] == '-')) ++i;
  std::string whole, fraction, exponent;
  for (; i < n && isDigit(text[i]); ++i) whole += text[i];
  if (i < n && text[i] == '.')
    for (++i; i < n && isDigit(text[i]); ++i) fraction += text[i];
  if (whole.empty() && fraction.empty()) return 0;
  // An exponent (E or D), with its sign, where digits follow it.
  if (i < n && (text[i] == 'E' || text[i] == 'e' || text[i] == 'D' || text[i] == 'd')) {
    size_t j = i + 1;
    if (j < n && (text[j] == '+' || text[j] == '-')) ++j;
    const size_t first = j;
    while (j < n && isDigit(text[j])) ++j;
    if (j > first) exponent = text.substr(i + 1, j - i - 1);
  }
  // As from_chars reads it: a "-" but no "+" in front, an exponent after "e".
  const std::string number =
      (negative ? "-" : "") + whole + "." + fraction + (exponent.empty() ? "" : "e" + exponent);
  double v = 0;
  if (std::from_chars(number.data(), number.data() + number.size(), v).ec == std::errc()) return v;
  // Past a double's range: too small reads as the 0 of its sign, too large
  // as the infinity of its sign.
  if (belowOne(whole, fraction, exponent)) return negative ? -0.0 : 0.0;
  return negative ? -std::numeric_limits<double>::infinity() : std::numeric_limits<double>::infinity();
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
