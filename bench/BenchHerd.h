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
// nothing yet. One group record and one sales row were deleted. After them
// GROUP.DAT holds the farm's earlier group years (1994 back to 1947),
// typed in later from its books, without sales, to record 32767.
//
// The small farm of the check mode has the same kinds of records, fewer.
#include <string>
#include <vector>

#include "platform/FileSystem.h"
#include "records/BoarRecord.h"
#include "records/FarrowRecord.h"
#include "records/IngredientRecord.h"
#include "records/GroupRecord.h"
#include "records/SalesRecord.h"
#include "records/SowRecord.h"

// The last record of a file whose record numbers are held in 16 bits.
inline constexpr long kLastRecord = 32767;

// The size of the farm: full, each record file at its limit of 32,767
// records, for the timed runs; or small, for the check mode, yet with
// enough of each kind that every query of the bench lists something.
struct FarmSize {
  int sows = 0;
  size_t deletedSow = 0;  // the index of the sow that was deleted
  int boars = 0;
  long firstBoar = 1;  // the boars fill the records from this one on
  long boarRecords = 0, litterRecords = 0;
  long ingredientRecords = 0, deletedIngredient = 0;
  int firstGroupYear = 0;  // the group years run from it to 2024
  long groupRecords = 0, salesRecords = 0;
  long drugRecords = 0, deletedDrug = 0;
  long batchRecords = 0, freedBatch = 0, deletedMedicatedBatch = 0;
  size_t doses = 0;
  long dosedDrugs = 0;  // the doses are of drugs D1 to this one
  static FarmSize full();
  static FarmSize small();
};

struct BenchHerd {
  FarmSize size;
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

BenchHerd MakeBenchHerd(const FarmSize& size);

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
