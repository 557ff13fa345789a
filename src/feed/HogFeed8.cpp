#include "feed/HogFeed8.h"

#include <array>

#include "common/DataFiles.h"
#include "common/HogGlobals.h"
#include "common/NumberText.h"
#include "common/PrintListing.h"
#include "feed/DialogHog7.h"
#include "feed/HogFeed9.h"
#include "feed/IngredientQuery.h"
#include "feed/IngredientFile.h"
#include "platform/FormKit.h"
#include "platform/Dialogs.h"
#include "platform/Screen.h"

namespace {

const char kCaption[] = "F E E D    I N G R E D I E N T S";
const char kAllIngredients[] = "By ALL Ingred(s)";
const char kEditTitle[] = "VIEW / EDIT  FEED  INGREDIENT";
const char kDeleteTitle[] = "DELETE   INGREDIENTS";
const char kDeletedTitle[] = "DELETE    INGREDIENTS";
const char kPrintTitle[] = "PRINT   INGREDIENT   LISTING";

// The column headings over the list, at the columns of the list lines.
struct Heading {
  const char* caption;
  int column;
  int width;
};
constexpr std::array<Heading, 5> kHeadings = {{{"FEED CODE", 1, 1080},
                                               {"INGREDIENT NAME", 10, 2400},
                                               {"INV. AMT. (Lb)", 30, 1680},
                                               {"DATE Of INV.", 43, 1440},
                                               {"$UNIT COST$", 53, 1320}}};

// 10-point Courier New is 120 twips a character.
constexpr int kListLeft = 120;
constexpr int kCharTwips = 120;
constexpr int kListTop = 600;
int columnLeft(int col) { return kListLeft + 30 + (col - 1) * kCharTwips; }

std::string deleteQuestion(const std::string& code) {
  return "YOU ARE TEMPTING TO DELETE AN INGREDIENT!\r\rAny records that you delete,\rcan or will affect any "
         "reports,\rthat you may want to run.\r\rARE YOU STILL SURE, THAT YOU WANT\rTO DELETE THE INGREDIENT "
         "CODE:  " +
         code + "?";
}

}  // namespace

HogFeed8::HogFeed8(QWidget* parent) : platform::Form("HogFeed8", parent) {
  using namespace platform;
  setFont(makeFont("MS Sans Serif", 8, true));
  SetCaption(kCaption);
  MenuBar = AddMenuBar(this);
  FeedFormula = new MenuArray(MenuBar, "FeedFormula");
  FeedFormula->Add(New, "&NEW");
  FeedFormula->Add(EditView, "&EDIT/VIEW");
  FeedFormula->Add(Query, "&QUERY");
  FeedFormula->Add(Delete, "&DELETE");
  FeedFormula->Add(Print, "&PRINT");
  FeedFormula->Add(Exit, "E&XIT");
  FeedFormula->onClick = [this](int index) { FeedFormula_Click(index); };

  for (const Heading& h : kHeadings)
    Label1.Add(AddLabel(this, "Label1", h.caption, {columnLeft(h.column), kListTop - 300, h.width, 255}));
  FeedIngLst = Placed(new ListBox(this, "FeedIngLst", true), {kListLeft, kListTop, 8160, 4800});
  FeedIngLst->setFont(makeFont("Courier New", 10));
  FQDisp = AddLabel(this, "FQDisp", "", {kListLeft, kListTop + 4920, 6600, 255});
  SetBoundsTwips(0, 0, 8520, 6120);
}

void HogFeed8::Form_Load() {
  TellUnreachableRecords({LoadedFileOf<IngredientRecord>()});
  QueryArgs = {"", "0", "", ""};
  ShowFullList();
}

void HogFeed8::ShowFullList() {
  ListAllIngredients();
  FQDisp->SetCaption(kAllIngredients);
}

void HogFeed8::ListAllIngredients() { ListIngredients(nullptr); }

void HogFeed8::ListMatchingIngredients() {
  const IngredientQuery query(QueryArgs[1], QueryArgs[2]);
  ListIngredients(&query);
  FeedFormula->SetVisible(Query, true);
}

void HogFeed8::ListIngredients(const IngredientQuery* query) {
  Hourglass(true);
  FeedIngLst->Clear();
  IngredientFile file;
  platform::ListItems rows;
  if (ReadIngredientFile(file, kCaption)) {
    if (query) WriteIngredientQueryRows(rows, file, *query);
    else WriteIngredientRows(rows, file);
  }
  const bool listed = rows.size() > 0;
  FeedIngLst->SetItems(std::move(rows));
  FeedFormula->SetVisible({EditView, Query, Delete, Print}, listed);
  Hourglass(false);
}

void HogFeed8::ListIngredientsOfQuery() {
  ShowQueryResult(*FQDisp, [this] { ShowFullList(); }, [this] { ListMatchingIngredients(); });
}

