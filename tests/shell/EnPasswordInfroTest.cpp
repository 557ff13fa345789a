#include "common/HogGlobals.h"
#include "platform/FileSystem.h"
#include "shell/EnPasswordInfro.h"
#include "shell/LogOnFixture.h"
#include "shell/UserChecks.h"
#include "support/BoxMatch.h"
#include "support/FocusChain.h"

using namespace platform;

namespace {
const char* kTitle = "U S E R   I N F R O M A T I O N";
}

class UserInformation : public LogOnTest {
 protected:
  void SetUp() override {
    LogOnTest::SetUp();
    std::string plain = passwordRecord("KWVKWV", "Admin", 0, "YES", "01/01/2020");
    plain += passwordRecord("hogs123", "jsmith", 2, "YES", "01/01/2020", "John Smith", "JS");
    plain += passwordRecord("KWVKWV", "newbie", 3, "YES", "01/01/2020", "Ned Newman", "NN");
    plain += passwordRecord("KWVKWV", "USER", 4, "YES", "01/01/2020");
    startedWith(plain, "jsmith");
  }
  // Shows the window for the user of CurrentUser(1) and (3), with `script`.
  void run(const std::string& id, const std::string& password, std::function<void(EnPasswordInfro&)> script) {
    CurrentUser[1] = id;
    CurrentUser[3] = password;
    tp.windows.on("EnPasswordInfro", as<EnPasswordInfro>(std::move(script)));
    EnPasswordInfro info;
    info.Show(vbModal);
    info.Unload();
  }
  void expectBox(const std::string& text, int icon, bool beep = true, const std::string& title = kTitle) {
    EXPECT_TRUE(LastBoxIs(tp.dialogs, {text, title, icon, vbOKOnly, beep}));
  }
};

TEST_F(UserInformation, TheAdministratorWithThePlaceholderGetsHisDefaultsAndKeepsAdmin) {
  const std::string others = plainUsers().substr(68);
  run("Admin", "KWVKWV", [&](EnPasswordInfro& w) {
    EXPECT_EQ(w.Caption(), "Enter Password  Infromation");
    EXPECT_EQ(w.EntUserName->Text(), "Administrator");
    EXPECT_EQ(w.EntInitals->Text(), "PXW");
    EXPECT_EQ(w.EntPassword->Text(), "Mendrel");
    EXPECT_EQ(w.EntLogonID->Text(), "Admin");
    for (TextBox* box : {w.EntUserName, w.EntInitals, w.EntPassword, w.EntLogonID}) EXPECT_FALSE(box->isEnabled());
    w.Accept->Press();
    EXPECT_FALSE(w.isVisible());
  });
  expectBox("USER INFROMATION ACCEPTED.", vbInformation);
  EXPECT_EQ(plainRecord(1), passwordRecord("Mendrel", "Admin", 0, "YES", "12/07/2026", "Administrator", "PXW"));
  EXPECT_EQ(plainUsers().substr(68), others);
  EXPECT_EQ(UserInfoState, 1);
  EXPECT_EQ(machine("LogOnID"), "Admin");
  EXPECT_EQ(tp.dialogs.shown.size(), 1u);  // the opener's unload asks nothing now
}

TEST_F(UserInformation, TheAdministratorWithAnyOtherPasswordIsRejected) {
  // Even when record 1 holds that password: it is never matched but for the defaults.
  writeUsers(passwordRecord("Secret9", "Admin", 0, "YES", "01/01/2020") + plainUsers().substr(68));
  const std::string before = readFile(pwf());
  run("Admin", "Secret9", [](EnPasswordInfro& w) {
    EXPECT_EQ(w.EntLogonID->Text(), "");
    EXPECT_EQ(w.EntUserName->Text(), "");
    EXPECT_EQ(w.EntPassword->Text(), "KWVKWV");
    EXPECT_TRUE(w.EntLogonID->isEnabled());
    w.EntLogonID->SetText("Admin");
    w.EntPassword->SetText("Secret9");
    w.EntUserName->SetText("Boss");
    w.EntInitals->SetText("B");
    w.Accept->Press();
  });
  expectBox("USER INFROMATION REJECTED!", vbInformation);
  EXPECT_EQ(UserInfoState, 4);
  EXPECT_EQ(readFile(pwf()), before);
}

TEST_F(UserInformation, AUserSetsHisOwnPasswordAndMayChangeHisId) {
  run("newbie", "KWVKWV", [](EnPasswordInfro& w) {
    EXPECT_EQ(w.EntLogonID->Text(), "newbie");
    EXPECT_EQ(w.EntPassword->Text(), "KWVKWV");
    EXPECT_EQ(w.EntUserName->Text(), "Ned Newman");
    EXPECT_EQ(w.EntInitals->Text(), "NN");
    EXPECT_TRUE(w.EntPassword->isEnabled());
    w.EntPassword->SetText(" farrow ");  // six characters, blanks removed
    w.EntLogonID->SetText("nednew");
    w.EntUserName->SetText("  Ned Newman Jr");
    w.Accept->Press();
    EXPECT_EQ(w.EntPassword->Text(), "");
  });
  expectBox("USER INFROMATION ACCEPTED.", vbInformation);
  EXPECT_EQ(plainRecord(3), passwordRecord("farrow", "nednew", 3, "YES", "12/07/2026", "Ned Newman Jr", "NN"));
  EXPECT_EQ(machine("LogOnID"), "nednew");
}

