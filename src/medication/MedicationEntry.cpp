#include "medication/MedicationEntry.h"

#include <cfloat>
#include <cmath>
#include <functional>

#include "common/FixedLine.h"
#include "common/HogGlobals.h"
#include "common/NumberText.h"
#include "common/TypedNumber.h"
#include "medication/MedicationFiles.h"
#include "records/BoarRecord.h"
#include "records/FeedBatchRecord.h"
#include "records/GroupRecord.h"
#include "records/SowRecord.h"

namespace {

const NumberField kDosageNumber = SingleField("DRUG DOSAGE");

Refusal refusal(const std::string& text, int field) { return Refusal{text, kMedEntryTitle, platform::vbExclamation, field}; }

std::string required(const std::string& missing, const std::string& mustEnter) {
  return missing + "\r\rThis is a REQUIRED entry field!\r" + mustEnter;
}

// Whether any record of the file at `path` holds, in the text field at
// `at` of `width` bytes, a value (trimmed) that `matches`.
template <class R>
bool scanField(const std::string& path, int at, int width, const std::function<bool(const std::string&)>& matches,
               bool& found, FileFault* fault) {
  records::RecordScan<R> scan;
  const auto visit = [&](long, const uint8_t* record) {
    found = found || matches(Trim(std::string(reinterpret_cast<const char*>(record + at), static_cast<size_t>(width))));
  };
  return ScanFile(scan, path, visit, fault);
}

bool fitsKind(int kind, char type) {
  switch (kind) {
    case 1: return type == 'V';
    case 2: return type == 'F';
    case 3: return type == 'W';
    default: return true;
  }
}

}  // namespace

int DrugKindOfMode(const std::string& mode) {
  if (mode == "NEW1") return 1;
  if (mode == "NEW2") return 2;
  if (mode == "NEW3") return 3;
  return 0;
}

std::string DrugPickItem(const std::string& code, const std::string& name) {
  return FixedLine(30).put(1, Trim(code), 6).put(9, Trim(name), 20).str();
}

std::optional<std::vector<std::string>> DrugPickItems(int kind, const std::string& ownCode, FileFault* fault) {
  std::vector<std::string> items;
  bool ownListed = ownCode.empty();
  const auto visit = [&](long, const uint8_t* drug) {
    if (IsFreeDrugCode(drug)) return;
    const bool own = !ownListed && HasDrugCode(drug, ownCode);
    const bool onHand = records::getF32(drug + DrugRecord::InventoryAt) != 0;
    if (!own && !(onHand && fitsKind(kind, static_cast<char>(drug[DrugRecord::TypeAt])))) return;
    if (own) ownListed = true;
    items.push_back(DrugPickItem(records::getText(drug + DrugRecord::CodeAt, DrugRecord::CodeWidth),
                                 records::getText(drug + DrugRecord::NameAt, DrugRecord::NameWidth)));
  };
  if (!ScanDrugFile(visit, fault)) return std::nullopt;
  return items;
}

std::string DrugCodeOfItem(const std::string& item) { return RTrim(item.substr(0, 6)); }

std::string DrugNameOfItem(const std::string& item) { return item.size() > 8 ? RTrim(item.substr(8, 20)) : ""; }

std::string UnitCaptionOf(const std::string& unit, const std::string& current) {
  if (unit == "M") return "ML/CC";
  if (unit == "L") return "LB";
  if (unit == "O") return "OZ";
  return current;
}

Check CheckMedIdPresent(const std::string& id) {
  if (!Trim(id).empty()) return std::nullopt;
  return refusal(required("NO ID!", "You MUST enter one of the following:\rSOW ID\rBOAR ID\rGROUP ID\rBATCH ID"),
                 kMedIdField);
}

MedLookup MedIdLookup(const std::string& id, const std::string& caption, const std::string& medFile) {
  const std::string key = Trim(id);
  if (key == "SOW_H2O" || key == "BOAR_H2O") return {key, caption, true};
  if (key.size() >= 4 && key.compare(key.size() - 4, 4, "_H2O") == 0) {
    const std::string year = medFile.size() >= 7 ? medFile.substr(5, 2) : "";
    return {key.substr(0, 3) + "-" + year, "GROUP ID.", false};
  }
  return {key, caption, false};
}

