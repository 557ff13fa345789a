// The weaning-date dialog driven by real keys: dates typed at once, each
// after the Enter that moved the focus on, fill their boxes; Esc closes the
// dialog as its close box does, no summary opens, and the dialog asked for
// again starts at its first box.
#include <gtest/gtest.h>

#include "common/HogGlobals.h"
#include "reports/DialogHog0.h"
#include "reports/HogRept2.h"
#include "support/Keys.h"
#include "support/RecordBuilders.h"

TEST(WeanDatesKeyboard, DatesTypedAfterEnterFillTheirBoxesAndEscapeCloses) {
  TestPlatform tp;
  DataFolder = tp.home();
  writeRecords<SowRecord>(tp.path("SOW.DAT"), {aSow("S1")});
  writeRecords<FarrowRecord>(tp.path("FARROW.DAT"), {aLitter()});
  std::vector<std::string> typed;
  bool closed = false;
  tp.windows.on("DialogHog0", as<DialogHog0>([&](DialogHog0& d) {
    activate(d);
    typeKeys("03222025\r04152025\r");
    for (platform::MaskedDateBox* box : d.WeanDat) typed.push_back(box->Text());
    EXPECT_EQ(d.focusWidget(), d.WeanDat[2]);
    press(Qt::Key_Escape);
    closed = !d.IsLoaded();
  }));
  OpenFarrowingPerformance();
  EXPECT_EQ(typed, (std::vector<std::string>{"03/22/2025", "04/15/2025", "__/__/____", "__/__/____"}));
  EXPECT_TRUE(closed);
  EXPECT_EQ(tp.windows.shownModal, std::vector<std::string>{"DialogHog0"});
  EXPECT_TRUE(tp.windows.leftOpen.empty());

  // Asked again, the dialog starts afresh at its first box.
  tp.windows.on("DialogHog0", as<DialogHog0>([&](DialogHog0& d) {
    activate(d);
    typeKeys("03222025");
    typed = {d.WeanDat[0]->Text(), d.WeanDat[1]->Text()};
  }));
  OpenFarrowingPerformance();
  EXPECT_EQ(typed, (std::vector<std::string>{"03/22/2025", "__/__/____"}));
}
