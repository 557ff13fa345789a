#include "boars/HogBoar3.h"

#include "boars/BoarHistory.h"
#include "boars/BoarHistorySheet.h"
#include "boars/BoarRename.h"
#include "boars/HogBoar4.h"
#include "common/DataFiles.h"
#include "common/Format.h"
#include "common/HogGlobals.h"
#include "common/NumberText.h"
#include "platform/Dialogs.h"
#include "platform/Screen.h"

namespace {

const char kEntryTitle[] = "BOAR ENTRY";
const char kIdTitle[] = "BOAR ID ERROR";
constexpr int kEnter = 13;

// The boxes: number, label, width (0 for a date box).
struct BoxSpec {
  int n;
  const char* label;
  int width;
};
const BoxSpec kBoxes[] = {{2, "BREED of BOAR", 20},         {4, "BOARs DATE of BIRTH", 0},
                          {3, "BACKFAT", 4},                {7, "PURCHASE PRICE of BOAR", 8},
                          {10, "DATE BOAR entered HERD", 0}, {8, "SOLD PRICE of BOAR", 8},
                          {11, "DATE BOAR left HERD", 0},   {9, "PRV DATE", 0},
                          {6, "LOINEYE in sq INCHs", 5},    {12, "LOCATION of BOAR", 8},
                          {5, "DAYs to 230 LBs", 3}};
const BoxSpec kFigures[] = {{14, "NUMBER of SOWs BRED/FARROWED.....", 0},
                            {15, "HERD CONCEPTION RATE ....................", 0},
                            {16, "AVERAGE LITTER BIRTH WEIGHT..........", 0},
                            {17, "AVERAGE LITTER WEANING WEIGHT....", 0},
                            {19, "TOTAL NUMBER of PIGs BORN...............", 0},
                            {20, "TOTAL NUMBER of PIGs STILLBORN......", 0},
                            {21, "AVERAGE NUMBER of PIGs BORN..........", 0},
                            {22, "AVERAGE NUMBER of PIGs STILLBORN..", 0}};

}  // namespace

Check CheckBoarCard(const AnimalCardEntry& e) {
  if (Check date = CheckAnimalCardDates(e, kEntryTitle)) return date;
  return CheckAnimalCardNumbers(e, kEntryTitle);
}

void ApplyBoarCard(const AnimalCardEntry& e, BoarRecord& boar) {
  ApplyAnimalCard(e, boar);
  boar.Location = Trim(e.location);
}

HogBoar3::HogBoar3(QWidget* parent) : platform::Form("HogBoar3", parent) {
  using namespace platform;
  setFont(makeFont("MS Sans Serif", 8));
  constexpr RowPitch rows{1080, 400};
  AddFrame(this, "Frame1", "Change ID", {240, 120, 6000, 800});
  boxes_[1] = AddTextBox(this, "Boar1", {360, 420, 1500, 315}, 8);
  boxes_[1]->onKeyPress = [this](int& key) {
    if (key != kEnter) return;
    key = 0;
    AcceptBoarId_Click();
  };
  ChanBoarId = AddButton(this, "ChanBoarId", "CHAN BOAR ID", {2040, 400, 1440, 375}, [this] { ChanBoarId_Click(); });
  AcceptBoarId = AddButton(this, "AcceptBoarId", "ACCEPT", {3600, 400, 1200, 375}, [this] { AcceptBoarId_Click(); });
  CancelBoarId = AddButton(this, "CancelBoarId", "CANCEL", {4920, 400, 1200, 375}, [this] { CancelBoarId_Click(); });
  int row = 0;
  for (const BoxSpec& b : kBoxes) {
    AddLabel(this, "Label1", b.label, {240, rows(row) + 30, 2400, 255});
    const std::string name = "Boar" + std::to_string(b.n);
    if (b.width == 0)
      dates_[static_cast<size_t>(b.n)] = AddDateBox(this, name, {2760, rows(row++), 1335, 315});
    else
      boxes_[static_cast<size_t>(b.n)] = AddTextBox(this, name, {2760, rows(row++), 120 * b.width + 360, 315}, b.width);
  }
  row = 0;
  for (const BoxSpec& f : kFigures) {
    AddLabel(this, "Label2", f.label, {6240, rows(row) + 30, 3300, 255});
    figures_[static_cast<size_t>(f.n)] = AddLabel(this, "Boar" + std::to_string(f.n), "", {9660, rows(row++), 1200, 315});
  }
  constexpr RowPitch buttons{240, 1080};
  const int y = rows(static_cast<int>(std::size(kBoxes))) + 120;
  BoarBack = AddButton(this, "BoarBack", "<<", {buttons(0), y, 960, 435}, [this] { BoarBack_Click(); });
  NextBoar = AddButton(this, "NextBoar", "NEXT >>", {buttons(1), y, 960, 435}, [this] { NextBoar_Click(); });
  NotePad = AddButton(this, "NotePad", "NOTE  PAD", {buttons(2), y, 960, 435}, [this] { NotePad_Click(); });
  PrintBoarHistry = AddButton(this, "PrintBoarHistry", "PRINT", {buttons(3), y, 960, 435},
                              [this] { PrintBoarHistry_Click(); });
  SaveChan = AddButton(this, "SaveChan", "ACCEPT", {buttons(4), y, 960, 435}, [this] { SaveChan_Click(); });
  ExitBoarHist = AddButton(this, "ExitBoarHist", "EXIT", {buttons(5), y, 960, 435}, [this] { ExitBoarHist_Click(); });
  SetBoundsTwips(0, 0, 11160, y + 1000);
}

