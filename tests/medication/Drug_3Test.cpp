// The medication history: its lines, its pages, DELETE giving the dosage back
// and taking a batch's mark off, EDIT and ADD WATER through the entry window,
// the printout, and a query's matches shown in pages.
#include "common/NumberText.h"
#include "common/PrintListing.h"
#include "medication/DialogHog6.h"
#include "medication/DrugFixture.h"
#include "medication/Drug_3.h"
#include "medication/Drug_6.h"
#include "medication/MedicationFiles.h"
#include "support/BoxMatch.h"

#include <sys/stat.h>

namespace {

MedicationRecord dose(std::string MedicationRecord::*field, const std::string& id, const std::string& code,
                      float dosage, const std::string& unit = "M") {
  MedicationRecord r = aDose(code, dosage).to(field, id);
  r.DrugUnit = unit;
  r.DrugName = "DRUG " + code;
  r.GivenBy = "JH";
  return r;
}

// The history's line of one record, written from its stored bytes.
std::string historyLine(const MedicationRecord& record) {
  return lineOf(record, WriteMedHistoryLine);
}

std::vector<std::string> rows(const Drug_3& w) {
  std::vector<std::string> out;
  for (int i = 0; i < w.MediList->ListCount(); ++i) out.push_back(w.MediList->List(i));
  return out;
}

}  // namespace

class Drug_3Test : public DrugTest {
 protected:
  void SetUp() override {
    DrugTest::SetUp();
    FeedFile = "FEED2024.DAT";
  }
  std::vector<MedicationRecord> doses() const { return readRecords<MedicationRecord>(medPath()); }
};

// Every record of a page in file order, a deleted one giving no line.
TEST(MedHistoryLines, ColumnsOfARecord) {
  struct Row {
    MedicationRecord record;
    const char* line;
  } rows[] = {
      {dose(&MedicationRecord::SowId, "SOW_H2O", "PEN", 12.5f),
       "SOW_H2O   03/01/2024   DRUG PEN                  PEN       12.5 ML      JH  "},
      {dose(&MedicationRecord::GroupId, "123-24", "TYLO", 5),
       "123-24    03/01/2024   DRUG TYLO                 TYLO       5.0 ML      JH  "},
      {dose(&MedicationRecord::BatchId, "M00007", "F1", 150, "L"),
       "M00007    03/01/2024   DRUG F1                   F1        150. Lb      JH  "},
      {[] {  // blanks before the texts
         MedicationRecord r = dose(&MedicationRecord::SowId, "  S9", " PEN", 1);
         r.DrugName = "  IRON";
         r.GivenBy = " AB";
         return r;
       }(),
       "S9        03/01/2024   IRON                      PEN        1.0 ML      AB  "},
  };
  std::vector<MedicationRecord> records;
  std::vector<std::pair<std::string, long>> expected;
  for (const Row& row : rows) {
    records.push_back(row.record);
    expected.emplace_back(row.line, static_cast<long>(records.size()));  // its record number
    records.push_back(BlankedMedication(row.record));                    // deleted: no line
  }
  HistoryPageTable table;
  ListAllMedRecords(table, static_cast<long>(records.size()));
  platform::ListItems page;
  WriteHistoryPageRows(page, table, 1, records::FileImage<MedicationRecord>::of(records));
  EXPECT_EQ(rowPairs(page), expected);
}

