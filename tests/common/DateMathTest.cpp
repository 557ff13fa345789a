// Day numbers, due dates and days between dates of "MM/DD/YYYY" texts.
#include <gtest/gtest.h>

#include <optional>
#include <string_view>

#include "common/DateMath.h"

TEST(DateMath, DueDateIs114DaysAfterBreeding) {
  EXPECT_EQ(DueDate("01/01/2023"), "04/25/2023");
  EXPECT_EQ(DueDate("11/15/2023"), "03/08/2024");  // across a leap day
  EXPECT_EQ(DueDate("11/15/2022"), "03/09/2023");
  EXPECT_EQ(DueDate("10/01/1999"), "01/23/2000");
  EXPECT_EQ(DueDate("10-01-1999"), "01/23/2000");
}

TEST(DateMath, NoDateIsCutToFourYearDigits) {
  EXPECT_EQ(DueDate("09/08/9999"), "12/31/9999");
  EXPECT_EQ(DueDate("09/09/9999"), "");  // not "01/01/1000"
  EXPECT_EQ(DueDate("12/31/9999"), "");
  EXPECT_EQ(AddDays("01/01/0000", -1), "");
}

TEST(DateMath, DaysBetweenDates) {
  EXPECT_EQ(DaysBetween("04/05/2023", "04/26/2023"), 21);
  EXPECT_EQ(DaysBetween("04/26/2023", "04/05/2023"), -21);
  EXPECT_EQ(DaysBetween("02/28/2024", "03/01/2024"), 2);
  EXPECT_EQ(DaysBetween("02/28/2023", "03/01/2023"), 1);
  EXPECT_EQ(DaysBetween("12/31/1999", "01/01/2000"), 1);
  EXPECT_EQ(DayNumber("01/01/1970"), 0);
  EXPECT_EQ(DateOfDay(-1), "12/31/1969");
  EXPECT_EQ(AddDays("12/30/9999", 1), "12/31/9999");
  EXPECT_EQ(AddDays("01/05/0007", 0), "01/05/0007");
}

TEST(DateMath, DayPastTheMonthsEndCountsOnIntoTheNextMonth) {
  // 2100 is no leap year: its 02/29 is the day after 02/28, as 03/01 is.
  EXPECT_EQ(DayNumber("02/29/2100"), DayNumber("03/01/2100"));
  EXPECT_EQ(DaysBetween("02/28/2100", "02/29/2100"), 1);
  EXPECT_EQ(DueDate("02/29/2100"), "06/23/2100");
  EXPECT_EQ(DueDate("03/01/2100"), "06/23/2100");
  EXPECT_EQ(AddDays("02/29/2100", 0), "03/01/2100");
  EXPECT_EQ(AddDays("04/31/2024", 0), "05/01/2024");
  // A true leap day is its own day.
  EXPECT_EQ(DaysBetween("02/29/2000", "03/01/2000"), 1);
}

TEST(DateMath, NonDatesGiveNothing) {
  for (const char* t : {"__/__/____", "", "          ", "13/01/2023", "00/10/2023", "01/32/2023",
                        "01/00/2023", "1/1/2023", "01.01.2023", "01/01/20_3", "ab/cd/efgh"}) {
    EXPECT_FALSE(DayNumber(t)) << t;
    EXPECT_EQ(DueDate(t), "") << t;
  }
  EXPECT_FALSE(DaysBetween("__/__/____", "01/01/2023"));
}

// Day numbers at the edges: both separators, the first and last days a date
// can hold, leap days, days past a month's end, and characters next to the
// digits, the separators and a valid text's length.
TEST(DateMath, DayNumbersAtTheEdges) {
  using namespace std::string_view_literals;
  const struct {
    std::string_view date;
    std::optional<long> day;
  } cases[] = {
      {"01/01/0000", -719528},   {"02/29/0000", -719469},   {"10/31/0001", -718859},   {"03/01/1600", -135080},
      {"12/31/1969", -1},        {"02/29/2000", 11016},     {"02/29/2100", 47541},     {"02/31/2023", 19419},
      {"04/31/2024", 19844},     {"01-15-2024", 19737},     {"07/04-1776", -70672},    {"12/31/9999", 2932896},
      {"12/31/999:", {}},        {"/1/01/2024", {}},        {"01/0:/2024", {}},        {"01/01/20 4", {}},
      {"01.01/2024", {}},        {"01/01,2024", {}},        {"01\0/01/2024"sv, {}},    {"\xb1" "1/01/2024", {}},
      {"12/00/2024", {}},        {"01/01/2024 ", {}},       {"01/01/202", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(DayNumber(c.date), c.day) << c.date;
}

TEST(DateMath, EmptyDates) {
  EXPECT_TRUE(IsEmptyDate("__/__/____"));
  EXPECT_TRUE(IsEmptyDate("          "));
  EXPECT_TRUE(IsEmptyDate(""));
  EXPECT_FALSE(IsEmptyDate("01/01/2023"));
}
