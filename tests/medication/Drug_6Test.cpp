// The medication entry window headless: vaccinations from the sow and boar
// lists and the piglet menu, a feed medication's shortfall and batch mark,
// the capacity refusal, and the history records' EDIT with NEXT and BACK.
#include "boars/HogBoar1.h"
#include "medication/DrugFixture.h"
#include "medication/Drug_6.h"
#include "medication/MedicationFiles.h"
#include "sows/HogSow1.h"
#include "support/BoxMatch.h"
#include "support/FigureSessions.h"
#include "support/RecordBytes.h"

#include <sys/stat.h>

#include <bit>
#include <cmath>

namespace {

void pick(Drug_6& w, int item) {
  w.DrugPick->SetListIndex(item);
  w.DrugPick_Click();
}

std::vector<std::string> itemCodes(const Drug_6& w) {
  std::vector<std::string> codes;
  for (int i = 0; i < w.DrugPick->count(); ++i) codes.push_back(DrugCodeOfItem(w.DrugPick->List(i)));
  return codes;
}
using Codes = std::vector<std::string>;

// A dose as the window writes it: the ID field of `caption` set.
MedicationRecord given(std::string MedicationRecord::*field, const std::string& id, const std::string& code,
                       float dosage, const std::string& unit = "M") {
  MedicationRecord r = aDose(code, dosage).to(field, id);
  r.DrugName = "DRUG " + code;
  r.LotNumber = "";
  r.UnitCost = records::Currency{5000};  // $50.00 for 100
  r.DrugUnit = unit;
  r.DateUsed = "06/01/2024";
  r.GivenBy = "JH";
  return r;
}

}  // namespace

class Drug_6Test : public DrugTest {
 protected:
  void SetUp() override {
    DrugTest::SetUp();
    tp.clock.stepSeconds = 0.25;  // ALL SELECTED's pauses pass
  }
  std::vector<MedicationRecord> doses() const { return readRecords<MedicationRecord>(medPath()); }
  std::vector<float> onHand() const {
    std::vector<float> amounts;
    for (const DrugRecord& d : drugs()) amounts.push_back(d.InventoryAmount);
    return amounts;
  }
};

TEST_F(Drug_6Test, SowVaccinationRunsThroughTheSelectionAndCarriesAShortfall) {
  writeRecords<SowRecord>(tp.path("SOW.DAT"), {aSow("S1"), aSow("S2"), aSow("S3"), aSow("S4")});
  writeDrugs({aDrug("V1").onHand(5), aDrug("F1").kind("F", "L", 4), aDrug("V2")});
  tp.windows.on("Drug_6", as<Drug_6>([this](Drug_6& w) {
    EXPECT_EQ(w.Caption(), "S O W     V A C C I N A T I O N");
    EXPECT_EQ(w.SwineId->Text() + "|" + w.SwineCap->Caption() + "|" + w.UnitVal->Caption(), "S1|SOW ID.|ML/CC");
    EXPECT_TRUE(w.SelAll->isEnabled() && !w.VNxt->isEnabled() && !w.VBack->isEnabled());
    EXPECT_EQ(itemCodes(w), (Codes{"V1", "V2"}));
    pick(w, 0);
    EXPECT_EQ(w.Dosage->Text() + "|" + w.VCode->Text(), "2.0|V1");
    w.UserInt->SetText("jh");
    w.SelAll->Press();  // S1 and S2 take 4 of 5; S3 is short of 1
    EXPECT_TRUE(LastBoxIs(tp.dialogs, BoxOf(ShortfallRefusal("V1", 1))));
    EXPECT_EQ(w.CarriedShortfall, 1);
    EXPECT_EQ(itemCodes(w), Codes{"V2"});
    pick(w, 0);
    w.SwineId->SetText("S9");  // typed by hand after the run stopped: looked up again
    w.Accept->Press();
    EXPECT_TRUE(LastBoxIs(tp.dialogs, BoxOf(CheckMedIdFound(false, "S9"))));
    w.SelAll->Press();  // S4 from V2: its 2 and the 1 carried
    EXPECT_TRUE(LastBoxIs(tp.dialogs, {"ALL SELECTED ID'S ENTERED!\r\rA drug record has been added to the\r"
                                       "MEDICATION file for all selected ID'S.",
                                       "AUTO   DRUG   ENTRY", platform::vbInformation}));
    w.VExit->Press();
  }));
  HogSow1 list;
  list.Show();
  for (int row = 0; row < 4; ++row) list.SowList->SetSelected(row, true);
  list.SowHistoryMenu->Click(HogSow1::Vacc);
  EXPECT_EQ(SelectedCount, 4);
  const auto stored = doses();
  EXPECT_EQ(stored, asStored<MedicationRecord>({given(&MedicationRecord::SowId, "S1", "V1", 2),
                                                given(&MedicationRecord::SowId, "S2", "V1", 2),
                                                given(&MedicationRecord::SowId, "S3", "V1", 2),
                                                given(&MedicationRecord::SowId, "S4", "V2", 2)}));
  EXPECT_EQ(onHand(), (std::vector<float>{0, 100, 97}));
}

