#pragma once
// Medication entry: what the window Drug_6 checks, writes and draws, without
// widgets, and the openers of the window in each of its modes.
//
// Modes: "NEW1" vaccinations of the IDs handed in SelectedIds (or typed),
// "NEW2" the medication of the feed batch CurrentBatchId, "NEW3" a water
// medication, "EDIT" the history records SelectedDrugRecs(1..SelectedCount).
// Each accepted entry writes one MedicationRecord to DataFolder + MedFile; a
// new one is appended and drawn from its drug's inventory in DRUG.LST.
#include <optional>
#include <string>
#include <vector>

#include "common/DataFiles.h"
#include "common/FigureBox.h"
#include "common/WriteSet.h"
#include "medication/DrugLookups.h"
#include "platform/Refusal.h"
#include "records/DrugRecord.h"
#include "records/MedicationRecord.h"
#include "records/RecordIo.h"

// ---- The openers: each loads a fresh Drug_6, sets its caption, SwineCap,
// UnitVal and Mode, shows it modally and unloads it.

// PIGLET > Vaccinations: no IDs handed over; the group IDs are typed.
void OpenPigletVaccination();
// The sow and boar lists' VACC: the trimmed IDs of the selected rows (none:
// the IDs are typed) into SelectedIds(1..n), SelectedCount n.
void OpenSowVaccination(const std::vector<std::string>& ids);
void OpenBoarVaccination(const std::vector<std::string>& ids);
// The feed batch entry: the medication of batch CurrentBatchId, which is
// given its "M" once a medication of it is fully drawn from inventory.
void OpenFeedMedication();
// The medication history's ADD WATER: 0 piglets ("GID_H2O"), 1 sows
// ("SOW_H2O"), 2 boars ("BOAR_H2O").
void OpenWaterMedication(int kind);
// The medication history's EDIT: records SelectedDrugRecs(1..SelectedCount).
void OpenMedicationEdit();

// ---- What the window checks and writes.

inline constexpr const char* kMedEntryTitle = "DRUG   ENTRY / EDIT   ERROR";
inline constexpr const char* kFileLengthTitle = "FILE   LENGTH   ERROR";

// The last record a year's file may take from the vaccinations and water
// medication, and from the feed medication.
inline constexpr long kMedFileLimit = 8410;
inline constexpr long kFeedMedFileLimit = 8420;

// The fields of the window a refusal gives the focus back to.
enum MedEntryField { kMedIdField, kMedDateField, kMedDrugField, kMedDosageField, kMedCodeField };

// The window's fields as they stand at ACCEPT.
struct MedEntry {
  std::string id;        // SwineId
  std::string caption;   // SwineCap: "SOW ID.", "BOAR ID.", "GROUP ID." or "BATCH ID."
  std::string date;      // DateUsed
  std::string drugItem;  // the drug list's text
  std::string dosage;    // the total dosage typed
  std::string code;      // VCode
  std::string lot;       // LotS
  std::string initials;  // UserInt
};

// The drug list's kind for a mode: 1 vaccines, 2 feed, 3 water, 0 every type.
int DrugKindOfMode(const std::string& mode);
// A drug list item: the trimmed code in columns 1-6, the trimmed name from
// column 9, 30 characters in all.
std::string DrugPickItem(const std::string& code, const std::string& name);
// The items of the drugs of DRUG.LST with inventory whose type fits `kind`,
// in file order; the drug `ownCode` (an edited record's) is listed whatever
// its inventory. Nothing, with `fault`, when DRUG.LST cannot be read.
std::optional<std::vector<std::string>> DrugPickItems(int kind, const std::string& ownCode, FileFault* fault);
// The code of a list item (its first six characters, right-trimmed) and the
// name (columns 9 to 28).
std::string DrugCodeOfItem(const std::string& item);
std::string DrugNameOfItem(const std::string& item);
// The unit caption for a unit letter: "ML/CC", "LB", "OZ"; `current` for
// another letter.
std::string UnitCaptionOf(const std::string& unit, const std::string& current);

// 1: an ID typed.
Check CheckMedIdPresent(const std::string& id);

// The ID ACCEPT looks up and the caption it is looked up under: a water
// medication of a group ("123_H2O") is looked up as its group of the
// medication year ("123-" and the year's last two digits of `medFile`).
// `none` when nothing is looked up: the sows' and boars' water IDs.
struct MedLookup {
  std::string id;
  std::string caption;
  bool none = false;
};
MedLookup MedIdLookup(const std::string& id, const std::string& caption, const std::string& medFile);

