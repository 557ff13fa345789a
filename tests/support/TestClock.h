#pragma once
// A clock that stands where a test sets it.
#include <cstdio>
#include <string>

#include "platform/Clock.h"

class TestClock : public platform::Clock {
 public:
  int year = 2026, month = 12, day = 7, hour = 9, minute = 30, second = 0;
  // When set, the texts the platform gives instead of the formatted ones
  // (for a machine with other regional settings).
  std::string dateOverride, timeOverride;
  // The steady seconds, and what every reading of them adds.
  double steady = 0, stepSeconds = 0;

  std::string dateText() override {
    if (!dateOverride.empty()) return dateOverride;
    char b[16];
    std::snprintf(b, sizeof b, "%02d/%02d/%04d", month, day, year);
    return b;
  }
  std::string timeText() override {
    if (!timeOverride.empty()) return timeOverride;
    char b[16];
    std::snprintf(b, sizeof b, "%02d:%02d:%02d", hour, minute, second);
    return b;
  }
  double steadySeconds() override {
    const double s = steady;
    steady += stepSeconds;
    return s;
  }
  platform::CivilDate today() override { return {year, month, day}; }
  void setDate(int y, int m, int d) override {
    year = y;
    month = m;
    day = d;
  }
  void setTime(int h, int m, int s) override {
    hour = h;
    minute = m;
    second = s;
  }
};
