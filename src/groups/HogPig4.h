#pragma once
// The edit of the groups selected in the group list: pigs in, weight and
// date, and the death-loss flag that finishes or reopens a group.
#include "platform/Controls.h"
#include "platform/Form.h"

class HogPig4 : public platform::Form {
 public:
  explicit HogPig4(QWidget* parent = nullptr);
  platform::TextBox* PigIn;
  platform::TextBox* WeightIn;
  platform::MaskedDateBox* DateIn;
  platform::Label* NumPigEnt;
  platform::Label* WtEnt;
  platform::Label* DatePigEnt;
  platform::OptionButton* DthLossY;
  platform::OptionButton* DthLossN;
  platform::CommandButton* Accept;
  platform::CommandButton* Clear;
  platform::CommandButton* NextGroup;
  int StepIndex = 1;
  int DeathLossFlag = 0;
  void LoadGroupEdit();
  void Accept_Click();
  void Clear_Click();
  void NextGroup_Click();

 protected:
  void Form_Load() override;
};
