#pragma once
// Checks and conversions of typed dates. Dates are 10-character text
// "MM/DD/YYYY" (month first); a date box left empty holds "__/__/____".
#include <string>

#include "platform/Clock.h"
#include "platform/Refusal.h"

// Results of ValidateDate.
inline constexpr int kDateValid = 0;
inline constexpr int kDateBadMonth = 1;
inline constexpr int kDateBadDay = 2;
inline constexpr int kDateBadYear = 3;  // before the minimum year
inline constexpr int kDateBadForm = 4;

// The minimum year every window passes.
inline constexpr int kFirstDataYear = 1990;

// Checks a typed date "MM/DD/YYYY" or "MM-DD-YYYY"; the first failing test
// decides:
//  4  form: separators "/" or "-" at characters 3 and 6, no "_" in the other
//     eight places (places beyond the end do not count), and a year field
//     (characters 7 to 10) that is a whole number;
//  1  month above 12 or below 1;
//  2  day above 31, beyond the month's days, or below 1;
//  3  year below `MinYear`.
// Month and day are read from their leading digits ("1A" is 1). February has
// 29 days when the year's last two digits divide by 4 (1900 and 2100 too).
// With `ShowMessage` -1 a failure beeps and shows its own exclamation box
// titled "INVALIED  DATE  ENTRY"; any other value shows nothing.
int ValidateDate(const std::string& DateString, int MinYear, int ShowMessage);
// ValidateDate as a check: the refusal its box shows, for the window's
// field `field`; nothing for a valid date.
Check CheckDate(const std::string& DateString, int MinYear, int field);

// ValidateDate for a date bred, which must also leave room for its date due
// to farrow: a date whose due date would pass 12/31/9999 fails with 3 (year)
// and its own box of the same kind. The windows that take a date bred check
// it with this before they compute the due date.
int ValidateDateBred(const std::string& DateString, int MinYear, int ShowMessage);
// ValidateDateBred as a check, as CheckDate is ValidateDate's.
Check CheckDateBred(const std::string& DateString, int MinYear, int field);

// `Direction` "L": "MM/DD/YYYY" (or with "-") to "YYYY/MM/DD"; "R": back.
// The empty forms "__/__/____" and "____/__/__" turn into each other, "" gives
// the empty form of the result, a text not in the expected order and any other
// direction come back unchanged.
std::string DateOrder(const std::string& DateString, const std::string& Direction);

// Whether a date may be set as the clock's date: from 1980-01-01 to
// 2107-12-31. Both limits fall at midnight, so the time of day never changes
// the answer.
bool IsSettableDate(const platform::CivilDate& DateValue);
