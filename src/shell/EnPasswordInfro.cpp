#include "shell/EnPasswordInfro.h"

#include "common/HogGlobals.h"
#include "common/NumberText.h"
#include "common/Settings.h"
#include "platform/Dialogs.h"
#include "shell/PasswordFile.h"

namespace {
constexpr const char* kTitle = "U S E R   I N F R O M A T I O N";
constexpr int kShortestPassword = 6;
// The administrator's defaults, offered while he has the placeholder or the
// default password.
constexpr const char* kAdminId = "Admin";
constexpr const char* kAdminPassword = "Mendrel";
constexpr const char* kAdminName = "Administrator";
constexpr const char* kAdminInitials = "PXW";

constexpr int kNotAccepted = 0;
constexpr int kAccepted = 1;
constexpr int kRejected = 4;
}  // namespace

EnPasswordInfro::EnPasswordInfro(QWidget* parent) : platform::Form("EnPasswordInfro", parent) {
  SetCaption("Enter Password  Infromation");
  setFont(platform::makeFont("MS Sans Serif", 8, true));
  Label1 = new platform::Label(this, "Label1", "NAME");
  Label2 = new platform::Label(this, "Label2", "INITALS");
  Label3 = new platform::Label(this, "Label3", "PASSWORD");
  Label4 = new platform::Label(this, "Label4", "LOGON ID");
  EntUserName = new platform::TextBox(this, "EntUserName");
  EntUserName->SetMaxLength(20);
  EntInitals = new platform::TextBox(this, "EntInitals");
  EntInitals->SetMaxLength(3);
  EntPassword = new platform::TextBox(this, "EntPassword");
  EntPassword->SetMaxLength(10);
  EntLogonID = new platform::TextBox(this, "EntLogonID");
  EntLogonID->SetMaxLength(20);
  Accept = new platform::CommandButton(this, "Accept", " &ACCEPT");

  platform::placeTwips(Label1, 240, 240, 1200, 255);
  platform::placeTwips(EntUserName, 1560, 195, 3000, 315);
  platform::placeTwips(Label2, 240, 690, 1200, 255);
  platform::placeTwips(EntInitals, 1560, 645, 600, 315);
  platform::placeTwips(Label3, 240, 1140, 1200, 255);
  platform::placeTwips(EntPassword, 1560, 1095, 1600, 315);
  platform::placeTwips(Label4, 240, 1590, 1200, 255);
  platform::placeTwips(EntLogonID, 1560, 1545, 3000, 315);
  platform::placeTwips(Accept, 1800, 2100, 1335, 375);
  SetBoundsTwips(2500, 2000, 4900, 2950);
  setTabOrder(EntUserName, EntInitals);
  setTabOrder(EntInitals, EntPassword);
  setTabOrder(EntPassword, EntLogonID);
  setTabOrder(EntLogonID, Accept);

  connect(Accept, &QPushButton::clicked, this, [this] { Accept_Click(); });
}

void EnPasswordInfro::Form_Load() { PwfPath = PasswordFilePath(); }

std::vector<PasswordRecord> EnPasswordInfro::CheckedUsers() {
  std::vector<PasswordRecord> users;
  if (!LoadPasswordFileOrSay(PwfPath, users, kTitle)) return {};
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
  for (size_t i = 0; i < users.size(); ++i) {
    const PasswordRecord& user = users[i];
    if (i == 0) {
      if (id == kAdminId && (password == kPlaceholderPassword || password == kAdminPassword)) {
        EntUserName->SetText(kAdminName);
        EntInitals->SetText(kAdminInitials);
        EntPassword->SetText(kAdminPassword);
        EntLogonID->SetText(kAdminId);
        KeyLogonId = kAdminId;
        KeyPassword = password;
        for (platform::TextBox* box : {EntUserName, EntInitals, EntPassword, EntLogonID}) box->setEnabled(false);
        return;
      }
      continue;  // only the administrator has record 1
    }
    if (Trim(user.LogonID) == id && Trim(user.Password) == password) {
      EntLogonID->SetText(Trim(user.LogonID));
      EntPassword->SetText(Trim(user.Password));
      EntUserName->SetText(Trim(user.UserName));
      EntInitals->SetText(Trim(user.Initials));
      KeyLogonId = Trim(user.LogonID);
      KeyPassword = Trim(user.Password);
      return;
    }
  }
  EntLogonID->SetText("");
  EntUserName->SetText("");
  EntInitals->SetText("");
  EntPassword->SetText(kPlaceholderPassword);
}

