#include "medication/DrugEntry.h"

#include <cfloat>
#include <cmath>

#include "common/Format.h"
#include "common/NumberText.h"
#include "common/TypedNumber.h"
#include "medication/DrugLookups.h"
#include "medication/MedicationFiles.h"
#include "records/RecordSlots.h"

namespace {

Refusal refusal(const std::string& text, int field) { return Refusal{text, kDrugEntryTitle, platform::vbExclamation, field}; }

struct RequiredField {
  std::string DrugEntry::*typed;
  const char* missing;
  const char* mustEnter;
  DrugEntryField field;
};
const RequiredField kRequired[] = {
    {&DrugEntry::name, "NO DRUG NAME!", "You MUST enter a DRUG NAME.", kNameField},
    {&DrugEntry::cost, "NO DRUG COST!", "You MUST enter a DRUG COST.", kCostField},
    {&DrugEntry::inventory, "NO INVENTORY AMOUNT!", "You MUST enter an Inv AMOUNT.", kInventoryField},
    {&DrugEntry::purchased, "NO PURCHASED AMOUNT!", "You MUST enter a AMOUNT that was PURCHASED!.", kPurchasedField},
    {&DrugEntry::code, "NO DRUG CODE!", "You MUST enter a DRUG CODE.", kCodeField},
};

std::string requiredText(const char* missing, const char* mustEnter) {
  return std::string(missing) + "\r\rThis is a REQUIRED entry!\r" + mustEnter;
}

// The figures, each from 0 and within what a Single holds as typed; the cost
// is stored as typed, in currency.
const NumberField kDosageNumber = SingleField("DRUG DOSAGE");
const NumberField kCostNumber = SingleField("DRUG COST");
const NumberField kInventoryNumber = SingleField("INVENTORY AMOUNT");
const NumberField kPurchasedNumber = SingleField("PURCHASED AMOUNT");


struct TypeOption {
  const char* type;
  const char* unit;
  const char* caption;
};
const TypeOption kOptions[] = {{"V", "M", "ML"}, {"F", "L", "Lb / Ton"}, {"W", "O", "Oz / Gal"}};

const TypeOption& optionAt(int option) {
  return kOptions[option >= kVaccineOption && option <= kWaterOption ? option : kVaccineOption];
}

}  // namespace

Check CheckDrugRequired(const DrugEntry& entry) {
  for (const RequiredField& r : kRequired)
    if (Trim(entry.*r.typed).empty()) return refusal(requiredText(r.missing, r.mustEnter), r.field);
  return std::nullopt;
}

Check CheckDrugCodeFree(const DrugsOfCodes& holding, const std::string& code) {
  if (holding.First(Trim(code)) == 0) return std::nullopt;
  return refusal("DUPLICATE CODE!\r\rYou can't use the same code!", kCodeField);
}

Check CheckDrugFigures(const DrugEntry& entry) {
  if (Trim(entry.dosage).empty())
    return refusal(requiredText("NO DRUG DOSAGE!", "You MUST enter a DRUG DOSAGE."), kCodeField);
  return CheckTypedNumbers({{entry.dosage, kDosageNumber, kDosageField},
                            {entry.cost, kCostNumber, kCostField},
                            {entry.inventory, kInventoryNumber, kInventoryField},
                            {entry.purchased, kPurchasedNumber, kPurchasedField}},
                           kDrugEntryTitle);
}

Check CheckDrugRecordRoom(long record) {
  if (records::RecordNumberFits(record)) return std::nullopt;
  return refusal("ERROR:   NO ROOM LEFT IN DRUG FILE!!\r\rTry Deleting some older DRUG(s).", kNameField);
}

const FigureBox kDrugDosageBox{"0.0", 4};
const FigureBox kDrugCostBox{"0.00", 8};
const FigureBox kDrugAmountBox{"0.0", 7};

DrugRecord DrugRecordOf(const DrugEntry& e, const DrugRecord& shown) {
  const TypeOption& option = optionAt(e.type);
  DrugRecord r;
  r.DrugName = Trim(e.name);
  r.DrugCode = Trim(e.code);
  r.DrugType = option.type;
  r.DrugUnit = option.unit;
  r.Dosage = KeptSingle(e.dosage, shown.Dosage, kDrugDosageBox, kDosageNumber);
  r.WithdrawalDays = Trim(e.withdrawal);
  r.LotNumber = Trim(e.lot);
  r.Manufacturer = Trim(e.manufacturer);
  r.PurchaseDate = e.purchaseDate;
  r.ExpirationDate = e.expirationDate;
  r.InventoryAmount = KeptSingle(e.inventory, shown.InventoryAmount, kDrugAmountBox, kInventoryNumber);
  r.DrugCost = KeptCurrency(e.cost, shown.DrugCost, kDrugCostBox, kCostNumber);
  r.AmountPurchased = KeptSingle(e.purchased, shown.AmountPurchased, kDrugAmountBox, kPurchasedNumber);
  r.DrugNote = Trim(e.note);
  return r;
}

DrugEntry DrugEntryOf(const DrugRecord& drug) {
  DrugEntry e;
  e.name = Trim(drug.DrugName);
  e.code = Trim(drug.DrugCode);
  e.dosage = FigureText(drug.Dosage, kDrugDosageBox);
  e.purchaseDate = drug.PurchaseDate;
  e.cost = FigureText(drug.DrugCost, kDrugCostBox);
  e.expirationDate = drug.ExpirationDate;
  e.inventory = FigureText(drug.InventoryAmount, kDrugAmountBox);
  e.purchased = FigureText(drug.AmountPurchased, kDrugAmountBox);
  e.withdrawal = Trim(drug.WithdrawalDays);
  e.lot = Trim(drug.LotNumber);
  e.manufacturer = Trim(drug.Manufacturer);
  e.note = Trim(drug.DrugNote);
  e.type = DrugOptionOfType(drug.DrugType);
  return e;
}

int DrugOptionOfType(const std::string& type) {
  for (int i = kVaccineOption; i <= kWaterOption; ++i)
    if (type == kOptions[i].type) return i;
  return -1;
}

std::string DrugUnitCaption(int option) { return optionAt(option).caption; }

std::string UnitCostCaption(float cost, float purchased) {
  const float unit = static_cast<float>(DrugUnitCost(cost, purchased));
  return unit <= 0 ? "$0.00" : Format(unit, "$0.00");
}
