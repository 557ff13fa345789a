#pragma once
// Money as a fixed-width column of a list or a printout.
#include <string>

// "$", the whole part, "." and two places of cents, right-aligned in
// `Width` characters; a longer text keeps its first `Width` characters.
// The amount is first written as a Single is ("12.5", ".5", "-3.25", at most
// 7 significant digits, exponent forms written out in digits); the places
// past the cents are then cut, not rounded: 2.345 gives "$2.34". A negative
// amount has its minus after the dollar sign; an amount below one has no 0
// before the point. A `Width` of 0 or less gives "".
std::string FormatMoneyField(float Value, int Width);
