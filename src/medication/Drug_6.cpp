#include "medication/Drug_6.h"

#include <optional>

#include "common/DataFiles.h"
#include "common/DateChecks.h"
#include "common/FileProcs.h"
#include "common/FigureBox.h"
#include "common/HogGlobals.h"
#include "common/NumberText.h"
#include "common/WriteSet.h"
#include "medication/MedHistory.h"
#include "medication/MedicationFiles.h"
#include "platform/Dialogs.h"
#include "platform/Screen.h"

namespace {

constexpr platform::RowPitch kRows{600, 480};
constexpr int kLabelLeft = 240;
constexpr int kBoxLeft = 2760;
constexpr int kRowHeight = 315;

std::string selectedId(int i) {
  return i >= 0 && static_cast<size_t>(i) < SelectedIds.size() ? SelectedIds[static_cast<size_t>(i)] : "";
}

void addLabel(QWidget* parent, const char* caption, int row) {
  platform::AddLabel(parent, "Label1", caption, {kLabelLeft, kRows(row) + 30, 2400, 255});
}

}  // namespace

Drug_6::Drug_6(QWidget* parent) : platform::Form("Drug_6", parent) {
  using platform::AddButton;
  using platform::AddLabel;
  using platform::AddTextBox;
  setFont(platform::makeFont("MS Sans Serif", 8));
  Mode = AddLabel(this, "Mode", "", {6120, 120, 960, 255});
  SwineCap = AddLabel(this, "SwineCap", "", {kLabelLeft, kRows(0) + 30, 2400, 255});
  const char* labels[] = {"DATE USED.", "DRUG CODE/TYPE (NAME)", "DRUG CODE. .....", "LOT/Serial #. .....",
                          "TOTAL DOSAGE. ", "USED By, (Initals)"};
  for (int i = 0; i < 6; ++i) addLabel(this, labels[i], i + 1);
  SwineId = AddTextBox(this, "SwineId", {kBoxLeft, kRows(0), 1200, kRowHeight}, 8);
  DateUsed = platform::AddDateBox(this, "DateUsed", {kBoxLeft, kRows(1), 1335, kRowHeight});
  DrugPick = platform::Placed(new platform::ComboBox(this, "DrugPick"), {kBoxLeft, kRows(2), 4080, kRowHeight});
  DrugPick->setFont(platform::makeFont("Courier New", 9));
  connect(DrugPick, &QComboBox::activated, this, [this](int) { DrugPick_Click(); });
  VCode = AddTextBox(this, "VCode", {kBoxLeft, kRows(3), 1000, kRowHeight}, 6);
  LotS = AddTextBox(this, "LotS", {kBoxLeft, kRows(4), 2100, kRowHeight}, 15);
  Dosage = AddTextBox(this, "Dosage", {kBoxLeft, kRows(5), 700, kRowHeight}, kMedDosageBox.maxLength);
  UnitVal = AddLabel(this, "UnitVal", "", {kBoxLeft + 840, kRows(5) + 30, 960, 255});
  UserInt = AddTextBox(this, "UserInt", {kBoxLeft, kRows(6), 600, kRowHeight}, 3);

  const int buttons = kRows(7) + 240;
  Accept = AddButton(this, "Accept", "&ACCEPT", {240, buttons, 1095, 435}, [this] { Accept_Click(); });
  VClr = AddButton(this, "VClr", "&CLEAR", {1395, buttons, 1095, 435}, [this] { VClr_Click(); });
  SelAll = AddButton(this, "SelAll", "ALL &SELECTED", {2550, buttons, 1455, 435}, [this] { SelAll_Click(); });
  VBack = AddButton(this, "VBack", "&<<", {4065, buttons, 735, 435}, [this] { VBack_Click(); });
  VNxt = AddButton(this, "VNxt", "&NEXT >>", {4860, buttons, 1095, 435}, [this] { VNxt_Click(); });
  VExit = AddButton(this, "VExit", "&EXIT", {6015, buttons, 1095, 435}, [this] { VExit_Click(); });
  SetBoundsTwips(0, 0, 7380, buttons + 960);
  platform::SetTabOrder({SwineId, DateUsed, DrugPick, VCode, LotS, Dosage, UserInt, Accept, VClr, SelAll, VBack,
                         VNxt, VExit});

  SwineId->onKeyPress = [this](int& key) {
    if (key != 13) return;
    key = 0;
    DrugPick->setFocus(Qt::OtherFocusReason);
  };
  UserInt->onKeyPress = [this](int& key) {
    if (key != 13) return;
    key = 0;
    UserInt->SetText(UCase(RTrim(UserInt->Text())));
    Accept->setFocus(Qt::OtherFocusReason);
  };
}

