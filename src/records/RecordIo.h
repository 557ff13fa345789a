#pragma once
// Typed record files: a record type of Fields.h over a platform RecordFile.
//
//   records::TypedFile<SowRecord> sows;
//   if (!sows.open(path)) { ...report sows.error()... }
//   SowRecord rec;
//   sows.read(n, rec);
//
// FileImage reads a whole file in one call, for lists and reports that visit
// every record: a run decodes each record where it uses it, into one record
// it reuses, or reads just the field it needs from the stored bytes.
//
//   records::FileImage<SowRecord> sows;
//   if (!sows.read(path, &error)) { ...report error... }
//   SowRecord sow;
//   for (long n = 1; n <= sows.count(); ++n) { sows.decode(n, sow); ... }
//
// readAll() decodes a whole file into records, for small files.
#include <string>
#include <vector>

#include "platform/FileSystem.h"
#include "platform/RecordFile.h"
#include "records/Fields.h"

namespace records {

template <class R>
class TypedFile {
 public:
  bool open(const std::string& path) { return file_.open(path, R::Length); }
  void close() { file_.close(); }
  bool isOpen() const { return file_.isOpen(); }
  bool readOnly() const { return file_.readOnly(); }
  bool writable() { return file_.writable(); }
  long count() const { return file_.count(); }
  // Reads record n; false (the record decoded from zero bytes past the end)
  // when it cannot.
  bool read(long n, R& record) const {
    bool ok = file_.read(n, buffer_);
    decodeInto(buffer_.data(), record);
    return ok;
  }
  bool write(long n, const R& record) { return file_.write(n, encode(record)); }
  const std::string& error() const { return file_.error(); }
  platform::RecordFile& raw() { return file_; }

 private:
  platform::RecordFile file_;
  mutable Bytes buffer_;
};

// The stored bytes of a whole file of records.
template <class R>
class FileImage {
 public:
  // Reads the file in one call; a missing file reads as no records. False
  // (the image empty, `error` saying why) when the file cannot be read.
  bool read(const std::string& path, std::string* error = nullptr) {
    if (platform::readWholeFileIfAny(path, block_)) return true;
    if (error) *error = platform::lastFileError();
    return false;
  }
  // Whole records; a short tail is not counted.
  long count() const { return static_cast<long>(block_.size() / kLength); }
  // The stored bytes of record n, 1 to count().
  const uint8_t* bytes(long n) const { return block_.data() + static_cast<size_t>(n - 1) * kLength; }
  // Record n, 1 to count(), decoded into `record`; with `fields`, only those
  // fields, the others keeping what they held.
  void decode(long n, R& record) const { decodeInto(bytes(n), record); }
  void decode(long n, R& record, const FieldMask<R>& fields) const { decodeInto(bytes(n), record, fields); }

  // The image of a file that holds `rows`, for records made in memory.
  static FileImage of(const std::vector<R>& rows) {
    Bytes bytes;
    bytes.reserve(rows.size() * kLength);
    for (const R& r : rows) {
      const Bytes b = encode(r);
      bytes.insert(bytes.end(), b.begin(), b.end());
    }
    FileImage image;
    image.block_ = platform::FileBlock(bytes.data(), bytes.size());
    return image;
  }

 private:
  static constexpr size_t kLength = static_cast<size_t>(R::Length);
  platform::FileBlock block_;
};

// Every whole record of a file, in record order (record n at index n - 1). A
// missing file reads as no records; false when the file cannot be read, and
// when what has its name is no regular file (a folder, a device).
template <class R>
bool readAll(const std::string& path, std::vector<R>& out, std::string* error = nullptr) {
  FileImage<R> image;
  const bool ok = image.read(path, error);
  out.assign(static_cast<size_t>(image.count()), R{});
  for (long n = 1; n <= image.count(); ++n) image.decode(n, out[static_cast<size_t>(n - 1)]);
  return ok;
}

}  // namespace records
