#include "sows/HogSow1.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "common/DataFiles.h"
#include "common/HogGlobals.h"
#include "common/NumberText.h"
#include "common/WriteSet.h"
#include "medication/Drug_6.h"
#include "platform/Dialogs.h"
#include "platform/FormKit.h"
#include "platform/Screen.h"
#include "records/RecordIo.h"
#include "records/RecordSlots.h"
#include "sows/DialogHog2.h"
#include "sows/HogSow2.h"
#include "sows/HogSow3.h"
#include "sows/HogSow5.h"
#include "sows/HogSow6.h"
#include "sows/SowFiles.h"
#include "sows/SowHistory.h"
#include "sows/SowListLine.h"

namespace {

const char kCaption[] = "S O W    H I S T O R Y";
const char kActiveCaption[] = "All ACTIVE SOW's.  PAGE ";
const char kInactiveCaption[] = "All INACTIVE SOW's.  PAGE ";
const char kDeleteTitle[] = "DELETE SOW HISTORIES";
const char kAssignTitle[] = "ASSIGN  SOW(s)  TO  LOCATION / GROUP(S)";
// A SOW.DAT of this many records takes no new sow.
constexpr long kSowFileFullCount = kSowFileLimit + 1;

// Twips per character of the list's font, for the column headings.
constexpr int kListLeft = 120;
constexpr int kCharTwips = 120;
int columnLeft(int col) { return kListLeft + 30 + (col - 1) * kCharTwips; }

}  // namespace

HogSow1::HogSow1(QWidget* parent) : platform::Form("HogSow1", parent) {
  setFont(platform::makeFont("MS Sans Serif", 8));
  SetCaption(kCaption);
  MenuBar = platform::AddMenuBar(this);
  SowHistoryMenu = new platform::MenuArray(MenuBar, "SowHistoryMenu");
  SowHistoryMenu->Add(ViewEdit, "VIEW / &EDIT");
  SowHistoryMenu->Add(Query, "&QUERY");
  SowHistoryMenu->Add(New, "&NEW");
  SowHistoryMenu->Add(Farrow, "&FARROW");
  SowHistoryMenu->Add(Delete, "&DELETE");
  SowHistoryMenu->Add(Prv, "PR&V");
  SowHistoryMenu->Add(Vacc, "&VACC");
  SowHistoryMenu->Add(Assign, "&ASSIGN");
  QMenu* printMenu = SowHistoryMenu->Add(Print, "&PRINT", true);
  SowHistoryMenu->Add(Exit, "E&XIT");
  SowPrint = new platform::MenuArray(printMenu, "SowPrint");
  SowPrint->SetParentItem(SowHistoryMenu, Print);
  SowPrint->Add(0, "Selected Histories");
  SowPrint->Add(1, "Display Listing");
  SowPrint->Add(2, "Dates Due");
  SowPrint->Add(3, "Sow Card");
  SowHistoryMenu->onClick = [this](int index) { SowHistoryMenu_Click(index); };
  SowPrint->onClick = [this](int index) { SowPrint_Click(index); };

  using namespace platform;
  const int top = 360;
  const RowPitch headings{top, 240};  // the two rows of the column headings
  Label1 = AddLabel(this, "Label1", "SOW ID.", {columnLeft(2), headings(1), 1080, 255});
  Label2 = AddLabel(this, "Label2", "BREED", {columnLeft(13), headings(1), 2400, 255});
  Label3 = AddLabel(this, "Label3", "LOCATION", {columnLeft(37), headings(1), 1080, 255});
  Label5 = AddLabel(this, "Label5", " Days To ", {columnLeft(48), headings(0), 960, 255});
  Label4 = AddLabel(this, "Label4", "230 Lb", {columnLeft(48), headings(1), 960, 255});
  Label7 = AddLabel(this, "Label7", "BACKFAT", {columnLeft(55), headings(1), 960, 255});
  Label8 = AddLabel(this, "Label8", "LOINEYE", {columnLeft(63), headings(1), 960, 255});
  Label6 = AddLabel(this, "Label6", "PARITY", {columnLeft(72), headings(1), 960, 255});

  // 10-point Courier New is 120 twips a character, the pitch the headings use.
  SowList = Placed(new ListBox(this, "SowList", true, makeFont("Courier New", 10)), {kListLeft, top + 540, 9900, 5400});
  SQDisp = AddLabel(this, "SQDisp", "", {kListLeft, top + 6060, 6600, 255});
  SQDisp->setFont(makeFont("MS Serif", 8));
  for (int i = 0; i < SowPageTable::kPages; ++i) {
    SowPg.Add(AddButton(this, "SowPg", "P" + std::to_string(i + 1), {6840 + i * 525, top + 6000, 495, 375},
                        [this, i] { SowPg_Click(i); }))
        ->setFont(makeFont("Small Fonts", 7));
  }
  SetBoundsTwips(0, 0, 10260, 7260);
}

