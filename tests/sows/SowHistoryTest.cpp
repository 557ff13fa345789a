// The sow history block: what LoadSowHistory copies from SOW.DAT and the
// litter statistics SowLitterStats computes from FARROW.DAT, in single
// precision.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include <QDir>

#include "common/HogGlobals.h"
#include "platform/FileSystem.h"
#include "records/RecordIo.h"
#include "sows/SowHistory.h"
#include "support/RecordBuilders.h"

namespace {

struct Herd {
  TestPlatform tp;
  records::TypedFile<SowRecord> sows;
  records::TypedFile<FarrowRecord> litters;
  Herd() { DataFolder = tp.home(); }
  // Writes a litter at the end of FARROW.DAT; its record number.
  long litter(int16_t born, int16_t alive, int16_t weaned = 0, int16_t age = 0, float birthWeight = 0,
              float weaningWeight = 0, int16_t to = 0, int16_t from = 0) {
    if (!litters.isOpen()) litters.open(tp.path("FARROW.DAT"));
    const long n = litters.count() + 1;
    litters.write(n, aLitter()
                         .pigs(born, alive)
                         .weaned(weaned, records::kEmptyDate, age)
                         .weights(birthWeight, weaningWeight)
                         .fostered(to, from));
    return n;
  }
  // Writes a sow linked to the given litters as record n of SOW.DAT.
  void sow(long n, std::initializer_list<long> links, const std::string& id = "S1") {
    if (!sows.isOpen()) sows.open(tp.path("SOW.DAT"));
    SowRecord s = aSow(id);
    int k = 0;
    for (long l : links) s.FarrowRecNo[static_cast<size_t>(k++)] = static_cast<int16_t>(l);
    s.ParityCount = static_cast<int16_t>(links.size());
    sows.write(n, s);
  }
  void load(long rec) {
    sows.close();
    litters.close();
    CurrentSowRec = rec;
    LoadSowHistory();
  }
};

void expectNoStatistics(const SowHistoryRecord& h) {
  for (int32_t v : {h.TotalWeaned, h.TotalBorn, h.TotalStillborn, h.TotalFosteredTo, h.TotalFosteredFrom,
                    h.TotalBornAlive})
    EXPECT_EQ(v, 0);
  for (float v : {h.AvgWeaned, h.AvgLitterBirthWeight, h.AvgLitterWeaningWeight, h.AvgWeaningAge, h.AvgBorn,
                  h.AvgStillborn, h.AvgFosteredTo, h.AvgFosteredFrom, h.AvgBornAlive})
    EXPECT_EQ(v, 0.0f);
}

}  // namespace

TEST(SowHistory, CopiesTheRecordTrimmed) {
  Herd h;
  SowRecord s;
  s.Id = " S-9";
  s.Breed = "  HAMPSHIRE";
  s.Location = " PEN 2";
  s.BoarId = "B3";
  s.DateOfBirth = "03/15/2021";
  s.DateBred = "01/10/2023";
  s.DateDue = "05/04/2023";
  s.DaysTo230 = 170;
  s.Backfat = 0.9f;
  s.Loineye = 5.5f;
  s.PurchasePrice = records::Currency::fromDouble(412.37);
  s.SoldPrice = records::Currency::fromDouble(99.5);
  s.NoteLine.setLine(0, "   three leading");
  s.NoteLine.setLine(2, "  ");
  s.NoteLine.setLine(13, "last");
  h.sows.open(h.tp.path("SOW.DAT"));
  h.sows.write(1, SowRecord{});
  h.sows.write(2, s);
  h.load(2);
  const SowHistoryRecord& r = SowHistory;
  EXPECT_EQ(r.Id, "S-9");
  EXPECT_EQ(r.Breed, "HAMPSHIRE");
  EXPECT_EQ(r.Location, "PEN 2");
  EXPECT_EQ(r.BoarId, "B3");
  EXPECT_EQ(r.DateOfBirth, "03/15/2021");
  EXPECT_EQ(r.DateEnteredHerd, "__/__/____");
  EXPECT_EQ(r.DateLeftHerd, "__/__/____");
  EXPECT_EQ(r.DateBred, "01/10/2023");
  EXPECT_EQ(r.DateDue, "05/04/2023");
  EXPECT_EQ(r.DaysTo230, 170);
  EXPECT_EQ(r.Backfat, 0.9f);
  EXPECT_EQ(r.Loineye, 5.5f);
  EXPECT_EQ(r.PurchasePrice, s.PurchasePrice);
  EXPECT_EQ(r.SoldPrice, s.SoldPrice);
  EXPECT_EQ(SowNotes[1], "three leading");
  EXPECT_EQ(SowNotes[3], "");
  EXPECT_EQ(SowNotes[14], "last");
  EXPECT_EQ(SowRec.Id, " S-9    ");  // the buffer holds the record read
  expectNoStatistics(r);
}

