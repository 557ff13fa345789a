#include "common/WriteJournal.h"

#include <algorithm>
#include <cstring>
#include <set>

#include "common/Paths.h"
#include "platform/FileSystem.h"
#include "platform/RecordFile.h"
#include "records/BoarRecord.h"
#include "records/DrugRecord.h"
#include "records/FarrowRecord.h"
#include "records/FeedBatchRecord.h"
#include "records/Fields.h"
#include "records/GroupRecord.h"
#include "records/IngredientRecord.h"
#include "records/MedicationRecord.h"
#include "records/RecordSlots.h"
#include "records/SalesRecord.h"
#include "records/SowRecord.h"

namespace {

constexpr char kMagic[] = "TARLOWE JOURNAL3";
// The layout the version before wrote: the same but for each record, where
// it kept a u64 checksum of the new bytes, after the byte it starts at, in
// place of the bytes themselves.
constexpr char kEarlierMagic[] = "TARLOWE JOURNAL2";
constexpr size_t kMagicLength = sizeof kMagic - 1;
constexpr size_t kHeaderLength = kMagicLength + 4 + 8;
constexpr size_t kMaxActionLength = 40;

// The kinds of data file a write set writes: a name, or for the files of a
// year the name's start, then four digits and ".DAT".
struct Kind {
  const char* name;
  int recordLength;
  bool ofAYear;
};
constexpr Kind kKinds[] = {
    {SowRecord::FileName, SowRecord::Length, false},
    {FarrowRecord::FileName, FarrowRecord::Length, false},
    {BoarRecord::FileName, BoarRecord::Length, false},
    {GroupRecord::FileName, GroupRecord::Length, false},
    {SalesRecord::FileName, SalesRecord::Length, false},
    {DrugRecord::FileName, DrugRecord::Length, false},
    {IngredientRecord::FileName, IngredientRecord::Length, false},
    {"MED", MedicationRecord::Length, true},
    {"FEED", FeedBatchRecord::Length, true},
};
constexpr size_t kKindCount = sizeof kKinds / sizeof kKinds[0];

// Bytes of a piece besides its old and new bytes: its file, byte and count.
constexpr size_t kPieceFields = 1 + 8 + 4;

// The longest journal a write set writes: one file of each kind, each of its
// records written once (a name takes at most 12 bytes).
constexpr size_t maxJournalLength() {
  size_t length = kHeaderLength + 4 + kMaxActionLength + 1 + 4;
  for (const Kind& kind : kKinds)
    length += (4 + 12 + 4 + 1 + 8 + 8) +
              static_cast<size_t>(records::kMaxRecordNumber) * (kPieceFields + 2 * static_cast<size_t>(kind.recordLength));
  return length;
}
constexpr size_t kMaxJournalLength = maxJournalLength();

// The place in kKinds of the file `name`; kKindCount when no write set
// writes a file of that name.
size_t kindOf(const std::string& name) {
  for (size_t k = 0; k < kKindCount; ++k) {
    const std::string start = kKinds[k].name;
    if (!kKinds[k].ofAYear) {
      if (name == start) return k;
      continue;
    }
    if (name.size() != start.size() + 8 || name.compare(0, start.size(), start) != 0 ||
        name.compare(start.size() + 4, 4, ".DAT") != 0)
      continue;
    if (std::all_of(name.begin() + static_cast<long>(start.size()), name.begin() + static_cast<long>(start.size()) + 4,
                    [](char c) { return c >= '0' && c <= '9'; }))
      return k;
  }
  return kKindCount;
}

bool printable(const std::string& text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return c >= ' ' && c <= '~'; });
}

// A text read from a journal as a box may show it: printable, at most 40
// characters.
std::string shown(const std::string& text) {
  std::string out = text.substr(0, kMaxActionLength);
  for (char& c : out)
    if (c < ' ' || c > '~') c = '?';
  return out;
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
  void raw(const std::vector<uint8_t>& v) { out.insert(out.end(), v.begin(), v.end()); }
  void bytes(const std::vector<uint8_t>& v) {
    u32(static_cast<uint32_t>(v.size()));
    raw(v);
  }
  void text(const std::string& s) { bytes({s.begin(), s.end()}); }
};

