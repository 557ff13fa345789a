#pragma once
// The main window "TARLOWE MAIN MENU": once the start-up has handed over, the
// program's only top-level window. Its menu bar is the program's main loop:
// every area window opens modally from one of its menu items.
#include <span>
#include <string>
#include <vector>

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
  // LOGON: 0 Logon, 1 Edit User, 2 Add User, 3 Logout.
  void LogOnMenu_Click(int Index);
  void MainHelp_Click(int Index);
  // An item of an area menu chosen: what its row of the area table does; an
  // item without a row does nothing.
  void AreaMenu_Click(platform::MenuArray* menu, int Index);
  // The window's first focus unloads the start-up window; later ones do
  // nothing.
  void Form_GotFocus();

  // Every top-level menu shown: no log-on is required.
  void ShowAllMenus();
  // Logged out after the start-up: only LOGON (with Logon) and EXIT.
  void ShowLoggedOutMenus();

  // The final decision on a log-on, after the log-on dialog: a user with the
  // placeholder password sets his own first, a built-in account is taken by
  // its password, any other must hold the ID and password in the password
  // file. True when a user is logged on; False after the refusal's message.
  // An invalid password file ends the program.
  bool LogInProc();

  // "Restore Database": visible when a back-up path is recorded and the
  // current log-on has not hidden it.
  void ShowRestoreItem();

  // The menus of the areas and the database utilities, whose items the area
  // table governs.
  std::vector<platform::MenuArray*> AreaMenus() const;
  // Whether the item opens something the program has: an item of an area
  // menu only when the area table holds its row. An item without one stays
  // disabled whatever a log-on or the start-up shows.
  bool HasWindow(const platform::MenuArray* menu, int index) const;

 protected:
  void Form_Load() override;
  void Form_Activate() override;
  void Form_QueryUnload(int& Cancel, int UnloadMode) override;

 private:
  // The enabled flag as a menu state asks for it, kept off for an item
  // without a window.
  void SetItemEnabled(platform::MenuArray* menu, int index, bool enabled);
  // The menu changes of a successful log-on at `level` ("0" to "4"; any
  // other text gets only the changes common to every level), and of Logout.
  void ApplyLogOnMenus(const std::string& level);
  void ApplyLogoutMenus();
  // The sub-items that the levels hide, back in their created state, so that
  // one user's level does not carry over to the next.
  void RestoreLevelItems();
  bool restoreHiddenByLevel_ = false;
  // The last-run date written, the farewell, the end of the program.
  void ExitSequence();
};

// One row of the area table: an item of an area menu the program can open,
// and what choosing it does (its count checks and year prompts, then the
// window loaded, prepared, shown modally and unloaded). Opening a new window
// from an area menu is adding its row (shell/AreaMenus.cpp).
struct AreaItem {
  platform::MenuArray* Tarlowe2::*menu;
  int index;
  void (*open)();
};
std::span<const AreaItem> AreaItems();

// The main window, made on first use; the first use of its menus loads it.
Tarlowe2& MainForm();
bool MainFormExists();
// Deletes the main window (the next MainForm() makes a new one).
void ReleaseMainForm();
