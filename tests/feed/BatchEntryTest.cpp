// The checks of the feed batch entry, the record an entry gives and the
// inventory changes it makes, over a FEED.LST made in memory.
#include <gtest/gtest.h>

#include "feed/BatchEntry.h"
#include "support/RecordBuilders.h"

namespace {

using Changes = std::vector<std::pair<long, int64_t>>;

const char kRowTitle[] = "FEED   INGREDIENT   ENTRY   ERROR";
const char kNoAmount[] = "NO AMOUNT ENTERED!\r\rYou MUST enter something!";
const char kPounds[] = "\r\rIt takes a number from 1 to 2147483647.";
const char kShort[] =
    "INSUFFICIENT AMOUNT!\r\rNot enough inventory to cover entry!\rUse another inventory code to make\r"
    "   up the remaining recipe.";

// Corn at 5 cents and soybean meal at 12.5 cents, 1000 lb each; no hay.
IngredientFile stock(int32_t corn = 1000) {
  return IngredientFile::of({anIngredient("CORN").pounds(corn, 1000).cost(50, 0.05),
                             anIngredient("SBM").cost(125, 0.125), anIngredient("HAY").pounds(0, 10)});
}

// An entry of nursery group 123 ground on 05/02/2024 with the rows given.
BatchEntry rows(std::initializer_list<std::pair<std::string, std::string>> typed) {
  BatchEntry e{"05/02/2024", "123", {}, {}};
  size_t k = 0;
  for (const auto& [code, amount] : typed) {
    e.codes[k] = code;
    e.amounts[k++] = amount;
  }
  return e;
}

Refusal refused(const std::string& text, const std::string& title, int field) {
  return {text, title, platform::vbExclamation, field};
}

}  // namespace

