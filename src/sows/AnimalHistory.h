#pragma once
// What the working blocks of the current sow (SowHistory) and of the current
// boar (BoarHistory) share beyond the record's fields: the figures of the
// litters she farrowed or he sired, and the note lines taken from the
// record's note pad.
#include <array>
#include <cstdint>
#include <string>

#include "records/AnimalRecord.h"

// Averages over the litters, and totals held in 32 bits so that no herd of
// stored 16-bit counts can overflow them; all 0 without litters.
struct LitterFigures {
  float AvgLitterBirthWeight = 0, AvgLitterWeaningWeight = 0;
  int32_t TotalBorn = 0, TotalStillborn = 0;
  float AvgBorn = 0, AvgStillborn = 0;
};

// Note lines 1 to 14 without surrounding blanks, "" for a blank line; index 0
// unused.
using NoteLines = std::array<std::string, kNoteLines + 1>;
// The note lines of a record's pad.
void FillNoteLines(const NotePad& pad, NoteLines& notes);
