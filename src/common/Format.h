#pragma once
// Numbers as the windows and printouts show them, through a display mask:
//
//   Format(SowHistory.AvgBorn, "0.00")       // "10.50"
//   Format(Sold, "$0.00")                    // "$125.50"
//   Format(pounds / 2000, "#,##0.00")        // "1,234.57"
//   Format(parity, "   0")                   // "   4"
//
// In a mask "0" is a digit always shown and "#" a digit shown only when it
// is significant (before the point); "." is the decimal point, and every
// placeholder after it is one decimal, always shown; a "," among the
// placeholders before the point groups the whole part by thousands. Every
// other character ("$", a blank) stands as it is, before or after the
// digits. The whole part keeps every digit, however few placeholders the
// mask has ("###0.00" of 123456.789 is "123456.79").
//
// The value is rounded to the mask's decimals, a half away from zero, on its
// decimal value: a Double's 15 significant digits, a Single's 7, an integer's
// every digit (so 2.675 gives "2.68" with "0.00", and 2.5 gives "3" with
// "0"). A negative value is written with a leading "-", unless it rounds to
// 0. A value that is not a number, or is infinite, is written as 0.
#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <concepts>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>

#include "common/EightDigits.h"
#include "common/SignificantDigits.h"

// A mask read once: its body runs from its first placeholder or point to
// its last; before the body is its prefix, after it its suffix. A mask
// written as a literal where a figure is formatted (Format(x, "0.00"),
// line.put(22, x, "0.00", 5)) is read while compiling; any other text when
// the FormatMask is made, from the shapes of the masks last read. It refers
// to the mask's text, which must outlive it.
class FormatMask {
 public:
  template <std::size_t N>
  consteval FormatMask(const char (&mask)[N]) : FormatMask(Read(std::string_view(mask, LengthOf(mask, N)))) {}
  template <class Text>
    requires(std::convertible_to<const Text&, std::string_view> && !std::is_array_v<Text>)
  FormatMask(const Text& mask) : FormatMask(Known(std::string_view(mask))) {}

  std::string_view text;  // the whole mask
  std::size_t first = std::string_view::npos, last = 0;
  bool point = false;         // the body holds a decimal point
  bool grouped = false;       // a "," among the whole placeholders
  std::size_t decimals = 0;   // placeholders after the first point
  std::size_t minimum = 0;    // whole digits always shown: from the first "0" on
  std::size_t fixed = 0;      // the prefix, point, decimals and suffix: the characters of every figure

  constexpr bool hasBody() const { return first != std::string_view::npos; }
  // The prefix and suffix of a mask with a body.
  constexpr std::string_view prefix() const { return {text.data(), first}; }
  constexpr std::string_view suffix() const { return {text.data() + last + 1, text.size() - last - 1}; }

