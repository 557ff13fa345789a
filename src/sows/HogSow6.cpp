#include "sows/HogSow6.h"

#include "common/DataFiles.h"
#include "common/DateMath.h"
#include "common/Format.h"
#include "common/HogGlobals.h"
#include "common/NumberText.h"
#include "common/Paths.h"
#include "common/WriteSet.h"
#include "platform/Dialogs.h"
#include "platform/Screen.h"
#include "records/Nearest.h"
#include "records/RecordSlots.h"
#include "sows/HogSow3.h"
#include "sows/LitterSheet.h"
#include "sows/SowHistory.h"

namespace {

const char kCaptions[][40] = {"",
                              "PARITY",
                              "Date Born.  (mm/dd/yyyy)",
                              "Number of Pig's Born",
                              "Number of Pig's Alive",
                              "Litter Birth Weight",
                              "Litter Number",
                              "Percent Stillborn",
                              "Number of Pig's Fostered to SOW",
                              "Number of Pig's Fostered from SOW",
                              "Pre-Weaning Mortality",
                              "Date Weaned.  (mm/dd/yyyy)",
                              "Number of Pig's Weaned",
                              "Pig's Age at Weaning",
                              "Litter Weaning Weight",
                              "Weaning Weight",
                              "21 Day Adjusted Weight",
                              "BOAR ID."};

// The rows typed into text boxes, with the characters each takes.
struct TypedRow {
  int row;
  int width;
};
const TypedRow kTypedRows[] = {{kBornRow, 6},
                               {kAliveRow, 6},
                               {kBirthWeightRow, kLitterWeightBox.maxLength},
                               {kFosteredToRow, 6},
                               {kFosteredFromRow, 6},
                               {kWeanedRow, 6},
                               {kWeaningWeightRow, kLitterWeightBox.maxLength},
                               {kBoarRow, 8}};
// The entry column's labels the set-up clears.
constexpr int kClearedLabels[] = {kLitterNumberRow, kStillbornRow,    kMortalityRow,
                                  kAgeRow,          kWeightPerPigRow, kAdjustedRow};

const char kFarrowErrorTitle[] = " FARROW  ERROR ";
const char kPrintTitle[] = "P R I N T   F A R R O W   R E C O R D";

// Places of the columns, in twips.
constexpr int kTop = 720;
constexpr platform::RowPitch kRows{kTop, 330};
constexpr int kEntryLeft = 3600, kPaneALeft = 5280, kPaneBLeft = 6840, kColumnWidth = 1440;

int rowTop(int row) { return kRows(row - 1); }

// A leader of dots after a row's caption.
std::string captionWithLeader(const char* caption) {
  std::string text = caption;
  text += ' ';
  while (text.size() < 44) text += '.';
  return text;
}

}  // namespace

void OpenLitterWindow() {
  HogSow6 window;
  window.Load();
  switch (window.Opening()) {
    case HogSow6::Setup::Ready:
      window.Show(platform::vbModal);
      break;
    case HogSow6::Setup::NoDueDate:
      platform::ShowModalThenUnload<HogSow3>();
      break;
    case HogSow6::Setup::Refused:
      // The other sows of the selection are still reached with NEXT.
      if (SelectedCount >= 2) window.Show(platform::vbModal);
      break;
  }
  window.Unload();
}

