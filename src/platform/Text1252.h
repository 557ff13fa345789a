#pragma once
// Windows-1252 text as the record files hold it: blanks trimmed, case, and
// the letter classes.
#include <string>
#include <string_view>

// Text without leading and trailing blanks, or without trailing blanks only.
std::string Trim(const std::string& text);
std::string RTrim(const std::string& text);
std::string LTrim(const std::string& text);
// The same texts as Trim and RTrim, in place.
std::string_view Trimmed(std::string_view text);
std::string_view RTrimmed(std::string_view text);
// Upper case of Windows-1252 text (letters with accents included).
std::string UCase(const std::string& text);
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
