#include "sows/DialogHog1.h"

#include "common/DateChecks.h"
#include "platform/FormKit.h"
#include "records/Fields.h"

std::array<std::string, 3> DueDateRange;

Check CheckDueDate(const std::string& typed, DueDateField field) {
  if (typed == records::kEmptyDate)
    return Refusal{field == kDueFromField ? "NO DATE FROM, ENTERED!" : "NO DATE TO, ENTERED!", "DUE DATE ERRORS",
                   platform::vbExclamation, field};
  return CheckDate(typed, kFirstDataYear, field);
}

DialogHog1::DialogHog1(QWidget* parent) : platform::Form("DialogHog1", parent) {
  CancelOnEscape();
  using namespace platform;
  setFont(makeFont("MS Sans Serif", 8));
  SetCaption("SOW  DUE  DATES");
  AddLabel(this, "Label1", "Date From . (mm/dd/yyyy)", {240, 300, 2160, 255});
  DateFrom = AddDateBox(this, "DateFrom", {2520, 260, 1335, 315});
  AddLabel(this, "Label2", "Date To .  (mm/dd/yyyy)", {240, 780, 2160, 255});
  DateTo = AddDateBox(this, "DateTo", {2520, 740, 1335, 315});
  AcceptDueDate = AddButton(this, "AcceptDueDate", "&ACCEPT", {240, 1380, 1575, 435}, [this] { AcceptDueDate_Click(); });
  ClearDueDate = AddButton(this, "ClearDueDate", "CLEAR", {2280, 1380, 1575, 435}, [this] { ClearDueDate_Click(); });
  SetTabOrder({DateFrom, DateTo, AcceptDueDate, ClearDueDate});
  SetBoundsTwips(0, 0, 4260, 2400);
}

void DialogHog1::Form_Load() { DueDateRange = {"", records::kEmptyDate, records::kEmptyDate}; }

void DialogHog1::AcceptDueDate_Click() {
  if (Check refusal = CheckDueDate(DateFrom->Text(), kDueFromField))
    return platform::ShowRefusal(*refusal, {DateFrom, DateTo});
  DueDateRange[1] = DateFrom->Text();
  if (Check refusal = CheckDueDate(DateTo->Text(), kDueToField))
    return platform::ShowRefusal(*refusal, {DateFrom, DateTo});
  DueDateRange[2] = DateTo->Text();
  Hide();
}

void DialogHog1::ClearDueDate_Click() {
  DateFrom->Clear();
  DateTo->Clear();
  DateFrom->SetFocus();
}
