#pragma once
// A boar's history sheet: one page of his record fields and litter figures as
// 21 labelled lines, then his 14 note lines under a ruled heading, all taken
// from BoarHistory and BoarNotes (the caller loads the boar first).
#include <string>
#include <vector>

// The 21 labelled lines of the current boar, with the empty line 0 first.
std::vector<std::string> BoarHistorySheetLines();

// Prints the sheet of the current boar on the system printer.
void PrintBoarHistory();
