#include "feed/IngredientFile.h"

#include <algorithm>
#include <charconv>

#include "common/DataFiles.h"
#include "common/FixedLine.h"
#include "common/NumberText.h"
#include "records/RecordSlots.h"

namespace {

// A Currency's exact value in dollars and cents, rounded a half away from
// zero, as Format writes it with "0.00"; `text` holds it.
std::string_view dollars(int64_t raw, char (&text)[32]) {
  const uint64_t magnitude = raw < 0 ? 0 - static_cast<uint64_t>(raw) : static_cast<uint64_t>(raw);
  const uint64_t cents = magnitude / 100 + (magnitude % 100 >= 50 ? 1 : 0);
  size_t k = 0;
  if (raw < 0 && cents != 0) text[k++] = '-';
  k = static_cast<size_t>(std::to_chars(text + k, text + sizeof text, cents / 100).ptr - text);
  text[k++] = '.';
  text[k++] = static_cast<char>('0' + cents % 100 / 10);
  text[k++] = static_cast<char>('0' + cents % 10);
  return {text, k};
}

using R = IngredientRecord;

// The stored code without its blanks at either end; empty for a free record.
std::string_view storedCode(const uint8_t* record) { return Trimmed(records::textView(record + R::IdAt, R::IdWidth)); }

bool isFree(const uint8_t* record) { return storedCode(record).empty(); }

// The stored fields the lines show, by their offsets in the record.
constexpr int kName = 6, kStart = 30, kTotal = 34, kUnit = 42, kDate = 50;

}  // namespace

const std::string& WriteIngredientListLine(FixedLine& line, const uint8_t* b) {
  char cost[32];
  return line.clear()
      .put(1, storedCode(b), R::IdWidth)
      .put(10, Trimmed(records::textView(b + kName, 20)), 20)
      .putRight(32, records::getI32(b + R::CurrentInventoryAt), "#,###,##0", 9)
      .put(43, records::textView(b + kDate, 10), 10)
      .putRight(55, dollars(records::getI64(b + kUnit), cost), 6)
      .str();
}

const std::string& WriteIngredientPrintLine(FixedLine& line, const uint8_t* b) {
  char cost[32];
  line.clear()
      .put(1, storedCode(b), R::IdWidth)
      .put(10, Trimmed(records::textView(b + kName, 20)), 20)
      .putRight(34, records::getI32(b + R::CurrentInventoryAt), "######0", 7)
      .putRight(47, records::getI32(b + kStart), "######0", 7)
      .putRight(60, dollars(records::getI64(b + kUnit), cost), 6);
  return line.putRight(70, dollars(records::getI64(b + kTotal), cost), 8)
      .put(81, records::textView(b + kDate, 10), 10)
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

void IngredientIndex::Forget(std::string_view code, long record) { codes_.Forget(Trimmed(code), record); }

std::string_view IngredientCodeAt(const IngredientFile& file, long n) {
  return Trimmed(records::textView(file.bytes(n) + R::IdAt, R::IdWidth));
}

std::string IngredientCodeOfLine(const std::string& line) {
  return std::string(Trimmed(std::string_view(line).substr(0, 7)));
}

void WriteIngredientRows(platform::ListItems& rows, const IngredientFile& file) {
  FixedLine line(kIngredientListWidth);
  for (long n = 1; n <= file.count(); ++n) {
    const uint8_t* bytes = file.bytes(n);
    if (!isFree(bytes) && records::getI32(bytes + R::CurrentInventoryAt) != 0)
      rows.add(WriteIngredientListLine(line, bytes), n);
  }
}

std::vector<std::string> IngredientPrintLines(const IngredientFile& file, const std::vector<std::string_view>& codes) {
  const IngredientIndex index(file);
  std::vector<std::string> lines;
  FixedLine line(kIngredientPrintWidth);
  for (std::string_view code : codes)
    for (long n = index.First(code); n != 0; n = index.Next(n))
      lines.push_back(WriteIngredientPrintLine(line, file.bytes(n)));
  return lines;
}
