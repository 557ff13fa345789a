#pragma once
// The medication history of the year in MedFile: one line per live record in
// pages of 842 lines (ten at most), a page menu, and EDIT, DELETE, PRINT and
// ADD WATER on the records listed. EXIT hides the window.
#include <QMenuBar>
#include <string>
#include <vector>

#include "medication/MedHistory.h"
#include "platform/Controls.h"
#include "platform/Form.h"
#include "platform/FormKit.h"
#include "platform/Menus.h"

class Drug_3 : public platform::Form {
 public:
  explicit Drug_3(QWidget* parent = nullptr);

  // Items of DrugHistMenu, and of AddMed under ADD WATER.
  enum MenuItem { Page = 0, Query, Edit, Delete, Print, AddWater, Exit };
  enum WaterItem { Piglet = 0, Sow, Boar };

  platform::ListBox* MediList;
  platform::Label* MQDisp;
  platform::ControlArray<platform::Label> Label1;  // the column headings
  QMenuBar* MenuBar;
  platform::MenuArray* DrugHistMenu;
  platform::MenuArray* HistoryPageMenu;  // "Page 1" to "Page 10"
  platform::MenuArray* AddMed;

  void DrugHistMenu_Click(int Index);
  void HistoryPageMenu_Click(int Index);
  void AddMed_Click(int Index);

  // Lists every record of the year's file from page 1.
  void ListAllRecords();
  // Lists the records `matches` (record numbers of the year's file, in list
  // order), a query's result in QueryArgs, from page 1; `meds`, when given,
  // is the year's file as the query read it.
  void ShowQueryMatches(const std::vector<long>& matches,
                        const records::FileImage<MedicationRecord>* meds = nullptr);
  // What QUERY does once its dialog has set QueryArgs: the year's file read
  // once and its matches listed, or every record for kind 0.
  void ListMedicationsOfQuery();
  // Shows the page items that `Count` lines need.
  void SetHistoryPages(long Count);
  // Fills the list with page PageShown; EDIT, DELETE and PRINT are shown
  // while it holds a line. The year's file is read for it unless `meds`
  // gives it already read.
  void ShowHistoryPage(const records::FileImage<MedicationRecord>* meds = nullptr);

  int MatchCount = 0;  // the records a query found; 0 while all are listed
  int PageCount = 1;
  int PageShown = 1;
  std::string PageTitle;
  const HistoryPageTable& Pages() const { return table_; }

 protected:
  void Form_Load() override;

 private:
  void EditRecords();
  void DeleteRecords();
  void PrintRecords();
  void ShowPageCaption();

  HistoryPageTable table_;
};

// MEDICATION > History: the medication year (and the feed year when it
// differs), then the history shown modally and unloaded.
void OpenMedicationHistory();
