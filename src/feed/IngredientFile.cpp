#include "feed/IngredientFile.h"

#include <algorithm>
#include <charconv>
#include <cstring>

#include "common/DataFiles.h"
#include "common/NumberText.h"
#include "records/RecordSlots.h"

namespace {

constexpr size_t kCodeWidth = IngredientRecord::IdWidth;

// A code trimmed, as one number: its length, then its characters side by
// side (a code as long as the field's six fits). 0 for a blank code.
uint64_t codeKey(const char* text, size_t length) {
  while (length > 0 && *text == ' ') ++text, --length;
  while (length > 0 && text[length - 1] == ' ') --length;
  if (length > kCodeWidth) return ~uint64_t{0};  // typed longer than any stored code
  uint64_t key = length;
  for (size_t i = 0; i < length; ++i) key = (key << 8) | static_cast<uint8_t>(text[i]);
  return key;
}
uint64_t codeKey(const std::string& code) { return codeKey(code.data(), code.size()); }
uint64_t storedCodeKey(const uint8_t* record) {
  return codeKey(reinterpret_cast<const char*>(record + IngredientRecord::IdAt), kCodeWidth);
}

// The list and the printout write tens of thousands of lines, each straight
// from the stored bytes into one line of blanks. Numbers are written as
// Format writes them with the masks "#,###,##0" / "######0" (pounds) and
// "0.00" (a Currency's exact value, rounded a half away from zero).
class LineWriter {
 public:
  explicit LineWriter(size_t width) : line_(width, ' ') {}
  // Stored text at 1-based column `col`, without blanks at either end, at
  // most `width` characters.
  LineWriter& trimmed(int col, const uint8_t* text, size_t width) {
    const char* p = reinterpret_cast<const char*>(text);
    while (width > 0 && *p == ' ') ++p, --width;
    while (width > 0 && p[width - 1] == ' ') --width;
    return at(col, p, width, width);
  }
  // Stored text as it stands.
  LineWriter& stored(int col, const uint8_t* text, size_t width) {
    return at(col, reinterpret_cast<const char*>(text), width, width);
  }
  LineWriter& pounds(int col, size_t width, int32_t value, bool grouped) {
    char digits[16], out[24];
    const uint32_t magnitude = value < 0 ? 0U - static_cast<uint32_t>(value) : static_cast<uint32_t>(value);
    const size_t n = static_cast<size_t>(std::to_chars(digits, digits + sizeof digits, magnitude).ptr - digits);
    size_t k = 0;
    if (value < 0) out[k++] = '-';
    for (size_t i = 0; i < n; ++i) {
      if (grouped && i > 0 && (n - i) % 3 == 0) out[k++] = ',';
      out[k++] = digits[i];
    }
    return right(col, width, out, k);
  }
  LineWriter& dollars(int col, size_t width, int64_t raw) {
    const uint64_t magnitude = raw < 0 ? 0 - static_cast<uint64_t>(raw) : static_cast<uint64_t>(raw);
    const uint64_t cents = magnitude / 100 + (magnitude % 100 >= 50 ? 1 : 0);
    char out[32];
    size_t k = 0;
    if (raw < 0 && cents != 0) out[k++] = '-';
    k = static_cast<size_t>(std::to_chars(out + k, out + sizeof out, cents / 100).ptr - out);
    out[k++] = '.';
    out[k++] = static_cast<char>('0' + cents % 100 / 10);
    out[k++] = static_cast<char>('0' + cents % 10);
    return right(col, width, out, k);
  }
  std::string take() { return std::move(line_); }

