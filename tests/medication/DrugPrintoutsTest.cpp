// The drug list's printouts: the listing, data sheet and totals lines, the
// year prompt, and the three printouts run from the drug list after a query.
#include <QString>

#include "common/FixedLine.h"
#include "common/NumberText.h"
#include "medication/DialogHog5.h"
#include "medication/DrugFixture.h"
#include "medication/DrugListLine.h"
#include "medication/DrugPrintouts.h"
#include "medication/Drug_1.h"
#include "support/FailingDisk.h"

namespace {

using Lines = std::vector<std::string>;

std::vector<DrugTotal> totalsOf(const std::vector<DrugRecord>& drugs, const std::string& year) {
  DrugYearTotals totals(year);
  eachStored(drugs, [&totals](long, const uint8_t* drug) { totals.add(drug); });
  return totals.Totals();
}

// The listing lines of `records` of `drugs`.
Lines listingLines(const std::vector<DrugRecord>& drugs, const std::vector<long>& records) {
  DrugListing listing(records);
  eachStored(drugs, [&listing](long n, const uint8_t* drug) { listing.add(n, drug); });
  const ListingLines lines = listing.Lines();
  Lines texts;
  for (size_t i = 0; i < lines.count; ++i) texts.push_back(lines.line(i));
  return texts;
}

// The listing line of one drug, written from its stored bytes.
std::string listingLine(const DrugRecord& drug) { return listingLines({drug}, {1}).at(0); }

// Columns 1-based, as the printed lines are laid out.
std::string cols(const std::string& line, size_t from, size_t to) { return line.substr(from - 1, to - from + 1); }

}  // namespace

TEST(DrugPrintouts, ListingLineColumns) {
  const std::string line = listingLine(aDrug("PENVK1").name("Pen-V").kind("F", "L", 100).onHand(1234.56f));
  ASSERT_EQ(line.size(), 88u);
  EXPECT_EQ(cols(line, 3, 8), "PENVK1");
  EXPECT_EQ(cols(line, 17, 36), "Pen-V               ");
  EXPECT_EQ(cols(line, 44, 54), "100. Lb/Ton");  // a longer dosage keeps its leftmost characters
  EXPECT_EQ(cols(line, 61, 70), "FEED MED. ");
  EXPECT_EQ(cols(line, 79, 85), " 1234.6");
  EXPECT_EQ(Trim(cols(line, 1, 2) + cols(line, 9, 16) + cols(line, 37, 43) + cols(line, 55, 60) + cols(line, 71, 78) +
                 cols(line, 86, 88)),
            "");
}

// A line for each record given, in the order given, as often as it is given;
// a record past the end of the file gives none.
TEST(DrugPrintouts, ListingLinesFollowTheRecordsGiven) {
  const std::vector<DrugRecord> drugs = {aDrug("AMX").name("Amox"), aDrug("PEN").name("Pen-V"),
                                         aDrug("AMX").name("Amox B")};
  EXPECT_EQ(listingLines(drugs, {2, 1, 3, 9, 2}),
            (Lines{listingLine(drugs[1]), listingLine(drugs[0]), listingLine(drugs[2]), listingLine(drugs[1])}));
}

// Groups by upper-cased name in the order names first occur; each step of a
// sum rounds as its text does; only dates ending in the year count.
TEST(DrugPrintouts, YearlyTotalsByName) {
  const std::vector<DrugTotal> totals = totalsOf(
      {aDrug("P1").name("Pen-V").kind("V", "M", 1).onHand(2.5f).bought(10, 20.004),
       aDrug("W1").name("Aqua").kind("W", "O", 1).set(&DrugRecord::PurchaseDate, std::string("03/01/2023")),
       aDrug("P2").name("PEN-V").kind("F", "M", 1).onHand(0.04f).bought(0.04f, 0.004),
       aDrug("F1").name("Feedmix").kind("F", "L", 1).onHand(1).bought(3, 1.5),
       aDrug("")},
      "2024");
  ASSERT_EQ(totals.size(), 2u);
  EXPECT_EQ(totals[0].name, "PEN-V");
  EXPECT_EQ(totals[0].type, "VACCINE");
  EXPECT_EQ(totals[0].inventory, "2.5");   // 2.5 + 0.04, rounded at the step
  EXPECT_EQ(totals[0].purchased, "10.0");
  EXPECT_EQ(totals[0].cost, "20.00");      // 20.00 + 0.004 (20.004 was "20.00")
  EXPECT_EQ(DrugTotalsLine(totals[0]),
            "PEN-V                  VACCINE          10.0         2.5         7.5        20.00   ");
  EXPECT_EQ(totals[1].type, "FEED MED");
  EXPECT_TRUE(totalsOf({aDrug("P1")}, "024").size() == 1 && totalsOf({aDrug("P1")}, "2023").empty());
}

