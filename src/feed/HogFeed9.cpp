#include "feed/HogFeed9.h"

#include <array>

#include "common/DataFiles.h"
#include "common/DateChecks.h"
#include "common/FigureBox.h"
#include "common/Format.h"
#include "common/HogGlobals.h"
#include "common/KeyMask.h"
#include "common/NumberText.h"
#include "platform/Dialogs.h"

namespace {

constexpr int kEnter = 13;
const std::array<const char*, 7> kCaptions = {
    "FEED NAME. .............", "FEED CODE. .............", "CURRENT INV. (Lb.). .", "START INV. (Lb). .......",
    "TOTAL COST. ....",         "UNIT COST. ......",        "INV. DATE. ......."};
constexpr platform::RowPitch kRows{240, 480};
constexpr int kBoxLeft = 2760;
constexpr int kButtonTop = 3720;

// A key-press handler that swallows Enter and moves the focus on.
std::function<void(int&)> enterMovesTo(QWidget* next, std::function<void()> first = {}) {
  return [next, first](int& key) {
    if (key != kEnter) return;
    key = 0;
    if (first) first();
    next->setFocus(Qt::OtherFocusReason);
  };
}

}  // namespace

HogFeed9::HogFeed9(QWidget* parent) : platform::Form("HogFeed9", parent) {
  using namespace platform;
  setFont(makeFont("MS Sans Serif", 8, true));
  for (int i = 0; i < static_cast<int>(kCaptions.size()); ++i)
    Label1.Add(AddLabel(this, "Label1", kCaptions[static_cast<size_t>(i)], {240, kRows(i) + 30, 2400, 255}));
  FeedNam = AddTextBox(this, "FeedNam", {kBoxLeft, kRows(0), 3000, 315}, 20);
  FeedCod = AddTextBox(this, "FeedCod", {kBoxLeft, kRows(1), 1000, 315}, 6);
  CurInv = AddTextBox(this, "CurInv", {kBoxLeft, kRows(2), 1400, 315});
  StInv = AddTextBox(this, "StInv", {kBoxLeft, kRows(3), 1400, 315});
  TotCost = AddTextBox(this, "TotCost", {kBoxLeft, kRows(4), 1400, 315});
  UnCost = AddLabel(this, "UnCost", "", {kBoxLeft, kRows(5) + 30, 1400, 255});
  InvenDate = AddDateBox(this, "InvenDate", {kBoxLeft, kRows(6), 1335, 315});
  NE_Cont = AddLabel(this, "NE_Cont", "", {4440, kRows(6) + 30, 900, 255});
  NE_Cont->hide();
  FAccp = AddButton(this, "FAccp", "&ACCEPT", {240, kButtonTop, 1095, 435}, [this] { FAccp_Click(); });
  FClr = AddButton(this, "FClr", "&CLEAR", {1455, kButtonTop, 1095, 435}, [this] { FClr_Click(); });
  FBck = AddButton(this, "FBck", "<<", {2670, kButtonTop, 735, 435}, [this] { FBck_Click(); });
  FNxt = AddButton(this, "FNxt", "NEXT >", {3525, kButtonTop, 1095, 435}, [this] { FNxt_Click(); });
  FExt = AddButton(this, "FExt", "&EXIT", {4740, kButtonTop, 1095, 435}, [this] { FExt_Click(); });
  SetTabOrder({FeedNam, FeedCod, CurInv, StInv, TotCost, InvenDate, FAccp, FClr, FBck, FNxt, FExt});
  SetBoundsTwips(0, 0, 6180, 4560);

  FeedNam->onKeyPress = [this](int& key) {
    if (key == kEnter) {
      key = 0;
      FeedCod->SetFocus();
    } else if (key < 33 || key > 64) {
      MaskKeyPress(FeedNam, key, kNameMask);
    }
  };
  auto upperCode = [this] { FeedCod->SetText(UCase(FeedCod->Text())); };
  FeedCod->onKeyPress = enterMovesTo(CurInv, upperCode);
  FeedCod->onLostFocus = upperCode;
  CurInv->onKeyPress = enterMovesTo(StInv);
  StInv->onKeyPress = enterMovesTo(TotCost);
  TotCost->onKeyPress = enterMovesTo(FAccp);
  CurInv->onLostFocus = [this] { CurInv_LostFocus(); };
  StInv->onLostFocus = [this] { StInv_LostFocus(); };
  TotCost->onLostFocus = [this] { TotCost_LostFocus(); };
}

QWidget* HogFeed9::field(int index) const {
  const std::array<QWidget*, 6> fields = {FeedNam, FeedCod, CurInv, StInv, TotCost, InvenDate};
  return index >= 0 && index < static_cast<int>(fields.size()) ? fields[static_cast<size_t>(index)] : nullptr;
}

void HogFeed9::showRefusal(const Refusal& refusal) {
  if (refusal.field == kInvenDateField) {  // the one refusal without a beep
    MsgBox(refusal.text, refusal.icon | platform::vbOKOnly, refusal.title);
    InvenDate->SetFocus();
    return;
  }
  platform::ShowRefusal(refusal, field(refusal.field));
}

IngredientEntry HogFeed9::entry() const {
  return {FeedNam->Text(), FeedCod->Text(), CurInv->Text(), StInv->Text(), TotCost->Text(), InvenDate->Text()};
}

