#include "common/HogGlobals.h"
#include "platform/FileSystem.h"
#include "shell/LogOnFixture.h"
#include "shell/PassWrd2.h"
#include "support/BoxMatch.h"

using namespace platform;

namespace {
const char* kTitle = "U S E R   I N F R O M A T I O N";
const char* kOld = "01/01/2020";
}  // namespace

class UserMaintenance : public LogOnTest {
 protected:
  std::string users_;
  void SetUp() override {
    LogOnTest::SetUp();
    users_ = passwordRecord("Mendrel", "Admin", 0, "YES", kOld, "Administrator", "PXW");
    users_ += passwordRecord("hogs123", "jsmith", 2, "YES", kOld, "John Smith", "JS");
    users_ += passwordRecord("KWVKWV", "USER", 4, "YES", kOld);
    users_ += passwordRecord("sows456", "odd", 7, "YES", kOld, "Odd Level", "OL");
    users_ += passwordRecord("KWVKWV", "user", 4, "YES", kOld);
    startedWith(users_, "Admin");
  }
  void run(std::function<void(PassWrd2&)> script) {
    tp.windows.on("PassWrd2", as<PassWrd2>(std::move(script)));
    PassWrd2 window;
    window.Show(vbModal);
    window.Unload();
  }
  static void lookUp(PassWrd2& w, const std::string& id) {
    w.LogId->SetText(id);
    w.LogId->Type("\r");
  }
  void expectBox(const std::string& text, int icon) { EXPECT_TRUE(LastBoxIs(tp.dialogs, {text, kTitle, icon})); }
  static int selectedLevel(PassWrd2& w) {
    int selected = 0;
    for (int i = 0; i < w.PassLevel.Count(); ++i)
      if (w.PassLevel[i]->Value()) selected = selected * 10 + i + 1;
    return selected;
  }
  static void expectReset(PassWrd2& w) {
    EXPECT_EQ(w.PswDate->Caption(), "12/07/2026");
    EXPECT_EQ(w.LogId->Text(), "");
    EXPECT_EQ(w.PswUserName->Text(), "");
    EXPECT_EQ(w.PswInitals->Text(), "");
    EXPECT_TRUE(w.LogActivate[0]->Value());
    EXPECT_EQ(selectedLevel(w), 4);
    for (auto* o : w.PassLevel) EXPECT_FALSE(o->isEnabled());
    EXPECT_FALSE(w.Frame1->isEnabled());
    for (CommandButton* b : {w.PWNew, w.PWClear, w.PWEdit, w.PWDelete}) EXPECT_FALSE(b->isEnabled());
    EXPECT_TRUE(w.PWClrDisp->isEnabled() && w.PWExit->isEnabled());
  }
};

TEST_F(UserMaintenance, OpensResetWithItsCaptions) {
  run([](PassWrd2& w) {
    EXPECT_EQ(w.Caption(), "Add/Edit/Remove Users ");
    EXPECT_EQ(w.Label1->Caption(), "ENTER A LOGON ID AND PUSH ENTER:");
    EXPECT_EQ(w.Frame1->title().toStdString(), "ACCESS LEVEL");
    EXPECT_EQ(w.Frame2->title().toStdString(), "Logon Action");
    std::vector<std::string> levels;
    for (auto* o : w.PassLevel) levels.push_back(o->text().toStdString());
    EXPECT_EQ(levels, (std::vector<std::string>{"Level 1", "Level 2", "Level 3", "Level 4"}));
    EXPECT_EQ(w.LogActivate[1]->text().toStdString(), "NO   (Logon Disabled)");
    EXPECT_EQ(w.PWClear->Caption(), " Clear Password");
    EXPECT_EQ(w.LogId->maxLength(), 20);
    EXPECT_EQ(w.PswInitals->maxLength(), 3);
    // The options and buttons in their rows.
    EXPECT_EQ(twipsBounds(w.PassLevel[3]).top, 1290);
    EXPECT_EQ(twipsBounds(w.LogActivate[1]).top, 630);
    EXPECT_EQ(twipsBounds(w.PWClrDisp).top, 2160);
    expectReset(w);
    EXPECT_TRUE(w.LogId->isEnabled());
  });
}

TEST_F(UserMaintenance, AdminIsLookedUpButCannotBeChangedAndAdminInSmallLettersIsNotFound) {
  run([&](PassWrd2& w) {
    lookUp(w, "Admin");
    EXPECT_TRUE(tp.dialogs.shown.empty());
    EXPECT_EQ(w.PswUserName->Text(), "Administrator");
    for (QWidget* c : std::initializer_list<QWidget*>{w.LogId, w.PswInitals, w.PswUserName, w.PWClear, w.PWNew,
                                                      w.PWDelete, w.PWEdit, w.Frame1})
      EXPECT_FALSE(c->isEnabled()) << c->objectName().toStdString();
    EXPECT_EQ(selectedLevel(w), 0);
    EXPECT_TRUE(w.PWClrDisp->isEnabled() && w.PWExit->isEnabled());
    w.PWClrDisp->Press();
    EXPECT_TRUE(w.LogId->isEnabled());
    expectReset(w);
    lookUp(w, "admin");
    expectBox("LOGON ID WASN'T FOUND IN PASSWORD FILE!", vbInformation);
  });
  EXPECT_EQ(plainUsers(), users_);
}

