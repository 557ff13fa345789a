// The checks of the drug entry window in their order, the record it writes
// and the texts it shows.
#include "medication/DrugEntry.h"
#include "medication/DrugFixture.h"
#include "support/RecordBuilders.h"
#include "support/RecordBytes.h"

namespace {

// Every field typed: a feed medication that passes every check.
DrugEntry typed() {
  DrugEntry e{" Pen-V ", "PEN1 ", "2.5", "01/15/2024", "12.34", "__/__/____", "37.5", "40",
              "14", " LOT-7 ", "Zoetis", " note "};
  e.type = kFeedOption;
  return e;
}

struct Case {
  std::string DrugEntry::*field;
  const char* value;
  std::string text;  // "" when the entry passes
  int focus;
};

void expectChecks(Check (*check)(const DrugEntry&), const std::vector<Case>& cases) {
  for (const Case& c : cases) {
    DrugEntry e = typed();
    e.*c.field = c.value;
    const Check refusal = check(e);
    if (c.text.empty()) {
      EXPECT_FALSE(refusal) << c.value;
      continue;
    }
    ASSERT_TRUE(refusal) << c.text;
    EXPECT_EQ(*refusal, (Refusal{c.text, "DRUG    ENTRY    ERROR", platform::vbExclamation, c.focus}));
  }
}

}  // namespace

TEST(DrugEntryChecks, RequiredFieldsInTheirOrder) {
  EXPECT_FALSE(CheckDrugRequired(typed()));
  const std::string required = "\r\rThis is a REQUIRED entry!\r";
  DrugEntry e;  // nothing typed: each refusal in turn as the fields are filled
  const std::vector<std::tuple<std::string DrugEntry::*, std::string, int>> order = {
      {&DrugEntry::name, "NO DRUG NAME!" + required + "You MUST enter a DRUG NAME.", kNameField},
      {&DrugEntry::cost, "NO DRUG COST!" + required + "You MUST enter a DRUG COST.", kCostField},
      {&DrugEntry::inventory, "NO INVENTORY AMOUNT!" + required + "You MUST enter an Inv AMOUNT.", kInventoryField},
      {&DrugEntry::purchased,
       "NO PURCHASED AMOUNT!" + required + "You MUST enter a AMOUNT that was PURCHASED!.", kPurchasedField},
      {&DrugEntry::code, "NO DRUG CODE!" + required + "You MUST enter a DRUG CODE.", kCodeField}};
  for (const auto& [field, text, focus] : order) {
    EXPECT_EQ(CheckDrugRequired(e), (Refusal{text, kDrugEntryTitle, platform::vbExclamation, focus}));
    e.*field = "   ";
    EXPECT_EQ(CheckDrugRequired(e)->text, text);  // blanks are nothing typed
    e.*field = "0";
  }
  EXPECT_FALSE(CheckDrugRequired(e));
}

TEST(DrugEntryChecks, DosageTypedAndFiguresNotNegativeNorTooLarge) {
  const std::string kRange = "\r\rIt takes a number from 0 to 9999999.";
  expectChecks(CheckDrugFigures, {
      {&DrugEntry::dosage, " ", "NO DRUG DOSAGE!\r\rThis is a REQUIRED entry!\rYou MUST enter a DRUG DOSAGE.", kCodeField},
      {&DrugEntry::dosage, "-1", "DRUG DOSAGE can't be less than 0!" + kRange, kDosageField},
      {&DrugEntry::dosage, "9E99", "DRUG DOSAGE can't be more than 9999999!" + kRange, kDosageField},
      {&DrugEntry::dosage, "2 ml", "DRUG DOSAGE is not a number!" + kRange, kDosageField},
      {&DrugEntry::cost, "-.01", "DRUG COST can't be less than 0!" + kRange, kCostField},
      {&DrugEntry::cost, "9E15", "DRUG COST can't be more than 9999999!" + kRange, kCostField},
      {&DrugEntry::cost, "ABC", "DRUG COST is not a number!" + kRange, kCostField},
      {&DrugEntry::cost, "$12.50", "DRUG COST is not a number!" + kRange, kCostField},
      {&DrugEntry::inventory, "-5", "INVENTORY AMOUNT can't be less than 0!" + kRange, kInventoryField},
      {&DrugEntry::purchased, "-5", "PURCHASED AMOUNT can't be less than 0!" + kRange, kPurchasedField},
      {&DrugEntry::purchased, "4E38", "PURCHASED AMOUNT can't be more than 9999999!" + kRange, kPurchasedField},
      {&DrugEntry::purchased, "0", "", 0},
      {&DrugEntry::cost, "9999999", "", 0},
  });
  EXPECT_FALSE(CheckDrugRecordRoom(32767));
  EXPECT_EQ(CheckDrugRecordRoom(32768)->text, "ERROR:   NO ROOM LEFT IN DRUG FILE!!\r\rTry Deleting some older DRUG(s).");
}

