// The sow list's page table, its lines and the build from SOW.DAT and
// FARROW.DAT.
#include <gtest/gtest.h>

#include <vector>

#include <QFile>

#include "common/HogGlobals.h"
#include "platform/FileSystem.h"
#include "records/RecordIo.h"
#include "sows/SowListLine.h"
#include "sows/SowPages.h"
#include "sows/SowQuery.h"
#include "support/ListLines.h"
#include "support/RecordBuilders.h"

namespace {

std::vector<SowRecord> herdOf(int n) {
  std::vector<SowRecord> herd;
  for (int i = 1; i <= n; ++i) herd.push_back(aSow("S" + std::to_string(i)));
  return herd;
}

// The page table of `query` over the sows, without litters.
int fill(const SowQuery& query, const std::vector<SowRecord>& herd, SowPageTable& table) {
  return FillSowPageTable(query, records::FileImage<SowRecord>::of(herd), {}, table);
}

// The rows of a page, each with its slot.
std::vector<std::pair<std::string, long>> pageRows(const SowPageTable& table, int page, const std::string& kind,
                                                   const std::vector<SowRecord>& herd) {
  platform::ListItems rows;
  WriteSowPageRows(rows, table, page, kind, records::FileImage<SowRecord>::of(herd));
  return rowPairs(rows);
}

}  // namespace

TEST(SowPageTable, FillPlacesRecordNumbersInOrder) {
  std::vector<SowRecord> herd = herdOf(1700);
  herd[4].Id = "        ";  // a free record takes no line
  SowPageTable table;
  const int n = fill(SowQuery("0", ""), herd, table);
  EXPECT_EQ(n, 1699);
  EXPECT_EQ(table.At(1, 4), 4);
  EXPECT_EQ(table.At(1, 5), 6);
  EXPECT_EQ(table.At(1, 802), 803);
  EXPECT_EQ(table.At(2, 1), 804);
  EXPECT_EQ(table.At(3, 1), 1606);
  EXPECT_EQ(table.At(3, 95), 1700);
  EXPECT_EQ(table.At(3, 96), 0);
  EXPECT_EQ(table.At(0, 1), 0);
  EXPECT_EQ(table.At(7, 1), 0);
  // A new build starts from an empty table.
  herd.resize(3);
  EXPECT_EQ(fill(SowQuery("0", ""), herd, table), 3);
  EXPECT_EQ(table.At(2, 1), 0);
}

TEST(SowPageTable, MoreThan4812MatchesStopAtPageSixSlot802) {
  const std::vector<SowRecord> herd = herdOf(5000);
  SowPageTable table;
  EXPECT_EQ(fill(SowQuery("0", ""), herd, table), 4812);
  EXPECT_EQ(table.At(6, 802), 4812);
  EXPECT_FALSE(table.Add(4813));
  EXPECT_EQ(table.Lines(), 4812);
}

TEST(SowPageRows, EachQueryShowsItsLinesInSlotOrder) {
  std::vector<SowRecord> herd = {aSow("A1"), aSow("A2"), aSow("A3")};
  herd[1].DateLeftHerd = "03/15/2004";
  SowPageTable table;
  fill(SowQuery("1", "A"), herd, table);
  // Any query but "0" and "19" drops a sow that left the herd; her slot stays.
  std::vector<std::pair<std::string, long>> rows = pageRows(table, 1, "1", herd);
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0].second, 1);
  EXPECT_EQ(rows[1].second, 3);
  EXPECT_EQ(rows[1].first, lineOf(herd[2], WriteSowListLine));
  // Under "0" she keeps her seven fields.
  EXPECT_EQ(pageRows(table, 1, "0", herd).size(), 3u);
  // Under "19" the left-the-herd line.
  fill(SowQuery("19", ""), herd, table);
  rows = pageRows(table, 1, "19", herd);
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].first, lineOf(herd[1], [](const uint8_t* sow) { return WriteSowLeftHerdLine(sow); }));
  EXPECT_EQ(rows[0].second, 1);
  // An empty page, and a sow deleted after the selection.
  EXPECT_TRUE(pageRows(table, 2, "19", herd).empty());
  herd[1].Id = "        ";
  EXPECT_TRUE(pageRows(table, 1, "19", herd).empty());
}

TEST(SowListLine, SevenFieldsInFixedColumns) {
  SowRecord s = aSow("A1");
  s.Breed = "YORKSHIRE";
  s.Location = "PEN12345";
  s.DaysTo230 = 165;
  s.Backfat = 0.85f;
  s.Loineye = 6.25f;
  s.ParityCount = 3;
  const std::string line = lineOf(s, WriteSowListLine);
  ASSERT_EQ(line.size(), 80u);
  EXPECT_EQ(line,
            " A1         YORKSHIRE               PEN12345    165    .85     6.25     3       ");
  EXPECT_EQ(line.substr(36, 8), "PEN12345");  // columns 37 to 44
  EXPECT_EQ(line.substr(44, 4), "    ");
  EXPECT_EQ(SowIdOfRow(line), "A1");
}

