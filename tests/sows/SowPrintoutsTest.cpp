// The sow list's PRINT items: the sow card's rows and lines, the selection of
// the sows to print, the listing and the dates-due report, each on the
// recording printer, and the dates-due dialog's checks.
#include "common/FixedLine.h"
#include "common/PrintListing.h"
#include "common/DateChecks.h"
#include "records/Fields.h"
#include "sows/DialogHog1.h"
#include "sows/HogSow1.h"
#include "sows/SowCard.h"
#include "sows/SowPrintouts.h"
#include "sows/SowWindowFixture.h"
#include "support/BoxMatch.h"
#include "support/ListLines.h"

using namespace platform;

namespace {

using Lines = std::vector<std::string>;

// What a listing document printed between its headings and its closing
// banner: slot 0, then its lines.
Lines body(const RecordingPrinter& printer, int document) {
  Lines texts = printer.texts(document);
  if (texts.size() < 4) return {};
  return Lines(texts.begin() + 3, texts.end() - 1);
}

std::string cardRow(int parity, const std::vector<std::pair<int, std::string>>& values) {
  std::string row(86, ' ');
  row[3] = static_cast<char>('0' + parity);
  for (const auto& [column, text] : values) row.replace(static_cast<size_t>(column - 1), text.size(), text);
  return row;
}

}  // namespace

struct ParityRowCase {
  const char* name;
  FarrowRecord litter;
  std::array<std::string, 10> values;
};
inline void PrintTo(const ParityRowCase& c, std::ostream* os) { *os << c.name; }

class ParityRowTest : public ::testing::TestWithParam<ParityRowCase> {};

