#include "bench/ProgramStart.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <QEventLoop>
#include <QGuiApplication>
#include <QTimer>

#include "bench/PeakMemory.h"
#include "shell/HogStartUp.h"
#include "shell/Main.h"
#include "shell/ModuleState.h"
#include "shell/Tarlowe2.h"

bool UseDesktopScreen(const std::string& folder) {
  const char* platform = std::getenv("QT_QPA_PLATFORM");
  if (platform && *platform && std::strcmp(platform, "offscreen") != 0) return true;
  const char* display = std::getenv("DISPLAY");
  if (!platform && display && *display) return true;  // the desktop's own platform
  const std::string path = folder + "screen.json";
  std::FILE* file = std::fopen(path.c_str(), "w");
  if (!file) return false;
  const bool written =
      std::fputs("{\"screens\": [{\"name\": \"desktop\", \"x\": 0, \"y\": 0, \"width\": 1280, \"height\": 1024, "
                 "\"logicalDpi\": 96, \"logicalBaseDpi\": 96, \"dpr\": 1}]}\n",
                 file) >= 0;
  if (std::fclose(file) != 0 || !written) return false;
  setenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + path).c_str(), 1);
  return true;
}

bool Headless() { return QGuiApplication::platformName() == "offscreen"; }

void WaitForTheNextClick() {
  QEventLoop loop;
  QTimer::singleShot(100, &loop, &QEventLoop::quit);
  loop.exec();
}

bool StartProgramAtMainWindow(const std::string& folder) {
  setenv("TARLOWE_HOME", (folder + "program/").c_str(), 1);
  setenv("TARLOWE_SETTINGS", (folder + "settings/").c_str(), 1);
  // The start-up window waits three seconds on its timer before the start
  // goes on; here the timer ticks at once, the start the same.
  QTimer::singleShot(0, [] {
    if (StartUpFormExists() && StartUpForm().Timer1->Enabled()) StartUpForm().Timer1->Tick();
  });
  Main();
  // The main window's first focus, once the start's handlers have returned,
  // lets the start-up window go.
  WaitForTheNextClick();
  NoteStartMemory();
  return MainFormExists() && MainForm().isVisible() && !StartUpFormExists();
}

void CloseProgram() {
  ReleaseMainForm();
  ReleaseStartUpForm();
  ResetModuleState();
}
