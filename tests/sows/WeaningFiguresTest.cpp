// The figures of a litter that are never typed, in single precision, and the
// texts the litter window and sheet write of them.
#include <gtest/gtest.h>

#include "sows/WeaningFigures.h"
#include "support/RecordBuilders.h"

namespace {

// The quotient in double precision, held as a Single.
float percent(long part, long whole) { return static_cast<float>(static_cast<double>(part) / whole * 100.0); }

}  // namespace

TEST(WeaningFigures, FactorTableRunsFrom14To34Days) {
  const double factors[] = {1.29, 1.24, 1.19, 1.15, 1.11, 1.07, 1.03, 1.00, 0.97, 0.94, 0.91,
                            0.88, 0.86, 0.84, 0.82, 0.80, 0.78, 0.77, 0.76, 0.75, 0.73};
  for (size_t k = 0; k < AdjFactor21Day.size(); ++k) {
    EXPECT_EQ(AdjFactor21Day[k].Age, static_cast<float>(14 + k));
    EXPECT_EQ(AdjFactor21Day[k].Factor, static_cast<float>(factors[k])) << k;
    EXPECT_EQ(AdjFactorFor(static_cast<long>(14 + k)), static_cast<float>(factors[k]));
  }
  for (long age : {-1L, 0L, 13L, 35L, 100L}) EXPECT_FALSE(AdjFactorFor(age)) << age;
}

TEST(WeaningFigures, FiguresOfStoredLitters) {
  const std::string born = "01/01/2024";
  const struct {
    FarrowRecord litter;
    std::optional<float> stillborn, mortality, perPig, adjusted;
    WeaningAge ageClass;
    long age;
    WeaningTexts shown;
  } cases[] = {
      // Weaned at 21 days: factor 1.
      {aLitter().bornOn(born).pigs(12, 11).weaned(10, "01/22/2024").weights(30, 120), percent(1, 12),
       percent(1, 11), 12.0f, 1.0f * 120.0f, WeaningAge::InTable, 21, {"8.33", "9.09", "21", "12", "120"}},
      // 28 days: 0.82 x 120 as a Single.
      {aLitter().bornOn(born).pigs(8, 7).weaned(7, "01/29/2024").weights(30, 120), percent(1, 8), percent(0, 7),
       static_cast<float>(120.0f / 7.0f), 0.82f * 120.0f, WeaningAge::InTable, 28, {"12.5", "0", "28", "17", "98.4"}},
      // Fostering moves the base of the mortality; 10 from 95 lb is 9.5 a pig.
      {aLitter().bornOn(born).pigs(5, 0).fostered(14, 2).weaned(10, "01/15/2024").weights(30, 95), percent(5, 5),
       percent(2, 12), 9.5f, 1.29f * 95.0f, WeaningAge::InTable, 14, {"100", "16.6", "14", "9.", "122.5"}},
      // 35 days is late, 13 early, a weaning before the birth early too.
      {aLitter().bornOn(born).pigs(10, 10).weaned(10, "02/05/2024").weights(30, 150), percent(0, 10), percent(0, 10),
       15.0f, std::nullopt, WeaningAge::Late, 35, {"0", "0", "35", "15", "LATE "}},
      {aLitter().bornOn(born).pigs(10, 10).weaned(9, "01/14/2024").weights(30, 90), percent(0, 10), percent(1, 10),
       10.0f, std::nullopt, WeaningAge::Early, 13, {"0", "10", "13", "10", "EARLY"}},
      {aLitter().bornOn(born).pigs(10, 10).weaned(9, "12/29/2023").weights(30, 90), percent(0, 10), percent(1, 10),
       10.0f, std::nullopt, WeaningAge::Early, -3, {"0", "10", "-3", "10", "EARLY"}},
      // Not weaned: no mortality, weight per pig 0, no age.
      {aLitter().bornOn(born).pigs(9, 8).weights(30, 0), percent(1, 9), std::nullopt, 0.0f, std::nullopt,
       WeaningAge::NotWeaned, 0, {"11.1", "", "", "0", ""}},
      // Divisors of 0: none born, a base of 0, a weaning date with none weaned.
      {aLitter().bornOn(born).pigs(0, 0).weaned(3, "01/22/2024").fostered(0, 0).weights(30, 60), std::nullopt,
       std::nullopt, 20.0f, 60.0f, WeaningAge::InTable, 21, {"", "", "21", "20", "60"}},
      {aLitter().bornOn(born).pigs(6, 6).weaned(0, "01/22/2024").weights(30, 60), percent(0, 6), std::nullopt,
       std::nullopt, 60.0f, WeaningAge::InTable, 21, {"0", "", "21", "", "60"}},
  };
  for (const auto& c : cases) {
    const WeaningFigures f = WeaningFiguresOf(c.litter);
    SCOPED_TRACE(c.shown.adjusted21Day + " " + c.shown.age);
    EXPECT_EQ(f.percentStillborn, c.stillborn);
    EXPECT_EQ(f.mortality, c.mortality);
    EXPECT_EQ(f.weightPerPig, c.perPig);
    EXPECT_EQ(f.adjusted21Day, c.adjusted);
    EXPECT_EQ(f.ageClass, c.ageClass);
    EXPECT_EQ(f.age, c.age);
    const WeaningTexts t = WeaningTextsOf(f);
    EXPECT_EQ(t.percentStillborn, c.shown.percentStillborn);
    EXPECT_EQ(t.mortality, c.shown.mortality);
    EXPECT_EQ(t.age, c.shown.age);
    EXPECT_EQ(t.weightPerPig, c.shown.weightPerPig);
    EXPECT_EQ(t.adjusted21Day, c.shown.adjusted21Day);
  }
}

TEST(WeaningFigures, ShortFigureCutsTheShortestText) {
  const struct {
    float value;
    size_t width;
    const char* text;
  } cases[] = {{8.333333f, 4, "8.33"}, {0.5f, 4, ".5"}, {-2.25f, 4, "-2.2"}, {12.4f, 2, "12"}, {123.456f, 5, "123.4"}};
  for (const auto& c : cases) EXPECT_EQ(ShortFigure(c.value, c.width), c.text) << c.value;
}
