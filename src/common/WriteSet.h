#pragma once
// The writes of one action to one or more data files of one folder, all or
// none, even across a power cut. Every file the action writes is opened for
// writing first, so a read-only file, a folder or a link by its name stops
// the action before anything is written; so does a file no journal may name
// (JournalRecordLength) or one in another folder than the first. The writes
// are held until the set is committed; then the set writes each record's old
// bytes and its new ones, and each file's old and new length,
// to its journal beside the files (common/WriteJournal.h), flushed to the
// disk, writes the records in the order given, flushes the files, removes
// the journal and flushes the folder. When a write fails (a full disk, a
// failing device) every file is put back as it was from the journal: the
// records written get their old bytes again and the files are cut back to
// their old lengths (a file the set made is removed). When the program stops
// in the middle, the journal left behind puts the files back at the next
// start, or keeps the action there when every record was written.
//
//   WriteSet set("PIGS OUT");   // the action, as the user knows it
//   WriteSet::File<SalesRecord> sales = set.open<SalesRecord>(DataFilePath<SalesRecord>());
//   WriteSet::File<GroupRecord> groups = set.open<GroupRecord>(DataFilePath<GroupRecord>());
//   sales.write(n, row);        // each write does nothing once the set has failed
//   groups.write(m, group);
//   if (!set.commit()) return set.report(kTitle);   // the box: the file, why, what was done
//
// A set that is not committed writes nothing. A record written twice is
// written once, with its last bytes, in the place of its first write. An
// action writes the records that lengthen a file before those it rewrites in
// place: a full disk then stops it before anything is overwritten.
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "common/DataFiles.h"
#include "common/WriteJournal.h"
#include "platform/RecordFile.h"
#include "records/Fields.h"

class WriteSet {
 public:
  // An action's name in the words of its window ("NEW FARROW RECORD"), which
  // the start-up names when it undoes the action.
  WriteSet() = default;
  explicit WriteSet(std::string action) : action_(std::move(action)) {}
  WriteSet(const WriteSet&) = delete;
  WriteSet& operator=(const WriteSet&) = delete;

  // One file of the set, for records of type R.
  template <class R>
  class File {
   public:
    // Writes record n (1 to 32,767; it may lie past the end) when the set is
    // committed; false once the set failed.
    bool write(long n, const R& record) { return set_->write(index_, n, records::encode(record)); }
    bool writeBytes(long n, const records::Bytes& bytes) { return set_->write(index_, n, bytes); }
    // Writes each (record number, record) in turn.
    bool write(const std::vector<std::pair<long, R>>& rows) {
      for (const auto& [n, record] : rows)
        if (!write(n, record)) return false;
      return true;
    }
    // Whole records as the file holds them before the set's writes.
    long count() const { return set_->count(index_); }

   private:
    friend class WriteSet;
    File(WriteSet* set, size_t index) : set_(set), index_(index) {}
    WriteSet* set_;
    size_t index_;
  };

  // Opens the file at `path` for writing; a missing file is made when the set
  // is committed. When it cannot be written the set fails (fault()) and
  // writes nothing.
  template <class R>
  File<R> open(const std::string& path) {
    return File<R>(this, open(path, R::Length));
  }

  bool failed() const { return fault_.has_value(); }
  // The file that stopped the set, and why.
  const FileFault& fault() const { return *fault_; }
  // Ends the set: true when every write was made, and they stay; false when
  // the set failed, its files then being as they were before it.
  bool commit();
  // What the box of a failed set says was done: `undone` when every file is
  // back as it was, else the files that could not all be put back (which the
  // next start puts back).
  std::string outcome(const std::string& undone = kNothingMoreDone) const;
  // The critical box of a failed set (ReportFileFault with its outcome).
  void report(const std::string& title, const std::string& undone = kNothingMoreDone) const;

 private:
  struct Entry {
    platform::RecordFile file;
    std::string path;
    int recordLength = 0;
    long long oldLength = 0;
    bool existed = true;
  };
  struct Write {
    size_t file;
    long n;
    records::Bytes bytes;
  };
  size_t open(const std::string& path, int recordLength);
  bool write(size_t file, long n, const records::Bytes& bytes);
  long count(size_t file) const;
  // The journal of the held writes: every file's old and new length, the
  // old bytes of each record written within the old length and its new
  // ones. False when a record cannot be read (the set then
  // failed).
  bool fillJournal();
  // Writes the records; false at the first file that fails.
  bool writeAll();
  // The set stops at `fault`, nothing written yet.
  bool stop(const FileFault& fault);
  // The set stops at `fault` after it began writing: the files are put back
  // from the journal, which goes once they all are; until then it holds
  // them (HoldFilesOf).
  bool putBack(const FileFault& fault);
  void closeAll();

  std::string action_;
  std::vector<std::unique_ptr<Entry>> files_;
  std::vector<Write> writes_;
  std::map<std::pair<size_t, long>, size_t> written_;  // each (file, record) held, and its place in writes_
  Journal journal_;
  std::string journalPath_;
  std::optional<FileFault> fault_;
  std::vector<std::string> notPutBack_;
  bool ended_ = false;
};
