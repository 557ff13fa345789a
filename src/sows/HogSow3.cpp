#include "sows/HogSow3.h"

#include "common/DateChecks.h"
#include "common/DateMath.h"
#include "common/Format.h"
#include "common/HogGlobals.h"
#include "common/NumberText.h"
#include "common/Paths.h"
#include "platform/Dialogs.h"
#include "platform/Screen.h"
#include "records/RecordSlots.h"
#include "sows/HogSow4.h"
#include "sows/DueDateText.h"
#include "sows/SowHistory.h"
#include "sows/SowHistorySheet.h"
#include "sows/SowNumbers.h"

namespace {

const char kEntryTitle[] = "SOW ENTRY";
const char kIdTitle[] = "SOW ID ERROR";

Refusal cardRefusal(const std::string& text, const char* title, int field) {
  return {text, title, platform::vbExclamation, field};
}

// The editable text boxes: number, label, width.
struct BoxSpec {
  int n;
  const char* label;
  int width;
};
const BoxSpec kBoxes[] = {{2, "BREED of SOW", 20},        {3, "BACK FAT", 4},
                          {5, "DAY'S to 230", 3},         {6, "LOINEYE in sq INCHs", 4},
                          {7, "PURCHASE PRICE of SOW", 8}, {8, "SOLD PRICE of SOW", 8},
                          {12, "LOCATION of SOW", 8},     {29, "BOAR ID.", 8}};
const BoxSpec kDates[] = {{4, "DATE of BIRTH", 0},          {9, "PRV DATE", 0},
                          {10, "DATE SOW entered HERD", 0}, {11, "DATE SOW left HERD", 0},
                          {27, "DATE SOW was BRED", 0}};
const BoxSpec kFigures[] = {{13, "Number of PARITIES", 0},
                            {14, "Total # PIGs WEANED...........", 0},
                            {15, "Avg. number of PIGs WEANED......", 0},
                            {16, "Avg. LITTER BIRTH WEIGHT........", 0},
                            {17, "Avg. LITTER WEANING WEIGHT..", 0},
                            {18, "Avg. AGE at WEANING..........", 0},
                            {19, "Total # of PIGs BORN............", 0},
                            {20, "Total # of PIGs STILLBORN...", 0},
                            {21, "Avg. number of PIGs BORN...........", 0},
                            {22, "Avg.number of PIGs STILLBORN...", 0},
                            {23, "Avg. # FOSTERED to SOW..........", 0},
                            {24, "Avg. # FOSTERED from SOW.......", 0},
                            {25, "Total # FOSTERED to SOW.......", 0},
                            {26, "Total # FOSTERED from SOW....", 0},
                            {28, "DATE SOW is DUE to FARROW", 0}};

}  // namespace

Check CheckSowCard(const SowCardEntry& e) {
  if (Check date = CheckAnimalCardDates(e, kEntryTitle)) return date;
  if (e.dateBred != records::kEmptyDate)
    if (Check date = CheckDateBred(e.dateBred, kFirstDataYear, 27)) return date;
  return CheckAnimalCardNumbers(e, kEntryTitle);
}

std::string SowCardDueDate(const std::string& dateBred) {
  const std::string bred = Trim(dateBred);
  return bred == records::kEmptyDate ? "" : DueDate(bred);
}

std::string DueDateLabel(const std::string& stored) {
  const std::string s = StripNulls(stored);
  if (s.empty()) return records::kEmptyDate;
  if (s.size() >= 6 && s[5] == '/') return s;
  return DigitsDueDate(s).value_or(s);
}

void ApplySowCard(const SowCardEntry& e, const AnimalCardNumbers& numbers, const std::string& dateDue, SowRecord& r) {
  ApplyAnimalCard(e, numbers, r);
  r.DateBred = Trim(e.dateBred);
  r.DateDue = dateDue.empty() ? std::string(10, ' ') : dateDue;  // no due date: stored as blanks
  r.BoarId = Trim(e.boarId);
}

void ApplySowCardToHistory(const SowCardEntry& e, const AnimalCardNumbers& numbers, const std::string& dateDue) {
  SowHistoryRecord& h = SowHistory;
  ApplyAnimalCardToHistory(e, numbers, h);
  h.DateBred = e.dateBred;
  h.DateDue = dateDue;
  h.BoarId = Trim(e.boarId);
}

