#include "groups/HogSale2.h"

#include "common/DataFiles.h"
#include "common/DateChecks.h"
#include "common/HogGlobals.h"
#include "common/NumberText.h"
#include "groups/SaleEdit.h"
#include "groups/SalesTotals.h"
#include "platform/FormKit.h"

using namespace platform;

HogSale2::HogSale2(QWidget* parent) : Form("HogSale2", parent) {
  setFont(makeFont("MS Sans Serif", 8, true));
  constexpr RowPitch rows{240, 420};
  struct Box {
    const char* name;
    const char* caption;
    int column;
    int row;
  };
  // The boxes in the order of their field numbers (SaleEditField).
  const Box boxes[] = {{"PigSold", "NUMBER of PIG(s) SOLD.", 0, 0},      {"DateSold", "DATE of SALE.", 0, 1},
                       {"WtSold", "WEIGHT of A PIG SOLD.", 0, 2},        {"PriceLb", "PRICE per LB.", 0, 3},
                       {"BackFat", "BACKFAT.", 1, 0},                    {"Lean", "PERCENT LEAN.", 1, 1},
                       {"Ffli", "FAT FREE LEAN INDEX.", 1, 2},           {"HotCarWeight", "HOT CARCESS WEIGHT.", 1, 3},
                       {"GrYdPre", "GRADE and  YEILD PREMIUM.", 1, 4},   {"LoinEye", "LOINEYE", 1, 5},
                       {"Gilt", "GILTS.", 0, 5}};
  std::vector<QWidget*> fields;
  int k = 0;
  for (const Box& b : boxes) {
    const int left = 240 + b.column * 5040;
    AddLabel(this, "Label" + std::to_string(++k), b.caption, {left, rows(b.row), 2600, 285});
    const TwipsRect at{left + 2700, rows(b.row) - 30, 1455, 315};
    if (std::string(b.name) == "DateSold")
      fields.push_back(DateSold = AddDateBox(this, b.name, at));
    else
      fields.push_back(AddTextBox(this, b.name, at, kSaleBoxLength));
  }
  auto text = [&](int field) { return static_cast<TextBox*>(fields[static_cast<size_t>(field)]); };
  PigSold = text(kSalePigsField);
  WtSold = text(kSaleWeightField);
  PriceLb = text(kSalePriceField);
  BackFat = text(kSaleBackfatField);
  Lean = text(kSaleLeanField);
  Ffli = text(kSaleFfliField);
  HotCarWeight = text(kSaleHcwField);
  GrYdPre = text(kSalePremiumField);
  LoinEye = text(kSaleLoineyeField);
  Gilt = text(kSaleGiltsField);
  AddLabel(this, "Label12", "PRICE per PIG.", {240, rows(4), 2600, 285});
  PricePig = AddLabel(this, "PricePig", "", {2940, rows(4), 1455, 285});
  const int buttons = rows(7);
  Accept = AddButton(this, "Accept", " ACCEPT", {240, buttons, 1575, 435}, [this] { Accept_Click(); });
  SaleClr = AddButton(this, "SaleClr", "CLEAR", {2040, buttons, 1575, 435}, [this] { SaleClr_Click(); });
  SaleBack = AddButton(this, "SaleBack", " <<", {3840, buttons, 1575, 435}, [this] { SaleBack_Click(); });
  NextSale = AddButton(this, "NextSale", " NEXT >>", {5640, buttons, 1575, 435}, [this] { NextSale_Click(); });
  SaleExit = AddButton(this, "SaleExit", "EXIT", {7440, buttons, 1575, 435}, [this] { Hide(); });
  SetTabOrder({PigSold, DateSold, WtSold, PriceLb, Gilt, BackFat, Lean, Ffli, HotCarWeight, GrYdPre, LoinEye, Accept,
               SaleClr, SaleBack, NextSale, SaleExit});
  SetBoundsTwips(0, 0, 9600, buttons + 1100);
}

void HogSale2::Form_Load() {
  TellUnreachableRecords({LoadedFileOf<SalesRecord>()});
  const bool several = SelectedCount >= 2;
  NextSale->setEnabled(several);
  SaleBack->setEnabled(false);
  if (several) Total = SelectedCount;
  Position = 1;
  CurrentSowRec = SelectedSowRecs.size() > 1 ? SelectedSowRecs[1] : 0;
  LoadSaleEdit();
}