void HogBoar3::Form_Load() {
  oldBoarId_.clear();
  changingId_ = false;
  const CardSteps steps = StartCardSteps(cardCount_);
  NextBoar->setEnabled(steps.next);
  BoarBack->setEnabled(steps.back);
  cardIndex_ = 1;
  CurrentBoarRec = SelectedBoarRecs.size() > 1 ? SelectedBoarRecs[1] : 0;
  ShowBoarHistory();
}

void HogBoar3::SetCardCaption() { SetCaption("B O A R   I D ( " + Trim(BoarHistory.Id) + " )   H I S T O R Y"); }

void HogBoar3::ShowBoarHistory() {
  Hourglass(true);
  FileFault fault;
  const std::optional<int32_t> herdLitters = CountHerdLitters(&fault);
  const bool read = herdLitters && LoadBoarHistory(*herdLitters, &fault);
  Hourglass(false);
  if (!read) ReportFileFault(fault, false, kEntryTitle);
  const BoarHistoryRecord& h = BoarHistory;
  boxes_[2]->SetText(Trim(h.Breed));
  dates_[4]->SetText(ShownDate(h.DateOfBirth));
  boxes_[3]->SetText(Format(h.Backfat, "0.00"));
  boxes_[7]->SetText(Format(h.PurchasePrice, "0.00"));
  dates_[10]->SetText(ShownDate(h.DateEnteredHerd));
  boxes_[8]->SetText(Format(h.SoldPrice, "0.00"));
  dates_[11]->SetText(ShownDate(h.DateLeftHerd));
  dates_[9]->SetText(ShownDate(h.PrvDate));
  boxes_[6]->SetText(Format(h.Loineye, "0.00"));
  boxes_[12]->SetText(Trim(h.Location));
  boxes_[5]->SetText(Format(h.DaysTo230, "###0"));
  const struct {
    int n;
    std::string shown;
  } figures[] = {{14, Format(h.SowsFarrowed, "###0")},          {15, Format(h.ConceptionRate, "0.00")},
                 {16, Format(h.AvgLitterBirthWeight, "0.00")},   {17, Format(h.AvgLitterWeaningWeight, "0.00")},
                 {19, Format(h.TotalBorn, "####0")},             {20, Format(h.TotalStillborn, "####0")},
                 {21, Format(h.AvgBorn, "0.00")},                {22, Format(h.AvgStillborn, "0.00")}};
  for (const auto& f : figures) figures_[static_cast<size_t>(f.n)]->SetCaption(f.shown);
  boxes_[1]->SetText(Trim(h.Id));
  SetCardCaption();
  for (QWidget* w : {static_cast<QWidget*>(boxes_[1]), static_cast<QWidget*>(AcceptBoarId),
                     static_cast<QWidget*>(CancelBoarId)})
    w->setEnabled(false);
  changingId_ = false;
}

