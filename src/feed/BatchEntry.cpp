#include "feed/BatchEntry.h"

#include <cmath>
#include <map>

#include "common/Format.h"
#include "common/NumberText.h"
#include "common/TypedNumber.h"
#include "feed/FeedBatchFile.h"
#include "records/Fields.h"
#include "records/Nearest.h"

namespace {

const char kRowTitle[] = "FEED   INGREDIENT   ENTRY   ERROR";

Refusal refusal(const std::string& text, const std::string& title, int field) {
  return {text, title, platform::vbExclamation, field};
}

// The ingredient records of the rows' codes, one run over FEED.LST.
template <size_t N>
std::vector<long> ingredientsOf(const IngredientFile& file, const std::array<std::string, N>& codes) {
  return FindIngredients(file, std::vector<std::string>(codes.begin(), codes.end()));
}

std::array<std::string, FeedBatchRecord::Rows> codesOf(const FeedBatchRecord& b) {
  std::array<std::string, FeedBatchRecord::Rows> codes;
  for (size_t k = 0; k < codes.size(); ++k) codes[k] = b.Ingredients[k].IngredientCode;
  return codes;
}

// The pounds a batch draws of each ingredient record.
std::map<long, int64_t> drawnBy(const IngredientFile& file, const FeedBatchRecord& b) {
  std::map<long, int64_t> drawn;
  const std::vector<long> found = ingredientsOf(file, codesOf(b));
  for (size_t k = 0; k < found.size(); ++k)
    if (found[k] != 0) drawn[found[k]] += b.Ingredients[k].Amount;
  return drawn;
}

}  // namespace

namespace {
// The pounds of a row: a Long, from 1 (an amount that reads 0 is none).
const NumberField kAmountNumber = LongField("The AMOUNT (Lb)", 1);
}  // namespace

int32_t AmountOf(const std::string& text) { return static_cast<int32_t>(TypedValue(text, kAmountNumber)); }

Check CheckBatchHead(const BatchEntry& e, int feedChoice) {
  if (e.date == records::kEmptyDate)
    return refusal("DATE FEED GROUND is a required entry!", kBatchEntryTitle, kFeedDateField);
  if (feedChoice != 4 && feedChoice != 5 && Trim(e.group).empty())
    return refusal("GROUP ID., is a required entry!\rFor Nursery, Grower, Finisher.", kBatchEntryTitle,
                   kGroupIdField);
  return std::nullopt;
}

BatchRowsCheck CheckBatchRows(const BatchEntry& e, const FeedBatchRecord& stored, const IngredientFile& ingredients) {
  BatchRowsCheck out;
  const std::vector<long> found = ingredientsOf(ingredients, e.codes);
  const std::map<long, int64_t> drawn = drawnBy(ingredients, stored);
  std::map<long, int64_t> needed;
  IngredientRecord ingredient;
  for (int i = 0; i < FeedBatchRecord::Rows; ++i) {
    const size_t k = static_cast<size_t>(i);
    const std::string& code = e.codes[k];
    if (Trim(code).empty()) continue;
    // An amount that reads as 0 is no amount.
    if ((out.refusal = CheckRequiredNumber(
             e.amounts[k], kAmountNumber,
             refusal("NO AMOUNT ENTERED!\r\rYou MUST enter something!", kRowTitle, kFeedAmtField + i))))
      return out;
    const int32_t amount = AmountOf(e.amounts[k]);
    if (found[k] == 0) {
      out.refusal = refusal("INVALID INGREDIENT CODE!\r\rInvalid code (" + code + "), \ror Zero(0) inventory.",
                            "FEED   INGREDIENT   ENTRY", kFeedPickField + i);
      return out;
    }
    ingredients.decode(found[k], ingredient);
    const int64_t need = needed[found[k]] += amount;
    const auto was = drawn.find(found[k]);
    const int64_t beyond = need - (was == drawn.end() ? 0 : was->second);
    if (beyond > 0 && beyond > ingredient.CurrentInventory) {
      out.refusal = refusal(
          "INSUFFICIENT AMOUNT!\r\rNot enough inventory to cover entry!\rUse another inventory code to make\r"
          "   up the remaining recipe.",
          "FEED   AMOUNT   ENTRY", kFeedAmtField + i);
      out.shortRow = i;
      const int64_t most = amount - (beyond - ingredient.CurrentInventory);
      out.mostAmount = static_cast<int32_t>(most > 0 ? most : 0);
      return out;
    }
    ++out.rows;
    if (static_cast<int64_t>(out.pounds) + amount > kAmountNumber.most) {
      out.refusal = refusal("The batch's POUNDS together can't be more than 2147483647!\r\rMake two batches of it.",
                            kRowTitle, kFeedAmtField + i);
      return out;
    }
    out.pounds += amount;
    const float rowCost = static_cast<float>(ingredient.UnitCost.value()) * static_cast<float>(amount);
    out.cost = out.cost + rowCost;
  }
  if (out.rows == 0)
    out.refusal = refusal("NO INGREDIENT(s)!\r\rYou MUST have at least ONE(1) ingredient.", kBatchEntryTitle,
                          kFeedPickField);
  return out;
}

FeedBatchRecord BatchRecordOf(const BatchEntry& e, const FeedBatchRecord& stored, const std::string& batchNumber,
                              const BatchRowsCheck& totals) {
  FeedBatchRecord b;
  b.FeedType = stored.FeedType;
  b.BatchNumber = batchNumber;
  b.GroupId = e.group.substr(0, 3);
  b.DateGround = e.date;
  b.TotalPounds = totals.pounds;
  b.TotalCost = records::Currency::fromDouble(totals.cost);
  for (size_t k = 0; k < b.Ingredients.size(); ++k) {
    const std::string code = Trim(e.codes[k]);
    if (!code.empty()) b.Ingredients[k] = {code.substr(0, 6), AmountOf(e.amounts[k])};
  }
  return b;
}

std::vector<std::pair<long, int64_t>> InventoryChanges(const IngredientFile& ingredients,
                                                       const FeedBatchRecord& before, const FeedBatchRecord& after) {
  std::map<long, int64_t> change = drawnBy(ingredients, before);
  for (const auto& [record, pounds] : drawnBy(ingredients, after)) change[record] -= pounds;
  std::vector<std::pair<long, int64_t>> out;
  for (const auto& [record, pounds] : change)
    if (pounds != 0) out.emplace_back(record, pounds);
  return out;
}
