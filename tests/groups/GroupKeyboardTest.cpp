// Pigs IN driven by real keys: the date typed at once into DATE IN, which the
// window opens on, is the date stored; the list's typed keys move to no other
// group.
#include <gtest/gtest.h>

#include "common/HogGlobals.h"
#include "groups/HogPig1.h"
#include "groups/HogPig2.h"
#include "support/Keys.h"
#include "support/RecordBuilders.h"

TEST(GroupKeyboard, DateInTypedAtOnceIsTheDateStored) {
  TestPlatform tp;
  DataFolder = tp.home();
  DateText = "06/01/2024";
  tp.dialogs.type("2024");
  tp.windows.on("HogPig1", as<HogPig1>([&tp](HogPig1& w) {
    tp.dialogs.type("001");
    tp.windows.on("HogPig2", as<HogPig2>([](HogPig2& e) {
      activate(e);
      ASSERT_EQ(e.focusWidget(), e.DateIn);
      typeKeys("05152024\t100\t12");
      pressAlt('a');  // ACCEPT
    }));
    w.PigMain->Click(HogPig1::PigsIn);
    ASSERT_EQ(w.PigList->ListCount(), 1);
    activate(w);
    w.PigList->setFocus();
    press(Qt::Key_Home);
    typeKeys(" 0");
    EXPECT_EQ(w.PigList->ListIndex(), 0);
    w.PigMain->Click(HogPig1::Exit);
  }));
  OpenGroupList(0);
  const std::vector<GroupRecord> groups = readRecords<GroupRecord>(tp.path("GROUP.DAT"));
  ASSERT_EQ(groups.size(), 1u);
  EXPECT_EQ(groups[0].DateIn, "05/15/2024");
  EXPECT_EQ(groups[0].PigsIn, 100);
}
