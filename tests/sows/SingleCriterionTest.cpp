// A Single criterion found once answers as the criterion does of each value
// read to 7 digits.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <random>
#include <vector>

#include "common/QueryGrammar.h"
#include "sows/SingleCriterion.h"

TEST(SingleCriterion, AnswersAsTheCriterionOfTheValueReadToSevenDigits) {
  const char* criteria[] = {">.85", "<.85", "=.85", ".6><.9", "=.3333333", ">-1.5", "<0", "=0", ">0", "0><1e-3",
                            "=1e30", ">3.4e38", "<-3.4e38", "5", ">", ">5><2", "=abc", ">1e39", "=9999999.5"};
  std::vector<float> values = {0.0f, -0.0f, 0.85f, 0.849999f, 0.8500001f, 0.6f, 0.9f, 1.0f / 3.0f, 0.3333333f,
                               -1.5f, -1.4999999f, 1e-3f, 1e-45f, -1e-45f, 1e30f, FLT_MAX, -FLT_MAX, 9999999.0f,
                               10000000.0f, 9999999.5f, std::numeric_limits<float>::infinity(),
                               -std::numeric_limits<float>::infinity(), std::numeric_limits<float>::quiet_NaN()};
  std::mt19937 random(7);
  std::uniform_int_distribution<int> cents(-200, 200);
  for (int i = 0; i < 400; ++i) values.push_back(static_cast<float>(cents(random)) / 100.0f);
  for (int i = 0; i < 400; ++i) values.push_back(std::nextafter(static_cast<float>(cents(random)) / 100.0f, 5.0f));
  for (const char* typed : criteria) {
    const NumberCriterion c = ParseNumberCriterion(typed, false);
    const SingleCriterion single(c);
    for (float v : values)
      EXPECT_EQ(single.matches(v), NumberMatches(c, SingleForQuery(v))) << typed << " of " << v;
  }
}

TEST(SingleCriterion, MadeEmptyMatchesNothing) {
  const SingleCriterion none;
  EXPECT_FALSE(none.matches(0.0f));
  EXPECT_FALSE(none.matches(1.0f));
  EXPECT_FALSE(none.matches(std::numeric_limits<float>::infinity()));
}
