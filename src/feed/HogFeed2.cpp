#include "feed/HogFeed2.h"

#include <array>

#include "common/DataFiles.h"
#include "common/DateChecks.h"
#include "common/Format.h"
#include "common/HogGlobals.h"
#include "common/NumberText.h"
#include "feed/BatchEntry.h"
#include "feed/FeedBatchFile.h"
#include "medication/MedicationEntry.h"
#include "platform/Dialogs.h"

namespace {

constexpr int kRows = FeedBatchRecord::Rows;
// Two columns of four rows: ingredient and amount.
constexpr platform::RowPitch kRowPitch{1020, 420};
constexpr int kColumnLeft[] = {240, 3480};
constexpr int kAmountShift = 1680;
constexpr int kButtonTop = 2880;

std::string editCaption(int choice) { return "EDIT  " + FeedTypeWord(choice) + "  FEED  BATCH ("; }

}  // namespace

HogFeed2::HogFeed2(QWidget* parent) : platform::Form("HogFeed2", parent) {
  using namespace platform;
  setFont(makeFont("MS Sans Serif", 8, true));
  Label1.Add(AddLabel(this, "Label1", "DATE FEED GROUND.", {240, 270, 1800, 255}));
  FeedDate = AddDateBox(this, "FeedDate", {2040, 240, 1335, 315});
  Label1.Add(AddLabel(this, "Label1", "GROUP ID.", {3600, 270, 960, 255}));
  GroupId = AddTextBox(this, "GroupId", {4560, 240, 900, 315});
  MedFeed = AddLabel(this, "MedFeed", "MEDICATED", {5640, 270, 1200, 255});
  MedFeed->hide();
  NE_Cont = AddLabel(this, "NE_Cont", "", {5640, 570, 900, 255});
  NE_Cont->hide();
  for (int left : kColumnLeft) {
    Label1.Add(AddLabel(this, "Label1", "INGREDIENT.", {left, 750, 1440, 255}));
    Label1.Add(AddLabel(this, "Label1", "AMOUNT (Lb)", {left + kAmountShift, 750, 1200, 255}));
  }
  ingredientCodes_ = new QStringListModel(this);
  for (int i = 0; i < kRows; ++i) {
    const int left = kColumnLeft[i / 4], top = kRowPitch(i % 4);
    ComboBox* pick = FeedPick.Add(Placed(new ComboBox(this, "FeedPick", true), {left, top, 1560, 315}));
    pick->setModel(ingredientCodes_);  // the eight boxes pick from one list
    QObject::connect(pick, &QComboBox::activated, this, [this, i] { FeedPick_Click(i); });
    FeedAmt.Add(AddTextBox(this, "FeedAmt", {left + kAmountShift, top, 1200, 315}));
  }
  Accept = AddButton(this, "Accept", " &ACCEPT", {240, kButtonTop, 1095, 435}, [this] { Accept_Click(); });
  FeedClr = AddButton(this, "FeedClr", " CLEAR", {1455, kButtonTop, 1095, 435}, [this] { FeedClr_Click(); });
  FeedBack = AddButton(this, "FeedBack", "<<", {2670, kButtonTop, 735, 435}, [this] { FeedBack_Click(); });
  NextBatch = AddButton(this, "NextBatch", " NEXT >", {3525, kButtonTop, 1095, 435}, [this] { NextBatch_Click(); });
  FeedMed = AddButton(this, "FeedMed", "FEED MED", {4740, kButtonTop, 1095, 435}, [this] { FeedMed_Click(); });
  FeedExit = AddButton(this, "FeedExit", "&EXIT", {5955, kButtonTop, 1095, 435}, [this] { FeedExit_Click(); });
  SetTabOrder({FeedDate, GroupId, FeedPick[0], FeedAmt[0], FeedPick[1], FeedAmt[1], FeedPick[2], FeedAmt[2],
               FeedPick[3], FeedAmt[3], FeedPick[4], FeedAmt[4], FeedPick[5], FeedAmt[5], FeedPick[6], FeedAmt[6],
               FeedPick[7], FeedAmt[7], Accept, FeedClr, FeedBack, NextBatch, FeedMed, FeedExit});
  SetBoundsTwips(0, 0, 7380, 3780);
}

