#pragma once
// Where each data file lives, and the one way an action reads or writes one:
// a file that cannot be read or written ends the action with one critical
// box titled as the window's other boxes, naming the file and the reason,
// then what was done and what was not.
//
//   records::FileImage<SowRecord> sows;
//   FileFault fault;
//   if (!ReadImage(sows, &fault)) { Hourglass(false); ReportFileFault(fault, false, kCaption); return; }
//
// Which files are held whole: a click reads each file it runs over once,
// whole (ReadImage), and lets it go when it ends; but a file that may pass
// 10 MB at the most records the program writes into it is never held whole:
// every run over it scans it in blocks (ScanFile). The most is record 32,767
// for every file but SOW.DAT, which holds at most 4,799 sows (5.4 MB), the
// largest file held whole. BOAR.DAT (35.5 MB) and DRUG.LST (11.3 MB) are
// scanned; a run written once for them and other files scans those too (a
// new animal's slot, compaction, the medication entry's look-up of an ID).
//
// Each record type names its file (`SowRecord::FileName`); the files of a
// year are named by MedFileName and FeedFileName.
#include <optional>
#include <string>
#include <vector>

#include "common/HogGlobals.h"
#include "records/RecordIo.h"
#include "records/RecordScan.h"
#include "records/RecordSlots.h"

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

inline constexpr const char* kNothingMoreDone = "Nothing more was done.";

// The text of the box for a fault met reading or writing: the file and the
// reason, then what was done and what was not (`outcome`, one or more lines).
std::string FileFaultText(const FileFault& fault, bool writing, const std::string& outcome = kNothingMoreDone);
// The beep and the critical box.
void ReportFileFault(const FileFault& fault, bool writing, const std::string& title,
                     const std::string& outcome = kNothingMoreDone);

// Reads the file at `path` whole into `image` (a missing file holds no
// records); false, with `fault` (when given) naming the file and the reason,
// when it cannot be read.
template <class R>
bool ReadImage(records::FileImage<R>& image, const std::string& path, FileFault* fault) {
  std::string error;
  if (image.read(path, &error)) return true;
  if (fault) *fault = {path, error};
  return false;
}
// The same for the record type's own file.
template <class R>
bool ReadImage(records::FileImage<R>& image, FileFault* fault) {
  return ReadImage(image, DataFilePath<R>(), fault);
}

// Hands every record of the file at `path` to `visit`, read in blocks
// (records::RecordScan); false, with `fault` (when given) naming the file
// and the reason, when it cannot be read.
template <class R>
bool ScanFile(records::RecordScan<R>& scan, const std::string& path,
              const typename records::RecordScan<R>::Visit& visit, FileFault* fault) {
  std::string error;
  if (scan.run(path, visit, &error)) return true;
  if (fault) *fault = {path, error};
  return false;
}
// The same for the record type's own file.
template <class R>
bool ScanFile(records::RecordScan<R>& scan, const typename records::RecordScan<R>::Visit& visit, FileFault* fault) {
  return ScanFile(scan, DataFilePath<R>(), visit, fault);
}

// True when `met` is no fault; else hands it to `fault` (when given) and
// answers false.
inline bool NoFault(const FileFault& met, FileFault* fault) {
  if (met.path.empty()) return true;
  if (fault) *fault = met;
  return false;
}

// Opens the record type's file (creating a missing one empty) and reads
// record `n` into `record`. Answers whether the file held record n; a file
// that cannot be opened or read holds none and sets `fault` (when given).
template <class R>
bool ReadRecordAt(long n, R& record, FileFault* fault) {
  records::TypedFile<R> file;
  const std::string path = DataFilePath<R>();
  if (file.open(path)) {
    if (n < 1 || n > file.count()) return false;
    if (file.read(n, record)) return true;
  }
  if (fault) *fault = {path, file.error()};
  return false;
}

// Opens the record type's file (creating a missing one empty) and writes
// `record` as record `n`; false, with `fault` (when given), when the file
// cannot be opened or written.
template <class R>
bool WriteRecordAt(long n, const R& record, FileFault* fault) {
  records::TypedFile<R> file;
  const std::string path = DataFilePath<R>();
  if (file.open(path) && file.write(n, record)) return true;
  if (fault) *fault = {path, file.error()};
  return false;
}

// A data file a window loads, and the length of its records.
struct LoadedFile {
  std::string path;
  int recordLength = 0;
};
template <class R>
LoadedFile LoadedFileOf(const std::string& path = DataFilePath<R>()) {
  return {path, R::Length};
}
// Names the files among `files` that hold records past 32,767 (which the
// program never writes) in one box, after a beep: no record number or link of
// the program reaches those records, and they are left as they are. No box
// when no file holds any; nothing is written. A window calls it once as it
// loads (Form_Load), naming every file it loads. A file the window it was
// opened from (or any window under it still loaded) told already is not told
// again.
void TellUnreachableRecords(const std::vector<LoadedFile>& files);

// The slot of a new sow or boar with `id` in its record type's file, read
// once in blocks: the first free record (else the record after the last)
// and any live animal already holding the ID, and the file's record count.
// Nothing, with `fault`, when the file cannot be read.
template <class R>
std::optional<records::NewAnimalSlot> ReadNewAnimalSlot(const std::string& id, FileFault* fault = nullptr,
                                                        long* count = nullptr) {
  records::RecordScan<R> scan;
  records::NewAnimalSlotFinder<R> finder(id);
  if (!ScanFile(scan, [&finder](long n, const uint8_t* record) { finder.add(n, record); }, fault)) return std::nullopt;
  if (count) *count = scan.count();
  return finder.slot(scan.count());
}
