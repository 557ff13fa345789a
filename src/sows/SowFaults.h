#pragma once
// A data file that an action of the sow windows could not read or write ends
// the action with one critical box, titled as the window's other boxes.
#include <string>
#include <vector>

#include "records/RecordIo.h"

struct SowFileFault {
  std::string path;
  std::string reason;
};

inline constexpr const char* kNothingMoreDone = "Nothing more was done.";

// "read" or "write" faults; the box names the file and the reason, then what
// was done and what was not (`outcome`, one or more lines).
void ReportSowFileFault(const SowFileFault& fault, bool writing, const std::string& title,
                        const std::string& outcome = kNothingMoreDone);
// The text of that box.
std::string SowFileFaultText(const SowFileFault& fault, bool writing, const std::string& outcome = kNothingMoreDone);

// What a DELETE that stopped at a fault did: the sows `deleted` before it,
// and the sow `stoppedAt`, whose record was blanked or not (`blanked`; then
// not all her litters were freed).
std::string SowDeleteOutcome(const std::vector<std::string>& deleted, const std::string& stoppedAt, bool blanked);

// Reads the data file `path` whole into `image`; false, with `fault` (when
// given) naming the file and the reason, when it cannot be read.
template <class R>
bool ReadSowFile(records::FileImage<R>& image, const std::string& path, SowFileFault* fault) {
  std::string error;
  if (image.read(path, &error)) return true;
  if (fault) *fault = {path, error};
  return false;
}
