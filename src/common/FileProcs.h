#pragma once
// Files and folders as the rest of the program asks about them, and a wait
// that keeps the windows live. None of these shows a message: a failure is a
// negative answer.
#include <string>
#include <vector>

// Whether a file's name matches a pattern of ListFiles:
//  - "*" and an ending ("*.DAT"): the last three characters of a name equal
//    those of the pattern, letter case ignored (so XDAT matches too);
//  - a base name, "." and "*" ("SOW.*"): the name without its last four
//    characters equals the text before the pattern's first ".", case ignored;
//  - anything else matches nothing.
bool MatchesPattern(const std::string& Name, const std::string& Pattern);

// Collects into `Names` the names (no folder) of the files of `FolderPath`
// that match `Pattern` (MatchesPattern), in entries 1 to n, and returns n;
// entry 0 is never written. A `Names` with no entry beyond 0 is first made 0
// to 1024 (empty); when the matches outgrow it, it grows to the count + 256,
// keeping its entries. A folder that cannot be read gives 0; at most 32767
// names are collected.
int ListFiles(const std::string& FolderPath, const std::string& Pattern, std::vector<std::string>& Names);

// Whether a folder, or a regular file, of that name exists, letter case of
// the names ignored; "" gives false.
bool FolderExists(const std::string& FolderPath);
bool FileExists(const std::string& FilePath);

// Waits `Seconds`, letting waiting events run (at least once) as they come and
// sleeping between them, so the windows stay live without a processor kept
// busy; the clock's steady seconds measure the time, so neither midnight nor
// a clock set meanwhile stretches or cuts the wait.
void Pause(float Seconds);
