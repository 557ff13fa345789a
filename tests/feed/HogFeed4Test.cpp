// The feed batch list and entry windows headless, as a new user goes: FEED >
// Nursery asks the year, a batch of corn and soybean meal is entered, edited
// both ways, deleted and printed, with FEED2024.DAT and FEED.LST checked
// byte for byte after each step.
#include "feed/BatchEntry.h"
#include "feed/FeedBatchFile.h"
#include "feed/FeedBatchFixture.h"
#include "feed/HogFeed2.h"
#include "feed/HogFeed4.h"
#include "medication/Drug_6.h"
#include "platform/FileSystem.h"
#include "shell/Tarlowe2.h"
#include "support/BoxMatch.h"

#include <sys/stat.h>

namespace {

using Lines = std::vector<std::string>;

void typeRows(HogFeed2& e, std::initializer_list<std::pair<std::string, std::string>> rows) {
  int i = 0;
  for (const auto& [code, amount] : rows) {
    e.FeedPick[i]->SetText(code);
    e.FeedAmt[i++]->SetText(amount);
  }
}

// FEED.LST's bytes with the current inventories of corn and soybean meal.
std::string stockBytes(int32_t corn, int32_t soy) {
  return recordBytes<IngredientRecord>({anIngredient("CORN").name("Corn").cost(50, 0.05).pounds(corn, 1000),
                                        anIngredient("SBM").name("Soybean Meal").cost(125, 0.125).pounds(soy, 1000)});
}

}  // namespace

class HogFeed4Test : public FeedBatchTest {
 protected:
  void select(HogFeed4& w, std::initializer_list<int> rows) {
    for (int row : rows) w.FeedList->SetSelected(row, true);
  }
};

TEST_F(HogFeed4Test, ANurseryBatchIsEnteredEditedDeletedAndPrinted) {
  writeCornAndSoy();
  tp.windows.on("HogFeed4", as<HogFeed4>([this](HogFeed4& w) {
    EXPECT_EQ(w.Caption(), "N U R S E R Y   F E E D   R E C O R D   for  ( 2024 )");
    EXPECT_EQ(w.FeedList->ListCount(), 0);
    for (int item : {HogFeed4::Edit, HogFeed4::Delete, HogFeed4::Print}) EXPECT_FALSE(w.FeedMenu->Visible(item));

    // A new batch: 600 lb of corn and 400 lb of soybean meal.
    tp.dialogs.answer(platform::vbOK);
    tp.windows.on("HogFeed2", as<HogFeed2>([](HogFeed2& e) {
      EXPECT_EQ(e.Caption(), "NEW  NURSERY  FEED  BATCH ( 00001 )");
      EXPECT_EQ(e.FeedDate->Text(), "06/01/2024");
      EXPECT_EQ(e.FeedPick[0]->count(), 2);
      EXPECT_FALSE(e.NextBatch->isEnabled() || e.FeedBack->isEnabled());
      e.GroupId->SetText("123");
      typeRows(e, {{"CORN", "600"}, {"SBM", "400"}});
      e.Accept->Press();
    }));
    w.FeedMenu->Click(HogFeed4::Input);
    EXPECT_TRUE(LastBoxIs(tp.dialogs, {"NEW FEED BATCH# ( 00001 )", "NEW   FEED   BATCH", platform::vbQuestion, platform::vbOKCancel}));
    EXPECT_EQ(readFile(batchPath()), recordBytes<FeedBatchRecord>({aBatch("00001").group("123").ground("06/01/2024")
                                                                       .row(0, "CORN", 600).row(1, "SBM", 400)
                                                                       .cost(80)}));
    EXPECT_EQ(readFile(feedPath()), stockBytes(400, 600));
    EXPECT_EQ(w.Lines(), Lines{"  00001     123   06/01/2024    0.500       1,000      160.00       0.08         80.00  "});
    EXPECT_EQ(w.GTTons->Caption() + "|" + w.GTLbs->Caption() + "|" + w.GTCost->Caption(), "0.50|1,000|80.00");

    // Edited both ways: 100 lb less corn, 50 lb more soybean meal.
    tp.windows.on("HogFeed2", as<HogFeed2>([](HogFeed2& e) {
      EXPECT_EQ(e.Caption(), "EDIT  NURSERY  FEED  BATCH (00001)");
      EXPECT_EQ(e.FeedAmt[0]->Text() + "|" + e.FeedPick[1]->Text() + "|" + e.FeedAmt[2]->Text(), "600|SBM|0");
      EXPECT_FALSE(e.FeedMed->isEnabled());
      typeRows(e, {{"CORN", "500"}, {"SBM", "450"}});
      e.Accept->Press();
    }));
    select(w, {0});
    w.FeedMenu->Click(HogFeed4::Edit);
    EXPECT_EQ(readFile(batchPath()), recordBytes<FeedBatchRecord>({aBatch("00001").group("123").ground("06/01/2024")
                                                                       .row(0, "CORN", 500).row(1, "SBM", 450)
                                                                       .cost(81.25)}));
    EXPECT_EQ(readFile(feedPath()), stockBytes(500, 550));

    // Printed: the listing, then the summary.
    tp.dialogs.answer(platform::vbYes);
    w.FeedMenu->Click(HogFeed4::Print);
    EXPECT_EQ(tp.printer.finishedDocuments, 2);
    const Lines listing = tp.printer.texts(1);
    EXPECT_EQ(listing.front(), "NURSERY  FEED  RECORD  for ( 2024 )");
    EXPECT_NE(std::find(listing.begin(), listing.end(),
                        "  00001    123   06/01/2024     0.475         950      171.05       0.09         81.25  "),
              listing.end());
    const Lines summary = tp.printer.texts(2);
    EXPECT_EQ(summary.front(), "S  U  M  M  A  R  Y");
    EXPECT_NE(std::find(summary.begin(), summary.end(), "TOTAL FEED in POUND(s). -----------------------> 950.0"),
              summary.end());

    // Deleted: the inventory back where it was, the record freed.
    tp.dialogs.answer(platform::vbYes);
    select(w, {0});
    w.FeedMenu->Click(HogFeed4::Delete);
    EXPECT_TRUE(LastBoxIs(tp.dialogs, {"ARE YOU SURE you want to DELETE these?", "DELETING   SELECTED   BATCH(s)",
                                       platform::vbQuestion, platform::vbYesNo}));
    EXPECT_EQ(readFile(batchPath()), recordBytes<FeedBatchRecord>({FeedBatchRecord{}}));
    EXPECT_EQ(readFile(feedPath()), stockBytes(1000, 1000));
    EXPECT_EQ(w.FeedList->ListCount(), 0);
    EXPECT_EQ(w.GTTons->Caption() + w.GTLbs->Caption() + w.GTCost->Caption(), "");
    EXPECT_FALSE(w.FeedMenu->Visible(HogFeed4::Print));
    w.FeedMenu->Click(HogFeed4::Exit);
  }));
  Tarlowe2& main = MainForm();
  main.ShowAllMenus();
  for (int item : {0, 1, 2, 4, 5}) EXPECT_TRUE(main.MainFeed->Enabled(item)) << item;
  tp.dialogs.type("2024").answer(platform::vbOK);
  main.MainFeed->Click(0);
  EXPECT_EQ(tp.dialogs.shown[1].text, "FEED2024.DAT FILE DOESN'T EXIST!\r \rStart a new feed file?");
  EXPECT_EQ(tp.windows.shownModal, (Lines{"HogFeed4", "HogFeed2", "HogFeed2"}));
  EXPECT_TRUE(tp.windows.leftOpen.empty());
}