TEST_F(Drug_6Test, BoarAndPigletVaccinationsLookTheirIdsUp) {
  writeRecords<BoarRecord>(tp.path("BOAR.DAT"), {aBoar("B1")});
  writeRecords<GroupRecord>(tp.path("GROUP.DAT"), {aGroup("N", "123-24")});
  writeDrugs({aDrug("V1")});
  const MedicationRecord deleted = BlankedMedication(aDose("V1", 1));
  writeDoses({deleted});  // a new dose never goes into a deleted one's record
  tp.windows.on("Drug_6", as<Drug_6>([this](Drug_6& w) {
    EXPECT_EQ(w.Caption(), "B O A R     V A C C I N A T I O N");
    EXPECT_FALSE(w.SelAll->isEnabled());  // nothing selected: the ID is typed
    w.SwineId->SetText("B9");
    pick(w, 0);
    w.Accept->Press();
    EXPECT_TRUE(LastBoxIs(tp.dialogs, BoxOf(CheckMedIdFound(false, "B9"))));
    EXPECT_EQ(w.focusWidget(), w.SwineId);
    w.SwineId->SetText("B1");
    w.UserInt->SetText("jh");
    w.Accept->Press();
    EXPECT_EQ(w.SwineId->Text(), "");  // ready for the next boar
    w.VExit->Press();
  }));
  tp.windows.on("Drug_6", as<Drug_6>([this](Drug_6& w) {
    EXPECT_EQ(w.Caption() + "|" + w.SwineCap->Caption(), "P I G L E T     V A C C I N A T I O N|GROUP ID.");
    EXPECT_EQ(w.SwineId->Text(), "");
    w.SwineId->SetText("123-24");
    pick(w, 0);
    w.UserInt->SetText("jh");
    w.Dosage->SetText("-1");
    w.Accept->Press();
    EXPECT_TRUE(LastBoxIs(tp.dialogs, BoxOf(*CheckMedDrug({"", "", "", "x", "-1", "V1"}))));
    w.Dosage->SetText("3");
    w.Accept->Press();
    w.VExit->Press();
  }));
  HogBoar1 list;
  list.Show();
  list.BoarListMenu->Click(HogBoar1::Vacc);
  OpenPigletVaccination();
  EXPECT_EQ(doses(), asStored<MedicationRecord>({deleted, given(&MedicationRecord::BoarId, "B1", "V1", 2),
                                                 given(&MedicationRecord::GroupId, "123-24", "V1", 3)}));
  EXPECT_EQ(onHand(), std::vector<float>{95});
}

