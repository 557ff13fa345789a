#include "medication/Drug_3.h"

#include <algorithm>

#include "common/DataFiles.h"
#include "common/Format.h"
#include "common/HogGlobals.h"
#include "common/NumberText.h"
#include "common/YearPrompts.h"
#include "medication/DialogHog6.h"
#include "medication/HistoryQuery.h"
#include "medication/MedicationEntry.h"
#include "medication/MedicationFiles.h"
#include "platform/Dialogs.h"
#include "platform/FormKit.h"
#include "platform/Screen.h"

namespace {

const char kAllTitle[] = "All MED Rec's.  PAGE ";
const char kDeleteTitle[] = "DELETE MED HISTORIES";

// 10-point Courier New is 120 twips a character: the headings stand over
// their columns.
constexpr int kListLeft = 120;
constexpr int kTop = 360;
int columnLeft(int col) { return kListLeft + 30 + (col - 1) * 120; }

}  // namespace

Drug_3::Drug_3(QWidget* parent) : platform::Form("Drug_3", parent) {
  using platform::AddLabel;
  setFont(platform::makeFont("MS Sans Serif", 8));
  MenuBar = platform::AddMenuBar(this);
  DrugHistMenu = new platform::MenuArray(MenuBar, "DrugHistMenu");
  QMenu* pages = DrugHistMenu->Add(Page, "P&AGE", true);
  DrugHistMenu->Add(Query, "&QUERY");
  DrugHistMenu->Add(Edit, "&EDIT");
  DrugHistMenu->Add(Delete, "&DELETE");
  DrugHistMenu->Add(Print, "&PRINT");
  QMenu* water = DrugHistMenu->Add(AddWater, "&ADD WATER ", true);
  DrugHistMenu->Add(Exit, "E&XIT");
  HistoryPageMenu = new platform::MenuArray(pages, "HistoryPageMenu");
  HistoryPageMenu->SetParentItem(DrugHistMenu, Page);
  for (int i = 0; i < HistoryPageTable::kPages; ++i) {
    HistoryPageMenu->Add(i, "Page " + std::to_string(i + 1));
    HistoryPageMenu->SetVisible(i, false);
  }
  AddMed = new platform::MenuArray(water, "AddMed");
  AddMed->SetParentItem(DrugHistMenu, AddWater);
  AddMed->Add(Piglet, "Piglet");
  AddMed->Add(Sow, "Sow");
  AddMed->Add(Boar, "Boar");
  DrugHistMenu->SetVisible({Edit, Delete, Print}, false);
  DrugHistMenu->onClick = [this](int index) { DrugHistMenu_Click(index); };
  HistoryPageMenu->onClick = [this](int index) { HistoryPageMenu_Click(index); };
  AddMed->onClick = [this](int index) { AddMed_Click(index); };

  const struct {
    const char* text;
    int col, width;
  } headings[] = {{"PIG/FEED      ID#", 1, 1200}, {"DATE GIVEN", 11, 1320}, {"DRUG NAME", 24, 2400},
                  {"DRUG CODE", 50, 1200},        {"DOSAGE", 60, 840},      {"GIVEN BY.", 72, 1080}};
  for (const auto& h : headings) {
    Label1.Add(AddLabel(this, "Label1", h.text, {columnLeft(h.col), kTop, h.width, 435}))->setWordWrap(true);
  }
  MediList = platform::Placed(new platform::ListBox(this, "MediList", true, platform::makeFont("Courier New", 10)),
                             {kListLeft, kTop + 480, 9600, 5400});
  MQDisp = AddLabel(this, "MQDisp", "", {kListLeft, kTop + 6000, 9600, 255});
  MQDisp->setFont(platform::makeFont("MS Serif", 8));
  SetBoundsTwips(0, 0, 9960, kTop + 6720);
}

void Drug_3::Form_Load() {
  TellUnreachableRecords({LoadedFileOf<MedicationRecord>(DataFolder + MedFile), LoadedFileOf<DrugRecord>()});
  SetCaption("MEDICATION  HISTORY for YEAR (" + (MedFile.size() >= 7 ? MedFile.substr(3, 4) : "") + ")");
  QueryArgs = {};
  QueryArgs[1] = "0";
  ListAllRecords();
}

void Drug_3::ShowPageCaption() { MQDisp->SetCaption(PageTitle + Format(PageShown, "#0")); }

void Drug_3::ListAllRecords() {
  Hourglass(true);
  long count = 0;
  FileFault fault;
  if (!MedRecordCount(count, &fault)) {
    Hourglass(false);
    ReportFileFault(fault, false, Caption());
  }
  ListAllMedRecords(table_, count);
  MatchCount = 0;
  SetHistoryPages(count);
  PageTitle = kAllTitle;
  PageShown = 1;
  ShowHistoryPage();
  ShowPageCaption();
  Hourglass(false);
}

void Drug_3::ShowQueryMatches(const std::vector<long>& matches, const records::FileImage<MedicationRecord>* meds) {
  Hourglass(true);
  ListMedMatches(table_, matches);
  MatchCount = static_cast<int>(matches.size());
  SetHistoryPages(MatchCount);
  PageTitle = Trim(QueryArgs[3]) + ", " + QueryArgs[2] + ".  Page ";
  PageShown = 1;
  ShowHistoryPage(meds);
  ShowPageCaption();
  Hourglass(false);
}

