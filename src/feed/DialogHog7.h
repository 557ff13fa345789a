#pragma once
// The ingredient list's query dialog (common/QueryDialog.h) over the
// ingredient list's query language.
#include "common/QueryDialog.h"

class DialogHog7 : public QueryDialog {
 public:
  explicit DialogHog7(QWidget* parent = nullptr);

  platform::ComboBox* const FQCombo = KindBox;
  platform::TextBox* const FQData = CriterionBox;
  platform::CommandButton* const FQExe = ExecuteButton;
  platform::CommandButton* const FQCan = CancelButton;
};