void Drug_6::Form_Load() {
  TellUnreachableRecords({LoadedFileOf<DrugRecord>(), LoadedFileOf<MedicationRecord>(DataFolder + MedFile)});
}

void Drug_6::Form_Activate() {
  DateUsed->SetText(DateText);
  const std::string mode = Mode->Caption();
  if (mode == "EDIT") {
    SelAll->setEnabled(false);
    VNxt->setEnabled(SelectedCount > 1);
    VBack->setEnabled(false);
    if (SelectedCount > 1) RecTotal = SelectedCount;
    RecIndex = 1;
    CurrentDrugRec = SelectedDrugRecs.size() > 1 ? SelectedDrugRecs[1] : 0;
    LoadMedEntry();
    return;
  }
  if (mode != "NEW1" && mode != "NEW2" && mode != "NEW3") return;
  VNxt->setEnabled(false);
  VBack->setEnabled(false);
  SelAll->setEnabled(mode == "NEW1" && SelectedCount >= 2);
  if (mode == "NEW1") {
    if (SelectedCount < 2) SelectedCount = 1;
    else AutoStart = 0;
  }
  SwineId->SetText(mode == "NEW2" ? CurrentBatchId : selectedId(1));
  long count = 0;
  FileFault fault;
  if (!MedRecordCount(count, &fault)) {
    ReportFileFault(fault, false, kMedEntryTitle);
    Hide();
    return;
  }
  CurrentDrugRec = count + 1;
  if (const Check c = CheckMedCapacity(mode, CurrentDrugRec, mode == "NEW1" ? SelectedCount : 1)) {
    Alert(c->text, c->icon | platform::vbOKOnly, c->title);
    Hide();
    return;
  }
  FillDrugCombo(DrugKindOfMode(mode));
}

void Drug_6::FillDrugCombo(int kind, const std::string& ownCode) {
  DrugPick->clear();
  FileFault fault;
  const std::optional<std::vector<std::string>> items = DrugPickItems(kind, ownCode, &fault);
  if (!items) return ReportFileFault(fault, false, kMedEntryTitle);
  for (const std::string& item : *items) DrugPick->AddItem(item);
  DrugPick->SetListIndex(-1);
}

void Drug_6::DrugPick_Click() {
  const std::string item = DrugPick->Text();
  LoadDrug(DrugCodeOfItem(item), kMedEntryTitle);
  Dosage->SetText(FigureText(CurrentDrug.Dosage, kMedDosageBox));
  UnitVal->SetCaption(UnitCaptionOf(CurrentDrug.DrugUnit, UnitVal->Caption()));
  VCode->SetText(DrugCodeOfItem(item));
  LotS->SetText(CurrentDrug.LotNumber);
  if (AutoStart == 0) AutoStart = 1;
  UserInt->SetFocus();
}

MedEntry Drug_6::entry() const {
  return {SwineId->Text(), SwineCap->Caption(), DateUsed->Text(), DrugPick->Text(), Dosage->Text(),
          VCode->Text(),   LotS->Text(),        UserInt->Text()};
}

void Drug_6::Refuse(const Refusal& refusal) {
  AcceptFailed = true;
  platform::ShowRefusal(refusal, {SwineId, DateUsed, DrugPick, Dosage, VCode});
}

void Drug_6::Fail(const FileFault& fault, bool writing) {
  AcceptFailed = true;
  ReportFileFault(fault, writing, kMedEntryTitle);
}

