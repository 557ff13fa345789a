#include "medication/MedHistory.h"

#include <algorithm>
#include <map>
#include <string_view>

#include "common/FixedLine.h"
#include "common/Format.h"
#include "common/HogGlobals.h"
#include "common/NumberText.h"
#include "common/PrintListing.h"
#include "medication/MedicationFiles.h"

namespace {

const char* unitText(char unit) {
  switch (unit) {
    case 'M': return " ML";
    case 'L': return " Lb";
    case 'O': return " Oz";
    default: return "";
  }
}

// The four ID fields lie side by side from the first byte: sow (8), boar
// (8), group (7), batch (6).
constexpr int kIdBytes = 8 + 8 + 7 + 6;
constexpr int kIdAt[] = {0, 8, 16, 23};
constexpr int kIdWidth[] = {8, 8, 7, 6};
constexpr int kBatchIdAt = 23;
constexpr int kNameAt = 35;
constexpr int kUnitAt = 92;
constexpr int kDateAt = 93;
constexpr int kGivenByAt = 103;

bool hasId(const uint8_t* bytes) {
  for (int i = 0; i < kIdBytes; ++i)
    if (bytes[i] != ' ') return true;
  return false;
}

// `text` from its first character that is not a blank.
std::string_view fromFirstNonBlank(std::string_view text) {
  return text.substr(std::min(text.find_first_not_of(' '), text.size()));
}

}  // namespace

std::string WriteMedHistoryLine(const uint8_t* bytes) {
  std::string_view id;
  for (int k = 0; k < 4 && id.empty(); ++k) id = fromFirstNonBlank(records::textView(bytes + kIdAt[k], kIdWidth[k]));
  return FixedLine(kHistoryLineWidth)
      .put(1, id, 8)
      .put(11, records::textView(bytes + kDateAt, 10), 10)
      .put(24, fromFirstNonBlank(records::textView(bytes + kNameAt, 30)), 20)
      .put(50, fromFirstNonBlank(records::textView(bytes + MedicationRecord::CodeAt, MedicationRecord::CodeWidth)), 6)
      .putRight(60, records::getF32(bytes + MedicationRecord::DosageAt), "0.0", 4)
      .put(64, unitText(static_cast<char>(bytes[kUnitAt])), 3)
      .put(73, fromFirstNonBlank(records::textView(bytes + kGivenByAt, 12)), 3)
      .str();
}

void ListAllMedRecords(HistoryPageTable& table, long count) {
  table.Clear();
  for (long r = 1; r <= count && table.Add(r); ++r) {
  }
}

void ListMedMatches(HistoryPageTable& table, const std::vector<long>& matches) {
  table.Clear();
  for (long r : matches)
    if (!table.Add(r)) break;
}

void WriteHistoryPageRows(platform::ListItems& rows, const HistoryPageTable& table, int page,
                          const records::FileImage<MedicationRecord>& meds) {
  for (int slot = 1; slot <= HistoryPageTable::kSlots; ++slot) {
    const long r = table.At(page, slot);
    if (r == 0) break;
    if (r > meds.count() || !hasId(meds.bytes(r))) continue;
    rows.add(WriteMedHistoryLine(meds.bytes(r)), r);
  }
}

std::string BatchDigits(const std::string& batchId) {
  const std::string id = RTrim(batchId);
  return id.size() > 5 ? id.substr(id.size() - 5) : id;
}

std::vector<std::string> BatchesLeftUnmedicated(const records::FileImage<MedicationRecord>& meds,
                                                const std::vector<std::string>& digits,
                                                const std::unordered_set<long>& deleted) {
  std::vector<std::string> left;
  for (const std::string& d : digits)
    if (!d.empty() && std::find(left.begin(), left.end(), d) == left.end()) left.push_back(d);
  for (long n = 1; n <= meds.count() && !left.empty(); ++n) {
    const uint8_t* bytes = meds.bytes(n);
    if (!hasId(bytes) || deleted.count(n) != 0) continue;
    const std::string named = BatchDigits(records::getText(bytes + kBatchIdAt, 6));
    if (!named.empty()) left.erase(std::remove(left.begin(), left.end(), named), left.end());
  }
  return left;
}

