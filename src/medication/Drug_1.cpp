#include "medication/Drug_1.h"

#include <numeric>
#include <optional>
#include <vector>

#include "common/DataFiles.h"
#include "common/HogGlobals.h"
#include "medication/DialogHog5.h"
#include "medication/DrugListLine.h"
#include "medication/DrugPrintouts.h"
#include "medication/DrugQuery.h"
#include "medication/Drug_2.h"
#include "medication/MedicationFiles.h"
#include "platform/Dialogs.h"
#include "platform/FormKit.h"
#include "platform/Screen.h"
#include "common/NumberText.h"

namespace {

const char kCaption[] = "D R U G    L I S T";
const char kAllDrugs[] = "By ALL DRUG(s)";
const char kListingTitle[] = "PRINT   DRUG   LISTING";

// 10-point Courier New is 120 twips a character: the headings stand over
// their columns.
constexpr int kListLeft = 120;
constexpr int kTop = 360;
int columnLeft(int col) { return kListLeft + 30 + (col - 1) * 120; }

// DRUG.LST run over in blocks for an action, each record handed to `visit`;
// false after the box of a file that cannot be read.
bool scanDrugs(const records::RecordScan<DrugRecord>::Visit& visit, const std::string& title) {
  FileFault fault;
  if (ScanDrugFile(visit, &fault)) return true;
  ReportFileFault(fault, false, title);
  return false;
}

// The records of DRUG.LST holding `codes`, found in one run; nothing after
// the box of a file that cannot be read.
std::optional<DrugsOfCodes> findDrugs(std::vector<std::string> codes, const std::string& title) {
  DrugsOfCodes found(std::move(codes));
  FileFault fault;
  if (found.Read(&fault)) return found;
  ReportFileFault(fault, false, title);
  return std::nullopt;
}

std::string deleteQuestion(const std::string& code) {
  return "YOU ARE ATTEMPTING TO DELETE A DRUG!\n\n          Any records that you delete,\n"
         "          can or will affect any reports,\n          that you may want to run.\n\n"
         "ARE YOU STILL SURE, THAT YOU WANT\nTO DELETE THE DRUG CODE, " +
         code + " ?";
}

}  // namespace

Drug_1::Drug_1(QWidget* parent) : platform::Form("Drug_1", parent) {
  using platform::AddLabel;
  setFont(platform::makeFont("MS Sans Serif", 8));
  SetCaption(kCaption);
  MenuBar = platform::AddMenuBar(this);
  MainDrug = new platform::MenuArray(MenuBar, "MainDrug");
  MainDrug->Add(New, "&NEW");
  MainDrug->Add(Edit, "&EDIT");
  MainDrug->Add(Query, "&QUERY");
  MainDrug->Add(Delete, "&DELETE");
  QMenu* print = MainDrug->Add(Print, "&PRINT", true);
  MainDrug->Add(Exit, "E&XIT");
  PrintMenu = new platform::MenuArray(print, "PrintMenu");
  PrintMenu->SetParentItem(MainDrug, Print);
  PrintMenu->Add(DrugListPrint, "Drug List");
  PrintMenu->Add(DrugSheet, "Drug Sheet");
  PrintMenu->Add(YearlyTotals, "Yearly Drug Totals");
  ShowDrugItems(false);
  MainDrug->onClick = [this](int index) { MainDrug_Click(index); };
  PrintMenu->onClick = [this](int index) { PrintMenu_Click(index); };

  Label1 = AddLabel(this, "Label1", "DRUG CODE", {columnLeft(2), kTop + 240, 1080, 255});
  Label2 = AddLabel(this, "Label2", "DRUG (NAME)", {columnLeft(11), kTop + 240, 2400, 255});
  Label3 = AddLabel(this, "Label3", "DOSAGE", {columnLeft(33), kTop + 240, 1320, 255});
  Label4 = AddLabel(this, "Label4", "DRUG  TYPE", {columnLeft(45), kTop + 240, 1200, 255});
  Label5 = AddLabel(this, "Label5", "INVENTORY     AMOUNT", {columnLeft(56), kTop, 1080, 495});
  Label5->setWordWrap(true);
  Drug_List = platform::Placed(new platform::ListBox(this, "Drug_List", true, platform::makeFont("Courier New", 10)),
                              {kListLeft, kTop + 540, 8100, 5100});
  DQDisp = AddLabel(this, "DQDisp", "", {kListLeft, kTop + 5760, 8100, 255});
  DQDisp->setFont(platform::makeFont("MS Serif", 8));
  SetBoundsTwips(0, 0, 8460, kTop + 6480);
}