void HogSale2::LoadSaleEdit() {
  records::TypedFile<SalesRecord> file;
  const std::string path = DataFilePath<SalesRecord>();
  SalesRec = SalesRecord{};
  if (!file.open(path) || (CurrentSowRec >= 1 && CurrentSowRec <= file.count() && !file.read(CurrentSowRec, SalesRec)))
    ReportFileFault({path, file.error()}, false, kSaleEditTitle);
  file.close();
  AdjustFlag = SalesRec.YearEndAdjust;
  SetCaption(std::string(MenuChoice == 0 ? "EDIT  FEEDER  PIG  SALES  GROUP (" : "EDIT  MARKET  HOG  SALES  GROUP (") +
             RTrim(SalesRec.GroupId) + ")");
  PricePig->SetCaption(AmountText(SalesRec.PigsSold, SalesRec.WeightPerPig, SalesRec.PricePerLb));
  const SaleEntry e = SaleEntryOf(SalesRec);
  PigSold->SetText(e.pigs);
  WtSold->SetText(e.weight);
  PriceLb->SetText(e.price);
  DateSold->SetText(e.date);
  BackFat->SetText(e.backfat);
  Lean->SetText(e.lean);
  Ffli->SetText(e.ffli);
  HotCarWeight->SetText(e.hcw);
  GrYdPre->SetText(e.premium);
  LoinEye->SetText(e.loineye);
  Gilt->SetText(e.gilts);
}

void HogSale2::Accept_Click() {
  const SaleEntry e{PigSold->Text(), DateSold->Text(), WtSold->Text(),       PriceLb->Text(),
                    BackFat->Text(), Lean->Text(),     Ffli->Text(),         HotCarWeight->Text(),
                    GrYdPre->Text(), LoinEye->Text(),  Gilt->Text()};
  const std::vector<QWidget*> fields = {PigSold, DateSold, WtSold, PriceLb, BackFat, Lean,
                                        Ffli,    HotCarWeight, GrYdPre, LoinEye, Gilt};
  if (Check refused = CheckSaleDate(e)) return ShowRefusal(*refused, fields[static_cast<size_t>(refused->field)]);
  if (ValidateDate(e.date, kFirstDataYear, -1) != kDateValid) return DateSold->SetFocus();
  const bool adjustment = AdjustFlag == -1;
  if (Check refused = CheckSaleFigures(e, SalesRec, adjustment))
    return ShowRefusal(*refused, fields[static_cast<size_t>(refused->field)]);
  const SalesRecord row = SaleRecordOf(e, SalesRec, adjustment);
  if (!adjustment) PricePig->SetCaption(AmountText(row.PigsSold, row.WeightPerPig, row.PricePerLb));
  records::TypedFile<SalesRecord> file;
  const std::string path = DataFilePath<SalesRecord>();
  if (!file.open(path) || !file.write(CurrentSowRec, row)) return ReportFileFault({path, file.error()}, true, kSaleEditTitle);
  file.close();
  SalesRec = row;
  if (SelectedCount >= 2) NextSale->setFocus(); else PigSold->SetFocus();
}

void HogSale2::Step(int by) {
  const int position = Position + by;
  if (position < 1 || position >= static_cast<int>(SelectedSowRecs.size())) return;
  Position = position;
  CurrentSowRec = SelectedSowRecs[static_cast<size_t>(Position)];
  SelectedCount -= by;
  if (by > 0) {
    NextSale->setEnabled(SelectedCount > 1);
    SaleBack->setEnabled(true);
  } else if (SelectedCount < Total) {
    NextSale->setEnabled(true);
    SaleBack->setEnabled(true);
  } else {
    NextSale->setEnabled(true);
    SaleBack->setEnabled(false);
    SelectedCount = Total;
  }
  SaleClr_Click();
  LoadSaleEdit();
  PigSold->SetFocus();
}

void HogSale2::NextSale_Click() { Step(1); }
void HogSale2::SaleBack_Click() { Step(-1); }

void HogSale2::SaleClr_Click() {
  for (TextBox* box : {PigSold, WtSold, PriceLb, BackFat, Lean, Ffli, HotCarWeight, GrYdPre, LoinEye, Gilt})
    box->SetText("");
  DateSold->SetText(records::kEmptyDate);
  PricePig->SetCaption("");
  PigSold->SetFocus();
}
