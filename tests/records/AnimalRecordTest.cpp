// The sow, litter and boar records byte for byte: field offsets, widths and
// encodings, freed records, and the files written through TypedFile.
#include <gtest/gtest.h>

#include <algorithm>

#include "records/BoarRecord.h"
#include "records/FarrowRecord.h"
#include "records/RecordIo.h"
#include "records/SowRecord.h"
#include "support/RecordBuilders.h"
#include "support/RecordBytes.h"
#include "support/TestPlatform.h"

namespace {

template <class R>
std::vector<records::FieldSpan> sortedLayout() {
  auto spans = records::layoutOf<R>();
  std::sort(spans.begin(), spans.end(), [](auto& a, auto& b) { return a.offset < b.offset; });
  return spans;
}

// The fields follow each other from byte 0 to the record's end with no gap
// and no overlap.
template <class R>
void expectTiled() {
  int next = 0;
  for (const auto& s : sortedLayout<R>()) {
    EXPECT_EQ(s.offset, next) << "gap or overlap at " << s.offset;
    next = s.offset + s.width;
  }
  EXPECT_EQ(next, R::Length);
}

std::string asString(const records::Bytes& b) { return std::string(b.begin(), b.end()); }

}  // namespace

TEST(AnimalRecordLayout, FieldsTileEachRecord) {
  EXPECT_EQ(SowRecord::Length, 1130);
  EXPECT_EQ(FarrowRecord::Length, 50);
  EXPECT_EQ(BoarRecord::Length, 1084);
  expectTiled<SowRecord>();
  expectTiled<FarrowRecord>();
  expectTiled<BoarRecord>();
  EXPECT_EQ(records::layoutOf<SowRecord>().size(), 18u);
  EXPECT_EQ(records::layoutOf<FarrowRecord>().size(), 12u);
  EXPECT_EQ(records::layoutOf<BoarRecord>().size(), 14u);
}

