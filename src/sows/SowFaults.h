#pragma once
// A data file that an action of the sow windows could not read or write ends
// the action with one critical box, titled as the window's other boxes.
#include <string>

#include "records/RecordIo.h"

struct SowFileFault {
  std::string path;
  std::string reason;
};

// "read" or "write" faults; the box names the file and the reason.
void ReportSowFileFault(const SowFileFault& fault, bool writing, const std::string& title);
// The text of that box.
std::string SowFileFaultText(const SowFileFault& fault, bool writing);

// Reads the data file `path` whole into `image`; false, with `fault` (when
// given) naming the file and the reason, when it cannot be read.
template <class R>
bool ReadSowFile(records::FileImage<R>& image, const std::string& path, SowFileFault* fault) {
  std::string error;
  if (image.read(path, &error)) return true;
  if (fault) *fault = {path, error};
  return false;
}
