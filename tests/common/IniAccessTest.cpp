#include <gtest/gtest.h>

#include <string>

#include "common/IniAccess.h"
#include "platform/FileSystem.h"
#include "support/TestPlatform.h"

using platform::vbCritical;
using platform::vbOKOnly;

namespace {
std::string read(const std::string& path, const std::string& section, const std::string& key,
                 int mode = kIniRead) {
  std::string value = "untouched";
  IniAccess(path, section, key, value, mode);
  return value;
}
void write(const std::string& path, const std::string& section, const std::string& key,
           const std::string& value) {
  std::string v = value;
  IniAccess(path, section, key, v, kIniWrite);
}
}  // namespace

TEST(IniAccess, BaseNameWithoutExtensionUsesTheIniFile) {
  TestPlatform tp;
  write(tp.settings() + "VMQ2007", "TARLOWE", "LogOnID", "Admin");
  ASSERT_TRUE(platform::fileExists(tp.settings() + "VMQ2007.INI"));
  EXPECT_FALSE(platform::fileExists(tp.settings() + "VMQ2007"));
  EXPECT_NE(readFile(tp.settings() + "VMQ2007.INI").find("LogOnID=Admin"), std::string::npos);
  EXPECT_EQ(read(tp.settings() + "VMQ2007", "TARLOWE", "LogOnID"), "Admin");
  // The name with its extension is the same file.
  EXPECT_EQ(read(tp.settings() + "VMQ2007.INI", "TARLOWE", "LogOnID"), "Admin");
  EXPECT_TRUE(tp.dialogs.shown.empty());
}

TEST(IniAccess, OtherExtensionIsReplaced) {
  TestPlatform tp;
  write(tp.path("TARLOWE.TXT"), "HOGDATA", "DataPath", "/farm/data/");
  EXPECT_FALSE(platform::fileExists(tp.path("TARLOWE.TXT")));
  EXPECT_EQ(read(tp.path("TARLOWE.INI"), "HOGDATA", "DataPath"), "/farm/data/");
}

TEST(IniAccess, PathWithoutFolderShowsInvalidPathBox) {
  TestPlatform tp;
  EXPECT_EQ(read("TARLOWE.INI", "STARTUPINFO", "CurrentDate"), "untouched");
  ASSERT_EQ(tp.dialogs.shown.size(), 1u);
  const ShownBox& box = tp.dialogs.last();
  EXPECT_EQ(box.text, "ERROR: INVALIED PATH!\r\rThis path is invalied: TARLOWE.INI\r");
  EXPECT_EQ(box.title, "ACCESSING  INI  FILE");
  EXPECT_EQ(box.icon, vbCritical);
  EXPECT_EQ(box.buttons, vbOKOnly);
  EXPECT_FALSE(box.beepBefore);
  EXPECT_EQ(tp.dialogs.beeps, 0);
}

TEST(IniAccess, InvalidPathWritesNothing) {
  TestPlatform tp;
  write("TARLOWE.INI", "STARTUPINFO", "CurrentDate", "12/07/2026");
  EXPECT_EQ(tp.dialogs.shown.size(), 1u);
  EXPECT_FALSE(platform::fileExists("TARLOWE.INI"));
}

TEST(IniAccess, PathEndingInSeparatorShowsNoFileNameBox) {
  TestPlatform tp;
  EXPECT_EQ(read(tp.settings(), "TARLOWE", "LogOnID"), "untouched");
  EXPECT_EQ(read("C:\\VQ2007\\", "TARLOWE", "LogOnID"), "untouched");
  ASSERT_EQ(tp.dialogs.shown.size(), 2u);
  for (const ShownBox& box : tp.dialogs.shown) {
    EXPECT_EQ(box.text, "ERROR: NO FILENAME!\r");
    EXPECT_EQ(box.title, "ACCESSING  INI  FILE");
    EXPECT_EQ(box.icon, vbCritical);
    EXPECT_FALSE(box.beepBefore);
  }
}

TEST(IniAccess, MissingFileSectionOrKeyReadsEmptyWithoutBox) {
  TestPlatform tp;
  EXPECT_EQ(read(tp.path("NOFILE.INI"), "HOGDATA", "DataPath"), "");
  writeFile(tp.path("TARLOWE.INI"), "[HOGDATA]\r\nDataPath=\r\nMedFile=MED2026.DAT\r\n");
  EXPECT_EQ(read(tp.path("TARLOWE.INI"), "HOGDATA", "DataPath"), "");      // nothing after "="
  EXPECT_EQ(read(tp.path("TARLOWE.INI"), "HOGDATA", "FeedFile"), "");      // no key
  EXPECT_EQ(read(tp.path("TARLOWE.INI"), "STARTUPINFO", "MedFile"), "");   // no section
  EXPECT_EQ(read(tp.path("TARLOWE.INI"), "hogdata", "medfile"), "MED2026.DAT");
  EXPECT_TRUE(tp.dialogs.shown.empty());
}

TEST(IniAccess, ReadsAtMost254Characters) {
  TestPlatform tp;
  const std::string stored(300, 'X');
  writeFile(tp.path("TARLOWE.INI"), "[HOGDATA]\r\nDataPath=" + stored + "\r\n");
  EXPECT_EQ(read(tp.path("TARLOWE.INI"), "HOGDATA", "DataPath"), std::string(254, 'X'));
}

TEST(IniAccess, BlankAtTheCutStaysBeforeTheRemovedNul) {
  TestPlatform tp;
  const std::string stored = std::string(253, 'X') + " YZ";
  writeFile(tp.path("TARLOWE.INI"), "[HOGDATA]\r\nDataPath=" + stored + "\r\n");
  EXPECT_EQ(read(tp.path("TARLOWE.INI"), "HOGDATA", "DataPath"), std::string(253, 'X') + " ");
}

TEST(IniAccess, BlanksAroundValueAreRemoved) {
  TestPlatform tp;
  writeFile(tp.path("TARLOWE.INI"), "[STARTUPINFO]\r\nCurrentDate=   12/07/2026   \r\n");
  EXPECT_EQ(read(tp.path("TARLOWE.INI"), "STARTUPINFO", "CurrentDate"), "12/07/2026");
}

TEST(IniAccess, OnlyModeMinusOneWrites) {
  TestPlatform tp;
  const std::string file = tp.path("TARLOWE.INI");
  writeFile(file, "[HOGDATA]\r\nMedFile=MED2026.DAT\r\n");
  for (int mode : {0, 1, 5}) {
    std::string value = "CHANGED";
    IniAccess(file, "HOGDATA", "MedFile", value, mode);
    EXPECT_EQ(value, "MED2026.DAT") << "mode " << mode;
  }
  EXPECT_EQ(readFile(file), "[HOGDATA]\r\nMedFile=MED2026.DAT\r\n");
  write(file, "HOGDATA", "MedFile", "MED2027.DAT");
  EXPECT_EQ(read(file, "HOGDATA", "MedFile"), "MED2027.DAT");
}

TEST(IniAccess, RefusedWriteGoesUnreported) {
  TestPlatform tp;
  const std::string file = tp.path("NOFOLDER/TARLOWE.INI");
  write(file, "HOGDATA", "DataPath", "/farm/");
  EXPECT_TRUE(tp.dialogs.shown.empty());
  EXPECT_EQ(read(file, "HOGDATA", "DataPath"), "");
}
