// The slot of a new boar read from BOAR.DAT, and the boar file's limit.
#include <gtest/gtest.h>

#include "boars/BoarFile.h"
#include "common/HogGlobals.h"
#include "support/RecordBuilders.h"
#include "support/TestPlatform.h"

TEST(BoarFile, NewBoarTakesFirstFreeRecordAndFindsEveryDuplicate) {
  TestPlatform tp;
  DataFolder = tp.home();
  EXPECT_EQ(NewBoarSlot("B1")->record, 1);  // a missing file holds no boars

  writeRecords<BoarRecord>(tp.path("BOAR.DAT"), {aBoar("B0"), aBoar(""), aBoar("B1")});
  auto slot = NewBoarSlot("B1");
  ASSERT_TRUE(slot);
  EXPECT_EQ(slot->record, 2);
  EXPECT_EQ(slot->duplicateOf, 3);
  EXPECT_EQ(slot->storedId, "B1      ");

  writeRecords<BoarRecord>(tp.path("BOAR.DAT"), {aBoar("B0"), aBoar("B5"), aBoar("B1")});
  EXPECT_EQ(NewBoarSlot("B2")->record, 4);
  EXPECT_EQ(NewBoarSlot("B2")->duplicateOf, 0);
}

TEST(BoarFile, RecordPast32767IsRefusedWithABox) {
  TestPlatform tp;
  EXPECT_TRUE(BoarFileHasRoom(32767));
  EXPECT_FALSE(BoarFileHasRoom(32768));
  ReportBoarFileFull();
  ASSERT_EQ(tp.dialogs.shown.size(), 1u);
  EXPECT_EQ(tp.dialogs.last().text,
            "ERROR:   NO ROOM LEFT IN BOAR FILE!!\r\rTry Deleting some older BOAR ID(s).");
  EXPECT_EQ(tp.dialogs.last().title, "BOAR ENTRY ERRORS");
  EXPECT_EQ(tp.dialogs.last().icon, platform::vbExclamation);
  EXPECT_TRUE(tp.dialogs.last().beepBefore);
}
