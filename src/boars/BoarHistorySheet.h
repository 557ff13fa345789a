#pragma once
// A boar's history sheet: one page of his record fields and litter figures as
// 21 labelled lines, then his 14 note lines under a ruled heading, all taken
// from BoarHistory and BoarNotes (the caller loads the boar first).
#include <optional>
#include <string>
#include <vector>

#include "records/FarrowRecord.h"

// The adjusted 21-day weight of a litter weighed between 14 and 34 days of
// age: the litter weaning weight times the factor for the age (days from
// DateBorn to DateWeaned); nothing for a litter not weaned, or weaned
// outside those ages. A boar's average adjusted 21-day weight is the mean of
// this over his litters that have one, 0 when none has.
std::optional<float> AdjustedWeight21(const FarrowRecord& litter);

// The 21 labelled lines of the current boar, with the empty line 0 first.
std::vector<std::string> BoarHistorySheetLines();

// Prints the sheet of the current boar on the system printer.
void PrintBoarHistory();
