// The litter window as a user runs it: three litters of one sow with their
// figures and stored bytes, a correction, the ninth-parity limit, the sire
// check, the panes and the printed sheets; and the sow list's FARROW item.
#include <cmath>

#include "sows/HogSow1.h"
#include "sows/HogSow6.h"
#include "sows/SowWindowFixture.h"
#include "support/BoxMatch.h"
#include "support/FigureSessions.h"
#include "support/RecordBytes.h"

namespace {

using platform::vbExclamation;
using platform::vbInformation;

const char kLate[] = "You must weigh between 14 and 35 DAYS!";
const char kUnavailable[] = "DATA UNAVALABLE!\r\rCan't compute 21 DAY Conversion or\rthe age of the PIGs at Weaning.";

struct TypedLitter {
  const char *born, *pigs, *alive, *birthWeight, *to, *from, *weaned, *weanedCount, *weaningWeight, *boar;
};

class HogSow6Test : public SowWindowTest {
 protected:
  void SetUp() override {
    SowWindowTest::SetUp();
    writeRecords<BoarRecord>(tp.path("BOAR.DAT"), {aBoar(""), aBoar("B1"), aBoar("B2")});
  }
  static void type(HogSow6& w, const TypedLitter& t) {
    w.FarroDate(kDateBornRow)->SetText(t.born);
    w.FarroBox(kBornRow)->SetText(t.pigs);
    w.FarroBox(kAliveRow)->SetText(t.alive);
    w.FarroBox(kBirthWeightRow)->SetText(t.birthWeight);
    w.FarroBox(kFosteredToRow)->SetText(t.to);
    w.FarroBox(kFosteredFromRow)->SetText(t.from);
    w.FarroDate(kDateWeanedRow)->SetText(t.weaned);
    w.FarroBox(kWeanedRow)->SetText(t.weanedCount);
    w.FarroBox(kWeaningWeightRow)->SetText(t.weaningWeight);
    w.FarroBox(kBoarRow)->SetText(t.boar);
  }
  static std::vector<std::string> derived(const std::function<platform::Label*(int)>& at) {
    std::vector<std::string> out;
    for (int row : {kLitterNumberRow, kStillbornRow, kMortalityRow, kAgeRow, kWeightPerPigRow, kAdjustedRow})
      out.push_back(at(row)->Caption());
    return out;
  }
  std::vector<std::string> boxTitles() const {
    std::vector<std::string> out;
    for (const ShownBox& b : tp.dialogs.shown) out.push_back(b.title);
    return out;
  }
};

}  // namespace

