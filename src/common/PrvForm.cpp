#include "common/PrvForm.h"

#include "common/HogGlobals.h"

Refusal PrvOutcome(const PrvFormLayout& layout, const std::string& date, bool allFound) {
  const std::string animals = layout.animal + std::string("(s)");
  if (allFound)
    return {"All selected " + animals + " have been updated to " + date, layout.outcomeTitle, layout.outcomeIcon,
            layout.idField};
  return {"The selected " + animals + " have not been found!\rThey were not updated to " + date +
              "\rRecheck the spelling of the remaining entries.",
          layout.outcomeTitle, layout.outcomeIcon, layout.idField};
}

PrvForm::PrvForm(const PrvFormLayout& layout, QWidget* parent) : platform::Form(layout.formName, parent), layout_(layout) {
  using namespace platform;
  setFont(makeFont("MS Sans Serif", 8));
  SetCaption(layout.caption);
  AddLabel(this, layout.dateCaptionName, "PRV DATE", layout.dateCaption);
  PrvDat = AddDateBox(this, "PrvDat", layout.dateBox);
  AddLabel(this, layout.idsCaptionName, layout.idsCaption, layout.idsCaptionAt);
  constexpr int kColumns = 5;
  for (int i = 0; i < kPrvBoxes; ++i)
    Prv.Add(AddTextBox(this, "Prv", {layout.columns(i % kColumns), layout.rows(i / kColumns), layout.boxWidth, 315}, 8));
  const int y = layout.rows(kPrvBoxes / kColumns) + 120;
  PrvAccept = AddButton(this, "PrvAccept", "&ACCEPT", {layout.buttons(0), y, 1575, 435}, [this] { PrvAccept_Click(); });
  PrvClear = AddButton(this, "PrvClear", "&CLEAR", {layout.buttons(1), y, 1575, 435}, [this] { PrvClear_Click(); });
  PvExit = AddButton(this, "PvExit", "&EXIT", {layout.buttons(2), y, 1575, 435}, [this] { PvExit_Click(); });
  SetBoundsTwips(0, 0, layout.width, y + layout.below);
}

void PrvForm::Form_Load() {
  PrvDat->SetText(DateText);
  for (platform::TextBox* box : Prv) box->SetText("");
}

void PrvForm::PrvAccept_Click() {
  const std::string date = PrvDat->Text();
  PrvBoxes boxes;
  for (int i = 0; i < kPrvBoxes; ++i) boxes[static_cast<size_t>(i)] = Prv[i]->Text();
  if (Check refusal = layout_.check(date, boxes)) {
    QWidget* field = refusal->field == layout_.dateField ? static_cast<QWidget*>(PrvDat)
                     : refusal->field == layout_.idField ? Prv[0]
                                                         : nullptr;
    return platform::ShowRefusal(*refusal, field);
  }
  WriteDate(date, boxes);
}

void PrvForm::ShowBoxes(const PrvBoxes& boxes) {
  for (int i = 0; i < kPrvBoxes; ++i) Prv[i]->SetText(boxes[static_cast<size_t>(i)]);
}

void PrvForm::ShowOutcome(const std::string& date, bool allFound, const PrvBoxes& left) {
  ShowBoxes(left);
  int first = 0;
  if (!allFound)
    while (first < kPrvBoxes - 1 && left[static_cast<size_t>(first)].empty()) ++first;
  platform::ShowRefusal(PrvOutcome(layout_, date, allFound), Prv[first]);
}

void PrvForm::PrvClear_Click() {
  for (platform::TextBox* box : Prv) box->SetText("");
  Prv[0]->SetFocus();
}

void PrvForm::PvExit_Click() { Hide(); }
