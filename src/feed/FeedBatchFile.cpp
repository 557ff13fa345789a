#include "feed/FeedBatchFile.h"

#include <algorithm>
#include <map>

#include "common/HogGlobals.h"
#include "common/NumberText.h"
#include "medication/MedicationFiles.h"
#include "records/Nearest.h"
#include "records/RecordSlots.h"

namespace {

struct FeedType {
  int choice;
  const char* letter;
  const char* word;
};
constexpr FeedType kFeedTypes[] = {
    {0, "N", "NURSERY"}, {1, "G", "GROWER"}, {2, "F", "FINISHER"}, {4, "E", "GESTATION"}, {5, "L", "LACTATION"}};

const FeedType* feedType(int choice) {
  for (const FeedType& t : kFeedTypes)
    if (t.choice == choice) return &t;
  return nullptr;
}

// A stored text without its trailing blanks.
std::string_view storedText(const uint8_t* field, int width) { return RTrimmed(records::textView(field, width)); }

}  // namespace

std::string FeedTypeLetter(int choice) {
  const FeedType* t = feedType(choice);
  return t ? t->letter : "";
}

std::string FeedTypeWord(int choice) {
  const FeedType* t = feedType(choice);
  return t ? t->word : "";
}

std::string FeedFilePath() { return DataFolder + FeedFile; }

bool ReadFeedBatchFile(FeedBatchFile& file, FileFault* fault) { return ReadImage(file, FeedFilePath(), fault); }

bool ReadBatch(long n, FeedBatchRecord& batch, FileFault* fault) {
  records::TypedFile<FeedBatchRecord> file;
  if (!file.open(FeedFilePath())) {
    if (fault) *fault = {FeedFilePath(), file.error()};
    return false;
  }
  if (!file.read(n, batch)) batch = FeedBatchRecord{};
  return true;
}

std::string BatchNumberOf(long record) {
  const std::string digits = std::to_string(record);
  return digits.size() >= 5 ? digits : std::string(5 - digits.size(), '0') + digits;
}

std::string_view PlainBatchNumber(std::string_view batchNumber) {
  const std::string_view n = RTrimmed(batchNumber);
  return n.size() > 5 ? n.substr(n.size() - 5) : n;
}

bool IsMedicatedNumber(std::string_view batchNumber) {
  for (const char c : batchNumber)
    if (c != ' ') return c == 'M';
  return false;
}

BatchMedications::BatchMedications(const MedicationFile& meds) {
  // The three fields a dose adds are read where they lie.
  static const records::FieldPlace batchId = records::placeOf(&MedicationRecord::BatchId);
  static const records::FieldPlace dosage = records::placeOf(&MedicationRecord::Dosage);
  static const records::FieldPlace unitCost = records::placeOf(&MedicationRecord::UnitCost);
  for (long n = 1; n <= meds.count(); ++n) {
    const uint8_t* bytes = meds.bytes(n);
    // A blank ID names no batch.
    const std::string_view id = RTrimmed(batchId.text(bytes));
    if (id.empty()) continue;
    const float given = dosage.f32(bytes);
    BatchMedication& m = sums_[std::string(id)];
    m.pounds += given;
    m.poundsWide += given;
    m.wholePounds += records::NearestWhole<int32_t>(given);
    m.cost += static_cast<float>(unitCost.cur(bytes).value()) * given;
  }
}

std::optional<BatchMedication> BatchMedications::sumOf(std::string_view id) const {
  const auto found = sums_.find(std::string(id));
  if (found == sums_.end()) return std::nullopt;
  return found->second;
}

BatchMedication BatchMedications::Of(std::string_view batchNumber) const {
  if (!IsMedicatedNumber(batchNumber)) return {};
  return sumOf(PlainBatchNumber(batchNumber)).value_or(BatchMedication{});
}

bool BatchMedications::Names(const std::string& number) const {
  return sumOf(number).has_value() || sumOf("M" + number).has_value();
}

