// Every listing and sheet the program prints, each with its widest content
// (every text at its field's width, figures at the most their fields take),
// stays within the printable width of its page on the recording printer;
// and the listing printer's fitting of a listing too wide for its sizes.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "boars/BoarHistory.h"
#include "boars/BoarHistorySheet.h"
#include "boars/HogBoar1.h"
#include "boars/HogBoar6.h"
#include "common/HogGlobals.h"
#include "common/PrintListing.h"
#include "common/PrintSheet.h"
#include "feed/FeedBatchList.h"
#include "feed/GroupFeedConversion.h"
#include "feed/HerdFeedConversion.h"
#include "feed/HogFeed8.h"
#include "feed/IngredientFile.h"
#include "groups/GroupList.h"
#include "groups/SalesList.h"
#include "medication/DrugPrintouts.h"
#include "medication/MedHistory.h"
#include "reports/FarrowPerformance.h"
#include "reports/HerdPerformance.h"
#include "sows/HogSow7.h"
#include "sows/LitterEntry.h"
#include "sows/LitterSheet.h"
#include "sows/SowCard.h"
#include "sows/SowHistory.h"
#include "sows/SowHistorySheet.h"
#include "sows/SowPrintouts.h"
#include "support/ListLines.h"
#include "support/RecordBuilders.h"

namespace {

const std::string kW8(8, 'W'), kW20(20, 'W'), kNote(70, 'W'), kLate = "12/31/2099";

SowRecord wideSow() {
  SowRecord s = aSow(kW8).breed(kW20).location(kW8).birth(kLate).entered(kLate).prv(kLate).bred(kLate, kW8).due(kLate);
  s.DaysTo230 = 32767;
  s.Backfat = s.Loineye = 9999999;
  s.PurchasePrice = s.SoldPrice = records::Currency::fromDouble(922337203685477.0);
  s.ParityCount = 9;
  for (int k = 0; k < 9; ++k) s.FarrowRecNo[static_cast<size_t>(k)] = static_cast<int16_t>(k + 1);
  for (int k = 0; k < 14; ++k) s.NoteLine.setLine(k, kNote);
  return s;
}

BoarRecord wideBoar() {
  BoarRecord b = aBoar(kW8).breed(kW20).location(kW8).birth(kLate).entered(kLate).prv(kLate).price(922337203685477.0);
  b.DaysTo230 = 32767;
  b.Backfat = b.Loineye = 9999999;
  b.SoldPrice = b.PurchasePrice;
  for (int k = 0; k < 14; ++k) b.NoteLine.setLine(k, kNote);
  return b;
}

FarrowRecord wideLitter() {
  return aLitter().bornOn("01/01/2099").pigs(32767, 1).weaned(32767, kLate, 32767).weights(9999999, 9999999)
      .fostered(32767, 32767).sire(kW8);
}

class PrintoutWidthTest : public ::testing::Test {
 public:
  TestPlatform tp;
  void SetUp() override {
    DataFolder = tp.home();
    DateText = "12/31/2099";
    QueryArgs = {"", "0", "", ""};
    writeRecords<SowRecord>(tp.path("SOW.DAT"), {wideSow()});
    writeRecords<BoarRecord>(tp.path("BOAR.DAT"), {wideBoar()});
    writeRecords<FarrowRecord>(tp.path("FARROW.DAT"), std::vector<FarrowRecord>(9, wideLitter()));
  }
  records::FileImage<SowRecord> sows() const { return records::FileImage<SowRecord>::of({wideSow()}); }
  records::FileImage<FarrowRecord> litters() const {
    return records::FileImage<FarrowRecord>::of(std::vector<FarrowRecord>(9, wideLitter()));
  }
};

struct Printout {
  const char* name;
  std::function<void(PrintoutWidthTest&)> print;
};

DrugRecord wideDrug() {
  DrugRecord d = aDrug("WWWWWW").name(std::string(20, 'W')).kind("V", "M", 9999999).onHand(9999999).bought(9999999,
                                                                                                          9999999);
  d.WithdrawalDays = "999";
  d.LotNumber = std::string(15, 'W');
  d.Manufacturer = std::string(20, 'W');
  d.PurchaseDate = "01/01/2099";
  d.ExpirationDate = kLate;
  d.DrugNote = std::string(60, 'W');
  return d;
}

}  // namespace

