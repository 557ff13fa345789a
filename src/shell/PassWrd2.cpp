#include "shell/PassWrd2.h"

#include "common/HogGlobals.h"
#include "common/NumberText.h"
#include "common/Settings.h"
#include "platform/Dialogs.h"
#include "platform/FileSystem.h"
#include "shell/PasswordFile.h"

namespace {
constexpr const char* kTitle = "U S E R   I N F R O M A T I O N";
constexpr const char* kInvalidId = "ERROR: INVALIED LOGON ID!\r\r";
constexpr const char* kNotFound = "ERROR: ENTERED LOGONID NOT FOUND!";
// The two spellings of a free record's logon ID the rebuilds write.
constexpr const char* kFreeUpper = "USER";
constexpr const char* kFreeMixed = "User";
}  // namespace

PassWrd2::PassWrd2(QWidget* parent) : platform::Form("PassWrd2", parent) {
  SetCaption("Add/Edit/Remove Users ");
  setFont(platform::makeFont("MS Sans Serif", 8, true));

  Label1 = new platform::Label(this, "Label1", "ENTER A LOGON ID AND PUSH ENTER:");
  Label2 = new platform::Label(this, "Label2", "LOGON ID");
  Label3 = new platform::Label(this, "Label3", "USER'S NAME");
  Label4 = new platform::Label(this, "Label4", "INITALS");
  Label5 = new platform::Label(this, "Label5", "DATE");
  LogId = new platform::TextBox(this, "LogId");
  LogId->SetMaxLength(20);
  LogId->setToolTip(platform::fromAnsi(
      "To enter a new user, type USER and push enter, then enter the users new LOGON ID and any other infro. "
      "and push New User."));
  PswUserName = new platform::TextBox(this, "PswUserName");
  PswUserName->SetMaxLength(20);
  PswInitals = new platform::TextBox(this, "PswInitals");
  PswInitals->SetMaxLength(3);
  PswDate = new platform::Label(this, "PswDate");
  PswDate->setFrameStyle(QFrame::Panel | QFrame::Sunken);

  Frame1 = new QGroupBox(QStringLiteral("ACCESS LEVEL"), this);
  Frame1->setObjectName("Frame1");
  for (int i = 0; i < 4; ++i) {
    PassLevel[static_cast<size_t>(i)] =
        new platform::OptionButton(Frame1, "PassLevel", "Level " + std::to_string(i + 1));
    platform::placeTwips(PassLevel[static_cast<size_t>(i)], 240, 300 + i * 330, 1500, 285);
  }
  Frame2 = new QGroupBox(QStringLiteral("Logon Action"), this);
  Frame2->setObjectName("Frame2");
  LogActivate[0] = new platform::OptionButton(Frame2, "LogActivate", "YES  (Activate Logon)");
  LogActivate[1] = new platform::OptionButton(Frame2, "LogActivate", "NO   (Logon Disabled)");
  platform::placeTwips(LogActivate[0], 240, 300, 2600, 285);
  platform::placeTwips(LogActivate[1], 240, 630, 2600, 285);

  PWNew = new platform::CommandButton(this, "PWNew", " New User");
  PWClear = new platform::CommandButton(this, "PWClear", " Clear Password");
  PWEdit = new platform::CommandButton(this, "PWEdit", " Edit User");
  PWDelete = new platform::CommandButton(this, "PWDelete", " Delete User");
  PWClrDisp = new platform::CommandButton(this, "PWClrDisp", " Clear Entries");
  PWExit = new platform::CommandButton(this, "PWExit", "Exit");

  platform::placeTwips(Label1, 240, 120, 4200, 255);
  platform::placeTwips(Label2, 240, 480, 1500, 255);
  platform::placeTwips(LogId, 1800, 435, 3000, 315);
  platform::placeTwips(Label3, 240, 900, 1500, 255);
  platform::placeTwips(PswUserName, 1800, 855, 3000, 315);
  platform::placeTwips(Label4, 240, 1320, 1500, 255);
  platform::placeTwips(PswInitals, 1800, 1275, 600, 315);
  platform::placeTwips(Label5, 2700, 1320, 600, 255);
  platform::placeTwips(PswDate, 3300, 1275, 1500, 315);
  platform::placeTwips(Frame1, 240, 1800, 2100, 1650);
  platform::placeTwips(Frame2, 2520, 1800, 3100, 1100);
  platform::placeTwips(PWNew, 5900, 240, 1700, 375);
  platform::placeTwips(PWClear, 5900, 720, 1700, 375);
  platform::placeTwips(PWEdit, 5900, 1200, 1700, 375);
  platform::placeTwips(PWDelete, 5900, 1680, 1700, 375);
  platform::placeTwips(PWClrDisp, 5900, 2160, 1700, 375);
  platform::placeTwips(PWExit, 5900, 3000, 1700, 375);
  SetBoundsTwips(2000, 1500, 7900, 4000);

  LogId->onKeyPress = [this](int& key) { LogId_KeyPress(key); };
  connect(PWNew, &QPushButton::clicked, this, [this] { PWNew_Click(); });
  connect(PWClear, &QPushButton::clicked, this, [this] { PWClear_Click(); });
  connect(PWEdit, &QPushButton::clicked, this, [this] { PWEdit_Click(); });
  connect(PWDelete, &QPushButton::clicked, this, [this] { PWDelete_Click(); });
  connect(PWClrDisp, &QPushButton::clicked, this, [this] { PWClrDisp_Click(); });
  connect(PWExit, &QPushButton::clicked, this, [this] { PWExit_Click(); });
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
  for (size_t i = 0; i < PassLevel.size(); ++i) {
    PassLevel[i]->setAutoExclusive(false);
    PassLevel[i]->SetValue(static_cast<int>(i) + 1 == level);
    PassLevel[i]->setAutoExclusive(true);
  }
}

