#pragma once
// The sow and boar PRV windows are one window: a date box under its caption,
// fifty ID boxes in rows of five under theirs, and ACCEPT, CLEAR and EXIT.
// ACCEPT checks the date and that an ID was typed (CheckPrvEntry), then the
// animal's own window writes the date and shows the outcome; CLEAR empties
// the ID boxes and keeps the date; EXIT hides the window. HogSow5 and
// HogBoar5 are this window with their places and texts (PrvFormLayout).
#include <string>

#include "common/PrvEntry.h"
#include "platform/Controls.h"
#include "platform/Form.h"
#include "platform/FormKit.h"

// Where the two windows place their controls, and what they say.
struct PrvFormLayout {
  const char* formName;
  const char* caption;
  const char* animal;               // "SOW": in the refusal of no ID and the outcome
  const char* dateCaptionName;      // the date's caption is a label of this name
  platform::TwipsRect dateCaption;
  platform::TwipsRect dateBox;
  const char* idsCaptionName;       // the ID boxes' caption
  const char* idsCaption;
  platform::TwipsRect idsCaptionAt;
  platform::RowPitch rows;          // of the ID boxes, five to a row
  platform::RowPitch columns;
  int boxWidth;
  platform::RowPitch buttons;       // ACCEPT, CLEAR and EXIT across, below the last row
  int width;                        // of the window; its height is the buttons' row + `below`
  int below;
  // ACCEPT's checks (CheckPrvEntry), and the field numbers of their refusals
  // of the date and of the ID boxes.
  Check (*check)(const std::string& date, const PrvBoxes& boxes);
  int dateField, idField;
  int outcomeIcon;                  // the box after ACCEPT
  const char* outcomeTitle;
};

// The box after ACCEPT: every animal updated, or some not found and left in
// their boxes (the field of the ID boxes).
Refusal PrvOutcome(const PrvFormLayout& layout, const std::string& date, bool allFound);

class PrvForm : public platform::Form {
 public:
  platform::MaskedDateBox* PrvDat;
  platform::ControlArray<platform::TextBox> Prv;
  platform::CommandButton* PrvAccept;
  platform::CommandButton* PrvClear;
  platform::CommandButton* PvExit;

  void PrvAccept_Click();
  void PrvClear_Click();
  void PvExit_Click();

 protected:
  PrvForm(const PrvFormLayout& layout, QWidget* parent);
  void Form_Load() override;

  // ACCEPT's checks passed: the animal's window writes `date` for the IDs
  // typed in `boxes`.
  virtual void WriteDate(const std::string& date, const PrvBoxes& boxes) = 0;
  // The boxes after a write: what each holds.
  void ShowBoxes(const PrvBoxes& boxes);
  // The boxes after a write and the box of its outcome; the focus goes to
  // the first box that still holds text, to the first box when all were
  // found.
  void ShowOutcome(const std::string& date, bool allFound, const PrvBoxes& left);

  const PrvFormLayout& layout_;
};
