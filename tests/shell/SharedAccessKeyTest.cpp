// A letter that two items of a window underline acts on the first of them at
// every press: in the lists whose menu bar has both EDIT and EXIT (or PRV and
// VACC), Alt with the letter opens the same window again after it closed, by
// each of its ways, and the list stays open until EXIT is chosen from the
// keyboard through the menu bar; in the main window Alt+S opens SALES, its
// first item chosen, again after Esc closed it, never SUMMARY.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMenu>

#include "common/HogGlobals.h"
#include "feed/HogFeed4.h"
#include "groups/HogSale1.h"
#include "platform/Controls.h"
#include "platform/FormKit.h"
#include "shell/Tarlowe2.h"
#include "sows/HogSow1.h"
#include "support/Keys.h"
#include "support/RecordBuilders.h"

namespace {

// How the opened window is closed between the two presses.
enum class Close { Click, AltKey, CloseBox };

void close(platform::Form& opened, const char* exitButton, Close way) {
  switch (way) {
    case Close::Click: opened.findChild<platform::CommandButton*>(exitButton)->Press(); break;
    case Close::AltKey: pressAlt('e'); break;  // the exit button's own "&EXIT"
    case Close::CloseBox: opened.close(); break;
  }
}

}  // namespace

TEST(SharedAccessKey, OpensTheFirstItemAgainAfterItsWindowClosedEachWay) {
  const struct {
    std::function<void(TestPlatform&)> write;  // what the list shows
    std::function<void()> open;                // the main menu's item
    const char* list;
    char key;
    const char* opened;
    const char* exitButton;
    std::vector<Close> ways;  // the edit window of the sales list has no access key
  } cases[] = {
      {[](TestPlatform& tp) {
         writeRecords<SalesRecord>(tp.path("SALES.DAT"), {aSale("M", "001-24", 11).sold(20, 260, 0.45f, "07/01/2024")});
         tp.dialogs.type("2024");
       },
       [] { OpenSalesList(1); }, "HogSale1", 'e', "HogSale2", "SaleExit", {Close::Click, Close::CloseBox}},
      {[](TestPlatform& tp) {
         writeRecords<IngredientRecord>(tp.path("FEED.LST"), {anIngredient("CORN")});
         writeRecords<FeedBatchRecord>(tp.path("FEED2024.DAT"), {aBatch("00001").ground("06/01/2024").row(0, "CORN", 10)});
         tp.dialogs.type("2024");
       },
       [] { OpenFeedBatchList(0); }, "HogFeed4", 'e', "HogFeed2", "FeedExit",
       {Close::Click, Close::AltKey, Close::CloseBox}},
      {[](TestPlatform& tp) { writeRecords<SowRecord>(tp.path("SOW.DAT"), {aSow("S1")}); },
       [] { platform::ShowModalThenUnload<HogSow1>(); }, "HogSow1", 'v', "HogSow5", "PvExit",
       {Close::Click, Close::AltKey, Close::CloseBox}},
  };
  for (const auto& c : cases) {
    for (const Close way : c.ways) {
      SCOPED_TRACE(std::string(c.list) + " closed " + std::to_string(static_cast<int>(way)));
      TestPlatform tp;
      DataFolder = tp.home();
      DateText = "06/01/2024";
      c.write(tp);
      int opens = 0;
      bool exited = false;
      tp.windows.on(c.list, [&](platform::Form& list) {
        for (int time = 1; time <= 2; ++time) {
          tp.windows.on(c.opened, [&](platform::Form& opened) {
            ++opens;
            activate(opened);
            close(opened, c.exitButton, way);
          });
          list.findChild<platform::ListBox*>()->SetSelected(0, true);
          activate(list);
          pressAlt(c.key);
          EXPECT_EQ(opens, time);
          ASSERT_TRUE(list.isVisible());
        }
        // EXIT by keyboard: Alt alone reaches the menu bar, Left goes round
        // to its last item.
        activate(list);
        press(Qt::Key_Alt, Qt::AltModifier);
        press(Qt::Key_Left);

        press(Qt::Key_Return, Qt::NoModifier, "\r");
        exited = !list.isVisible();
      });
      c.open();
      EXPECT_TRUE(exited);
    }
  }
}

TEST(SharedAccessKey, OpensTheFirstMenuAgainAfterEscClosedIt) {
  TestPlatform tp;
  Tarlowe2 w;
  for (int item : {4, 6}) {  // SALES and SUMMARY, as after a log-on
    w.MainMenu->SetVisible(item, true);
    w.MainMenu->SetEnabled(item, true);
  }
  activate(w);
  for (int time = 1; time <= 2; ++time) {
    pressAlt('s');
    QWidget* open = QApplication::activePopupWidget();
    ASSERT_NE(open, nullptr);
    EXPECT_EQ(static_cast<QMenu*>(open)->title().toStdString(), "&SALES") << time;
    ASSERT_NE(static_cast<QMenu*>(open)->activeAction(), nullptr);
    EXPECT_EQ(static_cast<QMenu*>(open)->activeAction()->text().toStdString(), "Feeder Pigs");  // Enter runs it
    press(Qt::Key_Escape);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
  }
}
