#include "common/DateMath.h"

#include <cstdio>

#include "platform/Clock.h"

bool IsEmptyDate(const std::string& date) {
  return date.find_first_not_of(' ') == std::string::npos || date == "__/__/____";
}

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The number the digits of `text` make; -1 when a character is no digit.
int digitsValue(std::string_view text) {
  int value = 0;
  for (char c : text) {
    if (!isDigit(c)) return -1;
    value = value * 10 + (c - '0');
  }
  return value;
}

bool isSeparator(char c) { return c == '/' || c == '-'; }

}  // namespace

std::optional<long> DayNumber(std::string_view date) {
  if (date.size() != 10 || !isSeparator(date[2]) || !isSeparator(date[5])) return std::nullopt;
  const int month = digitsValue(date.substr(0, 2)), day = digitsValue(date.substr(3, 2)),
            year = digitsValue(date.substr(6, 4));
  if (month < 1 || month > 12 || day < 1 || day > 31 || year < 0) return std::nullopt;
  // A day past the month's end counts on into the next month.
  return static_cast<long>(platform::daysFromCivil(year, month, day));
}

std::optional<long> DaysBetween(std::string_view from, std::string_view to) {
  const std::optional<long> a = DayNumber(from), b = DayNumber(to);
  if (!a || !b) return std::nullopt;
  return *b - *a;
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