void Drug_1::Form_Load() {
  TellUnreachableRecords({LoadedFileOf<DrugRecord>()});
  QueryArgs = {"", "0", "", ""};
  FillDrugList();
  DQDisp->SetCaption(kAllDrugs);
}

void Drug_1::ShowDrugItems(bool shown) {
  MainDrug->SetVisible({Edit, Delete, Print}, shown);
}

void Drug_1::FillDrugList() {
  Hourglass(true);
  Drug_List->Clear();
  platform::ListItems rows;
  int count = 0;
  if (!scanDrugs([&](long n, const uint8_t* drug) { count += AddDrugRow(rows, n, drug); }, kCaption)) {
    rows.clear();
    count = 0;
  }
  Drug_List->SetItems(std::move(rows));
  ShowDrugItems(count > 0);
  Hourglass(false);
}

void Drug_1::ApplyDrugQuery() {
  Hourglass(true);
  Drug_List->Clear();
  platform::ListItems rows;
  const DrugQuery query(QueryArgs[1], QueryArgs[2]);
  if (!scanDrugs([&](long n, const uint8_t* drug) { AddDrugQueryRow(rows, n, drug, query); }, kCaption)) rows.clear();
  const bool listed = rows.size() > 0;
  Drug_List->SetItems(std::move(rows));
  ShowDrugItems(listed);
  Hourglass(false);
}

void Drug_1::ListDrugsOfQuery() {
  ShowQueryResult(*DQDisp, [this] { ShowAllDrugs(); }, [this] { ApplyDrugQuery(); });
}

void Drug_1::ShowAllDrugs() {
  FillDrugList();
  DQDisp->SetCaption(kAllDrugs);
}

void Drug_1::MainDrug_Click(int Index) {
  SelectedDrugRecs.assign(static_cast<size_t>(Drug_List->ListCount()) + 1, 0);
  switch (Index) {
    case New:
      OpenDrugEntry("NEW");
      ShowAllDrugs();
      break;
    case Edit: EditDrugs(); break;
    case Query: RunQuery<DialogHog5>([this] { ListDrugsOfQuery(); }); break;
    case Delete: DeleteDrugs(); break;
    case Exit: Hide(); break;
    default: break;  // PRINT only opens its submenu
  }
}

std::vector<std::string> Drug_1::ListedCodes(bool selectedOnly) const {
  std::vector<int> rows = Drug_List->SelectedRows();
  if (!selectedOnly) {
    rows.resize(static_cast<size_t>(Drug_List->ListCount()));
    std::iota(rows.begin(), rows.end(), 0);
  }
  std::vector<std::string> codes;
  codes.reserve(rows.size());
  for (int row : rows) codes.push_back(DrugCodeOfLine(Drug_List->List(row)));
  return codes;
}

void Drug_1::PrintMenu_Click(int Index) {
  switch (Index) {
    case DrugListPrint: PrintDrugList(); break;
    case DrugSheet: PrintDrugSheets(); break;
    case YearlyTotals: PrintYearlyTotals(); break;
    default: break;
  }
}

void Drug_1::PrintDrugList() {
  if (Alert("PRINT DRUG LISTING?", platform::vbOKCancel | platform::vbQuestion, "PRINT  DRUG  RECORD(s)") ==
      platform::vbCancel)
    return;
  Hourglass(true);
  const std::optional<ListingLines> lines = DrugListingLines();
  if (!lines) return Hourglass(false);
  if (lines->count == 0) {
    Hourglass(false);
    Alert("NO DRUG RECORDS FOUND!", platform::vbExclamation, kListingTitle);
    return;
  }
  PrintDrugListing(*lines, DQDisp->Caption());
  Hourglass(false);
}

std::optional<ListingLines> Drug_1::DrugListingLines() const {
  std::vector<long> records;
  {
    const std::optional<DrugsOfCodes> found = findDrugs(ListedCodes(false), kListingTitle);
    if (!found) return std::nullopt;
    // The codes taken from the rows again, in list order: the finder keeps
    // them sorted, and a second copy of them beside it would only cost memory.
    for (int row = 0; row < Drug_List->ListCount(); ++row) {
      const std::vector<long> held = found->Records(DrugCodeOfLine(Drug_List->List(row)));
      records.insert(records.end(), held.begin(), held.end());
    }
  }
  DrugListing listing(std::move(records));
  if (!scanDrugs([&listing](long n, const uint8_t* drug) { listing.add(n, drug); }, kListingTitle)) return std::nullopt;
  return listing.Lines();
}

