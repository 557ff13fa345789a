#include "common/Format.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

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
  std::snprintf(buf, sizeof buf, "%.*e", significant - 1, value);  // "-1.2345e+02"
  const std::string text = buf;
  size_t i = 0;
  if (text[i] == '-') {
    d.negative = true;
    ++i;
  }
  const size_t e = text.find('e');
  for (; i < e; ++i)
    if (text[i] != '.') d.digits += text[i];
  d.point = std::atoi(text.c_str() + e + 1) + 1;
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
  std::string all = d.digits;
  int wholeLength = d.point;
  if (d.point <= 0) {
    all.insert(0, static_cast<size_t>(-d.point), '0');
    wholeLength = 0;
  }
  const size_t keep = static_cast<size_t>(wholeLength + decimals);
  const bool up = all.size() > keep && all[keep] >= '5';
  all.resize(keep, '0');
  if (up) {
    size_t i = keep;
    while (i > 0 && all[i - 1] == '9') all[--i] = '0';
    if (i == 0) {
      all.insert(0, "1");
      ++wholeLength;
    } else {
      ++all[i - 1];
    }
  }
  whole = all.substr(0, static_cast<size_t>(wholeLength));
  fraction = all.substr(static_cast<size_t>(wholeLength));
  const size_t significant = whole.find_first_not_of('0');
  whole = significant == std::string::npos ? std::string() : whole.substr(significant);
}

bool isPlaceholder(char c) { return c == '0' || c == '#'; }

std::string formatDecimal(const Decimal& d, const std::string& mask) {
  const size_t first = mask.find_first_of("0#.");
  if (first == std::string::npos) return mask;
  const size_t last = mask.find_last_of("0#.");
  const std::string prefix = mask.substr(0, first);
  const std::string suffix = mask.substr(last + 1);
  const std::string body = mask.substr(first, last + 1 - first);
  const size_t dot = body.find('.');
  const std::string wholeMask = body.substr(0, dot);
  const std::string fractionMask = dot == std::string::npos ? std::string() : body.substr(dot + 1);

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
  std::string out = d.negative && !zero ? "-" : "";
  out += prefix + whole;
  if (dot != std::string::npos) out += "." + fraction;
  return out + suffix;
}

}  // namespace

std::string Format(double value, const std::string& mask) { return formatDecimal(decimalOf(value, 15), mask); }

std::string Format(float value, const std::string& mask) {
  return formatDecimal(decimalOf(static_cast<double>(value), 7), mask);
}

std::string FormatInteger(long long value, const std::string& mask) {
  return formatDecimal(decimalOf(value), mask);
}