TEST(BatchEntryTest, TheDateAndForTheGroupFeedsTheGroupAreRequired) {
  BatchEntry undated = rows({});
  undated.date = "__/__/____";
  BatchEntry ungrouped = rows({});
  ungrouped.group = "  ";
  const struct {
    BatchEntry entry;
    int choice;
    Check expected;
  } cases[] = {
      {undated, 4, refused("DATE FEED GROUND is a required entry!", kBatchEntryTitle, kFeedDateField)},
      {ungrouped, 0, refused("GROUP ID., is a required entry!\rFor Nursery, Grower, Finisher.", kBatchEntryTitle,
                             kGroupIdField)},
      {ungrouped, 2, refused("GROUP ID., is a required entry!\rFor Nursery, Grower, Finisher.", kBatchEntryTitle,
                             kGroupIdField)},
      {ungrouped, 4, std::nullopt},
      {ungrouped, 5, std::nullopt},
      {rows({}), 1, std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(CheckBatchHead(c.entry, c.choice), c.expected) << c.choice;
}

TEST(BatchEntryTest, RowsAreCheckedAgainstWhatTheBatchDrawsBeyondWhatItDrewAlready) {
  const FeedBatchRecord fresh = aBatch("00001");
  const FeedBatchRecord drew900 = aBatch("00001").row(0, "CORN", 900).row(1, "SBM", 50);
  const FeedBatchRecord drewAll = aBatch("00001").row(0, "CORN", 2147483647);
  const struct {
    const char* name;
    BatchEntry entry;
    FeedBatchRecord stored;
    int32_t corn;  // on hand
    Check expected;
    int shortRow;
    int32_t most;
    int32_t pounds;
    float cost;
  } cases[] = {
      {"amount 0", rows({{"CORN", "0"}}), fresh, 1000, refused(kNoAmount, kRowTitle, kFeedAmtField), -1, 0, 0, 0},
      {"no amount", rows({{"", "5"}, {"CORN", ""}}), fresh, 1000, refused(kNoAmount, kRowTitle, kFeedAmtField + 1),
       -1, 0, 0, 0},
      {"abc", rows({{"CORN", "abc"}}), fresh, 1000,
       refused(std::string("The AMOUNT (Lb) is not a number!") + kPounds, kRowTitle, kFeedAmtField), -1, 0, 0, 0},
      {"below one half", rows({{"CORN", "0.4"}}), fresh, 1000, refused(kNoAmount, kRowTitle, kFeedAmtField), -1, 0, 0,
       0},
      {"negative", rows({{"CORN", "-5"}}), fresh, 1000,
       refused(std::string("The AMOUNT (Lb) can't be less than 1!") + kPounds, kRowTitle, kFeedAmtField), -1, 0, 0,
       0},
      {"far below a Long", rows({{"CORN", "-1e20"}}), fresh, 1000,
       refused(std::string("The AMOUNT (Lb) can't be less than 1!") + kPounds, kRowTitle, kFeedAmtField), -1, 0, 0,
       0},
      {"not a number", rows({{"CORN", "5"}, {"SBM", "12abc"}}), fresh, 1000,
       refused(std::string("The AMOUNT (Lb) is not a number!") + kPounds, kRowTitle, kFeedAmtField + 1), -1, 0, 0,
       0},
      {"past a Long", rows({{"CORN", "2147483648"}}), fresh, 1000,
       refused(std::string("The AMOUNT (Lb) can't be more than 2147483647!") + kPounds, kRowTitle, kFeedAmtField), -1,
       0, 0, 0},
      {"far past a Long", rows({{"CORN", "5"}, {"SBM", "1e20"}}), fresh, 1000,
       refused(std::string("The AMOUNT (Lb) can't be more than 2147483647!") + kPounds, kRowTitle, kFeedAmtField + 1),
       -1, 0, 0, 0},
      {"the most a Long holds", rows({{"CORN", "2147483647"}}), drewAll, 0, std::nullopt, -1, 0, 2147483647, 107374184},
      {"pounds together beyond a Long", rows({{"CORN", "2147483000"}, {"SBM", "1000"}}), fresh, 2147483647,
       refused("The batch's POUNDS together can't be more than 2147483647!\r\rMake two batches of it.", kRowTitle,
               kFeedAmtField + 1),
       -1, 0, 0, 0},
      {"unknown", rows({{"CORN", "5"}, {"OATS", "5"}}), fresh, 1000,
       refused("INVALID INGREDIENT CODE!\r\rInvalid code (OATS), \ror Zero(0) inventory.", "FEED   INGREDIENT   ENTRY",
               kFeedPickField + 1),
       -1, 0, 0, 0},
      {"longer than a code", rows({{"CORNMEAL", "5"}}), fresh, 1000,
       refused("INVALID INGREDIENT CODE!\r\rInvalid code (CORNMEAL), \ror Zero(0) inventory.",
               "FEED   INGREDIENT   ENTRY", kFeedPickField),
       -1, 0, 0, 0},
      {"above inventory", rows({{"CORN", "1001"}}), fresh, 1000,
       refused(kShort, "FEED   AMOUNT   ENTRY", kFeedAmtField), 0, 1000, 0, 0},
      {"two rows together", rows({{"CORN", "600"}, {"SBM", "1"}, {"corn", "600"}}), fresh, 1000,
       refused(kShort, "FEED   AMOUNT   ENTRY", kFeedAmtField + 2), 2, 400, 0, 0},
      {"none on hand", rows({{"HAY", "1"}}), fresh, 1000, refused(kShort, "FEED   AMOUNT   ENTRY", kFeedAmtField),
       0, 0, 0, 0},
      {"no rows", rows({{"", "100"}}), fresh, 1000,
       refused("NO INGREDIENT(s)!\r\rYou MUST have at least ONE(1) ingredient.", kBatchEntryTitle, kFeedPickField),
       -1, 0, 0, 0},
      {"typed forms", rows({{" corn", " 12 "}, {"SBM", "12.5"}, {"CORN", "13.5"}}), fresh, 1000, std::nullopt, -1,
       0, 38, 2.8f},
      {"unchanged over a short inventory", rows({{"CORN", "900"}, {"SBM", "50"}}), drew900, 0, std::nullopt, -1, 0,
       950, 51.25f},
      {"more by what is on hand", rows({{"CORN", "1000"}, {"SBM", "50"}}), drew900, 100, std::nullopt, -1, 0, 1050,
       56.25f},
      {"more beyond it", rows({{"CORN", "1001"}, {"SBM", "50"}}), drew900, 100,
       refused(kShort, "FEED   AMOUNT   ENTRY", kFeedAmtField), 0, 1000, 0, 0},
      {"moved to another row", rows({{"SBM", "50"}, {"CORN", "400"}, {"CORN", "500"}}), drew900, 0, std::nullopt,
       -1, 0, 950, 51.25f},
  };
  for (const auto& c : cases) {
    const BatchRowsCheck got = CheckBatchRows(c.entry, c.stored, stock(c.corn));
    EXPECT_EQ(got.refusal, c.expected) << c.name;
    EXPECT_EQ(got.shortRow, c.shortRow) << c.name;
    EXPECT_EQ(got.mostAmount, c.most) << c.name;
    if (!c.expected) EXPECT_EQ(got.pounds, c.pounds) << c.name;
    if (!c.expected) EXPECT_FLOAT_EQ(got.cost, c.cost) << c.name;
  }
}

TEST(BatchEntryTest, TheRecordKeepsEachRowInItsPlaceAndTheTypeAsStored) {
  BatchEntry e = rows({{" corn ", "300"}, {"", "7"}, {"SBM", "199.5"}});
  e.group = "12345";
  BatchRowsCheck totals;
  totals.pounds = 500;
  totals.cost = 27.5f;
  const FeedBatchRecord b = BatchRecordOf(e, aBatch("00004").type("G"), "M00004", totals);
  EXPECT_EQ(b, FeedBatchRecord(aBatch("M00004").type("G").group("123").ground("05/02/2024").row(0, "corn", 300)
                                   .row(2, "SBM", 200).cost(27.5)));
}

TEST(BatchEntryTest, TheInventoryGetsWhatTheBatchDrewBeforeLessWhatItDrawsNow) {
  const FeedBatchRecord none = aBatch("00001");
  const FeedBatchRecord corn300 = aBatch("00001").row(0, "CORN", 300);
  const struct {
    const char* name;
    FeedBatchRecord before, after;
    Changes expected;
  } cases[] = {
      {"new batch", none, aBatch("00001").row(0, "CORN", 300).row(1, "sbm", 200), {{1, -300}, {2, -200}}},
      {"less", aBatch("00001").row(0, "CORN", 500), corn300, {{1, 200}}},
      {"more", corn300, aBatch("00001").row(0, "CORN", 500), {{1, -200}}},
      {"unchanged", corn300, corn300, {}},
      {"ingredient changed", corn300, aBatch("00001").row(0, "SBM", 300), {{1, 300}, {2, -300}}},
      {"row emptied", aBatch("00001").row(0, "CORN", 300).row(1, "SBM", 5), aBatch("00001").row(1, "SBM", 5),
       {{1, 300}}},
      {"moved to another row", corn300, aBatch("00001").row(4, "CORN", 300), {}},
      {"ingredient gone", aBatch("00001").row(0, "OATS", 300), corn300, {{1, -300}}},
  };
  for (const auto& c : cases) EXPECT_EQ(InventoryChanges(stock(), c.before, c.after), c.expected) << c.name;
}
