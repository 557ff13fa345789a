// The sales lines' two-decimal numbers are Format's "0.00".
#include <gtest/gtest.h>

#include <cstring>

#include "common/Format.h"
#include "groups/SalesNumbers.h"

namespace {

TEST(TwoDecimals, AsFormatWritesThem) {
  std::vector<float> values = {0, -0.0f, 0.005f, 0.0049f, 0.0009f, 2.675f, 112.725f, -0.004f, -1.5f, 999999.9f,
                               1e6f, 123456.79f, 250.5f, 0.45f, 1e-30f};
  for (int i = -200000; i <= 200000; i += 7) values.push_back(static_cast<float>(i) / 1000.0f);
  for (uint32_t bits = 0x3a000000; bits < 0x4a000000; bits += 0x1234f) {
    float f;
    std::memcpy(&f, &bits, sizeof f);
    values.push_back(f);
    values.push_back(-f);
  }
  for (float v : values) EXPECT_EQ(TwoDecimals(v), Format(v, "0.00")) << v;
}

}  // namespace
