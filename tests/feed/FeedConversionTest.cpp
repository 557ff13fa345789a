// The feed conversion figures and runs without windows. Every expected
// figure is worked out by hand from the figures of the fixture's group.
#include <limits>

#include "feed/FeedConversion.h"
#include "feed/FeedConversionFixture.h"
#include "feed/FeedConversionMenu.h"
#include "feed/GroupFeedConversion.h"
#include "feed/HerdFeedConversion.h"
#include "platform/FileSystem.h"
#include "support/BoxMatch.h"

namespace {

using Lines = std::vector<std::string>;

enum class Ratio { PerUnit, PerCwt, Feed, FeedInt };
struct RatioCase {
  Ratio ratio;
  double a;
  int32_t b;
  std::string text;
};
class RatioTexts : public ::testing::TestWithParam<RatioCase> {};

TEST_P(RatioTexts, AreComputedOrZeroWhenTheDivisionCannotBeMade) {
  const RatioCase& c = GetParam();
  switch (c.ratio) {
    case Ratio::PerUnit: EXPECT_EQ(CostPerUnitText(c.a, c.b), c.text); break;
    case Ratio::PerCwt: EXPECT_EQ(CostPerCwtText(c.a, c.b), c.text); break;
    case Ratio::Feed: EXPECT_EQ(FeedRatioText(static_cast<int32_t>(c.a), c.b), c.text); break;
    case Ratio::FeedInt: EXPECT_EQ(FeedRatioIntText(static_cast<int32_t>(c.a), c.b), c.text); break;
  }
}

INSTANTIATE_TEST_SUITE_P(
    FeedConversion, RatioTexts,
    ::testing::Values(RatioCase{Ratio::PerUnit, 0, 25, "0.00"}, RatioCase{Ratio::PerUnit, -10, 25, "0.00"},
                      RatioCase{Ratio::PerUnit, 10, 0, "0.00"}, RatioCase{Ratio::PerUnit, 10, 25, "0.40"},
                      RatioCase{Ratio::PerUnit, 1234567.89, 10, "123456.79"},
                      RatioCase{Ratio::PerCwt, 30, 0, "0.00"}, RatioCase{Ratio::PerCwt, 0, 1500, "0.00"},
                      RatioCase{Ratio::PerCwt, 30, 1500, "2.00"}, RatioCase{Ratio::PerCwt, 10, 50, "20.00"},
                      RatioCase{Ratio::PerCwt, 30, -1500, "-2.00"}, RatioCase{Ratio::Feed, 0, 0, "0.00"},
                      RatioCase{Ratio::Feed, 0, 1000, "0.00"}, RatioCase{Ratio::Feed, 3000, 0, "0.00"},
                      RatioCase{Ratio::Feed, 3000, 1000, "3.00"}, RatioCase{Ratio::Feed, 3000, -1000, "-3.00"},
                      RatioCase{Ratio::FeedInt, 0, 4, "0"}, RatioCase{Ratio::FeedInt, 2500, 0, "0"},
                      RatioCase{Ratio::FeedInt, 2500, 4, "625"}, RatioCase{Ratio::FeedInt, 2500, -4, "-625"}));

TEST(GroupIdYearTest, TheLastTwoCharactersNameTheYear) {
  const std::pair<std::string, std::string> cases[] = {
      {"004-08", "2008"}, {"100-97", "1997"}, {"001-90", "1990"}, {"001-89", "2089"}, {"abc-de", "2000"}};
  for (const auto& [id, year] : cases) EXPECT_EQ(GroupIdYear(id), year) << id;
}

struct IdsCase {
  std::array<std::string, kGroupIdBoxes> boxes;
  GroupIdTable ids;
  Check refusal;
};
class ReadGroupIdsTest : public ::testing::TestWithParam<IdsCase> {};

const char kLegal[] = "Legal entries = 100-97, 001-01";
Refusal illegal(const std::string& first, int box) {
  return Refusal{first + "\r" + kLegal, "ILLEGAL   GROUP   ENTRY", platform::vbExclamation, box};
}

TEST_P(ReadGroupIdsTest, AcceptsSixCharacterIdsWithTheirDashUpToTheFirstRefusedBox) {
  GroupIdTable ids;
  ids.fill("old");
  EXPECT_EQ(ReadGroupIds(GetParam().boxes, ids), GetParam().refusal);
  EXPECT_EQ(ids, GetParam().ids);
}

INSTANTIATE_TEST_SUITE_P(
    FeedConversion, ReadGroupIdsTest,
    ::testing::Values(
        IdsCase{{"", "", "", "004-08", "", ""}, {"", "", "", "", "004-08", "", ""}, std::nullopt},
        IdsCase{{"004-08", "abc-de", "  ", "", "", "7-1-08"},
                {"", "004-08", "abc-de", "", "", "", "7-1-08"},
                std::nullopt},
        IdsCase{{"00408", "", "", "", "", ""}, {}, illegal("ERROR:..  INCORRECT ENTRY!", 0)},
        IdsCase{{"004/08", "", "", "", "", ""}, {}, illegal("ERROR:..  MISSING (-)!", 0)},
        IdsCase{{"004-08", "005-08", "12-08", "006-08", "", ""},
                {"", "004-08", "005-08", "", "", "", ""},
                illegal("ERROR:..  INCORRECT ENTRY!", 2)},
        IdsCase{{"", " ", "", "", "", ""},
                {},
                Refusal{std::string("ERROR:.. NO ENTRIES!\rYou MUST enter at least one Group#.\r"
                                    "This Entry is required!\r") +
                            kLegal,
                        "ILLEGAL   GROUP   ENTRY", platform::vbExclamation, 0}}));

}  // namespace

