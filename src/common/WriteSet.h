#pragma once
// The writes of one action to one or more record files, all or none. Every
// file the action writes is opened for writing first, so a read-only file or
// a folder by its name stops the action before anything is written; each
// record keeps its old bytes and each file its old length before its first
// write, and when a write fails (a full disk, a failing device) every file is
// put back as it was: the records written get their old bytes again and the
// files are cut back to their old lengths (a file the set made is removed).
//
//   WriteSet set;
//   WriteSet::File<SalesRecord> sales = set.open<SalesRecord>(DataFilePath<SalesRecord>());
//   WriteSet::File<GroupRecord> groups = set.open<GroupRecord>(DataFilePath<GroupRecord>());
//   sales.write(n, row);        // each write does nothing once the set has failed
//   groups.write(m, group);
//   if (!set.keep()) return set.report(kTitle);   // the box: the file, why, what was done
//
// A set that is neither kept nor failed puts its files back when it goes.
// An action writes the records that lengthen a file before those it rewrites
// in place: a full disk then stops it before anything is overwritten.
#include <memory>
#include <optional>
#include <string>
#include <unordered_set>
#include <utility>
#include <vector>

#include "common/DataFiles.h"
#include "platform/RecordFile.h"
#include "records/Fields.h"

class WriteSet {
 public:
  WriteSet() = default;
  ~WriteSet();
  WriteSet(const WriteSet&) = delete;
  WriteSet& operator=(const WriteSet&) = delete;

  // One file of the set, for records of type R.
  template <class R>
  class File {
   public:
    // Writes record n (n may lie past the end); false once the set failed.
    bool write(long n, const R& record) { return set_->write(index_, n, records::encode(record)); }
    bool writeBytes(long n, const records::Bytes& bytes) { return set_->write(index_, n, bytes); }
    // Writes each (record number, record) in turn.
    bool write(const std::vector<std::pair<long, R>>& rows) {
      for (const auto& [n, record] : rows)
        if (!write(n, record)) return false;
      return true;
    }
    // Whole records as the file holds them now.
    long count() const { return set_->count(index_); }

   private:
    friend class WriteSet;
    File(WriteSet* set, size_t index) : set_(set), index_(index) {}
    WriteSet* set_;
    size_t index_;
  };

  // Opens the file at `path` for writing, making a missing one. When it
  // cannot be written the set fails (fault()) and writes nothing.
  template <class R>
  File<R> open(const std::string& path) {
    return File<R>(this, open(path, R::Length));
  }

  bool failed() const { return fault_.has_value(); }
  // The file that stopped the set, and why.
  const FileFault& fault() const { return *fault_; }
  // Ends the set: true when every write was made, and they stay; false when
  // the set failed, its files then being as they were before it.
  bool keep();
  // Puts every file back as it was before the set.
  void undo();
  // What the box of a failed set says was done: `undone` when every file is
  // back as it was, else the files that could not all be put back.
  std::string outcome(const std::string& undone = kNothingMoreDone) const;
  // The critical box of a failed set (ReportFileFault with its outcome).
  void report(const std::string& title, const std::string& undone = kNothingMoreDone) const;

 private:
  struct Entry {
    platform::RecordFile file;
    std::string path;
    long long oldLength = 0;
    bool existed = true;
    std::unordered_set<long> kept;                             // records whose old bytes are held
    std::vector<std::pair<long long, records::Bytes>> before;  // byte offset, old bytes within the old length
  };
  size_t open(const std::string& path, int recordLength);
  bool write(size_t file, long n, const records::Bytes& bytes);
  long count(size_t file) const;
  void fail(const Entry& entry, const std::string& why);

  std::vector<std::unique_ptr<Entry>> files_;
  std::optional<FileFault> fault_;
  std::vector<std::string> notPutBack_;
  bool ended_ = false;
};
