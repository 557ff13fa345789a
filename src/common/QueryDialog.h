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
// A list window's QUERY shows it through RunQuery, which shows it modally,
// unloads it, and has the window list what it left in QueryArgs.
#include <functional>
#include <optional>
#include <string>

#include "common/QueryGrammar.h"
#include "platform/Controls.h"
#include "platform/Form.h"
#include "platform/FormKit.h"

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

 protected:
  void Form_Load() override;
  // The close box leaves the query as CANCEL does.
  void Form_QueryUnload(int& Cancel, int UnloadMode) override;

 private:
  const QueryLanguage& language_;
  std::optional<std::string> chosenKind_;
};

// QUERY of a list window: its dialog `Dialog` (a QueryDialog) shown modally
// and unloaded, then `showResult` lists what the dialog left in QueryArgs:
//
//   case Query: RunQuery<DialogHog5>([this] { ListDrugsOfQuery(); }); break;
template <class Dialog>
void RunQuery(const std::function<void()>& showResult) {
  {
    Dialog dialog;
    platform::ShowModalThenUnload(dialog);
  }
  showResult();
}

// What a list window shows for the query in QueryArgs: `listAll` for kind 0
// (what CANCEL leaves), which sets its own caption; else `listMatches`, and
// the caption "<kind>,  <criterion>" in `caption`.
void ShowQueryResult(platform::Label& caption, const std::function<void()>& listAll,
                     const std::function<void()>& listMatches);
