#pragma once
// How a stored due date is read. The litter window, the dates-due report and
// the sow query take the date it holds from ReadDueDate. The sow card window
// and its printout show it through the card's own mask instead
// (DigitsDueDate: digits alone "1152024" as "1/15/2024"): the same date, told
// without the month's leading zero.
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
