#include "shell/PassWrd1.h"

#include <vector>

#include "common/HogGlobals.h"
#include "common/NumberText.h"
#include "common/Settings.h"
#include "platform/FormKit.h"
#include "platform/Screen.h"
#include "shell/LogOn.h"
#include "shell/PasswordFile.h"
#include "shell/UserChecks.h"

PassWrd1::PassWrd1(QWidget* parent) : platform::Form("PassWrd1", parent) {
  using namespace platform;
  SetCaption("Password & User Logon");
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  setFont(makeFont("MS Sans Serif", 8, true));
  setStyleSheet("PassWrd1 { background-color: #c0c0c0; }");

  Label1 = AddLabel(this, "Label1", "", {120, 120, 4335, 255});
  Label1->setAlignment(Qt::AlignCenter);
  Label2 = AddLabel(this, "Label2", "Password:", {240, 540, 1095, 255});
  Label3 = AddLabel(this, "Label3", "Logon ID:", {240, 990, 1095, 255});
  // At most as many characters as the record's Password and LogonID hold.
  PassWord = AddTextBox(this, "PassWord", {1455, 495, 2175, 315}, 10);
  PassWord->setEchoMode(QLineEdit::Password);
  LogId = AddTextBox(this, "LogId", {1455, 945, 2895, 315}, 20);
  for (TextBox* box : {PassWord, LogId}) box->setStyleSheet("color: red; background-color: white;");
  PWChg = AddButton(this, "PWChg", "CHANGE", {720, 1500, 1335, 375}, nullptr);
  PWChg->setStyleSheet("background-color: #ff9933;");
  PWChg->setEnabled(false);
  PWAcc = AddButton(this, "PWAcc", "&ACCEPT", {2520, 1500, 1335, 375}, [this] { PWAcc_Click(); });
  PWAcc->setStyleSheet("background-color: #33cc33;");
  SetBoundsTwips(3000, 2500, 4680, 2400);
  SetTabOrder({PassWord, LogId, PWChg, PWAcc});

  PassWord->onKeyPress = [this](int& key) { PassWord_KeyPress(key); };
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

void PassWrd1::PWAcc_Click() {
  if (Check refusal = CheckLogOnEntry(PassWord->Text(), LogId->Text()))
    return platform::ShowRefusal(*refusal, {PassWord, LogId});
  const std::string password = Trim(PassWord->Text());
  const std::string id = Trim(LogId->Text());

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
  if (const int match = FindUser(users, id, password); match >= 0) {
    CurrentUser[1] = id;
    CurrentUser[3] = password;
    CurrentUser[4] = LevelText(users[static_cast<size_t>(match)].Level);
    settings::WriteMachineSetting(SettingsSection, settings::kLogOnId, id);
    CurrentUser[5] = "YES";
    Hourglass(false);
    Hide();
    return;
  }
  PassWord->SetText("");
  Label1->SetCaption("");
  Alert("INVALIED PASSWORD or LOGON ID!", platform::vbCritical | platform::vbOKOnly, kEnterPasswordTitle);
  Hourglass(false);
  // The emptied password is typed again: what the user types next goes there,
  // not to the button that was pressed.
  PassWord->SetFocus();
}
