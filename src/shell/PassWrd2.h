#pragma once
// The administrator's user maintenance "Add/Edit/Remove Users ": looks a user
// of the password file up by logon ID (Enter in LogId), adds a new user in a
// free record, edits a user's name, initials and level, resets his password
// to the placeholder, frees his record, and sets whether a log-on is
// required. Record 1, the administrator's, is never changed here. Every
// completed action resets the window, so each needs a new look-up.
#include <QGroupBox>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/Controls.h"
#include "platform/Form.h"
#include "platform/FormKit.h"
#include "records/PasswordRecord.h"

class PassWrd2 : public platform::Form {
  Q_OBJECT
 public:
  explicit PassWrd2(QWidget* parent = nullptr);

  platform::Label* Label1;  // the prompt
  platform::Label* Label2;
  platform::Label* Label3;
  platform::Label* Label4;
  platform::Label* Label5;
  platform::TextBox* LogId;
  platform::TextBox* PswUserName;
  platform::TextBox* PswInitals;
  platform::Label* PswDate;
  QGroupBox* Frame1;
  platform::ControlArray<platform::OptionButton> PassLevel;  // levels 1 to 4
  QGroupBox* Frame2;
  platform::ControlArray<platform::OptionButton> LogActivate;  // YES, NO
  platform::CommandButton* PWNew;
  platform::CommandButton* PWClear;
  platform::CommandButton* PWEdit;
  platform::CommandButton* PWDelete;
  platform::CommandButton* PWClrDisp;
  platform::CommandButton* PWExit;

  // The password file's path, set at every activation.
  std::string PwfPath;
  // The logon ID at the last look-up, and the level of the record it found
  // (replaced by the chosen level option on NEW and EDIT).
  std::string LookedUpId;
  int16_t Level = 0;

  void LogId_KeyPress(int& KeyAscii);
  void PWNew_Click();
  void PWEdit_Click();
  void PWClear_Click();
  void PWDelete_Click();
  void PWClrDisp_Click();
  void PWExit_Click();

 protected:
  void Form_Activate() override;

 private:
  void Reset();
  void LookUp();
  // The missing-file check and the rebuild of a corrupt file, whose free
  // records get the logon ID `freeId`. True with the records loaded when the
  // action goes on.
  bool OpenUsers(const std::string& freeId, std::vector<PasswordRecord>& users);
  // The chosen level option, when one is chosen, becomes Level.
  void TakeLevel();
  // Require_Password? from the Logon Action options. When the file does not
  // take it, says so, after `done` (what the action did), and answers false.
  bool WriteRequirePassword(const std::string& done);
  void SelectLevel(int level);  // 1 to 4; any other selects none
  void SetUserControls(bool enabled);
};