bool SaveSowCard(WriteSet& set, long record, const SowRecord& sow, bool leftHerd, FileFault* fault) {
  const int parities = records::UsedParities(sow);
  records::FileImage<FarrowRecord> litters;
  if (parities > 0 && !ReadImage(litters, fault)) return false;
  auto sows = set.open<SowRecord>(DataFilePath<SowRecord>());
  if (parities > 0) {
    auto farrow = set.open<FarrowRecord>(DataFilePath<FarrowRecord>());
    const int16_t status = leftHerd ? FarrowRecord::LeftHerd : FarrowRecord::InHerd;
    for (int k = 0; k < parities; ++k) {
      const long link = sow.FarrowRecNo[static_cast<size_t>(k)];
      if (!records::ValidLitterLink(link, litters.count())) continue;
      const uint8_t* stored = litters.bytes(link);
      const int16_t was = records::getI16(stored + FarrowRecord::StatusAt);
      if (was == status || (!leftHerd && was != FarrowRecord::LeftHerd)) continue;
      records::Bytes bytes(stored, stored + FarrowRecord::Length);
      records::putI16(bytes.data() + FarrowRecord::StatusAt, status);
      farrow.writeBytes(link, bytes);
    }
  }
  sows.write(record, sow);
  return true;
}

Check CheckChangedSowId(const std::string& typed, const records::FileImage<SowRecord>& sows) {
  const std::string id = Trim(typed);
  if (id.empty()) return cardRefusal("ERROR: You MUST have a Sow ID!", kIdTitle, 1);
  for (long n = 1; n <= sows.count(); ++n)
    if (Trim(records::StoredId(sows, n)) == id) return cardRefusal("ERROR: SOW ID (" + id + ")\ris ALL READY USED!", kIdTitle, 1);
  return std::nullopt;
}

HogSow3::HogSow3(QWidget* parent) : platform::Form("HogSow3", parent) {
  using namespace platform;
  setFont(makeFont("MS Sans Serif", 8));
  constexpr RowPitch rows{1080, 400};
  AddFrame(this, "Frame1", "SOW ID", {240, 120, 5400, 800});
  boxes_[1] = AddTextBox(this, "Sow1", {360, 420, 1500, 315}, 8);
  ChanSowId = AddButton(this, "ChanSowId", "CHAN ID", {2040, 400, 1080, 375}, [this] { ChanSowId_Click(); });
  AcceptSowId = AddButton(this, "AcceptSowId", "ACCEPT", {3240, 400, 1080, 375}, [this] { AcceptSowId_Click(); });
  CancelSowId = AddButton(this, "CancelSowId", "CANCEL", {4440, 400, 1080, 375}, [this] { CancelSowId_Click(); });
  int row = 0;
  for (const BoxSpec& b : kBoxes) {
    AddLabel(this, "Label1", b.label, {240, rows(row) + 30, 2400, 255});
    boxes_[static_cast<size_t>(b.n)] = AddTextBox(this, "Sow" + std::to_string(b.n),
                                                  {2760, rows(row++), 120 * b.width + 360, 315}, b.width);
  }
  for (const BoxSpec& d : kDates) {
    AddLabel(this, "Label1", d.label, {240, rows(row) + 30, 2400, 255});
    dates_[static_cast<size_t>(d.n)] = AddDateBox(this, "Sow" + std::to_string(d.n), {2760, rows(row++), 1335, 315});
  }
  row = 0;
  for (const BoxSpec& f : kFigures) {
    AddLabel(this, "Label2", f.label, {6000, rows(row) + 30, 3000, 255});
    figures_[static_cast<size_t>(f.n)] = AddLabel(this, "Sow" + std::to_string(f.n), "", {9120, rows(row++), 1335, 315});
  }
  constexpr RowPitch buttons{240, 1020};
  const int y = rows(static_cast<int>(std::size(kFigures))) + 120;
  SowBack = AddButton(this, "SowBack", "<<", {buttons(0), y, 900, 435}, [this] { SowBack_Click(); });
  NextSow = AddButton(this, "NextSow", "NEXT >>", {buttons(1), y, 900, 435}, [this] { NextSow_Click(); });
  NotePad = AddButton(this, "NotePad", "NOTE PAD", {buttons(2), y, 900, 435}, [this] { NotePad_Click(); });
  PrintSowHistory = AddButton(this, "PrintSowHistory", "PRINT", {buttons(3), y, 900, 435},
                              [this] { PrintSowHistory_Click(); });
  SaveChan = AddButton(this, "SaveChan", "ACCEPT", {buttons(4), y, 900, 435}, [this] { SaveChan_Click(); });
  SExit = AddButton(this, "SExit", "EXIT", {buttons(5), y, 900, 435}, [this] { SExit_Click(); });
  SetBoundsTwips(0, 0, 10800, y + 1000);
}

