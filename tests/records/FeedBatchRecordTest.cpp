// FEED<yyyy>.DAT byte for byte: the fields at their offsets, a batch decoded
// from hand-made bytes and encoded back, and the free record.
#include <gtest/gtest.h>

#include "records/FeedBatchRecord.h"
#include "support/RecordBuilders.h"
#include "support/RecordBytes.h"

TEST(FeedBatchRecord, FieldsTileTheHundredAndTwelveBytes) {
  EXPECT_EQ(FeedBatchRecord::Length, 112);
  std::vector<std::pair<int, int>> expected = {{0, 1}, {1, 6}, {7, 3}, {10, 10}, {20, 4}, {24, 8}};
  for (int k = 0; k < 8; ++k) {
    expected.emplace_back(32 + 10 * k, 6);
    expected.emplace_back(38 + 10 * k, 4);
  }
  std::vector<std::pair<int, int>> spans;
  for (const records::FieldSpan& s : records::layoutOf<FeedBatchRecord>()) spans.emplace_back(s.offset, s.width);
  EXPECT_EQ(spans, expected);
}

TEST(FeedBatchRecord, HandMadeBytesDecodeAndEncodeBackUnchanged) {
  RecordBytes b(112);
  b.text(0, "G").text(1, "M00012").text(7, "123").text(10, "03/15/2024").i32(20, 1500).i64(24, 1'234'500)
      .text(32, "CORN").i32(38, 1000).text(102, "SOYBM").i32(108, 500);
  for (int k = 1; k < 7; ++k) b.text(32 + 10 * k, "      ");
  const FeedBatchRecord r = records::decode<FeedBatchRecord>(reinterpret_cast<const uint8_t*>(b.str().data()));
  EXPECT_EQ(r.FeedType, "G");
  EXPECT_EQ(r.BatchNumber, "M00012");
  EXPECT_EQ(r.GroupId, "123");
  EXPECT_EQ(r.DateGround, "03/15/2024");
  EXPECT_EQ(r.TotalPounds, 1500);
  EXPECT_DOUBLE_EQ(r.TotalCost.value(), 123.45);
  EXPECT_EQ(r.Ingredients[0], (FeedBatchRecord::Row{"CORN  ", 1000}));
  EXPECT_EQ(r.Ingredients[7], (FeedBatchRecord::Row{"SOYBM ", 500}));
  const records::Bytes back = records::encode(r);
  EXPECT_EQ(std::string(back.begin(), back.end()), b.str());
}

TEST(FeedBatchRecord, AFreeRecordIsBlankWithAnEmptyDateAndZeros) {
  const records::Bytes b = records::encode(FeedBatchRecord{});
  std::string expected = std::string(10, ' ') + "__/__/____" + std::string(12, '\0');
  for (int k = 0; k < 8; ++k) expected += std::string(6, ' ') + std::string(4, '\0');
  EXPECT_EQ(std::string(b.begin(), b.end()), expected);
}
