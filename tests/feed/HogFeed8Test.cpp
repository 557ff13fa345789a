// The ingredient list window headless: the list and its menu, NEW and
// EDIT/VIEW through the entry window, DELETE, PRINT, QUERY, and FEED > Feed
// Ingredients from the main window.
#include <QString>

#include "feed/DialogHog7.h"
#include "feed/HogFeed8.h"
#include "feed/HogFeed9.h"
#include "feed/IngredientFixture.h"
#include "platform/FileSystem.h"
#include "shell/Tarlowe2.h"

namespace {

using Lines = std::vector<std::string>;

// The codes of the list's lines.
Lines listedCodes(const HogFeed8& w) {
  Lines codes;
  for (const std::string& line : w.Lines()) codes.push_back(line.substr(0, line.find(' ')));
  return codes;
}

const char kDeleteQuestion[] =
    "YOU ARE TEMPTING TO DELETE AN INGREDIENT!\r\rAny records that you delete,\rcan or will affect any reports,\r"
    "that you may want to run.\r\rARE YOU STILL SURE, THAT YOU WANT\rTO DELETE THE INGREDIENT CODE:  ";

}  // namespace

class HogFeed8Test : public IngredientWindowTest {
 protected:
  // Corn, none of the empty Hay, Soy; then a freed record and Oats.
  void writeStock() {
    writeIngredients({anIngredient("CORN").name("Corn").cost(12.5, 0.0125).dated("03/15/2024"),
                      anIngredient("HAY").pounds(0, 10), anIngredient("SOY").name("Soybean Meal").pounds(-40, 400),
                      IngredientRecord{}, anIngredient("OATS").name("Oats")});
  }
  void select(HogFeed8& w, std::initializer_list<int> rows) {
    for (int row : rows) w.FeedIngLst->SetSelected(row, true);
  }
};

TEST_F(HogFeed8Test, ListsEveryIngredientOnHandAndShowsTheItemsThatActOnThem) {
  HogFeed8 empty;
  empty.Show();
  EXPECT_EQ(empty.Caption(), "F E E D    I N G R E D I E N T S");
  for (int item = HogFeed8::New; item <= HogFeed8::Exit; ++item) {
    const bool shown = item == HogFeed8::New || item == HogFeed8::Exit;
    EXPECT_EQ(empty.FeedFormula->Visible(item), shown) << item;
  }
  writeStock();
  HogFeed8 w;
  w.Show();
  EXPECT_EQ(w.Lines(), (Lines{"CORN     Corn                      1,000  03/15/2024    0.01    ",
                              "SOY      Soybean Meal                -40  __/__/____    0.00    ",
                              "OATS     Oats                      1,000  __/__/____    0.00    "}));
  EXPECT_EQ(w.FQDisp->Caption(), "By ALL Ingred(s)");
  EXPECT_EQ(QueryArgs[1], "0");
  for (int item = HogFeed8::New; item <= HogFeed8::Exit; ++item) EXPECT_TRUE(w.FeedFormula->Visible(item)) << item;
  EXPECT_TRUE(w.FeedFormula->Enabled(HogFeed8::Query));
  EXPECT_EQ(w.FeedFormula->Caption(HogFeed8::EditView), "&EDIT/VIEW");
  EXPECT_FALSE(tp.screen.hourglass());
}

TEST_F(HogFeed8Test, NewAndEditOpenTheEntryWindowAndListEverythingAfter) {
  writeStock();
  tp.windows.on("HogFeed9", as<HogFeed9>([](HogFeed9& e) {
    EXPECT_EQ(e.Caption(), "N E W    I N G R E D I E N T S");
    EXPECT_EQ(e.Mode(), "NEW");
    e.FeedNam->SetText("Barley");
    e.FeedCod->SetText("BAR");
    e.CurInv->SetText("50");
    e.StInv->SetText("50");
    e.TotCost->SetText("5");
    e.FAccp->Press();
    e.FExt->Press();
  }));
  tp.windows.on("HogFeed9", as<HogFeed9>([](HogFeed9& e) {
    EXPECT_EQ(e.Caption(), "E D I T    I N G R E D I E N T S");
    EXPECT_EQ(SelectedFeedRecs, (std::vector<long>{0, 3, 4, 0, 0}));
    EXPECT_EQ(SelectedCount, 2);
    EXPECT_EQ(e.FeedCod->Text(), "SOY");
    e.FExt->Press();
  }));
  HogFeed8 w;
  w.Show();
  w.FeedFormula->Click(HogFeed8::New);
  EXPECT_EQ(listedCodes(w), (Lines{"CORN", "SOY", "BAR", "OATS"}));  // the freed record 4
  w.FeedFormula->Click(HogFeed8::EditView);
  ASSERT_EQ(tp.dialogs.shown.size(), 1u);
  EXPECT_EQ(tp.dialogs.last().text, "NO INGREDIENT(s) WERE SELECTED!");
  EXPECT_EQ(tp.dialogs.last().title, "VIEW / EDIT  FEED  INGREDIENT");
  EXPECT_TRUE(tp.dialogs.last().beepBefore);
  select(w, {1, 2});
  w.FeedFormula->Click(HogFeed8::EditView);
  EXPECT_EQ(tp.windows.shownModal, (Lines{"HogFeed9", "HogFeed9"}));
  EXPECT_TRUE(tp.windows.leftOpen.empty());
  EXPECT_EQ(w.FeedIngLst->SelCount(), 0);
}

