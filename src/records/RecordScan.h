#pragma once
// A run over every record of a file too large to hold whole (BOAR.DAT is
// 35.5 MB at record 32,767): the file is read in blocks of whole records into
// one buffer, reused block after block, and each record is handed on with
// its number while its block is in the buffer.
//
//   records::RecordScan<BoarRecord> boars;
//   BoarRecord boar;
//   const bool read = boars.run(path, [&](long n, const uint8_t* bytes) {
//     records::decodeInto(bytes, boar);
//     ...
//   }, &error);
#include <algorithm>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/FileSystem.h"

namespace records {

template <class R>
class RecordScan {
 public:
  using Visit = std::function<void(long record, const uint8_t* bytes)>;

  // Hands each whole record of the file at `path` to `visit`, in record
  // order; a short tail is not a record, and a missing file holds none.
  // False (`error` saying why) when the file cannot be read: the records
  // before the fault were visited.
  bool run(const std::string& path, const Visit& visit, std::string* error = nullptr) {
    count_ = 0;
    last_ = nullptr;
    // Every block but the last holds whole records only.
    const auto records = [&](const uint8_t* bytes, size_t size) {
      for (size_t at = 0; at + kLength <= size; at += kLength) {
        last_ = bytes + at;
        visit(++count_, last_);
      }
    };
    const bool read = platform::readFileInBlocks(path, buffer_, kBlockRecords * kLength, records);
    if (!read && error) *error = platform::lastFileError();
    return read;
  }
  // The whole records the last run visited.
  long count() const { return count_; }
  // The stored bytes of the last record the last run visited, still in the
  // buffer after a run that read the whole file; nullptr when it visited
  // none.
  const uint8_t* last() const { return last_; }

 private:
  static constexpr size_t kLength = static_cast<size_t>(R::Length);
  // About 64 KB a block, at least two records, so that a short tail read
  // into the buffer never reaches the last whole record before it.
  static constexpr size_t kBlockRecords = std::max<size_t>(2, 65536 / kLength);
  std::vector<uint8_t> buffer_;
  long count_ = 0;
  const uint8_t* last_ = nullptr;
};

}  // namespace records
