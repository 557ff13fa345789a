#include <QApplication>
#include <QMenu>

#include "common/HogGlobals.h"
#include "shell/EnPasswordInfro.h"
#include "shell/LogOnFixture.h"
#include "shell/PassWrd2.h"
#include "shell/UserChecks.h"
#include "support/BoxMatch.h"
#include "support/Keys.h"

using namespace platform;

namespace {
// What a log-on at one level leaves visible, read off the access table by
// hand. Top-level menus that are visible are enabled too.
struct LevelView {
  std::string level;
  bool editUser, addUser, utilities, moveDatabase, backUp, restore, vaccinations, drugList, feedIngredients;
};
void PrintTo(const LevelView& v, std::ostream* os) { *os << "level " << v.level; }
const LevelView kLevels[] = {
    {"0", true, true, true, true, true, true, true, true, true},
    {"1", true, false, true, false, true, true, true, true, true},
    {"2", true, false, true, false, false, false, true, true, true},
    {"3", true, false, false, true, true, true, false, true, true},
    {"4", false, false, false, true, true, true, false, false, false},
};
}  // namespace

class AccessLevels : public LogOnTest, public ::testing::WithParamInterface<LevelView> {
 protected:
  // A user at each level, password "secret" + level.
  static std::string levelUsers() {
    std::string plain = standardUsers();
    for (int level = 0; level <= 4; ++level)
      plain += passwordRecord("secret" + std::to_string(level), "lev" + std::to_string(level), level, "YES",
                              "01/01/2020", "", "L" + std::to_string(level));
    return plain;
  }
  void logOnAt(Tarlowe2& w, const std::string& level) { logOn(w, "secret" + level, "lev" + level); }

  void expectView(Tarlowe2& w, const LevelView& v) {
    SCOPED_TRACE("level " + v.level);
    EXPECT_EQ(CurrentUser[4], v.level);
    EXPECT_FALSE(w.LogOnMenu->Visible(0));
    EXPECT_EQ(w.LogOnMenu->Visible(1), v.editUser);
    EXPECT_EQ(w.LogOnMenu->Visible(2), v.addUser);
    EXPECT_EQ(w.LogOnMenu->Enabled(2), v.addUser);
    EXPECT_TRUE(w.LogOnMenu->Visible(3));
    for (int i = 0; i <= 10; ++i) {
      bool shown = i != 8 || v.utilities;
      EXPECT_EQ(w.MainMenu->Visible(i), shown) << i;
      EXPECT_EQ(w.MainMenu->Enabled(i), shown) << i;
    }
    EXPECT_EQ(w.UtilMenu->Visible(2), v.moveDatabase);
    EXPECT_EQ(w.UtilMenu->Visible(3), v.backUp);
    EXPECT_EQ(w.UtilMenu->Visible(4), v.restore);
    EXPECT_EQ(w.PigletMenu->Visible(4), v.vaccinations);
    EXPECT_EQ(w.MainMed->Visible(0), v.drugList);
    EXPECT_EQ(w.MainFeed->Visible(9), v.feedIngredients);
    // An area item is enabled at every level exactly when the area table
    // opens something for it, but where the level disables it (Move Database).
    for (MenuArray* m : {w.MainBoar, w.MainSow, w.PigletMenu, w.MainSales, w.MainFeed, w.FeedConv, w.MainReports,
                         w.MainMed, w.UtilMenu}) {
      for (int i = 0; m->Has(i); ++i) {
        const bool disabledByLevel = m == w.UtilMenu && i == 2 && !v.moveDatabase;
        EXPECT_EQ(m->Enabled(i), w.HasWindow(m, i) && !disabledByLevel) << m->objectName().toStdString() << i;
      }
    }
    for (int i = 0; i <= 3; ++i) EXPECT_TRUE(w.PigletMenu->Visible(i)) << i;
    EXPECT_TRUE(w.MainMed->Visible(1));
    EXPECT_TRUE(w.UtilMenu->Visible(0) && w.UtilMenu->Visible(1));
    EXPECT_TRUE(w.MainHelp->Enabled(0) && w.MainHelp->Enabled(2));
    EXPECT_TRUE(w.LogOnMenu->Enabled(0) && w.LogOnMenu->Enabled(1) && w.LogOnMenu->Enabled(3));
  }
};

