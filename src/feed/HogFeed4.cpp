#include "feed/HogFeed4.h"

#include <array>

#include "common/DataFiles.h"
#include "common/HogGlobals.h"
#include "common/YearPrompts.h"
#include "feed/FeedBatchFile.h"
#include "feed/FeedBatchList.h"
#include "feed/HogFeed2.h"
#include "medication/MedicationFiles.h"
#include "platform/Dialogs.h"
#include "platform/Screen.h"

namespace {

const char kNewTitle[] = "NEW   FEED   BATCH";
const char kPrintTitle[] = "PRINT  FEED  RECORD";

// The column headings over the list, at the columns of the list lines.
struct Heading {
  const char* caption;
  int column;
  int width;
};
constexpr std::array<Heading, 6> kHeadings = {{{"  BATCH    NUMBER", 1, 840},
                                               {"GROUP     ID.", 12, 600},
                                               {"DATE", 22, 900},
                                               {"---------- FEED ---------- TONS.        POUNDS.", 32, 2160},
                                               {"----- PRICE PER ----- TON           POUND", 54, 1750},
                                               {"TOTAL COST.", 78, 1200}}};

// 9-point Courier New is 108 twips a character.
constexpr int kListLeft = 120;
constexpr int kCharTwips = 108;
constexpr int kListTop = 840;
constexpr int kListHeight = 4800;
int columnLeft(int col) { return kListLeft + 30 + (col - 1) * kCharTwips; }

std::string spaced(const std::string& word) {
  std::string out;
  for (char c : word) {
    if (!out.empty()) out += ' ';
    out += c;
  }
  return out;
}

}  // namespace

std::string FeedListCaption(int choice, const std::string& year) {
  const std::string word = choice == 2 ? "FINSHER" : FeedTypeWord(choice);
  return spaced(word) + "   F E E D   R E C O R D   for  ( " + year + " )";
}

HogFeed4::HogFeed4(QWidget* parent) : platform::Form("HogFeed4", parent) {
  using namespace platform;
  setFont(makeFont("MS Sans Serif", 8, true));
  MenuBar = AddMenuBar(this);
  FeedMenu = new MenuArray(MenuBar, "FeedMenu");
  FeedMenu->Add(Input, "&Input");
  FeedMenu->Add(Edit, "&Edit");
  FeedMenu->Add(Delete, "&Delete");
  FeedMenu->Add(Print, "&Print");
  FeedMenu->Add(Exit, "&Exit");
  FeedMenu->SetVisible({Edit, Delete, Print}, false);
  FeedMenu->onClick = [this](int index) { FeedMenu_Click(index); };

  for (const Heading& h : kHeadings) {
    Label* label = Label1.Add(AddLabel(this, "Label1", h.caption, {columnLeft(h.column), kListTop - 480, h.width, 450}));
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
  }
  FeedList = Placed(new ListBox(this, "FeedList", true), {kListLeft, kListTop, 88 * kCharTwips + 360, kListHeight});
  const int totalsTop = kListTop + kListHeight + 120;
  Label1.Add(AddLabel(this, "Label1", "GRAND  TOTALS.", {kListLeft, totalsTop, 1800, 255}));
  GTTons = AddLabel(this, "GTTons", "", {columnLeft(30), totalsTop, 900, 255});
  GTLbs = AddLabel(this, "GTLbs", "", {columnLeft(39), totalsTop, 1200, 255});
  GTCost = AddLabel(this, "GTCost", "", {columnLeft(76), totalsTop, 1200, 255});
  for (Label* total : {GTTons, GTLbs, GTCost}) total->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  SetBoundsTwips(0, 0, 88 * kCharTwips + 840, totalsTop + 900);
}

void HogFeed4::Form_Load() {
  TellUnreachableRecords({LoadedFileOf<FeedBatchRecord>(FeedFilePath()), LoadedFileOf<MedicationRecord>(DataFolder + MedFile)});
}

void HogFeed4::Form_Activate() {
  if (!inEntry_) FillBatchList();
}

void HogFeed4::FillBatchList() {
  FeedList->Clear();
  FeedBatchFile batches;
  MedicationFile meds;
  FileFault fault;
  BatchTotals list;
  platform::ListItems rows;
  Hourglass(true);
  if (ReadFeedBatchFile(batches, &fault) && (batches.count() == 0 || ReadMedFile(meds, &fault))) {
    list = WriteBatchRows(rows, batches, FeedTypeLetter(FeedMenuChoice), BatchMedications(meds));
  } else {
    ReportFileFault(fault, false, Caption());
  }
  const GrandTotals totals = GrandTotalsOf(list);
  const bool listed = list.batches > 0;
  FeedList->SetItems(std::move(rows));
  GTTons->SetCaption(totals.tons);
  GTLbs->SetCaption(totals.pounds);
  GTCost->SetCaption(totals.cost);
  FeedMenu->SetVisible({Edit, Delete, Print}, listed);
  Hourglass(false);
}

