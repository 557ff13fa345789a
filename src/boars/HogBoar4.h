#pragma once
// A boar's note pad: the fourteen 70-character note lines of his record
// (CurrentBoarRec), through BoarRec; ACCEPT updates BoarNotes.
#include "common/NotePadForm.h"

class HogBoar4 : public NotePadForm {
 public:
  explicit HogBoar4(QWidget* parent = nullptr);

  platform::ControlArray<platform::TextBox>& BoarNote = Note;
};