HogSow6::HogSow6(QWidget* parent) : platform::Form("HogSow6", parent) {
  using namespace platform;
  setFont(makeFont("MS Sans Serif", 8));
  MenuBar = AddMenuBar(this);
  FarroMenu = new MenuArray(MenuBar, "FarroMenu");
  FarroMenu->Add(0, "&Print All");
  FarroMenu->Add(1, "E&xit");
  FarroMenu->onClick = [this](int index) { FarroMenu_Click(index); };

  ParityA =
      AddButton(this, "ParityA", "PARITY", {kPaneALeft, kTop - 420, kColumnWidth, 360}, [this] { ParityA_Click(); });
  ParityB =
      AddButton(this, "ParityB", "PARITY", {kPaneBLeft, kTop - 420, kColumnWidth, 360}, [this] { ParityB_Click(); });
  for (int row = kParityRow; row <= kBoarRow; ++row) {
    const std::string n = std::to_string(row);
    const int y = rowTop(row);
    AddLabel(this, "Label" + n, captionWithLeader(kCaptions[row]), {120, y + 30, 3420, 255});
    paneA_[static_cast<size_t>(row)] = AddLabel(this, "FarroA" + n, "", {kPaneALeft, y, kColumnWidth, 300});
    paneB_[static_cast<size_t>(row)] = AddLabel(this, "FarroB" + n, "", {kPaneBLeft, y, kColumnWidth, 300});
    for (Label* pane : {paneA_[static_cast<size_t>(row)], paneB_[static_cast<size_t>(row)]})
      pane->setFrameShape(QFrame::Panel), pane->setFrameShadow(QFrame::Sunken);
    const TwipsRect at{kEntryLeft, y, kColumnWidth, 300};
    if (row == kDateBornRow || row == kDateWeanedRow) {
      dates_[static_cast<size_t>(row)] = AddDateBox(this, "Farro" + n, at);
      continue;
    }
    bool typed = false;
    for (const TypedRow& t : kTypedRows)
      if (t.row == row) {
        boxes_[static_cast<size_t>(row)] = AddTextBox(this, "Farro" + n, at, t.width);
        typed = true;
      }
    if (!typed) {
      labels_[static_cast<size_t>(row)] = AddLabel(this, "Farro" + n, "", at);
      labels_[static_cast<size_t>(row)]->setFrameShape(QFrame::Panel);
      labels_[static_cast<size_t>(row)]->setFrameShadow(QFrame::Sunken);
    }
  }
  const int printTop = rowTop(kBoarRow) + 420;
  PrintEdit =
      AddButton(this, "PrintEdit", "PRINT", {kEntryLeft, printTop, kColumnWidth, 360}, [this] { PrintEdit_Click(); });
  PrintA = AddButton(this, "PrintA", "PRINT", {kPaneALeft, printTop, kColumnWidth, 360}, [this] { PrintA_Click(); });
  PrintB = AddButton(this, "PrintB", "PRINT", {kPaneBLeft, printTop, kColumnWidth, 360}, [this] { PrintB_Click(); });
  const int parityTop = printTop + 540;
  for (int i = 0; i < kMaxParities; ++i)
    ParityNum.Add(AddButton(this, "ParityNum", "Par" + std::to_string(i + 1), {120 + i * 915, parityTop, 855, 360},
                            [this, i] { ParityNum_Click(i); }));
  constexpr RowPitch buttons{120, 1380};
  const int buttonTop = parityTop + 540;
  FarroNew = AddButton(this, "FarroNew", "&NEW", {buttons(0), buttonTop, 1260, 435}, [this] { FarroNew_Click(); });
  FarroAccept =
      AddButton(this, "FarroAccept", "&ACCEPT", {buttons(1), buttonTop, 1260, 435}, [this] { FarroAccept_Click(); });
  FarroEdit = AddButton(this, "FarroEdit", "&EDIT", {buttons(2), buttonTop, 1260, 435}, [this] { FarroEdit_Click(); });
  FarroClr = AddButton(this, "FarroClr", "CLEAR", {buttons(3), buttonTop, 1260, 435}, [this] { FarroClr_Click(); });
  FarroBack = AddButton(this, "FarroBack", "<<", {buttons(4), buttonTop, 1260, 435}, [this] { FarroBack_Click(); });
  FarroNext =
      AddButton(this, "FarroNext", " NEXT >", {buttons(5), buttonTop, 1260, 435}, [this] { FarroNext_Click(); });
  SetTabOrder({FarroDate(kDateBornRow), FarroBox(kBornRow), FarroBox(kAliveRow), FarroBox(kBirthWeightRow),
               FarroBox(kFosteredToRow), FarroBox(kFosteredFromRow), FarroDate(kDateWeanedRow), FarroBox(kWeanedRow),
               FarroBox(kWeaningWeightRow), FarroBox(kBoarRow), FarroNew, FarroAccept, FarroEdit, FarroClr});
  SetBoundsTwips(0, 0, 8520, buttonTop + 1200);
}

