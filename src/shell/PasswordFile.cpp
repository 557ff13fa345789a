#include "shell/PasswordFile.h"

#include "common/FileProcs.h"
#include "common/HogGlobals.h"
#include "common/NumberText.h"
#include "common/Scrambler.h"
#include "common/Settings.h"
#include "platform/Dialogs.h"
#include "platform/FileSystem.h"

namespace {
constexpr const char* kCheckTitle = "P A S S W O R D  F I L E  C H E C K";
constexpr const char* kMarker = "YES";
}  // namespace

std::string PasswordFilePath() { return AppFolder + kPasswordFileName; }

bool LoadPasswordFile(const std::string& path, std::vector<PasswordRecord>& users) {
  users.clear();
  if (!FileExists(path)) return true;
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
  return platform::writeWholeFile(platform::resolvePath(path), bytes);
}

bool IsCorruptPasswordFile(const std::vector<PasswordRecord>& users) {
  return !users.empty() && users.front().Marker != kMarker;
}

bool IsFreeUser(const PasswordRecord& user) { return UCase(Trim(user.LogonID)) == "USER"; }

std::vector<PasswordRecord> DefaultPasswordRecords(const std::string& date) {
  std::vector<PasswordRecord> users(kDefaultUserCount);
  for (int i = 0; i < kDefaultUserCount; ++i) {
    PasswordRecord& user = users[static_cast<size_t>(i)];
    user.Password = kPlaceholderPassword;
    user.LogonID = i == 0 ? "Admin" : "USER";
    user.Level = static_cast<int16_t>(i == 0 ? 0 : 4);
    user.Date = date;
    user.Marker = kMarker;
  }
  return users;
}

void PasswordFileCheck() {
  const std::string path = PasswordFilePath();
  std::vector<PasswordRecord> users;
  if (!LoadPasswordFile(path, users)) {
    Beep();
    MsgBox("ERROR:  CAN'T OPEN PASSWORD FILE!\r\rThe file cannot be read:\r" + path + "\r" +
               platform::lastFileError(),
           platform::vbCritical | platform::vbOKOnly, kCheckTitle);
    return;
  }
  if (IsCorruptPasswordFile(users)) {
    MsgBox("ERROR:  CAN'T OPEN PASSWORD FILE!\r\rCorrupt file.. Removing file.", platform::vbOKOnly,
           kCheckTitle);
    users.clear();
  }
  if (!users.empty()) return;  // a valid file stays as it is
  if (!SavePasswordFile(path, DefaultPasswordRecords(DateText))) {
    Beep();
    MsgBox("ERROR:  CAN'T WRITE PASSWORD FILE!\r\rThe file cannot be written:\r" + path + "\r" +
               platform::lastFileError(),
           platform::vbCritical | platform::vbOKOnly, kCheckTitle);
    return;
  }
  settings::WriteMachineSetting(SettingsSection, settings::kLogOnId, "Admin");
}
