#include "shell/ModuleState.h"

#include "boars/BoarHistory.h"
#include "common/HogGlobals.h"
#include "common/PrintListing.h"
#include "feed/GroupFeedConversion.h"
#include "feed/HerdFeedConversion.h"
#include "medication/DrugLookups.h"
#include "platform/FileSystem.h"
#include "records/BoarRecord.h"
#include "records/DrugRecord.h"
#include "records/FarrowRecord.h"
#include "records/FeedBatchRecord.h"
#include "records/GroupRecord.h"
#include "records/IngredientRecord.h"
#include "records/MedicationRecord.h"
#include "records/SalesRecord.h"
#include "records/SowRecord.h"
#include "sows/DialogHog1.h"
#include "reports/DialogHog0.h"
#include "reports/DialogHog4.h"
#include "sows/SowHistory.h"

namespace {

// Each value back to the value-initialised value of its type.
template <class... T>
void reset(T&... values) {
  ((values = T{}), ...);
}

}  // namespace

void ResetModuleState() {
  reset(AppFolder, DataFolder, TempFolder, BackupFolder, HelpFilePath, DateText, TimeText, SettingsSection);
  reset(MenuChoice, FeedMenuChoice, PigletMenuChoice, GroupYear, FeedYear, ReportYear, FeedFile, MedFile);
  reset(CurrentUser, UserInfoState, QueryArgs, InputDialogParams);
  reset(SelectedIds, SelectedCount, SelectedSowRecs, SelectedBoarRecs, SelectedGroupRecs, SelectedFeedRecs,
        SelectedDrugRecs);
  reset(CurrentSowRec, CurrentBoarRec, CurrentGroupRec, CurrentFeedRec, CurrentDrugRec, CurrentBatchId,
        CurrentGroupId);
  reset(SowRec, FarrowRec, BoarRec, GroupRec, SalesRec, DrugRec, MedicationRec);
  reset(SowHistory, FarrowLinks, SowNotes);
  reset(BoarHistory, BoarNotes);
  reset(CurrentDrug);
  reset(PrintJob);
  reset(IngredientRec, FeedBatchRec);
  reset(GroupIdList, HerdFeedInputs);
  reset(DueDateRange);
  reset(CrateTable);
  ReleaseWeanDatesDialog();
  platform::holdFiles({}, "");
}
