#pragma once
// Pigs out of the groups selected in the group list, one group at a time: to
// the next building, to sales, to gilts, across the year end, and the close
// of a group whose missing pigs count as death loss.
#include "platform/Controls.h"
#include "platform/Form.h"
#include "groups/GroupMoves.h"

class HogPig3 : public platform::Form {
 public:
  explicit HogPig3(QWidget* parent = nullptr);
  platform::MaskedDateBox* DateOut;
  platform::TextBox* PigsOut;
  platform::TextBox* PigsSale;
  platform::TextBox* PigWtOut;
  platform::TextBox* PriceLb;
  platform::TextBox* NumAdj;
  platform::OptionButton* YesDthLoss;
  platform::OptionButton* NoDthLoss;
  platform::OptionButton* YesYrAdj;
  platform::OptionButton* NoYrAdj;
  platform::Label* Label2;  // pigs remaining
  platform::Label* StageRemaining;
  platform::Label* Destination;
  platform::Label* SalePrompt;
  platform::Label* PricePrompt;
  platform::Label* StageWeight;
  platform::Label* StageDate;
  platform::CommandButton* Accept;
  platform::CommandButton* Clear;
  platform::CommandButton* NextGroup;

  int StepIndex = 1;
  long PigsRemaining = 0;
  int SourceSubGroup = 0;
  int DeathLossFlag = 0;

  // Fills the window for the group at CurrentGroupRec; its state (0 ready,
  // 1 only for editing, 2 finished, 3 no pigs left), kUnread after the box of
  // a file that could not be read.
  static constexpr int kUnread = -1;
  int LoadGroupOut();
  void Accept_Click();
  void Clear_Click();
  void NextGroup_Click();

 protected:
  void Form_Load() override;
  void Form_Activate() override;

 private:
  bool activated_ = false;
};
