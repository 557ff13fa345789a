#pragma once
// A drug inventory at the limits of its formats, the same at every run:
// DRUG.LST filled to record 32767 and a year's medication file of 8420
// records. One drug was deleted: its record is free, so the next new drug
// takes it.
#include <string>
#include <vector>

#include "records/DrugRecord.h"
#include "records/MedicationRecord.h"

struct BenchDrugs {
  std::vector<DrugRecord> drugs;
  std::vector<MedicationRecord> doses;
  long freeDrug = 0;  // the deleted drug's record
};

BenchDrugs MakeBenchDrugs();

// Writes DRUG.LST and `medFile` into `folder` (ending in "/").
bool WriteBenchDrugs(const BenchDrugs& drugs, const std::string& folder, const std::string& medFile);
