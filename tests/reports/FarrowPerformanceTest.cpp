// The farrowing performance of litters weaned on chosen dates: the dialog's
// check, the totals over hand-made litters, the figures and the page.
#include <gtest/gtest.h>

#include "common/DateChecks.h"
#include "common/PrintListing.h"
#include "reports/FarrowPerformance.h"
#include "support/RecordBuilders.h"

namespace {

using F = FarrowFigure;
const std::string kEmpty = records::kEmptyDate;

TEST(CheckWeanDates, EveryTypedBoxADateAndAtLeastOne) {
  const struct { WeanDates boxes; Check refusal; int count; } cases[] = {
      {{kEmpty, kEmpty, kEmpty, kEmpty},
       Refusal{"NO WEANING DATE(s) ENTERED!", "WEAN   DATE   ENTRY   ERROR", platform::vbExclamation, 0}, 0},
      {{"13/01/2024", kEmpty, kEmpty, kEmpty}, CheckDate("13/01/2024", 1990, 0), 1},
      {{kEmpty, "06/01/1989", "06/01/2024", kEmpty}, CheckDate("06/01/1989", 1990, 1), 2},
      {{"06/01/2024", kEmpty, "06/__/____", kEmpty}, CheckDate("06/__/____", 1990, 2), 2},
      {{kEmpty, "06/01/2024", kEmpty, "06/08/2024"}, std::nullopt, 2},
      {{"06/01/1990", "06/01/2024", "06/01/2024", "02/29/2024"}, std::nullopt, 4},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CheckWeanDates(c.boxes), c.refusal) << c.boxes[0] << " " << c.boxes[1];
    EXPECT_EQ(CountWeanDates(c.boxes), c.count);
  }
  EXPECT_TRUE(CheckDate("06/01/1989", 1990, 1));  // the table's refusals are refusals
}

TEST(IsEmptyWeanBox, OnlyTheDigitPlacesCount) {
  const struct { const char* box; bool empty; } cases[] = {
      {"__/__/____", true}, {"__-__-____", true}, {"06/01/2024", false}, {"06/__/____", false}, {"", false},
  };
  for (const auto& c : cases) EXPECT_EQ(IsEmptyWeanBox(c.box), c.empty) << c.box;
}

// F1 and F2 weaned 06/01/2024 (F2's sow gone), the free F3 06/08/2024, F4 the
// same day written with "-", F5 a week later.
std::vector<FarrowRecord> weanedInJune() {
  return {aLitter().pigs(12, 11).weaned(10, "06/01/2024").fostered(1, 0).weights(10.5f, 100.5f),
          aLitter().status(FarrowRecord::LeftHerd).pigs(10, 9).weaned(9, "06/01/2024").weights(11.5f, 90.25f),
          aLitter().status(FarrowRecord::Free).pigs(8, 8).weaned(7, "06/08/2024").fostered(2, 0).weights(12, 80),
          aLitter().pigs(9, 9).weaned(9, "06-01-2024").weights(12, 80),
          aLitter().pigs(9, 9).weaned(9, "06/15/2024").weights(12, 80)};
}

TEST(TotalWeanedOn, AddsEveryLitterOnceForEachBoxOfItsDate) {
  const auto litters = records::FileImage<FarrowRecord>::of(weanedInJune());
  const struct { WeanDates boxes; LitterSums sums; } cases[] = {
      // Weights rounded after every litter: 10.5 -> 10, 21.5 -> 22, 34 and 100.5 -> 100, 190.25 -> 190, 270.
      {{kEmpty, "06/01/2024", kEmpty, "06/08/2024"}, {30, 28, 26, 3, 34, 270, 3}},
      // The same date twice: 10.5 -> 10, 20.5 -> 20, 31.5 -> 32, 43.5 -> 44 and 100, 200, 290, 380.
      {{"06/01/2024", "06/01/2024", kEmpty, kEmpty}, {44, 40, 38, 2, 44, 380, 4}},
      {{"06/02/2024", kEmpty, kEmpty, kEmpty}, {}},
      {{"__-__-____", kEmpty, kEmpty, kEmpty}, {}},
  };
  for (const auto& c : cases) EXPECT_EQ(TotalWeanedOn(litters, c.boxes), c.sums) << c.boxes[0];
}

std::vector<std::string> texts(const LitterSums& sums) {
  std::vector<std::string> out;
  for (int i = 0; i < kFarrowFigures; ++i) out.push_back(FarrowFigureText(sums, static_cast<F>(i)));
  return out;
}

