#include "shell/PassWrd2.h"

#include "common/HogGlobals.h"
#include "common/NumberText.h"
#include "common/Settings.h"
#include "platform/FileSystem.h"
#include "shell/PasswordFile.h"
#include "shell/UserChecks.h"

namespace {
constexpr int kWarning = platform::vbExclamation | platform::vbOKOnly;
constexpr int kInformation = platform::vbInformation | platform::vbOKOnly;
constexpr const char* kNotFound = "ERROR: ENTERED LOGONID NOT FOUND!";
// The two spellings of a free record's logon ID the rebuilds write.
constexpr const char* kFreeUpper = "USER";
constexpr const char* kFreeMixed = "User";
}  // namespace

PassWrd2::PassWrd2(QWidget* parent) : platform::Form("PassWrd2", parent) {
  using namespace platform;
  SetCaption("Add/Edit/Remove Users ");
  setFont(makeFont("MS Sans Serif", 8, true));

  Label1 = AddLabel(this, "Label1", "ENTER A LOGON ID AND PUSH ENTER:", {240, 120, 4200, 255});
  Label2 = AddLabel(this, "Label2", "LOGON ID", {240, 480, 1500, 255});
  Label3 = AddLabel(this, "Label3", "USER'S NAME", {240, 900, 1500, 255});
  Label4 = AddLabel(this, "Label4", "INITALS", {240, 1320, 1500, 255});
  Label5 = AddLabel(this, "Label5", "DATE", {2700, 1320, 600, 255});
  LogId = AddTextBox(this, "LogId", {1800, 435, 3000, 315}, 20);
  LogId->setToolTip(fromAnsi(
      "To enter a new user, type USER and push enter, then enter the users new LOGON ID and any other infro. "
      "and push New User."));
  PswUserName = AddTextBox(this, "PswUserName", {1800, 855, 3000, 315}, 20);
  PswInitals = AddTextBox(this, "PswInitals", {1800, 1275, 600, 315}, 3);
  PswDate = AddLabel(this, "PswDate", "", {3300, 1275, 1500, 315});
  PswDate->setFrameStyle(QFrame::Panel | QFrame::Sunken);

  constexpr RowPitch options{300, 330};
  Frame1 = AddFrame(this, "Frame1", "ACCESS LEVEL", {240, 1800, 2100, 1650});
  for (int i = 0; i < 4; ++i)
    PassLevel.Add(AddOption(Frame1, "PassLevel", "Level " + std::to_string(i + 1), {240, options(i), 1500, 285}));
  Frame2 = AddFrame(this, "Frame2", "Logon Action", {2520, 1800, 3100, 1100});
  LogActivate.Add(AddOption(Frame2, "LogActivate", "YES  (Activate Logon)", {240, options(0), 2600, 285}));
  LogActivate.Add(AddOption(Frame2, "LogActivate", "NO   (Logon Disabled)", {240, options(1), 2600, 285}));

  constexpr RowPitch buttons{240, 480};
  PWNew = AddButton(this, "PWNew", " New User", {5900, buttons(0), 1700, 375}, [this] { PWNew_Click(); });
  PWClear = AddButton(this, "PWClear", " Clear Password", {5900, buttons(1), 1700, 375}, [this] { PWClear_Click(); });
  PWEdit = AddButton(this, "PWEdit", " Edit User", {5900, buttons(2), 1700, 375}, [this] { PWEdit_Click(); });
  PWDelete = AddButton(this, "PWDelete", " Delete User", {5900, buttons(3), 1700, 375}, [this] { PWDelete_Click(); });
  PWClrDisp =
      AddButton(this, "PWClrDisp", " Clear Entries", {5900, buttons(4), 1700, 375}, [this] { PWClrDisp_Click(); });
  PWExit = AddButton(this, "PWExit", "Exit", {5900, 3000, 1700, 375}, [this] { PWExit_Click(); });
  SetBoundsTwips(2000, 1500, 7900, 4000);

  LogId->onKeyPress = [this](int& key) { LogId_KeyPress(key); };
}

void PassWrd2::Form_Activate() {
  PwfPath = PasswordFilePath();
  Reset();
}

void PassWrd2::PWClrDisp_Click() {
  LogId->setEnabled(true);
  Reset();
}

