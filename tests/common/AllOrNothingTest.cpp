// Every action of tests/support/MultiFileActions.h, with each of its files
// read-only (each it does not make) or replaced by a folder, and on a disk
// that fills or fails at each
// of its writes in turn, its journal's included: every file of the data
// folder holds, byte for byte, what it held before the action or, all of
// them, what the action writes when nothing fails, and the box says which.
// On a disk that dies at a write (every later write failing, those that put
// the files back too) the next start, on a sound disk, puts them back.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>

#include "common/DataFiles.h"
#include "common/WriteJournal.h"
#include "platform/VbConstants.h"
#include "support/FailingDisk.h"
#include "support/MultiFileActions.h"

namespace {

using Files = FolderBytes;

enum class Fault { ReadOnly, Folder, Full, Error, Dead };

std::string FaultName(Fault f) {
  switch (f) {
    case Fault::ReadOnly: return "ReadOnly";
    case Fault::Folder: return "Folder";
    case Fault::Full: return "FullDisk";
    case Fault::Dead: return "DyingDisk";
    default: return "FailingWrite";
  }
}

// What one run and the next start left: the data folder's files, the boxes
// the run showed and what the start found.
struct Outcome {
  Files files;
  std::vector<ShownBox> boxes;
  std::string home;  // the data folder it ran in
  RollBack::Found next = RollBack::Found::Nothing;
};

// The action run once on its herd, `before` run after the set-up and before
// the action, the disk failing at write `n` when `n` > 0.
Outcome runOnce(const MultiFileAction& a, const std::function<void(TestPlatform&)>& before = {}, long n = 0,
            DiskFault kind = DiskFault::Full, long* writes = nullptr) {
  TestPlatform tp;
  a.setUp(tp);
  if (before) before(tp);
  if (n > 0) {
    FailingDisk disk(n, kind);
    a.run(tp);
    if (writes) *writes = disk.writes();
  } else {
    a.run(tp);
  }
  const RollBack::Found next = RollBackJournal(tp.home()).found;
  return {folderBytes(tp.home()), tp.dialogs.shown, tp.home(), next};
}

std::vector<std::string> texts(const std::vector<ShownBox>& boxes) {
  std::vector<std::string> out;
  for (const ShownBox& b : boxes) out.push_back(b.text);
  return out;
}

// The action as it runs with nothing failing, and the files before it.
struct Baseline {
  Files before;
  Outcome done;
  long writes = 0;  // the writes of file bytes it makes
};
Baseline baseline(const MultiFileAction& a) {
  Baseline b;
  {
    TestPlatform tp;
    a.setUp(tp);
    b.before = folderBytes(tp.home());
  }
  b.done = runOnce(a, {}, 1000000, DiskFault::Error, &b.writes);
  return b;
}

// Whether the action makes some file of the folder longer.
bool lengthens(const Baseline& b) {
  for (const auto& [name, bytes] : b.done.files)
    if (!b.before.count(name) || bytes.size() > b.before.at(name).size()) return true;
  return false;
}

class AllOrNothing : public ::testing::TestWithParam<std::tuple<MultiFileAction, Fault>> {};

TEST_P(AllOrNothing, EveryFileAsBeforeOrAllAsAfterAndTheBoxSaysWhich) {
  const MultiFileAction& a = std::get<0>(GetParam());
  const Fault fault = std::get<1>(GetParam());
  const Baseline b = baseline(a);
  // Nothing failing: each file the action writes changes, and no fault box.
  for (const std::string& file : a.files) {
    ASSERT_TRUE(b.done.files.count(file)) << file;
    EXPECT_NE(b.before.count(file) ? b.before.at(file) : "", b.done.files.at(file)) << file;
  }
  for (const ShownBox& box : b.done.boxes) EXPECT_NE(box.icon, platform::vbCritical) << box.text;
  ASSERT_GT(b.writes, 0);

  if (fault == Fault::ReadOnly || fault == Fault::Folder) {
    for (const std::string& file : a.files) {
      SCOPED_TRACE(file);
      if (fault == Fault::ReadOnly && !b.before.count(file)) continue;  // a file the action makes
      std::string path;
      Files faulted;
      const Outcome run = runOnce(a, [&](TestPlatform& tp) {
        path = tp.path(file);
        if (fault == Fault::ReadOnly) {
          ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
        } else {
          std::filesystem::remove(path);
          std::filesystem::create_directory(path);
        }
        faulted = folderBytes(tp.home());
      });
      EXPECT_EQ(run.files, faulted);  // every file as it was
      ASSERT_FALSE(run.boxes.empty());
      if (fault == Fault::ReadOnly) {
        const ShownBox& box = run.boxes.back();
        EXPECT_EQ(box.text, FileFaultText({path, "cannot write " + path + ": the file is read-only"}, true, a.undone));
        EXPECT_EQ(box.title, a.title);
        EXPECT_EQ(box.icon, platform::vbCritical);
      } else {
        // A folder by the file's name is met where the file is first read
        // or opened: one critical box names it.
        std::vector<std::string> why;
        for (const std::string& outcome : {std::string(kNothingMoreDone), a.undone}) {
          why.push_back(FileFaultText({path, "cannot read " + path + ": it is a folder"}, false, outcome));
          why.push_back(FileFaultText({path, "cannot open " + path + ": it is a folder"}, false, outcome));
        }
        why.push_back(FileFaultText({path, "cannot open " + path + ": it is a folder"}, true, a.undone));
        int named = 0;
        for (const ShownBox& box : run.boxes)
          if (box.icon == platform::vbCritical) {
            ++named;
            EXPECT_NE(std::find(why.begin(), why.end(), box.text), why.end()) << box.text;
          }
        EXPECT_GE(named, 1);
      }
    }
    return;
  }

  const DiskFault kind = fault == Fault::Full ? DiskFault::Full : fault == Fault::Dead ? DiskFault::Dead : DiskFault::Error;
  const std::string why = fault == Fault::Full ? "No space left on device" : "Input/output error";
  int failed = 0;
  for (long n = 1;; ++n) {
    SCOPED_TRACE("write " + std::to_string(n));
    ASSERT_LE(n, b.writes + 1);
    long writes = 0;
    const Outcome run = runOnce(a, {}, n, kind, &writes);
    if (fault == Fault::Dead) {
      EXPECT_TRUE(run.files == b.before || run.files == b.done.files);
      EXPECT_TRUE(run.next == RollBack::Found::Nothing || run.next == RollBack::Found::Undone);
      if (run.next == RollBack::Found::Undone) EXPECT_EQ(run.files, b.before);
      if (run.files != b.done.files) EXPECT_EQ(run.boxes.back().title, a.title);
      failed += run.next == RollBack::Found::Undone;
    } else if (run.files == b.done.files) {
      EXPECT_EQ(run.next, RollBack::Found::Nothing);
      EXPECT_EQ(texts(run.boxes), texts(b.done.boxes));
    } else {
      ++failed;
      EXPECT_EQ(run.files, b.before);
      EXPECT_EQ(run.next, RollBack::Found::Nothing);
      ASSERT_FALSE(run.boxes.empty());
      const ShownBox& box = run.boxes.back();
      // The set writes its journal first, then its files.
      std::vector<std::string> expected;
      std::vector<std::string> written = a.files;
      written.push_back(kJournalName);
      for (const std::string& file : written) {
        const std::string path = run.home + file;
        expected.push_back(FileFaultText({path, "cannot write " + path + ": " + why}, true, a.undone));
      }
      EXPECT_NE(std::find(expected.begin(), expected.end(), box.text), expected.end()) << box.text;
      EXPECT_EQ(box.icon, platform::vbCritical);
      EXPECT_EQ(box.title, a.title);
    }
    if (writes < n) break;
  }
  // Each of its writes failing in turn stops the action; a full disk stops
  // an action that lengthens a file.
  if (fault == Fault::Error) EXPECT_EQ(failed, b.writes);
  if (fault == Fault::Full && lengthens(b)) EXPECT_GT(failed, 0);
}

INSTANTIATE_TEST_SUITE_P(Actions, AllOrNothing,
                         ::testing::Combine(::testing::ValuesIn(MultiFileActions()),
                                            ::testing::Values(Fault::ReadOnly, Fault::Folder, Fault::Full, Fault::Error, Fault::Dead)),
                         [](const auto& info) {
                           return std::get<0>(info.param).name + "_" + FaultName(std::get<1>(info.param));
                         });

}  // namespace