void HogSow1::Form_Load() {
  TellUnreachableRecords({LoadedFileOf<SowRecord>(), LoadedFileOf<FarrowRecord>()});
  QueryArgs = {};
  FarrowLinks = {};
  Hourglass(true);
  QueryArgs[1] = "0";
  SowFileCount = 0;
  records::FileImage<SowRecord> sows;  // page 1 is shown when the window activates
  UpdatePageButtons(BuildSowList(sows));
  pageCaption_ = kActiveCaption;
  SQDisp->SetCaption(pageCaption_ + "1");
  currentPage_ = 1;
  Hourglass(false);
}

void HogSow1::Form_Activate() { ShowSowPage(currentPage_); }

void HogSow1::SowPg_Click(int Index) {
  if (Index < 0 || Index >= SowPageTable::kPages) return;
  const int page = Index + 1;
  ShowSowPage(page);
  SQDisp->SetCaption(pageCaption_ + std::to_string(page));
  currentPage_ = page;
}

void HogSow1::UpdatePageButtons(int count) {
  const int pages = SowPageTable::PagesInUse(count);
  for (int i = 0; i < SowPageTable::kPages; ++i) SowPg[i]->setEnabled(i < pages);
}

int HogSow1::BuildSowList(records::FileImage<SowRecord>& sows) {
  Hourglass(true);
  FileFault fault;
  const int count = ::BuildSowList(table_, &fault, &sows);
  Hourglass(false);
  if (!fault.path.empty()) ReportFileFault(fault, false, kCaption);
  return count;
}

void HogSow1::ShowSowPage(int Page) {
  Hourglass(true);
  if (table_.PageEmpty(Page)) {  // SOW.DAT need not be read
    SowList->Clear();
    Hourglass(false);
    return;
  }
  records::FileImage<SowRecord> sows;
  FileFault fault;
  if (!ReadImage(sows, &fault)) {
    SowList->Clear();
    Hourglass(false);
    ReportFileFault(fault, false, kCaption);
    return;
  }
  ShowSowPage(Page, sows);
  Hourglass(false);
}

void HogSow1::ShowSowPage(int Page, const records::FileImage<SowRecord>& sows) {
  platform::ListItems rows;
  WriteSowPageRows(rows, table_, Page, QueryArgs[1], sows);
  SowList->SetItems(std::move(rows));
}

void HogSow1::ResetSowList() {
  QueryArgs[1] = "0";
  SowFileCount = 0;
  records::FileImage<SowRecord> sows;
  UpdatePageButtons(BuildSowList(sows));
  pageCaption_ = kActiveCaption;
  currentPage_ = 1;
  ShowSowPage(1, sows);
  Hourglass(false);
  SQDisp->SetCaption(pageCaption_ + "1");
}

void HogSow1::SowHistoryMenu_Click(int Index) {
  SelectedSowRecs.assign(static_cast<size_t>(std::max(SowList->ListCount(), 10)) + 1, 0);
  switch (Index) {
    case Query: RunQuery<DialogHog2>([this] { ListSowsOfQuery(); }); break;
    case New: NewSows(); break;
    case Delete: DeleteSows(); break;
    case Assign: AssignSows(); break;
    case ViewEdit: ViewSows(); break;
    case Farrow:
      if (!CollectSelectedSows()) break;
      OpenLitterWindow();
      Hourglass(true);
      ResetSowList();
      break;
    case Prv: OpenSowPrv(SowList->ListCount()); break;
    case Vacc: VaccinateSows(); break;
    case Exit: Hide(); break;
    default: break;  // PRINT opens its submenu
  }
}

