#pragma once
// What the summaries share: the check every SUMMARY item makes first (SOW.DAT
// and FARROW.DAT hold records; a missing file is made empty by the check and
// then holds none), the question before printing, and the page.
#include <string>
#include <vector>

#include "common/PrintSheet.h"

inline constexpr const char* kSummaryTitle = "S U M M A R Y' S";

// False after the box that says which file holds no record, or which file
// could not be opened.
bool SummaryFilesHoldRecords();
// The same for DRUG.LST, which the medication cost chart also needs.
bool DrugFileHoldsRecords();

// The question before a summary is printed; true for Yes.
bool AskPrintSummary(const std::string& question);

// Ends a summary's printed lines: two blank lines, the date it was printed
// on, a blank line (SummaryBlankLine).
void EndSummaryLines(std::vector<std::string>& lines, const std::string& dateText);

// A summary's page: PrintJob set for `title`, the body in "Courier New" 13,
// row n at n x (text height + 120) under the title.
class SummaryPage : public PrintSheet {
 public:
  explicit SummaryPage(const std::string& title);
  // The end banner centred in row n, then the end of the page and document.
  void EndWithBanner(int n);
};
