#include "medication/DrugListLine.h"

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

std::string WriteDrugLine(const uint8_t* drugBytes, const DrugLineColumns& at, int width) {
  // Text fields go in as stored: their trailing blanks are the line's own.
  return FixedLine(width)
      .put(at.code, records::textView(drugBytes + DrugRecord::CodeAt, DrugRecord::CodeWidth), 6)
      .put(at.name, records::textView(drugBytes + DrugRecord::NameAt, DrugRecord::NameWidth), 20)
      .putRight(at.dosage, records::getF32(drugBytes + DrugRecord::DosageAt), "0.0", 4)
      .put(at.unit, DrugUnitText(static_cast<char>(drugBytes[DrugRecord::UnitAt])), 7)
      .put(at.type, DrugTypeWord(static_cast<char>(drugBytes[DrugRecord::TypeAt])), 10)
      .putRight(at.amount, records::getF32(drugBytes + DrugRecord::InventoryAt), "0.0", at.amountWidth)
      .str();
}

std::string OneDecimal(float value) { return Format(value, "0.0"); }

std::string DrugCodeOfLine(const std::string& line) {
  return std::string(Trimmed(std::string_view(line).substr(0, 7)));
}

int WriteDrugRows(platform::ListItems& rows, const records::FileImage<DrugRecord>& drugs) {
  int count = 0;
  for (long n = 1; n <= drugs.count(); ++n) {
    const uint8_t* bytes = drugs.bytes(n);
    if (IsFreeDrugCode(bytes)) continue;
    ++count;
    if (records::getF32(bytes + DrugRecord::InventoryAt) != 0)
      rows.add(WriteDrugLine(bytes, kDrugListColumns, kDrugLineWidth), n);
  }
  return count;
}

DrugsByCode::DrugsByCode(const records::FileImage<DrugRecord>& drugs)
    : codes_(drugs.count(), [&drugs](long n) {
        return RTrimmed(records::textView(drugs.bytes(n) + DrugRecord::CodeAt, DrugRecord::CodeWidth));
      }) {}
