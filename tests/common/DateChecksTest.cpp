#include <gtest/gtest.h>

#include <string>

#include "common/DateChecks.h"
#include "support/TestPlatform.h"

namespace {
constexpr const char* kTitle = "INVALIED  DATE  ENTRY";
constexpr const char* kFormMessage =
    "ERROR: INCORRECT DATE!\r\rYou MUST enter a TWO(2) diget day, month\rand a FOUR(4) diget year.";
constexpr const char* kMonthOver = "ERROR: INVALIED MONTH!\r\r  Your MONTH is greater than 12!";
constexpr const char* kMonthZero = "ERROR: INVALIED MONTH!\r\r  Your MONTH is zero(0)!";
constexpr const char* kDayOver31 = "ERROR: INVALIED DAY!\r\rYour DAY is greater than 31!";
constexpr const char* kDayTooLarge = "ERROR: INVALIED DAY!\r\rYour DAY is to large for the entered MONTH!";
constexpr const char* kDayZero = "ERROR: INVALIED DAY!\r\rYour DAY is zero(0)!";

struct Case {
  const char* date;
  int minYear;
  int result;
  const char* message;  // the box's text, nullptr for a valid date
};

// Checks the result, and that exactly one beep and one exclamation box with
// the expected text came with a failure, none with success; CheckDate gives
// that box as its refusal.
void expectDate(const Case& c, int (*check)(const std::string&, int, int) = ValidateDate) {
  TestPlatform tp;
  SCOPED_TRACE(c.date);
  if (check == ValidateDate)
    EXPECT_EQ(CheckDate(c.date, c.minYear, 7),
              c.message ? Check(Refusal{c.message, kTitle, platform::vbExclamation, 7}) : std::nullopt);
  EXPECT_EQ(check(c.date, c.minYear, -1), c.result);
  if (!c.message) {
    EXPECT_TRUE(tp.dialogs.shown.empty());
    EXPECT_EQ(tp.dialogs.beeps, 0);
    return;
  }
  ASSERT_EQ(tp.dialogs.shown.size(), 1u);
  const ShownBox& box = tp.dialogs.last();
  EXPECT_EQ(box.text, c.message);
  EXPECT_EQ(box.title, kTitle);
  EXPECT_EQ(box.icon, platform::vbExclamation);
  EXPECT_EQ(box.buttons, platform::vbOKOnly);
  EXPECT_TRUE(box.beepBefore);
  EXPECT_EQ(tp.dialogs.beeps, 1);
}
}  // namespace

TEST(ValidateDate, LeapYearsByTheLastTwoDigits) {
  expectDate({"02/29/2000", 1990, 0, nullptr});
  expectDate({"02/29/2100", 1990, 0, nullptr});
  expectDate({"02/29/1900", 1900, 0, nullptr});
  expectDate({"02/29/2024", 1990, 0, nullptr});
  expectDate({"02/29/2001", 1990, 2, kDayTooLarge});
  expectDate({"02/30/2000", 1990, 2, kDayTooLarge});
}

TEST(ValidateDate, DayChecksInOrder) {
  expectDate({"04/31/2005", 1990, 2, kDayTooLarge});
  expectDate({"04/30/2005", 1990, 0, nullptr});
  expectDate({"01/32/2005", 1990, 2, kDayOver31});
  expectDate({"02/32/2005", 1990, 2, kDayOver31});  // over 31 before the month's length
  expectDate({"01/00/2005", 1990, 2, kDayZero});
  expectDate({"12/31/2005", 1990, 0, nullptr});
}

TEST(ValidateDate, MonthChecksComeBeforeDay) {
  expectDate({"13/01/2005", 1990, 1, kMonthOver});
  expectDate({"00/15/2005", 1990, 1, kMonthZero});
  expectDate({"00/00/2005", 1990, 1, kMonthZero});
  expectDate({"13/45/1800", 1990, 1, kMonthOver});
}

TEST(ValidateDate, YearBelowMinimum) {
  expectDate({"12/31/1989", 1990, 3, "ERROR: Your YEAR is less than 1990!"});
  expectDate({"01/01/1990", 1990, 0, nullptr});
  expectDate({"01/05/20", 1990, 3, "ERROR: Your YEAR is less than 1990!"});
  expectDate({"06/15/1999", 2000, 3, "ERROR: Your YEAR is less than 2000!"});
}

