// The year's batch file: record bytes, the slot and number of a new batch,
// the medication of medicated batches, the medication mark stored at once,
// and the delete that gives the pounds back.
#include "feed/FeedBatchFile.h"
#include "feed/FeedBatchFixture.h"
#include "common/NumberText.h"
#include "platform/FileSystem.h"
#include "records/RecordSlots.h"

#include <sys/stat.h>

#include <limits>

namespace {

using Batches = std::vector<FeedBatchRecord>;
using Meds = std::vector<MedicationRecord>;

FeedBatchRecord freed() { return FeedBatchRecord{}; }

}  // namespace

TEST(FeedBatchRecordTest, FieldsLieAtTheirOffsetsAndAReservedBatchIsBlankButTypeAndNumber) {
  const std::string bytes = recordBytes<FeedBatchRecord>({aBatch("M00012").type("G").group("123").ground(
      "05/02/2024").row(0, "CORN", 700).row(7, "SBM", 300).cost(47.5)});
  RecordBytes expected(112);
  expected.text(0, "GM00012123").text(10, "05/02/2024").i32(20, 1000).i64(24, 475'000);
  for (int k = 0; k < 8; ++k) expected.i32(38 + 10 * k, 0);
  expected.text(32, "CORN").i32(38, 700).text(102, "SBM").i32(108, 300);
  EXPECT_EQ(bytes, expected.str());
  RecordBytes reserved(112);
  reserved.text(0, "E00007").text(10, "__/__/____").i32(20, 0).i64(24, 0);
  for (int k = 0; k < 8; ++k) reserved.i32(38 + 10 * k, 0);
  EXPECT_EQ(recordBytes<FeedBatchRecord>({ReservedBatch("E", "00007")}), reserved.str());
  EXPECT_EQ(recordBytes<FeedBatchRecord>({freed()}), reserved.text(0, "       ").str());
}

TEST(FeedBatchSlotTest, ANewBatchTakesTheFirstFreeNumberNoLiveMedicationNames) {
  const struct {
    const char* name;
    Batches batches;
    Meds meds;
    long record;
    std::string number;
  } cases[] = {
      {"empty file", {}, {}, 1, "00001"},
      {"second freed", {aBatch("00001"), freed(), aBatch("00003").type("L")}, {}, 2, "00002"},
      {"none free", {aBatch("00001"), aBatch("00002"), aBatch("M00003")}, {}, 4, "00004"},
      {"freed number still medicated", {aBatch("00001"), freed(), freed()}, {aFeedDose("00002", 2, 5)}, 3, "00003"},
      {"marked number still named", {freed()}, {aFeedDose("M00001", 2, 5)}, 2, "00002"},
      {"numbers past the file named", {aBatch("00001")}, {aFeedDose("00002", 1, 1), aFeedDose("00003", 1, 1)}, 4,
       "00004"},
      {"a blanked medication names nothing", {freed()}, {aFeedDose("", 2, 5)}, 1, "00001"},
  };
  for (const auto& c : cases) {
    const NewBatchSlot slot =
        FindNewBatchSlot(FeedBatchFile::of(c.batches), BatchMedications(MedicationFile::of(c.meds)));
    EXPECT_EQ(slot.record, c.record) << c.name;
    EXPECT_EQ(slot.number, c.number) << c.name;
  }
  EXPECT_EQ(BatchNumberOf(32767), "32767");
}

TEST(FeedBatchSlotTest, AFullFileHasNoSlot) {
  const Batches full(static_cast<size_t>(records::kMaxRecordNumber), aBatch("00001"));
  const NewBatchSlot slot = FindNewBatchSlot(FeedBatchFile::of(full), BatchMedications());
  EXPECT_EQ(slot.record, 0);
}

TEST_F(FeedBatchTest, AReservationPastTheLastRecordWritesTheRecordsBetweenFree) {
  writeBatches({aBatch("00001")});
  WriteSet set;
  ReserveBatch(set, {3, "00003"}, 1, "F");
  ASSERT_TRUE(set.commit());
  EXPECT_EQ(readBatches(), asStored<FeedBatchRecord>({aBatch("00001"), freed(), ReservedBatch("F", "00003")}));
}

TEST(BatchMedicationsTest, AMedicatedBatchAddsTheRecordsOfItsPlainNumber) {
  const BatchMedications meds(MedicationFile::of(
      {aFeedDose("00007", 2.5f, 4), aFeedDose("M00007", 9, 9), aFeedDose("00008", 1, 1), aFeedDose("00007", 3, 2)}));
  const BatchMedication m = meds.Of("M00007");
  EXPECT_FLOAT_EQ(m.pounds, 5.5f);
  EXPECT_DOUBLE_EQ(m.poundsWide, 5.5);
  EXPECT_FLOAT_EQ(m.cost, 16.0f);
  EXPECT_EQ(meds.Of("00007").pounds, 0.0f);  // only a marked batch is looked up
  EXPECT_EQ(meds.Of("M00009").pounds, 0.0f);
}

// The mark is the first character that is not blank.
TEST(BatchMedicationsTest, AMedicatedNumberStartsWithTheMarkPastItsBlanks) {
  const std::pair<const char*, bool> cases[] = {{"M00007", true}, {"  M007", true}, {"M     ", true},
                                                {"00007 ", false}, {" 0M007", false}, {"m00007", false},
                                                {"      ", false}, {"", false},        {"\tM0007", false}};
  for (const auto& [number, medicated] : cases) EXPECT_EQ(IsMedicatedNumber(number), medicated) << number;
}

// Each batch's doses are summed in record order, whatever other IDs lie
// between them; an ID is the stored text, blanks before it included.
TEST(BatchMedicationsTest, EachBatchSumsItsOwnDosesInRecordOrder) {
  const BatchMedications meds(MedicationFile::of({aFeedDose("00009", 1e8f, 1), aFeedDose("00007", 2, 1),
                                                  aFeedDose("00009", 1, 1), aFeedDose(" 0007", 5, 1),
                                                  aFeedDose("00009", -1e8f, 1), aFeedDose("00007", 3, 2)}));
  const std::pair<const char*, float> cases[] = {
      {"M00009", 0.0f}, {"M00007", 5.0f}, {"M 0007", 5.0f}, {"M00008", 0.0f}, {"M0007", 0.0f}};
  for (const auto& [number, pounds] : cases) EXPECT_EQ(meds.Of(number).pounds, pounds) << number;
  EXPECT_FLOAT_EQ(meds.Of("M00007").cost, 8.0f);
  EXPECT_TRUE(meds.Names("00009"));
  EXPECT_FALSE(meds.Names("00009 "));
  EXPECT_FALSE(meds.Names("000090"));
}

// The doses of many batches in turn, three rounds of them: each batch sums
// its own in record order. In record order
// 1e8 - 1e8 + 1 is 1; a pound added to 1e8 first is lost (a Single).
TEST(BatchMedicationsTest, ManyBatchesEachSumTheirOwnDosesInRecordOrder) {
  constexpr int kBatches = 300;
  const float rounds[] = {1e8f, -1e8f, 1};
  Meds doses;
  for (const float pounds : rounds)
    for (long b = 1; b <= kBatches; ++b) doses.push_back(aFeedDose(BatchNumberOf(b), pounds, 2));
  const BatchMedications meds(MedicationFile::of(doses));
  for (long b = 1; b <= kBatches + 1; ++b) {
    const BatchMedication m = meds.Of("M" + BatchNumberOf(b));
    const bool dosed = b <= kBatches;
    EXPECT_EQ(m.pounds, dosed ? 1.0f : 0.0f) << b;
    EXPECT_EQ(m.poundsWide, dosed ? 1.0 : 0.0) << b;
    EXPECT_EQ(m.cost, dosed ? 2.0f : 0.0f) << b;
    EXPECT_EQ(meds.Names(BatchNumberOf(b)), dosed) << b;
  }
}

// Each dose rounded to whole pounds within a Long, summed in 64 bits.
TEST(BatchMedicationsTest, WholePoundsOfDosesPastALongKeepTheNearestValue) {
  constexpr float kNaN = std::numeric_limits<float>::quiet_NaN(), kInf = std::numeric_limits<float>::infinity();
  const std::pair<std::vector<float>, int64_t> cases[] = {
      {{1e30f, 1e30f}, 2 * int64_t{2147483647}},
      {{2.5f, kNaN, 3.5f}, 6},
      {{-kInf, -2147483648.0f}, -2 * int64_t{2147483648}},
      {{kInf, -kInf}, -1},
  };
  for (const auto& [doses, whole] : cases) {
    std::vector<MedicationRecord> meds;
    for (float d : doses) meds.push_back(aFeedDose("00007", d, 1));
    EXPECT_EQ(BatchMedications(MedicationFile::of(meds)).Of("M00007").wholePounds, whole) << doses[0];
  }
}

// An inventory given or drawn past what a Long holds keeps the nearest value.
TEST_F(FeedBatchTest, InventoriesPastALongKeepTheNearestValue) {
  writeIngredients({anIngredient("CORN").pounds(2147483000, 1000), anIngredient("SBM").pounds(-2147483000, 1000),
                    anIngredient("OATS").pounds(5, 1000)});
  const IngredientFile file = IngredientFile::of(readIngredients());
  std::vector<int32_t> onHand;
  for (const auto& [record, ingredient] : ChangedIngredients(file, {{1, 1000}, {2, -1000}, {3, -10}, {1, 1}}))
    onHand.push_back(ingredient.CurrentInventory);
  EXPECT_EQ(onHand, (std::vector<int32_t>{2147483647, -2147483647 - 1, -5}));
}

TEST_F(FeedBatchTest, DeletingBatchesGivesEveryRowItsPoundsBackAndFreesTheRecords) {
  writeIngredients({anIngredient("CORN").pounds(500, 1000), anIngredient("SBM").pounds(800, 1000)});
  writeBatches({aBatch("00001").row(0, "corn", 300).row(1, "SBM", 200), aBatch("00002").row(2, "GONE", 50),
                aBatch("00003").type("G").row(0, "CORN", 100).row(5, " sbm", 25)});
  writeMeds({aFeedDose("00001", 2, 5)});
  {
    WriteSet set;
    ASSERT_TRUE(DeleteBatches(set, {1, 3}, nullptr));
    ASSERT_TRUE(set.commit());
  }
  EXPECT_EQ(onHand(), (std::vector<int32_t>{900, 1025}));
  EXPECT_EQ(readFile(batchPath()), recordBytes<FeedBatchRecord>({freed(), aBatch("00002").row(2, "GONE", 50), freed()}));
  EXPECT_EQ(readRecords<MedicationRecord>(tp.path("MED2024.DAT")).size(), 1u);  // the medication stays

  // A batch file that cannot take the delete: no pounds go back.
  const std::string stock = readFile(feedPath()), kept = readFile(batchPath());
  ASSERT_EQ(::chmod(batchPath().c_str(), 0444), 0);
  WriteSet set;
  EXPECT_TRUE(DeleteBatches(set, {2}, nullptr));
  EXPECT_FALSE(set.commit());
  EXPECT_EQ(set.fault().path, batchPath());
  EXPECT_EQ(readFile(feedPath()), stock);
  EXPECT_EQ(readFile(batchPath()), kept);
  ASSERT_EQ(::chmod(batchPath().c_str(), 0644), 0);
}
