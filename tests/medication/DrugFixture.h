#pragma once
// Shared set-up of the drug tests: a fresh data folder holding DRUG.LST and
// MED2024.DAT, today's date, and the files written and read as records.
#include <gtest/gtest.h>

#include "common/HogGlobals.h"
#include "medication/DrugListLine.h"
#include "support/ListLines.h"
#include "support/RecordBuilders.h"
#include "support/TestPlatform.h"

// The drug list's line of one drug, written from its stored bytes.
inline std::string drugListLine(const DrugRecord& drug) {
  return lineOf(drug, [](const uint8_t* bytes) { return WriteDrugLine(bytes, kDrugListColumns, kDrugLineWidth); });
}

class DrugTest : public ::testing::Test {
 protected:
  TestPlatform tp;

  void SetUp() override {
    DataFolder = tp.home();
    MedFile = "MED2024.DAT";
    DateText = "06/01/2024";
  }
  std::string drugPath() const { return tp.path("DRUG.LST"); }
  std::string medPath() const { return tp.path("MED2024.DAT"); }
  void writeDrugs(const std::vector<DrugRecord>& drugs) { writeRecords(drugPath(), drugs); }
  void writeDoses(const std::vector<MedicationRecord>& doses) { writeRecords(medPath(), doses); }
  std::vector<DrugRecord> drugs() const { return readRecords<DrugRecord>(drugPath()); }
};