TEST_F(DrugTest, CodeIsTakenWhenADrugHoldsItTrimmed) {
  writeDrugs({aDrug("A"), aDrug("PEN1")});
  DrugsOfCodes holding({"PEN1", "pen1"});
  ASSERT_TRUE(holding.Read(nullptr));
  EXPECT_EQ(CheckDrugCodeFree(holding, " PEN1 ")->text, "DUPLICATE CODE!\r\rYou can't use the same code!");
  EXPECT_EQ(CheckDrugCodeFree(holding, "PEN1")->field, kCodeField);
  EXPECT_FALSE(CheckDrugCodeFree(holding, "pen1"));
}

TEST(DrugEntryRecord, WrittenTrimmedWithTheUnitOfItsTypeAndShownBack) {
  const records::Bytes b = records::encode(DrugRecordOf(typed(), {}));
  RecordBytes expected(346);
  expected.text(0, "Pen-V").text(20, "PEN1").text(26, "FL").f32(28, 2.5f).text(32, "14").text(35, "LOT-7")
      .text(50, "01/15/2024__/__/____").f32(70, 37.5f).i64(74, 123'400).f32(82, 40).text(86, "Zoetis")
      .text(106, "note");
  EXPECT_EQ(std::string(b.begin(), b.end()), expected.str());

  const std::pair<int, std::string> units[] = {{kVaccineOption, "VM"}, {kWaterOption, "WO"}, {7, "VM"}};
  for (const auto& [option, letters] : units) {
    DrugEntry e = typed();
    e.type = option;
    const DrugRecord r = DrugRecordOf(e, {});
    EXPECT_EQ(r.DrugType + r.DrugUnit, letters);
  }
  const DrugEntry shown = DrugEntryOf(DrugRecordOf(typed(), {}));
  EXPECT_EQ(std::vector<std::string>({shown.name, shown.code, shown.dosage, shown.cost, shown.inventory,
                                      shown.purchased, shown.lot, shown.note}),
            std::vector<std::string>({"Pen-V", "PEN1", "2.5", "12.34", "37.5", "40.0", "LOT-7", "note"}));
  EXPECT_EQ(shown.type, kFeedOption);
  // A cost is stored as typed, to the cent of its seven digits, and shown back.
  const std::tuple<const char*, int64_t, const char*> typedCosts[] = {
      {"99999.99", 999'999'900, "99999.99"}, {"9999999", 99'999'990'000, "9999999"}, {".01", 100, "0.01"}};
  for (const auto& [cost, raw, back] : typedCosts) {
    DrugEntry e = typed();
    e.cost = cost;
    const DrugRecord r = DrugRecordOf(e, {});
    EXPECT_EQ(r.DrugCost.raw, raw) << cost;
    EXPECT_EQ(DrugEntryOf(r).cost, back) << cost;
  }
  EXPECT_EQ(DrugOptionOfType("X"), -1);
  EXPECT_EQ(DrugUnitCaption(kWaterOption), "Oz / Gal");
  const std::tuple<float, float, const char*> costs[] = {{100, 40, "$2.50"}, {0, 40, "$0.00"}, {100, 0, "$0.00"},
                                                         {-5, 1, "$0.00"},  {1, 3, "$0.33"}};
  for (const auto& [cost, purchased, caption] : costs) EXPECT_EQ(UnitCostCaption(cost, purchased), caption);
}