SowCardEntry HogSow3::entry() const {
  return {card_.animalEntry(), card_.text(27), card_.text(29)};
}

void HogSow3::Form_Load() {
  oldSowId_.clear();
  changingId_ = false;
  const CardSteps steps = StartCardSteps(cardCount_);
  NextSow->setEnabled(steps.next);
  SowBack->setEnabled(steps.back);
  for (QWidget* w : {static_cast<QWidget*>(boxes_[1]), static_cast<QWidget*>(AcceptSowId),
                     static_cast<QWidget*>(CancelSowId)})
    w->setEnabled(false);
  cardIndex_ = 1;
  CurrentSowRec = SelectedSowRecs.size() > 1 ? SelectedSowRecs[1] : 0;
  ShowSowHistory();
}

void HogSow3::SetCardCaption() { SetCaption("S O W   I D ( " + Trim(SowHistory.Id) + " )   H I S T O R Y"); }

void HogSow3::ShowSowHistory() {
  FileFault fault;
  if (!LoadSowHistory(&fault)) ReportFileFault(fault, false, kEntryTitle);
  const SowHistoryRecord& h = SowHistory;
  SetCardCaption();
  boxes_[1]->SetText(Trim(h.Id));
  boxes_[1]->setEnabled(false);
  boxes_[2]->SetText(Trim(h.Breed));
  boxes_[3]->SetText(Format(h.Backfat, "##0.00"));
  boxes_[5]->SetText(Format(h.DaysTo230, "###0"));
  boxes_[6]->SetText(Format(h.Loineye, "##0.00"));
  boxes_[7]->SetText(Format(h.PurchasePrice, "####0.00"));
  boxes_[8]->SetText(Format(h.SoldPrice, "####0.00"));
  boxes_[12]->SetText(Trim(h.Location));
  boxes_[29]->SetText(Trim(h.BoarId));
  dates_[4]->SetText(ShownDate(h.DateOfBirth));
  dates_[9]->SetText(ShownDate(h.PrvDate));
  dates_[10]->SetText(ShownDate(h.DateEnteredHerd));
  dates_[11]->SetText(ShownDate(h.DateLeftHerd));
  dates_[27]->SetText(ShownDate(h.DateBred));
  figures_[28]->SetCaption(DueDateLabel(h.DateDue));
  const struct {
    int n;
    std::string shown;
  } figures[] = {{13, Format(h.ParityCount, "###0")},
                 {14, Format(h.TotalWeaned, "####0")},
                 {15, Format(h.AvgWeaned, "#0.00")},
                 {16, Format(h.AvgLitterBirthWeight, "#0.00")},
                 {17, Format(h.AvgLitterWeaningWeight, "##0.00")},
                 {18, Format(h.AvgWeaningAge, "#0.00")},
                 {19, Format(h.TotalBorn, "##0")},
                 {20, Format(h.TotalStillborn, "##0")},
                 {21, Format(h.AvgBorn, "#0.00")},
                 {22, Format(h.AvgStillborn, "#0.00")},
                 {23, Format(h.AvgFosteredTo, "##0.00")},
                 {24, Format(h.AvgFosteredFrom, "##0.00")},
                 {25, Format(h.TotalFosteredTo, "###0")},
                 {26, Format(h.TotalFosteredFrom, "###0")}};
  for (const auto& f : figures) figures_[static_cast<size_t>(f.n)]->SetCaption(f.shown);
  changingId_ = false;
}