// Reads what Writer wrote; `ok` turns false at the first read past the end.
struct Reader {
  const uint8_t* at;
  const uint8_t* end;
  bool ok = true;
  size_t left() const { return static_cast<size_t>(end - at); }
  bool has(size_t n) {
    ok = ok && left() >= n;
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
  std::vector<uint8_t> raw(size_t size) {
    if (!has(size)) return {};
    std::vector<uint8_t> v(at, at + size);
    at += size;
    return v;
  }
  std::vector<uint8_t> bytes() { return raw(u32()); }
  std::string text() {
    const std::vector<uint8_t> v = bytes();
    return std::string(v.begin(), v.end());
  }
};

JournalRead refused(const std::string& why) { return {JournalRead::Is::Refused, {}, why}; }

// The files and pieces of a journal's body checked field by field; the
// check each fails, in plain words; "" when all pass. A body of the earlier
// layout gives its pieces no new bytes.
std::string checkBody(Reader& in, Journal& journal, bool earlier) {
  const std::string pastTheEnd = "it counts more than it holds";
  journal.action = in.text();
  if (!in.ok) return pastTheEnd;
  if (journal.action.size() > kMaxActionLength || !printable(journal.action))
    return "the name of its action is not a short plain text";
  const uint8_t files = in.u8();
  if (files < 1 || files > kKindCount) return "it names no file, or more than an action writes";
  std::set<size_t> kinds;
  for (uint8_t i = 0; i < files; ++i) {
    JournalFile f;
    f.name = in.text();
    const uint32_t recordLength = in.u32();
    const uint8_t existed = in.u8();
    const uint64_t oldLength = in.u64();
    const uint64_t newLength = in.u64();
    if (!in.ok) return pastTheEnd;
    const size_t kind = kindOf(f.name);
    if (kind == kKindCount) return "it names a file that no action writes in the data folder: " + shown(f.name);
    if (!kinds.insert(kind).second) return "it names two files of one kind: " + shown(f.name);
    if (recordLength != static_cast<uint32_t>(kKinds[kind].recordLength))
      return "its record length for " + f.name + " is not that of the file";
    if (existed > 1 || oldLength > static_cast<uint64_t>(INT64_MAX) || newLength > static_cast<uint64_t>(INT64_MAX) ||
        (existed == 0 && oldLength != 0))
      return "its lengths of " + f.name + " are not possible";
    f.recordLength = static_cast<int>(recordLength);
    f.existed = existed == 1;
    f.oldLength = static_cast<long long>(oldLength);
    f.newLength = static_cast<long long>(newLength);
    journal.files.push_back(std::move(f));
  }
  const uint32_t pieces = in.u32();
  if (!in.ok) return pastTheEnd;
  if (pieces > in.left() / kPieceFields) return "it counts more records than it holds";
  std::vector<long long> furthest(journal.files.size());
  std::set<std::pair<size_t, long long>> seen;
  for (uint32_t k = 0; k < pieces; ++k) {
    JournalPiece p;
    p.file = in.u8();
    const uint64_t at = in.u64();
    if (earlier) in.u64();
    p.old = in.bytes();
    if (!in.ok) return pastTheEnd;
    if (p.file >= journal.files.size()) return "a record of it names no file of it";
    const JournalFile& f = journal.files[p.file];
    if (!earlier) p.written = in.raw(static_cast<size_t>(f.recordLength));
    if (!in.ok) return pastTheEnd;
    const uint64_t length = static_cast<uint64_t>(f.recordLength);
    if (at % length != 0 || at / length >= static_cast<uint64_t>(records::kMaxRecordNumber))
      return "a record of " + f.name + " lies where no record can";
    p.at = static_cast<long long>(at);
    const long long within = std::clamp<long long>(f.oldLength - p.at, 0, f.recordLength);
    if (p.old.size() != static_cast<size_t>(within))
      return "the old bytes of a record of " + f.name + " are not those within its old length";
    if (!seen.insert({p.file, p.at}).second) return "it names a record of " + f.name + " twice";
    furthest[p.file] = std::max(furthest[p.file], p.at + f.recordLength);
    journal.pieces.push_back(std::move(p));
  }
  for (size_t i = 0; i < journal.files.size(); ++i) {
    const JournalFile& f = journal.files[i];
    if (f.newLength != std::max(f.oldLength, furthest[i])) return "its lengths of " + f.name + " are not possible";
  }
  if (in.at != in.end) return "it holds more than it counts";
  return "";
}

}  // namespace

int JournalRecordLength(const std::string& name) {
  const size_t kind = kindOf(name);
  return kind == kKindCount ? 0 : kKinds[kind].recordLength;
}