TEST_F(UserMaintenance, AUserIsShownWithHisLevelAndTheLogonSetting) {
  setMachine("Require_Password?", "NO");
  run([&](PassWrd2& w) {
    lookUp(w, " jsmith ");
    EXPECT_EQ(w.LookedUpId, "jsmith");
    EXPECT_EQ(w.PswUserName->Text(), "John Smith");
    EXPECT_EQ(w.PswInitals->Text(), "JS");
    EXPECT_EQ(selectedLevel(w), 2);
    EXPECT_TRUE(w.LogActivate[1]->Value());
    EXPECT_TRUE(w.Frame1->isEnabled() && w.PassLevel[0]->isEnabled());
    EXPECT_TRUE(w.PWEdit->isEnabled() && w.PWClear->isEnabled() && w.PWDelete->isEnabled());
    EXPECT_FALSE(w.PWNew->isEnabled());
    lookUp(w, "odd");
    EXPECT_EQ(selectedLevel(w), 0);  // a level without an option selects none
    lookUp(w, "USER");
    EXPECT_TRUE(w.PWNew->isEnabled());
    lookUp(w, "   ");
    expectBox("ERROR: NOTHING ENTERED IN LOGON ID!\r\rYou MUST have a LOGON ID to  continue.", vbExclamation);
  });
}

TEST_F(UserMaintenance, ANewUserTakesTheFirstFreeRecordWithThePlaceholder) {
  run([&](PassWrd2& w) {
    lookUp(w, "USER");
    w.LogId->SetText("hog3");
    w.PswUserName->SetText(" Jim Hale");
    w.PswInitals->SetText("JH");
    w.PassLevel[2]->SetValue(true);
    w.LogActivate[1]->SetValue(true);
    w.PWNew->setFocus();
    w.PWNew->Press();
    expectBox("NEW USER ADDED!", vbInformation);
    expectReset(w);
    EXPECT_EQ(w.focusWidget(), w.LogId);  // ready for the next logon ID
  });
  std::string expected = users_;
  expected.replace(2 * 68, 68, passwordRecord("KWVKWV", "hog3", 3, "YES", "12/07/2026", " Jim Hale", "JH"));
  EXPECT_EQ(plainUsers(), expected);
  EXPECT_EQ(machine("Require_Password?"), "NO");
}

TEST_F(UserMaintenance, WithNoFreeRecordTheNewUserIsAppended) {
  std::string full = passwordRecord("Mendrel", "Admin", 0, "YES", kOld) + passwordRecord("hogs123", "jsmith", 2);
  run([&](PassWrd2& w) {
    lookUp(w, "USER");
    writeUsers(full);  // meanwhile the last free record was taken
    w.LogId->SetText("ann");
    w.PWNew->Press();
    expectBox("NEW USER ADDED!", vbInformation);
  });
  // No option was chosen but the one of the record looked up, level 4.
  EXPECT_EQ(plainUsers(), full + passwordRecord("KWVKWV", "ann", 4, "YES", "12/07/2026"));
  EXPECT_EQ(machine("Require_Password?"), "YES");
}

TEST_F(UserMaintenance, NewUserRefusals) {
  run([&](PassWrd2& w) {
    lookUp(w, "odd");
    w.PWEdit->setEnabled(true);
    w.PWNew->setEnabled(true);  // as after a look-up of a free record
    w.PWNew->Press();
    expectBox("ERROR: LOGON ID HASN'T CHANGED!\r\rYou MUST enter a new LogonId.", vbExclamation);
    w.LogId->SetText("jsmith");
    w.PWNew->Press();
    expectBox("NEW USER ALREADY USED!", vbInformation);
    expectReset(w);
  });
  EXPECT_EQ(plainUsers(), users_);
}

TEST_F(UserMaintenance, EditChangesNameInitialsLevelAndTheLogonSetting) {
  run([&](PassWrd2& w) {
    lookUp(w, "jsmith");
    w.PswUserName->SetText("John Smythe");
    w.PswInitals->SetText("JSM");
    w.PassLevel[3]->SetValue(true);
    w.LogActivate[1]->SetValue(true);
    w.PWEdit->Press();
    expectBox("USER INFRO UPDATED!", vbInformation);
    expectReset(w);
  });
  std::string expected = users_;
  expected.replace(68, 68, passwordRecord("hogs123", "jsmith", 4, "YES", "12/07/2026", "John Smythe", "JSM"));
  EXPECT_EQ(plainUsers(), expected);
  EXPECT_EQ(machine("Require_Password?"), "NO");
}

