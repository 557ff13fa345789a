#pragma once
// How numbers become text and text becomes numbers throughout the program.
#include <cstdint>
#include <string>
#include <string_view>

// Trim, UCase and the Windows-1252 letter classes, which the records use too.
#include "platform/Text1252.h"

// A Single written as decimal text: at most 7 significant digits, no trailing
// zeros, no 0 before the point (0.8 gives ".8", -0.25 gives "-.25"), and the
// exponent form ("1.234568E+07", "1E-05") outside 0.0001 to 9999999.
std::string SingleText(float value);
// The same for a Double, with at most 15 significant digits.
std::string DoubleText(double value);
// A text of SingleText or DoubleText with its exponent form written out in
// digits: "1.234568E+07" gives "12345680", "-1E-05" gives "-.00001"; a text
// without an exponent is given back as it is.
std::string WithoutExponent(const std::string& text);

// What SingleText's text reads back as (Val): the Single to 7 significant
// digits; the texts of an infinity ("INF") and of NaN ("0") read as 0.
float SingleTextValue(float value);
// As DoubleText, with a leading blank for a value of 0 or more (" 1", "-1"),
// as page numbers are written.
std::string StrDouble(double value);

// The leading number of typed text: leading blanks skipped, then a sign,
// digits, a decimal point and an exponent (E or D) as far as they go, read
// as the nearest double; text that begins with no number, and a number past
// a double's range, read as 0.
double Val(const std::string& text);
// As Val, but a number too large for a double reads as the infinity of its
// sign (a typed number refused as too large), one too small as the 0 of its
// sign. Read the same under any locale.
double ValPastRange(const std::string& text);

// The nearest whole number, a half going to the even neighbour (2.5 gives 2,
// 3.5 gives 4); a value past the range gives the bound on its side, NaN 0.
long long RoundHalfEven(double value);
// As RoundHalfEven, kept within a 16-bit Integer or a 32-bit Long; false
// when out of range (NaN and the infinities too).
bool ToInteger(double value, int& out);
bool ToLong(double value, int32_t& out);
