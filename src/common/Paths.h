#pragma once
// Small procedures on paths and on text read from files and settings.
// A path separator is "/" as this program writes paths, or "\" as paths
// typed on the farm's older machines and kept in settings are written.
#include <string>

// `FileName` with its extension replaced by `Extension` (given without the
// dot): the text after the last "." is replaced, a name without a dot gains
// "." and `Extension`, and a name that already has it (letter case ignored)
// is returned unchanged. An empty or all-blank name gives "ERROR".
std::string ChangeExtension(const std::string& FileName, const std::string& Extension);

// `Folder` ending in a separator: "/" added when it ends in neither.
std::string WithSeparator(const std::string& Folder);
// Everything up to and including the last separator; "" when there is none.
std::string FolderPart(const std::string& Path);

// Everything after the last separator (empty when the path ends in one); ""
// when there is no separator at all, not the whole text.
std::string FileNamePart(const std::string& Path);

// `Text` without its leading and trailing blanks, then without any NUL
// character. Blanks between other characters stay, also those that stood
// before a removed NUL.
std::string StripNulls(const std::string& Text);
