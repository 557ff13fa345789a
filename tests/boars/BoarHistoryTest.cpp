// The boar history block: herd and sire litter counts, the conception rate
// and the litter figures of a boar, in single precision.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include <QDir>

#include "boars/BoarHistory.h"
#include "common/HogGlobals.h"
#include "platform/FileSystem.h"
#include "records/RecordIo.h"
#include "sows/SowHistory.h"
#include "support/RecordBuilders.h"
#include "support/TestPlatform.h"

namespace {

struct Files {
  TestPlatform tp;
  Files() { DataFolder = tp.home(); }
  void sows(const std::vector<SowRecord>& v) { writeRecords(tp.path("SOW.DAT"), v); }
  void litters(const std::vector<FarrowRecord>& v) { writeRecords(tp.path("FARROW.DAT"), v); }
  void boars(const std::vector<BoarRecord>& v) { writeRecords(tp.path("BOAR.DAT"), v); }
  void load(long rec) {
    CurrentBoarRec = rec;
    ASSERT_TRUE(LoadBoarHistory(CountHerdLitters().value()));
  }
};

// The herd of the worked example: the sows in the herd hold 40 litters; B1
// sired 6 litters of sows in the herd and 2 of sows since gone, 80 born and
// 72 born alive in those 8.
void workedExample(Files& f) {
  f.sows({aSow("S1").parities(9), aSow("S2").parities(9), aSow(""), aSow("S3").parities(9),
          aSow("S4").parities(9), aSow("S5").parities(4), aSow("GONE").parities(7).left("08/01/2023"), aSow("S6")});
  std::vector<FarrowRecord> l;
  for (int i = 0; i < 6; ++i) l.push_back(aLitter().sire("B1").pigs(10, 9).weights(30.0f, 100.0f));
  l.push_back(aLitter().sire("B2").pigs(12, 12));
  l.push_back(aLitter().sire("B1").status(FarrowRecord::LeftHerd).pigs(9, 8).weights(27.0f, 90.0f));
  l.push_back(aLitter().sire("B1").status(FarrowRecord::LeftHerd).pigs(11, 10).weights(33.0f, 0.0f));
  l.push_back(aLitter().sire("b1").pigs(20, 1));  // another ID: case matters
  l.push_back(FarrowRecord{});  // a freed litter
  f.litters(l);
  BoarRecord b1 = aBoar("B1");
  b1.Breed = "DUROC";
  b1.SowsBred = 3;
  b1.NoteLine.setLine(3, "X");
  b1.NoteLine.setLine(2, "   ");
  f.boars({aBoar("B0"), b1});
}

}  // namespace

TEST(BoarHistory, WorkedExample) {
  Files f;
  workedExample(f);
  EXPECT_EQ(CountHerdLitters(), 40);
  const auto farrow = records::FileImage<FarrowRecord>::of(readRecords<FarrowRecord>(f.tp.path("FARROW.DAT")));
  EXPECT_EQ(SireFiguresOf(farrow, "B1").herdLitters, 6);
  EXPECT_EQ(SireFiguresOf(farrow, "b1").herdLitters, 1);
  f.load(2);
  const BoarHistoryRecord& h = BoarHistory;
  EXPECT_EQ(h.Id, "B1");
  EXPECT_EQ(h.Breed, "DUROC");
  EXPECT_EQ(h.SowsBred, 3);
  EXPECT_EQ(h.SowsFarrowed, 6);
  EXPECT_EQ(h.ConceptionRate, 15.0f);
  EXPECT_EQ(h.TotalBorn, 80);
  EXPECT_EQ(h.TotalStillborn, 8);
  EXPECT_EQ(h.AvgBorn, 10.0f);
  EXPECT_EQ(h.AvgStillborn, 1.0f);
  EXPECT_EQ(h.AvgLitterBirthWeight, 30.0f);
  EXPECT_EQ(h.AvgLitterWeaningWeight, 86.25f);  // 690 over 8, the unweaned litter included
  EXPECT_EQ(h.AvgAdjusted21DayWeight, 0.0f);
  EXPECT_EQ(BoarNotes[3], "");
  EXPECT_EQ(BoarNotes[4], "X");
  EXPECT_EQ(BoarRec.Id, "B1      ");
}

