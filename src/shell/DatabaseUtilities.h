#pragma once
// The UTILITIES menu: the database (every "*.DAT" and "*.LST" file of a
// folder) copied to a back-up folder, restored from it or moved to a new
// folder, and the sow and boar files compacted.
//
// Every file is replaced whole: it is copied to a temporary name beside its
// destination and renamed over it, so a file holds its old bytes or its new
// ones whenever the program stops. The files are copied one at a time: every
// file a pattern's copies replace is first seen to take a copy (no read-only
// file, no folder by its name), and a copy that fails (a full disk) stops the
// rest, its box naming the files copied before it. A failure is reported in
// one critical box and leaves every setting as it was.
#include <string>

#include "platform/Refusal.h"

// The database folder named by DataPath, ending in a separator.
std::string DatabaseFolder();

// Copies the database from the database folder to TargetPath, making the
// folders it lacks. False after the box that says why.
bool BackUpHogDB(const std::string& TargetPath);
// Copies the database from SourcePath to TargetPath, making the folders it
// lacks. False after the box that says why.
bool MoveHogDB(const std::string& TargetPath, const std::string& SourcePath);
// Copies the database from BackupPath to the database folder. Both patterns
// are listed before anything is copied: when either finds no file, nothing
// is. False after the box that says why.
bool RestoreHogDB(const std::string& BackupPath);

// How a compaction ended.
enum class DefragResult {
  kDone,     // the file held records; blank ones are gone (a compact file is untouched)
  kNoFile,   // the file was empty or missing
  kFailed,   // the file could not be read or replaced; it is unchanged and the box was shown
};
// BOAR.DAT and SOW.DAT rewritten without their blank records (blank ID), the
// live ones in their order, through BOAR.TMP and SOW.TMP.
DefragResult DefragBoarFile();
DefragResult DefragSowFile();

// Whether the utilities replace a file of this name whole in a folder they
// copy the database to: a "*.DAT" or "*.LST" name as ListFiles takes it.
bool IsDatabaseFileName(const std::string& name);
// Whether they replace a file of this name whole in the data folder: a
// database file (a restore, a move, a compaction's new file) or SOW.TMP and
// BOAR.TMP, which a compaction writes; letter case aside.
bool IsRewrittenInDataFolder(const std::string& name);

// A folder typed at the prompt of Move, BackUp or Restore, refused (with
// the prompt's title) when no settings file can hold it or when it is not a
// full path: "D:\BACKUP" or "BACKUP" would name a folder inside whatever
// folder the program was started from.
Check CheckTypedFolder(const std::string& typed, const std::string& title);

// The menu items: the folder asked for (again, after a refusal, offering
// what was typed), the work done, the outcome reported; the box that says the
// work is done names the folder copied to (copied from, for a restore) in
// full.
void DefragBoarMenu();
void DefragSowMenu();
void MoveDatabaseMenu();
void BackUpDatabaseMenu();
void RestoreDatabaseMenu();
