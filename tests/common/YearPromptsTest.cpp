#include <gtest/gtest.h>

#include "common/HogGlobals.h"
#include "common/YearPrompts.h"
#include "platform/FileSystem.h"
#include "support/TestPlatform.h"

using namespace platform;

namespace {
struct YearPrompts : ::testing::Test {
  TestPlatform tp;
  void SetUp() override {
    AppFolder = tp.home();
    DataFolder = tp.home() + "HOGDATA/";
    makeFolder(DataFolder);
    DateText = "12/07/2026";
    FeedFile = "FEED2026.DAT";
    MedFile = "MED2026.DAT";
  }
  void dataFile(const std::string& name) { writeFile(DataFolder + name, ""); }
};
}  // namespace

TEST_F(YearPrompts, FeedYearWithItsFilePresent) {
  dataFile("FEED2019.DAT");
  tp.dialogs.type("2019");
  EXPECT_TRUE(AskFeedYear());
  EXPECT_EQ(FeedYear, "2019");
  EXPECT_EQ(FeedFile, "FEED2019.DAT");
  EXPECT_EQ(MedFile, "MED2019.DAT");
  ASSERT_EQ(tp.dialogs.shown.size(), 1u);
  const ShownBox& box = tp.dialogs.last();
  EXPECT_TRUE(box.input);
  EXPECT_EQ(box.text, "Enter a FEED YEAR below:\r\rEntering nothing, opens the current file.");
  EXPECT_EQ(box.title, "ENTER  FEED  FILE  YEAR");
  EXPECT_EQ(box.defaultText, "2026");
  EXPECT_EQ(box.x, 2600);
  EXPECT_EQ(box.y, 2000);
}

TEST_F(YearPrompts, MissingFeedFileIsOfferedAsNew) {
  tp.dialogs.type("2019").answer(vbOK);
  EXPECT_TRUE(AskFeedYear());
  const ShownBox& box = tp.dialogs.last();
  EXPECT_EQ(box.text, "FEED2019.DAT FILE DOESN'T EXIST!\r \rStart a new feed file?");
  EXPECT_EQ(box.title, "FEED  FILE  ERROR");
  EXPECT_EQ(box.icon, vbQuestion);
  EXPECT_EQ(box.buttons, vbOKCancel);
  EXPECT_TRUE(box.beepBefore);
  EXPECT_FALSE(fileExists(DataFolder + "FEED2019.DAT"));  // the prompt makes no file

  tp.dialogs.type("2019").answer(vbCancel);
  EXPECT_FALSE(AskFeedYear());
  EXPECT_EQ(FeedYear, "");
  EXPECT_EQ(FeedFile, "FEED2019.DAT");
  EXPECT_EQ(MedFile, "MED2019.DAT");
}

// A year is four digits, blanks around removed: four letters would name a
// feed file "FEEDCORN.DAT" and a group year "RN".
TEST_F(YearPrompts, BlanksAroundAreRemovedAndOnlyDigitsPass) {
  dataFile("FEED2019.DAT");
  tp.dialogs.type("  2019 ");
  EXPECT_TRUE(AskFeedYear());
  EXPECT_EQ(FeedYear, "2019");
  for (const std::string typed : {"CORN", "20O9", "2 19"}) {
    tp.dialogs.type(typed).answer(vbCancel);
    EXPECT_FALSE(AskFeedYear()) << typed;
    EXPECT_EQ(tp.dialogs.last().text, "INVALID DATE " + typed + "!\r\rDo you want to re-enter the DATE?");
    EXPECT_EQ(FeedFile, "FEED2019.DAT") << typed;
  }
  std::string year = "keep";
  tp.dialogs.type("CORN").answer(vbCancel);
  EXPECT_FALSE(AskGroupYear(year));
  EXPECT_EQ(year, "keep");
}

TEST_F(YearPrompts, WrongLengthIsReportedAndMayBeRetyped) {
  dataFile("FEED2020.DAT");
  tp.dialogs.type("19").answer(vbRetry).type("20190").answer(vbRetry).type("2020");
  EXPECT_TRUE(AskFeedYear());
  EXPECT_EQ(FeedYear, "2020");
  ASSERT_EQ(tp.dialogs.shown.size(), 5u);
  const ShownBox& first = tp.dialogs.shown[1];
  EXPECT_EQ(first.text, "INVALID DATE 19!\r\rDo you want to re-enter the DATE?");
  EXPECT_EQ(first.title, "FEED  YEAR  ERROR");
  EXPECT_EQ(first.icon, vbQuestion);
  EXPECT_EQ(first.buttons, vbRetryCancel);
  EXPECT_TRUE(first.beepBefore);
  EXPECT_EQ(tp.dialogs.shown[3].text, "INVALID DATE 20190!\r\rDo you want to re-enter the DATE?");
}

TEST_F(YearPrompts, CancelAtTheWrongLengthMessageGivesUp) {
  FeedYear = "2026";
  tp.dialogs.type("20190").answer(vbCancel);
  EXPECT_FALSE(AskFeedYear());
  EXPECT_EQ(FeedYear, "");
  EXPECT_EQ(FeedFile, "FEED2026.DAT");
  std::string year = "keep";
  tp.dialogs.type("19").answer(vbCancel);
  EXPECT_FALSE(AskGroupYear(year));
  EXPECT_EQ(year, "keep");
}