std::vector<std::string> HogFeed4::Lines() const {
  std::vector<std::string> lines;
  for (int i = 0; i < FeedList->ListCount(); ++i) lines.push_back(FeedList->List(i));
  return lines;
}

void HogFeed4::FeedMenu_Click(int Index) {
  switch (Index) {
    case Input:
      SelectedCount = 0;
      if (ReserveNewBatch())
        OpenEntry("NEW  " + FeedTypeWord(FeedMenuChoice) + "  FEED  BATCH ( " + CurrentBatchId + " )", "NEW");
      break;
    case Edit:
      CollectSelectedBatches();
      if (SelectedCount != 0)
        OpenEntry(Caption(), "EDIT");
      else
        Alert("NO BATCH(s) WERE SELECTED!", platform::vbExclamation | platform::vbOKOnly, "SELECT  EDIT  FEED  BATCH'S");
      break;
    case Delete:
      CollectSelectedBatches();
      if (SelectedCount == 0)
        Alert("NO BATCH(s) WERE SELECTED!", platform::vbExclamation | platform::vbOKOnly, "SELECT  DELETE  FEED  BATCH");
      else if (Alert("ARE YOU SURE you want to DELETE these?", platform::vbQuestion | platform::vbYesNo,
                     "DELETING   SELECTED   BATCH(s)") != platform::vbNo)
        DeleteSelectedBatches();
      break;
    case Print: PrintBatches(); break;
    case Exit: Hide(); break;
    default: break;
  }
}

bool HogFeed4::ReserveNewBatch() {
  FeedBatchFile batches;
  MedicationFile meds;
  FileFault fault;
  if (!ReadFeedBatchFile(batches, &fault) || !ReadMedFile(meds, &fault)) {
    ReportFileFault(fault, false, kNewTitle);
    return false;
  }
  const NewBatchSlot slot = FindNewBatchSlot(batches, BatchMedications(meds));
  if (slot.record == 0) {
    Alert("ERROR:  BATCHS EXCEED FILE!\r\rTo many batches for file!  Can't continue!",
          platform::vbExclamation | platform::vbOKOnly, kNewTitle);
    return false;
  }
  if (Alert("NEW FEED BATCH# ( " + slot.number + " )", platform::vbQuestion | platform::vbOKCancel, kNewTitle) !=
      platform::vbOK)
    return false;
  WriteSet set("NEW FEED BATCH");
  ReserveBatch(set, slot, batches.count(), FeedTypeLetter(FeedMenuChoice));
  if (!set.commit()) {
    set.report(kNewTitle);
    return false;
  }
  CurrentFeedRec = slot.record;
  CurrentBatchId = slot.number;
  return true;
}

void HogFeed4::CollectSelectedBatches() {
  SelectedFeedRecs.assign(static_cast<size_t>(FeedList->ListCount()) + 1, 0);
  SelectedCount = 0;
  for (int row : FeedList->SelectedRows()) SelectedFeedRecs[static_cast<size_t>(++SelectedCount)] = FeedList->ItemData(row);
}

void HogFeed4::OpenEntry(const std::string& caption, const std::string& mode) {
  inEntry_ = true;
  {
    HogFeed2 entry;
    entry.Load();
    entry.SetCaption(caption);
    entry.NE_Cont->SetCaption(mode);
    platform::ShowModalThenUnload(entry);
  }
  inEntry_ = false;
  FillBatchList();
}

void HogFeed4::DeleteSelectedBatches() {
  const std::vector<long> records(SelectedFeedRecs.begin() + 1, SelectedFeedRecs.begin() + 1 + SelectedCount);
  FileFault fault;
  WriteSet set("DELETE FEED BATCHES");
  if (!DeleteBatches(set, records, &fault))
    ReportFileFault(fault, false, "DELETING   SELECTED   BATCH(s)");
  else if (!set.commit())
    set.report("DELETING   SELECTED   BATCH(s)");
  SelectedCount = 0;
  FillBatchList();
}

void HogFeed4::PrintBatches() {
  if (FeedList->ListCount() == 0) {
    Alert("THERE ISN'T ANY FEED DATA TO PRINT!", platform::vbExclamation | platform::vbOKOnly, kPrintTitle);
    return;
  }
  if (Alert("PRINT  A  FEED  RECORD?", platform::vbQuestion | platform::vbYesNo, "PRINT   FEED   RECORD") !=
      platform::vbYes)
    return;
  Hourglass(true);
  FileFault fault;
  if (!PrintBatchReport(&fault)) ReportFileFault(fault, false, kPrintTitle);
  Hourglass(false);
}

void OpenFeedBatchList(int choice) {
  FeedMenuChoice = choice;
  if (!AskFeedYear()) return;
  HogFeed4 list;
  list.Load();
  list.SetCaption(FeedListCaption(choice, FeedYear));
  platform::ShowModalThenUnload(list);
}
