#pragma once
// The drug list's query dialog (common/QueryDialog.h) over the drug list's
// query language.
#include "common/QueryDialog.h"

class DialogHog5 : public QueryDialog {
 public:
  explicit DialogHog5(QWidget* parent = nullptr);

  platform::ComboBox* const DQCombo = KindBox;
  platform::TextBox* const DQData = CriterionBox;
  platform::CommandButton* const DQExe = ExecuteButton;
  platform::CommandButton* const DQCan = CancelButton;
};