TEST(SowListLine, LongValuesAreCutAndZerosShown) {
  SowRecord s = aSow("ABCDEFGH");
  s.Breed = "HAMPSHIRE X DUROC X LANDRACE";
  s.Backfat = 1.125f;
  s.Loineye = 0;
  s.ParityCount = 0;
  s.DaysTo230 = -5;
  const std::string line = lineOf(s, WriteSowListLine);
  EXPECT_EQ(line.substr(1, 8), "ABCDEFGH");
  EXPECT_EQ(line.substr(12, 20), "HAMPSHIRE X DUROC X ");
  EXPECT_EQ(line.substr(32, 4), "    ");
  EXPECT_EQ(line.substr(48, 3), "-5 ");
  EXPECT_EQ(line.substr(55, 4), "1.12");
  EXPECT_EQ(line.substr(63, 4), "0   ");
  EXPECT_EQ(line.substr(72, 2), "0 ");
  EXPECT_EQ(SowIdOfRow(line), "ABCDEFGH");
}

TEST(SowListLine, LeftTheHerdLine) {
  SowRecord s = aSow("B7");
  s.DateLeftHerd = "03/15/2004";
  const std::string line = lineOf(s, [](const uint8_t* sow) { return WriteSowLeftHerdLine(sow); });
  ASSERT_EQ(line.size(), 80u);
  EXPECT_EQ(line.substr(0, 12), " B7         ");
  EXPECT_EQ(line.substr(12, 40), "THIS SOW LEFT THE HERD ON (03/15/2004)  ");
  EXPECT_EQ(line.substr(52), std::string(28, ' '));
}

TEST(BuildSowList, ReadsTheQueryFromQueryArgsAndTheFiles) {
  TestPlatform tp;
  DataFolder = tp.home();
  SowPageTable table;
  QueryArgs = {"", "0", "", ""};
  EXPECT_EQ(BuildSowList(table), 0);  // no SOW.DAT yet
  std::vector<SowRecord> herd = herdOf(4);
  herd[2] = aSow("S3").litters({2});
  writeRecords<SowRecord>(tp.path("SOW.DAT"), herd);
  writeRecords<FarrowRecord>(tp.path("FARROW.DAT"),
                             {FarrowRecord{}, aLitter().bornOn("01/01/2001").weaned(0, "01/22/2001")});
  EXPECT_EQ(BuildSowList(table), 4);
  QueryArgs = {"", "20", "=01/22/2001", "By DATE WEANED"};
  EXPECT_EQ(BuildSowList(table), 1);
  EXPECT_EQ(table.At(1, 1), 3);
}

TEST(BuildSowList, UnreadableFileIsReportedAndListsNothing) {
  TestPlatform tp;
  if (!platform::fileExists("/proc/self/mem")) GTEST_SKIP() << "needs a file that fails to read";
  DataFolder = tp.home();
  // Reading this process's memory from address 0 fails, whoever runs the test.
  ASSERT_TRUE(QFile::link("/proc/self/mem", QString::fromStdString(tp.path("SOW.DAT"))));
  QueryArgs = {"", "0", "", ""};
  SowPageTable table;
  table.Add(7);
  FileFault fault;
  EXPECT_EQ(BuildSowList(table, &fault), 0);
  EXPECT_EQ(fault.path, tp.path("SOW.DAT"));
  EXPECT_FALSE(fault.reason.empty());
  EXPECT_EQ(table.At(1, 1), 0);
}

TEST(BuildSowList, FullHerdListsAndQueries) {
  TestPlatform tp;
  DataFolder = tp.home();
  std::vector<SowRecord> herd = herdOf(4799);
  std::vector<FarrowRecord> litters;
  for (size_t i = 0; i < herd.size(); ++i) {
    herd[i].ParityCount = 9;
    for (int p = 0; p < 9; ++p) {
      litters.push_back(aLitter()
                            .bornOn("01/01/2001")
                            .pigs(static_cast<int16_t>(8 + p), 8)
                            .weaned(0, "02/0" + std::to_string(1 + p) + "/2001"));
      herd[i].FarrowRecNo[static_cast<size_t>(p)] = static_cast<int16_t>(litters.size() > 32767 ? 0 : litters.size());
    }
  }
  writeRecords<SowRecord>(tp.path("SOW.DAT"), herd);
  writeRecords(tp.path("FARROW.DAT"), litters);
  SowPageTable table;
  for (const auto& q : std::vector<std::pair<std::string, std::string>>{
           {"0", ""}, {"11", ">9"}, {"12", "<5"}, {"20", "=02/09/2001"}, {"2", "YORK"}}) {
    QueryArgs = {"", q.first, q.second, ""};
    const int n = BuildSowList(table);
    if (q.first == "0") EXPECT_EQ(n, 4799);
    if (q.first == "2") EXPECT_EQ(n, 0);
    if (q.first == "20") EXPECT_GT(n, 3000);  // every sow whose ninth litter is stored
  }
}
