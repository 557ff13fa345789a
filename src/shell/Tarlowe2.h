#pragma once
// The main window "TARLOWE MAIN MENU": once the start-up has handed over, the
// program's only top-level window. Its menu bar is the program's main loop:
// every area window opens modally from one of its menu items.
#include <string>

#include "platform/Controls.h"
#include "platform/Form.h"
#include "platform/Menus.h"

class QMenuBar;

class Tarlowe2 : public platform::Form {
  Q_OBJECT
 public:
  explicit Tarlowe2(QWidget* parent = nullptr);

  platform::Picture* Image1;
  platform::Label* Label1;

  QMenuBar* MenuBar;
  platform::MenuArray* MainMenu;
  platform::MenuArray* LogOnMenu;
  platform::MenuArray* MainBoar;
  platform::MenuArray* MainSow;
  platform::MenuArray* PigletMenu;
  platform::MenuArray* MainSales;
  platform::MenuArray* MainFeed;
  platform::MenuArray* FeedConv;
  platform::MenuArray* MainReports;
  platform::MenuArray* MainMed;
  platform::MenuArray* UtilMenu;
  platform::MenuArray* MainHelp;

  // The password file's path, set at every activation.
  std::string PwfPath;
  // Whether the first focus has unloaded the start-up window.
  bool StartUpUnloaded = false;

  void MainMenu_Click(int Index);
  void LogOnMenu_Click(int Index);
  void MainHelp_Click(int Index);
  void MainSow_Click(int Index);
  // The window's first focus unloads the start-up window; later ones do
  // nothing.
  void Form_GotFocus();

  // Every top-level menu shown: no log-on is required.
  void ShowAllMenus();
  // Logged out after the start-up: only LOGON (with Logon) and EXIT.
  void ShowLoggedOutMenus();

 protected:
  void Form_Load() override;
  void Form_Activate() override;
  void Form_QueryUnload(int& Cancel, int UnloadMode) override;

 private:
  // LOGON > Logon. The log-on dialog is not part of the program yet, so
  // choosing Logon changes nothing.
  void LogOnRequested() {}
  void DisableItemsWithoutWindows();
  // The last-run date written, the farewell, the end of the program.
  void ExitSequence();
};

// The main window, made on first use; the first use of its menus loads it.
Tarlowe2& MainForm();
bool MainFormExists();
// Deletes the main window (the next MainForm() makes a new one).
void ReleaseMainForm();
