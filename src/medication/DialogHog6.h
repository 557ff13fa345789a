#pragma once
// The medication history's query dialog (common/QueryDialog.h) over the
// history's query language (medication/HistoryQuery.h). Shown modally and
// unloaded by its opener, it leaves the query in QueryArgs: (1) the kind
// code, "0" for all records (CANCEL, the close box, no kind chosen), (2) the
// criterion, (3) the kind's caption.
#include "common/QueryDialog.h"

class DialogHog6 : public QueryDialog {
 public:
  explicit DialogHog6(QWidget* parent = nullptr);

  platform::ComboBox* const MQCombo = KindBox;
  platform::TextBox* const MQData = CriterionBox;
  platform::CommandButton* const MQExe = ExecuteButton;
  platform::CommandButton* const MQCan = CancelButton;
};