TEST_P(ParityRowTest, FormatsTheLitter) {
  // Each value at its column: born, alive, weaned, percent stillborn and
  // pre-weaning mortality, fostered to and from, the two litter weights.
  constexpr int columns[10] = {0, 13, 19, 27, 73, 81, 61, 66, 37, 48};
  std::string expected(86, ' ');
  for (size_t v = 1; v < 10; ++v)
    expected.replace(static_cast<size_t>(columns[v] - 1), GetParam().values[v].size(), GetParam().values[v]);
  FixedLine row(86);
  PutParityRow(row, GetParam().litter);
  EXPECT_EQ(row.str(), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Litters, ParityRowTest,
    ::testing::Values(
        ParityRowCase{"weaned", aLitter().pigs(10, 9).fostered(1, 2).weaned(7).weights(31.5f, 101.25f),
                      {"", "10", "9", "7", "31.50", "101.25", "1", "2", "10.00", "12.50"}},
        ParityRowCase{"notWeaned", aLitter().pigs(12, 12).weights(30, 0),
                      {"", "12", "12", "0", "30.00", "0.00", "0", "0", "0.00", ""}},
        ParityRowCase{"noneBorn", aLitter().pigs(0, 0).weaned(0), {"", "0", "0", "0", "0.00", "0.00", "0", "0", "", ""}},
        ParityRowCase{"noneLeftToNurse", aLitter().pigs(4, 2).fostered(0, 2).weaned(1),
                      {"", "4", "2", "1", "0.00", "0.00", "0", "2", "50.00", ""}}),
    [](const auto& info) { return std::string(info.param.name); });

class SowPrintoutsTest : public SowWindowTest {
 protected:
  // S1 with three litters and notes, S2 without and with a blank due date,
  // S1 again in record 4.
  void writeCardHerd() {
    writeRecords<SowRecord>(sowPath(), {aSow("S1").breed(" YORKSHIRE").due("05-20-2024").bred("01/26/2024", "B7")
                                            .litters({1, 2, 3}).note(1, "   FIRST NOTE").note(14, "LAST"),
                                        aSow("S2").due(std::string(10, ' ')), aSow(""), aSow("S1").litters({3})});
    writeRecords<FarrowRecord>(farrowPath(), {aLitter().pigs(10, 9).fostered(1, 2).weaned(7).weights(31.5f, 101.25f),
                                              aLitter().pigs(12, 11).weaned(11).weights(1234567, 100),
                                              aLitter().pigs(8, 8)});
  }
  HogSow1& openList() {
    list_ = std::make_unique<HogSow1>();
    list_->Show();
    return *list_;
  }
  std::unique_ptr<HogSow1> list_;
};

TEST_F(SowPrintoutsTest, CardOfThreeLittersFillsThreeRows) {
  writeCardHerd();
  const records::FileImage<SowRecord> sows = records::FileImage<SowRecord>::of(readRecords<SowRecord>(sowPath()));
  const records::FileImage<FarrowRecord> litters =
      records::FileImage<FarrowRecord>::of(readRecords<FarrowRecord>(farrowPath()));
  LoadSowHistory(1, sows, litters);
  const std::vector<std::string> lines = SowCardLines(litters);
  ASSERT_EQ(lines.size(), 40u);
  EXPECT_EQ(lines[0], cardRow(1, {{13, "10"}, {19, "9"}, {27, "7"}, {37, "10.00"}, {48, "12.50"}, {61, "1"},
                                  {66, "2"}, {73, "31.50"}, {81, "101.25"}}));
  EXPECT_EQ(lines[1].substr(72), "123456  100.00");  // the weight is cut to its six columns
  EXPECT_EQ(lines[2].substr(46, 10), std::string(10, ' '));  // not weaned: no mortality
  EXPECT_EQ(lines[3], cardRow(4, {}));
  EXPECT_EQ(lines[8], cardRow(9, {}));
  EXPECT_EQ(lines[9], std::string(76, ' '));
  EXPECT_EQ(lines[10], "Breed of SOW. ----------------------->YORKSHIRE");
  EXPECT_EQ(lines[11], "Date Due to FARROW. ----------------->05/20/2024");
  EXPECT_EQ(lines[12], "BOAR bred to. ----------------------->B7");
  EXPECT_EQ(lines[13], "Average number of Pigs BORN. -------->10.00");
  EXPECT_EQ(lines[14], "Average number of Pigs BORN ALIVE. -->9.33");
  EXPECT_EQ(lines[15], "Average number of Pigs WEANED. ------>6.00");
  EXPECT_EQ(lines[17], std::string(32, ' ') + "*** N O T E   P A D ***");
  EXPECT_EQ(lines[18], "FIRST NOTE");
  EXPECT_EQ(lines[19], "");
  EXPECT_EQ(lines[31], "LAST");
  EXPECT_EQ(lines[33], std::string(26, ' ') + "*** F A R R O W I N G   D A T A ***");
  EXPECT_EQ(lines[37], "LITTER BIRTH WEIGHT -> ________           PIG'S FOSTERED --------> To____ From____");
  EXPECT_EQ(lines[39], "This SOW CARD was printed on. 06/01/2024");
  LoadSowHistory(2, sows, litters);
  const std::vector<std::string> none = SowCardLines(litters);
  EXPECT_EQ(none[11], "Date Due to FARROW. ----------------->__/__/____");
  EXPECT_EQ(none[13], "Average number of Pigs BORN. -------->0.00");
  EXPECT_EQ(none[0], cardRow(1, {}));
  LoadSowHistory(4, sows, litters);
  EXPECT_EQ(SowCardLines(litters)[11], "Date Due to FARROW. ----------------->__/__/____");  // stored as empty
}

TEST_F(SowPrintoutsTest, SowCardsPrintOneDocumentPerMatchingRecord) {
  writeCardHerd();
  HogSow1& w = openList();
  ASSERT_EQ(w.SowList->ListCount(), 3);
  w.SowList->SetSelected(0, true);  // S1, held by records 1 and 4
  w.SowList->SetSelected(1, true);  // S2
  tp.dialogs.answer(vbYes);
  w.SowPrint->Click(HogSow1::SowCards);
  EXPECT_TRUE(LastBoxIs(tp.dialogs, {"PRINT SELECTED SOW CARDS?", "P R I N T    S O W    C A R D S", vbQuestion, vbYesNo}));
  ASSERT_EQ(tp.printer.documents, 3);
  EXPECT_EQ(tp.printer.texts(1)[0], "S O W  I D (S1)  C A R D");
  EXPECT_EQ(tp.printer.texts(1)[1],
            "           ----- P I G S -----     PERCENT     PRE-WEAN     FOSTERED    LITTER WT's.  ");
  EXPECT_EQ(tp.printer.texts(1)[2],
            " PARITY    BORN  ALIVE  WEANED    STILLBORN    MORTALITY    TO  FROM    BIRTH  WEANED ");
  EXPECT_EQ(tp.printer.texts(1).back(), "*** END OF LISTING ***");
  EXPECT_EQ(tp.printer.texts(2)[0], "S O W  I D (S1)  C A R D");
  EXPECT_EQ(body(tp.printer, 2)[1].substr(0, 15), "   1        8  ");  // record 4's one litter
  EXPECT_EQ(tp.printer.texts(3)[0], "S O W  I D (S2)  C A R D");
  EXPECT_EQ(SelectedSowRecs, (std::vector<long>{0, 1, 4, 2}));
  for (const PrintedPage& page : tp.printer.pages) EXPECT_EQ(page.page, 1);
}

// Each sheet with the litters of its own record: S1's three, record 4's one,
// S2's none.
TEST_F(SowPrintoutsTest, SelectedHistoriesPrintTheSheetsOrSayNoneWasSelected) {
  writeCardHerd();
  HogSow1& w = openList();
  w.SowList->SetSelected(0, true);
  w.SowList->SetSelected(1, true);
  tp.dialogs.answer(vbNo);
  w.SowPrint->Click(HogSow1::SelectedHistories);
  EXPECT_EQ(tp.printer.documents, 0);
  tp.dialogs.answer(vbYes);
  w.SowPrint->Click(HogSow1::SelectedHistories);
  ASSERT_EQ(tp.printer.documents, 3);
  const struct {
    const char* title;
    const char* born;
  } sheets[] = {{"S O W  I D (S1)  H I S T O R Y", "30"},
                {"S O W  I D (S1)  H I S T O R Y", "8"},
                {"S O W  I D (S2)  H I S T O R Y", "0"}};
  for (int document = 1; document <= 3; ++document) {
    const Lines texts = tp.printer.texts(document);
    EXPECT_EQ(texts[0], sheets[document - 1].title);
    const std::string born = std::string("TOTAL Number of PIGs Born. ------------------->") + sheets[document - 1].born;
    EXPECT_NE(std::find(texts.begin(), texts.end(), born), texts.end()) << document;
  }
  w.SowList->SetSelected(0, false);
  w.SowList->SetSelected(1, false);
  tp.dialogs.answer(vbYes);
  w.SowPrint->Click(HogSow1::SelectedHistories);
  EXPECT_TRUE(LastBoxIs(tp.dialogs, {"NO SOWS WERE SELECTED!", "PRINT  SELECTED  SOW  HISTORIES"}));
  EXPECT_EQ(tp.printer.documents, 3);
}

TEST_F(SowPrintoutsTest, SelectionFindsEveryRecordOfEachRowInRowOrder) {
  std::vector<SowRecord> herd;
  for (int i = 0; i < 30; ++i) herd.push_back(aSow(i % 2 ? "TWIN" : "ODD"));
  herd.push_back(aSow(""));
  const auto sows = records::FileImage<SowRecord>::of(herd);
  // A row's ID with a trailing blank, or longer than an ID, is no stored ID.
  const std::vector<long> chosen = SelectedSowRecords({"TWIN", "", "NONE", "ODD", "ODD ", "TWINTWINX"}, sows);
  ASSERT_EQ(chosen.size(), 30u);
  EXPECT_EQ(chosen[0], 2);
  EXPECT_EQ(chosen[14], 30);
  EXPECT_EQ(chosen[15], 1);
}

TEST_F(SowPrintoutsTest, DisplayListingPrintsEveryRowOfThePage) {
  writeRecords<SowRecord>(sowPath(), {aSow("S1").breed("YORKSHIRE").location("PEN1").parities(2)
                                          .set(&SowRecord::Backfat, 0.75f).set(&SowRecord::Loineye, 1.25f),
                                      aSow("S2").left("03/15/2004"), aSow("S3").set(&SowRecord::DaysTo230, int16_t{180}),
                                      aSow("S4").set(&SowRecord::Backfat, 1.25f)});
  HogSow1& w = openList();
  tp.dialogs.answer(vbYes);
  w.SowPrint->Click(HogSow1::DisplayListing);
  EXPECT_TRUE(LastBoxIs(tp.dialogs, {"PRINT SOW LISTING?", "PRINT  SOW  RECORD(s)", vbQuestion, vbYesNo}));
  ASSERT_EQ(tp.printer.documents, 1);
  const Lines texts = tp.printer.texts(1);
  EXPECT_EQ(texts[0], "S O W   L I S T I N G");
  EXPECT_EQ(texts[1], " All ACTIVE SOW's." + std::string(32, ' ') + "Days To" + std::string(23, ' '));
  EXPECT_EQ(texts[2], " SOW ID             BREED             LOCATION    230 Lbs  BACKFAT  LOINEYE  PARITY");
  const Lines lines = body(tp.printer, 1);
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[1], FixedLine(84).put(2, "S1", 8).put(15, "YORKSHIRE", 20).put(39, "PEN1", 8).put(51, "0", 3)
                          .put(60, ".75", 4).put(69, "1.25", 4).put(80, "2", 2).str());
  EXPECT_EQ(lines[2], FixedLine(84).put(2, "S3", 8).put(51, "180", 3).put(60, "0", 4).put(69, "0", 4)
                          .put(80, "0", 2).str());
  EXPECT_EQ(lines[3], FixedLine(84).put(2, "S4", 8).put(51, "0", 3).put(60, "1.25", 4).put(69, "0", 4)
                          .put(80, "0", 2).str());
  EXPECT_EQ(w.SowFileCount, 4);
  EXPECT_EQ(lineOf<SowRecord>(aSow("S2").left("03/15/2004"), WriteSowListingLine),
            FixedLine(84).put(2, "S2", 8).put(13, "THIS SOW LEFT THE HERD ON (03/15/2004)", 40).str());
}