uint64_t JournalChecksum(const uint8_t* bytes, size_t size) {
  uint64_t hash = 14695981039346656037ull;
  for (size_t i = 0; i < size; ++i) hash = (hash ^ bytes[i]) * 1099511628211ull;
  return hash;
}

std::vector<uint8_t> EncodeJournal(const Journal& journal) {
  Writer body;
  body.text(journal.action);
  body.u8(static_cast<uint8_t>(journal.files.size()));
  for (const JournalFile& f : journal.files) {
    body.text(f.name);
    body.u32(static_cast<uint32_t>(f.recordLength));
    body.u8(f.existed ? 1 : 0);
    body.u64(static_cast<uint64_t>(f.oldLength));
    body.u64(static_cast<uint64_t>(f.newLength));
  }
  body.u32(static_cast<uint32_t>(journal.pieces.size()));
  for (const JournalPiece& p : journal.pieces) {
    body.u8(static_cast<uint8_t>(p.file));
    body.u64(static_cast<uint64_t>(p.at));
    body.bytes(p.old);
    body.raw(p.written);
  }
  Writer whole;
  whole.out.assign(kMagic, kMagic + kMagicLength);
  whole.u32(static_cast<uint32_t>(body.out.size()));
  whole.u64(JournalChecksum(body.out.data(), body.out.size()));
  whole.out.insert(whole.out.end(), body.out.begin(), body.out.end());
  return whole.out;
}

JournalRead DecodeJournal(const std::vector<uint8_t>& bytes) {
  // A journal is written from its first byte on: one cut off within its
  // first bytes begins as this layout does.
  const size_t start = std::min(bytes.size(), kMagicLength);
  const bool earlier = start == kMagicLength && std::memcmp(bytes.data(), kEarlierMagic, kMagicLength) == 0;
  if (!earlier && start > 0 && std::memcmp(bytes.data(), kMagic, start) != 0)
    return refused("it is not a journal of the layout this version of the program writes");
  if (bytes.size() > kMaxJournalLength) return refused("it is longer than any journal the program writes");
  if (bytes.size() < kHeaderLength) return {};
  Reader header{bytes.data() + kMagicLength, bytes.data() + kHeaderLength};
  const uint32_t length = header.u32();
  const uint64_t sum = header.u64();
  const uint8_t* body = bytes.data() + kHeaderLength;
  // It is flushed whole before any data file is written: one of its full
  // length that does not match its checksum was damaged after that.
  if (bytes.size() - kHeaderLength < length) return {};
  if (bytes.size() - kHeaderLength > length || JournalChecksum(body, length) != sum)
    return refused("it is damaged: what it holds does not match its checksum");
  Reader in{body, body + length};
  JournalRead read{JournalRead::Is::Whole, {}, ""};
  read.why = checkBody(in, read.journal, earlier);
  if (!read.why.empty()) return refused(read.why);
  if (earlier) read.is = JournalRead::Is::Earlier;
  return read;
}

bool RemoveJournal(const std::string& path) {
  if (!platform::deleteFile(path)) return false;
  platform::flushFolderOf(path);
  return true;
}

PutBack PutBackFiles(const Journal& journal, const std::string& folder) {
  PutBack result;
  const size_t count = journal.files.size();
  std::vector<platform::RecordFile> files(count);
  std::vector<std::string> why(count);
  std::vector<bool> present(count);
  for (size_t i = 0; i < count; ++i) {
    const JournalFile& f = journal.files[i];
    const std::string path = folder + f.name;
    present[i] = platform::pathExists(path);
    if (!f.existed) continue;
    if (!present[i])
      why[i] = "cannot open " + path + ": No such file or directory";
    else if (!files[i].open(path, f.recordLength, platform::Links::Refuse) || !files[i].writable())
      why[i] = files[i].error();
  }
  std::vector<uint8_t> now;
  for (const JournalPiece& p : journal.pieces) {
    platform::RecordFile& file = files[p.file];
    if (!file.isOpen() || !why[p.file].empty()) continue;
    const bool read = file.readOld(p.at, p.old.size(), now);
    if (read && now == p.old) continue;
    if (!read || !file.putBack(p.at, p.old)) why[p.file] = file.error();
  }
  for (size_t i = 0; i < count; ++i) {
    const JournalFile& f = journal.files[i];
    const std::string path = folder + f.name;
    platform::RecordFile& file = files[i];
    if (!f.existed && present[i]) {
      if (!platform::deleteFile(path)) why[i] = platform::lastFileError();
    } else if (f.existed && why[i].empty()) {
      if (!file.cutTo(f.oldLength) || !file.flush()) why[i] = file.error();
    }
    if (why[i].empty()) continue;
    result.notPutBack.push_back(path);
    if (!result.fault) result.fault = FileFault{path, why[i]};
  }
  return result;
}

