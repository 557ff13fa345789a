#include <algorithm>
#include <set>

#include "common/AboutTarlowe.h"
#include "common/HogGlobals.h"
#include "groups/HogPig1.h"
#include "platform/FileSystem.h"
#include "platform/Profile.h"
#include "shell/EndProgram.h"
#include "shell/ShellFixture.h"
#include "support/BoxMatch.h"

using namespace platform;

namespace {
std::vector<std::string> captions(const MenuArray* menu) {
  std::vector<std::string> out;
  for (int i = 0; menu->Has(i); ++i) out.push_back(menu->Caption(i));
  return out;
}
// The row of the area table that opens the item, if one does.
const AreaItem* tableRow(const Tarlowe2& w, const MenuArray* menu, int index) {
  for (const AreaItem& item : AreaItems())
    if (w.*item.menu == menu && item.index == index) return &item;
  return nullptr;
}
// The menus of the areas and the database utilities.
std::vector<MenuArray*> areaMenus(const Tarlowe2& w) {
  return {w.MainBoar, w.MainSow, w.PigletMenu, w.MainSales, w.MainFeed, w.FeedConv, w.MainReports, w.MainMed,
          w.UtilMenu};
}
std::string itemName(const MenuArray* menu, int index) {
  return menu->objectName().toStdString() + "(" + std::to_string(index) + ")";
}
}  // namespace

class MainWindow : public ShellTest {
 protected:
  std::string currentDate() { return getProfileString("STARTUPINFO", "CurrentDate", "", tp.path("TARLOWE.INI")); }
  Tarlowe2& started() {
    start();
    return MainForm();
  }
};

TEST_F(MainWindow, MenuTreeWithItsCaptionsAndCreatedStates) {
  Tarlowe2 w;
  EXPECT_EQ(captions(w.MainMenu), (std::vector<std::string>{"&LOGON", "&BOAR", "SO&W", "&PIGLET", "&SALES", "&FEED",
                                                            "&SUMMARY", "&MEDICATION", "&UTILITIES", "&HELP", "&EXIT"}));
  EXPECT_EQ(captions(w.LogOnMenu), (std::vector<std::string>{"Logon", "Edit User", "Add User", "Logout"}));
  EXPECT_EQ(captions(w.MainBoar), (std::vector<std::string>{"History", "Indexing"}));
  EXPECT_EQ(captions(w.MainSow), (std::vector<std::string>{"History", "Indexing"}));
  EXPECT_EQ(captions(w.PigletMenu), (std::vector<std::string>{"Nursery", "Grower", "Finisher", "", "Vaccinations"}));
  EXPECT_EQ(captions(w.MainSales), (std::vector<std::string>{"Feeder Pigs", "Market Hogs"}));
  EXPECT_EQ(captions(w.MainFeed), (std::vector<std::string>{"Nursery", "Grower", "Finishing", "", "Gestation",
                                                            "Lactation", "", "Feed Conversion", "", "Feed Ingredients"}));
  EXPECT_EQ(captions(w.FeedConv), (std::vector<std::string>{"Group", "Herd"}));
  EXPECT_EQ(captions(w.MainReports),
            (std::vector<std::string>{"Farrowing Performance", "Herd Performance", "Pigs Weaned / Sow / Year",
                                      "Pigs Weaned / Crate / Year", "Adjusted 21day Weight", "Medication Cost / Pig"}));
  EXPECT_EQ(captions(w.MainMed), (std::vector<std::string>{"Drug List", "History"}));
  EXPECT_EQ(captions(w.UtilMenu), (std::vector<std::string>{"Defrag Boar File", "Defrag Sow File", "Move Database",
                                                            "BackUp Database", "Restore Database"}));
  EXPECT_EQ(captions(w.MainHelp), (std::vector<std::string>{"Contents", "", "About Tarlowe"}));

  EXPECT_TRUE(w.MainMenu->Visible(0) && w.MainMenu->Enabled(0));
  EXPECT_TRUE(w.MainMenu->Visible(10) && w.MainMenu->Enabled(10));
  for (int i = 1; i <= 9; ++i) EXPECT_FALSE(w.MainMenu->Visible(i) || w.MainMenu->Enabled(i)) << i;
  EXPECT_TRUE(w.LogOnMenu->Visible(0) && w.LogOnMenu->Enabled(0));
  EXPECT_FALSE(w.LogOnMenu->Visible(1));
  EXPECT_FALSE(w.LogOnMenu->Visible(2) || w.LogOnMenu->Enabled(2));
  EXPECT_FALSE(w.LogOnMenu->Visible(3));
  EXPECT_FALSE(w.UtilMenu->Visible(4));
  EXPECT_TRUE(w.UtilMenu->Visible(3));
  // Every item of an area menu is there, enabled exactly when the area table
  // opens something for it.
  EXPECT_EQ(w.AreaMenus(), areaMenus(w));
  for (MenuArray* m : areaMenus(w)) {
    for (int i = 0; m->Has(i); ++i) {
      if (m == w.UtilMenu && i == 4) continue;  // Restore Database: above
      EXPECT_TRUE(m->Visible(i)) << itemName(m, i);
      EXPECT_EQ(m->Enabled(i), tableRow(w, m, i) != nullptr) << itemName(m, i);
    }
  }
  EXPECT_TRUE(w.MainHelp->Enabled(0) && w.MainHelp->Enabled(2));
}

