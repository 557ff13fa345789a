#include "shell/LogOn.h"

#include "common/HogGlobals.h"
#include "platform/Dialogs.h"
#include "platform/FileSystem.h"
#include "platform/Refusal.h"
#include "shell/EndProgram.h"
#include "shell/PasswordFile.h"

namespace {
// The administrator's two forms come before the master's password.
constexpr BuiltInAccount kBuiltInAccounts[] = {
    {"QXR4816", "Admin", "@@@", "1"},
    {"Qxr4816", "Admin", "@@@", "1"},
    {"5BRINEFOX3", "BrineFox", "%%%", "1"},
};
}  // namespace

LogOnFile LoadLogOnRecords(const std::string& path, std::vector<PasswordRecord>& users, const std::string& title) {
  users.clear();
  if (!platform::pathExists(path)) return LogOnFile::Invalid;
  // A file that cannot be read says nothing of its records: it is not
  // deleted for that.
  if (!LoadPasswordFileOrSay(path, users, title)) return LogOnFile::Unreadable;
  // Record 1 of an empty file reads as blanks: no marker.
  return !users.empty() && !IsCorruptPasswordFile(users) ? LogOnFile::Valid : LogOnFile::Invalid;
}

void EndOnInvalidPasswordFile(const std::string& path) {
  SetAsideDamagedPasswordFile(path);
  Alert("INVALIED PASSWORD FILE!\r\r  TERMINATING!!!  ", platform::vbCritical | platform::vbOKOnly,
        kEnterPasswordTitle);
  EndProgram();
}

const BuiltInAccount* FindBuiltInAccount(const std::string& typed) {
  for (const BuiltInAccount& account : kBuiltInAccounts)
    if (typed == account.password) return &account;
  return nullptr;
}

std::string LevelText(int16_t level) { return std::to_string(level); }

void ResetCurrentUser() { CurrentUser = {}; }