TEST(SowHistory, NoLittersGivesZeroAndLeavesFarrowDatUnopened) {
  Herd h;
  h.sow(1, {});
  h.load(1);
  EXPECT_EQ(SowHistory.ParityCount, 0);
  expectNoStatistics(SowHistory);
  EXPECT_FALSE(platform::fileExists(h.tp.path("FARROW.DAT")));
}

TEST(SowHistory, BornAliveAndStillborn) {
  Herd h;
  long a = h.litter(10, 9), b = h.litter(12, 12);
  h.sow(1, {a, b});
  h.load(1);
  const SowHistoryRecord& r = SowHistory;
  EXPECT_EQ(r.ParityCount, 2);
  EXPECT_EQ(FarrowLinks[1], a);
  EXPECT_EQ(FarrowLinks[2], b);
  EXPECT_EQ(FarrowLinks[3], 0);
  EXPECT_EQ(r.TotalBorn, 22);
  EXPECT_EQ(r.AvgBorn, 11.0f);
  EXPECT_EQ(r.TotalBornAlive, 21);
  EXPECT_EQ(r.AvgBornAlive, 10.5f);
  EXPECT_EQ(r.TotalStillborn, 1);
  EXPECT_EQ(r.AvgStillborn, 0.5f);
}

TEST(SowHistory, UnweanedLitterCountsInEveryDivisor) {
  Herd h;
  long weaned = h.litter(11, 11, 10, 21, 30.5f, 120.0f, 2, 1);
  long open = h.litter(9, 8, 0, 0, 28.0f, 0.0f);
  h.sow(1, {weaned, open});
  h.load(1);
  const SowHistoryRecord& r = SowHistory;
  EXPECT_EQ(r.TotalWeaned, 10);
  EXPECT_EQ(r.AvgWeaned, 5.0f);
  EXPECT_EQ(r.AvgWeaningAge, 10.5f);
  EXPECT_EQ(r.AvgLitterWeaningWeight, 60.0f);
  EXPECT_EQ(r.AvgLitterBirthWeight, 29.25f);
  EXPECT_EQ(r.TotalFosteredTo, 2);
  EXPECT_EQ(r.AvgFosteredTo, 1.0f);
  EXPECT_EQ(r.TotalFosteredFrom, 1);
  EXPECT_EQ(r.AvgFosteredFrom, 0.5f);
}

TEST(SowHistory, AveragesAreSinglePrecision) {
  Herd h;
  // Weights summed as Singles: 0.1 + 0.2 + 0.4 = 0.70000005 in single
  // precision, and / 3 = 0.23333335; born 22 / 3 = 7.3333335.
  long a = h.litter(7, 7, 0, 0, 0.1f), b = h.litter(7, 6, 0, 0, 0.2f), c = h.litter(8, 8, 0, 0, 0.4f);
  h.sow(1, {a, b, c});
  h.load(1);
  EXPECT_EQ(SowHistory.AvgBorn, 7.3333335f);
  EXPECT_EQ(SowHistory.AvgStillborn, 0.33333334f);
  EXPECT_EQ(SowHistory.AvgLitterBirthWeight, 0.23333335f);
  EXPECT_NE(static_cast<double>(SowHistory.AvgLitterBirthWeight), 0.7 / 3);
}

TEST(SowHistory, ZeroRecordLeavesTheBlockAndEmptiesLinksAndNotes) {
  Herd h;
  long a = h.litter(10, 10);
  h.sow(1, {a});
  SowRecord s;
  h.sows.read(1, s);
  s.NoteLine.setLine(0, "note");
  h.sows.write(1, s);
  h.load(1);
  ASSERT_EQ(SowNotes[1], "note");
  ASSERT_EQ(FarrowLinks[1], a);
  const SowHistoryRecord before = SowHistory;
  for (long rec : {0L, 2L, -4L}) {  // 2 lies past the end of SOW.DAT
    h.load(rec);
    EXPECT_EQ(SowHistory.Id, before.Id);
    EXPECT_EQ(SowHistory.TotalBorn, before.TotalBorn);
    EXPECT_EQ(SowHistory.ParityCount, before.ParityCount);
    EXPECT_EQ(FarrowLinks, FarrowLinkArray{});
    EXPECT_EQ(SowNotes[1], "");
  }
}

TEST(SowHistory, DamagedLinksAreSkippedAndNeverExtendTheFile) {
  Herd h;
  long a = h.litter(10, 9), b = h.litter(14, 12);
  h.sows.open(h.tp.path("SOW.DAT"));
  SowRecord s;
  s.Id = "BAD";
  s.ParityCount = 5;
  s.FarrowRecNo = {static_cast<int16_t>(a), 0, -3, 99, static_cast<int16_t>(b), 0, 0, 0, 0};
  h.sows.write(1, s);
  h.load(1);
  // Two litters read: averages over those two.
  EXPECT_EQ(SowHistory.TotalBorn, 24);
  EXPECT_EQ(SowHistory.AvgBorn, 12.0f);
  EXPECT_EQ(SowHistory.AvgStillborn, 1.5f);
  EXPECT_EQ(platform::fileLength(h.tp.path("FARROW.DAT")), 100);
}

