#include "shell/LogOn.h"

#include "common/FileProcs.h"
#include "common/HogGlobals.h"
#include "platform/Dialogs.h"
#include "platform/FileSystem.h"
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

bool LoadLogOnRecords(const std::string& path, std::vector<PasswordRecord>& users) {
  if (!FileExists(path)) return false;
  if (!LoadPasswordFile(path, users)) return false;
  // Record 1 of an empty file reads as blanks: no marker.
  return !users.empty() && !IsCorruptPasswordFile(users);
}

void EndOnInvalidPasswordFile(const std::string& path) {
  if (FileExists(path)) platform::deleteFile(path);
  Beep();
  MsgBox("INVALIED PASSWORD FILE!\r\r  TERMINATING!!!  ", platform::vbCritical | platform::vbOKOnly,
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
