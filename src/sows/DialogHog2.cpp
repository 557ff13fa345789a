#include "sows/DialogHog2.h"

#include <QSignalBlocker>

#include "common/HogGlobals.h"
#include "platform/Dialogs.h"
#include "sows/SowQuery.h"

namespace {
// The longest criterion: a date range "01/01/1997><03/01/1997".
constexpr int kCriterionWidth = 22;
}  // namespace

DialogHog2::DialogHog2(QWidget* parent) : platform::Form("DialogHog2", parent) {
  setFont(platform::makeFont("MS Sans Serif", 8));
  SetCaption("QUERY   SOW   HISTORY");
  Label1 = new platform::Label(this, "Label1", "Select a QUERY:");
  Label2 = new platform::Label(this, "Label2", "Enter the QUALIFIER and the VALUE:");
  SQCombo = new platform::ComboBox(this, "SQCombo");
  SQData = new platform::TextBox(this, "SQData");
  SQData->SetMaxLength(kCriterionWidth);
  SQExe = new platform::CommandButton(this, "SQExe", " &EXECUTE");
  SQCan = new platform::CommandButton(this, "SQCan", " &CANCEL");
  platform::placeTwips(Label1, 240, 180, 4200, 255);
  platform::placeTwips(SQCombo, 240, 480, 4200, 315);
  platform::placeTwips(Label2, 240, 960, 4200, 255);
  platform::placeTwips(SQData, 240, 1260, 4200, 315);
  platform::placeTwips(SQExe, 240, 1860, 1935, 435);
  platform::placeTwips(SQCan, 2505, 1860, 1935, 435);
  SetBoundsTwips(0, 0, 4740, 2820);
  connect(SQCombo, &QComboBox::currentIndexChanged, this, [this](int) { SQCombo_Click(); });
  SQData->onKeyPress = [this](int& key) { SQData_KeyPress(key); };
  connect(SQExe, &QPushButton::clicked, this, [this] { SQExe_Click(); });
  connect(SQCan, &QPushButton::clicked, this, [this] { SQCan_Click(); });
}

void DialogHog2::Form_Load() {
  QueryArgs = {};
  chosenKind_.reset();
  {
    const QSignalBlocker quiet(SQCombo);
    SQCombo->clear();
    for (const SowQueryKind& kind : SowQueryKinds()) SQCombo->AddItem(kind.caption);
    SQCombo->SetListIndex(-1);
  }
  SQData->SetText("");
}

void DialogHog2::SQCombo_Click() {
  const int i = SQCombo->ListIndex();
  if (i < 0) return;
  chosenKind_ = SQCombo->List(i);
  SQData->SetFocus();
}

void DialogHog2::SQData_KeyPress(int& keyAscii) {
  if (keyAscii != 13) return;
  keyAscii = 0;
  SQExe_Click();
}

void DialogHog2::SQExe_Click() {
  const QueryEntryOutcome outcome = CheckQueryEntry(chosenKind_, SQData->Text());
  QueryArgs = outcome.args;
  if (outcome.refusal) {
    Beep();
    MsgBox(outcome.refusal->text, platform::vbExclamation | platform::vbOKOnly, outcome.refusal->title);
    SQData->SetFocus();
    return;
  }
  Hide();
}

void DialogHog2::SQCan_Click() {
  QueryArgs = {"", "0", "", ""};
  Hide();
}

void DialogHog2::Form_QueryUnload(int& /*Cancel*/, int UnloadMode) {
  // Closed from its title bar, perhaps after a refused EXECUTE had already
  // set a kind: the list must not build a query that was never accepted.
  if (UnloadMode == platform::vbFormControlMenu) QueryArgs = {"", "0", "", ""};
}
