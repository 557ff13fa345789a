#include <sys/stat.h>

#include <filesystem>
#include <functional>
#include <optional>

#include "records/BoarRecord.h"
#include "records/SowRecord.h"
#include "shell/DatabaseFixture.h"
#include "shell/DatabaseUtilities.h"
#include "support/BoxMatch.h"
#include "support/FailingDisk.h"
#include "support/RecordBuilders.h"

using namespace platform;

namespace {
const char* const kTransferAbort = "Can't Transfer Database--Aborting!";
const char* const kRestoreAbort = "Can't Restore Database--Aborting!";
// The box of a pattern that finds no file.
ExpectedBox missingBox(const std::string& pattern, bool restore) {
  if (restore)
    return {"ERROR: CAN'T LOCATE " + pattern + " FILE(s)!\rCan't find any Tarlowe BackUp files!\r" + kRestoreAbort,
            "TARLOWE DATABASE NOT RESTORED", vbCritical};
  return {"ERROR: CAN'T LOCATE " + pattern + " FILE(s)!\rCan't find any Tarlowe Database files!\r" + kTransferAbort,
          "TARLOWE DATABASE NOT FOUND", vbCritical};
}
}  // namespace

// A back-up to a new folder two levels down, a change, a restore and a move:
// each leaves exactly the backed-up bytes, and the program works in the
// folder the database moved to.
TEST_F(DatabaseTest, BackUpChangeRestoreAndMoveKeepTheBackedUpBytes) {
  const std::string backup = tp.path("SAVES/WEEK1");
  tp.dialogs.type(backup);
  BackUpDatabaseMenu();
  EXPECT_EQ(tp.dialogs.shown[0].defaultText, data + "BACKUP");
  EXPECT_TRUE(LastBoxIs(tp.dialogs, {"HOG DATABASE BACKED UP.\r\rThe files were copied to\r" + backup + "/",
                                     "BACKUP TARLOWE DATABASE", vbInformation}));
  EXPECT_EQ(folderBytes(backup), herd);
  EXPECT_EQ(backUpPath(), backup);

  writeFile(data + "SOW.DAT", "changed");
  tp.dialogs.type(tp.path("SAVES//./WEEK1/"));  // the box names the folder plainly
  RestoreDatabaseMenu();
  EXPECT_TRUE(LastBoxIs(tp.dialogs, {"HOG DATABASE RESTORED.\r\rThe files were copied from\r" + backup + "/",
                                     "RESTORE TARLOWE DATABASE", vbInformation}));
  EXPECT_EQ(folderBytes(data), herd);

  const std::string moved = tp.path("FARM");
  tp.dialogs.type(moved);
  MoveDatabaseMenu();
  EXPECT_TRUE(LastBoxIs(tp.dialogs, {"HOG DATABASE MOVED.\r\rThe files were copied to\r" + moved + "/",
                                     "MOVE TARLOWE DATABASE", vbInformation}));
  EXPECT_EQ(folderBytes(moved), herd);
  EXPECT_EQ(folderBytes(data), herd);
  EXPECT_EQ(dataPath(), moved);
  EXPECT_EQ(DataFolder, moved + "/");
}

// What each refused copy shows (nothing after the prompt when there is no
// box); the database folder keeps its bytes and no setting is written.
struct RefusedCopy {
  const char* name;
  std::function<void(DatabaseTest&)> arrange;  // the folders as they stand
  std::function<void()> choose;                // the menu item
  std::function<std::optional<ExpectedBox>(DatabaseTest&)> box;
};

inline void PrintTo(const RefusedCopy& c, std::ostream* os) { *os << c.name; }

class RefusedCopies : public DatabaseTest, public ::testing::WithParamInterface<RefusedCopy> {};

TEST_P(RefusedCopies, ShowTheirBoxAndChangeNothing) {
  GetParam().arrange(*this);
  const FolderBytes before = folderBytes(data);
  const std::optional<ExpectedBox> expected = GetParam().box(*this);
  GetParam().choose();
  if (expected) EXPECT_TRUE(LastBoxIs(tp.dialogs, *expected));
  else EXPECT_TRUE(tp.dialogs.last().input);  // the prompt, and nothing after it
  EXPECT_EQ(folderBytes(data), before);
  EXPECT_EQ(dataPath(), data);
  EXPECT_EQ(backUpPath(), "");
}

