#pragma once
// A full herd at the limits of the stored formats, the same at every run: 4799
// sows (most with nine litters), FARROW.DAT filled to record 32767, 64 boars.
// One sow was deleted: her record is free and so are her litters, late in
// FARROW.DAT, so the next new sow and litter take those records. FEED.LST
// holds 32767 ingredients, one of them deleted late in the file.
#include <string>
#include <vector>

#include "records/BoarRecord.h"
#include "records/FarrowRecord.h"
#include "records/IngredientRecord.h"
#include "records/SowRecord.h"

struct BenchHerd {
  std::vector<SowRecord> sows;
  std::vector<FarrowRecord> litters;
  std::vector<BoarRecord> boars;
  long freeSow = 0;     // the deleted sow's record
  long freeLitter = 0;  // the first of her freed litters
  std::vector<IngredientRecord> ingredients;
  long freeIngredient = 0;  // the deleted ingredient's record
};

BenchHerd MakeBenchHerd();

// Writes SOW.DAT, FARROW.DAT, BOAR.DAT and FEED.LST into `folder` (ending in "/").
bool WriteBenchHerd(const BenchHerd& herd, const std::string& folder);