TEST(SowHistory, NoUsableLinkGivesZeroNotNaN) {
  Herd h;
  h.litter(10, 9);
  h.sows.open(h.tp.path("SOW.DAT"));
  SowRecord s;
  s.Id = "BAD";
  s.ParityCount = 2;
  s.FarrowRecNo = {0, 7, 0, 0, 0, 0, 0, 0, 0};
  h.sows.write(1, s);
  h.load(1);
  expectNoStatistics(SowHistory);
  EXPECT_FALSE(std::isnan(SowHistory.AvgLitterBirthWeight));
}

TEST(SowHistory, AtMostNineParitiesAndTotalsBeyondSixteenBits) {
  Herd h;
  FarrowLinkArray links{};
  for (int k = 1; k <= 9; ++k) links[static_cast<size_t>(k)] = static_cast<int16_t>(h.litter(30000, 29000));
  h.litter(1, 1);  // record 10, named by no valid link
  h.sows.close();
  h.litters.close();
  SowHistory.ParityCount = 12;  // damaged count: nine are used
  SowLitterStats(links);
  EXPECT_EQ(SowHistory.TotalBorn, 270000);
  EXPECT_EQ(SowHistory.AvgBorn, 30000.0f);
  EXPECT_EQ(SowHistory.TotalStillborn, 9000);
  EXPECT_EQ(SowHistory.AvgStillborn, 1000.0f);
  EXPECT_EQ(SowHistory.ParityCount, 12);  // only the statistics are written
}

// The files read once by the caller (a run over chosen sows) give her the same
// figures as her own load.
TEST(SowHistory, FilesReadOnceGiveTheSameFiguresAsTheSingleSow) {
  Herd h;
  long a = h.litter(11, 10, 9, 24, 31.3f, 140.7f, 1, 0);
  long b = h.litter(13, 12, 11, 19, 35.9f, 150.1f, 0, 2);
  long c = h.litter(8, 8, 0, 0, 22.2f, 0.0f);
  h.sow(1, {c, a, b});
  h.load(1);
  const SowHistoryRecord single = SowHistory;

  SowHistory = SowHistoryRecord{};
  records::FileImage<SowRecord> sows;
  records::FileImage<FarrowRecord> litters;
  ASSERT_TRUE(ReadImage(sows, nullptr) && ReadImage(litters, nullptr));
  LoadSowHistory(1, sows, litters);
  EXPECT_EQ(SowHistory.TotalBorn, single.TotalBorn);
  EXPECT_EQ(SowHistory.TotalWeaned, 20);
  EXPECT_EQ(SowHistory.AvgWeaned, single.AvgWeaned);
  EXPECT_EQ(SowHistory.AvgWeaned, 20.0f / 3.0f);
  EXPECT_EQ(SowHistory.AvgLitterBirthWeight, single.AvgLitterBirthWeight);
  EXPECT_EQ(SowHistory.AvgLitterWeaningWeight, single.AvgLitterWeaningWeight);
  EXPECT_EQ(SowHistory.AvgWeaningAge, single.AvgWeaningAge);
  EXPECT_EQ(SowHistory.AvgWeaningAge, 43.0f / 3.0f);
  EXPECT_EQ(SowHistory.AvgFosteredFrom, single.AvgFosteredFrom);
}

// A file the history cannot read is a fault it hands back to be reported,
// never an empty file: each procedure answers false naming the file.
TEST(SowHistory, AFileThatCannotBeReadIsAFaultNotAnEmptyFile) {
  const auto load = [](FileFault* fault) {
    CurrentSowRec = 1;
    return LoadSowHistory(fault);
  };
  const auto stats = [](FileFault* fault) { return SowLitterStats(FarrowLinks, fault); };
  const struct {
    const char* file;
    std::function<bool(FileFault*)> run;
  } cases[] = {{"SOW.DAT", load}, {"FARROW.DAT", load}, {"FARROW.DAT", stats}};
  for (const auto& c : cases) {
    TestPlatform tp;
    DataFolder = tp.home();
    writeRecords<SowRecord>(tp.path("SOW.DAT"), {aSow("S1").litters({1})});
    writeRecords<FarrowRecord>(tp.path("FARROW.DAT"), {aLitter().pigs(10, 9)});
    SetSowLinks(aSow("S1").litters({1}));
    ASSERT_TRUE(c.run(nullptr)) << c.file;
    ASSERT_TRUE(platform::deleteFile(tp.path(c.file)));
    ASSERT_TRUE(QDir().mkdir(QString::fromStdString(tp.path(c.file))));  // a folder by the file's name
    SowHistory.TotalBorn = -1;
    FileFault fault;
    EXPECT_FALSE(c.run(&fault)) << c.file;
    EXPECT_EQ(fault.path, tp.path(c.file));
    EXPECT_EQ(SowHistory.TotalBorn, -1) << c.file;  // no statistics from an empty file
    EXPECT_TRUE(tp.dialogs.shown.empty());
  }
}