TEST_P(AccessLevels, TheFirstLogOnOfARunShowsTheLevelsColumn) {
  setMachine("DbBackUpPath", "/media/backup");
  Tarlowe2& w = startedWith(levelUsers(), "lev0");
  logOnAt(w, GetParam().level);
  EXPECT_TRUE(tp.dialogs.shown.empty());
  expectView(w, GetParam());
  w.Activate();  // a later activation keeps what the level hid
  expectView(w, GetParam());
  // A menu its letter opens has a shown item chosen for Enter, never one the
  // level hid (LOGON's Logon at every level, MEDICATION's Drug List at 4).
  activate(w);
  for (char letter : {'l', 'm'}) {
    pressAlt(letter);
    const auto* open = static_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(open, nullptr) << letter;
    ASSERT_NE(open->activeAction(), nullptr) << letter;
    EXPECT_TRUE(open->activeAction()->isVisible()) << letter;
    press(Qt::Key_Escape);
  }
}

INSTANTIATE_TEST_SUITE_P(EveryLevel, AccessLevels, ::testing::ValuesIn(kLevels),
                         [](const auto& info) { return "Level" + info.param.level; });

TEST_P(AccessLevels, NoLevelCarriesOverToTheNextUser) {
  setMachine("DbBackUpPath", "/media/backup");
  Tarlowe2& w = startedWith(levelUsers(), "lev0");
  for (const LevelView& before : kLevels) {
    logOnAt(w, before.level);
    w.LogOnMenu->Click(3);
    logOnAt(w, GetParam().level);
    expectView(w, GetParam());
    w.LogOnMenu->Click(3);
  }
}

class AccessTable : public LogOnTest {};

TEST_F(AccessTable, RestoreDatabaseNeedsABackUpPathAtEveryLevel) {
  Tarlowe2& w = startedWith(standardUsers(), "Admin");
  logOn(w, "Mendrel");
  EXPECT_EQ(CurrentUser[4], "0");
  EXPECT_FALSE(w.UtilMenu->Visible(4));
  setMachine("DbBackUpPath", "/media/backup");
  w.Activate();
  EXPECT_TRUE(w.UtilMenu->Visible(4));
}

TEST_F(AccessTable, ALevelTwoLogOnKeepsRestoreHiddenUntilTheNextLogOn) {
  setMachine("DbBackUpPath", "/media/backup");
  Tarlowe2& w = startedWith(standardUsers(), "jsmith");
  logOn(w, "hogs123");
  EXPECT_FALSE(w.UtilMenu->Visible(4));
  // Closing a window opened from the menu activates the main window again.
  tp.windows.on("EnPasswordInfro", as<EnPasswordInfro>([](EnPasswordInfro& info) { info.close(); }));
  w.LogOnMenu->Click(1);
  EXPECT_EQ(tp.windows.shownModal.back(), "EnPasswordInfro");
  EXPECT_FALSE(w.UtilMenu->Visible(4));
  w.LogOnMenu->Click(3);
  logOn(w, "Mendrel", "Admin");
  EXPECT_TRUE(w.UtilMenu->Visible(4));
  EXPECT_TRUE(w.UtilMenu->Visible(2) && w.UtilMenu->Visible(3));
}

TEST_F(AccessTable, ALevelTextOutsideTheTableOnlySwapsLogonForLogout) {
  std::string plain = standardUsers() + passwordRecord("strange1", "odd", 7);
  Tarlowe2& w = startedWith(plain, "odd");
  logOn(w, "strange1");
  EXPECT_EQ(CurrentUser[4], "7");
  EXPECT_FALSE(w.LogOnMenu->Visible(0));
  EXPECT_TRUE(w.LogOnMenu->Visible(3));
  EXPECT_FALSE(w.LogOnMenu->Visible(1));
  EXPECT_FALSE(w.LogOnMenu->Visible(2) || w.LogOnMenu->Enabled(2));
  for (int i = 1; i <= 9; ++i) EXPECT_FALSE(w.MainMenu->Visible(i)) << i;
  EXPECT_TRUE(w.MainMenu->Visible(10));
}

