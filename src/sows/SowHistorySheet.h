#pragma once
// A sow's history sheet: one page of her record fields and litter statistics
// as 27 labelled lines, then her 14 note lines under a ruled heading, all
// taken from SowHistory and SowNotes (the caller loads the sow first).
#include <string>
#include <vector>

// The 27 labelled lines of the current sow, with the empty line 0 first.
std::vector<std::string> SowHistorySheetLines();

// Prints the sheet of the current sow on the system printer.
void PrintSowHistory();
