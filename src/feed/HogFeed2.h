#pragma once
// Feed batch entry: the date, the group and eight ingredient rows of one
// batch. The batch list sets NE_Cont before showing it modally: "NEW" for
// the batch it has just reserved (CurrentFeedRec, CurrentBatchId, and the
// caption naming it), "EDIT" for the selection in SelectedFeedRecs and
// SelectedCount, which NEXT and BACK step through. ACCEPT checks
// (feed/BatchEntry.h), writes the batch, corrects the ingredient inventory
// and hides the window; EXIT hides it with nothing written. FEED MED records
// the medication of a new batch once.
#include <QStringListModel>
#include <string>

#include "platform/Controls.h"
#include "platform/Form.h"
#include "platform/FormKit.h"

struct BatchEntry;
struct Refusal;

class HogFeed2 : public platform::Form {
 public:
  explicit HogFeed2(QWidget* parent = nullptr);

  platform::MaskedDateBox* FeedDate;
  platform::TextBox* GroupId;
  platform::ControlArray<platform::ComboBox> FeedPick;
  platform::ControlArray<platform::TextBox> FeedAmt;
  platform::Label* MedFeed;
  platform::Label* NE_Cont;
  platform::ControlArray<platform::Label> Label1;  // the captions of the fields
  platform::CommandButton* Accept;
  platform::CommandButton* FeedClr;
  platform::CommandButton* NextBatch;
  platform::CommandButton* FeedBack;
  platform::CommandButton* FeedMed;
  platform::CommandButton* FeedExit;

  void Accept_Click();
  void FeedClr_Click();
  void NextBatch_Click();
  void FeedBack_Click();
  void FeedMed_Click();
  void FeedPick_Click(int Index);
  void FeedExit_Click();

  const std::string& Mode() const { return mode_; }

 protected:
  void Form_Load() override;
  void Form_Activate() override;

 private:
  BatchEntry entry() const;
  void showRefusal(const Refusal& refusal);
  // Fills every ingredient box's list with the codes in stock, none current.
  void fillIngredientPicks();
  // Shows `code` in the box of `row`, its item current where the list has it.
  void showCode(int row, const std::string& code);
  // Reads and shows the batch at CurrentFeedRec.
  void showBatch();
  void stepTo(int index);
  void showMedicated();

  std::string mode_;
  int batchIndex_ = 0;
  int batchTotal_ = 0;
  bool skipActivate_ = false;
  QStringListModel* ingredientCodes_;  // the codes in stock, the list of every ingredient box
};
