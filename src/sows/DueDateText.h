#pragma once
// How a stored due date is read. Every reader of SowRecord.DateDue (the sow
// card window and printout, the litter window, the dates-due report, the sow
// query) takes the date it holds from ReadDueDate, and shows it as it does.
#include <optional>
#include <string>
#include <string_view>

// The date a stored due date holds, as "MM/DD/YYYY": digits alone (up to
// eight, as some files hold them) are laid from the right into the year,
// the day and the month ("03152020" and "3152020" give "03/15/2020",
// "1152024" gives "01/15/2024"); any other text is the date as stored,
// without the blanks and NULs around it. Nothing for a blank due date or
// "__/__/____", which hold none.
std::optional<std::string> ReadDueDate(std::string_view stored);

// The sow card's text of a due date stored as digits alone: eight as
// "MM/DD/YYYY", others through the "##/##/####" mask (1152024 gives
// "1/15/2024"); nothing for an empty text or one with any other character.
std::optional<std::string> DigitsDueDate(const std::string& text);

// `text` read as a number and its digits laid from the right into a date
// picture: four for the year, two for the day, the rest for the month.
// `monthZero` pads the month to two digits and the whole to eight
// ("00/##/####": 5082024 gives "05/08/2024"); without it the mask is
// "##/##/####" (1152024 gives "1/15/2024").
std::string DigitsAsDate(const std::string& text, bool monthZero);
