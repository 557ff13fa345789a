#pragma once
// The drug list "D R U G    L I S T": one fixed-column line per drug of
// DRUG.LST, and a menu that enters new drugs, edits and deletes the selected
// ones, narrows the list with a query (DialogHog5) and prints the listing,
// the data sheets and the yearly totals. A line stands for the records
// holding its code (DrugCodeOfLine); its item data is the record it was
// written from. Every click runs over DRUG.LST in blocks and keeps no copy of
// it. EXIT hides the window; the opener unloads it.
#include <QMenuBar>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/PrintListing.h"
#include "platform/Controls.h"
#include "records/DrugRecord.h"
#include "platform/Form.h"
#include "platform/Menus.h"

class Drug_1 : public platform::Form {
 public:
  explicit Drug_1(QWidget* parent = nullptr);

  // Items of MainDrug, and of PrintMenu under PRINT.
  enum MenuItem { New = 0, Edit, Query, Delete, Print, Exit };
  enum PrintItem { DrugListPrint = 0, DrugSheet, YearlyTotals };

  platform::ListBox* Drug_List;
  platform::Label* DQDisp;
  platform::Label* Label1;  // "DRUG CODE"
  platform::Label* Label2;  // "DRUG (NAME)"
  platform::Label* Label3;  // "DOSAGE"
  platform::Label* Label4;  // "DRUG  TYPE"
  platform::Label* Label5;  // "INVENTORY     AMOUNT"
  QMenuBar* MenuBar;
  platform::MenuArray* MainDrug;
  platform::MenuArray* PrintMenu;

  void MainDrug_Click(int Index);
  void PrintMenu_Click(int Index);
  // Lists every drug anew and shows EDIT, DELETE and PRINT when DRUG.LST
  // holds a drug. A DRUG.LST that cannot be read shows its box and lists
  // nothing.
  void FillDrugList();
  // Lists the drugs that match the query in QueryArgs; EDIT, DELETE and
  // PRINT are shown when one does.
  void ApplyDrugQuery();
  // What QUERY does once its dialog has set QueryArgs: every drug for kind
  // 0, else the drugs that match, under the query's caption.
  void ListDrugsOfQuery();

 protected:
  void Form_Load() override;

 private:
  void ShowAllDrugs();
  void EditDrugs();
  void DeleteDrugs();
  void ShowDrugItems(bool shown);
  // The codes of the list's lines as they show them, top to bottom (only the
  // selected ones).
  std::vector<std::string> ListedCodes(bool selectedOnly) const;
  void PrintDrugList();
  // The listing's lines: for each line of the list, every record holding its
  // code; nothing after the box of a DRUG.LST that cannot be read.
  std::optional<ListingLines> DrugListingLines() const;
  void PrintDrugSheets();
  void PrintYearlyTotals();
};

// MEDICATION > Drug List: the drug list shown modally, then unloaded.
void OpenDrugList();