void PassWrd2::Reset() {
  PswDate->SetCaption(DateText);
  LogId->SetText("");
  PswUserName->SetText("");
  PswInitals->SetText("");
  LogActivate[0]->SetValue(true);
  for (platform::OptionButton* option : PassLevel) option->setEnabled(false);
  SelectLevel(4);
  Frame1->setEnabled(false);
  for (platform::CommandButton* button : {PWNew, PWClear, PWEdit, PWDelete}) button->setEnabled(false);
  // Every action ends here with its button disabled: the next logon ID is typed.
  LogId->SetFocus();
}

void PassWrd2::SelectLevel(int level) {
  // Option buttons of one frame exclude each other; for a level without an
  // option every one is unselected.
  for (int i = 0; i < PassLevel.Count(); ++i) {
    PassLevel[i]->setAutoExclusive(false);
    PassLevel[i]->SetValue(i + 1 == level);
    PassLevel[i]->setAutoExclusive(true);
  }
}

void PassWrd2::SetUserControls(bool enabled) {
  for (QWidget* w : std::initializer_list<QWidget*>{LogId, PswInitals, PswUserName, Frame1}) w->setEnabled(enabled);
  for (platform::OptionButton* option : PassLevel) option->setEnabled(enabled);
  for (platform::CommandButton* button : {PWEdit, PWClear, PWDelete}) button->setEnabled(enabled);
}

bool PassWrd2::OpenUsers(const std::string& freeId, std::vector<PasswordRecord>& users) {
  if (!platform::pathExists(PwfPath)) {
    Alert("ERROR: PASSWORD FILE WASN'T FOUND!\r\rThe Password file: " + PwfPath + "\rwasn't found!", kWarning,
          kUserInfoTitle);
    Reset();
    return false;
  }
  if (!LoadPasswordFileOrSay(PwfPath, users, kUserInfoTitle)) {
    Reset();
    return false;
  }
  // Record 1 of a file without records reads as blanks: no marker either.
  if (!users.empty() && !IsCorruptPasswordFile(users)) return true;
  Alert("ERROR:  CAN'T OPEN PASSWORD FILE!\r\rCorrupt file.. Generating new file.", kWarning, kUserInfoTitle);
  SetAsideDamagedPasswordFile(PwfPath);
  SavePasswordFileOrSay(PwfPath, DefaultPasswordRecords(DateText, freeId), kUserInfoTitle);
  PWNew->setEnabled(true);
  return false;
}

void PassWrd2::TakeLevel() {
  for (int i = 0; i < PassLevel.Count(); ++i) {
    if (PassLevel[i]->Value()) {
      Level = static_cast<int16_t>(i + 1);
      return;
    }
  }
}

bool PassWrd2::WriteRequirePassword(const std::string& done) {
  const char* value = LogActivate[0]->Value() ? settings::kYes : settings::kNo;
  if (settings::ChangeMachineSetting(SettingsSection, settings::kRequirePassword, value)) return true;
  Alert("ERROR: UNABLE TO WRITE INI VALUE!\r\r" + done + "\rbut the Logon Action (Require_Password? = " + value +
            ")\rcould not be written to " + settings::kMachineFileBase + ".INI.",
        kWarning, kUserInfoTitle);
  return false;
}

void PassWrd2::LogId_KeyPress(int& KeyAscii) {
  if (KeyAscii != 13) return;
  KeyAscii = 0;
  LookUp();
}

void PassWrd2::LookUp() {
  LookedUpId = Trim(LogId->Text());
  if (Check refusal = CheckMaintenanceId(UserAction::LookUp, LookedUpId, LookedUpId))
    return platform::ShowRefusal(*refusal, nullptr);
  std::vector<PasswordRecord> users;
  if (!OpenUsers(kFreeMixed, users)) return;
  int found = FindLogonId(users, LookedUpId);
  if (found < 0) {
    Alert("LOGON ID WASN'T FOUND IN PASSWORD FILE!", kInformation, kUserInfoTitle);
    for (platform::CommandButton* button : {PWEdit, PWClear, PWDelete, PWNew}) button->setEnabled(false);
    Frame1->setEnabled(false);
    return;
  }
  const PasswordRecord& user = users[static_cast<size_t>(found)];
  Level = user.Level;
  PswUserName->SetText(Trim(user.UserName));
  PswInitals->SetText(Trim(user.Initials));
  PswDate->SetCaption(DateText);
  bool required = settings::ReadMachineSetting(SettingsSection, settings::kRequirePassword) != settings::kNo;
  LogActivate[required ? 0 : 1]->SetValue(true);
  const std::string kind = UCase(Trim(user.LogonID));
  if (kind == "ADMIN") {
    SetUserControls(false);
    PWNew->setEnabled(false);
    SelectLevel(0);
    return;
  }
  SetUserControls(true);
  SelectLevel(Level);
  PWNew->setEnabled(kind == "USER");
}

