#include "common/HogGlobals.h"
#include "platform/FileSystem.h"
#include "shell/PasswordFile.h"
#include "shell/LogOnFixture.h"
#include "shell/UserChecks.h"
#include "support/BoxMatch.h"
#include "support/FocusChain.h"

using namespace platform;

namespace {
const char* kTitle = "E N T E R      P A S S W O R D";
}

class LogOnDialog : public LogOnTest {
 protected:
  // Shows the dialog once with `script` acting for the user; the dialog is
  // unloaded afterwards, as its opener does.
  void run(std::function<void(PassWrd1&)> script) {
    tp.windows.on("PassWrd1", as<PassWrd1>(std::move(script)));
    PassWrd1 dialog;
    dialog.Show(vbModal);
    dialog.Unload();
  }
  void expectRefusal(const std::string& text, int icon) { EXPECT_TRUE(LastBoxIs(tp.dialogs, {text, kTitle, icon})); }
};

TEST_F(LogOnDialog, OffersTheLastLogonIdAndStartsTheCurrentUserAfresh) {
  startedWith(standardUsers(), "jsmith");
  CurrentUser[2] = "JS";
  CurrentUser[3] = "old";
  run([](PassWrd1& w) {
    EXPECT_EQ(w.Caption(), "Password & User Logon");
    EXPECT_EQ(w.Label1->Caption(), "ENTER PASSWORD & LOGON ID BELOW:");
    EXPECT_EQ(w.Label2->Caption(), "Password:");
    EXPECT_EQ(w.Label3->Caption(), "Logon ID:");
    EXPECT_EQ(w.LogId->Text(), "jsmith");
    EXPECT_TRUE(w.LogId->isEnabled());
    EXPECT_EQ(w.PassWord->Text(), "");
    EXPECT_EQ(w.PassWord->echoMode(), QLineEdit::Password);
    EXPECT_EQ(w.PassWord->maxLength(), 10);
    EXPECT_EQ(w.LogId->maxLength(), 20);
    EXPECT_EQ(w.PWChg->Caption(), "CHANGE");
    EXPECT_FALSE(w.PWChg->isEnabled());
    EXPECT_EQ(w.PWAcc->Caption(), "&ACCEPT");
    EXPECT_EQ(w.PwfPath, AppFolder + "TARLOWE.PWF");
    EXPECT_EQ(CurrentUser[1], "");
    EXPECT_EQ(CurrentUser[2], "JS");  // not touched
    EXPECT_EQ(CurrentUser[3], "");
    EXPECT_EQ(CurrentUser[4], "4");
    EXPECT_EQ(CurrentUser[5], "NO");
  });
}

TEST_F(LogOnDialog, WithoutALastLogonOnlyAdminCanBeUsed) {
  startedWith(standardUsers(), "");
  run([](PassWrd1& w) {
    EXPECT_EQ(w.Label1->Caption(), "ENTER PASSWORD:");
    EXPECT_EQ(w.LogId->Text(), "Admin");
    EXPECT_FALSE(w.LogId->isEnabled());
  });
}

TEST_F(LogOnDialog, AcceptedPairFillsTheCurrentUserAndHidesTheDialog) {
  startedWith(standardUsers(), "Admin");
  const std::string before = readFile(pwf());
  bool hidden = false;
  run([&](PassWrd1& w) {
    w.LogId->SetText("  jsmith ");
    w.PassWord->SetText(" hogs123  ");
    w.PWAcc->Press();
    hidden = !w.isVisible() && w.IsLoaded();
  });
  EXPECT_TRUE(hidden);
  EXPECT_TRUE(tp.windows.leftOpen.empty());
  EXPECT_TRUE(tp.dialogs.shown.empty());
  EXPECT_EQ(CurrentUser[1], "jsmith");
  EXPECT_EQ(CurrentUser[3], "hogs123");
  EXPECT_EQ(CurrentUser[4], "2");
  EXPECT_EQ(CurrentUser[5], "YES");
  EXPECT_EQ(machine("LogOnID"), "jsmith");
  EXPECT_EQ(readFile(pwf()), before);  // only read
}

TEST_F(LogOnDialog, EnterInThePasswordBoxAccepts) {
  startedWith(standardUsers(), "jsmith");
  run([](PassWrd1& w) { w.PassWord->Type("hogs123\r"); });
  EXPECT_EQ(CurrentUser[5], "YES");
  EXPECT_EQ(CurrentUser[3], "hogs123");
}