TEST_F(HogSow6Test, ThreeLittersAreStoredLinkedAndShown) {
  // Record 2 was freed by a deletion: the first new litter takes it.
  const FarrowRecord other = aLitter().bornOn("01/01/2024").pigs(9, 9).sire("B2");
  writeRecords<FarrowRecord>(farrowPath(), {other, FarrowRecord{}, other});
  writeRecords<SowRecord>(sowPath(), {aSow("S1").bred("01/15/2024", "B1").due("05/08/2024")});
  select({1});
  HogSow6 w;
  w.Load();
  ASSERT_EQ(w.Opening(), HogSow6::Setup::Ready);
  EXPECT_EQ(w.Caption(), "F A R R O W I N G   ( S1 )");
  EXPECT_EQ(w.FarroLabel(kParityRow)->Caption(), "1");
  EXPECT_EQ(w.FarroDate(kDateBornRow)->Text(), "05/08/2024");
  EXPECT_EQ(w.FarroBox(kBoarRow)->Text(), "B1");
  EXPECT_FALSE(w.FarroNext->isEnabled());
  EXPECT_FALSE(w.FarroBack->isEnabled());

  // Weaned at 21 days.
  type(w, {"05/08/2024", "12", "11", "35.5", "2", "1", "05/29/2024", "10", "120", "b1"});
  w.FarroNew->Press();
  EXPECT_TRUE(LastBoxIs(tp.dialogs, {"A NEW Farrow Record for PARITY #1\r has been added for SOW: S1",
                                     " NEW  FARROW  RECORD ", vbInformation}));
  EXPECT_EQ(derived([&](int r) { return w.FarroLabel(r); }),
            (std::vector<std::string>{"2", "8.33", "16.6", "21", "12", "120"}));
  EXPECT_FALSE(w.FarroNew->isEnabled());
  // Not weaned: the weaning weight typed is cleared and stored as 0.
  w.FarroClr->Press();
  EXPECT_EQ(w.FarroLabel(kParityRow)->Caption(), "2");
  type(w, {"10/01/2024", "10", "10", "30", "0", "0", "__/__/____", "", "55", "B2"});
  w.FarroNew->Press();
  EXPECT_EQ(w.FarroBox(kWeaningWeightRow)->Text(), "");
  EXPECT_EQ(derived([&](int r) { return w.FarroLabel(r); }), (std::vector<std::string>{"4", "0", "", "", "0", ""}));
  // Weaned at 35 days: late.
  w.FarroClr->Press();
  type(w, {"02/01/2025", "8", "7", "28", "0", "0", "03/08/2025", "7", "150", "B2"});
  w.FarroNew->Press();
  EXPECT_EQ(derived([&](int r) { return w.FarroLabel(r); }),
            (std::vector<std::string>{"5", "12.5", "0", "35", "21", "LATE "}));
  EXPECT_EQ(boxTitles(),
            (std::vector<std::string>{" NEW  FARROW  RECORD ", "COMPUTING  WEANING  INFROMATION!",
                                      " NEW  FARROW  RECORD ", "YOUR TOO LATE!", " NEW  FARROW  RECORD "}));
  EXPECT_EQ(tp.dialogs.shown[1].text, kUnavailable);
  EXPECT_EQ(tp.dialogs.shown[3].text, kLate);

  // The sow names her three litters; the litters hold what was typed.
  const SowRecord sow = readRecords<SowRecord>(sowPath())[0];
  EXPECT_EQ(sow.ParityCount, 3);
  EXPECT_EQ(sow.FarrowRecNo, (std::array<int16_t, 9>{2, 4, 5, 0, 0, 0, 0, 0, 0}));
  const std::string litters = readFile(farrowPath());
  ASSERT_EQ(litters.size(), 250u);
  const FarrowRecord first = aLitter()
                                 .bornOn("05/08/2024")
                                 .pigs(12, 11)
                                 .weights(35.5f, 120)
                                 .weaned(10, "05/29/2024", 21)
                                 .fostered(2, 1)
                                 .sire("b1");
  const FarrowRecord second = aLitter().bornOn("10/01/2024").pigs(10, 10).weights(30, 0).sire("B2");
  EXPECT_EQ(litters.substr(50, 50), recordBytes<FarrowRecord>({first}));
  EXPECT_EQ(litters.substr(150, 50), recordBytes<FarrowRecord>({second}));
  EXPECT_EQ(litters.substr(0, 50), recordBytes<FarrowRecord>({other}));

  // Any two litters side by side; the entry column stays as it was.
  w.ParityNum[0]->Press();
  w.ParityA->Press();
  w.ParityNum[2]->Press();
  w.ParityB->Press();
  EXPECT_EQ(w.FarroA(kParityRow)->Caption(), "1");
  EXPECT_EQ(derived([&](int r) { return w.FarroA(r); }),
            (std::vector<std::string>{"2", "8.33", "16.6", "21", "12", "120"}));
  EXPECT_EQ(w.FarroA(kBoarRow)->Caption(), "b1");
  EXPECT_EQ(derived([&](int r) { return w.FarroB(r); }),
            (std::vector<std::string>{"5", "12.5", "0", "35", "21", "LATE "}));
  EXPECT_EQ(w.FarroLabel(kParityRow)->Caption(), "3");
}

