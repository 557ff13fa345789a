#include <gtest/gtest.h>

#include "common/HogGlobals.h"
#include "common/Scrambler.h"
#include "common/Settings.h"
#include "platform/FileSystem.h"
#include "records/Fields.h"
#include "shell/PasswordFile.h"
#include "support/PasswordBytes.h"
#include "support/TestPlatform.h"

namespace {

std::string plainRecord(const std::string& password, const std::string& id, int level, const std::string& marker) {
  return passwordRecord(password, id, level, marker);
}
std::string scrambled(const std::string& plain) { return scramblePasswordBytes(plain); }
std::string unscrambled(const std::string& onDisk) { return scramblePasswordBytes(onDisk); }

struct PasswordFileTest : ::testing::Test {
  TestPlatform tp;
  void SetUp() override {
    AppFolder = tp.home();
    DateText = "12/07/2026";
    SettingsSection = "TARLOWE";
  }
  std::string logOnId() { return settings::ReadMachineSetting("TARLOWE", "LogOnID"); }
};

}  // namespace

TEST(PasswordRecordLayout, SixtyEightBytesInTheFileOrder) {
  auto spans = records::layoutOf<PasswordRecord>();
  std::vector<std::pair<int, int>> got;
  for (auto s : spans) got.push_back({s.offset, s.width});
  EXPECT_EQ(got, (std::vector<std::pair<int, int>>{{0, 10}, {10, 20}, {30, 10}, {40, 20}, {60, 3}, {63, 2}, {65, 3}}));
  PasswordRecord r;
  r.Password = "KWVKWV";
  r.LogonID = "Admin";
  r.Date = "12/07/2026";
  r.Level = 3;
  r.Marker = "YES";
  records::Bytes b = records::encode(r);
  EXPECT_EQ(std::string(b.begin(), b.end()), plainRecord("KWVKWV", "Admin", 3, "YES"));
}

TEST_F(PasswordFileTest, MissingFileBecomesTheScrambledDefaultFile) {
  PasswordFileCheck();
  std::string onDisk = readFile(tp.path("TARLOWE.PWF"));
  ASSERT_EQ(onDisk.size(), 2176u);
  std::string expected = plainRecord("KWVKWV", "Admin", 0, "YES");
  for (int i = 2; i <= 32; ++i) expected += plainRecord("KWVKWV", "USER", 4, "YES");
  EXPECT_EQ(onDisk, scrambled(expected));
  EXPECT_NE(onDisk.substr(0, 30), expected.substr(0, 30));  // not readable at rest
  EXPECT_EQ(logOnId(), "Admin");
  EXPECT_TRUE(tp.dialogs.shown.empty());
}

TEST_F(PasswordFileTest, FileWithoutAWholeRecordIsReplacedSilently) {
  writeFile(tp.path("TARLOWE.PWF"), std::string(40, 'x'));
  PasswordFileCheck();
  EXPECT_EQ(readFile(tp.path("TARLOWE.PWF")).size(), 2176u);
  EXPECT_TRUE(tp.dialogs.shown.empty());
  EXPECT_EQ(logOnId(), "Admin");
}

TEST_F(PasswordFileTest, LowerCaseMarkerIsCorruptAndTheFileIsReplacedAfterANotice) {
  std::string plain = plainRecord("SECRET", "Admin", 0, "yes");
  for (int i = 2; i <= 50; ++i) plain += plainRecord("KWVKWV", "Fred", 2, "YES");
  writeFile(tp.path("TARLOWE.PWF"), scrambled(plain));
  PasswordFileCheck();
  ASSERT_EQ(tp.dialogs.shown.size(), 1u);
  const ShownBox& box = tp.dialogs.last();
  EXPECT_EQ(box.text, "ERROR:  CAN'T OPEN PASSWORD FILE!\r\rCorrupt file.. Removing file.");
  EXPECT_EQ(box.title, "P A S S W O R D  F I L E  C H E C K");
  EXPECT_EQ(box.icon, 0);
  EXPECT_EQ(box.buttons, platform::vbOKOnly);
  EXPECT_FALSE(box.beepBefore);
  std::vector<PasswordRecord> users;
  ASSERT_TRUE(LoadPasswordFile(PasswordFilePath(), users));
  ASSERT_EQ(users.size(), 32u);
  EXPECT_EQ(users[0].LogonID, "Admin" + std::string(15, ' '));
  EXPECT_EQ(users[0].Password, "KWVKWV    ");
  EXPECT_EQ(users[0].Level, 0);
  EXPECT_EQ(users[31].Level, 4);
  EXPECT_TRUE(IsFreeUser(users[31]));
}

TEST_F(PasswordFileTest, AFileStoredUnscrambledReadsAsCorrupt) {
  writeFile(tp.path("TARLOWE.PWF"), plainRecord("KWVKWV", "Admin", 0, "YES"));
  PasswordFileCheck();
  ASSERT_EQ(tp.dialogs.shown.size(), 1u);
  EXPECT_EQ(readFile(tp.path("TARLOWE.PWF")).size(), 2176u);
}

TEST_F(PasswordFileTest, ValidFileStaysByteForByteWithAllItsRecords) {
  std::string plain = plainRecord("SECRET", "Admin", 0, "YES");
  for (int i = 2; i <= 33; ++i) plain += plainRecord("PW" + std::to_string(i), "User" + std::to_string(i), 3, "YES");
  plain += "tail";  // a short tail is no record but stays on disk
  std::string onDisk = scrambled(plain);
  writeFile(tp.path("TARLOWE.PWF"), onDisk);
  PasswordFileCheck();
  EXPECT_EQ(readFile(tp.path("TARLOWE.PWF")), onDisk);
  EXPECT_TRUE(tp.dialogs.shown.empty());
  EXPECT_EQ(logOnId(), "");  // only a new file names Admin
}

TEST_F(PasswordFileTest, LoadAndSaveRoundTripScrambledOnDisk) {
  std::vector<PasswordRecord> users = DefaultPasswordRecords("01/02/2027");
  users[1].LogonID = "Fred";
  users[1].Password = "pigs";
  users[1].Level = 2;
  ASSERT_TRUE(SavePasswordFile(PasswordFilePath(), users));
  std::string onDisk = readFile(tp.path("TARLOWE.PWF"));
  EXPECT_EQ(unscrambled(onDisk).substr(68, 68), plainRecord("pigs", "Fred", 2, "YES").replace(30, 10, "01/02/2027"));
  std::vector<PasswordRecord> back;
  ASSERT_TRUE(LoadPasswordFile(PasswordFilePath(), back));
  ASSERT_EQ(back.size(), 32u);
  EXPECT_EQ(back[1].LogonID, "Fred" + std::string(16, ' '));
  EXPECT_FALSE(IsFreeUser(back[1]));
  EXPECT_FALSE(IsCorruptPasswordFile(back));
  // No temporary file is left beside it.
  std::vector<std::string> names;
  platform::listFolder(tp.home(), names);
  EXPECT_EQ(names, std::vector<std::string>({"TARLOWE.PWF"}));
}

TEST_F(PasswordFileTest, FreeRecordsReadUserInAnyCase) {
  PasswordRecord r;
  r.LogonID = "  uSeR ";
  EXPECT_TRUE(IsFreeUser(r));
  r.LogonID = "USERS";
  EXPECT_FALSE(IsFreeUser(r));
  std::vector<PasswordRecord> none;
  EXPECT_FALSE(IsCorruptPasswordFile(none));
}
