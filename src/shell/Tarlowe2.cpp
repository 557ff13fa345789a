#include "shell/Tarlowe2.h"

#include <QGridLayout>
#include <QLinearGradient>
#include <QMenuBar>
#include <QPainter>
#include <QVBoxLayout>
#include <memory>

#include "common/HelpMenu.h"
#include "common/HogGlobals.h"
#include "platform/Dialogs.h"
#include "platform/FormKit.h"
#include "platform/Screen.h"
#include "shell/EndProgram.h"
#include "shell/HogStartUp.h"

namespace {

platform::KeptWindow<Tarlowe2> g_mainForm;

constexpr int kExit = 10;            // MainMenu
constexpr int kRestoreDatabase = 4;  // UtilMenu

// The background: a plain field of the farm's green, darker towards the foot.
QImage backgroundPicture() {
  QImage image(330, 260, QImage::Format_RGB32);
  QPainter painter(&image);
  QLinearGradient gradient(0, 0, 0, image.height());
  gradient.setColorAt(0, QColor(214, 230, 200));
  gradient.setColorAt(1, QColor(92, 128, 74));
  painter.fillRect(image.rect(), gradient);
  return image;
}

}  // namespace

Tarlowe2& MainForm() {
  Tarlowe2& form = g_mainForm.get();
  form.Load();
  return form;
}

bool MainFormExists() { return g_mainForm.exists(); }

void ReleaseMainForm() { g_mainForm.reset(); }

Tarlowe2::Tarlowe2(QWidget* parent) : platform::Form("Tarlowe2", parent) {
  SetCaption("TARLOWE MAIN MENU");
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  MenuBar = new QMenuBar(this);
  layout->setMenuBar(MenuBar);
  auto* inside = new QWidget(this);
  inside->setObjectName("Inside");
  layout->addWidget(inside, 1);

  // The background fills the inside at every size the window takes.
  Image1 = new platform::Picture(inside, "Image1");
  Image1->setScaledContents(true);
  Image1->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
  Image1->SetPicture(backgroundPicture());
  auto* background = new QGridLayout(inside);
  background->setContentsMargins(0, 0, 0, 0);
  background->addWidget(Image1, 0, 0);
  Label1 = platform::AddLabel(inside, "Label1", "WELCOME. . .", {360, 240, 6000, 900});
  Label1->setFont(platform::makeFont("Times New Roman", 36, true));

  MainMenu = new platform::MenuArray(MenuBar, "MainMenu");
  QMenu* logOn = MainMenu->Add(0, "&LOGON", true);
  QMenu* boar = MainMenu->Add(1, "&BOAR", true);
  QMenu* sow = MainMenu->Add(2, "SO&W", true);
  QMenu* piglet = MainMenu->Add(3, "&PIGLET", true);
  QMenu* sales = MainMenu->Add(4, "&SALES", true);
  QMenu* feed = MainMenu->Add(5, "&FEED", true);
  QMenu* summary = MainMenu->Add(6, "&SUMMARY", true);
  QMenu* medication = MainMenu->Add(7, "&MEDICATION", true);
  QMenu* utilities = MainMenu->Add(8, "&UTILITIES", true);
  QMenu* help = MainMenu->Add(9, "&HELP", true);
  MainMenu->Add(10, "&EXIT");

  auto items = [](platform::MenuArray* menu, platform::MenuArray* parent, int parentIndex,
                  std::initializer_list<const char*> captions) {
    menu->SetParentItem(parent, parentIndex);
    int index = 0;
    for (const char* caption : captions) menu->Add(index++, caption);
  };
  LogOnMenu = new platform::MenuArray(logOn, "LogOnMenu");
  items(LogOnMenu, MainMenu, 0, {"Logon", "Edit User", "Add User", "Logout"});
  MainBoar = new platform::MenuArray(boar, "MainBoar");
  items(MainBoar, MainMenu, 1, {"History", "Indexing"});
  MainSow = new platform::MenuArray(sow, "MainSow");
  items(MainSow, MainMenu, 2, {"History", "Indexing"});
  PigletMenu = new platform::MenuArray(piglet, "PigletMenu");
  items(PigletMenu, MainMenu, 3, {"Nursery", "Grower", "Finisher", "-", "Vaccinations"});
  MainSales = new platform::MenuArray(sales, "MainSales");
  items(MainSales, MainMenu, 4, {"Feeder Pigs", "Market Hogs"});
  MainFeed = new platform::MenuArray(feed, "MainFeed");
  MainFeed->SetParentItem(MainMenu, 5);
  MainFeed->Add(0, "Nursery");
  MainFeed->Add(1, "Grower");
  MainFeed->Add(2, "Finishing");
  MainFeed->Add(3, "-");
  MainFeed->Add(4, "Gestation");
  MainFeed->Add(5, "Lactation");
  MainFeed->Add(6, "-");
  QMenu* conversion = MainFeed->Add(7, "Feed Conversion", true);
  MainFeed->Add(8, "-");
  MainFeed->Add(9, "Feed Ingredients");
  FeedConv = new platform::MenuArray(conversion, "FeedConv");
  items(FeedConv, MainFeed, 7, {"Group", "Herd"});
  MainReports = new platform::MenuArray(summary, "MainReports");
  items(MainReports, MainMenu, 6,
        {"Farrowing Performance", "Herd Performance", "Pigs Weaned / Sow / Year",
         "Pigs Weaned / Crate / Year", "Adjusted 21day Weight", "Medication Cost / Pig"});
  MainMed = new platform::MenuArray(medication, "MainMed");
  items(MainMed, MainMenu, 7, {"Drug List", "History"});
  UtilMenu = new platform::MenuArray(utilities, "UtilMenu");
  items(UtilMenu, MainMenu, 8,
        {"Defrag Boar File", "Defrag Sow File", "Move Database", "BackUp Database", "Restore Database"});
  MainHelp = new platform::MenuArray(help, "MainHelp");
  items(MainHelp, MainMenu, 9, {"Contents", "-", "About Tarlowe"});

  // The states the window is created with: before the start-up's log-on
  // set-up only LOGON > Logon and EXIT can be reached.
  for (int i = 1; i <= 9; ++i) {
    MainMenu->SetVisible(i, false);
    MainMenu->SetEnabled(i, false);
  }
  LogOnMenu->SetVisible(1, false);
  LogOnMenu->SetVisible(2, false);
  LogOnMenu->SetEnabled(2, false);
  LogOnMenu->SetVisible(3, false);
  UtilMenu->SetVisible(kRestoreDatabase, false);
  for (platform::MenuArray* menu : AreaMenus()) {
    for (int i = 0; menu->Has(i); ++i) SetItemEnabled(menu, i, true);
    menu->onClick = [this, menu](int i) { AreaMenu_Click(menu, i); };
  }

  MainMenu->onClick = [this](int i) { MainMenu_Click(i); };
  LogOnMenu->onClick = [this](int i) { LogOnMenu_Click(i); };
  MainHelp->onClick = [this](int i) { MainHelp_Click(i); };
}