void HogSow3::SaveChan_Click() {
  const SowCardEntry e = entry();
  if (Check refusal = CheckSowCard(e)) {
    platform::ShowRefusal(*refusal, card_.field(refusal->field));
    return;
  }
  const AnimalCardNumbers numbers = ReadAnimalCardNumbers(e);
  const std::string dateDue = SowCardDueDate(e.dateBred);
  if (e.dateBred != records::kEmptyDate) figures_[28]->SetCaption(dateDue);
  FileFault fault;
  SowRecord& sow = SowRec;
  Hourglass(true);
  WriteSet set("SOW HISTORY CHANGE");
  bool read = ReadRecordAt(CurrentSowRec, sow, &fault);
  if (read) {
    ApplySowCard(e, numbers, dateDue, sow);
    read = SaveSowCard(set, CurrentSowRec, sow, e.dateLeftHerd != records::kEmptyDate, &fault);
  }
  const bool saved = read && set.keep();
  Hourglass(false);
  if (!read) return ReportFileFault(fault, false, kEntryTitle);
  if (!saved) return set.report(kEntryTitle);
  ApplySowCardToHistory(e, numbers, dateDue);
  boxes_[2]->SetFocus();
}

void HogSow3::ChanSowId_Click() {
  oldSowId_ = SowHistory.Id;
  AcceptSowId->setEnabled(true);
  CancelSowId->setEnabled(true);
  boxes_[1]->SetText("");
  boxes_[1]->setEnabled(true);
  boxes_[1]->SetFocus();
  changingId_ = true;
}

void HogSow3::AcceptSowId_Click() {
  if (!changingId_) return;
  const std::string typed = boxes_[1]->Text();
  if (Trim(typed).empty()) {
    platform::ShowRefusal(*CheckChangedSowId(typed, {}), boxes_[1]);
    return;
  }
  records::FileImage<SowRecord> sows;
  FileFault readFault;
  Hourglass(true);
  const bool read = ReadImage(sows, &readFault);
  Hourglass(false);
  if (!read) {
    ReportFileFault(readFault, false, kIdTitle);
    return;
  }
  if (Check refusal = CheckChangedSowId(typed, sows)) {
    platform::ShowRefusal(*refusal, nullptr);
    boxes_[1]->SetText("");
  } else {
    FileFault fault;
    SowRecord& sow = SowRec;
    if (ReadRecordAt(CurrentSowRec, sow, &fault)) {
      sow.Id = Trim(typed);
      if (!WriteRecordAt(CurrentSowRec, sow, &fault)) ReportFileFault(fault, true, kIdTitle);
      else SowHistory.Id = Trim(typed);
    } else {
      ReportFileFault(fault, false, kIdTitle);
    }
  }
  SetCardCaption();
  for (QWidget* w : {static_cast<QWidget*>(AcceptSowId), static_cast<QWidget*>(CancelSowId),
                     static_cast<QWidget*>(boxes_[1])})
    w->setEnabled(false);
  boxes_[2]->SetFocus();
  changingId_ = false;
}

void HogSow3::CancelSowId_Click() {
  if (!changingId_) return;
  SowHistory.Id = Trim(oldSowId_);
  AcceptSowId->setEnabled(false);
  CancelSowId->setEnabled(false);
  boxes_[1]->SetText(Trim(oldSowId_));
  boxes_[1]->setEnabled(false);
  boxes_[2]->SetFocus();
  changingId_ = false;
}

void HogSow3::Step(int by) {
  const CardSteps steps = StepCard(cardIndex_, cardCount_, by);
  CurrentSowRec = SelectedSowRecs[static_cast<size_t>(cardIndex_)];
  NextSow->setEnabled(steps.next);
  SowBack->setEnabled(steps.back);
  ShowSowHistory();
  boxes_[2]->SetFocus();
}

void HogSow3::NextSow_Click() { Step(1); }
void HogSow3::SowBack_Click() { Step(-1); }

void HogSow3::NotePad_Click() {
  {
    HogSow4 pad;
    platform::ShowModalThenUnload(pad);
  }
  boxes_[2]->SetFocus();
}

void HogSow3::PrintSowHistory_Click() {
  if (Alert("PRINT SOW HISTORY? ( " + Trim(SowHistory.Id) + " )", platform::vbYesNo | platform::vbQuestion,
            "P R I N T    S O W    H I S T O R Y") != platform::vbYes)
    return;
  Hourglass(true);
  ::PrintSowHistory();
  Hourglass(false);
  boxes_[2]->SetFocus();
}

void HogSow3::SExit_Click() { Hide(); }