void EnPasswordInfro::Refuse(const std::string& text, int icon, platform::TextBox* focus) {
  Beep();
  MsgBox(text, icon | platform::vbOKOnly, kTitle);
  focus->SetFocus();
}

void EnPasswordInfro::Accept_Click() {
  for (platform::TextBox* box : {EntLogonID, EntPassword, EntUserName, EntInitals}) {
    if (box->Text().empty()) {
      Refuse("You MUST have all box's filled!", platform::vbCritical, EntUserName);
      UserInfoState = kNotAccepted;
      return;
    }
  }
  const std::string id = Trim(EntLogonID->Text());
  const std::string password = Trim(EntPassword->Text());
  if (password == kPlaceholderPassword) {
    Refuse("KWVKWV ARE INVALIED FOR PASSWORD!\rPLEASE CHANGE PASSWORD!", platform::vbExclamation, EntPassword);
    return;
  }
  if (static_cast<int>(password.size()) < kShortestPassword) {
    Refuse("PASSWORD TOO SHORT!!\r\rYour password MUST be longer\rthan five(5) characters.",
           platform::vbExclamation, EntPassword);
    return;
  }
  // A blank ID would lock the user out and "USER" would free his record.
  if (id.empty()) {
    Refuse("ERROR: NOTHING ENTERED IN LOGON ID!\r\rYou MUST have a LOGON ID to  continue.",
           platform::vbExclamation, EntLogonID);
    return;
  }
  if (UCase(id) == "USER") {
    Refuse("ERROR: INVALIED LOGON ID!\r\rYou can not use 'USER' as a Logon Id.", platform::vbExclamation,
           EntLogonID);
    return;
  }
  if (!settings::IsSettingText(id)) {
    Refuse(kLogonIdNotSettingText, platform::vbExclamation, EntLogonID);
    return;
  }
  const std::string initials = Trim(EntInitals->Text());
  const std::string name = Trim(EntUserName->Text());

  std::vector<PasswordRecord> users = CheckedUsers();
  int found = -1;
  for (size_t i = 0; i < users.size(); ++i) {
    if (Trim(users[i].Password) == KeyPassword && Trim(users[i].LogonID) == KeyLogonId) {
      found = static_cast<int>(i);
      break;
    }
  }
  if (found < 0) {
    UserInfoState = kRejected;
    Beep();
    MsgBox("USER INFROMATION REJECTED!", platform::vbInformation | platform::vbOKOnly, kTitle);
    Hide();
    return;
  }
  // Only the administrator's own record keeps "Admin"; an ID another record
  // holds would never answer at log-on.
  if (found != 0 && UCase(id) == "ADMIN") {
    Refuse("ERROR: INVALIED LOGON ID!\r\rYou can not add another 'Admin' Logon Id.", platform::vbExclamation,
           EntLogonID);
    return;
  }
  for (size_t i = 0; i < users.size(); ++i) {
    if (static_cast<int>(i) != found && Trim(users[i].LogonID) == id) {
      Refuse("NEW USER ALREADY USED!", platform::vbInformation, EntLogonID);
      return;
    }
  }

  PasswordRecord& user = users[static_cast<size_t>(found)];
  user.Password = password;
  user.UserName = name;
  user.Initials = initials;
  user.LogonID = id;
  user.Date = DateText;
  if (!SavePasswordFileOrSay(PwfPath, users, kTitle)) return;
  settings::WriteMachineSetting(SettingsSection, settings::kLogOnId, id);
  EntPassword->SetText("");
  Beep();
  MsgBox("USER INFROMATION ACCEPTED.", platform::vbInformation | platform::vbOKOnly, kTitle);
  Hide();
  UserInfoState = kAccepted;
}

void EnPasswordInfro::Form_QueryUnload(int& Cancel, int /*UnloadMode*/) {
  if (UserInfoState != kNotAccepted) return;
  Beep();
  if (MsgBox("To enter User Infro push RETRY.\rElse CANCEL to Exit USER INFROMATION!",
             platform::vbQuestion | platform::vbRetryCancel | platform::vbDefaultButton2, kTitle) == platform::vbRetry)
    Cancel = 1;
}
