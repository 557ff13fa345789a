#pragma once
// Ingredient entry: one ingredient of FEED.LST typed or edited. The opener
// sets the caption and NE_Cont ("NEW" or "EDIT"; for "EDIT" also
// SelectedFeedRecs and SelectedCount) before showing it modally, and unloads
// it when it hides itself. In "NEW" ingredients are added one after another,
// each in the first free record; in "EDIT" NEXT and BACK step through the
// selection. ACCEPT checks (feed/IngredientEntry.h) and writes the record at
// CurrentFeedRec; in "NEW" it then clears the fields, in "EDIT" it shows the
// record as stored.
#include <string>

#include "feed/IngredientEntry.h"
#include "platform/Controls.h"
#include "platform/Form.h"
#include "platform/FormKit.h"

class HogFeed9 : public platform::Form {
 public:
  explicit HogFeed9(QWidget* parent = nullptr);

  platform::TextBox* FeedNam;
  platform::TextBox* FeedCod;
  platform::TextBox* CurInv;
  platform::TextBox* StInv;
  platform::TextBox* TotCost;
  platform::Label* UnCost;
  platform::MaskedDateBox* InvenDate;
  platform::Label* NE_Cont;
  platform::ControlArray<platform::Label> Label1;  // the captions of the fields
  platform::CommandButton* FAccp;
  platform::CommandButton* FClr;
  platform::CommandButton* FNxt;
  platform::CommandButton* FBck;
  platform::CommandButton* FExt;

  void FAccp_Click();
  void FClr_Click();
  void FNxt_Click();
  void FBck_Click();
  void FExt_Click();
  void CurInv_LostFocus();
  void StInv_LostFocus();
  void TotCost_LostFocus();
  // Shows record CurrentFeedRec.
  void LoadIngredient();

  const std::string& Mode() const { return mode_; }
  int Position() const { return position_; }

 protected:
  void Form_Load() override;
  void Form_Activate() override;

 private:
  IngredientEntry entry() const;
  QWidget* field(int index) const;
  void showRefusal(const Refusal& refusal);
  // Moves to the selected record at `position` and shows it.
  void stepTo(int position);

  std::string mode_;
  std::string loadedCode_;
  int position_ = 0;
  int total_ = 0;
  int firstClear_ = 0;
};
