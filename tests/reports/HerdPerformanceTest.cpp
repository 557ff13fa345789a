// The herd performance of a year: the counts over hand-made herds, the 25
// figures and their cut texts, and the printed page.
#include <gtest/gtest.h>

#include "common/HogGlobals.h"
#include "common/PrintListing.h"
#include "reports/HerdPerformance.h"
#include "support/RecordBuilders.h"

namespace {

using F = HerdFigure;

TEST(CutValueText, DropsOnlyDigitsAfterThePoint) {
  const struct { double value; int width; const char* text; } cases[] = {
      {2.0 / 3, 5, ".6666"},  {10.0 / 3, 5, "3.333"},    {12345, 4, "12345"},     {351.4, 5, "351.4"},
      {0, 5, "0"},            {-0.5, 5, "-.5"},          {-2.0 / 3, 5, "-.666"},  {1.0 / 32768, 5, ".0000"},
      {1234.5, 5, "1234."},   {123456.7, 5, "123456"},   {35140, 8, "35140"},     {-123456, 4, "-123456"},
      {21.5, 5, "21.5"},      {1e-7, 8, ".0000001"},
  };
  for (const auto& c : cases) EXPECT_EQ(CutValueText(c.value, c.width), c.text) << c.value;
}

// Seven records of SOW.DAT against 2024: S1 came in the year, S2 left in it,
// S3 leaves after it, S4 comes after it, then a free record, a record of
// blank dates and S7, in the herd since 2018.
std::vector<SowRecord> herdOf2024() {
  SowRecord blanks = aSow("BLANK").entered("          ").left("          ");
  return {aSow("S1").entered("03/01/2024").parities(2), aSow("S2").entered("05/01/2020").left("06/01/2024").parities(5),
          aSow("S3").entered("01/01/2019").left("02/01/2025").parities(4), aSow("S4").entered("01/01/2025"),
          aSow(""), blanks, aSow("S7").entered("06/01/2018").parities(3)};
}

// Born in 2024 and weaned: L1, L2, L3 (weaned in 2025) and the free L6; not
// L4 (born in 2023) nor L5 (not weaned).
std::vector<FarrowRecord> littersOf2024() {
  return {aLitter().bornOn("01/10/2024").pigs(12, 11).weaned(10, "01/31/2024").fostered(1, 0).weights(30.5f, 110.5f),
          aLitter().bornOn("02/01/2024").pigs(10, 10).weaned(9, "02/23/2024").weights(31.5f, 100.25f),
          aLitter().bornOn("12/20/2024").pigs(8, 7).weaned(7, "01/12/2025").fostered(2, 0).weights(20, 90),
          aLitter().bornOn("12/20/2023").pigs(9, 9).weaned(9, "01/10/2024").weights(20, 90),
          aLitter().bornOn("03/01/2024").pigs(9, 9),
          aLitter().status(FarrowRecord::Free).bornOn("04/01/2024").pigs(9, 9).weaned(9, "04/22/2024").weights(25, 95)};
}

HerdPerfData collect(const std::vector<SowRecord>& sows, const std::vector<FarrowRecord>& litters,
                     const std::string& year) {
  return CollectHerdData(records::FileImage<SowRecord>::of(sows), records::FileImage<FarrowRecord>::of(litters), year);
}

TEST(CollectHerdData, CountsTheSowsAndLittersOfTheYear) {
  const struct { const char* year; HerdPerfData data; } cases[] = {
      // 7 records, 4 excluded (S2, S4, free, blanks); weights rounded after
      // every litter: 30.5 -> 30, 61.5 -> 62, 82, 107 and 110.5 -> 110, 210.25 -> 210, 300, 395.
      {"2024", {3, 1, 1, 5, 4, 39, 37, 35, 3, 107, 395, 87}},
      // S1 and S4 come after it; S2, S3 and S7 in the herd; L4 only.
      {"2023", {3, 0, 0, 3, 1, 9, 9, 9, 0, 20, 90, 21}},
      {"2025", {3, 1, 1, 5, 0, 0, 0, 0, 0, 0, 0, 0}},
      {"ABCD", {3, 0, 0, 5, 0, 0, 0, 0, 0, 0, 0, 0}},
  };
  for (const auto& c : cases) EXPECT_EQ(collect(herdOf2024(), littersOf2024(), c.year), c.data) << c.year;
}

TEST(CollectHerdData, EachYearOfTheSameImagesOnItsOwn) {
  const auto sows = records::FileImage<SowRecord>::of(herdOf2024());
  const auto litters = records::FileImage<FarrowRecord>::of(littersOf2024());
  HerdPerfData only;
  CountYearSows(sows, "2024", only);
  EXPECT_EQ(only.Sows, 3);
  CountYearLitters(litters, "2023", only);
  EXPECT_EQ(only.Litters, 1);
  EXPECT_EQ(CollectHerdData(sows, litters, "2024").Litters, 4);
  // Several years from one run count as each year on its own.
  const std::vector<std::string> years = {"2024", "2023", "2025", "ABCD", "998", "", "20245"};
  const std::vector<HerdPerfData> counts = CountYearSows(sows, years);
  ASSERT_EQ(counts.size(), years.size());
  for (size_t i = 0; i < years.size(); ++i) {
    HerdPerfData one;
    CountYearSows(sows, years[i], one);
    EXPECT_EQ(counts[i], one) << years[i];
  }
}

// Every figure's text, in the window's order.
std::vector<std::string> texts(const HerdPerfData& data) {
  std::vector<std::string> out;
  for (int i = 0; i < kHerdFigures; ++i) out.push_back(HerdFigureText(data, static_cast<F>(i)));
  return out;
}

TEST(HerdFigureText, CutToTheirWidthsAndGuarded) {
  HerdPerfData tenLitters{100, 0, 0, 0, 10, 120, 110, 100, 0, 0, 0, 215};
  HerdPerfData bigYear{3, 0, 0, 0, 1, 12345, 12000, 11000, 0, 0, 0, 21};
  HerdPerfData noSows{0, 0, 2, 0, 2, 20, 0, 0, 0, 0, 0, 42};
  const struct { const char* what; HerdPerfData data; std::vector<std::string> shown; } cases[] = {
      // d = 87 / 4 = 21.75 -> 22; 3 x 365 - 136 x 4 = 551, 551 / 3 = 183.66...
      {"the 2024 herd", {3, 1, 1, 5, 4, 39, 37, 35, 3, 107, 395, 87},
       {"3", "1", "1", "1.666", "4", "1.333", "551", "183.6", "9.75", "9.25", "8.75", ".75",
        "39", "13", "37", "12.33", "35", "11.66", "3", "1", "26.75", "98.75", "5.128", "5.405", "21.75"}},
      // 215 / 10 = 21.5 -> 22 days: 36500 - 136 x 10 = 35140.
      {"ten litters of 100 sows", tenLitters,
       {"100", "0", "0", "0", "10", ".1", "35140", "351.4", "12", "11", "10", "0",
        "120", "1.2", "110", "1.1", "100", "1", "0", "0", "0", "0", "8.333", "9.090", "21.5"}},
      // Whole numbers keep every digit.
      {"12345 pigs born", bigYear,
       {"3", "0", "0", "0", "1", ".3333", "960", "320", "12345", "12000", "11000", "0",
        "12345", "4115", "12000", "4000", "11000", "3666.", "0", "0", "0", "0", "2.794", "8.333", "21"}},
      // No sow and no pig alive while litters count: every division by them is 0.
      {"no sows", noSows,
       {"0", "0", "2", "0", "2", "0", "-270", "0", "10", "0", "0", "0",
        "20", "0", "0", "0", "0", "0", "0", "0", "0", "0", "100", "0", "21"}},
      {"no litters", {5, 1, 2, 9, 0, 0, 0, 0, 0, 0, 0, 0},
       {"5", "1", "2", "0", "0", "0", "0", "0", "0", "0", "0", "0",
        "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0"}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(texts(c.data), c.shown) << c.what;
    EXPECT_EQ(HerdDataFound(c.data), c.data.Litters != 0) << c.what;
  }
}

TEST(HerdPerfReportLines, ThirtyOneLinesEndingWithTheDate) {
  const HerdPerfData data{3, 1, 1, 5, 4, 39, 37, 35, 3, 107, 395, 87};
  const std::string blank(79, ' ');
  const std::vector<std::string> expected = {
      "",
      "Number of SOW(s) in the HERD. ---------->3",
      "Number of REPLACEMENT SOW(s). ---------->1",
      "Number of SOW(s) SOLD. ----------------->1",
      "Average HERD PARITY. ------------------->1.666",
      blank,
      "Total Number of LITTER(s). ------------->4",
      "Total Number of LITTER(s)/SOW/YEAR. ---->1.333",
      "Total Number of PIG(s) BORN. ----------->39",
      "Total Number of PIG(s) BORN/SOW. ------->13",
      "Total Number of PIG(s) ALIVE. ---------->37",
      "Total Number of PIG(s) ALIVE/SOW. ------>12.33",
      "Total Number of PIG(s) WEANED. --------->35",
      "Total Number of PIG(s) WEANED/SOW. ----->11.66",
      "TotalNumber of PIG(s) FOSTERED. -------->3",
      "Total Number of PIG(s) FOSTERED/SOW. --->1",
      "Total N/P/S DAYS. ---------------------->551",
      "N/P/S DAYS per SOW. -------------------->183.6",
      blank,
      "Average number of PIG(s) BORN. --------->9.75",
      "Average number of PIG(s) ALIVE. -------->9.25",
      "Average number of PIG(s) WEANED. ------->8.75",
      "Average number of PIG(s) FOSTERED. ----->.75",
      "Average LITTER Birth WEIGHT. ----------->26.75",
      "Average LITTER Weaning WEIGHT. --------->98.75",
      "Average Percent STILLBORN. ------------->5.128",
      "Average Pre-Weaning MORTALITY%. -------->5.405",
      "Average DAY(s) at WEANING. ------------->21.75",
      blank,
      blank,
      "This SUMMARY was printed on 12-07-2026",
      blank};
  EXPECT_EQ(HerdPerfReportLines(data, "12-07-2026"), expected);
}

TEST(PrintHerdPerfPage, OnePageOfRowsUnderTheTitle) {
  TestPlatform tp;
  const std::vector<std::string> lines = HerdPerfReportLines(HerdPerfData{3, 1, 1, 5, 4, 39, 37, 35, 3, 107, 395, 87},
                                                             "12-07-2026");
  PrintHerdPerfPage(lines, "HERD PERFORMANCE for 2024");
  EXPECT_EQ(PrintJob.Title, "HERD PERFORMANCE for 2024");
  EXPECT_EQ(PrintJob.BodyFontSize, 12);
  EXPECT_EQ(tp.printer.finishedDocuments, 1);
  ASSERT_EQ(tp.printer.pages.size(), 1u);
  const PrintedItem* first = tp.printer.find(lines[1]);
  const PrintedItem* dated = tp.printer.find("This SUMMARY was printed on 12-07-2026");
  const PrintedItem* banner = tp.printer.find("*** END OF LISTING ***");
  ASSERT_TRUE(first && dated && banner);
  // Courier New 13: a row is 13 x 23 + 120 = 419 twips.
  EXPECT_EQ(first->font.size, 13);
  EXPECT_EQ(dated->y - first->y, 29 * 419);
  EXPECT_EQ(banner->y - first->y, 31 * 419);
  EXPECT_EQ(banner->x, (11520 - 22 * 13 * 12) / 2);
}

}  // namespace
