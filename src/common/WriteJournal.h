#pragma once
// The journal of a write set (common/WriteSet.h): what the files of one
// action held before it and what the action writes, kept on disk while the
// action writes them, so that at the next start an action cut short (the
// program killed, the power gone) is either found whole and kept, or undone
// so that every file is again as it was before the action.
//
// It is the file "TARLOWE.JNL" in the data folder, beside the action's
// files, there only while an action writes. Integers are stored
// little-endian; a text is a u32 byte count, then its bytes:
//
//   "TARLOWE JOURNAL2"                           16 bytes: this layout
//   u32 length of the body, u64 checksum of the body (64-bit FNV-1a)
//   body: text   the action's name ("PIGS OUT"), printable, at most 40 bytes
//         u8     number of files (1 to 9), then for each file:
//           text   its name alone, one a write set writes (JournalRecordLength)
//           u32    record length, that of the file's kind
//           u8     1 when the file was there before the action, 0 when the
//                  action makes it
//           u64    its length before the action (0 for a file it makes)
//           u64    its length after it: the old length, or the end of its
//                  furthest record written when that lies past it
//         u32    number of pieces (records written), then each, in the
//                order the action writes them:
//           u8     its file (0 for the first above)
//           u64    the byte it starts at: a record's first byte, of a
//                  record numbered at most 32,767
//           u64    the checksum (64-bit FNV-1a) of the record the action
//                  writes there
//           text   the bytes the file held there before the action: those
//                  of the record within the old length, no more, no fewer
//
// The set writes and flushes the whole journal before it writes any data
// file. At the start (RollBackJournal) a journal cut off while it was
// written (shorter than its header says, or its body not matching its
// checksum) is removed: no data file had been written yet. Any other journal
// is checked field by field before anything is done: one that fails a check,
// or of another layout, is set aside under a name of its own and the files
// are left as they are.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "common/DataFiles.h"

inline constexpr const char* kJournalName = "TARLOWE.JNL";

// One file an action writes.
struct JournalFile {
  std::string name;  // alone, in the journal's folder
  int recordLength = 1;
  bool existed = true;
  long long oldLength = 0;
  long long newLength = 0;
};

// One record an action writes.
struct JournalPiece {
  size_t file = 0;  // its file's place in Journal::files
  long long at = 0;
  uint64_t newSum = 0;       // JournalChecksum of the bytes written there
  std::vector<uint8_t> old;  // what the file held there, within its old length
};

struct Journal {
  std::string action;
  std::vector<JournalFile> files;
  std::vector<JournalPiece> pieces;  // in the order written
};

// The record length of the data file `name` when a journal may name it (a
// file some write set writes: SOW.DAT, FARROW.DAT, BOAR.DAT, GROUP.DAT,
// SALES.DAT, DRUG.LST, FEED.LST, MED<yyyy>.DAT, FEED<yyyy>.DAT); else 0.
int JournalRecordLength(const std::string& name);
uint64_t JournalChecksum(const uint8_t* bytes, size_t size);

// The journal's bytes, and back.
std::vector<uint8_t> EncodeJournal(const Journal& journal);
struct JournalRead {
  enum class Is { Whole, Torn, Refused };
  Is is = Is::Torn;
  Journal journal;  // Whole
  std::string why;  // Refused: the check it failed, in plain words
};
JournalRead DecodeJournal(const std::vector<uint8_t>& bytes);

// Removes the journal at `path` and flushes its folder, so that the removal
// lasts before the action is told stored or undone; false (lastFileError)
// when it cannot be removed.
bool RemoveJournal(const std::string& path);

// Every file of the journal in `folder` put back as it was (the records
// written get their old bytes again in the reverse of the order written,
// each file is cut to its old length, a file the action made is removed)
// and flushed.
struct PutBack {
  bool changed = false;                 // some file did not hold what it held before
  std::vector<std::string> notPutBack;  // the files that could not all be put back, last first
  std::optional<FileFault> fault;       // the first reason
};
PutBack PutBackFiles(const Journal& journal, const std::string& folder);

// The journal left in `folder` by an action cut short, and what the start
// did with it.
struct RollBack {
  enum class Found {
    Nothing,   // no journal
    Torn,      // cut off while it was written: removed
    Stored,    // every record held what the action writes: the action is kept, the journal removed
    Undone,    // the files were put back as they were before the action, the journal removed
    SetAside,  // it failed a check, or a file changed since: set aside, no file touched
    Stuck,     // it could not be read, removed or set aside, or a file put back: it stays
  };
  Found found = Found::Nothing;
  std::string action;        // the action of a whole journal
  std::string why;           // SetAside: the check it failed
  std::string changed;       // SetAside: the file that changed since the action, when that is why
  std::string setAsideAs;    // SetAside: the journal's new path
  std::optional<FileFault> fault;  // Stuck
};
// While a journal stays (Stuck), every file it names is held
// (platform::holdFiles): no write of this run changes one.
RollBack RollBackJournal(const std::string& folder);
