#pragma once
// The start-up window: a full-screen splash that, one timer tick after it is
// shown, runs the start-up sequence (folders, settings, the date question in a
// new year, the log-on set-up, the data paths, the action a stopped run left
// unfinished undone, its temporary files removed) and then hands over to the
// main window.
#include <string>

#include "platform/Controls.h"
#include "platform/Form.h"
#include "shell/ClockEntry.h"

class HogStartUp : public platform::Form {
  Q_OBJECT
 public:
  explicit HogStartUp(QWidget* parent = nullptr);

  platform::Picture* Image1;
  platform::Label* Label1;
  platform::Label* Label3;
  platform::Label* Label4;
  platform::Timer* Timer1;

  // False while the start-up sequence runs, True once it has finished.
  bool Done = false;

  // The start-up sequence; the timer's one tick runs it.
  void Timer1_Timer();

 protected:
  // Shows the splash and waits, letting events run, until the sequence has
  // run; then hides the splash and shows the main window.
  void Form_Load() override;
  void Form_Activate() override;

 private:
  void DateCheck();
  void LogonSetup();
  void DataPaths();
  void MakeFolders();

  // CurrentDate of the last run, read at the start of the sequence.
  std::string lastRunDate_;
};

// The boxes that tell of an action a stopped run left unfinished: undone,
// found stored, not undone (its journal set aside, or a file that cannot be
// put back), or not stored (its journal cut off before any file was
// written, and it cannot be removed).
inline constexpr const char* kUndoneTitle = "A C T I O N   U N D O N E";
inline constexpr const char* kStoredTitle = "A C T I O N   S T O R E D";
inline constexpr const char* kNotUndoneTitle = "A C T I O N   N O T   U N D O N E";
inline constexpr const char* kNotStoredTitle = "A C T I O N   N O T   S T O R E D";

// The action a run stopped in the middle of (the program killed, the power
// gone) left its journal in the data folder (RollBackJournal): the files are
// put back as they were before it, or, when it had written every record,
// kept; a journal that fails its checks, or whose files changed since, is
// set aside and no file touched. One box says which, naming the action.
// Runs before anything reads the data files.
void UndoUnfinishedAction();
// Removes the temporary files that runs no longer going left while they
// replaced a file whole, each in the folder where that file is replaced:
// "<file>.<pid>-<n>.tmp" of TARLOWE.INI, TARLOWE.PWF and the help file in
// the program folder, of VMQ2007.INI in the settings folder, of a database
// file, SOW.TMP or BOAR.TMP in the data folder, of a database file in the
// back-up folders. Nothing else is touched.
void RemoveLeftTemporaryFiles();

// The start-up window, made on first use.
HogStartUp& StartUpForm();
bool StartUpFormExists();
// Unloads and deletes the start-up window.
void ReleaseStartUpForm();
