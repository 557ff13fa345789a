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
//   "TARLOWE JOURNAL3"                           16 bytes: this layout
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
//           text   the bytes the file held there before the action: those
//                  of the record within the old length, no more, no fewer
//           the record the action writes there: as many bytes as the
//                  file's record length, no count before them
//
// The set writes and flushes the whole journal before it writes any data
// file. At the start (RollBackJournal) a journal shorter than its header
// says was cut off while it was written, before any data file was touched:
// it is removed. Any other journal is checked field by field before anything
// is done: one that fails a check (its checksum too), or of another layout,
// is set aside under a name of its own and the files are left as they are.
//
// The version before wrote "TARLOWE JOURNAL2": the same layout but for each
// record, which held, after the byte it starts at, a u64 checksum (64-bit
// FNV-1a) of the record the action writes there in place of the record
// itself. Without the new bytes a record torn by a cut cannot be told from
// one changed since, so such a journal is never undone: read and checked as
// one of this layout, it names its action and files, and is set aside.
//
// A power cut may leave any of the action's writes on the disk and not the
// others, and any part of one, in any order; so may a put-back stopped part
// way. What the files hold decides, byte by byte. The action is kept when
// every record holds all the bytes the action writes and every file its new
// length. The files are put back when each byte of each record holds its old
// byte or its new one (past the file's old length: its new one or 0, or the
// file ends before it) and each file's length lies between its old and its
// new. Any other state no cut of the action can leave: the journal is set
// aside and no file touched.
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
  std::vector<uint8_t> old;      // what the file held there, within its old length
  std::vector<uint8_t> written;  // the record the action writes there
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
  enum class Is { Whole, Torn, Refused, Earlier };
  Is is = Is::Torn;
  Journal journal;  // Whole; Earlier: its action and files, its pieces without new bytes
  std::string why;  // Refused: the check it failed, in plain words
};
JournalRead DecodeJournal(const std::vector<uint8_t>& bytes);

// Removes the journal at `path` and flushes its folder, so that the removal
// lasts before the action is told stored or undone; false (lastFileError)
// when it cannot be removed.
bool RemoveJournal(const std::string& path);

// Every file of the journal in `folder` put back as it was (each record
// written gets its old bytes again, each file is cut to its old length, a
// file the action made is removed) and flushed. Stopped part way, it leaves
// each byte old or new, which the next start puts back again.
struct PutBack {
  std::vector<std::string> notPutBack;  // the files that could not all be put back, in the journal's order
  std::optional<FileFault> fault;       // the first reason
};
PutBack PutBackFiles(const Journal& journal, const std::string& folder);

// The journal left in `folder` by an action cut short, and what the start
// did with it.
struct RollBack {
  enum class Found {
    Nothing,   // no journal
    Torn,      // cut off while it was written, before any data file was touched: removed
    Stored,    // every record held what the action writes: the action is kept
    Undone,    // the files were put back as they were before the action
    SetAside,  // it failed a check, is of the earlier layout, or a file holds what no cut leaves: no file touched
    Stuck,     // a file could not be read or put back: it stays
  };
  Found found = Found::Nothing;
  std::string action;        // the action of a whole journal, or of one of the earlier layout
  std::string why;           // SetAside: the check it failed
  std::string changed;       // SetAside: the file that changed since the action, when that is why
  std::vector<std::string> files;  // SetAside, a journal of the earlier layout: the files its action writes
  std::string setAsideAs;    // SetAside: the journal's new path
  // Torn, Stored, Undone, SetAside: the journal could not be removed or set
  // aside (`fault` says why) and stays for the next start.
  bool journalStays = false;
  std::optional<FileFault> fault;  // Stuck, and a journal that stays
};
// While the journal of a whole action stays (Stuck, or Stored and Undone
// with journalStays), every file it names is held (HoldFilesOf): no write of
// this run changes one, so the next start finds them as this one left them.
RollBack RollBackJournal(const std::string& folder);

// Holds the files of `journal` in `folder` (platform::holdFiles), telling
// each refused write that the action waits to be undone (`onlyItsJournal`:
// the files are stored or put back, and its journal waits to be removed).
void HoldFilesOf(const Journal& journal, const std::string& folder, bool onlyItsJournal = false);
// Why no action that writes several files is stored while the journal at
// `path` is there, as the start finds it (an action waits to be undone, or
// its journal to be removed, or a journal it cannot use, of another layout
// or of files changed since, to be set aside): the words that follow
// "cannot write <journal>: ".
std::string WhyJournalWaits(const std::string& path);