// ---- The entry column --------------------------------------------------------

std::string HogSow6::entryText(int row) const {
  const size_t r = static_cast<size_t>(row);
  if (boxes_[r]) return boxes_[r]->Text();
  if (dates_[r]) return dates_[r]->Text();
  return labels_[r]->Caption();
}

void HogSow6::setEntryText(int row, const std::string& text) {
  const size_t r = static_cast<size_t>(row);
  if (boxes_[r])
    boxes_[r]->SetText(text);
  else if (dates_[r])
    dates_[r]->SetText(text);
  else
    labels_[r]->SetCaption(text);
}

QWidget* HogSow6::entryField(int row) const {
  if (row < kParityRow || row > kBoarRow) return nullptr;
  const size_t r = static_cast<size_t>(row);
  if (boxes_[r]) return boxes_[r];
  if (dates_[r]) return dates_[r];
  return nullptr;
}

void HogSow6::focusDateBorn() { FarroDate(kDateBornRow)->SetFocus(); }

std::string HogSow6::sowId() const { return Trim(SowHistory.Id); }

void HogSow6::clearEntryColumn() {
  for (const TypedRow& t : kTypedRows)
    if (t.row != kBoarRow) setEntryText(t.row, "");
  for (int row : kClearedLabels) setEntryText(row, "");
  setEntryText(kDateWeanedRow, records::kEmptyDate);
  setEntryText(kBoarRow, Trim(SowHistory.BoarId));
}

void HogSow6::forgetEntryColumn() {
  grid_[kEntry] = {};
  for (int row = kParityRow; row <= kBoarRow; ++row)
    setEntryText(row, row == kDateBornRow || row == kDateWeanedRow ? records::kEmptyDate : "");
  FarroEdit->setEnabled(false);
  FarroAccept->setEnabled(false);
  PrintEdit->setEnabled(false);
}

void HogSow6::disableLitterWork() {
  for (QWidget* w :
       {static_cast<QWidget*>(FarroNew), static_cast<QWidget*>(FarroAccept), static_cast<QWidget*>(FarroEdit),
        static_cast<QWidget*>(FarroClr), static_cast<QWidget*>(PrintEdit), static_cast<QWidget*>(ParityA),
        static_cast<QWidget*>(ParityB), static_cast<QWidget*>(PrintA), static_cast<QWidget*>(PrintB)})
    w->setEnabled(false);
}

bool HogSow6::takeEntry(LitterColumn& column, const FarrowRecord* stored) {
  column = grid_[kEntry];
  for (int row : {kDateBornRow, kBornRow, kAliveRow, kBirthWeightRow, kFosteredToRow, kFosteredFromRow, kDateWeanedRow,
                  kWeanedRow, kWeaningWeightRow, kBoarRow})
    column[static_cast<size_t>(row)] = entryText(row);
  if (column[kDateWeanedRow] == records::kEmptyDate) column[kWeanedRow] = column[kWeaningWeightRow] = "";
  if (Check refusal = stored ? CheckCorrectedLitter(column, *stored) : CheckLitterEntry(column, false)) {
    platform::ShowRefusal(*refusal, entryField(refusal->field));
    return false;
  }
  return true;
}

// ---- Loading and set-up -------------------------------------------------------

void HogSow6::Form_Load() {
  TellUnreachableRecords({LoadedFileOf<FarrowRecord>(), LoadedFileOf<SowRecord>(), LoadedFileOf<BoarRecord>()});
  grid_ = {};
  parityEnabled_ = {};
  sowsTotal_ = 0;
  // The panes print once a litter is shown in them.
  PrintA->setEnabled(false);
  PrintB->setEnabled(false);
  if (SelectedCount < 2) {
    FarroNext->setEnabled(false);
    FarroBack->setEnabled(false);
  } else {
    FarroNext->setEnabled(true);
    FarroBack->setEnabled(false);
    sowsTotal_ = SelectedCount;
  }
  selectedPos_ = 1;
  CurrentSowRec = SelectedSowRecs.size() > 1 ? SelectedSowRecs[1] : 0;
  opening_ = SetupSowFarrowing();
}

