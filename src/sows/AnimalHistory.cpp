#include "sows/AnimalHistory.h"

void FillNoteLines(const NotePad& pad, NoteLines& notes) {
  for (int k = 1; k <= kNoteLines; ++k) notes[static_cast<size_t>(k)].assign(pad.trimmed(k - 1));
}
