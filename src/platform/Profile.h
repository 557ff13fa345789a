#pragma once
// INI profile strings, with the behaviour of the Windows profile API: sections
// and keys are found without regard to letter case; a missing file, section or
// key reads as the default; the first write creates the file; a write changes
// only its own key and leaves every other line as it was.
#include <string>

namespace platform {

// The value of `key` in `section` of the INI file `path`, blanks around it
// removed and one pair of enclosing quotes taken off; `defaultValue` when the
// file, the section or the key is missing.
std::string getProfileString(const std::string& section, const std::string& key,
                             const std::string& defaultValue, const std::string& path);

// Whether `text` may stand in a profile line: it holds no control character
// (a line break, a tab, ...), which would break the line or plant another.
bool isProfileText(const std::string& text);

// Sets `key` in `section` to `value`, adding the section or the key where
// missing. False when the file cannot be read or written, and, with nothing
// written, when the section, the key or the value is no profile text.
bool writeProfileString(const std::string& section, const std::string& key,
                        const std::string& value, const std::string& path);

}  // namespace platform