bool HogSow1::CollectSelectedSows() {
  int k = 0;
  for (int row : SowList->SelectedRows()) {
    const long slot = SowList->ItemData(row);
    if (slot == 0) continue;
    SelectedSowRecs[static_cast<size_t>(++k)] = table_.At(currentPage_, static_cast<int>(slot));
  }
  if (k > 0) {
    SelectedCount = k;
    return true;
  }
  Alert("NO SOW(s) WERE SELECTED!", platform::vbExclamation | platform::vbOKOnly, "SELECT SOW(s)");
  return false;
}

void HogSow1::VaccinateSows() {
  if (SowList->ListCount() == 0) {
    Alert("NO SOW(s) LISTED!", platform::vbExclamation | platform::vbOKOnly, "SOW  VACCINATION");
    return;
  }
  OpenSowVaccination(SelectedRowIds(*SowList));
  Hourglass(true);
  ResetSowList();
}

void HogSow1::ViewSows() {
  if (CollectSelectedSows()) platform::ShowModalThenUnload<HogSow3>();
}

void HogSow1::ListSowsOfQuery() {
  if (QueryArgs[1] == "0") {
    pageCaption_ = kActiveCaption;
  } else if (QueryArgs[1] == "19") {
    pageCaption_ = kInactiveCaption;
  } else {
    pageCaption_ = RTrim(QueryArgs[3]) + ", " + QueryArgs[2] + ".  Page ";
  }
  records::FileImage<SowRecord> sows;
  UpdatePageButtons(BuildSowList(sows));
  currentPage_ = 1;
  ShowSowPage(1, sows);
  Hourglass(false);
  SQDisp->SetCaption(pageCaption_ + "1");
}

void HogSow1::NewSows() {
  const std::string path = DataFilePath<SowRecord>();
  long count = 0;
  {
    records::TypedFile<SowRecord> file;
    if (!file.open(path)) {
      ReportFileFault({path, file.error()}, false, "SOW ENTRY ERRORS");
      return;
    }
    count = file.count();
    file.close();
  }
  if (count >= kSowFileFullCount) {
    ReportSowFileFull();
    return;
  }
  {
    HogSow2 entry;
    platform::ShowModalThenUnload(entry);
  }
  Hourglass(true);
  ResetSowList();
}

std::string SowDeleteOutcome(const std::vector<std::string>& deleted, const std::string& stoppedAt) {
  std::string text = "The sow " + stoppedAt + " was not deleted.";
  if (!deleted.empty()) {
    text += "\rDeleted before her:";
    for (size_t i = 0; i < deleted.size(); ++i) text += (i == 0 ? " " : ", ") + deleted[i];
    text += ".";
  } else {
    text += "\rNeither file was changed.";
  }
  return text + "\r" + kNothingMoreDone;
}

namespace {

// The record a selected row stands for: its page table entry, provided the
// record still holds the row's ID. 0 when the row stands for no record.
long rowRecord(const platform::ListBox& list, int row, const SowPageTable& table, int page,
               const records::TypedFile<SowRecord>& file, SowRecord& record) {
  const long r = table.At(page, static_cast<int>(list.ItemData(row)));
  if (r < 1 || r > file.count()) return 0;
  if (!file.read(r, record)) return 0;
  const std::string id = SowIdOfRow(list.List(row));
  if (id.empty() || Trim(record.Id) != id) return 0;
  return r;
}

}  // namespace

