#pragma once
// What the drug entry window checks and writes: the typed fields of a drug,
// the checks of ACCEPT in their order (the two date checks between the
// required fields and the code run in the window, through ValidateDate, which
// shows its own boxes), the record written and the texts shown.
#include <string>

#include "common/FigureBox.h"
#include "platform/Refusal.h"
#include "records/DrugRecord.h"
#include "medication/MedicationFiles.h"

inline constexpr const char* kDrugEntryTitle = "DRUG    ENTRY    ERROR";

// The option buttons of the drug's type: ML (vaccine), Lb / Ton (feed
// medication), Oz / Gal (water medication).
enum DrugTypeOption { kVaccineOption = 0, kFeedOption = 1, kWaterOption = 2 };

// The fields of the window a refusal gives the focus back to.
enum DrugEntryField { kNameField, kCodeField, kDosageField, kCostField, kInventoryField, kPurchasedField };

// The fields as typed; the dates as their boxes hold them ("__/__/____"
// when empty).
struct DrugEntry {
  std::string name, code, dosage, purchaseDate, cost, expirationDate, inventory, purchased;
  std::string withdrawal, lot, manufacturer, note;
  int type = kVaccineOption;
};

// 1-5: name, cost, inventory amount, amount purchased and code typed.
Check CheckDrugRequired(const DrugEntry& entry);
// 8: no drug of DRUG.LST holds the trimmed code already (`holding`, the
// records of the trimmed code, found in a run over the file).
Check CheckDrugCodeFree(const DrugsOfCodes& holding, const std::string& code);
// 9: the dosage typed (the focus goes back to the code); then dosage, cost,
// inventory amount and amount purchased each a number from 0 that a Single
// holds as typed (common/TypedNumber.h).
Check CheckDrugFigures(const DrugEntry& entry);
// A new drug may not need a record number above 32767.
Check CheckDrugRecordRoom(long record);

// How the figure boxes show a stored drug: the dosage "0.0" in four
// characters, the cost "0.00" in eight, the amounts "0.0" in seven.
extern const FigureBox kDrugDosageBox, kDrugCostBox, kDrugAmountBox;

// The record ACCEPT writes: text trimmed, type and unit from the option, the
// checked numbers as 32-bit floats, the cost as typed in currency; a figure
// box still showing the figure of `shown`, the drug the window showed (a
// blank one for a new drug), keeps it (common/FigureBox.h).
DrugRecord DrugRecordOf(const DrugEntry& entry, const DrugRecord& shown);
// A stored drug as the window shows it: text trimmed, the figures through
// their boxes (FigureText), dates as stored; the option of its type (-1 for
// another letter).
DrugEntry DrugEntryOf(const DrugRecord& drug);
int DrugOptionOfType(const std::string& type);

// The unit beside the dosage for an option: "ML", "Lb / Ton", "Oz / Gal".
std::string DrugUnitCaption(int option);
// The unit cost shown: cost / amount purchased "$0.00"; "$0.00" when it is
// 0 or below, or when nothing was purchased.
std::string UnitCostCaption(float cost, float purchased);
