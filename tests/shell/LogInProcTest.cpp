#include <filesystem>

#include "common/HogGlobals.h"
#include "platform/FileSystem.h"
#include "shell/EnPasswordInfro.h"
#include "shell/LogOnFixture.h"
#include "support/BoxMatch.h"

using namespace platform;

class LogIn : public LogOnTest {
 protected:
  void expectLogOnRefusal(const std::string& text) {
    EXPECT_TRUE(LastBoxIs(tp.dialogs, {text, "* *  L O G O N  * *"}));
  }
  // Still logged out: Logon offered, no area menu.
  void expectLoggedOut(Tarlowe2& w) {
    EXPECT_TRUE(w.LogOnMenu->Visible(0));
    EXPECT_FALSE(w.LogOnMenu->Visible(3));
    for (int i = 1; i <= 9; ++i) EXPECT_FALSE(w.MainMenu->Visible(i)) << i;
  }
};

TEST_F(LogIn, AUserOfThePasswordFileIsLoggedOnWithHisInitialsAndLevel) {
  Tarlowe2& w = startedWith(standardUsers(), "jsmith");
  const std::string before = readFile(pwf());
  logOn(w, "hogs123");
  EXPECT_EQ(tp.windows.shownModal, std::vector<std::string>{"PassWrd1"});
  EXPECT_TRUE(tp.dialogs.shown.empty());
  EXPECT_EQ(CurrentUser[1], "jsmith");
  EXPECT_EQ(CurrentUser[2], "JS");
  EXPECT_EQ(CurrentUser[3], "hogs123");
  EXPECT_EQ(CurrentUser[4], "2");
  EXPECT_EQ(CurrentUser[5], "YES");
  EXPECT_EQ(machine("LogOnID"), "jsmith");
  EXPECT_EQ(readFile(pwf()), before);
  EXPECT_FALSE(w.LogOnMenu->Visible(0));
  EXPECT_TRUE(w.LogOnMenu->Visible(3));
}

TEST_F(LogIn, AWrongPairIsRefusedAndLeavesThePasswordFileByteForByte) {
  Tarlowe2& w = startedWith(standardUsers(), "jsmith");
  const std::string before = readFile(pwf());
  tp.windows.on("PassWrd1", as<PassWrd1>([](PassWrd1& d) {
    d.PassWord->SetText("hogs999");
    d.PWAcc->Press();
    d.close();  // the user gives up
  }));
  w.LogOnMenu->Click(0);
  ASSERT_EQ(tp.dialogs.shown.size(), 2u);
  EXPECT_EQ(tp.dialogs.shown[0].text, "INVALIED PASSWORD or LOGON ID!");
  expectLogOnRefusal("ERROR: INVALIED PASSWORD!");
  EXPECT_EQ(readFile(pwf()), before);
  EXPECT_EQ(CurrentUser[1], "jsmith");  // the LogOnID setting
  EXPECT_EQ(CurrentUser[5], "NO");
  expectLoggedOut(w);
}

TEST_F(LogIn, AClosedDialogLogsNobodyOnNotEvenOverABlankStoredPassword) {
  std::string plain = standardUsers() + passwordRecord("", "nopass", 1);
  Tarlowe2& w = startedWith(plain, "nopass");
  closeLogOn();
  w.LogOnMenu->Click(0);
  ASSERT_EQ(tp.dialogs.shown.size(), 1u);
  expectLogOnRefusal("ERROR: INVALIED PASSWORD!");
  expectLoggedOut(w);
}

TEST_F(LogIn, AClosedDialogWithAnUnknownLastIdIsAnInvalidLogonId) {
  Tarlowe2& w = startedWith(standardUsers(), "gone");
  closeLogOn();
  w.LogOnMenu->Click(0);
  ASSERT_EQ(tp.dialogs.shown.size(), 1u);
  expectLogOnRefusal("ERROR: INVALIED LOGON ID!");
  expectLoggedOut(w);
}

