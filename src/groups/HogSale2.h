#pragma once
// The edit of the sales rows selected in the sales list, one after another
// with NEXT and BACK: pigs and gilts sold, date, weight, price and the kill
// sheet figures.
#include "platform/Controls.h"
#include "platform/Form.h"

class HogSale2 : public platform::Form {
 public:
  explicit HogSale2(QWidget* parent = nullptr);
  platform::TextBox* PigSold;
  platform::MaskedDateBox* DateSold;
  platform::TextBox* WtSold;
  platform::TextBox* PriceLb;
  platform::TextBox* BackFat;
  platform::TextBox* Lean;
  platform::TextBox* Ffli;
  platform::TextBox* HotCarWeight;
  platform::TextBox* GrYdPre;
  platform::TextBox* LoinEye;
  platform::TextBox* Gilt;
  platform::Label* PricePig;
  platform::CommandButton* Accept;
  platform::CommandButton* SaleClr;
  platform::CommandButton* NextSale;
  platform::CommandButton* SaleBack;
  platform::CommandButton* SaleExit;

  int Position = 1;   // the row on screen in the selection, from 1
  int Total = 0;      // the rows selected, when more than one
  int AdjustFlag = 0; // the YearEndAdjust of the row on screen

  void LoadSaleEdit();
  void Accept_Click();
  void NextSale_Click();
  void SaleBack_Click();
  void SaleClr_Click();

 protected:
  void Form_Load() override;

 private:
  void Step(int by);
};
