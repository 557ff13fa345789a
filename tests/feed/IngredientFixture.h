#pragma once
// Shared set-up of the ingredient window tests: a fresh data folder, today's
// date, and FEED.LST written and read whole.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/HogGlobals.h"
#include "records/IngredientRecord.h"
#include "support/RecordBuilders.h"
#include "support/RecordBytes.h"
#include "support/TestPlatform.h"

class IngredientWindowTest : public ::testing::Test {
 protected:
  TestPlatform tp;

  void SetUp() override {
    DataFolder = tp.home();
    DateText = "06/01/2024";
  }
  std::string feedPath() const { return tp.path("FEED.LST"); }
  void writeIngredients(const std::vector<IngredientRecord>& rows) { writeRecords(feedPath(), rows); }
  std::vector<IngredientRecord> readIngredients() const { return readRecords<IngredientRecord>(feedPath()); }
  // The codes of FEED.LST, record 1 first, without their trailing blanks.
  std::vector<std::string> storedCodes() const {
    std::vector<std::string> codes;
    for (const IngredientRecord& r : readIngredients())
      codes.push_back(r.IngredientCode.substr(0, r.IngredientCode.find_last_not_of(' ') + 1));
    return codes;
  }
};
