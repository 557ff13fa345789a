// A new feed batch driven by real keys: the date typed at once into DATE
// FEED GROUND, which the window focuses, is the date stored.
#include "feed/FeedBatchFixture.h"
#include "feed/HogFeed2.h"
#include "feed/HogFeed4.h"
#include "support/Keys.h"

class FeedKeyboardTest : public FeedBatchTest {};

TEST_F(FeedKeyboardTest, DateGroundTypedAtOnceIsTheDateStored) {
  writeCornAndSoy();
  tp.dialogs.type("2024");
  tp.windows.on("HogFeed4", as<HogFeed4>([this](HogFeed4& w) {
    tp.windows.on("HogFeed2", as<HogFeed2>([](HogFeed2& e) {
      activate(e);
      ASSERT_EQ(e.focusWidget(), e.FeedDate);
      typeKeys("05152024\t123");
      e.FeedPick[0]->SetText("CORN");
      e.FeedAmt[0]->SetText("600");
      pressAlt('a');  // ACCEPT
    }));
    w.FeedMenu->Click(HogFeed4::Input);
    w.FeedMenu->Click(HogFeed4::Exit);
  }));
  OpenFeedBatchList(0);
  const std::vector<FeedBatchRecord> batches = readBatches();
  ASSERT_EQ(batches.size(), 1u);
  EXPECT_EQ(batches[0].DateGround, "05/15/2024");
}

// The arrow keys in an ingredient box go on from the code it shows: an empty
// box (a new batch, or after CLEAR) has no code current, so Down picks the
// first ingredient; a box showing a stored code goes on from that code. A
// pick moves the focus to the row's amount.
TEST_F(FeedKeyboardTest, ArrowKeysInAnIngredientBoxGoOnFromTheCodeShown) {
  writeIngredients({anIngredient("CORN"), anIngredient("SBM"), anIngredient("OATS")});
  writeBatches({aBatch("00001").ground("06/01/2024").group("123").row(0, "SBM", 10)});
  const struct {
    const char* mode;     // "NEW", "CLEAR" (after SBM was picked) or "EDIT" (the stored batch)
    int key;
    const char* shown;    // the box's text after the key
    bool focusOnAmount;   // the pick moved the focus on
  } cases[] = {{"NEW", Qt::Key_Down, "CORN", true},  {"NEW", Qt::Key_Up, "", false},
               {"CLEAR", Qt::Key_Down, "CORN", true}, {"EDIT", Qt::Key_Down, "OATS", true},
               {"EDIT", Qt::Key_Up, "CORN", true}};
  for (const auto& c : cases) {
    const std::string mode = c.mode;
    HogFeed2 e;
    e.NE_Cont->SetCaption(mode == "EDIT" ? "EDIT" : "NEW");
    SelectedFeedRecs = {0, 1};
    SelectedCount = 1;
    e.Show();
    activate(e);
    if (mode == "CLEAR") {
      e.FeedPick[0]->SetListIndex(1);
      e.FeedClr_Click();
    }
    platform::SetFocusOn(e.FeedPick[0]);
    press(c.key);
    EXPECT_EQ(e.FeedPick[0]->Text(), c.shown) << mode << c.key;
    EXPECT_EQ(e.focusWidget() == e.FeedAmt[0], c.focusOnAmount) << mode << c.key;
    e.Unload();
  }
}
