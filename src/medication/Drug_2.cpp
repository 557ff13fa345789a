#include "medication/Drug_2.h"

#include <algorithm>
#include <optional>

#include "common/DataFiles.h"
#include "common/DateChecks.h"
#include "common/HogGlobals.h"
#include "common/KeyMask.h"
#include "common/NumberText.h"
#include "medication/MedicationFiles.h"

namespace {

constexpr platform::RowPitch kRows{600, 420};
constexpr int kLabelLeft = 240;
constexpr int kBoxLeft = 2880;
constexpr int kRowHeight = 315;

platform::TextBox* addBox(QWidget* parent, const std::string& name, int row, int width, int maxLength) {
  return platform::AddTextBox(parent, name, {kBoxLeft, kRows(row), width, kRowHeight}, maxLength);
}

}  // namespace

Drug_2::Drug_2(QWidget* parent) : platform::Form("Drug_2", parent) {
  using platform::AddLabel;
  setFont(platform::makeFont("MS Sans Serif", 8));
  NE_Cont = AddLabel(this, "NE_Cont", "", {6480, 120, 1080, 255});
  const char* labels[] = {"DRUG (Name)",     "DRUG CODE.",   "DOSAGE.",         "PURCHASE DATE. ",
                          "COST of DRUG.",   "EXPIRATION DATE.", "INV. AMOUNT.", "AMT. PURCHASED.",
                          "UNIT COST.",      "WITHDRAWAL PERIOD in days. .", "LOT/SERIAL  NUMBER. ....",
                          "MANUFACTURER",    "NOTES:"};
  int row = 0;
  for (const char* caption : labels) AddLabel(this, "Label1", caption, {kLabelLeft, kRows(row++) + 30, 2520, 255});

  DName = addBox(this, "DName", 0, 2700, 20);
  DCode = addBox(this, "DCode", 1, 1000, 6);
  Dosage = addBox(this, "Dosage", 2, 700, kDrugDosageBox.maxLength);
  DUnit = AddLabel(this, "DUnit", "", {kBoxLeft + 840, kRows(2) + 30, 1200, 255});
  Frame1 = platform::Placed(new QGroupBox(platform::fromAnsi("Drug Type"), this), {5880, kRows(0), 1800, 1395});
  Frame1->setObjectName("Frame1");
  const char* units[] = {"ML", "Lb / Ton", "Oz / Gal"};
  for (int i = 0; i < 3; ++i) {
    platform::OptionButton* option = DType.Add(platform::AddOption(Frame1, "DType", units[i], {180, 300 + 330 * i, 1500, 285}));
    connect(option, &QRadioButton::clicked, this, [this, i] { DType_Click(i); });
  }
  PurDate = platform::AddDateBox(this, "PurDate", {kBoxLeft, kRows(3), 1335, kRowHeight});
  DrugCost = addBox(this, "DrugCost", 4, 1200, kDrugCostBox.maxLength);
  ExpirDate = platform::AddDateBox(this, "ExpirDate", {kBoxLeft, kRows(5), 1335, kRowHeight});
  InvAmt = addBox(this, "InvAmt", 6, 1100, kDrugAmountBox.maxLength);
  PurAmt = addBox(this, "PurAmt", 7, 1100, kDrugAmountBox.maxLength);
  UCost = AddLabel(this, "UCost", "", {kBoxLeft, kRows(8) + 30, 1500, 255});
  WithDrw = addBox(this, "WithDrw", 9, 600, 3);
  LotNum = addBox(this, "LotNum", 10, 2100, 15);
  DManf = addBox(this, "DManf", 11, 2700, 20);
  DNote = addBox(this, "DNote", 12, 4800, 240);

  const int buttons = kRows(13) + 240;
  DAccept = platform::AddButton(this, "DAccept", " &ACCEPT", {240, buttons, 1335, 435}, [this] { DAccept_Click(); });
  Dclr = platform::AddButton(this, "Dclr", " CLEAR", {1755, buttons, 1335, 435}, [this] { Dclr_Click(); });
  DNext = platform::AddButton(this, "DNext", " NEXT >>", {3270, buttons, 1335, 435}, [this] { DNext_Click(); });
  DBack = platform::AddButton(this, "DBack", " <<", {4785, buttons, 1335, 435}, [this] { DBack_Click(); });
  DExit = platform::AddButton(this, "DExit", " &EXIT", {6300, buttons, 1335, 435}, [this] { DExit_Click(); });
  SetBoundsTwips(0, 0, 7980, buttons + 960);

  platform::SetTabOrder({DName, DCode, Dosage, DType[0], DType[1], DType[2], PurDate, DrugCost, ExpirDate, InvAmt,
                         PurAmt, WithDrw, LotNum, DManf, DNote, DAccept, Dclr, DNext, DBack, DExit});

  // Enter is swallowed in every box and moves the focus on along the chain.
  auto onEnter = [](platform::TextBox* box, std::function<void()> next, bool masked = false) {
    box->onKeyPress = [box, next, masked](int& key) {
      if (key == 13) {
        key = 0;
        next();
      } else if (masked && (key < 33 || key > 64)) {
        MaskKeyPress(box, key, kNameMask);
      }
    };
  };
  onEnter(DName, [this] { DCode->SetFocus(); }, true);
  onEnter(DCode, [this] {
    DCode_LostFocus();
    Dosage->SetFocus();
  });
  onEnter(Dosage, [this] { PurDate->SetFocus(); });
  onEnter(DrugCost, [this] { ExpirDate->SetFocus(); });
  onEnter(InvAmt, [this] { PurAmt->SetFocus(); });
  onEnter(PurAmt, [this] {
    ShowUnitCost(static_cast<float>(Val(DrugCost->Text())), static_cast<float>(Val(PurAmt->Text())));
    WithDrw->SetFocus();
  });
  onEnter(WithDrw, [this] { LotNum->SetFocus(); });
  onEnter(LotNum, [this] { DManf->SetFocus(); });
  onEnter(DManf, [this] { DNote->SetFocus(); }, true);
  onEnter(DNote, [this] { DAccept->setFocus(Qt::OtherFocusReason); });
  connect(PurDate, &QLineEdit::returnPressed, this, [this] { DrugCost->SetFocus(); });
  connect(ExpirDate, &QLineEdit::returnPressed, this, [this] { InvAmt->SetFocus(); });
  DCode->onLostFocus = [this] { DCode_LostFocus(); };
}

