// The batch list's lines and grand totals, the printed lines and the
// summary, over batch and medication files made in memory.
#include <gtest/gtest.h>

#include <algorithm>
#include <limits>

#include "feed/FeedBatchFixture.h"
#include "common/NumberText.h"
#include "common/PrintListing.h"
#include "feed/FeedBatchList.h"
#include "support/ListLines.h"

namespace {

using Lines = std::vector<std::string>;

// Nursery batches: 1,000 lb for $72.50; a medicated one of 1,000 lb for
// $150.00 with 2 lb at $5 and 4 lb at $4; a reserved one; 25,000 lb; and a
// grower batch and a freed record between them.
FeedBatchFile yearFile() {
  return FeedBatchFile::of({aBatch("00001").group("123").ground("05/02/2024").row(0, "CORN", 700)
                                .row(1, "SBM", 300).cost(72.5),
                            aBatch("00002").type("G").group("200").ground("05/03/2024").row(0, "CORN", 10),
                            aBatch("00003"), FeedBatchRecord{},
                            aBatch("00004").group("125").ground("05/16/2024").row(0, "CORN", 25000).cost(625),
                            aBatch("M00007").group("124").ground("05/09/2024").row(0, "CORN", 1000).cost(150)});
}
BatchMedications medication() {
  return BatchMedications(
      MedicationFile::of({aFeedDose("00007", 2, 5), aFeedDose("00002", 9, 9), aFeedDose("00007", 4, 4)}));
}

}  // namespace

TEST(FeedBatchListTest, ListsTheBatchesOfTheTypeWithTheirMedicationAndTotals) {
  platform::ListItems rows;
  const BatchTotals list = WriteBatchRows(rows, yearFile(), "N", medication());
  const std::vector<std::pair<std::string, long>> expected = {
      {"  00001     123   05/02/2024    0.500       1,000      145.00       0.07         72.50  ", 1},
      {"  00003           __/__/____    0.000           0        0.00       0.00          0.00  ", 3},
      {"  00004     125   05/16/2024    12.50      25,000       50.00       0.03        625.00  ", 5},
      {" M00007     124   05/09/2024    0.503       1,006      349.90       0.17        176.00  ", 6}};
  EXPECT_EQ(rowPairs(rows), expected);
  const GrandTotals totals = GrandTotalsOf(list);
  EXPECT_EQ(totals.tons + "|" + totals.pounds + "|" + totals.cost, "13.50|27,006|873.50");
  platform::ListItems lactation;
  const GrandTotals none = GrandTotalsOf(WriteBatchRows(lactation, yearFile(), "L", medication()));
  EXPECT_EQ(none.tons + none.pounds + none.cost, "");
}

TEST(FeedBatchListTest, AMedicatedBatchRoundsItsPoundsHalfToEven) {
  const BatchMedications meds(MedicationFile::of({aFeedDose("00007", 2.5f, 4), aFeedDose("00007", 3, 2)}));
  platform::ListItems rows;
  const BatchTotals list =
      WriteBatchRows(rows, FeedBatchFile::of({aBatch("M00007").row(0, "CORN", 1000).cost(100)}), "N", meds);
  EXPECT_EQ(list.totalPounds, 1006);
  EXPECT_FLOAT_EQ(list.totalCost, 116.0f);
}

TEST(FeedBatchListTest, ThePrintedLinesAndTheSummary) {
  const BatchReport report = BatchReportOf(yearFile(), "N", medication());
  EXPECT_EQ(report.lines, (Lines{"  00001    123   05/02/2024     0.500       1,000      145.00       0.07         72.50  ",
                                 "  00003          __/__/____     0.000           0        0.00       0.00          0.00  ",
                                 "  00004    125   05/16/2024     12.50      25,000       50.00       0.03        625.00  ",
                                 " M00007    124   05/09/2024     0.503       1,006      349.90       0.17        176.00  "}));
  const Lines summary = BatchSummaryLines(report, "06/01/2024");
  ASSERT_EQ(summary.size(), 25u);
  const Lines figures = {"TOTAL BATCH(s). -------------------------------> 4",
                         "TOTAL FEED in TON(s). -------------------------> 13.50",
                         "TOTAL FEED in POUND(s). -----------------------> 27,006.0",
                         "TOTAL COST. -----------------------------------> $873.50",
                         "TOTAL AMOUNT of ADDED MEDICATION in POUND(s). -> 6.0",
                         "TOTAL COST of ADDED MEDICATION. ---------------> $26.00",
                         "Average TON of FEED per BATCH. ----------------> 3.4",
                         "Average POUNDs of FEED per BATCH. -------------> 6,751.5",
                         "Average COST per BATCH. -----------------------> $218.38",
                         "Average COST per TON of FEED. -----------------> $64.69",
                         "Average COST per POUND of FEED. ---------------> $0.03"};
  for (size_t k = 0; k < figures.size(); ++k) {
    EXPECT_EQ(summary[2 * k], figures[k]);
    EXPECT_EQ(summary[1 + 2 * k], std::string(79, ' '));
  }
  EXPECT_EQ(summary[22], std::string(79, ' '));
  EXPECT_EQ(summary[23], "This SUMMARY was printed on 06-01-2024");
  EXPECT_EQ(summary[24], std::string(79, ' '));
}

TEST(FeedBatchListTest, ASummaryWithoutPoundsHasNoCostPerPound) {
  const BatchReport report = BatchReportOf(FeedBatchFile::of({aBatch("00001").type("E")}), "E", BatchMedications());
  const Lines summary = BatchSummaryLines(report, "06/01/2024");
  EXPECT_EQ(summary[18], "Average COST per TON of FEED. -----------------> $0.00");
  EXPECT_EQ(summary[20], "Average COST per POUND of FEED. ---------------> $0.00");
  EXPECT_EQ(BatchReportTitle(2, "2024"), "FINSHER  FEED  RECORD  for ( 2024 )");
}

