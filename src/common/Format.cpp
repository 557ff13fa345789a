#include "common/Format.h"

#include <charconv>
#include <cmath>

#include "records/Fields.h"

namespace {

// The significant digits of a Double and of a Single.
constexpr int kDoubleDigits = 15;
constexpr int kSingleDigits = 7;

// A number written as decimal digits: its magnitude is 0.digits x 10^point.
struct Decimal {
  bool negative = false;
  std::string digits;  // no leading zero; none for 0
  int point = 0;       // digits before the decimal point
};

// `value` rounded to `significant` digits as printf's "%.*e" rounds it; 0
// for a value that is not a number or is infinite.
Decimal decimalOf(double value, int significant) {
  Decimal d;
  if (!std::isfinite(value) || value == 0) return d;
  // "-1.2345e+02": the sign, the digits around the point, the exponent.
  char text[64];
  const char* end = std::to_chars(text, text + sizeof text, value, std::chars_format::scientific, significant - 1).ptr;
  const char* p = text;
  if (*p == '-') {
    d.negative = true;
    ++p;
  }
  for (; p < end && *p != 'e'; ++p)
    if (*p != '.') d.digits += *p;
  // from_chars takes a "-" but no "+".
  int exponent = 0;
  std::from_chars(p + 1 + (p[1] == '+' ? 1 : 0), end, exponent);
  d.point = exponent + 1;
  return d;
}

// Every digit of a whole number.
Decimal decimalOf(long long value) {
  Decimal d;
  d.negative = value < 0;
  // The magnitude of the least long long does not fit a long long.
  const unsigned long long magnitude =
      value < 0 ? 0ULL - static_cast<unsigned long long>(value) : static_cast<unsigned long long>(value);
  if (magnitude != 0) d.digits = std::to_string(magnitude);
  d.point = static_cast<int>(d.digits.size());
  return d;
}

// `d` rounded to `decimals` places, a half away from zero: its whole digits
// without leading zeros (none for 0), its `decimals` fraction digits, and
// its sign where it does not round to 0.
struct Rounded {
  std::string whole, fraction;
  bool negative = false;
};
Rounded roundedTo(const Decimal& d, std::size_t decimals) {
  // The digits from the first whole place (or from the point, for a value
  // below 1) to the last place kept, with one place in front for a carry.
  const std::size_t wholeLength = d.point > 0 ? static_cast<std::size_t>(d.point) : 0;
  const std::size_t zeros = d.point < 0 ? static_cast<std::size_t>(-d.point) : 0;  // after the point, before the digits
  const std::size_t kept = wholeLength + decimals;
  std::string places(kept + 1, '0');
  for (std::size_t k = 0; k < d.digits.size() && zeros + k < kept; ++k) places[1 + zeros + k] = d.digits[k];
  // The first digit dropped decides.
  const std::size_t dropped = kept - zeros;
  if (kept >= zeros && dropped < d.digits.size() && d.digits[dropped] >= '5') {
    std::size_t i = kept;
    while (places[i] == '9') places[i--] = '0';
    ++places[i];
  }
  Rounded r;
  const std::size_t firstWhole = places.find_first_not_of('0');
  if (firstWhole != std::string::npos && firstWhole <= wholeLength) r.whole = places.substr(firstWhole, wholeLength + 1 - firstWhole);
  r.fraction = places.substr(wholeLength + 1);
  r.negative = d.negative && firstWhole != std::string::npos;
  return r;
}

std::string writeRounded(const Rounded& r, const FormatMask& m) {
  std::string out;
  if (r.negative) out += '-';
  out += m.prefix();
  // At least the mask's required whole digits.
  std::string whole = r.whole;
  if (whole.size() < m.minimum) whole.insert(0, m.minimum - whole.size(), '0');
  if (m.grouped) {
    // Grouped by thousands from the right.
    for (std::size_t k = 0; k < whole.size(); ++k) {
      if (k > 0 && (whole.size() - k) % 3 == 0) out += ',';
      out += whole[k];
    }
  } else {
    out += whole;
  }
  if (m.point) {
    out += '.';
    out += r.fraction;
  }
  out += m.suffix();
  return out;
}

std::string writeDecimal(const Decimal& d, const FormatMask& m) {
  if (!m.hasBody()) return std::string(m.text);
  return writeRounded(roundedTo(d, m.decimals), m);
}

}  // namespace

std::string Format(double value, const FormatMask& mask) { return writeDecimal(decimalOf(value, kDoubleDigits), mask); }
std::string Format(float value, const FormatMask& mask) {
  return writeDecimal(decimalOf(static_cast<double>(value), kSingleDigits), mask);
}
std::string Format(records::Currency value, const FormatMask& mask) {
  Decimal d = decimalOf(static_cast<long long>(value.raw));
  d.point -= records::Currency::kPlaces;
  return writeDecimal(d, mask);
}
std::string FormatInteger(long long value, const FormatMask& mask) { return writeDecimal(decimalOf(value), mask); }