NewBatchSlot FindNewBatchSlot(const FeedBatchFile& batches, const BatchMedications& meds) {
  using R = FeedBatchRecord;
  long n = 1;
  for (; n <= batches.count(); ++n) {
    const uint8_t* b = batches.bytes(n);
    if (storedText(b, 1).empty() && storedText(b + R::BatchNumberAt, R::BatchNumberWidth).empty() &&
        !meds.Names(BatchNumberOf(n)))
      break;
  }
  while (n > batches.count() && meds.Names(BatchNumberOf(n))) ++n;
  if (!records::RecordNumberFits(n)) return {0, BatchNumberOf(n)};
  return {n, BatchNumberOf(n)};
}

FeedBatchRecord ReservedBatch(const std::string& letter, const std::string& number) {
  FeedBatchRecord b;
  b.FeedType = letter;
  b.BatchNumber = number;
  return b;
}

void ReserveBatch(WriteSet& set, const NewBatchSlot& slot, long count, const std::string& letter) {
  auto file = set.open<FeedBatchRecord>(FeedFilePath());
  for (long n = count + 1; n < slot.record; ++n) file.write(n, FeedBatchRecord{});
  file.write(slot.record, ReservedBatch(letter, slot.number));
}

std::vector<long> FindIngredients(const IngredientFile& file, const std::vector<std::string>& codes) {
  std::vector<std::string> wanted;
  for (const std::string& c : codes) wanted.push_back(UCase(Trim(c)));
  std::vector<long> found(codes.size(), 0);
  size_t open = 0;
  for (const std::string& w : wanted) open += w.empty() ? 0 : 1;
  for (long n = 1; n <= file.count() && open > 0; ++n) {
    const std::string code =
        UCase(std::string(Trimmed(storedText(file.bytes(n) + IngredientRecord::IdAt, IngredientRecord::IdWidth))));
    if (code.empty()) continue;
    for (size_t i = 0; i < wanted.size(); ++i)
      if (found[i] == 0 && wanted[i] == code) found[i] = n, --open;
  }
  return found;
}

std::vector<std::pair<long, IngredientRecord>> ChangedIngredients(const IngredientFile& file,
                                                                  const std::vector<std::pair<long, int64_t>>& changes) {
  std::map<long, int64_t> byRecord;
  for (const auto& [record, change] : changes)
    if (record != 0) byRecord[record] += change;
  std::vector<std::pair<long, IngredientRecord>> changed;
  for (const auto& [record, change] : byRecord) {
    if (change == 0) continue;
    changed.emplace_back(record, IngredientRecord{});
    IngredientRecord& ingredient = changed.back().second;
    file.decode(record, ingredient);
    ingredient.CurrentInventory = records::NearestFit<int32_t>(records::Plus64(ingredient.CurrentInventory, change));
  }
  return changed;
}

bool DeleteBatches(WriteSet& set, const std::vector<long>& records, FileFault* fault) {
  FeedBatchFile batches;
  IngredientFile ingredients;
  if (!ReadFeedBatchFile(batches, fault) || !ReadImage(ingredients, fault)) return false;
  std::vector<std::string> codes;
  std::vector<int32_t> amounts;
  FeedBatchRecord batch;
  for (long record : records) {
    if (record < 1 || record > batches.count()) continue;
    batches.decode(record, batch);
    for (const FeedBatchRecord::Row& row : batch.Ingredients) {
      codes.push_back(row.IngredientCode);
      amounts.push_back(row.Amount);
    }
  }
  const std::vector<long> found = FindIngredients(ingredients, codes);
  std::vector<std::pair<long, int64_t>> back;
  for (size_t k = 0; k < found.size(); ++k) back.emplace_back(found[k], amounts[k]);
  const auto changed = ChangedIngredients(ingredients, back);
  auto out = set.open<FeedBatchRecord>(FeedFilePath());
  if (!changed.empty()) set.open<IngredientRecord>(DataFilePath<IngredientRecord>()).write(changed);
  for (long record : records)
    if (record >= 1 && record <= batches.count()) out.write(record, FeedBatchRecord{});
  return true;
}
