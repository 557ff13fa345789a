#pragma once
// Every setting is read or written one value at a time through IniAccess.
#include <string>

// Modes of IniAccess: kIniWrite writes; any other value reads (callers pass
// kIniRead).
inline constexpr int kIniRead = 0;
inline constexpr int kIniWrite = -1;

// The most characters of a value a read hands back.
inline constexpr int kIniValueLimit = 254;

// Reads (`Mode` other than -1) or writes (`Mode` -1) `IniKey` of `Section` in
// the settings file `IniPath`, whose extension is made "INI" first (a path
// given without an extension gains it).
//  - Read: `Value` receives the stored value, at most 254 characters, blanks
//    around it and NUL characters removed; "" when the file, the section or
//    the key is missing or the key holds nothing.
//  - Write: the file, section and key are made as needed; a write the file
//    system refuses goes unreported, and a later read returns what is on disk.
// A path without a folder or without a file name, or a failure of the access
// itself, shows one critical box (no beep) and leaves `Value` as it was; the
// caller never sees a failure.
void IniAccess(const std::string& IniPath, const std::string& Section, const std::string& IniKey,
               std::string& Value, int Mode);
