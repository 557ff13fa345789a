#pragma once
// The sow list's query dialog (common/QueryDialog.h) over the sow list's
// query language.
#include "common/QueryDialog.h"

class DialogHog2 : public QueryDialog {
 public:
  explicit DialogHog2(QWidget* parent = nullptr);

  platform::ComboBox* const SQCombo = KindBox;
  platform::TextBox* const SQData = CriterionBox;
  platform::CommandButton* const SQExe = ExecuteButton;
  platform::CommandButton* const SQCan = CancelButton;
};