HogSow6::Setup HogSow6::SetupSowFarrowing() {
  FileFault fault;
  Hourglass(true);
  bool read = LoadSowHistory(&fault);
  records::TypedFile<FarrowRecord> litters;
  if (read && !litters.open(DataFilePath<FarrowRecord>())) {
    fault = {DataFilePath<FarrowRecord>(), litters.error()};
    read = false;
  }
  Hourglass(false);
  SetCaption("F A R R O W I N G   ( " + sowId() + " )");
  for (int i = 0; i < kMaxParities; ++i) ParityNum[i]->setEnabled(false);
  parityEnabled_ = {};
  selectedParity_ = 0;
  if (!read) {
    ReportFileFault(fault, false, kFarrowErrorTitle);
    disableLitterWork();
    return Setup::Refused;
  }
  if (Check damaged = CheckSowLitterLinks(SowHistory.Id, SowHistory.ParityCount, FarrowLinks, litters.count())) {
    platform::ShowRefusal(*damaged, nullptr);
    disableLitterWork();
    return Setup::Refused;
  }
  const std::string preset = DueDatePreset(SowHistory.DateDue);
  FarroClr->setEnabled(true);
  const int parities = SowHistory.ParityCount;
  if (parities == 0) {
    farrowParity_ = 0;
    setEntryText(kParityRow, "1");
    setEntryText(kDateBornRow, preset);
    clearEntryColumn();
    for (QWidget* w : {static_cast<QWidget*>(FarroAccept), static_cast<QWidget*>(FarroEdit),
                       static_cast<QWidget*>(PrintEdit), static_cast<QWidget*>(ParityA), static_cast<QWidget*>(ParityB),
                       static_cast<QWidget*>(PrintA), static_cast<QWidget*>(PrintB)})
      w->setEnabled(false);
    FarroNew->setEnabled(true);
    return Setup::Ready;
  }
  farrowParity_ = parities;
  for (int p = 1; p <= parities; ++p) {
    ParityNum[p - 1]->setEnabled(true);
    parityEnabled_[static_cast<size_t>(p)] = true;
  }
  ParityA->setEnabled(false);
  ParityB->setEnabled(false);
  if (!PrepareNewFarrowing()) return Setup::NoDueDate;
  setEntryText(kParityRow, std::to_string(parities + 1));
  grid_[kEntry][kDateBornRow] = preset;
  setEntryText(kDateBornRow, preset);
  return Setup::Ready;
}

bool HogSow6::PrepareNewFarrowing() {
  farrowParity_ = SowHistory.ParityCount;
  setEntryText(kParityRow, std::to_string(farrowParity_ + 1));
  if (IsEmptyDate(StripNulls(SowHistory.DateDue))) {
    setEntryText(kDateBornRow, records::kEmptyDate);
    MsgBox("NO FARROW DATE!\r\rCheck you Date Bred.", platform::vbExclamation | platform::vbOKOnly, "FARROWING SOWS");
    return false;
  }
  setEntryText(kDateBornRow, DueDatePreset(SowHistory.DateDue));
  clearEntryColumn();
  FarroEdit->setEnabled(false);
  FarroAccept->setEnabled(false);
  PrintEdit->setEnabled(false);
  FarroNew->setEnabled(true);
  return true;
}

// ---- Showing a column ------------------------------------------------------------

void HogSow6::ComputeWeaningInfo(int column) {
  const bool silent = column == kPrintAll;
  const WeaningNotice notice = ComputeWeaningRows(grid_[static_cast<size_t>(column)], silent);
  if (silent) return;
  const int style = platform::vbExclamation | platform::vbOKOnly;
  switch (notice) {
    case WeaningNotice::None:
      break;
    case WeaningNotice::Early:
      Alert("You must weigh between 14 and 35 DAYS!", style, "YOUR TOO EARLY!");
      break;
    case WeaningNotice::Late:
      Alert("You must weigh between 14 and 35 DAYS!", style, "YOUR TOO LATE!");
      break;
    case WeaningNotice::Unavailable:
      Alert("DATA UNAVALABLE!\r\rCan't compute 21 DAY Conversion or\rthe age of the PIGs at Weaning.", style,
            "COMPUTING  WEANING  INFROMATION!");
      break;
  }
}

