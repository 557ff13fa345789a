#include "common/Format.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <charconv>
#include <cmath>
#include <cstring>
#include <memory>

namespace {

// A number written as decimal digits: value = 0.digits x 10^point, negative
// when `negative`. Held in place: a Double's 15 digits or a long long's 20.
struct Decimal {
  bool negative = false;
  char digits[24];  // no leading zeros; none for 0
  int count = 0;
  int point = 0;  // digits before the decimal point
  // The digits as one whole number, where they were made from one (every
  // figure the program shows): `exact` tells, and `digits` are then written
  // only when asked for (spellNumber).
  uint64_t number = 0;
  bool exact = false;

  // Writes the `count` digits of `number`, two at a time from the last.
  void spellNumber() {
    static constexpr char kPairs[] =
        "0001020304050607080910111213141516171819202122232425262728293031323334353637383940414243444546474849"
        "5051525354555657585960616263646566676869707172737475767778798081828384858687888990919293949596979899";
    uint64_t rest = number;
    int i = count;
    for (; i >= 2; i -= 2, rest /= 100) std::memcpy(digits + i - 2, kPairs + rest % 100 * 2, 2);
    if (i == 1) digits[0] = static_cast<char>('0' + rest);
  }

  // The digit at `i` of the number written out from its first significant
  // place (or from the point, for a value below 1), "0" beyond its digits.
  char at(long i, int zeros) const {
    const long k = i - zeros;
    return k >= 0 && k < count ? digits[k] : '0';
  }
};

// The number rounded to `significant` digits, through printed digits.
Decimal printedDecimalOf(double value, int significant) {
  Decimal d;
  char buf[64];
  // "-1.2345e+02": the exact value rounded as printf's "%.*e" rounds it.
  const char* end = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, significant - 1).ptr;
  const char* p = buf;
  if (*p == '-') {
    d.negative = true;
    ++p;
  }
  for (; p < end && *p != 'e'; ++p)
    if (*p != '.') d.digits[d.count++] = *p;
  int exponent = 0;
  std::from_chars(p + 1 + (p[1] == '+'), end, exponent);
  d.point = exponent + 1;
  return d;
}

constexpr uint64_t kPowersOf10[] = {1ULL,
                                    10ULL,
                                    100ULL,
                                    1000ULL,
                                    10000ULL,
                                    100000ULL,
                                    1000000ULL,
                                    10000000ULL,
                                    100000000ULL,
                                    1000000000ULL,
                                    10000000000ULL,
                                    100000000000ULL,
                                    1000000000000ULL,
                                    10000000000000ULL,
                                    100000000000000ULL,
                                    1000000000000000ULL,
                                    10000000000000000ULL,
                                    100000000000000000ULL,
                                    1000000000000000000ULL,
                                    10000000000000000000ULL};

// The number rounded to `significant` digits, as decimal digits. The values
// the program shows (from 0.00001 to below 10^significant) are rounded in
// whole numbers: the binary value times a power of ten is exact in 128 bits,
// so the digits are those printf gives, a tie going to the even neighbour.
Decimal decimalOf(double value, int significant) {
  Decimal d;
  if (!std::isfinite(value) || value == 0) return d;
  const double x = std::fabs(value);
  if (!(x >= 1e-5 && x < static_cast<double>(kPowersOf10[significant]))) return printedDecimalOf(value, significant);
  // x = mantissa / 2^shift (a normal number here: its 52 stored bits and
  // the leading one).
  const auto bits = std::bit_cast<uint64_t>(x);
  const uint64_t mantissa = (bits & ((uint64_t{1} << 52) - 1)) | (uint64_t{1} << 52);
  const int shift = 1075 - static_cast<int>(bits >> 52);  // from 3 up to 69 here
  // The digits before the point: first guessed from the power of two (at
  // most one too few), then set right by the whole part of the scaled value.
  const int exponent2 = 52 - shift;  // 2^exponent2 <= x < 2^(exponent2 + 1)
  int point = ((exponent2 * 1233) >> 12) + 1;
  unsigned __int128 scaled = 0;
  uint64_t whole = 0;
  for (;;) {
    const int k = significant - point;
    if (k < 0 || k > 19) return printedDecimalOf(value, significant);
    scaled = static_cast<unsigned __int128>(mantissa) * kPowersOf10[k];
    whole = static_cast<uint64_t>(scaled >> shift);
    if (whole < kPowersOf10[significant - 1]) --point;
    else if (whole >= kPowersOf10[significant]) ++point;
    else break;
  }
  const unsigned __int128 rest = scaled & ((static_cast<unsigned __int128>(1) << shift) - 1);
  const unsigned __int128 half = static_cast<unsigned __int128>(1) << (shift - 1);
  if (rest > half || (rest == half && whole % 2 != 0)) ++whole;
  if (whole == kPowersOf10[significant]) {
    whole = kPowersOf10[significant - 1];
    ++point;
  }
  d.negative = value < 0;
  d.count = significant;
  d.number = whole;  // its digits are written only where they are read
  d.exact = true;
  d.point = point;
  return d;
}

