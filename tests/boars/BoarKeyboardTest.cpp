// The boar windows driven by real keys: the PRV date typed at once into the
// box the window opens on reaches BOAR.DAT, and the note pad's Alt keys do
// their commands and type nothing.
#include <gtest/gtest.h>

#include "boars/BoarHistory.h"
#include "boars/HogBoar4.h"
#include "boars/HogBoar5.h"
#include "common/HogGlobals.h"
#include "platform/FormKit.h"
#include "support/Keys.h"
#include "support/RecordBuilders.h"

TEST(BoarKeyboard, PrvDateTypedAtOnceIsTheDateStored) {
  TestPlatform tp;
  DataFolder = tp.home();
  DateText = "06/01/2024";
  writeRecords<BoarRecord>(tp.path("BOAR.DAT"), {aBoar("B1"), aBoar("B2")});
  tp.windows.on("HogBoar5", as<HogBoar5>([](HogBoar5& w) {
    activate(w);
    ASSERT_EQ(w.focusWidget(), w.PrvDat);
    typeKeys("06012025\tB2");
    w.PrvAccept->Press();
  }));
  platform::ShowModalThenUnload<HogBoar5>();
  const std::vector<BoarRecord> boars = readRecords<BoarRecord>(tp.path("BOAR.DAT"));
  EXPECT_EQ(boars[1].PrvDate, "06/01/2025");
  EXPECT_EQ(boars[0].PrvDate, "__/__/____");
}

TEST(BoarKeyboard, NotePadAltCLeavesALineOf69CharactersAndAltLettersTypeNothing) {
  TestPlatform tp;
  DataFolder = tp.home();
  const std::string long69(69, 'N');
  writeRecords<BoarRecord>(tp.path("BOAR.DAT"), {aBoar("B1").note(1, long69).note(2, "NOTE")});
  CurrentBoarRec = 1;
  BoarHistory.Id = "B1";
  HogBoar4 pad;
  pad.Load();
  activate(pad);
  pad.BoarNote[0]->SetFocus();
  press(Qt::Key_End);
  pressAlt('c');
  EXPECT_EQ(pad.BoarNote[0]->Text(), long69);
  pad.BoarNote[1]->SetFocus();
  press(Qt::Key_End);
  pressAlt('z', Qt::ControlModifier);
  pressAlt('q');
  EXPECT_EQ(pad.BoarNote[1]->Text(), "NOTE");
}