void HogBoar3::SaveChan_Click() {
  const AnimalCardEntry e = card_.animalEntry();
  if (Check refusal = CheckBoarCard(e)) {
    platform::ShowRefusal(*refusal, card_.field(refusal->field));
    return;
  }
  FileFault fault;
  BoarRecord& boar = BoarRec;
  Hourglass(true);
  bool ok = ReadRecordAt(CurrentBoarRec, boar, &fault);
  if (ok) {
    ApplyBoarCard(e, boar);
    ok = WriteRecordAt(CurrentBoarRec, boar, &fault);
  }
  Hourglass(false);
  if (!ok) {
    ReportFileFault(fault, true, kEntryTitle);
    return;
  }
  ApplyAnimalCardToHistory(e, BoarHistory);
  boxes_[2]->SetFocus();
  ShowBoarHistory();
}

void HogBoar3::ChanBoarId_Click() {
  oldBoarId_ = Trim(BoarHistory.Id);
  AcceptBoarId->setEnabled(true);
  CancelBoarId->setEnabled(true);
  boxes_[1]->SetText("");
  boxes_[1]->setEnabled(true);
  boxes_[1]->SetFocus();
  changingId_ = true;
}

void HogBoar3::EndIdChange() {
  SetCardCaption();
  AcceptBoarId->setEnabled(false);
  CancelBoarId->setEnabled(false);
  boxes_[1]->setEnabled(false);
  boxes_[2]->SetFocus();
  changingId_ = false;
}

void HogBoar3::AcceptBoarId_Click() {
  if (!changingId_) return;
  const std::string typed = boxes_[1]->Text();
  if (Check refusal = CheckBoarIdTyped(typed)) {
    platform::ShowRefusal(*refusal, boxes_[1]);
    return;
  }
  if (MsgBox("YOU'RE ABOUT TO CHANGE\rTHIS BOAR'S ID: " + typed + "\rAre you SURE?",
                       platform::vbQuestion | platform::vbOKCancel, "CHANGE  BOAR ID.") == platform::vbCancel) {
    boxes_[1]->SetText(oldBoarId_);
    return;
  }
  const std::string newId = Trim(typed);
  Hourglass(true);
  const BoarRenameOutcome outcome = RenameBoar(CurrentBoarRec, oldBoarId_, newId);
  Hourglass(false);
  if (outcome.renamed) BoarHistory.Id = newId;
  if (outcome.refusal)
    MsgBox(outcome.refusal->text, outcome.refusal->icon | platform::vbOKOnly, outcome.refusal->title);
  else if (outcome.fault)
    ReportFileFault(*outcome.fault, outcome.writing, kIdTitle, outcome.done);
  boxes_[1]->SetText("");
  EndIdChange();
}

void HogBoar3::CancelBoarId_Click() {
  if (!changingId_) return;
  BoarHistory.Id = Trim(oldBoarId_);
  boxes_[1]->SetText(Trim(oldBoarId_));
  EndIdChange();
}

void HogBoar3::Step(int by) {
  const CardSteps steps = StepCard(cardIndex_, cardCount_, by);
  CurrentBoarRec = SelectedBoarRecs[static_cast<size_t>(cardIndex_)];
  NextBoar->setEnabled(steps.next);
  BoarBack->setEnabled(steps.back);
  ShowBoarHistory();
  boxes_[2]->SetFocus();
}

void HogBoar3::NextBoar_Click() { Step(1); }
void HogBoar3::BoarBack_Click() { Step(-1); }

void HogBoar3::NotePad_Click() {
  {
    HogBoar4 pad;
    platform::ShowModalThenUnload(pad);
  }
  boxes_[2]->SetFocus();
}

void HogBoar3::PrintBoarHistry_Click() {
  if (Alert("PRINT BOAR HISTORY? ( " + Trim(BoarHistory.Id) + " )", platform::vbYesNo | platform::vbQuestion,
            "P R I N T    B O A R    H I S T O R Y") == platform::vbNo)
    return;
  Hourglass(true);
  PrintBoarHistory();
  boxes_[2]->SetFocus();
  Hourglass(false);
}

void HogBoar3::ExitBoarHist_Click() { Hide(); }
