#pragma once
// Arithmetic on dates written "MM/DD/YYYY" (as the masked date box gives them;
// "-" is accepted in place of "/"). A date becomes a day number, days from
// 01/01/1970, and back.
//
// A day past the end of its month but not past 31 (02/29/2100, 04/31/2024)
// counts on into the next month: 02/29/2100 is the day after 02/28/2100, the
// same day as 03/01/2100. So every date the date check can pass has a day
// number, and arithmetic on it never fails.
#include <bit>
#include <cstdint>
#include <cstring>
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
// A date as the day count takes it: its year counted from March and 400 on
// (January and February count in the year before; the leap day falls at the
// year's end), and its day in that year.
struct MarchDay {
  unsigned year;
  long day;
};

// The March day of `date` into `d`; false (`d` untouched) when it is no date.
inline bool MarchDayOf(std::string_view date, MarchDay& d) {
  static_assert(std::endian::native == std::endian::little, "the first character is the word's lowest byte");
  // "MM/DD/YYYY" read as two words, its first eight characters and its last
  // two, each character one byte, the first lowest. Each character is taken
  // by the bits it differs in from '0' where a digit stands and from '/'
  // where a separator does ('-' read as '/' by setting its bit 1): a digit
  // then reads as its value, 0 to 9, a separator as 0, and any other
  // character as more. In the first word:
  constexpr uint64_t kPattern = 0x3030'2F30'302F'3030;      // '0' at each digit's place, '/' at each separator's
  constexpr uint64_t kSeparatorBit = 0x0000'0200'0002'0000;  // bit 1 at each separator's place
  constexpr uint64_t kPastMost = 0x7676'7F76'767F'7676;      // added, makes 0x80 of one more than a place's most (9, 0)
  constexpr uint64_t kHighBits = 0x8080'8080'8080'8080;
  // Each month (January first): what its date's year is moved by to count
  // from March and 400 on (399 for January and February, which fall in the
  // year before), and the days from the 1st of March to its 1st. The leap
  // day then falls at the year's end.
  struct MonthStart {
    unsigned yearFrom;
    unsigned days;
  };
  static constexpr MonthStart kMonths[12] = {{399, 306}, {399, 337}, {400, 0},   {400, 31},  {400, 61},  {400, 92},
                                             {400, 122}, {400, 153}, {400, 184}, {400, 214}, {400, 245}, {400, 275}};

  if (date.size() != 10) return false;
  uint64_t head;
  uint16_t tail;
  std::memcpy(&head, date.data(), 8);
  std::memcpy(&tail, date.data() + 8, 2);
  const uint64_t digits = (head | kSeparatorBit) ^ kPattern;
  const unsigned tailDigits = tail ^ 0x3030u;
  // A place that reads as more than its most gets its high bit with the
  // addition (or had it before): a carry out of a byte comes only from one.
  const uint64_t wrong = (((digits + kPastMost) | digits) & kHighBits) | (((tailDigits + 0x7676u) | tailDigits) & 0x8080u);
  if (wrong != 0) return false;
  // Each pair of digits' value at its first byte: ten times each digit plus
  // the next byte's (each at most 9, so nothing carries).
  const uint64_t pairs = digits * 10 + (digits >> 8);
  const unsigned month = pairs & 0xFF, dayOfMonth = (pairs >> 24) & 0xFF;
  const unsigned year = ((pairs >> 48) & 0xFF) * 100 + (tailDigits & 0xFF) * 10 + (tailDigits >> 8);
  if (month < 1 || month > 12 || dayOfMonth < 1 || dayOfMonth > 31) return false;
  // The first of the month plus the days after it: a day past the month's
  // end runs on into the next month.
  const MonthStart& start = kMonths[month - 1];
  d.year = year + start.yearFrom;
  d.day = start.days + dayOfMonth - 1;
  return true;
}

// The day number of a March day.
inline long DayNumberOf(const MarchDay& d) {
  // Days from the 1st of March of the year -400 to 01/01/1970: the count
  // starts 400 years early, so that every year of four digits counts from a
  // year above 0.
  constexpr long kShiftedEpoch = 719468 + 146097;
  const unsigned centuries = d.year / 100;
  const long yearStart = 365 * d.year + d.year / 4 - centuries + centuries / 4;
  return yearStart + d.day - kShiftedEpoch;
}

// The day number of `date` into `day`; false (`day` untouched) when it is no
// date. DayNumber without the optional, inline for the loops that take a
// date or two from every record.
inline bool DayNumberOf(std::string_view date, long& day) {
  MarchDay d;
  if (!MarchDayOf(date, d)) return false;
  day = DayNumberOf(d);
  return true;
}

// Days from `from` to `to` (negative when `to` comes first); nothing when
// either is no date.
inline std::optional<long> DaysBetween(std::string_view from, std::string_view to) {
  MarchDay a, b;
  if (!MarchDayOf(from, a) || !MarchDayOf(to, b)) return std::nullopt;
  // Within one year from March the years' days cancel.
  if (a.year == b.year) return b.day - a.day;
  return DayNumberOf(b) - DayNumberOf(a);
}
