// The journal a write set leaves while it writes, as the next start finds it:
// rolled back, kept, removed, or set aside untouched.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <filesystem>
#include <functional>

#include "common/WriteJournal.h"
#include "platform/FileSystem.h"
#include "platform/RecordFile.h"
#include "records/Fields.h"
#include "support/EarlierJournal.h"
#include "support/TestPlatform.h"

namespace {

std::string rec(char c, int length) { return std::string(static_cast<size_t>(length), c); }
std::vector<uint8_t> bytesOf(const std::string& text) { return {text.begin(), text.end()}; }

class WriteJournalTest : public ::testing::Test {
 protected:
  TestPlatform tp;
  std::string journalPath = tp.path(kJournalName), victim = tp.path("../VICTIM.DAT");
  // Before the action: GROUP.DAT two records, SALES.DAT one and a short
  // tail, no FEED.LST.
  const FolderBytes before{{"GROUP.DAT", rec('a', 29) + rec('b', 29)}, {"SALES.DAT", rec('s', 57) + "tail"}};
  // The action lengthens SALES.DAT, makes FEED.LST, then rewrites GROUP's
  // second record.
  const FolderBytes after{{"GROUP.DAT", rec('a', 29) + rec('B', 29)},
                          {"SALES.DAT", rec('s', 57) + rec('T', 57) + rec('U', 57)},
                          {"FEED.LST", rec('f', 60)}};
  static JournalPiece piece(size_t file, long long at, const std::string& now, const std::string& old) {
    return {file, at, bytesOf(old), bytesOf(now)};
  }
  Journal journal() {
    return {"PIGS OUT",
            {{"GROUP.DAT", 29, true, 58, 58}, {"SALES.DAT", 57, true, 61, 171}, {"FEED.LST", 60, false, 0, 60}},
            {piece(1, 57, rec('T', 57), "tail"), piece(1, 114, rec('U', 57), ""), piece(2, 0, rec('f', 60), ""),
             piece(0, 29, rec('B', 29), rec('b', 29))}};
  }
  void leave(const FolderBytes& files, const std::vector<uint8_t>& journalBytes) {
    std::filesystem::remove_all(tp.home());
    writeFolder(tp.home(), files);
    writeFile(journalPath, std::string(journalBytes.begin(), journalBytes.end()));
    writeFile(victim, "victim");
  }
  FolderBytes left() { return folderBytes(tp.home()); }
};

// `value` in `count` little-endian bytes.
std::string le(uint64_t value, int count) {
  std::string out;
  for (int i = 0; i < count; ++i) out += static_cast<char>(value >> (8 * i));
  return out;
}

TEST_F(WriteJournalTest, HoldsItsLayoutAndChecksumAndTheBareNames) {
  const std::string body = le(8, 4) + "PIGS OUT" + "\x03" +
                           le(9, 4) + "GROUP.DAT" + le(29, 4) + "\x01" + le(58, 8) + le(58, 8) +
                           le(9, 4) + "SALES.DAT" + le(57, 4) + "\x01" + le(61, 8) + le(171, 8) +
                           le(8, 4) + "FEED.LST" + le(60, 4) + '\0' + le(0, 8) + le(60, 8) + le(4, 4) +
                           "\x01" + le(57, 8) + le(4, 4) + "tail" + rec('T', 57) +
                           "\x01" + le(114, 8) + le(0, 4) + rec('U', 57) +
                           "\x02" + le(0, 8) + le(0, 4) + rec('f', 60) +
                           '\0' + le(29, 8) + le(29, 4) + rec('b', 29) + rec('B', 29);
  EXPECT_EQ(JournalChecksum(bytesOf("a").data(), 1), 0xaf63dc4c8601ec8cull);  // 64-bit FNV-1a
  const std::vector<uint8_t> bytes = bytesOf("TARLOWE JOURNAL3" + le(body.size(), 4) +
                                             le(JournalChecksum(bytesOf(body).data(), body.size()), 8) + body);
  EXPECT_EQ(EncodeJournal(journal()), bytes);
  const JournalRead back = DecodeJournal(bytes);
  ASSERT_EQ(back.is, JournalRead::Is::Whole) << back.why;
  EXPECT_EQ(EncodeJournal(back.journal), bytes);
  Journal named = journal();
  named.action = " ~" + rec('A', 38);  // printable, 40 bytes
  EXPECT_EQ(DecodeJournal(EncodeJournal(named)).is, JournalRead::Is::Whole);
  EXPECT_EQ(JournalRecordLength("FEED0000.DAT"), 112);  // a year the prompt takes
  EXPECT_EQ(JournalRecordLength("MED2A24.DAT"), 0);
}

// The files as a kill left them, and as the start leaves them.
TEST_F(WriteJournalTest, PutsTheFilesBackOrKeepsAWholeActionOrSetsTheJournalAside) {
  using Found = RollBack::Found;
  FolderBytes mixed = before, torn = before, changed = before, shorter = before, backUp = before;
  mixed["SALES.DAT"] = rec('s', 57) + rec('T', 30);  // the first record cut short
  // Parts of two records, each part sectors of its own, and a gap of zeros.
  torn["GROUP.DAT"] = rec('a', 29) + rec('B', 10) + rec('b', 19);
  torn["SALES.DAT"] = rec('s', 57) + "taTT" + rec('T', 20) + rec('\0', 33) + rec('U', 7);
  changed["GROUP.DAT"] = rec('a', 29) + rec('b', 28) + "x";
  shorter["SALES.DAT"] = rec('s', 57) + "tai";
  backUp["FEED.LST"] = rec('g', 60);  // another ingredient where the action makes its file
  const struct {
    const char* name;
    FolderBytes files, start;
    Found found;
    const char* changed = "";
  } cases[] = {
      {"every write made", after, after, Found::Stored},
      {"some writes made", {{"GROUP.DAT", before.at("GROUP.DAT")}, {"SALES.DAT", after.at("SALES.DAT")}}, before,
       Found::Undone},
      {"a write cut short", mixed, before, Found::Undone},
      {"two records torn", torn, before, Found::Undone},
      {"no write made", before, before, Found::Undone},
      {"a byte neither old nor new", changed, changed, Found::SetAside, "GROUP.DAT"},
      {"a file shorter than before", shorter, shorter, Found::SetAside, "SALES.DAT"},
      {"a back-up copied in", backUp, backUp, Found::SetAside, "FEED.LST"},
  };
  const std::vector<uint8_t> whole = EncodeJournal(journal());
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    leave(c.files, whole);
    const RollBack back = RollBackJournal(tp.home());
    EXPECT_EQ(back.action, "PIGS OUT");
    EXPECT_EQ(back.found, c.found);
    FolderBytes start = c.start;
    if (c.found == Found::SetAside) start["TARLOWE-1.JNL"] = std::string(whole.begin(), whole.end());
    EXPECT_EQ(back.changed, *c.changed ? tp.path(c.changed) : "");
    EXPECT_EQ(left(), start);
    EXPECT_EQ(RollBackJournal(tp.home()).found, Found::Nothing);  // told once
  }

