// Every action that writes several data files, cut by a power failure. Its
// writes are recorded as they reach the platform's disk layer; then states
// are made from them as a cut leaves them: the journal whole on the disk (it
// is flushed before any data write), and of the data writes any mix, in 512-
// byte sectors or single bytes, in any file, each file's length anywhere from
// its old length to its new (the bytes the disk had not yet taken past the
// old length read as 0), a file the action makes there or not. The start
// runs over each: every file comes out all as before or all as after, one box
// says which, and nothing is set aside. States no cut leaves (a byte neither
// old nor new, a length outside, a back-up copied in) are set aside with
// every file untouched, and told. TARLOWE_POWER_CUT_CASES sets the number of
// states per action (300 by default; a fifth as many again of those no cut
// leaves) and TARLOWE_POWER_CUT_SEED the first seed.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <random>

#include "common/WriteJournal.h"
#include "platform/FileSystem.h"
#include "shell/HogStartUp.h"
#include "support/MultiFileActions.h"

namespace {

long fromEnvironment(const char* name, long otherwise) {
  const char* text = std::getenv(name);
  return text ? std::atol(text) : otherwise;
}

// One write of file bytes as the disk layer was asked it.
struct Write {
  std::string file;  // the name alone
  long long at = 0;
  std::string bytes;
};
std::vector<Write> g_writes;

platform::DiskAnswer recordWrite(int fd, long long at, const uint8_t* data, size_t size) {
  char target[4096];
  const ssize_t length = ::readlink(("/proc/self/fd/" + std::to_string(fd)).c_str(), target, sizeof target - 1);
  const std::string path(target, length > 0 ? static_cast<size_t>(length) : 0);
  if (at < 0) at = ::lseek(fd, 0, SEEK_CUR);
  g_writes.push_back({path.substr(path.rfind('/') + 1), at, std::string(data, data + size)});
  return {size, 0};
}

// An action's run: the folder before and after it, the journal it wrote and
// its writes of data files, in order.
struct Recorded {
  FolderBytes before, after;
  std::string journal;
  std::vector<Write> writes;
};

Recorded record(const MultiFileAction& a) {
  Recorded r;
  TestPlatform tp;
  a.setUp(tp);
  r.before = folderBytes(tp.home());
  g_writes.clear();
  platform::setDiskWriteHook(recordWrite);
  a.run(tp);
  platform::setDiskWriteHook(nullptr);
  r.after = folderBytes(tp.home());
  for (const Write& w : g_writes) {
    if (w.file == kJournalName) {
      EXPECT_TRUE(r.writes.empty()) << "a data file written before the journal";
      r.journal.resize(std::max(r.journal.size(), static_cast<size_t>(w.at) + w.bytes.size()));
      r.journal.replace(static_cast<size_t>(w.at), w.bytes.size(), w.bytes);
    } else {
      EXPECT_NE(std::find(a.files.begin(), a.files.end(), w.file), a.files.end()) << w.file;
      r.writes.push_back(w);
    }
  }
  return r;
}

struct Cuts {
  const Recorded& r;
  const MultiFileAction& a;
  std::mt19937_64 random;

  size_t below(size_t n) { return n == 0 ? 0 : static_cast<size_t>(random() % n); }
  std::string old(const std::string& file) const { return r.before.count(file) ? r.before.at(file) : ""; }

  // A state a cut can leave; `whole` gives every file all its writes and its
  // new length.
  FolderBytes possible(bool whole) {
    FolderBytes files = r.before;
    for (const std::string& file : a.files) {
      const std::string was = old(file);
      const size_t newLength = r.after.at(file).size();
      if (!whole && !r.before.count(file) && below(4) == 0) continue;  // its name never reached the disk
      const size_t pick = below(3);
      const size_t length = whole || pick == 0 ? newLength : pick == 1 ? was.size() : was.size() + below(newLength - was.size() + 1);
      const size_t unit = below(2) == 0 ? 512 : 1;
      const size_t in100 = whole ? 100 : std::vector<size_t>{0, 10, 50, 90, 100}[below(5)];
      std::string bytes = was;
      bytes.resize(newLength, '\0');
      for (const Write& w : r.writes) {
        if (w.file != file) continue;
        const size_t start = static_cast<size_t>(w.at), end = start + w.bytes.size();
        for (size_t from = start; from < end; from = (from / unit + 1) * unit) {
          const size_t to = std::min(end, (from / unit + 1) * unit);
          if (below(100) < in100) bytes.replace(from, to - from, w.bytes, from - start, to - from);
        }
      }
      bytes.resize(length);
      files[file] = bytes;
    }
    return files;
  }

  // Whether the byte at `at` of `file` may be what `now` holds after a cut.
  bool mayHold(const std::string& file, size_t at, char now) {
    const std::string was = old(file), after = r.after.at(file);
    return now == after[at] || now == (at < was.size() ? was[at] : '\0');
  }