void HogSow1::DeleteSows() {
  Hourglass(true);
  const std::string sowPath = DataFilePath<SowRecord>();
  const std::string farrowPath = DataFilePath<FarrowRecord>();
  records::TypedFile<SowRecord> sowFile;
  if (!sowFile.open(sowPath)) {
    Hourglass(false);
    ReportFileFault({sowPath, sowFile.error()}, false, kDeleteTitle);
    return;
  }
  std::vector<std::string> deleted;
  std::optional<FileFault> fault;
  std::string outcome;
  for (int row : SowList->SelectedRows()) {
    if (fault) break;
    SowRecord sow;
    const long r = rowRecord(*SowList, row, table_, currentPage_, sowFile, sow);
    if (r == 0) continue;
    for (int k = 1; k <= kMaxParities; ++k)
      FarrowLinks[static_cast<size_t>(k)] = sow.FarrowRecNo[static_cast<size_t>(k - 1)];
    const int parities = records::UsedParities(sow);
    const std::string id = RTrim(sow.Id);
    const int answer = Alert(
        "YOU ARE ATTEMPTING TO DELETE A SOW!\r\rAny records that you delete,\rcan or will affect any reports,\r"
        "that you may want to run.\r\rARE YOU STILL SURE, THAT YOU WANT\rTO DELETE THE SOW: " +
            id + "?",
        platform::vbQuestion | platform::vbYesNo | platform::vbDefaultButton2, "CAUTION");
    if (answer != platform::vbYes) continue;
    // Her record and her litters, or neither: both files are open for
    // writing before either is changed.
    WriteSet set("SOW DELETE");
    auto sows = set.open<SowRecord>(sowPath);
    if (parities > 0) {
      auto litters = set.open<FarrowRecord>(farrowPath);
      for (long link : records::LitterLinks(sow, litters.count())) litters.write(link, FarrowRecord{});
    }
    sows.write(r, SowRecord{});
    if (!set.commit()) {
      fault = set.fault();
      outcome = set.outcome(SowDeleteOutcome(deleted, id));
      break;
    }
    deleted.push_back(id);
  }
  sowFile.close();
  if (fault) {
    Hourglass(false);
    ReportFileFault(*fault, true, kDeleteTitle, outcome);
    if (!deleted.empty()) ShowSowPage(currentPage_);  // the sows deleted before the fault leave the page
    return;
  }
  const int count = static_cast<int>(deleted.size());
  if (count > 0) {
    SelectedCount = count;
    Alert("ALL SELECTED SOW(s) HAVE BEEN DELETED!", platform::vbInformation | platform::vbOKOnly, kDeleteTitle);
    ResetSowList();
    Hourglass(false);
  } else {
    Alert("NO SOW(s) WERE SELECTED, or DELETED!", platform::vbExclamation | platform::vbOKOnly, kDeleteTitle);
    Hourglass(false);
  }
}

void HogSow1::AssignSows() {
  Hourglass(true);
  const std::string path = DataFilePath<SowRecord>();
  records::TypedFile<SowRecord> file;
  if (!file.open(path)) {
    Hourglass(false);
    ReportFileFault({path, file.error()}, false, kAssignTitle);
    return;
  }
  if (SowList->SelCount() == 0) {
    Alert("NO SOW(s) WERE SELECTED!", platform::vbExclamation | platform::vbOKOnly, kAssignTitle);
    Hourglass(false);
    file.close();
    return;
  }
  const std::string answer = InputBox("Enter a LOCATION or GROUP ID below:", "ASSIGN  SOW(s)  TO  LOCATION",
                                      std::string(8, ' '), 2600, 2000)
                                 .value_or("");
  if (RTrim(answer).empty()) {
    file.close();
    ResetSowList();
    Hourglass(false);
    return;
  }
  for (int row : SowList->SelectedRows()) {
    SowRecord sow;
    const long r = rowRecord(*SowList, row, table_, currentPage_, file, sow);
    if (r == 0) continue;
    sow.Location = answer;
    if (!file.write(r, sow)) {
      const FileFault fault{path, file.error()};
      file.close();
      Hourglass(false);
      ReportFileFault(fault, true, kAssignTitle);
      return;
    }
  }
  file.close();
  Alert("ALL SELECTED SOW(s) HAVE BEEN ASSIGNED!\rTo Location/Group (" + RTrim(answer) + ")",
        platform::vbExclamation | platform::vbOKOnly, kAssignTitle);
  ResetSowList();
  Hourglass(false);
}
