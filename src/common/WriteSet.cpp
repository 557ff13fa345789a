#include "common/WriteSet.h"

#include <algorithm>

#include "platform/FileSystem.h"

WriteSet::~WriteSet() {
  if (!ended_) undo();
}

size_t WriteSet::open(const std::string& path, int recordLength) {
  files_.push_back(std::make_unique<Entry>());
  Entry& e = *files_.back();
  e.path = path;
  if (failed() || ended_) return files_.size() - 1;
  e.existed = platform::pathExists(path);
  if (!e.file.open(path, recordLength) || !e.file.writable()) {
    fail(e, e.file.error());
  } else if ((e.oldLength = e.file.length()) < 0) {
    fail(e, e.file.error());
  }
  return files_.size() - 1;
}

long WriteSet::count(size_t file) const { return files_[file]->file.count(); }

bool WriteSet::write(size_t file, long n, const records::Bytes& bytes) {
  if (failed() || ended_) return false;
  Entry& e = *files_[file];
  const int length = e.file.recordLength();
  const long long at = static_cast<long long>(n - 1) * length;
  if (n >= 1 && at < e.oldLength && e.kept.insert(n).second) {
    records::Bytes old;
    const bool whole = e.file.read(n, old);
    const long long held = std::min<long long>(length, e.oldLength - at);
    if (!whole && held == length) {
      fail(e, e.file.error());
      return false;
    }
    old.resize(static_cast<size_t>(held));
    e.before.emplace_back(at, std::move(old));
  }
  if (e.file.write(n, bytes)) return true;
  fail(e, e.file.error());
  return false;
}

void WriteSet::fail(const Entry& entry, const std::string& why) {
  fault_ = FileFault{entry.path, why};
  undo();
}

void WriteSet::undo() {
  if (ended_) return;
  ended_ = true;
  for (auto it = files_.rbegin(); it != files_.rend(); ++it) {
    Entry& e = **it;
    if (!e.file.isOpen()) continue;
    bool back = true;
    if (e.file.writable()) {
      for (auto b = e.before.rbegin(); b != e.before.rend(); ++b)
        back = e.file.writeBytes(b->first, b->second.data(), b->second.size()) && back;
      back = e.file.cutTo(e.oldLength) && back;
    }
    e.file.close();
    if (!e.existed && platform::pathExists(e.path)) back = platform::deleteFile(e.path) && back;
    if (!back) notPutBack_.push_back(e.path);
  }
}

bool WriteSet::keep() {
  if (failed()) return false;
  ended_ = true;
  for (auto& e : files_) e->file.close();
  return true;
}

std::string WriteSet::outcome(const std::string& undone) const {
  if (notPutBack_.empty()) return undone;
  std::string text = "What was written could not all be taken back from:";
  for (auto it = notPutBack_.rbegin(); it != notPutBack_.rend(); ++it) text += "\r" + *it;
  return text + "\r" + kNothingMoreDone;
}

void WriteSet::report(const std::string& title, const std::string& undone) const {
  ReportFileFault(fault(), true, title, outcome(undone));
}
