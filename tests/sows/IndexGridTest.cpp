// The sow and boar indexing windows: the grid's order (numbers as numbers),
// the sorts of the Indexing items, the printed index on the recording
// printer, the refusal of a herd without active animals and the openers'
// count checks.
#include "boars/HogBoar6.h"
#include "common/FixedLine.h"
#include "common/Format.h"
#include "common/NumberText.h"
#include "common/PrintListing.h"
#include <QFile>
#include "platform/Grid.h"
#include "sows/HogSow7.h"
#include "sows/SowWindowFixture.h"
#include "support/BoxMatch.h"

using namespace platform;

namespace {

std::vector<std::string> column(const Grid& grid, int col) {
  std::vector<std::string> out;
  for (int r = 1; r < grid.Rows(); ++r) out.push_back(grid.TextMatrix(r, col));
  return out;
}
using Texts = std::vector<std::string>;

}  // namespace

struct CompareCase {
  const char* a;
  const char* b;
  int order;  // the sign of compareCells(a, b)
};

class CompareCellsTest : public ::testing::TestWithParam<CompareCase> {};

TEST_P(CompareCellsTest, NumbersAsNumbersBeforeTexts) {
  const int got = compareCells(GetParam().a, GetParam().b);
  EXPECT_EQ((got > 0) - (got < 0), GetParam().order) << GetParam().a << " / " << GetParam().b;
}

INSTANTIATE_TEST_SUITE_P(Cells, CompareCellsTest,
                         ::testing::Values(CompareCase{"9", "10", -1}, CompareCase{"10", "A1", -1},
                                           CompareCase{" 12.50", "12.5", 0}, CompareCase{"-1", "0.00", -1},
                                           CompareCase{"1E2", "99", 1}, CompareCase{"0x1A", "5", 1},
                                           CompareCase{"inf", "5", 1}, CompareCase{"", "0", 1},
                                           CompareCase{"B", "A", 1}, CompareCase{".5", "0.4", 1},
                                           CompareCase{"ABCDEFGH10", "ABCDEFGH2", -1},
                                           CompareCase{"ABCDEFGH2", "ABCDEFGH2", 0},
                                           CompareCase{"ABCDEFGH", "ABCDEFG", 1}));

struct FigureCase {
  double value;
  const char* printed;
};

class IndexFigureTest : public ::testing::TestWithParam<FigureCase> {};

TEST_P(IndexFigureTest, SixCharactersWithTwoDecimals) { EXPECT_EQ(IndexFigure(GetParam().value), GetParam().printed); }

INSTANTIATE_TEST_SUITE_P(Figures, IndexFigureTest,
                         ::testing::Values(FigureCase{0, "  0.00"}, FigureCase{0.5, "  0.50"}, FigureCase{5.25, "  5.25"},
                                           FigureCase{12.25, " 12.25"}, FigureCase{123.4, "123.40"},
                                           FigureCase{1234.5, "1234.50"}));

// Each figure cell printed as IndexFigure of the value it shows, cut to six
// columns: cells as the grids write them, and others a damaged file may give.
TEST(IndexLine, PrintsEachCellAsIndexFigureOfTheValueItShows) {
  const std::pair<const char*, const char*> cells[] = {
      {"0.00", "  0.00"},      {"0.50", "  0.50"},       {"5.25", "  5.25"},         {"12.25", " 12.25"},
      {"123.40", "123.40"},    {"1234.50", "1234.5"},    {"999999.99", "999999"},    {"1000000000000000.00", "100000"},
      {"-0.50", "-  0.5"},     {"-12.25", "-  12."},     {"", "  0.00"},             {"abc", "  0.00"},
      {"05.00", "  5.00"},     {"0.5", "  0.50"},        {"1.234", "  1.23"},        {".50", "  0.50"},
      {"12.3x", " 12.30"},     {"1e3", "1000.0"},        {" 1.00", "  1.00"},        {"9.995", "  10.0"},
      {"99.995", " 100.0"},    {"1234567890.00", "123456"}, {"12a45678.00", " 12.00"}, {"00000000.00", "  0.00"},
      {"1234.5.00", "1234.5"}, {"1-4.00", "  1.00"},     {"9.99\x80", "  9.99"},
  };
  const std::array<int, 5> columns = {24, 40, 54, 65, 76};
  for (const auto& [cell, figure] : cells) {
    FixedLine expected(88);
    expected.put(2, "S1", 8).put(11, "   3", 4);
    for (int c : columns) expected.put(c, figure, 6);
    EXPECT_EQ(IndexLine({"S1", "3", cell, cell, cell, cell, cell}, 11, "   3", columns), expected.str()) << cell;
  }
  // The sow's parity count is Format of the value its cell shows after three
  // blanks, cut to four columns.
  const std::pair<const char*, const char*> parities[] = {
      {"0", "   0"},  {"3", "   3"}, {"9", "   9"},          {"12", "   1"},  {"-1", "-   "},
      {"007", "   7"}, {"", "   0"}, {"1234567890", "   1"}, {"2.5", "   3"},
  };
  for (const auto& [cell, count] : parities) {
    const IndexCells row = {"S1", cell, "1.00", "2.00", "3.00", "4.00", "5.00"};
    EXPECT_EQ(SowIndexLine(row).substr(10, 4), count) << cell;
  }
}

