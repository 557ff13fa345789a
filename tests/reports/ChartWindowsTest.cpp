// The SUMMARY charts as the user runs them: the file checks, the graph year
// prompt, the crate dialog, the bars each window shows and the page PRINT
// prints.
#include <gtest/gtest.h>

#include <filesystem>

#include "common/HogGlobals.h"
#include "reports/ChartWindows.h"
#include "reports/ChartRowPrint.h"
#include "reports/DialogHog4.h"
#include "support/BoxMatch.h"
#include "support/RecordBuilders.h"

namespace {

class ChartWindows : public ::testing::Test {
 protected:
  TestPlatform tp;
  void SetUp() override {
    DataFolder = tp.home();
    DateText = "12-07-2026";
    writeRecords<SowRecord>(tp.path("SOW.DAT"), {aSow("S1").entered("01/05/2020"),
                                                 aSow("S2").entered("03/01/2020").left("06/01/2024")});
    writeRecords<FarrowRecord>(
        tp.path("FARROW.DAT"),
        {aLitter().bornOn("05/10/2023").weaned(10, "05/31/2023").weights(30, 120),
         aLitter().bornOn("05/17/2024").weaned(10, "05/31/2024").weights(30, 120).status(FarrowRecord::LeftHerd)});
    writeRecords<SalesRecord>(tp.path("SALES.DAT"), {aSale("M", "N01-23").sold(40, 250, 0.5f, "08/01/2023")});
    writeRecords<DrugRecord>(tp.path("DRUG.LST"),
                             {aDrug("D1").bought(10, 100).set(&DrugRecord::PurchaseDate, "02/01/2023")});
  }
  // What the chart shows, row by row.
  static ChartRows shown(const ChartWindow& w) {
    ChartRows rows;
    for (int i = 0; i < kChartYears; ++i)
      rows[static_cast<size_t>(i)] = {w.Graph().RowLabel(i + 1), w.Rows()[static_cast<size_t>(i)].valueText};
    return rows;
  }
};

TEST_F(ChartWindows, EachChartShowsItsFiveYearsAndPrintsItsPicture) {
  const struct {
    void (*open)();
    int item;
    const char* window;
    const char* chart;
    const char* title;  // the printout's, and its job's name
    ChartRows rows;
  } cases[] = {
      {OpenPigsWeanedPerSow, 2, "HogRept4", "PigWSY", "PIGS WEANED / SOW / YEAR",
       {{{"Year 2023 SOW(s)=2", "5"}, {"Year 2024 SOW(s)=1", "10"}, {"Year 2025 SOW(s)=1", "0"},
         {"Year 2026 SOW(s)=1", "0"}, {"Year 2027 SOW(s)=1", "0"}}}},
      {OpenPigsWeanedPerCrate, 3, "HogRept5", "PigWCY", "PIGS WEANED / CRATE / YEAR",
       {{{"Year 2023 CRATE(s)=2", "5"}, {"Year 2024 CRATE(s)=5", "2"}, {"Year 2025 CRATE(s)=", "0"},
         {"Year 2026 CRATE(s)=", "0"}, {"Year 2027 CRATE(s)=", "0"}}}},
      {OpenAdjusted21DayWeight, 4, "HogRept6", "PigADW", "ADJUSTED 21 DAY WEIGHT",
       {{{"Year 2023", "12"}, {"Year 2024", "15.48"}, {"Year 2025", "0"}, {"Year 2026", "0"}, {"Year 2027", "0"}}}},
      {OpenMedicationCostPerPig, 5, "HogRept7", "DrugGph", "MEDICATION COST Per PIG",
       {{{"Year 2023 PIG(s)=40", "2.50"}, {"Year 2024 PIG(s)=0", "0"}, {"Year 2025 PIG(s)=0", "0"},
         {"Year 2026 PIG(s)=0", "0"}, {"Year 2027 PIG(s)=0", "0"}}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.window);
    tp.dialogs.type("2023");
    tp.windows.on("DialogHog4", as<DialogHog4>([](DialogHog4& d) {
      EXPECT_EQ(d.Caption(), "E N T E R   C R A T E(s)");
      EXPECT_EQ(d.CrateYr[0]->Caption(), "2023");
      EXPECT_EQ(d.CrateYr[4]->Caption(), "2027");
      d.Crate[0]->SetText("2");
      d.Crate[1]->SetText("5");
      d.CrtAcc->Press();
    }));
    const int documents = tp.printer.documents;
    tp.windows.on(c.window, as<ChartWindow>([&c](ChartWindow& w) {
      EXPECT_EQ(w.Caption(), "S U M M A R Y' S");
      EXPECT_EQ(w.Graph().objectName().toStdString(), c.chart);
      EXPECT_EQ(w.Graph().RowCount(), kChartYears);
      EXPECT_EQ(shown(w), c.rows);
      EXPECT_EQ(w.Graph().Value(2, 1), c.rows[1].value());
      w.GphPnt->Press();
      w.GphExt->Press();
    }));
    c.open();
    EXPECT_EQ(MenuChoice, c.item);
    EXPECT_EQ(ReportYear, "2023");
    EXPECT_EQ(tp.windows.shownModal.back(), c.window);
    EXPECT_TRUE(tp.windows.leftOpen.empty());
    EXPECT_EQ(tp.dialogs.last().text, "In the BOX below, enter the starting YEAR for the GRAPH.\r\r"
                                      "Be sure to enter all four(4) digets for the YEAR. (2000)");
    EXPECT_EQ(tp.dialogs.last().title, "ENTER  GRAPH  STARTING  YEAR");
    // One page: a blank line, then the chart's picture from the top left corner.
    ASSERT_EQ(tp.printer.documents, documents + 1);
    EXPECT_EQ(tp.printer.finishedDocuments, documents + 1);
    EXPECT_EQ(tp.printer.titles.back(), c.title);
    EXPECT_EQ(tp.printer.pages.back().page, 1);
    const PrintedItem& picture = tp.printer.items.back();
    EXPECT_EQ(picture.kind, PrintedItem::Picture);
    EXPECT_EQ(picture.document, documents + 1);
    EXPECT_EQ(std::make_pair(picture.x, picture.y), std::make_pair(0.0, 0.0));
    EXPECT_GT(picture.pictureWidth, 0);
    EXPECT_LE(picture.x2, 11520);
    EXPECT_EQ(tp.printer.texts(documents + 1), std::vector<std::string>{" "});
  }
  EXPECT_EQ(tp.windows.shownModal,
            (std::vector<std::string>{"HogRept4", "DialogHog4", "HogRept5", "HogRept6", "HogRept7"}));
}

TEST_F(ChartWindows, TheCrateDialogClearsAndClosedWithoutAcceptLeavesNoCrates) {
  tp.dialogs.type("2023");
  tp.windows.on("DialogHog4", as<DialogHog4>([this](DialogHog4& d) {
    d.Crate[0]->SetText("2");
    d.Crate[3]->SetText("7");
    d.CrtClr->Press();
    for (platform::TextBox* box : d.Crate) EXPECT_EQ(box->Text(), "");
    d.Crate[0]->SetText("2");
    d.Crate[1]->SetText("two");
    d.CrtAcc->Press();  // refused: the table keeps no crates
    EXPECT_EQ(tp.dialogs.last().text,
              "The NUMBER of CRATE(s) for 2024 is not a number!\r\rIt takes a number from 0 to 32767.");
    EXPECT_EQ(tp.dialogs.last().title, kCrateEntryTitle);
    EXPECT_EQ(CrateTable[0].Crates, "");
    d.Unload(platform::vbFormControlMenu);
  }));
  tp.windows.on("HogRept5", as<HogRept5>([](HogRept5& w) {
    EXPECT_EQ(w.Rows()[0], (ChartRow{"Year 2023 CRATE(s)=", "0"}));
    w.GphExt->Press();
  }));
  OpenPigsWeanedPerCrate();
  EXPECT_EQ(CrateTable[0], (CrateRow{"2023", ""}));
  EXPECT_EQ(CrateTable[4], (CrateRow{"2027", ""}));
}

TEST_F(ChartWindows, AChartOpensOnlyOverFilesWithRecordsAndAYear) {
  const struct { const char* emptied; void (*open)(); const char* text; } cases[] = {
      {"SOW.DAT", OpenPigsWeanedPerSow, "NO SOW FILE!"},
      {"FARROW.DAT", OpenPigsWeanedPerCrate, "NO FARROW FILE!"},
      {"FARROW.DAT", OpenAdjusted21DayWeight, "NO FARROW FILE!"},
      {"DRUG.LST", OpenMedicationCostPerPig, "NO DRUG FILE!"},
  };
  for (const auto& c : cases) {
    const std::filesystem::path kept = tp.path(std::string(c.emptied) + ".KEPT");
    std::filesystem::rename(tp.path(c.emptied), kept);
    c.open();
    EXPECT_TRUE(LastBoxIs(tp.dialogs, {c.text, "S U M M A R Y' S"})) << c.text;
    std::filesystem::rename(kept, tp.path(c.emptied));
  }
  tp.dialogs.cancelInput();
  OpenMedicationCostPerPig();
  EXPECT_EQ(tp.dialogs.last().title, "ENTER  GRAPH  STARTING  YEAR");
  EXPECT_TRUE(tp.windows.shownModal.empty());
}

}  // namespace
