#pragma once
// Drives the program's start headless: the test platform's clock and boxes
// stand in for the machine and the user, and each pass of the event pump lets
// the start-up timer tick at once instead of after its interval.
#include <gtest/gtest.h>

#include "platform/Screen.h"
#include "shell/HogStartUp.h"
#include "shell/Main.h"
#include "shell/Tarlowe2.h"
#include "support/TestPlatform.h"

struct SplashSeen {
  bool visible = false;
  std::string version;
  int interval = 0;
  Qt::TimerType timerType = Qt::CoarseTimer;
  bool timerOn = false;
  platform::TwipsRect bounds;
};

class ShellTest : public ::testing::Test {
 protected:
  TestPlatform tp;
  SplashSeen splash;

  void SetUp() override {
    tp.screen.onDoEvents = [this] {
      if (!StartUpFormExists()) return;
      HogStartUp& s = StartUpForm();
      if (!s.Timer1->Enabled()) return;
      splash = {s.isVisible(),       s.Label4->Caption(),  s.Timer1->Interval(),
                s.Timer1->Type(),    s.Timer1->Enabled(),  s.BoundsTwips()};
      s.Timer1->Tick();
    };
  }
  void TearDown() override {
    tp.screen.onDoEvents = nullptr;
    ReleaseMainForm();
    ReleaseStartUpForm();
  }
  // Starts the program and lets the main window take the focus.
  void start() {
    Main();
    DoEvents();
  }
};
