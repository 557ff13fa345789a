#include "shell/ClockEntry.h"

#include <cctype>
#include <charconv>

#include "common/DateChecks.h"

namespace {

bool allDigits(const std::string& text, size_t from, size_t count) {
  for (size_t i = from; i < from + count; ++i)
    if (!std::isdigit(static_cast<unsigned char>(text[i]))) return false;
  return true;
}

// The digits at `from` read as a number (allDigits has seen them).
int number(const std::string& text, size_t from, size_t count) {
  int n = 0;
  std::from_chars(text.data() + from, text.data() + from + count, n);
  return n;
}

bool isLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int daysInMonth(int year, int month) {
  static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && isLeapYear(year) ? 29 : days[month - 1];
}

}  // namespace

std::optional<platform::CivilDate> TypedClockDate(const std::string& text) {
  if (text.size() != 10) return std::nullopt;
  const char sep = text[2];
  if ((sep != '/' && sep != '-') || text[5] != sep) return std::nullopt;
  if (!allDigits(text, 0, 2) || !allDigits(text, 3, 2) || !allDigits(text, 6, 4)) return std::nullopt;
  platform::CivilDate date{number(text, 6, 4), number(text, 0, 2), number(text, 3, 2)};
  if (date.month < 1 || date.month > 12) return std::nullopt;
  if (date.day < 1 || date.day > daysInMonth(date.year, date.month)) return std::nullopt;
  if (!IsSettableDate(date)) return std::nullopt;
  return date;
}

std::optional<TimeOfDay> TypedClockTime(const std::string& text) {
  if (text.size() != 8 || text[2] != ':' || text[5] != ':') return std::nullopt;
  if (!allDigits(text, 0, 2) || !allDigits(text, 3, 2) || !allDigits(text, 6, 2)) return std::nullopt;
  TimeOfDay time{number(text, 0, 2), number(text, 3, 2), number(text, 6, 2)};
  if (time.hour > 23 || time.minute > 59 || time.second > 59) return std::nullopt;
  return time;
}

Check CheckClockDate(const std::string& typed) {
  if (typed.empty()) return Refusal{"You MUST enter the DATE!", "ENTER DATE"};
  if (!TypedClockDate(typed)) return Refusal{"You entered an invalied DATE!", "ENTER DATE"};
  return std::nullopt;
}

Check CheckClockTime(const std::string& typed) {
  if (typed.empty()) return Refusal{"You MUST enter the TIME!", "ENTER TIME"};
  if (!TypedClockTime(typed)) return Refusal{"You entered an invalied TIME!", "ENTER TIME"};
  return std::nullopt;
}