std::vector<std::string> HogFeed8::Lines() const {
  std::vector<std::string> lines;
  for (int i = 0; i < FeedIngLst->ListCount(); ++i) lines.push_back(FeedIngLst->List(i));
  return lines;
}

std::vector<std::string> HogFeed8::ListedCodes() const {
  std::vector<std::string> codes;
  for (int i = 0; i < FeedIngLst->ListCount(); ++i) codes.push_back(IngredientCodeOfLine(FeedIngLst->List(i)));
  return codes;
}

void HogFeed8::FeedFormula_Click(int Index) {
  SelectedFeedRecs.assign(static_cast<size_t>(FeedIngLst->ListCount()) + 1, 0);
  switch (Index) {
    case New: OpenEntry("N E W    I N G R E D I E N T S", "NEW"); break;
    case EditView: EditIngredients(); break;
    case Delete: DeleteIngredients(); break;
    case Query: RunQuery<DialogHog7>([this] { ListIngredientsOfQuery(); }); break;
    case Print: PrintIngredients(); break;
    case Exit: Hide(); break;
    default: break;
  }
}

void HogFeed8::OpenEntry(const std::string& caption, const std::string& mode) {
  {
    HogFeed9 entry;
    entry.Load();
    entry.SetCaption(caption);
    entry.NE_Cont->SetCaption(mode);
    platform::ShowModalThenUnload(entry);
  }
  ShowFullList();
}

void HogFeed8::EditIngredients() {
  IngredientFile file;
  if (!ReadIngredientFile(file, kEditTitle)) return;
  const IngredientIndex index(file);
  int found = 0;
  for (int row : FeedIngLst->SelectedRows()) {
    const long record = index.First(IngredientCodeOfLine(FeedIngLst->List(row)));
    if (record != 0) SelectedFeedRecs[static_cast<size_t>(++found)] = record;
  }
  if (found == 0) {
    Alert("NO INGREDIENT(s) WERE SELECTED!", platform::vbExclamation | platform::vbOKOnly, kEditTitle);
    return;
  }
  SelectedCount = found;
  OpenEntry("E D I T    I N G R E D I E N T S", "EDIT");
}

void HogFeed8::DeleteIngredients() {
  IngredientFile file;
  if (!ReadIngredientFile(file, kDeleteTitle)) return;
  IngredientIndex index(file);
  const std::string path = DataFilePath<IngredientRecord>();
  records::TypedFile<IngredientRecord> out;
  int deleted = 0;
  for (int row : FeedIngLst->SelectedRows()) {
    const std::string code = IngredientCodeOfLine(FeedIngLst->List(row));
    const long record = index.First(code);
    if (record == 0) continue;
    if (Alert(deleteQuestion(code), platform::vbQuestion | platform::vbYesNo, "CAUTION") != platform::vbYes)
      continue;
    IngredientRec = IngredientRecord{};
    if ((!out.isOpen() && !out.open(path)) || !out.write(record, IngredientRec)) {
      ReportFileFault({path, out.error()}, true, kDeleteTitle);
      if (deleted > 0) ShowFullList();
      return;
    }
    index.Forget(code, record);
    ++deleted;
  }
  out.close();
  if (deleted == 0) {
    Alert("NOTHING WAS SELECTED and/or DELETED!", platform::vbExclamation | platform::vbOKOnly, kDeleteTitle);
    return;
  }
  Alert("ALL SELECTED INGREDIENT(s) HAVE BEEN DELETED!", platform::vbInformation | platform::vbOKOnly, kDeletedTitle);
  ShowFullList();
}

void HogFeed8::PrintIngredients() {
  if (Alert("PRINT INGREDIENT LISTING?", platform::vbQuestion | platform::vbYesNo, "PRINT  INGREDIENT  RECORD(s)") ==
      platform::vbNo)
    return;
  Hourglass(true);
  IngredientFile file;
  if (!ReadIngredientFile(file, kPrintTitle)) {
    Hourglass(false);
    return;
  }
  const std::vector<long> records = IngredientPrintRecords(file, ListedCodes());
  if (records.empty()) {
    Alert("NO INGREDIENT RECORDS FOUND!", platform::vbExclamation | platform::vbOKOnly, kPrintTitle);
    Hourglass(false);
    return;
  }
  PrintIngredientListing({records.size(), [&](size_t i) { return WriteIngredientPrintLine(file.bytes(records[i])); }},
                         RTrim(FQDisp->Caption()));
  Hourglass(false);
}

void PrintIngredientListing(const ListingLines& lines, const std::string& heading) {
  PrintCourierListing("I N G R E D I E N T    L I S T I N G", heading,
                      " CODE      INGREDIENT NAME     CURRENT INV.  START INV.  UNIT COST  TOTAL COST     DATE", lines);
}

void OpenIngredientList() {
  HogFeed8 list;
  platform::ShowModalThenUnload(list);
}
