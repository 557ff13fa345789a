#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <utility>
#include <optional>
#include <string>
#include <vector>

#include "common/FixedLine.h"
#include "common/NumberText.h"

TEST(NumberText, SingleTakesShortestFormWithoutLeadingZero) {
  EXPECT_EQ(SingleText(0.8f), ".8");
  EXPECT_EQ(SingleText(-0.25f), "-.25");
  EXPECT_EQ(SingleText(12.5f), "12.5");
  EXPECT_EQ(SingleText(3.0f), "3");
  EXPECT_EQ(SingleText(0.0f), "0");
  EXPECT_EQ(SingleText(1.0f / 3.0f), ".3333333");
  EXPECT_EQ(SingleText(10.7f), "10.7");  // not 10.69999981
  EXPECT_EQ(SingleText(12345678.0f), "1.234568E+07");
  EXPECT_EQ(SingleText(0.00001f), "1E-05");
  EXPECT_EQ(SingleText(0.0001f), ".0001");
  EXPECT_EQ(DoubleText(0.1 + 0.2), ".3");
  // Either side of the exponent form, and the zeros a text keeps.
  const std::pair<float, const char*> singles[] = {
      {9999999.0f, "9999999"}, {9999999.5f, "1E+07"}, {1200000.0f, "1200000"}, {-0.0001f, "-.0001"},
      {0.00009999999f, "9.999999E-05"}, {100.5f, "100.5"}, {0.0305f, ".0305"}, {-7.25f, "-7.25"}};
  for (const auto& [value, text] : singles) EXPECT_EQ(SingleText(value), text) << value;
  EXPECT_EQ(DoubleText(999999999999999.0), "999999999999999");
  EXPECT_EQ(DoubleText(1e15), "1E+15");
  EXPECT_EQ(DoubleText(-2.5e-4), "-.00025");
  EXPECT_EQ(StrDouble(1), " 1");
  EXPECT_EQ(StrDouble(12), " 12");
  EXPECT_EQ(StrDouble(-3), "-3");
}

// Every place of the point, both signs, the digits a text keeps, and the
// exponent form.
TEST(NumberText, TextsAtEveryPlaceOfThePoint) {
  const std::pair<float, const char*> singles[] = {
      {0.0001234567f, ".0001234567"}, {-0.001f, "-.001"}, {0.0120001f, ".0120001"}, {0.5f, ".5"},
      {1.0f, "1"}, {-9.0f, "-9"}, {10.25f, "10.25"}, {1234.5f, "1234.5"},
      {7654321.0f, "7654321"}, {-1000000.0f, "-1000000"}, {99999.99f, "99999.99"},
      {0.00001234f, "1.234E-05"}, {-3.4028235e38f, "-3.402823E+38"}, {-0.0f, "0"},
      {2107.0f / 7.0f - 300.0f, "1"}, {2100.0f / 7.0f - 300.0f, "0"},
      {std::numeric_limits<float>::infinity(), "INF"}, {std::numeric_limits<float>::quiet_NaN(), "0"}};
  for (const auto& [value, text] : singles) EXPECT_EQ(SingleText(value), text) << value;
  const std::pair<double, const char*> doubles[] = {
      {123456789.012345, "123456789.012345"}, {-0.000123456789012345678, "-.000123456789012346"},
      {12345678.5, "12345678.5"}, {100000000.0, "100000000"}, {-12345678901234.5, "-12345678901234.5"},
      {0.1, ".1"}, {-1e300, "-1E+300"}, {-1.2345678901234567e-308, "-1.23456789012346E-308"}};
  for (const auto& [value, text] : doubles) EXPECT_EQ(DoubleText(value), text) << value;
}

TEST(NumberText, ValReadsTheLeadingNumber) {
  EXPECT_EQ(Val("  12abc"), 12);
  EXPECT_EQ(Val("-3.5"), -3.5);
  EXPECT_EQ(Val(".5"), 0.5);
  EXPECT_EQ(Val("1E3x"), 1000);
  EXPECT_EQ(Val("2D2"), 200);
  EXPECT_EQ(Val("2d2"), 200);
  EXPECT_EQ(Val("7E"), 7);
  EXPECT_EQ(Val("abc"), 0);
  EXPECT_EQ(Val(""), 0);
  EXPECT_EQ(Val("-"), 0);
  EXPECT_EQ(Val("5><10"), 5);
}