void Drug_2::Form_Load() { TellUnreachableRecords({LoadedFileOf<DrugRecord>()}); }

void Drug_2::Form_Activate() {
  EditMode = NE_Cont->Caption();
  if (EditMode == "NEW") {
    FileFault fault;
    const std::optional<long> free = FirstFreeDrugRecord(&fault);
    if (!free) {
      ReportFileFault(fault, false, kDrugEntryTitle);
      Hide();
      return;
    }
    CurrentDrugRec = *free;
    DNext->setEnabled(false);
    DBack->setEnabled(false);
    FirstClear = true;
    Dclr_Click();
  } else if (EditMode == "EDIT") {
    DNext->setEnabled(SelectedCount >= 2);
    DBack->setEnabled(false);
    if (SelectedCount >= 2) DrugTotal = SelectedCount;
    DrugIndex = 1;
    CurrentDrugRec = SelectedDrugRecs.size() > 1 ? SelectedDrugRecs[1] : 0;
    LoadDrugEntry();
    FirstClear = true;
  } else {
    FirstClear = true;
    Dclr_Click();
  }
}

DrugEntry Drug_2::entry() const {
  DrugEntry e;
  e.name = DName->Text();
  e.code = DCode->Text();
  e.dosage = Dosage->Text();
  e.purchaseDate = PurDate->Text();
  e.cost = DrugCost->Text();
  e.expirationDate = ExpirDate->Text();
  e.inventory = InvAmt->Text();
  e.purchased = PurAmt->Text();
  e.withdrawal = WithDrw->Text();
  e.lot = LotNum->Text();
  e.manufacturer = DManf->Text();
  e.note = DNote->Text();
  for (int i = 0; i < DType.Count(); ++i)
    if (DType[i]->Value()) e.type = i;
  return e;
}

void Drug_2::Refuse(const Refusal& refusal) {
  QWidget* const fields[] = {DName, DCode, Dosage, DrugCost, InvAmt, PurAmt};
  platform::ShowRefusal(refusal, refusal.field >= 0 ? fields[refusal.field] : nullptr);
}

