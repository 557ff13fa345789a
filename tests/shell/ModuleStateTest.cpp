// The module-level values go back to their start in one call, and the test
// platform leaves neither a value nor a window behind.
#include <gtest/gtest.h>

#include <functional>

#include "boars/BoarHistory.h"
#include "common/HogGlobals.h"
#include "common/PrintListing.h"
#include "medication/DrugLookups.h"
#include "records/IngredientRecord.h"
#include "shell/HogStartUp.h"
#include "shell/ModuleState.h"
#include "shell/Tarlowe2.h"
#include "sows/SowHistory.h"
#include "support/TestPlatform.h"

namespace {

struct ModuleValue {
  const char* name;
  std::function<void()> change;
  std::function<bool()> atStart;
};

const ModuleValue kValues[] = {
    {"DataFolder", [] { DataFolder = "/data/"; }, [] { return DataFolder.empty(); }},
    {"DateText", [] { DateText = "06/01/2024"; }, [] { return DateText.empty(); }},
    {"MenuChoice", [] { MenuChoice = 3; }, [] { return MenuChoice == 0; }},
    {"ReportYear", [] { ReportYear = "2024"; }, [] { return ReportYear.empty(); }},
    {"CurrentUser", [] { CurrentUser[1] = "boss"; }, [] { return CurrentUser[1].empty(); }},
    {"UserInfoState", [] { UserInfoState = 4; }, [] { return UserInfoState == 0; }},
    {"QueryArgs", [] { QueryArgs[1] = "6"; }, [] { return QueryArgs[1].empty(); }},
    {"InputDialogParams", [] { InputDialogParams[8] = "1"; }, [] { return InputDialogParams[8].empty(); }},
    {"SelectedSowRecs", [] { SelectedSowRecs = {0, 4}; }, [] { return SelectedSowRecs.empty(); }},
    {"SelectedCount", [] { SelectedCount = 1; }, [] { return SelectedCount == 0; }},
    {"CurrentSowRec", [] { CurrentSowRec = 7; }, [] { return CurrentSowRec == 0; }},
    {"CurrentGroupId", [] { CurrentGroupId = "004-08"; }, [] { return CurrentGroupId.empty(); }},
    {"SowRec", [] { SowRec.Id = "S1"; }, [] { return SowRec.Id.empty(); }},
    {"FarrowRec", [] { FarrowRec.Status = FarrowRecord::InHerd; }, [] { return FarrowRec.Status == 0; }},
    {"BoarRec", [] { BoarRec.Id = "B1"; }, [] { return BoarRec.Id.empty(); }},
    {"DrugRec", [] { DrugRec.DrugCode = "PEN"; }, [] { return DrugRec.DrugCode.empty(); }},
    {"MedicationRec", [] { MedicationRec.Dosage = 2; }, [] { return MedicationRec.Dosage == 0; }},
    {"CurrentDrug", [] { CurrentDrug.UnitCost = 2.5f; }, [] { return CurrentDrug.UnitCost == 0; }},
    {"SowHistory", [] { SowHistory.TotalBorn = 12; }, [] { return SowHistory.TotalBorn == 0; }},
    {"FarrowLinks", [] { FarrowLinks[1] = 3; }, [] { return FarrowLinks[1] == 0; }},
    {"SowNotes", [] { SowNotes[1] = "note"; }, [] { return SowNotes[1].empty(); }},
    {"BoarHistory", [] { BoarHistory.SowsFarrowed = 6; }, [] { return BoarHistory.SowsFarrowed == 0; }},
    {"BoarNotes", [] { BoarNotes[14] = "note"; }, [] { return BoarNotes[14].empty(); }},
    {"PrintJob", [] { PrintJob.TitleFontSize = 12; }, [] { return PrintJob.TitleFontSize == 26; }},
    {"IngredientRec", [] { IngredientRec.StartInventory = 5; }, [] { return IngredientRec.StartInventory == 0; }},
};

}  // namespace

TEST(ModuleState, ResetPutsEveryValueBackToItsStart) {
  TestPlatform tp;
  for (const ModuleValue& v : kValues) v.change();
  ResetModuleState();
  for (const ModuleValue& v : kValues) EXPECT_TRUE(v.atStart()) << v.name;
}

TEST(ModuleState, TheTestPlatformLeavesNoValueAndNoWindowBehind) {
  {
    TestPlatform tp;
    for (const ModuleValue& v : kValues) v.change();
    MainForm();
    StartUpForm();
  }
  EXPECT_FALSE(MainFormExists());
  EXPECT_FALSE(StartUpFormExists());
  for (const ModuleValue& v : kValues) EXPECT_TRUE(v.atStart()) << v.name;
}
