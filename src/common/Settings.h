#pragma once
// The two settings files, their sections and keys. Every value is text, read
// and written on its own through IniAccess at the moment it is needed. A key
// that is missing or holds nothing reads as "", and "" always means "not
// set". Values compare exactly, letter case included, unless said below.
//
//  - The program's own file "TARLOWE.INI" in the program folder (AppFolder),
//    made by its first write; the start-up writes to it at every start.
//  - The machine-wide file "VMQ2007.INI" in the machine-wide settings folder
//    (platform::machineSettingsFolder()), of which the program owns the
//    section named by SettingsSection ("TARLOWE") and the key
//    APP_TYPE/CurrentApp. Its path is handed to IniAccess without the
//    extension, which IniAccess adds; a path with ".INI" names the same file.
#include <string>

namespace settings {

// ---- Files --------------------------------------------------------------
inline constexpr const char* kProgramFileName = "TARLOWE.INI";
inline constexpr const char* kMachineFileBase = "VMQ2007";  // "VMQ2007.INI"

// AppFolder & "TARLOWE.INI".
std::string ProgramFilePath();
// The machine-wide settings folder & "VMQ2007".
std::string MachineFilePath();

// ---- Sections -----------------------------------------------------------
// In the program's file.
inline constexpr const char* kStartupInfo = "STARTUPINFO";
inline constexpr const char* kHogData = "HOGDATA";
// In the machine-wide file: the program's own section (the value the start-up
// gives SettingsSection) and the section naming the program last started.
inline constexpr const char* kProgramSection = "TARLOWE";
inline constexpr const char* kAppType = "APP_TYPE";

// ---- Keys of the program's file -----------------------------------------
// STARTUPINFO/CurrentDate: DateText as it stood when the program last ended
// ("MM/DD/YYYY", or the text typed at a date correction). Written only by the
// orderly end of the program; the start-up reads its last four characters
// (the year). Empty: the start-up takes today as the last run and asks no
// date question.
inline constexpr const char* kCurrentDate = "CurrentDate";
// STARTUPINFO/ProgramVersion and ReleaseDate: written at every start, read by
// nobody.
inline constexpr const char* kProgramVersion = "ProgramVersion";
inline constexpr const char* kReleaseDate = "ReleaseDate";
inline constexpr const char* kProgramVersionValue = "5.00.06.2019";
inline constexpr const char* kReleaseDateValue = "22 March 2019";
// HOGDATA/DataPath: the database folder, a full path. Written by the start-up
// when empty (with DataFolder, AppFolder & "HOGDATA" and a separator) and by
// Move Database with the folder as typed (which may lack the final
// separator). Read by the start-up, which takes the data folder from it, and
// by back-up, restore and move.
inline constexpr const char* kDataPath = "DataPath";
// HOGDATA/HogDirectory: AppFolder, written at every start, read by nobody.
inline constexpr const char* kHogDirectory = "HogDirectory";
// HOGDATA/MedFile and FeedFile: "MED" / "FEED" & the year of DateText &
// ".DAT", written at every start; they keep the start year's names even when
// a year prompt switches the program to other files (the program keeps
// MedFile and FeedFile in memory). Read by nobody.
inline constexpr const char* kMedFile = "MedFile";
inline constexpr const char* kFeedFile = "FeedFile";

// ---- Keys of the machine-wide file --------------------------------------
// <SettingsSection>/LogOnID: the logon ID of the last log-on. Empty: the
// log-on dialog offers "Admin" and locks its logon ID box.
inline constexpr const char* kLogOnId = "LogOnID";
// <SettingsSection>/Require_Password?: "YES" or "NO". Only the exact text
// "NO" switches the log-on off; "" or any other text (also "no", "Yes") is
// rewritten "YES" by the start-up and a log-on is required.
inline constexpr const char* kRequirePassword = "Require_Password?";
inline constexpr const char* kYes = "YES";
inline constexpr const char* kNo = "NO";
// <SettingsSection>/DbBackUpPath: the folder of the last successful back-up.
// Empty: Restore Database is hidden and has no default folder.
inline constexpr const char* kDbBackUpPath = "DbBackUpPath";
// APP_TYPE/CurrentApp: the value of SettingsSection, written at every start,
// read by nobody.
inline constexpr const char* kCurrentApp = "CurrentApp";

// ---- Access by name -----------------------------------------------------
// One value of the program's file or of the machine-wide file, through
// IniAccess (so a malformed path or a failed access shows its box).
std::string ReadProgramSetting(const std::string& section, const std::string& key);
void WriteProgramSetting(const std::string& section, const std::string& key, const std::string& value);
std::string ReadMachineSetting(const std::string& section, const std::string& key);
void WriteMachineSetting(const std::string& section, const std::string& key, const std::string& value);
// A value the user chose: written as WriteMachineSetting writes it, then
// read back. False when the file does not hold it afterwards (the write was
// refused), so that the window can say so.
bool ChangeMachineSetting(const std::string& section, const std::string& key, const std::string& value);

// Whether a typed text may be written into a settings file: it holds no
// control character (a line break would plant a new key). A window refuses
// any other text with its own message before it writes.
bool IsSettingText(const std::string& text);

}  // namespace settings