// The batch is marked "M" in the file with the dose that draws in full, in
// the same writes as the dose, and only its number's bytes change; a later
// dose leaves the mark as it is.
TEST_F(Drug_6Test, FeedMedicationRecordsWhatTheInventoryCoversAndMarksTheBatchOnceCovered) {
  FeedFile = "FEED2024.DAT";
  const std::string batchPath = tp.path("FEED2024.DAT");
  writeRecords<FeedBatchRecord>(batchPath, {aBatch("00006"), aBatch("00007").row(0, "CORN", 10)});
  const std::string before = readFile(batchPath);
  writeDrugs({aDrug("F1").kind("F", "L", 4).onHand(3), aDrug("F2").kind("F", "L", 4)});
  CurrentBatchId = "00007";
  tp.windows.on("Drug_6", as<Drug_6>([&](Drug_6& w) {
    EXPECT_EQ(w.SwineId->Text() + "|" + w.UnitVal->Caption(), "00007|LB");
    pick(w, 0);
    w.Dosage->SetText("5");
    w.UserInt->SetText("jh");
    w.Accept->Press();
    EXPECT_TRUE(LastBoxIs(tp.dialogs, BoxOf(ShortfallRefusal("F1", 2))));
    EXPECT_EQ(w.Dosage->Text(), "2");
    EXPECT_EQ(CurrentBatchId, "00007");
    EXPECT_EQ(readFile(batchPath), before);  // not drawn in full: no mark
    pick(w, 0);
    w.VCode->SetText("F1");  // the drug now without inventory, by its code: no record
    w.Accept->Press();
    EXPECT_TRUE(LastBoxIs(tp.dialogs, BoxOf(ShortfallRefusal("F1", 4))));
    EXPECT_EQ(CurrentBatchId, "00007");
    pick(w, 0);
    EXPECT_EQ(w.Dosage->Text(), "4.0");  // the standard dosage of the drug picked
    w.Dosage->SetText("2");
    w.Accept->Press();
    EXPECT_EQ(CurrentBatchId, "M00007");
    EXPECT_EQ(w.Dosage->Text() + w.VCode->Text() + w.LotS->Text(), "");
    EXPECT_EQ(readFile(batchPath), before.substr(0, 113) + "M00007" + before.substr(119));
    pick(w, 0);
    w.Dosage->SetText("1");
    w.Accept->Press();
    EXPECT_EQ(CurrentBatchId, "M00007");
    w.VExit->Press();
  }));
  OpenFeedMedication();
  EXPECT_EQ(doses(), asStored<MedicationRecord>({given(&MedicationRecord::BatchId, "00007", "F1", 3, "L"),
                                                 given(&MedicationRecord::BatchId, "00007", "F2", 2, "L"),
                                                 given(&MedicationRecord::BatchId, "00007", "F2", 1, "L")}));
  EXPECT_EQ(onHand(), (std::vector<float>{0, 97}));
  EXPECT_EQ(readFile(batchPath), before.substr(0, 113) + "M00007" + before.substr(119));
}

TEST_F(Drug_6Test, AReadOnlyDrugFileWritesNoRecord) {
  FeedFile = "FEED2024.DAT";
  writeRecords<FeedBatchRecord>(tp.path("FEED2024.DAT"), {aBatch("00007")});
  writeDrugs({aDrug("F1").kind("F", "L", 4).onHand(10)});
  writeDoses({});
  CurrentBatchId = "00007";
  ASSERT_EQ(::chmod(drugPath().c_str(), 0444), 0);
  tp.windows.on("Drug_6", as<Drug_6>([this](Drug_6& w) {
    pick(w, 0);
    w.UserInt->SetText("jh");
    w.Accept->Press();
    EXPECT_NE(tp.dialogs.last().text.find("read-only"), std::string::npos) << tp.dialogs.last().text;
    w.VExit->Press();
  }));
  OpenFeedMedication();
  ASSERT_EQ(::chmod(drugPath().c_str(), 0644), 0);
  EXPECT_TRUE(doses().empty());
  EXPECT_EQ(onHand(), std::vector<float>{10});
  EXPECT_EQ(CurrentBatchId, "00007");
}

TEST_F(Drug_6Test, AFullYearsFileRefusesToOpenAndWritesNothing) {
  writeDrugs({aDrug("W1").kind("W", "O", 1)});
  writeDoses(std::vector<MedicationRecord>(8410, aDose("W1", 1)));
  OpenWaterMedication(1);
  EXPECT_TRUE(LastBoxIs(tp.dialogs, BoxOf(CheckMedCapacity("NEW3", 8411, 1))));
  EXPECT_EQ(tp.dialogs.last().text,
            "FILE LENGTH EXCEEDED!\r\rFile length is exceeded by (1) records!\rUse fewer records, else delete old ones.");
  EXPECT_EQ(doses().size(), 8410u);
}

