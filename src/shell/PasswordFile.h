#pragma once
// The password file "TARLOWE.PWF" in the program folder: one PasswordRecord
// per user, record 1 the administrator's. On disk the whole file is always
// scrambled with the password key; it is unscrambled only in memory. A save
// writes the scrambled bytes to a temporary file renamed over the old one, so
// the file on disk is at every moment either the old or the new content.
#include <string>
#include <vector>

#include "records/PasswordRecord.h"

inline constexpr const char* kPasswordFileName = "TARLOWE.PWF";
inline constexpr const char* kPasswordKey = "5913KQT30481762-27740358WZ18264";
// The password of every user who has not set one of his own.
inline constexpr const char* kPlaceholderPassword = "KWVKWV";
// The refusal of a typed logon ID that holds a control character: the ID
// goes into the settings file as LogOnID.
inline constexpr const char* kLogonIdNotSettingText =
    "ERROR: INVALIED LOGON ID!\r\rA Logon Id can not hold a line break,\ra tab or any other control character.";
// The number of records of a new password file.
inline constexpr int kDefaultUserCount = 32;

// AppFolder & "TARLOWE.PWF".
std::string PasswordFilePath();

// Reads the whole file and unscrambles it in memory: every whole record, in
// record order (record n at index n - 1; a short tail is not a record). A
// missing file gives no records. False when the file cannot be read, also
// when what has its name is no regular file.
bool LoadPasswordFile(const std::string& path, std::vector<PasswordRecord>& users);

// Scrambles the records in memory and replaces the file with them; a new file
// is readable by its owner alone, a replaced one keeps its mode. False when
// the file cannot be written; the old file then stays as it was.
bool SavePasswordFile(const std::string& path, const std::vector<PasswordRecord>& users);

// Record 1 without the marker "YES", exactly: the whole file is corrupt.
bool IsCorruptPasswordFile(const std::vector<PasswordRecord>& users);

// A record whose logon ID, blanks removed, reads "USER" in any letter case.
bool IsFreeUser(const PasswordRecord& user);

// The index (record number - 1) of the first record from index `first` on
// whose logon ID, blanks removed, is `id` exactly; -1 when none is.
int FindLogonId(const std::vector<PasswordRecord>& users, const std::string& id, size_t first = 0);
// The same for the first record that holds both `id` and `password`, each
// compared with its blanks removed, exactly.
int FindUser(const std::vector<PasswordRecord>& users, const std::string& id, const std::string& password,
             size_t first = 0);

// A free record dated `date`: logon ID `freeId` ("USER" or "User"), the
// placeholder password, level 4, blank name and initials.
PasswordRecord FreePasswordRecord(const std::string& date, const std::string& freeId = "USER");

// The records of a new file, each dated `date`: record 1 "Admin" at level 0,
// records 2 to 32 free (logon ID `freeId`) at level 4, all with the
// placeholder password.
std::vector<PasswordRecord> DefaultPasswordRecords(const std::string& date, const std::string& freeId = "USER");

// LoadPasswordFile and SavePasswordFile that tell the user, in one critical
// box titled `title`, when the file cannot be read or written.
bool LoadPasswordFileOrSay(const std::string& path, std::vector<PasswordRecord>& users, const std::string& title);
bool SavePasswordFileOrSay(const std::string& path, const std::vector<PasswordRecord>& users,
                           const std::string& title);

// What a damaged password file is renamed to: "TARLOWE.PWF.BAD".
inline constexpr const char* kDamagedSuffix = ".BAD";
// Takes a damaged (corrupt or invalid) password file out of the way without
// losing its users: it becomes the file of `path` & ".BAD" beside it,
// replacing an older one. An empty file, which holds nobody, is deleted, as
// is the file when it cannot be renamed.
void SetAsideDamagedPasswordFile(const std::string& path);

// A corrupt file found: the notice "Corrupt file.. Removing file." (no beep,
// no icon), then the file is set aside.
void RemoveCorruptPasswordFile(const std::string& path);

// The start-up's check: afterwards a valid, scrambled password file exists.
// A missing file or one without a whole record is replaced by the default
// file without a message; a corrupt one after a notice; a valid one is left
// exactly as it is. A new file sets LogOnID "Admin" in the machine-wide
// settings.
void PasswordFileCheck();
