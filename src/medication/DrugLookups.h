#pragma once
// The drug look-ups the medication windows share: a drug found by its code
// (LoadDrug, which fills CurrentDrug) and what is left of an amount once the
// dosages of the year's medication file are taken off (DrugRemaining).
#include <string>

#include "medication/MedicationFiles.h"
#include "records/DrugRecord.h"
#include "records/MedicationRecord.h"
#include "records/RecordIo.h"

// The drug LoadDrug found last.
struct CurrentDrugRecord {
  std::string DrugName;  // right-trimmed
  std::string DrugType;  // 1 character
  std::string DrugUnit;  // 1 character
  std::string Manufacturer;
  float Dosage = 0;
  std::string LotNumber;
  std::string WithdrawalDays;
  std::string PurchaseDate;    // as stored
  std::string ExpirationDate;  // as stored
  float InventoryAmount = 0;
  float DrugCost = 0;
  // DrugCost / AmountPurchased to the nearest 1/10000 (DrugUnitCost).
  float UnitCost = 0;
};
extern CurrentDrugRecord CurrentDrug;

// The cost of one unit of a drug: cost / amount purchased; 0 when nothing was
// purchased (an amount of 0 or less).
double DrugUnitCost(double cost, double purchased);

// The block LoadDrug keeps of a drug record.
CurrentDrugRecord CurrentDrugOf(const DrugRecord& drug);

// The number of the first DRUG.LST record whose code is `DrugCode` (exact,
// case counts; callers pass it trimmed), with CurrentDrug filled from it; 0
// when no record holds it, CurrentDrug then kept as it was. A DRUG.LST that
// cannot be read shows its box, titled `title`, and answers 0.
long LoadDrug(const std::string& DrugCode, const std::string& title = "D R U G    L I S T");
// The same among the drugs an action already found, `DrugCode` among them.
long LoadDrug(const FoundDrugs& drugs, const std::string& DrugCode);

// `amount` less the dosages of `code` in the medication file `meds`, summed
// in record order as 32-bit floats; 0 when that is below 0, and 0 for an
// amount of 0.
float RemainingAfterDoses(float amount, const std::string& code, const records::FileImage<MedicationRecord>& meds);

// RemainingAfterDoses over the year's file DataFolder + MedFile, read once;
// an amount of 0 reads nothing. A missing file is made empty and gives the
// amount back; a file that cannot be read shows its box, titled `title`, and
// gives the amount back.
float DrugRemaining(float Amount, const std::string& DrugCode, const std::string& title = "D R U G    L I S T");
