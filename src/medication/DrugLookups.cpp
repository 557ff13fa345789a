#include "medication/DrugLookups.h"

#include "common/NumberText.h"
#include "medication/MedicationFiles.h"
#include "platform/FileSystem.h"

CurrentDrugRecord CurrentDrug;

double DrugUnitCost(double cost, double purchased) { return purchased > 0 ? cost / purchased : 0; }

CurrentDrugRecord CurrentDrugOf(const DrugRecord& drug) {
  CurrentDrugRecord c;
  c.DrugName = RTrim(drug.DrugName);
  c.DrugType = drug.DrugType;
  c.DrugUnit = drug.DrugUnit;
  c.Manufacturer = RTrim(drug.Manufacturer);
  c.Dosage = drug.Dosage;
  c.LotNumber = RTrim(drug.LotNumber);
  c.WithdrawalDays = RTrim(drug.WithdrawalDays);
  c.PurchaseDate = drug.PurchaseDate;
  c.ExpirationDate = drug.ExpirationDate;
  c.InventoryAmount = drug.InventoryAmount;
  c.DrugCost = static_cast<float>(drug.DrugCost.value());
  const double unit = DrugUnitCost(drug.DrugCost.value(), drug.AmountPurchased);
  c.UnitCost = static_cast<float>(records::Currency::fromDouble(unit).value());
  return c;
}

long LoadDrug(const std::string& DrugCode, const std::string& title) {
  FoundDrugs drugs({DrugCode});
  FileFault fault;
  if (!drugs.Read(&fault)) {
    ReportFileFault(fault, false, title);
    return 0;
  }
  return LoadDrug(drugs, DrugCode);
}

long LoadDrug(const FoundDrugs& drugs, const std::string& DrugCode) {
  const long n = drugs.First(DrugCode);
  if (n == 0) return 0;
  records::decodeInto(drugs.Bytes(n), DrugRec);
  CurrentDrug = CurrentDrugOf(DrugRec);
  return n;
}

float RemainingAfterDoses(float amount, const std::string& code, const records::FileImage<MedicationRecord>& meds) {
  if (amount == 0) return 0;
  float given = 0;
  for (long n = 1; n <= meds.count(); ++n) {
    const uint8_t* bytes = meds.bytes(n);
    if (StoredTextIs(bytes + MedicationRecord::CodeAt, MedicationRecord::CodeWidth, code))
      given += records::getF32(bytes + MedicationRecord::DosageAt);
  }
  const float left = amount - given;
  return left < 0 ? 0 : left;
}

float DrugRemaining(float Amount, const std::string& DrugCode, const std::string& title) {
  if (Amount == 0) return 0;
  const std::string path = MedFilePath();
  if (!platform::pathExists(path)) {
    records::TypedFile<MedicationRecord> made;  // opening makes it, empty
    made.open(path);
    return Amount;
  }
  records::FileImage<MedicationRecord> meds;
  FileFault fault;
  if (!ReadMedFile(meds, &fault)) {
    ReportFileFault(fault, false, title);
    return Amount;
  }
  return RemainingAfterDoses(Amount, DrugCode, meds);
}
