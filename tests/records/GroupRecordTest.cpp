// GROUP.DAT and SALES.DAT records byte for byte.
#include <gtest/gtest.h>

#include <algorithm>

#include "records/GroupRecord.h"
#include "records/SalesRecord.h"
#include "support/RecordBuilders.h"
#include "support/RecordBytes.h"

namespace {

template <class R>
int tiledLength() {
  auto spans = records::layoutOf<R>();
  std::sort(spans.begin(), spans.end(), [](auto& a, auto& b) { return a.offset < b.offset; });
  int next = 0;
  for (const auto& s : spans) {
    EXPECT_EQ(s.offset, next) << "gap or overlap at " << s.offset;
    next = s.offset + s.width;
  }
  return next;
}

template <class R>
std::string bytesOf(const R& r) {
  const records::Bytes b = records::encode(r);
  return std::string(b.begin(), b.end());
}

}  // namespace

TEST(GroupRecordLayout, FieldsTileEachRecord) {
  EXPECT_EQ(tiledLength<GroupRecord>(), 29);
  EXPECT_EQ(tiledLength<SalesRecord>(), 57);
  EXPECT_EQ(std::string(GroupRecord::FileName), "GROUP.DAT");
  EXPECT_EQ(std::string(SalesRecord::FileName), "SALES.DAT");
}

TEST(GroupRecordLayout, GroupEncodesAtItsOffsets) {
  GroupRecord g = aGroup("G", "005-24", 20).in(60, 52.5f, "03/01/2024").deathLoss();
  RecordBytes b(29);
  b.text(0, "G").i16(1, 20).text(3, "005-24").i16(9, 60).f32(11, 52.5f).text(15, "03/01/2024").i16(25, -1).i16(27, 0);
  EXPECT_EQ(bytesOf(g), b.str());
  EXPECT_EQ(records::decode<GroupRecord>(reinterpret_cast<const uint8_t*>(b.str().data())).GroupId, "005-24");
}

TEST(GroupRecordLayout, FreeRecordsAreBlankWithEmptyDates) {
  RecordBytes group(29);
  group.i16(1, 0).i16(9, 0).f32(11, 0).text(15, "__/__/____").i16(25, 0).i16(27, 0);
  EXPECT_EQ(bytesOf(GroupRecord{}), group.str());
  RecordBytes sale(57);
  sale.i16(1, 0).i16(3, 0).i16(11, 0);
  for (int off = 13; off < 45; off += 4) sale.f32(off, 0);
  sale.text(45, "__/__/____").i16(55, 0);
  EXPECT_EQ(bytesOf(SalesRecord{}), sale.str());
}

TEST(GroupRecordLayout, SaleEncodesAtItsOffsets) {
  SalesRecord s = aSale("M", "005-24", 21).sold(20, 250.0f, 0.55f, "09/01/2024").gilts(5).yearEnd();
  s.Backfat = 0.8f;
  s.PercentLean = 52.0f;
  s.HotCarcassWeight = 190.0f;
  s.FatFreeLeanIndex = 50.5f;
  s.Loineye = 6.5f;
  s.GradeYieldPremium = 2.25f;
  RecordBytes b(57);
  b.text(0, "M").i16(1, -1).i16(3, 21).text(5, "005-24").i16(11, 20).f32(13, 250.0f).f32(17, 0.55f);
  b.f32(21, 0.8f).f32(25, 52.0f).f32(29, 190.0f).f32(33, 50.5f).f32(37, 6.5f).f32(41, 2.25f);
  b.text(45, "09/01/2024").i16(55, 5);
  EXPECT_EQ(bytesOf(s), b.str());
}