INSTANTIATE_TEST_SUITE_P(
    UtilMenu, RefusedCopies,
    ::testing::Values(
        RefusedCopy{"BackUpWithoutLst",
                    [](DatabaseTest& t) {
                      deleteFile(t.data + "FEED.LST");
                      deleteFile(t.data + "DRUG.LST");
                      t.tp.dialogs.type(t.tp.path("B"));
                    },
                    BackUpDatabaseMenu,
                    [](DatabaseTest&) { return missingBox("*.LST", false); }},
        RefusedCopy{"BackUpPromptCancelled", [](DatabaseTest& t) { t.tp.dialogs.cancelInput(); }, BackUpDatabaseMenu,
                    [](DatabaseTest&) { return std::nullopt; }},
        RefusedCopy{"BackUpPromptLeftBlank", [](DatabaseTest& t) { t.tp.dialogs.type("   "); }, BackUpDatabaseMenu,
                    [](DatabaseTest&) { return std::nullopt; }},
        RefusedCopy{"RestoreWithoutLstCopiesNothing",
                    [](DatabaseTest& t) {
                      writeFolder(t.tp.path("B"), {{"SOW.DAT", "old sows"}});
                      t.tp.dialogs.type(t.tp.path("B"));
                    },
                    RestoreDatabaseMenu,
                    [](DatabaseTest&) { return missingBox("*.LST", true); }},
        RefusedCopy{"RestoreFromAMissingFolder",
                    [](DatabaseTest& t) { t.tp.dialogs.type(t.tp.path("NOWHERE")); }, RestoreDatabaseMenu,
                    [](DatabaseTest&) { return missingBox("*.DAT", true); }},
        RefusedCopy{"MoveToTheDatabaseFolderItself",
                    [](DatabaseTest& t) { t.tp.dialogs.type(t.tp.path("hogdata")); }, MoveDatabaseMenu,
                    [](DatabaseTest& t) {
                      return ExpectedBox{"ERROR: SAME FOLDER!\rThe files are already in " + t.tp.path("hogdata/") +
                                             "\r" + kTransferAbort,
                                         "TARLOWE DATABASE NOT COPIED", vbCritical};
                    }},
        RefusedCopy{"BackUpBelowAFile",
                    [](DatabaseTest& t) { t.tp.dialogs.type(t.data + "SOW.DAT/B"); }, BackUpDatabaseMenu,
                    [](DatabaseTest& t) {
                      const std::string target = t.data + "SOW.DAT/B";
                      return ExpectedBox{"ERROR: CAN'T MAKE FOLDER " + target + "!\rcannot create folder " + target +
                                             ": Not a directory\r" + kTransferAbort,
                                         "TARLOWE DATABASE NOT COPIED", vbCritical};
                    }},
        RefusedCopy{"RestoreOverAReadOnlyFile",
                    [](DatabaseTest& t) {
                      FolderBytes saved = t.herd;
                      saved["SOW.DAT"] = "older sows";
                      saved["BOAR.DAT"] = "older boars";  // listed first, and not copied either
                      writeFolder(t.tp.path("B"), saved);
                      ::chmod((t.data + "SOW.DAT").c_str(), 0444);
                      t.tp.dialogs.type(t.tp.path("B"));
                    },
                    RestoreDatabaseMenu,
                    [](DatabaseTest& t) {
                      return ExpectedBox{"ERROR: CAN'T COPY SOW.DAT!\rcannot write " + t.data +
                                             "SOW.DAT: the file is read-only\r" + kRestoreAbort,
                                         "TARLOWE DATABASE NOT RESTORED", vbCritical};
                    }}),
    [](const auto& info) { return std::string(info.param.name); });