TEST(Grid, SortsAThousandRowsMovingWholeRowsAndKeepingTies) {
  TestPlatform tp;
  QWidget w;
  Grid g(&w, "Grid1");
  g.SetCols(2);
  g.SetRows(1001);
  for (int r = 1; r <= 1000; ++r) g.SetRowTexts(r, {std::to_string(1001 - r), std::to_string(r % 3)}, {0, 2});
  g.SortRows(0, true);
  EXPECT_EQ(g.TextMatrix(1, 0), "1");
  EXPECT_EQ(g.TextMatrix(1, 1), "1");  // row 1000 moved whole
  EXPECT_EQ(g.TextMatrix(1000, 0), "1000");
  g.SortRows(1, false);
  EXPECT_EQ(g.TextMatrix(1, 1), "2");
  EXPECT_EQ(g.TextMatrix(1, 0), "3");  // ties keep the order they had
  EXPECT_EQ(g.TextMatrix(2, 0), "6");
  EXPECT_EQ(g.CellAlignment(1, 1), 2);
}

class IndexWindowTest : public SowWindowTest {};

TEST_F(IndexWindowTest, SowGridOrdersIdsThenRanksAndPrintsTheOrderShown) {
  writeRecords<SowRecord>(sowPath(), {aSow("A1").litters({1}), aSow("10").litters({2, 3}), aSow(""),
                                      aSow("GONE").litters({1}).left("01/01/2024"), aSow("9")});
  writeRecords<FarrowRecord>(farrowPath(), {aLitter().pigs(10, 9).weaned(8).weights(30.5f, 120),
                                            aLitter().pigs(12, 10).weaned(10).weights(32, 1234.567f),
                                            aLitter().pigs(9, 9).weaned(8).weights(28, 110)});
  HogSow7 w;
  w.Load();
  EXPECT_EQ(w.Caption(), "Sow Indexing by SOW ID.");
  EXPECT_EQ(w.IndexTitle, "INDEX by SOW ID.");
  EXPECT_EQ(column(*w.SowIndexList, 0), (Texts{"9", "10", "A1"}));
  EXPECT_EQ(w.SowIndexList->TextMatrix(0, 2), "Avg. Litter Birth Wt.");
  EXPECT_EQ(w.SowIndexList->CellAlignment(0, 2), 1);
  EXPECT_EQ(w.SowIndexList->CellAlignment(2, 2), 2);
  EXPECT_EQ(w.SowIndexList->ColWidth(2), 2400);
  EXPECT_EQ((Texts{w.SowIndexList->TextMatrix(2, 1), w.SowIndexList->TextMatrix(2, 3),
                   w.SowIndexList->TextMatrix(2, 6)}),
            (Texts{"2", "672.28", "1.00"}));
  EXPECT_TRUE(w.MainMenu->Enabled(IndexWindow::Print));
  w.IndexMenu->Click(5);
  EXPECT_EQ(w.Caption(), "Sow Indexing by PARITY.");
  EXPECT_EQ(column(*w.SowIndexList, 0), (Texts{"10", "A1", "9"}));
  w.IndexMenu->Click(0);
  EXPECT_EQ(column(*w.SowIndexList, 0), (Texts{"A1", "10", "9"}));
  EXPECT_EQ(w.IndexTitle, "INDEX by AVERAGE LITTER BIRTH WEIGHT");
  tp.dialogs.answer(vbCancel);
  w.MainMenu->Click(IndexWindow::Print);
  EXPECT_TRUE(LastBoxIs(tp.dialogs, {"READY TO PRINT?", "PRINT   SOW  INDEXING", vbQuestion, vbOKCancel}));
  EXPECT_EQ(tp.printer.documents, 0);
  tp.dialogs.answer(vbOK);
  w.MainMenu->Click(IndexWindow::Print);
  ASSERT_EQ(tp.printer.documents, 1);
  const Texts texts = tp.printer.texts(1);
  EXPECT_EQ(texts[0], "INDEX by AVERAGE LITTER BIRTH WEIGHT");
  EXPECT_EQ(texts[1], "                    ------ AVERAGE LITTER -------      -- AVERAGE NUMBER of PIGs --");
  EXPECT_EQ(texts[2], " SOW ID   PARITY    BIRTH WEIGHT   WEANING WEIGHT      BORN     WEANED    STILLBORN");
  ASSERT_EQ(texts.size(), 3u + 5u + 1u);  // slot 0, three sows, the empty last slot, the banner
  EXPECT_EQ(texts[4], FixedLine(88).put(2, "A1", 8).put(11, "   1", 4).put(24, " 30.50", 6).put(40, "120.00", 6)
                          .put(54, " 10.00", 6).put(65, "  8.00", 6).put(76, "  1.00", 6).str());
  EXPECT_EQ(texts[5], FixedLine(88).put(2, "10", 8).put(11, "   2", 4).put(24, " 30.00", 6).put(40, "672.28", 6)
                          .put(54, " 10.50", 6).put(65, "  9.00", 6).put(76, "  1.00", 6).str());
  EXPECT_EQ(texts[6].substr(23, 6), "  0.00");
  EXPECT_EQ(PrintJob.LinesPerPage, 47);
}