void Drug_6::Accept_Click() {
  AcceptFailed = false;
  const MedEntry e = entry();
  if (const Check c = CheckMedIdPresent(e.id)) return Refuse(*c);
  if (!AutoAccept) {
    const MedLookup lookup = MedIdLookup(e.id, e.caption, MedFile);
    if (!lookup.none) {
      bool found = false;
      FileFault fault;
      Hourglass(true);
      const bool read = ValidateMedId(lookup.id, lookup.caption, found, &fault);
      Hourglass(false);
      if (!read) return Fail(fault, false);
      if (const Check c = CheckMedIdFound(found, lookup.id)) return Refuse(*c);
    }
  }
  if (ValidateDate(e.date, kFirstDataYear, -1) != kDateValid) {
    AcceptFailed = true;
    return DateUsed->SetFocus();
  }
  if (const Check c = CheckMedDrug(e)) return Refuse(*c);
  const std::string mode = Mode->Caption();
  // EDIT: the record as stored, whose dose goes back to its drug.
  std::optional<MedicationRecord> before;
  if (mode == "EDIT") {
    records::TypedFile<MedicationRecord> medFile;
    before.emplace();
    if (!medFile.open(MedFilePath()) || !medFile.read(CurrentDrugRec, *before))
      return Fail({MedFilePath(), medFile.error()}, false);
  }
  // DRUG.LST is read once: the drug typed (LoadDrug), its draw and, for an
  // EDIT, the drug of the old dose.
  FoundDrugs drugs({Trim(e.code), RTrim(e.code), before ? RTrim(before->DrugCode) : ""});
  FileFault fault;
  if (!drugs.Read(&fault)) return Fail(fault, false);
  if (const Check c = CheckMedDrugCode(LoadDrug(drugs, Trim(e.code)))) return Refuse(*c);
  if (before) return AcceptEdit(e, *before, drugs);
  if (DrugKindOfMode(mode) != 0) AcceptNew(e, mode, drugs);
}

void Drug_6::AcceptNew(const MedEntry& e, const std::string& mode, const FoundDrugs& drugs) {
  long count = 0;
  FileFault fault;
  if (!MedRecordCount(count, &fault)) return Fail(fault, false);
  const long next = count + 1;
  if (const Check c = CheckMedCapacity(mode, next, 1)) return Refuse(*c);
  const float typed = MedDosageOf(e);
  float amount = typed;
  if (mode == "NEW1") amount += CarriedShortfall;
  // A vaccination records the dose given; a feed or water medication only
  // what the inventory covers, and nothing when it covers nothing.
  const InventoryDraw planned = DrawInventory(CurrentDrug.InventoryAmount, amount);
  const float stored = mode == "NEW1" ? typed : amount - planned.uncovered;
  const bool writes = mode == "NEW1" || stored > 0 || planned.uncovered == 0;
  // A feed medication drawn in full marks its batch "M" in the year's feed
  // batch file.
  const bool marks = mode == "NEW2" && PlanDrugDraw(drugs, e.code, amount).draw.uncovered == 0 &&
                     CurrentBatchId.rfind('M', 0) != 0;
  records::FileImage<FeedBatchRecord> batches;
  const std::string batchPath = DataFolder + FeedFile;
  if (marks && !FeedFile.empty() && !ReadImage(batches, batchPath, &fault)) return Fail(fault, false);
  const long batch = marks ? FindBatchNumbered(batches, Trim(CurrentBatchId)) : 0;
  // The record, its draw and the mark, or none of them: every file is open
  // for writing before any is written, the record appended first.
  WriteSet set("NEW MEDICATION");
  std::optional<WriteSet::File<MedicationRecord>> meds;
  std::optional<WriteSet::File<FeedBatchRecord>> batchOut;
  if (writes) meds = set.open<MedicationRecord>(MedFilePath());
  const auto drugOut = set.open<DrugRecord>(DataFilePath<DrugRecord>());
  if (batch != 0) batchOut = set.open<FeedBatchRecord>(batchPath);
  if (meds) meds->write(next, MedicationRecordOf(e, CurrentDrug, stored));
  const float uncovered = DeductDrugInventory(drugOut, drugs, e.code, amount);
  if (batchOut) {
    records::Bytes marked(batches.bytes(batch), batches.bytes(batch) + FeedBatchRecord::Length);
    records::putText(marked.data() + FeedBatchRecord::BatchNumberAt, FeedBatchRecord::BatchNumberWidth,
                     "M" + Trim(CurrentBatchId));
    batchOut->writeBytes(batch, marked);
  }
  if (!set.commit()) {
    AcceptFailed = true;
    return set.report(kMedEntryTitle);
  }
  if (mode == "NEW1") CarriedShortfall = 0;
  CurrentDrugRec = writes ? next + 1 : next;
  VNxt->setEnabled(false);
  VBack->setEnabled(false);
  if (mode != "NEW2") SwineId->SetText("");
  if (uncovered == 0) {
    if (mode == "NEW1") return SwineId->SetFocus();
    for (platform::TextBox* box : {Dosage, VCode, LotS}) box->SetText("");
    if (mode == "NEW2" && CurrentBatchId.rfind('M', 0) != 0) CurrentBatchId = "M" + CurrentBatchId;
    return;
  }
  Refuse(ShortfallRefusal(e.code, uncovered));
  if (mode == "NEW1")
    CarriedShortfall = uncovered;
  else
    Dosage->SetText(SingleText(uncovered));
  FillDrugCombo(DrugKindOfMode(mode));
  DrugPick->setFocus(Qt::OtherFocusReason);
}

