#include "common/DateMath.h"

#include <bit>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "platform/Clock.h"

namespace {

// Days from the 1st of March to the 1st of each month (January first), in a
// year counted from March: the leap day then falls at the year's end.
constexpr long kDaysFromMarch[12] = {306, 337, 0, 31, 61, 92, 122, 153, 184, 214, 245, 275};
// Days from the 1st of March of the year -400 to 01/01/1970: the count below
// starts 400 years early, so that every year of four digits counts from a
// year above 0.
constexpr long kShiftedEpoch = 719468 + 146097;

// "MM/DD/YYYY" read as two words, its first eight characters and its last
// two, each character one byte, the first lowest. In the first word:
constexpr uint64_t kDigitHighs = 0xF0F000F0F000F0F0;  // the high halves of the six digits' bytes
constexpr uint64_t kDigitZeros = 0x3030003030003030;  // '0' in each digit's place
constexpr uint64_t kDigitSixes = 0x0606000606000606;  // 6 in each digit's place: '9' + 6 keeps 3 high, ':' + 6 does not
constexpr uint64_t kSeparators = 0x0000FF0000FF0000;  // the two separators' bytes
constexpr uint64_t kSlashes = 0x00002F00002F0000;     // '/' in both: '-' with its bit 1 set
constexpr uint64_t kSeparatorBit = 0x0000020000020000;

// The day number of `date` into `day`; false when it is no date. Both the
// day number and the days between two dates come from here.
inline bool dayNumberOf(std::string_view date, long& day) {
  static_assert(std::endian::native == std::endian::little, "the first character is the word's lowest byte");
  if (date.size() != 10) return false;
  uint64_t head;
  uint16_t tail;
  std::memcpy(&head, date.data(), 8);
  std::memcpy(&tail, date.data() + 8, 2);
  // Every digit's byte 0x30 to 0x39 (high half 3, and still 3 with 6 added),
  // both separators '/' or '-', tested together.
  const uint64_t wrong = ((head & kDigitHighs) ^ kDigitZeros) | (((head + kDigitSixes) & kDigitHighs) ^ kDigitZeros) |
                         (((head | kSeparatorBit) & kSeparators) ^ kSlashes) | ((tail & 0xF0F0) ^ 0x3030) |
                         (((tail + 0x0606) & 0xF0F0) ^ 0x3030);
  if (wrong != 0) return false;
  // Each pair of digits' value at its first byte: ten times each digit plus
  // the next byte's (the separators taken out, so nothing carries).
  const uint64_t digits = (head & ~kSeparators) - kDigitZeros;
  const uint64_t pairs = digits * 10 + (digits >> 8);
  const unsigned month = pairs & 0xFF, dayOfMonth = (pairs >> 24) & 0xFF;
  const unsigned year = ((pairs >> 48) & 0xFF) * 100 + (tail & 0xFF) % 16 * 10 + (tail >> 8) % 16;
  if (month < 1 || month > 12 || dayOfMonth < 1 || dayOfMonth > 31) return false;
  // The years from March, 400 on: January and February count in the year
  // before. The first of the month plus the days after it: a day past the
  // month's end runs on into the next month.
  const unsigned y = year + 400 - (month <= 2);
  const long yearStart = 365 * y + y / 4 - y / 100 + y / 400;
  day = yearStart + kDaysFromMarch[month - 1] + dayOfMonth - 1 - kShiftedEpoch;
  return true;
}

}  // namespace

bool IsEmptyDate(const std::string& date) {
  return date.find_first_not_of(' ') == std::string::npos || date == "__/__/____";
}

std::optional<long> DayNumber(std::string_view date) {
  long day;
  if (!dayNumberOf(date, day)) return std::nullopt;
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

std::optional<long> DaysBetween(std::string_view from, std::string_view to) {
  long a, b;
  if (!dayNumberOf(from, a) || !dayNumberOf(to, b)) return std::nullopt;
  return b - a;
}
