#include "medication/DrugListLine.h"

#include <algorithm>
#include <cstdint>

#include "common/FixedLine.h"
#include "common/Format.h"
#include "common/NumberText.h"
#include "medication/MedicationFiles.h"

std::string_view DrugUnitText(char unit) {
  switch (unit) {
    case 'M': return " ML";
    case 'L': return " Lb/Ton";
    case 'O': return " Oz/Gal";
    default: return "";
  }
}

std::string_view DrugTypeWord(char type) {
  switch (type) {
    case 'V': return "VACCINE";
    case 'F': return "FEED MED.";
    case 'W': return "WATER MED.";
    default: return "";
  }
}

DrugLineFields DrugLineFieldsOf(const uint8_t* drugBytes) {
  DrugLineFields drug;
  std::copy_n(drugBytes + DrugRecord::CodeAt, drug.code.size(), drug.code.begin());
  std::copy_n(drugBytes + DrugRecord::NameAt, drug.name.size(), drug.name.begin());
  drug.dosage = records::getF32(drugBytes + DrugRecord::DosageAt);
  drug.unit = static_cast<char>(drugBytes[DrugRecord::UnitAt]);
  drug.type = static_cast<char>(drugBytes[DrugRecord::TypeAt]);
  drug.inventory = records::getF32(drugBytes + DrugRecord::InventoryAt);
  return drug;
}

std::string WriteDrugLine(const DrugLineFields& drug, const DrugLineColumns& at, int width) {
  // Text fields go in as stored: their trailing blanks are the line's own.
  return FixedLine(width)
      .put(at.code, std::string_view(drug.code.data(), drug.code.size()), 6)
      .put(at.name, std::string_view(drug.name.data(), drug.name.size()), 20)
      .putRight(at.dosage, drug.dosage, "0.0", 4)
      .put(at.unit, DrugUnitText(drug.unit), 7)
      .put(at.type, DrugTypeWord(drug.type), 10)
      .putRight(at.amount, drug.inventory, "0.0", at.amountWidth)
      .str();
}

std::string WriteDrugLine(const uint8_t* drugBytes, const DrugLineColumns& at, int width) {
  return WriteDrugLine(DrugLineFieldsOf(drugBytes), at, width);
}

std::string OneDecimal(float value) { return Format(value, "0.0"); }

std::string DrugCodeOfLine(const std::string& line) {
  return std::string(Trimmed(std::string_view(line).substr(0, 7)));
}

bool AddDrugRow(platform::ListItems& rows, long n, const uint8_t* drug) {
  if (IsFreeDrugCode(drug)) return false;
  if (records::getF32(drug + DrugRecord::InventoryAt) != 0)
    rows.add(WriteDrugLine(drug, kDrugListColumns, kDrugLineWidth), n);
  return true;
}
