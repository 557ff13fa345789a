#include "common/QueryDialog.h"

#include <QSignalBlocker>

#include "common/HogGlobals.h"
#include "common/NumberText.h"
#include "platform/FormKit.h"

namespace {
// The longest criterion: a date range "01/01/1997><03/01/1997".
constexpr int kCriterionWidth = 22;
}  // namespace

QueryDialog::QueryDialog(const QueryDialogNames& names, const QueryLanguage& language, QWidget* parent)
    : platform::Form(names.form, parent), language_(language) {
  CancelOnEscape();
  using namespace platform;
  setFont(makeFont("MS Sans Serif", 8));
  SetCaption(names.caption);
  Label1 = AddLabel(this, "Label1", "Select a QUERY:", {240, 180, 4200, 255});
  Label2 = AddLabel(this, "Label2", "Enter the QUALIFIER and the VALUE:", {240, 960, 4200, 255});
  KindBox = Placed(new ComboBox(this, names.kinds), {240, 480, 4200, 315});
  CriterionBox = AddTextBox(this, names.criterion, {240, 1260, 4200, 315}, kCriterionWidth);
  ExecuteButton = AddButton(this, names.execute, " &EXECUTE", {240, 1860, 1935, 435}, [this] { Execute_Click(); });
  CancelButton = AddButton(this, names.cancel, names.cancelCaption, {2505, 1860, 1935, 435}, [this] { Cancel_Click(); });
  SetBoundsTwips(0, 0, 4740, 2820);
  connect(KindBox, &QComboBox::currentIndexChanged, this, [this](int) { Kind_Click(); });
  CriterionBox->onKeyPress = [this](int& key) { Criterion_KeyPress(key); };
}

void QueryDialog::Form_Load() {
  QueryArgs = {};
  chosenKind_.reset();
  {
    const QSignalBlocker quiet(KindBox);
    KindBox->clear();
    for (const QueryKind& kind : language_.kinds) KindBox->AddItem(kind.caption);
    KindBox->SetListIndex(-1);
  }
  CriterionBox->SetText("");
}

void QueryDialog::Kind_Click() {
  const int i = KindBox->ListIndex();
  if (i < 0) return;
  chosenKind_ = KindBox->List(i);
  CriterionBox->SetFocus();
}

void QueryDialog::Criterion_KeyPress(int& keyAscii) {
  if (keyAscii != 13) return;
  keyAscii = 0;
  Execute_Click();
}

void QueryDialog::Execute_Click() {
  const QueryEntryOutcome outcome = CheckQueryEntry(language_, chosenKind_, CriterionBox->Text());
  QueryArgs = outcome.args;
  if (outcome.refusal) {
    platform::ShowRefusal(*outcome.refusal, CriterionBox);
    return;
  }
  Hide();
}

void QueryDialog::Cancel_Click() {
  QueryArgs = {"", "0", "", ""};
  Hide();
}

void QueryDialog::Form_QueryUnload(int& /*Cancel*/, int UnloadMode) {
  // Closed from its title bar, perhaps after a refused EXECUTE had already
  // set a kind: the list must not build a query that was never accepted.
  if (UnloadMode == platform::vbFormControlMenu) QueryArgs = {"", "0", "", ""};
}

void ShowQueryResult(platform::Label& caption, const std::function<void()>& listAll,
                     const std::function<void()>& listMatches) {
  if (Val(QueryArgs[1]) == 0) return listAll();
  listMatches();
  caption.SetCaption(RTrim(QueryArgs[3]) + ",  " + QueryArgs[2]);
}