  // A file that cannot be put back: the journal stays, and holds its files.
  leave(after, whole);
  writeFolder(tp.home(), {{"GROUP.DAT", before.at("GROUP.DAT")}});
  ASSERT_EQ(::chmod(tp.path("SALES.DAT").c_str(), 0444), 0);
  const RollBack stuck = RollBackJournal(tp.home());
  ASSERT_EQ(stuck.found, Found::Stuck);
  EXPECT_EQ(stuck.fault->reason, "cannot write " + tp.path("SALES.DAT") + ": the file is read-only");
  const std::string held = "the last PIGS OUT waits to be undone: nothing is stored in this file until then (the "
                           "program tries again at each start; make the data folder and its files writable)";
  platform::RecordFile group(tp.path("GROUP.DAT"), 29);
  EXPECT_FALSE(group.write(1, bytesOf(rec('n', 29))));
  EXPECT_EQ(group.error(), "cannot write " + tp.path("GROUP.DAT") + ": " + held);
  EXPECT_FALSE(platform::writeWholeFile(tp.path("FEED.LST"), {}));
  EXPECT_EQ(platform::lastFileError(), "cannot write " + tp.path("FEED.LST") + ": " + held);
  EXPECT_TRUE(platform::writeWholeFile(tp.path("DRUG.LST"), {}));  // no journal holds it
  platform::deleteFile(tp.path("DRUG.LST"));
  ASSERT_EQ(::chmod(tp.path("SALES.DAT").c_str(), 0644), 0);
  EXPECT_EQ(RollBackJournal(tp.home()).found, Found::Undone);
  EXPECT_EQ(left(), before);
  EXPECT_TRUE(group.open(tp.path("GROUP.DAT"), 29) && group.writable());  // no longer held
}