void Tarlowe2::SetItemEnabled(platform::MenuArray* menu, int index, bool enabled) {
  menu->SetEnabled(index, enabled && HasWindow(menu, index));
}

void Tarlowe2::Form_Load() {
  Hourglass(true);
  platform::TwipsRect whole = platform::screen().size();
  SetBoundsTwips(whole.left, whole.top, whole.width, whole.height);
  StartUpUnloaded = false;
  Hourglass(false);
}

void Tarlowe2::Form_Activate() {
  PwfPath = AppFolder + "TARLOWE.PWF";
  platform::TwipsRect work = platform::screen().workArea();
  SetBoundsTwips(work.left, work.top, work.width, work.height);
  layout()->activate();
  Image1->parentWidget()->layout()->activate();
  Image1->lower();
  ShowRestoreItem();
  // The first focus comes once the window is up and the start-up's own
  // handlers have returned.
  if (!StartUpUnloaded) QMetaObject::invokeMethod(this, &Tarlowe2::Form_GotFocus, Qt::QueuedConnection);
}

void Tarlowe2::Form_GotFocus() {
  if (StartUpUnloaded) return;
  StartUpUnloaded = true;
  ReleaseStartUpForm();
}

void Tarlowe2::MainMenu_Click(int Index) {
  // Opening a top-level menu does nothing by itself; EXIT unloads the window,
  // which asks first.
  if (Index == kExit) Unload(platform::vbFormCode);
}

void Tarlowe2::MainHelp_Click(int Index) { ShowHelpItem(Index); }

void Tarlowe2::Form_QueryUnload(int& Cancel, int UnloadMode) {
  switch (UnloadMode) {
    case platform::vbFormControlMenu:
      Beep();
      ExitSequence();
      break;
    case platform::vbFormCode:
      if (Alert("QUIT TARLOWE?", platform::vbQuestion | platform::vbOKCancel, "EXITING  TARLOWE") == platform::vbOK) {
        ExitSequence();
      } else {
        Cancel = 1;
      }
      break;
    default:
      // The session ending or another program closing this one: refused.
      Cancel = 1;
      break;
  }
}

void Tarlowe2::ExitSequence() {
  WriteLastRunDate();
  Alert("Thank you for using TARLOWE.\r\rPlease come on back soon!", platform::vbInformation | platform::vbOKOnly,
        "E X I T   T A R L O W E");
  QuitHelpAndEnd();
}
