#include <gtest/gtest.h>

#include "common/MoneyText.h"

namespace {
std::string money(double amount, int width = 10) {
  return FormatMoneyField(records::Currency::fromDouble(amount), width);
}
}  // namespace

TEST(FormatMoneyField, TableOfTwoPlacesInTen) {
  EXPECT_EQ(money(12.5), "    $12.50");
  EXPECT_EQ(money(1200), "  $1200.00");
  EXPECT_EQ(money(0), "     $0.00");
  EXPECT_EQ(money(0.5), "      $.50");
  EXPECT_EQ(money(2.345), "     $2.34");
  EXPECT_EQ(money(2.9999), "     $2.99");  // cut, not rounded
  EXPECT_EQ(money(0.095), "      $.09");
  EXPECT_EQ(money(12.10), "    $12.10");  // ten cents: no padding zero
  EXPECT_EQ(money(12.09), "    $12.09");
  EXPECT_EQ(money(0.0001), "      $.00");
  EXPECT_EQ(money(-3.25), "    $-3.25");
  EXPECT_EQ(money(-0.25), "     $-.25");
}

TEST(FormatMoneyField, TextIsCutOnTheRight) {
  EXPECT_EQ(money(1234567), "$1234567.0");  // 11 characters in 10
  EXPECT_EQ(money(99.5, 4), "$99.");
  EXPECT_EQ(money(5, 0), "");
  EXPECT_EQ(money(5, -3), "");
}

// Every digit of the stored amount, also past the seven a Single keeps.
TEST(FormatMoneyField, EveryDigitOfTheAmount) {
  EXPECT_EQ(money(123456.78), "$123456.78");
  EXPECT_EQ(money(12345678, 14), "  $12345678.00");
  EXPECT_EQ(money(99999999), "$99999999.");
  EXPECT_EQ(money(-20000001, 14), " $-20000001.00");
  EXPECT_EQ(FormatMoneyField(records::Currency{INT64_MIN}, 22), "  $-922337203685477.58");
}