void HogFeed9::Form_Load() { TellUnreachableRecords({LoadedFileOf<IngredientRecord>()}); }

void HogFeed9::Form_Activate() {
  mode_ = NE_Cont->Caption();
  if (mode_ == "EDIT") {
    const bool several = SelectedCount >= 2;
    FNxt->setEnabled(several);
    FBck->setEnabled(false);
    if (several) total_ = SelectedCount;
    position_ = 1;
    CurrentFeedRec = SelectedFeedRecs.size() > 1 ? SelectedFeedRecs[1] : 0;
    LoadIngredient();
    firstClear_ = -1;
    return;
  }
  if (mode_ == "NEW") {
    IngredientFile file;
    if (ReadIngredientFile(file, kIngredientEntryTitle)) CurrentFeedRec = NewIngredientSlot(file);
    FNxt->setEnabled(false);
    FBck->setEnabled(false);
  }
  firstClear_ = -1;
  FClr_Click();
}

void HogFeed9::LoadIngredient() {
  if (!ReadIngredient(CurrentFeedRec, kIngredientEntryTitle)) return;
  const IngredientRecord& r = IngredientRec;
  FeedNam->SetText(RTrim(r.IngredientName));
  FeedCod->SetText(RTrim(r.IngredientCode));
  CurInv->SetText(Format(r.CurrentInventory, "#####0"));
  StInv->SetText(Format(r.StartInventory, "#####0"));
  UnCost->SetCaption(Format(r.UnitCost.value(), "0.00"));
  // The box takes any length, so it shows every place the Currency holds
  // and reads back as the stored total.
  TotCost->SetText(FigureText(r.TotalCost, {"0.00"}));
  InvenDate->SetText(r.InventoryDate);
  loadedCode_ = RTrim(r.IngredientCode);
}

void HogFeed9::FAccp_Click() {
  // An access key presses ACCEPT with the focus still in the code box, whose
  // lost-focus handler has then not upper-cased the code.
  FeedCod->SetText(UCase(FeedCod->Text()));
  const IngredientEntry e = entry();
  if (const Check refused = CheckIngredientEntry(e)) return showRefusal(*refused);
  if (ValidateDate(e.inventoryDate, kFirstDataYear, -1) != kDateValid) {
    InvenDate->SetFocus();
    return;
  }
  IngredientFile file;
  if (!ReadIngredientFile(file, kIngredientEntryTitle)) return;
  const std::string code = Trim(e.code);
  if (const Check refused = CheckIngredientCode(file, code, mode_ == "EDIT", loadedCode_))
    return showRefusal(*refused);
  UnCost->SetCaption(Format(UnitCostOf(e), "0.00"));
  if (mode_ == "NEW") {
    const long slot = NewIngredientSlot(file);
    if (const Check refused = CheckIngredientSlot(slot)) return showRefusal(*refused);
    CurrentFeedRec = slot;
    FNxt->setEnabled(false);
    FBck->setEnabled(false);
  }
  IngredientRec = IngredientOfEntry(e);
  if (!WriteIngredient(CurrentFeedRec, kIngredientEntryTitle)) return;
  if (mode_ != "EDIT") return FClr_Click();
  // An edit stays on its record: it is shown as stored, so that what is
  // typed next changes that record in sight and never overwrites it unseen.
  LoadIngredient();
  FeedNam->SetFocus();
}

void HogFeed9::FClr_Click() {
  for (platform::TextBox* box : {FeedCod, FeedNam, CurInv, StInv, TotCost}) box->SetText("");
  UnCost->SetCaption("");
  InvenDate->SetText(DateText);
  if (firstClear_ == -1)
    firstClear_ = 0;
  else
    FeedNam->SetFocus();
}

void HogFeed9::stepTo(int position) {
  position_ = position;
  CurrentFeedRec = SelectedFeedRecs[static_cast<size_t>(position_)];
  FClr_Click();
  LoadIngredient();
  FeedNam->SetFocus();
}

void HogFeed9::FNxt_Click() {
  if (position_ + 1 >= static_cast<int>(SelectedFeedRecs.size())) return;
  --SelectedCount;
  FNxt->setEnabled(SelectedCount > 1);
  FBck->setEnabled(true);
  stepTo(position_ + 1);
}

void HogFeed9::FBck_Click() {
  if (position_ <= 1) return;
  ++SelectedCount;
  FNxt->setEnabled(SelectedCount > 1);  // back at the first, the count is the total again
  FBck->setEnabled(SelectedCount != total_);
  stepTo(position_ - 1);
}

void HogFeed9::FExt_Click() { Hide(); }

void HogFeed9::CurInv_LostFocus() {
  if (const Check refused = CheckNoComma(CurInv->Text(), "ENTER  CURRENT  INVENTORY", kCurInvField))
    showRefusal(*refused);
}

void HogFeed9::StInv_LostFocus() {
  if (const Check refused = CheckNoComma(StInv->Text(), "ENTER  STARTING  INVENTORY", kStInvField))
    showRefusal(*refused);
}

void HogFeed9::TotCost_LostFocus() {
  if (const Check refused = CheckNoComma(TotCost->Text(), "ENTER  TOTAL  COST", -1)) return showRefusal(*refused);
  UnCost->SetCaption(UnitCostText(StInv->Text(), TotCost->Text()));
  FAccp->setFocus(Qt::OtherFocusReason);
}