// A folder typed at a prompt that is no full path ("D:\BACKUP" would be a
// folder of that name in whatever folder the program was started from) or
// that holds a control character is refused, saying what to type; the prompt
// comes back offering what was typed, and a full path typed there is taken.
TEST_F(DatabaseTest, AFolderThatIsNoFullPathIsRefusedAndAskedForAgain) {
  const std::string full = " is not a full path.\rType the whole path of the folder,\rstarting with /, such as\r"
                           "/media/usb/BACKUP";
  const struct {
    const char* name;
    void (*choose)();
    std::string title;
    std::string typed;
    std::string refusal;
  } cases[] = {
      {"back-up to a drive", BackUpDatabaseMenu, "BACKUP HOG DATABASE", "D:\\BACKUP", "D:\\BACKUP" + full},
      {"back-up to a name", BackUpDatabaseMenu, "BACKUP HOG DATABASE", "BACKUP", "BACKUP" + full},
      {"back-up from home", BackUpDatabaseMenu, "BACKUP HOG DATABASE", "~/BACKUP", "~/BACKUP" + full},
      {"back-up with a tab", BackUpDatabaseMenu, "BACKUP HOG DATABASE", tp.path("B\tC"),
       "A path may not hold control characters."},
      {"move", MoveDatabaseMenu, "MOVE HOG DATABASE", "FARM\\HOGDATA", "FARM\\HOGDATA" + full},
      {"restore", RestoreDatabaseMenu, "RESTORE HOG DATABASE", "E:\\", "E:\\" + full},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    tp.dialogs.clear();
    tp.dialogs.type(c.typed).cancelInput();
    c.choose();
    ASSERT_EQ(tp.dialogs.shown.size(), 3u);
    EXPECT_TRUE(IsBox(tp.dialogs.shown[1], {"ERROR: INVALIED PATH!\r\r" + c.refusal, c.title}));
    EXPECT_TRUE(tp.dialogs.last().input);
    EXPECT_EQ(tp.dialogs.last().title, c.title);
    EXPECT_EQ(tp.dialogs.last().defaultText, c.typed);
    EXPECT_FALSE(std::filesystem::exists(c.typed));  // nothing made in the current folder
    EXPECT_EQ(folderBytes(data), herd);
    EXPECT_EQ(dataPath(), data);
    EXPECT_EQ(backUpPath(), "");
  }
  tp.dialogs.clear();
  tp.dialogs.type("D:\\BACKUP").type(tp.path("USB/BACKUP"));
  BackUpDatabaseMenu();
  EXPECT_TRUE(LastBoxIs(tp.dialogs, {"HOG DATABASE BACKED UP.\r\rThe files were copied to\r" + tp.path("USB/BACKUP/"),
                                     "BACKUP TARLOWE DATABASE", vbInformation}));
  EXPECT_EQ(folderBytes(tp.path("USB/BACKUP")), herd);
}

// A restore that a full disk stops at each write in turn: the files copied
// before it hold the backed-up bytes, the others their own, and the box names
// the copied ones.
TEST_F(DatabaseTest, ARestoreStoppedByAFullDiskNamesTheFilesCopiedBeforeIt) {
  const std::string backup = tp.path("B");
  FolderBytes saved;
  for (const auto& [name, bytes] : herd) saved[name] = "saved " + bytes;
  writeFolder(backup, saved);
  const std::vector<std::string> order{"BOAR.DAT", "SOW.DAT", "DRUG.LST", "FEED.LST"};
  for (long n = 1;; ++n) {
    SCOPED_TRACE("write " + std::to_string(n));
    ASSERT_LT(n, 100);
    writeFolder(data, herd);
    tp.dialogs.clear();
    FailingDisk disk(n, DiskFault::Full);
    if (RestoreHogDB(backup)) {
      EXPECT_EQ(folderBytes(data), saved);
      break;
    }
    const FolderBytes after = folderBytes(data);
    const std::string text = tp.dialogs.last().text;
    std::string copied;
    size_t k = 0;
    for (; k < order.size() && after.at(order[k]) == saved.at(order[k]); ++k)
      copied += (k == 0 ? " " : ", ") + order[k];
    ASSERT_LT(k, order.size());
    for (size_t rest = k; rest < order.size(); ++rest) EXPECT_EQ(after.at(order[rest]), herd.at(order[rest]));
    const std::string head = "ERROR: CAN'T COPY " + order[k] + "!\rcannot write " + data + order[k] + ".";
    const std::string tail = ": No space left on device" + (copied.empty() ? "" : "\rCopied before it:" + copied + ".") +
                             "\r" + kRestoreAbort;
    EXPECT_EQ(text.substr(0, head.size()), head);
    ASSERT_GE(text.size(), tail.size());
    EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
    EXPECT_EQ(tp.dialogs.last().title, "TARLOWE DATABASE NOT RESTORED");
  }
}

