#include "feed/IngredientFile.h"

#include "common/DataFiles.h"
#include "common/FixedLine.h"
#include "common/Format.h"
#include "common/NumberText.h"
#include "records/RecordSlots.h"

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

// Ingredients are kept as the animals are: the first free record takes a new
// one, and its code is compared with every live record's.
long NewIngredientSlot(const IngredientFile& file) { return records::FindNewAnimalSlot(file, "").record; }

long DuplicateIngredient(const IngredientFile& file, const std::string& code) {
  return records::FindNewAnimalSlot(file, code).duplicateOf;
}

IngredientIndex::IngredientIndex(const IngredientFile& file) {
  for (long n = 1; n <= file.count(); ++n) {
    const std::string code = Trim(records::getText(file.bytes(n) + IngredientRecord::IdAt, IngredientRecord::IdWidth));
    if (!code.empty()) records_[code].push_back(n);
  }
}

const std::vector<long>& IngredientIndex::RecordsOf(const std::string& code) const {
  static const std::vector<long> kNone;
  const auto it = records_.find(Trim(code));
  return it == records_.end() ? kNone : it->second;
}

long IngredientIndex::First(const std::string& code) const {
  const std::vector<long>& found = RecordsOf(code);
  return found.empty() ? 0 : found.front();
}

void IngredientIndex::Forget(const std::string& code, long record) {
  const auto it = records_.find(Trim(code));
  if (it == records_.end()) return;
  std::erase(it->second, record);
}

std::string IngredientListLine(const IngredientRecord& r) {
  return FixedLine(64)
      .put(1, Trim(r.IngredientCode), 6)
      .put(10, Trim(r.IngredientName), 20)
      .putRight(32, Format(r.CurrentInventory, "#,###,##0"), 9)
      .put(43, r.InventoryDate, 10)
      .putRight(55, Format(r.UnitCost.value(), "0.00"), 6)
      .str();
}

std::string IngredientPrintLine(const IngredientRecord& r) {
  return FixedLine(92)
      .put(1, Trim(r.IngredientCode), 6)
      .put(10, Trim(r.IngredientName), 20)
      .putRight(34, Format(r.CurrentInventory, "######0"), 7)
      .putRight(47, Format(r.StartInventory, "######0"), 7)
      .putRight(60, Format(r.UnitCost.value(), "0.00"), 6)
      .putRight(70, Format(r.TotalCost.value(), "0.00"), 8)
      .put(81, r.InventoryDate, 10)
      .str();
}

std::string IngredientCodeOfLine(const std::string& line) { return Trim(line.substr(0, 7)); }

std::vector<std::string> IngredientListLines(const IngredientFile& file) {
  static const IngredientRecord p;
  static const records::FieldMask<IngredientRecord> codeAndStock(p, {&p.IngredientCode, &p.CurrentInventory});
  std::vector<std::string> lines;
  IngredientRecord r;
  for (long n = 1; n <= file.count(); ++n) {
    file.decode(n, r, codeAndStock);
    if (Trim(r.IngredientCode).empty() || r.CurrentInventory == 0) continue;
    file.decode(n, r);
    lines.push_back(IngredientListLine(r));
  }
  return lines;
}

std::vector<std::string> IngredientPrintLines(const IngredientFile& file, const std::vector<std::string>& listed) {
  const IngredientIndex index(file);
  std::vector<std::string> lines;
  IngredientRecord r;
  for (const std::string& line : listed) {
    for (long n : index.RecordsOf(IngredientCodeOfLine(line))) {
      file.decode(n, r);
      lines.push_back(IngredientPrintLine(r));
    }
  }
  return lines;
}