TEST(FarrowFigureText, TotalsAndAveragesOfTheGroup) {
  const struct { LitterSums sums; std::vector<std::string> shown; } cases[] = {
      {{30, 28, 26, 3, 34, 270, 3},
       {"3", "30", "28", "26", "3", "10.00", "9.33", "8.67", "1.00", "11.33", "90.00", "6.67", "7.14"}},
      // Totals past 16 bits keep every digit.
      {{40000, 39000, 0, 0, 0, 0, 2},
       {"2", "40000", "39000", "0", "0", "20000.00", "19500.00", "0.00", "0.00", "0.00", "0.00", "2.50", "100.00"}},
      // No pig born nor alive while litters count: the percentages are 0.
      {{0, 0, 0, 0, 0, 0, 1}, {"1", "0", "0", "0", "0", "0.00", "0.00", "0.00", "0.00", "0.00", "0.00", "0.00", "0.00"}},
      // No litter: the averages stay empty.
      {{}, {"0", "0", "0", "0", "0", "", "", "", "", "", "", "", ""}},
  };
  for (const auto& c : cases) EXPECT_EQ(texts(c.sums), c.shown);
}

TEST(FarrowPerfReportLines, TwentyOneLinesEmptyAveragesWithoutLitters) {
  const std::string blank(79, ' ');
  const std::vector<std::string> expected = {
      "",
      "Number of SOW(s) in the following GROUP: -->0",
      blank,
      "Total number of PIG(s) BORN. -------------->0",
      "Total number of PIG(s) ALIVE. ------------->0",
      "Total number of PIG(s) WEANED. ------------>0",
      "Total number of PIG(s) FOSTERED. ---------->0",
      blank,
      "Average number of PIG(s) BORN. ------------>",
      "Average number of PIG(s) ALIVE. ----------->",
      "Average number of PIG(s) WEANED. ---------->",
      "Average number of PIG(s) FOSTERED. -------->",
      blank,
      "Average LITTER BIRTH Wt. ------------------>",
      "Average LITTER WEANING Wt. ---------------->",
      blank,
      "Average Percent STILLBORN. ---------------->",
      "Average Pre-Weaning MORTALITY%. ----------->",
      blank,
      blank,
      "This SUMMARY was printed on 12-07-2026",
      blank};
  EXPECT_EQ(FarrowPerfReportLines(LitterSums{}, "12-07-2026"), expected);
  EXPECT_EQ(FarrowPerfReportLines(LitterSums{30, 28, 26, 3, 34, 270, 3}, "12-07-2026")[17],
            "Average Pre-Weaning MORTALITY%. ----------->7.14");
}

TEST(WeanDatesLine, TheDatesTwelveColumnsApartWithoutGaps) {
  EXPECT_EQ(WeanDatesLine({kEmpty, "06/01/2024", kEmpty, "06/08/2024"}),
            "    06/01/2024  06/08/2024" + std::string(24, ' '));
  EXPECT_EQ(WeanDatesLine({"01/01/2024", "01/02/2024", "01/03/2024", "01/04/2024"}),
            "    01/01/2024  01/02/2024  01/03/2024  01/04/2024");
}

TEST(PrintFarrowPerfPage, TheDatesUnderTheFirstLine) {
  TestPlatform tp;
  const std::vector<std::string> lines = FarrowPerfReportLines(LitterSums{30, 28, 26, 3, 34, 270, 3}, "12-07-2026");
  PrintFarrowPerfPage(lines, "FARROWING PERFORMANCE", "    06/01/2024");
  EXPECT_EQ(PrintJob.Title, "FARROWING PERFORMANCE");
  ASSERT_EQ(tp.printer.pages.size(), 1u);
  EXPECT_EQ(tp.printer.finishedDocuments, 1);
  const PrintedItem* first = tp.printer.find(lines[1]);
  const PrintedItem* weaned = tp.printer.find("DATE(s) WEANED:");
  const PrintedItem* dates = tp.printer.find("    06/01/2024");
  const PrintedItem* born = tp.printer.find(lines[3]);
  const PrintedItem* dated = tp.printer.find("This SUMMARY was printed on 12-07-2026");
  const PrintedItem* banner = tp.printer.find("*** END OF LISTING ***");
  ASSERT_TRUE(first && weaned && dates && born && dated && banner);
  for (auto [item, row] : {std::pair{weaned, 2}, {dates, 3}, {born, 5}, {dated, 22}, {banner, 24}})
    EXPECT_EQ(item->y - first->y, (row - 1) * 419) << item->text;
}

}  // namespace
