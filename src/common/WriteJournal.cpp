#include "common/WriteJournal.h"

#include <cstring>

#include "common/Paths.h"
#include "platform/FileSystem.h"
#include "platform/RecordFile.h"
#include "records/Fields.h"

namespace {

constexpr char kMagic[] = "TARLOWE JOURNAL\n";
constexpr size_t kMagicLength = sizeof kMagic - 1;
constexpr size_t kHeaderLength = kMagicLength + 4 + 8;

uint64_t checksum(const uint8_t* bytes, size_t size) {
  uint64_t hash = 14695981039346656037ull;
  for (size_t i = 0; i < size; ++i) hash = (hash ^ bytes[i]) * 1099511628211ull;
  return hash;
}

// Appends little-endian integers and counted texts.
struct Writer {
  std::vector<uint8_t> out;
  void u8(uint8_t v) { out.push_back(v); }
  void u32(uint32_t v) {
    out.resize(out.size() + 4);
    records::putI32(out.data() + out.size() - 4, static_cast<int32_t>(v));
  }
  void u64(uint64_t v) {
    out.resize(out.size() + 8);
    records::putI64(out.data() + out.size() - 8, static_cast<int64_t>(v));
  }
  void bytes(const uint8_t* p, size_t size) {
    u32(static_cast<uint32_t>(size));
    out.insert(out.end(), p, p + size);
  }
  void text(const std::string& s) { bytes(reinterpret_cast<const uint8_t*>(s.data()), s.size()); }
};

// Reads what Writer wrote; `ok` turns false at the first read past the end.
struct Reader {
  const uint8_t* at;
  const uint8_t* end;
  bool ok = true;
  bool has(size_t n) {
    ok = ok && static_cast<size_t>(end - at) >= n;
    return ok;
  }
  uint8_t u8() { return has(1) ? *at++ : 0; }
  uint32_t u32() {
    if (!has(4)) return 0;
    const auto v = static_cast<uint32_t>(records::getI32(at));
    at += 4;
    return v;
  }
  uint64_t u64() {
    if (!has(8)) return 0;
    const auto v = static_cast<uint64_t>(records::getI64(at));
    at += 8;
    return v;
  }
  std::vector<uint8_t> bytes() {
    const uint32_t size = u32();
    if (!has(size)) return {};
    std::vector<uint8_t> v(at, at + size);
    at += size;
    return v;
  }
  std::string text() {
    const std::vector<uint8_t> v = bytes();
    return std::string(v.begin(), v.end());
  }
};

// One file of the journal put back; false, with the reason, when it cannot
// all be.
bool putBackFile(const JournalFile& f, bool& changed, std::string& why) {
  if (!f.existed) {
    if (!platform::pathExists(f.path)) return true;
    changed = true;
    if (platform::deleteFile(f.path)) return true;
    why = platform::lastFileError();
    return false;
  }
  if (!platform::pathExists(f.path)) {
    why = "cannot open " + f.path + ": No such file or directory";
    return false;
  }
  platform::RecordFile file;
  if (!file.open(f.path, f.recordLength) || !file.writable()) {
    why = file.error();
    return false;
  }
  const long long length = file.length();
  bool back = length >= 0;
  if (length != f.oldLength) changed = true;
  back = back && file.cutTo(f.oldLength);
  std::vector<uint8_t> now;
  for (auto piece = f.pieces.rbegin(); back && piece != f.pieces.rend(); ++piece) {
    back = file.keep(piece->at, piece->old.size(), now);
    if (back && now == piece->old) continue;
    changed = true;
    back = back && file.putBack(piece->at, piece->old);
  }
  back = back && file.flush();
  if (!back) why = file.error();
  return back;
}

}  // namespace

std::string JournalPathBeside(const std::string& file) { return FolderPart(file) + kJournalName; }

std::vector<uint8_t> EncodeJournal(const Journal& journal, const std::string& folder) {
  Writer body;
  body.text(journal.action);
  body.u32(static_cast<uint32_t>(journal.files.size()));
  for (const JournalFile& f : journal.files) {
    const bool beside = FolderPart(f.path) == folder;
    body.text(beside ? f.path.substr(folder.size()) : f.path);
    body.u32(static_cast<uint32_t>(f.recordLength));
    body.u8(f.existed ? 1 : 0);
    body.u64(static_cast<uint64_t>(f.oldLength));
    body.u32(static_cast<uint32_t>(f.pieces.size()));
    for (const JournalFile::Piece& p : f.pieces) {
      body.u64(static_cast<uint64_t>(p.at));
      body.bytes(p.old.data(), p.old.size());
    }
  }
  Writer whole;
  whole.out.assign(kMagic, kMagic + kMagicLength);
  whole.u32(static_cast<uint32_t>(body.out.size()));
  whole.u64(checksum(body.out.data(), body.out.size()));
  whole.out.insert(whole.out.end(), body.out.begin(), body.out.end());
  return whole.out;
}

std::optional<Journal> DecodeJournal(const std::vector<uint8_t>& bytes, const std::string& folder) {
  if (bytes.size() < kHeaderLength || std::memcmp(bytes.data(), kMagic, kMagicLength) != 0) return std::nullopt;
  Reader header{bytes.data() + kMagicLength, bytes.data() + kHeaderLength};
  const uint32_t length = header.u32();
  const uint64_t sum = header.u64();
  const uint8_t* body = bytes.data() + kHeaderLength;
  if (bytes.size() - kHeaderLength != length || checksum(body, length) != sum) return std::nullopt;
  Reader in{body, body + length};
  Journal journal;
  journal.action = in.text();
  const uint32_t files = in.u32();
  for (uint32_t i = 0; in.ok && i < files; ++i) {
    JournalFile f;
    f.path = in.text();
    if (f.path.find('/') == std::string::npos) f.path = folder + f.path;
    f.recordLength = static_cast<int>(in.u32());
    f.existed = in.u8() != 0;
    f.oldLength = static_cast<long long>(in.u64());
    const uint32_t pieces = in.u32();
    for (uint32_t k = 0; in.ok && k < pieces; ++k) {
      JournalFile::Piece p;
      p.at = static_cast<long long>(in.u64());
      p.old = in.bytes();
      f.pieces.push_back(std::move(p));
    }
    journal.files.push_back(std::move(f));
  }
  if (!in.ok || in.at != in.end) return std::nullopt;
  return journal;
}

PutBack PutBackFiles(const Journal& journal) {
  PutBack result;
  for (auto f = journal.files.rbegin(); f != journal.files.rend(); ++f) {
    std::string why;
    if (putBackFile(*f, result.changed, why)) continue;
    result.notPutBack.push_back(f->path);
    if (!result.fault) result.fault = FileFault{f->path, why};
  }
  return result;
}

RollBack RollBackJournal(const std::string& folder) {
  RollBack result;
  const std::string path = WithSeparator(folder) + kJournalName;
  if (!platform::pathExists(path)) return result;
  std::vector<uint8_t> bytes;
  if (!platform::readWholeFile(path, bytes)) {
    result.fault = FileFault{path, platform::lastFileError()};
    return result;
  }
  if (const std::optional<Journal> journal = DecodeJournal(bytes, WithSeparator(folder))) {
    result.action = journal->action;
    const PutBack back = PutBackFiles(*journal);
    if (back.fault) {
      result.fault = back.fault;
      return result;
    }
    result.undone = back.changed;
  }
  if (!platform::deleteFile(path)) result.fault = FileFault{path, platform::lastFileError()};
  return result;
}