TEST_F(LogIn, OnlyTheFirstRecordOfATwiceUsedIdCounts) {
  std::string plain = standardUsers() + passwordRecord("pigs12", "twin", 3) + passwordRecord("sows34", "twin", 1);
  Tarlowe2& w = startedWith(plain, "twin");
  logOn(w, "sows34");  // the dialog accepts the second record
  expectLogOnRefusal("ERROR: INVALIED PASSWORD!");
  expectLoggedOut(w);
  tp.dialogs.clear();
  logOn(w, "pigs12");
  EXPECT_TRUE(tp.dialogs.shown.empty());
  EXPECT_EQ(CurrentUser[4], "3");
}

TEST_F(LogIn, TheAdministratorsBuiltInPasswordsLogOnAsAdminAtLevelOne) {
  for (const char* builtIn : {"QXR4816", "Qxr4816"}) {
    std::string plain = standardUsers() + passwordRecord(builtIn, "boss", 3, "YES", "01/01/2020", "", "BB");
    Tarlowe2& w = startedWith(plain, "boss");
    logOn(w, builtIn);
    EXPECT_TRUE(tp.dialogs.shown.empty()) << builtIn;
    EXPECT_EQ(CurrentUser[1], "Admin");
    EXPECT_EQ(CurrentUser[2], "@@@");
    EXPECT_EQ(CurrentUser[4], "1");
    EXPECT_EQ(machine("LogOnID"), "Admin");
    EXPECT_TRUE(w.MainMenu->Visible(8));  // level 1, not the record's 3
    EXPECT_FALSE(w.LogOnMenu->Visible(2));
    ReleaseMainForm();
  }
}

TEST_F(LogIn, TheMastersBuiltInPassword) {
  std::string plain = standardUsers() + passwordRecord("5BRINEFOX3", "boss", 4);
  Tarlowe2& w = startedWith(plain, "boss");
  logOn(w, "5BRINEFOX3");
  EXPECT_EQ(CurrentUser[1], "BrineFox");
  EXPECT_EQ(CurrentUser[2], "%%%");
  EXPECT_EQ(CurrentUser[4], "1");
  EXPECT_EQ(machine("LogOnID"), "BrineFox");
}

TEST_F(LogIn, ABuiltInPasswordInAnotherCaseGoesToThePasswordFile) {
  std::string plain = standardUsers() + passwordRecord("qxr4816", "boss", 3, "YES", "01/01/2020", "", "BB");
  Tarlowe2& w = startedWith(plain, "boss");
  logOn(w, "qxr4816");
  EXPECT_EQ(CurrentUser[1], "boss");
  EXPECT_EQ(CurrentUser[2], "BB");
  EXPECT_EQ(CurrentUser[4], "3");
}

TEST_F(LogIn, ALevelOutsideZeroToFourIsItsOwnText) {
  std::string plain = standardUsers() + passwordRecord("strange1", "odd", 7);
  Tarlowe2& w = startedWith(plain, "odd");
  logOn(w, "strange1");
  EXPECT_EQ(CurrentUser[4], "7");
}

TEST_F(LogIn, ThePlaceholderLeadsToTheUserInformationAsOftenAsItIsTyped) {
  std::string plain = standardUsers() + passwordRecord("KWVKWV", "newbie", 4);
  Tarlowe2& w = startedWith(plain, "newbie");
  std::vector<std::string> seen;
  auto closeInfo = [&](EnPasswordInfro& info) {
    seen.push_back(info.EntLogonID->Text() + "/" + info.EntPassword->Text());
    info.close();  // leaves without an entry; the question's default lets it go
  };
  typeLogOn("KWVKWV");
  tp.windows.on("EnPasswordInfro", as<EnPasswordInfro>(closeInfo));
  typeLogOn("KWVKWV");
  tp.windows.on("EnPasswordInfro", as<EnPasswordInfro>(closeInfo));
  closeLogOn();
  w.LogOnMenu->Click(0);
  EXPECT_EQ(tp.windows.shownModal, (std::vector<std::string>{"PassWrd1", "EnPasswordInfro", "PassWrd1",
                                                             "EnPasswordInfro", "PassWrd1"}));
  EXPECT_EQ(seen, (std::vector<std::string>{"newbie/KWVKWV", "newbie/KWVKWV"}));
  // The closed third dialog leaves no password.
  expectLogOnRefusal("ERROR: INVALIED PASSWORD!");
  expectLoggedOut(w);
}

