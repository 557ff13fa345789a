// The checks of the ingredient entry window, in their order, with their exact
// messages, and the record and unit cost an accepted entry gives.
#include <gtest/gtest.h>

#include "feed/IngredientEntry.h"
#include "support/RecordBuilders.h"

namespace {

IngredientEntry typed(const std::string& name, const std::string& code, const std::string& current,
                      const std::string& start, const std::string& total, const std::string& date = "03/15/2024") {
  return {name, code, current, start, total, date};
}

std::string required(const std::string& heading, const std::string& instruction) {
  return heading + "\r\rThis is a REQUIRED entry!\r" + instruction;
}

}  // namespace

TEST(IngredientEntry, ChecksRefuseTheFirstFaultyFieldInOrder) {
  const std::string currentRange = "\r\rIt takes a number from 0 to 2147483647.";
  const std::string startRange = "\r\rIt takes a number from 1 to 2147483647.";
  const std::string totalRange = "\r\rIt takes a number from 0 to 9999999.";
  const struct {
    IngredientEntry e;
    std::string text;  // "" when accepted
    int field;
  } cases[] = {
      {typed("", "", "", "", "", "__/__/____"), required("NO INGREDIENT NAME!", "You MUST enter an Ingredient NAME."),
       kFeedNamField},
      {typed("Corn", "  ", "", "", ""), required("NO INGREDIENT CODE!", "You MUST enter a Ingredient CODE."),
       kFeedCodField},
      {typed("Corn", "C", " ", "", ""), required("NO CURRENT INVENTORY!", "You MUST enter an Inv AMOUNT."),
       kCurInvField},
      {typed("Corn", "C", "-1", "1", "1"), "CURRENT INVENTORY can't be less than 0!" + currentRange, kCurInvField},
      {typed("Corn", "C", "2147483648", "1", "1"), "CURRENT INVENTORY can't be more than 2147483647!" + currentRange,
       kCurInvField},
      {typed("Corn", "C", "9E99", "1", "1"), "CURRENT INVENTORY can't be more than 2147483647!" + currentRange,
       kCurInvField},
      {typed("Corn", "C", "1,200", "1", "1"), "DON'T INCLUDE A COMMA!", kCurInvField},
      {typed("Corn", "C", "1200 lb", "1", "1"), "CURRENT INVENTORY is not a number!" + currentRange, kCurInvField},
      {typed("Corn", "C", "0", "", ""), required("NO START INVENTORY!", "You MUST enter an Inv AMOUNT."), kStInvField},
      {typed("Corn", "C", "0", "0", "1"), "START INVENTORY can't be less than 1!" + startRange, kStInvField},
      {typed("Corn", "C", "0", "0.5", "1"), "START INVENTORY can't be less than 1!" + startRange,
       kStInvField},  // rounds to 0
      {typed("Corn", "C", "0", "-10", "1"), "START INVENTORY can't be less than 1!" + startRange, kStInvField},
      {typed("Corn", "C", "0", "ABC", "1"), "START INVENTORY is not a number!" + startRange, kStInvField},
      {typed("Corn", "C", "0", "1", ""), required("NO TOTAL COST!", "You MUST enter a TOTAL COST."), kTotCostField},
      {typed("Corn", "C", "0", "1", "-.01"), "TOTAL COST can't be less than 0!" + totalRange, kTotCostField},
      {typed("Corn", "C", "0", "1", "1E15"), "TOTAL COST can't be more than 9999999!" + totalRange, kTotCostField},
      {typed("Corn", "C", "0", "1", "1,000"), "DON'T INCLUDE A COMMA!", kTotCostField},
      {typed("Corn", "C", "0", "1", "$40"), "TOTAL COST is not a number!" + totalRange, kTotCostField},
      {typed("Corn", "C", "0", "1", "0", "__/__/____"), required("NO INVENTORY DATE!", "You MUST enter a INVENTORY DATE."),
       kInvenDateField},
      {typed("Corn", "C", "-0.4", "1.5", "0"), "", -1},
      {typed("Corn", "C", "2147483647", "2147483647", "9999999"), "", -1},
  };
  for (const auto& c : cases) {
    const Check refused = CheckIngredientEntry(c.e);
    if (c.text.empty()) {
      EXPECT_FALSE(refused) << c.e.currentInventory << " " << c.e.startInventory << " " << c.e.totalCost;
      continue;
    }
    ASSERT_TRUE(refused) << c.text;
    EXPECT_EQ(*refused, (Refusal{c.text, "INGREDIENT    ENTRY    ERROR", platform::vbExclamation, c.field}));
  }
}