// Compaction: the live records keep their bytes and order; blank ones go.
struct Compaction {
  const char* name;
  bool boar;
  std::vector<std::string> ids;  // one record each; blank = deleted
  ExpectedBox box;
  std::vector<int> kept;  // the records (from 0) the file holds afterwards
};

inline void PrintTo(const Compaction& c, std::ostream* os) { *os << c.name; }

class Compactions : public DatabaseTest, public ::testing::WithParamInterface<Compaction> {};

TEST_P(Compactions, KeepEveryLiveRecordByteForByte) {
  const Compaction& c = GetParam();
  const std::string path = data + (c.boar ? "BOAR.DAT" : "SOW.DAT");
  const int length = c.boar ? BoarRecord::Length : SowRecord::Length;
  std::string bytes;
  for (size_t i = 0; i < c.ids.size(); ++i) {
    std::string record = c.boar ? recordBytes<BoarRecord>({aBoar(c.ids[i]).breed("B" + std::to_string(i))})
                                : recordBytes<SowRecord>({aSow(c.ids[i]).breed("S" + std::to_string(i))});
    bytes += record;
  }
  writeFile(path, bytes);
  writeFile(data + (c.boar ? "BOAR.TMP" : "SOW.TMP"), "left from an earlier run");
  std::string expected;
  for (int k : c.kept) expected += bytes.substr(static_cast<size_t>(k) * length, length);
  if (c.boar)
    DefragBoarMenu();
  else
    DefragSowMenu();
  EXPECT_TRUE(LastBoxIs(tp.dialogs, c.box));
  EXPECT_EQ(readFile(path), expected);
  EXPECT_FALSE(pathExists(data + (c.boar ? "BOAR.TMP" : "SOW.TMP")));
}

INSTANTIATE_TEST_SUITE_P(
    UtilMenu, Compactions,
    ::testing::Values(
        Compaction{"BlanksBetweenBeforeAndAfter", false, {"", "S1", "", "S2", "        ", "S3", ""},
                   {"SOW FILE DEFRAGED", "DEFRAG  SOW  FILE", vbInformation}, {1, 3, 5}},
        Compaction{"NoBlanks", false, {"S1", "S2"}, {"SOW FILE DEFRAGED", "DEFRAG  SOW  FILE", vbInformation}, {0, 1}},
        Compaction{"AllBlank", false, {"", " "}, {"SOW FILE DEFRAGED", "DEFRAG  SOW  FILE", vbInformation}, {}},
        Compaction{"EmptySowFile", false, {}, {"NO SOW FILE!", "DEFRAG  SOW  FILE", vbExclamation}, {}},
        Compaction{"Boars", true, {"B1", "", "B2"}, {"BOAR FILE DEFRAGED", "DEFRAG  BOAR  FILE", vbInformation},
                   {0, 2}},
        Compaction{"EmptyBoarFile", true, {}, {"NO BOAR FILE!", "DEFRAG  BOAR  FILE", vbExclamation}, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DatabaseTest, CompactionThatCannotReplaceTheFileLeavesItAndNoTemporaryFile) {
  const std::string path = data + "SOW.DAT";
  writeRecords<SowRecord>(path, {aSow("S1"), aSow("")});
  const std::string before = readFile(path);
  ::chmod(path.c_str(), 0444);
  DefragSowMenu();
  EXPECT_TRUE(LastBoxIs(tp.dialogs, {"ERROR: CAN'T DEFRAG SOW FILE!\r\rcannot write " + path +
                                         ": the file is read-only\r\rThe SOW file is unchanged.",
                                     "DEFRAG  SOW  FILE", vbCritical}));
  EXPECT_EQ(readFile(path), before);
  EXPECT_FALSE(pathExists(data + "SOW.TMP"));
}

TEST_F(DatabaseTest, CompactionOfAMissingFileLeavesAnEmptyOne) {
  deleteFile(data + "BOAR.DAT");
  EXPECT_EQ(DefragBoarFile(), DefragResult::kNoFile);
  EXPECT_EQ(readFile(data + "BOAR.DAT"), "");
}
