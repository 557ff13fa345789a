#pragma once
// A sow's note pad: the fourteen 70-character note lines of her record
// (CurrentSowRec), through SowRec; ACCEPT updates SowNotes.
#include "common/NotePadForm.h"

class HogSow4 : public NotePadForm {
 public:
  explicit HogSow4(QWidget* parent = nullptr);

  platform::ControlArray<platform::TextBox>& SowNote = Note;
};