void Drug_6::AcceptEdit(const MedEntry& e, const MedicationRecord& before, const FoundDrugs& drugs) {
  const float dose = EditedDosageOf(e, before);
  const EditDraw plan = PlanEditDraw(drugs, before, e.code, dose);
  if (plan.uncovered > 0) return Refuse(ShortfallRefusal(e.code, plan.uncovered));
  // The record and the inventories, or neither.
  WriteSet set("MEDICATION EDIT");
  auto meds = set.open<MedicationRecord>(MedFilePath());
  const auto drugOut = set.open<DrugRecord>(DataFilePath<DrugRecord>());
  meds.write(CurrentDrugRec, MedicationRecordOf(e, CurrentDrug, dose));
  ApplyEditDraw(drugOut, drugs, plan);
  if (!set.commit()) {
    AcceptFailed = true;
    return set.report(kMedEntryTitle);
  }
  Alert("RECORD UPDATED.", platform::vbInformation | platform::vbOKOnly, "EDIT   HISTORY   RECORD");
}

void Drug_6::SelAll_Click() {
  for (int i = AutoStart; i <= SelectedCount; ++i) {
    SwineId->SetText(RTrim(selectedId(i)));
    Pause(0.5f);
    AutoAccept = true;
    Accept_Click();
    if (AcceptFailed) {
      AutoAccept = false;
      AutoStart = i + 1;
      return;
    }
  }
  AutoAccept = false;
  AutoStart = 0;
  Alert("ALL SELECTED ID'S ENTERED!\r\rA drug record has been added to the\rMEDICATION file for all selected ID'S.",
        platform::vbInformation | platform::vbOKOnly, "AUTO   DRUG   ENTRY");
}

void Drug_6::LoadMedEntry() {
  const std::string path = MedFilePath();
  records::TypedFile<MedicationRecord> file;
  if (!file.open(path)) return ReportFileFault({path, file.error()}, false, kMedEntryTitle);
  if (!file.read(CurrentDrugRec, MedicationRec)) MedicationRec = MedicationRecord{};
  file.close();
  const MedicationRecord& r = MedicationRec;
  VCode->SetText(RTrim(r.DrugCode));
  LotS->SetText(RTrim(r.LotNumber));
  UserInt->SetText(RTrim(r.GivenBy));
  DateUsed->SetText(r.DateUsed);
  const MedRecordId id = MedRecordIdOf(r);
  if (!id.caption.empty()) {
    SwineId->SetText(id.id);
    SwineCap->SetCaption(id.caption);
  }
  FillDrugCombo(0, RTrim(r.DrugCode));
  for (int i = 0; i < DrugPick->count(); ++i) {
    if (Trim(DrugPick->List(i).substr(0, 6)) != Trim(r.DrugCode)) continue;
    DrugPick->SetListIndex(i);
    DrugPick_Click();
    break;
  }
  LotS->SetText(RTrim(r.LotNumber));
  Dosage->SetText(FigureText(r.Dosage, kMedDosageBox));
  UnitVal->SetCaption(UnitCaptionOf(r.DrugUnit, UnitVal->Caption()));
}