void Drug_3::SetHistoryPages(long Count) {
  PageCount = HistoryPageTable::PagesInUse(static_cast<int>(std::min<long>(Count, HistoryPageTable::kLines)));
  for (int i = 0; i < HistoryPageTable::kPages; ++i) HistoryPageMenu->SetVisible(i, i < PageCount);
}

void Drug_3::ShowHistoryPage(const records::FileImage<MedicationRecord>* meds) {
  Hourglass(true);
  MediList->Clear();
  records::FileImage<MedicationRecord> read;
  if (!meds) {
    FileFault fault;
    if (!ReadMedFile(read, &fault)) {
      Hourglass(false);
      ReportFileFault(fault, false, Caption());
    }
    meds = &read;
  }
  platform::ListItems rows;
  WriteHistoryPageRows(rows, table_, PageShown, *meds);
  MediList->SetItems(std::move(rows));
  const bool listed = MediList->ListCount() > 0;
  DrugHistMenu->SetVisible({Edit, Delete, Print}, listed);
  Hourglass(false);
}

void Drug_3::HistoryPageMenu_Click(int Index) {
  if (Index < 0 || Index >= HistoryPageTable::kPages) return;
  PageShown = Index + 1;
  ShowHistoryPage();
  ShowPageCaption();
}

void Drug_3::DrugHistMenu_Click(int Index) {
  SelectedDrugRecs.assign(static_cast<size_t>(std::max(MediList->ListCount(), 10)) + 1, 0);
  switch (Index) {
    case Query: RunQuery<DialogHog6>([this] { ListMedicationsOfQuery(); }); break;
    case Edit: EditRecords(); break;
    case Delete: DeleteRecords(); break;
    case Print: PrintRecords(); break;
    case Exit: Hide(); break;
    default: break;  // PAGE and ADD WATER open their submenus
  }
}

void Drug_3::ListMedicationsOfQuery() {
  if (Val(QueryArgs[1]) == 0) return ListAllRecords();
  Hourglass(true);
  records::FileImage<MedicationRecord> meds;
  FileFault fault;
  const bool read = ReadMedFile(meds, &fault);
  Hourglass(false);
  if (!read) ReportFileFault(fault, false, Caption());
  ShowQueryMatches(QueryHistory(meds, QueryArgs[1], QueryArgs[2]), &meds);
}

void Drug_3::AddMed_Click(int Index) {
  SelectedDrugRecs.assign(static_cast<size_t>(std::max(MediList->ListCount(), 10)) + 1, 0);
  OpenWaterMedication(Index);
  ListAllRecords();
}

void Drug_3::EditRecords() {
  int n = 0;
  for (int row : MediList->SelectedRows()) SelectedDrugRecs[static_cast<size_t>(++n)] = MediList->ItemData(row);
  if (n == 0) {
    Alert("NO RECORD(s) WERE SELECTED!", platform::vbExclamation | platform::vbOKOnly, "SELECT RECORDS(s)");
    return;
  }
  SelectedCount = n;
  OpenMedicationEdit();
  ShowHistoryPage();
}

void Drug_3::DeleteRecords() {
  std::vector<long> selected;
  for (int row : MediList->SelectedRows()) selected.push_back(MediList->ItemData(row));
  if (selected.empty()) {
    Alert("NO RECORD(s) WERE SELECTED!", platform::vbExclamation | platform::vbOKOnly, kDeleteTitle);
    return ShowHistoryPage();
  }
  const int answer =
      Alert("YOU ARE ATTEMPTING TO DELETE MEDICATION RECORD(s)!\r\r          Any records that you delete,\r"
            "          can or will affect any reports,\r          that you may want to run.\r\r"
            "ARE YOU STILL SURE, THAT YOU WANT\rTO DELETE THESE RECORD(s)?",
            platform::vbExclamation | platform::vbYesNo | platform::vbDefaultButton2, "C A U T I O N");
  if (answer != platform::vbYes) return ShowHistoryPage();
  Hourglass(true);
  int deleted = 0;
  FileFault fault;
  WriteSet set("DELETE MED HISTORIES");
  const bool read = DeleteMedRecords(set, selected, deleted, &fault);
  const bool done = read && set.commit();
  Hourglass(false);
  const std::string none =
      "None of the " + std::to_string(selected.size()) + " selected record(s) were deleted.\r" + kNothingMoreDone;
  if (!read) {
    ReportFileFault(fault, false, kDeleteTitle, none);
  } else if (!done) {
    set.report(kDeleteTitle, none);
  } else {
    Alert("ALL SELECTED REC(s) HAVE BEEN DELETED!", platform::vbInformation | platform::vbOKOnly, kDeleteTitle);
  }
  ShowHistoryPage();
}

void Drug_3::PrintRecords() {
  if (Alert("PRINT DRUG HISTORYS?", platform::vbQuestion | platform::vbYesNo, "PRINT  DRUG  HISTORYS") !=
      platform::vbYes)
    return;
  Hourglass(true);
  std::vector<std::string> shown;
  for (int row = 0; row < MediList->ListCount(); ++row) shown.push_back(MediList->List(row));
  PrintMedHistory(shown, MedHistoryHeading(QueryArgs[3], QueryArgs[2]));
  Hourglass(false);
}

void OpenMedicationHistory() {
  if (!AskMedYear()) return;
  const std::string medYear = MedFile.size() >= 7 ? MedFile.substr(3, 4) : "";
  const std::string feedYear = FeedFile.size() >= 8 ? FeedFile.substr(4, 4) : "";
  if (medYear != feedYear && !AskFeedYear()) return;
  platform::ShowModalThenUnload<Drug_3>();
}
