#include "medication/MedicationFiles.h"

#include <algorithm>
#include <cstring>

#include "common/HogGlobals.h"
#include "platform/Text1252.h"

std::string MedFilePath() { return DataFolder + MedFile; }

bool ScanDrugFile(const records::RecordScan<DrugRecord>::Visit& visit, FileFault* fault, long* count) {
  records::RecordScan<DrugRecord> scan;
  const bool read = ScanFile(scan, visit, fault);
  if (count) *count = scan.count();
  return read;
}

bool ReadMedFile(records::FileImage<MedicationRecord>& image, FileFault* fault) {
  return ReadImage(image, MedFilePath(), fault);
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

std::optional<long> FirstFreeDrugRecord(FileFault* fault) {
  long free = 0, count = 0;
  const auto visit = [&free](long n, const uint8_t* drug) {
    if (free == 0 && IsFreeDrugCode(drug)) free = n;
  };
  if (!ScanDrugFile(visit, fault, &count)) return std::nullopt;
  return free != 0 ? free : count + 1;
}

bool WriteDrug(long n, const DrugRecord& drug, FileFault* fault) {
  return WriteRecordAt(n, drug, fault);
}

bool BlankDrug(long n, FileFault* fault) { return WriteDrug(n, DrugRecord{}, fault); }

DrugsOfCodes::DrugsOfCodes(std::vector<std::string> codes) : codes_(std::move(codes)) {
  std::sort(codes_.begin(), codes_.end());
  codes_.erase(std::unique(codes_.begin(), codes_.end()), codes_.end());
  std::erase(codes_, std::string());
  found_.reserve(codes_.size());
}

bool DrugsOfCodes::Read(FileFault* fault, long* count, const records::RecordScan<DrugRecord>::Visit& held) {
  found_.clear();
  const auto visit = [&](long n, const uint8_t* drug) {
    const size_t code = indexOf(RTrimmed(records::textView(drug + DrugRecord::CodeAt, DrugRecord::CodeWidth)));
    if (code == codes_.size()) return;
    found_.push_back({code, n});
    if (held) held(n, drug);
  };
  const bool read = ScanDrugFile(visit, fault, count);
  // Kept by code, each code's records in record order.
  std::ranges::sort(found_, [](const Found& a, const Found& b) {
    return a.code != b.code ? a.code < b.code : a.record < b.record;
  });
  return read;
}

size_t DrugsOfCodes::indexOf(std::string_view code) const {
  const auto at = std::lower_bound(codes_.begin(), codes_.end(), code);
  return at != codes_.end() && *at == code ? static_cast<size_t>(at - codes_.begin()) : codes_.size();
}

std::span<const DrugsOfCodes::Found> DrugsOfCodes::foundOf(size_t index) const {
  const auto [first, last] = std::ranges::equal_range(found_, index, std::less{}, &Found::code);
  return {first, last};
}

std::vector<long> DrugsOfCodes::Records(std::string_view code) const {
  std::vector<long> records;
  for (const Found& f : foundOf(indexOf(code))) records.push_back(f.record);
  return records;
}

long DrugsOfCodes::First(std::string_view code) const {
  const std::span<const Found> found = foundOf(indexOf(code));
  return found.empty() ? 0 : found.front().record;
}

void DrugsOfCodes::Blanked(std::string_view code) {
  const std::span<const Found> found = foundOf(indexOf(code));
  if (!found.empty()) found_.erase(found_.begin() + (found.data() - found_.data()));
}

std::vector<long> DrugsOfCodes::RecordsInTurn(const std::vector<std::string>& codes) const {
  std::vector<long> found;
  found.reserve(codes.size());
  for (const std::string& code : codes)
    for (long n : Records(code)) found.push_back(n);
  return found;
}

bool FoundDrugs::Read(FileFault* fault) {
  stored_.clear();
  return records_.Read(fault, nullptr, [this](long n, const uint8_t* drug) {
    stored_.emplace(n, records::Bytes(drug, drug + DrugRecord::Length));
  });
}

MedicationRecord BlankedMedication(const MedicationRecord& medication) {
  MedicationRecord blank;
  blank.UnitCost = medication.UnitCost;
  return blank;
}