TEST_F(MainWindow, EachRowOfTheAreaTableNamesOneItemOfAnAreaMenu) {
  Tarlowe2 w;
  const std::vector<MenuArray*> areas = areaMenus(w);
  std::set<std::string> seen;
  for (const AreaItem& item : AreaItems()) {
    const MenuArray* menu = w.*item.menu;
    SCOPED_TRACE(itemName(menu, item.index));
    EXPECT_NE(std::find(areas.begin(), areas.end(), menu), areas.end());
    EXPECT_TRUE(menu->Has(item.index));
    EXPECT_NE(menu->Caption(item.index), "");  // no separator
    EXPECT_TRUE(seen.insert(itemName(menu, item.index)).second);
    EXPECT_NE(item.open, nullptr);
  }
}

TEST_F(MainWindow, ChoosingAnAreaItemRunsItsRowAndAnItemWithoutOneDoesNothing) {
  writeProfileString("TARLOWE", "Require_Password?", "NO", tp.settings() + "VMQ2007.INI");
  writeProfileString("TARLOWE", "DbBackUpPath", tp.path("BACKUP"), tp.settings() + "VMQ2007.INI");  // Restore shown
  Tarlowe2& w = started();
  for (MenuArray* m : areaMenus(w))
    for (int i = 0; m->Has(i); ++i) m->SetEnabled(i, true);  // as if every area had its windows
  // What the item does, chosen from the menu and run from the table directly.
  const auto effect = [&](const std::function<void()>& act) {
    tp.windows.shownModal.clear();
    tp.dialogs.clear();
    FeedMenuChoice = -1;  // an item that opens a submenu only sets the choice
    act();
    std::vector<std::string> seen = tp.windows.shownModal;
    if (FeedMenuChoice != -1) seen.push_back("FeedMenuChoice " + std::to_string(FeedMenuChoice));
    for (const ShownBox& box : tp.dialogs.shown) seen.push_back(box.title + ": " + box.text);
    return seen;
  };
  for (MenuArray* m : areaMenus(w)) {
    for (int i = 0; m->Has(i); ++i) {
      SCOPED_TRACE(itemName(m, i));
      const std::vector<std::string> chosen = effect([&] { m->Click(i); });
      const AreaItem* row = tableRow(w, m, i);
      EXPECT_EQ(chosen.empty(), row == nullptr);
      if (row) EXPECT_EQ(chosen, effect(row->open));
    }
  }
}

TEST_F(MainWindow, AGroupWindowKeepsTheHourglassOverTheMainWindowWhileItIsUp) {
  Tarlowe2& w = started();
  Qt::CursorShape during = Qt::ArrowCursor;
  tp.dialogs.type("2024");
  tp.windows.on("HogPig1", as<HogPig1>([&](HogPig1& list) {
    during = w.cursor().shape();
    list.PigMain->Click(HogPig1::Exit);
  }));
  OpenGroupList(0);
  EXPECT_EQ(during, Qt::WaitCursor);
  EXPECT_EQ(w.cursor().shape(), Qt::ArrowCursor);
}

TEST_F(MainWindow, ExitAsksAndOkEndsWithTheLastRunDateWritten) {
  Tarlowe2& w = started();
  tp.dialogs.answer(vbOK);
  w.MainMenu->Click(10);
  ASSERT_EQ(tp.dialogs.shown.size(), 2u);
  EXPECT_TRUE(IsBox(tp.dialogs.shown[0], {"QUIT TARLOWE?", "EXITING  TARLOWE", vbQuestion, vbOKCancel}));
  EXPECT_TRUE(IsBox(tp.dialogs.shown[1], {"Thank you for using TARLOWE.\r\rPlease come on back soon!",
                                          "E X I T   T A R L O W E", vbInformation}));
  EXPECT_EQ(currentDate(), "12/07/2026");
  EXPECT_EQ(tp.end.ends, 1);
  EXPECT_EQ(tp.end.exitCode, 0);
  EXPECT_EQ(tp.help.quits, 1);
}

TEST_F(MainWindow, ExitCancelledKeepsTheProgramAndWritesNothing) {
  Tarlowe2& w = started();
  tp.dialogs.answer(vbCancel);
  w.MainMenu->Click(10);
  EXPECT_EQ(tp.dialogs.shown.size(), 1u);
  EXPECT_EQ(currentDate(), "");
  EXPECT_EQ(tp.end.ends, 0);
  EXPECT_TRUE(w.IsLoaded());
  EXPECT_TRUE(w.isVisible());
}