void PassWrd2::SetUserControls(bool enabled) {
  for (QWidget* w : std::initializer_list<QWidget*>{LogId, PswInitals, PswUserName, Frame1}) w->setEnabled(enabled);
  for (platform::OptionButton* option : PassLevel) option->setEnabled(enabled);
  for (platform::CommandButton* button : {PWEdit, PWClear, PWDelete}) button->setEnabled(enabled);
}

void PassWrd2::Say(const std::string& text, int icon) {
  Beep();
  MsgBox(text, icon | platform::vbOKOnly, kTitle);
}

bool PassWrd2::EmptyId(const std::string& id) {
  if (!id.empty()) return false;
  Say("ERROR: NOTHING ENTERED IN LOGON ID!\r\rYou MUST have a LOGON ID to  continue.", platform::vbExclamation);
  return true;
}

bool PassWrd2::OpenUsers(const std::string& freeId, std::vector<PasswordRecord>& users) {
  if (!platform::pathExists(PwfPath)) {
    Say("ERROR: PASSWORD FILE WASN'T FOUND!\r\rThe Password file: " + PwfPath + "\rwasn't found!",
        platform::vbExclamation);
    Reset();
    return false;
  }
  if (!LoadPasswordFileOrSay(PwfPath, users, kTitle)) {
    Reset();
    return false;
  }
  // Record 1 of a file without records reads as blanks: no marker either.
  if (!users.empty() && !IsCorruptPasswordFile(users)) return true;
  Say("ERROR:  CAN'T OPEN PASSWORD FILE!\r\rCorrupt file.. Generating new file.", platform::vbExclamation);
  SetAsideDamagedPasswordFile(PwfPath);
  SavePasswordFileOrSay(PwfPath, DefaultPasswordRecords(DateText, freeId), kTitle);
  PWNew->setEnabled(true);
  return false;
}

void PassWrd2::TakeLevel() {
  for (size_t i = 0; i < PassLevel.size(); ++i) {
    if (PassLevel[i]->Value()) {
      Level = static_cast<int16_t>(i + 1);
      return;
    }
  }
}

bool PassWrd2::WriteRequirePassword(const std::string& done) {
  const char* value = LogActivate[0]->Value() ? settings::kYes : settings::kNo;
  if (settings::ChangeMachineSetting(SettingsSection, settings::kRequirePassword, value)) return true;
  Say("ERROR: UNABLE TO WRITE INI VALUE!\r\r" + done + "\rbut the Logon Action (Require_Password? = " + value +
          ")\rcould not be written to " + settings::kMachineFileBase + ".INI.",
      platform::vbExclamation);
  return false;
}

void PassWrd2::LogId_KeyPress(int& KeyAscii) {
  if (KeyAscii != 13) return;
  KeyAscii = 0;
  LookUp();
}