TEST_F(AccessTable, LogoutAsksNothingWritesNothingAndLeavesHelpAndExit) {
  Tarlowe2& w = startedWith(standardUsers(), "Admin");
  logOn(w, "Mendrel");
  const std::string before = readFile(pwf());
  const std::string lastId = machine("LogOnID");
  w.LogOnMenu->Click(3);
  EXPECT_TRUE(tp.dialogs.shown.empty());
  EXPECT_EQ(tp.windows.shownModal.size(), 1u);
  EXPECT_EQ(CurrentUser, (std::array<std::string, 6>{}));
  EXPECT_EQ(readFile(pwf()), before);
  EXPECT_EQ(machine("LogOnID"), lastId);
  EXPECT_TRUE(w.MainMenu->Visible(0) && w.MainMenu->Enabled(0));
  EXPECT_TRUE(w.LogOnMenu->Visible(0));
  EXPECT_FALSE(w.LogOnMenu->Visible(1));
  EXPECT_FALSE(w.LogOnMenu->Visible(2) || w.LogOnMenu->Enabled(2));
  EXPECT_FALSE(w.LogOnMenu->Visible(3));
  for (int i = 1; i <= 8; ++i) EXPECT_FALSE(w.MainMenu->Visible(i) || w.MainMenu->Enabled(i)) << i;
  EXPECT_TRUE(w.MainMenu->Visible(9) && w.MainMenu->Enabled(9));
  EXPECT_TRUE(w.MainMenu->Visible(10) && w.MainMenu->Enabled(10));
}

TEST_F(AccessTable, EditUserAndAddUserOpenTheirWindowsAndUnloadThem) {
  Tarlowe2& w = startedWith(standardUsers(), "Admin");
  logOn(w, "Mendrel");
  bool infoLoaded = false, usersLoaded = false;
  tp.windows.on("EnPasswordInfro", as<EnPasswordInfro>([&](EnPasswordInfro& info) {
    infoLoaded = info.IsLoaded();
    EXPECT_EQ(info.EntLogonID->Text(), "Admin");  // the administrator's defaults
    EXPECT_EQ(info.EntPassword->Text(), "Mendrel");
    info.close();
  }));
  w.LogOnMenu->Click(1);
  tp.windows.on("PassWrd2", as<PassWrd2>([&](PassWrd2& p) {
    usersLoaded = p.IsLoaded();
    p.PWExit->Press();
  }));
  w.LogOnMenu->Click(2);
  EXPECT_TRUE(infoLoaded && usersLoaded);
  EXPECT_EQ(tp.windows.shownModal, (std::vector<std::string>{"PassWrd1", "EnPasswordInfro", "PassWrd2"}));
  EXPECT_TRUE(tp.windows.leftOpen.empty());
}

TEST_F(AccessTable, AWindowThatHidItselfIsUnloadedByItsOpener) {
  Tarlowe2& w = startedWith(standardUsers(), "Admin");
  logOn(w, "Mendrel");
  tp.windows.on("EnPasswordInfro", as<EnPasswordInfro>([](EnPasswordInfro& info) { info.Hide(); }));
  w.LogOnMenu->Click(1);
  // The unload asks, as nothing was accepted yet; Cancel lets it go.
  EXPECT_TRUE(LastBoxIs(tp.dialogs, {"To enter User Infro push RETRY.\rElse CANCEL to Exit USER INFROMATION!",
                                     kUserInfoTitle, vbQuestion, vbRetryCancel}));
  EXPECT_TRUE(tp.windows.leftOpen.empty());
}

TEST_F(AccessTable, WithoutARequiredLogOnTheLogonMenuKeepsItsCreatedState) {
  setMachine("Require_Password?", "NO");
  Tarlowe2& w = startedWith(standardUsers(), "Admin");
  for (int i = 0; i <= 10; ++i) EXPECT_TRUE(w.MainMenu->Visible(i) && w.MainMenu->Enabled(i)) << i;
  EXPECT_TRUE(w.LogOnMenu->Visible(0));
  EXPECT_FALSE(w.LogOnMenu->Visible(1) || w.LogOnMenu->Visible(2) || w.LogOnMenu->Visible(3));
  logOn(w, "Mendrel");
  EXPECT_TRUE(w.LogOnMenu->Visible(2) && w.LogOnMenu->Enabled(2));
}