bool ValidateMedId(const std::string& Id, const std::string& Caption, bool& Found, FileFault* fault) {
  Found = false;
  const std::string id = Trim(Id);
  if (id.empty()) return true;
  const auto same = [&id](const std::string& stored) { return stored == id; };
  if (Caption == "SOW ID.")
    return scanField<SowRecord>(DataFilePath<SowRecord>(), SowRecord::IdAt, SowRecord::IdWidth, same, Found, fault);
  if (Caption == "BOAR ID.")
    return scanField<BoarRecord>(DataFilePath<BoarRecord>(), BoarRecord::IdAt, BoarRecord::IdWidth, same, Found,
                                 fault);
  if (Caption == "GROUP ID.")
    return scanField<GroupRecord>(DataFilePath<GroupRecord>(), GroupRecord::IdAt, GroupRecord::IdWidth, same, Found,
                                  fault);
  if (Caption == "BATCH ID.") {
    // The batch's five digits, whether the ID or the stored number carries
    // the "M" or not.
    const std::string digits = id[0] == 'M' ? id.substr(1) : id;
    if (digits.empty() || FeedFile.empty()) return true;
    return scanField<FeedBatchRecord>(
        DataFolder + FeedFile, FeedBatchRecord::BatchNumberAt, FeedBatchRecord::BatchNumberWidth,
        [&digits](const std::string& stored) { return stored == digits || stored == "M" + digits; }, Found, fault);
  }
  return true;
}

Check CheckMedIdFound(bool found, const std::string& lookedUp) {
  if (found) return std::nullopt;
  return refusal("INVALID ID!\r\rThe entered Id(" + Trim(lookedUp) + ")\rwasn't found in the data base!", kMedIdField);
}

float MedDosageOf(const MedEntry& entry) { return TypedSingle(entry.dosage, kDosageNumber); }

const FigureBox kMedDosageBox{"#0.0", 4};

float EditedDosageOf(const MedEntry& entry, const MedicationRecord& before) {
  return KeptSingle(entry.dosage, before.Dosage, kMedDosageBox, kDosageNumber);
}

Check CheckMedDrug(const MedEntry& entry) {
  if (Trim(entry.drugItem).empty())
    return refusal(required("NO DRUG NAME!", "You MUST select a DRUG!"), kMedDrugField);
  if (Trim(entry.dosage).empty())
    return refusal(required("NO DRUG DOSAGE!", "You MUST enter an amount given!"), kMedDosageField);
  if (Check refusal = CheckTypedNumber(entry.dosage, kDosageNumber, kMedEntryTitle, kMedDosageField)) return refusal;
  if (Trim(entry.code).empty()) return refusal(required("NO DRUG CODE!", "You MUST enter a DRUG CODE!"), kMedCodeField);
  return std::nullopt;
}

Check CheckMedDrugCode(long drugRecord) {
  if (drugRecord != 0) return std::nullopt;
  return refusal("ILLEGAL DRUG CODE!\r\rThe entered DRUG CODE wasn't \rfound in the DRUG LIST!", kMedCodeField);
}

Check CheckMedCapacity(const std::string& mode, long next, int count) {
  auto exceeded = [](const std::string& lines) {
    return Refusal{"FILE LENGTH EXCEEDED!\r\r" + lines, kFileLengthTitle, platform::vbExclamation, kMedIdField};
  };
  if (mode == "NEW2") {
    if (next <= kFeedMedFileLimit) return std::nullopt;
    return exceeded("File length has been exceeded!\rDelete some old records.");
  }
  long excess = 0;
  if (mode == "NEW1") excess = next + count - kMedFileLimit;
  if (mode == "NEW3") excess = next - kMedFileLimit;
  if (excess <= 0) return std::nullopt;
  return exceeded("File length is exceeded by (" + std::to_string(excess) +
                  ") records!\rUse fewer records, else delete old ones.");
}

InventoryDraw DrawInventory(float inventory, float amount) {
  if (inventory == 0) return {inventory, amount, false};
  if (amount <= inventory) {
    const float left = inventory - amount;
    return {left > 0 ? left : 0.0f, 0.0f, true};
  }
  return {0.0f, amount - inventory, true};
}

Refusal ShortfallRefusal(const std::string& code, float uncovered) {
  return refusal("ZERO DRUG INVENTORY!\r\rThis DRUG CODE (" + Trim(code) + ")\rnow has zero(0) inventory!\r\rYou have " +
                     SingleText(uncovered) + " Remaining!\rSelect another DRUG CODE!",
                 kMedDrugField);
}

