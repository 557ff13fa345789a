// FEED.LST for the ingredient windows: the record a new ingredient takes, the
// codes looked up, the list and printed lines, and the file read and written.
#include <gtest/gtest.h>

#include "common/HogGlobals.h"
#include "feed/IngredientFile.h"
#include "platform/FileSystem.h"
#include "support/ListLines.h"
#include "support/RecordBuilders.h"

namespace {

IngredientFile fileOf(const std::vector<IngredientRecord>& rows) { return IngredientFile::of(rows); }

}  // namespace

TEST(IngredientFile, ANewIngredientTakesTheFirstFreeRecord) {
  const struct {
    std::vector<IngredientRecord> file;
    long slot;
  } cases[] = {
      {{}, 1},
      {{anIngredient("A"), anIngredient("B")}, 3},
      {{anIngredient("A"), anIngredient("B"), IngredientRecord{}, anIngredient("D"), anIngredient("E")}, 3},
      {{anIngredient("A"), anIngredient("  "), IngredientRecord{}}, 2},
  };
  for (const auto& c : cases) EXPECT_EQ(NewIngredientSlot(fileOf(c.file)), c.slot) << c.file.size();
}

TEST(IngredientFile, DuplicatesAreFoundExactlyWithoutTrailingBlanks) {
  const IngredientFile file = fileOf({anIngredient("CORN"), IngredientRecord{}, anIngredient("SOY"), anIngredient("SOY")});
  const struct {
    const char* code;
    long record;
  } cases[] = {{"CORN", 1}, {"SOY", 3}, {"corn", 0}, {"COR", 0}, {"OATS", 0}};
  for (const auto& c : cases) EXPECT_EQ(DuplicateIngredient(file, c.code), c.record) << c.code;
}

TEST(IngredientFile, TheIndexFindsEveryRecordOfACodeAndForgetsAFreedOne) {
  IngredientIndex index(fileOf({anIngredient(" OATS"), anIngredient("SOY"), IngredientRecord{}, anIngredient("SOY"),
                                anIngredient("SO")}));
  EXPECT_EQ(index.First("OATS"), 1);
  EXPECT_EQ(index.First("SOY  "), 2);
  EXPECT_EQ(index.Records("SOY"), (std::vector<long>{2, 4}));
  EXPECT_EQ(index.First(""), 0);
  EXPECT_EQ(index.First("SOYBEAN"), 0);
  index.Forget("SOY", 2);
  EXPECT_EQ(index.First("SOY"), 4);
  index.Forget("SOY", 4);
  EXPECT_EQ(index.First("SOY"), 0);
}

TEST(IngredientFile, ListAndPrintedLinesHoldEachValueAtItsColumns) {
  const IngredientRecord corn =
      anIngredient("CORN").name("SHELLED CORN").pounds(1234567, 2000).cost(25.5, 0.0125).dated("03/15/2024");
  const IngredientRecord big = anIngredient("BIGONE").name("A NAME OF TWENTY CHR").pounds(-12345678, 12345678)
                                   .cost(123456.789, 12.345).dated("__/__/____");
  const struct {
    IngredientRecord r;
    std::string listed, printed;
  } cases[] = {
      {corn, "CORN     SHELLED CORN          1,234,567  03/15/2024    0.01    ",
       "CORN     SHELLED CORN            1234567         2000        0.01       25.50   03/15/2024  "},
      // Values longer than their columns keep their leftmost characters.
      {big, "BIGONE   A NAME OF TWENTY CHR  -12,345,6  __/__/____   12.35    ",
       "BIGONE   A NAME OF TWENTY CHR    -123456      1234567       12.35    123456.7   __/__/____  "},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(lineOf(c.r, WriteIngredientListLine), c.listed);
    EXPECT_EQ(lineOf(c.r, WriteIngredientPrintLine), c.printed);
    EXPECT_EQ(IngredientCodeOfLine(c.listed), c.r.IngredientCode);
  }
}

TEST(IngredientFile, TheListLeavesOutFreeRecordsAndEmptyInventoriesThePrintFollowsTheList) {
  const IngredientFile file = fileOf({anIngredient("A").name("ALFALFA"), IngredientRecord{}, anIngredient("Z").pounds(0, 5),
                                      anIngredient("B").name("BARLEY").pounds(-5, 5), anIngredient("A").name("SECOND")});
  platform::ListItems rows;
  WriteIngredientRows(rows, file);
  const std::vector<std::string> listed = rowTexts(rows);
  ASSERT_EQ(listed.size(), 3u);
  EXPECT_EQ(listed[0].substr(0, 16), "A        ALFALFA");
  EXPECT_EQ(listed[1].substr(0, 15), "B        BARLEY");
  EXPECT_EQ(listed[2].substr(0, 15), "A        SECOND");
  // A listed code prints every record holding it, a code none holds nothing.
  EXPECT_EQ(IngredientPrintRecords(file, {IngredientCodeOfLine(listed[1]), IngredientCodeOfLine(listed[0]), "GONE"}),
            (std::vector<long>{4, 1, 5}));
}

TEST(IngredientFile, EachListLineComesWithItsRecordWhoseCodeTheLineShows) {
  const IngredientFile file = fileOf({anIngredient(" SOY").name("SOYBEAN"), IngredientRecord{},
                                      anIngredient("Z").pounds(0, 5), anIngredient("OATS ")});
  platform::ListItems items;
  WriteIngredientRows(items, file);
  const std::vector<std::pair<std::string, long>> rows = rowPairs(items);
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0].second, 1);
  EXPECT_EQ(rows[1].second, 4);
  EXPECT_EQ(IngredientCodeOfLine(rows[0].first), "SOY");
  EXPECT_EQ(IngredientCodeOfLine(rows[1].first), "OATS");
}

TEST(IngredientFile, RecordsAreReadAndWrittenThroughTheBuffer) {
  TestPlatform tp;
  DataFolder = tp.home();
  ASSERT_TRUE(ReadIngredient(1, "T"));  // a missing file is made empty
  EXPECT_EQ(platform::fileLength(tp.path("FEED.LST")), 0);
  IngredientRec = anIngredient("OATS").name("ROLLED OATS");
  ASSERT_TRUE(WriteIngredient(2, "T"));
  IngredientRec = IngredientRecord{};
  ASSERT_TRUE(ReadIngredient(2, "T"));
  EXPECT_EQ(IngredientRec.IngredientName, "ROLLED OATS         ");
  IngredientFile file;
  ASSERT_TRUE(ReadIngredientFile(file, "T"));
  EXPECT_EQ(file.count(), 2);
  EXPECT_EQ(readFile(tp.path("FEED.LST")).substr(0, 6), std::string(6, '\0'));  // the gap reads as zero bytes
  EXPECT_TRUE(tp.dialogs.shown.empty());
}
