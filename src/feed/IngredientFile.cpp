#include "feed/IngredientFile.h"

#include <algorithm>

#include "common/DataFiles.h"
#include "common/FixedLine.h"
#include "common/NumberText.h"
#include "records/RecordSlots.h"

namespace {

using R = IngredientRecord;

// The stored code without its blanks at either end; empty for a free record.
std::string_view storedCode(const uint8_t* record) { return Trimmed(records::textView(record + R::IdAt, R::IdWidth)); }

bool isFree(const uint8_t* record) { return storedCode(record).empty(); }

// The stored fields the lines show.
const records::FieldPlace kName = records::placeOf(&R::IngredientName);
const records::FieldPlace kOnHand = records::placeOf(&R::CurrentInventory);
const records::FieldPlace kStart = records::placeOf(&R::StartInventory);
const records::FieldPlace kTotal = records::placeOf(&R::TotalCost);
const records::FieldPlace kUnit = records::placeOf(&R::UnitCost);
const records::FieldPlace kDate = records::placeOf(&R::InventoryDate);

}  // namespace

std::string WriteIngredientListLine(const uint8_t* b) {
  return FixedLine(kIngredientListWidth)
      .put(1, storedCode(b), R::IdWidth)
      .putTrimmed(10, kName.text(b), 20)
      .putRight(32, kOnHand.i32(b), "#,###,##0", 9)
      .put(43, kDate.text(b), 10)
      .putRight(55, Format(kUnit.cur(b), "0.00"), 6)
      .str();
}

std::string WriteIngredientPrintLine(const uint8_t* b) {
  return FixedLine(kIngredientPrintWidth)
      .put(1, storedCode(b), R::IdWidth)
      .putTrimmed(10, kName.text(b), 20)
      .putRight(34, kOnHand.i32(b), "######0", 7)
      .putRight(47, kStart.i32(b), "######0", 7)
      .putRight(60, Format(kUnit.cur(b), "0.00"), 6)
      .putRight(70, Format(kTotal.cur(b), "0.00"), 8)
      .put(81, kDate.text(b), 10)
      .str();
}

bool ReadIngredientFile(IngredientFile& file, const std::string& title) {
  const std::string path = DataFilePath<IngredientRecord>();
  std::string error;
  if (file.read(path, &error)) return true;
  ReportFileFault({path, error}, false, title);
  return false;
}

bool ReadIngredient(long n, const std::string& title) {
  const std::string path = DataFilePath<IngredientRecord>();
  records::TypedFile<IngredientRecord> file;
  if (!file.open(path)) {
    ReportFileFault({path, file.error()}, false, title);
    return false;
  }
  // A record past the end reads as a free one.
  if (!file.read(n, IngredientRec)) IngredientRec = IngredientRecord{};
  return true;
}

bool WriteIngredient(long n, const std::string& title) {
  const std::string path = DataFilePath<IngredientRecord>();
  records::TypedFile<IngredientRecord> file;
  if (file.open(path) && file.write(n, IngredientRec)) return true;
  ReportFileFault({path, file.error()}, true, title);
  return false;
}

long NewIngredientSlot(const IngredientFile& file) {
  for (long n = 1; n <= file.count(); ++n)
    if (isFree(file.bytes(n))) return n;
  return file.count() + 1;
}

// A code is compared with every live record's, as an animal's ID is.
long DuplicateIngredient(const IngredientFile& file, const std::string& code) {
  return records::FindNewAnimalSlot(file, code).duplicateOf;
}

IngredientIndex::IngredientIndex(const IngredientFile& file)
    : codes_(file.count(),
             [&file](long n) { return Trimmed(records::textView(file.bytes(n) + R::IdAt, R::IdWidth)); }) {}

long IngredientIndex::First(std::string_view code) const { return codes_.First(Trimmed(code)); }

std::vector<long> IngredientIndex::Records(std::string_view code) const { return codes_.Records(Trimmed(code)); }

void IngredientIndex::Forget(std::string_view code, long record) { codes_.Forget(Trimmed(code), record); }

std::string IngredientCodeOfLine(const std::string& line) {
  return std::string(Trimmed(std::string_view(line).substr(0, 7)));
}

void WriteIngredientRows(platform::ListItems& rows, const IngredientFile& file) {
  for (long n = 1; n <= file.count(); ++n) {
    const uint8_t* bytes = file.bytes(n);
    if (!isFree(bytes) && kOnHand.i32(bytes) != 0)
      rows.add(WriteIngredientListLine(bytes), n);
  }
}

std::vector<long> IngredientPrintRecords(const IngredientFile& file, const std::vector<std::string>& codes) {
  const IngredientIndex index(file);
  std::vector<long> records;
  for (const std::string& code : codes)
    for (long n : index.Records(code)) records.push_back(n);
  return records;
}
