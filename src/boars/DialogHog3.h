#pragma once
// The boar list's query dialog (common/QueryDialog.h) over the boar list's
// query language.
#include "common/QueryDialog.h"

class DialogHog3 : public QueryDialog {
 public:
  explicit DialogHog3(QWidget* parent = nullptr);

  platform::ComboBox* const BQCombo = KindBox;
  platform::TextBox* const BQData = CriterionBox;
  platform::CommandButton* const BQExe = ExecuteButton;
  platform::CommandButton* const BQCan = CancelButton;
};
