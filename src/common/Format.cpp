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

// "00" to "99", the two digits of each number below 100.
constexpr char kDigitPairs[] =
    "0001020304050607080910111213141516171819202122232425262728293031323334353637383940414243444546474849"
    "5051525354555657585960616263646566676869707172737475767778798081828384858687888990919293949596979899";

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
  for (; i >= 2; i -= 2, rest /= 100) std::memcpy(d.digits + i - 2, kDigitPairs + rest % 100 * 2, 2);
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

// Copies a mask's few characters before or after its digits.
char* copied(std::string_view text, char* to) {
  for (char c : text) *to++ = c;
  return to;
}

// The whole text of a mask without placeholders.
template <class Room>
void writeMaskAlone(const FormatMask& m, Room& out) {
  copied(m.text, out.take(m.text.size()));
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
struct Quotient {
  uint64_t quotient, remainder;
};
template <size_t K>
Quotient dividedByPower(uint64_t x) {
  return {x / kPowersOf10[K], x % kPowersOf10[K]};
}
template <size_t... K>
constexpr auto powerDividers(std::index_sequence<K...>) {
  return std::array<Quotient (*)(uint64_t), sizeof...(K)>{dividedByPower<K>...};
}
constexpr auto kDividers = powerDividers(std::make_index_sequence<std::size(kPowersOf10)>());
Quotient dividedByPowerOf10(uint64_t x, size_t k) { return kDividers[k](x); }

// x / 10^k for x below 2^24 and k up to 7, without a division: x times
// 2^shift / 10^k (rounded up), shifted back. With `shift` 24 bits more than
// 10^k has, the rounding up stays below what would change the quotient for
// any x below 2^24, and the product below 2^49.
struct Reciprocal {
  uint64_t multiplier;
  int shift;
};
constexpr Reciprocal reciprocalOf(uint64_t power) {
  const int shift = 24 + std::bit_width(power - 1);
  return {(uint64_t{1} << shift) / power + 1, shift};
}
template <size_t... K>
constexpr auto reciprocals(std::index_sequence<K...>) {
  return std::array<Reciprocal, sizeof...(K)>{reciprocalOf(kPowersOf10[K + 1])...};
}
constexpr auto kReciprocals = reciprocals(std::make_index_sequence<7>());
uint64_t dividedBySmallPower(uint64_t x, size_t k) {
  const Reciprocal& r = kReciprocals[k - 1];
  return x * r.multiplier >> r.shift;
}

// The decimal digits of x (none for 0).
size_t digitCount(uint64_t x) {
  // log10(2) is about 1233 / 4096: from the bits the count or one fewer.
  const size_t fewer = static_cast<size_t>(std::bit_width(x)) * 1233 >> 12;
  return fewer + (x >= kPowersOf10[fewer] ? 1 : 0);
}

// Writes the `count` last digits of x backwards, ending at `end` (zeros in
// front where x has fewer); answers x without them.
uint64_t digitsBefore(char* end, uint64_t x, size_t count) {
  for (; count >= 2; count -= 2, x /= 100) {
    end -= 2;
    std::memcpy(end, kDigitPairs + x % 100 * 2, 2);
  }
  if (count == 1) {
    *--end = static_cast<char>('0' + x % 10);
    x /= 10;
  }
  return x;
}

// Writes a number through the mask `m` into `out`, replacing its text:
// `scaled` is the number times 10^decimals (the mask's decimals, at most
// 19), "-" in front when `negative`. Gives what writeRounded gives for the
// same digits.
template <class Room>
[[gnu::always_inline]] inline void writeScaled(uint64_t scaled, bool negative, const FormatMask& m, Room& out) {
  const std::string_view prefix = m.prefix();
  const std::string_view suffix = m.suffix();
  const size_t digits = digitCount(scaled);
  const size_t wholeDigits = std::max(digits > m.decimals ? digits - m.decimals : 0, m.minimum);
  const size_t commas = m.grouped && wholeDigits > 0 ? (wholeDigits - 1) / 3 : 0;
  const size_t size = (negative ? 1 : 0) + m.fixed + wholeDigits + commas;
  char* const start = out.take(size);
  // From the end: the suffix, the fraction, the point, the whole part.
  char* at = start + size - suffix.size();
  copied(suffix, at);
  uint64_t whole = scaled;
  if (m.point) {
    whole = digitsBefore(at, scaled, m.decimals);
    at -= m.decimals;
    *--at = '.';
  }
  if (!m.grouped) {
    digitsBefore(at, whole, wholeDigits);
  } else {
    // Grouped by thousands from the right.
    size_t left = wholeDigits;
    for (; left > 3; left -= 3) {
      whole = digitsBefore(at, whole, 3);
      at -= 3;
      *--at = ',';
    }
    digitsBefore(at, whole, left);
  }
  at = start;
  if (negative) *at++ = '-';
  copied(prefix, at);
}

constexpr int kDoubleDigits = 15;
constexpr int kSingleDigits = 7;

// The value rounded as Format rounds it, times 10^decimals: first to
// `Digits` significant digits, then to `decimals` places, a half away from
// zero. False where whole numbers do not hold it (formatDecimal then writes
// it). Inlined into each figure's writer, saving a call per figure.
template <int Digits>
[[gnu::always_inline]] inline bool scaledToPlaces(double value, size_t decimals, uint64_t& n) {
  if (decimals >= std::size(kPowersOf10)) return false;
  n = 0;
  // 0, infinities and non-numbers are outside the range the digits are
  // found for: asked after, they cost the usual figure nothing.
  Significant s;
  bool found = false;
  if constexpr (Digits == kSingleDigits) {
    // A Single's digits in double arithmetic, exact for its few bits.
    found = SingleSignificantDigits(static_cast<float>(std::fabs(value)), s);
  } else {
    found = SignificantDigits(std::fabs(value), Digits, s);
  }
  if (!found) return !std::isfinite(value) || value == 0;
  // The digits below the mask's places dropped, a half away from zero.
  const long drop = static_cast<long>(Digits) - s.point - static_cast<long>(decimals);
  if (drop <= 0) {
    if (Digits - drop > 19) return false;
    n = s.number * kPowersOf10[-drop];
  } else if constexpr (Digits == kSingleDigits) {
    // Seven digits and a half of 10^drop are below 2^24: divided by a
    // multiplication and a shift. Dropping more than seven leaves less than
    // a half: 0.
    if (drop <= Digits) n = dividedBySmallPower(s.number + kPowersOf10[drop] / 2, static_cast<size_t>(drop));
  } else if (drop < static_cast<long>(std::size(kPowersOf10))) {
    const Quotient q = dividedByPowerOf10(s.number, static_cast<size_t>(drop));
    n = q.quotient + (q.remainder >= kPowersOf10[drop] / 2 ? 1 : 0);
  }
  return true;
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
[[gnu::always_inline]] inline void formatInteger(long long value, const FormatMask& m, Room& out) {
  if (!m.hasBody()) return writeMaskAlone(m, out);
  const bool negative = value < 0;
  // The magnitude of the smallest value does not fit a long long.
  const unsigned long long magnitude =
      negative ? 0ULL - static_cast<unsigned long long>(value) : static_cast<unsigned long long>(value);
  if (m.decimals < std::size(kPowersOf10) && magnitude < kPowersOf10[std::size(kPowersOf10) - 1 - m.decimals])
    return writeScaled(magnitude * kPowersOf10[m.decimals], negative, m, out);
  char digits[24];
  const char* end = std::to_chars(digits, digits + sizeof digits, magnitude).ptr;
  const size_t count = magnitude == 0 ? 0 : static_cast<size_t>(end - digits);
  writeRounded({digits, count, nullptr, negative}, m, out);
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
      if (static_cast<double>(whole) == value) return formatInteger(whole, m, out);
    }
  }
  uint64_t n = 0;
  if (!scaledToPlaces<Digits>(value, m.decimals, n)) return formatDecimal(decimalOf(value, Digits), m, out);
  writeScaled(n, value < 0 && n != 0, m, out);
}

}  // namespace

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
  formatInteger(value, mask, room);
  return out;
}

std::string_view FormatInto(FigureText& out, double value, const FormatMask& mask) {
  formatFloating<kDoubleDigits>(value, mask, out);
  return out.view();
}
std::string_view FormatInto(FigureText& out, float value, const FormatMask& mask) {
  formatFloating<kSingleDigits>(static_cast<double>(value), mask, out);
  return out.view();
}
std::string_view FormatIntegerInto(FigureText& out, long long value, const FormatMask& mask) {
  formatInteger(value, mask, out);
  return out.view();
}