void HoldFilesOf(const Journal& journal, const std::string& folder, bool onlyItsJournal) {
  std::vector<std::string> held;
  for (const JournalFile& f : journal.files) held.push_back(folder + f.name);
  const std::string action = journal.action.empty() ? "CHANGE" : journal.action;
  platform::holdFiles(held, (onlyItsJournal ? "the journal of the last " + action + " waits to be removed"
                                            : "the last " + action + " waits to be undone") +
                                ": nothing is stored in this file until then (the program tries again at each "
                                "start; make the data folder and its files writable)");
}

namespace {

// What the files of a whole journal hold now.
struct FilesNow {
  bool whole = false;             // every record holds what the action writes, every file its new length
  std::optional<size_t> changed;  // a file that holds what no cut of the action leaves
  std::optional<FileFault> fault;  // a file that cannot be read
};

// Whether the files of `journal` in `folder` hold what a cut of the action
// could have left (WriteJournal.h says which states those are), and whether
// they hold all of it.
FilesNow filesNow(const Journal& journal, const std::string& folder) {
  FilesNow result;
  const size_t count = journal.files.size();
  std::vector<platform::RecordFile> files(count);
  result.whole = true;
  for (size_t i = 0; i < count; ++i) {
    const JournalFile& f = journal.files[i];
    const std::string path = folder + f.name;
    if (!platform::pathExists(path)) {
      result.whole = false;
      if (!f.existed) continue;
      result.changed = i;
      return result;
    }
    const platform::PathLook look = platform::lookAtResolved(platform::resolvePath(path));
    if (look.link || !look.notAFile.empty()) {
      result.changed = i;
      return result;
    }
    if (!files[i].open(path, f.recordLength, platform::Links::Refuse)) {
      result.fault = FileFault{path, files[i].error()};
      return result;
    }
    const long long length = files[i].length();
    if (length < 0) {
      result.fault = FileFault{path, files[i].error()};
      return result;
    }
    if (length < f.oldLength || length > f.newLength) {
      result.changed = i;
      return result;
    }
    result.whole = result.whole && length == f.newLength;
  }
  std::vector<uint8_t> now;
  for (const JournalPiece& p : journal.pieces) {
    const platform::RecordFile& file = files[p.file];
    if (!file.isOpen()) continue;  // a file the action makes, not there: none of its bytes are
    if (!file.readOld(p.at, p.written.size(), now)) {
      result.fault = FileFault{file.path(), file.error()};
      return result;
    }
    result.whole = result.whole && now.size() == p.written.size();
    for (size_t b = 0; b < now.size(); ++b) {
      if (now[b] == p.written[b]) continue;
      result.whole = false;
      if (now[b] != (b < p.old.size() ? p.old[b] : 0)) {
        result.changed = p.file;
        return result;
      }
    }
  }
  return result;
}

// Flushes the files a whole action wrote, so that they last before its
// journal goes; false, with `fault`, when one cannot be.
bool flushFiles(const Journal& journal, const std::string& folder, std::optional<FileFault>& fault) {
  for (const JournalFile& f : journal.files) {
    platform::RecordFile file;
    const std::string path = folder + f.name;
    if (!file.open(path, f.recordLength, platform::Links::Refuse)) {
      fault = FileFault{path, file.error()};
      return false;
    }
    if (!file.readOnly() && !file.flush()) {
      fault = FileFault{path, file.error()};
      return false;
    }
  }
  return true;
}

bool removeJournal(const std::string& path, std::optional<FileFault>& fault) {
  if (RemoveJournal(path)) return true;
  fault = FileFault{path, platform::lastFileError()};
  return false;
}

// Renames the journal at `path` to the first free "TARLOWE-<n>.JNL" of its
// folder; when it cannot, it stays (journalStays).
void setAside(const std::string& folder, const std::string& path, RollBack& result) {
  result.found = RollBack::Found::SetAside;
  for (int n = 1; n < 1000; ++n) {
    const std::string aside = folder + "TARLOWE-" + std::to_string(n) + ".JNL";
    if (platform::pathExists(aside)) continue;
    if (platform::renameFile(path, aside)) {
      result.setAsideAs = aside;
    } else {
      result.journalStays = true;
      result.fault = FileFault{path, platform::lastFileError()};
    }
    return;
  }
  result.journalStays = true;
  result.fault = FileFault{path, "cannot rename " + path + ": " + folder + " holds 999 journals set aside"};
}

// The read of the journal at `path`, its length looked at before it is read.
JournalRead readJournal(const std::string& path) {
  const platform::PathLook look = platform::lookAtResolved(platform::resolvePath(path));
  if (look.link || !look.notAFile.empty()) return refused("it is not a plain file");
  if (platform::regularFileLength(path) > static_cast<long long>(kMaxJournalLength))
    return refused("it is longer than any journal the program writes");
  std::vector<uint8_t> bytes;
  if (!platform::readWholeFile(path, bytes)) return refused(platform::lastFileError());
  return DecodeJournal(bytes);
}

// What a start does with the journal at `path`, as its bytes and the files
// it names decide: removes one cut off while it was written; keeps or undoes
// the action of a whole one whose files hold what a cut of it leaves; sets
// aside any other (one that fails a check, of the earlier layout, or whose
// files changed since).
struct Leftover {
  enum class Fate { Remove, KeepOrUndo, SetAside };
  Fate fate = Fate::Remove;
  JournalRead read;
  FilesNow now;  // a whole journal: what its files hold
};
Leftover judgeLeftover(const std::string& path) {
  Leftover left{Leftover::Fate::Remove, readJournal(path), {}};
  if (left.read.is == JournalRead::Is::Torn) return left;
  if (left.read.is == JournalRead::Is::Whole) left.now = filesNow(left.read.journal, FolderPart(path));
  const bool usable = left.read.is == JournalRead::Is::Whole && !left.now.changed;
  left.fate = usable ? Leftover::Fate::KeepOrUndo : Leftover::Fate::SetAside;
  return left;
}

}  // namespace

