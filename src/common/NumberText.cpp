#include "common/NumberText.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "common/SignificantDigits.h"
#include "records/Nearest.h"

namespace {

// As "%.*G" writes a value of `digits` significant digits `s` that it
// writes without an exponent (0.0001 up to below 10^digits): the digits
// without trailing zeros, the point where they need one, and no 0 before the
// point. False for any other value.
bool plainText(const Significant& s, int digits, bool negative, std::string& out) {
  if (s.point < -3 || s.point > digits) return false;
  const int point = s.point;
  // The digits without the trailing zeros after the point.
  uint64_t number = s.number;
  int count = digits;
  while (count > 0 && count > point && number % 10 == 0) number /= 10, --count;
  // Written from the last digit back: the digits after the point, the point
  // (with the zeros before the first digit when the value is below 0.1), the
  // digits before it.
  char text[48];
  char* at = text + sizeof text;
  const int after = count - point;  // digits after the point
  for (int i = 0; i < after && i < count; ++i, number /= 10) *--at = static_cast<char>('0' + number % 10);
  for (int i = point; i < 0; ++i) *--at = '0';
  if (after > 0) *--at = '.';
  for (int i = std::max(after, 0); i < count; ++i, number /= 10) *--at = static_cast<char>('0' + number % 10);
  if (negative) *--at = '-';
  out.assign(at, text + sizeof text);
  return true;
}

bool plainGeneralText(double value, int digits, std::string& out) {
  Significant s;
  return SignificantDigits(std::fabs(value), digits, s) && plainText(s, digits, value < 0, out);
}

std::string generalText(double value, int digits) {
  if (value == 0 || std::isnan(value)) return "0";
  if (std::string plain; plainGeneralText(value, digits, plain)) return plain;
  // As "%.*G" writes it.
  char buf[64];
  char* end = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, digits).ptr;
  for (char* c = buf; c != end; ++c)
    if (*c >= 'a' && *c <= 'z') *c = static_cast<char>(*c - 'a' + 'A');
  std::string s(buf, end);
  // Exponent with at least two digits and a sign, as "1E-05" and "1.5E+12".
  size_t e = s.find('E');
  if (e != std::string::npos) {
    std::string mant = s.substr(0, e);
    std::string exp = s.substr(e + 1);
    char sign = '+';
    if (!exp.empty() && (exp[0] == '+' || exp[0] == '-')) {
      sign = exp[0];
      exp = exp.substr(1);
    }
    while (exp.size() > 2 && exp[0] == '0') exp.erase(0, 1);
    while (exp.size() < 2) exp.insert(0, "0");
    s = mant + "E" + sign + exp;
    return s;
  }
  if (s.rfind("0.", 0) == 0) s.erase(0, 1);
  else if (s.rfind("-0.", 0) == 0) s.erase(1, 1);
  return s;
}

}  // namespace

std::string SingleText(float value) {
  // Its seven digits in double arithmetic where a Single's value allows.
  std::string text;
  Significant s;
  if (value != 0 && SingleSignificantDigits(std::fabs(value), s) && plainText(s, 7, value < 0, text)) return text;
  return generalText(static_cast<double>(value), 7);
}
std::string DoubleText(double value) { return generalText(value, 15); }

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