TEST(DrugPrintouts, SheetLinesShowAnEmptyDateEmpty) {
  DrugRecord drug = aDrug("OXY").name("Oxytet").kind("W", "O", 1.25f).bought(40, 99.5);
  drug.PurchaseDate = records::kEmptyDate;
  drug.WithdrawalDays = "14";
  const Lines lines = DrugSheetLines(SheetFieldsOf(drug));
  EXPECT_EQ(lines, (Lines{"",
                          "Drug NAME. ------------------------>Oxytet",
                          "Drug Type. (Vaccine, Feed, Water) ->WATER MEDICATION",
                          "Drug UNIT Value. ------------------>OZ/Gal",
                          "Drug MANUFACTURER. ---------------->",
                          "Standard Dosage. ------------------>1.3",
                          "LOT/Serial NUMBER. ---------------->",
                          "WITHDRAWAL PERIOD in Days. -------->14",
                          "Date PURCHASED. ------------------->",
                          "Date Of EXPIRATION. --------------->",
                          "AMOUNT remaining in INVENTORY. ---->100.0",
                          "COST of DRUG. --------------------->99.50",
                          "AMOUNT of DRUG PURCHASED. --------->40.0"}));
}

// The year prompt: what is typed, in turn, and the answers to the
// wrong-length question; the year it gives.
TEST_F(DrugTest, AskDrugYearTakesFourCharactersTrimmed) {
  const struct {
    std::vector<std::optional<std::string>> typed;
    std::vector<int> answers;
    std::optional<std::string> year;
  } cases[] = {
      {{" 2023 "}, {}, "2023"},
      {{std::nullopt}, {}, std::nullopt},
      {{""}, {}, std::nullopt},
      {{"23", "2023"}, {platform::vbYes}, "2023"},
      {{"20234"}, {platform::vbNo}, std::nullopt},
  };
  for (const auto& c : cases) {
    tp.dialogs.clear();
    for (const auto& t : c.typed) t ? tp.dialogs.type(*t) : tp.dialogs.cancelInput();
    for (int a : c.answers) tp.dialogs.answer(a);
    std::string year = "none";
    EXPECT_EQ(AskDrugYear(year), c.year.has_value());
    if (c.year) EXPECT_EQ(year, *c.year);
    EXPECT_EQ(tp.dialogs.shown.front().title, "ENTER  DRUG  YEAR");
    EXPECT_EQ(tp.dialogs.shown.front().defaultText, "2024");
    if (!c.answers.empty()) {
      EXPECT_EQ(tp.dialogs.shown[1].text, "INVALID DATE " + Trim(*c.typed[0]) + "!\r\rDo you want to re-enter the DATE?");
      EXPECT_EQ(tp.dialogs.shown[1].title, "DRUG  YEAR  ERROR");
    }
  }
}

