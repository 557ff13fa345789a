#pragma once
// The journal of a write set (common/WriteSet.h): what the files of one
// action held before it, kept on disk while the action writes them, so that
// an action cut short (the program killed, the power gone) is undone at the
// next start and every file is again as it was before the action.
//
// It is the file "TARLOWE.JNL" in the folder of the action's first file (the
// data folder), there only while an action writes. Integers are stored
// little-endian; a text is a u32 byte count, then its bytes:
//
//   "TARLOWE JOURNAL\n"                          16 bytes
//   u32 length of the body, u64 checksum of the body (64-bit FNV-1a)
//   body: text   the action's name ("PIGS OUT")
//         u32    number of files, then for each file:
//           text   its path: the name alone for a file beside the journal
//           u32    record length
//           u8     1 when the file was there before the action, 0 when the
//                  action made it
//           u64    its length before the action
//           u32    number of pieces, then for each piece:
//             u64    the byte the piece starts at
//             text   the bytes the file held there before the action
//
// The set writes and flushes the whole journal before it writes any data
// file. A journal shorter than its header says, or whose body does not match
// its checksum, was cut off while it was written: no data file had been
// written yet, and it is simply removed.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "common/DataFiles.h"

inline constexpr const char* kJournalName = "TARLOWE.JNL";

// What one file held before an action.
struct JournalFile {
  std::string path;
  int recordLength = 1;
  bool existed = true;
  long long oldLength = 0;
  struct Piece {
    long long at = 0;
    std::vector<uint8_t> old;
  };
  std::vector<Piece> pieces;  // the records the action overwrites, within the old length
};

struct Journal {
  std::string action;
  std::vector<JournalFile> files;
};

// The journal's path in the folder of `file`.
std::string JournalPathBeside(const std::string& file);

// The journal's bytes, its files named from `folder` (the journal's own,
// ending in a separator); and back. Nothing when the bytes are not a whole
// journal.
std::vector<uint8_t> EncodeJournal(const Journal& journal, const std::string& folder);
std::optional<Journal> DecodeJournal(const std::vector<uint8_t>& bytes, const std::string& folder);

// Every file of the journal put back as it was (its old bytes written again,
// cut to its old length, a file the action made removed) and flushed.
struct PutBack {
  bool changed = false;                 // some file did not hold what it held before
  std::vector<std::string> notPutBack;  // the files that could not all be put back, last first
  std::optional<FileFault> fault;       // the first reason
};
PutBack PutBackFiles(const Journal& journal);

// The journal left in `folder` by an action cut short, rolled back and
// removed: what the start-up tells the user.
struct RollBack {
  std::string action;              // the action of a whole journal found there
  bool undone = false;             // its files were put back, and some had changed
  std::optional<FileFault> fault;  // it could not be read, removed or put back: it stays
};
RollBack RollBackJournal(const std::string& folder);
