#include "common/HogGlobals.h"
#include "shell/EnPasswordInfro.h"
#include "shell/LogOnFixture.h"
#include "shell/PassWrd2.h"

using namespace platform;

// A run from a new password file: the administrator sets his password, adds
// users, and they log on and off in turn.
class LogOnScenario : public LogOnTest {
 protected:
  void addUser(Tarlowe2& w, const std::string& id, const std::string& name, const std::string& initials, int level) {
    tp.windows.on("PassWrd2", as<PassWrd2>([=](PassWrd2& p) {
      p.LogId->SetText("USER");
      p.LogId->Type("\r");
      p.LogId->SetText(id);
      p.PswUserName->SetText(name);
      p.PswInitals->SetText(initials);
      p.PassLevel[static_cast<size_t>(level - 1)]->SetValue(true);
      p.PWNew->Press();
      p.PWExit->Press();
    }));
    w.LogOnMenu->Click(2);
  }
  // The user logs on with the placeholder, sets `password` and logs on with it.
  void firstLogOn(Tarlowe2& w, const std::string& id, const std::string& password) {
    typeLogOn("KWVKWV", id);
    tp.windows.on("EnPasswordInfro", as<EnPasswordInfro>([password](EnPasswordInfro& info) {
      info.EntPassword->SetText(password);
      info.Accept->Press();
    }));
    typeLogOn(password);
    w.LogOnMenu->Click(0);
  }
  static void expectEverything(Tarlowe2& w) {
    for (int i = 0; i <= 10; ++i) EXPECT_TRUE(w.MainMenu->Visible(i) && w.MainMenu->Enabled(i)) << i;
    EXPECT_TRUE(w.LogOnMenu->Visible(1) && w.LogOnMenu->Visible(2) && w.LogOnMenu->Enabled(2));
    for (MenuArray* m : {w.MainBoar, w.MainSow, w.PigletMenu, w.MainSales, w.MainFeed, w.MainReports, w.MainMed})
      for (int i = 0; m->Has(i); ++i) EXPECT_TRUE(m->Visible(i)) << m->objectName().toStdString() << i;
    for (int i = 0; i <= 3; ++i) EXPECT_TRUE(w.UtilMenu->Visible(i)) << i;
  }
};

TEST_F(LogOnScenario, FromANewPasswordFileThroughThreeUsers) {
  start();  // no password file: the start-up makes the default one
  Tarlowe2& w = MainForm();
  ASSERT_EQ(readFile(pwf()).size(), 32u * 68u);

  firstLogOn(w, "Admin", "Mendrel");
  EXPECT_EQ(tp.windows.shownModal, (std::vector<std::string>{"PassWrd1", "EnPasswordInfro", "PassWrd1"}));
  ASSERT_FALSE(tp.dialogs.shown.empty());
  EXPECT_EQ(tp.dialogs.shown[0].text, "USER INFROMATION ACCEPTED.");
  EXPECT_EQ(CurrentUser[4], "0");
  EXPECT_EQ(CurrentUser[2], "PXW");
  EXPECT_EQ(plainRecord(1), passwordRecord("Mendrel", "Admin", 0, "YES", "12/07/2026", "Administrator", "PXW"));
  expectEverything(w);

  addUser(w, "hog3", "Jim Hale", "JH", 3);
  addUser(w, "hog4", "Kay Low", "KL", 4);
  EXPECT_EQ(plainRecord(2), passwordRecord("KWVKWV", "hog3", 3, "YES", "12/07/2026", "Jim Hale", "JH"));
  EXPECT_EQ(plainRecord(3), passwordRecord("KWVKWV", "hog4", 4, "YES", "12/07/2026", "Kay Low", "KL"));
  w.LogOnMenu->Click(3);

  firstLogOn(w, "hog3", "farrow3");
  EXPECT_EQ(plainRecord(2), passwordRecord("farrow3", "hog3", 3, "YES", "12/07/2026", "Jim Hale", "JH"));
  EXPECT_EQ(CurrentUser[1], "hog3");
  EXPECT_EQ(CurrentUser[4], "3");
  EXPECT_FALSE(w.MainMenu->Visible(8));
  EXPECT_FALSE(w.PigletMenu->Visible(4));
  EXPECT_TRUE(w.MainMed->Visible(0) && w.MainFeed->Visible(9) && w.LogOnMenu->Visible(1));
  w.LogOnMenu->Click(3);

  firstLogOn(w, "hog4", "farrow4");
  EXPECT_EQ(CurrentUser[4], "4");
  EXPECT_FALSE(w.MainMenu->Visible(8));
  EXPECT_FALSE(w.PigletMenu->Visible(4));
  EXPECT_FALSE(w.MainMed->Visible(0));
  EXPECT_FALSE(w.MainFeed->Visible(9));
  EXPECT_FALSE(w.LogOnMenu->Visible(1));
  w.LogOnMenu->Click(3);

  logOn(w, "Mendrel", "Admin");
  EXPECT_EQ(CurrentUser[4], "0");
  expectEverything(w);
  EXPECT_EQ(machine("LogOnID"), "Admin");
}
