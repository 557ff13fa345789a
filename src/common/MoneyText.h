#pragma once
// Money as a fixed-width column of a list or a printout.
#include <string>

// `RoundUp` value that rounds on the first dropped digit; any other cuts.
inline constexpr int kMoneyRoundUp = -1;

// "$", the whole part, "." and the cents (`Precision` 1: two places;
// `Precision` 2: three places; other values are taken as 1), right-aligned in
// `Width` characters; a longer text keeps its first `Width` characters.
// The amount is first written as a Single is ("12.5", ".5", "-3.25", at most
// 7 significant digits); only that text is then cut, or with `RoundUp` -1
// rounded digit by digit, to the places: 2.345 gives "$2.34", or "$2.35"
// rounding; 2.996 rounding gives "$3.00". A negative amount has its minus
// after the dollar sign; an amount below one has no 0 before the point.
// Amounts of 10,000,000 and more and tiny fractions are written out in full
// digits rather than in exponent form. A `Width` of 0 or less gives "".
std::string FormatMoneyField(float Value, int Precision, int Width, int RoundUp);
