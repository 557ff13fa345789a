#include "shell/DatabaseUtilities.h"

#include <filesystem>
#include <optional>
#include <vector>

#include "common/FileProcs.h"
#include "common/HogGlobals.h"
#include "common/NumberText.h"
#include "common/Paths.h"
#include "common/Settings.h"
#include "platform/Dialogs.h"
#include "platform/FileSystem.h"
#include "platform/FormKit.h"
#include "platform/Refusal.h"
#include "records/BoarRecord.h"
#include "records/RecordScan.h"
#include "records/RecordSlots.h"
#include "records/SowRecord.h"
#include "shell/Tarlowe2.h"

using namespace platform;

namespace {

// What a copy of the database says when it stops, by direction.
struct CopyKind {
  const char* filesOf;      // "Database" or "BackUp"
  const char* abortLine;    // the last line of every failure box
  const char* missingTitle; // no file of a pattern
  const char* failedTitle;  // a folder, a copy or the same folder twice
  bool listFirst;           // both patterns listed before anything is copied
};
constexpr CopyKind kTransfer{"Database", "Can't Transfer Database--Aborting!", "TARLOWE DATABASE NOT FOUND",
                             "TARLOWE DATABASE NOT COPIED", false};
constexpr CopyKind kRestore{"BackUp", "Can't Restore Database--Aborting!", "TARLOWE DATABASE NOT RESTORED",
                            "TARLOWE DATABASE NOT RESTORED", true};
constexpr const char* kPatterns[] = {"*.DAT", "*.LST"};
// The new sow and boar files a compaction writes before they take the old
// ones' names.
constexpr const char* kSowTemp = "SOW.TMP";
constexpr const char* kBoarTemp = "BOAR.TMP";

bool failed(const CopyKind& kind, const std::string& what, const std::string& why) {
  Alert(what + "\r" + why + "\r" + kind.abortLine, vbCritical | vbOKOnly, kind.failedTitle);
  return false;
}

// The names of one pattern in `from`; false after the box when there is none.
bool listPattern(const CopyKind& kind, const std::string& from, int pattern, std::vector<std::string>& names) {
  names.clear();
  if (ListFiles(from, kPatterns[pattern], names) > 0) return true;
  Alert(std::string("ERROR: CAN'T LOCATE ") + kPatterns[pattern] + " FILE(s)!\rCan't find any Tarlowe " +
            kind.filesOf + " files!\r" + kind.abortLine,
        vbCritical | vbOKOnly, kind.missingTitle);
  return false;
}

// The names of a pattern's list (element 0 and the unused room left out).
std::vector<std::string> listed(const std::vector<std::string>& names) {
  std::vector<std::string> out;
  for (size_t i = 1; i < names.size() && !names[i].empty(); ++i) out.push_back(names[i]);
  return out;
}

// The box of a file that stopped a copy, naming the files `copied` before
// it, which keep their new bytes.
bool copyFailed(const CopyKind& kind, const std::string& name, std::string why,
                const std::vector<std::string>& copied) {
  if (!copied.empty()) {
    why += "\rCopied before it:";
    for (size_t i = 0; i < copied.size(); ++i) why += (i == 0 ? " " : ", ") + copied[i];
    why += ".";
  }
  return failed(kind, "ERROR: CAN'T COPY " + name + "!", why);
}

// Every file of `names` must take its copy before any is copied: a
// read-only file or a folder by its name stops the copy first.
bool targetsTakeCopies(const CopyKind& kind, const std::string& to, const std::vector<std::string>& names,
                       const std::vector<std::string>& copied) {
  for (const std::string& name : names) {
    std::string why = notAFileReason(to + name);
    if (why.empty()) why = readOnlyReason(to + name);
    if (!why.empty()) return copyFailed(kind, name, "cannot write " + to + name + ": " + why, copied);
  }
  return true;
}

// Copies `names` one file at a time, each replaced whole; a copy that fails
// stops the rest.
bool copyNames(const CopyKind& kind, const std::string& from, const std::string& to,
               const std::vector<std::string>& names, std::vector<std::string>& copied) {
  for (const std::string& name : names) {
    if (!copyFileOver(from + name, to + name)) return copyFailed(kind, name, lastFileError(), copied);
    copied.push_back(name);
  }
  return true;
}

// Every "*.DAT", then every "*.LST" file of `from` copied over its namesake
// in `to` (both end in a separator).
bool copyDatabase(const CopyKind& kind, const std::string& from, const std::string& to) {
  if (sameFolder(from, to)) return failed(kind, "ERROR: SAME FOLDER!", "The files are already in " + to);
  std::vector<std::string> names[2];
  if (kind.listFirst) {
    if (!(listPattern(kind, from, 0, names[0]) && listPattern(kind, from, 1, names[1]))) return false;
    std::vector<std::string> all = listed(names[0]);
    for (const std::string& name : listed(names[1])) all.push_back(name);
    if (!targetsTakeCopies(kind, to, all, {})) return false;
  }
  std::vector<std::string> copied;
  for (int pattern = 0; pattern < 2; ++pattern) {
    if (!kind.listFirst && !listPattern(kind, from, pattern, names[pattern])) return false;
    const std::vector<std::string> these = listed(names[pattern]);
    if (!kind.listFirst && !targetsTakeCopies(kind, to, these, copied)) return false;
    if (!copyNames(kind, from, to, these, copied)) return false;
  }
  return true;
}

// The target folder and the folders above it, made where missing.
bool makeTarget(const std::string& target) {
  if (FolderExists(target) || makeFolder(target)) return true;
  return failed(kTransfer, "ERROR: CAN'T MAKE FOLDER " + target + "!", lastFileError());
}

// Asks for a folder with the input box until what is typed can be taken
// (CheckTypedFolder), each refusal shown and the typed text offered again;
// nothing when the answer is blank or the box is cancelled.
std::optional<std::string> askFolder(const std::string& prompt, const std::string& title, std::string offered) {
  for (;;) {
    const std::string answer = InputBox(prompt, title, offered).value_or("");
    if (Trim(answer).empty()) return std::nullopt;
    const Check refusal = CheckTypedFolder(answer, title);
    if (!refusal) return answer;
    ShowRefusal(*refusal, nullptr);
    offered = answer;
  }
}

// The folder a typed full path names, as the box that says the work is done
// names it: without "." and ".." steps, its names as the disk spells them,
// ending in a separator.
std::string folderInFull(const std::string& typed) {
  return WithSeparator(resolvePath(std::filesystem::path(typed).lexically_normal().string()));
}

// The live records of the file, read in blocks, rewritten without its free
// ones.
template <class R>
DefragResult defragFile(const std::string& tempName, const std::string& label) {
  const std::string path = DataFolder + R::FileName;
  const std::string temp = DataFolder + tempName;
  auto fault = [&](const std::string& why) {
    Alert("ERROR: CAN'T DEFRAG " + label + " FILE!\r\r" + why + "\r\rThe " + label + " file is unchanged.",
          vbCritical | vbOKOnly, "DEFRAG  " + label + "  FILE");
    return DefragResult::kFailed;
  };
  if (!pathExists(path)) {
    writeWholeFile(path, {});  // the file is opened, as a count check does
    return DefragResult::kNoFile;
  }
  records::RecordScan<R> scan;
  std::vector<uint8_t> live;
  const auto keep = [&live](long, const uint8_t* record) {
    if (!records::IsFreeRecord<R>(record)) live.insert(live.end(), record, record + R::Length);
  };
  std::string error;
  if (!scan.run(path, keep, &error)) return fault(error);
  if (pathExists(temp) && !deleteFile(temp)) return fault(lastFileError());
  const size_t count = static_cast<size_t>(scan.count());
  if (count == 0) return DefragResult::kNoFile;
  if (live.size() == count * static_cast<size_t>(R::Length)) return DefragResult::kDone;
  if (const std::string why = readOnlyReason(path); !why.empty()) return fault("cannot write " + path + ": " + why);
  if (!writeWholeFile(temp, live)) return fault(lastFileError());
  if (!renameFile(temp, path)) {
    const std::string why = lastFileError();
    deleteFile(temp);
    return fault(why);
  }
  return DefragResult::kDone;
}

void reportDefrag(DefragResult result, const std::string& label) {
  if (result == DefragResult::kFailed) return;
  const std::string title = "DEFRAG  " + label + "  FILE";
  Beep();
  if (result == DefragResult::kDone)
    MsgBox(label + " FILE DEFRAGED", vbInformation | vbOKOnly, title);
  else
    MsgBox("NO " + label + " FILE!", vbExclamation | vbOKOnly, title);
}

void done(const std::string& text, const std::string& title) {
  Beep();
  MsgBox(text, vbInformation | vbOKOnly, title);
}

}  // namespace