struct DueCase {
  const char* name;
  SowBuilder sow;
  std::string printed;  // "" when left out
};
inline void PrintTo(const DueCase& c, std::ostream* os) { *os << c.name; }

class DatesDueTest : public ::testing::TestWithParam<DueCase> {};

TEST_P(DatesDueTest, TakesTheSowsDueInTheRange) {
  const auto sows = records::FileImage<SowRecord>::of({GetParam().sow});
  const Lines lines = DatesDueLines("03/01/2020", "03/31/2020", sows);
  if (GetParam().printed.empty()) EXPECT_EQ(lines, Lines{});
  else EXPECT_EQ(lines, Lines{GetParam().printed});
}

INSTANTIATE_TEST_SUITE_P(
    Sows, DatesDueTest,
    ::testing::Values(
        DueCase{"firstDay", aSow("A1").location("PEN").parities(3).bred("11/08/2019", "BOAR1234").due("03/01/2020"),
                FixedLine(80).put(2, "A1", 8).put(14, "PEN", 8).put(31, "3", 2).put(42, "11/08/2019", 10)
                    .put(60, "03/01/2020", 10).put(75, "BOAR12", 6).str()},
        DueCase{"lastDay", aSow("A2").due("03/31/2020"),
                FixedLine(80).put(2, "A2", 8).put(31, "0", 2).put(42, "__/__/____", 10).put(60, "03/31/2020", 10).str()},
        DueCase{"eightDigits", aSow("A3").due("03152020"),
                FixedLine(80).put(2, "A3", 8).put(31, "0", 2).put(42, "__/__/____", 10).put(60, "03/15/2020", 10).str()},
        DueCase{"dayAfter", aSow("A4").due("04/01/2020"), ""},
        DueCase{"leftTheHerd", aSow("A5").due("03/10/2020").left("03/01/2020"), ""},
        DueCase{"blankDue", aSow("A6").due("          "), ""},
        DueCase{"emptyDue", aSow("A7"), ""},
        DueCase{"freeRecord", aSow("").due("03/10/2020"), ""}),
    [](const auto& info) { return std::string(info.param.name); });

