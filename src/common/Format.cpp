#include "common/Format.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <charconv>
#include <cmath>
#include <cstring>
#include <iterator>
#include <memory>
#include <utility>

#include "common/SignificantDigits.h"

namespace {

using formatting::kDoubleDigits;
using formatting::kSingleDigits;

// A number written as decimal digits: value = 0.digits x 10^point, negative
// when `negative`. Held in place: a Double's 15 digits.
struct Decimal {
  bool negative = false;
  char digits[24];  // no leading zeros; none for 0
  int count = 0;
  int point = 0;  // digits before the decimal point

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

// The number rounded to `significant` digits, as decimal digits.
Decimal decimalOf(double value, int significant) {
  Decimal d;
  if (!std::isfinite(value) || value == 0) return d;
  Significant s;
  if (!SignificantDigits(std::fabs(value), significant, s)) return printedDecimalOf(value, significant);
  d.negative = value < 0;
  d.count = significant;
  d.point = s.point;
  // Its digits, two at a time from the last.
  uint64_t rest = s.number;
  int i = d.count;
  for (; i >= 2; i -= 2, rest /= 100) std::memcpy(d.digits + i - 2, formatting::kDigitPairs + rest % 100 * 2, 2);
  if (i == 1) d.digits[0] = static_cast<char>('0' + rest);
  return d;
}

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

// The shape of a mask not known while compiling, read once (FormatMask::
// Known): a run of lines writes the same few masks
// again and again, so the shapes of the masks last read are kept, each by
// its text, two in each of 64 places chosen by all their characters (the
// masks of one line, which often differ in a blank or a "#" alone, rarely
// crowd one place). A mask of up to 16 characters is known by its
// characters as two words and its length (keyOf), compared without a call.
struct MaskKey {
  uint64_t low = 0, high = 0;
  size_t size = sizeof(uint64_t) * 2 + 1;  // no mask
  bool operator==(const MaskKey&) const = default;
};

template <class Word>
uint64_t wordAt(const char* at) {
  Word word;
  std::memcpy(&word, at, sizeof word);
  return word;
}

// The characters of a mask of 1 to 16 as two words: each word read whole
// (the second ending at the mask's end, overlapping the first where the mask
// is shorter), so that with the length they tell every mask apart.
MaskKey keyOf(std::string_view mask) {
  const char* at = mask.data();
  const size_t n = mask.size();
  MaskKey key;
  key.size = n;
  if (n >= 8) {
    key.low = wordAt<uint64_t>(at);
    key.high = wordAt<uint64_t>(at + n - 8);
  } else if (n >= 4) {
    key.low = wordAt<uint32_t>(at);
    key.high = wordAt<uint32_t>(at + n - 4);
  } else {
    key.low = 0;
    for (size_t i = 0; i < n; ++i) key.low = key.low << 8 | static_cast<unsigned char>(at[i]);
    key.high = 0;
  }
  return key;
}

struct Known {
  MaskKey key;
  FormatMask shape = FormatMask::Read({});
};

}  // namespace

FormatMask FormatMask::Known(std::string_view mask) {
  thread_local std::array<std::array<::Known, 2>, 64> known;  // the one used last first
  if (mask.empty() || mask.size() > sizeof(uint64_t) * 2) return Read(mask);
  const MaskKey key = keyOf(mask);
  const uint64_t hash = (key.low * 0x9E3779B97F4A7C15ULL) ^ (key.high * 0xC2B2AE3D27D4EB4FULL) ^ key.size;
  std::array<::Known, 2>& place = known[(hash ^ hash >> 29 ^ hash >> 47) % known.size()];
  if (!(place[0].key == key)) {
    std::swap(place[0], place[1]);
    if (!(place[0].key == key)) place[0] = {key, Read(mask)};
  }
  // The shape kept, with this text (the one it was read from may be gone).
  FormatMask m = place[0].shape;
  m.text = mask;
  return m;
}

namespace {

// Where a figure's text goes: `take(size)` gives room for its characters.
struct StringRoom {
  std::string& text;
  char* take(size_t size) {
    if (text.size() != size) text.resize(size);  // a figure reused for a column keeps its length
    return text.data();
  }
};

// The whole text of a mask without placeholders.
template <class Room>
void writeMaskAlone(const FormatMask& m, Room& out) {
  formatting::copyMaskText(m.text, out.take(m.text.size()));
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

// Writes `r` through the mask `m` into `out`, replacing its text.
template <class Room>
void writeRounded(const Rounded& r, const FormatMask& m, Room& out) {
  const std::string_view prefix = m.prefix();
  const std::string_view suffix = m.suffix();
  // At least the mask's required whole digits.
  const size_t padding = r.wholeDigits < m.minimum ? m.minimum - r.wholeDigits : 0;
  const size_t wholeDigits = r.wholeDigits + padding;
  // Written into `out` made as long as the text is.
  const size_t commas = m.grouped && wholeDigits > 0 ? (wholeDigits - 1) / 3 : 0;
  char* at = out.take((r.negative ? 1 : 0) + prefix.size() + wholeDigits + commas + (m.point ? 1 + m.decimals : 0) +
                      suffix.size());
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

// x / 10^k and x % 10^k, each power a constant the compiler divides by
// without a division instruction.
template <size_t K>
formatting::Quotient dividedByPower(uint64_t x) {
  return {x / kPowersOf10[K], x % kPowersOf10[K]};
}
template <size_t... K>
constexpr auto powerDividers(std::index_sequence<K...>) {
  return std::array<formatting::Quotient (*)(uint64_t), sizeof...(K)>{dividedByPower<K>...};
}
constexpr auto kDividers = powerDividers(std::make_index_sequence<std::size(kPowersOf10)>());

// Writes `scaled` (the number times 10^decimals) through the mask `m`, in
// 32-bit arithmetic where it fits.
template <class Room>
[[gnu::always_inline]] inline void writeFigure(uint64_t scaled, bool negative, const FormatMask& m, Room& out) {
  if (scaled <= UINT32_MAX) formatting::writeScaled(static_cast<uint32_t>(scaled), negative, m, out);
  else formatting::writeScaled(scaled, negative, m, out);
}

// Writes `number` through the mask `m` into `out`, replacing its text:
// rounded to the mask's places, a half away from zero, digit by digit, for
// any number of digits and places.
template <class Room>
void formatDecimal(const Decimal& d, const FormatMask& m, Room& out) {
  const size_t decimals = m.decimals;
  // The digits from the first whole place (or the point) on, with one place
  // in front for a carry.
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
  writeRounded({all.data() + start, wholeEnd - start, all.data() + wholeEnd, d.negative && !zero}, m, out);
}

// Writes a whole number through the mask `m` into `out`, replacing its
// text: it needs no rounding, its digits go straight to the mask. Inlined
// into each writer of integers and of Doubles.
template <class Room>
[[gnu::always_inline]] inline void writeInteger(long long value, const FormatMask& m, Room& out) {
  if (!m.hasBody()) return writeMaskAlone(m, out);
  uint64_t n = 0;
  if (formatting::integerToPlaces(value, m.decimals, n)) return writeFigure(n, value < 0, m, out);
  const unsigned long long magnitude = formatting::magnitudeOf(value);
  char digits[24];
  const char* end = std::to_chars(digits, digits + sizeof digits, magnitude).ptr;
  const size_t count = magnitude == 0 ? 0 : static_cast<size_t>(end - digits);
  writeRounded({digits, count, nullptr, value < 0}, m, out);
}

// Writes `value`, rounded first to `Digits` significant digits, through the
// mask `m` into `out`, replacing its text.
template <int Digits, class Room>
void formatFloating(double value, const FormatMask& m, Room& out) {
  if (!m.hasBody()) return writeMaskAlone(m, out);
  // A Double that is a whole number of at most 15 digits (a count, a sum
  // of pounds) is its own rounding: written as an integer is, without
  // finding its significant digits in 128 bits. A Single's are found in a
  // few instructions: asking first would cost it more than it saves.
  if constexpr (Digits == kDoubleDigits) {
    if (std::fabs(value) < static_cast<double>(kPowersOf10[Digits])) {
      const auto whole = static_cast<long long>(value);
      if (static_cast<double>(whole) == value) return writeInteger(whole, m, out);
    }
  }
  uint64_t n = 0;
  if (!formatting::scaledToPlaces<Digits>(value, m.decimals, n))
    return formatDecimal(decimalOf(value, Digits), m, out);
  writeFigure(n, value < 0 && n != 0, m, out);
}

}  // namespace

formatting::Quotient formatting::dividedByPowerOf10(uint64_t x, size_t k) { return kDividers[k](x); }

std::string Format(double value, const FormatMask& mask) {
  std::string out;
  FormatInto(out, value, mask);
  return out;
}
std::string Format(float value, const FormatMask& mask) {
  std::string out;
  FormatInto(out, value, mask);
  return out;
}
std::string FormatInteger(long long value, const FormatMask& mask) {
  std::string out;
  FormatIntegerInto(out, value, mask);
  return out;
}

const std::string& FormatInto(std::string& out, double value, const FormatMask& mask) {
  StringRoom room{out};
  formatFloating<kDoubleDigits>(value, mask, room);
  return out;
}
const std::string& FormatInto(std::string& out, float value, const FormatMask& mask) {
  StringRoom room{out};
  formatFloating<kSingleDigits>(static_cast<double>(value), mask, room);
  return out;
}
const std::string& FormatIntegerInto(std::string& out, long long value, const FormatMask& mask) {
  StringRoom room{out};
  writeInteger(value, mask, room);
  return out;
}

std::string_view FormatInto(FigureText& out, double value, const FormatMask& mask) {
  formatFloating<kDoubleDigits>(value, mask, out);
  return out.view();
}
std::string_view formatting::formatSingle(FigureText& out, float value, std::string_view mask) {
  formatFloating<kSingleDigits>(static_cast<double>(value), FormatMask(mask), out);
  return out.view();
}
std::string_view formatting::formatInteger(FigureText& out, long long value, std::string_view mask) {
  writeInteger(value, FormatMask(mask), out);
  return out.view();
}