TEST_F(LogOnDialog, ARefusedEntryIsShownWithTheFocusBackInItsBox) {
  startedWith(standardUsers(), "jsmith");
  run([&](PassWrd1& w) {
    w.PassWord->SetText("   ");
    w.PWAcc->setFocus();
    w.PWAcc->Press();
    EXPECT_TRUE(LastBoxIs(tp.dialogs, BoxOf(CheckLogOnEntry("   ", "jsmith"))));
    EXPECT_EQ(w.focusWidget(), w.PassWord);
    w.PassWord->SetText("hogs123");
    w.LogId->SetText("  ");
    w.PWAcc->setFocus();
    w.PWAcc->Press();
    EXPECT_TRUE(LastBoxIs(tp.dialogs, BoxOf(CheckLogOnEntry("hogs123", "  "))));
    EXPECT_EQ(w.focusWidget(), w.LogId);
    EXPECT_TRUE(w.isVisible());
  });
  EXPECT_EQ(tp.dialogs.shown.size(), 2u);
  EXPECT_EQ(CurrentUser[5], "NO");
}

TEST_F(LogOnDialog, WrongPairIsRefusedAndTheDialogStaysForAnotherTry) {
  startedWith(standardUsers(), "jsmith");
  const std::string before = readFile(pwf());
  run([&](PassWrd1& w) {
    w.PassWord->SetText("HOGS123");  // letter case counts
    w.PWAcc->setFocus();
    w.PWAcc->Press();
    expectRefusal("INVALIED PASSWORD or LOGON ID!", vbCritical);
    EXPECT_EQ(w.Label1->Caption(), "");
    EXPECT_EQ(w.PassWord->Text(), "");
    EXPECT_EQ(w.focusWidget(), w.PassWord);  // the password is typed again at once
    EXPECT_EQ(w.LogId->Text(), "jsmith");
    EXPECT_TRUE(w.isVisible());
    EXPECT_FALSE(tp.screen.hourglass());
    w.PassWord->SetText("hogs123");
    w.PWAcc->Press();
  });
  EXPECT_EQ(CurrentUser[5], "YES");
  EXPECT_EQ(readFile(pwf()), before);
}

TEST_F(LogOnDialog, SixCharactersAreLookedUpAndEitherRecordOfATwiceUsedIdMatches) {
  std::string plain = standardUsers();
  plain += passwordRecord("pigs12", "twin", 3);
  plain += passwordRecord("sows34", "twin", 1);
  startedWith(plain, "twin");
  run([](PassWrd1& w) {
    w.PassWord->SetText("sows34");
    w.PWAcc->Press();
  });
  EXPECT_EQ(CurrentUser[5], "YES");
  EXPECT_EQ(CurrentUser[4], "1");  // the level of the record that matched
}

TEST_F(LogOnDialog, CorruptFileIsDeletedAndTheProgramEnds) {
  startedWith(standardUsers(), "jsmith");
  writeUsers(passwordRecord("Mendrel", "Admin", 0, "NO") + passwordRecord("hogs123", "jsmith", 2));
  bool invalid = false;
  run([&](PassWrd1& w) {
    w.PassWord->SetText("hogs123");
    w.PWAcc->Press();
    invalid = w.FileInvalid;
    EXPECT_EQ(w.PassWord->Text(), "");
    EXPECT_EQ(w.Label1->Caption(), "");
  });
  EXPECT_TRUE(invalid);
  expectRefusal("INVALIED PASSWORD FILE!\r\r  TERMINATING!!!  ", vbCritical);
  EXPECT_EQ(tp.dialogs.shown.size(), 1u);
  EXPECT_FALSE(platform::fileExists(pwf()));
  EXPECT_EQ(tp.end.ends, 1);
  EXPECT_EQ(tp.help.quits, 1);
  EXPECT_EQ(getProfileString("STARTUPINFO", "CurrentDate", "", tp.path("TARLOWE.INI")), "12/07/2026");
  EXPECT_EQ(CurrentUser[5], "NO");
}

TEST_F(LogOnDialog, AFileGoneSinceTheStartEndsTheProgramAndTheNextStartMakesANewOne) {
  startedWith(standardUsers(), "jsmith");
  platform::deleteFile(pwf());
  run([](PassWrd1& w) {
    w.PassWord->SetText("hogs123");
    w.PWAcc->Press();
  });
  expectRefusal("INVALIED PASSWORD FILE!\r\r  TERMINATING!!!  ", vbCritical);
  EXPECT_EQ(tp.end.ends, 1);
  PasswordFileCheck();
  EXPECT_EQ(readFile(pwf()).size(), 32u * 68u);
}

TEST_F(LogOnDialog, AnEmptyFileIsInvalid) {
  startedWith(standardUsers(), "jsmith");
  writeFile(pwf(), "");
  run([](PassWrd1& w) {
    w.PassWord->SetText("hogs123");
    w.PWAcc->Press();
  });
  expectRefusal("INVALIED PASSWORD FILE!\r\r  TERMINATING!!!  ", vbCritical);
  EXPECT_FALSE(platform::fileExists(pwf()));
  EXPECT_EQ(tp.end.ends, 1);
}

TEST_F(LogOnDialog, TabGoesFromThePasswordToTheIdAndThenToTheButtons) {
  PassWrd1 dialog;
  EXPECT_EQ(tabOrder(dialog, {"PassWord", "LogId", "PWChg", "PWAcc"}),
            (std::vector<std::string>{"PassWord", "LogId", "PWChg", "PWAcc"}));
}