TEST(ValidateDate, FormOfTheText) {
  expectDate({"12-31-2005", 1990, 0, nullptr});
  expectDate({"12/31-2005", 1990, 0, nullptr});
  expectDate({"12.31.2005", 1990, 4, kFormMessage});
  expectDate({"__/__/____", 1990, 4, kFormMessage});
  expectDate({"", 1990, 4, kFormMessage});
  expectDate({"12/31", 1990, 4, kFormMessage});
  expectDate({"12/3_/2005", 1990, 4, kFormMessage});
  expectDate({"12/31/200_", 1990, 4, kFormMessage});
}

TEST(ValidateDate, MonthAndDayReadFromLeadingDigits) {
  expectDate({"1A/05/2005", 1990, 0, nullptr});
  expectDate({" 1/ 5/2005", 1990, 0, nullptr});
  expectDate({"1E/05/2005", 1990, 0, nullptr});  // no exponent: month 1
}

TEST(ValidateDate, MonthOrDayBelowOneIsRefused) {
  expectDate({"-1/15/2005", 1990, 1, kMonthZero});
  expectDate({"-9/15/2005", 1990, 1, kMonthZero});
  expectDate({"01/-5/2005", 1990, 2, kDayZero});
}

TEST(ValidateDate, YearThatIsNoWholeNumberIsAFormFault) {
  expectDate({"01/05/1E+5", 1990, 4, kFormMessage});
  expectDate({"01/05/20x5", 1990, 4, kFormMessage});
  expectDate({"01/05/    ", 1990, 4, kFormMessage});
  expectDate({"01/05/ABCD", 1990, 4, kFormMessage});
}

TEST(ValidateDate, NoMessageUnlessAsked) {
  TestPlatform tp;
  for (int show : {0, 1, -2}) {
    EXPECT_EQ(ValidateDate("13/01/2005", 1990, show), 1);
    EXPECT_EQ(ValidateDate("__/__/____", 1990, show), 4);
    EXPECT_EQ(ValidateDate("12/31/1989", 1990, show), 3);
  }
  EXPECT_TRUE(tp.dialogs.shown.empty());
  EXPECT_EQ(tp.dialogs.beeps, 0);
}

TEST(ValidateDateBred, ADateWhoseDueDatePassesTheLastYearIsRefused) {
  const char* past = "ERROR: INVALIED YEAR!\r\rThe DATE DUE to farrow would pass 12/31/9999!";
  for (const Case& c : {Case{"09/08/9999", 1990, kDateValid, nullptr}, Case{"09/09/9999", 1990, kDateBadYear, past},
                        Case{"12/31/9999", 1990, kDateBadYear, past}, Case{"13/01/9999", 1990, kDateBadMonth, kMonthOver}})
    expectDate(c, ValidateDateBred);
}

TEST(DateOrder, MonthFirstToYearFirstAndBack) {
  EXPECT_EQ(DateOrder("12/31/2005", "L"), "2005/12/31");
  EXPECT_EQ(DateOrder("12-31-2005", "L"), "2005/12/31");
  EXPECT_EQ(DateOrder("2005/12/31", "L"), "2005/12/31");
  EXPECT_EQ(DateOrder("2005/12/31", "R"), "12/31/2005");
  EXPECT_EQ(DateOrder("2005-12-31", "R"), "12/31/2005");
  EXPECT_EQ(DateOrder("12/31/2005", "R"), "12/31/2005");
}

TEST(DateOrder, EmptyFormsAndOtherDirections) {
  EXPECT_EQ(DateOrder("", "L"), "____/__/__");
  EXPECT_EQ(DateOrder("", "R"), "__/__/____");
  EXPECT_EQ(DateOrder("__/__/____", "L"), "____/__/__");
  EXPECT_EQ(DateOrder("____/__/__", "R"), "__/__/____");
  EXPECT_EQ(DateOrder("12/31/2005", "l"), "12/31/2005");
  EXPECT_EQ(DateOrder("2005/12/31", "r"), "2005/12/31");
  EXPECT_EQ(DateOrder("", "X"), "");
}

TEST(IsSettableDate, From1980To2107) {
  EXPECT_FALSE(IsSettableDate({1979, 12, 31}));
  EXPECT_TRUE(IsSettableDate({1980, 1, 1}));
  EXPECT_TRUE(IsSettableDate({2026, 12, 7}));
  EXPECT_TRUE(IsSettableDate({2107, 12, 31}));
  EXPECT_FALSE(IsSettableDate({2108, 1, 1}));
}