DrugDraw PlanDrugDraw(const FoundDrugs& drugs, const std::string& DrugCode, float Amount) {
  DrugDraw plan;
  plan.record = drugs.First(RTrim(DrugCode));
  if (plan.record != 0)
    plan.draw = DrawInventory(records::getF32(drugs.Bytes(plan.record) + DrugRecord::InventoryAt), Amount);
  return plan;
}

float DeductDrugInventory(WriteSet::File<DrugRecord> out, const FoundDrugs& drugs, const std::string& DrugCode,
                          float Amount) {
  const DrugDraw plan = PlanDrugDraw(drugs, DrugCode, Amount);
  if (plan.draw.changed) {
    DrugRecord drug;
    records::decodeInto(drugs.Bytes(plan.record), drug);
    drug.InventoryAmount = plan.draw.inventory;
    out.write(plan.record, drug);
  }
  return plan.draw.uncovered;
}

EditDraw PlanEditDraw(const FoundDrugs& drugs, const MedicationRecord& before, const std::string& newCode,
                      float newDose) {
  auto inventoryOf = [&drugs](long n) { return n == 0 ? 0.0f : records::getF32(drugs.Bytes(n) + DrugRecord::InventoryAt); };
  EditDraw plan;
  const std::string oldCode = RTrim(before.DrugCode);
  plan.oldDrug = oldCode.empty() ? 0 : drugs.First(oldCode);
  if (plan.oldDrug != 0) plan.oldInventory = inventoryOf(plan.oldDrug) + before.Dosage;
  plan.newDrug = drugs.First(RTrim(newCode));
  if (plan.newDrug != 0 && plan.newDrug == plan.oldDrug && newDose == before.Dosage) {
    plan.oldInventory = plan.newInventory = inventoryOf(plan.newDrug);
    return plan;
  }
  const float available = plan.newDrug == plan.oldDrug ? plan.oldInventory : inventoryOf(plan.newDrug);
  const InventoryDraw draw = DrawInventory(available, newDose);
  plan.newInventory = draw.inventory;
  plan.uncovered = plan.newDrug == 0 ? 0.0f : draw.uncovered;
  return plan;
}

void ApplyEditDraw(WriteSet::File<DrugRecord> out, const FoundDrugs& drugs, const EditDraw& plan) {
  auto setInventory = [&](long n, float amount) {
    DrugRecord drug;
    records::decodeInto(drugs.Bytes(n), drug);
    drug.InventoryAmount = amount;
    out.write(n, drug);
  };
  if (plan.oldDrug != 0 && plan.oldDrug != plan.newDrug) setInventory(plan.oldDrug, plan.oldInventory);
  if (plan.newDrug != 0) setInventory(plan.newDrug, plan.newInventory);
}

MedicationRecord MedicationRecordOf(const MedEntry& entry, const CurrentDrugRecord& drug, float dosage) {
  MedicationRecord r;
  const std::string id = Trim(entry.id);
  if (entry.caption == "SOW ID.") r.SowId = id;
  if (entry.caption == "BOAR ID.") r.BoarId = id;
  if (entry.caption == "GROUP ID.") r.GroupId = id;
  if (entry.caption == "BATCH ID.") r.BatchId = id;
  r.DrugCode = Trim(entry.code);
  r.DrugName = DrugNameOfItem(entry.drugItem);
  r.LotNumber = Trim(entry.lot);
  r.Dosage = dosage;
  r.UnitCost = records::Currency::fromDouble(static_cast<double>(drug.UnitCost));
  r.DrugUnit = drug.DrugUnit;
  r.DateUsed = entry.date;
  r.GivenBy = UCase(Trim(entry.initials));
  return r;
}

MedRecordId MedRecordIdOf(const MedicationRecord& record) {
  const std::pair<const std::string*, const char*> fields[] = {{&record.SowId, "SOW ID."},
                                                               {&record.BoarId, "BOAR ID."},
                                                               {&record.GroupId, "GROUP ID."},
                                                               {&record.BatchId, "BATCH ID."}};
  for (const auto& [field, caption] : fields)
    if (!Trim(*field).empty()) return {RTrim(*field), caption};
  return {};
}

bool MedRecordCount(long& count, FileFault* fault) {
  const std::string path = MedFilePath();
  records::TypedFile<MedicationRecord> file;
  count = 0;
  if (!file.open(path)) {
    if (fault) *fault = {path, file.error()};
    return false;
  }
  count = file.count();
  return true;
}