TEST_F(HogSow6Test, EditRewritesOnlyThatLitterAndKeepsItsStatus) {
  const FarrowRecord left =
      aLitter().status(FarrowRecord::LeftHerd).bornOn("01/01/2024").pigs(9, 9).weights(30, 0).sire("B1");
  writeRecords<FarrowRecord>(farrowPath(), {left, left, left});
  writeRecords<SowRecord>(sowPath(), {aSow("S1").due("05/08/2024").left("03/01/2024").litters({3, 1, 2})});
  select({1});
  HogSow6 w;
  w.Load();
  EXPECT_EQ(w.FarroLabel(kParityRow)->Caption(), "4");
  EXPECT_FALSE(w.FarroEdit->isEnabled());
  w.FarroEdit_Click();
  EXPECT_TRUE(LastBoxIs(tp.dialogs, {"You MUST select a PARITY to EDIT!", " FARROW  ERROR ", vbExclamation}));
  w.ParityNum[1]->Press();
  EXPECT_FALSE(w.FarroNew->isEnabled());
  w.FarroEdit->Press();
  EXPECT_EQ(w.FarroLabel(kParityRow)->Caption(), "2");
  EXPECT_EQ(w.FarroLabel(kLitterNumberRow)->Caption(), "1");
  EXPECT_EQ(w.FarroBox(kBoarRow)->Text(), "B1      ");
  EXPECT_EQ(w.FarroLabel(kMortalityRow)->Caption(), "");
  // Picking another parity does not change the litter EDIT loaded.
  w.ParityNum[2]->Press();
  w.FarroBox(kAliveRow)->SetText("0.4");
  w.FarroAccept->Press();
  EXPECT_TRUE(LastBoxIs(tp.dialogs, BoxOf(CheckLitterEntry({"", "", "01/01/2024", "9", "0.4"}, true))));
  w.FarroBox(kAliveRow)->SetText("8");
  w.FarroDate(kDateWeanedRow)->SetText("01/29/2024");
  w.FarroBox(kWeanedRow)->SetText("8");
  w.FarroBox(kWeaningWeightRow)->SetText("100");
  w.FarroAccept->Press();
  EXPECT_TRUE(LastBoxIs(tp.dialogs, {"The Farrow Record for PARITY #2\r has been updated for SOW: S1",
                                     " FARROW  RECORD  UPDATE ", vbInformation}));
  EXPECT_EQ(w.FarroLabel(kAdjustedRow)->Caption(), "82");
  FarrowRecord edited = left;
  edited.AliveCount = 8;
  edited.DateWeaned = "01/29/2024";
  edited.WeanedCount = 8;
  edited.WeaningAge = 28;
  edited.WeaningWeight = 100;
  EXPECT_EQ(readFile(farrowPath()), recordBytes<FarrowRecord>({edited, left, left}));
  EXPECT_EQ(readRecords<SowRecord>(sowPath())[0].FarrowRecNo[1], 1);
}

