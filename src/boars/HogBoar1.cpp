#include "boars/HogBoar1.h"

#include <algorithm>

#include "boars/BoarHistory.h"
#include "boars/BoarQuery.h"
#include "boars/DialogHog3.h"
#include "boars/BoarHistorySheet.h"
#include "boars/HogBoar2.h"
#include "boars/HogBoar3.h"
#include "boars/HogBoar5.h"
#include "common/DataFiles.h"
#include "common/FixedLine.h"
#include "common/HogGlobals.h"
#include "common/NumberText.h"
#include "medication/Drug_6.h"
#include "common/PrintListing.h"
#include "platform/FormKit.h"
#include "platform/Dialogs.h"
#include "platform/Screen.h"
#include "records/BoarRecord.h"
#include "records/RecordIo.h"

namespace {

const char kCaption[] = "B O A R    H I S T O R Y";
const char kAllCaption[] = "ALL BOAR(s)";
const char kDeleteTitle[] = "DELETE BOAR HISTORIES";

constexpr int kListLeft = 120;
constexpr int kCharTwips = 120;
int columnLeft(int col) { return kListLeft + 30 + (col - 1) * kCharTwips; }

}  // namespace

std::optional<std::vector<std::string>> BoarListingLines(const std::vector<long>& records, FileFault* fault) {
  std::vector<std::string> lines;
  if (records.empty()) return lines;
  const std::string path = DataFilePath<BoarRecord>();
  records::TypedFile<BoarRecord> boars;
  if (!boars.open(path)) {
    if (fault) *fault = {path, boars.error()};
    return std::nullopt;
  }
  BoarRecord boar;
  for (long r : records) {
    if (r < 1 || r > boars.count()) {
      lines.emplace_back();
      continue;
    }
    if (!boars.read(r, boar)) {
      if (fault) *fault = {path, boars.error()};
      return std::nullopt;
    }
    lines.push_back(BoarPrintLine(boar));
  }
  return lines;
}

std::string BoarListingHeading(const std::string& caption) {
  FixedLine line(85);
  line.put(2, RTrim(caption), 55).put(57, "DATE BOAR        PURCHASE", 25);
  return line.str();
}

HogBoar1::HogBoar1(QWidget* parent) : platform::Form("HogBoar1", parent) {
  setFont(platform::makeFont("MS Sans Serif", 8));
  SetCaption(kCaption);
  MenuBar = platform::AddMenuBar(this);
  BoarListMenu = new platform::MenuArray(MenuBar, "BoarListMenu");
  BoarListMenu->Add(ViewEdit, "VIEW / &EDIT");
  BoarListMenu->Add(Query, "&QUERY");
  BoarListMenu->Add(NewRecord, "&NEW RECORD");
  BoarListMenu->Add(Delete, "&DELETE");
  BoarListMenu->Add(Vacc, "VA&CC");
  BoarListMenu->Add(Prv, "PR&V ");
  QMenu* printMenu = BoarListMenu->Add(Print, "&PRINT", true);
  BoarListMenu->Add(Exit, "E&XIT");
  BoarPrint = new platform::MenuArray(printMenu, "BoarPrint");
  BoarPrint->SetParentItem(BoarListMenu, Print);
  BoarPrint->Add(0, "Selected  Histories");
  BoarPrint->Add(1, "Display Listing");
  BoarListMenu->onClick = [this](int index) { BoarListMenu_Click(index); };
  BoarPrint->onClick = [this](int index) { BoarPrint_Click(index); };

  using namespace platform;
  const int top = 360;
  const struct {
    const char* text;
    int col, width;
  } headings[] = {{"BOAR ID.", 2, 1080},
                  {"BREED", 13, 2400},
                  {"LOCATION", 37, 1080},
                  {" DATE BOAR ENTER HERD", 52, 1440},
                  {"PURCHASE       PRICE", 66, 1320}};
  for (const auto& h : headings) {
    Label1.Add(AddLabel(this, "Label1", h.text, {columnLeft(h.col), top, h.width, 435}))->setWordWrap(true);
  }
  BoarList = Placed(new ListBox(this, "BoarList", true, makeFont("Courier New", 10)), {kListLeft, top + 540, 9900, 5400});
  BQDisp = AddLabel(this, "BQDisp", "", {kListLeft, top + 6060, 9900, 255});
  BQDisp->setFont(makeFont("Small Fonts", 7));
  SetBoundsTwips(0, 0, 10260, 7260);
}

