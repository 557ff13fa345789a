// The journal a write set leaves while it writes, rolled back as the next
// start finds it.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "common/WriteJournal.h"
#include "platform/FileSystem.h"
#include "records/Fields.h"
#include "support/TestPlatform.h"

namespace {

std::vector<uint8_t> bytesOf(const std::string& text) { return {text.begin(), text.end()}; }

class WriteJournalTest : public ::testing::Test {
 protected:
  TestPlatform tp;
  std::string journalPath = tp.path(kJournalName);
  std::string other = tp.path("ELSEWHERE/");
  // Before the action: A.DAT two records, B.DAT one and a short tail, no
  // C.DAT, and D.DAT in another folder.
  const FolderBytes before{{"A.DAT", "AAAAaaaa"}, {"B.DAT", "BBBBbb"}};
  // The action rewrites A's second record, lengthens B, makes C and
  // rewrites D.
  const FolderBytes after{{"A.DAT", "AAAA2222"}, {"B.DAT", "BBBBbbbbxxxx"}, {"C.DAT", "cccc"}};
  Journal journal() {
    return {"PIGS OUT",
            {{tp.path("A.DAT"), 4, true, 8, {{4, bytesOf("aaaa")}}},
             {tp.path("B.DAT"), 4, true, 6, {{4, bytesOf("bb")}}},
             {tp.path("C.DAT"), 4, false, 0, {}},
             {other + "D.DAT", 4, true, 4, {{0, bytesOf("DDDD")}}}}};
  }
  void leave(const FolderBytes& files, const std::string& d, const std::vector<uint8_t>& journalBytes) {
    writeFolder(tp.home(), files);
    writeFolder(other, {{"D.DAT", d}});
    writeFile(journalPath, std::string(journalBytes.begin(), journalBytes.end()));
  }
  FolderBytes left() { return folderBytes(tp.home()); }
};

TEST_F(WriteJournalTest, HoldsItsLengthAndChecksumAndNamesTheFilesBesideIt) {
  const std::vector<uint8_t> bytes = EncodeJournal(journal(), tp.home());
  EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 16), "TARLOWE JOURNAL\n");
  EXPECT_EQ(records::getI32(bytes.data() + 16), static_cast<int32_t>(bytes.size() - 28));
  const std::string text(bytes.begin(), bytes.end());
  EXPECT_NE(text.find("PIGS OUT"), std::string::npos);
  EXPECT_EQ(text.find(tp.path("A.DAT")), std::string::npos);  // the name alone
  EXPECT_NE(text.find(other + "D.DAT"), std::string::npos);   // the whole path
  const std::optional<Journal> back = DecodeJournal(bytes, tp.home());
  ASSERT_TRUE(back);
  EXPECT_EQ(EncodeJournal(*back, tp.home()), bytes);
  EXPECT_EQ(back->files[0].path, tp.path("A.DAT"));
}

// The files as a kill left them: all written, part written, none; and a file
// that cannot be put back.
TEST_F(WriteJournalTest, PutsEveryFileBackAndSaysWhetherAnythingChanged) {
  const struct {
    const char* name;
    FolderBytes files;
    std::string d;
    bool undone;
  } cases[] = {
      {"every write made", after, "dddd", true},
      {"some writes made", {{"A.DAT", "AAAA22aa"}, {"B.DAT", "BBBBbbbbxx"}}, "DDDD", true},
      {"no write made", before, "DDDD", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::filesystem::remove_all(tp.home());
    leave(c.files, c.d, EncodeJournal(journal(), tp.home()));
    const RollBack back = RollBackJournal(tp.home());
    EXPECT_EQ(back.action, "PIGS OUT");
    EXPECT_EQ(back.undone, c.undone);
    EXPECT_FALSE(back.fault);
    EXPECT_EQ(left(), before);
    EXPECT_EQ(readFile(other + "D.DAT"), "DDDD");
    EXPECT_FALSE(RollBackJournal(tp.home()).undone);  // nothing left to undo
  }

  leave(after, "dddd", EncodeJournal(journal(), tp.home()));
  ASSERT_EQ(::chmod(tp.path("A.DAT").c_str(), 0444), 0);
  const RollBack stuck = RollBackJournal(tp.home());
  ASSERT_TRUE(stuck.fault);
  EXPECT_EQ(stuck.fault->path, tp.path("A.DAT"));
  EXPECT_EQ(stuck.fault->reason, "cannot write " + tp.path("A.DAT") + ": the file is read-only");
  EXPECT_TRUE(platform::fileExists(journalPath));  // tried again at the next start
  ASSERT_EQ(::chmod(tp.path("A.DAT").c_str(), 0644), 0);
  EXPECT_TRUE(RollBackJournal(tp.home()).undone);
  EXPECT_EQ(left(), before);
}

// A journal cut off at any length while it was written, or with any byte
// not as written, is known for one: no data file had been written yet, so it
// is removed and the files stay as they are.
TEST_F(WriteJournalTest, ATornJournalIsRemovedAndTouchesNothing) {
  const std::vector<uint8_t> whole = EncodeJournal(journal(), tp.home());
  std::vector<std::vector<uint8_t>> torn;
  for (size_t cut = 0; cut < whole.size(); ++cut) torn.emplace_back(whole.begin(), whole.begin() + cut);
  for (size_t at = 0; at < whole.size(); ++at) {
    torn.push_back(whole);
    torn.back()[at] ^= 0x20;
  }
  leave(after, "dddd", {});
  for (size_t i = 0; i < torn.size(); ++i) {
    SCOPED_TRACE(i < whole.size() ? "cut at " + std::to_string(i) : "byte changed at " + std::to_string(i - whole.size()));
    writeFile(journalPath, std::string(torn[i].begin(), torn[i].end()));
    const RollBack back = RollBackJournal(tp.home());
    EXPECT_EQ(back.action, "");
    EXPECT_FALSE(back.undone);
    EXPECT_FALSE(back.fault);
    EXPECT_EQ(left(), after);
  }
}

}  // namespace