TEST_F(YearPrompts, NothingTypedOpensTheCurrentFeedFile) {
  dataFile("FEED2024.DAT");
  FeedFile = "FEED2024.DAT";
  MedFile = "MED2023.DAT";
  tp.dialogs.type("");
  EXPECT_TRUE(AskFeedYear());
  EXPECT_EQ(FeedFile, "FEED2024.DAT");
  EXPECT_EQ(MedFile, "MED2023.DAT");
  EXPECT_EQ(FeedYear, "2024");
  EXPECT_EQ(tp.dialogs.shown.size(), 1u);
}

TEST_F(YearPrompts, CancelAtTheFeedBoxChangesNothing) {
  FeedYear = "2025";
  tp.dialogs.cancelInput();
  EXPECT_FALSE(AskFeedYear());
  EXPECT_EQ(FeedYear, "2025");
  EXPECT_EQ(FeedFile, "FEED2026.DAT");
  EXPECT_EQ(MedFile, "MED2026.DAT");
}

TEST_F(YearPrompts, MedicationYearLeavesANamedFeedFile) {
  dataFile("MED2019.DAT");
  tp.dialogs.type("2019");
  EXPECT_TRUE(AskMedYear());
  EXPECT_EQ(MedFile, "MED2019.DAT");
  EXPECT_EQ(FeedFile, "FEED2026.DAT");
  EXPECT_EQ(tp.dialogs.shown[0].text, "Enter a MEDICATION YEAR below:\r\rEntering nothing, opens the current file.");
  EXPECT_EQ(tp.dialogs.shown[0].title, "ENTER  MEDICATION  FILE  YEAR");

  FeedFile = " ";
  tp.dialogs.type("2019");
  EXPECT_TRUE(AskMedYear());
  EXPECT_EQ(FeedFile, "FEED2019.DAT");
}

TEST_F(YearPrompts, MissingMedicationFileIsOfferedAsNew) {
  tp.dialogs.type("2018").answer(vbCancel);
  EXPECT_FALSE(AskMedYear());
  EXPECT_EQ(MedFile, "MED2018.DAT");
  const ShownBox& box = tp.dialogs.last();
  EXPECT_EQ(box.text, "MED2018.DAT FILE DOESN'T EXIST!\r\rStart a new medication file?");
  EXPECT_EQ(box.title, "MEDICATION  FILE  ERROR");
  EXPECT_EQ(box.buttons, vbOKCancel);
  tp.dialogs.type("12").answer(vbCancel);
  EXPECT_FALSE(AskMedYear());
  EXPECT_EQ(tp.dialogs.last().title, "MEDICATION  YEAR  ERROR");
  EXPECT_EQ(MedFile, "MED2018.DAT");
}

TEST_F(YearPrompts, NothingTypedOpensTheCurrentMedicationFile) {
  dataFile("MED2026.DAT");
  tp.dialogs.type("   ");
  EXPECT_TRUE(AskMedYear());
  EXPECT_EQ(MedFile, "MED2026.DAT");
  tp.dialogs.cancelInput();
  EXPECT_FALSE(AskMedYear());
}

TEST_F(YearPrompts, GroupYearNamesTheClocksYearAndStandsLower) {
  tp.clock.year = 2031;
  std::string year;
  tp.dialogs.type(" 2029 ");
  EXPECT_TRUE(AskGroupYear(year));
  EXPECT_EQ(year, "2029");
  const ShownBox& box = tp.dialogs.last();
  EXPECT_EQ(box.text, "Enter a GROUP YEAR below:\r\rFor new entries, viewing, and editing.\rThe current year is 2031");
  EXPECT_EQ(box.title, "E N T E R   G R O U P   Y E A R");
  EXPECT_EQ(box.defaultText, "2026");  // the year of DateText
  EXPECT_EQ(box.y, 2300);
  tp.dialogs.type("1").answer(vbCancel);
  EXPECT_FALSE(AskGroupYear(year));
  EXPECT_EQ(tp.dialogs.last().title, "G R O U P   Y E A R   E R R O R");
  tp.dialogs.type("");
  EXPECT_FALSE(AskGroupYear(year));
  EXPECT_EQ(year, "2029");
}

TEST_F(YearPrompts, CheckYearEntryUsesTheCallersTexts) {
  std::string year;
  tp.dialogs.type("200").answer(vbRetry).type("2001");
  EXPECT_TRUE(CheckYearEntry("PROMPT", "ERR TITLE", "BOX TITLE", year));
  EXPECT_EQ(year, "2001");
  EXPECT_EQ(tp.dialogs.shown[0].text, "PROMPT");
  EXPECT_EQ(tp.dialogs.shown[0].title, "BOX TITLE");
  EXPECT_EQ(tp.dialogs.shown[0].y, 2000);
  EXPECT_EQ(tp.dialogs.shown[1].title, "ERR TITLE");
  tp.dialogs.cancelInput();
  EXPECT_FALSE(CheckYearEntry("PROMPT", "ERR TITLE", "BOX TITLE", year));
  EXPECT_EQ(year, "2001");
}
