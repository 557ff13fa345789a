#include <gtest/gtest.h>

#include "common/MoneyText.h"

namespace {
std::string cents(float v, int roundUp = 0) { return FormatMoneyField(v, 1, 10, roundUp); }
}  // namespace

TEST(FormatMoneyField, TableOfTwoPlacesInTen) {
  EXPECT_EQ(cents(12.5f), "    $12.50");
  EXPECT_EQ(cents(1200), "  $1200.00");
  EXPECT_EQ(cents(0), "     $0.00");
  EXPECT_EQ(cents(0.5f), "      $.50");
  EXPECT_EQ(cents(2.345f), "     $2.34");
  EXPECT_EQ(cents(2.345f, -1), "     $2.35");
  EXPECT_EQ(cents(-3.25f), "    $-3.25");
}

TEST(FormatMoneyField, TextIsCutOnTheRight) {
  EXPECT_EQ(cents(1234567), "$1234567.0");       // 11 characters in 10
  EXPECT_EQ(cents(123456.78f), "$123456.80");    // 7 significant digits first
  EXPECT_EQ(FormatMoneyField(99.5f, 1, 4, 0), "$99.");
  EXPECT_EQ(FormatMoneyField(5, 1, 0, 0), "");
  EXPECT_EQ(FormatMoneyField(5, 1, -3, 0), "");
}

TEST(FormatMoneyField, RoundingCarriesThroughTheFraction) {
  EXPECT_EQ(cents(2.996f, -1), "     $3.00");
  EXPECT_EQ(cents(2.996f, 0), "     $2.99");
  EXPECT_EQ(cents(0.095f, -1), "      $.10");
  EXPECT_EQ(cents(0.095f, 0), "      $.09");
  EXPECT_EQ(cents(0.995f, -1), "     $1.00");   // empty whole part becomes 1
  EXPECT_EQ(cents(-0.995f, -1), "    $-1.00");
  EXPECT_EQ(cents(-3.996f, -1), "    $-4.00");  // away from zero
  EXPECT_EQ(cents(99.999f, -1), "   $100.00");
  EXPECT_EQ(cents(2.344f, -1), "     $2.34");   // below 5 does not round
  EXPECT_EQ(cents(2.345f, 1), "     $2.34");    // only -1 rounds
}

TEST(FormatMoneyField, ThreePlaces) {
  EXPECT_EQ(FormatMoneyField(7.1f, 2, 10, 0), "    $7.100");
  EXPECT_EQ(FormatMoneyField(7.12345f, 2, 10, 0), "    $7.123");
  EXPECT_EQ(FormatMoneyField(7.12345f, 2, 10, -1), "    $7.123");
  EXPECT_EQ(FormatMoneyField(7.1235f, 2, 10, -1), "    $7.124");
  EXPECT_EQ(FormatMoneyField(3, 2, 10, 0), "    $3.000");
}

TEST(FormatMoneyField, AmountsBeyondTheSingleTextRangeAreWrittenInFull) {
  EXPECT_EQ(FormatMoneyField(12345678, 1, 14, 0), "  $12345680.00");
  EXPECT_EQ(FormatMoneyField(0.00001f, 1, 10, 0), "      $.00");
  EXPECT_EQ(FormatMoneyField(-20000000, 1, 14, 0), " $-20000000.00");
}