void PassWrd2::PWNew_Click() {
  const std::string id = Trim(LogId->Text());
  if (Check refusal = CheckMaintenanceId(UserAction::New, id, LookedUpId))
    return platform::ShowRefusal(*refusal, nullptr);
  TakeLevel();
  std::vector<PasswordRecord> users;
  if (!OpenUsers(kFreeUpper, users)) return;
  if (Check refusal = CheckNewLogonId(users, id)) {
    platform::ShowRefusal(*refusal, nullptr);
    Reset();
    return;
  }
  size_t freeRecord = 1;
  while (freeRecord < users.size() && !IsFreeUser(users[freeRecord])) ++freeRecord;
  if (freeRecord == users.size()) users.emplace_back();
  PasswordRecord& user = users[freeRecord];
  user.Password = kPlaceholderPassword;
  user.LogonID = id;
  user.Date = DateText;
  user.UserName = PswUserName->Text();
  user.Initials = PswInitals->Text();
  user.Level = Level;
  user.Marker = "YES";
  if (SavePasswordFileOrSay(PwfPath, users, kUserInfoTitle) && WriteRequirePassword("The new user was added,"))
    Alert("NEW USER ADDED!", kInformation, kUserInfoTitle);
  Reset();
}

void PassWrd2::PWEdit_Click() {
  const std::string id = Trim(LogId->Text());
  if (Check refusal = CheckMaintenanceId(UserAction::Edit, id, LookedUpId))
    return platform::ShowRefusal(*refusal, nullptr);
  TakeLevel();
  std::vector<PasswordRecord> users;
  if (!OpenUsers(kFreeUpper, users)) return;
  int found = FindLogonId(users, id, 1);
  if (found < 0) {
    Alert(kNotFound, kWarning, kUserInfoTitle);
    Reset();
    return;
  }
  PasswordRecord& user = users[static_cast<size_t>(found)];
  user.LogonID = id;
  user.Date = DateText;
  user.UserName = PswUserName->Text();
  user.Initials = PswInitals->Text();
  user.Level = Level;
  if (SavePasswordFileOrSay(PwfPath, users, kUserInfoTitle) && WriteRequirePassword("The user was updated,"))
    Alert("USER INFRO UPDATED!", kInformation, kUserInfoTitle);
  Reset();
}

void PassWrd2::PWClear_Click() {
  // The user looked up at the last Enter; the box is not read again.
  const std::string id = LookedUpId;
  if (Check refusal = CheckMaintenanceId(UserAction::Clear, id, LookedUpId))
    return platform::ShowRefusal(*refusal, nullptr);
  std::vector<PasswordRecord> users;
  if (!OpenUsers(kFreeMixed, users)) return;
  int found = FindLogonId(users, id, 1);
  if (found < 0) {
    Alert("RECORD WASN'T FOUND IN PASSWORD FILE!\r\rThe User, Logon Id:(" + id + ")\rWasn't found in the Password file.",
          kInformation, kUserInfoTitle);
    Reset();
    return;
  }
  PasswordRecord& user = users[static_cast<size_t>(found)];
  user.Password = kPlaceholderPassword;
  user.Date = DateText;
  if (SavePasswordFileOrSay(PwfPath, users, kUserInfoTitle)) Alert("PASSWORD CLEARED!", kInformation, kUserInfoTitle);
  Reset();
}

void PassWrd2::PWDelete_Click() {
  const std::string id = Trim(LogId->Text());
  if (Check refusal = CheckMaintenanceId(UserAction::Delete, id, LookedUpId))
    return platform::ShowRefusal(*refusal, nullptr);
  std::vector<PasswordRecord> users;
  if (!OpenUsers(kFreeUpper, users)) return;
  int found = FindLogonId(users, LookedUpId, 1);
  if (found < 0) {
    Alert(kNotFound, kWarning, kUserInfoTitle);
  } else {
    users[static_cast<size_t>(found)] = FreePasswordRecord(DateText, kFreeUpper);
    if (SavePasswordFileOrSay(PwfPath, users, kUserInfoTitle)) Alert("USER DELETED!", kInformation, kUserInfoTitle);
  }
  Reset();
}

void PassWrd2::PWExit_Click() { Hide(); }