TEST_F(PrintoutWidthTest, EveryListingAndSheetStaysWithinThePrintableWidth) {
  const std::string today = DateText;
  const Printout printouts[] = {
      {"sow listing", [](PrintoutWidthTest& t) {
         PrintSowListing(SowListingLines({kW8}, t.sows(), 1), "By Avg. Number of PIGs WEANED, >10><12.75.  Page ");
       }},
      {"sow card", [](PrintoutWidthTest& t) {
         LoadSowHistory(1, t.sows(), t.litters());
         PrintSowCard(t.litters());
       }},
      {"sow history sheet", [](PrintoutWidthTest& t) {
         LoadSowHistory(1, t.sows(), t.litters());
         PrintSowHistory();
       }},
      {"dates due", [](PrintoutWidthTest& t) { PrintDatesDue(DatesDueLines("01/01/1990", kLate, t.sows())); }},
      {"litter sheet", [](PrintoutWidthTest& t) {
         LitterColumn c;
         FillLitterColumn(c, wideLitter(), 32767, true);
         ComputeWeaningRows(c, true);
         c[kParityRow] = "9";
         PrintLitterSheet(c, kW8);
       }},
      {"sow index", [](PrintoutWidthTest& t) {
         HogSow7 w;
         w.Load();
         t.tp.dialogs.answer(platform::vbOK);
         w.MainMenu->Click(IndexWindow::Print);
       }},
      {"boar index", [](PrintoutWidthTest& t) {
         HogBoar6 w;
         w.Load();
         t.tp.dialogs.answer(platform::vbOK);
         w.IndexMenu->Click(IndexWindow::Print);
       }},
      {"boar listing", [](PrintoutWidthTest& t) {
         HogBoar1 w;
         w.Load();
         t.tp.dialogs.answer(platform::vbYes);
         w.BoarPrint_Click(1);
       }},
      {"boar history sheet", [](PrintoutWidthTest&) {
         CurrentBoarRec = 1;
         LoadBoarHistory(9);
         PrintBoarHistory();
       }},
      {"farrowing performance", [](PrintoutWidthTest&) {
         LitterSums sums{2147483647, 2147483647, 2147483647, 2147483647, 2147483647, 2147483647, 1};
         PrintFarrowPerfPage(FarrowPerfReportLines(sums, kLate), "FARROWING PERFORMANCE",
                             WeanDatesLine({kLate, kLate, kLate, kLate}));
       }},
      {"herd performance", [](PrintoutWidthTest&) {
         HerdPerfData d;
         d.Sows = d.Replacements = d.Sold = d.ParitySum = d.Born = d.Alive = d.Weaned = d.Fostered = 2147483647;
         d.BirthWeight = d.WeaningWeight = d.DaysToWeaning = 2147483647;
         d.Litters = 1;
         PrintHerdPerfPage(HerdPerfReportLines(d, kLate), "HERD PERFORMANCE for 2099");
       }},
      {"group listing", [](PrintoutWidthTest& t) {
         writeRecords<GroupRecord>(t.tp.path("GROUP.DAT"), {aGroup("N", "999-99").in(32767, 9999999, kLate)});
         writeRecords<SalesRecord>(t.tp.path("SALES.DAT"), {aSale("F", "999-99").sold(32767, 9999999, 9999999, kLate)});
         PrintGroupList(0, "99", "N U R S E R Y   G R O U P S");
       }},
      {"sales listing and kill sheet", [today](PrintoutWidthTest&) {
         const SalesRecord sale = aSale("M", "999-99", 99)
                                      .sold(32767, 9999999, 9999999, kLate)
                                      .kill(9999999, 9999999, 9999999, 9999999, -9999999, 9999999);
         const SalesImage image = SalesImage::of({sale, sale});
         PrintSalesListingOf(image, "M", "99", today);
         KillSheetTable table;
         const int groups = PrintKillSheetGroupsOf(image, "99", today, table);
         PrintKillSheetTotalsOf(table, groups, today);
       }},
      {"drug listing, sheet and totals", [](PrintoutWidthTest&) {
         DrugListing listing({1});
         eachStored<DrugRecord>({wideDrug()}, [&listing](long n, const uint8_t* drug) { listing.add(n, drug); });
         PrintDrugListing(listing.Lines(), "By DRUG NAME, WWWWWWWWWWWWWWWWWWWW");
         PrintDrugSheet(SheetFieldsOf(wideDrug()));
         DrugRecord bought = wideDrug();
         bought.PurchaseDate = "01/01/2099";
         DrugYearTotals totals("2099");
         eachStored<DrugRecord>({bought, bought}, [&totals](long, const uint8_t* drug) { totals.add(drug); });
         PrintDrugTotals(totals.Totals(), "2099");
       }},
      {"medication history", [](PrintoutWidthTest&) {
         MedicationRecord m = aDose("WWWWWW", 9999999);
         m.SowId = kW8;
         m.DateUsed = kLate;
         m.DrugName = std::string(30, 'W');
         m.GivenBy = std::string(12, 'W');
         PrintMedHistory({lineOf(m, WriteMedHistoryLine)},
                         MedHistoryHeading("By DRUG NAME", std::string(20, 'W')));
       }},
      {"ingredient listing", [](PrintoutWidthTest&) {
         IngredientRecord r = anIngredient("WWWWWW").name(std::string(20, 'W')).pounds(2147483647, 2147483647)
                                  .cost(9999999, 9999999).dated(kLate);
         const std::vector<std::string> lines = {WriteIngredientPrintLine(IngredientFile::of({r}).bytes(1))};
         PrintIngredientListing(LinesOf(lines), "By INGREDIENT NAME,  WWWWWWWWWWWWWWWWWWWW");
       }},
      {"feed batch report", [](PrintoutWidthTest& t) {
         FeedFile = "FEED2099.DAT";
         MedFile = "MED2099.DAT";
         FeedMenuChoice = 0;
         FeedBatchRecord b = aBatch("M99999").group("999").ground(kLate).cost(9999999);
         for (int k = 0; k < 8; ++k) b.Ingredients[static_cast<size_t>(k)] = {"WWWWWW", 268435455};
         b.TotalPounds = 2147483640;
         writeRecords<FeedBatchRecord>(t.tp.path("FEED2099.DAT"), {b});
         MedicationRecord dose = aDose("WWWWWW", 9999999);
         dose.BatchId = "99999";
         writeRecords<MedicationRecord>(t.tp.path("MED2099.DAT"), {dose});
         FileFault fault;
         EXPECT_TRUE(PrintBatchReport(&fault)) << fault.path;
       }},
      {"group feed conversion", [](PrintoutWidthTest&) {
         FigureTexts texts;
         for (std::string& f : texts) f = "2147483647";
         PrintConversionSummary("F I N I S H E R", texts);
       }},
      {"herd feed conversion", [](PrintoutWidthTest&) {
         HerdFigureTexts figures;
         for (std::string& f : figures) f = "2147483647";
         PrintHerdFeedSummary("2099", figures);
       }},
  };
  for (const Printout& p : printouts) {
    SCOPED_TRACE(p.name);
    tp.printer.items.clear();
    tp.printer.pages.clear();
    const int documents = tp.printer.finishedDocuments;
    p.print(*this);
    EXPECT_GT(tp.printer.finishedDocuments, documents) << "nothing printed";
    EXPECT_GT(tp.printer.texts().size(), 3u);
    EXPECT_EQ(tp.printer.pastThePrintableWidth(), std::vector<std::string>{});
    for (const PrintedPage& page : tp.printer.pages) EXPECT_EQ(page.orientation, 1);
  }
}

