#pragma once
// Where each data file lives, and the one way an action reads or writes one:
// a file that cannot be read or written ends the action with one critical
// box titled as the window's other boxes, naming the file and the reason.
//
//   std::vector<SowRecord> sows;
//   if (!ReadDataFile(sows, "SOW ENTRY ERROR")) return;   // the box was shown
//
// Each record type names its file (`SowRecord::FileName`); the files of a
// year are named by MedFileName and FeedFileName.
#include <string>
#include <vector>

#include "common/HogGlobals.h"
#include "records/RecordIo.h"

// The path of a record type's file in the data folder.
template <class R>
std::string DataFilePath() {
  return DataFolder + R::FileName;
}

// "MED" + year + ".DAT" and "FEED" + year + ".DAT".
std::string MedFileName(const std::string& year);
std::string FeedFileName(const std::string& year);

// A file an action could not read or write, and why.
struct FileFault {
  std::string path;
  std::string reason;
};

// The text of the box for a fault met reading or writing.
std::string FileFaultText(const FileFault& fault, bool writing);
// The beep and the critical box.
void ReportFileFault(const FileFault& fault, bool writing, const std::string& title);

// Reads the whole file at `path` (a missing file holds no records); on a
// fault shows its box with `title` and answers false.
template <class R>
bool ReadDataFile(const std::string& path, std::vector<R>& out, const std::string& title) {
  std::string error;
  if (records::readAll(path, out, &error)) return true;
  ReportFileFault({path, error}, false, title);
  return false;
}
template <class R>
bool ReadDataFile(std::vector<R>& out, const std::string& title) {
  return ReadDataFile(DataFilePath<R>(), out, title);
}
