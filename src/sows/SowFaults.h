#pragma once
// A data file that an action of the sow windows could not read or write ends
// the action with one critical box, titled as the window's other boxes.
#include <string>

struct SowFileFault {
  std::string path;
  std::string reason;
};

// "read" or "write" faults; the box names the file and the reason.
void ReportSowFileFault(const SowFileFault& fault, bool writing, const std::string& title);
// The text of that box.
std::string SowFileFaultText(const SowFileFault& fault, bool writing);