std::string DatabaseFolder() {
  const std::string dataPath = settings::ReadProgramSetting(settings::kHogData, settings::kDataPath);
  return dataPath.empty() ? DataFolder : WithSeparator(dataPath);
}

bool BackUpHogDB(const std::string& TargetPath) {
  const std::string from = DatabaseFolder();
  return makeTarget(TargetPath) && copyDatabase(kTransfer, from, WithSeparator(TargetPath));
}

bool MoveHogDB(const std::string& TargetPath, const std::string& SourcePath) {
  return makeTarget(TargetPath) && copyDatabase(kTransfer, WithSeparator(SourcePath), WithSeparator(TargetPath));
}

bool RestoreHogDB(const std::string& BackupPath) {
  return copyDatabase(kRestore, WithSeparator(BackupPath), DatabaseFolder());
}

DefragResult DefragBoarFile() { return defragFile<BoarRecord>(kBoarTemp, "BOAR"); }
DefragResult DefragSowFile() { return defragFile<SowRecord>(kSowTemp, "SOW"); }

bool IsDatabaseFileName(const std::string& name) {
  return MatchesPattern(name, kPatterns[0]) || MatchesPattern(name, kPatterns[1]);
}

bool IsRewrittenInDataFolder(const std::string& name) {
  return IsDatabaseFileName(name) || UCase(name) == kSowTemp || UCase(name) == kBoarTemp;
}