// A journal cut off at any length while it was written, shorter than its
// header says: no data file had been written yet, so it is removed and the
// files stay as they are. One of its full length with a byte changed on the
// disk is set aside and says why.
TEST_F(WriteJournalTest, ATornJournalIsRemovedAndADamagedOneSetAside) {
  const std::vector<uint8_t> whole = EncodeJournal(journal());
  for (size_t i = 0; i < 2 * whole.size(); ++i) {
    std::vector<uint8_t> torn(whole.begin(), whole.begin() + static_cast<long>(std::min(i, whole.size())));
    if (i >= whole.size()) torn = whole, torn[i - whole.size()] ^= 0x20;
    SCOPED_TRACE(i < whole.size() ? "cut at " + std::to_string(i) : "byte changed at " + std::to_string(i - whole.size()));
    leave(after, torn);
    const RollBack back = RollBackJournal(tp.home());
    const bool cut = i < whole.size() || static_cast<uint32_t>(records::getI32(torn.data() + 16)) > whole.size() - 28;
    EXPECT_EQ(back.found, cut ? RollBack::Found::Torn : RollBack::Found::SetAside);
    if (!cut)
      EXPECT_EQ(back.why, i - whole.size() < 16 ? "it is not a journal of the layout this version of the program writes"
                                                : "it is damaged: what it holds does not match its checksum");
    EXPECT_EQ(back.action, "");
    FolderBytes files = after;
    if (!cut) files["TARLOWE-1.JNL"] = std::string(torn.begin(), torn.end());
    EXPECT_EQ(left(), files);
  }
}

