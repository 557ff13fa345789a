// A stored figure in a box where the windows' own tables do not reach: the
// order in which a text too wide for its box gives way, the places past the
// mask with no limit, a float's tail, a mask without a point, a whole part
// past the box shown whole.
#include <gtest/gtest.h>

#include <cstdint>

#include "common/FigureBox.h"

TEST(FigureBox, ShowsTheMaskOrTheDigitsItWouldDrop) {
  const struct {
    float single;      // shown when `currency` is 0
    int64_t currency;  // counts of 1/10000
    const char* mask;
    int length;
    const char* text;
  } cases[] = {
      {0.13f, 0, "##0.00", 4, "0.13"},     // the mask holds every place
      {0.5f, 0, "0.00", 3, "0.5"},         // the mask's padding goes first
      {0.125f, 0, "##0.00", 4, ".125"},    // then the 0 before the point
      {0.12345f, 0, "##0.00", 4, "0.12"},  // three places past the mask: through it
      {0.125f, 0, "0.0", 0, "0.125"},      // with no limit, two places past the mask shown,
      {0.0625f, 0, "0.0", 0, "0.1"},       // three through it
      {0, 1'250, "0.0", 0, "0.125"},
      {0, 1'234, "0.0", 0, "0.1"},
      {453.3333f, 0, "0.00", 0, "453.3333"},  // its seven digits read back as it
      {1360.0f / 3, 0, "0.00", 0, "453.33"},  // a float's tail: 453.3333 would read back as another
      {1234.5f, 0, "#####0", 0, "1234.5"},
      {1.0e9f, 0, "0.00", 6, "1000000000.00"},  // whole, past the box
      {0, 10'000, "0.00", 0, "1.00"},
      {0, 999'999'999'999, "0.00", 8, "100000000.00"},  // four places, too wide: through the mask
  };
  for (const auto& c : cases) {
    const FigureBox box{c.mask, c.length};
    const std::string text = c.currency != 0 ? FigureText(records::Currency{c.currency}, box) : FigureText(c.single, box);
    EXPECT_EQ(text, c.text) << c.single << " " << c.currency << " " << c.mask;
  }
}
