#pragma once
// How a stored due date is read where it is not "MM/DD/YYYY": every reader of
// SowRecord.DateDue (the sow card window and printout, the litter window, the
// dates-due report, the sow query) reads it through these.
#include <array>
#include <optional>
#include <string>
#include <string_view>

// Eight digits "MMDDYYYY" as "MM/DD/YYYY" ("03152020" gives "03/15/2020");
// nothing for any other text.
std::optional<std::string> EightDigitDate(const std::string& text);
// The same written into `date`, no text made; false for any other text.
bool EightDigitDateInto(std::string_view text, std::array<char, 10>& date);

// A due date stored as digits alone: eight as "MM/DD/YYYY", others through
// the "##/##/####" mask (1152024 gives "1/15/2024"); nothing for an empty
// text or one with any other character.
std::optional<std::string> DigitsDueDate(const std::string& text);

// `text` read as a number and its digits laid from the right into a date
// picture: four for the year, two for the day, the rest for the month.
// `monthZero` pads the month to two digits and the whole to eight
// ("00/##/####": 5082024 gives "05/08/2024"); without it the mask is
// "##/##/####" (1152024 gives "1/15/2024").
std::string DigitsAsDate(const std::string& text, bool monthZero);
