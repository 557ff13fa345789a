#include <gtest/gtest.h>

#include <algorithm>
#include <limits>

#include "records/Fields.h"
#include "records/RecordIo.h"
#include "support/TestPlatform.h"

using namespace records;

namespace {
struct Sample {
  static constexpr int Length = 40;
  std::string Id;
  std::string Born;
  int16_t Count = 0;
  int32_t Big = 0;
  float Weight = 0;
  Currency Price;
  std::array<int16_t, 2> Links{};
  template <class M>
  void fields(M& m) {
    m.text(Id, 0, 6);
    m.date(Born, 6);
    m.i16(Count, 16);
    m.i32(Big, 18);
    m.f32(Weight, 22);
    m.cur(Price, 26);
    m.i16s(Links, 34);
    m.text(Id, 38, 2);
  }
};
}  // namespace

TEST(FieldCodecs, EncodeLaysOutEveryTypeLittleEndian) {
  Sample s;
  s.Id = "A1";
  s.Count = -2;
  s.Big = 0x01020304;
  s.Weight = 1.5f;
  s.Price = Currency::fromDouble(12.34);
  s.Links = {1, 258};
  Bytes b = encode(s);
  ASSERT_EQ(b.size(), 40u);
  EXPECT_EQ(std::string(b.begin(), b.begin() + 6), "A1    ");
  EXPECT_EQ(std::string(b.begin() + 6, b.begin() + 16), "__/__/____");  // empty date
  EXPECT_EQ(b[16], 0xFE);
  EXPECT_EQ(b[17], 0xFF);
  EXPECT_EQ(b[18], 0x04);
  EXPECT_EQ(b[21], 0x01);
  EXPECT_EQ(b[22], 0x00);  // 1.5f = 0x3FC00000
  EXPECT_EQ(b[24], 0xC0);
  EXPECT_EQ(b[25], 0x3F);
  EXPECT_EQ(getI64(b.data() + 26), 123400);
  EXPECT_EQ(b[34], 1);
  EXPECT_EQ(b[36], 2);
  EXPECT_EQ(b[37], 1);
  Sample back = decode<Sample>(b);
  EXPECT_EQ(back.Id, "A1");  // the last field naming Id wins on decode: 2 chars
  EXPECT_EQ(back.Born, "__/__/____");
  EXPECT_EQ(back.Count, -2);
  EXPECT_EQ(back.Weight, 1.5f);
  EXPECT_EQ(back.Price.raw, 123400);
  EXPECT_EQ(back.Links[1], 258);
}

TEST(FieldCodecs, TextIsCutToWidthAndReadWithItsPadding) {
  uint8_t buf[4];
  putText(buf, 4, "ABCDEF");
  EXPECT_EQ(getText(buf, 4), "ABCD");
  putText(buf, 4, "\xE9");  // Windows-1252 e acute stays one byte
  EXPECT_EQ(getText(buf, 4), "\xE9   ");
}

// Halves to even; a value past what a Currency holds keeps the bound on its
// side, NaN gives 0.
TEST(FieldCodecs, CurrencyRoundsHalvesToEven) {
  constexpr double kInf = std::numeric_limits<double>::infinity();
  constexpr int64_t kMost = std::numeric_limits<int64_t>::max(), kLeast = std::numeric_limits<int64_t>::min();
  const std::pair<double, int64_t> cases[] = {
      {0.00005, 0},  {12.34, 123400}, {-3.5, -35000}, {1e14, 1000000000000000000}, {1e15, kMost}, {-1e300, kLeast},
      {std::numeric_limits<double>::quiet_NaN(), 0}, {kInf, kMost}, {-kInf, kLeast},
      {static_cast<double>(std::numeric_limits<float>::max()), kMost},
  };
  for (const auto& [value, raw] : cases) EXPECT_EQ(Currency::fromDouble(value).raw, raw) << value;
  EXPECT_DOUBLE_EQ(Currency{125000}.value(), 12.5);
}

TEST(FieldCodecs, LayoutListsEveryField) {
  auto spans = layoutOf<Sample>();
  ASSERT_EQ(spans.size(), 8u);
  EXPECT_EQ(spans[1].offset, 6);
  EXPECT_EQ(spans[1].width, 10);
  EXPECT_EQ(spans[6].width, 4);
}

TEST(TypedFile, ReadAllAndByNumberAgree) {
  TestPlatform tp;
  std::string path = tp.path("S.DAT");
  TypedFile<Sample> f;
  ASSERT_TRUE(f.open(path));
  Sample a;
  a.Id = "A";
  Sample b;
  b.Id = "B";
  f.write(1, a);
  f.write(2, b);
  f.close();
  std::vector<Sample> all;
  ASSERT_TRUE(readAll(path, all));
  ASSERT_EQ(all.size(), 2u);
  EXPECT_EQ(all[1].Id, "B ");
  std::vector<Sample> none;
  EXPECT_TRUE(readAll(tp.path("MISSING.DAT"), none));
  EXPECT_TRUE(none.empty());
}

TEST(FileImage, ReadsWholeRecordsAndDecodesThemByNumber) {
  TestPlatform tp;
  Sample a, b;
  a.Id = "A";
  a.Count = 3;
  b.Id = "B";
  b.Count = 4;
  Bytes bytes = encode(a);
  const Bytes second = encode(b);
  bytes.insert(bytes.end(), second.begin(), second.end());
  bytes.resize(bytes.size() + 7, 'x');  // a short tail is not a record
  ASSERT_TRUE(platform::writeWholeFile(tp.path("S.DAT"), bytes));
  FileImage<Sample> image;
  ASSERT_TRUE(image.read(tp.path("S.DAT")));
  ASSERT_EQ(image.count(), 2);
  Sample got;
  image.decode(2, got);
  EXPECT_EQ(got.Count, 4);
  EXPECT_EQ(getI16(image.bytes(1) + 16), 3);
  const FileImage<Sample> made = FileImage<Sample>::of({a, b});
  ASSERT_EQ(made.count(), 2);
  EXPECT_TRUE(std::equal(made.bytes(1), made.bytes(1) + 2 * Sample::Length, bytes.begin()));
  EXPECT_TRUE(image.read(tp.path("MISSING.DAT")));
  EXPECT_EQ(image.count(), 0);
}

// Decoding through a mask reads the fields it names and leaves the others as
// they were.
TEST(FileImage, MaskedDecodeReadsOnlyTheNamedFields) {
  Sample stored;
  stored.Id = "STORED";
  stored.Count = 9;
  stored.Weight = 2.5f;
  stored.Links = {5, 6};
  const FileImage<Sample> image = FileImage<Sample>::of({stored});
  const Sample p;
  struct Case {
    std::vector<const void*> members;
    bool id, count, weight, links;
  };
  for (const Case& c : std::vector<Case>{{{&p.Count}, false, true, false, false},
                                         {{&p.Weight, &p.Links}, false, false, true, true},
                                         {{&p.Id}, true, false, false, false},
                                         {{}, false, false, false, false}}) {
    Sample got;
    got.Id = "BEFORE";
    image.decode(1, got, FieldMask<Sample>(p, c.members));
    EXPECT_EQ(got.Id, c.id ? "ST" : "BEFORE");  // Id is named twice: the last, 2 wide, wins
    EXPECT_EQ(got.Count, c.count ? 9 : 0);
    EXPECT_EQ(got.Weight, c.weight ? 2.5f : 0.0f);
    EXPECT_EQ(got.Links[1], c.links ? 6 : 0);
  }
}
