// The ingredient entry window headless: new ingredients into free records,
// the refusals as the window shows them, editing with NEXT and BACK, and the
// keys of its boxes.
#include "feed/HogFeed9.h"
#include "feed/IngredientFixture.h"
#include "platform/FileSystem.h"

namespace {

void type(HogFeed9& w, const std::string& name, const std::string& code, const std::string& current,
          const std::string& start, const std::string& total, const std::string& date = "05/20/2024") {
  w.FeedNam->SetText(name);
  w.FeedCod->SetText(code);
  w.CurInv->SetText(current);
  w.StInv->SetText(start);
  w.TotCost->SetText(total);
  w.InvenDate->SetText(date);
}

// The entry window shown in `mode`, as the list opens it.
void open(HogFeed9& w, const std::string& mode) {
  w.Load();
  w.NE_Cont->SetCaption(mode);
  w.Show();
}

}  // namespace

class HogFeed9Test : public IngredientWindowTest {};

TEST_F(HogFeed9Test, NewIngredientsFillTheFreedRecordThenFollowTheLast) {
  writeIngredients({anIngredient("A"), anIngredient("B"), IngredientRecord{}, anIngredient("D"), anIngredient("E")});
  HogFeed9 w;
  open(w, "NEW");
  EXPECT_EQ(CurrentFeedRec, 3);
  EXPECT_FALSE(w.FNxt->isEnabled() || w.FBck->isEnabled());
  EXPECT_EQ(w.InvenDate->Text(), "06/01/2024");
  type(w, "Corn", "corn", "1000", "1000", "12.50");  // the code upper-cased as it is written
  w.FAccp->Press();
  EXPECT_EQ(w.FeedNam->Text() + w.FeedCod->Text() + w.CurInv->Text() + w.UnCost->Caption(), "");
  EXPECT_EQ(w.InvenDate->Text(), "06/01/2024");
  EXPECT_EQ(w.focusWidget(), w.FeedNam);
  type(w, "Soybean Meal", "SOYBM", "500", "400", "100", "06/01/2024");
  w.FAccp->Press();
  EXPECT_TRUE(tp.dialogs.shown.empty());
  EXPECT_EQ(CurrentFeedRec, 6);
  EXPECT_EQ(storedCodes(), (std::vector<std::string>{"A", "B", "CORN", "D", "E", "SOYBM"}));
  const std::string bytes = readFile(feedPath());
  ASSERT_EQ(bytes.size(), 360u);
  const std::string corn = bytes.substr(120, 60);
  EXPECT_EQ(corn.substr(0, 26), "CORN  Corn                ");
  EXPECT_EQ(le32(corn, 26), 1000);
  EXPECT_EQ(le32(corn, 30), 1000);
  EXPECT_EQ(le64(corn, 34), 125'000);
  EXPECT_EQ(le64(corn, 42), 125);
  EXPECT_EQ(corn.substr(50), "05/20/2024");
  EXPECT_EQ(le64(bytes, 300 + 42), 2'500);  // 100 / 400 lb
}

TEST_F(HogFeed9Test, RefusalsBeepFocusTheFieldAndWriteNothing) {
  writeIngredients({anIngredient("CORN")});
  HogFeed9 w;
  open(w, "NEW");
  const struct {
    std::vector<std::string> typed;
    std::string heading;
    QWidget* field;
    bool beep;
  } cases[] = {
      {{"", "", "", "", "", "__/__/____"}, "NO INGREDIENT NAME!", w.FeedNam, true},
      {{"Oats", "OATS", "5", "0", "1"}, "START INVENTORY can't be less than 1!", w.StInv, true},
      {{"Oats", "OATS", "5", "5", "1,5"}, "DON'T INCLUDE A COMMA!", w.TotCost, true},
      {{"Oats", "OATS", "5", "5", "1", "__/__/____"}, "NO INVENTORY DATE!", w.InvenDate, false},
      {{"Oats", "OATS", "5", "5", "1", "13/01/2024"}, "ERROR: INVALIED MONTH!", w.InvenDate, true},
      {{"Oats", "CORN", "5", "5", "1"}, "DUPLICATE CODE!", w.FeedCod, true},
  };
  for (const auto& c : cases) {
    tp.dialogs.clear();
    const auto& t = c.typed;
    type(w, t[0], t[1], t[2], t[3], t[4], t.size() > 5 ? t[5] : "05/20/2024");
    w.FAccp->Press();
    ASSERT_EQ(tp.dialogs.shown.size(), 1u) << c.heading;
    EXPECT_EQ(tp.dialogs.last().text.substr(0, c.heading.size()), c.heading);
    EXPECT_EQ(tp.dialogs.last().beepBefore, c.beep) << c.heading;
    EXPECT_EQ(w.focusWidget(), c.field) << c.heading;
    EXPECT_EQ(w.FeedNam->Text(), t[0]);  // the typed values stay
  }
  EXPECT_EQ(storedCodes(), std::vector<std::string>{"CORN"});
}

TEST_F(HogFeed9Test, EditStepsThroughTheSelectionWithNextAndBack) {
  writeIngredients({anIngredient("A").name("Alfalfa"), anIngredient("B").name("Barley").pounds(250, 300)
                        .cost(30, 0.1).dated("04/01/2024"), anIngredient("C").name("Corn").dated("04/15/2024")});
  SelectedFeedRecs = {0, 3, 2, 1};
  SelectedCount = 3;
  HogFeed9 w;
  open(w, "EDIT");
  const auto buttons = [&w] { return std::make_pair(w.FNxt->isEnabled(), w.FBck->isEnabled()); };
  EXPECT_EQ(w.FeedCod->Text(), "C");
  EXPECT_EQ(buttons(), std::make_pair(true, false));
  w.FNxt->Press();
  EXPECT_EQ(CurrentFeedRec, 2);
  EXPECT_EQ(w.FeedNam->Text() + "|" + w.CurInv->Text() + "|" + w.StInv->Text() + "|" + w.TotCost->Text() + "|" +
                w.UnCost->Caption() + "|" + w.InvenDate->Text(),
            "Barley|250|300|30.00|0.10|04/01/2024");
  EXPECT_EQ(buttons(), std::make_pair(true, true));
  w.FNxt->Press();
  EXPECT_EQ(w.FeedCod->Text(), "A");
  EXPECT_EQ(buttons(), std::make_pair(false, true));
  w.FBck->Press();
  EXPECT_EQ(buttons(), std::make_pair(true, true));
  w.FBck->Press();
  EXPECT_EQ(buttons(), std::make_pair(true, false));
  EXPECT_EQ(w.Position(), 1);
  // Its own code is kept; another's is refused.
  w.FeedNam->SetText("Cracked Corn");
  w.TotCost->SetText("12.345");
  w.FAccp->setFocus();  // clicked
  w.FAccp->Press();
  EXPECT_TRUE(tp.dialogs.shown.empty());
  EXPECT_EQ(readIngredients()[2].IngredientName, "Cracked Corn        ");
  // The edited record stays in sight as stored, every place of its total
  // shown, so a second ACCEPT writes what is shown, over the same record, and
  // leaves its bytes as they were.
  EXPECT_EQ(w.FeedNam->Text() + "|" + w.FeedCod->Text() + "|" + w.TotCost->Text(), "Cracked Corn|C|12.345");
  EXPECT_EQ(w.focusWidget(), w.FeedNam);
  const std::string stored = readFile(feedPath());
  w.FAccp->Press();
  EXPECT_EQ(readFile(feedPath()), stored);
  w.FeedCod->SetText("CC");
  w.FAccp->Press();
  EXPECT_EQ(storedCodes(), (std::vector<std::string>{"A", "B", "CC"}));
  EXPECT_EQ(le64(readFile(feedPath()), 120 + 34), 123'450);
  w.FNxt->Press();
  w.FeedCod->SetText("A");
  w.FAccp->Press();
  EXPECT_EQ(tp.dialogs.last().text, "DUPLICATE CODE!\r\rYou can't use the same code!");
}

TEST_F(HogFeed9Test, KeysMoveOnCapitaliseTheNameUpperCaseTheCodeAndRefuseCommas) {
  HogFeed9 w;
  open(w, "NEW");
  w.FeedNam->SetFocus();
  w.FeedNam->Type("corn 2x\r");
  EXPECT_EQ(w.FeedNam->Text(), "Corn 2x");
  EXPECT_EQ(w.focusWidget(), w.FeedCod);
  w.FeedCod->Type("cn\r");
  EXPECT_EQ(w.FeedCod->Text(), "CN");
  EXPECT_EQ(w.focusWidget(), w.CurInv);
  const struct {
    platform::TextBox* box;
    void (HogFeed9::*lostFocus)();
    std::string title;
    QWidget* focus;
  } commas[] = {{w.CurInv, &HogFeed9::CurInv_LostFocus, "ENTER  CURRENT  INVENTORY", w.CurInv},
                {w.StInv, &HogFeed9::StInv_LostFocus, "ENTER  STARTING  INVENTORY", w.StInv},
                {w.TotCost, &HogFeed9::TotCost_LostFocus, "ENTER  TOTAL  COST", w.FeedNam}};
  for (const auto& c : commas) {
    tp.dialogs.clear();
    w.FeedNam->SetFocus();
    c.box->SetText("1,000");
    (w.*c.lostFocus)();
    ASSERT_EQ(tp.dialogs.shown.size(), 1u);
    EXPECT_EQ(tp.dialogs.last().text, "DON'T INCLUDE A COMMA!");
    EXPECT_EQ(tp.dialogs.last().title, c.title);
    EXPECT_TRUE(tp.dialogs.last().beepBefore);
    EXPECT_EQ(w.focusWidget(), c.focus) << c.title;
    c.box->SetText("");
  }
  w.StInv->SetText("400");
  w.TotCost->SetText("100");
  w.TotCost_LostFocus();
  EXPECT_EQ(w.UnCost->Caption(), "0.25");
  EXPECT_EQ(w.focusWidget(), w.FAccp);
}