void HogBoar1::Form_Load() {
  TellUnreachableRecords({LoadedFileOf<BoarRecord>(), LoadedFileOf<SowRecord>(), LoadedFileOf<FarrowRecord>()});
  QueryArgs = {};
  QueryArgs[1] = "0";
  FillBoarList();
  BQDisp->SetCaption("ALL BOAR(S)");
}

void HogBoar1::FillBoarList() {
  Hourglass(true);
  FileFault fault;
  platform::ListItems rows;
  const bool read = WriteBoarRows(rows, QueryArgs[1] == "11", &fault);
  BoarList->SetItems(std::move(rows));
  Hourglass(false);
  if (!read) ReportFileFault(fault, false, kCaption);
}

void HogBoar1::ApplyBoarQuery() {
  Hourglass(true);
  const BoarQuery query(QueryArgs[1], QueryArgs[2]);
  records::FileImage<SowRecord> sows;
  records::FileImage<FarrowRecord> litters;
  FileFault fault;
  platform::ListItems rows;
  const bool read = (!query.needsLitters() || (ReadImage(sows, &fault) && ReadImage(litters, &fault))) &&
                    WriteBoarQueryRows(rows, query, SireTable(litters), CountHerdLitters(sows), &fault);
  BoarList->SetItems(std::move(rows));
  Hourglass(false);
  if (!read) ReportFileFault(fault, false, kCaption);
}

void HogBoar1::RestoreQuery() {
  ShowQueryResult(
      *BQDisp,
      [this] {
        FillBoarList();
        BQDisp->SetCaption(kAllCaption);
      },
      [this] { ApplyBoarQuery(); });
}

void HogBoar1::BoarListMenu_Click(int Index) {
  SelectedBoarRecs.assign(static_cast<size_t>(BoarList->ListCount()) + 1, 0);
  switch (Index) {
    case ViewEdit: ViewBoars(); break;
    case Query: RunQuery<DialogHog3>([this] { RestoreQuery(); }); break;
    case NewRecord: {
      {
        HogBoar2 entry;
        platform::ShowModalThenUnload(entry);
      }
      FillBoarList();
      BQDisp->SetCaption(kAllCaption);
      break;
    }
    case Delete: DeleteBoars(); break;
    case Prv:
      if (BoarList->ListCount() == 0) {
        Alert("NO BOAR(s) LISTED!", platform::vbInformation | platform::vbOKOnly, "BOAR   PRV");
        break;
      }
      platform::ShowModalThenUnload<HogBoar5>();
      break;
    case Vacc: VaccinateBoars(); break;
    case Exit: Hide(); break;
    default: break;  // PRINT is its submenu
  }
}

void HogBoar1::VaccinateBoars() {
  if (BoarList->ListCount() == 0) {
    Alert("NO BOAR(s) LISTED!", platform::vbInformation | platform::vbOKOnly, "BOAR   VACCINATION");
    return;
  }
  OpenBoarVaccination(SelectedRowIds(*BoarList));
  FillBoarList();
}

