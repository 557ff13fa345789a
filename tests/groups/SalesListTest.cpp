// Which sales rows the sales list shows and prints, their lines, and the
// kill sheet summary with its totals page.
#include <gtest/gtest.h>

#include <functional>
#include <tuple>

#include "common/PrintListing.h"
#include "groups/SalesList.h"
#include "support/ListLines.h"
#include "support/RecordBuilders.h"

namespace {

const SalesRecord kSale = aSale("M", "001-24", 10).sold(20, 250.5f, 0.45f, "07/01/2024").kill(0.8f, 55.25f, 50.1f, 190, 2.5f, 6.5f);
const SalesRecord kGilts = aSale("M", "001-24", 11).sold(0, 260, 0, "07/01/2024").gilts(5);
const SalesRecord kAdjust = aSale("M", "001-24", 12).sold(30, 240, 0, "12/31/2024").yearEnd();
const SalesRecord kFeederAdjust = aSale("F", "001-24").sold(30, 240, 0, "12/31/2024").yearEnd();

struct ShownCase {
  const char* name;
  SalesRecord sale;
  const char* kind;
  bool printed;
  const char* line;  // the list line; "" when the row is not listed
};

class ShownSales : public ::testing::TestWithParam<ShownCase> {};

TEST_P(ShownSales, ListedAndPrintedRows) {
  const ShownCase& c = GetParam();
  const SalesImage sales = SalesImage::of({SalesRecord{}, c.sale});
  platform::ListItems rows;
  WriteSaleRows(rows, sales, c.kind, "24");
  using Rows = std::vector<std::pair<std::string, long>>;
  const Rows listed = *c.line ? Rows{{c.line, 2}} : Rows{};
  EXPECT_EQ(rowPairs(rows), listed);
  EXPECT_EQ(SalesListingLines(sales, c.kind, "24").size(), c.printed ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ShownSales,
    ::testing::Values(
        ShownCase{"Sale", kSale, "M", true,
                  "  001   07/01  20    250.5    0.45   112.73   0.80   55.25    50.10     190.0     2.50    "},
        ShownCase{"GiltsOnly", kGilts, "M", false,
                  "  001   07/01  5     260.0        * * * A L L   G I L T S  ! * * *                        "},
        ShownCase{"Adjustment", kAdjust, "M", false,
                  "  001   12/31  30    240.0   USED to EDIT END of YEAR ADJUSTMENT                          "},
        ShownCase{"FeederKindAdjustmentOnTheMarketList", kFeederAdjust, "M", false,
                  "  001   12/31  30    240.0   USED to EDIT END of YEAR ADJUSTMENT                          "},
        ShownCase{"NoAdjustmentOnTheFeederList", kFeederAdjust, "F", false, ""},
        ShownCase{"OtherKind", kSale, "F", false, ""},
        ShownCase{"OtherYear", aSale("M", "001-23", 10).sold(20, 250, 0.5f, "07/01/2024"), "M", false, ""},
        ShownCase{"FreeRow", SalesRecord{}, "M", false, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SalesListing, PrintsSalesWithPigsOnlyInRecordOrder) {
  const std::vector<std::string> lines = SalesListingLines(
      SalesImage::of({kGilts, kSale, kAdjust, aSale("F", "001-24").sold(40, 50, 0.75f, "07/01/2024")}), "M", "24");
  EXPECT_EQ(lines, std::vector<std::string>{
                       "  001   07/01  20    250.5   0.45    112.73    0.80    55.25   50.10  190.0    2.50 "});
}

TEST(KillSheet, GroupsInTheOrderOfTheirFirstSaleAndAveragesOfAverages) {
  const std::vector<SalesRecord> sales = {
      aSale("M", "002-24", 10).sold(10, 250, 0.5f, "07/01/2024").kill(0.7f, 56, 51, 180, 4, 7.5f),
      aSale("M", "001-24", 10).sold(10, 250, 0.5f, "07/02/2024").kill(0.8f, 50, 48, 190, 1, 6),
      kGilts,
      kAdjust,
      aSale("M", "001-24", 20).sold(10, 250, 0.5f, "07/03/2024").kill(0.9f, 52, 50, 200, 2, 6.5f),
      aSale("M", "001-24", 30).sold(10, 250, 0.5f, "07/04/2024").kill(1.0f, 54, 52, 210, 3, 7)};
  KillSheetTable table;
  const int groups = GatherKillSheet(SalesImage::of(sales), "24", table);
  ASSERT_EQ(groups, 2);
  EXPECT_EQ(table[2][8], "3");
  EXPECT_EQ(KillSheetGroupLines(table, groups),
            (std::vector<std::string>{" 002-24    0.70     56.00      51.00         7.50          180.00        4.00   ",
                                      " 001-24    0.90     52.00      50.00         6.50          200.00        2.00   "}));
  const std::vector<std::string> totals = KillSheetTotalLines(table, groups, "12/07/2026");
  ASSERT_EQ(totals.size(), 18u);
  const std::string blank(79, ' ');
  EXPECT_EQ(totals, (std::vector<std::string>{"NUMBER of GROUP(s). ---------------> 2",
                                              blank,
                                              "Average BACKFAT. ------------------> 0.80",
                                              blank,
                                              "Average Percent LEAN. -------------> 54.00",
                                              blank,
                                              "Average FAT FREE INDEX. -----------> 50.50",
                                              blank,
                                              "Average LOINEYE. ------------------> 7.00",
                                              blank,
                                              "Average HOT CARCASS WEIGHT. -------> 190.00",
                                              blank,
                                              "Average GRADE YEILD PREMIUM. ------> 3.00",
                                              blank,
                                              blank,
                                              blank,
                                              "This SUMMARY was printed on 12-07-2026",
                                              blank}));
}

TEST(KillSheet, NoGroupGivesZeroAverages) {
  KillSheetTable table;
  const int groups = GatherKillSheet(SalesImage::of({kGilts, kAdjust}), "24", table);
  EXPECT_EQ(groups, 0);
  const std::vector<std::string> totals = KillSheetTotalLines(table, groups, "12/07/2026");
  EXPECT_EQ(totals[0], "NUMBER of GROUP(s). ---------------> 0");
  EXPECT_EQ(totals[2], "Average BACKFAT. ------------------> 0.00");
  EXPECT_EQ(totals[12], "Average GRADE YEILD PREMIUM. ------> 0.00");
}

// The print job of each of the three printouts: 40 lines a page, the totals
// page laid out as a sheet, every line printed.
TEST(SalesPrintJobs, FortyLinesAPageAndTheTotalsPageAsASheet) {
  TestPlatform tp;
  const SalesImage sales = SalesImage::of({kSale, kGilts, kSale});
  KillSheetTable table;
  struct Row {
    const char* name;
    std::function<void()> print;
    const char* title;
    int bodySize, layout, endBanner;
  };
  const Row rows[] = {
      {"listing", [&] { PrintSalesListingOf(sales, "M", "24", "12/07/2026"); }, "MARKET HOG Sales for Group YEAR(2024)",
       11, 2, 0},
      {"kill sheet", [&] { PrintKillSheetGroupsOf(sales, "24", "12/07/2026", table); }, "KILL SHEET SUMMARY for 2024",
       12, 2, 0},
      {"totals", [&] { PrintKillSheetTotalsOf(table, 1, "12/07/2026"); }, "S U M M A R Y   T O T A L S", 13, 0, -1},
  };
  for (const Row& row : rows) {
    row.print();
    EXPECT_EQ(std::make_tuple(PrintJob.Title, PrintJob.BodyFontSize, PrintJob.HeadFontSize, PrintJob.Layout,
                              PrintJob.LinesPerPage, PrintJob.LineCount, PrintJob.EndBanner),
              std::make_tuple(std::string(row.title), row.bodySize, row.bodySize, row.layout, 40, -1, row.endBanner))
        << row.name;
  }
}

struct CenturyCase {
  const char* year;
  const char* century;
};

class Century : public ::testing::TestWithParam<CenturyCase> {};

TEST_P(Century, NinetiesAreNineteenElseTheCurrentCentury) {
  EXPECT_EQ(CenturyText(GetParam().year, "12/07/2026"), GetParam().century);
}

INSTANTIATE_TEST_SUITE_P(Years, Century,
                         ::testing::Values(CenturyCase{"95", "19"}, CenturyCase{"90", "19"}, CenturyCase{"99", "19"},
                                           CenturyCase{"05", "20"}, CenturyCase{"89", "20"}));

}  // namespace
