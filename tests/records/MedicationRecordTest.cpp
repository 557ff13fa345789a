// DRUG.LST and MED<yyyy>.DAT records byte for byte: each field at its offset
// with its width, hand-made bytes decoded and encoded back, blanked records.
#include <gtest/gtest.h>

#include <utility>

#include "records/DrugRecord.h"
#include "records/MedicationRecord.h"
#include "support/RecordBytes.h"

namespace {

using Spans = std::vector<std::pair<int, int>>;

template <class R>
Spans spansOf() {
  Spans out;
  for (const records::FieldSpan& s : records::layoutOf<R>()) out.emplace_back(s.offset, s.width);
  return out;
}

template <class R>
R decoded(const RecordBytes& b) {
  return records::decode<R>(reinterpret_cast<const uint8_t*>(b.str().data()));
}

template <class R>
std::string encoded(const R& r) {
  const records::Bytes b = records::encode(r);
  return std::string(b.begin(), b.end());
}

}  // namespace

TEST(MedicationRecordLayout, EachFieldAtItsOffsetTilingTheRecord) {
  EXPECT_EQ(DrugRecord::Length, 346);
  EXPECT_EQ(spansOf<DrugRecord>(), (Spans{{0, 20}, {20, 6}, {26, 1}, {27, 1}, {28, 4}, {32, 3}, {35, 15}, {50, 10},
                                          {60, 10}, {70, 4}, {74, 8}, {82, 4}, {86, 20}, {106, 240}}));
  EXPECT_EQ(MedicationRecord::Length, 115);
  EXPECT_EQ(spansOf<MedicationRecord>(), (Spans{{0, 8}, {8, 8}, {16, 7}, {23, 6}, {29, 6}, {35, 30}, {65, 15},
                                                {80, 4}, {84, 8}, {92, 1}, {93, 10}, {103, 12}}));
}

TEST(MedicationRecordLayout, DrugRecordBytesWithCurrencyInTenThousandths) {
  RecordBytes b(346);
  b.text(0, "PENICILLIN G").text(20, "PEN1").text(26, "F").text(27, "L").f32(28, 2.5f).text(32, "14")
      .text(35, "LOT-77").text(50, "01/15/2024").text(60, "__/__/____").f32(70, 37.5f).i64(74, 1'234'500)
      .f32(82, 40.0f).text(86, "ZOETIS").text(106, "KEEP COOL");
  const DrugRecord d = decoded<DrugRecord>(b);
  EXPECT_EQ(d.DrugName, "PENICILLIN G        ");
  EXPECT_EQ(d.DrugCode, "PEN1  ");
  EXPECT_EQ(d.DrugType + d.DrugUnit, "FL");
  EXPECT_EQ(d.Dosage, 2.5f);
  EXPECT_EQ(d.WithdrawalDays, "14 ");
  EXPECT_EQ(d.PurchaseDate, "01/15/2024");
  EXPECT_EQ(d.ExpirationDate, "__/__/____");
  EXPECT_EQ(d.InventoryAmount, 37.5f);
  EXPECT_DOUBLE_EQ(d.DrugCost.value(), 123.45);
  EXPECT_EQ(d.AmountPurchased, 40.0f);
  EXPECT_EQ(d.DrugNote.substr(0, 10), "KEEP COOL ");
  EXPECT_EQ(encoded(d), b.str());

  RecordBytes blank(346);  // a deleted drug: blanks, empty dates, zero figures
  blank.f32(28, 0).text(50, "__/__/______/__/____").f32(70, 0).i64(74, 0).f32(82, 0);
  EXPECT_EQ(encoded(DrugRecord{}), blank.str());
}

TEST(MedicationRecordLayout, MedicationRecordBytes) {
  RecordBytes b(115);
  b.text(16, "123_H2O").text(29, "PEN1").text(35, "PENICILLIN G").text(65, "LOT-77").f32(80, 12.5f)
      .i64(84, 25'000).text(92, "O").text(93, "03/01/2024").text(103, "JH");
  const MedicationRecord m = decoded<MedicationRecord>(b);
  EXPECT_EQ(m.SowId + m.BoarId + m.BatchId, std::string(22, ' '));
  EXPECT_EQ(m.GroupId, "123_H2O");
  EXPECT_EQ(m.DrugCode, "PEN1  ");
  EXPECT_EQ(m.Dosage, 12.5f);
  EXPECT_DOUBLE_EQ(m.UnitCost.value(), 2.5);
  EXPECT_EQ(m.DrugUnit, "O");
  EXPECT_EQ(m.DateUsed, "03/01/2024");
  EXPECT_EQ(m.GivenBy, "JH          ");
  EXPECT_EQ(encoded(m), b.str());
}
