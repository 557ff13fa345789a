// The slot of a new sow or litter read from the files, and the limits of the
// sow file (4799 sows) and the litter file (32767 litters).
#include <gtest/gtest.h>

#include "common/HogGlobals.h"
#include "platform/FileSystem.h"
#include "records/RecordIo.h"
#include "sows/SowFiles.h"
#include "support/TestPlatform.h"

namespace {

template <class R>
void writeRecords(const std::string& path, const std::vector<R>& recs) {
  records::Bytes all;
  for (const R& r : recs) {
    records::Bytes b = records::encode(r);
    all.insert(all.end(), b.begin(), b.end());
  }
  ASSERT_TRUE(platform::writeWholeFile(path, all));
}

SowRecord sow(const std::string& id) {
  SowRecord s;
  s.Id = id;
  return s;
}

}  // namespace

TEST(SowFiles, NewSowSlotReadsSowDat) {
  TestPlatform tp;
  DataFolder = tp.home();
  auto empty = NewSowSlot("A1");
  ASSERT_TRUE(empty);
  EXPECT_EQ(empty->record, 1);

  writeRecords(tp.path("SOW.DAT"), std::vector<SowRecord>{sow("S1"), sow(""), sow("A1")});
  auto slot = NewSowSlot("A1");
  ASSERT_TRUE(slot);
  EXPECT_EQ(slot->record, 2);
  EXPECT_EQ(slot->duplicateOf, 3);
  EXPECT_EQ(NewSowSlot("NEW")->duplicateOf, 0);
}

TEST(SowFiles, FullSowFileRefusesRecord4800) {
  TestPlatform tp;
  DataFolder = tp.home();
  std::vector<SowRecord> herd;
  for (int i = 1; i <= 4799; ++i) herd.push_back(sow("S" + std::to_string(i)));
  writeRecords(tp.path("SOW.DAT"), herd);
  auto slot = NewSowSlot("NEW");
  ASSERT_TRUE(slot);
  EXPECT_EQ(slot->record, 4800);
  EXPECT_FALSE(SowFileHasRoom(slot->record));
  EXPECT_TRUE(SowFileHasRoom(4799));

  ReportSowFileFull();
  ASSERT_EQ(tp.dialogs.shown.size(), 1u);
  EXPECT_EQ(tp.dialogs.last().text, "ERROR:   NO ROOM LEFT IN SOW FILE!!\r\rTry Deleting some older SOW ID(s).");
  EXPECT_EQ(tp.dialogs.last().title, "SOW ENTRY ERRORS");
  EXPECT_EQ(tp.dialogs.last().icon, platform::vbExclamation);
  EXPECT_TRUE(tp.dialogs.last().beepBefore);
}

TEST(SowFiles, NewLitterTakesFirstFreeRecord) {
  TestPlatform tp;
  DataFolder = tp.home();
  EXPECT_EQ(NewLitterRecord(), 1);
  std::vector<FarrowRecord> recs(4);
  for (auto& f : recs) f.Status = FarrowRecord::InHerd;
  recs[2].Status = FarrowRecord::Free;
  writeRecords(tp.path("FARROW.DAT"), recs);
  EXPECT_EQ(NewLitterRecord(), 3);
  recs[2].Status = FarrowRecord::LeftHerd;
  writeRecords(tp.path("FARROW.DAT"), recs);
  EXPECT_EQ(NewLitterRecord(), 5);
  EXPECT_TRUE(tp.dialogs.shown.empty());
}

TEST(SowFiles, LitterPastRecord32767IsRefused) {
  TestPlatform tp;
  DataFolder = tp.home();
  FarrowRecord used;
  used.Status = FarrowRecord::InHerd;
  std::vector<FarrowRecord> recs(32767, used);
  recs[32766].Status = FarrowRecord::Free;
  writeRecords(tp.path("FARROW.DAT"), recs);
  EXPECT_EQ(NewLitterRecord(), 32767);
  EXPECT_TRUE(tp.dialogs.shown.empty());

  recs[32766].Status = FarrowRecord::InHerd;
  writeRecords(tp.path("FARROW.DAT"), recs);
  EXPECT_EQ(NewLitterRecord(), 0);
  ASSERT_EQ(tp.dialogs.shown.size(), 1u);
  EXPECT_EQ(tp.dialogs.last().text,
            "ERROR:   NO ROOM LEFT IN FARROW FILE!!\r\rTry Deleting some older SOW ID(s).");
  EXPECT_EQ(tp.dialogs.last().title, "SOW  FARROW  ERROR");
  EXPECT_TRUE(tp.dialogs.last().beepBefore);
  EXPECT_EQ(platform::fileLength(tp.path("FARROW.DAT")), 32767LL * 50);
}