TEST(IngredientEntry, CodesOfOtherRecordsAndRecordsPastTheLimitAreRefused) {
  const IngredientFile file = IngredientFile::of({anIngredient("CORN"), anIngredient("SOY")});
  const Refusal duplicate{"DUPLICATE CODE!\r\rYou can't use the same code!", "INGREDIENT    ENTRY    ERROR",
                          platform::vbExclamation, kFeedCodField};
  EXPECT_EQ(CheckIngredientCode(file, "SOY", false, ""), duplicate);
  EXPECT_EQ(CheckIngredientCode(file, "SOY", true, "CORN"), duplicate);
  EXPECT_FALSE(CheckIngredientCode(file, "SOY", true, "SOY"));  // the record's own code
  EXPECT_FALSE(CheckIngredientCode(file, "OATS", false, ""));
  EXPECT_FALSE(CheckIngredientSlot(32767));
  EXPECT_EQ(CheckIngredientSlot(32768),
            (Refusal{"NO ROOM LEFT IN THE INGREDIENT FILE!\r\rTry Deleting some older INGREDIENT(s).",
                     "INGREDIENT    ENTRY    ERROR", platform::vbExclamation, -1}));
}

TEST(IngredientEntry, TheRecordHoldsTheRoundedPoundsAndTheCostsAsCurrency) {
  const struct {
    IngredientEntry e;
    std::string nameAndCode;
    int32_t current, start;
    int64_t total, unit;
  } cases[] = {
      {typed(" Corn ", " C1 ", "999.5", "1000", "12.50"), "Corn/C1", 1000, 1000, 125'000, 125},
      {typed("Soy", "S", "2.5", "3", "10"), "Soy/S", 2, 3, 100'000, 33'333},
      {typed("Oats", "O", "7", "4", "10.1"), "Oats/O", 7, 4, 101'000, 25'250},
      // The total as typed; the unit cost, a Single quotient, to its seven digits.
      {typed("Hay", "H", "1", "1", "1234567.89"), "Hay/H", 1, 1, 12'345'678'900, 12'345'678'750},
  };
  for (const auto& c : cases) {
    const IngredientRecord r = IngredientOfEntry(c.e);
    EXPECT_EQ(r.IngredientName + "/" + r.IngredientCode, c.nameAndCode);
    EXPECT_EQ(r.CurrentInventory, c.current);
    EXPECT_EQ(r.StartInventory, c.start);
    EXPECT_EQ(r.TotalCost.raw, c.total);
    EXPECT_EQ(r.UnitCost.raw, c.unit);
    EXPECT_EQ(r.InventoryDate, "03/15/2024");
  }
}

TEST(IngredientEntry, TheUnitCostShownAndTheCommaRefused) {
  const struct {
    const char *start, *total, *shown;
  } cases[] = {{"1000", "12.5", "0.01"}, {"3", "10", "3.33"}, {"0", "10", "$0.00"}, {"10", "", "$0.00"},
               {"9E99", "10", "$0.00"}, {"1,000", "12", "$0.00"}, {"10", "1x", "$0.00"}};
  for (const auto& c : cases) EXPECT_EQ(UnitCostText(c.start, c.total), c.shown) << c.start << " " << c.total;
  EXPECT_EQ(CheckNoComma("1,000", "ENTER  TOTAL  COST", -1),
            (Refusal{"DON'T INCLUDE A COMMA!", "ENTER  TOTAL  COST", platform::vbExclamation, -1}));
  EXPECT_FALSE(CheckNoComma("1000.5", "ENTER  TOTAL  COST", -1));
}