  // The shape of `mask`, read character by character.
  static constexpr FormatMask Read(std::string_view mask) {
    FormatMask m;
    m.text = mask;
    std::size_t placeholders = 0, required = 0, comma = std::string_view::npos;
    for (std::size_t i = 0; i < mask.size(); ++i) {
      const char c = mask[i];
      if (c == '0' || c == '#') {
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
    if (m.first != std::string_view::npos) m.fixed = m.first + (m.point ? 1 + m.decimals : 0) + mask.size() - m.last - 1;
    return m;
  }

 private:
  constexpr FormatMask() = default;
  static constexpr std::size_t LengthOf(const char* mask, std::size_t n) {
    std::size_t length = 0;
    while (length < n && mask[length] != '\0') ++length;
    return length;
  }
  static FormatMask Known(std::string_view mask);
};

std::string Format(double value, const FormatMask& mask);
std::string Format(float value, const FormatMask& mask);
std::string FormatInteger(long long value, const FormatMask& mask);

template <std::integral T>
std::string Format(T value, const FormatMask& mask) {
  return FormatInteger(static_cast<long long>(value), mask);
}

// Format's text written into `out`, replacing what it held: a run that
// formats thousands of figures reuses one string and allocates nothing per
// figure. Answers `out` (which must not hold the mask).
const std::string& FormatInto(std::string& out, double value, const FormatMask& mask);
const std::string& FormatInto(std::string& out, float value, const FormatMask& mask);
const std::string& FormatIntegerInto(std::string& out, long long value, const FormatMask& mask);

template <std::integral T>
const std::string& FormatInto(std::string& out, T value, const FormatMask& mask) {
  return FormatIntegerInto(out, static_cast<long long>(value), mask);
}

// Room for one figure's text, kept by a caller that writes figures straight
// on (a FixedLine): in place for any figure a line shows, in a string for a
// longer one. The text stays until the next figure. A figure may be aimed
// at a line instead: it is written straight there when it fits whole.
class FigureText {
 public:
  FigureText() = default;
  FigureText(const FigureText&) {}
  FigureText& operator=(const FigureText&) { return *this; }
  // Aims the next figure at a line: a figure of at most `room` characters
  // is written there (placed()), left-aligned from `at`, or right-aligned to
  // end at `at`; a longer one goes to this room as any other.
  void aim(char* at, std::size_t room, bool right) {
    at_ = at;
    room_ = room;
    right_ = right;
  }
  // Room for `size` characters (inlined into each figure's writer).
  [[gnu::always_inline]] char* take(std::size_t size) {
    size_ = size;
    placed_ = size <= room_;
    room_ = 0;
    if (placed_) return data_ = right_ ? at_ - size : at_;
    if (size <= sizeof local_) return data_ = local_;
    longer_.resize(size);
    return data_ = longer_.data();
  }
  // The last figure was written where it was aimed.
  bool placed() const { return placed_; }
  std::string_view view() const { return {data_, size_}; }

 private:
  char local_[48];
  std::string longer_;
  char* data_ = local_;
  std::size_t size_ = 0;
  char* at_ = nullptr;
  std::size_t room_ = 0;
  bool right_ = false;
  bool placed_ = false;
};

// How a figure is written, shared by Format.cpp and the FormatInto of a
// FigureText below: that one is inlined where a figure is written (as
// FixedLine's put and putRight are), so that a mask written as a literal
// folds its tests away, and writes the usual figure there, one whose digits
// fit 32 bits; any other goes to Format.cpp.
namespace formatting {

// "00" to "99", the two digits of each number below 100.
inline constexpr char kDigitPairs[] =
    "0001020304050607080910111213141516171819202122232425262728293031323334353637383940414243444546474849"
    "5051525354555657585960616263646566676869707172737475767778798081828384858687888990919293949596979899";

// The decimal digits of x (none for 0).
template <class Number>
[[gnu::always_inline]] constexpr std::size_t digitCount(Number x) {
  // log10(2) is about 1233 / 4096: from the bits the count or one fewer.
  const std::size_t fewer = static_cast<std::size_t>(std::bit_width(x)) * 1233 >> 12;
  return fewer + (x >= kPowersOf10[fewer] ? 1 : 0);
}

// Writes `pairs` pairs of the last digits of x backwards, ending at `end`,
// and moves `end` to the first; answers x without them.
template <class Number>
[[gnu::always_inline]] inline Number pairsBefore(char*& end, Number x, std::size_t pairs) {
  for (; pairs > 0; --pairs, x /= 100) {
    end -= 2;
    std::memcpy(end, kDigitPairs + x % 100 * 2, 2);
  }
  return x;
}

// Writes the `count` last digits of x backwards, ending at `end` (zeros in
// front where x has fewer); answers x without them.
template <class Number>
[[gnu::always_inline]] inline Number digitsBefore(char* end, Number x, std::size_t count) {
  x = pairsBefore(end, x, count / 2);
  if (count % 2 == 0) return x;
  end[-1] = static_cast<char>('0' + x % 10);
  return x / 10;
}

// Writes x, below 10^count, as `count` digits ending at `end` (zeros in
// front where x has fewer): the first needs no division.
template <class Number>
[[gnu::always_inline]] inline void allDigitsBefore(char* end, Number x, std::size_t count) {
  x = pairsBefore(end, x, count / 2);
  if (count % 2 == 1) end[-1] = static_cast<char>('0' + x);
}

// Copies a mask's few characters before or after its digits.
[[gnu::always_inline]] inline void copyMaskText(std::string_view text, char* to) {
  for (char c : text) *to++ = c;
}

// "000" to "999", each the first three bytes of a word, the first digit
// lowest.
inline constexpr auto kThreeDigits = [] {
  std::array<std::uint32_t, 1000> texts{};
  for (std::uint32_t i = 0; i < texts.size(); ++i) texts[i] = ('0' + i / 100) | ('0' + i / 10 % 10) << 8 | ('0' + i % 10) << 16;
  return texts;
}();

// The eight digits of x (below 10^8, with leading zeros) as the bytes of a
// word, the first lowest: below 10^6 (most figures) as one or two runs of
// three looked up, from 10^6 on all eight worked out at once.
[[gnu::always_inline]] inline std::uint64_t eightDigitText(std::uint32_t x) {
  static_assert(std::endian::native == std::endian::little, "a word's first digit is its first byte");
  constexpr std::uint64_t kZeros = 0x3030303030303030;  // "00000000"
  if (x < 1000) return kZeros >> 24 | std::uint64_t{kThreeDigits[x]} << 40;
  if (x >= 1000000) return eightDigits(x) + kZeros;
  const std::uint32_t thousands = x / 1000;
  return kZeros >> 48 | std::uint64_t{kThreeDigits[thousands]} << 16 | std::uint64_t{kThreeDigits[x - thousands * 1000]} << 40;
}

// The body of the usual figure, x's digits from eightDigitText with the
// point before the `decimals` last where `point` (the whole digits moved
// down a byte to make room for it, the first dropped), as the last bytes of
// a word, the first lowest. For a mask written as a literal every shift here
// is known while compiling.
[[gnu::always_inline]] inline std::uint64_t bodyText(std::uint32_t x, std::size_t decimals, bool point) {
  const std::uint64_t digits = eightDigitText(x);
  if (!point) return digits;
  const std::uint64_t whole = (digits >> 8) & ((std::uint64_t{1} << 8 * (7 - decimals)) - 1);
  const std::uint64_t fraction = decimals == 0 ? 0 : digits >> 8 * (8 - decimals) << 8 * (8 - decimals);
  return whole | std::uint64_t{'.'} << 8 * (7 - decimals) | fraction;
}

// Writes the `size` last bytes of `text` (two to eight) at `to`: two
// fixed-size writes that may overlap.
[[gnu::always_inline]] inline void writeLastBytes(char* to, std::uint64_t text, std::size_t size) {
  const std::uint64_t first = text >> 8 * (8 - size);
  if (size >= 4) {
    const auto head = static_cast<std::uint32_t>(first), tail = static_cast<std::uint32_t>(text >> 32);
    std::memcpy(to, &head, 4);
    std::memcpy(to + size - 4, &tail, 4);
  } else {
    const auto head = static_cast<std::uint16_t>(first), tail = static_cast<std::uint16_t>(text >> 48);
    std::memcpy(to, &head, 2);
    std::memcpy(to + size - 2, &tail, 2);
  }
}

// Writes a number through the mask `m` (one with a body) into `out`,
// replacing its text: `scaled` is the number times 10^decimals (the mask's
// decimals, at most 19), "-" in front when `negative`. A number below 2^32
// (most figures) is written in 32-bit arithmetic, a larger one in 64.
template <class Number, class Room>
[[gnu::always_inline]] inline void writeScaled(Number scaled, bool negative, const FormatMask& m, Room& out) {
  const std::size_t digits = digitCount(scaled);
  const std::size_t wholeDigits = std::max(digits > m.decimals ? digits - m.decimals : 0, m.minimum);
  const std::size_t commas = m.grouped && wholeDigits > 0 ? (wholeDigits - 1) / 3 : 0;
  const std::size_t size = (negative ? 1 : 0) + m.fixed + wholeDigits + commas;
  char* const start = out.take(size);
  const std::string_view suffix = m.suffix();
  // The usual figure, its body (digits and point) of at most eight
  // characters and ungrouped, written whole from a word.
  const std::size_t bodyDigits = wholeDigits + m.decimals, bodySize = bodyDigits + (m.point ? 1 : 0);
  if (!m.grouped && bodyDigits > 0 && bodySize <= 8) {
    char* at = start;
    if (negative) *at++ = '-';
    copyMaskText(m.prefix(), at);
    at += m.first;
    if (bodySize == 1) *at = static_cast<char>('0' + scaled);  // one digit alone
    else writeLastBytes(at, bodyText(static_cast<std::uint32_t>(scaled), m.decimals, m.point), bodySize);
    copyMaskText(suffix, at + bodySize);
    return;
  }
  // From the end: the suffix, the fraction, the point, the whole part.
  char* at = start + size - suffix.size();
  copyMaskText(suffix, at);
  Number whole = scaled;
  if (m.point) {
    whole = digitsBefore(at, scaled, m.decimals);
    at -= m.decimals;
    *--at = '.';
  }
  if (!m.grouped) {
    allDigitsBefore(at, whole, wholeDigits);
  } else {
    // Grouped by thousands from the right.
    std::size_t left = wholeDigits;
    for (; left > 3; left -= 3) {
      whole = digitsBefore(at, whole, 3);
      at -= 3;
      *--at = ',';
    }
    allDigitsBefore(at, whole, left);
  }
  at = start;
  if (negative) *at++ = '-';
  copyMaskText(m.prefix(), at);
}

// x / 10^k for x below 2^24 and k from 1 to 7, without a division: x times
// 2^shift / 10^k (rounded up), shifted back. With `shift` 24 bits more than
// 10^k has, the rounding up stays below what would change the quotient for
// any x below 2^24, and the product below 2^49.
struct Reciprocal {
  std::uint64_t multiplier;
  int shift;
};
constexpr Reciprocal reciprocalOf(std::uint64_t power) {
  const int shift = 24 + std::bit_width(power - 1);
  return {(std::uint64_t{1} << shift) / power + 1, shift};
}
template <std::size_t... K>
constexpr auto reciprocals(std::index_sequence<K...>) {
  return std::array<Reciprocal, sizeof...(K)>{reciprocalOf(kPowersOf10[K + 1])...};
}
inline constexpr auto kReciprocals = reciprocals(std::make_index_sequence<7>());
[[gnu::always_inline]] inline std::uint64_t dividedBySmallPower(std::uint64_t x, std::size_t k) {
  const Reciprocal& r = kReciprocals[k - 1];
  return x * r.multiplier >> r.shift;
}

// x / 10^k and x % 10^k, for k up to 19.
struct Quotient {
  std::uint64_t quotient, remainder;
};
Quotient dividedByPowerOf10(std::uint64_t x, std::size_t k);

inline constexpr int kDoubleDigits = 15;
inline constexpr int kSingleDigits = 7;

// A Single's magnitude times 10^decimals rounded as Format rounds it, where
// its first rounding, to seven digits, cannot matter: the product (exact in
// a double, for a Single's 24 bits and up to twelve decimals) rounded a half
// away from zero. The seven digits move the product by at most half their
// last place, at most a millionth of it, so the product is taken where it
// lies further than (product + 1) millionths from a half: there the seven
// digits round it to the same whole number. False for any other (a product
// from 500000 on, which lies too near every half, one not a number, or
// infinite).
[[gnu::always_inline]] inline bool singleToPlaces(double value, std::size_t decimals, std::uint64_t& n) {
  if (decimals >= std::size(kExactPowersOf10)) return false;
  const double scaled = std::fabs(value) * kExactPowersOf10[decimals];
  if (!(scaled < 500000)) return false;
  const double up = scaled + 0.5;
  const auto whole = static_cast<std::int64_t>(up);
  const double rest = up - static_cast<double>(whole);
  const double margin = (scaled + 1) * 1e-6;
  if (!(rest >= margin && rest <= 1 - margin)) return false;
  n = static_cast<std::uint64_t>(whole);
  return true;
}

// The value rounded as Format rounds it, times 10^decimals: first to
// `Digits` significant digits, then to `decimals` places, a half away from
// zero. False where whole numbers do not hold it (Format.cpp then writes it
// from its printed digits).
template <int Digits>
[[gnu::always_inline]] inline bool scaledToPlaces(double value, std::size_t decimals, std::uint64_t& n) {
  if (decimals >= std::size(kPowersOf10)) return false;
  n = 0;
  // 0, infinities and non-numbers are outside the range the digits are
  // found for: asked after, they cost the usual figure nothing.
  Significant s;
  bool found = false;
  if constexpr (Digits == kSingleDigits) {
    if (singleToPlaces(value, decimals, n)) return true;
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
    if (drop <= Digits) n = dividedBySmallPower(s.number + kPowersOf10[drop] / 2, static_cast<std::size_t>(drop));
  } else if (drop < static_cast<long>(std::size(kPowersOf10))) {
    const Quotient q = dividedByPowerOf10(s.number, static_cast<std::size_t>(drop));
    n = q.quotient + (q.remainder >= kPowersOf10[drop] / 2 ? 1 : 0);
  }
  return true;
}

// The magnitude of a whole number (that of the smallest does not fit a
// long long).
constexpr unsigned long long magnitudeOf(long long value) {
  return value < 0 ? 0ULL - static_cast<unsigned long long>(value) : static_cast<unsigned long long>(value);
}

// The magnitude of a whole number times 10^decimals, where it is below
// 10^19. It needs no rounding: its digits go straight to the mask.
[[gnu::always_inline]] inline bool integerToPlaces(long long value, std::size_t decimals, std::uint64_t& n) {
  const unsigned long long magnitude = magnitudeOf(value);
  if (decimals >= std::size(kPowersOf10) || magnitude >= kPowersOf10[std::size(kPowersOf10) - 1 - decimals])
    return false;
  n = magnitude * kPowersOf10[decimals];
  return true;
}

// FormatInto a FigureText of any figure (Format.cpp), through the mask of
// this text: passed so, a mask written as a literal is never made in memory
// where the usual figure is written.
std::string_view formatSingle(FigureText& out, float value, std::string_view mask);
std::string_view formatInteger(FigureText& out, long long value, std::string_view mask);

}  // namespace formatting

// Format's text written into `out`; answers it. A Single's or an integer's
// digits that fit 32 bits are written here, from a copy of the mask (one
// the figure's characters cannot overwrite, so that a literal's stays
// folded throughout); any other figure in Format.cpp.
std::string_view FormatInto(FigureText& out, double value, const FormatMask& mask);
[[gnu::always_inline]] inline std::string_view FormatInto(FigureText& out, float value, const FormatMask& mask) {
  using namespace formatting;
  const FormatMask m = mask;
  std::uint64_t n = 0;
  if (!m.hasBody() || !scaledToPlaces<kSingleDigits>(value, m.decimals, n) || n > UINT32_MAX)
    return formatSingle(out, value, m.text);
  writeScaled(static_cast<std::uint32_t>(n), value < 0 && n != 0, m, out);
  return out.view();
}
[[gnu::always_inline]] inline std::string_view FormatIntegerInto(FigureText& out, long long value,
                                                                 const FormatMask& mask) {
  using namespace formatting;
  const FormatMask m = mask;
  std::uint64_t n = 0;
  if (!m.hasBody() || !integerToPlaces(value, m.decimals, n) || n > UINT32_MAX)
    return formatInteger(out, value, m.text);
  writeScaled(static_cast<std::uint32_t>(n), value < 0, m, out);
  return out.view();
}

template <std::integral T>
[[gnu::always_inline]] inline std::string_view FormatInto(FigureText& out, T value, const FormatMask& mask) {
  return FormatIntegerInto(out, static_cast<long long>(value), mask);
}