TEST_F(Drug_3Test, PagesOf842LinesAndTheItemsOfAnEmptyYear) {
  {
    Drug_3 w;
    w.Show();
    EXPECT_EQ(w.Caption(), "MEDICATION  HISTORY for YEAR (2024)");
    EXPECT_EQ(w.MQDisp->Caption(), "All MED Rec's.  PAGE 1");
    EXPECT_TRUE(w.HistoryPageMenu->Visible(0) && !w.HistoryPageMenu->Visible(1));
    for (int item : {Drug_3::Edit, Drug_3::Delete, Drug_3::Print}) EXPECT_FALSE(w.DrugHistMenu->Visible(item));
    EXPECT_TRUE(w.DrugHistMenu->Visible(Drug_3::AddWater));  // water may be added to an empty year
  }
  std::vector<MedicationRecord> many(843, dose(&MedicationRecord::SowId, "S1", "PEN", 1));
  many[842].SowId = "LAST";
  many[1] = BlankedMedication(many[1]);
  writeDoses(many);
  Drug_3 w;
  w.Show();
  EXPECT_EQ(w.MediList->ListCount(), 841);  // the deleted record gives no line
  EXPECT_TRUE(w.HistoryPageMenu->Visible(1) && !w.HistoryPageMenu->Visible(2));
  w.HistoryPageMenu->Click(1);
  EXPECT_EQ(rows(w), std::vector<std::string>{historyLine(many[842])});
  EXPECT_EQ(w.MediList->ItemData(0), 843);
  EXPECT_EQ(w.MQDisp->Caption(), "All MED Rec's.  PAGE 2");
  EXPECT_TRUE(w.DrugHistMenu->Visible(Drug_3::Edit));

  // QUERY: the dialog's matches in pages; cancelling it lists every record.
  tp.windows.on("DialogHog6", as<DialogHog6>([](DialogHog6& d) {
    d.MQCombo->SetListIndex(d.MQCombo->findText(QString("By SOW Id.")));
    d.MQData->SetText("last");
    d.MQExe->Press();
  }));
  w.DrugHistMenu->Click(Drug_3::Query);
  EXPECT_EQ(rows(w), std::vector<std::string>{historyLine(many[842])});
  EXPECT_EQ(w.MQDisp->Caption(), "By SOW Id., LAST.  Page 1");
  tp.windows.on("DialogHog6", as<DialogHog6>([](DialogHog6& d) { d.MQCan->Press(); }));
  w.DrugHistMenu->Click(Drug_3::Query);
  EXPECT_EQ(w.MediList->ListCount(), 841);
  EXPECT_EQ(w.MQDisp->Caption(), "All MED Rec's.  PAGE 1");

  QueryArgs = {"", "6", "PEN", "By DRUG CODE"};
  std::vector<long> matches;
  for (long r = 1; r <= 900; ++r) matches.push_back(r % 3 == 0 ? r : 843);
  w.ShowQueryMatches(matches);
  EXPECT_EQ(w.MatchCount, 900);
  EXPECT_EQ(w.MQDisp->Caption(), "By DRUG CODE, PEN.  Page 1");
  EXPECT_EQ(w.MediList->ItemData(2), 3);
  EXPECT_TRUE(w.HistoryPageMenu->Visible(1) && !w.HistoryPageMenu->Visible(2));
}

TEST_F(Drug_3Test, DeleteGivesEachDoseBackAndUnmarksABatchWithNoMedicationLeft) {
  writeDrugs({aDrug("A").onHand(1), aDrug("B").onHand(0)});
  writeRecords<FeedBatchRecord>(tp.path("FEED2024.DAT"), {aBatch("M00001"), aBatch("M00002")});
  writeDoses({dose(&MedicationRecord::BatchId, "00001", "A", 2), dose(&MedicationRecord::BatchId, "00002", "B", 3),
              dose(&MedicationRecord::BatchId, "M00002", "A", 1), dose(&MedicationRecord::SowId, "S1", "GONE", 4)});
  Drug_3 w;
  w.Show();
  w.DrugHistMenu->Click(Drug_3::Delete);
  EXPECT_TRUE(LastBoxIs(tp.dialogs, {"NO RECORD(s) WERE SELECTED!", "DELETE MED HISTORIES"}));
  for (int row : {0, 1, 3}) w.MediList->SetSelected(row, true);
  tp.dialogs.answer(platform::vbNo);
  w.DrugHistMenu->Click(Drug_3::Delete);
  EXPECT_EQ(tp.dialogs.last().title, "C A U T I O N");
  EXPECT_EQ(doses().size(), 4u);
  for (int row : {0, 1, 3}) w.MediList->SetSelected(row, true);
  tp.dialogs.answer(platform::vbYes);
  w.DrugHistMenu->Click(Drug_3::Delete);
  EXPECT_TRUE(LastBoxIs(tp.dialogs, {"ALL SELECTED REC(s) HAVE BEEN DELETED!", "DELETE MED HISTORIES",
                                     platform::vbInformation}));
  EXPECT_EQ(doses(), asStored<MedicationRecord>({BlankedMedication(aDose("A", 2)), BlankedMedication(aDose("B", 3)),
                                                 dose(&MedicationRecord::BatchId, "M00002", "A", 1),
                                                 BlankedMedication(aDose("GONE", 4))}));
  EXPECT_EQ(std::make_tuple(drugs()[0].InventoryAmount, drugs()[1].InventoryAmount), std::make_tuple(3.0f, 3.0f));
  // Batch 00001 has no medication left; 00002 still has its second one.
  const auto batches = readRecords<FeedBatchRecord>(tp.path("FEED2024.DAT"));
  EXPECT_EQ(RTrim(batches[0].BatchNumber) + "|" + RTrim(batches[1].BatchNumber), "00001|M00002");
  EXPECT_EQ(rows(w), std::vector<std::string>{historyLine(doses()[2])});

  // A year's file that cannot take the delete: no dose goes back.
  const std::vector<MedicationRecord> kept = doses();
  ASSERT_EQ(::chmod(medPath().c_str(), 0444), 0);
  w.MediList->SetSelected(0, true);
  tp.dialogs.answer(platform::vbYes);
  w.DrugHistMenu->Click(Drug_3::Delete);
  ASSERT_EQ(::chmod(medPath().c_str(), 0644), 0);
  EXPECT_EQ(tp.dialogs.last().title, "DELETE MED HISTORIES");
  EXPECT_NE(tp.dialogs.last().text.find("read-only"), std::string::npos) << tp.dialogs.last().text;
  EXPECT_EQ(doses(), kept);
  EXPECT_EQ(std::make_tuple(drugs()[0].InventoryAmount, drugs()[1].InventoryAmount), std::make_tuple(3.0f, 3.0f));
}

