// Numbers through display masks: placeholders, grouping, literal characters
// and the rounding of the decimal value, a half away from zero.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "common/FixedLine.h"
#include "common/Format.h"
#include "records/Fields.h"

namespace {

struct MaskCase {
  double value;
  const char* mask;
  const char* text;
};

struct SingleCase {
  float value;
  const char* mask;
  const char* text;
};

const MaskCase kDoubleCases[] = {
    {123456.789, "###0.00", "123456.79"},  // every whole digit, beyond the mask
    {10.0 / 25, "###0.00", "0.40"},
    {30 / static_cast<double>(1500.0f / 100), "####0.00", "2.00"},
    {10 / static_cast<double>(50.0f / 100), "####0.00", "20.00"},
    {3000.0 / -1000, "####0.00", "-3.00"},
    {2500.0 / 4, "####0", "625"},
    {125.5, "$0.00", "$125.50"},
    {0, "$0.00", "$0.00"},
    {1250, "$0.00", "$1250.00"},
    {0, "0.00", "0.00"},
    {0, "0.0", "0.0"},
    {0.5, "#0.00", "0.50"},
    {5.5, "  #.00", "  5.50"},
    {0.5, "  #.00", "  .50"},
    {12.345, " ##.00", " 12.35"},  // 12.345 as 15 digits, not as its binary value
    {1234.5, "###.00", "1234.50"},
    {2024, "0000", "2024"},
    {7, "0000", "0007"},
    {0, "#0", "0"},
    {0, "##0", "0"},
    {0, "###", ""},
    {1234567, "#,##0", "1,234,567"},
    {12345.678, "#,##0.00", "12,345.68"},
    {999, "###,###,##0", "999"},
    {1000, "#,###,##0", "1,000"},
    {-1234.5, "$#,##0.00", "-$1,234.50"},
    {2.5, "0", "3"},  // half away from zero, not to even
    {3.5, "0", "4"},
    {-2.5, "0", "-3"},
    {0.125, "0.00", "0.13"},
    {2.675, "0.00", "2.68"},
    {9.995, "0.00", "10.00"},
    {99.96, "#0.0", "100.0"},
    {-0.001, "0.00", "0.00"},  // no sign on a value shown as 0
    {0.0004, "0.000", "0.000"},
    {1e20, "0", "100000000000000000000"},
    {std::numeric_limits<double>::infinity(), "0.00", "0.00"},
};

}  // namespace

TEST(Format, DoubleThroughMask) {
  for (const MaskCase& c : kDoubleCases)
    EXPECT_EQ(Format(c.value, c.mask), c.text) << c.value << " with \"" << c.mask << "\"";
}

TEST(Format, SingleRoundsItsSevenDigits) {
  EXPECT_EQ(Format(10.05f, "0.0"), "10.1");  // 10.0500002 held, 10.05000 read
  EXPECT_EQ(Format(2.675f, "0.00"), "2.68");
  EXPECT_EQ(Format(0.1f + 0.2f, "0.00"), "0.30");
  EXPECT_EQ(Format(86.25f, "0.00"), "86.25");
  EXPECT_EQ(Format(-0.004f, "0.00"), "0.00");
}

TEST(Format, IntegersKeepEveryDigit) {
  EXPECT_EQ(Format(int16_t{12345}, "####0"), "12345");
  EXPECT_EQ(Format(7, "0"), "7");
  EXPECT_EQ(Format(-7, "   0"), "-   7");
  EXPECT_EQ(Format(int32_t{2000000}, "#,##0"), "2,000,000");
  EXPECT_EQ(Format(5L, "0.00"), "5.00");
  EXPECT_EQ(Format(std::numeric_limits<long long>::min(), "0"), "-9223372036854775808");
}

// The significant digits are the exact binary value's, rounded as printf
// rounds them (a tie to the even digit), before the mask's own rounding; at
// the edges of the whole-number path and past them alike.
TEST(Format, SignificantDigitsRoundAsPrintedDigitsDo) {
  const SingleCase singles[] = {
      {1234567.5f, "0", "1234568"},   // a tie at the seventh digit: to the even 8
      {1234568.5f, "0", "1234568"},   // and here to the even 8, not away to 9
      {9999999.0f, "0", "9999999"},   // the last of seven digits
      {16777216.0f, "#,##0", "16,777,220"},  // past seven digits: printed digits
      {0.00001f, "0.000000", "0.000010"},
      {0.000001f, "0.0000000", "0.0000010"},  // below the whole-number path
      {-86.255f, "0.00", "-86.26"},   // 86.25500 held, a half away at the mask
  };
  for (const SingleCase& c : singles)
    EXPECT_EQ(Format(c.value, c.mask), c.text) << c.value << " with \"" << c.mask << "\"";
  const MaskCase doubles[] = {
      {999999999999999.9, "0", "1000000000000000"},  // fifteen nines round up to a 16th digit
      {0.1 + 0.2, "0.0000000000000000", "0.3000000000000000"},  // 15 digits, not the binary tail
      {1e-5, "0.00000", "0.00001"},
      {5e-324, "0", "0"},
      {1e15, "#,##0", "1,000,000,000,000,000"},
      {-2.675, "0.00", "-2.68"},
  };
  for (const MaskCase& c : doubles)
    EXPECT_EQ(Format(c.value, c.mask), c.text) << c.value << " with \"" << c.mask << "\"";
}

