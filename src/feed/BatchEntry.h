#pragma once
// The checks of the feed batch entry window, the record an accepted entry
// gives and the inventory changes it makes, as plain functions of what was
// typed, the batch as it stands on file and FEED.LST read once. The window
// shows a refusal (platform::ShowRefusal) and writes nothing.
#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "feed/IngredientFile.h"
#include "platform/Refusal.h"
#include "records/FeedBatchRecord.h"

inline constexpr const char* kBatchEntryTitle = "FEED  BATCH  ENTRY / EDIT  ERROR!";

// The fields of the entry window, in the numbering of Refusal::field: the
// date, the group, then the eight ingredient boxes and the eight amounts.
enum BatchField { kFeedDateField = 0, kGroupIdField = 1, kFeedPickField = 2, kFeedAmtField = 10 };

// What the entry window holds, as typed.
struct BatchEntry {
  std::string date;  // "__/__/____" when empty
  std::string group;
  std::array<std::string, FeedBatchRecord::Rows> codes, amounts;
};

// An amount box's pounds: its leading number rounded to a whole number, a
// half to the even one (12abc is 12, 12.5 is 12, 13.5 is 14, abc is 0); a
// number past what a Long holds gives the nearest value it holds.
int32_t AmountOf(const std::string& text);

// The date present, and a group for the feed types that need one (all but
// gestation and lactation, choices 4 and 5). The window checks the date's
// value itself (ValidateDate).
Check CheckBatchHead(const BatchEntry& e, int feedChoice);

// The rows checked against FEED.LST, first to last; a row without a code is
// not checked. A row needs an amount of 1 to 2147483647 pounds and a known
// ingredient, and the rows together no more than a batch holds; each
// ingredient must cover what the batch now takes of it beyond what the
// batch on file (`stored`) drew already, all rows of it together, so an
// unchanged batch always passes. No row at all is refused (the window
// beeps twice for it).
struct BatchRowsCheck {
  Check refusal;
  // After an amount above the inventory: the row and the most it can take.
  int shortRow = -1;
  int32_t mostAmount = 0;
  int rows = 0;        // rows with a code; none is refused
  int32_t pounds = 0;  // the rows' pounds
  float cost = 0;      // the rows' cost: unit cost x pounds, in Singles
};
BatchRowsCheck CheckBatchRows(const BatchEntry& e, const FeedBatchRecord& stored, const IngredientFile& ingredients);

// The record an accepted entry writes over `stored`: the number, the group's
// first three characters, the date, the totals and the eight rows (a row
// without a code is empty); the type stays.
FeedBatchRecord BatchRecordOf(const BatchEntry& e, const FeedBatchRecord& stored, const std::string& batchNumber,
                              const BatchRowsCheck& totals);

// What writing `after` over `before` changes in FEED.LST: for each
// ingredient, what `before` drew less what `after` draws. A row whose
// ingredient changed gives the old one its pounds back and draws the new
// one in full; an emptied row gives its pounds back.
std::vector<std::pair<long, int64_t>> InventoryChanges(const IngredientFile& ingredients,
                                                       const FeedBatchRecord& before, const FeedBatchRecord& after);
