#include "medication/MedicationFiles.h"

#include <cstring>

#include "common/HogGlobals.h"

std::string MedFilePath() { return DataFolder + MedFile; }

bool ReadDrugFile(records::FileImage<DrugRecord>& image, FileFault* fault) {
  return ReadRecordImage(DataFilePath<DrugRecord>(), image, fault);
}

bool ReadMedFile(records::FileImage<MedicationRecord>& image, FileFault* fault) {
  return ReadRecordImage(MedFilePath(), image, fault);
}

bool IsFreeDrugCode(const uint8_t* drugBytes) { return HasDrugCode(drugBytes, ""); }

bool StoredTextIs(const uint8_t* field, int width, const std::string& text) {
  const size_t n = text.size();
  if (n > static_cast<size_t>(width) || (n > 0 && text.back() == ' ')) return false;
  if (std::memcmp(field, text.data(), n) != 0) return false;
  for (size_t i = n; i < static_cast<size_t>(width); ++i)
    if (field[i] != ' ') return false;
  return true;
}

bool HasDrugCode(const uint8_t* drugBytes, const std::string& code) {
  return StoredTextIs(drugBytes + DrugRecord::CodeAt, DrugRecord::CodeWidth, code);
}

long FirstFreeDrugRecord(const records::FileImage<DrugRecord>& drugs) {
  for (long n = 1; n <= drugs.count(); ++n)
    if (IsFreeDrugCode(drugs.bytes(n))) return n;
  return drugs.count() + 1;
}

long FindDrugRecord(const records::FileImage<DrugRecord>& drugs, const std::string& code) {
  for (long n = 1; n <= drugs.count(); ++n)
    if (HasDrugCode(drugs.bytes(n), code)) return n;
  return 0;
}

bool WriteDrug(long n, const DrugRecord& drug, FileFault* fault) {
  return WriteRecordAt(n, drug, fault);
}

bool BlankDrug(long n, FileFault* fault) { return WriteDrug(n, DrugRecord{}, fault); }

MedicationRecord BlankedMedication(const MedicationRecord& medication) {
  MedicationRecord blank;
  blank.UnitCost = medication.UnitCost;
  return blank;
}
