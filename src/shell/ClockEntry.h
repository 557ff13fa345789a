#pragma once
// The date and time the user types when the start-up asks him to correct the
// clock: what is taken, and what is refused.
#include <optional>
#include <string>

#include "platform/Clock.h"
#include "platform/Refusal.h"

// A date typed at the date correction: "MM/DD/YYYY" or "MM-DD-YYYY", a real
// calendar date the clock may be set to. Nothing otherwise.
std::optional<platform::CivilDate> TypedClockDate(const std::string& text);
// A time typed at the time correction: "HH:MM:SS" of a real time of day.
struct TimeOfDay {
  int hour = 0, minute = 0, second = 0;
};
std::optional<TimeOfDay> TypedClockTime(const std::string& text);

// The refusal of a typed date or time (blanks around it removed): nothing
// typed, or no date or time the clock takes.
Check CheckClockDate(const std::string& typed);
Check CheckClockTime(const std::string& typed);