// Totals past a Long and medication pounds that are no number or past any
// range: the sums are held in 64 bits and shown as the nearest value their
// field holds; a medication that is no number adds no pounds.
TEST(FeedBatchListTest, TotalsPastALongShowTheNearestValueTheFieldHolds) {
  constexpr int32_t kMost = 2147483647;
  constexpr float kNaN = std::numeric_limits<float>::quiet_NaN(), kInf = std::numeric_limits<float>::infinity();
  const FeedBatchRecord full = aBatch("00001").row(0, "CORN", kMost).cost(10);
  const FeedBatchRecord medicated = aBatch("M00002").row(0, "CORN", 1000).cost(10);
  const struct {
    const char* name;
    std::vector<FeedBatchRecord> batches;
    std::vector<MedicationRecord> meds;
    std::string listed;   // the grand totals' tons and pounds
    std::string printed;  // the summary's total pounds
    std::string line;     // the list line's pounds, cut to their 10 columns
  } cases[] = {
      {"two full batches", {full, full}, {}, "1,073,741.82|2,147,483,647", "2,147,483,647.0", "2,147,483,"},
      {"full and a negative one", {full, full, aBatch("00003").row(0, "CORN", -kMost)}, {},
       "1,073,741.82|2,147,483,647", "2,147,483,647.0", "2,147,483,"},
      {"no number", {medicated}, {aFeedDose("00002", kNaN, 1)}, "0.50|1,000", "1,000.0", "1,000"},
      {"no number after a dose", {medicated}, {aFeedDose("00002", 5, 1), aFeedDose("00002", kNaN, 1)}, "0.50|1,000",
       "1,000.0", "1,000"},
      {"past a Long", {medicated}, {aFeedDose("00002", 1e30f, 1)}, "1,073,741.82|2,147,483,647", "2,147,483,647.0",
       "2,147,483,"},
      {"an infinity, then a full batch", {medicated, full}, {aFeedDose("00002", kInf, 1)},
       "1,073,741.82|2,147,483,647", "2,147,483,647.0", "2,147,483,"},
      {"below a Long", {medicated}, {aFeedDose("00002", -1e30f, 1)}, "-1,073,741.82|-2,147,483,648",
       "-2,147,483,648.0", "-2,147,483"},
  };
  for (const auto& c : cases) {
    const FeedBatchFile file = FeedBatchFile::of(c.batches);
    const BatchMedications meds(MedicationFile::of(c.meds));
    platform::ListItems rows;
    const GrandTotals totals = GrandTotalsOf(WriteBatchRows(rows, file, "N", meds));
    EXPECT_EQ(totals.tons + "|" + totals.pounds, c.listed) << c.name;
    EXPECT_EQ(Trim(std::string(rows.text(0).substr(39, 10))), c.line) << c.name;
    EXPECT_EQ(BatchSummaryLines(BatchReportOf(file, "N", meds), "06/01/2024")[4],
              "TOTAL FEED in POUND(s). -----------------------> " + c.printed)
        << c.name;
  }
}

// More batches than a 16-bit count holds: the listing prints every line,
// the summary counts the most it can.
TEST(FeedBatchListTest, ASummaryOfMoreBatchesThanItsCountHolds) {
  const BatchReport report =
      BatchReportOf(FeedBatchFile::of(std::vector<FeedBatchRecord>(40000, aBatch("00001").row(0, "CORN", 1))), "N",
                    BatchMedications());
  EXPECT_EQ(report.lines.size(), 40000u);
  const Lines summary = BatchSummaryLines(report, "06/01/2024");
  EXPECT_EQ(summary[0], "TOTAL BATCH(s). -------------------------------> 32767");
  EXPECT_EQ(summary[14], "Average POUNDs of FEED per BATCH. -------------> 1.2");
}

// The summary page's heading is the report's title centred in 80 columns: it
// starts at column (80 - its length) \ 2, for the titles of odd and even
// length alike.
class FeedBatchSummaryTest : public FeedBatchTest {};

TEST_F(FeedBatchSummaryTest, TheSummaryHeadingCentresTheTitle) {
  const struct {
    int choice;
    const char* letter;
    const char* title;
  } cases[] = {{0, "N", "NURSERY  FEED  RECORD  for ( 2024 )"},
               {1, "G", "GROWER  FEED  RECORD  for ( 2024 )"},
               {2, "F", "FINSHER  FEED  RECORD  for ( 2024 )"},
               {4, "E", "GESTATION  FEED  RECORD  for ( 2024 )"}};
  int document = 0;
  for (const auto& c : cases) {
    writeBatches({aBatch("00001").type(c.letter).row(0, "CORN", 1000).cost(50)});
    writeMeds({});
    FeedMenuChoice = c.choice;
    ASSERT_TRUE(PrintBatchReport(nullptr)) << c.title;
    document += 2;  // the listing, then the summary
    const size_t lead = (80 - std::string(c.title).size()) / 2 - 1;  // the columns before the starting one
    const std::string heading = std::string(lead, ' ') + c.title;
    EXPECT_EQ(PrintJob.Heading1, heading + std::string(80 - heading.size(), ' ')) << c.title;
    const Lines page = tp.printer.texts(document);
    EXPECT_NE(std::find(page.begin(), page.end(), PrintJob.Heading1), page.end()) << c.title;
  }
}
