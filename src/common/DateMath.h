#pragma once
// Arithmetic on dates written "MM/DD/YYYY" (as the masked date box gives them;
// "-" is accepted in place of "/"). A date becomes a day number, days from
// 01/01/1970, and back.
//
// A day past the end of its month but not past 31 (02/29/2100, 04/31/2024)
// counts on into the next month: 02/29/2100 is the day after 02/28/2100, the
// same day as 03/01/2100. So every date the date check can pass has a day
// number, and arithmetic on it never fails.
#include <optional>
#include <string>
#include <string_view>

// Days from the date bred to the date due to farrow.
inline constexpr int kGestationDays = 114;

// True for a date box's empty text "__/__/____", for blanks (a due date the
// sow card left empty) and for "".
bool IsEmptyDate(const std::string& date);

// The day number of a date; nothing when the text is not a date of the form
// MM/DD/YYYY with month 1 to 12 and day 1 to 31.
std::optional<long> DayNumber(std::string_view date);
// The date "MM/DD/YYYY" of a day number.
std::string DateOfDay(long dayNumber);

// `date` moved by `days` (negative for earlier); "" when `date` is no date
// and when the result would lie outside 01/01/0000 to 12/31/9999.
std::string AddDays(const std::string& date, long days);
// The date due to farrow of a sow bred on `dateBred`; "" when it is no date
// or when the due date would pass 12/31/9999.
std::string DueDate(const std::string& dateBred);
// Days from `from` to `to` (negative when `to` comes first); nothing when
// either is no date.
std::optional<long> DaysBetween(std::string_view from, std::string_view to);