void Drug_2::DAccept_Click() {
  const DrugEntry e = entry();
  if (const Check c = CheckDrugRequired(e)) return Refuse(*c);
  if (ValidateDate(e.purchaseDate, kFirstDataYear, -1) != kDateValid) return PurDate->SetFocus();
  if (e.expirationDate != records::kEmptyDate && ValidateDate(e.expirationDate, kFirstDataYear, -1) != kDateValid)
    return ExpirDate->SetFocus();
  DrugsOfCodes holding({Trim(e.code)});
  long count = 0;
  FileFault fault;
  if (!holding.Read(&fault, &count)) return ReportFileFault(fault, false, kDrugEntryTitle);
  if (!(EditMode == "EDIT" && Trim(e.code) == LoadedCode))
    if (const Check c = CheckDrugCodeFree(holding, e.code)) return Refuse(*c);
  if (const Check c = CheckDrugFigures(e)) return Refuse(*c);
  if (const Check c = CheckDrugRecordRoom(CurrentDrugRec)) return Refuse(*c);
  const DrugRecord drug = DrugRecordOf(e, EditMode == "EDIT" ? DrugRec : DrugRecord{});
  if (!WriteDrug(CurrentDrugRec, drug, &fault)) return ReportFileFault(fault, true, kDrugEntryTitle);
  if (EditMode == "NEW") {
    CurrentDrugRec = std::max(count, CurrentDrugRec) + 1;
    DNext->setEnabled(false);
    DBack->setEnabled(false);
    Dclr_Click();
  } else {
    LoadedCode = Trim(e.code);  // the drug now holds the code: accepting it again is no duplicate
    DrugRec = drug;
  }
}

void Drug_2::Dclr_Click() {
  for (platform::TextBox* box : {DCode, Dosage, DName, WithDrw, LotNum, DManf, DNote, DrugCost, InvAmt, PurAmt})
    box->SetText("");
  DUnit->SetCaption("");
  UCost->SetCaption("");
  PurDate->SetText(DateText);
  ExpirDate->SetText(records::kEmptyDate);
  DType[kVaccineOption]->SetValue(true);
  if (FirstClear)
    FirstClear = false;
  else
    DName->SetFocus();
}

void Drug_2::LoadDrugEntry() {
  const std::string path = DataFilePath<DrugRecord>();
  records::TypedFile<DrugRecord> file;
  if (!file.open(path)) return ReportFileFault({path, file.error()}, false, kDrugEntryTitle);
  if (!file.read(CurrentDrugRec, DrugRec)) DrugRec = DrugRecord{};
  file.close();
  const DrugEntry e = DrugEntryOf(DrugRec);
  DName->SetText(e.name);
  DCode->SetText(e.code);
  WithDrw->SetText(e.withdrawal);
  LotNum->SetText(e.lot);
  DManf->SetText(e.manufacturer);
  DNote->SetText(e.note);
  Dosage->SetText(e.dosage);
  InvAmt->SetText(e.inventory);
  PurAmt->SetText(e.purchased);
  DrugCost->SetText(e.cost);
  PurDate->SetText(e.purchaseDate);
  ExpirDate->SetText(e.expirationDate);
  ShowUnitCost(static_cast<float>(DrugRec.DrugCost.value()), DrugRec.AmountPurchased);
  LoadedCode = e.code;
  if (e.type >= 0) {
    DType[e.type]->SetValue(true);
    DUnit->SetCaption(DrugUnitCaption(e.type));
  }
}

void Drug_2::ShowUnitCost(float cost, float purchased) { UCost->SetCaption(UnitCostCaption(cost, purchased)); }

void Drug_2::StepTo(int index) {
  DrugIndex = index;
  CurrentDrugRec = SelectedDrugRecs[static_cast<size_t>(DrugIndex)];
  DNext->setEnabled(DrugIndex < DrugTotal);
  DBack->setEnabled(DrugIndex > 1);
  Dclr_Click();
  LoadDrugEntry();
  DName->SetFocus();
}

void Drug_2::DNext_Click() {
  if (DrugIndex >= DrugTotal) return;
  --SelectedCount;
  StepTo(DrugIndex + 1);
}

void Drug_2::DBack_Click() {
  if (DrugIndex <= 1) return;
  SelectedCount = std::min(SelectedCount + 1, DrugTotal);
  StepTo(DrugIndex - 1);
}

void Drug_2::DExit_Click() { Hide(); }

void Drug_2::DType_Click(int Index) { DUnit->SetCaption(DrugUnitCaption(Index)); }

void Drug_2::DCode_LostFocus() { DCode->SetText(UCase(DCode->Text())); }

void OpenDrugEntry(const std::string& mode) {
  Drug_2 entry;
  entry.Load();
  entry.SetCaption(mode == "NEW" ? "N E W    D R U G" : "E D I T    D R U G");
  entry.NE_Cont->SetCaption(mode);
  platform::ShowModalThenUnload(entry);
}