void HogBoar1::DeleteBoars() {
  if (BoarList->SelCount() == 0) {
    Alert("NO BOAR(s) WERE SELECTED!", platform::vbExclamation | platform::vbOKOnly, kDeleteTitle);
    FillBoarList();
    return;
  }
  const int answer = Alert(
      "YOU ARE ATTEMPTING TO DELETE BOAR(s)!\n\n          Any records that you delete,\n"
      "          can or will affect any reports,\n          that you may want to run.\n\n"
      "ARE YOU STILL SURE, THAT YOU WANT\nTO DELETE THESE BOAR(s)?",
      platform::vbQuestion | platform::vbYesNo, "C A U T I O N");
  if (answer != platform::vbYes) {
    FillBoarList();
    return;
  }
  const std::string path = DataFilePath<BoarRecord>();
  records::TypedFile<BoarRecord> file;
  bool ok = file.open(path);
  for (int row : BoarList->SelectedRows()) {
    const long r = BoarList->ItemData(row);
    if (ok && r >= 1 && r <= file.count()) ok = file.write(r, BoarRecord{});
  }
  const FileFault fault{ok ? std::string() : path, ok ? std::string() : file.error()};
  file.close();
  if (!ok) {
    ReportFileFault(fault, true, kDeleteTitle);
    FillBoarList();
    return;
  }
  Alert("ALL SELECTED BOAR(s) HAVE BEEN DELETED!", platform::vbInformation | platform::vbOKOnly, kDeleteTitle);
  FillBoarList();
}

int HogBoar1::CollectSelectedBoars() {
  int n = 0;
  for (int row : BoarList->SelectedRows()) SelectedBoarRecs[static_cast<size_t>(++n)] = BoarList->ItemData(row);
  return n;
}

void HogBoar1::ViewBoars() {
  const int n = CollectSelectedBoars();
  if (n == 0) {
    Alert("NO HISTORY(s) WERE SELECTED!", platform::vbInformation | platform::vbOKOnly, "VIEW / EDIT  BOAR HISTORIES");
    return;
  }
  SelectedCount = n;
  platform::ShowModalThenUnload<HogBoar3>();
  RestoreQuery();
}

void HogBoar1::BoarPrint_Click(int Index) {
  if (Index == 0) PrintHistories();
  if (Index == 1) PrintBoarListing();
}

void HogBoar1::PrintHistories() {
  if (Alert("PRINT SELECTED BOAR HISTORIES?", platform::vbQuestion | platform::vbYesNo,
            "P R I N T    B O A R    R E C O R D S") == platform::vbNo) {
    FillBoarList();
    return;
  }
  Hourglass(true);
  const int n = CollectSelectedBoars();
  if (n == 0) {
    Hourglass(false);
    Alert("NO BOARS WERE SELECTED!", platform::vbExclamation | platform::vbOKOnly,
          "PRINT  SELECTED  BOAR   HISTORIES");
    return;
  }
  FileFault fault;
  const std::vector<long> chosen(SelectedBoarRecs.begin() + 1, SelectedBoarRecs.begin() + 1 + n);
  const bool read = ForEachBoarHistory(chosen, [](long record) {
    CurrentBoarRec = record;
    PrintBoarHistory();
  }, &fault);
  FillBoarList();
  Hourglass(false);
  if (!read) ReportFileFault(fault, false, "PRINT  SELECTED  BOAR   HISTORIES");
}

void HogBoar1::PrintBoarListing() {
  if (Alert("PRINT BOAR LISTING?", platform::vbQuestion | platform::vbYesNo, "PRINT  BOAR  RECORD(s)") !=
      platform::vbYes)
    return;
  Hourglass(true);
  std::vector<long> records;
  for (int row = 0; row < BoarList->ListCount(); ++row) records.push_back(BoarList->ItemData(row));
  FileFault fault;
  const std::optional<std::vector<std::string>> lines = BoarListingLines(records, &fault);
  if (!lines) {
    Hourglass(false);
    ReportFileFault(fault, false, "PRINT  BOAR  RECORD(s)");
    return;
  }
  PrintCourierListing("B O A R   L I S T I N G", BoarListingHeading(BQDisp->Caption()),
                      " BOAR ID            BREED              LOCATION         ENTER HERD        PRICE", *lines);
  Hourglass(false);
}

void OpenBoarList() { platform::ShowModalThenUnload<HogBoar1>(); }
