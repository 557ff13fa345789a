#include "common/DateMath.h"

#include <cstdio>

#include "platform/Clock.h"

bool IsEmptyDate(const std::string& date) {
  return date.find_first_not_of(' ') == std::string::npos || date == "__/__/____";
}

std::optional<long> DayNumber(std::string_view date) {
  long day;
  if (!DayNumberOf(date, day)) return std::nullopt;
  return day;
}

std::string DateOfDay(long dayNumber) {
  const platform::CivilDate d = platform::civilFromDays(dayNumber);
  if (d.year >= 0 && d.year <= 9999) {
    // "mm/dd/yyyy" digit by digit.
    const auto two = [](int n, char* at) {
      at[0] = static_cast<char>('0' + n / 10);
      at[1] = static_cast<char>('0' + n % 10);
    };
    std::string out = "00/00/0000";
    two(d.month, &out[0]);
    two(d.day, &out[3]);
    two(d.year / 100, &out[6]);
    two(d.year % 100, &out[8]);
    return out;
  }
  char buf[16];
  std::snprintf(buf, sizeof buf, "%02d/%02d/%04d", d.month, d.day, d.year);
  return buf;
}

std::string AddDays(const std::string& date, long days) {
  const auto n = DayNumber(date);
  if (!n) return "";
  // Only four year digits fit a date's text: no year is cut.
  const long day = *n + days;
  if (day < platform::daysFromCivil(0, 1, 1) || day > platform::daysFromCivil(9999, 12, 31)) return "";
  return DateOfDay(day);
}

std::string DueDate(const std::string& dateBred) { return AddDays(dateBred, kGestationDays); }