  // A state no cut leaves, and the file that shows it; nothing when the
  // made state happens to be one a cut leaves.
  std::optional<std::pair<FolderBytes, std::string>> impossible(size_t kind) {
    const Write& w = r.writes[below(r.writes.size())];
    FolderBytes files = possible(false);
    std::string& bytes = files[w.file];
    const std::string was = old(w.file), after = r.after.at(w.file);
    if (kind == 0) {  // a byte neither old nor new
      bytes = after.size() > bytes.size() ? bytes + after.substr(bytes.size()) : bytes;
      const size_t at = static_cast<size_t>(w.at) + below(w.bytes.size());
      do bytes[at] = static_cast<char>(random());
      while (mayHold(w.file, at, bytes[at]));
    } else if (kind == 1) {  // a length outside
      if (was.empty() || below(2) == 0)
        bytes = after + std::string(1 + below(600), static_cast<char>(below(256)));
      else
        bytes = was.substr(0, was.size() - 1 - below(std::min<size_t>(was.size(), 600)));
    } else {  // a back-up copied in: the farm as before, another record where the action writes one
      files = r.before;
      std::string other = w.bytes.substr(1) + w.bytes.substr(0, 1);
      for (const Write& v : r.writes)
        if (v.file == w.file && v.at != w.at) other = v.bytes;
      std::string& copied = files[w.file];
      copied.resize(std::max(copied.size(), static_cast<size_t>(w.at) + w.bytes.size()), '\0');
      copied.replace(static_cast<size_t>(w.at), w.bytes.size(), other);
      bool shows = false;
      for (size_t at = static_cast<size_t>(w.at); at < static_cast<size_t>(w.at) + w.bytes.size(); ++at)
        shows = shows || !mayHold(w.file, at, copied[at]);
      if (!shows) return std::nullopt;
    }
    return std::make_pair(files, w.file);
  }
};

// Leaves `files` and the journal in the data folder and runs the start.
FolderBytes start(TestPlatform& tp, const FolderBytes& files, const std::string& journal) {
  for (const auto& [name, bytes] : folderBytes(tp.home())) platform::deleteFile(tp.path(name));
  writeFolder(tp.home(), files);
  writeFile(tp.path(kJournalName), journal);
  tp.dialogs.clear();
  UndoUnfinishedAction();
  return folderBytes(tp.home());
}

class PowerCut : public ::testing::TestWithParam<MultiFileAction> {};

TEST_P(PowerCut, EveryStateACutLeavesComesOutAllBeforeOrAllAfterAndOthersAreSetAside) {
  const MultiFileAction& a = GetParam();
  const Recorded r = record(a);
  ASSERT_FALSE(r.journal.empty());
  ASSERT_NE(r.before, r.after);
  TestPlatform tp;
  a.setUp(tp);
  const long cases = fromEnvironment("TARLOWE_POWER_CUT_CASES", 300);
  const long seed = fromEnvironment("TARLOWE_POWER_CUT_SEED", 1);
  Cuts cuts{r, a, std::mt19937_64(static_cast<uint64_t>(seed))};
  // Every write made: the folder as the action left it.
  EXPECT_EQ(cuts.possible(true), r.after);
  int undone = 0, stored = 0, setAside = 0;
  for (long k = 0; k < cases && !HasFailure(); ++k) {
    SCOPED_TRACE("state " + std::to_string(k) + " of seed " + std::to_string(seed));
    const FolderBytes files = cuts.possible(k % 10 == 0);
    const FolderBytes now = start(tp, files, r.journal);
    ASSERT_EQ(tp.dialogs.shown.size(), 1u);
    const ShownBox& box = tp.dialogs.shown.back();
    const bool kept = now == r.after;
    EXPECT_TRUE(kept || now == r.before);
    EXPECT_EQ(kept, files == r.after);
    EXPECT_EQ(box.title, kept ? kStoredTitle : kUndoneTitle);
    EXPECT_EQ(box.text.rfind("THE LAST " + a.action + (kept ? " WAS STORED.\r" : " WAS NOT FINISHED!\r"), 0), 0u) << box.text;
    (kept ? stored : undone) += 1;
  }
  for (long k = 0; k < cases / 5 && !HasFailure(); ++k) {
    const size_t kind = static_cast<size_t>(k % 3);
    SCOPED_TRACE(std::string(kind == 0 ? "a byte neither old nor new" : kind == 1 ? "a length outside" : "a back-up") +
                 ", state " + std::to_string(k));
    const auto state = cuts.impossible(kind);
    if (!state) continue;
    const auto& [files, file] = *state;
    FolderBytes left = files;
    left["TARLOWE-1.JNL"] = r.journal;
    EXPECT_EQ(start(tp, files, r.journal), left);
    ASSERT_EQ(tp.dialogs.shown.size(), 1u);
    EXPECT_EQ(tp.dialogs.shown.back().title, kNotUndoneTitle);
    EXPECT_NE(tp.dialogs.shown.back().text.find("this file has changed since:\r" + tp.path(file) + "\r"),
              std::string::npos)
        << tp.dialogs.shown.back().text;
    ++setAside;
  }
  EXPECT_GT(undone, cases / 2);
  EXPECT_GE(stored, cases / 10);
  EXPECT_GT(setAside, cases / 10);
}

INSTANTIATE_TEST_SUITE_P(Actions, PowerCut, ::testing::ValuesIn(MultiFileActions()),
                         [](const auto& info) { return info.param.name; });

}  // namespace
