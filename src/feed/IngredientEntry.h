#pragma once
// The checks of the ingredient entry window and the record it writes, as
// plain functions of what was typed. The window shows a refusal
// (platform::ShowRefusal) and writes nothing.
#include <string>

#include "feed/IngredientFile.h"
#include "platform/Refusal.h"
#include "records/IngredientRecord.h"

inline constexpr const char* kIngredientEntryTitle = "INGREDIENT    ENTRY    ERROR";

// The fields of the entry window, in the numbering of Refusal::field.
enum IngredientField { kFeedNamField, kFeedCodField, kCurInvField, kStInvField, kTotCostField, kInvenDateField };

// What the entry window holds, as typed.
struct IngredientEntry {
  std::string name, code, currentInventory, startInventory, totalCost;
  std::string inventoryDate;  // "__/__/____" when empty
};

// Every field present, in the order of the window: name, code, current and
// start inventory, total cost, date. An amount with a thousands comma is
// refused as "DON'T INCLUDE A COMMA!"; each amount then through its field
// (common/TypedNumber.h): an inventory rounded to a whole pound, from 0
// (current) or 1 (start: the unit cost divides by it) to the largest Long; a
// total cost from 0 to the seven digits of a Single. The date is only checked
// for presence; the window checks its value (ValidateDate).
Check CheckIngredientEntry(const IngredientEntry& e);

// A code another record holds already; `editing` with the code as it was
// loaded is the record's own and not looked up.
Check CheckIngredientCode(const IngredientFile& file, const std::string& code, bool editing,
                          const std::string& loadedCode);

// A new ingredient at `record` refused past the record numbers a selection
// can hold.
Check CheckIngredientSlot(long record);

// The record written for an entry that passed the checks: name and code
// trimmed, the inventories rounded, the total cost as typed and the unit
// cost the Single quotient of the two, both stored as Currency.
IngredientRecord IngredientOfEntry(const IngredientEntry& e);
// The unit cost of an entry, a Single: total cost / start inventory.
float UnitCostOf(const IngredientEntry& e);

// The unit cost the window shows when the total cost is typed: "0.00" of the
// quotient, or "$0.00" when either figure is 0 or not a number.
std::string UnitCostText(const std::string& startInventory, const std::string& totalCost);

// A thousands comma typed into an amount: refused with the box's title.
Check CheckNoComma(const std::string& text, const std::string& title, int field);