void PassWrd2::LookUp() {
  LookedUpId = Trim(LogId->Text());
  if (EmptyId(LookedUpId)) return;
  std::vector<PasswordRecord> users;
  if (!OpenUsers(kFreeMixed, users)) return;
  int found = FindLogonId(users, LookedUpId);
  if (found < 0) {
    Say("LOGON ID WASN'T FOUND IN PASSWORD FILE!", platform::vbInformation);
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

bool PassWrd2::ReservedId(const std::string& id, const char* userLine, const char* adminLine) {
  const std::string upper = UCase(id);
  const char* line = upper == "USER" ? userLine : upper == "ADMIN" ? adminLine : nullptr;
  if (!line) return false;
  Say(std::string(kInvalidId) + line, platform::vbExclamation);
  return true;
}

void PassWrd2::PWNew_Click() {
  const std::string id = Trim(LogId->Text());
  if (EmptyId(id)) return;
  if (ReservedId(id, "You can not use 'USER' as a Logon Id.", "You can not add another 'Admin' Logon Id.")) return;
  if (id == LookedUpId) {
    Say("ERROR: LOGON ID HASN'T CHANGED!\r\rYou MUST enter a new LogonId.", platform::vbExclamation);
    return;
  }
  TakeLevel();
  std::vector<PasswordRecord> users;
  if (!OpenUsers(kFreeUpper, users)) return;
  int freeRecord = -1;
  for (size_t i = 1; i < users.size(); ++i) {
    if (freeRecord < 0 && IsFreeUser(users[i])) freeRecord = static_cast<int>(i);
    if (Trim(users[i].LogonID) == id) {
      Say("NEW USER ALREADY USED!", platform::vbInformation);
      Reset();
      return;
    }
  }
  if (freeRecord < 0) {
    freeRecord = static_cast<int>(users.size());
    users.emplace_back();
  }
  PasswordRecord& user = users[static_cast<size_t>(freeRecord)];
  user.Password = kPlaceholderPassword;
  user.LogonID = id;
  user.Date = DateText;
  user.UserName = PswUserName->Text();
  user.Initials = PswInitals->Text();
  user.Level = Level;
  user.Marker = "YES";
  if (SavePasswordFileOrSay(PwfPath, users, kTitle) && WriteRequirePassword("The new user was added,"))
    Say("NEW USER ADDED!", platform::vbInformation);
  Reset();
}

void PassWrd2::PWEdit_Click() {
  const std::string id = Trim(LogId->Text());
  if (EmptyId(id)) return;
  if (ReservedId(id, "You can not use 'USER' as a Logon Id.", "You can not edit the 'Admin' Logon Id.")) return;
  TakeLevel();
  std::vector<PasswordRecord> users;
  if (!OpenUsers(kFreeUpper, users)) return;
  int found = FindLogonId(users, id, 1);
  if (found < 0) {
    Say(kNotFound, platform::vbExclamation);
    Reset();
    return;
  }
  PasswordRecord& user = users[static_cast<size_t>(found)];
  user.LogonID = id;
  user.Date = DateText;
  user.UserName = PswUserName->Text();
  user.Initials = PswInitals->Text();
  user.Level = Level;
  if (SavePasswordFileOrSay(PwfPath, users, kTitle) && WriteRequirePassword("The user was updated,"))
    Say("USER INFRO UPDATED!", platform::vbInformation);
  Reset();
}

void PassWrd2::PWClear_Click() {
  // The user looked up at the last Enter; the box is not read again.
  const std::string id = LookedUpId;
  if (ReservedId(id, "You can not use 'User' Logon Id.", "You can not Clear the 'Admin' Logon Id.")) return;
  std::vector<PasswordRecord> users;
  if (!OpenUsers(kFreeMixed, users)) return;
  int found = FindLogonId(users, id, 1);
  if (found < 0) {
    Say("RECORD WASN'T FOUND IN PASSWORD FILE!\r\rThe User, Logon Id:(" + id +
            ")\rWasn't found in the Password file.",
        platform::vbInformation);
    Reset();
    return;
  }
  PasswordRecord& user = users[static_cast<size_t>(found)];
  user.Password = kPlaceholderPassword;
  user.Date = DateText;
  if (SavePasswordFileOrSay(PwfPath, users, kTitle)) Say("PASSWORD CLEARED!", platform::vbInformation);
  Reset();
}

void PassWrd2::PWDelete_Click() {
  const std::string id = Trim(LogId->Text());
  if (EmptyId(id)) return;
  if (ReservedId(id, "You can not use 'User' as a Logon Id.", "You can not delete the 'Admin' Logon Id.")) return;
  if (id != LookedUpId) {
    Say("ERROR: LOGONID HAS CHANGED!\r\rYou have changed the LogonId.\rYou MUST push enter after changing\r"
        "the LogonId.",
        platform::vbExclamation);
    return;
  }
  std::vector<PasswordRecord> users;
  if (!OpenUsers(kFreeUpper, users)) return;
  int found = FindLogonId(users, LookedUpId, 1);
  if (found < 0) {
    Say(kNotFound, platform::vbExclamation);
  } else {
    users[static_cast<size_t>(found)] = FreePasswordRecord(DateText, kFreeUpper);
    if (SavePasswordFileOrSay(PwfPath, users, kTitle)) Say("USER DELETED!", platform::vbInformation);
  }
  Reset();
}

void PassWrd2::PWExit_Click() { Hide(); }
