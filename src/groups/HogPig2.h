#pragma once
// Pigs into a new group: the date, number and weight of the pigs that fill
// the record reserved for the group. Closing the window from its control box
// (or with Esc) releases the reserved record.
#include "platform/Controls.h"
#include "platform/Form.h"

class HogPig2 : public platform::Form {
 public:
  explicit HogPig2(QWidget* parent = nullptr);
  platform::MaskedDateBox* DateIn;
  platform::TextBox* PigIn;
  platform::TextBox* WtIn;
  platform::CommandButton* Accept;
  platform::CommandButton* Clear;
  void Accept_Click();
  void Clear_Click();

 protected:
  void Form_Load() override;
  void Form_QueryUnload(int& Cancel, int UnloadMode) override;
};
