#pragma once
// The year prompts the main window asks before it opens an area that works in
// one year: the feed and medication year files, the group year, the report and
// graph years. Each shows an input box offering the current year and accepts
// an entry of exactly four digits (blanks around it removed); anything else
// is reported and may be typed again. True means the caller may open
// its window; False, that it opens nothing.
#include <string>

// Sets FeedYear, FeedFile and MedFile to the year typed. An empty entry
// confirmed with OK keeps FeedFile and MedFile and takes FeedYear from
// FeedFile. A year whose feed file is missing is offered as a new file.
// Cancel at the input box changes nothing.
bool AskFeedYear();

// Sets MedFile to the year typed (and FeedFile too when that is empty). An
// empty entry confirmed with OK keeps MedFile. A year whose medication file is
// missing is offered as a new file. Cancel at the input box changes nothing.
bool AskMedYear();

// Asks for a group year; `Year` receives the four digits accepted.
bool AskGroupYear(std::string& Year);

// Asks for a year with the caller's prompt and titles; `Year` receives the four
// digits accepted.
bool CheckYearEntry(const std::string& Prompt, const std::string& ErrorTitle, const std::string& BoxTitle,
                    std::string& Year);
