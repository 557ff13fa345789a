// The slot of a new boar read from BOAR.DAT, and the boar file's limit.
#include <gtest/gtest.h>

#include "boars/BoarFile.h"
#include "common/HogGlobals.h"
#include "platform/FileSystem.h"
#include "records/RecordIo.h"
#include "support/TestPlatform.h"

namespace {

void writeBoars(const std::string& path, std::initializer_list<const char*> ids) {
  records::TypedFile<BoarRecord> f;
  ASSERT_TRUE(f.open(path));
  long n = 0;
  for (const char* id : ids) {
    BoarRecord b;
    b.Id = id;
    ASSERT_TRUE(f.write(++n, b));
  }
}

}  // namespace

TEST(BoarFile, NewBoarTakesFirstFreeRecordAndFindsEveryDuplicate) {
  TestPlatform tp;
  DataFolder = tp.home();
  EXPECT_EQ(NewBoarSlot("B1")->record, 1);  // a missing file holds no boars

  writeBoars(tp.path("BOAR.DAT"), {"B0", "", "B1"});
  auto slot = NewBoarSlot("B1");
  ASSERT_TRUE(slot);
  EXPECT_EQ(slot->record, 2);
  EXPECT_EQ(slot->duplicateOf, 3);
  EXPECT_EQ(slot->storedId, "B1      ");

  writeBoars(tp.path("BOAR.DAT"), {"B0", "B5", "B1"});
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