TEST(BoarHistory, ConceptionRateInDoubleHeldAsSingle) {
  EXPECT_EQ(ConceptionRate(6, 40), 15.0f);
  EXPECT_EQ(ConceptionRate(1, 3), 33.333332f);  // 1 / 3 * 100 in double, then Single
  EXPECT_EQ(ConceptionRate(2, 7), static_cast<float>(2.0 / 7.0 * 100.0));
  EXPECT_EQ(ConceptionRate(5, 0), 0.0f);
  EXPECT_EQ(ConceptionRate(0, 0), 0.0f);
  EXPECT_EQ(ConceptionRate(50000, 40000), 125.0f);
}

TEST(BoarHistory, BoarWithoutLittersHasZeroFigures) {
  Files f;
  workedExample(f);
  f.load(1);
  const BoarHistoryRecord& h = BoarHistory;
  EXPECT_EQ(h.Id, "B0");
  EXPECT_EQ(h.SowsFarrowed, 0);
  EXPECT_EQ(h.ConceptionRate, 0.0f);
  EXPECT_EQ(h.TotalBorn, 0);
  EXPECT_EQ(h.TotalStillborn, 0);
  EXPECT_EQ(h.AvgBorn, 0.0f);
  EXPECT_EQ(h.AvgStillborn, 0.0f);
  EXPECT_EQ(h.AvgLitterBirthWeight, 0.0f);
  EXPECT_EQ(h.AvgLitterWeaningWeight, 0.0f);
  EXPECT_FALSE(std::isnan(h.AvgBorn));
}

TEST(BoarHistory, EmptyHerdGivesRateZero) {
  Files f;
  f.sows({aSow("S1").parities(3).left("01/01/2023"), aSow("")});
  f.litters({aLitter().sire("B1").pigs(10, 10)});
  f.boars({aBoar("B1")});
  EXPECT_EQ(CountHerdLitters(), 0);
  f.load(1);
  EXPECT_EQ(BoarHistory.SowsFarrowed, 1);
  EXPECT_EQ(BoarHistory.ConceptionRate, 0.0f);
  EXPECT_EQ(BoarHistory.TotalBorn, 10);
}

TEST(BoarHistory, LittersOfSowsThatLeftCountInTheAveragesOnly) {
  Files f;
  f.sows({aSow("S1").parities(4)});
  f.litters({aLitter().sire("B7").status(FarrowRecord::LeftHerd).pigs(10, 9).weights(28.5f, 101.0f),
             aLitter().sire("B7").status(FarrowRecord::LeftHerd).pigs(13, 10).weights(31.0f, 115.5f)});
  f.boars({aBoar("B7")});
  f.load(1);
  const BoarHistoryRecord& h = BoarHistory;
  EXPECT_EQ(h.SowsFarrowed, 0);
  EXPECT_EQ(h.ConceptionRate, 0.0f);
  EXPECT_EQ(h.TotalBorn, 23);
  EXPECT_EQ(h.TotalStillborn, 4);
  EXPECT_EQ(h.AvgBorn, 11.5f);
  EXPECT_EQ(h.AvgStillborn, 2.0f);
  EXPECT_EQ(h.AvgLitterBirthWeight, 29.75f);
  EXPECT_EQ(h.AvgLitterWeaningWeight, 108.25f);
}

TEST(BoarHistory, SingleSumsOfWeights) {
  Files f;
  std::vector<FarrowRecord> l(10, aLitter().sire("B1").pigs(3, 3).weights(0.1f, 0.3f));
  l.push_back(aLitter().sire("B1").pigs(3, 2));
  f.litters(l);
  f.boars({aBoar("B1")});
  f.sows({aSow("S1").parities(9), aSow("S2").parities(9)});
  f.load(1);
  // 0.1 added ten times in single precision is 1.0000001; / 11 = 0.09090910.
  EXPECT_EQ(BoarHistory.AvgLitterBirthWeight, 0.0909091f);
  EXPECT_EQ(BoarHistory.AvgBorn, 3.0f);
  EXPECT_EQ(BoarHistory.AvgStillborn, 1.0f / 11.0f);
  EXPECT_EQ(BoarHistory.ConceptionRate, static_cast<float>(11.0 / 18.0 * 100.0));
}