void DefragBoarMenu() { reportDefrag(DefragBoarFile(), "BOAR"); }
void DefragSowMenu() { reportDefrag(DefragSowFile(), "SOW"); }

Check CheckTypedFolder(const std::string& typed, const std::string& title) {
  if (!settings::IsSettingText(typed))
    return Refusal{"ERROR: INVALIED PATH!\r\rA path may not hold control characters.", title};
  if (typed.empty() || typed.front() != '/')
    return Refusal{"ERROR: INVALIED PATH!\r\r" + typed +
                       " is not a full path.\rType the whole path of the folder,\rstarting with /, such as\r"
                       "/media/usb/BACKUP",
                   title};
  return std::nullopt;
}

void MoveDatabaseMenu() {
  const std::string dataPath = settings::ReadProgramSetting(settings::kHogData, settings::kDataPath);
  const std::optional<std::string> answer = askFolder("Enter the NEW Database Path.", "MOVE HOG DATABASE", dataPath);
  if (!answer || !MoveHogDB(*answer, DatabaseFolder())) return;
  settings::WriteProgramSetting(settings::kHogData, settings::kDataPath, *answer);
  if (settings::ReadProgramSetting(settings::kHogData, settings::kDataPath) != *answer) {
    Alert("ERROR: DATABASE PATH NOT SAVED!\rThe Database was copied to " + *answer +
              ",\rbut TARLOWE.INI still names " + dataPath + ".",
          vbCritical | vbOKOnly, "MOVE TARLOWE DATABASE");
    return;
  }
  DataFolder = WithSeparator(*answer);
  done("HOG DATABASE MOVED.\r\rThe files were copied to\r" + folderInFull(*answer), "MOVE TARLOWE DATABASE");
}

void BackUpDatabaseMenu() {
  const std::optional<std::string> answer =
      askFolder("Enter the BackUp Drive & Path.", "BACKUP HOG DATABASE", DatabaseFolder() + "BACKUP");
  if (!answer) return;
  if (BackUpHogDB(*answer)) {
    if (!settings::ChangeMachineSetting(SettingsSection, settings::kDbBackUpPath, *answer))
      Alert("ERROR: BACKUP PATH NOT SAVED!\rThe Database was backed up to " + *answer +
                ",\rbut VMQ2007.INI could not record it.",
            vbCritical | vbOKOnly, "BACKUP TARLOWE DATABASE");
    else
      done("HOG DATABASE BACKED UP.\r\rThe files were copied to\r" + folderInFull(*answer),
           "BACKUP TARLOWE DATABASE");
  }
  MainForm().ShowRestoreItem();
}

void RestoreDatabaseMenu() {
  const std::string backUpPath = settings::ReadMachineSetting(SettingsSection, settings::kDbBackUpPath);
  const std::optional<std::string> answer = askFolder("Enter the BackUp Drive & Path.", "RESTORE HOG DATABASE", backUpPath);
  if (answer && RestoreHogDB(*answer))
    done("HOG DATABASE RESTORED.\r\rThe files were copied from\r" + folderInFull(*answer), "RESTORE TARLOWE DATABASE");
}