Decimal decimalOf(long long value) {
  Decimal d;
  d.negative = value < 0;
  // The magnitude of the smallest value does not fit a long long.
  const unsigned long long magnitude =
      d.negative ? 0ULL - static_cast<unsigned long long>(value) : static_cast<unsigned long long>(value);
  if (magnitude != 0) d.count = static_cast<int>(std::to_chars(d.digits, d.digits + sizeof d.digits, magnitude).ptr - d.digits);
  d.point = d.count;
  d.number = magnitude;
  d.exact = true;
  return d;
}

bool isPlaceholder(char c) { return c == '0' || c == '#'; }

// A run of characters in a buffer on the stack, or on the heap when a
// number of hundreds of digits needs it.
class Digits {
 public:
  explicit Digits(size_t size) : data_(size <= sizeof local_ ? local_ : (heap_ = std::make_unique<char[]>(size)).get()) {}
  char& operator[](size_t i) { return data_[i]; }
  const char* data() const { return data_; }
  Digits(const Digits&) = delete;
  Digits& operator=(const Digits&) = delete;

 private:
  char local_[96];
  std::unique_ptr<char[]> heap_;
  char* data_;
};

// What a mask asks for, read in one pass: its body runs from its first
// placeholder or point to its last; before the body is its prefix, after it
// its suffix.
struct MaskShape {
  size_t first = std::string_view::npos, last = 0;
  bool point = false;      // the body holds a decimal point
  size_t decimals = 0;     // placeholders after the first point
  size_t minimum = 0;      // whole digits always shown: from the first "0" on
  bool grouped = false;    // a "," among the whole placeholders
};

MaskShape shapeOf(std::string_view mask) {
  MaskShape m;
  size_t placeholders = 0, required = 0, comma = std::string_view::npos;
  for (size_t i = 0; i < mask.size(); ++i) {
    const char c = mask[i];
    if (isPlaceholder(c)) {
      if (m.point) {
        ++m.decimals;
      } else {
        ++placeholders;
        if (c == '0' && required == 0) required = placeholders;
      }
    } else if (c == '.') {
      m.point = true;
    } else {
      if (c == ',' && m.first != std::string_view::npos && !m.point && comma == std::string_view::npos) comma = i;
      continue;
    }
    if (m.first == std::string_view::npos) m.first = i;
    m.last = i;
  }
  m.minimum = required == 0 ? 0 : placeholders - required + 1;
  m.grouped = comma != std::string_view::npos && comma < m.last;
  return m;
}

// The shape of a mask, read once: a run of lines writes the same few masks
// again and again, so the shapes of the masks last read are kept, each by
// its text.
const MaskShape& knownShapeOf(std::string_view mask) {
  struct Known {
    char text[16];
    size_t size = sizeof text + 1;  // no mask yet
    MaskShape shape;
  };
  thread_local std::array<Known, 16> known;
  thread_local MaskShape longer;
  if (mask.empty() || mask.size() > sizeof Known::text) return longer = shapeOf(mask);
  Known& k = known[(mask.size() + static_cast<unsigned char>(mask.front()) * 3 +
                    static_cast<unsigned char>(mask[mask.size() / 2]) * 5) % known.size()];
  if (k.size != mask.size() || std::memcmp(k.text, mask.data(), mask.size()) != 0) {
    std::memcpy(k.text, mask.data(), mask.size());
    k.size = mask.size();
    k.shape = shapeOf(mask);
  }
  return k.shape;
}

// A number rounded to a mask's places: its whole digits without leading
// zeros (none for 0), its fraction digits (none: all zeros), and its sign
// where it does not round to 0.
struct Rounded {
  const char* whole;
  size_t wholeDigits;
  const char* fraction;
  bool negative;
};

// Writes `r` through the mask of shape `m` into `out`, replacing its text.
void writeRounded(const Rounded& r, std::string_view mask, const MaskShape& m, std::string& out) {
  const std::string_view prefix = mask.substr(0, m.first);
  const std::string_view suffix = mask.substr(m.last + 1);
  // At least the mask's required whole digits.
  const size_t padding = r.wholeDigits < m.minimum ? m.minimum - r.wholeDigits : 0;
  const size_t wholeDigits = r.wholeDigits + padding;
  // Written into `out` made as long as the text is.
  const size_t commas = m.grouped && wholeDigits > 0 ? (wholeDigits - 1) / 3 : 0;
  out.resize((r.negative ? 1 : 0) + prefix.size() + wholeDigits + commas + (m.point ? 1 + m.decimals : 0) +
             suffix.size());
  char* at = out.data();
  if (r.negative) *at++ = '-';
  at = std::copy(prefix.begin(), prefix.end(), at);
  if (!m.grouped) {
    at = std::fill_n(at, padding, '0');
    at = std::copy(r.whole, r.whole + r.wholeDigits, at);
  } else {
    const char* digits = r.whole;
    Digits padded(padding > 0 ? wholeDigits : 0);
    if (padding > 0) {
      std::copy(r.whole, r.whole + r.wholeDigits, std::fill_n(&padded[0], padding, '0'));
      digits = padded.data();
    }
    // Grouped by thousands from the right: the first group holds what is
    // left over from threes.
    size_t group = wholeDigits % 3 == 0 ? 3 : wholeDigits % 3;
    for (size_t k = 0; k < wholeDigits; ++k) {
      if (group == 0) {
        *at++ = ',';
        group = 3;
      }
      --group;
      *at++ = digits[k];
    }
  }
  if (m.point) {
    *at++ = '.';
    if (r.fraction) at = std::copy(r.fraction, r.fraction + m.decimals, at);
    else at = std::fill_n(at, m.decimals, '0');
  }
  std::copy(suffix.begin(), suffix.end(), at);
}