TEST_F(UserInformation, RefusalsLeaveTheFileAndTheWindowAsTheyWere) {
  const std::string before = readFile(pwf());
  UserInfoState = 4;  // a rejection earlier in the run
  // A refusal before the file is read, one after, and an empty box, which
  // also makes the entry one not accepted.
  struct Case {
    std::string box, value;
    Check refusal;
    std::string focus;
    int state;
  };
  const std::vector<Case> cases = {
      {"EntPassword", "sows5", CheckUserInfoEntry({"newbie", "sows5", "Ned", "NN"}), "EntPassword", 4},
      {"EntLogonID", "jsmith", Refusal{"NEW USER ALREADY USED!", kTitle, vbInformation}, "EntLogonID", 4},
      {"EntInitals", "", kUserInfoUnfilled, "EntUserName", 0},
  };
  run("newbie", "KWVKWV", [&](EnPasswordInfro& w) {
    for (const Case& c : cases) {
      SCOPED_TRACE(c.box + "=" + c.value);
      w.EntLogonID->SetText("newbie");
      w.EntPassword->SetText("farrow");
      w.EntUserName->SetText("Ned");
      w.EntInitals->SetText("NN");
      w.findChild<TextBox*>(QString::fromStdString(c.box))->SetText(c.value);
      w.Accept->setFocus();
      w.Accept->Press();
      EXPECT_TRUE(LastBoxIs(tp.dialogs, BoxOf(c.refusal)));
      EXPECT_EQ(w.focusWidget()->objectName().toStdString(), c.focus);
      EXPECT_EQ(UserInfoState, c.state);
      EXPECT_TRUE(w.isVisible());
      EXPECT_EQ(readFile(pwf()), before);
    }
  });
  // Closing without an entry asks; the scripted answer is the default, Cancel.
  EXPECT_TRUE(LastBoxIs(tp.dialogs, {"To enter User Infro push RETRY.\rElse CANCEL to Exit USER INFROMATION!", kTitle,
                                     vbQuestion, vbRetryCancel}));
  EXPECT_EQ(tp.dialogs.last().defaultButton, 1);
}

TEST_F(UserInformation, RetryKeepsTheWindowOpenUntilSomethingIsAcceptedOrRejected) {
  run("jsmith", "hogs123", [&](EnPasswordInfro& w) {
    tp.dialogs.answer(vbRetry);
    w.close();
    EXPECT_TRUE(w.IsLoaded());
    tp.dialogs.answer(vbCancel);
    w.close();
    EXPECT_FALSE(w.IsLoaded());
  });
  EXPECT_EQ(tp.dialogs.shown.size(), 2u);
  UserInfoState = 4;  // a rejection earlier in the run
  tp.dialogs.clear();
  run("jsmith", "hogs123", [](EnPasswordInfro& w) { w.close(); });
  EXPECT_TRUE(tp.dialogs.shown.empty());
}

TEST_F(UserInformation, ACorruptFileIsRemovedAndTheEntryRejected) {
  writeUsers(passwordRecord("KWVKWV", "Admin", 0, "YEs") + passwordRecord("hogs123", "jsmith", 2));
  run("jsmith", "hogs123", [&](EnPasswordInfro& w) {
    expectBox("ERROR:  CAN'T OPEN PASSWORD FILE!\r\rCorrupt file.. Removing file.", 0, false,
              "P A S S W O R D  F I L E  C H E C K");
    EXPECT_FALSE(platform::fileExists(pwf()));
    EXPECT_EQ(w.EntLogonID->Text(), "");
    EXPECT_EQ(w.EntPassword->Text(), "KWVKWV");
    w.EntLogonID->SetText("jsmith");
    w.EntPassword->SetText("hogs123");
    w.EntUserName->SetText("John");
    w.EntInitals->SetText("JS");
    w.Accept->Press();
  });
  expectBox("USER INFROMATION REJECTED!", vbInformation);
  EXPECT_FALSE(platform::fileExists(pwf()));  // the next start makes a new one
  EXPECT_EQ(UserInfoState, 4);
}

TEST_F(UserInformation, TabGoesFromTheNameDownToTheIdAndThenToAccept) {
  EnPasswordInfro info;
  EXPECT_EQ(tabOrder(info, {"EntUserName", "EntInitals", "EntPassword", "EntLogonID", "Accept"}),
            (std::vector<std::string>{"EntUserName", "EntInitals", "EntPassword", "EntLogonID", "Accept"}));
}
