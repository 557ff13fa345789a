#pragma once
// The user information window "Enter Password  Infromation": the logged-on
// user puts his own logon ID, password, name and initials into his record of
// the password file. The record is the one that holds the logon ID and the
// password of CurrentUser(1) and (3); the administrator with the placeholder
// or his default password gets his fixed defaults. The outcome goes to
// UserInfoState.
#include <string>
#include <vector>

#include "platform/Controls.h"
#include "platform/Form.h"
#include "records/PasswordRecord.h"

class EnPasswordInfro : public platform::Form {
  Q_OBJECT
 public:
  explicit EnPasswordInfro(QWidget* parent = nullptr);

  platform::Label* Label1;
  platform::Label* Label2;
  platform::Label* Label3;
  platform::Label* Label4;
  platform::TextBox* EntLogonID;
  platform::TextBox* EntPassword;
  platform::TextBox* EntInitals;
  platform::TextBox* EntUserName;
  platform::CommandButton* Accept;

  // The password file's path, set at the load.
  std::string PwfPath;
  // The logon ID and password of the record ACCEPT rewrites; empty while no
  // record was found.
  std::string KeyLogonId;
  std::string KeyPassword;

  void Accept_Click();

 protected:
  void Form_Load() override;
  void Form_Activate() override;
  void Form_QueryUnload(int& Cancel, int UnloadMode) override;

 private:
  // Loads the file; a corrupt one is removed after a notice and gives no
  // records.
  std::vector<PasswordRecord> CheckedUsers();
};