TEST_F(UserMaintenance, EditRefusalsAndAnIdNotFound) {
  run([&](PassWrd2& w) {
    lookUp(w, "jsmith");
    w.LogId->SetText("Admin");
    w.PWEdit->Press();
    expectBox("ERROR: INVALIED LOGON ID!\r\rYou can not edit the 'Admin' Logon Id.", vbExclamation);
    w.LogId->SetText("nobody");
    w.PWEdit->Press();
    expectBox("ERROR: ENTERED LOGONID NOT FOUND!", vbExclamation);
    expectReset(w);
  });
  EXPECT_EQ(plainUsers(), users_);
}

TEST_F(UserMaintenance, ClearPasswordPutsThePlaceholderBack) {
  run([&](PassWrd2& w) {
    lookUp(w, "jsmith");
    w.LogId->SetText("changed");  // the looked-up ID counts
    w.PWClear->Press();
    expectBox("PASSWORD CLEARED!", vbInformation);
    expectReset(w);
  });
  std::string expected = users_;
  expected.replace(68, 68, passwordRecord("KWVKWV", "jsmith", 2, "YES", "12/07/2026", "John Smith", "JS"));
  EXPECT_EQ(plainUsers(), expected);
}

TEST_F(UserMaintenance, ClearPasswordRefusesAFreeRecord) {
  run([&](PassWrd2& w) {
    lookUp(w, "USER");
    w.PWClear->Press();
    expectBox("ERROR: INVALIED LOGON ID!\r\rYou can not use 'User' Logon Id.", vbExclamation);
  });
  EXPECT_EQ(plainUsers(), users_);
}

TEST_F(UserMaintenance, DeleteFreesTheRecordWithoutAQuestion) {
  run([&](PassWrd2& w) {
    lookUp(w, "jsmith");
    w.PWDelete->Press();
    ASSERT_EQ(tp.dialogs.shown.size(), 1u);
    expectBox("USER DELETED!", vbInformation);
    expectReset(w);
  });
  std::string expected = users_;
  expected.replace(68, 68, passwordRecord("KWVKWV", "USER", 4, "YES", "12/07/2026"));
  EXPECT_EQ(plainUsers(), expected);
}

TEST_F(UserMaintenance, DeleteNeedsANewLookUpAfterTheIdChanged) {
  run([&](PassWrd2& w) {
    lookUp(w, "jsmith");
    w.LogId->SetText("odd");
    w.PWDelete->Press();
    expectBox("ERROR: LOGONID HAS CHANGED!\r\rYou have changed the LogonId.\rYou MUST push enter after changing\r"
              "the LogonId.",
              vbExclamation);
    EXPECT_EQ(w.LogId->Text(), "odd");  // a refusal leaves the window
    EXPECT_TRUE(w.PWDelete->isEnabled());
  });
  EXPECT_EQ(plainUsers(), users_);
}

TEST_F(UserMaintenance, AMissingFileIsToldWithItsPath) {
  platform::deleteFile(pwf());
  run([&](PassWrd2& w) {
    lookUp(w, "jsmith");
    expectBox("ERROR: PASSWORD FILE WASN'T FOUND!\r\rThe Password file: " + AppFolder + "TARLOWE.PWF\rwasn't found!",
              vbExclamation);
    expectReset(w);
  });
  EXPECT_FALSE(platform::fileExists(pwf()));
}

TEST_F(UserMaintenance, ACorruptFileIsRebuiltWithTheHandlersFreeId) {
  writeUsers(passwordRecord("Mendrel", "Admin", 0, "NO!") + passwordRecord("hogs123", "jsmith", 2));
  run([&](PassWrd2& w) {
    lookUp(w, "jsmith");
    expectBox("ERROR:  CAN'T OPEN PASSWORD FILE!\r\rCorrupt file.. Generating new file.", vbExclamation);
    EXPECT_TRUE(w.PWNew->isEnabled());
  });
  std::string expected = passwordRecord("KWVKWV", "Admin", 0);
  for (int i = 2; i <= 32; ++i) expected += passwordRecord("KWVKWV", "User", 4);
  EXPECT_EQ(plainUsers(), expected);
  // On a rebuilt file only "User" finds a free record.
  run([&](PassWrd2& w) {
    lookUp(w, "USER");
    expectBox("LOGON ID WASN'T FOUND IN PASSWORD FILE!", vbInformation);
    lookUp(w, "User");
    EXPECT_TRUE(w.PWNew->isEnabled());
  });
  writeUsers(users_);
  run([&](PassWrd2& w) {
    lookUp(w, "jsmith");
    writeUsers(passwordRecord("Mendrel", "Admin", 0, "   "));
    w.PWDelete->Press();
  });
  expected = passwordRecord("KWVKWV", "Admin", 0);
  for (int i = 2; i <= 32; ++i) expected += passwordRecord("KWVKWV", "USER", 4);
  EXPECT_EQ(plainUsers(), expected);
}

TEST_F(UserMaintenance, ExitHidesTheWindow) {
  bool hidden = false;
  run([&](PassWrd2& w) {
    w.PWExit->Press();
    hidden = !w.isVisible();
  });
  EXPECT_TRUE(hidden);
  EXPECT_TRUE(tp.windows.leftOpen.empty());
}
