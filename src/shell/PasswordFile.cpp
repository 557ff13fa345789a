#include "shell/PasswordFile.h"

#include "common/FileProcs.h"
#include "common/HogGlobals.h"
#include "common/NumberText.h"
#include "common/Scrambler.h"
#include "common/Settings.h"
#include "platform/Dialogs.h"
#include "platform/FileSystem.h"
#include "platform/Refusal.h"

namespace {
constexpr const char* kCheckTitle = "P A S S W O R D  F I L E  C H E C K";
constexpr const char* kMarker = "YES";
}  // namespace

std::string PasswordFilePath() { return AppFolder + kPasswordFileName; }

bool LoadPasswordFile(const std::string& path, std::vector<PasswordRecord>& users) {
  users.clear();
  if (!platform::pathExists(path)) return true;
  records::Bytes bytes;
  if (!platform::readWholeFile(platform::resolvePath(path), bytes)) return false;
  ScrambleBytes(bytes, kPasswordKey);
  const size_t count = bytes.size() / PasswordRecord::Length;
  users.reserve(count);
  for (size_t i = 0; i < count; ++i)
    users.push_back(records::decode<PasswordRecord>(bytes.data() + i * PasswordRecord::Length));
  return true;
}

bool SavePasswordFile(const std::string& path, const std::vector<PasswordRecord>& users) {
  records::Bytes bytes;
  bytes.reserve(users.size() * PasswordRecord::Length);
  for (const PasswordRecord& user : users) {
    records::Bytes record = records::encode(user);
    bytes.insert(bytes.end(), record.begin(), record.end());
  }
  ScrambleBytes(bytes, kPasswordKey);
  return platform::writeWholeFile(platform::resolvePath(path), bytes, platform::NewFileAccess::OwnerOnly);
}

bool IsCorruptPasswordFile(const std::vector<PasswordRecord>& users) {
  return !users.empty() && users.front().Marker != kMarker;
}

bool IsFreeUser(const PasswordRecord& user) { return UCase(Trim(user.LogonID)) == "USER"; }

int FindLogonId(const std::vector<PasswordRecord>& users, const std::string& id, size_t first) {
  for (size_t i = first; i < users.size(); ++i)
    if (Trim(users[i].LogonID) == id) return static_cast<int>(i);
  return -1;
}

int FindUser(const std::vector<PasswordRecord>& users, const std::string& id, const std::string& password,
             size_t first) {
  for (size_t i = first; i < users.size(); ++i)
    if (Trim(users[i].LogonID) == id && Trim(users[i].Password) == password) return static_cast<int>(i);
  return -1;
}

PasswordRecord FreePasswordRecord(const std::string& date, const std::string& freeId) {
  PasswordRecord user;
  user.Password = kPlaceholderPassword;
  user.LogonID = freeId;
  user.Date = date;
  user.Level = 4;
  user.Marker = kMarker;
  return user;
}

std::vector<PasswordRecord> DefaultPasswordRecords(const std::string& date, const std::string& freeId) {
  std::vector<PasswordRecord> users(kDefaultUserCount, FreePasswordRecord(date, freeId));
  users.front().LogonID = "Admin";
  users.front().Level = 0;
  return users;
}

bool LoadPasswordFileOrSay(const std::string& path, std::vector<PasswordRecord>& users, const std::string& title) {
  if (LoadPasswordFile(path, users)) return true;
  Alert("ERROR:  CAN'T OPEN PASSWORD FILE!\r\rThe file cannot be read:\r" + path + "\r" + platform::lastFileError(),
        platform::vbCritical | platform::vbOKOnly, title);
  return false;
}

bool SavePasswordFileOrSay(const std::string& path, const std::vector<PasswordRecord>& users,
                           const std::string& title) {
  if (SavePasswordFile(path, users)) return true;
  Alert("ERROR:  CAN'T WRITE PASSWORD FILE!\r\rThe file cannot be written:\r" + path + "\r" +
            platform::lastFileError(),
        platform::vbCritical | platform::vbOKOnly, title);
  return false;
}

void SetAsideDamagedPasswordFile(const std::string& path) {
  if (!FileExists(path)) return;
  if (platform::fileLength(path) > 0 && platform::renameFile(path, path + kDamagedSuffix)) return;
  platform::deleteFile(path);
}

void RemoveCorruptPasswordFile(const std::string& path) {
  MsgBox("ERROR:  CAN'T OPEN PASSWORD FILE!\r\rCorrupt file.. Removing file.", platform::vbOKOnly, kCheckTitle);
  SetAsideDamagedPasswordFile(path);
}

void PasswordFileCheck() {
  const std::string path = PasswordFilePath();
  std::vector<PasswordRecord> users;
  if (!LoadPasswordFileOrSay(path, users, kCheckTitle)) return;
  if (IsCorruptPasswordFile(users)) {
    RemoveCorruptPasswordFile(path);
    users.clear();
  }
  if (!users.empty()) return;  // a valid file stays as it is
  if (!SavePasswordFileOrSay(path, DefaultPasswordRecords(DateText), kCheckTitle)) return;
  settings::WriteMachineSetting(SettingsSection, settings::kLogOnId, "Admin");
}
