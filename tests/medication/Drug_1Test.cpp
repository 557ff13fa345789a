// The drug list window headless: the list and its menu, EDIT handing the
// selected records to the entry window, DELETE after the CAUTION question,
// NEW, and MEDICATION > Drug List from the main window.
#include "medication/DrugFixture.h"
#include "medication/DrugListLine.h"
#include "medication/Drug_1.h"
#include "medication/Drug_2.h"
#include "shell/Tarlowe2.h"
#include "support/FailingDisk.h"

namespace {

std::vector<std::string> listedCodes(const Drug_1& w) {
  std::vector<std::string> codes;
  for (int i = 0; i < w.Drug_List->ListCount(); ++i) codes.push_back(DrugCodeOfLine(w.Drug_List->List(i)));
  return codes;
}
using Codes = std::vector<std::string>;

const char kQuestion[] =
    "YOU ARE ATTEMPTING TO DELETE A DRUG!\n\n          Any records that you delete,\n"
    "          can or will affect any reports,\n          that you may want to run.\n\n"
    "ARE YOU STILL SURE, THAT YOU WANT\nTO DELETE THE DRUG CODE, ";

}  // namespace

class Drug_1Test : public DrugTest {
 protected:
  void SetUp() override {
    DrugTest::SetUp();
    // The last drug's code is as wide as its field.
    writeDrugs({aDrug("A"), aDrug(""), aDrug("USED").onHand(0), aDrug("B").onHand(7.5f), aDrug("CEFTIO")});
  }
  void select(Drug_1& w, std::initializer_list<int> rows) {
    for (int row : rows) w.Drug_List->SetSelected(row, true);
  }
};

TEST_F(Drug_1Test, ListsTheDrugsOnHandAndShowsTheItemsThatNeedADrug) {
  writeDoses({aDose("B", 7.5f)});  // already taken off the stored amount: not again
  Drug_1 w;
  w.Show();
  EXPECT_EQ(w.Caption(), "D R U G    L I S T");
  EXPECT_EQ(w.DQDisp->Caption(), "By ALL DRUG(s)");
  EXPECT_EQ(listedCodes(w), (Codes{"A", "B", "CEFTIO"}));
  EXPECT_EQ(w.Drug_List->List(1), drugListLine(aDrug("B").onHand(7.5f)));
  EXPECT_EQ(QueryArgs[1], "0");
  for (int item : {Drug_1::New, Drug_1::Edit, Drug_1::Query, Drug_1::Delete, Drug_1::Print, Drug_1::Exit})
    EXPECT_TRUE(w.MainDrug->Visible(item)) << item;
  EXPECT_TRUE(w.MainDrug->Enabled(Drug_1::Query));
  for (int item : {Drug_1::DrugListPrint, Drug_1::DrugSheet, Drug_1::YearlyTotals})
    EXPECT_TRUE(w.PrintMenu->Enabled(item));

  writeDrugs({aDrug("USED").onHand(0)});  // a drug, but no line: the items stay
  w.FillDrugList();
  EXPECT_TRUE(listedCodes(w).empty() && w.MainDrug->Visible(Drug_1::Edit));
  writeDrugs({aDrug("")});
  w.FillDrugList();
  for (int item : {Drug_1::Edit, Drug_1::Delete, Drug_1::Print}) EXPECT_FALSE(w.MainDrug->Visible(item));
  EXPECT_TRUE(w.MainDrug->Visible(Drug_1::New) && w.MainDrug->Visible(Drug_1::Exit));

  // A file that cannot be read past its first block lists none of it, by
  // all or by a query, and shows its box.
  writeDrugs(std::vector<DrugRecord>(400, aDrug("X")));
  for (const char* kind : {"0", "2"}) {
    QueryArgs = {"", kind, "X", "By DRUG CODE"};
    tp.dialogs.clear();
    {
      FailingDisk disk(2, DiskFault::ReadError);
      w.ListDrugsOfQuery();
    }
    EXPECT_EQ(w.Drug_List->ListCount(), 0) << kind;
    EXPECT_FALSE(w.MainDrug->Visible(Drug_1::Edit)) << kind;
    EXPECT_EQ(tp.dialogs.last().title, "D R U G    L I S T") << kind;
  }
  w.MainDrug->Click(Drug_1::Exit);
  EXPECT_FALSE(w.isVisible());
}

