#pragma once
// A drug inventory and the files of a year at the limits of their formats
// (or smaller, as the farm's size says), the same at every run: DRUG.LST
// filled to record 32767 (one drug deleted:
// its record is free, so the next new drug takes it); a year's feed batch
// file filled to record 32767, the five feed types in turn, every twelfth
// batch medicated whatever its type, two records freed by a delete (the
// first a medicated batch, whose doses stay, so no new batch takes it); and the
// year's medication file at its 8420 records, dated over the whole year,
// given by several people to sows and boars of the herd, to its groups of
// the year and to each medicated batch.
#include <string>
#include <vector>

#include "bench/BenchHerd.h"
#include "records/DrugRecord.h"
#include "records/FeedBatchRecord.h"
#include "records/MedicationRecord.h"

struct BenchDrugs {
  std::vector<DrugRecord> drugs;
  long freeDrug = 0;  // the deleted drug's record
};

BenchDrugs MakeBenchDrugs(const FarmSize& size);

struct BenchYear {
  std::string year;  // four digits
  std::vector<FeedBatchRecord> batches;
  std::vector<MedicationRecord> doses;
  long freeBatch = 0;  // the deleted batch's record
};

// The files of `year`; the medication file holds `doses` (none said: the
// farm's size says).
BenchYear MakeBenchYear(const BenchHerd& herd, const BenchDrugs& drugs, int year, size_t doses = 0);

// The names of a year's files: "FEED" + year + ".DAT", "MED" + year + ".DAT".
std::string BenchFeedFile(const std::string& year);
std::string BenchMedFile(const std::string& year);

// Writes DRUG.LST into `folder` (ending in "/").
bool WriteBenchDrugs(const BenchDrugs& drugs, const std::string& folder);
// Writes FEED<yyyy>.DAT and MED<yyyy>.DAT into `folder`.
bool WriteBenchYear(const BenchYear& year, const std::string& folder);