TEST_F(IndexWindowTest, HerdWithoutActiveSowsIsRefusedWithOnlyExitUsable) {
  writeRecords<SowRecord>(sowPath(), {aSow("GONE").left("01/01/2024"), aSow("")});
  HogSow7 w;
  w.Load();
  EXPECT_TRUE(LastBoxIs(tp.dialogs, {"NO ACTIVE SOW(s)!..   NOTHING TO INDEX!", "SOW   INDEX   ERROR"}));
  EXPECT_FALSE(w.MainMenu->Enabled(IndexWindow::Indexing));
  EXPECT_FALSE(w.MainMenu->Enabled(IndexWindow::Print));
  EXPECT_TRUE(w.MainMenu->Enabled(IndexWindow::Exit));
  EXPECT_EQ(w.SowIndexList->TextMatrix(0, 0), "Sow ID");
  EXPECT_EQ(w.SowIndexList->TextMatrix(1, 0), "");
}

TEST_F(IndexWindowTest, BoarGridRanksSiresAndPrintsTheirLines) {
  writeRecords<SowRecord>(sowPath(), {aSow("S1").litters({1, 2}), aSow("S2").litters({3, 4})});
  writeRecords<FarrowRecord>(farrowPath(), {aLitter().sire("B10").pigs(10, 9).weights(30, 100),
                                            aLitter().sire("B9").pigs(12, 12).weights(32, 110),
                                            aLitter().sire("B9").pigs(8, 6).weights(28, 90),
                                            aLitter().sire("B9").pigs(11, 10).weights(31, 105)});
  writeRecords<BoarRecord>(tp.path("BOAR.DAT"), {aBoar("B9"), aBoar("B10"), aBoar("OLD").left("01/01/2020"), aBoar("")});
  HogBoar6 w;
  w.Load();
  EXPECT_EQ(w.Caption(), "Boar Indexing by BOAR ID.");
  EXPECT_EQ(column(*w.BoarIndexList, 0), (Texts{"B10", "B9"}));
  EXPECT_EQ(column(*w.BoarIndexList, 2), (Texts{"25.00", "75.00"}));
  w.IndexByMenu->Click(1);
  EXPECT_EQ(w.Caption(), "Boar Indexing by NUMBER of SOWS FARROWED.");
  EXPECT_EQ(column(*w.BoarIndexList, 0), (Texts{"B9", "B10"}));
  w.IndexByMenu->Click(0);
  EXPECT_EQ(w.IndexTitle, "INDEX by BOAR ID.");
  EXPECT_EQ(column(*w.BoarIndexList, 0), (Texts{"B10", "B9"}));
  tp.dialogs.answer(vbOK);
  w.IndexMenu->Click(IndexWindow::Print);
  ASSERT_EQ(tp.printer.documents, 1);
  const Texts texts = tp.printer.texts(1);
  EXPECT_EQ(texts[1], "          NUMBER SOWS    CONCEPTION   --- AVERAGE LITTER ---  AVERAGE NUMBER of PIGs");
  EXPECT_EQ(texts[4], FixedLine(88).put(2, "B10", 8).put(14, "   1", 4).put(28, " 25.00", 6).put(40, " 30.00", 6)
                          .put(52, "100.00", 6).put(64, " 10.00", 6).put(76, "  1.00", 6).str());
  EXPECT_EQ(texts[5].substr(13, 4), "   3");
  EXPECT_EQ(BoarIndexLine({"B1", "12345", "0", "0", "0", "0", "0"}).substr(13, 4), "1234");
}

struct OpenerCase {
  const char* name;
  void (*open)();
  const char* file;
  ExpectedBox box;
};
inline void PrintTo(const OpenerCase& c, std::ostream* os) { *os << c.name; }

class IndexOpenerTest : public SowWindowTest, public ::testing::WithParamInterface<OpenerCase> {};

TEST_P(IndexOpenerTest, AnEmptyFileOpensNothing) {
  GetParam().open();
  EXPECT_TRUE(LastBoxIs(tp.dialogs, GetParam().box));
  EXPECT_TRUE(tp.windows.shownModal.empty());
  EXPECT_TRUE(QFile::exists(QString::fromStdString(tp.path(GetParam().file))));
}

INSTANTIATE_TEST_SUITE_P(
    Menus, IndexOpenerTest,
    ::testing::Values(OpenerCase{"sows", OpenSowIndexing, "SOW.DAT", {"NO SOW(s) IN SOW FILE!", "SOW INDEXING"}},
                      OpenerCase{"boars", OpenBoarIndexing, "BOAR.DAT",
                                 {"NO BOAR(s) IN BOAR FILE!", "BOAR INDEXING", vbInformation}}),
    [](const auto& info) { return std::string(info.param.name); });