void HogSow6::ShowFarrowColumn(int column) {
  ComputeWeaningInfo(column);
  const LitterColumn& c = grid_[static_cast<size_t>(column)];
  for (int row = kDateBornRow; row <= kBoarRow; ++row) {
    const std::string& text = c[static_cast<size_t>(row)];
    switch (column) {
      case kEntry:
        setEntryText(row, text);
        break;
      case kPaneA:
        FarroA(row)->SetCaption(text);
        break;
      case kPaneB:
        FarroB(row)->SetCaption(text);
        break;
      default:
        break;
    }
  }
  if (column == kEntry) PrintEdit->setEnabled(true);
  if (column == kPaneA) PrintA->setEnabled(true);
  if (column == kPaneB) PrintB->setEnabled(true);
}

bool HogSow6::readLitter(int parity, FarrowRecord& litter) {
  FileFault fault;
  const long link = FarrowLinks[static_cast<size_t>(parity)];
  if (ReadRecordAt(link, litter, &fault)) return true;
  if (fault.path.empty()) fault = {DataFilePath<FarrowRecord>(), "It holds no record " + std::to_string(link) + "."};
  ReportFileFault(fault, false, kFarrowErrorTitle);
  return false;
}

void HogSow6::ParityNum_Click(int Index) {
  selectedParity_ = Index + 1;
  FarroEdit->setEnabled(true);
  ParityA->setEnabled(true);
  ParityB->setEnabled(true);
  FarroNew->setEnabled(false);
}

void HogSow6::showPane(int column) {
  if (selectedParity_ == 0) {
    Alert("You MUST select a PARITY to View!", platform::vbExclamation | platform::vbOKOnly, kFarrowErrorTitle);
    return;
  }
  FarrowRecord litter;
  if (!readLitter(selectedParity_, litter)) return;
  LitterColumn& c = grid_[static_cast<size_t>(column)];
  FillLitterColumn(c, litter, FarrowLinks[static_cast<size_t>(selectedParity_)], false);
  ShowFarrowColumn(column);
  (column == kPaneA ? FarroA(kParityRow) : FarroB(kParityRow))->SetCaption(Format(selectedParity_, "0"));
  focusDateBorn();
}

void HogSow6::ParityA_Click() { showPane(kPaneA); }
void HogSow6::ParityB_Click() { showPane(kPaneB); }

// ---- NEW, EDIT, ACCEPT, CLEAR ------------------------------------------------------