TEST_F(MainWindow, CloseBoxEndsWithoutTheQuestion) {
  Tarlowe2& w = started();
  w.close();
  ASSERT_EQ(tp.dialogs.shown.size(), 1u);
  EXPECT_EQ(tp.dialogs.last().title, "E X I T   T A R L O W E");
  EXPECT_TRUE(tp.dialogs.last().beepBefore);
  EXPECT_EQ(currentDate(), "12/07/2026");
  EXPECT_EQ(tp.end.ends, 1);
}

TEST_F(MainWindow, SessionEndAndOtherProgramsAreRefusedSilently) {
  Tarlowe2& w = started();
  EXPECT_FALSE(w.Unload(vbAppWindows));
  EXPECT_FALSE(w.Unload(vbAppTaskManager));
  EXPECT_FALSE(w.Unload(4));
  EXPECT_FALSE(w.Unload(5));
  EXPECT_TRUE(tp.dialogs.shown.empty());
  EXPECT_EQ(tp.dialogs.beeps, 0);
  EXPECT_EQ(tp.end.ends, 0);
  EXPECT_TRUE(w.isVisible());
}

TEST_F(MainWindow, EndProgramWritesTheDateAndQuitsTheHelp) {
  started();
  DateText = "01-02-2027";
  EndProgram();
  EXPECT_EQ(currentDate(), "01-02-2027");
  EXPECT_EQ(tp.help.quits, 1);
  EXPECT_EQ(tp.end.ends, 1);
  EXPECT_TRUE(tp.dialogs.shown.empty());
}

TEST_F(MainWindow, HelpContentsShowsTheProgramsHelpFile) {
  writeProfileString("TARLOWE", "Require_Password?", "NO", tp.settings() + "VMQ2007.INI");
  Tarlowe2& w = started();
  w.MainMenu->Click(9);  // opening HELP does nothing by itself
  EXPECT_TRUE(tp.help.shown.empty());
  w.MainHelp->Click(0);
  EXPECT_EQ(tp.help.shown, std::vector<std::string>{tp.home() + "TARLOWE5.HLP"});
  w.MainHelp->Click(1);
  EXPECT_EQ(tp.help.shown.size(), 1u);
  EXPECT_TRUE(tp.windows.shownModal.empty());
}

TEST_F(MainWindow, AboutBoxIsShownModallyAndUnloaded) {
  writeProfileString("TARLOWE", "Require_Password?", "NO", tp.settings() + "VMQ2007.INI");
  Tarlowe2& w = started();
  std::string version;
  tp.windows.on("AboutTarlowe", as<AboutTarlowe>([&](AboutTarlowe& a) {
    version = a.lblVersion->Caption();
    a.cmdOK->Press();
  }));
  w.MainHelp->Click(2);
  EXPECT_EQ(tp.windows.shownModal, std::vector<std::string>{"AboutTarlowe"});
  EXPECT_TRUE(tp.windows.leftOpen.empty());
  EXPECT_EQ(version, "Version: 5.00.06.2019");
}

TEST_F(MainWindow, HelpIsHiddenWhileLoggedOut) {
  Tarlowe2& w = started();
  w.MainHelp->Click(0);
  EXPECT_TRUE(tp.help.shown.empty());
}

TEST_F(MainWindow, RestoreDatabaseFollowsTheBackUpPathAtEveryActivation) {
  Tarlowe2& w = started();
  EXPECT_FALSE(w.UtilMenu->Visible(4));
  writeProfileString("TARLOWE", "DbBackUpPath", "/media/backup", tp.settings() + "VMQ2007.INI");
  w.Activate();
  EXPECT_TRUE(w.UtilMenu->Visible(4));
  writeProfileString("TARLOWE", "DbBackUpPath", "", tp.settings() + "VMQ2007.INI");
  w.Activate();
  EXPECT_FALSE(w.UtilMenu->Visible(4));
}

TEST_F(MainWindow, ActivationCoversTheWorkAreaAndStretchesTheBackground) {
  Tarlowe2& w = started();
  EXPECT_EQ(w.Label1->Caption(), "WELCOME. . .");
  EXPECT_EQ(w.Image1->geometry(), w.Image1->parentWidget()->rect());
  EXPECT_GT(w.Image1->height(), 0);
  // It follows the window as the window manager frames it anew.
  w.resize(w.width() - 40, w.height() - 30);
  EXPECT_EQ(w.Image1->geometry(), w.Image1->parentWidget()->rect());
  EXPECT_TRUE(w.StartUpUnloaded);
  EXPECT_FALSE(StartUpFormExists());
  w.Activate();  // later activations leave the start-up alone
  DoEvents();
  EXPECT_FALSE(StartUpFormExists());
}
