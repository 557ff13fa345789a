// Whole numbers from doubles and sums in 64 bits: every value a file or a
// box can hold gives the nearest value the type holds.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "records/Nearest.h"

using namespace records;

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr int64_t kMax64 = std::numeric_limits<int64_t>::max(), kMin64 = std::numeric_limits<int64_t>::min();

}  // namespace

TEST(Nearest, WholeNumbersOfEveryDouble) {
  const struct {
    double value;
    int16_t i16;
    int32_t i32;
    int64_t i64;
  } cases[] = {
      {2.5, 2, 2, 2},
      {3.5, 4, 4, 4},
      {-2.5, -2, -2, -2},
      {-0.4, 0, 0, 0},
      {32767.5, 32767, 32768, 32768},
      {-32768.5, -32768, -32768, -32768},
      {-40000, -32768, -40000, -40000},
      {2147483647.4, 32767, 2147483647, 2147483647},
      {2147483647.5, 32767, 2147483647, 2147483648},
      {-2147483648.5, -32768, -2147483648, -2147483648},
      {-2147483649.5, -32768, -2147483648, -2147483650},
      {1e20, 32767, 2147483647, kMax64},
      {-1e20, -32768, -2147483648, kMin64},
      {9223372036854775807.0, 32767, 2147483647, kMax64},  // 2^63, one past the most
      {-9223372036854775808.0, -32768, -2147483648, kMin64},
      {9223372036854774784.0, 32767, 2147483647, 9223372036854774784},  // the double below 2^63
      {kNaN, 0, 0, 0},
      {-kNaN, 0, 0, 0},
      {kInf, 32767, 2147483647, kMax64},
      {-kInf, -32768, -2147483648, kMin64},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(NearestWhole<int16_t>(c.value), c.i16) << c.value;
    EXPECT_EQ(NearestWhole<int32_t>(c.value), c.i32) << c.value;
    EXPECT_EQ(NearestWhole<int64_t>(c.value), c.i64) << c.value;
  }
}

TEST(Nearest, SumsKeepTheNearestValueThatFits) {
  const struct {
    int64_t a, b;
    int64_t sum;
    int32_t in32;
    int16_t in16;
  } cases[] = {
      {2147483647, 2147483647, 4294967294, 2147483647, 32767},
      {-2147483648, -1, -2147483649, -2147483648, -32768},
      {40000, -7233, 32767, 32767, 32767},
      {-5, 3, -2, -2, -2},
      {kMax64, 1, kMax64, 2147483647, 32767},
      {kMin64, -1, kMin64, -2147483648, -32768},
      {kMax64, kMin64, -1, -1, -1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Plus64(c.a, c.b), c.sum) << c.a << " + " << c.b;
    EXPECT_EQ(NearestFit<int32_t>(c.sum), c.in32) << c.sum;
    EXPECT_EQ(NearestFit<int16_t>(c.sum), c.in16) << c.sum;
  }
}
