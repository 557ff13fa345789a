#include "feed/IngredientEntry.h"

#include <cstdint>

#include "common/Format.h"
#include "common/NumberText.h"
#include "common/TypedNumber.h"
#include "records/RecordSlots.h"

namespace {

// The pounds are Longs (the start at least 1: it divides the cost), the
// total cost within what a Single holds.
const NumberField kCurrentNumber = LongField("CURRENT INVENTORY");
const NumberField kStartNumber = LongField("START INVENTORY", 1);
const NumberField kTotalNumber = SingleField("TOTAL COST");

Refusal refuse(const std::string& text, int field) {
  return Refusal{text, kIngredientEntryTitle, platform::vbExclamation, field};
}

Refusal required(const std::string& heading, const std::string& instruction, int field) {
  return refuse(heading + "\r\rThis is a REQUIRED entry!\r" + instruction, field);
}

int32_t pounds(const std::string& text, const NumberField& field) {
  return static_cast<int32_t>(TypedValue(text, field));
}

// A number box of the entry: required, without a comma, then through its
// field.
Check numberBox(const std::string& text, const NumberField& field, int box, const char* missing,
                const char* mustEnter) {
  if (Trim(text).empty()) return required(missing, mustEnter, box);
  if (Check comma = CheckNoComma(text, kIngredientEntryTitle, box)) return comma;
  return CheckTypedNumber(text, field, kIngredientEntryTitle, box);
}

}  // namespace

Check CheckIngredientEntry(const IngredientEntry& e) {
  if (Trim(e.name).empty())
    return required("NO INGREDIENT NAME!", "You MUST enter an Ingredient NAME.", kFeedNamField);
  if (Trim(e.code).empty())
    return required("NO INGREDIENT CODE!", "You MUST enter a Ingredient CODE.", kFeedCodField);
  const char kInvAmount[] = "You MUST enter an Inv AMOUNT.";
  if (Check refusal = numberBox(e.currentInventory, kCurrentNumber, kCurInvField, "NO CURRENT INVENTORY!", kInvAmount))
    return refusal;
  if (Check refusal = numberBox(e.startInventory, kStartNumber, kStInvField, "NO START INVENTORY!", kInvAmount))
    return refusal;
  if (Check refusal =
          numberBox(e.totalCost, kTotalNumber, kTotCostField, "NO TOTAL COST!", "You MUST enter a TOTAL COST."))
    return refusal;
  if (e.inventoryDate == records::kEmptyDate)
    return required("NO INVENTORY DATE!", "You MUST enter a INVENTORY DATE.", kInvenDateField);
  return std::nullopt;
}

Check CheckIngredientCode(const IngredientFile& file, const std::string& code, bool editing,
                          const std::string& loadedCode) {
  if (editing && code == loadedCode) return std::nullopt;
  if (DuplicateIngredient(file, code) == 0) return std::nullopt;
  return refuse("DUPLICATE CODE!\r\rYou can't use the same code!", kFeedCodField);
}

Check CheckIngredientSlot(long record) {
  if (records::RecordNumberFits(record)) return std::nullopt;
  return refuse("NO ROOM LEFT IN THE INGREDIENT FILE!\r\rTry Deleting some older INGREDIENT(s).", -1);
}

float UnitCostOf(const IngredientEntry& e) {
  return TypedSingle(e.totalCost, kTotalNumber) /
         static_cast<float>(pounds(e.startInventory, kStartNumber));
}

IngredientRecord IngredientOfEntry(const IngredientEntry& e) {
  IngredientRecord r;
  r.IngredientName = Trim(e.name);
  r.IngredientCode = Trim(e.code);
  r.CurrentInventory = pounds(e.currentInventory, kCurrentNumber);
  r.StartInventory = pounds(e.startInventory, kStartNumber);
  r.TotalCost = TypedCurrency(e.totalCost, kTotalNumber);
  r.UnitCost = records::Currency::fromDouble(UnitCostOf(e));
  r.InventoryDate = e.inventoryDate;
  return r;
}

std::string UnitCostText(const std::string& startInventory, const std::string& totalCost) {
  const int32_t start = pounds(startInventory, kStartNumber);
  const float total = TypedSingle(totalCost, kTotalNumber);
  if (total == 0 || start == 0) return "$0.00";
  return Format(total / static_cast<float>(start), "0.00");
}

Check CheckNoComma(const std::string& text, const std::string& title, int field) {
  if (text.find(',') == std::string::npos) return std::nullopt;
  return Refusal{"DON'T INCLUDE A COMMA!", title, platform::vbExclamation, field};
}
