// The limit of the sow file: 4799 sows.
#include <gtest/gtest.h>

#include "common/DataFiles.h"
#include "sows/SowFiles.h"
#include "support/RecordBuilders.h"

TEST(SowFiles, FullSowFileRefusesRecord4800) {
  TestPlatform tp;
  DataFolder = tp.home();
  std::vector<SowRecord> herd;
  for (int i = 1; i <= 4799; ++i) herd.push_back(aSow("S" + std::to_string(i)));
  writeRecords(tp.path("SOW.DAT"), herd);
  auto slot = ReadNewAnimalSlot<SowRecord>("NEW");
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
