#include "groups/HogSale1.h"

#include "common/DataFiles.h"
#include "common/HogGlobals.h"
#include "groups/GroupFiles.h"
#include "groups/GroupYearOpener.h"
#include "groups/HogSale2.h"
#include "platform/Dialogs.h"
#include "platform/FormKit.h"
#include "platform/Refusal.h"
#include "platform/Services.h"

namespace {

const char kListTitle[] = "SALES  LIST  ERROR";
const char* const kCaptions[] = {"F E E D E R   P I G   S A L E S   f o r   G R O U P   Y E A R  ( ",
                                 "M A R K E T   H O G   S A L E S   f o r   G R O U P   Y E A R  ( "};

// Column captions over the list and the character column each starts at.
struct ColumnCaption {
  const char* text;
  int column;
  int width;  // characters a line of the caption holds
};
const ColumnCaption kColumns[] = {
    {"GROUP     ID.", 1, 6},         {"DATE SOLD", 9, 5},        {"NUM SOLD", 15, 5},
    {"WEIGHT   SOLD PER PIG", 21, 6}, {" PRICE PER LB.", 29, 6},  {" PRICE PER PIG", 38, 6},
    {"BACK  FAT", 46, 5},             {"%LEAN", 54, 5},           {"FAT FREE    LEAN       INDEX", 62, 8},
    {"   HOT CARCESS  WEIGHT", 72, 8}, {"  GRADE      YEILD  PREMIUM", 82, 8}};

constexpr int kListLeft = 120;
constexpr int kCharTwips = 120;

// SALES.DAT read whole; a file that cannot be read shows its box and lists nothing.
SalesImage ReadSales(const std::string& title) {
  SalesImage sales;
  std::string error;
  if (!sales.read(DataFilePath<SalesRecord>(), &error)) ReportFileFault({DataFilePath<SalesRecord>(), error}, false, title);
  return sales;
}

}  // namespace

HogSale1::HogSale1(QWidget* parent) : platform::Form("HogSale1", parent) {
  setFont(platform::makeFont("MS Sans Serif", 8, true));
  MenuBar = platform::AddMenuBar(this);
  SalesMenu = new platform::MenuArray(MenuBar, "SalesMenu");
  SalesMenu->Add(Edit, "&EDIT");
  SalesMenu->Add(Delete, "&DELETE");
  QMenu* print = SalesMenu->Add(Print, "&PRINT", true);
  SalesMenu->Add(Exit, "&EXIT");
  SalePnt = new platform::MenuArray(print, "SalePnt");
  SalePnt->SetParentItem(SalesMenu, Print);
  SalePnt->Add(Listing, "Listing");
  SalePnt->Add(KillSheet, "Kill Sheet Summary");
  SalesMenu->onClick = [this](int i) { SalesMenu_Click(i); };
  SalePnt->onClick = [this](int i) { SalePnt_Click(i); };

  SaleMode = platform::AddLabel(this, "SaleMode", "", {kListLeft, 360, 600, 255});
  int k = 0;
  for (const ColumnCaption& c : kColumns) {
    platform::Label* label = platform::AddLabel(this, "Label" + std::to_string(++k), c.text,
                                                {kListLeft + 30 + (c.column - 1) * kCharTwips, 600,
                                                 c.width * kCharTwips, 720});
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
  }
  SaleList = new platform::ListBox(this, "SaleList", true, platform::makeFont("Courier New", 10));
  platform::placeTwips(SaleList, kListLeft, 1380, 11400, 5400);
  SetBoundsTwips(0, 0, 11760, 7200);
}

void HogSale1::Form_Load() { TellUnreachableRecords({LoadedFileOf<SalesRecord>()}); }

void HogSale1::Form_Activate() {
  SalePnt->SetVisible(KillSheet, SaleMode->Caption() == "M");
  FillSalesList();
}

void HogSale1::FillSalesList() {
  SaleList->Clear();
  Hourglass(true);
  platform::ListItems rows;
  WriteSaleRows(rows, ReadSales(kListTitle), SaleKindLetter(MenuChoice), GroupYear);
  SaleList->SetItems(std::move(rows));
  Hourglass(false);
}