// FEED MED of a new batch, then EXIT: the medication window draws the dose
// and the batch keeps its "M" although the batch itself was never accepted.
TEST_F(HogFeed4Test, FeedMedicationMarksTheBatchAtOnce) {
  writeCornAndSoy();
  writeRecords<DrugRecord>(tp.path("DRUG.LST"), {aDrug("AUREO").kind("F", "L", 2).onHand(10)});
  tp.windows.on("HogFeed4", as<HogFeed4>([this](HogFeed4& w) {
    tp.dialogs.answer(platform::vbOK);
    tp.windows.on("HogFeed2", as<HogFeed2>([this](HogFeed2& e) {
      tp.windows.on("Drug_6", as<Drug_6>([](Drug_6& d) {
        EXPECT_EQ(d.Caption() + "|" + d.SwineId->Text() + "|" + d.Mode->Caption(),
                  "F E E D   M E D I C A T I O N|00001|NEW2");
        d.DrugPick->SetListIndex(0);
        d.DrugPick_Click();
        d.Dosage->SetText("4");
        d.UserInt->SetText("jh");
        d.Accept->Press();
        d.VExit->Press();
      }));
      e.FeedMed->Press();
      EXPECT_EQ(CurrentBatchId, "M00001");
      EXPECT_FALSE(e.FeedMed->isEnabled());
      e.FeedExit->Press();
    }));
    w.FeedMenu->Click(HogFeed4::Input);
    EXPECT_EQ(readBatches(), asStored<FeedBatchRecord>({aBatch("M00001")}));
    const std::vector<MedicationRecord> meds = readRecords<MedicationRecord>(tp.path("MED2024.DAT"));
    ASSERT_EQ(meds.size(), 1u);
    EXPECT_EQ(meds[0].BatchId + "|" + meds[0].DrugCode, "00001 |AUREO ");
    EXPECT_EQ(readRecords<DrugRecord>(tp.path("DRUG.LST"))[0].InventoryAmount, 6.0f);
    ASSERT_EQ(w.Lines().size(), 1u);
    EXPECT_EQ(w.Lines()[0].substr(0, 8), " M00001 ");
    w.FeedMenu->Click(HogFeed4::Exit);
  }));
  Tarlowe2& main = MainForm();
  main.ShowAllMenus();
  tp.dialogs.type("2024").answer(platform::vbOK);
  main.MainFeed->Click(0);
  EXPECT_EQ(tp.windows.shownModal, (Lines{"HogFeed4", "HogFeed2", "Drug_6"}));
}

