// The price of one pig of a row, and the head and weight sold of a kind in a
// group year.
#include <gtest/gtest.h>

#include "common/HogGlobals.h"
#include "groups/SalesTotals.h"
#include "support/RecordBuilders.h"

namespace {

struct AmountCase {
  int16_t head;
  float weight, price;
  const char* text;
};

class AmountText_ : public ::testing::TestWithParam<AmountCase> {};

TEST_P(AmountText_, WeightTimesPriceGatedByEveryFigure) {
  const AmountCase& c = GetParam();
  EXPECT_EQ(AmountText(c.head, c.weight, c.price), c.text);
}

INSTANTIATE_TEST_SUITE_P(Rows, AmountText_,
                         ::testing::Values(AmountCase{10, 250.5f, 0.5f, "125.25"}, AmountCase{0, 250.5f, 0.5f, "0.00"},
                                           AmountCase{10, 0, 0.5f, "0.00"}, AmountCase{10, 250.5f, 0, "0.00"},
                                           AmountCase{10, -100, 0.5f, "-50.00"}, AmountCase{1, 260, 0.45f, "117.00"},
                                           // a Single's seven digits rounded at the cent, a half away from 0
                                           AmountCase{1, 2.675f, 1, "2.68"}, AmountCase{1, 0.0049f, 1, "0.00"},
                                           AmountCase{1, -0.004f, 1, "0.00"}, AmountCase{1, -1.005f, 1, "-1.01"},
                                           AmountCase{1, 1000, 999.9999f, "999999.90"}));

struct TotalsCase {
  const char* name;
  std::vector<SalesRecord> sales;
  const char* year;
  const char* kind;
  int32_t head;
  float weight;
};

class SalesTotals_ : public ::testing::TestWithParam<TotalsCase> {};

TEST_P(SalesTotals_, HeadAndWeightFromTheFile) {
  const TotalsCase& c = GetParam();
  TestPlatform tp;
  DataFolder = tp.home();
  writeRecords<SalesRecord>(tp.path("SALES.DAT"), c.sales);
  const SalesTotal total = SalesTotals(c.year, c.kind);
  EXPECT_EQ(total.head, c.head);
  EXPECT_FLOAT_EQ(total.weight, c.weight);
}

INSTANTIATE_TEST_SUITE_P(
    Files, SalesTotals_,
    ::testing::Values(
        TotalsCase{"EmptyFile", {}, "2024", "M", 0, 0},
        TotalsCase{"KindAndYear",
                   {aSale("M", "001-24", 10).sold(20, 250, 0.6f, "07/01/2024"),
                    aSale("F", "001-24").sold(40, 50, 0.75f, "07/01/2024"),
                    aSale("M", "002-24", 20).sold(10, 260.5f, 0.6f, "08/01/2024"), SalesRecord{},
                    aSale("M", "003-23", 10).sold(7, 240, 0.6f, "01/01/2024")},
                   "2024", "M", 30, 7605},
        TotalsCase{"TwoDigitYear", {aSale("F", "001-24").sold(40, 50, 0.75f, "07/01/2024")}, "24", "F", 40, 2000},
        TotalsCase{"AdjustmentAndGiltsLeftOut",
                   {aSale("M", "001-24", 11).sold(30, 240, 0, "12/31/2024").yearEnd(),
                    aSale("M", "001-24", 11).sold(0, 260, 0, "07/01/2024").gilts(5)},
                   "2024", "M", 0, 0},
        TotalsCase{"GroupYearNotDateYear", {aSale("M", "014-19", 10).sold(3, 100, 1, "01/05/2020")}, "2019", "M", 3, 300},
        TotalsCase{"IdWithTrailingBlanks", {aSale("M", "14-19 ", 10).sold(3, 100, 1, "01/05/2020")}, "19", "M", 3, 300},
        TotalsCase{"OneCharacterYear", {aSale("M", "014-19", 10).sold(3, 100, 1, "01/05/2020")}, "9", "M", 0, 0},
        TotalsCase{"NotTheSaleYear", {aSale("M", "014-19", 10).sold(3, 100, 1, "01/05/2020")}, "2020", "M", 0, 0}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace

// More rows than the program writes, each of the most pigs a row holds: the
// head is summed in 64 bits and is the nearest value a Long holds.
TEST(SalesTotals, AHeadPastALongIsTheNearestValue) {
  const std::vector<SalesRecord> rows(65540, aSale("M", "001-24", 10).sold(32767, 0, 1, "07/01/2024"));
  EXPECT_EQ(SalesTotals(records::FileImage<SalesRecord>::of(rows), "2024", "M").head, 2147483647);
  EXPECT_EQ(SalesTotals(records::FileImage<SalesRecord>::of({rows.begin(), rows.begin() + 65538}), "2024", "M").head, 2147483646);
}