// A building's run: its row and its eight figures.
struct BuildingCase {
  const char* name;
  int building;
  bool feederSales;
  BuildingRow row;
  FigureTexts figures;
};

class BuildingRuns : public FeedConversionTest, public ::testing::WithParamInterface<BuildingCase> {};

TEST_P(BuildingRuns, GiveTheRowAndTheFiguresWorkedOutByHand) {
  writeHerd();
  const BuildingCase& c = GetParam();
  GroupIdTable ids{};
  ids[2] = "004-08";
  FeedYearBook years;
  const BuildingRun run = RunBuilding(c.building, ids, book(c.feederSales), years);
  EXPECT_FALSE(run.problem);
  EXPECT_EQ(run.row, c.row);
  EXPECT_EQ(run.figures, c.figures);
}

INSTANTIATE_TEST_SUITE_P(
    FeedConversion, BuildingRuns,
    ::testing::Values(
        // Pork: 4,500 + 225 - 1,200; feed 3,000 + 500 + 2 + 4; cost 300 + 60 + 12 + 7.
        BuildingCase{"NurseryWithFeederSales", kNursery, true, {-1, 100, 3525, 3506, 379},
                     {"", "100", "3525", "3506", "0.11", "10.75", "379.00", "0.99", "35"}},
        BuildingCase{"NurseryAllToTheGrower", kNursery, false, {-2, 100, 3300, 3506, 379},
                     {"", "100", "3300", "3506", "0.11", "11.48", "379.00", "1.06", "35"}},
        // Pork: 10,560 - 4,500.
        BuildingCase{"Grower", kGrower, true, {-1, 90, 6060, 8000, 640},
                     {"", "90", "6060", "8000", "0.08", "10.56", "640.00", "1.32", "89"}},
        // Pork: 82 x 260 + 6 x 200 - 10,560 (the year-end pigs not counted, their row is).
        BuildingCase{"Finisher", kFinisher, true, {-1, 88, 11960, 20000, 1600},
                     {"", "88", "11960", "20000", "0.08", "13.38", "1600.00", "1.67", "227"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FeedConversionTest, AGrowerWithNothingOutHasNoResults) {
  writeHerd();
  GroupIdTable ids{};
  ids[1] = "004-08";
  FeedYearBook years;
  const BuildingRun run =
      RunBuilding(kGrower, ids, GroupBook::of({aGroup("G", "004-08", 10).in(90, 50, "02/20/2008")}, {}), years);
  EXPECT_EQ(run.row, BuildingRow{});
  EXPECT_EQ(run.figures, (FigureTexts{"", "0", "0", "0", "0.00", "0.00", "0.00", "0.00", "0"}));
}

TEST_F(FeedConversionTest, AllBuildingsAverageThePigsOverTwoOrThreeBuildings) {
  const struct {
    int16_t nursery;
    int32_t pigs;
    std::string shown;
  } cases[] = {{-1, 5, "2"}, {0, 7, "4"}, {-2, 9, "3"}, {-2, 278, "93"}, {-1, 278, "139"}};
  for (const auto& c : cases) {
    BuildingTable table{};
    table[1] = {c.nursery, c.pigs, 0, 0, 0};
    EXPECT_EQ(AllBuildingsFigures(table)[1], c.shown) << c.pigs;
  }
  // The fixture's three buildings: 278 pigs over two, 21,545 lb of pork,
  // 31,506 lb of feed for $2,619.
  BuildingTable table{};
  table[1] = {-1, 100, 3525, 3506, 379};
  table[2] = {-1, 90, 6060, 8000, 640};
  table[3] = {-1, 88, 11960, 20000, 1600};
  EXPECT_EQ(AllBuildingsFigures(table),
            (FigureTexts{"", "139", "21545", "31506", "0.08", "12.16", "2619.00", "1.46", "227"}));
}

TEST_F(FeedConversionTest, MissingYearFilesStopTheRunAtTheirGroup) {
  writeHerd();
  GroupIdTable ids{};
  ids[1] = "004-08";
  ids[4] = "abc-de";
  FeedYearBook years;
  BuildingRun run = RunBuilding(kNursery, ids, book(), years);
  ASSERT_TRUE(run.problem);
  EXPECT_EQ(run.problem->box, 3);
  EXPECT_EQ(YearFileFaultText(run.problem->problem, "Incomplete data for Group(abc-de)!"),
            "FEED2000.DAT FILE DOESN'T EXIST!\r\rCan't do feed conversion!\rIncomplete data for Group(abc-de)!");
  EXPECT_EQ(YearFileFaultTitle(run.problem->problem), "FEED  FILE  ERROR");

  // A medicated batch needs the medication file; an empty one stops the run.
  writeFile(tp.path("MED2008.DAT"), "");
  ids[4] = "";
  FeedYearBook again;
  run = RunBuilding(kNursery, ids, book(), again);
  ASSERT_TRUE(run.problem);
  EXPECT_EQ(YearFileFaultLine(run.problem->problem), "FILE: MED2008.DAT IS EMPTY!");
  EXPECT_EQ(YearFileFaultTitle(run.problem->problem), "MEDICATION  FILE  ERROR");
  // The grower's batches are not medicated: no medication file needed.
  platform::deleteFile(tp.path("MED2008.DAT"));
  FeedYearBook grower;
  EXPECT_FALSE(RunBuilding(kGrower, ids, book(), grower).problem);
}

TEST_F(FeedConversionTest, ShownAndPrintedGroupFigures) {
  const FigureTexts f{"", "100", "3525", "3506", "0.11", "10.75", "379.00", "0.99", "35"};
  EXPECT_EQ(ShownGroupFigures(f),
            (std::array<std::string, 8>{"100", "3525", "3506", "0.11", "379.00", "10.75", "35", "0.99"}));
  EXPECT_EQ(ShownGroupFigures(FigureTexts{}),
            (std::array<std::string, 8>{"0", "0", "0", "0.00", "0.00", "0.00", "0", "0.00"}));
  GroupIdTable ids{"", "004-08", "", "005-08", "006-08 "};
  const Lines lines = GroupSummaryLines(f, ids, "06/01/2024");
  ASSERT_EQ(lines.size(), 26u);
  const std::string blank(79, ' ');
  EXPECT_EQ(lines, (Lines{"TOTAL NUMBER of PIG(s). ------------->100", blank,
                          "POUND(s) of PORK PRODUCED. ---------->3525", blank,
                          "POUND(s) of FEED USED. -------------->3506", blank,
                          "AVERAGE PRICE per POUND of FEED. ---->$0.11", blank,
                          "TOTAL FEED COST. -------------------->$379.00", blank,
                          "FEED COST per C.T.W. of PORK. ------->$10.75", blank,
                          "FEED per PIG in POUND(s). ----------->35", blank,
                          "FEED EFFICIENCY. -------------------->0.99", blank, blank,
                          "THE FOLLOWING GROUP(s) WERE USED TO GENERATE THIS SUMMARY.", blank,
                          "004-08        005-08", "006-08        ", blank, blank,
                          "This SUMMARY was printed on 06-01-2024", blank, blank}));
  EXPECT_EQ(CentredHeading("GROUP FEED CONVERSION in ALL BUILDINGS"),
            std::string(20, ' ') + "GROUP FEED CONVERSION in ALL BUILDINGS" + std::string(22, ' '));
}

struct HerdEntryCase {
  HerdFeedEntry entry;
  Check refusal;
};
class HerdEntryChecks : public ::testing::TestWithParam<HerdEntryCase> {};

TEST_P(HerdEntryChecks, NeedAFourCharacterYearAndBothBreedingWeights) {
  EXPECT_EQ(CheckHerdFeedEntry(GetParam().entry), GetParam().refusal);
}

const char kHerdTitle[] = "HERD   FEED   CONVERSION";
const std::string kLongRange = "\r\rIt takes a number from 0 to 2147483647.";
INSTANTIATE_TEST_SUITE_P(
    FeedConversion, HerdEntryChecks,
    ::testing::Values(
        HerdEntryCase{{"2008", "40000", "41000", ""}, std::nullopt},
        HerdEntryCase{{"19", "40000", "41000", ""},
                      Refusal{"INVALID ENTRY!!\rYou MUST supply a four(4) diget YEAR!", kHerdTitle,
                              platform::vbExclamation, kReportYearField}},
        HerdEntryCase{{"2008 ", "40000", "41000", ""},
                      Refusal{"INVALID ENTRY!!\rYou MUST supply a four(4) diget YEAR!", kHerdTitle,
                              platform::vbExclamation, kReportYearField}},
        HerdEntryCase{{"abcd", "", "  ", ""},
                      Refusal{"INVALID ENTRY!!\rYou MUST supply a ENDING BREEDING\rHERD WEIGHT!", kHerdTitle,
                              platform::vbExclamation, kEndWeightField}},
        HerdEntryCase{{"2008", " ", "41000", ""},
                      Refusal{"INVALID ENTRY!!\rYou MUST supply a BEGINING BREEDING\rHERD WEIGHT!", kHerdTitle,
                              platform::vbExclamation, kBeginWeightField}},
        HerdEntryCase{{"2008", "40000", "41,000", ""},
                      Refusal{"The ENDING BREEDING HERD WT is not a number!" + kLongRange, kHerdTitle,
                              platform::vbExclamation, kEndWeightField}},
        HerdEntryCase{{"2008", "-1", "41000", ""},
                      Refusal{"The BEGINING BREEDING HERD WT can't be less than 0!" + kLongRange, kHerdTitle,
                              platform::vbExclamation, kBeginWeightField}},
        HerdEntryCase{{"2008", "40000", "9e12", ""},
                      Refusal{"The ENDING BREEDING HERD WT can't be more than 2147483647!" + kLongRange, kHerdTitle,
                              platform::vbExclamation, kEndWeightField}},
        HerdEntryCase{{"2008", "40000", "41000", "abc"},
                      Refusal{"The STARTING FEEDER PIG WT is not a number!" + kLongRange, kHerdTitle,
                              platform::vbExclamation, kFeederWeightField}},
        HerdEntryCase{{"2008", "40000", "41000", "1234.5"}, std::nullopt}));

TEST_F(FeedConversionTest, TheHerdOfAYearFromItsFiles) {
  writeHerd();
  writeRecords<SowRecord>(tp.path("SOW.DAT"), {aSow("S1"), aSow(""), aSow("S2"), aSow("GONE").left("08/01/2008"),
                                               aSow("S3")});
  writeRecords<BoarRecord>(tp.path("BOAR.DAT"), {aBoar("B1"), aBoar("B2").left("03/03/2008")});
  const HerdRun run = GatherHerdTotals("2008");
  EXPECT_FALSE(run.problem || run.fault);
  // Feed: nursery 3,000 + 506 + 999, grower 8,000, finisher 20,000,
  // gestation 700; cost 300 + 79 + 99 + 640 + 1,600 + 70.
  EXPECT_EQ(run.totals.marketHead, 80);
  EXPECT_EQ(run.totals.marketWeight, 20800);
  EXPECT_EQ(run.totals.feederHead, 5);
  EXPECT_EQ(run.totals.feederWeight, 225);
  EXPECT_EQ(run.totals.feed, 33205);
  EXPECT_FLOAT_EQ(run.totals.cost, 2788);
  EXPECT_EQ(run.totals.breedingHead, 4);

  // Gain 1,000; pork 20,800 + 225 - 1,200 + 1,000; pigs 80 + 5 + 4.
  const HerdFigureTexts f = HerdFeedFigures(run.totals, {"2008", "40000", "41000", "1200"});
  EXPECT_EQ(f, (HerdFigureTexts{"", "80", "5", "20800.0", "225.0", "260", "45", "20825", "33205", "0.08", "2788.00",
                                "13.39", "373", "1.59"}));
  EXPECT_EQ(ShownHerdFigures(f), (HerdFigureTexts{"", "80", "5", "20800", "225", "260", "45", "20825", "33205",
                                                  "0.08", "2788.00", "13.39", "373", "1.59"}));
  const Lines lines = HerdSummaryLines(f, "06/01/2024");
  ASSERT_EQ(lines.size(), 30u);
  EXPECT_EQ(lines[0], "TOTAL NUMBER of MARKET Hog(s) Sold. ------------->80");
  EXPECT_EQ(lines[4], "TOTAL MARKET WEIGHT Sold. ----------------------->20800");
  EXPECT_EQ(lines[16], "AVERAGE PRICE per POUND of FEED. ---------------->$0.08");
  EXPECT_EQ(lines[24], "FEED EFFICIENCY. -------------------------------->1.59");
  EXPECT_EQ(lines[25], std::string(79, ' '));
  EXPECT_EQ(lines[27], "This SUMMARY was printed on 06-01-2024");

  // No head sold: no average; a lighter herd at the end lowers the pork.
  HerdTotals none;
  none.feed = 1000;
  const HerdFigureTexts g = HerdFeedFigures(none, {"2008", "41000", "40000", ""});
  EXPECT_EQ(g[5] + "|" + g[7] + "|" + g[11] + "|" + g[12] + "|" + g[13], "0|-1000|0.00|0|-1.00");
}

// A year's feed past what a Long holds, doses that are no number or past
// any range, and batch costs past what a Currency holds: the pounds are
// summed in 64 bits and each figure shows the nearest value it holds.
TEST_F(FeedConversionTest, FeedPastWhatItsFiguresHoldShowsTheNearestValue) {
  constexpr int32_t kMost = 2147483647;
  const FeedBatchRecord full = aBatch("00001").group("004").row(0, "CORN", kMost).cost(1);
  const FeedBatchRecord dear =
      aBatch("00003").group("004").row(0, "CORN", 1).set(&FeedBatchRecord::TotalCost, records::Currency{INT64_MAX});
  const FeedBatchRecord medicated = aBatch("M00002").group("004").row(0, "CORN", 1000);
  const struct {
    const char* name;
    std::vector<FeedBatchRecord> batches;
    std::vector<MedicationRecord> meds;
    int64_t feed;
    float cost;
    std::string shown;  // pounds of feed used, total feed cost, feed per pig
  } cases[] = {
      {"two full batches", {full, full}, {aFeedDose("00002", 1, 1)}, 2LL * kMost, 2, "2147483647|2.00|2147483647"},
      {"doses past a Long and no number", {medicated, medicated},
       {aFeedDose("00002", 1e30f, 0), aFeedDose("00002", std::numeric_limits<float>::quiet_NaN(), 0)},
       2 * (1000 + int64_t{kMost}), 0, "2147483647|0.00|2147483647"},
      {"costs past a Currency", {dear, dear, full}, {aFeedDose("00002", 1, 1)}, 2 + int64_t{kMost},
       static_cast<float>(records::Currency{INT64_MAX}.value()), "2147483647|922337200000000.00|2147483647"},
  };
  for (const auto& c : cases) {
    writeRecords<FeedBatchRecord>(tp.path("FEED2008.DAT"), c.batches);
    writeRecords<MedicationRecord>(tp.path("MED2008.DAT"), c.meds);
    FeedYearFiles files("2008");
    HerdTotals t;
    EXPECT_FALSE(HerdFeedOfYear(files, t.feed, t.cost)) << c.name;
    EXPECT_EQ(t.feed, c.feed) << c.name;
    EXPECT_FLOAT_EQ(t.cost, c.cost) << c.name;
    t.breedingHead = 1;
    const HerdFigureTexts f = HerdFeedFigures(t, {"2008", "0", "0", ""});
    EXPECT_EQ(f[8] + "|" + f[10] + "|" + f[12], c.shown) << c.name;
  }
}

// The buildings' rows summed past what a Long holds.
TEST_F(FeedConversionTest, AllBuildingsSumPastALongToTheNearestValue) {
  BuildingTable table{};
  for (int b = 1; b <= 3; ++b) table[static_cast<size_t>(b)] = {-1, 2147483647, 2147483647, 2147483647, 1};
  EXPECT_EQ(AllBuildingsFigures(table),
            (FigureTexts{"", "2147483647", "2147483647", "2147483647", "0.00", "0.00", "3.00", "1.00", "1"}));
  table[1].pork = table[2].pork = -2147483647 - 1;
  EXPECT_EQ(AllBuildingsFigures(table)[2], "-2147483648");
}

TEST_F(FeedConversionTest, TheHerdRunStopsOnItsYearFiles) {
  writeHerd();
  EXPECT_EQ(GatherHerdTotals("2019").problem->fault, YearFileFault::FeedMissing);
  platform::deleteFile(tp.path("MED2008.DAT"));
  const HerdRun run = GatherHerdTotals("2008");
  ASSERT_TRUE(run.problem);
  EXPECT_EQ(YearFileFaultText(*run.problem, "Incomplete data!"),
            "MED2008.DAT FILE DOESN'T EXIST!\r\rCan't do feed conversion!\rIncomplete data!");
}

TEST_F(FeedConversionTest, TheMenuChecksTheFilesBeforeOpening) {
  FeedFile = "FEED2008.DAT";
  const auto image = [](auto rows) { return records::FileImage<typename decltype(rows)::value_type>::of(rows); };
  const std::vector<FeedBatchRecord> noGroup{aBatch("00001").type("E")};
  const std::vector<SalesRecord> noSales{SalesRecord{}};
  const std::vector<GroupRecord> noGroups{GroupRecord{}};
  const auto check = [&](bool exists, const std::vector<FeedBatchRecord>& b, const std::vector<SalesRecord>& s,
                         const std::vector<GroupRecord>& g) {
    const Check c = CheckFeedConversionFiles(exists, image(b), image(s), image(g));
    return c ? c->title + ": " + c->text : std::string("open");
  };
  EXPECT_EQ(check(false, {}, sales(), groups()), "FEED   CONVERSION   ERROR: FEED2008.DAT FILE DOESN'T EXIST!");
  EXPECT_EQ(check(true, {}, sales(), groups()), "FEED    CONVERSION   ERROR: FEED FILE EMPTY!");
  EXPECT_EQ(check(true, noGroup, sales(), groups()), "FEED   CONVERSION   ERROR: NO GROUP FEED RECORDS FOUND!");
  EXPECT_EQ(check(true, batches2008(), {}, groups()), "FEED   CONVERSION   ERROR: SALES FILE EMPTY!");
  EXPECT_EQ(check(true, batches2008(), noSales, groups()), "FEED   CONVERSION   ERROR: NO GROUP SALES RECORDS FOUND!");
  EXPECT_EQ(check(true, batches2008(), sales(), {}), "FEED   CONVERSION   ERROR: GROUP FILE EMPTY!");
  EXPECT_EQ(check(true, batches2008(), sales(), noGroups), "FEED   CONVERSION   ERROR: NO GROUP RECORDS FOUND!");
  EXPECT_EQ(check(true, batches2008(), sales(), groups()), "open");
}