std::string WhyJournalWaits(const std::string& path) {
  const std::string until =
      ": nothing that changes several files is stored until then. The program tries again at each start; make the "
      "data folder ";
  switch (judgeLeftover(path).fate) {
    case Leftover::Fate::Remove:
      return "the journal of an earlier action that reached no file waits to be removed" + until +
             "writable, then start it again";
    case Leftover::Fate::KeepOrUndo:
      return "an earlier action waits to be undone, or its journal to be removed" + until +
             "and its files writable, then start it again";
    case Leftover::Fate::SetAside:
      break;
  }
  return "the journal of an earlier action waits to be set aside" + until + "writable, then start it again";
}

RollBack RollBackJournal(const std::string& folder) {
  platform::holdFiles({}, "");
  RollBack result;
  const std::string dir = WithSeparator(folder);
  const std::string path = dir + kJournalName;
  if (!platform::pathExists(path)) return result;
  const Leftover left = judgeLeftover(path);
  const JournalRead& read = left.read;
  const Journal& journal = read.journal;
  const FilesNow& now = left.now;
  if (left.fate == Leftover::Fate::Remove) {
    result.found = RollBack::Found::Torn;
    result.journalStays = !removeJournal(path, result.fault);
    return result;
  }
  result.action = journal.action;
  if (left.fate == Leftover::Fate::SetAside) {
    if (read.is == JournalRead::Is::Earlier) {
      for (const JournalFile& f : journal.files) result.files.push_back(dir + f.name);
      result.why = "it is of the layout an earlier version of the program wrote";
    } else if (now.changed) {
      result.changed = dir + journal.files[*now.changed].name;
      result.why = "a file has changed since";
    } else {
      result.why = read.why;
    }
    setAside(dir, path, result);
    return result;
  }
  result.fault = now.fault;
  if (!result.fault && now.whole) {
    result.found = RollBack::Found::Stored;
    result.journalStays = !flushFiles(journal, dir, result.fault) || !removeJournal(path, result.fault);
    if (result.journalStays) HoldFilesOf(journal, dir, true);
    return result;
  }
  if (!result.fault) result.fault = PutBackFiles(journal, dir).fault;
  if (!result.fault) {
    result.found = RollBack::Found::Undone;
    result.journalStays = !removeJournal(path, result.fault);
  } else {
    result.found = RollBack::Found::Stuck;
  }
  if (result.fault) HoldFilesOf(journal, dir, result.found == RollBack::Found::Undone);
  return result;
}