void Drug_1::PrintDrugSheets() {
  const char kTitle[] = "PRINT  SELECTED  DRUG  RECORDS";
  if (Alert("PRINT  SELECTED  DRUG  DATA?", platform::vbYesNo | platform::vbQuestion,
            "P R I N T   D R U G   D A T A   S H E E T S") == platform::vbNo)
    return ShowAllDrugs();
  Hourglass(true);
  std::vector<long> records;
  {
    const std::vector<std::string> codes = ListedCodes(true);
    const std::optional<DrugsOfCodes> found = findDrugs(codes, kTitle);
    if (!found) return Hourglass(false);
    records = found->RecordsInTurn(codes);
  }
  // As many sheets as records of the chosen codes, however many that is.
  SelectedDrugRecs.assign(1, 0);
  SelectedDrugRecs.insert(SelectedDrugRecs.end(), records.begin(), records.end());
  if (records.empty()) {
    Hourglass(false);
    Alert("NO DRUGS WERE SELECTED!", platform::vbExclamation, kTitle);
    return;
  }
  // Each sheet's drug is read as it prints.
  const std::string path = DataFilePath<DrugRecord>();
  records::TypedFile<DrugRecord> file;
  DrugRecord drug;
  for (long n : records) {
    if ((!file.isOpen() && !file.open(path)) || !file.read(n, drug)) {
      Hourglass(false);
      ReportFileFault({path, file.error()}, false, kTitle);
      return;
    }
    PrintDrugSheet(SheetFieldsOf(drug));
  }
  Hourglass(false);
  ShowAllDrugs();
}

void Drug_1::PrintYearlyTotals() {
  Beep();
  std::string year;
  if (!AskDrugYear(year)) return;
  if (Alert("PRINT YEARLY DRUG TOTALS?", platform::vbOKCancel | platform::vbQuestion,
            "P R I N T   D R U G   T O T A L'S  for (" + year + ")") == platform::vbCancel)
    return;
  Hourglass(true);
  DrugYearTotals totals(year);
  if (!scanDrugs([&totals](long, const uint8_t* drug) { totals.add(drug); }, kListingTitle)) return Hourglass(false);
  if (totals.Totals().empty()) {
    Hourglass(false);
    Alert("NO DRUG RECORDS FOUND!", platform::vbExclamation, kListingTitle);
    return;
  }
  PrintDrugTotals(totals.Totals(), year);
  Hourglass(false);
}

void Drug_1::EditDrugs() {
  const char kTitle[] = "VIEW / EDIT  DRUG(s)";
  int count = 0;
  {
    const std::vector<std::string> codes = ListedCodes(true);
    const std::optional<DrugsOfCodes> found = findDrugs(codes, kTitle);
    if (!found) return;
    for (const std::string& code : codes)
      if (const long record = found->First(code); record != 0) SelectedDrugRecs[static_cast<size_t>(++count)] = record;
  }
  if (count == 0) {
    Alert("NO DRUG(s) WERE SELECTED!", platform::vbExclamation, kTitle);
    return;
  }
  SelectedCount = count;
  OpenDrugEntry("EDIT");
  ShowAllDrugs();
}

void Drug_1::DeleteDrugs() {
  const char kTitle[] = "DELETE    DRUG(s)";
  int count = 0;
  {
    const std::vector<std::string> codes = ListedCodes(true);
    std::optional<DrugsOfCodes> found = findDrugs(codes, kTitle);
    if (!found) return;
    for (const std::string& code : codes) {
      const long record = found->First(code);
      if (record == 0) continue;
      if (Alert(deleteQuestion(code), platform::vbYesNo | platform::vbExclamation | platform::vbDefaultButton2,
                "CAUTION") != platform::vbYes)
        continue;
      FileFault fault;
      if (!BlankDrug(record, &fault)) {
        ReportFileFault(fault, true, kTitle);
        if (count > 0) ShowAllDrugs();  // the drugs deleted before the fault leave the list
        return;
      }
      found->Blanked(code);
      ++count;
    }
  }
  if (count == 0) {
    Alert("NO DRUG(s) WERE SELECTED or DELETED!", platform::vbExclamation, "DELETE   DRUG(s)");
    return;
  }
  SelectedCount = count;
  Alert("ALL SELECTED DRUG(s) HAVE BEEN DELETED!", platform::vbExclamation, kTitle);
  ShowAllDrugs();
}

void OpenDrugList() {
  Drug_1 list;
  platform::ShowModalThenUnload(list);
}
