// The writes of one action to several record files: all made, or every file
// as it was.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "common/WriteSet.h"
#include "platform/FileSystem.h"
#include "support/FailingDisk.h"
#include "support/RecordBuilders.h"

namespace {

struct Rec {
  static constexpr int Length = 4;
  std::string Text;
  template <class M>
  void fields(M& m) {
    m.text(Text, 0, 4);
  }
};

class WriteSetTest : public ::testing::Test {
 protected:
  TestPlatform tp;
  std::string a = tp.path("A.DAT"), b = tp.path("B.DAT"), c = tp.path("C.DAT");
  void SetUp() override {
    writeFile(a, "AAAAaaaa");
    writeFile(b, "BBBBbb");  // one record and a short tail
  }
  // Two rewrites in place, an append and a new file.
  bool run() {
    WriteSet set("A CHANGE");
    auto fa = set.open<Rec>(a);
    auto fb = set.open<Rec>(b);
    auto fc = set.open<Rec>(c);
    fc.write(1, {"cccc"});
    fb.write(2, {"bbbb"});
    fb.write(3, {"xxxx"});
    fa.write(2, {"1111"});
    fa.write(1, {"2222"});
    fa.write(2, {"3333"});
    return set.keep();
  }
  std::vector<std::string> files() { return {readFile(a), readFile(b), platform::pathExists(c) ? readFile(c) : "-"}; }
  const std::vector<std::string> before{"AAAAaaaa", "BBBBbb", "-"};
  const std::vector<std::string> after{"22223333", "BBBBbbbbxxxx", "cccc"};
};

TEST_F(WriteSetTest, AllWritesStay) {
  EXPECT_TRUE(run());
  EXPECT_EQ(files(), after);
}

// Each write in turn fails, on a full disk and on a failing one: every file
// is as it was, the new one gone.
TEST_F(WriteSetTest, AFailedWritePutsEveryFileBack) {
  for (DiskFault kind : {DiskFault::Full, DiskFault::Error}) {
    for (long n = 1;; ++n) {
      SCOPED_TRACE(DiskFaultName(kind) + " at write " + std::to_string(n));
      SetUp();
      if (platform::pathExists(c)) platform::deleteFile(c);
      FailingDisk disk(n, kind);
      const bool kept = run();
      EXPECT_EQ(files(), kept ? after : before);
      EXPECT_FALSE(platform::pathExists(tp.path(kJournalName)));
      if (disk.writes() < n) break;
    }
  }
}

TEST_F(WriteSetTest, AFileThatCannotBeWrittenStopsTheSetBeforeAnyWrite) {
  const std::string why[] = {"cannot write " + b + ": the file is read-only", "cannot open " + b + ": it is a folder"};
  for (int k = 0; k < 2; ++k) {
    SCOPED_TRACE(why[k]);
    platform::deleteFile(b);
    if (k == 0) {
      writeFile(b, "BBBBbb");
      ASSERT_EQ(::chmod(b.c_str(), 0444), 0);
    } else {
      ASSERT_TRUE(platform::makeFolder(b));
    }
    WriteSet set;
    auto fc = set.open<Rec>(c);  // missing: made only when the set is kept
    auto fa = set.open<Rec>(a);
    set.open<Rec>(b);
    EXPECT_TRUE(set.failed());
    EXPECT_FALSE(fa.write(1, {"2222"}));
    EXPECT_FALSE(fc.write(1, {"cccc"}));
    EXPECT_FALSE(set.keep());
    EXPECT_EQ(set.fault().path, b);
    EXPECT_EQ(set.fault().reason, why[k]);
    EXPECT_EQ(set.outcome(), kNothingMoreDone);
    EXPECT_EQ(readFile(a), "AAAAaaaa");
    EXPECT_FALSE(platform::pathExists(c));
    ::chmod(b.c_str(), 0755);
    std::filesystem::remove_all(b);
  }
}

TEST_F(WriteSetTest, ASetNotKeptIsPutBack) {
  {
    WriteSet set;
    auto fa = set.open<Rec>(a);
    ASSERT_TRUE(fa.write(3, {"3333"}));
    ASSERT_TRUE(fa.write(1, {"1111"}));
  }
  EXPECT_EQ(readFile(a), "AAAAaaaa");
}

// When the old bytes cannot be written back either, the box names the files
// that may hold part of the change, and its journal stays: the next start
// puts them back.
TEST_F(WriteSetTest, WhatCannotBePutBackIsNamedAndPutBackAtTheNextStart) {
  {
    FailingDisk disk(4, DiskFault::Dead);  // the journal and two records are written
    WriteSet set("PIGS OUT");
    auto fa = set.open<Rec>(a);
    auto fb = set.open<Rec>(b);
    fa.write(1, {"1111"});
    fb.write(1, {"2222"});
    fa.write(2, {"3333"});  // fails; so does putting back the first two
    EXPECT_FALSE(set.keep());
    EXPECT_EQ(set.fault().path, a);
    EXPECT_EQ(set.fault().reason, "cannot write " + a + ": Input/output error");
    EXPECT_EQ(set.outcome("The pigs were not moved."),
              "What was written could not all be taken back from:\r" + a + "\r" + b + "\rNothing more was done.");
    EXPECT_EQ(set.outcome(), set.outcome("X"));
  }
  ASSERT_TRUE(platform::fileExists(tp.path(kJournalName)));
  const RollBack back = RollBackJournal(tp.home());
  EXPECT_EQ(back.action, "PIGS OUT");
  EXPECT_TRUE(back.undone);
  EXPECT_FALSE(back.fault);
  EXPECT_EQ(files(), before);
  EXPECT_FALSE(platform::pathExists(tp.path(kJournalName)));
}

// While a journal of an earlier change is there, no set writes: it would
// lose what the journal keeps.
TEST_F(WriteSetTest, AJournalLeftBehindStopsEverySetUntilItIsRolledBack) {
  writeFile(tp.path(kJournalName), "an earlier change");
  EXPECT_FALSE(run());
  EXPECT_EQ(files(), before);
  EXPECT_EQ(readFile(tp.path(kJournalName)), "an earlier change");
}

}  // namespace
