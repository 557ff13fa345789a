#include "common/DateChecks.h"

#include <tuple>

#include "common/DateMath.h"

namespace {

constexpr const char* kDateTitle = "INVALIED  DATE  ENTRY";

// Characters `from` (counted from 1) on, at most `count`, as far as the text
// goes.
std::string mid(const std::string& s, size_t from, size_t count) {
  return from - 1 < s.size() ? s.substr(from - 1, count) : std::string();
}
// Character `at` (from 1), or 0 beyond the end.
char charAt(const std::string& s, size_t at) { return at - 1 < s.size() ? s[at - 1] : '\0'; }

bool isSeparator(char c) { return c == '/' || c == '-'; }

// The number a field's leading digits form, after blanks and a sign; 0 when
// no digit follows. `whole` tells whether nothing but blanks comes after the
// digits. Fields are at most four characters, so the number always fits.
int leadingNumber(const std::string& field, bool* whole = nullptr) {
  size_t i = 0;
  while (i < field.size() && field[i] == ' ') ++i;
  int sign = 1;
  if (i < field.size() && (field[i] == '-' || field[i] == '+')) sign = field[i++] == '-' ? -1 : 1;
  int value = 0;
  size_t digits = 0;
  for (; i < field.size() && field[i] >= '0' && field[i] <= '9'; ++i, ++digits)
    value = value * 10 + (field[i] - '0');
  if (whole) {
    size_t rest = i;
    while (rest < field.size() && field[rest] == ' ') ++rest;
    *whole = digits > 0 && rest == field.size();
  }
  return sign * value;
}

bool hasFormOfDate(const std::string& d) {
  if (!isSeparator(charAt(d, 3)) || !isSeparator(charAt(d, 6))) return false;
  for (size_t at : {1, 2, 4, 5, 7, 8, 9, 10})
    if (charAt(d, at) == '_') return false;
  bool wholeYear = false;
  leadingNumber(mid(d, 7, 4), &wholeYear);
  return wholeYear;
}

int daysInMonth(int month, const std::string& d) {
  static constexpr int kDays[13] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month == 2 && leadingNumber(mid(d, 9, 2)) % 4 == 0) return 29;
  return kDays[month];
}

// A date's result and, when it fails, the text of its box.
struct DateVerdict {
  int result = kDateValid;
  std::string message;
};

DateVerdict judge(const std::string& d, int minYear) {
  if (!hasFormOfDate(d))
    return {kDateBadForm,
            "ERROR: INCORRECT DATE!\r\rYou MUST enter a TWO(2) diget day, month\r"
            "and a FOUR(4) diget year."};
  const int month = leadingNumber(mid(d, 1, 2));
  const int day = leadingNumber(mid(d, 4, 2));
  const int year = leadingNumber(mid(d, 7, 4));

  if (month > 12) return {kDateBadMonth, "ERROR: INVALIED MONTH!\r\r  Your MONTH is greater than 12!"};
  if (month < 1) return {kDateBadMonth, "ERROR: INVALIED MONTH!\r\r  Your MONTH is zero(0)!"};
  if (day > 31) return {kDateBadDay, "ERROR: INVALIED DAY!\r\rYour DAY is greater than 31!"};
  if (day > daysInMonth(month, d))
    return {kDateBadDay, "ERROR: INVALIED DAY!\r\rYour DAY is to large for the entered MONTH!"};
  if (day < 1) return {kDateBadDay, "ERROR: INVALIED DAY!\r\rYour DAY is zero(0)!"};
  if (year < minYear) return {kDateBadYear, "ERROR: Your YEAR is less than " + std::to_string(minYear) + "!"};
  return {};
}

int report(const DateVerdict& verdict, int showMessage) {
  if (verdict.result != kDateValid && showMessage == -1)
    Alert(verdict.message, platform::vbExclamation | platform::vbOKOnly, kDateTitle);
  return verdict.result;
}

}  // namespace

int ValidateDate(const std::string& DateString, int MinYear, int ShowMessage) {
  return report(judge(DateString, MinYear), ShowMessage);
}

namespace {

DateVerdict judgeBred(const std::string& DateString, int MinYear) {
  DateVerdict verdict = judge(DateString, MinYear);
  // Only a date the arithmetic reads can have its due date cut.
  if (verdict.result == kDateValid && DayNumber(DateString) && DueDate(DateString).empty())
    verdict = {kDateBadYear, "ERROR: INVALIED YEAR!\r\rThe DATE DUE to farrow would pass 12/31/9999!"};
  return verdict;
}

Check asCheck(const DateVerdict& verdict, int field) {
  if (verdict.result == kDateValid) return std::nullopt;
  return Refusal{verdict.message, kDateTitle, platform::vbExclamation, field};
}

}  // namespace

int ValidateDateBred(const std::string& DateString, int MinYear, int ShowMessage) {
  return report(judgeBred(DateString, MinYear), ShowMessage);
}

Check CheckDate(const std::string& DateString, int MinYear, int field) {
  return asCheck(judge(DateString, MinYear), field);
}

Check CheckDateBred(const std::string& DateString, int MinYear, int field) {
  return asCheck(judgeBred(DateString, MinYear), field);
}

std::string DateOrder(const std::string& DateString, const std::string& Direction) {
  const std::string& d = DateString;
  const auto right = [&d](size_t n) { return d.size() > n ? d.substr(d.size() - n) : d; };
  if (Direction == "L") {
    if (d.empty()) return "____/__/__";
    if (isSeparator(charAt(d, 3))) return right(4) + "/" + mid(d, 1, 2) + "/" + mid(d, 4, 2);
  } else if (Direction == "R") {
    if (d.empty()) return "__/__/____";
    if (isSeparator(charAt(d, 5))) return mid(d, 6, 2) + "/" + right(2) + "/" + mid(d, 1, 4);
  }
  return d;
}

bool IsSettableDate(const platform::CivilDate& DateValue) {
  const auto date = std::tie(DateValue.year, DateValue.month, DateValue.day);
  return date >= std::make_tuple(1980, 1, 1) && date < std::make_tuple(2108, 1, 1);
}
