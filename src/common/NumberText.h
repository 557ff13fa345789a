#pragma once
// How numbers become text and text becomes numbers throughout the program.
#include <string>
#include <string_view>

// A Single written as decimal text: at most 7 significant digits, no trailing
// zeros, no 0 before the point (0.8 gives ".8", -0.25 gives "-.25"), and the
// exponent form ("1.234568E+07", "1E-05") outside 0.0001 to 9999999.
std::string SingleText(float value);
// The same for a Double, with at most 15 significant digits.
std::string DoubleText(double value);
// What SingleText's text reads back as (Val): the Single to 7 significant
// digits; the texts of an infinity ("INF") and of NaN ("0") read as 0.
float SingleTextValue(float value);
// As SingleText / DoubleText, with a leading blank for a value of 0 or more
// (" 1", "-1"), as page numbers are written.
std::string StrSingle(float value);
std::string StrDouble(double value);

// The leading number of typed text: leading blanks skipped, then a sign,
// digits, a decimal point and an exponent (E or D) as far as they go; text
// that begins with no number reads as 0.
double Val(const std::string& text);

// The nearest whole number, a half going to the even neighbour (2.5 gives 2,
// 3.5 gives 4).
long long RoundHalfEven(double value);
// As RoundHalfEven, kept within a 16-bit Integer; false when out of range.
bool ToInteger(double value, int& out);

// Text without leading and trailing blanks, or without trailing blanks only.
std::string Trim(const std::string& text);
std::string RTrim(const std::string& text);
std::string LTrim(const std::string& text);
// The same texts as Trim and RTrim, in place.
std::string_view Trimmed(std::string_view text);
std::string_view RTrimmed(std::string_view text);
// Upper case of Windows-1252 text (letters with accents included).
std::string UCase(const std::string& text);
std::string LCase(const std::string& text);
// One Windows-1252 character in upper or lower case; characters without case
// come back unchanged.
char UCaseChar(char c);
char LCaseChar(char c);
// Character classes of one Windows-1252 character, as the platform's
// character tests have them: the letters are A-Z, a-z, the accented letters,
// and the letters among the signs (f with hook, S/Z caron, OE, Y diaeresis,
// the ordinal indicators, micro sign, sharp s); the digits are 0-9.
bool IsLetter1252(char c);
bool IsLetterOrDigit1252(char c);
