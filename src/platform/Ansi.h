#pragma once
// Text in this program is held as single-byte Windows-1252 strings, exactly as
// it stands in the record files. Widgets speak Unicode; these two functions are
// the only crossing between the two.
#include <QString>
#include <string>
#include <string_view>

namespace platform {

// Windows-1252 bytes to Unicode.
QString fromAnsi(std::string_view text);
// Unicode to Windows-1252 bytes; a character the code page lacks becomes '?'.
std::string toAnsi(const QString& text);

// Unicode code point of one Windows-1252 byte (0 for the five unused bytes).
char16_t ansiToUnicode(unsigned char c);

}  // namespace platform
