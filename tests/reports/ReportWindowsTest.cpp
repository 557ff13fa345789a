// SUMMARY > Farrowing Performance and Herd Performance as the user runs them:
// the file checks, the weaning-date dialog, the year prompt, the windows'
// figures and their printed pages.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <filesystem>

#include "common/HogGlobals.h"
#include "reports/DialogHog0.h"
#include "reports/HogRept2.h"
#include "reports/HogRept3.h"
#include "support/BoxMatch.h"
#include "support/RecordBuilders.h"

namespace {

class ReportWindows : public ::testing::Test {
 protected:
  TestPlatform tp;
  void SetUp() override {
    DataFolder = tp.home();
    DateText = "12-07-2026";
    writeRecords<SowRecord>(tp.path("SOW.DAT"), {aSow("S1").entered("01/05/2023").parities(2),
                                                 aSow("S2").entered("03/01/2024"),
                                                 aSow("S3").entered("01/05/2020").left("08/01/2024")});
    writeRecords<FarrowRecord>(
        tp.path("FARROW.DAT"),
        {aLitter().bornOn("05/10/2024").pigs(12, 11).weaned(10, "06/01/2024").weights(30.5f, 110.5f),
         aLitter().bornOn("05/18/2024").pigs(10, 10).weaned(9, "06/08/2024").fostered(1, 0).weights(31.5f, 100)});
  }
  std::vector<std::string> captions(const platform::ControlArray<platform::Label>& labels) {
    std::vector<std::string> out;
    for (platform::Label* l : labels) out.push_back(l->Caption());
    return out;
  }
};

TEST_F(ReportWindows, FarrowingPerformanceOfTwoWeaningDatesShownAndPrinted) {
  tp.windows.on("DialogHog0", as<DialogHog0>([this](DialogHog0& d) {
    EXPECT_EQ(d.Caption(), "FARROW  PERFORMANCE  WEANING  DATES");
    d.WDAcc->Press();
    EXPECT_TRUE(LastBoxIs(tp.dialogs, {"NO WEANING DATE(s) ENTERED!", "WEAN   DATE   ENTRY   ERROR"}));
    d.WeanDat[1]->SetText("06/01/2024");
    d.WeanDat[3]->SetText("13/08/2024");
    d.WDAcc->Press();
    EXPECT_EQ(tp.dialogs.last().title, "INVALIED  DATE  ENTRY");
    EXPECT_EQ(d.WeanDatNum->Caption(), "0");
    d.WeanDat[3]->SetText("06/08/2024");
    d.WDAcc->Press();
    EXPECT_EQ(d.WeanDatNum->Caption(), "2");
  }));
  tp.windows.on("HogRept2", as<HogRept2>([this](HogRept2& w) {
    EXPECT_EQ(w.Caption(), "FARROWING   PERFORMANCE");
    // 30.5 -> 30, then 61.5 -> 62 pounds at birth; 110.5 -> 110, 210 at weaning.
    EXPECT_EQ(captions(w.Figures), (std::vector<std::string>{"2", "22", "21", "19", "1", "11.00", "10.50", "9.50",
                                                              "0.50", "31.00", "105.00", "4.55", "9.52"}));
    tp.dialogs.answer(platform::vbNo);
    w.PntFarroPerf->Press();
    EXPECT_TRUE(LastBoxIs(tp.dialogs, {"PRINT FARROWING PERFORMANCE SUMMARY?", "P R I N T    S U M M A R I E S",
                                       platform::vbQuestion, platform::vbYesNo}));
    EXPECT_EQ(tp.printer.documents, 0);
    tp.dialogs.answer(platform::vbYes);
    w.PntFarroPerf->Press();
    w.PntExit->Press();
  }));
  OpenFarrowingPerformance();
  EXPECT_EQ(MenuChoice, 0);
  EXPECT_EQ(tp.windows.shownModal, (std::vector<std::string>{"DialogHog0", "HogRept2"}));
  EXPECT_EQ(tp.printer.pages.size(), 1u);
  EXPECT_TRUE(tp.printer.find("FARROWING PERFORMANCE"));
  EXPECT_TRUE(tp.printer.find("Number of SOW(s) in the following GROUP: -->2"));
  EXPECT_TRUE(tp.printer.find("    06/01/2024  06/08/2024" + std::string(24, ' ')));
  EXPECT_TRUE(tp.printer.find("Average number of PIG(s) FOSTERED. -------->0.50"));
  EXPECT_TRUE(tp.printer.find("This SUMMARY was printed on 12-07-2026"));
}

TEST_F(ReportWindows, AFarrowingRequestWithoutDatesOpensNoSummaryAndEnterMovesOn) {
  tp.windows.on("DialogHog0", as<DialogHog0>([](DialogHog0& d) {
    d.WeanDat[0]->SetText("06/01/2024");
    for (int i = 0; i < kWeanDateBoxes; ++i) {
      QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
      QApplication::sendEvent(d.WeanDat[i], &enter);
    }
    EXPECT_TRUE(d.isVisible());  // Enter in the fourth box accepts nothing
    d.Unload(platform::vbFormControlMenu);
  }));
  OpenFarrowingPerformance();
  EXPECT_EQ(tp.windows.shownModal, std::vector<std::string>{"DialogHog0"});
  EXPECT_EQ(tp.printer.documents, 0);
}

TEST_F(ReportWindows, EverySummaryNeedsSowsAndLitters) {
  const struct { const char* emptied; const char* text; } cases[] = {
      {"FARROW.DAT", "NO FARROW FILE!"}, {"SOW.DAT", "NO SOW FILE!"}};
  for (const auto& c : cases) {
    std::filesystem::remove(tp.path(c.emptied));
    MenuChoice = 7;
    for (auto open : {OpenFarrowingPerformance, OpenHerdPerformance}) {
      open();
      EXPECT_TRUE(LastBoxIs(tp.dialogs, {c.text, "S U M M A R Y' S"}));
    }
    EXPECT_EQ(MenuChoice, 7);
    EXPECT_TRUE(std::filesystem::exists(tp.path(c.emptied)));  // made, empty, by the count
  }
  EXPECT_TRUE(tp.windows.shownModal.empty());
}

TEST_F(ReportWindows, HerdPerformanceOfTheTrimmedYearShownAndPrinted) {
  tp.dialogs.type(" 2024 ");
  tp.windows.on("HogRept3", as<HogRept3>([this](HogRept3& w) {
    EXPECT_EQ(w.Caption(), "H E R D   P E R F O R M A N C E  for 2024");
    EXPECT_TRUE(w.PntHerdPfr->isEnabled());
    // S1 and S2 in the herd, S3 sold; d = 22 days: 2 x 365 - 136 x 2 = 458.
    EXPECT_EQ(captions(w.Figures),
              (std::vector<std::string>{"2", "1", "1", "1", "2", "1", "458", "229", "11", "10.5", "9.5", ".5",
                                        "22", "11", "21", "10.5", "19", "9.5", "1", ".5", "31", "105", "4.545",
                                        "9.523", "21.5"}));
    tp.dialogs.answer(platform::vbYes);
    w.PntHerdPfr->Press();
    EXPECT_TRUE(LastBoxIs(tp.dialogs, {"PRINT HERD PERFORMANCE SUMMARY?", "P R I N T    S U M M A R I E S",
                                       platform::vbQuestion, platform::vbYesNo}));
    w.ExitHerdPfr->Press();
  }));
  OpenHerdPerformance();
  EXPECT_EQ(MenuChoice, 1);
  EXPECT_EQ(ReportYear, "2024");
  const ShownBox& prompt = tp.dialogs.shown.front();
  EXPECT_EQ(prompt.title, "ENTER  REPORT  YEAR");
  EXPECT_EQ(prompt.text, "In the BOX below, enter the YEAR for the HERD PERFORMANCE report.\r\r"
                         "Be sure to enter all four(4) digets for the YEAR. (2000)");
  EXPECT_EQ(tp.printer.pages.size(), 1u);
  EXPECT_TRUE(tp.printer.find("HERD PERFORMANCE for 2024"));
  EXPECT_TRUE(tp.printer.find("Total N/P/S DAYS. ---------------------->458"));
  EXPECT_TRUE(tp.printer.find("This SUMMARY was printed on 12-07-2026"));
}

TEST_F(ReportWindows, AYearWithoutLittersSaysSoAndStillOpens) {
  tp.dialogs.type("2030");
  tp.windows.on("HogRept3", as<HogRept3>([](HogRept3& w) {
    EXPECT_FALSE(w.PntHerdPfr->isEnabled());
    EXPECT_EQ(w.Figures[0]->Caption(), "2");
    EXPECT_EQ(w.Figures[static_cast<int>(HerdFigure::TotalNps)]->Caption(), "0");
    w.ExitHerdPfr->Press();
  }));
  OpenHerdPerformance();
  EXPECT_EQ(tp.windows.shownModal, std::vector<std::string>{"HogRept3"});
  EXPECT_TRUE(LastBoxIs(tp.dialogs, {"NO LITTER(s) FOUND FOR ENTERED YEAR!!\r(2030)\rWE Can't Compute any AVERAGES!",
                                     "HERD   DATA   ERROR"}));
}

TEST_F(ReportWindows, ACancelledYearOpensNothing) {
  tp.dialogs.cancelInput();
  OpenHerdPerformance();
  EXPECT_TRUE(tp.windows.shownModal.empty());
  EXPECT_EQ(ReportYear, "");
}

}  // namespace