// Texts of every length, with the point anywhere and either sign, read as
// the nearest double, bit for bit (-0 keeps its sign); a number past a
// double's range reads as 0, one too small keeping its sign.
TEST(NumberText, ValReadsTheNearestDouble) {
  const std::pair<const char*, double> cases[] = {
      {"0.1", 0.1},
      {"+.5", 0.5},
      {"-0", -0.0},
      {"-.0", -0.0},
      {"7.", 7.0},
      {"000123.4500", 123.45},
      {"123456789012345", 123456789012345.0},
      {"9007199254740993", 9007199254740992.0},        // a tie to the even double
      {"123456789012345678", 123456789012345680.0},
      {"0.000000000000000001", 1e-18},
      {"-12345.678901234567", -12345.678901234567},
      {"1.7976931348623157E308", std::numeric_limits<double>::max()},
      {"1.5e3", 1500.0},
      {"2.5D-1", 0.25},
      {"1E400", 0.0},
      {"-1E400", 0.0},
      {"1E-400", 0.0},
      {"-1E-400", -0.0},
      {"-0.001E-99999999999999999999", -0.0},
      {"4.9E-324", std::numeric_limits<double>::denorm_min()},
  };
  for (const auto& [text, value] : cases) {
    const double got = Val(text);
    EXPECT_EQ(std::memcmp(&got, &value, sizeof got), 0) << text << " read " << got;
  }
}

