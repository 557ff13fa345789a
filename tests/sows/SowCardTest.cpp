// The sow history card, its note pad, the PRV dates and the history sheet:
// the checks and computations directly, the windows as scenarios with the
// stored bytes read back after each save.
#include <fstream>
#include <iterator>

#include <algorithm>

#include "common/PrintListing.h"
#include "sows/HogSow1.h"
#include "sows/HogSow3.h"
#include "sows/HogSow4.h"
#include "sows/HogSow5.h"
#include "sows/SowHistorySheet.h"
#include "sows/SowWindowFixture.h"

namespace {

const char kDateTitle[] = "INVALIED  DATE  ENTRY";

SowCardEntry validCard() {
  return {"YORK", "0.9", "__/__/____", "160", "6.1", "100", "0", "__/__/____", "05/01/2024", "__/__/____",
          "PEN 3", "__/__/____", "B1"};
}

// `length` stored bytes of record `rec` from offset `off`.
std::string storedBytes(const std::string& path, long rec, int off, int length, int recordLength = 1130) {
  std::ifstream in(path, std::ios::binary);
  const std::string all((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  return all.substr(static_cast<size_t>((rec - 1) * recordLength + off), static_cast<size_t>(length));
}

class SowCardTest : public SowWindowTest {};

}  // namespace

TEST(SowCardChecks, EachBoxIsRefusedInTurn) {
  const struct {
    std::string SowCardEntry::*box;
    const char* typed;
    const char* text;  // nullptr: accepted
    const char* title;
    int field;
  } cases[] = {
      {&SowCardEntry::dateEnteredHerd, "__/__/____", "DATE ENTERED HERD is a required entry!", "SOW ENTRY", 10},
      {&SowCardEntry::dateEnteredHerd, "12/31/1989", "ERROR: Your YEAR is less than 1990!", kDateTitle, 10},
      {&SowCardEntry::dateOfBirth, "13/01/2020", "ERROR: INVALIED MONTH!\r\r  Your MONTH is greater than 12!",
       kDateTitle, 4},
      {&SowCardEntry::dateLeftHerd, "02/30/2024", "ERROR: INVALIED DAY!\r\rYour DAY is to large for the entered MONTH!",
       kDateTitle, 11},
      {&SowCardEntry::prvDate, "00/10/2024", "ERROR: INVALIED MONTH!\r\r  Your MONTH is zero(0)!", kDateTitle, 9},
      {&SowCardEntry::dateBred, "12/31/9999",
       "ERROR: INVALIED YEAR!\r\rThe DATE DUE to farrow would pass 12/31/9999!", kDateTitle, 27},
      {&SowCardEntry::backfat, "9E99", "BACKFAT can't be more than 9999999!\r\rIt takes a number from 0 to 9999999.",
       "SOW ENTRY", 3},
      {&SowCardEntry::daysTo230, "40000", "DAYS TO 230 can't be more than 32767!\r\rIt takes a number from 0 to 32767.",
       "SOW ENTRY", 5},
      {&SowCardEntry::daysTo230, "1O5", "DAYS TO 230 is not a number!\r\rIt takes a number from 0 to 32767.",
       "SOW ENTRY", 5},
      {&SowCardEntry::loineye, "-9E99", "LOINEYE can't be less than 0!\r\rIt takes a number from 0 to 9999999.",
       "SOW ENTRY", 6},
      {&SowCardEntry::purchasePrice, "9E300",
       "PURCHASE PRICE can't be more than 99999999!\r\rIt takes a number from 0 to 99999999.",
       "SOW ENTRY", 7},
      {&SowCardEntry::soldPrice, "1E15",
       "SOLD PRICE can't be more than 99999999!\r\rIt takes a number from 0 to 99999999.", "SOW ENTRY",
       8},
      {&SowCardEntry::soldPrice, "-.01", "SOLD PRICE can't be less than 0!\r\rIt takes a number from 0 to 99999999.",
       "SOW ENTRY", 8},
      {&SowCardEntry::dateBred, "01/15/2020", nullptr, nullptr, 0},
  };
  for (const auto& c : cases) {
    SowCardEntry e = validCard();
    e.*(c.box) = c.typed;
    const Check got = CheckSowCard(e);
    if (!c.text) {
      EXPECT_FALSE(got) << c.typed;
      continue;
    }
    ASSERT_TRUE(got) << c.typed;
    EXPECT_EQ(*got, (Refusal{c.text, c.title, platform::vbExclamation, c.field}));
  }
}

TEST(SowCardChecks, DueDatesAndTheirLabel) {
  const struct {
    const char* in;
    const char* due;
    const char* label;
  } cases[] = {{"01/15/2020", "05/08/2020", "01/15/2020"},
               {"12/01/2019", "03/24/2020", "12/01/2019"},
               {"__/__/____", "", "__/__/____"},
               {"05082020", "", "05/08/2020"},
               {"          ", "", "__/__/____"}};
  for (const auto& c : cases) {
    if (std::string(c.in).find('/') != std::string::npos || std::string(c.in) == "__/__/____")
      EXPECT_EQ(SowCardDueDate(c.in), c.due) << c.in;
    EXPECT_EQ(DueDateLabel(c.in), c.label) << c.in;
  }
}

// The numbers of a card, read once, go into the record as their fields store
// them (the prices as Currency), and so into the working block.
TEST(SowCardChecks, TheNumbersReadOnceForTheRecordAndTheWorkingBlock) {
  const struct {
    const char *backfat, *daysTo230, *loineye, *purchase, *sold;
    float backfatIs;
    int16_t daysIs;
    float loineyeIs;
    double purchaseIs, soldIs;
  } cases[] = {{"0.9", "160", "6.1", "100", "0", 0.9f, 160, 6.1f, 100, 0},
               {" 1.25 ", "150.5", "7", "1234.56789", "0.00005", 1.25f, 150, 7, 1234.56789, 0.00005},
               {"", "151.5", "", "", "99.99", 0, 152, 0, 0, 99.99}};
  const AnimalCardFigureBoxes boxes{{"##0.00", 4}, {"##0.00", 5}, {"####0.00", 8}, {"####0.00", 8}};
  for (const auto& c : cases) {
    SowCardEntry e = validCard();
    e.backfat = c.backfat, e.daysTo230 = c.daysTo230, e.loineye = c.loineye;
    e.purchasePrice = c.purchase, e.soldPrice = c.sold;
    const AnimalCardNumbers numbers = ReadAnimalCardNumbers(e, {}, boxes);
    SowRecord sow;
    ApplySowCard(e, numbers, SowCardDueDate(e.dateBred), sow);
    EXPECT_EQ(sow.Backfat, c.backfatIs) << c.backfat;
    EXPECT_EQ(sow.DaysTo230, c.daysIs) << c.daysTo230;
    EXPECT_EQ(sow.Loineye, c.loineyeIs) << c.loineye;
    EXPECT_EQ(sow.PurchasePrice, records::Currency::fromDouble(c.purchaseIs)) << c.purchase;
    EXPECT_EQ(sow.SoldPrice, records::Currency::fromDouble(c.soldIs)) << c.sold;
    EXPECT_EQ(sow.DateDue, std::string(10, ' '));
    ApplySowCardToHistory(e, numbers, "");
    EXPECT_EQ(SowHistory.PurchasePrice, sow.PurchasePrice) << c.purchase;
    EXPECT_EQ(SowHistory.SoldPrice, sow.SoldPrice) << c.sold;
    EXPECT_EQ(SowHistory.DaysTo230, c.daysIs) << c.daysTo230;
    EXPECT_EQ(SowHistory.Backfat, c.backfatIs) << c.backfat;
  }
}

TEST(SowNotePad, AltCCentresTheLine) {
  const std::string w70(70, 'W');
  const struct {
    std::string in;
    size_t column;  // from 1; 0: left as it is
    size_t length;
  } cases[] = {{"   HELLO", 32, 5}, {"ABCDEF", 32, 6}, {"0123456789", 30, 10}, {"", 0, 0},
               {w70.substr(0, 69), 0, 69}, {w70, 0, 70}};
  for (const auto& c : cases) {
    const std::string out = CentredNoteLine(c.in);
    if (c.length == 0) {
      EXPECT_EQ(out, std::string(70, ' '));
    } else if (c.column == 0) {
      EXPECT_EQ(out, c.in);
    } else {
      ASSERT_EQ(out.size(), 70u);
      EXPECT_EQ(out.find_first_not_of(' '), c.column - 1) << c.in;
      EXPECT_EQ(out.substr(c.column - 1, c.length), c.in.substr(c.in.find_first_not_of(' ')));
    }
  }
}

TEST(SowPrvChecks, DateAndIdsAreRequired) {
  std::array<std::string, kPrvBoxes> none{}, blanks{}, one{};
  blanks[3] = "   ";
  one[7] = "a1";
  const struct {
    const char* date;
    const std::array<std::string, kPrvBoxes>* ids;
    const char* text;
    const char* title;
    int field;
  } cases[] = {{"__/__/____", &none, "You MUST enter a DATE for the PRV test.", "PRV DATE", -1},
               {"02/30/2005", &one, "ERROR: INVALIED DAY!\r\rYour DAY is to large for the entered MONTH!", kDateTitle,
                kPrvDateField},
               {"06/01/2024", &none, "You haven't entered any SOW ID'S!", "PRV TEST", 0},
               {"06/01/2024", &blanks, "You haven't entered any SOW ID'S!", "PRV TEST", 0},
               {"06/01/2024", &one, nullptr, nullptr, 0}};
  for (const auto& c : cases) {
    const Check got = CheckSowPrvEntry(c.date, *c.ids);
    if (!c.text) {
      EXPECT_FALSE(got);
      continue;
    }
    ASSERT_TRUE(got) << c.date;
    EXPECT_EQ(*got, (Refusal{c.text, c.title, platform::vbExclamation, c.field}));
  }
}

TEST_F(SowCardTest, PrvReachesActiveSowsAndLeavesOthersAlone) {
  writeRecords<SowRecord>(sowPath(), {aSow(""), aSow("A1"), aSow("GONE").left("01/01/2024"), aSow("A1"), aSow("B2")});
  tp.dialogs.answer(platform::vbOK);
  HogSow5 w;
  w.Load();
  EXPECT_EQ(w.PrvDat->Text(), "06/01/2024");
  w.PrvAccept->setFocus();
  w.PrvAccept->Press();  // no ID yet: refused, and the first ID box takes the typing
  EXPECT_EQ(w.focusWidget(), w.Prv[0]);
  w.Prv[0]->SetText(" a1 ");
  w.Prv[1]->SetText("gone");
  w.Prv[2]->SetText("NOPE");
  w.Prv[3]->SetText("   ");
  w.Prv[4]->SetText("B2");
  w.PrvAccept->Press();
  const std::vector<std::string> prv = {"__/__/____", "06/01/2024", "__/__/____", "__/__/____", "06/01/2024"};
  for (long r = 1; r <= 5; ++r) EXPECT_EQ(storedBytes(sowPath(), r, 80, 10), prv[static_cast<size_t>(r - 1)]) << r;
  EXPECT_EQ(w.Prv[0]->Text(), "");
  EXPECT_EQ(w.Prv[1]->Text(), "");
  EXPECT_EQ(w.Prv[2]->Text(), "NOPE");
  ASSERT_EQ(tp.dialogs.shown.size(), 2u);
  EXPECT_EQ(tp.dialogs.last().text,
            "The selected SOW(s) have not been found!\rThey were not updated to 06/01/2024\r"
            "Recheck the spelling of the remaining entries.");
  EXPECT_EQ(tp.dialogs.last().title, "PRV  TEST  RESULTS");
}

TEST_F(SowCardTest, CardSavesStepsRenamesAndMarksLitters) {
  writeRecords<SowRecord>(sowPath(), {aSow("S1").litters({1, 2}).entered("05/01/2023"), aSow("S2"), aSow("S3")});
  writeRecords<FarrowRecord>(farrowPath(), {aLitter(), aLitter(), aLitter()});
  select({1, 2, 3});
  HogSow3 w;
  w.Load();
  EXPECT_EQ(w.Caption(), "S O W   I D ( S1 )   H I S T O R Y");
  EXPECT_TRUE(w.NextSow->isEnabled());
  EXPECT_FALSE(w.SowBack->isEnabled());

  // Date bred and date left herd: the due date shown and stored, litters left.
  w.SowDate(27)->SetText("01/15/2020");
  w.SowDate(11)->SetText("05/01/2024");
  w.SowBox(12)->SetText(" PEN9");
  w.SaveChan->Press();
  EXPECT_EQ(w.SowFigure(28)->text().toStdString(), "05/08/2020");
  EXPECT_EQ(storedBytes(sowPath(), 1, 102, 20), "01/15/202005/08/2020");
  EXPECT_EQ(storedBytes(sowPath(), 1, 70, 10), "05/01/2024");
  EXPECT_EQ(storedBytes(sowPath(), 1, 90, 8), " PEN9   ");
  auto statuses = [&] {
    std::vector<int16_t> out;
    for (const FarrowRecord& f : readRecords<FarrowRecord>(farrowPath())) out.push_back(f.Status);
    return out;
  };
  EXPECT_EQ(statuses(), (std::vector<int16_t>{2, 2, 1}));

  // Cleared date left herd and date bred: litters back, due date blanks.
  w.SowDate(11)->SetText("__/__/____");
  w.SowDate(27)->SetText("__/__/____");
  w.SaveChan->Press();
  EXPECT_EQ(statuses(), (std::vector<int16_t>{1, 1, 1}));
  EXPECT_EQ(storedBytes(sowPath(), 1, 102, 20), "__/__/____          ");

  // A new ID: one in use is refused, a free one stored; a change ended
  // either way, or cancelled, leaves the focus in the second box.
  const auto ends = [&w](platform::CommandButton* button) {
    button->Press();  // pressed with the focus still in the first box
    EXPECT_EQ(w.focusWidget(), w.SowBox(2)) << button->objectName().toStdString();
  };
  tp.dialogs.answer(platform::vbOK);
  w.ChanSowId->Press();
  w.SowBox(1)->SetText("S2");
  ends(w.AcceptSowId);
  EXPECT_EQ(tp.dialogs.last().text, "ERROR: SOW ID (S2)\ris ALL READY USED!");
  EXPECT_EQ(storedBytes(sowPath(), 1, 0, 8), "S1      ");
  w.ChanSowId->Press();
  w.SowBox(1)->SetText("S9");
  ends(w.CancelSowId);
  EXPECT_EQ(w.SowBox(1)->Text(), "S1");
  w.ChanSowId->Press();
  w.SowBox(1)->SetText("s2");
  ends(w.AcceptSowId);
  EXPECT_EQ(storedBytes(sowPath(), 1, 0, 8), "s2      ");
  EXPECT_EQ(w.Caption(), "S O W   I D ( s2 )   H I S T O R Y");

  // Stepping through three sows.
  w.NextSow->Press();
  w.NextSow->Press();
  EXPECT_EQ(w.Caption(), "S O W   I D ( S3 )   H I S T O R Y");
  EXPECT_FALSE(w.NextSow->isEnabled());
  EXPECT_TRUE(w.SowBack->isEnabled());
  EXPECT_EQ(SelectedCount, 1);
  w.SowBack->Press();
  w.SowBack->Press();
  EXPECT_EQ(CurrentSowRec, 1);
  EXPECT_FALSE(w.SowBack->isEnabled());
  EXPECT_EQ(SelectedCount, 3);
}

TEST_F(SowCardTest, NotePadWritesTheLinesAndOldNoteBringsThemBack) {
  writeRecords<SowRecord>(sowPath(), {aSow("S1").note(1, "FIRST").note(3, "THIRD")});
  CurrentSowRec = 1;
  SowHistory.Id = "S1";
  HogSow4 pad;
  pad.Load();
  EXPECT_EQ(pad.Caption(), "S O W   I D ( S1 )   N O T E P A D");
  EXPECT_EQ(pad.SowNote[2]->Text(), "THIRD");
  pad.Note_KeyDown(0, 67, 4);
  EXPECT_EQ(pad.SowNote[0]->Text(), std::string(31, ' ') + "FIRST" + std::string(34, ' '));
  pad.ClearNote->Press();
  pad.SowNote[1]->SetText("NEW");
  pad.AcceptNote->Press();
  EXPECT_EQ(storedBytes(sowPath(), 1, 150, 140), std::string(70, ' ') + "NEW" + std::string(67, ' '));
  EXPECT_EQ(SowNotes[2], "NEW");
  pad.OldNote->Press();
  pad.AcceptNote->Press();
  EXPECT_EQ(storedBytes(sowPath(), 1, 290, 5), "THIRD");
}

TEST_F(SowCardTest, SheetPrintsTitleLabelsAndNotes) {
  SowHistory = {};
  SowHistory.Id = "A12";
  SowHistory.SoldPrice = records::Currency::fromDouble(125.5);
  SowHistory.DateOfBirth = "__/__/____";
  SowNotes = {};
  SowNotes[1] = "NOTE ONE";
  const std::vector<std::string> lines = SowHistorySheetLines();
  ASSERT_EQ(lines.size(), 28u);
  EXPECT_EQ(lines[3], "SOWs date of birth. -------------------------->");
  EXPECT_EQ(lines[9], "Sold Price of SOW. --------------------------->$125.50");
  EXPECT_EQ(lines[14], "Average Number of Pigs Weaned. --------------->0.0");
  PrintSowHistory();
  EXPECT_EQ(PrintJob.Title, "S O W  I D (A12)  H I S T O R Y");
  const std::vector<std::string> printed = tp.printer.texts();
  EXPECT_NE(std::find(printed.begin(), printed.end(), " *** N O T E   P A D *** "), printed.end());
  EXPECT_NE(std::find(printed.begin(), printed.end(), "NOTE ONE"), printed.end());
}

TEST_F(SowCardTest, ViewEditOpensTheCardOnTheSelectedSows) {
  writeRecords<SowRecord>(sowPath(), {aSow("S1"), aSow("S2"), aSow("S3")});
  std::vector<std::string> captions;
  tp.windows.on("HogSow3", as<HogSow3>([&captions](HogSow3& card) {
    captions.push_back(card.Caption());
    card.NextSow->Press();
    captions.push_back(card.Caption());
    card.SExit->Press();
  }));
  HogSow1 w;
  w.Show();
  ASSERT_EQ(w.SowList->ListCount(), 3);
  w.SowList->SetSelected(0, true);
  w.SowList->SetSelected(2, true);
  w.SowHistoryMenu->Click(HogSow1::ViewEdit);
  EXPECT_EQ(tp.windows.shownModal, (std::vector<std::string>{"HogSow3"}));
  EXPECT_EQ(captions, (std::vector<std::string>{"S O W   I D ( S1 )   H I S T O R Y",
                                                "S O W   I D ( S3 )   H I S T O R Y"}));
  EXPECT_EQ(SelectedCount, 1);
}
