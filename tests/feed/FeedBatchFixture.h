#pragma once
// Shared set-up of the feed batch tests: the ingredient fixture's data
// folder with the year 2024's batch and medication files in play.
#include <string>
#include <vector>

#include "feed/IngredientFixture.h"
#include "records/FeedBatchRecord.h"
#include "records/MedicationRecord.h"

class FeedBatchTest : public IngredientWindowTest {
 protected:
  void SetUp() override {
    IngredientWindowTest::SetUp();
    FeedYear = "2024";
    FeedFile = "FEED2024.DAT";
    MedFile = "MED2024.DAT";
    FeedMenuChoice = 0;
  }
  std::string batchPath() const { return tp.path("FEED2024.DAT"); }
  void writeBatches(const std::vector<FeedBatchRecord>& rows) { writeRecords(batchPath(), rows); }
  std::vector<FeedBatchRecord> readBatches() const { return readRecords<FeedBatchRecord>(batchPath()); }
  void writeMeds(const std::vector<MedicationRecord>& rows) { writeRecords(tp.path("MED2024.DAT"), rows); }
  // Corn at 5 cents and soybean meal at 12.5 cents a pound, 1000 lb each.
  void writeCornAndSoy() {
    writeIngredients({anIngredient("CORN").name("Corn").cost(50, 0.05),
                      anIngredient("SBM").name("Soybean Meal").cost(125, 0.125)});
  }
  // The current inventory of each ingredient, record 1 first.
  std::vector<int32_t> onHand() const {
    std::vector<int32_t> pounds;
    for (const IngredientRecord& r : readIngredients()) pounds.push_back(r.CurrentInventory);
    return pounds;
  }
};

// A feed medication record of `pounds` at `unitCost` dollars for the batch ID.
inline MedicationRecord aFeedDose(const std::string& batchId, float pounds, double unitCost) {
  MedicationRecord m = aDose("AUREO", pounds).set(&MedicationRecord::SowId, std::string());
  m.BatchId = batchId;
  m.UnitCost = records::Currency::fromDouble(unitCost);
  return m;
}
