#include "shell/PassWrd1.h"

#include <vector>

#include "common/HogGlobals.h"
#include "common/NumberText.h"
#include "common/Settings.h"
#include "platform/Dialogs.h"
#include "platform/Screen.h"
#include "shell/LogOn.h"
#include "shell/PasswordFile.h"

namespace {
constexpr int kShortestPassword = 6;
constexpr int kPasswordWidth = 10;
constexpr int kLogonIdWidth = 20;
}  // namespace

PassWrd1::PassWrd1(QWidget* parent) : platform::Form("PassWrd1", parent) {
  SetCaption("Password & User Logon");
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  setFont(platform::makeFont("MS Sans Serif", 8, true));
  setStyleSheet("PassWrd1 { background-color: #c0c0c0; }");

  Label1 = new platform::Label(this, "Label1");
  Label1->setAlignment(Qt::AlignCenter);
  Label2 = new platform::Label(this, "Label2", "Password:");
  Label3 = new platform::Label(this, "Label3", "Logon ID:");
  PassWord = new platform::TextBox(this, "PassWord");
  PassWord->setEchoMode(QLineEdit::Password);
  PassWord->SetMaxLength(kPasswordWidth);
  LogId = new platform::TextBox(this, "LogId");
  LogId->SetMaxLength(kLogonIdWidth);
  for (platform::TextBox* box : {PassWord, LogId})
    box->setStyleSheet("color: red; background-color: white;");
  PWChg = new platform::CommandButton(this, "PWChg", "CHANGE");
  PWChg->setStyleSheet("background-color: #ff9933;");
  PWChg->setEnabled(false);
  PWAcc = new platform::CommandButton(this, "PWAcc", "&ACCEPT");
  PWAcc->setStyleSheet("background-color: #33cc33;");

  platform::placeTwips(Label1, 120, 120, 4335, 255);
  platform::placeTwips(Label2, 240, 540, 1095, 255);
  platform::placeTwips(PassWord, 1455, 495, 2175, 315);
  platform::placeTwips(Label3, 240, 990, 1095, 255);
  platform::placeTwips(LogId, 1455, 945, 2895, 315);
  platform::placeTwips(PWChg, 720, 1500, 1335, 375);
  platform::placeTwips(PWAcc, 2520, 1500, 1335, 375);
  SetBoundsTwips(3000, 2500, 4680, 2400);
  setTabOrder(PassWord, LogId);
  setTabOrder(LogId, PWChg);
  setTabOrder(PWChg, PWAcc);

  PassWord->onKeyPress = [this](int& key) { PassWord_KeyPress(key); };
  connect(PWAcc, &QPushButton::clicked, this, [this] { PWAcc_Click(); });
}

void PassWrd1::Form_Activate() {
  std::string lastId = settings::ReadMachineSetting(SettingsSection, settings::kLogOnId);
  if (!lastId.empty()) {
    Label1->SetCaption("ENTER PASSWORD & LOGON ID BELOW:");
    LogId->SetText(lastId);
    LogId->setEnabled(true);
  } else {
    // Without a last log-on only the administrator's record can be used.
    Label1->SetCaption("ENTER PASSWORD:");
    LogId->SetText("Admin");
    LogId->setEnabled(false);
  }
  PwfPath = PasswordFilePath();
  PassWord->SetText("");
  CurrentUser[1] = "";
  CurrentUser[3] = "";
  CurrentUser[4] = "4";
  CurrentUser[5] = "NO";
  PWChg->setEnabled(false);
}

void PassWrd1::PassWord_KeyPress(int& KeyAscii) {
  if (KeyAscii != 13) return;
  KeyAscii = 0;
  PWAcc_Click();
}

void PassWrd1::Refuse(const std::string& text, platform::TextBox* box) {
  Beep();
  MsgBox(text, platform::vbExclamation | platform::vbOKOnly, kEnterPasswordTitle);
  box->SetFocus();
}

void PassWrd1::PWAcc_Click() {
  const std::string password = Trim(PassWord->Text());
  if (password.empty()) {
    Refuse("NO PASSWORD!\r\rYou MUST enter a password \rbefore you can continue.", PassWord);
    return;
  }
  if (static_cast<int>(password.size()) < kShortestPassword) {
    Refuse("PASSWORD TOO SHORT!!\r\rYour password MUST be longer\rthan five(5) characters.", PassWord);
    return;
  }
  const std::string id = Trim(LogId->Text());
  if (id.empty()) {
    Refuse("NO LOGON ID!\r\rYou MUST enter a Logon Id \rbefore you can continue.", LogId);
    return;
  }
  if (!settings::IsSettingText(id)) {
    Refuse(kLogonIdNotSettingText, LogId);
    return;
  }

  Hourglass(true);
  std::vector<PasswordRecord> users;
  const LogOnFile file = LoadLogOnRecords(PwfPath, users, kEnterPasswordTitle);
  FileUnreadable = file == LogOnFile::Unreadable;
  if (FileUnreadable) {
    // Told already; the dialog stays open, the file as it is.
    Hourglass(false);
    return;
  }
  if (file == LogOnFile::Invalid) {
    PassWord->SetText("");
    Label1->SetCaption("");
    Hourglass(false);
    FileInvalid = true;
    EndOnInvalidPasswordFile(PwfPath);
    Hide();
    return;
  }
  const PasswordRecord* match = nullptr;
  for (const PasswordRecord& user : users) {
    if (Trim(user.Password) == password && Trim(user.LogonID) == id) {
      match = &user;
      break;
    }
  }
  if (match) {
    CurrentUser[1] = id;
    CurrentUser[3] = password;
    CurrentUser[4] = LevelText(match->Level);
    settings::WriteMachineSetting(SettingsSection, settings::kLogOnId, id);
    CurrentUser[5] = "YES";
    Hourglass(false);
    Hide();
    return;
  }
  PassWord->SetText("");
  Beep();
  Label1->SetCaption("");
  MsgBox("INVALIED PASSWORD or LOGON ID!", platform::vbCritical | platform::vbOKOnly, kEnterPasswordTitle);
  Hourglass(false);
}