TEST(BoarHistory, ZeroRecordKeepsTheBlockAndEmptiesTheNotes) {
  Files f;
  workedExample(f);
  f.load(2);
  ASSERT_EQ(BoarNotes[4], "X");
  for (long rec : {0L, 3L}) {  // 3 lies past the end of BOAR.DAT
    f.load(rec);
    EXPECT_EQ(BoarHistory.Id, "B1");
    EXPECT_EQ(BoarHistory.TotalBorn, 80);
    EXPECT_EQ(BoarNotes[4], "");
  }
}

TEST(BoarHistory, BoarLitterStatsUsesTheIdInTheBlock) {
  Files f;
  workedExample(f);
  BoarHistory.Id = "B2";
  BoarHistory.SowsFarrowed = 77;
  BoarLitterStats();
  EXPECT_EQ(BoarHistory.TotalBorn, 12);
  EXPECT_EQ(BoarHistory.TotalStillborn, 0);
  EXPECT_EQ(BoarHistory.AvgBorn, 12.0f);
  EXPECT_EQ(BoarHistory.SowsFarrowed, 77);  // not touched
}

TEST(BoarHistory, HerdLitterCountIsNotLimitedToSixteenBits) {
  Files f;
  std::vector<SowRecord> herd;
  for (int i = 1; i <= 4799; ++i) herd.push_back(aSow("S" + std::to_string(i)).parities(9));
  herd[0].ParityCount = 20;  // damaged: counts as nine
  herd[1].ParityCount = -5;  // damaged: counts as none
  f.sows(herd);
  EXPECT_EQ(CountHerdLitters(), 4798 * 9);
}

// A damaged FARROW.DAT with more than 65,536 litters of one sire: his pigs
// are summed without overflow, and a total beyond 32 bits holds the largest
// value it can, over one sire's file and over the table of all sires alike.
TEST(BoarHistory, SumsOfADamagedFileNeverOverflow) {
  Files f;
  const std::vector<FarrowRecord> litters(70000, aLitter().sire("B1").pigs(32767, -32768));
  f.litters(litters);
  const auto farrow = records::FileImage<FarrowRecord>::of(litters);
  for (const SireFigures& sire : {SireFiguresOf(farrow, "B1"), SireTable(farrow).of("B1")}) {
    EXPECT_EQ(sire.litters, 70000);
    EXPECT_EQ(sire.born, 70000LL * 32767);
    EXPECT_EQ(sire.alive, -70000LL * 32768);
  }
  BoarHistory.Id = "B1";
  BoarLitterStats();
  EXPECT_EQ(BoarHistory.TotalBorn, INT32_MAX);
  EXPECT_EQ(BoarHistory.TotalStillborn, INT32_MAX);
  EXPECT_EQ(BoarHistory.AvgBorn, 32767.0f);
  EXPECT_EQ(BoarHistory.AvgStillborn, 65535.0f);
}

// A full herd: 4799 sows with nine litters each and 120 boars. The sow
// statistics of every sow and the history of every boar come from one read of
// each file, and the boars' figures equal those of the one-boar path.
TEST(BoarHistory, FullHerdRunsAgreeWithTheOneAnimalPaths) {
  Files f;
  std::vector<SowRecord> herd;
  std::vector<FarrowRecord> litters;
  std::vector<BoarRecord> boars;
  for (int b = 0; b < 120; ++b) boars.push_back(aBoar("B" + std::to_string(b)));
  for (int i = 0; i < 4799; ++i) {
    SowRecord s = aSow("S" + std::to_string(i)).parities(9);
    for (int k = 0; k < 9; ++k) {
      litters.push_back(aLitter()
                            .sire("B" + std::to_string((i * 9 + k) % 120))
                            .status(i % 10 == 0 ? FarrowRecord::LeftHerd : FarrowRecord::InHerd)
                            .pigs(11, 10)
                            .weights(30.0f, 110.0f));
      s.FarrowRecNo[static_cast<size_t>(k)] = static_cast<int16_t>(litters.size() <= 32767 ? litters.size() : 0);
    }
    herd.push_back(s);
  }
  f.sows(herd);
  f.litters(litters);
  f.boars(boars);

  int64_t born = 0;
  records::FileImage<SowRecord> sowFile;
  records::FileImage<FarrowRecord> litterFile;
  ASSERT_TRUE(ReadImage(sowFile, nullptr) && ReadImage(litterFile, nullptr));
  for (long r = 1; r <= sowFile.count(); ++r) born += SumSowLitters(sowFile.bytes(r), litterFile).born;
  const int32_t herdLitters = CountHerdLitters().value();
  std::vector<BoarHistoryRecord> each;
  int32_t sired = 0;
  ASSERT_TRUE(ForEachBoarHistory([&](long) {
    each.push_back(BoarHistory);
    sired += BoarHistory.SowsFarrowed;
  }));

  // Links above 32767 cannot be held; those sows keep only their first links.
  EXPECT_EQ(born, 32767LL * 11);
  EXPECT_EQ(herdLitters, 4799 * 9);
  EXPECT_EQ(sired, 4799 * 9 - 480 * 9);
  ASSERT_EQ(each.size(), 120u);
  for (long r : {1L, 2L, 120L}) {
    f.load(r);
    const BoarHistoryRecord& one = each[static_cast<size_t>(r - 1)];
    EXPECT_EQ(BoarHistory.SowsFarrowed, one.SowsFarrowed) << r;
    EXPECT_EQ(BoarHistory.ConceptionRate, one.ConceptionRate) << r;
    EXPECT_EQ(BoarHistory.TotalBorn, one.TotalBorn) << r;
    EXPECT_EQ(BoarHistory.AvgLitterWeaningWeight, one.AvgLitterWeaningWeight) << r;
  }
}

