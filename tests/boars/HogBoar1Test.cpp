// The boar list: its rows, DELETE after the confirmation, PRV on an empty
// list and the lines of the printed listing.
#include <gtest/gtest.h>

#include "boars/DialogHog3.h"
#include "boars/HogBoar1.h"
#include "boars/HogBoar2.h"
#include "common/HogGlobals.h"
#include "support/BoxMatch.h"
#include "support/RecordBuilders.h"

namespace {

class HogBoar1Test : public ::testing::Test {
 protected:
  TestPlatform tp;
  void SetUp() override {
    DataFolder = tp.home();
    writeRecords<BoarRecord>(tp.path("BOAR.DAT"), {aBoar("B1").breed("DUROC").price(12.5), aBoar(""),
                                                   aBoar("OLD").left("01/01/2024"), aBoar("B2")});
  }
};

}  // namespace

TEST_F(HogBoar1Test, ListsTheActiveBoarsAndDeletesTheSelectedAfterYes) {
  HogBoar1 w;
  w.Load();
  EXPECT_EQ(w.Caption(), "B O A R    H I S T O R Y");
  EXPECT_EQ(w.BQDisp->Caption(), "ALL BOAR(S)");
  ASSERT_EQ(w.BoarList->ListCount(), 2);
  EXPECT_EQ(w.BoarList->ItemData(1), 4);
  w.BoarListMenu_Click(HogBoar1::Delete);
  EXPECT_TRUE(LastBoxIs(tp.dialogs, {"NO BOAR(s) WERE SELECTED!", "DELETE BOAR HISTORIES", platform::vbExclamation}));
  w.BoarList->SetSelected(0, true);
  tp.dialogs.answer(platform::vbNo);
  w.BoarListMenu_Click(HogBoar1::Delete);
  EXPECT_EQ(readRecords<BoarRecord>(tp.path("BOAR.DAT"))[0].Id, "B1      ");
  w.BoarList->SetSelected(0, true);
  tp.dialogs.answer(platform::vbYes);
  w.BoarListMenu_Click(HogBoar1::Delete);
  EXPECT_TRUE(LastBoxIs(tp.dialogs,
                        {"ALL SELECTED BOAR(s) HAVE BEEN DELETED!", "DELETE BOAR HISTORIES", platform::vbInformation}));
  EXPECT_EQ(tp.dialogs.shown.at(tp.dialogs.shown.size() - 2).title, "C A U T I O N");
  EXPECT_EQ(readFile(tp.path("BOAR.DAT")).substr(0, 1084), recordBytes<BoarRecord>({BoarRecord{}}));
  EXPECT_EQ(w.BoarList->ListCount(), 1);
}

TEST_F(HogBoar1Test, PrvNeedsAListedBoar) {
  writeRecords<BoarRecord>(tp.path("BOAR.DAT"), {});
  HogBoar1 w;
  w.Load();
  w.BoarListMenu_Click(HogBoar1::Prv);
  EXPECT_TRUE(LastBoxIs(tp.dialogs, {"NO BOAR(s) LISTED!", "BOAR   PRV", platform::vbInformation}));
}

TEST_F(HogBoar1Test, ListingLinesFollowTheRows) {
  const auto lines = BoarListingLines({1, 3, 2, 99}, nullptr);
  ASSERT_TRUE(lines);
  ASSERT_EQ(lines->size(), 4u);
  EXPECT_EQ((*lines)[0].substr(0, 32), " B1         DUROC               ");
  EXPECT_EQ((*lines)[0].substr(72, 5), "12.50");
  EXPECT_EQ((*lines)[1].substr(12, 39), "THIS BOAR LEFT THE HERD ON (01/01/2024)");
  EXPECT_EQ((*lines)[2], "");
  EXPECT_EQ((*lines)[3], "");  // no such record
  EXPECT_EQ(BoarListingHeading("ALL BOAR(S)  "),
            " ALL BOAR(S)" + std::string(44, ' ') + "DATE BOAR        PURCHASE" + std::string(4, ' '));
}

TEST_F(HogBoar1Test, QueryDialogOffersTheTwelveKindsAndLeavesTheQuery) {
  HogBoar1 w;
  w.Load();  // the list's load forgets any query
  DialogHog3 dialog;
  dialog.Load();
  EXPECT_EQ(dialog.Caption(), "QUERY   BOAR   HISTORY");
  ASSERT_EQ(dialog.BQCombo->count(), 12);
  EXPECT_EQ(dialog.BQCombo->List(11), "All ACTIVE BOAR'S");
  dialog.BQCombo->SetListIndex(0);
  dialog.Kind_Click();
  dialog.BQData->SetText("b1");
  dialog.Execute_Click();
  EXPECT_EQ(QueryArgs, (std::array<std::string, 4>{"", "1", "B1", "By BOAR Id."}));
  w.ApplyBoarQuery();
  EXPECT_EQ(w.BoarList->ListCount(), 1);  // B1, not B2
}

// A query reads every record: NEW BOAR then takes its breed, location and
// price from the file's last record, listed or not.
TEST_F(HogBoar1Test, AfterAQueryNewBoarTakesTheLastRecordsDefaults) {
  writeRecords<BoarRecord>(tp.path("BOAR.DAT"), {aBoar("B1").breed("DUROC").location("PEN 1").price(12.5),
                                                 aBoar("B2").breed("YORK").location("PEN 4").price(16777217)});
  HogBoar1 w;
  w.Load();
  QueryArgs = {"", "2", "DUR", "By BREED"};
  w.ApplyBoarQuery();
  ASSERT_EQ(w.BoarList->ListCount(), 1);
  std::string shown;
  tp.windows.on("HogBoar2", as<HogBoar2>([&shown](HogBoar2& entry) {
    shown = entry.Boar[1]->Text() + "|" + entry.Boar[2]->Text() + "|" + entry.Boar[6]->Text();
  }));
  w.BoarListMenu_Click(HogBoar1::NewRecord);
  EXPECT_EQ(shown, "YORK|PEN 4|16777217");
}

// After a query of the boars that left the herd, every refill of the list
// keeps listing them alone.
TEST_F(HogBoar1Test, TheInactiveBoarsStayListedAfterEachRefill) {
  MedFile = "MED2024.DAT";  // the year of VACC's entry
  const HogBoar1::MenuItem actions[] = {HogBoar1::Delete, HogBoar1::Vacc, HogBoar1::NewRecord};
  for (const HogBoar1::MenuItem action : actions) {
    HogBoar1 w;
    w.Load();
    QueryArgs = {"", "11", "", "All INACTIVE BOAR(s)"};
    w.ApplyBoarQuery();
    w.BoarListMenu_Click(action);  // DELETE with nothing selected
    ASSERT_EQ(w.BoarList->ListCount(), 1) << action;
    EXPECT_EQ(w.BoarList->ItemData(0), 3) << action;
  }
  EXPECT_EQ(tp.windows.shownModal, (std::vector<std::string>{"Drug_6", "HogBoar2"}));
}
