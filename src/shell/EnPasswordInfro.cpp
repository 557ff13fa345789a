#include "shell/EnPasswordInfro.h"

#include "common/HogGlobals.h"
#include "common/NumberText.h"
#include "common/Settings.h"
#include "platform/FormKit.h"
#include "shell/PasswordFile.h"
#include "shell/UserChecks.h"

namespace {
// The administrator's defaults, offered while he has the placeholder or the
// default password.
constexpr const char* kAdminId = "Admin";
constexpr const char* kAdminPassword = "Mendrel";
constexpr const char* kAdminName = "Administrator";
constexpr const char* kAdminInitials = "PXW";

constexpr int kNotAccepted = 0;
constexpr int kAccepted = 1;
constexpr int kRejected = 4;

bool hasAdminDefaults(const std::string& id, const std::string& password) {
  return id == kAdminId && (password == kPlaceholderPassword || password == kAdminPassword);
}
}  // namespace

EnPasswordInfro::EnPasswordInfro(QWidget* parent) : platform::Form("EnPasswordInfro", parent) {
  using namespace platform;
  SetCaption("Enter Password  Infromation");
  setFont(makeFont("MS Sans Serif", 8, true));
  Label1 = AddLabel(this, "Label1", "NAME", {240, 240, 1200, 255});
  Label2 = AddLabel(this, "Label2", "INITALS", {240, 690, 1200, 255});
  Label3 = AddLabel(this, "Label3", "PASSWORD", {240, 1140, 1200, 255});
  Label4 = AddLabel(this, "Label4", "LOGON ID", {240, 1590, 1200, 255});
  // At most as many characters as the record's fields hold.
  EntUserName = AddTextBox(this, "EntUserName", {1560, 195, 3000, 315}, 20);
  EntInitals = AddTextBox(this, "EntInitals", {1560, 645, 600, 315}, 3);
  EntPassword = AddTextBox(this, "EntPassword", {1560, 1095, 1600, 315}, 10);
  EntLogonID = AddTextBox(this, "EntLogonID", {1560, 1545, 3000, 315}, 20);
  Accept = AddButton(this, "Accept", " &ACCEPT", {1800, 2100, 1335, 375}, [this] { Accept_Click(); });
  SetBoundsTwips(2500, 2000, 4900, 2950);
  SetTabOrder({EntUserName, EntInitals, EntPassword, EntLogonID, Accept});
}

void EnPasswordInfro::Form_Load() { PwfPath = PasswordFilePath(); }

std::vector<PasswordRecord> EnPasswordInfro::CheckedUsers() {
  std::vector<PasswordRecord> users;
  if (!LoadPasswordFileOrSay(PwfPath, users, kUserInfoTitle)) return {};
  if (IsCorruptPasswordFile(users)) {
    RemoveCorruptPasswordFile(PwfPath);
    return {};
  }
  return users;
}

void EnPasswordInfro::Form_Activate() {
  const std::vector<PasswordRecord> users = CheckedUsers();
  const std::string id = Trim(CurrentUser[1]);
  const std::string password = Trim(CurrentUser[3]);
  // Only the administrator has record 1.
  if (!users.empty() && hasAdminDefaults(id, password)) {
    EntUserName->SetText(kAdminName);
    EntInitals->SetText(kAdminInitials);
    EntPassword->SetText(kAdminPassword);
    EntLogonID->SetText(kAdminId);
    KeyLogonId = kAdminId;
    KeyPassword = password;
    for (platform::TextBox* box : {EntUserName, EntInitals, EntPassword, EntLogonID}) box->setEnabled(false);
    return;
  }
  if (const int found = FindUser(users, id, password, 1); found >= 0) {
    const PasswordRecord& user = users[static_cast<size_t>(found)];
    EntLogonID->SetText(Trim(user.LogonID));
    EntPassword->SetText(Trim(user.Password));
    EntUserName->SetText(Trim(user.UserName));
    EntInitals->SetText(Trim(user.Initials));
    KeyLogonId = Trim(user.LogonID);
    KeyPassword = Trim(user.Password);
    return;
  }
  EntLogonID->SetText("");
  EntUserName->SetText("");
  EntInitals->SetText("");
  EntPassword->SetText(kPlaceholderPassword);
}

void EnPasswordInfro::Accept_Click() {
  const UserInfoEntry typed{EntLogonID->Text(), EntPassword->Text(), EntUserName->Text(), EntInitals->Text()};
  const auto refuse = [this](const Refusal& refusal) {
    platform::ShowRefusal(refusal, {EntUserName, EntPassword, EntLogonID});
  };
  if (Check refusal = CheckUserInfoEntry(typed)) {
    refuse(*refusal);
    if (*refusal == kUserInfoUnfilled) UserInfoState = kNotAccepted;
    return;
  }
  std::vector<PasswordRecord> users = CheckedUsers();
  const int found = FindUser(users, KeyLogonId, KeyPassword);
  if (found < 0) {
    UserInfoState = kRejected;
    Alert("USER INFROMATION REJECTED!", platform::vbInformation | platform::vbOKOnly, kUserInfoTitle);
    Hide();
    return;
  }
  if (Check refusal = CheckUserInfoId(users, found, typed.logonId)) return refuse(*refusal);

  const std::string id = Trim(typed.logonId);
  PasswordRecord& user = users[static_cast<size_t>(found)];
  user.Password = Trim(typed.password);
  user.UserName = Trim(typed.userName);
  user.Initials = Trim(typed.initials);
  user.LogonID = id;
  user.Date = DateText;
  if (!SavePasswordFileOrSay(PwfPath, users, kUserInfoTitle)) return;
  settings::WriteMachineSetting(SettingsSection, settings::kLogOnId, id);
  EntPassword->SetText("");
  Alert("USER INFROMATION ACCEPTED.", platform::vbInformation | platform::vbOKOnly, kUserInfoTitle);
  Hide();
  UserInfoState = kAccepted;
}

void EnPasswordInfro::Form_QueryUnload(int& Cancel, int /*UnloadMode*/) {
  if (UserInfoState != kNotAccepted) return;
  if (Alert("To enter User Infro push RETRY.\rElse CANCEL to Exit USER INFROMATION!",
            platform::vbQuestion | platform::vbRetryCancel | platform::vbDefaultButton2,
            kUserInfoTitle) == platform::vbRetry)
    Cancel = 1;
}