TEST_F(Drug_6Test, EditStepsThroughTheRecordsAndMovesTheDoseBetweenDrugs) {
  writeDrugs({aDrug("V1").onHand(0), aDrug("V2").onHand(10)});
  writeDoses({given(&MedicationRecord::SowId, "S1", "V1", 2), given(&MedicationRecord::BoarId, "B1", "V2", 1),
              given(&MedicationRecord::BatchId, "M00007", "V2", 1)});
  writeRecords<SowRecord>(tp.path("SOW.DAT"), {aSow("S1")});
  SelectedDrugRecs = {0, 1, 2, 3};
  SelectedCount = 3;
  tp.windows.on("Drug_6", as<Drug_6>([this](Drug_6& w) {
    EXPECT_EQ(w.Caption(), "M E D I C A T I O N     E D I T");
    EXPECT_EQ(w.SwineId->Text() + "|" + w.SwineCap->Caption() + "|" + w.DrugPick->Text().substr(0, 2), "S1|SOW ID.|V1");
    EXPECT_TRUE(w.VNxt->isEnabled() && !w.VBack->isEnabled() && !w.SelAll->isEnabled());
    w.Dosage->SetText("3");
    w.Accept->Press();  // V1 had 2 back; 3 would need one more
    EXPECT_TRUE(LastBoxIs(tp.dialogs, BoxOf(ShortfallRefusal("V1", 1))));
    pick(w, 1);  // V2
    w.Dosage->SetText("3");
    w.Accept->Press();
    EXPECT_TRUE(LastBoxIs(tp.dialogs, {"RECORD UPDATED.", "EDIT   HISTORY   RECORD", platform::vbInformation}));
    w.VNxt->Press();
    w.VNxt->Press();
    EXPECT_EQ(w.SwineId->Text() + "|" + w.SwineCap->Caption(), "M00007|BATCH ID.");
    EXPECT_TRUE(!w.VNxt->isEnabled() && w.VBack->isEnabled());
    EXPECT_EQ(SelectedCount, 1);
    w.VBack->Press();
    w.VBack->Press();
    EXPECT_TRUE(w.VNxt->isEnabled() && !w.VBack->isEnabled());
    EXPECT_EQ(SelectedCount, 3);
    w.VExit->Press();
  }));
  OpenMedicationEdit();
  EXPECT_EQ(doses()[0], asStored<MedicationRecord>({given(&MedicationRecord::SowId, "S1", "V2", 3)})[0]);
  EXPECT_EQ(onHand(), (std::vector<float>{2, 7}));
}

// A dose with more places than its box's mask, typed or held, shown back as
// stored by EDIT and kept byte for byte, and its drug's stock with it (float
// noise included), by an ACCEPT that leaves it and by one that changes the
// initials alone.
TEST_F(Drug_6Test, EditShowsBackTheDoseItStoredAndLeavesTheStock) {
  const float noisy = std::nextafter(126.0f, 127.0f);
  const struct {
    const char* typed;  // nullptr: the record holds `dose`
    const char* shown;
    float dose, stock;    // held before the edit
    float doseIs, stockIs;
  } cases[] = {{"2.25", "2.25", 1, 10, 2.25f, 8.75f},
               {nullptr, "0.25", 0.25f, 99.75f, 0.25f, 99.75f},
               {nullptr, "2.25", 2.25f, noisy, 2.25f, noisy},
               {nullptr, "12.3", 12.25f, 50, 12.25f, 50}};  // wider than the box: rounded, kept
  for (const auto& c : cases) {
    writeDrugs({aDrug("V1").onHand(c.stock)});
    writeDoses({given(&MedicationRecord::SowId, "S1", "V1", c.dose)});
    writeRecords<SowRecord>(tp.path("SOW.DAT"), {aSow("S1")});
    const FigureSessions r = RunFigureSessions<Drug_6>(
        ScriptedSession<Drug_6>(tp.windows, "Drug_6", SelectedDrugRecs, OpenMedicationEdit, &Drug_6::Accept,
                                &Drug_6::VExit),
        [](Drug_6& w) { return w.Dosage; }, c.typed, [](Drug_6& w) { w.UserInt->SetText("ZZ"); }, medPath(),
        MedicationRecord::DosageAt, 4);
    EXPECT_EQ(r.shown, c.shown);
    EXPECT_TRUE(r.kept) << c.shown;
    EXPECT_TRUE(r.taken) << c.shown;
    EXPECT_EQ(lef32(r.figure, 0), c.doseIs) << c.shown;
    EXPECT_EQ(std::bit_cast<uint32_t>(onHand()[0]), std::bit_cast<uint32_t>(c.stockIs)) << c.shown;
  }
}

TEST_F(Drug_6Test, VaccFromAnEmptyListOpensNothing) {
  HogSow1 sows;
  sows.Show();
  sows.SowHistoryMenu->Click(HogSow1::Vacc);
  EXPECT_TRUE(LastBoxIs(tp.dialogs, {"NO SOW(s) LISTED!", "SOW  VACCINATION"}));
  HogBoar1 boars;
  boars.Show();
  boars.BoarListMenu->Click(HogBoar1::Vacc);
  EXPECT_TRUE(LastBoxIs(tp.dialogs, {"NO BOAR(s) LISTED!", "BOAR   VACCINATION", platform::vbInformation}));
  EXPECT_TRUE(tp.windows.shownModal.empty());
}
