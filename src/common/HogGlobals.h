#pragma once
// The module-level values through which windows hand work to each other: what
// the main window prepares for the window it opens, the selections a list
// hands on, the folders and the date of this run. Record buffers live with
// their record types (src/records); shell/ModuleState.h resets them all.
#include <array>
#include <string>
#include <vector>

// Folders, set by the start-up; each ends with "/".
extern std::string AppFolder;
extern std::string DataFolder;
extern std::string TempFolder;
extern std::string BackupFolder;
extern std::string HelpFilePath;

// Today's date "MM/DD/YYYY" and the start time "HH:MM:SS".
extern std::string DateText;
extern std::string TimeText;

// The section of the machine-wide settings file that belongs to this program.
extern std::string SettingsSection;

// What a menu hands to the window it opens.
extern int MenuChoice;
extern int FeedMenuChoice;
extern int PigletMenuChoice;
extern std::string GroupYear;   // two characters
extern std::string FeedYear;    // four characters
extern std::string ReportYear;  // four characters
extern std::string FeedFile;    // "FEED" + year + ".DAT"
extern std::string MedFile;     // "MED" + year + ".DAT"

// The logged-on user: (1) logon ID, (2) initials or a built-in account's
// marker, (3) the password typed, (4) the access level "0" to "4", (5) "YES"
// once the log-on dialog accepted the user; entry 0 is not used.
extern std::array<std::string, 6> CurrentUser;

// The outcome of the user information window in this run: 0 nothing accepted
// or rejected yet, 1 accepted, 4 rejected.
extern int UserInfoState;

// A query dialog's answer: (1) the kind code ("0" = all), (2) the criterion,
// (3) the caption of the kind; entry 0 is not used.
extern std::array<std::string, 4> QueryArgs;

// The general input dialog's parameters, entries 0 to 8.
extern std::array<std::string, 9> InputDialogParams;

// Selections handed from a list to the window it opens, used from index 1.
extern std::vector<std::string> SelectedIds;
extern int SelectedCount;
extern std::vector<long> SelectedSowRecs;
extern std::vector<long> SelectedBoarRecs;
extern std::vector<long> SelectedGroupRecs;
extern std::vector<long> SelectedFeedRecs;
extern std::vector<long> SelectedDrugRecs;

// The record on screen.
extern long CurrentSowRec;
extern long CurrentBoarRec;
extern long CurrentGroupRec;
extern long CurrentFeedRec;
extern long CurrentDrugRec;
extern std::string CurrentBatchId;
extern std::string CurrentGroupId;