TEST_F(HogFeed4Test, RefusalsFocusTheirBoxAndWriteNothing) {
  writeCornAndSoy();
  writeBatches({ReservedBatch("N", "00001")});
  CurrentFeedRec = 1;
  CurrentBatchId = "00001";
  HogFeed2 e;
  e.Load();
  e.NE_Cont->SetCaption("NEW");
  e.Show();
  e.GroupId->SetText("123");
  const struct {
    std::string code, amount;
    std::string heading;
    QWidget* field;
    std::string amountAfter;
  } cases[] = {
      {"CORN", "-5", "The AMOUNT (Lb) can't be less than 1!", e.FeedAmt[0], "-5"},
      {"CORN", "5 lb", "The AMOUNT (Lb) is not a number!", e.FeedAmt[0], "5 lb"},
      {"OATS", "5", "INVALID INGREDIENT CODE!", e.FeedPick[0], "5"},
      {"CORN", "1200", "INSUFFICIENT AMOUNT!", e.FeedAmt[0], "1000"},
      {"", "", "NO INGREDIENT(s)!", e.FeedPick[0], ""},
  };
  for (const auto& c : cases) {
    tp.dialogs.clear();
    typeRows(e, {{c.code, c.amount}});
    e.Accept->Press();
    ASSERT_EQ(tp.dialogs.shown.size(), 1u) << c.heading;
    EXPECT_EQ(tp.dialogs.last().text.substr(0, c.heading.size()), c.heading);
    EXPECT_EQ(e.focusWidget(), c.field) << c.heading;
    EXPECT_EQ(e.FeedAmt[0]->Text(), c.amountAfter) << c.heading;
  }
  EXPECT_EQ(tp.dialogs.beeps, 2);  // the box without an ingredient beeps twice
  // A read-only FEED.LST: the batch is not written either.
  ASSERT_EQ(::chmod(feedPath().c_str(), 0444), 0);
  typeRows(e, {{"CORN", "100"}});
  e.Accept->Press();
  ASSERT_EQ(::chmod(feedPath().c_str(), 0644), 0);
  EXPECT_EQ(tp.dialogs.last().title, kBatchEntryTitle);
  EXPECT_NE(tp.dialogs.last().text.find("read-only"), std::string::npos) << tp.dialogs.last().text;
  EXPECT_EQ(readBatches(), asStored<FeedBatchRecord>({ReservedBatch("N", "00001")}));
  EXPECT_EQ(readFile(feedPath()), stockBytes(1000, 1000));
  // FEED MED is offered once.
  e.FeedMed->Press();
  EXPECT_FALSE(e.FeedMed->isEnabled());
  EXPECT_FALSE(e.MedFeed->isVisible());
}

TEST_F(HogFeed4Test, EditStepsThroughTheSelectedBatchesWithNextAndBack) {
  writeCornAndSoy();
  writeBatches({aBatch("00001").group("1").ground("05/01/2024").row(0, "CORN", 1),
                aBatch("M00002").group("2").ground("05/02/2024").row(0, "CORN", 2),
                aBatch("00003").group("3").ground("05/03/2024").row(0, "CORN", 3)});
  SelectedFeedRecs = {0, 1, 2, 3};
  SelectedCount = 3;
  HogFeed2 e;
  e.Load();
  e.NE_Cont->SetCaption("EDIT");
  e.Show();
  const auto state = [&e] {
    return e.GroupId->Text() + (e.NextBatch->isEnabled() ? " next" : "") + (e.FeedBack->isEnabled() ? " back" : "") +
           (e.MedFeed->isVisible() ? " medicated" : "");
  };
  EXPECT_EQ(state(), "1 next");
  e.NextBatch->Press();
  EXPECT_EQ(state(), "2 next back medicated");
  EXPECT_EQ(e.Caption(), "EDIT  NURSERY  FEED  BATCH (M00002)");
  e.NextBatch->Press();
  EXPECT_EQ(state(), "3 back");
  e.FeedBack->Press();
  EXPECT_EQ(state(), "2 next back medicated");
  e.FeedBack->Press();
  EXPECT_EQ(state(), "1 next");
  EXPECT_EQ(SelectedCount, 3);
}
