// A letter that two items of a window underline acts on the first of them at
// every press: in the lists whose menu bar has both EDIT and EXIT (or PRV and
// VACC), Alt with the letter opens the same window again after it closed, by
// each of its ways, and the list stays open until EXIT is chosen from the
// keyboard through the menu bar; in the main window Alt+S opens SALES, its
// first item chosen, again after Esc closed it, never SUMMARY. After Alt
// alone, the letter lights each menu bar item that carries it in turn, in
// every window where items share one, and Enter runs the lit one.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMenu>
#include <QMenuBar>

#include "common/HogGlobals.h"
#include "feed/HogFeed4.h"
#include "groups/HogSale1.h"
#include "medication/Drug_3.h"
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

// A list whose menu bar has two items with one letter, and how the first
// one is tried.
struct ListCase {
  std::function<void(TestPlatform&)> write;  // what the list shows
  std::function<void()> open;                // the main menu's item
  const char* list;
  char key;
  std::vector<std::string> lit;  // the menu bar's items that carry the key
  const char* opened;            // the first one's window
  const char* exitButton;
  std::vector<Close> ways;  // the edit window of the sales list has no access key
};

std::vector<ListCase> listCases() {
  return {
      {[](TestPlatform& tp) {
         writeRecords<SalesRecord>(tp.path("SALES.DAT"), {aSale("M", "001-24", 11).sold(20, 260, 0.45f, "07/01/2024")});
         tp.dialogs.type("2024");
       },
       [] { OpenSalesList(1); }, "HogSale1", 'e', {"&EDIT", "&EXIT"}, "HogSale2", "SaleExit",
       {Close::Click, Close::CloseBox}},
      {[](TestPlatform& tp) {
         writeRecords<IngredientRecord>(tp.path("FEED.LST"), {anIngredient("CORN")});
         writeRecords<FeedBatchRecord>(tp.path("FEED2024.DAT"), {aBatch("00001").ground("06/01/2024").row(0, "CORN", 10)});
         tp.dialogs.type("2024");
       },
       [] { OpenFeedBatchList(0); }, "HogFeed4", 'e', {"&Edit", "&Exit"}, "HogFeed2", "FeedExit",
       {Close::Click, Close::AltKey, Close::CloseBox}},
      {[](TestPlatform& tp) { writeRecords<SowRecord>(tp.path("SOW.DAT"), {aSow("S1")}); },
       [] { platform::ShowModalThenUnload<HogSow1>(); }, "HogSow1", 'v', {"PR&V", "&VACC"}, "HogSow5", "PvExit",
       {Close::Click, Close::AltKey, Close::CloseBox}},
  };
}

// The text of the menu bar item the keyboard lit in `window`, or "".
std::string litItem(QWidget& window) {
  const QAction* lit = window.findChild<QMenuBar*>()->activeAction();
  return lit ? lit->text().toStdString() : "";
}

// Presses Alt alone, then `key` as often as `times`, noting the item lit
// after each press.
std::vector<std::string> litAfterAltThen(QWidget& window, char key, size_t times) {
  press(Qt::Key_Alt, Qt::AltModifier);
  std::vector<std::string> lit;
  for (size_t time = 0; time < times; ++time) {
    typeKeys(std::string(1, key));
    lit.push_back(litItem(window));
  }
  return lit;
}

// Opens the list of `c`, runs `tryIt` in it, then chooses EXIT from the
// keyboard: Alt alone reaches the menu bar, Left goes round to its last item.
void inList(const ListCase& c, const std::function<void(TestPlatform&, platform::Form&)>& tryIt) {
  TestPlatform tp;
  DataFolder = tp.home();
  DateText = "06/01/2024";
  c.write(tp);
  bool exited = false;
  tp.windows.on(c.list, [&](platform::Form& list) {
    tryIt(tp, list);
    activate(list);
    press(Qt::Key_Alt, Qt::AltModifier);
    press(Qt::Key_Left);
    press(Qt::Key_Return, Qt::NoModifier, "\r");
    exited = !list.isVisible();
  });
  c.open();
  EXPECT_TRUE(exited);
}

// SALES and SUMMARY shown, as after a log-on.
void showSalesAndSummary(Tarlowe2& w) {
  for (int item : {4, 6}) {
    w.MainMenu->SetVisible(item, true);
    w.MainMenu->SetEnabled(item, true);
  }
}

}  // namespace

TEST(SharedAccessKey, OpensTheFirstItemAgainAfterItsWindowClosedEachWay) {
  for (const ListCase& c : listCases()) {
    for (const Close way : c.ways) {
      SCOPED_TRACE(std::string(c.list) + " closed " + std::to_string(static_cast<int>(way)));
      inList(c, [&](TestPlatform& tp, platform::Form& list) {
        int opens = 0;
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
      });
    }
  }
}

TEST(SharedAccessKey, OpensTheFirstMenuAgainAfterEscClosedIt) {
  TestPlatform tp;
  Tarlowe2 w;
  showSalesAndSummary(w);
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

// After Alt alone the first item lit is the menu bar's first (INPUT, VIEW /
// EDIT): the letter goes on to the first item that carries it all the same,
// then to the next, round to the first again, and Enter runs the lit one.
TEST(SharedAccessKey, AfterAltAloneTheLetterLightsEachItemThatCarriesItInTurn) {
  for (const ListCase& c : listCases()) {
    SCOPED_TRACE(c.list);
    inList(c, [&](TestPlatform& tp, platform::Form& list) {
      int opens = 0;
      tp.windows.on(c.opened, [&](platform::Form&) { ++opens; });
      list.findChild<platform::ListBox*>()->SetSelected(0, true);
      activate(list);
      std::vector<std::string> round = c.lit;
      round.push_back(c.lit.front());
      EXPECT_EQ(litAfterAltThen(list, c.key, round.size()), round);
      press(Qt::Key_Return, Qt::NoModifier, "\r");
      EXPECT_EQ(opens, 1);
    });
  }
}

// Where the items that share the letter open menus, each opens lit, its
// first shown item chosen.
TEST(SharedAccessKey, AfterAltAloneTheLetterOpensEachMenuThatCarriesItInTurn) {
  TestPlatform tp;
  DataFolder = tp.home();
  Tarlowe2 main;
  showSalesAndSummary(main);
  Drug_3 history;
  const struct {
    QWidget* window;
    char key;
    std::vector<std::string> lit;
  } cases[] = {
      {&main, 's', {"&SALES", "&SUMMARY", "&SALES"}},
      {&history, 'a', {"P&AGE", "&ADD WATER "}},  // the first lit by Alt alone too
  };
  for (const auto& c : cases) {
    activate(*c.window);
    const std::vector<std::string> lit = litAfterAltThen(*c.window, c.key, c.lit.size());
    EXPECT_EQ(lit, c.lit);
    const auto* open = static_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(open, nullptr) << c.key;
    EXPECT_EQ(open->title().toStdString(), c.lit.back());
    ASSERT_NE(open->activeAction(), nullptr) << c.key;
    press(Qt::Key_Escape);
    press(Qt::Key_Escape);
  }
}