// Writes `number` through `mask` into `out`, replacing its text.
void formatDecimal(const Decimal& number, std::string_view mask, std::string& out) {
  Decimal d = number;
  const MaskShape& m = knownShapeOf(mask);
  if (m.first == std::string_view::npos) {
    out.assign(mask);
    return;
  }
  const size_t decimals = m.decimals;
  if (d.exact && decimals < 20) {
    // Rounded in whole numbers: the digits below the mask's places dropped,
    // a half away from zero.
    const long drop = static_cast<long>(d.count) - d.point - static_cast<long>(decimals);
    uint64_t n = 0;
    bool fits = true;
    if (drop <= 0) {
      fits = d.count - drop <= 19;
      if (fits) n = d.number * kPowersOf10[-drop];
    } else if (drop <= 19) {
      const uint64_t unit = kPowersOf10[drop];
      n = d.number / unit + (d.number % unit >= unit / 2 ? 1 : 0);
    }
    if (fits) {
      // Its digits with zeros in front up to one whole place: the whole
      // part, then the `decimals` fraction digits.
      char text[48];
      char* const start = text + 24;
      char* const end = n == 0 ? start : std::to_chars(start, text + sizeof text, n).ptr;  // 0 has no digits
      char* const from = end - std::max(static_cast<size_t>(end - start), decimals + 1);
      std::fill(from, start, '0');
      const char* fraction = end - decimals;
      const char* whole = from;
      while (whole < fraction && *whole == '0') ++whole;
      writeRounded({whole, static_cast<size_t>(fraction - whole), fraction, d.negative && n != 0}, mask, m, out);
      return;
    }
  }
  // Rounded to `decimals` places, a half away from zero, digit by digit: the
  // digits from the first whole place (or the point) on, with one place in
  // front for a carry.
  if (d.exact) d.spellNumber();
  const int zeros = d.point < 0 ? -d.point : 0;
  const size_t wholeLength = d.point > 0 ? static_cast<size_t>(d.point) : 0;
  const size_t keep = wholeLength + decimals;
  Digits all(keep + 1);
  std::memset(&all[0], '0', keep + 1);
  if (keep > static_cast<size_t>(zeros))
    std::memcpy(&all[1] + zeros, d.digits, std::min(static_cast<size_t>(d.count), keep - static_cast<size_t>(zeros)));
  if (d.at(static_cast<long>(keep), zeros) >= '5') {
    size_t i = keep;
    while (all[i] == '9') all[i--] = '0';
    ++all[i];
  }
  // The whole part without leading zeros.
  size_t start = 0;
  while (start < wholeLength + 1 && all[start] == '0') ++start;
  const size_t wholeEnd = wholeLength + 1;
  bool zero = true;
  for (size_t i = start; i < wholeEnd + decimals && zero; ++i) zero = all[i] == '0';
  writeRounded({all.data() + start, wholeEnd - start, all.data() + wholeEnd, d.negative && !zero}, mask, m, out);
}

std::string formatted(const Decimal& d, std::string_view mask) {
  std::string out;
  formatDecimal(d, mask, out);
  return out;
}

}  // namespace

std::string Format(double value, std::string_view mask) { return formatted(decimalOf(value, 15), mask); }
std::string Format(float value, std::string_view mask) { return formatted(decimalOf(static_cast<double>(value), 7), mask); }
std::string FormatInteger(long long value, std::string_view mask) {
  std::string out;
  return FormatIntegerInto(out, value, mask);
}

const std::string& FormatInto(std::string& out, double value, std::string_view mask) {
  formatDecimal(decimalOf(value, 15), mask, out);
  return out;
}
const std::string& FormatInto(std::string& out, float value, std::string_view mask) {
  formatDecimal(decimalOf(static_cast<double>(value), 7), mask, out);
  return out;
}
const std::string& FormatIntegerInto(std::string& out, long long value, std::string_view mask) {
  // A whole number needs no rounding: its digits go straight to the mask.
  const MaskShape& m = knownShapeOf(mask);
  if (m.first == std::string_view::npos) return out.assign(mask);
  const Decimal d = decimalOf(value);
  writeRounded({d.digits, static_cast<size_t>(d.count), nullptr, d.negative}, mask, m, out);
  return out;
}