struct DueDateCheckCase {
  const char* name;
  std::string typed;
  DueDateField field;
  Check refusal;
};
inline void PrintTo(const DueDateCheckCase& c, std::ostream* os) { *os << c.name; }

class DueDateCheckTest : public ::testing::TestWithParam<DueDateCheckCase> {};

TEST_P(DueDateCheckTest, RefusesOrPasses) {
  EXPECT_EQ(CheckDueDate(GetParam().typed, GetParam().field), GetParam().refusal);
}

INSTANTIATE_TEST_SUITE_P(
    Dates, DueDateCheckTest,
    ::testing::Values(
        DueDateCheckCase{"noFrom", "__/__/____", kDueFromField,
                         Refusal{"NO DATE FROM, ENTERED!", "DUE DATE ERRORS", vbExclamation, kDueFromField}},
        DueDateCheckCase{"noTo", "__/__/____", kDueToField,
                         Refusal{"NO DATE TO, ENTERED!", "DUE DATE ERRORS", vbExclamation, kDueToField}},
        DueDateCheckCase{"badMonth", "13/01/2020", kDueToField, CheckDate("13/01/2020", 1990, kDueToField)},
        DueDateCheckCase{"tooEarly", "12/31/1989", kDueFromField, CheckDate("12/31/1989", 1990, kDueFromField)},
        DueDateCheckCase{"valid", "03/01/2020", kDueFromField, std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SowPrintoutsTest, DatesDuePrintsOnlyAfterBothDatesWereAccepted) {
  writeRecords<SowRecord>(sowPath(), {aSow("S1").due("03/05/2020"), aSow("S2").due("03/20/2020"),
                                      aSow("S3").due("05/01/2020")});
  HogSow1& w = openList();
  // A valid From, a missing To, then the close box: nothing is printed.
  tp.windows.on("DialogHog1", as<DialogHog1>([](DialogHog1& d) {
    d.DateFrom->SetText("03/01/2020");
    d.AcceptDueDate->Press();
    d.Unload(vbFormControlMenu);
  }));
  w.SowPrint->Click(HogSow1::DatesDue);
  EXPECT_TRUE(LastBoxIs(tp.dialogs, {"NO DATE TO, ENTERED!", "DUE DATE ERRORS"}));
  EXPECT_EQ(DueDateRange[1], "03/01/2020");
  EXPECT_EQ(tp.printer.documents, 0);
  // From later than To: the box, nothing printed.
  tp.windows.on("DialogHog1", as<DialogHog1>([](DialogHog1& d) {
    d.DateFrom->SetText("04/01/2020");
    d.DateTo->SetText("03/01/2020");
    d.AcceptDueDate->Press();
  }));
  w.SowPrint->Click(HogSow1::DatesDue);
  EXPECT_TRUE(LastBoxIs(tp.dialogs, {"NO SOWS WERE DUE BETWEEN THE ENTERED DATES BELOW:\r04/01/2020 > 03/01/2020",
                                     "ERROR:  SOW(s) DUE"}));
  EXPECT_EQ(tp.printer.documents, 0);
  tp.windows.on("DialogHog1", as<DialogHog1>([](DialogHog1& d) {
    d.DateFrom->SetText("03/01/2020");
    d.DateTo->SetText("03/31/2020");
    d.AcceptDueDate->Press();
  }));
  w.SowPrint->Click(HogSow1::DatesDue);
  ASSERT_EQ(tp.printer.documents, 1);
  const Lines texts = tp.printer.texts(1);
  EXPECT_EQ(texts[0], "S O W    D U E    D A T E S");
  EXPECT_EQ(texts[1], "");
  EXPECT_EQ(texts[2], " SOW ID      LOCATION       PARITY       DATE BRED         DATE DUE       BOAR ID");
  const Lines lines = body(tp.printer, 1);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[1].substr(0, 10), " S1       ");
  EXPECT_EQ(lines[2].substr(59, 10), "03/20/2020");
  EXPECT_EQ(PrintJob.LinesPerPage, 46);
}

TEST_F(SowPrintoutsTest, DueDateDialogClearEmptiesTheBoxesAndKeepsTheRange) {
  DialogHog1 d;
  d.Load();
  EXPECT_EQ(d.Caption(), "SOW  DUE  DATES");
  EXPECT_EQ(DueDateRange[1], "__/__/____");
  d.DateFrom->SetText("03/01/2020");
  d.DateTo->SetText("03/31/2020");
  d.ClearDueDate->Press();
  EXPECT_EQ(d.DateFrom->Text(), "__/__/____");
  EXPECT_EQ(d.DateTo->Text(), "__/__/____");
  EXPECT_EQ(DueDateRange[2], "__/__/____");
}
