// The main window's LOGON menu, the log-on procedure and the menu states of
// the access levels.
#include <functional>
#include <vector>

#include "common/HogGlobals.h"
#include "common/NumberText.h"
#include "common/Settings.h"
#include "platform/FormKit.h"
#include "shell/EnPasswordInfro.h"
#include "shell/LogOn.h"
#include "shell/PassWrd1.h"
#include "shell/PassWrd2.h"
#include "shell/PasswordFile.h"
#include "shell/Tarlowe2.h"

namespace {

constexpr const char* kLogOnTitle = "* *  L O G O N  * *";

constexpr int kLogOnItem = 0;
constexpr int kEditUser = 1;
constexpr int kAddUser = 2;
constexpr int kLogout = 3;
constexpr int kHelp = 9;
constexpr int kExit = 10;
constexpr int kRestoreDatabase = 4;

// What a column of the access table does to an item: shown sets the visible
// and the enabled flag, visible and hidden the visible flag only, hidden and
// disabled clears both; keep leaves the item as it is.
enum class Change { Keep, Shown, Visible, Hidden, HiddenDisabled };
constexpr Change K = Change::Keep, S = Change::Shown, V = Change::Visible, H = Change::Hidden,
                 HD = Change::HiddenDisabled;

// One row of the access table: the items `first` to `last` of a menu, the
// change every log-on makes, then those of the levels "0" to "4" (after it),
// then that of Logout.
struct AccessRow {
  platform::MenuArray* Tarlowe2::*menu;
  int first, last;
  Change all;
  Change level[5];
  Change logout;
};

constexpr AccessRow kAccessTable[] = {
    //                                       all  "0" "1" "2" "3" "4"  Logout
    {&Tarlowe2::LogOnMenu, kLogOnItem, kLogOnItem, H, {K, K, K, K, K}, V},
    {&Tarlowe2::LogOnMenu, kEditUser, kEditUser, H, {V, V, V, V, K}, H},
    {&Tarlowe2::LogOnMenu, kAddUser, kAddUser, HD, {S, K, K, K, K}, HD},
    {&Tarlowe2::LogOnMenu, kLogout, kLogout, V, {K, K, K, K, K}, H},
    {&Tarlowe2::MainMenu, 1, 7, K, {S, S, S, S, S}, HD},  // BOAR to MEDICATION
    {&Tarlowe2::MainMenu, 8, 8, K, {S, S, S, HD, HD}, HD},  // UTILITIES
    {&Tarlowe2::MainMenu, kHelp, kHelp, K, {S, S, S, S, S}, K},
    {&Tarlowe2::MainMenu, kExit, kExit, K, {S, S, S, S, S}, S},
    {&Tarlowe2::UtilMenu, 2, 2, K, {K, HD, HD, K, K}, K},  // Move Database
    {&Tarlowe2::UtilMenu, 3, 3, K, {K, K, H, K, K}, K},    // BackUp Database
    {&Tarlowe2::UtilMenu, kRestoreDatabase, kRestoreDatabase, K, {K, K, H, K, K}, K},
    {&Tarlowe2::PigletMenu, 4, 4, K, {K, K, K, H, H}, K},  // Vaccinations
    {&Tarlowe2::MainMed, 0, 0, K, {K, K, K, K, H}, K},     // Drug List
    {&Tarlowe2::MainFeed, 9, 9, K, {K, K, K, K, H}, K},    // Feed Ingredients
};

// The sub-items the levels hide; each is visible and enabled when created,
// but for "Restore Database", which follows the back-up path.
struct LevelItem {
  platform::MenuArray* Tarlowe2::*menu;
  int index;
};
constexpr LevelItem kLevelItems[] = {
    {&Tarlowe2::UtilMenu, 2}, {&Tarlowe2::UtilMenu, 3},  {&Tarlowe2::UtilMenu, kRestoreDatabase},
    {&Tarlowe2::PigletMenu, 4}, {&Tarlowe2::MainMed, 0}, {&Tarlowe2::MainFeed, 9},
};

// The column of a level text; -1 for a text that names no level.
int levelColumn(const std::string& level) {
  static const char* const kLevels[] = {"0", "1", "2", "3", "4"};
  for (int i = 0; i < 5; ++i)
    if (level == kLevels[i]) return i;
  return -1;
}

bool hides(Change change) { return change == Change::Hidden || change == Change::HiddenDisabled; }

// The log-on dialog, shown and unloaded; false when the log-on stops there:
// the password file was invalid (the program has ended) or could not be read
// (the user was told).
bool ShowLogOnDialog() {
  PassWrd1 dialog;
  platform::ShowModalThenUnload(dialog);
  return !dialog.FileInvalid && !dialog.FileUnreadable;
}

}  // namespace

void Tarlowe2::ShowAllMenus() {
  for (int i = 0; i <= kExit; ++i) {
    MainMenu->SetEnabled(i, true);
    MainMenu->SetVisible(i, true);
  }
}

void Tarlowe2::ShowLoggedOutMenus() {
  MainMenu->SetEnabled(0, true);
  MainMenu->SetVisible(0, true);
  for (int i = 1; i <= kHelp; ++i) MainMenu->SetVisible(i, false);
  MainMenu->SetEnabled(kExit, true);
  MainMenu->SetVisible(kExit, true);
  LogOnMenu->SetVisible(kAddUser, false);
}