BatchEntry HogFeed2::entry() const {
  BatchEntry e{FeedDate->Text(), GroupId->Text(), {}, {}};
  for (int i = 0; i < kRows; ++i) {
    e.codes[static_cast<size_t>(i)] = FeedPick[i]->Text();
    e.amounts[static_cast<size_t>(i)] = FeedAmt[i]->Text();
  }
  return e;
}

void HogFeed2::showRefusal(const Refusal& refusal) {
  QWidget* field = nullptr;
  if (refusal.field == kFeedDateField) field = FeedDate;
  if (refusal.field == kGroupIdField) field = GroupId;
  if (refusal.field >= kFeedPickField && refusal.field < kFeedPickField + kRows)
    field = FeedPick[refusal.field - kFeedPickField];
  if (refusal.field >= kFeedAmtField && refusal.field < kFeedAmtField + kRows)
    field = FeedAmt[refusal.field - kFeedAmtField];
  platform::ShowRefusal(refusal, field);
}

void HogFeed2::Form_Load() {
  TellUnreachableRecords({LoadedFileOf<IngredientRecord>(), LoadedFileOf<FeedBatchRecord>(FeedFilePath())});
}

void HogFeed2::Form_Activate() {
  mode_ = NE_Cont->Caption();
  if (mode_ == "NEW") {
    if (skipActivate_) {  // back from the medication window
      skipActivate_ = false;
      return;
    }
    NextBatch->setEnabled(false);
    FeedBack->setEnabled(false);
    FeedMed->setEnabled(true);
    fillIngredientPicks();
    FeedClr_Click();
    return;
  }
  if (mode_ != "EDIT") return;
  const bool several = SelectedCount >= 2;
  NextBatch->setEnabled(several);
  FeedBack->setEnabled(false);
  if (several) batchTotal_ = SelectedCount;
  batchIndex_ = 1;
  CurrentFeedRec = SelectedFeedRecs.size() > 1 ? SelectedFeedRecs[1] : 0;
  fillIngredientPicks();
  FeedMed->setEnabled(false);
  showBatch();
}

void HogFeed2::fillIngredientPicks() {
  ingredientCodes_->setStringList({});
  IngredientFile file;
  FileFault fault;
  if (!ReadImage(file, &fault)) return ReportFileFault(fault, false, kBatchEntryTitle);
  QStringList codes;
  for (long n = 1; n <= file.count(); ++n) {
    const uint8_t* b = file.bytes(n);
    if (records::getI32(b + IngredientRecord::CurrentInventoryAt) > 0)
      codes.append(platform::fromAnsi(RTrim(records::getText(b + IngredientRecord::IdAt, IngredientRecord::IdWidth))));
  }
  ingredientCodes_->setStringList(codes);
  for (int i = 0; i < kRows; ++i) showCode(i, "");
}

void HogFeed2::showCode(int row, const std::string& code) {
  // The code's own item is the current one, so the arrow keys go on from it;
  // an empty box, or a code not in the list, has none, so Down picks the
  // first ingredient and Up none.
  platform::ComboBox* pick = FeedPick[row];
  pick->SetListIndex(code.empty() ? -1 : pick->findText(platform::fromAnsi(code)));
  pick->SetText(code);
}

void HogFeed2::showBatch() {
  for (int i = 0; i < kRows; ++i) {
    FeedAmt[i]->SetText("");
    showCode(i, "");
  }
  GroupId->SetText("");
  FeedBatchRecord b;
  FileFault fault;
  if (!ReadBatch(CurrentFeedRec, b, &fault)) return ReportFileFault(fault, false, kBatchEntryTitle);
  CurrentBatchId = b.BatchNumber;
  if (!FeedTypeWord(FeedMenuChoice).empty()) SetCaption(editCaption(FeedMenuChoice) + Trim(CurrentBatchId) + ")");
  FeedDate->SetText(b.DateGround);
  GroupId->SetText(RTrim(b.GroupId));
  for (int i = 0; i < kRows; ++i) {
    const FeedBatchRecord::Row& row = b.Ingredients[static_cast<size_t>(i)];
    FeedAmt[i]->SetText(Format(row.Amount, "#######0"));
    showCode(i, RTrim(row.IngredientCode));
  }
  showMedicated();
}

