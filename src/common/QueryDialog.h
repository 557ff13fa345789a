#pragma once
// A list's query dialog: the kind of query in a combo box, the criterion with
// its qualifier in a text box, EXECUTE and CANCEL. EXECUTE checks the
// criterion against the dialog's query language (CheckQueryEntry) and leaves
// the query in QueryArgs, or shows the refusal and keeps the dialog open;
// CANCEL, and the close box, leave "0", "", "". Enter in the criterion box
// runs EXECUTE. A dialog is this one with its names, caption and language:
//
//   DialogHog2::DialogHog2(QWidget* parent)
//       : QueryDialog({"DialogHog2", "QUERY   SOW   HISTORY", "SQCombo", "SQData", "SQExe", "SQCan"},
//                     SowQueryLanguage(), parent) {}
//
// The opener shows it modally, unloads it, and reads QueryArgs.
#include <optional>
#include <string>

#include "common/QueryGrammar.h"
#include "platform/Controls.h"
#include "platform/Form.h"

// A dialog's form name, caption and control names.
struct QueryDialogNames {
  const char* form;
  const char* caption;
  const char* kinds;      // the combo box
  const char* criterion;  // the text box
  const char* execute;    // " &EXECUTE"
  const char* cancel;
  const char* cancelCaption = " &CANCEL";
};

class QueryDialog : public platform::Form {
 public:
  QueryDialog(const QueryDialogNames& names, const QueryLanguage& language, QWidget* parent);

  platform::Label* Label1;
  platform::Label* Label2;
  platform::ComboBox* KindBox;
  platform::TextBox* CriterionBox;
  platform::CommandButton* ExecuteButton;
  platform::CommandButton* CancelButton;

  void Kind_Click();
  void Criterion_KeyPress(int& keyAscii);
  void Execute_Click();
  void Cancel_Click();

  // The entry chosen in the combo box; nothing until one is chosen.
  const std::optional<std::string>& ChosenKind() const { return chosenKind_; }

 protected:
  void Form_Load() override;
  // The close box leaves the query as CANCEL does.
  void Form_QueryUnload(int& Cancel, int UnloadMode) override;

 private:
  const QueryLanguage& language_;
  std::optional<std::string> chosenKind_;
};