// A litter weight with more places than its box's mask, typed or held with
// float noise, shown back as stored by EDIT and kept byte for byte by an
// ACCEPT that leaves it and by one that changes the sire alone; one that
// shows as 0.00 is judged as stored, no zero.
TEST_F(HogSow6Test, EditShowsBackTheWeightsItStored) {
  const struct {
    bool weaning;
    const char* typed;  // nullptr: the litter holds `stored`
    const char* shown;
    float stored;
  } cases[] = {{false, "30.125", "30.125", 30.125f},
               {true, "100.0625", "100.0625", 100.0625f},
               {false, nullptr, "29.30", std::nextafter(29.3f, 30.0f)},
               {true, nullptr, "29.30", std::nextafter(29.3f, 30.0f)},
               {false, nullptr, "0.00", 1e-7f},
               {true, nullptr, "0.00", 1e-7f}};
  writeRecords<SowRecord>(sowPath(), {aSow("S1").due("05/08/2024").litters({1})});
  for (const auto& c : cases) {
    FarrowRecord litter = aLitter().bornOn("01/01/2024").pigs(9, 9).weights(30, 100).weaned(8, "01/29/2024", 28).sire("B1");
    if (!c.typed) (c.weaning ? litter.WeaningWeight : litter.BirthWeight) = c.stored;
    writeRecords<FarrowRecord>(farrowPath(), {litter});
    const FigureSessions r = RunFigureSessions<HogSow6>(
        [this](const std::function<void(HogSow6&)>& act) {
          select({1});
          HogSow6 w;
          w.Load();
          w.ParityNum[0]->Press();
          w.FarroEdit->Press();
          act(w);
          w.FarroAccept->Press();
        },
        [&c](HogSow6& w) { return w.FarroBox(c.weaning ? kWeaningWeightRow : kBirthWeightRow); }, c.typed,
        [](HogSow6& w) { w.FarroBox(kBoarRow)->SetText("B2"); }, farrowPath(),
        c.weaning ? FarrowRecord::WeaningWeightAt : FarrowRecord::BirthWeightAt, 4);
    EXPECT_EQ(r.shown, c.shown);
    EXPECT_TRUE(r.kept) << c.shown;
    EXPECT_TRUE(r.taken) << c.shown;
    EXPECT_EQ(lef32(r.figure, 0), c.stored) << c.shown;
  }
}

TEST_F(HogSow6Test, TenthParityEmptySireAndUnknownSireAreRefused) {
  std::vector<FarrowRecord> nine(9, aLitter().bornOn("01/01/2024").pigs(9, 9));
  writeRecords<FarrowRecord>(farrowPath(), nine);
  writeRecords<SowRecord>(sowPath(), {aSow("FULL").due("05/08/2024").litters({1, 2, 3, 4, 5, 6, 7, 8, 9}),
                                      aSow("S2").due("05/08/2024").bred("01/15/2024", "")});
  select({1, 2});
  const std::string sowsBefore = readFile(sowPath()), littersBefore = readFile(farrowPath());
  HogSow6 w;
  w.Load();
  EXPECT_TRUE(w.ParityNum[8]->isEnabled());
  type(w, {"05/08/2024", "10", "9", "30", "", "", "__/__/____", "", "", "B1"});
  w.FarroNew->Press();
  EXPECT_TRUE(LastBoxIs(tp.dialogs, BoxOf(CheckParityRoom(9))));

  w.FarroNext->Press();
  EXPECT_EQ(SelectedCount, 1);
  EXPECT_FALSE(w.FarroNext->isEnabled());
  EXPECT_TRUE(w.FarroBack->isEnabled());
  EXPECT_EQ(w.FarroLabel(kParityRow)->Caption(), "1");
  type(w, {"05/08/2024", "10", "9", "30", "", "", "__/__/____", "", "", "  "});
  w.FarroNew->Press();
  EXPECT_TRUE(LastBoxIs(tp.dialogs, {"NO SUCH BOAR AS (  ) IN FILE!\rRecheck your BOAR entry!", "SOW  FARROW  ERROR"}));
  w.FarroBox(kBoarRow)->SetText("B9");
  w.FarroNew->Press();
  EXPECT_EQ(tp.dialogs.last().text, "NO SUCH BOAR AS ( B9 ) IN FILE!\rRecheck your BOAR entry!");
  EXPECT_EQ(readFile(sowPath()), sowsBefore);
  EXPECT_EQ(readFile(farrowPath()), littersBefore);
  w.FarroBack->Press();
  EXPECT_EQ(SelectedCount, 2);
  EXPECT_FALSE(w.FarroBack->isEnabled());
}