// A Single each side of a power of ten (and where rounding to seven digits
// carries to one more), its digits dropped to the mask's places for every
// count of dropped digits; 0, the smallest and largest values, and figures
// of ten digits and more.
TEST(Format, SingleEachSideOfAPowerOfTen) {
  const SingleCase singles[] = {
      {0.1f, "0.0000000", "0.1000000"},
      {std::nextafter(0.1f, 0.f), "0.0000000", "0.1000000"},
      {0.001f, "0.000000", "0.001000"},
      {std::nextafter(0.001f, 0.f), "0.000000", "0.001000"},
      {9.9999995f, "0.00", "10.00"},
      {99.999995f, "0.0", "100.0"},
      {0.99999997f, "0.000", "1.000"},
      {1000000.f, "0", "1000000"},
      {std::nextafter(1000000.f, 0.f), "0.0", "999999.9"},
      {std::nextafter(10.f, 0.f), "0.00000", "10.00000"},
      {1.5f, "0", "2"},                      // six digits dropped
      {0.15f, "0.0", "0.2"},                 // seven
      {0.015f, "0.00", "0.02"},
      {0.0015f, "0.000", "0.002"},
      {0.00015f, "0.0000", "0.0002"},
      {123456.5f, "0", "123457"},            // one
      {1234.565f, "0.00", "1234.57"},        // two
      {0.0f, "0.00", "0.00"},
      {-0.0f, "#,##0.00", "0.00"},
      {std::numeric_limits<float>::quiet_NaN(), "$0.00", "$0.00"},
      {-std::numeric_limits<float>::infinity(), "0.0", "0.0"},
      {1e30f, "#,##0", "1,000,000,000,000,000,000,000,000,000,000"},
      {-0.000001f, "0.00", "0.00"},
      {4294967.0f, "0.000", "4294967.000"},  // 4294967000 thousandths: 32 bits
      {4294968.0f, "0.000", "4294968.000"},  // 4294968000: 64
      {-9999999.0f, "#,##0.000", "-9,999,999.000"},
  };
  for (const SingleCase& c : singles)
    EXPECT_EQ(Format(c.value, c.mask), c.text) << c.value << " with \"" << c.mask << "\"";
}

// Masks of one length that differ in one character, used by turns.
TEST(Format, MasksOfOneLengthDifferingInOneCharacter) {
  const MaskCase cases[] = {
      {5, "#0", "5"},
      {5, "00", "05"},
      {5, "$0.00", "$5.00"},
      {5, "#0.00", "5.00"},
      {5, "#,###,##0.00", "5.00"},
      {5, "#,###,##0.0 ", "5.0 "},
      {5, "$###,###,##0.00 ", "$5.00 "},
      {5, "$###,###,##0.000", "$5.000"},
  };
  for (int round = 0; round < 2; ++round)
    for (const MaskCase& c : cases) EXPECT_EQ(Format(c.value, c.mask), c.text) << "\"" << c.mask << "\"";
}

// A mask written as a literal is read while compiling; read from a text at
// run time it has the same shape.
constexpr FormatMask kMoneyMask = "$#,##0.00 ";
static_assert(kMoneyMask.prefix() == "$" && kMoneyMask.suffix() == " ");
static_assert(kMoneyMask.decimals == 2 && kMoneyMask.minimum == 1 && kMoneyMask.grouped && kMoneyMask.point);
static_assert(!FormatMask("N/A").hasBody());

TEST(Format, MaskReadFromTextAsFromLiteral) {
  const std::string text = "$#,##0.00 ";
  const FormatMask read = text;
  EXPECT_EQ(read.prefix(), kMoneyMask.prefix());
  EXPECT_EQ(read.suffix(), kMoneyMask.suffix());
  EXPECT_EQ(read.decimals, kMoneyMask.decimals);
  EXPECT_EQ(Format(-1234.5, text), "-$1,234.50 ");
  EXPECT_EQ(Format(-1234.5, kMoneyMask), "-$1,234.50 ");
  EXPECT_EQ(Format(7, std::string("N/A")), "N/A");
}