void Tarlowe2::ShowRestoreItem() {
  std::string backUpPath = settings::ReadMachineSetting(SettingsSection, settings::kDbBackUpPath);
  UtilMenu->SetVisible(kRestoreDatabase, !backUpPath.empty() && !restoreHiddenByLevel_);
}

void Tarlowe2::RestoreLevelItems() {
  restoreHiddenByLevel_ = false;
  for (const LevelItem& item : kLevelItems) {
    platform::MenuArray* menu = this->*item.menu;
    SetItemEnabled(menu, item.index, true);
    if (menu == UtilMenu && item.index == kRestoreDatabase) {
      ShowRestoreItem();
    } else {
      menu->SetVisible(item.index, true);
    }
  }
}

namespace {
using EnabledSetter = std::function<void(platform::MenuArray*, int, bool)>;

void applyChange(platform::MenuArray* menu, int index, Change change, const EnabledSetter& setEnabled) {
  switch (change) {
    case Change::Keep:
      break;
    case Change::Shown:
      menu->SetVisible(index, true);
      setEnabled(menu, index, true);
      break;
    case Change::Visible:
      menu->SetVisible(index, true);
      break;
    case Change::Hidden:
      menu->SetVisible(index, false);
      break;
    case Change::HiddenDisabled:
      menu->SetVisible(index, false);
      setEnabled(menu, index, false);
      break;
  }
}
}  // namespace

void Tarlowe2::ApplyLogOnMenus(const std::string& level) {
  RestoreLevelItems();
  EnabledSetter setEnabled = [this](platform::MenuArray* m, int i, bool on) { SetItemEnabled(m, i, on); };
  for (const AccessRow& row : kAccessTable)
    for (int i = row.first; i <= row.last; ++i) applyChange(this->*row.menu, i, row.all, setEnabled);
  const int column = levelColumn(level);
  if (column < 0) return;
  for (const AccessRow& row : kAccessTable) {
    const Change change = row.level[column];
    for (int i = row.first; i <= row.last; ++i) {
      applyChange(this->*row.menu, i, change, setEnabled);
      if (row.menu == &Tarlowe2::UtilMenu && i == kRestoreDatabase && hides(change)) restoreHiddenByLevel_ = true;
    }
  }
}

void Tarlowe2::ApplyLogoutMenus() {
  EnabledSetter setEnabled = [this](platform::MenuArray* m, int i, bool on) { SetItemEnabled(m, i, on); };
  for (const AccessRow& row : kAccessTable)
    for (int i = row.first; i <= row.last; ++i) applyChange(this->*row.menu, i, row.logout, setEnabled);
}

void Tarlowe2::LogOnMenu_Click(int Index) {
  switch (Index) {
    case kLogOnItem:
      ResetCurrentUser();
      if (!ShowLogOnDialog() || !LogInProc()) return;
      ApplyLogOnMenus(CurrentUser[4]);
      break;
    case kEditUser:
      platform::ShowModalThenUnload<EnPasswordInfro>();
      break;
    case kAddUser:
      platform::ShowModalThenUnload<PassWrd2>();
      break;
    case kLogout:
      ResetCurrentUser();
      ApplyLogoutMenus();
      break;
    default:
      break;
  }
}

bool Tarlowe2::LogInProc() {
  for (;;) {
    CurrentUser[1] = settings::ReadMachineSetting(SettingsSection, settings::kLogOnId);
    const std::string password = Trim(CurrentUser[3]);

    if (password == kPlaceholderPassword) {
      // The user sets his own password first, then logs on with it.
      platform::ShowModalThenUnload<EnPasswordInfro>();
      ResetCurrentUser();
      if (!ShowLogOnDialog()) return false;
      continue;
    }

    if (const BuiltInAccount* account = FindBuiltInAccount(password)) {
      CurrentUser[1] = account->logonId;
      CurrentUser[2] = account->marker;
      CurrentUser[4] = account->level;
      settings::WriteMachineSetting(SettingsSection, settings::kLogOnId, account->logonId);
      return true;
    }

    std::vector<PasswordRecord> users;
    const LogOnFile file = LoadLogOnRecords(PwfPath, users, kLogOnTitle);
    if (file == LogOnFile::Unreadable) return false;
    if (file == LogOnFile::Invalid) {
      EndOnInvalidPasswordFile(PwfPath);
      return false;
    }
    const int found = FindLogonId(users, CurrentUser[1]);
    if (found < 0) {
      Alert("ERROR: INVALIED LOGON ID!", platform::vbExclamation | platform::vbOKOnly, kLogOnTitle);
      return false;
    }
    const PasswordRecord& user = users[static_cast<size_t>(found)];
    // A dialog closed without acceptance leaves no password: it matches none,
    // not even a blank one.
    if (password.empty() || Trim(user.Password) != password) {
      Alert("ERROR: INVALIED PASSWORD!", platform::vbExclamation | platform::vbOKOnly, kLogOnTitle);
      return false;
    }
    CurrentUser[2] = Trim(user.Initials);
    CurrentUser[4] = LevelText(user.Level);
    settings::WriteMachineSetting(SettingsSection, settings::kLogOnId, Trim(CurrentUser[1]));
    return true;
  }
}