TEST_F(HogSow6Test, MovingToAnotherSowLeavesNothingOfTheLastOnePrintable) {
  // A3 has two litters and no due date; A5 is due.
  writeRecords<FarrowRecord>(farrowPath(), {aLitter().bornOn("01/01/2024").pigs(9, 8).weights(30, 0).sire("B1"),
                                            aLitter().bornOn("07/01/2024").pigs(7, 7).weights(21, 0).sire("B2")});
  writeRecords<SowRecord>(sowPath(), {aSow("A2").due("05/08/2025"), aSow("A3").litters({1, 2}).bred("", "B2"),
                                      aSow("A5").due("05/08/2025").bred("01/14/2025", "B1")});
  select({1, 2, 3});
  HogSow6 w;
  w.Load();
  w.FarroNext->Press();
  w.FarroNext->Press();
  ASSERT_EQ(w.Caption(), "F A R R O W I N G   ( A5 )");
  type(w, {"05/08/2025", "14", "13", "41.5", "", "", "__/__/____", "", "", "B1"});
  w.FarroNew->Press();
  ASSERT_TRUE(w.PrintEdit->isEnabled());
  // The litter of A5 was printable; back on A3 (no due date) it is gone.
  w.FarroBack->Press();
  EXPECT_TRUE(LastBoxIs(tp.dialogs, {"NO FARROW DATE!\r\rCheck you Date Bred.", "FARROWING SOWS", vbExclamation,
                                     platform::vbOKOnly, false}));
  EXPECT_EQ(w.Caption(), "F A R R O W I N G   ( A3 )");
  EXPECT_FALSE(w.PrintEdit->isEnabled());
  EXPECT_FALSE(w.FarroEdit->isEnabled());
  EXPECT_FALSE(w.FarroAccept->isEnabled());
  EXPECT_EQ(w.FarroLabel(kParityRow)->Caption(), "3");
  EXPECT_EQ(w.FarroDate(kDateBornRow)->Text(), "__/__/____");
  for (int row : {kBornRow, kAliveRow, kBirthWeightRow, kWeanedRow, kWeaningWeightRow})
    EXPECT_EQ(w.FarroBox(row)->Text(), "") << row;
  EXPECT_EQ(w.FarroLabel(kLitterNumberRow)->Caption(), "");
  EXPECT_EQ(w.FarroBox(kBoarRow)->Text(), "B2");
  EXPECT_EQ(w.FarrowGrid(HogSow6::kEntry), LitterColumn{});
  w.PrintEdit->Press();
  EXPECT_EQ(tp.printer.documents, 0);

  // A parity of A3 chosen and loaded prints her own litter.
  w.ParityNum[1]->Press();
  EXPECT_FALSE(w.PrintEdit->isEnabled());
  w.FarroEdit->Press();
  tp.dialogs.answer(platform::vbYes);
  w.PrintEdit->Press();
  ASSERT_EQ(tp.printer.finishedDocuments, 1);
  const std::vector<std::string> page = tp.printer.texts(1);
  EXPECT_EQ(page[0], "SOW ID (A3) FARROW RECORD");
  EXPECT_EQ(page[2], "PARITY. --------------------------->2");
  EXPECT_EQ(page[3], "The Date the Pigs were Born. ------>07/01/2024");
  EXPECT_EQ(page[4], "The Number of Pigs Born. ---------->7");
  EXPECT_EQ(page[18], "The BOAR ID. ---------------------->B2      ");
}

