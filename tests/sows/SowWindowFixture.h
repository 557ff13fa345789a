#pragma once
// Shared set-up of the sow window tests: a fresh data folder, today's date,
// and SOW.DAT / FARROW.DAT written and read as whole files.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/HogGlobals.h"
#include "records/RecordIo.h"
#include "sows/SowHistory.h"
#include "support/TestPlatform.h"

class SowWindowTest : public ::testing::Test {
 protected:
  TestPlatform tp;

  void SetUp() override {
    DataFolder = tp.home();
    DateText = "06/01/2024";
    SowHistory = SowHistoryRecord{};
    QueryArgs = {};
    SelectedCount = 0;
  }

  static SowRecord sow(const std::string& id, const std::string& breed = "", const std::string& location = "") {
    SowRecord s;
    s.Id = id;
    s.Breed = breed;
    s.Location = location;
    s.DateOfBirth = s.DateEnteredHerd = s.DateLeftHerd = s.PrvDate = s.DateBred = s.DateDue = "__/__/____";
    return s;
  }

  std::string sowPath() const { return tp.path("SOW.DAT"); }
  std::string farrowPath() const { return tp.path("FARROW.DAT"); }

  template <class R>
  static std::string bytesOf(const std::vector<R>& rows) {
    std::string bytes;
    for (const R& r : rows) {
      const records::Bytes b = records::encode(r);
      bytes.append(b.begin(), b.end());
    }
    return bytes;
  }
  void writeSows(const std::vector<SowRecord>& sows) { writeFile(sowPath(), bytesOf(sows)); }
  void writeLitters(const std::vector<FarrowRecord>& litters) { writeFile(farrowPath(), bytesOf(litters)); }
  std::vector<SowRecord> readSows() const {
    std::vector<SowRecord> out;
    EXPECT_TRUE(records::readAll(sowPath(), out));
    return out;
  }
  std::vector<FarrowRecord> readLitters() const {
    std::vector<FarrowRecord> out;
    EXPECT_TRUE(records::readAll(farrowPath(), out));
    return out;
  }
};
