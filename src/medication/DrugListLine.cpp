#include "medication/DrugListLine.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "common/Format.h"
#include "common/NumberText.h"
#include "medication/MedicationFiles.h"

namespace {

const char* unitText(char unit) {
  switch (unit) {
    case 'M': return " ML";
    case 'L': return " Lb/Ton";
    case 'O': return " Oz/Gal";
    default: return "";
  }
}

const char* typeWord(char type) {
  switch (type) {
    case 'V': return "VACCINE";
    case 'F': return "FEED MED.";
    case 'W': return "WATER MED.";
    default: return "";
  }
}

// The one letter of a text field, or none.
char letterOf(const std::string& field) { return field.size() == 1 ? field[0] : '\0'; }

// Puts `text` into the line from column `col`, at most `width` characters;
// right-aligned, a longer text keeps its leftmost characters.
void put(std::string& line, int col, const char* text, size_t length, size_t width) {
  std::memcpy(line.data() + col - 1, text, std::min(length, width));
}
void putRight(std::string& line, int col, const std::string& text, size_t width) {
  const size_t shift = text.size() < width ? width - text.size() : 0;
  put(line, col + static_cast<int>(shift), text.data(), text.size(), width);
}

}  // namespace

std::string DrugUnitText(const std::string& unit) { return unitText(letterOf(unit)); }
std::string DrugTypeWord(const std::string& type) { return typeWord(letterOf(type)); }

std::string OneDecimal(float value) {
  // Up to 1,000,000 the value times a power of ten below 10^13 is exact in a
  // Double: both roundings are made on whole numbers.
  const double x = std::fabs(static_cast<double>(value));
  if (!(x < 1e6)) return Format(value, "0.0");
  if (x < 0.01) return "0.0";  // its 7 digits never reach .05
  int places = 1;                // the decimals of its 7 significant digits
  for (double top = 1e6; places < 6 && x < top / 10; top /= 10) ++places;
  if (x < 0.1) places = 8;
  else if (x < 1) places = 7;
  static constexpr double kPowers[] = {1, 10, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8};
  const double scaled = x * kPowers[places];
  double digits = std::floor(scaled);
  const double rest = scaled - digits;
  if (rest > 0.5 || (rest == 0.5 && std::fmod(digits, 2) != 0)) ++digits;  // a half to the even neighbour
  const long long all = static_cast<long long>(digits);
  long long tenths = all;
  if (places > 1) {
    const auto unit = static_cast<long long>(kPowers[places - 1]);
    tenths = all / unit + (all % unit * 2 >= unit ? 1 : 0);  // a half away from zero
  }
  char text[24];
  char* at = text + sizeof text;
  *--at = static_cast<char>('0' + tenths % 10);
  *--at = '.';
  long long whole = tenths / 10;
  do *--at = static_cast<char>('0' + whole % 10);
  while ((whole /= 10) != 0);
  if (value < 0 && tenths != 0) *--at = '-';
  return std::string(at, text + sizeof text);
}

std::string DrugListLine(const uint8_t* drugBytes) {
  // Text fields go in as stored: their trailing blanks are the line's own.
  const auto* text = reinterpret_cast<const char*>(drugBytes);
  std::string line(kDrugLineWidth, ' ');
  put(line, 2, text + DrugRecord::CodeAt, DrugRecord::CodeWidth, 6);
  put(line, 11, text + DrugRecord::NameAt, DrugRecord::NameWidth, 20);
  putRight(line, 33, OneDecimal(records::getF32(drugBytes + DrugRecord::DosageAt)), 4);
  const char* unit = unitText(text[DrugRecord::UnitAt]);
  put(line, 37, unit, std::strlen(unit), 7);
  const char* type = typeWord(text[DrugRecord::TypeAt]);
  put(line, 45, type, std::strlen(type), 10);
  putRight(line, 56, OneDecimal(records::getF32(drugBytes + DrugRecord::InventoryAt)), 6);
  return line;
}

std::string DrugListLine(const DrugRecord& drug) { return DrugListLine(records::encode(drug).data()); }

std::string DrugCodeOfLine(const std::string& line) { return Trim(line.substr(0, 7)); }

DrugListing ListDrugs(const records::FileImage<DrugRecord>& drugs) {
  DrugListing listing;
  for (long n = 1; n <= drugs.count(); ++n) {
    const uint8_t* bytes = drugs.bytes(n);
    if (IsFreeDrugCode(bytes)) continue;
    ++listing.drugs;
    if (records::getF32(bytes + DrugRecord::InventoryAt) != 0) listing.lines.push_back(DrugListLine(bytes));
  }
  return listing;
}

DrugsByCode::DrugsByCode(const records::FileImage<DrugRecord>& drugs) {
  for (long n = drugs.count(); n >= 1; --n) {
    const std::string code =
        RTrim(std::string(reinterpret_cast<const char*>(drugs.bytes(n) + DrugRecord::CodeAt), DrugRecord::CodeWidth));
    if (!code.empty()) records_[code].push_back(n);
  }
}

long DrugsByCode::First(const std::string& code) const {
  const auto it = records_.find(code);
  return it == records_.end() || it->second.empty() ? 0 : it->second.back();
}

void DrugsByCode::Blanked(const std::string& code) {
  const auto it = records_.find(code);
  if (it != records_.end() && !it->second.empty()) it->second.pop_back();
}