TEST(AnimalRecordLayout, SowRecordDecodesHandMadeBytes) {
  RecordBytes b(1130);
  b.text(0, "S-17").text(8, "YORKSHIRE").text(28, "03/15/2021").i16(38, 161).f32(40, 0.85f)
      .i64(44, 3'125'000).text(52, "06/01/2021").i64(62, -12'345).text(70, "__/__/____")
      .text(80, "10/02/2022").text(90, "PEN 4").f32(98, 6.25f).text(102, "01/10/2023")
      .text(112, "          ").text(122, "B7").i16(130, 3);
  for (int k = 0; k < 9; ++k) b.i16(132 + 2 * k, static_cast<int16_t>(k < 3 ? 100 + k : 0));
  b.text(150, "   first line").text(150 + 13 * 70, "last line");
  SowRecord s = records::decode<SowRecord>(reinterpret_cast<const uint8_t*>(b.str().data()));
  EXPECT_EQ(s.Id, "S-17    ");
  EXPECT_EQ(s.Breed, std::string("YORKSHIRE") + std::string(11, ' '));
  EXPECT_EQ(s.DateOfBirth, "03/15/2021");
  EXPECT_EQ(s.DaysTo230, 161);
  EXPECT_EQ(s.Backfat, 0.85f);
  EXPECT_EQ(s.PurchasePrice.raw, 3'125'000);
  EXPECT_DOUBLE_EQ(s.PurchasePrice.value(), 312.5);
  EXPECT_EQ(s.DateEnteredHerd, "06/01/2021");
  EXPECT_EQ(s.SoldPrice.raw, -12'345);
  EXPECT_EQ(s.DateLeftHerd, "__/__/____");
  EXPECT_EQ(s.PrvDate, "10/02/2022");
  EXPECT_EQ(s.Location, "PEN 4   ");
  EXPECT_EQ(s.Loineye, 6.25f);
  EXPECT_EQ(s.DateBred, "01/10/2023");
  EXPECT_EQ(s.DateDue, "          ");
  EXPECT_EQ(s.BoarId, "B7      ");
  EXPECT_EQ(s.ParityCount, 3);
  EXPECT_EQ(s.FarrowRecNo[0], 100);
  EXPECT_EQ(s.FarrowRecNo[2], 102);
  EXPECT_EQ(s.FarrowRecNo[3], 0);
  EXPECT_EQ(s.NoteLine.line(0).size(), 70u);
  EXPECT_EQ(s.NoteLine.line(0).substr(0, 13), "   first line");
  EXPECT_EQ(s.NoteLine.line(13).substr(0, 9), "last line");
  EXPECT_EQ(s.NoteLine.line(12), std::string(70, ' '));
}

TEST(AnimalRecordLayout, SowRecordEncodesEachFieldAtItsOffset) {
  SowRecord s;
  s.Id = "A1";
  s.Breed = "A BREED NAME LONGER THAN TWENTY";
  s.DateOfBirth = "02/29/2020";
  s.DaysTo230 = -2;
  s.Backfat = 1.5f;
  s.PurchasePrice = records::Currency::fromDouble(99.99);
  s.Location = "BARN 12 NORTH";
  s.ParityCount = 2;
  s.FarrowRecNo[0] = 7;
  s.FarrowRecNo[1] = 32767;
  s.NoteLine.setLine(1, "note");
  std::string b = asString(records::encode(s));
  ASSERT_EQ(b.size(), 1130u);
  EXPECT_EQ(b.substr(0, 8), "A1      ");
  EXPECT_EQ(b.substr(8, 20), "A BREED NAME LONGER ");  // cut to width
  EXPECT_EQ(b.substr(28, 10), "02/29/2020");
  EXPECT_EQ(le16(b, 38), -2);
  EXPECT_EQ(lef32(b, 40), 1.5f);
  EXPECT_EQ(le64(b, 44), 999'900);
  EXPECT_EQ(b.substr(52, 10), "__/__/____");  // empty dates
  EXPECT_EQ(le64(b, 62), 0);
  EXPECT_EQ(b.substr(70, 10), "__/__/____");
  EXPECT_EQ(b.substr(90, 8), "BARN 12 ");
  EXPECT_EQ(b.substr(112, 10), "__/__/____");
  EXPECT_EQ(b.substr(122, 8), std::string(8, ' '));
  EXPECT_EQ(le16(b, 130), 2);
  EXPECT_EQ(le16(b, 132), 7);
  EXPECT_EQ(le16(b, 134), 32767);
  EXPECT_EQ(le16(b, 148), 0);
  EXPECT_EQ(b.substr(150, 70), std::string(70, ' '));
  EXPECT_EQ(b.substr(220, 4), "note");
  EXPECT_EQ(b.substr(224, 66), std::string(66, ' '));
}

TEST(AnimalRecordLayout, FreedSowRecordIsBlankDatesEmptyAndZero) {
  std::string b = asString(records::encode(SowRecord{}));
  RecordBytes expected(1130);
  for (int off : {28, 52, 70, 80, 102, 112}) expected.text(off, "__/__/____");
  for (int off : {38, 130}) expected.i16(off, 0);
  for (int off : {40, 98}) expected.f32(off, 0);
  for (int off : {44, 62}) expected.i64(off, 0);
  for (int k = 0; k < 9; ++k) expected.i16(132 + 2 * k, 0);
  EXPECT_EQ(b, expected.str());
}

TEST(AnimalRecordLayout, FarrowRecordBytes) {
  RecordBytes b(50);
  b.i16(0, 2).text(2, "04/05/2023").i16(12, 12).i16(14, 11).f32(16, 33.5f).text(20, "04/26/2023")
      .i16(30, 10).i16(32, 21).f32(34, 121.25f).i16(38, 1).i16(40, 2).text(42, "b1");
  FarrowRecord f = records::decode<FarrowRecord>(reinterpret_cast<const uint8_t*>(b.str().data()));
  EXPECT_EQ(f.Status, FarrowRecord::LeftHerd);
  EXPECT_EQ(f.DateBorn, "04/05/2023");
  EXPECT_EQ(f.BornCount, 12);
  EXPECT_EQ(f.AliveCount, 11);
  EXPECT_EQ(f.BirthWeight, 33.5f);
  EXPECT_EQ(f.DateWeaned, "04/26/2023");
  EXPECT_EQ(f.WeanedCount, 10);
  EXPECT_EQ(f.WeaningAge, 21);
  EXPECT_EQ(f.WeaningWeight, 121.25f);
  EXPECT_EQ(f.FosteredTo, 1);
  EXPECT_EQ(f.FosteredFrom, 2);
  EXPECT_EQ(f.BoarId, "b1      ");  // kept as typed
  EXPECT_EQ(asString(records::encode(f)), b.str());

  // A freed litter: status 0, both dates empty, zero figures, blank sire.
  RecordBytes freed(50);
  freed.i16(0, 0).text(2, "__/__/____").text(20, "__/__/____");
  for (int off : {12, 14, 30, 32, 38, 40}) freed.i16(off, 0);
  for (int off : {16, 34}) freed.f32(off, 0);
  EXPECT_EQ(asString(records::encode(FarrowRecord{})), freed.str());
}

TEST(AnimalRecordLayout, BoarRecordBytes) {
  RecordBytes b(1084);
  b.text(0, "B1").text(8, "DUROC").text(28, "01/02/2020").i16(38, 150).f32(40, 0.7f).i64(44, 15'000'000)
      .text(52, "05/05/2020").i64(62, 2'500'000).text(70, "12/31/2023").text(80, "__/__/____")
      .text(90, "EAST").f32(98, 7.5f).i16(102, 4).text(104 + 2 * 70, "third note line");
  for (int k = 0; k < 14; ++k)
    if (k != 2) b.text(104 + k * 70, std::string(70, ' '));
  BoarRecord r = records::decode<BoarRecord>(reinterpret_cast<const uint8_t*>(b.str().data()));
  EXPECT_EQ(r.Id, "B1      ");
  EXPECT_EQ(r.Breed.substr(0, 5), "DUROC");
  EXPECT_EQ(r.DateOfBirth, "01/02/2020");
  EXPECT_EQ(r.DaysTo230, 150);
  EXPECT_EQ(r.Backfat, 0.7f);
  EXPECT_DOUBLE_EQ(r.PurchasePrice.value(), 1500.0);
  EXPECT_EQ(r.DateEnteredHerd, "05/05/2020");
  EXPECT_DOUBLE_EQ(r.SoldPrice.value(), 250.0);
  EXPECT_EQ(r.DateLeftHerd, "12/31/2023");
  EXPECT_EQ(r.PrvDate, "__/__/____");
  EXPECT_EQ(r.Location, "EAST    ");
  EXPECT_EQ(r.Loineye, 7.5f);
  EXPECT_EQ(r.SowsBred, 4);
  EXPECT_EQ(r.NoteLine.line(2).substr(0, 15), "third note line");
  EXPECT_EQ(asString(records::encode(r)), b.str());

  RecordBytes freed(1084);
  for (int off : {28, 52, 70, 80}) freed.text(off, "__/__/____");
  for (int off : {38, 102}) freed.i16(off, 0);
  for (int off : {40, 98}) freed.f32(off, 0);
  for (int off : {44, 62}) freed.i64(off, 0);
  EXPECT_EQ(asString(records::encode(BoarRecord{})), freed.str());
}

TEST(AnimalRecordFiles, RecordNLiesAtItsOffsetAndAShortTailIsKeptUncounted) {
  TestPlatform tp;
  const std::string path = tp.path("SOW.DAT");
  SowRecord a = aSow("FIRST"), b = aSow("SECOND").litters({5});
  {
    records::TypedFile<SowRecord> f;
    ASSERT_TRUE(f.open(path));
    EXPECT_EQ(f.count(), 0);
    ASSERT_TRUE(f.write(1, a));
    ASSERT_TRUE(f.write(2, b));
  }
  std::string bytes = readFile(path);
  ASSERT_EQ(bytes.size(), 2260u);
  EXPECT_EQ(bytes.substr(1130, 8), "SECOND  ");
  EXPECT_EQ(le16(bytes, 1130 + 130), 1);
  EXPECT_EQ(le16(bytes, 1130 + 132), 5);

  // A partial record at the end is not counted and not cut off.
  const std::string tail(300, 'T');
  writeFile(path, bytes + tail);
  records::TypedFile<SowRecord> f;
  ASSERT_TRUE(f.open(path));
  EXPECT_EQ(f.count(), 2);
  SowRecord back;
  EXPECT_TRUE(f.read(2, back));
  EXPECT_EQ(back.Id, "SECOND  ");
  EXPECT_FALSE(f.read(3, back));
  a.Breed = "CHANGED";
  ASSERT_TRUE(f.write(1, a));
  f.close();
  EXPECT_EQ(readFile(path).substr(2260), tail);
  std::vector<SowRecord> all;
  ASSERT_TRUE(records::readAll(path, all));
  ASSERT_EQ(all.size(), 2u);
  EXPECT_EQ(all[0].Breed.substr(0, 7), "CHANGED");
}

// The note pad stays as stored: any bytes, blanks or not, come back when the
// record is written again; lines become text only when asked for.
TEST(NotePad, LinesAreAskedForAndTheBytesKeptAsStored) {
  RecordBytes b(1130);
  for (int k = 0; k < 14; ++k) b.text(150 + k * 70, std::string(70, ' '));
  b.text(150, "  two blanks before").text(150 + 70, std::string("tab\there\0\xE9 end", 14));
  b.text(150 + 13 * 70, std::string(70, 'Z'));
  SowRecord s = records::decode<SowRecord>(reinterpret_cast<const uint8_t*>(b.str().data()));
  EXPECT_EQ(asString(records::encode(s)), b.str());
  struct Case {
    int line;
    std::string trimmed;
  };
  for (const Case& c : std::vector<Case>{{0, "two blanks before"},
                                         {1, std::string("tab\there\0\xE9 end", 14)},
                                         {2, ""},
                                         {13, std::string(70, 'Z')}}) {
    EXPECT_EQ(std::string(s.NoteLine.trimmed(c.line)), c.trimmed) << c.line;
    EXPECT_EQ(s.NoteLine.line(c.line).size(), 70u);
  }
  s.NoteLine.setLine(13, std::string(80, 'Y'));  // cut to the line
  s.NoteLine.setLine(2, "short");                // padded with blanks
  EXPECT_EQ(s.NoteLine.line(13), std::string(70, 'Y'));
  EXPECT_EQ(s.NoteLine.line(2), "short" + std::string(65, ' '));
  EXPECT_EQ(std::string(s.NoteLine.trimmed(1)), std::string("tab\there\0\xE9 end", 14));
}
