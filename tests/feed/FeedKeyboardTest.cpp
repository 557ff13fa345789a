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
