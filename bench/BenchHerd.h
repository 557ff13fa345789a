#pragma once
// A full herd at the limits of the stored formats, the same at every run: 4799
// sows (most with nine litters), FARROW.DAT filled to record 32767, 64 boars.
// One sow was deleted: her record is free and so are her litters, late in
// FARROW.DAT, so the next new sow and litter take those records. FEED.LST
// holds 32767 ingredients, one of them deleted late in the file.
//
// The piglet side: thirty group years (1995 to 2024) of weekly nursery groups
// and a few growers entered directly, each moved on to grower and finisher
// sub-groups and sold in loads, some carried across the year end, until
// SALES.DAT is full at record 32767; the groups past that point have sold
// nothing yet. One group record and one sales row were deleted.
#include <string>
#include <vector>

#include "platform/FileSystem.h"
#include "records/BoarRecord.h"
#include "records/FarrowRecord.h"
#include "records/IngredientRecord.h"
#include "records/GroupRecord.h"
#include "records/SalesRecord.h"
#include "records/SowRecord.h"

struct BenchHerd {
  std::vector<SowRecord> sows;
  std::vector<FarrowRecord> litters;
  std::vector<BoarRecord> boars;
  std::vector<GroupRecord> groups;
  std::vector<SalesRecord> sales;
  long freeSow = 0;     // the deleted sow's record
  long freeLitter = 0;  // the first of her freed litters
  std::vector<IngredientRecord> ingredients;
  long freeIngredient = 0;  // the deleted ingredient's record
  long freeGroup = 0;   // the deleted group record
  long freeSale = 0;    // the deleted sales row
};

BenchHerd MakeBenchHerd();

// Writes `rows` as the whole file at `path`, each record encoded in turn.
template <class R>
bool WriteBenchRecords(const std::string& path, const std::vector<R>& rows) {
  records::Bytes bytes;
  bytes.reserve(rows.size() * static_cast<size_t>(R::Length));
  for (const R& r : rows) {
    const records::Bytes b = records::encode(r);
    bytes.insert(bytes.end(), b.begin(), b.end());
  }
  return platform::writeWholeFile(path, bytes);
}

// Writes SOW.DAT, FARROW.DAT, BOAR.DAT, FEED.LST, GROUP.DAT and SALES.DAT
// into `folder` (ending in "/").
bool WriteBenchHerd(const BenchHerd& herd, const std::string& folder);
