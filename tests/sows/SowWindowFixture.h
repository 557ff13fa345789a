#pragma once
// Shared set-up of the sow window tests: a fresh data folder and today's
// date; records come from the shared builders and writers.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "common/HogGlobals.h"
#include "sows/SowHistory.h"
#include "support/RecordBuilders.h"

class SowWindowTest : public ::testing::Test {
 protected:
  TestPlatform tp;

  void SetUp() override {
    DataFolder = tp.home();
    DateText = "06/01/2024";
  }

  // The list's selection handed to the window it opens: SelectedSowRecs
  // from 1, and SelectedCount.
  void select(std::initializer_list<long> recs) {
    SelectedSowRecs.assign(11, 0);
    int k = 0;
    for (long r : recs) SelectedSowRecs[static_cast<size_t>(++k)] = r;
    SelectedCount = k;
  }
  std::string sowPath() const { return tp.path("SOW.DAT"); }
  std::string farrowPath() const { return tp.path("FARROW.DAT"); }
};