TEST_F(Drug_3Test, EditAndAddWaterOpenTheEntryWindowAndPrintPrintsThePageShown) {
  writeDrugs({aDrug("W1").kind("W", "O", 1), aDrug("W0").kind("W", "O", 1).onHand(0)});
  writeRecords<SowRecord>(tp.path("SOW.DAT"), {aSow("S1")});
  writeDoses({dose(&MedicationRecord::SowId, "S1", "W1", 1), dose(&MedicationRecord::SowId, "S1", "W1", 2)});
  Drug_3 w;
  w.Show();
  w.DrugHistMenu->Click(Drug_3::Edit);
  EXPECT_TRUE(LastBoxIs(tp.dialogs, {"NO RECORD(s) WERE SELECTED!", "SELECT RECORDS(s)"}));
  w.MediList->SetSelected(1, true);
  tp.windows.on("Drug_6", as<Drug_6>([](Drug_6& d) {
    EXPECT_EQ(d.Mode->Caption(), "EDIT");
    d.Dosage->SetText("2.5");
    d.Accept->Press();
    d.VExit->Press();
  }));
  w.DrugHistMenu->Click(Drug_3::Edit);
  EXPECT_EQ(SelectedDrugRecs[1], 2);
  EXPECT_EQ(doses()[1].Dosage, 2.5f);
  EXPECT_EQ(w.MediList->List(1).substr(59, 7), " 2.5 Oz");
  tp.windows.on("Drug_6", as<Drug_6>([this](Drug_6& d) {
    EXPECT_EQ(d.Caption() + "|" + d.SwineId->Text() + "|" + d.UnitVal->Caption(),
              "W A T E R   M E D I C A T I O N|SOW_H2O|OZ");
    d.DrugPick->SetListIndex(0);
    d.DrugPick_Click();
    d.VCode->SetText("W0");  // a drug with nothing on hand, by its code: no record
    d.Accept->Press();
    EXPECT_TRUE(LastBoxIs(tp.dialogs, BoxOf(ShortfallRefusal("W0", 1))));
    d.SwineId->SetText("SOW_H2O");
    d.DrugPick->SetListIndex(0);
    d.DrugPick_Click();
    d.Accept->Press();
    d.VExit->Press();
  }));
  w.AddMed->Click(Drug_3::Sow);
  EXPECT_EQ(RTrim(doses()[2].SowId), "SOW_H2O");
  EXPECT_EQ(w.MediList->ListCount(), 3);

  tp.dialogs.answer(platform::vbYes);
  w.DrugHistMenu->Click(Drug_3::Print);
  EXPECT_EQ(PrintJob.Heading1, "All MED Rec's (Displayed).");
  EXPECT_EQ(std::make_tuple(PrintJob.LinesPerPage, PrintJob.BodyFontSize, PrintJob.Title),
            std::make_tuple(int16_t{39}, int16_t{12}, std::string("D R U G  H I S T O R Y  L I S T I N G")));
  // Every row the list shows after ADD WATER listed it again, in order.
  const std::vector<std::string> printed = tp.printer.texts();
  auto at = printed.begin();
  for (int row = 0; row < w.MediList->ListCount(); ++row) {
    at = std::find(at, printed.end(), " " + w.MediList->List(row));
    EXPECT_NE(at, printed.end()) << row;
  }
  EXPECT_EQ(MedHistoryHeading("By GIVEN By  ", "JD"), "By GIVEN By, JD (Displayed)");
}