long FindBatchNumbered(const records::FileImage<FeedBatchRecord>& batches, const std::string& number) {
  for (long n = 1; n <= batches.count(); ++n)
    if (StoredTextIs(batches.bytes(n) + FeedBatchRecord::BatchNumberAt, FeedBatchRecord::BatchNumberWidth, number))
      return n;
  return 0;
}

long FindMarkedBatch(const records::FileImage<FeedBatchRecord>& batches, const std::string& digits) {
  return FindBatchNumbered(batches, "M" + digits);
}

bool DeleteMedRecords(WriteSet& set, const std::vector<long>& selected, int& deleted, FileFault* fault) {
  deleted = 0;
  records::FileImage<MedicationRecord> meds;
  if (!ReadMedFile(meds, fault)) return false;
  // The drugs of the doses chosen, found in one run over DRUG.LST.
  std::vector<std::string> codes;
  MedicationRecord record;
  for (long r : selected) {
    if (r < 1 || r > meds.count()) continue;
    meds.decode(r, record);
    codes.push_back(RTrim(record.DrugCode));
  }
  FoundDrugs found(std::move(codes));
  if (!found.Read(fault)) return false;
  // Each dose back to its drug, each record blanked.
  std::map<long, DrugRecord> drugs;
  std::vector<std::pair<long, MedicationRecord>> blanked;
  std::unordered_set<long> gone;
  std::vector<std::string> digits;
  for (long r : selected) {
    if (r < 1 || r > meds.count() || !gone.insert(r).second) continue;
    meds.decode(r, record);
    const std::string code = RTrim(record.DrugCode);
    if (const long d = code.empty() ? 0 : found.First(code); d != 0) {
      const auto [drug, first] = drugs.try_emplace(d);
      if (first) records::decodeInto(found.Bytes(d), drug->second);
      drug->second.InventoryAmount += record.Dosage;
    }
    blanked.emplace_back(r, BlankedMedication(record));
    digits.push_back(BatchDigits(record.BatchId));
  }
  // The batches that lose their last medication lose their "M".
  std::vector<std::pair<long, FeedBatchRecord>> unmarked;
  const std::vector<std::string> left = BatchesLeftUnmedicated(meds, digits, gone);
  const std::string feedPath = DataFolder + FeedFile;
  if (!left.empty() && !FeedFile.empty()) {
    records::FileImage<FeedBatchRecord> batches;
    if (!ReadImage(batches, feedPath, fault)) return false;
    for (const std::string& d : left) {
      const long n = FindMarkedBatch(batches, d);
      if (n == 0) continue;
      unmarked.emplace_back(n, FeedBatchRecord{});
      batches.decode(n, unmarked.back().second);
      unmarked.back().second.BatchNumber = d;
    }
  }
  // Every file it writes is open for writing before any is written.
  auto medOut = set.open<MedicationRecord>(MedFilePath());
  std::optional<WriteSet::File<DrugRecord>> drugOut;
  std::optional<WriteSet::File<FeedBatchRecord>> batchOut;
  if (!drugs.empty()) drugOut = set.open<DrugRecord>(DataFilePath<DrugRecord>());
  if (!unmarked.empty()) batchOut = set.open<FeedBatchRecord>(feedPath);
  for (const auto& [d, drug] : drugs) drugOut->write(d, drug);
  for (const auto& [r, blank] : blanked) medOut.write(r, blank);
  for (const auto& [n, batch] : unmarked) batchOut->write(n, batch);
  deleted = static_cast<int>(blanked.size());
  return true;
}

std::string MedHistoryHeading(const std::string& kindCaption, const std::string& criterion) {
  if (RTrim(kindCaption).empty()) return "All MED Rec's (Displayed).";
  return RTrim(kindCaption) + ", " + criterion + " (Displayed)";
}

void PrintMedHistory(const std::vector<std::string>& shown, const std::string& heading) {
  std::vector<std::string> printed;
  for (const std::string& line : shown) printed.push_back(" " + line);
  PrintCourierListing("D R U G  H I S T O R Y  L I S T I N G", heading,
                      " ID#       DATE GIVEN   DRUG NAME               DRUG CODE    DOSAGE   GIVEN BY", printed,
                      {.linesPerPage = 39, .fontSize = 12});
}
