// The group and herd feed conversion windows headless, opened from FEED >
// Feed Conversion as a new user would, over the fixture's group of 2008.
#include <algorithm>

#include "feed/FeedConversionFixture.h"
#include "feed/HogFeed3.h"
#include "feed/HogFeed7.h"
#include "platform/FileSystem.h"
#include "shell/Tarlowe2.h"
#include "support/BoxMatch.h"

namespace {

using Lines = std::vector<std::string>;

bool Has(const Lines& lines, const std::string& line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

Lines Shown(const HogFeed3& w) {
  Lines out;
  for (const platform::Label* l :
       {w.TotPig, w.LbPork, w.LbFeed, w.AvgPriceLb, w.TotFeedCost, w.FeedCWT, w.FeedPerPig, w.FeedEff})
    out.push_back(l->Caption());
  return out;
}

Lines Shown(const HogFeed7& w) {
  Lines out;
  for (const platform::Label* l : w.Results) out.push_back(l->Caption());
  return out;
}

bool Enabled(const HogFeed3& w) { return w.DispAFeed->isEnabled() || w.PntAFeed->isEnabled() || w.PntSFeed->isEnabled(); }

}  // namespace

class FeedConversionWindows : public FeedConversionTest {
 protected:
  void SetUp() override {
    FeedConversionTest::SetUp();
    writeHerd();
    writeRecords<SowRecord>(tp.path("SOW.DAT"), {aSow("S1"), aSow("S2"), aSow("GONE").left("08/01/2008"), aSow("S3")});
    writeRecords<BoarRecord>(tp.path("BOAR.DAT"), {aBoar("B1")});
  }
  // FEED > Feed Conversion > item, the feed year 2008 typed.
  void choose(int item) {
    Tarlowe2& main = MainForm();
    main.ShowAllMenus();
    EXPECT_TRUE(main.MainFeed->Enabled(7) && main.FeedConv->Enabled(item));
    tp.dialogs.type("2008");
    main.FeedConv->Click(item);
  }
};

TEST_F(FeedConversionWindows, GroupRunsEachBuildingShowsAllAndPrintsThem) {
  tp.windows.on("HogFeed3", as<HogFeed3>([this](HogFeed3& w) {
    EXPECT_EQ(w.Caption(), "G R O U P   F E E D   C O N V E R S I O N  by  B U I L D I N G (s)");
    EXPECT_TRUE(w.BldSelect[kNursery]->Value());
    EXPECT_FALSE(Enabled(w));
    EXPECT_EQ(Shown(w), (Lines{"0", "0", "0", "0.00", "0.00", "0.00", "0", "0.00"}));

    w.GroupFc[3]->SetText("004-08");
    w.RunFeedCnv->Press();
    EXPECT_EQ(w.FeedConvType->Caption(), "N U R S E R Y");
    EXPECT_EQ(Shown(w), (Lines{"100", "3525", "3506", "0.11", "379.00", "10.75", "35", "0.99"}));
    EXPECT_TRUE(w.PntSFeed->isEnabled());
    EXPECT_FALSE(w.DispAFeed->isEnabled() || w.PntAFeed->isEnabled());
    w.BldSelect[kGrower]->SetValue(true);
    w.RunFeedCnv->Press();
    EXPECT_FALSE(w.DispAFeed->isEnabled());
    w.BldSelect[kFinisher]->SetValue(true);
    w.RunFeedCnv->Press();
    EXPECT_EQ(w.FeedConvType->Caption(), "F I N I S H E R");
    EXPECT_EQ(Shown(w), (Lines{"88", "11960", "20000", "0.08", "1600.00", "13.38", "227", "1.67"}));
    EXPECT_TRUE(w.DispAFeed->isEnabled() && w.PntAFeed->isEnabled());

    // PRINT ALL without DISP ALL: the three buildings printed, the finisher still shown.
    tp.dialogs.answer(platform::vbYes);
    w.PntAFeed->Press();
    EXPECT_TRUE(LastBoxIs(tp.dialogs, {"PRINT FEED CONVERSION SUMMARY?", "PRINT   FEED   RECORD", platform::vbQuestion,
                                       platform::vbYesNo}));
    Lines page = tp.printer.texts(1);
    EXPECT_EQ(page.front(), "S  U  M  M  A  R  Y");
    EXPECT_TRUE(Has(page, std::string(20, ' ') + "GROUP FEED CONVERSION in ALL BUILDINGS" + std::string(22, ' ')));
    EXPECT_TRUE(Has(page, "TOTAL NUMBER of PIG(s). ------------->139"));
    EXPECT_TRUE(Has(page, "FEED COST per C.T.W. of PORK. ------->$12.16"));
    EXPECT_TRUE(Has(page, "004-08        "));
    EXPECT_EQ(w.FeedConvType->Caption(), "F I N I S H E R");

    // PRINT after another building was chosen still titles the finisher it prints.
    w.BldSelect[kNursery]->SetValue(true);
    tp.dialogs.answer(platform::vbYes);
    w.PntSFeed->Press();
    page = tp.printer.texts(2);
    EXPECT_TRUE(Has(page, std::string(22, ' ') + "GROUP FEED CONVERSION in FINISHER" + std::string(25, ' ')));
    EXPECT_TRUE(Has(page, "TOTAL NUMBER of PIG(s). ------------->88"));
    tp.dialogs.answer(platform::vbNo);
    w.PntSFeed->Press();
    EXPECT_EQ(tp.printer.documents, 2);

    w.DispAFeed->Press();
    EXPECT_EQ(w.FeedConvType->Caption(), "ALL BUILDINGS");
    EXPECT_EQ(Shown(w), (Lines{"139", "21545", "31506", "0.08", "2619.00", "12.16", "227", "1.46"}));
    EXPECT_FALSE(w.PntSFeed->isEnabled());

    // A group whose year has no feed file: its message, the run incomplete.
    w.GroupFc[4]->SetText("abc-de");
    w.RunFeedCnv->Press();
    EXPECT_TRUE(LastBoxIs(tp.dialogs, {"FEED2000.DAT FILE DOESN'T EXIST!\r\rCan't do feed conversion!\r"
                                       "Incomplete data for Group(abc-de)!",
                                       "FEED  FILE  ERROR"}));
    EXPECT_EQ(w.FeedConvType->Caption(), "N U R S E R Y   INCOMPLETE DATA");
    EXPECT_EQ(w.GroupFc[4]->Text(), "abc-de");
    EXPECT_EQ(Shown(w), Lines(8, ""));
    EXPECT_FALSE(Enabled(w));
    EXPECT_EQ(w.Buildings(), BuildingTable{});

    // A refused ID changes nothing on screen; CLEAR empties the boxes.
    w.GroupFc[0]->SetText("12-08");
    w.RunFeedCnv->Press();
    EXPECT_TRUE(LastBoxIs(tp.dialogs, {"ERROR:..  INCORRECT ENTRY!\rLegal entries = 100-97, 001-01",
                                       "ILLEGAL   GROUP   ENTRY"}));
    EXPECT_EQ(w.FeedConvType->Caption(), "N U R S E R Y   INCOMPLETE DATA");
    w.ClrFeedCnv->Press();
    EXPECT_EQ(w.GroupFc[0]->Text() + w.GroupFc[3]->Text() + w.FeedConvType->Caption(), "");
    w.ExitFeed->Press();
  }));
  choose(0);
  EXPECT_EQ(tp.windows.shownModal, Lines{"HogFeed3"});
  EXPECT_TRUE(tp.windows.leftOpen.empty());
}

TEST_F(FeedConversionWindows, HerdRunShowsThirteenFiguresPrintsThemAndKeepsInputsOnAFileError) {
  tp.windows.on("HogFeed7", as<HogFeed7>([this](HogFeed7& w) {
    EXPECT_EQ(w.Caption(), "H E R D    F E E D    C O N V E R S I O N  ");
    EXPECT_FALSE(w.PntHp->isEnabled());
    w.RptYr->SetText("08");
    w.RunHp->Press();
    EXPECT_TRUE(LastBoxIs(tp.dialogs, BoxOf(CheckHerdFeedEntry({"08", "", "", ""}))));
    w.RptYr->SetText("2008");
    w.BegBrdWt->SetText("40000");
    w.EndBrdWt->SetText("41000");
    w.FeedPigWt->SetText("1200");
    w.RunHp->Press();
    // 3 sows and 1 boar in the herd: pigs 80 + 5 + 4.
    EXPECT_EQ(Shown(w), (Lines{"80", "5", "20800", "225", "260", "45", "20825", "33205", "0.08", "2788.00", "13.39",
                               "373", "1.59"}));
    EXPECT_TRUE(w.PntHp->isEnabled());
    tp.dialogs.answer(platform::vbYes);
    w.PntHp->Press();
    const Lines page = tp.printer.texts(1);
    EXPECT_TRUE(Has(page, std::string(24, ' ') + "HERD FEED CONVERSION for 2008" + std::string(27, ' ')));
    EXPECT_TRUE(Has(page, "TOTAL FEED COST. -------------------------------->$2788.00"));
    EXPECT_TRUE(Has(page, "This SUMMARY was printed on 06-01-2024"));

    w.RptYr->SetText("2019");
    w.RunHp->Press();
    EXPECT_TRUE(LastBoxIs(tp.dialogs, {"FEED2019.DAT FILE DOESN'T EXIST!\r\rCan't do feed conversion!\rIncomplete data!",
                                       "FEED  FILE  ERROR"}));
    EXPECT_EQ(w.RptYr->Text() + "|" + w.EndBrdWt->Text(), "2019|41000");
    EXPECT_EQ(Shown(w), Lines(13, ""));
    EXPECT_FALSE(w.PntHp->isEnabled());
    w.ClrHp->Press();
    EXPECT_EQ(w.RptYr->Text() + w.EndBrdWt->Text(), "");
    w.ExtHp->Press();
  }));
  choose(1);
  EXPECT_EQ(tp.windows.shownModal, Lines{"HogFeed7"});
}

TEST_F(FeedConversionWindows, TheMenuOpensNothingWithoutSales) {
  writeFile(tp.path("SALES.DAT"), "");
  choose(1);
  EXPECT_TRUE(LastBoxIs(tp.dialogs, {"SALES FILE EMPTY!", "FEED   CONVERSION   ERROR"}));
  EXPECT_TRUE(tp.windows.shownModal.empty());
}