void Drug_6::StepDone() {
  VNxt->setEnabled(SelectedCount > 1);
  VBack->setEnabled(SelectedCount != RecTotal);
  VClr_Click();
  LoadMedEntry();
}

void Drug_6::VNxt_Click() {
  if (RecIndex >= RecTotal) return;
  ++RecIndex;
  CurrentDrugRec = SelectedDrugRecs[static_cast<size_t>(RecIndex)];
  --SelectedCount;
  StepDone();
}

void Drug_6::VBack_Click() {
  if (RecIndex <= 1) return;
  --RecIndex;
  CurrentDrugRec = SelectedDrugRecs[static_cast<size_t>(RecIndex)];
  if (++SelectedCount >= RecTotal) SelectedCount = RecTotal;
  StepDone();
}

void Drug_6::VClr_Click() {
  DateUsed->SetText(records::kEmptyDate);
  for (platform::TextBox* box : {SwineId, Dosage, VCode, LotS, UserInt}) box->SetText("");
  SwineId->SetFocus();
}

void Drug_6::VExit_Click() { Hide(); }

std::vector<std::string> SelectedRowIds(const platform::ListBox& list) {
  std::vector<std::string> ids;
  for (int row : list.SelectedRows()) ids.push_back(Trim(list.List(row).substr(0, 9)));
  return ids;
}

// ---- The openers ------------------------------------------------------------

namespace {

void openEntry(const std::string& caption, const std::string& swineCap, const std::string& unit,
               const std::string& mode) {
  Drug_6 window;
  window.Load();
  window.SetCaption(caption);
  window.SwineCap->SetCaption(swineCap);
  window.UnitVal->SetCaption(unit);
  window.Mode->SetCaption(mode);
  platform::ShowModalThenUnload(window);
}

void handIds(const std::vector<std::string>& ids) {
  SelectedIds.assign(1, "");
  for (const std::string& id : ids) SelectedIds.push_back(Trim(id));
  if (SelectedIds.size() < 2) SelectedIds.resize(2);
  SelectedCount = static_cast<int>(ids.size());
}

}  // namespace

void OpenPigletVaccination() {
  handIds({});
  openEntry("P I G L E T     V A C C I N A T I O N", "GROUP ID.", "ML/CC", "NEW1");
}

void OpenSowVaccination(const std::vector<std::string>& ids) {
  handIds(ids);
  openEntry("S O W     V A C C I N A T I O N", "SOW ID.", "ML/CC", "NEW1");
}

void OpenBoarVaccination(const std::vector<std::string>& ids) {
  handIds(ids);
  openEntry("B O A R     V A C C I N A T I O N", "BOAR ID.", "ML/CC", "NEW1");
}

void OpenFeedMedication() { openEntry("F E E D   M E D I C A T I O N", "BATCH ID.", "LB", "NEW2"); }

void OpenWaterMedication(int kind) {
  static const char* const kIds[] = {"GID_H2O", "SOW_H2O", "BOAR_H2O"};
  static const char* const kCaptions[] = {"GROUP ID.", "SOW ID.", "BOAR ID."};
  if (kind < 0 || kind > 2) return;
  SelectedIds = {"", kIds[kind]};
  SelectedCount = 1;
  openEntry("W A T E R   M E D I C A T I O N", kCaptions[kind], "OZ", "NEW3");
}

void OpenMedicationEdit() { openEntry("M E D I C A T I O N     E D I T", "", "", "EDIT"); }
