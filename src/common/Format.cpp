#include "common/Format.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string_view>

namespace {

// A number written as decimal digits: value = 0.digits x 10^point, negative
// when `negative`.
struct Decimal {
  bool negative = false;
  std::string digits;  // no leading zeros; "" for 0
  int point = 0;       // digits before the decimal point
};

// The number rounded to `significant` digits, as decimal digits.
Decimal decimalOf(double value, int significant) {
  Decimal d;
  if (!std::isfinite(value) || value == 0) return d;
  char buf[64];
  // "-1.2345e+02": the exact value rounded as printf's "%.*e" rounds it.
  const char* end = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, significant - 1).ptr;
  const char* p = buf;
  if (*p == '-') {
    d.negative = true;
    ++p;
  }
  const char* e = std::find(p, end, 'e');
  d.digits.reserve(static_cast<size_t>(e - p));
  for (; p < e; ++p)
    if (*p != '.') d.digits += *p;
  int exponent = 0;
  std::from_chars(e + 1 + (e[1] == '+'), end, exponent);
  d.point = exponent + 1;
  return d;
}

Decimal decimalOf(long long value) {
  Decimal d;
  d.negative = value < 0;
  // The magnitude of the smallest value does not fit a long long.
  const unsigned long long magnitude =
      d.negative ? 0ULL - static_cast<unsigned long long>(value) : static_cast<unsigned long long>(value);
  if (magnitude != 0) d.digits = std::to_string(magnitude);
  d.point = static_cast<int>(d.digits.size());
  return d;
}

// Rounds to `decimals` places, a half away from zero: the whole part's
// digits without leading zeros and exactly `decimals` fraction digits.
void roundTo(const Decimal& d, int decimals, std::string& whole, std::string& fraction) {
  std::string all;
  int wholeLength = d.point;
  if (d.point <= 0) {
    all.assign(static_cast<size_t>(-d.point), '0');
    wholeLength = 0;
  }
  all += d.digits;
  const size_t keep = static_cast<size_t>(wholeLength + decimals);
  const bool up = all.size() > keep && all[keep] >= '5';
  all.resize(keep, '0');
  if (up) {
    size_t i = keep;
    while (i > 0 && all[i - 1] == '9') all[--i] = '0';
    if (i == 0) {
      all.insert(0, 1, '1');
      ++wholeLength;
    } else {
      ++all[i - 1];
    }
  }
  const size_t wholeEnd = static_cast<size_t>(wholeLength);
  const size_t significant = std::min(all.find_first_not_of('0'), wholeEnd);
  whole.assign(all, significant, wholeEnd - significant);
  fraction.assign(all, wholeEnd);
}

bool isPlaceholder(char c) { return c == '0' || c == '#'; }

std::string formatDecimal(const Decimal& d, std::string_view mask) {
  const size_t first = mask.find_first_of("0#.");
  if (first == std::string_view::npos) return std::string(mask);
  const size_t last = mask.find_last_of("0#.");
  const std::string_view prefix = mask.substr(0, first);
  const std::string_view suffix = mask.substr(last + 1);
  const std::string_view body = mask.substr(first, last + 1 - first);
  const size_t dot = body.find('.');
  const std::string_view wholeMask = body.substr(0, dot);
  const std::string_view fractionMask = dot == std::string_view::npos ? std::string_view() : body.substr(dot + 1);

  int decimals = 0;
  for (char c : fractionMask) decimals += isPlaceholder(c);
  std::string whole, fraction;
  roundTo(d, decimals, whole, fraction);

  // The placeholders from the first "0" on are always filled.
  size_t placeholders = 0, required = 0;
  bool grouped = false;
  for (char c : wholeMask) {
    if (isPlaceholder(c)) ++placeholders;
    if (c == '0' && required == 0) required = placeholders;
    if (c == ',') grouped = true;
  }
  const size_t minimum = required == 0 ? 0 : placeholders - required + 1;
  if (whole.size() < minimum) whole.insert(0, minimum - whole.size(), '0');
  if (grouped)
    for (size_t i = whole.size(); i > 3; i -= 3) whole.insert(i - 3, ",");

  const bool zero = whole.find_first_not_of("0,") == std::string::npos &&
                    fraction.find_first_not_of('0') == std::string::npos;
  std::string out;
  out.reserve(prefix.size() + whole.size() + fraction.size() + suffix.size() + 2);
  if (d.negative && !zero) out += '-';
  out += prefix;
  out += whole;
  if (dot != std::string_view::npos) {
    out += '.';
    out += fraction;
  }
  out += suffix;
  return out;
}

}  // namespace

std::string Format(double value, const std::string& mask) { return formatDecimal(decimalOf(value, 15), mask); }

std::string Format(float value, const std::string& mask) {
  return formatDecimal(decimalOf(static_cast<double>(value), 7), mask);
}

std::string FormatInteger(long long value, const std::string& mask) {
  return formatDecimal(decimalOf(value), mask);
}
