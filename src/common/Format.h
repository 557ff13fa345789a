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
#include <concepts>
#include <string>
#include <string_view>

std::string Format(double value, std::string_view mask);
std::string Format(float value, std::string_view mask);
std::string FormatInteger(long long value, std::string_view mask);

template <std::integral T>
std::string Format(T value, std::string_view mask) {
  return FormatInteger(static_cast<long long>(value), mask);
}

// Format's text written into `out`, replacing what it held: a run that
// formats thousands of figures reuses one string and allocates nothing per
// figure. Answers `out` (which must not hold the mask).
const std::string& FormatInto(std::string& out, double value, std::string_view mask);
const std::string& FormatInto(std::string& out, float value, std::string_view mask);
const std::string& FormatIntegerInto(std::string& out, long long value, std::string_view mask);

template <std::integral T>
const std::string& FormatInto(std::string& out, T value, std::string_view mask) {
  return FormatIntegerInto(out, static_cast<long long>(value), mask);
}

