#pragma once
// The sales list of one group year: the feeder pig or the market hog sales
// with their kill sheet figures (and, on the market list, the year-end
// adjustment rows), and the menu that edits, deletes and prints them.
#include <QMenuBar>
#include <string>

#include "groups/SalesList.h"
#include "platform/Controls.h"
#include "platform/Form.h"
#include "platform/Menus.h"

class HogSale1 : public platform::Form {
 public:
  explicit HogSale1(QWidget* parent = nullptr);

  enum MenuItem { Edit = 0, Delete, Print, Exit };
  enum PrintItem { Listing = 0, KillSheet };

  platform::ListBox* SaleList;
  platform::Label* SaleMode;  // the kind letter, "F" or "M"
  QMenuBar* MenuBar;
  platform::MenuArray* SalesMenu;
  platform::MenuArray* SalePnt;
  KillSheetTable KillSheet_;  // rebuilt by each kill sheet print

  void SalesMenu_Click(int Index);
  void SalePnt_Click(int Index);
  void FillSalesList();
  // SelectedSowRecs and SelectedCount from the selected lines.
  void CollectSelectedSales();
  void PrintSalesListing();
  void PrintKillSheetGroups(int& GroupCount);
  void PrintKillSheetTotals(int& GroupCount);

 protected:
  void Form_Load() override;
  void Form_Activate() override;

 private:
  void EditSales();
  void DeleteSales();
  static std::string Today();
};

// SALES > Feeder Pigs (0), Market Hogs (1): asks for the group year and shows
// the sales list of that kind and year.
void OpenSalesList(int Index);