void HogFeed2::showMedicated() { MedFeed->setVisible(IsMedicatedNumber(CurrentBatchId)); }

void HogFeed2::Accept_Click() {
  const BatchEntry e = entry();
  if (e.date != records::kEmptyDate && ValidateDate(e.date, kFirstDataYear, -1) != kDateValid) {
    FeedDate->SetFocus();
    return;
  }
  if (const Check refused = CheckBatchHead(e, FeedMenuChoice)) return showRefusal(*refused);
  IngredientFile ingredients;
  FeedBatchRecord stored;
  FileFault fault;
  if (!ReadImage(ingredients, &fault) || !ReadBatch(CurrentFeedRec, stored, &fault))
    return ReportFileFault(fault, false, kBatchEntryTitle);
  const BatchRowsCheck rows = CheckBatchRows(e, stored, ingredients);
  if (rows.refusal) {
    if (rows.shortRow >= 0) FeedAmt[rows.shortRow]->SetText(Format(rows.mostAmount, "#####0"));
    if (rows.rows == 0) Beep();
    return showRefusal(*rows.refusal);
  }
  const FeedBatchRecord after = BatchRecordOf(e, stored, CurrentBatchId, rows);
  // The batch and its inventories, or neither.
  const auto changed = ChangedIngredients(ingredients, InventoryChanges(ingredients, stored, after));
  WriteSet set("FEED BATCH ENTRY");
  auto batches = set.open<FeedBatchRecord>(FeedFilePath());
  if (!changed.empty()) set.open<IngredientRecord>(DataFilePath<IngredientRecord>()).write(changed);
  batches.write(CurrentFeedRec, after);
  if (!set.commit()) return set.report(kBatchEntryTitle);
  Hide();
}

void HogFeed2::FeedClr_Click() {
  FeedDate->SetText(DateText);
  MedFeed->hide();
  for (int i = 0; i < kRows; ++i) {
    FeedAmt[i]->SetText("");
    showCode(i, "");
  }
  GroupId->SetText("");
}

void HogFeed2::stepTo(int index) {
  batchIndex_ = index;
  CurrentFeedRec = SelectedFeedRecs[static_cast<size_t>(index)];
  showBatch();
  FeedDate->SetFocus();
}

void HogFeed2::NextBatch_Click() {
  if (batchIndex_ + 1 >= static_cast<int>(SelectedFeedRecs.size())) return;
  --SelectedCount;
  NextBatch->setEnabled(SelectedCount > 1);
  FeedBack->setEnabled(SelectedCount <= 1 || SelectedCount < batchTotal_);
  stepTo(batchIndex_ + 1);
}

void HogFeed2::FeedBack_Click() {
  if (batchIndex_ <= 1) return;
  ++SelectedCount;
  NextBatch->setEnabled(true);
  FeedBack->setEnabled(SelectedCount < batchTotal_);
  if (SelectedCount >= batchTotal_) SelectedCount = batchTotal_;
  stepTo(batchIndex_ - 1);
}

void HogFeed2::FeedMed_Click() {
  // The medication window marks the batch "M" in the file with the dose
  // that draws the medication in full, and hands the number back. Its end
  // activates this window again before the call returns: that activation
  // must leave the screen as it is.
  skipActivate_ = true;
  OpenFeedMedication();
  skipActivate_ = false;
  FeedMed->setEnabled(false);
  showMedicated();
  Accept->setFocus(Qt::OtherFocusReason);
}

void HogFeed2::FeedPick_Click(int Index) { FeedAmt[Index]->SetFocus(); }

void HogFeed2::FeedExit_Click() { Hide(); }