TEST_F(Drug_1Test, EditHandsTheSelectedRecordsInListOrder) {
  Drug_1 w;
  w.Show();
  w.MainDrug->Click(Drug_1::Edit);
  EXPECT_EQ(tp.dialogs.last().text, "NO DRUG(s) WERE SELECTED!");
  EXPECT_EQ(tp.dialogs.last().title, "VIEW / EDIT  DRUG(s)");
  EXPECT_TRUE(tp.dialogs.last().beepBefore);
  tp.windows.on("Drug_2", as<Drug_2>([](Drug_2& e) {
    EXPECT_EQ(e.NE_Cont->Caption(), "EDIT");
    EXPECT_EQ(SelectedDrugRecs, (std::vector<long>{0, 1, 4, 5}));
    EXPECT_EQ(SelectedCount, 3);
    e.DExit->Press();
  }));
  select(w, {0, 1, 2});
  w.MainDrug->Click(Drug_1::Edit);
  EXPECT_EQ(tp.windows.shownModal, (Codes{"Drug_2"}));
  EXPECT_EQ(w.Drug_List->SelCount(), 0);  // rebuilt
}

TEST_F(Drug_1Test, DeleteBlanksEachDrugConfirmedWithYes) {
  Drug_1 w;
  w.Show();
  select(w, {0, 2});
  tp.dialogs.answer(platform::vbNo).answer(platform::vbNo);
  w.MainDrug->Click(Drug_1::Delete);
  ASSERT_EQ(tp.dialogs.shown.size(), 3u);
  const ShownBox& ask = tp.dialogs.shown[0];
  EXPECT_EQ(ask.text, std::string(kQuestion) + "A ?");
  EXPECT_EQ(std::vector<int>({ask.buttons, ask.icon, ask.defaultButton, ask.beepBefore}),
            std::vector<int>({platform::vbYesNo, platform::vbExclamation, 1, 1}));
  EXPECT_EQ(ask.title, "CAUTION");
  EXPECT_EQ(tp.dialogs.last().text, "NO DRUG(s) WERE SELECTED or DELETED!");
  EXPECT_EQ(tp.dialogs.last().title, "DELETE   DRUG(s)");
  EXPECT_EQ(w.Drug_List->SelCount(), 2);  // the list stays as it was

  tp.dialogs.clear();
  tp.dialogs.answer(platform::vbYes).answer(platform::vbYes);
  w.MainDrug->Click(Drug_1::Delete);
  ASSERT_EQ(tp.dialogs.shown.size(), 3u);
  EXPECT_EQ(tp.dialogs.shown[1].text, std::string(kQuestion) + "CEFTIO ?");
  EXPECT_EQ(tp.dialogs.last().text, "ALL SELECTED DRUG(s) HAVE BEEN DELETED!");
  EXPECT_EQ(tp.dialogs.last().title, "DELETE    DRUG(s)");
  EXPECT_EQ(SelectedCount, 2);
  EXPECT_EQ(listedCodes(w), (Codes{"B"}));
  EXPECT_EQ(readFile(drugPath()), recordBytes<DrugRecord>({DrugRecord{}, aDrug(""), aDrug("USED").onHand(0),
                                                           aDrug("B").onHand(7.5f), DrugRecord{}}));
}

TEST_F(Drug_1Test, TheMainMenuOpensTheListWhoseNewEntersDrugs) {
  tp.windows.on("Drug_1", as<Drug_1>([](Drug_1& w) {
    w.MainDrug->Click(Drug_1::New);
    EXPECT_EQ(listedCodes(w), (Codes{"A", "NEW", "B", "CEFTIO"}));
    w.MainDrug->Click(Drug_1::Exit);
  }));
  tp.windows.on("Drug_2", as<Drug_2>([](Drug_2& e) {
    EXPECT_EQ(e.NE_Cont->Caption(), "NEW");
    e.DName->SetText("NEW DRUG");
    e.DCode->SetText("NEW");
    for (platform::TextBox* box : {e.Dosage, e.DrugCost, e.InvAmt, e.PurAmt}) box->SetText("1");
    e.DAccept->Press();
    e.DExit->Press();
  }));
  Tarlowe2& main = MainForm();
  main.ShowAllMenus();
  main.MainMed->Click(0);
  EXPECT_EQ(tp.windows.shownModal, (Codes{"Drug_1", "Drug_2"}));
  EXPECT_TRUE(tp.windows.leftOpen.empty());
}
