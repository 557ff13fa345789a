// The sales list of a group year opened from the SALES menu: its lines, the
// sale edit stepping through a selection, delete, and both printouts.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "common/HogGlobals.h"
#include "groups/HogSale1.h"
#include "groups/HogSale2.h"
#include "support/FigureSessions.h"
#include "support/RecordBuilders.h"
#include "support/RecordBytes.h"
#include "support/ScriptedWindows.h"

namespace {

class SalesWindows : public ::testing::Test {
 protected:
  TestPlatform tp;
  void SetUp() override { DataFolder = tp.home(); }
  // Opens the list of a kind (0 feeder, 1 market) for 2024, runs `script`
  // in it, then EXIT.
  void inList(int kind, std::function<void(HogSale1&)> script) {
    tp.dialogs.type("2024");
    tp.windows.on("HogSale1", as<HogSale1>([script](HogSale1& w) {
      script(w);
      w.SalesMenu->Click(HogSale1::Exit);
    }));
    OpenSalesList(kind);
    EXPECT_EQ(tp.dialogs.pending(), 0u);
  }
  static void expectButtons(HogSale2& e, bool next, bool back) {
    EXPECT_EQ(e.NextSale->isEnabled(), next);
    EXPECT_EQ(e.SaleBack->isEnabled(), back);
  }
};

const SalesRecord kFeeder = aSale("F", "001-24").sold(40, 50, 0.75f, "06/01/2024");
const SalesRecord kGilts = aSale("M", "001-24", 11).sold(0, 260, 0, "07/01/2024").gilts(5);
const SalesRecord kAdjust = aSale("M", "001-24", 12).sold(30, 240, 0, "12/31/2024").yearEnd();
const SalesRecord kSecond = aSale("M", "002-24", 10).sold(10, 250, 1.25f, "07/05/2024");

TEST_F(SalesWindows, MarketSalesEditedOneAfterAnotherPrintedAndDeleted) {
  writeRecords<SalesRecord>(tp.path("SALES.DAT"), {aSale("M", "001-24", 11).sold(20, 260, 0.45f, "07/01/2024"),
                                                   kFeeder, kGilts, kAdjust, kSecond});
  MenuChoice = 7;
  inList(1, [this](HogSale1& w) {
    EXPECT_EQ(w.Caption(), "M A R K E T   H O G   S A L E S   f o r   G R O U P   Y E A R  ( 2024 )");
    EXPECT_TRUE(w.SalePnt->Visible(HogSale1::KillSheet));
    ASSERT_EQ(w.SaleList->ListCount(), 4);
    EXPECT_EQ(w.SaleList->List(0).substr(0, 44), "  001   07/01  20    260.0    0.45   117.00 ");
    for (int row : {0, 2, 3}) w.SaleList->SetSelected(row, true);
    tp.windows.on("HogSale2", as<HogSale2>([this](HogSale2& e) {
      EXPECT_EQ(e.Caption(), "EDIT  MARKET  HOG  SALES  GROUP (001-24)");
      EXPECT_EQ(e.PriceLb->Text(), ".45");
      EXPECT_EQ(e.PricePig->Caption(), "117.00");
      expectButtons(e, true, false);
      e.BackFat->SetText("0.8");
      e.Lean->SetText("55.25");
      e.Ffli->SetText("50.1");
      e.HotCarWeight->SetText("190");
      e.GrYdPre->SetText("2.5");
      e.LoinEye->SetText("6.5");
      e.Accept->Press();
      e.NextSale->Press();
      expectButtons(e, true, true);
      EXPECT_EQ(e.AdjustFlag, -1);
      e.Accept->Press();
      e.NextSale->Press();
      expectButtons(e, false, true);
      EXPECT_EQ(e.PriceLb->Text(), "1.25");
      e.SaleBack->Press();
      expectButtons(e, true, true);
      e.SaleBack->Press();
      expectButtons(e, true, false);
      EXPECT_EQ(SelectedCount, 3);
      e.SaleClr->Press();
      e.Accept->Press();
      EXPECT_EQ(tp.dialogs.last().text, "The DATE SOLD, is a required entry!");
      e.SaleExit->Press();
    }));
    w.SalesMenu->Click(HogSale1::Edit);
    EXPECT_EQ(w.SaleList->List(0).substr(43, 44), "   0.80   55.25    50.10     190.0     2.50 ");

    tp.dialogs.answer(platform::vbYes);
    w.SalePnt->Click(HogSale1::Listing);
    tp.dialogs.answer(platform::vbYes);
    w.SalePnt->Click(HogSale1::KillSheet);
    EXPECT_EQ(tp.dialogs.last().text, "PRINT KILL SHEET SUMMERY?");

    w.SaleList->SetSelected(0, true);
    w.SaleList->SetSelected(1, true);
    tp.dialogs.answer(platform::vbYes);
    w.SalesMenu->Click(HogSale1::Delete);
    EXPECT_EQ(w.SaleList->ListCount(), 2);
  });
  // A deleted row is blank but for its sub-group and gilts sold (bytes 3-4
  // and 55-56), which keep what it held.
  SalesRecord freedSale, freedGilts;
  freedSale.SubGroup = freedGilts.SubGroup = 11;
  freedGilts.GiltsSold = 5;
  const std::string sales = readFile(tp.path("SALES.DAT"));
  EXPECT_EQ(sales, recordBytes<SalesRecord>({freedSale, kFeeder, freedGilts, kAdjust, kSecond}));
  EXPECT_EQ(sales.substr(2 * 57 + 3, 2) + sales.substr(2 * 57 + 55, 2), std::string("\x0b\0\x05\0", 4));
  EXPECT_TRUE(tp.printer.find("MARKET HOG Sales for Group YEAR(2024)"));
  EXPECT_TRUE(tp.printer.find("  001   07/01  20    260.0   0.45    117.00    0.80    55.25   50.10  190.0    2.50 "));
  EXPECT_TRUE(tp.printer.find("KILL SHEET SUMMARY for 2024"));
  EXPECT_TRUE(tp.printer.find(" 001-24    0.80     55.25      50.10         6.50          190.00        2.50   "));
  EXPECT_TRUE(tp.printer.find("NUMBER of GROUP(s). ---------------> 2"));
  EXPECT_TRUE(tp.printer.find("Average LOINEYE. ------------------> 3.25"));
  EXPECT_TRUE(tp.printer.find("This SUMMARY was printed on 12-07-2026"));
}

// A figure with more places than its box's mask, typed or held with float
// noise, shown back as stored and kept byte for byte by an ACCEPT that leaves
// it and by one that changes the date alone; a weight or price that shows as
// 0 is judged as stored, given.
TEST_F(SalesWindows, EveryFigureBoxShowsBackWhatItStored) {
  const struct {
    platform::TextBox* HogSale2::*box;
    float SalesRecord::*field;
    int at;
    const char* typed;  // nullptr: the row holds `stored`
    const char* shown;
    float stored;
  } cases[] = {{&HogSale2::PriceLb, &SalesRecord::PricePerLb, 17, ".455", ".455", 0.455f},
               {&HogSale2::BackFat, &SalesRecord::Backfat, 21, ".125", "0.125", 0.125f},
               {&HogSale2::WtSold, &SalesRecord::WeightPerPig, 13, "123456.78", "123456.80", 123456.78f},
               {&HogSale2::GrYdPre, &SalesRecord::GradeYieldPremium, 41, "-1.125", "-1.125", -1.125f},
               {&HogSale2::WtSold, &SalesRecord::WeightPerPig, 13, nullptr, "250.10", std::nextafter(250.1f, 300.0f)},
               {&HogSale2::HotCarWeight, &SalesRecord::HotCarcassWeight, 29, nullptr, "193.066", 193.066f},
               {&HogSale2::WtSold, &SalesRecord::WeightPerPig, 13, nullptr, "0.00", 1e-7f},
               {&HogSale2::PriceLb, &SalesRecord::PricePerLb, 17, nullptr, ".00", 1e-7f}};
  MenuChoice = 7;
  const std::string file = tp.path("SALES.DAT");
  for (const auto& c : cases) {
    SalesRecord row = aSale("M", "001-24", 11).sold(20, 260, 0.45f, "07/01/2024");
    if (!c.typed) row.*c.field = c.stored;
    writeRecords<SalesRecord>(file, {row});
    const FigureSessions r = RunFigureSessions<HogSale2>(
        LoadedSession(SelectedSowRecs, &HogSale2::Accept), [&c](HogSale2& w) { return w.*c.box; }, c.typed, [](HogSale2& w) { w.DateSold->SetText("07/02/2024"); },
        file, static_cast<size_t>(c.at), 4);
    EXPECT_EQ(r.shown, c.shown) << c.shown;
    EXPECT_TRUE(r.kept) << c.shown;
    EXPECT_TRUE(r.taken) << c.shown;
    EXPECT_EQ(lef32(r.figure, 0), c.stored) << c.shown;
  }
}

TEST_F(SalesWindows, FeederListHasNoAdjustmentsAndRefusesAnEmptySelection) {
  writeRecords<SalesRecord>(tp.path("SALES.DAT"), {kAdjust, kGilts, kFeeder});
  inList(0, [this](HogSale1& w) {
    EXPECT_FALSE(w.SalePnt->Visible(HogSale1::KillSheet));
    ASSERT_EQ(w.SaleList->ListCount(), 1);
    w.SalesMenu->Click(HogSale1::Edit);
    EXPECT_EQ(tp.dialogs.last().title, "SELECT  EDIT  GROUPS");
    tp.dialogs.answer(platform::vbYes);
    w.SalePnt->Click(HogSale1::Listing);
  });
  EXPECT_TRUE(tp.printer.find("FEEDER PIG Sales for Group YEAR(2024)"));
}

TEST_F(SalesWindows, AKillSheetWithoutGroupsPrintsZeroAverages) {
  writeRecords<SalesRecord>(tp.path("SALES.DAT"), {kGilts, kAdjust});
  inList(1, [this](HogSale1& w) {
    tp.dialogs.answer(platform::vbYes);
    w.SalePnt->Click(HogSale1::KillSheet);
  });
  EXPECT_TRUE(tp.printer.find("NUMBER of GROUP(s). ---------------> 0"));
  EXPECT_TRUE(tp.printer.find("Average BACKFAT. ------------------> 0.00"));
}

TEST_F(SalesWindows, NothingToPrintInAnEmptyYear) {
  inList(1, [this](HogSale1& w) {
    w.SalePnt->Click(HogSale1::Listing);
    EXPECT_EQ(tp.dialogs.last().text, "THERE ISN'T ANY GROUPS TO PRINT!");
    EXPECT_EQ(tp.dialogs.last().title, "PRINT   SALES   ERROR");
  });
  EXPECT_EQ(tp.printer.documents, 0);
}

TEST_F(SalesWindows, AnUnreadableFileListsNothingAfterOneBox) {
  std::filesystem::create_directory(tp.path("SALES.DAT"));
  inList(1, [this](HogSale1& w) {
    EXPECT_EQ(w.SaleList->ListCount(), 0);
    ASSERT_EQ(tp.dialogs.shown.size(), 2u);  // the group year, then the fault
    EXPECT_EQ(tp.dialogs.last().icon, platform::vbCritical);
    EXPECT_EQ(tp.dialogs.last().title, "SALES  LIST  ERROR");
  });
}

}  // namespace
