#include "feed/IngredientEntry.h"

#include <cstdint>

#include "common/Format.h"
#include "common/NumberText.h"
#include "records/RecordSlots.h"

namespace {

// The largest whole number of dollars a Currency holds.
constexpr double kCurrencyMax = 922337203685477.0;

Refusal refuse(const std::string& text, int field) {
  return Refusal{text, kIngredientEntryTitle, platform::vbExclamation, field};
}

Refusal required(const std::string& heading, const std::string& instruction, int field) {
  return refuse(heading + "\r\rThis is a REQUIRED entry!\r" + instruction, field);
}

// The pounds typed, rounded as a Long takes them; false when out of range.
bool poundsOf(const std::string& text, int32_t& pounds) { return ToLong(Val(text), pounds); }

int32_t pounds(const std::string& text) {
  int32_t v = 0;
  poundsOf(text, v);
  return v;
}

}  // namespace

Check CheckIngredientEntry(const IngredientEntry& e) {
  if (Trim(e.name).empty())
    return required("NO INGREDIENT NAME!", "You MUST enter an Ingredient NAME.", kFeedNamField);
  if (Trim(e.code).empty())
    return required("NO INGREDIENT CODE!", "You MUST enter a Ingredient CODE.", kFeedCodField);
  if (Trim(e.currentInventory).empty())
    return required("NO CURRENT INVENTORY!", "You MUST enter an Inv AMOUNT.", kCurInvField);
  int32_t current = 0;
  if (!poundsOf(e.currentInventory, current) || current < 0)
    return refuse("INVALID CURRENT INVENTORY!\r\rThe Inv AMOUNT must be 0 to 2147483647 Lb.", kCurInvField);
  if (Trim(e.startInventory).empty())
    return required("NO START INVENTORY!", "You MUST enter an Inv AMOUNT.", kStInvField);
  int32_t start = 0;
  if (!poundsOf(e.startInventory, start) || start < 1)
    return refuse("INVALID START INVENTORY!\r\rThe Inv AMOUNT must be 1 to 2147483647 Lb.", kStInvField);
  if (Trim(e.totalCost).empty())
    return required("NO TOTAL COST!", "You MUST enter a TOTAL COST.", kTotCostField);
  const double total = Val(e.totalCost);
  if (total < 0 || total > kCurrencyMax)
    return refuse("INVALID TOTAL COST!\r\rThe TOTAL COST must be 0 to 922337203685477.", kTotCostField);
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
  return static_cast<float>(Val(e.totalCost)) / static_cast<float>(pounds(e.startInventory));
}

IngredientRecord IngredientOfEntry(const IngredientEntry& e) {
  IngredientRecord r;
  r.IngredientName = Trim(e.name);
  r.IngredientCode = Trim(e.code);
  r.CurrentInventory = pounds(e.currentInventory);
  r.StartInventory = pounds(e.startInventory);
  r.TotalCost = records::Currency::fromDouble(static_cast<float>(Val(e.totalCost)));
  r.UnitCost = records::Currency::fromDouble(UnitCostOf(e));
  r.InventoryDate = e.inventoryDate;
  return r;
}

std::string UnitCostText(const std::string& startInventory, const std::string& totalCost) {
  const int32_t start = pounds(startInventory);
  const float total = static_cast<float>(Val(totalCost));
  if (total == 0 || start == 0) return "$0.00";
  return Format(total / static_cast<float>(start), "0.00");
}

Check CheckNoComma(const std::string& text, const std::string& title, int field) {
  if (text.find(',') == std::string::npos) return std::nullopt;
  return Refusal{"DON'T INCLUDE A COMMA!", title, platform::vbExclamation, field};
}