 private:
  // Right-aligned in `width` columns; a longer text keeps its leftmost
  // characters.
  LineWriter& right(int col, size_t width, const char* text, size_t n) {
    return at(n < width ? col + static_cast<int>(width - n) : col, text, n, width);
  }
  LineWriter& at(int col, const char* text, size_t n, size_t width) {
    std::memcpy(line_.data() + col - 1, text, std::min(n, width));
    return *this;
  }
  std::string line_;
};

using R = IngredientRecord;
// The stored fields the lines show, by their offsets in the record.
constexpr int kName = 6, kStart = 30, kTotal = 34, kUnit = 42, kDate = 50;

std::string listLine(const uint8_t* b) {
  return LineWriter(64)
      .trimmed(1, b + R::IdAt, R::IdWidth)
      .trimmed(10, b + kName, 20)
      .pounds(32, 9, records::getI32(b + R::CurrentInventoryAt), true)
      .stored(43, b + kDate, 10)
      .dollars(55, 6, records::getI64(b + kUnit))
      .take();
}

std::string printLine(const uint8_t* b) {
  return LineWriter(92)
      .trimmed(1, b + R::IdAt, R::IdWidth)
      .trimmed(10, b + kName, 20)
      .pounds(34, 7, records::getI32(b + R::CurrentInventoryAt), false)
      .pounds(47, 7, records::getI32(b + kStart), false)
      .dollars(60, 6, records::getI64(b + kUnit))
      .dollars(70, 8, records::getI64(b + kTotal))
      .stored(81, b + kDate, 10)
      .take();
}

}  // namespace

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
    if (storedCodeKey(file.bytes(n)) == 0) return n;
  return file.count() + 1;
}

// A code is compared with every live record's, as an animal's ID is.
long DuplicateIngredient(const IngredientFile& file, const std::string& code) {
  return records::FindNewAnimalSlot(file, code).duplicateOf;
}

IngredientIndex::IngredientIndex(const IngredientFile& file) : next_(static_cast<size_t>(file.count()) + 1, 0) {
  first_.reserve(static_cast<size_t>(file.count()));
  for (long n = 1; n <= file.count(); ++n) {
    const uint64_t key = storedCodeKey(file.bytes(n));
    if (key == 0) continue;
    const auto [at, isNew] = first_.try_emplace(key, n);
    if (isNew) continue;
    long tail = at->second;  // a code held twice: the chain of its records
    while (next_[static_cast<size_t>(tail)] != 0) tail = next_[static_cast<size_t>(tail)];
    next_[static_cast<size_t>(tail)] = n;
  }
}

long IngredientIndex::Next(long record) const { return next_[static_cast<size_t>(record)]; }

long IngredientIndex::First(const std::string& code) const {
  const uint64_t key = codeKey(code);
  const auto it = key == 0 ? first_.end() : first_.find(key);
  return it == first_.end() ? 0 : it->second;
}

void IngredientIndex::Forget(const std::string& code, long record) {
  const auto it = first_.find(codeKey(code));
  if (it == first_.end()) return;
  // The link that leads to `record` now leads past it.
  for (long* link = &it->second; *link != 0; link = &next_[static_cast<size_t>(*link)]) {
    if (*link != record) continue;
    *link = next_[static_cast<size_t>(record)];
    break;
  }
  if (it->second == 0) first_.erase(it);
}

std::string IngredientListLine(const IngredientRecord& r) { return listLine(records::encode(r).data()); }
std::string IngredientPrintLine(const IngredientRecord& r) { return printLine(records::encode(r).data()); }

std::string IngredientCodeOfLine(const std::string& line) { return Trim(line.substr(0, 7)); }

std::vector<std::string> IngredientListLines(const IngredientFile& file) {
  std::vector<std::string> lines;
  lines.reserve(static_cast<size_t>(file.count()));
  for (long n = 1; n <= file.count(); ++n) {
    const uint8_t* bytes = file.bytes(n);
    if (storedCodeKey(bytes) != 0 && records::getI32(bytes + R::CurrentInventoryAt) != 0)
      lines.push_back(listLine(bytes));
  }
  return lines;
}

std::vector<std::string> IngredientPrintLines(const IngredientFile& file, const std::vector<std::string>& listed) {
  const IngredientIndex index(file);
  std::vector<std::string> lines;
  lines.reserve(listed.size());
  for (const std::string& line : listed)
    for (long n = index.First(IngredientCodeOfLine(line)); n != 0; n = index.Next(n))
      lines.push_back(printLine(file.bytes(n)));
  return lines;
}
