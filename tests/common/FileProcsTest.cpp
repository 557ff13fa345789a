#include <gtest/gtest.h>

#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "common/FileProcs.h"
#include "platform/FileSystem.h"
#include "platform/Screen.h"
#include "platform/Services.h"
#include "support/TestPlatform.h"

namespace {
// The names in entries 1 to n, sorted, for comparing without regard to order.
std::vector<std::string> listed(const std::vector<std::string>& names, int n) {
  std::vector<std::string> out(names.begin() + 1, names.begin() + 1 + n);
  std::sort(out.begin(), out.end());
  return out;
}

void touch(const std::string& folder, const std::vector<std::string>& names) {
  for (const std::string& n : names) writeFile(folder + n, "x");
}
}  // namespace

TEST(ListFiles, EndingPatternComparesTheLastThreeCharacters) {
  TestPlatform tp;
  const std::string dir = tp.path("HOGDATA/");
  platform::makeFolder(dir);
  touch(dir, {"SOW.DAT", "boar.dat", "ABC.XDAT", "XDAT", "SOW.DA", "DRUG.LST", "SOW.TMP"});
  platform::makeFolder(dir + "OLD.DAT");  // a folder, not a file
  std::vector<std::string> names(33);
  const int n = ListFiles(dir, "*.DAT", names);
  ASSERT_EQ(n, 4);
  EXPECT_EQ(listed(names, n), (std::vector<std::string>{"ABC.XDAT", "SOW.DAT", "XDAT", "boar.dat"}));
  EXPECT_EQ(names[0], "");
  EXPECT_EQ(names.size(), 33u);
  EXPECT_TRUE(tp.dialogs.shown.empty());
}

TEST(ListFiles, BaseNamePatternComparesTheNameBeforeItsExtension) {
  TestPlatform tp;
  const std::string dir = tp.path("HOGDATA/");
  platform::makeFolder(dir);
  touch(dir, {"SOW.DAT", "sow.tmp", "SOW.DATA", "SOWS.DAT", "BOAR.DAT", "SOW"});
  std::vector<std::string> names(10);
  const int n = ListFiles(dir, "SOW.*", names);
  ASSERT_EQ(n, 2);
  EXPECT_EQ(listed(names, n), (std::vector<std::string>{"SOW.DAT", "sow.tmp"}));
}

TEST(ListFiles, OtherPatternsMatchNothing) {
  TestPlatform tp;
  const std::string dir = tp.path("HOGDATA/");
  platform::makeFolder(dir);
  touch(dir, {"SOW.DAT", "SOWDAT"});
  std::vector<std::string> names(10);
  EXPECT_EQ(ListFiles(dir, "SOW.DAT", names), 0);
  EXPECT_EQ(ListFiles(dir, "SOW*", names), 0);  // no "." before the "*"
  EXPECT_EQ(ListFiles(dir, "", names), 0);
}

TEST(ListFiles, MissingFolderGivesZeroAndKeepsNames) {
  TestPlatform tp;
  std::vector<std::string> names = {"", "KEEP", "ME"};
  EXPECT_EQ(ListFiles(tp.path("NOWHERE/"), "*.DAT", names), 0);
  EXPECT_EQ(names, (std::vector<std::string>{"", "KEEP", "ME"}));
}

TEST(ListFiles, ListWithOnlyEntryZeroIsMadeRoomFor1024) {
  TestPlatform tp;
  std::vector<std::string> names(1, "");
  EXPECT_EQ(ListFiles(tp.path("NOWHERE/"), "*.DAT", names), 0);
  EXPECT_EQ(names.size(), 1025u);

  const std::string dir = tp.path("HOGDATA/");
  platform::makeFolder(dir);
  touch(dir, {"SOW.DAT"});
  std::vector<std::string> empty;
  EXPECT_EQ(ListFiles(dir, "*.DAT", empty), 1);
  EXPECT_EQ(empty.size(), 1025u);
  EXPECT_EQ(empty[1], "SOW.DAT");
}

