#pragma once
// Typed record files: a record type of Fields.h over a platform RecordFile.
//
//   records::TypedFile<SowRecord> sows;
//   if (!sows.open(DataFolder + "SOW.DAT")) { ...report sows.error()... }
//   SowRecord rec;
//   sows.read(n, rec);
//
// readAll() reads a whole file in one pass, for lists and reports that visit
// every record.
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
    record = decode<R>(buffer_);
    return ok;
  }
  bool write(long n, const R& record) { return file_.write(n, encode(record)); }
  const std::string& error() const { return file_.error(); }
  platform::RecordFile& raw() { return file_; }

 private:
  platform::RecordFile file_;
  mutable Bytes buffer_;
};

// Every whole record of a file, in record order (record n at index n - 1). A
// missing file reads as no records; false when the file cannot be read, and
// when what has its name is no regular file (a folder, a device).
template <class R>
bool readAll(const std::string& path, std::vector<R>& out, std::string* error = nullptr) {
  out.clear();
  if (!platform::pathExists(path)) return true;
  Bytes bytes;
  if (!platform::readWholeFile(path, bytes)) {
    if (error) *error = platform::lastFileError();
    return false;
  }
  size_t n = bytes.size() / static_cast<size_t>(R::Length);
  out.reserve(n);
  for (size_t i = 0; i < n; ++i) out.push_back(decode<R>(bytes.data() + i * static_cast<size_t>(R::Length)));
  return true;
}

}  // namespace records
