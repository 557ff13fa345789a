#pragma once
// The doubles of a test, installed for its lifetime: scripted boxes, a set
// clock, a recording printer, scripted windows, a help and launcher that
// record, a screen that records the hourglass, and a fresh program folder
// (TARLOWE_HOME) and settings folder (TARLOWE_SETTINGS) in a temporary folder.
#include <QTemporaryDir>
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

class TestScreen : public platform::QtScreen {
 public:
  platform::TwipsRect workArea() override { return {0, 0, 1024 * 15, 738 * 15}; }
  platform::TwipsRect size() override { return {0, 0, 1024 * 15, 768 * 15}; }
  double twipsPerPixel() override { return 15; }
  void setHourglass(bool on) override { hourglassOn_ = on; if (on) ++hourglassShown; }
  bool hourglass() const override { return hourglassOn_; }
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