// A Double that is a whole number is written as an integer is, up to its
// fifteen digits, with places and without, with the sign of a negative and
// none on a negative zero.
TEST(Format, WholeDoubleAsItsInteger) {
  const MaskCase cases[] = {
      {1234567, "##,###,##0", "1,234,567"},
      {-1234567, "###,###,##0.0", "-1,234,567.0"},
      {-0.0, "0.00", "0.00"},
      {-5, "$0.00", "-$5.00"},
      {0, "#", ""},
      {999999999999999, "0", "999999999999999"},             // the last whole number of 15 digits
      {-999999999999999, "#,##0", "-999,999,999,999,999"},
      {1000000000000001, "0", "1000000000000000"},           // 16 digits: rounded to 15
      {3, "0.0000000000000000000", "3.0000000000000000000"},  // places past 19 digits
      {42, "N/A", "N/A"},
  };
  for (const MaskCase& c : cases)
    EXPECT_EQ(Format(c.value, c.mask), c.text) << c.value << " with \"" << c.mask << "\"";
}

// Integers of ten digits and more, each side of 2^32 (4294967296).
TEST(Format, IntegersOfTenDigits) {
  struct IntegerCase {
    long long value;
    const char* mask;
    const char* text;
  };
  const IntegerCase integers[] = {
      {4294967295, "0", "4294967295"},
      {-4294967296, "0", "-4294967296"},
      {42949672, "0.00", "42949672.00"},  // 4294967200 hundredths
      {42949673, "0.00", "42949673.00"},  // 4294967300
      {-32768, "#,##0", "-32,768"},
  };
  for (const IntegerCase& c : integers)
    EXPECT_EQ(Format(c.value, c.mask), c.text) << c.value << " with \"" << c.mask << "\"";
}

// A Currency keeps every digit of its count of 1/10000, past a Double's 15.
TEST(Format, CurrencyRoundsItsExactValue) {
  const std::pair<int64_t, const char*> cases[] = {
      {9223372036854775807, "922337203685477.58"}, {49, "0.00"}, {50, "0.01"}, {-50, "-0.01"}, {-49, "0.00"}};
  for (const auto& [raw, text] : cases) EXPECT_EQ(Format(records::Currency{raw}, "0.00"), text) << raw;
}

// A figure put into a line takes exactly its own characters of it, left- or
// right-aligned, and is the text Format writes: each side of a half (the
// seven digits decide those), figures of one to nine characters, with a
// prefix, a suffix and a sign.
template <class Case>
void ExpectPutAsFormatted(const Case& c) {
  for (bool right : {false, true}) {
    FixedLine line(32);
    if (right) line.putRight(9, c.value, c.mask, 16);
    else line.put(9, c.value, c.mask, 16);
    const std::string text = c.text;
    const size_t first = right ? 24 - text.size() : 8;
    std::string expected(32, ' ');
    expected.replace(first, text.size(), text);
    EXPECT_EQ(line.str(), expected) << c.value << " with \"" << c.mask << "\"";
    EXPECT_EQ(Format(c.value, c.mask), c.text) << c.value << " with \"" << c.mask << "\"";
  }
}

TEST(Format, FigurePutInALineTakesItsOwnCharacters) {
  const SingleCase singles[] = {
      {0.125f, "0.00", "0.13"},
      {2.675f, "0.00", "2.68"},
      {1.005f, "0.00", "1.01"},
      {-1.005f, "#0.00", "-1.01"},
      {4999.995f, "0.00", "5000.00"},
      {5000.005f, "0.00", "5000.01"},
      {0.045f, "0.0", "0.0"},
      {1.5f, "0", "2"},
      {12345.67f, "0.00", "12345.67"},
      {123456.7f, "0.00", "123456.70"},
      {-1234.5f, "$0.00", "-$1234.50"},
      {12.5f, "0.0%", "12.5%"},
      {0.5f, "  #.00", "  .50"},
      {5.0f, "0.", "5."},
      {1234567.0f, "0.", "1234567."},
      {0.0f, "#", ""},
      {-0.004f, "0.00", "0.00"},
      {0.00000123f, "0.000000", "0.000001"},
  };
  for (const SingleCase& c : singles) ExpectPutAsFormatted(c);
  struct IntegerCase {
    long long value;
    const char* mask;
    const char* text;
  };
  const IntegerCase integers[] = {
      {7, "00000000", "00000007"}, {123456789, "00000000", "123456789"}, {1234567, "0", "1234567"},
      {-12, "0", "-12"},           {999, "   0", "   999"},              {1000, " 000", " 1000"},
  };
  for (const IntegerCase& c : integers) ExpectPutAsFormatted(c);
}