void HogSow6::FarroNew_Click() {
  const int typedParity = records::NearestWhole<int32_t>(Val(entryText(kParityRow)));
  for (int p = kMaxParities; p >= 1; --p) {
    if (!parityEnabled_[static_cast<size_t>(p)] || typedParity != p) continue;
    if (Alert("THERE ALREADY IS A PARITY #" + std::to_string(p) + "!\rDo you want to generate another parity?",
              platform::vbQuestion | platform::vbYesNo, " ENTER  NEW  PARTIES ") == platform::vbNo) {
      focusDateBorn();
      return;
    }
    setEntryText(kParityRow, std::to_string(farrowParity_));
    break;
  }
  if (Check full = CheckParityRoom(farrowParity_)) return platform::ShowRefusal(*full, entryField(full->field));
  LitterColumn column;
  if (!takeEntry(column, nullptr)) return;

  // The sire, and the record the litter takes, before anything is written.
  Hourglass(true);
  records::FileImage<FarrowRecord> litters;
  FileFault fault;
  const std::optional<bool> sireFound = SireInBoarFile(column[kBoarRow], &fault);
  const bool read = sireFound && ReadImage(litters, &fault);
  Hourglass(false);
  if (!read) return ReportFileFault(fault, false, kFarrowEntryTitle);
  if (Check noSire = CheckSire(column[kBoarRow], *sireFound))
    return platform::ShowRefusal(*noSire, entryField(kBoarRow));
  const long slot = records::FindNewLitterSlot(litters);
  if (Check noRoom = CheckLitterSlot(slot)) return platform::ShowRefusal(*noRoom, entryField(kDateBornRow));

  grid_[kEntry] = column;
  ShowFarrowColumn(kEntry);
  const FarrowRecord litter = LitterRecordOf(grid_[kEntry], FarrowRecord::InHerd);

  // Both files open for writing before either changes; the litter first.
  Hourglass(true);
  SowRecord sow;
  const bool sowRead = ReadRecordAt(CurrentSowRec, sow, &fault);
  WriteSet set("NEW FARROW RECORD");
  if (sowRead) {
    auto farrowFile = set.open<FarrowRecord>(DataFilePath<FarrowRecord>());
    auto sows = set.open<SowRecord>(DataFilePath<SowRecord>());
    sow.ParityCount = static_cast<int16_t>(farrowParity_ + 1);
    for (int k = 1; k <= kMaxParities; ++k)
      sow.FarrowRecNo[static_cast<size_t>(k - 1)] =
          k == farrowParity_ + 1 ? static_cast<int16_t>(slot) : FarrowLinks[static_cast<size_t>(k)];
    farrowFile.write(slot, litter);
    sows.write(CurrentSowRec, sow);
  }
  const bool written = sowRead && set.commit();
  Hourglass(false);
  if (!sowRead) return ReportFileFault(fault, false, kFarrowEntryTitle);
  if (!written) return set.report(kFarrowEntryTitle);
  SowRec = sow;
  FarrowLinks[static_cast<size_t>(farrowParity_ + 1)] = static_cast<int16_t>(slot);

  farrowParity_ += 1;
  parityEnabled_[static_cast<size_t>(farrowParity_)] = true;
  ParityNum[farrowParity_ - 1]->setEnabled(true);
  grid_[kEntry][kLitterNumberRow] = std::to_string(slot);
  setEntryText(kLitterNumberRow, std::to_string(slot));
  SowHistory.ParityCount = static_cast<int16_t>(farrowParity_);
  Alert("A NEW Farrow Record for PARITY #" + std::to_string(farrowParity_) + "\r has been added for SOW: " + sowId(),
        platform::vbInformation | platform::vbOKOnly, " NEW  FARROW  RECORD ");
  FarroNew->setEnabled(false);
}

bool HogSow6::parityChosen() {
  if (selectedParity_ != 0) return true;
  Alert("You MUST select a PARITY to EDIT!", platform::vbExclamation | platform::vbOKOnly, kFarrowErrorTitle);
  if (ParityNum[0]->isEnabled()) ParityNum[0]->setFocus();
  return false;
}

void HogSow6::FarroEdit_Click() {
  if (!parityChosen()) return;
  FarrowRecord litter;
  if (!readLitter(selectedParity_, litter)) return;
  farrowParity_ = selectedParity_;
  FarroNew->setEnabled(false);
  FarroAccept->setEnabled(true);
  FillLitterColumn(grid_[kEntry], litter, FarrowLinks[static_cast<size_t>(farrowParity_)], true);
  ShowFarrowColumn(kEntry);
  // The weight boxes show every place the stored weights hold.
  FarroBox(kBirthWeightRow)->SetText(FigureText(litter.BirthWeight, kLitterWeightBox));
  FarroBox(kWeaningWeightRow)->SetText(FigureText(litter.WeaningWeight, kLitterWeightBox));
  setEntryText(kParityRow, std::to_string(farrowParity_));
  focusDateBorn();
}

void HogSow6::FarroAccept_Click() {
  if (!parityChosen()) return;
  FarrowRecord stored;
  if (!readLitter(farrowParity_, stored)) return;
  LitterColumn column;
  if (!takeEntry(column, &stored)) return;
  grid_[kEntry] = column;
  ShowFarrowColumn(kEntry);
  // The litter keeps its status: a litter of a sow that left the herd stays so.
  FileFault fault;
  Hourglass(true);
  const bool written =
      WriteRecordAt(FarrowLinks[static_cast<size_t>(farrowParity_)], CorrectedLitterOf(grid_[kEntry], stored), &fault);
  Hourglass(false);
  if (!written) return ReportFileFault(fault, true, kFarrowEntryTitle);
  Alert("The Farrow Record for PARITY #" + std::to_string(farrowParity_) + "\r has been updated for SOW: " + sowId(),
        platform::vbInformation | platform::vbOKOnly, " FARROW  RECORD  UPDATE ");
  focusDateBorn();
}

