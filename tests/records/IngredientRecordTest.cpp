// FEED.LST byte for byte: the fields at their offsets, a record decoded from
// hand-made bytes and encoded back, and the free record.
#include <gtest/gtest.h>

#include "records/IngredientRecord.h"
#include "support/RecordBuilders.h"
#include "support/RecordBytes.h"

namespace {

std::string bytesOf(const IngredientRecord& r) {
  const records::Bytes b = records::encode(r);
  return std::string(b.begin(), b.end());
}

}  // namespace

TEST(IngredientRecord, FieldsTileTheSixtyBytes) {
  EXPECT_EQ(IngredientRecord::Length, 60);
  EXPECT_STREQ(IngredientRecord::FileName, "FEED.LST");
  const std::vector<std::pair<int, int>> expected = {{0, 6}, {6, 20}, {26, 4}, {30, 4}, {34, 8}, {42, 8}, {50, 10}};
  std::vector<std::pair<int, int>> spans;
  for (const records::FieldSpan& s : records::layoutOf<IngredientRecord>()) spans.emplace_back(s.offset, s.width);
  EXPECT_EQ(spans, expected);
}

TEST(IngredientRecord, HandMadeBytesDecodeAndEncodeBackUnchanged) {
  RecordBytes b(60);
  b.text(0, "CORN").text(6, "SHELLED CORN").i32(26, -250).i32(30, 1000).i64(34, 125'000).i64(42, 125)
      .text(50, "03/15/2024");
  const IngredientRecord r = records::decode<IngredientRecord>(reinterpret_cast<const uint8_t*>(b.str().data()));
  EXPECT_EQ(r.IngredientCode, "CORN  ");
  EXPECT_EQ(r.IngredientName, "SHELLED CORN        ");
  EXPECT_EQ(r.CurrentInventory, -250);
  EXPECT_EQ(r.StartInventory, 1000);
  EXPECT_DOUBLE_EQ(r.TotalCost.value(), 12.5);
  EXPECT_DOUBLE_EQ(r.UnitCost.value(), 0.0125);
  EXPECT_EQ(r.InventoryDate, "03/15/2024");
  EXPECT_EQ(bytesOf(r), b.str());
}

TEST(IngredientRecord, AFreeRecordIsBlankWithZerosAndAnEmptyDate) {
  const std::string b = bytesOf(IngredientRecord{});
  EXPECT_EQ(b, std::string(26, ' ') + std::string(24, '\0') + "__/__/____");
  const IngredientRecord built = anIngredient("SOYBM").name("A NAME LONGER THAN TWENTY").pounds(7, 8);
  const std::string c = bytesOf(built);
  EXPECT_EQ(c.substr(0, 26), "SOYBM A NAME LONGER THAN T");  // cut to width
  EXPECT_EQ(le64(c, 34), 0);
  EXPECT_EQ(c.substr(50), "__/__/____");
}