void HogSale1::CollectSelectedSales() {
  SelectedSowRecs.assign(static_cast<size_t>(SaleList->ListCount()) + 1, 0);
  SelectedCount = 0;
  for (int row : SaleList->SelectedRows()) SelectedSowRecs[static_cast<size_t>(++SelectedCount)] = SaleList->ItemData(row);
}

void HogSale1::SalesMenu_Click(int Index) {
  switch (Index) {
    case Edit: EditSales(); break;
    case Delete: DeleteSales(); break;
    case Exit: Hide(); break;
    default: break;  // PRINT only opens its submenu
  }
}

void HogSale1::EditSales() {
  CollectSelectedSales();
  if (SelectedCount == 0) {
    Alert("NO GROUP(s) WERE SELECTED!", platform::vbExclamation | platform::vbOKOnly, "SELECT  EDIT  GROUPS");
    return;
  }
  platform::ShowModalThenUnload<HogSale2>();
  FillSalesList();
}

void HogSale1::DeleteSales() {
  CollectSelectedSales();
  if (SelectedCount == 0) {
    Alert("NO GROUP(s) WERE SELECTED!", platform::vbExclamation | platform::vbOKOnly, "SELECT  DELETE  GROUPS");
    return;
  }
  const char title[] = "DELETING   SELECTED   GROUP(s)";
  if (Alert("ARE YOU SURE you want to DELETE these?", platform::vbQuestion | platform::vbYesNo, title) ==
      platform::vbYes) {
    records::TypedFile<SalesRecord> file;
    const std::string path = DataFilePath<SalesRecord>();
    if (!file.open(path)) {
      ReportFileFault({path, file.error()}, true, title);
    } else {
      // Each row is blanked in place, a free row of the file.
      for (int k = 1; k <= SelectedCount; ++k) {
        CurrentSowRec = SelectedSowRecs[static_cast<size_t>(k)];
        SalesRecord row;
        if (!file.read(CurrentSowRec, row) || !file.write(CurrentSowRec, DeletedSale(row))) {
          ReportFileFault({path, file.error()}, true, title);
          break;
        }
      }
      file.close();
    }
  }
  FillSalesList();
}

std::string HogSale1::Today() { return platform::services().clock().dateText(); }

void HogSale1::SalePnt_Click(int Index) {
  if (SaleList->ListCount() == 0) {
    Alert("THERE ISN'T ANY GROUPS TO PRINT!", platform::vbExclamation | platform::vbOKOnly, "PRINT   SALES   ERROR");
    return;
  }
  const char* question = Index == Listing ? "PRINT THE SALES LISTING?" : "PRINT KILL SHEET SUMMERY?";
  if (Alert(question, platform::vbQuestion | platform::vbYesNo, "PRINT   SALES   REPORT") != platform::vbYes) return;
  if (Index == Listing) {
    PrintSalesListing();
    return;
  }
  int groups = 0;
  PrintKillSheetGroups(groups);
  PrintKillSheetTotals(groups);
}

void HogSale1::PrintSalesListing() {
  Hourglass(true);
  PrintSalesListingOf(ReadSales(kListTitle), SaleKindLetter(MenuChoice), GroupYear, Today());
  Hourglass(false);
}

void HogSale1::PrintKillSheetGroups(int& GroupCount) {
  Hourglass(true);
  GroupCount = PrintKillSheetGroupsOf(ReadSales(kListTitle), GroupYear, Today(), KillSheet_);
  Hourglass(false);
}

void HogSale1::PrintKillSheetTotals(int& GroupCount) {
  Hourglass(true);
  PrintKillSheetTotalsOf(KillSheet_, GroupCount, Today());
  Hourglass(false);
}

void OpenSalesList(int Index) {
  MenuChoice = Index;
  OpenForGroupYear([Index](const std::string& year) {
    HogSale1 list;
    list.Load();
    list.SaleMode->SetCaption(SaleKindLetter(Index));
    list.SetCaption(std::string(kCaptions[Index == 0 ? 0 : 1]) + year + " )");
    platform::ShowModalThenUnload(list);
  });
}