void HogSow6::FarroClr_Click() { PrepareNewFarrowing(); }

// ---- BACK and NEXT ------------------------------------------------------------------

void HogSow6::step(int by) {
  selectedPos_ += by;
  SelectedCount -= by;
  CurrentSowRec = SelectedSowRecs[static_cast<size_t>(selectedPos_)];
  const bool last = SelectedCount <= 1, first = SelectedCount >= sowsTotal_;
  // After NEXT the last sow is tested first, after BACK the first sow.
  const bool atLast = by > 0 ? last : last && !first;
  const bool atFirst = by > 0 ? first && !last : first;
  FarroNext->setEnabled(!atLast);
  FarroBack->setEnabled(!atFirst);
  for (int row = kParityRow; row <= kBoarRow; ++row) {
    FarroA(row)->SetCaption("");
    FarroB(row)->SetCaption("");
  }
  grid_[kPaneA] = grid_[kPaneB] = {};
  forgetEntryColumn();
  // A sow without a due date gets no litter prepared: her column stays
  // empty but for her parity, the empty date born and her boar.
  if (SetupSowFarrowing() == Setup::NoDueDate) setEntryText(kBoarRow, Trim(SowHistory.BoarId));
}

void HogSow6::FarroNext_Click() { step(1); }
void HogSow6::FarroBack_Click() { step(-1); }

// ---- Printing -------------------------------------------------------------------------

void HogSow6::printPane(int column) {
  LitterColumn& c = grid_[static_cast<size_t>(column)];
  c[kParityRow] = Trim((column == kPaneA ? FarroA(kParityRow) : FarroB(kParityRow))->Caption());
  if (Val(c[kParityRow]) == 0) {
    Alert("You MUST select a PARITY to Print!", platform::vbExclamation | platform::vbOKOnly, kFarrowErrorTitle);
    return;
  }
  askAndPrint(c, "For");
}

void HogSow6::askAndPrint(const LitterColumn& c, const std::string& forWord) {
  if (Alert("PRINT FARROW RECORD #" + c[kParityRow] + "\r" + forWord + " SOW ID(" + sowId() + ")?",
            platform::vbQuestion | platform::vbYesNo, kPrintTitle) == platform::vbNo)
    return;
  Hourglass(true);
  PrintLitterSheet(c, SowHistory.Id);
  Hourglass(false);
  focusDateBorn();
}

void HogSow6::PrintA_Click() { printPane(kPaneA); }
void HogSow6::PrintB_Click() { printPane(kPaneB); }

void HogSow6::PrintEdit_Click() {
  LitterColumn& c = grid_[kEntry];
  c[kParityRow] = Trim(entryText(kParityRow));
  askAndPrint(c, "for");
}

void HogSow6::FarroMenu_Click(int Index) {
  if (Index == 1) return Hide();
  if (Index != 0) return;
  if (SowHistory.ParityCount == 0) {
    Alert("SOW ID(" + sowId() + ") has no FARROW records!", platform::vbExclamation | platform::vbOKOnly,
          " FARROW  PRINT  ERROR ");
    return focusDateBorn();
  }
  if (Alert("PRINT ALL FARROW RECORD(s)\rfor SOW ID(" + sowId() + ")?", platform::vbQuestion | platform::vbYesNo,
            kPrintTitle) == platform::vbNo)
    return;
  Hourglass(true);
  records::FileImage<FarrowRecord> litters;
  FileFault fault;
  if (ReadImage(litters, &fault)) {
    PrintSowLitters(SowHistory.Id, FarrowLinks, SowHistory.ParityCount, litters);
    Hourglass(false);
  } else {
    Hourglass(false);
    ReportFileFault(fault, false, " FARROW  PRINT  ERROR ");
  }
  focusDateBorn();
}
