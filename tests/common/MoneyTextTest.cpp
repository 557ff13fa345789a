#include <gtest/gtest.h>

#include "common/MoneyText.h"

namespace {
std::string cents(float v) { return FormatMoneyField(v, 10); }
}  // namespace

TEST(FormatMoneyField, TableOfTwoPlacesInTen) {
  EXPECT_EQ(cents(12.5f), "    $12.50");
  EXPECT_EQ(cents(1200), "  $1200.00");
  EXPECT_EQ(cents(0), "     $0.00");
  EXPECT_EQ(cents(0.5f), "      $.50");
  EXPECT_EQ(cents(2.345f), "     $2.34");
  EXPECT_EQ(cents(2.996f), "     $2.99");  // cut, not rounded
  EXPECT_EQ(cents(0.095f), "      $.09");
  EXPECT_EQ(cents(-3.25f), "    $-3.25");
}

TEST(FormatMoneyField, TextIsCutOnTheRight) {
  EXPECT_EQ(cents(1234567), "$1234567.0");       // 11 characters in 10
  EXPECT_EQ(cents(123456.78f), "$123456.80");    // 7 significant digits first
  EXPECT_EQ(FormatMoneyField(99.5f, 4), "$99.");
  EXPECT_EQ(FormatMoneyField(5, 0), "");
  EXPECT_EQ(FormatMoneyField(5, -3), "");
}

TEST(FormatMoneyField, AmountsBeyondTheSingleTextRangeAreWrittenInFull) {
  EXPECT_EQ(FormatMoneyField(12345678, 14), "  $12345680.00");
  EXPECT_EQ(FormatMoneyField(0.00001f, 10), "      $.00");
  EXPECT_EQ(FormatMoneyField(-20000000, 14), " $-20000000.00");
}