TEST(ListFiles, GrowsByTheCountPlus256) {
  TestPlatform tp;
  const std::string dir = tp.path("HOGDATA/");
  platform::makeFolder(dir);
  std::vector<std::string> files;
  for (int i = 1; i <= 130; ++i) {
    char name[16];
    std::snprintf(name, sizeof name, "F%03d.DAT", i);
    files.push_back(name);
  }
  touch(dir, files);
  touch(dir, {"OTHER.LST"});
  std::vector<std::string> names(127, "");  // 0 to 126
  names[0] = "ENTRY ZERO";
  const int n = ListFiles(dir, "*.DAT", names);
  ASSERT_EQ(n, 130);
  EXPECT_EQ(names.size(), 384u);  // 0 to 383: grown at the 127th match
  EXPECT_EQ(names[0], "ENTRY ZERO");
  EXPECT_EQ(listed(names, n), files);
  EXPECT_EQ(names[131], "");
}

TEST(FileAndFolderExists, IgnoreLetterCase) {
  TestPlatform tp;
  platform::makeFolder(tp.path("HOGDATA"));
  writeFile(tp.path("HOGDATA/SOW.DAT"), "x");
  EXPECT_TRUE(FileExists(tp.path("hogdata/sow.dat")));
  EXPECT_TRUE(FileExists(tp.path("HOGDATA/SOW.DAT")));
  EXPECT_FALSE(FileExists(tp.path("HOGDATA/BOAR.DAT")));
  EXPECT_FALSE(FileExists(tp.path("HOGDATA")));  // a folder is no file
  EXPECT_TRUE(FolderExists(tp.path("hogData")));
  EXPECT_TRUE(FolderExists(tp.path("HOGDATA/")));
  EXPECT_FALSE(FolderExists(tp.path("HOGDATA/SOW.DAT")));  // a file is no folder
  EXPECT_FALSE(FolderExists(tp.path("BACKUP")));
}

TEST(FileAndFolderExists, EmptyTextIsFalse) {
  TestPlatform tp;
  EXPECT_FALSE(FileExists(""));
  EXPECT_FALSE(FolderExists(""));
  EXPECT_TRUE(tp.dialogs.shown.empty());
}

namespace {
// A clock whose steady seconds move `stepSeconds` at each reading, counted.
class SteppingClock : public TestClock {
 public:
  int readings = 0;
  double steadySeconds() override {
    ++readings;
    return TestClock::steadySeconds();
  }
};
}  // namespace

TEST(Pause, ZeroRunsWaitingEventsOnce) {
  TestPlatform tp;
  SteppingClock clock;
  platform::services().setClock(&clock);
  bool ran = false;
  QTimer::singleShot(0, [&] { ran = true; });
  Pause(0);
  EXPECT_TRUE(ran);
  EXPECT_EQ(clock.readings, 2);  // the start, then one pass
}

// Each wait ends early, after 0.125 s: the next asks only for what remains.
TEST(Pause, WaitsUntilTheSecondsHavePassed) {
  TestPlatform tp;
  SteppingClock clock;
  clock.steady = 3600;
  clock.stepSeconds = 0.125;
  platform::services().setClock(&clock);
  Pause(0.5);
  EXPECT_EQ(clock.readings, 5);  // the start and four passes of 0.125 s
  EXPECT_EQ(tp.screen.waits, (std::vector<double>{0.5, 0.375, 0.25, 0.125}));
}

// On the machine's clock and screen the wait sleeps between events instead of
// reading the clock over and over: a few passes, not thousands.
TEST(Pause, SleepsWhileNothingHappens) {
  TestPlatform tp;
  struct CountingClock : platform::SystemClock {
    int readings = 0;
    double steadySeconds() override {
      ++readings;
      return SystemClock::steadySeconds();
    }
  } clock;
  platform::QtScreen screen;
  platform::services().setClock(&clock);
  platform::services().setScreen(&screen);
  bool ran = false;
  QTimer::singleShot(0, [&] { ran = true; });
  Pause(0.1f);
  EXPECT_TRUE(ran);
  EXPECT_LT(clock.readings, 20);
}

TEST(Pause, NegativeSecondsMakeOnePass) {
  TestPlatform tp;
  SteppingClock clock;
  clock.stepSeconds = 1;
  platform::services().setClock(&clock);
  Pause(-3);
  EXPECT_EQ(clock.readings, 2);
}
