#include "common/WriteSet.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "common/Paths.h"
#include "platform/FileSystem.h"
#include "records/RecordSlots.h"

size_t WriteSet::open(const std::string& path, int recordLength) {
  files_.push_back(std::make_unique<Entry>());
  Entry& e = *files_.back();
  e.path = path;
  e.recordLength = recordLength;
  if (failed() || ended_) return files_.size() - 1;
  const std::string folder = FolderPart(files_.front()->path);
  e.existed = platform::pathExists(path);
  if (FolderPart(path) != folder || JournalRecordLength(FileNamePart(path)) != recordLength) {
    stop({path, "cannot write " + path + ": it is not a data file of " + folder});
  } else if (!e.existed) {
    if (const std::string why = platform::whyNoFileCanBeMadeAt(path); !why.empty())
      stop({path, "cannot open " + path + ": " + why});
  } else if (!e.file.open(path, recordLength, platform::Links::Refuse) || !e.file.writable()) {
    stop({path, e.file.error()});
  } else if ((e.oldLength = e.file.length()) < 0) {
    stop({path, e.file.error()});
  }
  return files_.size() - 1;
}

long WriteSet::count(size_t file) const { return files_[file]->file.count(); }

bool WriteSet::write(size_t file, long n, const records::Bytes& bytes) {
  if (failed() || ended_) return false;
  const Entry& e = *files_[file];
  if (!records::RecordNumberFits(n)) {
    stop({e.path, "cannot write record " + std::to_string(n) + " of " + e.path + ": no record lies past record " +
                      std::to_string(records::kMaxRecordNumber)});
    return false;
  }
  const auto [held, first] = written_.try_emplace({file, n}, writes_.size());
  if (!first) {
    writes_[held->second].bytes = bytes;
    return true;
  }
  writes_.push_back({file, n, bytes});
  return true;
}

bool WriteSet::stop(const FileFault& fault) {
  fault_ = fault;
  ended_ = true;
  writes_.clear();
  written_.clear();
  closeAll();
  return false;
}

void WriteSet::closeAll() {
  for (auto& e : files_) e->file.close();
}

bool WriteSet::fillJournal() {
  journal_ = Journal{action_, {}, {}};
  for (const auto& e : files_)
    journal_.files.push_back({FileNamePart(e->path), e->recordLength, e->existed, e->oldLength, e->oldLength});
  for (const Write& w : writes_) {
    Entry& e = *files_[w.file];
    JournalFile& f = journal_.files[w.file];
    JournalPiece piece{w.file, static_cast<long long>(w.n - 1) * e.recordLength, {}, w.bytes};
    const size_t within = static_cast<size_t>(std::clamp<long long>(e.oldLength - piece.at, 0, e.recordLength));
    if (within > 0 && !e.file.readOld(piece.at, within, piece.old)) return stop({e.path, e.file.error()});
    f.newLength = std::max(f.newLength, piece.at + e.recordLength);
    journal_.pieces.push_back(std::move(piece));
  }
  return true;
}

bool WriteSet::writeAll() {
  for (auto& e : files_)
    if (!e->existed && !e->file.open(e->path, e->recordLength, platform::Links::Refuse))
      return putBack({e->path, e->file.error()});
  for (const Write& w : writes_) {
    Entry& e = *files_[w.file];
    if (!e.file.write(w.n, w.bytes)) return putBack({e.path, e.file.error()});
  }
  bool made = false;
  for (auto& e : files_) {
    if (!e->file.flush()) return putBack({e->path, e->file.error()});
    made = made || !e->existed;
  }
  if (made && !platform::flushFolderOf(journalPath_))
    return putBack({journalPath_, "cannot write " + FolderPart(journalPath_) + ": " + std::strerror(errno)});
  return true;
}

bool WriteSet::putBack(const FileFault& fault) {
  fault_ = fault;
  closeAll();
  notPutBack_ = PutBackFiles(journal_, FolderPart(journalPath_)).notPutBack;
  // While a file is not as it was, the journal stays for the next start,
  // which finds the files as they are now; so does a journal that cannot be
  // removed, and either holds the files: a write of this run would leave
  // them as no cut of the action does.
  if (!notPutBack_.empty() || !RemoveJournal(journalPath_))
    HoldFilesOf(journal_, FolderPart(journalPath_), notPutBack_.empty());
  return false;
}

bool WriteSet::commit() {
  if (failed()) return false;
  if (ended_) return true;
  ended_ = true;
  if (writes_.empty() || !fillJournal()) {
    closeAll();
    return !failed();
  }
  journalPath_ = FolderPart(files_.front()->path) + kJournalName;
  if (platform::pathExists(journalPath_))
    return stop({journalPath_, "cannot write " + journalPath_ + ": " + WhyJournalWaits(journalPath_)});
  if (!platform::writeFileFlushed(journalPath_, EncodeJournal(journal_))) {
    const std::string why = platform::lastFileError();
    if (platform::pathExists(journalPath_)) RemoveJournal(journalPath_);
    return stop({journalPath_, why});
  }
  if (!writeAll()) return false;
  // Once the records are on the disk the action is stored: were the removal
  // lost to a power cut, the next start would find every record holding its
  // new bytes and keep them; RemoveJournal makes the removal last all the same.
  if (!RemoveJournal(journalPath_)) return putBack({journalPath_, platform::lastFileError()});
  closeAll();
  writes_.clear();
  written_.clear();
  return true;
}

std::string WriteSet::outcome(const std::string& undone) const {
  if (notPutBack_.empty()) return undone;
  std::string text = "What was written could not all be taken back from:";
  for (const std::string& path : notPutBack_) text += "\r" + path;
  return text + "\r" + kNothingMoreDone;
}

void WriteSet::report(const std::string& title, const std::string& undone) const {
  ReportFileFault(fault(), true, title, outcome(undone));
}
