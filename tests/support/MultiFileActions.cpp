#include "support/MultiFileActions.h"

#include "boars/HogBoar3.h"
#include "common/DataFiles.h"
#include "common/HogGlobals.h"
#include "feed/BatchEntry.h"
#include "feed/HogFeed2.h"
#include "feed/HogFeed4.h"
#include "groups/GroupMoves.h"
#include "groups/HogPig3.h"
#include "medication/Drug_3.h"
#include "medication/Drug_6.h"
#include "medication/MedicationEntry.h"
#include "platform/FileSystem.h"
#include "sows/HogSow1.h"
#include "sows/HogSow3.h"
#include "sows/HogSow6.h"
#include "sows/LitterEntry.h"
#include "support/RecordBuilders.h"
#include "support/ScriptedWindows.h"

namespace {

using namespace platform;

// The module-level values every action reads: the data folder, today, the
// year's medication and feed batch files.
void inPlay(TestPlatform& tp) {
  DataFolder = tp.home();
  DateText = "06/01/2024";
  MedFile = "MED2024.DAT";
  FeedFile = "FEED2024.DAT";
  FeedYear = "2024";
}

template <class R>
void write(TestPlatform& tp, const std::string& name, const std::vector<R>& records) {
  writeRecords<R>(tp.path(name), records);
}

// Pigs OUT of the one group selected in the list of `stage`, the entry
// typed by `entry`, then ACCEPT.
void pigsOut(TestPlatform& tp, int stage, std::function<void(HogPig3&)> entry) {
  PigletMenuChoice = stage;
  SelectedGroupRecs = {0, 1};
  SelectedCount = 1;
  tp.windows.on("HogPig3", as<HogPig3>([entry](HogPig3& w) {
    entry(w);
    w.Accept->Press();
  }));
  HogPig3 w;
  w.Show(vbModal);
}

// 60 pigs out of nursery group 001-24: 40 sold, the others on to the grower.
void nurseryPigsOut(TestPlatform& tp) {
  pigsOut(tp, 0, [](HogPig3& w) {
    w.PigsOut->SetText("60");
    w.PigsSale->SetText("40");
    w.PigWtOut->SetText("50");
    w.PriceLb->SetText("0.75");
    w.DateOut->SetText("07/01/2024");
  });
}

void selectOne(std::vector<long>& selected) {
  selected = {0, 1};
  SelectedCount = 1;
}

// The medication entry window's script: the first drug listed, `dosage`
// when given, initials, ACCEPT, EXIT.
ScriptedWindows::Script dose(const std::string& dosage) {
  return as<Drug_6>([dosage](Drug_6& w) {
    w.DrugPick->SetListIndex(0);
    w.DrugPick_Click();
    if (!dosage.empty()) w.Dosage->SetText(dosage);
    w.UserInt->SetText("jh");
    w.Accept->Press();
    w.VExit->Press();
  });
}

MedicationRecord doseOf(const std::string& code, float dosage, std::string MedicationRecord::*field,
                        const std::string& id) {
  MedicationRecord m = aDose(code, dosage).to(field, id);
  m.DrugUnit = "M";
  m.GivenBy = "JH";
  return m;
}

// Corn and soybean meal, 1000 lb each.
std::vector<IngredientRecord> cornAndSoy() {
  return {anIngredient("CORN").name("Corn").cost(50, 0.05), anIngredient("SBM").name("Soybean Meal").cost(125, 0.125)};
}

std::vector<MultiFileAction> makeActions() {
  const std::string nothingMore = kNothingMoreDone;
  return {
      {"PigsOutOfANurseryToTheGrowerAndToSales", {"GROUP.DAT", "SALES.DAT"},
       [](TestPlatform& tp) {
         inPlay(tp);
         write<GroupRecord>(tp, "GROUP.DAT", {aGroup("N", "001-24").in(100, 12, "06/01/2024")});
         write<SalesRecord>(tp, "SALES.DAT", {aSale("F", "009-23").sold(10, 40, 0.5f, "05/01/2023")});
       },
       nurseryPigsOut,
       kOutErrorTitle, kPigsNotMoved, "PIGS OUT"},
      {"TheFarmsFirstSaleMakesTheSalesFile", {"GROUP.DAT", "SALES.DAT"},
       [](TestPlatform& tp) {
         inPlay(tp);
         write<GroupRecord>(tp, "GROUP.DAT", {aGroup("N", "001-24").in(100, 12, "06/01/2024")});
       },
       nurseryPigsOut,
       kOutErrorTitle, kPigsNotMoved, "PIGS OUT"},
      {"PigsOutOfAFinisherAcrossTheYearEnd", {"GROUP.DAT", "SALES.DAT"},
       [](TestPlatform& tp) {
         inPlay(tp);
         write<GroupRecord>(tp, "GROUP.DAT", {aGroup("F", "005-23", 11).in(30, 200, "01/01/2023")});
         write<SalesRecord>(tp, "SALES.DAT", {aSale("M", "009-22", 11).sold(10, 250, 0.5f, "05/01/2022")});
       },
       [](TestPlatform& tp) {
         pigsOut(tp, 2, [](HogPig3& w) {
           w.YesYrAdj->SetValue(true);
           w.NumAdj->SetText("30");
           w.PigWtOut->SetText("250");
           w.DateOut->SetText("12/31/2023");
         });
       },
       kOutErrorTitle, kPigsNotMoved, "PIGS OUT"},
      {"ASowWhoLeftTheHerdMarksHerLitters", {"SOW.DAT", "FARROW.DAT"},
       [](TestPlatform& tp) {
         inPlay(tp);
         write<SowRecord>(tp, "SOW.DAT", {aSow("S1").litters({1, 2}).entered("05/01/2023"), aSow("S2")});
         write<FarrowRecord>(tp, "FARROW.DAT", {aLitter(), aLitter(), aLitter()});
       },
       [](TestPlatform&) {
         selectOne(SelectedSowRecs);
         HogSow3 w;
         w.Load();
         w.SowDate(11)->SetText("05/01/2024");
         w.SaveChan->Press();
       },
       "SOW ENTRY", nothingMore, "SOW HISTORY CHANGE"},
      {"ANewLitterAndTheSowsLink", {"FARROW.DAT", "SOW.DAT"},
       [](TestPlatform& tp) {
         inPlay(tp);
         write<BoarRecord>(tp, "BOAR.DAT", {aBoar(""), aBoar("B1")});
         write<SowRecord>(tp, "SOW.DAT", {aSow("S1").bred("01/15/2024", "B1").due("05/08/2024")});
         write<FarrowRecord>(tp, "FARROW.DAT", {aLitter().bornOn("01/01/2024").pigs(9, 9).sire("B1")});
       },
       [](TestPlatform&) {
         selectOne(SelectedSowRecs);
         HogSow6 w;
         w.Load();
         const std::pair<int, const char*> typed[] = {{kBornRow, "12"},         {kAliveRow, "11"},
                                                      {kBirthWeightRow, "35.5"}, {kFosteredToRow, "0"},
                                                      {kFosteredFromRow, "0"},   {kWeanedRow, "10"},
                                                      {kWeaningWeightRow, "120"}, {kBoarRow, "B1"}};
         w.FarroDate(kDateBornRow)->SetText("05/08/2024");
         w.FarroDate(kDateWeanedRow)->SetText("05/29/2024");
         for (const auto& [row, text] : typed) w.FarroBox(row)->SetText(text);
         w.FarroNew->Press();
       },
       kFarrowEntryTitle, nothingMore, "NEW FARROW RECORD"},
      {"ASowDeletedWithHerLitters", {"SOW.DAT", "FARROW.DAT"},
       [](TestPlatform& tp) {
         inPlay(tp);
         write<SowRecord>(tp, "SOW.DAT", {aSow("D1").litters({1, 3}), aSow("D2")});
         write<FarrowRecord>(tp, "FARROW.DAT", {aLitter().sire("B1"), aLitter().sire("B2"), aLitter().sire("B1")});
       },
       [](TestPlatform& tp) {
         HogSow1 w;
         w.Show();
         w.SowList->SetSelected(0, true);
         tp.dialogs.answer(vbYes);
         w.SowHistoryMenu->Click(HogSow1::Delete);
       },
       "DELETE SOW HISTORIES", SowDeleteOutcome({}, "D1"), "SOW DELETE"},
      {"ABoarsNewIdInTheThreeFiles", {"BOAR.DAT", "FARROW.DAT", "SOW.DAT"},
       [](TestPlatform& tp) {
         inPlay(tp);
         write<BoarRecord>(tp, "BOAR.DAT", {aBoar("B7").entered("01/01/2023"), aBoar("B8").entered("01/01/2023")});
         write<FarrowRecord>(tp, "FARROW.DAT", {aLitter().sire("B8"), aLitter().sire("B7"), aLitter().sire("B7")});
         write<SowRecord>(tp, "SOW.DAT", {aSow("S1").bred("01/15/2024", "B7"), aSow("S2").bred("01/15/2024", "B8")});
       },
       [](TestPlatform& tp) {
         selectOne(SelectedBoarRecs);
         HogBoar3 w;
         w.Load();
         w.ChanBoarId->Press();
         w.BoarBox(1)->SetText("B9");
         tp.dialogs.answer(vbOK);
         w.AcceptBoarId->Press();
       },
       "BOAR ID ERROR", nothingMore, "BOAR ID CHANGE"},
      {"ASowVaccinationAndItsDraw", {"MED2024.DAT", "DRUG.LST"},
       [](TestPlatform& tp) {
         inPlay(tp);
         write<SowRecord>(tp, "SOW.DAT", {aSow("S1")});
         write<DrugRecord>(tp, "DRUG.LST", {aDrug("V1").onHand(5), aDrug("V2").onHand(7)});
         write<MedicationRecord>(tp, "MED2024.DAT", {doseOf("V2", 1, &MedicationRecord::SowId, "S1")});
       },
       [](TestPlatform& tp) {
         tp.windows.on("Drug_6", dose(""));
         OpenSowVaccination({"S1"});
       },
       kMedEntryTitle, nothingMore, "NEW MEDICATION"},
      {"AFeedMedicationItsDrawAndItsBatchMark", {"MED2024.DAT", "DRUG.LST", "FEED2024.DAT"},
       [](TestPlatform& tp) {
         inPlay(tp);
         write<DrugRecord>(tp, "DRUG.LST", {aDrug("F1").kind("F", "L", 4).onHand(10)});
         write<MedicationRecord>(tp, "MED2024.DAT", {doseOf("F1", 1, &MedicationRecord::BatchId, "00006")});
         write<FeedBatchRecord>(tp, "FEED2024.DAT", {aBatch("00006"), aBatch("00007").row(0, "CORN", 10)});
         CurrentBatchId = "00007";
       },
       [](TestPlatform& tp) {
         tp.windows.on("Drug_6", dose("2"));
         OpenFeedMedication();
       },
       kMedEntryTitle, nothingMore, "NEW MEDICATION"},
      {"AMedicationEditAndTheDrawsItChanges", {"MED2024.DAT", "DRUG.LST"},
       [](TestPlatform& tp) {
         inPlay(tp);
         write<SowRecord>(tp, "SOW.DAT", {aSow("S1")});
         write<DrugRecord>(tp, "DRUG.LST", {aDrug("V1").onHand(10), aDrug("V2").onHand(10)});
         write<MedicationRecord>(tp, "MED2024.DAT", {doseOf("V1", 1, &MedicationRecord::SowId, "S1")});
       },
       [](TestPlatform& tp) {
         Drug_3 w;
         w.Show();
         w.MediList->SetSelected(0, true);
         tp.windows.on("Drug_6", as<Drug_6>([](Drug_6& d) {
           d.Dosage->SetText("2.5");
           d.Accept->Press();
           d.VExit->Press();
         }));
         w.DrugHistMenu->Click(Drug_3::Edit);
       },
       kMedEntryTitle, nothingMore, "MEDICATION EDIT"},
      {"AMedicationDeleteItsDoseBackAndTheBatchMarkOff", {"MED2024.DAT", "DRUG.LST", "FEED2024.DAT"},
       [](TestPlatform& tp) {
         inPlay(tp);
         write<DrugRecord>(tp, "DRUG.LST", {aDrug("F1").kind("F", "L", 4).onHand(1)});
         write<MedicationRecord>(tp, "MED2024.DAT", {doseOf("F1", 2, &MedicationRecord::BatchId, "00001")});
         write<FeedBatchRecord>(tp, "FEED2024.DAT", {aBatch("M00001").row(0, "CORN", 10)});
       },
       [](TestPlatform& tp) {
         Drug_3 w;
         w.Show();
         w.MediList->SetSelected(0, true);
         tp.dialogs.answer(vbYes);
         w.DrugHistMenu->Click(Drug_3::Delete);
       },
       "DELETE MED HISTORIES", "None of the 1 selected record(s) were deleted.\r" + nothingMore, "DELETE MED HISTORIES"},
      {"AFeedBatchEditAndItsIngredients", {"FEED2024.DAT", "FEED.LST"},
       [](TestPlatform& tp) {
         inPlay(tp);
         FeedMenuChoice = 0;
         write<IngredientRecord>(tp, "FEED.LST", cornAndSoy());
         write<FeedBatchRecord>(tp, "FEED2024.DAT",
                                {aBatch("00001").group("123").ground("06/01/2024").row(0, "CORN", 600).row(1, "SBM", 400).cost(80)});
       },
       [](TestPlatform&) {
         selectOne(SelectedFeedRecs);
         HogFeed2 e;
         e.Load();
         e.NE_Cont->SetCaption("EDIT");
         e.Show();
         e.FeedAmt[0]->SetText("500");
         e.FeedAmt[1]->SetText("450");
         e.Accept->Press();
       },
       kBatchEntryTitle, nothingMore, "FEED BATCH ENTRY"},
      {"AFeedBatchDeleteAndItsIngredients", {"FEED2024.DAT", "FEED.LST"},
       [](TestPlatform& tp) {
         inPlay(tp);
         FeedMenuChoice = 0;
         write<IngredientRecord>(tp, "FEED.LST", cornAndSoy());
         write<FeedBatchRecord>(tp, "FEED2024.DAT",
                                {aBatch("00001").row(0, "CORN", 600).row(1, "SBM", 400), aBatch("00002").row(0, "CORN", 5)});
       },
       [](TestPlatform& tp) {
         HogFeed4 w;
         w.Show();
         w.FeedList->SetSelected(0, true);
         tp.dialogs.answer(vbYes);
         w.FeedMenu->Click(HogFeed4::Delete);
       },
       "DELETING   SELECTED   BATCH(s)", nothingMore, "DELETE FEED BATCHES"},
      {"ANewFeedBatchMakesTheYearsFile", {"FEED2024.DAT"},
       [](TestPlatform& tp) {
         inPlay(tp);
         FeedMenuChoice = 0;
         // A dose still names batch 00001: the new batch is 00002, record 1 left blank.
         write<MedicationRecord>(tp, "MED2024.DAT", {doseOf("F1", 1, &MedicationRecord::BatchId, "00001")});
       },
       [](TestPlatform& tp) {
         HogFeed4 w;
         w.Show();
         tp.dialogs.answer(vbOK);
         w.FeedMenu->Click(HogFeed4::Input);
       },
       "NEW   FEED   BATCH", nothingMore, "NEW FEED BATCH"},
  };
}

}  // namespace

const std::vector<MultiFileAction>& MultiFileActions() {
  static const std::vector<MultiFileAction> actions = makeActions();
  return actions;
}