TEST(PrintListingFit, AListingTooWideShrinksItsHeadingsAndLinesTogether) {
  TestPlatform tp;
  const struct {
    size_t columns;
    double points;  // the size the listing prints at; 11 fits 87 columns
    int orientation;
    int linesPerPage;
  } cases[] = {{87, 11, 1, 40},  {88, 10.5, 1, 40}, {92, 10, 1, 40}, {96, 10, 1, 40},
               {120, 8, 1, 40},  {121, 10, 2, 30},   {160, 7.5, 2, 30}};
  for (const auto& c : cases) {
    tp.printer.items.clear();
    tp.printer.pages.clear();
    const std::string line = std::string(c.columns - 1, 'W') + "X  ";  // trailing blanks print nothing
    PrintCourierListing("T I T L E", std::string(c.columns, 'H'), "", {line, "short"});
    ASSERT_NE(tp.printer.find(line), nullptr) << c.columns;
    EXPECT_EQ(tp.printer.find(line)->font.size, c.points) << c.columns;
    EXPECT_EQ(tp.printer.find(std::string(c.columns, 'H'))->font.size, c.points) << c.columns;
    EXPECT_EQ(tp.printer.find("short")->font.size, c.points) << c.columns;
    EXPECT_EQ(tp.printer.find("T I T L E")->font.size, 26) << c.columns;
    EXPECT_EQ(tp.printer.pages.back().orientation, c.orientation) << c.columns;
    EXPECT_EQ(PrintJob.LinesPerPage, c.linesPerPage) << c.columns;
    EXPECT_EQ(tp.printer.pastThePrintableWidth(), std::vector<std::string>{}) << c.columns;
  }
}