// Whether `Id` (trimmed, exact) names a record of the file its caption
// stands for: SOW.DAT, BOAR.DAT, GROUP.DAT or the year's feed batch file
// (DataFolder + FeedFile), where a batch is found by its five digits with or
// without its "M". Any record counts, also an animal that left the herd. An
// unknown caption finds nothing. False, with `fault`, when the file cannot be
// read; `Found` then stays false.
bool ValidateMedId(const std::string& Id, const std::string& Caption, bool& Found, FileFault* fault);
// 2: the ID looked up was found.
Check CheckMedIdFound(bool found, const std::string& lookedUp);
// 4-6: a drug picked, a dosage typed, a number from 0 that a Single holds
// as typed (common/TypedNumber.h), a code.
Check CheckMedDrug(const MedEntry& entry);
// The dosage of a checked entry.
float MedDosageOf(const MedEntry& entry);
// How the dosage box shows a stored dose: "#0.0", four characters.
extern const FigureBox kMedDosageBox;
// The dosage an EDIT of `before` stores: its own dose while the box still
// shows it (common/FigureBox.h), else the dosage typed.
float EditedDosageOf(const MedEntry& entry, const MedicationRecord& before);
// 7: the code names a drug of DRUG.LST (its record number, 0 when none).
Check CheckMedDrugCode(long drugRecord);
// A new record `next` of the year's file, with `count` IDs still to come in
// "NEW1": within the file's length for the mode and a 16-bit record number.
Check CheckMedCapacity(const std::string& mode, long next, int count);

// The amount the inventory gives and what it leaves: `amount` taken from
// `inventory`, never below 0; an inventory of 0 gives nothing and is left
// alone (`changed` false), as is a drug that is not there.
struct InventoryDraw {
  float inventory = 0;  // what is left
  float uncovered = 0;  // what the inventory could not give
  bool changed = false;
};
InventoryDraw DrawInventory(float inventory, float amount);
// The shortfall box: the code and the amount not covered.
Refusal ShortfallRefusal(const std::string& code, float uncovered);

// The draw of `Amount` from the first drug of `drugs` holding `DrugCode`
// (found by its code without trailing blanks): its record (0 when no drug
// holds the code, which then draws nothing).
struct DrugDraw {
  long record = 0;
  InventoryDraw draw;
};
DrugDraw PlanDrugDraw(const FoundDrugs& drugs, const std::string& DrugCode, float Amount);
// Draws `Amount` from the first drug of `drugs` (as DRUG.LST was read)
// holding `DrugCode` and writes its inventory to `out`, DRUG.LST in the
// action's write set; answers the amount not covered (0 when no drug holds
// the code).
float DeductDrugInventory(WriteSet::File<DrugRecord> out, const FoundDrugs& drugs, const std::string& DrugCode,
                          float Amount);

// An edited record's draw: the old dose back to the old drug, the new dose
// from the new drug (records of DRUG.LST, 0 when none holds the code). The
// same dose of the same drug leaves its stock as stored: given back and
// drawn again, a Single could round it.
struct EditDraw {
  long oldDrug = 0;
  float oldInventory = 0;
  long newDrug = 0;
  float newInventory = 0;
  float uncovered = 0;  // the new dose beyond what the new drug then holds
};
// `drugs` found for the old code and the new, without their trailing blanks.
EditDraw PlanEditDraw(const FoundDrugs& drugs, const MedicationRecord& before, const std::string& newCode,
                      float newDose);
// Writes the plan's inventories to `out`, DRUG.LST in the action's write
// set, each drug as `drugs` holds it but for its inventory.
void ApplyEditDraw(WriteSet::File<DrugRecord> out, const FoundDrugs& drugs, const EditDraw& plan);

// The record an accepted entry writes: the ID in the field of its caption
// (a water ID as typed), the others blank; `dosage` is what it holds.
MedicationRecord MedicationRecordOf(const MedEntry& entry, const CurrentDrugRecord& drug, float dosage);
// The ID shown of a stored record and the caption it belongs to: the first
// non-blank of sow, boar, group and batch; nothing when all four are blank.
struct MedRecordId {
  std::string id;
  std::string caption;
};
MedRecordId MedRecordIdOf(const MedicationRecord& record);

// The records of the year's file (DataFolder + MedFile); false, with
// `fault`, when it cannot be opened.
bool MedRecordCount(long& count, FileFault* fault);