// A query narrows the list; the listing prints what it shows under the
// query, the sheets one document per record of the chosen codes, and the
// totals the year typed with blanks around it.
TEST_F(DrugTest, QueryThenTheThreePrintouts) {
  writeDrugs({aDrug("PEN").name("Pen-V").onHand(0), aDrug("OXY").name("Oxytet"), aDrug("PEN").name("Pen-V")});
  Drug_1 w;
  w.Show();
  ASSERT_EQ(w.Drug_List->ListCount(), 2);  // the first PEN has nothing on hand
  tp.windows.on("DialogHog5", as<DialogHog5>([](DialogHog5& d) {
    EXPECT_EQ(d.Caption(), "QUERY   DRUG   LIST");
    EXPECT_EQ(d.DQCan->Caption(), " CANCEL");
    d.DQCombo->SetListIndex(d.DQCombo->findText(QString("By DRUG Name")));
    d.DQData->SetText("pen");
    d.DQExe->Press();
  }));
  w.MainDrug->Click(Drug_1::Query);
  EXPECT_EQ(w.DQDisp->Caption(), "By DRUG Name,  PEN");
  ASSERT_EQ(w.Drug_List->ListCount(), 2);  // both records of PEN, the one of 0 too
  EXPECT_EQ(w.Drug_List->List(0).substr(55, 7), "    0.0");
  EXPECT_TRUE(w.MainDrug->Visible(Drug_1::Print));

  tp.dialogs.answer(platform::vbOK);
  w.PrintMenu->Click(Drug_1::DrugListPrint);
  EXPECT_EQ(tp.dialogs.last().text, "PRINT DRUG LISTING?");
  EXPECT_EQ(tp.dialogs.last().title, "PRINT  DRUG  RECORD(s)");
  const std::string listed = listingLine(aDrug("PEN").name("Pen-V"));
  const std::string heading = FixedLine(88).put(2, "By DRUG Name,  PEN", 61).put(63, "DRUG           INVENTORY", 24).str();
  EXPECT_EQ(tp.printer.texts(1),
            (Lines{"D R U G   L I S T I N G", heading,
                   " DRUG CODE        DRUG (NAME)                DOSAGE           TYPE             AMOUNT ", "",
                   listingLine(aDrug("PEN").name("Pen-V").onHand(0)), listed,
                   listingLine(aDrug("PEN").name("Pen-V").onHand(0)), listed,
                   "*** END OF LISTING ***"}));

  w.Drug_List->SetSelected(1, true);
  tp.dialogs.answer(platform::vbYes);
  w.PrintMenu->Click(Drug_1::DrugSheet);
  EXPECT_EQ(tp.dialogs.last().title, "P R I N T   D R U G   D A T A   S H E E T S");
  EXPECT_EQ(SelectedDrugRecs, (std::vector<long>{0, 1, 3}));  // more sheets than list lines
  EXPECT_EQ(tp.printer.finishedDocuments, 3);
  EXPECT_EQ(tp.printer.texts(2).front(), "D R U G  C O D E (PEN) S H E E T");
  EXPECT_NE(tp.printer.find(" *** N O T E   P A D *** "), nullptr);
  EXPECT_EQ(w.DQDisp->Caption(), "By ALL DRUG(s)");
  EXPECT_EQ(w.Drug_List->ListCount(), 2);
  {
    // The run over the file takes three reads; the fourth, of the first
    // sheet's record, fails.
    FailingDisk disk(4, DiskFault::ReadError);
    w.Drug_List->SetSelected(0, true);
    tp.dialogs.answer(platform::vbYes);
    w.PrintMenu->Click(Drug_1::DrugSheet);
  }
  EXPECT_EQ(tp.dialogs.last().title, "PRINT  SELECTED  DRUG  RECORDS");
  EXPECT_NE(tp.dialogs.last().text.find("Input/output error"), std::string::npos);
  EXPECT_EQ(tp.printer.finishedDocuments, 3);

  tp.dialogs.type(" 2024").answer(platform::vbOK);
  w.PrintMenu->Click(Drug_1::YearlyTotals);
  EXPECT_EQ(tp.dialogs.last().title, "P R I N T   D R U G   T O T A L'S  for (2024)");
  EXPECT_EQ(tp.printer.texts(4),
            (Lines{"D R U G   T O T A L S  for (2024)", "Date of REPORT is: 06/01/2024",
                   "DRUG NAME.             DRUG TYPE.  AMT PURCH.  AMT in INV.  AMT USED.  TOTAL COST", "",
                   "PEN-V                  VACCINE         200.0       100.0       100.0       100.00   ",
                   "OXYTET                 VACCINE         100.0       100.0         0.0        50.00   ",
                   "*** END OF LISTING ***"}));
  const PrintedItem* totalsLine =
      tp.printer.find("OXYTET                 VACCINE         100.0       100.0         0.0        50.00   ");
  ASSERT_NE(totalsLine, nullptr);
  EXPECT_EQ(totalsLine->font.size, 11.5);  // 82 columns at 12 points would run past the page

  tp.dialogs.type("1999").answer(platform::vbOK);
  w.PrintMenu->Click(Drug_1::YearlyTotals);
  EXPECT_EQ(tp.dialogs.last().text, "NO DRUG RECORDS FOUND!");
  EXPECT_EQ(tp.dialogs.last().title, "PRINT   DRUG   LISTING");
  EXPECT_EQ(tp.printer.documents, 4);
  EXPECT_FALSE(tp.screen.hourglass());
}