// Halves to even; a value past the range keeps the bound on its side, NaN
// gives 0; ToInteger and ToLong refuse what their type cannot hold.
TEST(NumberText, RoundingTakesHalvesToEven) {
  constexpr double kNaN = std::numeric_limits<double>::quiet_NaN(), kInf = std::numeric_limits<double>::infinity();
  constexpr long long kMost = std::numeric_limits<long long>::max(), kLeast = std::numeric_limits<long long>::min();
  const struct {
    double value;
    long long rounded;
    std::optional<int> integer;
    std::optional<int32_t> whole32;
  } cases[] = {
      {21.5, 22, 22, 22},
      {22.5, 22, 22, 22},
      {-2.5, -2, -2, -2},
      {2287.5, 2288, 2288, 2288},
      {32767.4, 32767, 32767, 32767},
      {32767.5, 32768, std::nullopt, 32768},
      {-40000, -40000, std::nullopt, -40000},
      {2147483647.4, 2147483647, std::nullopt, 2147483647},
      {2147483647.5, 2147483648, std::nullopt, std::nullopt},
      {-2147483648.5, -2147483648, std::nullopt, -2147483648},
      {1e20, kMost, std::nullopt, std::nullopt},
      {-1e20, kLeast, std::nullopt, std::nullopt},
      {kNaN, 0, std::nullopt, std::nullopt},
      {kInf, kMost, std::nullopt, std::nullopt},
      {-kInf, kLeast, std::nullopt, std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(RoundHalfEven(c.value), c.rounded) << c.value;
    int v = 0;
    EXPECT_EQ(ToInteger(c.value, v) ? std::optional<int>(v) : std::nullopt, c.integer) << c.value;
    int32_t w = 0;
    EXPECT_EQ(ToLong(c.value, w) ? std::optional<int32_t>(w) : std::nullopt, c.whole32) << c.value;
  }
}

// A Single to 7 significant digits, as its text reads back: an eighth digit
// of exactly 5 goes to the even seventh, as the text does; the texts of an
// infinity and of NaN read as 0.
TEST(NumberText, ASingleReadsBackAsItsTextDoes) {
  const std::pair<float, float> cases[] = {
      {0.0f, 0.0f},
      {-0.0f, 0.0f},
      {0.8f, 0.8f},
      {-0.25f, -0.25f},
      {0.1f + 0.2f, 0.3f},                // ".3"
      {1.0f / 3.0f, 0.3333333f},          // ".3333333"
      {86.255f, 86.255f},
      {1234567.5f, 1234568.0f},           // "1234568"
      {12345678.0f, 12345680.0f},         // "1.234568E+07"
      {12345665.0f, 12345660.0f},
      {12345675.0f, 12345680.0f},
      {1e-5f, 1e-5f},                     // "1E-05"
      {0.00012345678f, 0.0001234568f},    // ".0001234568"
      {3.4028235e38f, 3.402823e38f},
      {std::numeric_limits<float>::infinity(), 0.0f},
      {-std::numeric_limits<float>::infinity(), 0.0f},  // "-INF"
      {std::numeric_limits<float>::quiet_NaN(), 0.0f},
  };
  for (const auto& [value, read] : cases) EXPECT_EQ(SingleTextValue(value), read) << value;
}

TEST(NumberText, TrimAndCaseOfWindows1252Text) {
  EXPECT_EQ(Trim("  a b  "), "a b");
  EXPECT_EQ(RTrim("A1      "), "A1");
  EXPECT_EQ(LTrim("  A1 "), "A1 ");
  for (const char* text : {"", "   ", " A ", "A1  ", "  A1", "a b"}) {
    EXPECT_EQ(Trimmed(text), Trim(text)) << '"' << text << '"';
    EXPECT_EQ(RTrimmed(text), RTrim(text)) << '"' << text << '"';
  }
  EXPECT_EQ(UCase("abc\xE9\xFF"), "ABC\xC9\x9F");
}

TEST(FixedLine, PutsValuesAtColumnsCutToWidth) {
  FixedLine line(20);
  line.put(2, "A1", 8).put(11, "LANDRACE-CROSS", 6).putRight(18, "7", 3);
  EXPECT_EQ(line.str(), " A1       LANDRA   7");
  FixedLine edge(5);
  edge.put(4, "XYZ", 3).put(0, "Q", 1).put(9, "Q", 1);
  EXPECT_EQ(edge.str(), "   XY");
  FixedLine right(6);
  right.putRight(1, "1234567", 6);
  EXPECT_EQ(right.str(), "123456");
}

// Trimmed text and figures through masks, each row on a line of its own.
TEST(FixedLine, LinesPutTrimmedTextAndFiguresThroughMasks) {
  struct Row {
    const char* id;
    double weight;
    int32_t pounds;
    const char* line;
  };
  const Row rows[] = {
      {"  A1  ", 12.345, 1234567, "A1     12.35 1,234,567"},
      {"LANDRACE", 9.995, -5, "LANDR  10.00        -5"},  // cut to 5; rounded up; a sign
      {"", 123456.789, 0, "     123456.         0"},  // a longer figure keeps its leftmost characters
      {"   ", -0.001, 12, "        0.00        12"},  // no sign on a figure shown as 0
  };
  for (const Row& r : rows) {
    FixedLine line(22);
    line.putTrimmed(1, r.id, 5).putRight(6, r.weight, "0.00", 7).putRight(14, r.pounds, "#,###,##0", 9);
    EXPECT_EQ(line.str(), r.line) << r.id;
    EXPECT_EQ(line.str().size(), 22u);
  }
  EXPECT_EQ(FixedLine(8).put(2, 7.25f, "$0.0", 6).str(), " $7.3   ");  // left-aligned, a Single's 7 digits
}

// A figure is aligned in its columns, and cut as its text is: at the line's
// ends, in a narrow width, at a column before the line. Each place gives
// the line of each value put left- and right-aligned.
TEST(FixedLine, FiguresCutAsTheirTexts) {
  struct Place {
    int col, width;
    std::pair<const char*, const char*> lines[3];  // of -12.345, 7 and 123456
  };
  const Place places[] = {
      {1, 9, {{"-$12.35  ", "  -$12.35"}, {"$7.00    ", "    $7.00"}, {"$123456.0", "$123456.0"}}},
      {2, 8, {{" -$12.35 ", "  -$12.35"}, {" $7.00   ", "    $7.00"}, {" $123456.", " $123456."}}},
      {1, 5, {{"-$12.    ", "-$12.    "}, {"$7.00    ", "$7.00    "}, {"$1234    ", "$1234    "}}},
      {4, 3, {{"   -$1   ", "   -$1   "}, {"   $7.   ", "   $7.   "}, {"   $12   ", "   $12   "}}},
      {6, 4, {{"     -$12", "     -$12"}, {"     $7.0", "     $7.0"}, {"     $123", "     $123"}}},
      {8, 5, {{"       -$", "       -$"}, {"       $7", "       $7"}, {"       $1", "       $1"}}},
      {9, 1, {{"        -", "        -"}, {"        $", "        $"}, {"        $", "        $"}}},
      {10, 2, {{"         ", "         "}, {"         ", "         "}, {"         ", "         "}}},
      {0, 4, {{"         ", "         "}, {"         ", "         "}, {"         ", "         "}}},
      {-2, 6, {{"         ", "         "}, {"         ", "         "}, {"         ", "         "}}},
      {3, 0, {{"         ", "         "}, {"         ", "         "}, {"         ", "         "}}},
      {2, -1, {{"         ", "         "}, {"         ", "         "}, {"         ", "         "}}},
  };
  const double values[] = {-12.345, 7.0, 123456.0};
  for (const Place& p : places) {
    for (size_t v = 0; v < 3; ++v) {
      EXPECT_EQ(FixedLine(9).put(p.col, values[v], "$0.00", p.width).str(), p.lines[v].first) << p.col << " " << p.width;
      EXPECT_EQ(FixedLine(9).putRight(p.col, values[v], "$0.00", p.width).str(), p.lines[v].second)
          << p.col << " " << p.width;
    }
  }
}
