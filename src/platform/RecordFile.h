#pragma once
// A random-access file of fixed-length records, numbered from 1. Record n lies
// at byte (n - 1) x length; the record count is the file length divided by the
// record length, so a short tail is never counted, and it is kept until a
// record is written over it. Opening creates a missing file empty.
#include <cstdint>
#include <string>
#include <vector>

namespace platform {

// Whether open() goes through a symbolic link by the file's name.
enum class Links { Follow, Refuse };

class RecordFile {
 public:
  RecordFile() = default;
  RecordFile(const std::string& path, int recordLength) { open(path, recordLength); }
  ~RecordFile() { close(); }
  RecordFile(const RecordFile&) = delete;
  RecordFile& operator=(const RecordFile&) = delete;
  RecordFile(RecordFile&& other) noexcept;
  RecordFile& operator=(RecordFile&& other) noexcept;

  // Opens for reading and writing, creating the file when missing; a
  // read-only or held file (readOnlyReason) opens for reading, and every
  // write to it then fails saying why. False (with error()) when it cannot
  // be opened, when what has that name is no regular file, or (Links::Refuse)
  // when the name is a symbolic link.
  bool open(const std::string& path, int recordLength, Links links = Links::Follow);
  void close();
  bool isOpen() const { return fd_ >= 0; }
  bool readOnly() const { return readOnly_; }
  // True when records may be written; else false, with error() saying why
  // (not open, read-only, held).
  bool writable();

  long count() const;  // whole records; 0 when the file is not open
  // Reads record n (1-based) into `record`, resized to the record length. A
  // record wholly or partly past the end reads as zero bytes where the file
  // has none, and the call answers false.
  bool read(long n, std::vector<uint8_t>& record) const;
  // Writes record n; n may lie past the end, which extends the file (a gap
  // reads as zero bytes). The buffer must be exactly one record long. A
  // write that fails (a full disk takes part of a record, a failing device
  // half of it) leaves the file as it was: the bytes it overwrote are put
  // back and what it added is cut off again.
  bool write(long n, const std::vector<uint8_t>& record);

  // The file's length in bytes, a short tail included; -1 when it cannot be
  // measured (error()).
  long long length() const;
  // Writes `size` bytes at byte `at`, as write() does.
  bool writeBytes(long long at, const uint8_t* data, size_t size);
  // The old bytes, to put them back: `old` gets what the file holds of the
  // `size` bytes from `at` (none past its end; false for an `at` below 0);
  // putBack writes them at `at` again. A write that may fail reads its old
  // bytes first (write() does so for its one record, a write set for every
  // record of an action).
  bool readOld(long long at, size_t size, std::vector<uint8_t>& old) const;
  bool putBack(long long at, const std::vector<uint8_t>& old);
  // Cuts the file to `length` bytes, no longer than it is.
  bool cutTo(long long length);
  // Flushes what was written to the disk.
  bool flush();

  const std::string& path() const { return path_; }
  int recordLength() const { return length_; }
  const std::string& error() const { return error_; }

 private:
  // Reads up to `size` bytes from byte `at` into `to`: the count read, fewer
  // at the end of the file; -1 (error()) when the read fails.
  long long readAt(long long at, uint8_t* to, size_t size) const;

  int fd_ = -1;
  int length_ = 0;
  bool readOnly_ = false;
  std::string whyReadOnly_;
  std::string path_;
  mutable std::string error_;
};

}  // namespace platform
