// New group IDs, the checks of pigs in and out, and the records a move plans.
#include <gtest/gtest.h>

#include "common/HogGlobals.h"
#include "feed/GroupFeedConversion.h"
#include "groups/GroupList.h"
#include "groups/GroupMoves.h"
#include "groups/SalesTotals.h"
#include "support/RecordBuilders.h"

namespace {

GroupBook bookOf(const std::vector<GroupRecord>& groups, const std::vector<SalesRecord>& sales = {}) {
  return GroupBook::of(groups, sales);
}

const char kLeaving[] =
    "YOU MUST have some pigs leaving!\rPig's MUST goto any or all of the following:\r1. A Building.\r"
    "2. To Sales.\r3. To Gilts.\r4. Number to Adj.";
const char kCounts[] = "\r\rIt takes a number from 0 to 32767.";
const char kAmounts[] = "\r\rIt takes a number from 0 to 9999999.";
std::string said(const char* what, const char* range) { return std::string(what) + range; }

struct OutCheckCase {
  const char* name;
  OutEntry entry;
  int stage;
  long remaining;
  std::string text;  // "" when accepted
  int field;
};

class OutChecks : public ::testing::TestWithParam<OutCheckCase> {};

TEST_P(OutChecks, RefuseWithTheFieldsMessage) {
  const OutCheckCase& c = GetParam();
  const Check check = CheckOutFigures(c.entry, c.stage, c.remaining);
  if (c.text.empty()) {
    EXPECT_FALSE(check);
    return;
  }
  ASSERT_TRUE(check);
  EXPECT_EQ(check->text, c.text);
  EXPECT_EQ(check->title, "GROUP  ENTRY  ERROR!");
  EXPECT_EQ(check->field, c.field);
}

OutEntry out(const char* pigs, const char* sale, const char* wt, const char* price, const char* adj = "",
             bool yearEnd = false) {
  return OutEntry{"06/01/2024", pigs, sale, wt, price, adj, yearEnd, false};
}

INSTANTIATE_TEST_SUITE_P(
    Entries, OutChecks,
    ::testing::Values(OutCheckCase{"Accepted", out("60", "40", "50", "0.8"), 0, 100, "", -1},
                      OutCheckCase{"NoPigs", out("", "", "50", ""), 0, 100, kLeaving, kPigsOutField},
                      OutCheckCase{"NoPigsToAdjust", out("9", "", "50", "", "0", true), 0, 100, kLeaving, kNumAdjField},
                      OutCheckCase{"TooMany", out("61", "40", "50", "1"), 0, 100,
                                   "MORE PIGs ARE LEAVING, Then you have!", kPigsOutField},
                      OutCheckCase{"NegativeRemainingRefusesAll", out("1", "", "50", ""), 0, -3,
                                   "MORE PIGs ARE LEAVING, Then you have!", kPigsOutField},
                      OutCheckCase{"NegativeMoving", out("-5", "10", "50", "1"), 0, 100,
                                   said("The NUMBER of PIGs OUT can't be less than 0!", kCounts), kPigsOutField},
                      OutCheckCase{"NegativeSale", out("10", "-5", "50", "1"), 0, 100,
                                   said("The NUMBER of PIGs going to SALES can't be less than 0!", kCounts),
                                   kPigsSaleField},
                      OutCheckCase{"HugeCount", out("99999", "", "50", ""), 0, 100,
                                   said("The NUMBER of PIGs OUT can't be more than 32767!", kCounts), kPigsOutField},
                      OutCheckCase{"LettersForPigs", out("ten", "10", "50", "1"), 0, 100,
                                   said("The NUMBER of PIGs OUT is not a number!", kCounts), kPigsOutField},
                      OutCheckCase{"LettersToAdjust", out("", "", "50", "", "1O", true), 0, 100,
                                   said("The NUMBER to ADJUST is not a number!", kCounts), kNumAdjField},
                      OutCheckCase{"GrowerSalesBoxNotRead", out("10", "x", "50", ""), 1, 10, "", -1},
                      OutCheckCase{"NoWeight", out("10", "", " ", ""), 0, 100, "The WEIGHT of PIGs OUT, is required!",
                                   kWeightOutField},
                      OutCheckCase{"NegativeWeight", out("10", "", "-2", ""), 0, 100,
                                   said("The WEIGHT of PIGs OUT can't be less than 0!", kAmounts), kWeightOutField},
                      OutCheckCase{"LettersForWeight", out("10", "", "abc", ""), 0, 100,
                                   said("The WEIGHT of PIGs OUT is not a number!", kAmounts), kWeightOutField},
                      OutCheckCase{"NoPrice", out("", "10", "50", "0"), 0, 100,
                                   "The PRICE per Lb of sold pigs is required!", kPriceField},
                      OutCheckCase{"LettersForPriceAreNoNumber", out("", "10", "50", "abc"), 0, 100,
                                   said("The PRICE per Lb is not a number!", kAmounts), kPriceField},
                      OutCheckCase{"PriceTooSmallForASingleIsNoPrice", out("", "10", "50", "1e-50"), 0, 100,
                                   "The PRICE per Lb of sold pigs is required!", kPriceField},
                      OutCheckCase{"NegativePrice", out("", "10", "50", "-1"), 0, 100,
                                   said("The PRICE per Lb can't be less than 0!", kAmounts), kPriceField},
                      OutCheckCase{"HugePrice", out("", "10", "50", "1e9"), 0, 100,
                                   said("The PRICE per Lb can't be more than 9999999!", kAmounts), kPriceField},
                      OutCheckCase{"GrowerSalesIgnored", out("10", "5", "50", ""), 1, 10, "", -1},
                      OutCheckCase{"AdjustmentNeedsNoPrice", out("", "10", "50", "", "10", true), 2, 10, "", -1}),
    [](const auto& info) { return std::string(info.param.name); });

struct PigsInCase {
  const char* name;
  PigsInEntry entry;
  const char* text;
  int field;
};

class PigsInChecks : public ::testing::TestWithParam<PigsInCase> {};

TEST_P(PigsInChecks, RefuseWithTheFieldsMessage) {
  const PigsInCase& c = GetParam();
  Check check = CheckDateIn(c.entry, kNewGroupTexts);
  if (!check) check = CheckPigsIn(c.entry, kNewGroupTexts);
  if (std::string(c.text).empty()) {
    EXPECT_FALSE(check);
    return;
  }
  ASSERT_TRUE(check);
  EXPECT_EQ(check->text, c.text);
  EXPECT_EQ(check->title, "GROUP  ENTRY ERROR!");
  EXPECT_EQ(check->field, c.field);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, PigsInChecks,
    ::testing::Values(PigsInCase{"Accepted", {"03/01/2024", "100", "12.5"}, "", -1},
                      PigsInCase{"NoDate", {"__/__/____", "100", "12.5"}, "DATE IN, is a required entry!", kDateInField},
                      PigsInCase{"NoPigs", {"03/01/2024", "  ", "12.5"}, "NUMBER OF PIG'S IN, is a required entry!",
                                 kPigsInField},
                      PigsInCase{"NegativePigs", {"03/01/2024", "-5", "12.5"},
                                 "NUMBER OF PIG'S IN can't be less than 0!\r\rIt takes a number from 0 to 32767.",
                                 kPigsInField},
                      PigsInCase{"TooManyPigs", {"03/01/2024", "99999", "12.5"},
                                 "NUMBER OF PIG'S IN can't be more than 32767!\r\rIt takes a number from 0 to 32767.",
                                 kPigsInField},
                      PigsInCase{"LettersForPigs", {"03/01/2024", "100 pigs", "12.5"},
                                 "NUMBER OF PIG'S IN is not a number!\r\rIt takes a number from 0 to 32767.",
                                 kPigsInField},
                      PigsInCase{"NoWeight", {"03/01/2024", "100", ""}, "WEIGHT IN, is a required entry!", kWeightInField},
                      PigsInCase{"NegativeWeight", {"03/01/2024", "100", "-3"},
                                 "WEIGHT IN can't be less than 0!\r\rIt takes a number from 0 to 9999999.",
                                 kWeightInField},
                      PigsInCase{"LettersForWeight", {"03/01/2024", "100", "abc"},
                                 "WEIGHT IN is not a number!\r\rIt takes a number from 0 to 9999999.", kWeightInField}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(GroupIds, KeyIsTheLastThreeCharactersAndUsedInAnyStageOfTheYear) {
  EXPECT_EQ(GroupKey("1234"), "234");
  EXPECT_EQ(GroupKey(" 12"), " 12");
  EXPECT_FALSE(GroupKey("12"));
  const GroupBook groups = bookOf({aGroup("F", "005-19", 11), GroupRecord{}});
  EXPECT_TRUE(GroupKeyUsed(groups, "005", "19"));
  EXPECT_FALSE(GroupKeyUsed(groups, "005", "20"));
  EXPECT_EQ(NextYearId("005-19"), "005-20");
  EXPECT_EQ(NextYearId("005-99"), "005-00");
  EXPECT_EQ(NextYearId("005-08"), "005-09");
}

TEST(GroupOut, LoadGivesTheStateOfTheGroup) {
  const GroupBook book = bookOf({aGroup("N", "001-24").in(100, 10, "01/01/2024"), aGroup("G", "001-24", 10).in(60, 40, "02/01/2024"),
                                 aGroup("N", "002-24").in(10, 10, "01/01/2024").yearEnd(),
                                 aGroup("N", "003-24").in(10, 10, "01/01/2024").deathLoss()},
                                {aSale("F", "001-24").sold(40, 40, 1, "02/01/2024")});
  EXPECT_EQ(LoadOutGroup(book, 1).state, 3);
  EXPECT_EQ(OutStateText(LoadOutGroup(book, 1)), "THERE ISN'T ANY PIGS TO MOVE!");
  EXPECT_EQ(OutStateText(LoadOutGroup(book, 3)), "THIS GROUP IS ONLY FOR EDITING!\r( 002-24 )\rThis GROUP is not really here!");
  EXPECT_EQ(OutStateText(LoadOutGroup(book, 4)), "THIS GROUP IS FINISHED!\r( 003-24 )\rAll pigs in this GROUP have been moved!");
  EXPECT_EQ(LoadOutGroup(book, 2).state, 0);
  EXPECT_EQ(LoadOutGroup(book, 2).remaining, 60);
}

struct PlanCase {
  const char* name;
  std::vector<GroupRecord> groups;  // record 1 moves
  int stage;
  OutEntry entry;
  std::vector<long> groupRecords;   // records written
  std::vector<int16_t> subGroups;   // their sub-groups
  int16_t saleSubGroup;             // -1: no sale row
  const char* refusal;
};

class OutPlans : public ::testing::TestWithParam<PlanCase> {};

TEST_P(OutPlans, WriteTheRecordsOfTheMove) {
  const PlanCase& c = GetParam();
  const GroupBook book = bookOf(c.groups);
  OutPlan plan;
  const Check refused = PlanGroupOut(book, 1, c.entry, c.stage, plan);
  if (*c.refusal) {
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->text, c.refusal);
    return;
  }
  ASSERT_FALSE(refused);
  std::vector<long> records;
  std::vector<int16_t> subs;
  for (const auto& [n, g] : plan.groups) {
    records.push_back(n);
    subs.push_back(g.SubGroup);
  }
  EXPECT_EQ(records, c.groupRecords);
  EXPECT_EQ(subs, c.subGroups);
  EXPECT_EQ(plan.sale ? plan.sale->second.SubGroup : int16_t{-1}, c.saleSubGroup);
}

const char kMaxNine[] = "MAX of NINE (9) groups are allowed to leave\rfor this GroupID. ( 001-24 )\rTry larger numbers in each group!";

INSTANTIATE_TEST_SUITE_P(
    Moves, OutPlans,
    ::testing::Values(
        PlanCase{"NurseryToGrowerAndSales", {aGroup("N", "001-24").in(100, 10, "01/01/2024")}, 0, out("60", "40", "50", "1"),
                 {2, 1}, {10, 0}, 0, ""},
        PlanCase{"DateOutBeforeDateInRefused", {aGroup("N", "001-24").in(100, 10, "06/02/2024")}, 0,
                 out("60", "40", "50", "1"), {}, {}, 0,
                 "ERROR: INVALID DATE OUT!\r\rYour DATE OUT (06/01/2024) is before\rthe DATE IN (06/02/2024) of this GROUP!"},
        PlanCase{"DateOutOnTheDayInTaken", {aGroup("N", "001-24").in(100, 10, "06/01/2024")}, 0, out("60", "40", "50", "1"),
                 {2, 1}, {10, 0}, 0, ""},
        PlanCase{"NurserySubGroupAboveHighest",
                 {aGroup("N", "001-24").in(100, 10, "01/01/2024"), GroupRecord{}, aGroup("G", "001-24", 30)}, 0,
                 out("10", "", "50", ""), {2, 1}, {40, 0}, -1, ""},
        PlanCase{"NoneToTheGrowerWritesAGrowerOfNoPigs", {aGroup("N", "001-24").in(100, 10, "01/01/2024")}, 0,
                 out("0", "40", "50", "1.20"), {2, 1}, {10, 0}, 0, ""},
        PlanCase{"NextGrowerFollowsTheOneOfNoPigs",
                 {aGroup("N", "001-24").in(100, 10, "01/01/2024"), aGroup("G", "001-24", 10).in(0, 50, "06/01/2024")}, 0,
                 out("60", "", "50", ""), {3, 1}, {20, 0}, -1, ""},
        PlanCase{"TenthGrowerRefused", {aGroup("N", "001-24").in(100, 10, "01/01/2024"), aGroup("G", "001-24", 90)}, 0,
                 out("10", "", "50", ""), {}, {}, 0, kMaxNine},
        PlanCase{"FinisherOneAboveTheGrowersHighest",
                 {aGroup("G", "001-24", 10).in(100, 10, "01/01/2024"), aGroup("F", "001-24", 21), aGroup("F", "001-24", 11)}, 1,
                 out("10", "", "50", ""), {4, 1}, {12, 10}, -1, ""},
        PlanCase{"TenthFinisherRefused", {aGroup("G", "001-24", 10).in(100, 10, "01/01/2024"), aGroup("F", "001-24", 19)}, 1,
                 out("10", "", "50", ""), {}, {}, 0,
                 "MAX of NINE (9) groups are allowed to leave\rfor this GroupId. ( 001-24 )\rTry larger numbers in each group!"},
        PlanCase{"FinisherGiltsOnlyWritesARow", {aGroup("F", "001-24", 11).in(100, 10, "01/01/2024")}, 2, out("5", "", "250", ""),
                 {1}, {11}, 11, ""},
        PlanCase{"NurseryYearEndCarriesAndAccounts", {aGroup("N", "001-24").in(100, 10, "01/01/2024")}, 0,
                 out("", "", "30", "", "30", true), {2, 3, 1}, {0, 10, 0}, -1, ""},
        PlanCase{"YearEndToAnIdUsedRefused",
                 {aGroup("F", "001-24", 11).in(100, 10, "01/01/2024"), aGroup("F", "001-25", 11)}, 2,
                 out("", "", "30", "", "30", true), {}, {}, 0, "THIS ID#. (001-25) IS ALL READY USED!"}),
    [](const auto& info) { return std::string(info.param.name); });

// An edit's date in against the days the group's pigs left: its next-stage
// records and its sales rows as pigs out matches them.
TEST(GroupEdit, DateInMayNotPassADateOut) {
  const GroupRecord nursery = aGroup("N", "001-24").in(100, 10, "01/01/2024");
  const GroupRecord grower = aGroup("G", "001-24", 10).in(60, 50, "03/01/2024");
  const GroupRecord finisher = aGroup("F", "001-24", 11).in(60, 90, "05/01/2024");
  const GroupBook book = bookOf({nursery, grower, aGroup("G", "001-24", 20).in(40, 50, "02/10/2024"), finisher,
                                 aGroup("F", "001-24", 21).in(9, 90, "04/20/2024")},
                                {aSale("F", "002-24").sold(10, 40, 1, "02/15/2024"),
                                 aSale("M", "001-24", 20).sold(5, 250, 1, "04/01/2024"),
                                 aSale("M", "001-24", 11).sold(30, 250, 1, "12/31/2024").yearEnd()});
  const auto refusal = [](const char* in, const char* out) {
    return "ERROR: INVALID DATE IN!\r\rYour DATE IN (" + std::string(in) + ") is after\rthe DATE OUT (" + out +
           ") of this GROUP!";
  };
  const struct {
    GroupRecord group;
    const char* dateIn;
    std::string text;  // "" when taken
  } cases[] = {
      {nursery, "02/10/2024", ""},  // the day its first pigs left
      {nursery, "02/11/2024", refusal("02/11/2024", "02/10/2024")},
      {aGroup("N", "002-24").in(100, 10, "01/01/2024"), "02/16/2024", refusal("02/16/2024", "02/15/2024")},
      {grower, "05/01/2024", ""},  // the other grower's finisher and sale are not its own
      {grower, "05/02/2024", refusal("05/02/2024", "05/01/2024")},
      {finisher, "12/31/2024", ""},
      {finisher, "01/01/2025", refusal("01/01/2025", "12/31/2024")},  // its year-end row
      {aGroup("N", "003-24").in(100, 10, "01/01/2024"), "12/31/2099", ""},  // no pigs left yet
  };
  for (const auto& c : cases) {
    const Check refused = CheckDateInBeforeOut(book, c.group, c.dateIn);
    EXPECT_EQ(refused ? refused->text : "", c.text) << c.group.GroupId << " " << c.dateIn;
    if (refused) EXPECT_EQ(refused->title + std::to_string(refused->field), "GROUP  ENTRY  ERROR!0");
  }
}

TEST(GroupOut, PlannedRecordsHoldTheMove) {
  const GroupBook book = bookOf({aGroup("F", "001-24", 11).in(100, 90, "01/01/2024")});
  OutEntry e = out("", "", "255.5", "", "30", true);
  OutPlan plan;
  ASSERT_FALSE(PlanGroupOut(book, 1, e, 2, plan));
  ASSERT_TRUE(plan.sale);
  EXPECT_EQ(plan.sale->first, 1);
  const SalesRecord& s = plan.sale->second;
  EXPECT_EQ(s.SaleType, "M");
  EXPECT_EQ(s.YearEndAdjust, -1);
  EXPECT_EQ(s.PigsSold, 30);
  EXPECT_EQ(s.PricePerLb, 0.0f);
  EXPECT_EQ(s.WeightPerPig, 255.5f);
  EXPECT_EQ(s.DateSold, "06/01/2024");
  const GroupRecord& carried = plan.groups[0].second;
  EXPECT_EQ(carried.GroupId, "001-25");
  EXPECT_EQ(carried.Stage, "F");
  EXPECT_EQ(carried.PigsIn, 30);
  EXPECT_EQ(carried.YearEndAdjust, 0);
  EXPECT_EQ(plan.groups[1].second.YearEndAdjust, -1);
  EXPECT_EQ(plan.groups[1].second.DeathLoss, 0);
}

// A nursery group carried across the year end: its 30 pigs go on in the
// next year's group. The next-stage record the move writes only accounts for
// the weight they reached in the old year; were it an open grower group, the
// pigs would be counted twice and could be moved and sold twice.
class YearEndCarry : public ::testing::Test {
 protected:
  TestPlatform tp;
  void SetUp() override {
    DataFolder = tp.home();
    writeRecords<GroupRecord>(tp.path("GROUP.DAT"), {aGroup("N", "005-19").in(30, 12, "01/02/2019")});
    writeRecords<SalesRecord>(tp.path("SALES.DAT"), {});
    move(1, 0, out("", "", "45", "", "30", true));
  }
  GroupBook book() const {
    GroupBook b;
    EXPECT_TRUE(b.read("GROUPS"));
    return b;
  }
  void move(long record, int stage, OutEntry e) {
    e.dateOut = "12/31/2019";
    OutPlan plan;
    ASSERT_FALSE(PlanGroupOut(book(), record, e, stage, plan));
    ASSERT_TRUE(WriteOutPlan(plan));
  }
  // The pigs of the groups each list and printout of both years shows as
  // groups with pigs in them (not kept only for editing).
  long listedPigs() const {
    const GroupBook b = book();
    long pigs = 0;
    for (int stage = 0; stage <= 2; ++stage)
      for (const char* year : {"19", "20"})
        for (long n : ListedGroups(b, stage, year)) {
          const GroupRecord g = b.group(n);
          if (GroupListLine(g, FiguresOf(b, g)).find("USED to EDIT END of YEAR ADJUSTMENT") == std::string::npos)
            pigs += g.PigsIn;
        }
    return pigs;
  }
  long printedPigs() const {
    const GroupBook b = book();
    long pigs = 0;
    for (int stage = 0; stage <= 2; ++stage)
      for (const char* year : {"19", "20"})
        for (long n : PrintedGroups(b, stage, year)) pigs += b.group(n).PigsIn;
    return pigs;
  }
  // The pigs the pigs-out window lets move, over every group of the file.
  long movablePigs() const {
    const GroupBook b = book();
    long pigs = 0;
    for (long n = 1; n <= b.groupCount(); ++n)
      if (const OutGroup g = LoadOutGroup(b, n); g.state == 0) pigs += g.remaining;
    return pigs;
  }
  // The pigs the nursery, grower and finisher conversions of both years count.
  long convertedPigs() const {
    const GroupBook b = book();
    long pigs = 0;
    for (const char* id : {"005-19", "005-20"})
      for (const char* stage : {"N", "G", "F"}) pigs += GroupPigCount(b, id, stage);
    return pigs;
  }
  // Every pig the pigs-out window lets move goes on: a nursery's and a
  // finisher's sold, a grower's to the finisher; then the head sold.
  long soldPigs() {
    for (bool moved = true; moved;) {
      moved = false;
      const GroupBook b = book();
      for (long n = 1; n <= b.groupCount() && !moved; ++n) {
        const OutGroup g = LoadOutGroup(b, n);
        if (g.state != 0 || g.remaining <= 0) continue;
        const int stage = StageOf(b.group(n).Stage);
        const std::string pigs = std::to_string(g.remaining);
        move(n, stage, stage == 1 ? out(pigs.c_str(), "", "250", "") : out("0", pigs.c_str(), "250", "1"));
        moved = true;
      }
    }
    long head = 0;
    for (const char* year : {"19", "20"})
      for (const char* kind : {"F", "M"}) head += SalesTotals(year, kind).head;
    return head;
  }
};

TEST_F(YearEndCarry, TheThirtyPigsAreFoundOnceInEachCount) {
  const GroupBook b = book();
  ASSERT_EQ(b.groupCount(), 3);
  EXPECT_EQ(b.group(2).GroupId, "005-20");  // carried over, open
  EXPECT_EQ(b.group(2).YearEndAdjust, 0);
  EXPECT_EQ(b.group(3).Stage, "G");         // the old year's weight out, kept for editing
  EXPECT_EQ(b.group(3).PigsIn, 30);
  EXPECT_EQ(b.group(3).YearEndAdjust, -1);
  EXPECT_EQ(LoadOutGroup(b, 3).state, 1);
  EXPECT_EQ(listedPigs(), 30);
  EXPECT_EQ(printedPigs(), 30);
  EXPECT_EQ(movablePigs(), 30);
  EXPECT_EQ(convertedPigs(), 30);
  EXPECT_EQ(soldPigs(), 30);
}

}  // namespace