TEST_F(HogFeed8Test, DeleteAsksForEachSelectedLineAndBlanksTheRecordsInPlace) {
  writeStock();
  HogFeed8 w;
  w.Show();
  select(w, {0, 1, 2});
  tp.dialogs.answer(platform::vbNo).answer(platform::vbNo).answer(platform::vbNo);
  w.FeedFormula->Click(HogFeed8::Delete);
  ASSERT_EQ(tp.dialogs.shown.size(), 4u);
  EXPECT_EQ(tp.dialogs.shown[1].text, std::string(kDeleteQuestion) + "SOY?");
  EXPECT_EQ(tp.dialogs.shown[1].title, "CAUTION");
  EXPECT_EQ(tp.dialogs.shown[1].buttons, platform::vbYesNo);
  EXPECT_EQ(tp.dialogs.shown[1].icon, platform::vbQuestion);
  EXPECT_TRUE(tp.dialogs.shown[1].beepBefore);
  EXPECT_EQ(tp.dialogs.last().text, "NOTHING WAS SELECTED and/or DELETED!");
  EXPECT_EQ(tp.dialogs.last().title, "DELETE   INGREDIENTS");
  EXPECT_EQ(w.FeedIngLst->SelCount(), 3);  // the list stays as it was

  tp.dialogs.clear();
  tp.dialogs.answer(platform::vbYes).answer(platform::vbNo).answer(platform::vbYes);
  const std::string before = readFile(feedPath());
  w.FeedFormula->Click(HogFeed8::Delete);
  EXPECT_EQ(tp.dialogs.last().text, "ALL SELECTED INGREDIENT(s) HAVE BEEN DELETED!");
  EXPECT_EQ(tp.dialogs.last().title, "DELETE    INGREDIENTS");
  EXPECT_EQ(tp.dialogs.last().icon, platform::vbInformation);
  EXPECT_EQ(listedCodes(w), Lines{"SOY"});
  const std::string after = readFile(feedPath());
  const std::string freed = std::string(26, ' ') + std::string(24, '\0') + "__/__/____";
  EXPECT_EQ(after, freed + before.substr(60, 180) + freed);
}

TEST_F(HogFeed8Test, PrintListsEveryLineUnderTheQueryShown) {
  writeStock();
  HogFeed8 w;
  w.Show();
  tp.dialogs.answer(platform::vbNo);
  w.FeedFormula->Click(HogFeed8::Print);
  EXPECT_EQ(tp.dialogs.last().text, "PRINT INGREDIENT LISTING?");
  EXPECT_EQ(tp.dialogs.last().title, "PRINT  INGREDIENT  RECORD(s)");
  EXPECT_EQ(tp.printer.documents, 0);
  select(w, {1});
  tp.dialogs.answer(platform::vbYes);
  w.FeedFormula->Click(HogFeed8::Print);
  EXPECT_EQ(tp.printer.texts(), (Lines{
      "I N G R E D I E N T    L I S T I N G", "By ALL Ingred(s)",
      " CODE      INGREDIENT NAME     CURRENT INV.  START INV.  UNIT COST  TOTAL COST     DATE", "",
      "CORN     Corn                       1000         1000        0.01       12.50   03/15/2024  ",
      "SOY      Soybean Meal                -40          400        0.00        0.00   __/__/____  ",
      "OATS     Oats                       1000         1000        0.00        0.00   __/__/____  ",
      "*** END OF LISTING ***"}));
  EXPECT_EQ(tp.printer.find("CORN     Corn                       1000         1000        0.01       12.50   03/15/2024  ")
                ->font.size, 10.5);  // 90 columns at 11 points would run past the page
  EXPECT_EQ(tp.printer.finishedDocuments, 1);
  EXPECT_FALSE(tp.screen.hourglass());

  // Every line built is printed: a code held twice behind the list prints
  // both records.
  writeIngredients({anIngredient("CORN").name("Corn"), anIngredient("SOY"), anIngredient("CORN").name("More Corn")});
  tp.dialogs.answer(platform::vbYes);
  w.FeedFormula->Click(HogFeed8::Print);
  const Lines second = tp.printer.texts(2);
  ASSERT_EQ(second.size(), 8u);  // title, headings, element 0, three lines, banner
  EXPECT_EQ(second[5].substr(0, 18), "CORN     More Corn");
  EXPECT_EQ(second[7], "*** END OF LISTING ***");

  // Ingredients deleted behind the list leave nothing to print.
  writeIngredients({});
  tp.dialogs.clear();
  tp.dialogs.answer(platform::vbYes);
  w.FeedFormula->Click(HogFeed8::Print);
  EXPECT_EQ(tp.dialogs.last().text, "NO INGREDIENT RECORDS FOUND!");
  EXPECT_EQ(tp.dialogs.last().title, "PRINT   INGREDIENT   LISTING");
  EXPECT_EQ(tp.printer.documents, 2);
}

