// A stored figure in a box: the text shown through the window's mask, the
// digits the mask would drop, the box's width, and the figure kept by an
// ACCEPT that left the box as shown.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>

#include "common/FigureBox.h"

namespace {

// A Single a whisker above 99.7: a stock after doses, shown "99.7".
const float kNoisy = std::nextafter(99.7f, 100.0f);

struct ShownCase {
  float single;             // shown when `currency` is 0
  int64_t currency;         // counts of 1/10000
  const char* mask;
  int length;
  const char* text;
};

const ShownCase kShownCases[] = {
    {0.13f, 0, "##0.00", 4, "0.13"},
    {0.125f, 0, "##0.00", 4, ".125"},          // the 0 before the point goes to fit
    {0.125f, 0, "0.00", 5, "0.125"},
    {0.5f, 0, "0.00", 3, "0.5"},               // the mask's padding goes first
    {0.455f, 0, "#.00", 10, ".455"},
    {99.75f, 0, "0.0", 7, "99.75"},
    {kNoisy, 0, "0.0", 7, "99.7"},
    {2.25f, 0, "#0.0", 4, "2.25"},
    {12.25f, 0, "#0.0", 4, "12.3"},            // the last digit, rounded, where none fits
    {0.12345f, 0, "##0.00", 4, ".123"},
    {123456.78f, 0, "0.00", 10, "123456.80"},  // a Single's seven digits
    {1234.5f, 0, "#####0", 0, "1234.5"},
    {1.0e9f, 0, "0.00", 6, "100000"},          // cut as the box cuts it
    {0, 12'345'670, "####0.00", 8, "1234.567"},
    {0, 999'999'990'000, "####0.00", 8, "99999999"},
    {0, 123'450, "0.00", 0, "12.345"},
    {0, 10'000, "0.00", 0, "1.00"},
};

}  // namespace

TEST(FigureBox, ShowsTheMaskOrTheDigitsItWouldDrop) {
  for (const ShownCase& c : kShownCases) {
    const FigureBox box{c.mask, c.length};
    const std::string text = c.currency != 0 ? FigureText(records::Currency{c.currency}, box) : FigureText(c.single, box);
    EXPECT_EQ(text, c.text) << c.single << " " << c.currency << " " << c.mask;
  }
}

TEST(FigureBox, ABoxLeftAsShownKeepsTheStoredFigure) {
  const NumberField single = SingleField("STOCK");
  const NumberField money = CurrencyField("COST", 8);
  const FigureBox box{"0.0", 7};
  EXPECT_EQ(std::bit_cast<uint32_t>(KeptSingle("99.7", kNoisy, box, single)), std::bit_cast<uint32_t>(kNoisy));
  EXPECT_EQ(KeptSingle("99.70", kNoisy, box, single), 99.7f);
  EXPECT_EQ(KeptSingle("12.3", 12.25f, FigureBox{"#0.0", 4}, single), 12.25f);
  EXPECT_EQ(KeptCurrency("12.345", records::Currency{123'450}, box, money).raw, 123'450);
  EXPECT_EQ(KeptCurrency("12.35", records::Currency{123'450}, box, money).raw, 123'500);
}
