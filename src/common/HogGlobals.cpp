#include "common/HogGlobals.h"

std::string AppFolder;
std::string DataFolder;
std::string TempFolder;
std::string BackupFolder;
std::string HelpFilePath;
std::string DateText;
std::string TimeText;
std::string SettingsSection;
int MenuChoice = 0;
int FeedMenuChoice = 0;
int PigletMenuChoice = 0;
std::string GroupYear;
std::string FeedYear;
std::string ReportYear;
std::string FeedFile;
std::string MedFile;
std::array<std::string, 6> CurrentUser;
int UserInfoState = 0;
std::array<std::string, 4> QueryArgs;
std::array<std::string, 9> InputDialogParams;
std::vector<std::string> SelectedIds;
int SelectedCount = 0;
std::vector<long> SelectedSowRecs;
std::vector<long> SelectedBoarRecs;
std::vector<long> SelectedGroupRecs;
std::vector<long> SelectedFeedRecs;
std::vector<long> SelectedDrugRecs;
long CurrentSowRec = 0;
long CurrentBoarRec = 0;
long CurrentGroupRec = 0;
long CurrentFeedRec = 0;
long CurrentDrugRec = 0;
std::string CurrentBatchId;
std::string CurrentGroupId;

void ResetGlobals() {
  AppFolder = DataFolder = TempFolder = BackupFolder = HelpFilePath = "";
  DateText = TimeText = SettingsSection = "";
  MenuChoice = FeedMenuChoice = PigletMenuChoice = 0;
  GroupYear = FeedYear = ReportYear = FeedFile = MedFile = "";
  CurrentUser = {};
  UserInfoState = 0;
  QueryArgs = {};
  InputDialogParams = {};
  SelectedIds.clear();
  SelectedCount = 0;
  SelectedSowRecs.clear();
  SelectedBoarRecs.clear();
  SelectedGroupRecs.clear();
  SelectedFeedRecs.clear();
  SelectedDrugRecs.clear();
  CurrentSowRec = CurrentBoarRec = CurrentGroupRec = CurrentFeedRec = CurrentDrugRec = 0;
  CurrentBatchId = CurrentGroupId = "";
}