// The one pass names each sire by his ID as typed, without trailing blanks,
// exactly as the one-boar path compares it.
TEST(BoarHistory, SireTableNamesEachSireAsTheOneBoarPathDoes) {
  Files f;
  workedExample(f);
  records::FileImage<FarrowRecord> litters;
  ASSERT_TRUE(litters.read(f.tp.path("FARROW.DAT")));
  const SireTable sires(litters);
  for (const std::string id : {"B1", "b1", "B2", "", "B1 ", " B1", "B1      ", "B1XXXXXXX", "NONE"}) {
    const SireFigures one = SireFiguresOf(litters, id), all = sires.of(id);
    EXPECT_EQ(all.litters, one.litters) << '"' << id << '"';
    EXPECT_EQ(all.herdLitters, one.herdLitters) << '"' << id << '"';
    EXPECT_EQ(all.born, one.born) << '"' << id << '"';
  }
  EXPECT_EQ(sires.of("B1").litters, 8);
  EXPECT_EQ(sires.of("").litters, 1);  // the freed litter names no sire
}

// A file the statistics cannot read is a fault they hand back to be reported,
// never an empty file: each answers false (or nothing) naming the file.
TEST(BoarHistory, AFileThatCannotBeReadIsAFaultNotAnEmptyFile) {
  const auto each = [](FileFault* fault) { return ForEachBoarHistory([](long) {}, fault); };
  const auto load = [](FileFault* fault) {
    CurrentBoarRec = 2;
    return LoadBoarHistory(40, fault);
  };
  const struct {
    const char* file;
    std::function<bool(FileFault*)> run;
  } cases[] = {
      {"SOW.DAT", [](FileFault* fault) { return CountHerdLitters(fault).has_value(); }},
      {"FARROW.DAT", [](FileFault* fault) { return BoarLitterStats(fault); }},
      {"BOAR.DAT", load}, {"FARROW.DAT", load},
      {"SOW.DAT", each},  {"FARROW.DAT", each}, {"BOAR.DAT", each},
  };
  for (const auto& c : cases) {
    Files f;
    workedExample(f);
    BoarHistory.Id = "B1";
    ASSERT_TRUE(c.run(nullptr)) << c.file;
    ASSERT_TRUE(platform::deleteFile(f.tp.path(c.file)));
    ASSERT_TRUE(QDir().mkdir(QString::fromStdString(f.tp.path(c.file))));  // a folder by the file's name
    BoarHistory.TotalBorn = -1;
    FileFault fault;
    EXPECT_FALSE(c.run(&fault)) << c.file;
    EXPECT_EQ(fault.path, f.tp.path(c.file));
    EXPECT_EQ(BoarHistory.TotalBorn, -1) << c.file;  // nothing filled from an empty file
    EXPECT_TRUE(f.tp.dialogs.shown.empty());
  }
}
