// The group figures, the list and print lines, and where new records go.
#include <gtest/gtest.h>

#include "groups/GroupFiles.h"
#include "groups/GroupList.h"
#include "support/RecordBuilders.h"

namespace {

GroupBook bookOf(const std::vector<GroupRecord>& groups, const std::vector<SalesRecord>& sales = {}) {
  return GroupBook::of(groups, sales);
}

struct FiguresCase {
  const char* name;
  std::vector<GroupRecord> groups;  // record 1 is the group figured
  std::vector<SalesRecord> sales;
  long pigsOut;
  const char* weightOut;
  long pigDays;
  const char* deathLoss;
  const char* gained;
  long daysIn;
  const char* dailyGain;
};

class GroupFigures_ : public ::testing::TestWithParam<FiguresCase> {};

TEST_P(GroupFigures_, FigureEachGroup) {
  const FiguresCase& c = GetParam();
  const GroupBook book = bookOf(c.groups, c.sales);
  const GroupFigures f = FiguresOf(book, book.group(1));
  EXPECT_EQ(f.pigsOut, c.pigsOut);
  EXPECT_EQ(f.averageWeightOut, c.weightOut);
  EXPECT_EQ(f.pigDays, c.pigDays);
  EXPECT_EQ(f.deathLoss, c.deathLoss);
  EXPECT_EQ(f.weightGained, c.gained);
  EXPECT_EQ(f.averageDaysIn, c.daysIn);
  EXPECT_EQ(f.dailyGain, c.dailyGain);
}

INSTANTIATE_TEST_SUITE_P(
    Groups, GroupFigures_,
    ::testing::Values(
        FiguresCase{"NinetyToGrowerWithDeathLoss",
                    {aGroup("N", "001-24").in(100, 12, "01/01/2024").deathLoss(),
                     aGroup("G", "001-24", 10).in(90, 42, "01/31/2024")},
                    {}, 90, "42.00", 2700, "10.00", "30.00", 30, "1.00"},
        // A year of letters past ASCII ("20\xE9\xE9" typed at the year prompt)
        // finds its groups as any other year does.
        FiguresCase{"YearOfLettersPastAscii",
                    {aGroup("N", "001-\xE9\xE9").in(100, 12, "01/01/2024"),
                     aGroup("G", "001-\xE9\xE9", 10).in(60, 42, "01/31/2024")},
                    {}, 60, "42.00", 1800, "0.00", "30.00", 30, "1.00"},
        FiguresCase{"NoDeathLossShowsZero",
                    {aGroup("N", "001-24").in(100, 12, "01/01/2024"),
                     aGroup("G", "001-24", 10).in(90, 42, "01/31/2024")},
                    {}, 90, "42.00", 2700, "0.00", "30.00", 30, "1.00"},
        FiguresCase{"NothingOut", {aGroup("N", "001-24").in(100, 12, "01/01/2024")}, {}, 0, "0", 0, "0.00", "0.00",
                    0, "0.00"},
        FiguresCase{"DeathLossWithNoPigsInIsZero", {aGroup("N", "001-24").in(0, 12, "01/01/2024").deathLoss()}, {},
                    0, "0", 0, "0.00", "0.00", 0, "0.00"},
        FiguresCase{"FeederSalesOfAnySubGroupAndOtherYearsApart",
                    {aGroup("N", "001-24").in(100, 10, "01/01/2024"), aGroup("G", "001-23", 10).in(50, 40, "01/11/2024")},
                    {aSale("F", "001-24", 0).sold(60, 40, 1, "01/11/2024"), aSale("F", "001-24", 30).sold(40, 50, 1, "01/21/2024"),
                     aSale("M", "001-24", 0).sold(9, 99, 1, "01/21/2024")},
                    100, "44.00", 1400, "0.00", "34.00", 14, "2.43"},
        FiguresCase{"GrowerCountsFinishersOfItsTensDigit",
                    {aGroup("G", "002-24", 10).in(50, 40, "02/01/2024"), aGroup("F", "002-24", 11).in(20, 100, "03/02/2024"),
                     aGroup("F", "002-24", 21).in(7, 100, "03/02/2024"), aGroup("F", "002-24", 12).in(10, 130, "03/12/2024")},
                    {aSale("M", "002-24", 20).sold(3, 90, 1, "03/02/2024")},
                    30, "110.00", 1000, "0.00", "70.00", 33, "2.12"},
        FiguresCase{"GiltsOnAGrowersSalesRowAreNoPigsOut",
                    {aGroup("G", "002-24", 10).in(50, 40, "02/01/2024"), aGroup("F", "002-24", 11).in(20, 100, "03/02/2024"),
                     aGroup("F", "002-24", 21).in(7, 100, "03/02/2024"), aGroup("F", "002-24", 12).in(10, 130, "03/12/2024")},
                    {aSale("M", "002-24", 20).sold(3, 90, 1, "03/02/2024"),
                     aSale("M", "002-24", 10).sold(0, 90, 1, "03/02/2024").gilts(4)},
                    30, "110.00", 1000, "0.00", "70.00", 33, "2.12"},
        FiguresCase{"FinisherCountsGiltsAndYearEndRows",
                    {aGroup("F", "003-24", 11).in(40, 100, "06/01/2024")},
                    {aSale("M", "003-24", 11).sold(20, 250, 1, "07/01/2024").gilts(5),
                     aSale("M", "003-24", 11).sold(10, 240, 0, "07/11/2024").yearEnd(),
                     aSale("M", "003-24", 12).sold(9, 240, 1, "07/11/2024")},
                    35, "247.14", 1150, "0.00", "147.14", 32, "4.60"},
        FiguresCase{"GiltsOnAFinishersAdjustmentRowAreNoPigsOut",
                    {aGroup("F", "003-24", 11).in(40, 100, "06/01/2024")},
                    {aSale("M", "003-24", 11).sold(20, 250, 1, "07/01/2024").gilts(5),
                     aSale("M", "003-24", 11).sold(10, 240, 0, "07/11/2024").yearEnd().gilts(3)},
                    35, "247.14", 1150, "0.00", "147.14", 32, "4.60"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(GroupFiles, ListAndPrintLinesPutEachFigureAtItsColumn) {
  const GroupBook book = bookOf({aGroup("N", "001-24").in(100, 12.5f, "01/01/2024").deathLoss(),
                                 aGroup("G", "001-24", 10).in(90, 42, "01/31/2024"),
                                 aGroup("N", "002-24").in(30, 11, "02/01/2024").yearEnd()});
  const auto figured = [&book](long n) { return FiguresOf(book, book.group(n)); };
  EXPECT_EQ(GroupListLine(book.group(1), figured(1)),
            " 001     100  90    12.5  42.00   10.0     29.50      0.98     01/01/24  2700    30       ");
  EXPECT_EQ(GroupListLine(book.group(3), figured(3)),
            " 002     30         11    USED to EDIT END of YEAR ADJUSTMENT  02/01/24                   ");
  EXPECT_EQ(GroupPrintLine(book.group(1), figured(1)),
            "  001   100   90    12.50  42.00  10.0    29.50     0.98       01/01  2700   30     ");
}

TEST(GroupFiles, ListShowsGroupsWithPigsAndPrintAlsoEmptyButNotCarriedOver) {
  const GroupBook book = bookOf({aGroup("N", "001-24").in(100, 12, "01/01/2024"), aGroup("G", "001-24", 10),
                                 aGroup("G", "002-24", 10).in(5, 1, "01/01/2024").yearEnd(),
                                 aGroup("G", "003-23", 10).in(5, 1, "01/01/2024"), GroupRecord{},
                                 aGroup("G", "004-24", 10).in(5, 1, "01/01/2024")});
  EXPECT_EQ(ListedGroups(book, 1, "24"), (std::vector<long>{3, 6}));
  EXPECT_EQ(PrintedGroups(book, 1, "24"), (std::vector<long>{2, 6}));
  EXPECT_EQ(ListedGroups(book, 0, "24"), (std::vector<long>{1}));
  for (const char* year : {"4", "024", ""}) EXPECT_EQ(ListedGroups(book, 1, year), std::vector<long>{}) << year;
}

TEST(GroupFiles, StagesByLetterAndByIndex) {
  const struct {
    const char* letter;
    int stage;
  } rows[] = {{"N", 0}, {"G", 1}, {"F", 2}, {"M", -1}, {"n", -1}, {" ", -1}, {"", -1}, {"NG", -1}};
  for (const auto& row : rows) EXPECT_EQ(StageOf(row.letter), row.stage) << row.letter;
  EXPECT_EQ(StageLetter(2) + StageLetter(3) + StageLetter(-1), "F  ");
  EXPECT_EQ(StageWord(1) + StageWord(3) + StageWord(-1), "GROWER");
}

TEST(GroupFiles, NewRecordsTakeTheFirstFreeThenAppend) {
  const GroupBook groups = bookOf({aGroup("N", "001-24"), GroupRecord{}, aGroup("N", "002-24")});
  EXPECT_EQ(FreeGroupRecord(groups), 2);
  EXPECT_EQ(FreeGroupRecord(groups, {2}), 4);
  EXPECT_EQ(FreeGroupRecord(groups, {2, 4}), 5);
  EXPECT_EQ(FreeGroupRecord(bookOf({})), 1);
  EXPECT_EQ(FreeSalesRecord(bookOf({}, {aSale("F", "001-24"), SalesRecord{}})), 2);
  EXPECT_EQ(FreeSalesRecord(bookOf({})), 1);
  EXPECT_FALSE(GroupFileFull(32767, "T"));
  EXPECT_EQ(GroupFileFull(32768, "T")->text, "ERROR:   NO ROOM LEFT IN GROUP FILE!!\r\rTry Deleting some older GROUP ID(s).");
}

struct FamilyCase {
  const char* id;
  std::vector<long> groups, sales;
};

class BookFamilies : public ::testing::TestWithParam<FamilyCase> {};

// Records of IDs of several years, some shorter than six characters, and
// free records between them.
TEST_P(BookFamilies, ListTheRecordsOfAnIdAlone) {
  const FamilyCase& c = GetParam();
  const GroupBook book = bookOf({aGroup("N", "001-24"), aGroup("N", "001-23"), GroupRecord{}, aGroup("N", "7-24"),
                                 aGroup("G", "001-24", 10), aGroup("N", "24"), aGroup("N", "009-\xE9\xE9"),
                                 aGroup("N", "01-24")},
                                {aSale("F", "001-23"), SalesRecord{}, aSale("F", "001-24"), aSale("M", "7-24"),
                                 aSale("F", "009-\xE9\xE9")});
  const GroupBook::Family family = book.familyOf(c.id);
  EXPECT_EQ(std::vector<long>(family.groups.begin(), family.groups.end()), c.groups);
  EXPECT_EQ(std::vector<long>(family.sales.begin(), family.sales.end()), c.sales);
}

INSTANTIATE_TEST_SUITE_P(Ids, BookFamilies,
                         ::testing::Values(FamilyCase{"001-24", {1, 5}, {3}}, FamilyCase{"001-23", {2}, {1}},
                                           FamilyCase{"7-24  ", {4}, {4}}, FamilyCase{"24", {6}, {}},
                                           FamilyCase{"001-25", {}, {}}, FamilyCase{"", {}, {}},
                                           FamilyCase{"009-\xE9\xE9", {7}, {5}},
                                           FamilyCase{" 001-24", {}, {}}, FamilyCase{"01-24", {8}, {}},
                                           FamilyCase{"01-24 ", {8}, {}}));

}  // namespace
