// The writes of one action to several record files: all made, or every file
// as it was.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "common/WriteSet.h"
#include "platform/FileSystem.h"
#include "support/AnotherUser.h"
#include "support/FailingDisk.h"
#include "support/RecordBuilders.h"

namespace {

// The data folder made read-only at the second write of file bytes (the
// first of a set's records, its journal written).
std::string g_folder;
long g_writes = 0;
platform::DiskAnswer lockFolderAtSecondWrite(int, long long, const uint8_t*, size_t size) {
  if (++g_writes == 2) ::chmod(g_folder.c_str(), 0555);
  return {size, 0};
}

// A record of a data file's length, its text padded with blanks.
template <int L>
struct Rec {
  static constexpr int Length = L;
  std::string Text;
  template <class M>
  void fields(M& m) {
    m.text(Text, 0, L);
  }
};
using A = Rec<29>;  // GROUP.DAT
using B = Rec<57>;  // SALES.DAT
using C = Rec<60>;  // FEED.LST

std::string records(const std::vector<std::string>& texts, int length) {
  std::string out;
  for (const std::string& t : texts) out += t + std::string(static_cast<size_t>(length) - t.size(), ' ');
  return out;
}

class WriteSetTest : public ::testing::Test {
 protected:
  TestPlatform tp;
  std::string a = tp.path("GROUP.DAT"), b = tp.path("SALES.DAT"), c = tp.path("FEED.LST");
  void SetUp() override {
    writeFile(a, records({"AAAA", "aaaa"}, 29));
    writeFile(b, records({"BBBB"}, 57) + "b");  // one record and a tail of one byte
  }
  // Two rewrites in place, an append and a new file.
  bool run() {
    WriteSet set("A CHANGE");
    auto fa = set.open<A>(a);
    auto fb = set.open<B>(b);
    auto fc = set.open<C>(c);
    fc.write(1, {"cccc"});
    fb.write(2, {"bbbb"});
    fb.write(3, {"xxxx"});
    fa.write(2, {"1111"});
    fa.write(1, {"2222"});
    fa.write(2, {"3333"});
    return set.commit();
  }
  std::vector<std::string> files() { return {readFile(a), readFile(b), platform::pathExists(c) ? readFile(c) : "-"}; }
  const std::vector<std::string> before{records({"AAAA", "aaaa"}, 29), records({"BBBB"}, 57) + "b", "-"};
  const std::vector<std::string> after{records({"2222", "3333"}, 29), records({"BBBB", "bbbb", "xxxx"}, 57),
                                       records({"cccc"}, 60)};
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

// A file that cannot take the writes, or that no journal could name.
TEST_F(WriteSetTest, AFileThatCannotBeWrittenStopsTheSetBeforeAnyWrite) {
  const std::string other = tp.path("ELSEWHERE/SALES.DAT"), victim = tp.path("VICTIM.DAT");
  writeFile(victim, "victim");
  const struct {
    std::string path, why;
  } cases[] = {
      {b, "cannot write " + b + ": the file is read-only"},
      {b, "cannot open " + b + ": it is a folder"},
      {b, "cannot open " + b + ": it is a link"},
      {tp.path("B.DAT"), "cannot write " + tp.path("B.DAT") + ": it is not a data file of " + tp.home()},
      {other, "cannot write " + other + ": it is not a data file of " + tp.home()},
  };
  for (int k = 0; k < 5; ++k) {
    const std::string& path = cases[k].path;
    SCOPED_TRACE(cases[k].why);
    platform::deleteFile(b);
    if (k == 0) {
      writeFile(b, "BBBBb");
      ASSERT_EQ(::chmod(b.c_str(), 0444), 0);
    } else if (k == 1) {
      ASSERT_TRUE(platform::makeFolder(b));
    } else if (k == 2) {
      std::filesystem::create_symlink(victim, b);
    }
    WriteSet set;
    auto fa = set.open<A>(a);
    auto fc = set.open<C>(c);  // missing: made only when the set is committed
    set.open<B>(path);
    EXPECT_TRUE(set.failed());
    EXPECT_FALSE(fa.write(1, {"2222"}));
    EXPECT_FALSE(fc.write(1, {"cccc"}));
    EXPECT_FALSE(set.commit());
    EXPECT_EQ(set.fault().path, path);
    EXPECT_EQ(set.fault().reason, cases[k].why);
    EXPECT_EQ(set.outcome(), kNothingMoreDone);
    EXPECT_EQ(readFile(a), before[0]);
    EXPECT_EQ(readFile(victim), "victim");
    EXPECT_FALSE(platform::pathExists(c));
    ::chmod(b.c_str(), 0755);
    std::filesystem::remove_all(b);
  }
}

TEST_F(WriteSetTest, ASetNotCommittedWritesNothing) {
  {
    WriteSet set;
    auto fa = set.open<A>(a);
    ASSERT_TRUE(fa.write(3, {"3333"}));
    ASSERT_TRUE(fa.write(1, {"1111"}));
  }
  EXPECT_EQ(readFile(a), before[0]);
}

// When the old bytes cannot be written back either, the box names the files
// that may hold part of the change, and its journal stays: the next start
// puts them back.
TEST_F(WriteSetTest, WhatCannotBePutBackIsNamedAndPutBackAtTheNextStart) {
  {
    FailingDisk disk(4, DiskFault::Dead);  // the journal and two records are written
    WriteSet set("PIGS OUT");
    auto fa = set.open<A>(a);
    auto fb = set.open<B>(b);
    fa.write(1, {"1111"});
    fb.write(1, {"2222"});
    fa.write(2, {"3333"});  // fails; so does putting back the first two
    EXPECT_FALSE(set.commit());
    EXPECT_EQ(set.fault().path, a);
    EXPECT_EQ(set.fault().reason, "cannot write " + a + ": Input/output error");
    EXPECT_EQ(set.outcome("The pigs were not moved."),
              "What was written could not all be taken back from:\r" + a + "\r" + b + "\rNothing more was done.");
    EXPECT_EQ(set.outcome(), set.outcome("X"));
  }
  // Until then no write of this run changes them.
  platform::RecordFile file(b, 57);
  EXPECT_FALSE(file.write(1, std::vector<uint8_t>(57, 'X')));
  EXPECT_EQ(file.error(), "cannot write " + b + ": the last PIGS OUT waits to be undone: nothing is stored in this "
                          "file until then (the program tries again at each start; make the data folder and its "
                          "files writable)");
  ASSERT_TRUE(platform::fileExists(tp.path(kJournalName)));
  const RollBack back = RollBackJournal(tp.home());
  EXPECT_EQ(back.action, "PIGS OUT");
  EXPECT_EQ(back.found, RollBack::Found::Undone);
  EXPECT_EQ(files(), before);
  EXPECT_FALSE(platform::pathExists(tp.path(kJournalName)));
}

// While a journal of an earlier change is there, no set writes: it would
// lose what the journal keeps. The refusal says what waits: the earlier
// action to be undone (or its journal removed), a journal cut off before it
// reached a file to be removed, or one that cannot be used (another layout,
// a file changed since) to be set aside, as the start finds it.
TEST_F(WriteSetTest, AJournalLeftBehindStopsEverySetUntilItIsRolledBack) {
  // A PIGS OUT that rewrote GROUP.DAT's first record, or one that wrote
  // bytes the record never held.
  const auto pigsOut = [](const std::string& old, const std::string& now) {
    const std::vector<uint8_t> bytes =
        EncodeJournal({"PIGS OUT", {{"GROUP.DAT", 29, true, 58, 58}},
                       {{0, 0, std::vector<uint8_t>(old.begin(), old.end()), std::vector<uint8_t>(now.begin(), now.end())}}});
    return std::string(bytes.begin(), bytes.end());
  };
  const std::string whole = pigsOut(records({"AAAA"}, 29), records({"2222"}, 29));
  const std::string journal = tp.path(kJournalName), until = ": nothing that changes several files is stored until "
                                                             "then. The program tries again at each start; make the "
                                                             "data folder ";
  const std::string setAside = "the journal of an earlier action waits to be set aside" + until +
                               "writable, then start it again";
  const struct {
    std::string bytes, why;
  } cases[] = {
      {whole, "an earlier action waits to be undone, or its journal to be removed" + until +
                  "and its files writable, then start it again"},
      {whole.substr(0, whole.size() - 1),
       "the journal of an earlier action that reached no file waits to be removed" + until +
           "writable, then start it again"},
      {"an earlier change", setAside},
      {pigsOut(std::string(29, 'Q'), std::string(29, 'R')), setAside},  // GROUP.DAT changed since
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    writeFile(journal, c.bytes);
    WriteSet set("A CHANGE");
    set.open<A>(a).write(1, {"2222"});
    EXPECT_FALSE(set.commit());
    EXPECT_EQ(set.fault().reason, "cannot write " + journal + ": " + c.why);
    EXPECT_FALSE(run());
    EXPECT_EQ(files(), before);
    EXPECT_EQ(readFile(journal), c.bytes);
  }
}

// A set whose journal cannot be removed (the data folder made read-only
// while it wrote) puts its files back, and the journal that stays holds
// them for the rest of the run. It runs as a user who may write the files
// but not the folder.
TEST_F(WriteSetTest, APutBackWhoseJournalCannotGoHoldsTheFiles) {
  for (const std::string& file : {a, b}) ::chmod(file.c_str(), 0666);
  g_folder = tp.home();
  const std::string heard = AsAnotherUser(tp, [&] {
    platform::setDiskWriteHook(lockFolderAtSecondWrite);
    WriteSet set("PIGS OUT");
    set.open<A>(a).write(1, {"1111"});
    set.open<B>(b).write(2, {"2222"});
    const bool stored = set.commit();
    platform::setDiskWriteHook(nullptr);
    platform::RecordFile file(b, 57);
    file.write(1, std::vector<uint8_t>(57, 'X'));
    return std::string(stored ? "stored" : "not stored") + "\n" + set.outcome() + "\n" + file.error();
  });
  ::chmod(g_folder.c_str(), 0755);
  EXPECT_EQ(heard, "not stored\n" + std::string(kNothingMoreDone) + "\ncannot write " + b + ": the journal of the "
                   "last PIGS OUT waits to be removed: nothing is stored in this file until then (the program tries "
                   "again at each start; make the data folder and its files writable)");
  EXPECT_EQ(files(), before);
  EXPECT_TRUE(platform::fileExists(tp.path(kJournalName)));
}

}  // namespace
