// The sow windows driven by real keys: a date typed at once into the box the
// window or the program focused reaches the file, Alt with a letter types
// nothing, Space in the sow list selects the sow under the cursor, and Esc
// closes the dates-due dialog as its close box does.
#include <filesystem>

#include "common/NotePadForm.h"
#include "platform/Dialogs.h"
#include "sows/DialogHog1.h"
#include "sows/HogSow1.h"
#include "sows/HogSow3.h"
#include "sows/HogSow4.h"
#include "sows/HogSow5.h"
#include "sows/HogSow6.h"
#include "sows/SowWindowFixture.h"
#include "support/Keys.h"

namespace {

class SowKeyboardTest : public SowWindowTest {
 protected:
  SowRecord sow(size_t k) const { return readRecords<SowRecord>(sowPath()).at(k); }
};

}  // namespace

TEST_F(SowKeyboardTest, PrvDateTypedAtOnceIsTheDateStored) {
  writeRecords<SowRecord>(sowPath(), {aSow("A1"), aSow("A2")});
  tp.windows.on("HogSow5", as<HogSow5>([](HogSow5& w) {
    activate(w);
    ASSERT_EQ(w.focusWidget(), w.PrvDat);
    typeKeys("06012025\tA2");
    pressAlt('a');  // ACCEPT
  }));
  OpenSowPrv(2);
  EXPECT_EQ(tp.dialogs.last().text, "All selected SOW(s) have been updated to 06/01/2025");
  EXPECT_EQ(sow(1).PrvDate, "06/01/2025");
  EXPECT_EQ(sow(0).PrvDate, "__/__/____");
}

// Date born typed at once over the preset due date, and into the empty box
// of a sow without one.
TEST_F(SowKeyboardTest, LitterDateBornTypedAtOnceIsTheDateStored) {
  writeRecords<BoarRecord>(tp.path("BOAR.DAT"), {aBoar("B1")});
  for (const char* due : {"05/08/2024", "__/__/____"}) {
    writeRecords<SowRecord>(sowPath(), {aSow("S1").bred("01/15/2024", "B1").due(due)});
    std::filesystem::remove(farrowPath());
    select({1});
    tp.windows.on("HogSow6", as<HogSow6>([](HogSow6& w) {
      activate(w);
      ASSERT_EQ(w.focusWidget(), w.FarroDate(kDateBornRow));
      typeKeys("05102024");
      w.FarroBox(kBornRow)->SetText("12");
      w.FarroBox(kAliveRow)->SetText("11");
      w.FarroBox(kBirthWeightRow)->SetText("35");
      w.FarroNew->Press();
      w.FarroMenu->Click(1);  // Exit
    }));
    OpenLitterWindow();
    const std::vector<FarrowRecord> litters = readRecords<FarrowRecord>(farrowPath());
    ASSERT_EQ(litters.size(), 1u) << due;
    EXPECT_EQ(litters[0].DateBorn, "05/10/2024") << due;
  }
}

// A refused date left herd gets the focus back and is retyped whole; Alt
// letters in BREED change nothing, the card's ACCEPT having no access key.
TEST_F(SowKeyboardTest, CardRetypesARefusedDateAndAltTypesNothing) {
  writeRecords<SowRecord>(sowPath(), {aSow("S1").breed("YORK X LAND").entered("05/01/2023")});
  select({1});
  tp.windows.on("HogSow3", as<HogSow3>([this](HogSow3& w) {
    activate(w);
    w.SowBox(2)->SetFocus();
    press(Qt::Key_End);
    for (char letter : {'z', 'k', 'a'}) pressAlt(letter);
    EXPECT_EQ(w.SowBox(2)->Text(), "YORK X LAND");
    w.SowDate(11)->SetFocus();
    typeKeys("13012025");
    w.SaveChan->setFocus(Qt::MouseFocusReason);  // a click on ACCEPT
    w.SaveChan->Press();
    EXPECT_EQ(tp.dialogs.last().title, "INVALIED  DATE  ENTRY");
    ASSERT_EQ(w.focusWidget(), w.SowDate(11));
    typeKeys("06012025");
    w.SaveChan->Press();
    w.SExit->Press();
  }));
  platform::ShowModalThenUnload<HogSow3>();
  EXPECT_EQ(sow(0).DateLeftHerd, "06/01/2025");
  EXPECT_EQ(RTrim(sow(0).Breed), "YORK X LAND");
}

// Alt letters type nothing in a note line, and Alt+C leaves a line of 69
// characters as it is; a shorter line is centred.
TEST_F(SowKeyboardTest, NotePadAltKeysOnlyDoTheirCommands) {
  const std::string long69(69, 'N');
  writeRecords<SowRecord>(sowPath(), {aSow("S1").note(1, "NOTE").note(2, long69).note(3, "FIRST")});
  CurrentSowRec = 1;
  SowHistory.Id = "S1";
  HogSow4 pad;
  pad.Load();
  activate(pad);
  const struct {
    int line;
    std::vector<char> alt;
    std::string after;
  } cases[] = {{0, {'z', 'q'}, "NOTE"},
               {1, {'c'}, long69},
               {2, {'c'}, std::string(31, ' ') + "FIRST" + std::string(34, ' ')}};
  for (const auto& c : cases) {
    pad.SowNote[c.line]->SetFocus();
    press(Qt::Key_End);
    for (char letter : c.alt) pressAlt(letter);
    EXPECT_EQ(pad.SowNote[c.line]->Text(), c.after) << c.line;
  }
}

// Home, Down, Space: the second sow selected, and the card opened on her;
// End, Up, Space: the one before the last.
TEST_F(SowKeyboardTest, SpaceInTheSowListSelectsTheSowUnderTheCursor) {
  writeRecords<SowRecord>(sowPath(), {aSow("S1"), aSow("S2"), aSow("S3"), aSow("S4")});
  const struct {
    int first, then;
    int row;
  } cases[] = {{Qt::Key_Home, Qt::Key_Down, 1}, {Qt::Key_End, Qt::Key_Up, 2}};
  for (const auto& c : cases) {
    std::string opened;
    tp.windows.on("HogSow3", as<HogSow3>([&opened](HogSow3& card) {
      opened = card.Caption();
      card.SExit->Press();
    }));
    HogSow1 w;
    w.Show();
    activate(w);
    w.SowList->setFocus();
    press(c.first);
    press(c.then);
    press(Qt::Key_Space, Qt::NoModifier, " ");
    EXPECT_EQ(w.SowList->SelCount(), 1);
    EXPECT_TRUE(w.SowList->Selected(c.row));
    w.SowHistoryMenu->Click(HogSow1::ViewEdit);
    EXPECT_EQ(opened, "S O W   I D ( S" + std::to_string(c.row + 1) + " )   H I S T O R Y");
  }
}

// Esc in "SOW  DUE  DATES", which has no cancel button, closes it as its
// close box does: nothing is printed.
TEST_F(SowKeyboardTest, EscapeClosesTheDatesDueDialog) {
  writeRecords<SowRecord>(sowPath(), {aSow("S1").due("03/05/2020")});
  HogSow1 w;
  w.Show();
  bool closed = false;
  tp.windows.on("DialogHog1", as<DialogHog1>([&closed](DialogHog1& d) {
    activate(d);
    typeKeys("03012020");
    press(Qt::Key_Escape);
    closed = !d.IsLoaded();
  }));
  w.SowPrint->Click(HogSow1::DatesDue);
  EXPECT_TRUE(closed);
  EXPECT_TRUE(tp.windows.leftOpen.empty());
  EXPECT_EQ(tp.printer.documents, 0);
}
