#pragma once
// The doubles of a test, installed for its lifetime: scripted boxes, a set
// clock, a recording printer, scripted windows, a help and launcher that
// record, a screen that records the hourglass, an end of the program that
// only records, and a fresh program folder
// (TARLOWE_HOME) and settings folder (TARLOWE_SETTINGS) in a temporary folder.
// Every module-level value is reset (ResetModuleState) when the platform is
// made and again when it goes, after the main and start-up windows are
// released: a test that stops early leaves nothing behind.
#include <QTemporaryDir>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/Services.h"
#include "support/RecordingPrinter.h"
#include "support/ScriptedDialogs.h"
#include "support/ScriptedWindows.h"
#include "support/TestClock.h"

class RecordingHelp : public platform::Help {
 public:
  std::vector<std::string> shown;
  int quits = 0;
  void showContents(const std::string& file) override { shown.push_back(file); }
  void quit() override { ++quits; }
};

class RecordingLauncher : public platform::Launcher {
 public:
  std::vector<std::string> started;
  bool result = true;
  bool start(const std::string& program) override {
    started.push_back(program);
    return result;
  }
};

// Records the end of the program instead of ending the test.
class RecordingEnd : public platform::ProcessEnd {
 public:
  int ends = 0;
  int exitCode = -1;
  void endNow(int code) override {
    ++ends;
    exitCode = code;
  }
};

class TestScreen : public platform::QtScreen {
 public:
  platform::TwipsRect workArea() override { return {0, 0, 1024 * 15, 738 * 15}; }
  platform::TwipsRect size() override { return {0, 0, 1024 * 15, 768 * 15}; }
  double twipsPerPixel() override { return 15; }
  void setHourglass(bool on) override { hourglassOn_ = on; if (on) ++hourglassShown; }
  bool hourglass() const override { return hourglassOn_; }
  // Runs at every pass of the event pump, before the waiting events: a test
  // lets a timer tick here instead of waiting for it.
  std::function<void()> onDoEvents;
  void doEvents() override {
    if (onDoEvents) onDoEvents();
    platform::QtScreen::doEvents();
  }
  // Never sleeps: a test's clock moves the time a wait measures. `waits`
  // holds the seconds each wait was asked for.
  void waitForEvents(double seconds) override {
    waits.push_back(seconds);
    doEvents();
  }
  std::vector<double> waits;
  int hourglassShown = 0;

 private:
  bool hourglassOn_ = false;
};

class TestPlatform {
 public:
  TestPlatform();
  ~TestPlatform();
  TestPlatform(const TestPlatform&) = delete;
  TestPlatform& operator=(const TestPlatform&) = delete;

  ScriptedDialogs dialogs;
  TestClock clock;
  RecordingPrinter printer;
  ScriptedWindows windows;
  RecordingHelp help;
  RecordingLauncher launcher;
  TestScreen screen;
  RecordingEnd end;

  // The temporary program folder and settings folder, each ending in "/".
  std::string home() const;
  std::string settings() const;
  // A path inside the program folder.
  std::string path(const std::string& name) const { return home() + name; }

 private:
  QTemporaryDir dir_;
};

// Writes and reads whole files in tests.
void writeFile(const std::string& path, const std::string& bytes);
std::string readFile(const std::string& path);

// Every regular file of a folder by name, with its bytes; a folder made
// (with its parents) holding such files.
using FolderBytes = std::map<std::string, std::string>;
FolderBytes folderBytes(const std::string& folder);
void writeFolder(const std::string& folder, const FolderBytes& files);