TEST_F(LogIn, ACorruptFileFoundAtTheDecisionIsDeletedAndEndsTheProgram) {
  Tarlowe2& w = startedWith(standardUsers(), "jsmith");
  writeUsers(passwordRecord("Mendrel", "Admin", 0, "yes") + passwordRecord("hogs123", "jsmith", 2));
  closeLogOn();  // the dialog reads nothing
  w.LogOnMenu->Click(0);
  ASSERT_EQ(tp.dialogs.shown.size(), 1u);
  EXPECT_EQ(tp.dialogs.last().text, "INVALIED PASSWORD FILE!\r\r  TERMINATING!!!  ");
  EXPECT_EQ(tp.dialogs.last().title, "E N T E R      P A S S W O R D");
  EXPECT_EQ(tp.dialogs.last().icon, vbCritical);
  EXPECT_TRUE(tp.dialogs.last().beepBefore);
  EXPECT_FALSE(platform::fileExists(pwf()));
  EXPECT_EQ(tp.end.ends, 1);
  expectLoggedOut(w);
}

TEST_F(LogIn, AnInvalidFileInTheDialogEndsTheProgramOnce) {
  Tarlowe2& w = startedWith(standardUsers(), "jsmith");
  platform::deleteFile(pwf());
  logOn(w, "hogs123");
  EXPECT_EQ(tp.dialogs.shown.size(), 1u);
  EXPECT_EQ(tp.end.ends, 1);
  EXPECT_EQ(tp.windows.shownModal, std::vector<std::string>{"PassWrd1"});
  expectLoggedOut(w);
}

TEST_F(LogIn, NoLimitOnAttempts) {
  Tarlowe2& w = startedWith(standardUsers(), "jsmith");
  tp.windows.on("PassWrd1", as<PassWrd1>([](PassWrd1& d) {
    for (int i = 0; i < 12; ++i) {
      d.PassWord->SetText("wrong" + std::to_string(100 + i));
      d.PWAcc->Press();
    }
    d.PassWord->SetText("hogs123");
    d.PWAcc->Press();
  }));
  w.LogOnMenu->Click(0);
  EXPECT_EQ(tp.dialogs.shown.size(), 12u);
  EXPECT_EQ(CurrentUser[4], "2");
  EXPECT_TRUE(w.LogOnMenu->Visible(3));
}

TEST_F(LogIn, AFileThatCannotBeReadIsReportedAndKeptAndTheProgramGoesOn) {
  Tarlowe2& w = startedWith(standardUsers(), "jsmith");
  // The password file's place now holds a file whose reading fails.
  platform::deleteFile(pwf());
  std::filesystem::create_symlink("/proc/self/mem", pwf());
  logOn(w, "hogs123");
  // Once, in the dialog, which stays open; the log-on then stops without
  // saying it again.
  ASSERT_EQ(tp.dialogs.shown.size(), 1u);
  const ShownBox& box = tp.dialogs.last();
  EXPECT_EQ(box.title, "E N T E R      P A S S W O R D");
  EXPECT_EQ(box.text.rfind("ERROR:  CAN'T OPEN PASSWORD FILE!\r\rThe file cannot be read:\r" + pwf(), 0), 0u);
  EXPECT_EQ(box.icon, vbCritical);
  EXPECT_TRUE(box.beepBefore);
  EXPECT_TRUE(std::filesystem::is_symlink(pwf()));
  EXPECT_EQ(tp.end.ends, 0);
  EXPECT_EQ(CurrentUser[5], "NO");
  expectLoggedOut(w);
}