// Journals written by hand to the layout: each is set aside under a name of
// its own, says why, and no file in or out of the data folder changes.
TEST_F(WriteJournalTest, AJournalThatFailsACheckIsSetAsideAndTouchesNothing) {
  const auto encoded = [](Journal j) { return EncodeJournal(j); };
  const struct {
    const char* name;
    std::function<std::vector<uint8_t>(Journal&)> make;
    std::string why;
    size_t named = 0;  // the files named: those of a sound journal of the version before
  } cases[] = {
      {"../VICTIM.DAT", [&](Journal& j) { j.files[0].name = "../VICTIM.DAT"; return encoded(j); },
       "it names a file that no action writes in the data folder: ../VICTIM.DAT"},
      {"an absolute path", [&](Journal& j) { j.files[0].name = victim; return encoded(j); },
       "it names a file that no action writes in the data folder: " + victim.substr(0, 40)},
      {"offset 2^63", [&](Journal& j) { j.pieces[3].at = LLONG_MIN; return encoded(j); },
       "a record of GROUP.DAT lies where no record can"},
      {"a piece at 2^40", [&](Journal& j) { j.pieces[3].at = 29LL << 40; return encoded(j); },
       "a record of GROUP.DAT lies where no record can"},
      {"an action's name of 41 bytes", [&](Journal& j) { j.action = rec('A', 41); return encoded(j); },
       "the name of its action is not a short plain text"},
      {"an action's name with DEL", [&](Journal& j) { j.action = "PIGS\x7f"; return encoded(j); },
       "the name of its action is not a short plain text"},
      {"a year not of digits", [&](Journal& j) { j.files[2].name = "MEDABCD.DAT"; return encoded(j); },
       "it names a file that no action writes in the data folder: MEDABCD.DAT"},
      {"a record length not the file's", [&](Journal& j) { j.files[1].recordLength = 58; return encoded(j); },
       "its record length for SALES.DAT is not that of the file"},
      {"old bytes past the old length", [&](Journal& j) { j.pieces[0].old = bytesOf("tailx"); return encoded(j); },
       "the old bytes of a record of SALES.DAT are not those within its old length"},
      {"a new length not the furthest record's", [&](Journal& j) { j.files[2].newLength = 120; return encoded(j); },
       "its lengths of FEED.LST are not possible"},
      {"counts too large", [&](Journal& j) {
         std::vector<uint8_t> bytes = encoded(j);
         size_t pieces = 28 + 4 + j.action.size() + 1;
         for (const JournalFile& f : j.files) pieces += 4 + f.name.size() + 4 + 1 + 8 + 8;
         records::putI32(bytes.data() + pieces, -1);
         records::putI64(bytes.data() + 20, static_cast<int64_t>(JournalChecksum(bytes.data() + 28, bytes.size() - 28)));
         return bytes;
       },
       "it counts more records than it holds"},
      {"an earlier layout", [&](Journal& j) {
         std::vector<uint8_t> bytes = encoded(j);
         bytes[15] = '\n';
         return bytes;
       },
       "it is not a journal of the layout this version of the program writes"},
      {"the version before's layout", [&](Journal& j) { return EncodeEarlierJournal(j); },
       "it is of the layout an earlier version of the program wrote", 3},
      {"the version before's layout naming ../VICTIM.DAT",
       [&](Journal& j) { j.files[0].name = "../VICTIM.DAT"; return EncodeEarlierJournal(j); },
       "it names a file that no action writes in the data folder: ../VICTIM.DAT"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Journal j = journal();
    const std::vector<uint8_t> bytes = c.make(j);
    leave(after, bytes);
    const RollBack back = RollBackJournal(tp.home());
    EXPECT_EQ(back.found, RollBack::Found::SetAside);
    EXPECT_EQ(back.why, c.why);
    EXPECT_EQ(back.files.size(), c.named);
    EXPECT_EQ(back.setAsideAs, tp.path("TARLOWE-1.JNL"));
    FolderBytes files = after;
    files["TARLOWE-1.JNL"] = std::string(bytes.begin(), bytes.end());
    EXPECT_EQ(left(), files);
    EXPECT_EQ(readFile(victim), "victim");
  }

  // A link by a file's name is not written through; an old length of 2^40
  // is not what the file holds. Both are files changed since.
  for (const bool link : {true, false}) {
    Journal j = journal();
    if (!link) j.files[0].oldLength = j.files[0].newLength = 1LL << 40;
    leave(before, EncodeJournal(j));
    writeFile(victim, before.at("GROUP.DAT"));
    if (link) platform::deleteFile(tp.path("GROUP.DAT"));
    if (link) std::filesystem::create_symlink(victim, tp.path("GROUP.DAT"));
    const RollBack back = RollBackJournal(tp.home());
    EXPECT_EQ(back.found, RollBack::Found::SetAside);
    EXPECT_EQ(back.changed, tp.path("GROUP.DAT"));
    EXPECT_EQ(readFile(victim), before.at("GROUP.DAT"));
    EXPECT_EQ(readFile(tp.path("SALES.DAT")), before.at("SALES.DAT"));
  }

  // A journal of a terabyte, nearly all of it a hole, is not read.
  leave(after, {});
  ASSERT_EQ(::truncate(journalPath.c_str(), 1LL << 40), 0);
  EXPECT_EQ(RollBackJournal(tp.home()).why, "it is longer than any journal the program writes");
  EXPECT_EQ(platform::fileLength(tp.path("TARLOWE-1.JNL")), 1LL << 40);
}

}  // namespace
