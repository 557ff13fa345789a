#pragma once
// The log-on dialog "Password & User Logon": the user types a password and a
// logon ID; a pair that one record of the password file holds fills
// CurrentUser, becomes the next log-on's default ID, and hides the dialog.
// The opener unloads it and lets LogInProc decide.
#include <string>

#include "platform/Controls.h"
#include "platform/Form.h"

class PassWrd1 : public platform::Form {
  Q_OBJECT
 public:
  explicit PassWrd1(QWidget* parent = nullptr);

  platform::Label* Label1;  // the prompt line
  platform::Label* Label2;
  platform::Label* Label3;
  platform::TextBox* PassWord;
  platform::TextBox* LogId;
  platform::CommandButton* PWChg;
  platform::CommandButton* PWAcc;

  // The password file's path, set at every activation.
  std::string PwfPath;
  // Set when the dialog found the password file invalid and ended the
  // program; an end that comes back (a test's) stops the log-on there.
  bool FileInvalid = false;
  // Set when the last ACCEPT found the password file unreadable and said so;
  // the log-on that follows stops there rather than say it again.
  bool FileUnreadable = false;

  void PassWord_KeyPress(int& KeyAscii);
  void PWAcc_Click();

 protected:
  void Form_Activate() override;
};