TEST(PrintListingFit, TheWidestLineIsFoundWhateverTheBlanksAfterEachLine) {
  // 88 columns shown print at 10.5 points, fewer at 11. The widest line
  // passes a narrower one by `d` columns, its last character alone standing
  // past blanks; the blanks after any line print nothing.
  TestPlatform tp;
  for (size_t d = 1; d <= 17; ++d) {
    for (size_t blanks : {0, 3, 9}) {
      const std::string narrow = std::string(88 - d, 'W') + std::string(blanks, ' ');
      const std::string wide = std::string(88 - d, 'W') + std::string(d - 1, ' ') + "X" + std::string(blanks, ' ');
      const std::string longNarrow = std::string(88 - d, 'W') + std::string(d + 20, ' ');
      const struct {
        std::vector<std::string> lines;
        double points;
      } cases[] = {{{narrow, narrow}, 11},       {{narrow, wide, narrow}, 10.5}, {{wide, narrow}, 10.5},
                   {{longNarrow, wide}, 10.5},   {{longNarrow, narrow}, 11},     {{"W", "", narrow}, 11}};
      for (const auto& c : cases) {
        tp.printer.items.clear();
        tp.printer.pages.clear();
        PrintCourierListing("T", "H", "", c.lines);
        const PrintedItem* last = tp.printer.find(c.lines.back());
        ASSERT_NE(last, nullptr) << d;
        EXPECT_EQ(last->font.size, c.points) << d << " " << blanks << " " << c.lines.size();
      }
    }
  }
}

TEST(PrintListingFit, ATextTooWideForItsPlacePrintsSmallerAndATitleStaysCentred) {
  TestPlatform tp;
  SetSheetJob("D R U G  H I S T O R Y  L I S T I N G", 12);  // 37 characters at 26 points: 11544 twips
  PrintSheet sheet("Courier New", 12);
  sheet.SetRows(0, 0);
  sheet.Row(1, std::string(81, 'W'));
  sheet.Row(2, std::string(80, 'W') + "      ");
  sheet.RuledHeading(" *** N O T E   P A D *** ", 400, 330);
  sheet.End();
  const PrintedItem* title = tp.printer.find("D R U G  H I S T O R Y  L I S T I N G");
  ASSERT_NE(title, nullptr);
  EXPECT_EQ(title->font.size, 25.5);  // 37 x 25.5 x 12 = 11322
  EXPECT_DOUBLE_EQ(title->x, (11520 - 11322) / 2.0);
  EXPECT_EQ(tp.printer.find(std::string(81, 'W'))->font.size, 11.5);
  EXPECT_EQ(tp.printer.find(std::string(80, 'W') + "      ")->font.size, 12);
  EXPECT_EQ(tp.printer.pastThePrintableWidth(), std::vector<std::string>{});
  EXPECT_EQ(FittingSize(12, std::string(81, 'W'), 11520), 11.5);
  EXPECT_EQ(FittingSize(12, std::string(200, 'W'), 0), 1);
}