TEST_F(HogSow6Test, PrintAllPrintsASheetPerLitterWithoutWeaningBoxes) {
  writeRecords<FarrowRecord>(farrowPath(),
                             {aLitter().bornOn("01/01/2024").pigs(10, 9).weights(30, 0).sire("B1"),
                              aLitter().bornOn("06/01/2024").pigs(8, 8).weaned(8, "06/22/2024", 21).weights(25, 90),
                              aLitter().bornOn("12/01/2024").pigs(8, 8).weaned(8, "12/10/2024", 9).weights(25, 50)});
  writeRecords<SowRecord>(sowPath(), {aSow("S1").due("05/08/2025").litters({1, 2, 3}), aSow("S0").due("05/08/2025")});
  select({1});
  HogSow6 w;
  w.Load();
  tp.dialogs.answer(platform::vbYes);
  w.FarroMenu->Click(0);
  EXPECT_EQ(boxTitles(), (std::vector<std::string>{"P R I N T   F A R R O W   R E C O R D"}));
  EXPECT_EQ(tp.dialogs.last().text, "PRINT ALL FARROW RECORD(s)\rfor SOW ID(S1)?");
  ASSERT_EQ(tp.printer.finishedDocuments, 3);
  for (int doc = 1; doc <= 3; ++doc) {
    const std::vector<std::string> texts = tp.printer.texts(doc);
    ASSERT_EQ(texts.size(), 19u) << doc;  // the title and 18 lines
    EXPECT_EQ(texts[0], "SOW ID (S1) FARROW RECORD");
    EXPECT_EQ(texts[2], "PARITY. --------------------------->" + std::to_string(doc));
  }
  EXPECT_EQ(tp.printer.texts(1)[12], "The Date the Pigs are Weaned. ----->");
  EXPECT_EQ(tp.printer.texts(1)[16], "The Weaning Weight. --------------->0");
  EXPECT_EQ(tp.printer.texts(2)[17], "Adjusted 21 Day Weight. ----------->90");
  EXPECT_EQ(tp.printer.texts(3)[17], "Adjusted 21 Day Weight. ----------->EARLY");
  const PrintedItem* line1 = tp.printer.find("PARITY. --------------------------->1");
  const PrintedItem* line2 = tp.printer.find("The Date the Pigs were Born. ------>01/01/2024");
  ASSERT_TRUE(line1 && line2);
  EXPECT_EQ(line2->y - line1->y, 13 * 23 + 300);
  EXPECT_EQ(line1->font.size, 13);

  // A pane without a parity is refused; a sow without litters has nothing to print.
  w.PrintA->setEnabled(true);
  w.PrintA->Press();
  EXPECT_TRUE(LastBoxIs(tp.dialogs, {"You MUST select a PARITY to Print!", " FARROW  ERROR "}));
  select({2});
  HogSow6 empty;
  empty.Load();
  empty.FarroMenu->Click(0);
  EXPECT_TRUE(LastBoxIs(tp.dialogs, {"SOW ID(S0) has no FARROW records!", " FARROW  PRINT  ERROR "}));
  EXPECT_EQ(tp.printer.finishedDocuments, 3);
}

TEST_F(HogSow6Test, SowListFarrowOpensTheWindowOrTheCardOrRefuses) {
  writeRecords<FarrowRecord>(farrowPath(), {aLitter().bornOn("01/01/2024").pigs(9, 9)});
  writeRecords<SowRecord>(
      sowPath(), {aSow("A1").due("05/08/2024"), aSow("B1").litters({1}), aSow("C1").due("05/08/2024").litters({7})});
  HogSow1 list;
  list.Show();
  ASSERT_EQ(list.SowList->ListCount(), 3);
  tp.windows.on("HogSow6", as<HogSow6>([](HogSow6& w) {
                  EXPECT_EQ(w.Caption(), "F A R R O W I N G   ( A1 )");
                  w.FarroMenu->Click(1);
                }));
  for (int row = 0; row < 3; ++row) {
    list.SowList->SetSelected(row, true);
    list.SowHistoryMenu->Click(HogSow1::Farrow);
    list.SowList->SetSelected(row, false);
  }
  EXPECT_EQ(tp.windows.shownModal, (std::vector<std::string>{"HogSow6", "HogSow3"}));
  EXPECT_EQ(boxTitles(), (std::vector<std::string>{"FARROWING SOWS", " FARROW  ERROR "}));
  EXPECT_EQ(tp.dialogs.shown[0].text, "NO FARROW DATE!\r\rCheck you Date Bred.");
  EXPECT_FALSE(tp.dialogs.shown[0].beepBefore);
  EXPECT_EQ(tp.dialogs.shown[1].text,
            "SOW ID(C1) has a broken link to PARITY #1!\r\rHer litters can't be shown or added here.");
}