TEST_F(HogFeed8Test, FeedIngredientsOpensTheListAndExitHidesIt) {
  writeStock();
  tp.windows.on("HogFeed8", as<HogFeed8>([](HogFeed8& w) {
    EXPECT_EQ(w.FeedIngLst->ListCount(), 3);
    w.FeedFormula->Click(HogFeed8::Exit);
    EXPECT_FALSE(w.isVisible());
  }));
  Tarlowe2& main = MainForm();
  main.ShowAllMenus();
  EXPECT_TRUE(main.MainFeed->Enabled(9));
  main.MainFeed->Click(9);
  EXPECT_EQ(FeedMenuChoice, 9);
  EXPECT_EQ(tp.windows.shownModal, Lines{"HogFeed8"});
  EXPECT_TRUE(tp.windows.leftOpen.empty());
}

// QUERY: a refused criterion keeps the dialog open with its box; the query
// accepted lists its ingredients, those without stock too, under its text;
// the close box lists everything again.
TEST_F(HogFeed8Test, QueryListsTheMatchesUnderTheQueryText) {
  writeStock();
  HogFeed8 w;
  w.Show();
  tp.windows.on("DialogHog7", as<DialogHog7>([this](DialogHog7& d) {
    EXPECT_EQ(d.Caption(), "QUERY   FEED   INGREDIENT   LIST");
    EXPECT_EQ(d.FQCan->Caption(), "CANCEL");
    d.FQCombo->SetListIndex(d.FQCombo->findText(QString("By CURRENT INVENTORY")));
    d.FQData->SetText("500");
    d.FQExe->Press();
    EXPECT_EQ(tp.dialogs.last().title, "QUERY   INGREDIENT   LIST");
    EXPECT_TRUE(d.isVisible());
    d.FQData->SetText("<1");
    d.FQExe->Press();
  }));
  w.FeedFormula->Click(HogFeed8::Query);
  EXPECT_EQ(listedCodes(w), (Lines{"HAY", "SOY"}));
  EXPECT_EQ(w.FQDisp->Caption(), "By CURRENT INVENTORY,  <1");
  for (int item : {HogFeed8::EditView, HogFeed8::Query, HogFeed8::Delete, HogFeed8::Print})
    EXPECT_TRUE(w.FeedFormula->Visible(item));

  tp.windows.on("DialogHog7", as<DialogHog7>([](DialogHog7& d) {
    d.FQCombo->SetListIndex(d.FQCombo->findText(QString("By INGREDIENT Code")));
    d.FQData->SetText("zzz");
    d.FQExe->Press();
  }));
  w.FeedFormula->Click(HogFeed8::Query);
  EXPECT_TRUE(listedCodes(w).empty());
  EXPECT_TRUE(w.FeedFormula->Visible(HogFeed8::Query) && !w.FeedFormula->Visible(HogFeed8::Print));

  tp.windows.on("DialogHog7", as<DialogHog7>([](DialogHog7& d) { d.close(); }));
  w.FeedFormula->Click(HogFeed8::Query);
  EXPECT_EQ(listedCodes(w), (Lines{"CORN", "SOY", "OATS"}));
  EXPECT_EQ(w.FQDisp->Caption(), "By ALL Ingred(s)");
}
