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
// "0"). The significant digits are those printf's "%.*e" gives: the exact
// binary value rounded, a tie to the even digit. A negative value is written
// with a leading "-", unless it rounds to 0. A value that is not a number, or
// is infinite, is written as 0.
#include <concepts>
#include <cstddef>
#include <string>
#include <string_view>
#include <type_traits>

namespace records {
struct Currency;
}

// A mask read into its parts: its body runs from its first placeholder or
// point to its last; before the body is its prefix, after it its suffix. A
// mask written as a literal where a figure is formatted (Format(x, "0.00"),
// line.put(22, x, "0.00", 5)) is read while compiling; any other text where
// the FormatMask is made. It refers to the mask's text, which must outlive
// it.
class FormatMask {
 public:
  template <std::size_t N>
  consteval FormatMask(const char (&mask)[N]) : FormatMask(Read(std::string_view(mask, LengthOf(mask, N)))) {}
  template <class Text>
    requires(std::convertible_to<const Text&, std::string_view> && !std::is_array_v<Text>)
  FormatMask(const Text& mask) : FormatMask(Read(std::string_view(mask))) {}

  std::string_view text;  // the whole mask
  std::size_t first = std::string_view::npos, last = 0;
  bool point = false;         // the body holds a decimal point
  bool grouped = false;       // a "," among the whole placeholders
  std::size_t decimals = 0;   // placeholders after the first point
  std::size_t minimum = 0;    // whole digits always shown: from the first "0" on

  constexpr bool hasBody() const { return first != std::string_view::npos; }
  // The prefix and suffix of a mask with a body.
  constexpr std::string_view prefix() const { return {text.data(), first}; }
  constexpr std::string_view suffix() const { return {text.data() + last + 1, text.size() - last - 1}; }

  // The parts of `mask`, read character by character.
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
    return m;
  }

 private:
  constexpr FormatMask() = default;
  static constexpr std::size_t LengthOf(const char* mask, std::size_t n) {
    std::size_t length = 0;
    while (length < n && mask[length] != '\0') ++length;
    return length;
  }
};

std::string Format(double value, const FormatMask& mask);
std::string Format(float value, const FormatMask& mask);
// A Currency with every digit of its exact value (1/10000 counts).
std::string Format(records::Currency value, const FormatMask& mask);
std::string FormatInteger(long long value, const FormatMask& mask);

template <std::integral T>
std::string Format(T value, const FormatMask& mask) {
  return FormatInteger(static_cast<long long>(value), mask);
}
