// The boar history card, its note pad, the history sheet with the average
// adjusted 21-day weight, and the change of a boar's ID across BOAR.DAT,
// FARROW.DAT and SOW.DAT, checked by the files' bytes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <sys/stat.h>

#include "boars/BoarHistory.h"
#include "boars/BoarHistorySheet.h"
#include "boars/BoarRename.h"
#include "boars/HogBoar1.h"
#include "boars/HogBoar2.h"
#include "boars/HogBoar3.h"
#include "boars/HogBoar4.h"
#include "common/HogGlobals.h"
#include "common/PrintListing.h"
#include "sows/HogSow2.h"
#include "sows/HogSow3.h"
#include "sows/SowHistorySheet.h"
#include "sows/WeaningFigures.h"
#include "support/BoxMatch.h"
#include "support/FigureSessions.h"
#include "support/RecordBuilders.h"
#include "support/RecordBytes.h"

namespace {

const char kDateTitle[] = "INVALIED  DATE  ENTRY";

AnimalCardEntry validBoarCard() {
  return {"DUROC", "0.8", "__/__/____", "150", "6.5", "1250", "0", "__/__/____", "05/01/2024", "__/__/____", "PEN 2"};
}

class BoarCardTest : public ::testing::Test {
 protected:
  TestPlatform tp;
  void SetUp() override { DataFolder = tp.home(); }
  std::string path(const char* name) const { return tp.path(name); }
  void select(std::initializer_list<long> recs) {
    SelectedBoarRecs.assign(recs.size() + 1, 0);
    int k = 0;
    for (long r : recs) SelectedBoarRecs[static_cast<size_t>(++k)] = r;
    SelectedCount = k;
  }
};

// The herd a rename runs over, with the boar `sire` where B7 stands.
struct Herd {
  std::vector<BoarRecord> boars;
  std::vector<FarrowRecord> litters;
  std::vector<SowRecord> sows;
};
Herd herdWith(const std::string& sire) {
  return {{aBoar(sire).entered("01/01/2023"), aBoar("B8"), aBoar("")},
          {aLitter().sire(sire), aLitter().sire("b7"), aLitter().status(FarrowRecord::Free).sire(sire),
           aLitter().status(FarrowRecord::LeftHerd).sire(sire), aLitter().sire("B8"), aLitter().sire("B77")},
          {aSow("S1").bred("01/15/2024", sire), aSow("S2").bred("01/15/2024", "b7"), aSow("S3").bred("02/01/2024", "B8"),
           aSow("S4").bred("02/01/2024", sire)}};
}

// The sessions of box `box` of a card of record 1 (FigureSessions.h), the
// breed the other field.
template <class Card>
FigureSessions CardSessions(std::vector<long>& selected, const std::string& file, int box, const char* typed,
                            std::size_t at, std::size_t size) {
  return RunFigureSessions<Card>(
      LoadedSession<Card>(selected, &Card::SaveChan), [box](Card& w) { return w.Box(box); }, typed,
      [](Card& w) { w.Box(2)->SetText("HAMPSHIRE"); }, file, at, size);
}

// A new animal with the price typed, then the window opened again: what
// its price box shows, and the animal entered next with it.
template <class Window>
std::string NewAnimalShowsBack(const std::string& typed) {
  {
    Window w;
    w.Load();
    w.Box[0]->SetText("A1");
    w.Box[6]->SetText(typed);
    w.Accept->Press();
  }
  Window w;
  w.Load();
  const std::string shown = w.Box[6]->Text();
  w.Box[0]->SetText("A2");
  w.Accept->Press();
  return shown;
}

}  // namespace

TEST(BoarCardChecks, EachBoxIsRefusedInTurn) {
  const struct {
    std::string AnimalCardEntry::*box;
    const char* typed;
    const char* text;  // nullptr: accepted
    const char* title;
    int field;
  } cases[] = {
      {&AnimalCardEntry::dateEnteredHerd, "__/__/____", "DATE ENTERED HERD is a required entry!", "BOAR ENTRY", 10},
      {&AnimalCardEntry::dateOfBirth, "13/01/2020", "ERROR: INVALIED MONTH!\r\r  Your MONTH is greater than 12!",
       kDateTitle, 4},
      {&AnimalCardEntry::prvDate, "12/31/1989", "ERROR: Your YEAR is less than 1990!", kDateTitle, 9},
      {&AnimalCardEntry::daysTo230, "9e9", "DAYS TO 230 can't be more than 32767!\r\rIt takes a number from 0 to 32767.",
       "BOAR ENTRY", 5},
      {&AnimalCardEntry::backfat, "x", "BACKFAT is not a number!\r\rIt takes a number from 0 to 9999999.", "BOAR ENTRY",
       3},
      {&AnimalCardEntry::dateLeftHerd, "06/01/2024", nullptr, nullptr, 0},
  };
  for (const auto& c : cases) {
    AnimalCardEntry e = validBoarCard();
    e.*(c.box) = c.typed;
    const Check got = CheckBoarCard(e);
    if (!c.text) {
      EXPECT_FALSE(got) << c.typed;
      continue;
    }
    ASSERT_TRUE(got) << c.typed;
    EXPECT_EQ(*got, (Refusal{c.text, c.title, platform::vbExclamation, c.field}));
  }
}

TEST(BoarSheet, AdjustedWeightOnlyWithinTheFactorAges) {
  const struct {
    const char* weaned;
    float weight;
    std::optional<float> adjusted;
  } cases[] = {{"01/22/2024", 120, 120.0f},         {"01/29/2024", 120, 0.82f * 120},
               {"01/15/2024", 100, 1.29f * 100},    {"02/04/2024", 100, 0.73f * 100},
               {"01/14/2024", 120, std::nullopt},   {"02/05/2024", 120, std::nullopt},
               {"__/__/____", 120, std::nullopt},   {"12/31/2023", 120, std::nullopt}};
  for (const auto& c : cases) {
    const FarrowRecord litter = aLitter().bornOn("01/01/2024").weaned(10, c.weaned).weights(30, c.weight);
    EXPECT_EQ(WeaningFiguresOf(litter).adjusted21Day, c.adjusted) << c.weaned;
  }
}

TEST_F(BoarCardTest, SheetLinesOfABoarWithoutLittersAndHisPrintedPage) {
  BoarHistory = {};
  BoarHistory.Id = "B1";
  BoarHistory.DateOfBirth = BoarHistory.DateEnteredHerd = BoarHistory.DateLeftHerd = BoarHistory.PrvDate = "__/__/____";
  BoarHistory.PurchasePrice = records::Currency::fromDouble(1250);
  BoarNotes = {};
  BoarNotes[14] = "  LAST  ";
  std::vector<std::string> lines = BoarHistorySheetLines();
  ASSERT_EQ(lines.size(), 22u);
  const std::vector<std::pair<size_t, const char*>> expected = {
      {3, "BOARs date of birth. -------------->__/__/____"}, {4, "DAYs to 230 lbs. ------------------>"},
      {7, "Purchase price of BOAR. ----------->$1250.00"},    {10, "Date BOAR left the Herd. ---------->"},
      {11, "PRV Date. ------------------------->"},           {13, "Number of SOWs Farrowed. ---------->0"},
      {14, "Conception Rate. ------------------>0.00"},       {17, "Average Adjusted 21 Day Weight. --->0.00"},
      {19, "TOTAL Number of PIGs Stillborn. --->0"},          {21, "Average Number of PIGs Stillborn. ->0.00"}};
  for (const auto& [i, text] : expected) EXPECT_EQ(lines[i], text) << i;
  BoarHistory.DaysTo230 = 210;
  EXPECT_EQ(BoarHistorySheetLines()[4], "DAYs to 230 lbs. ------------------>210");

  PrintBoarHistory();
  EXPECT_EQ(PrintJob.Title, "B O A R  I D (B1)  H I S T O R Y");
  EXPECT_EQ(PrintJob.BodyFontSize, 12);
  const PrintedItem* banner = tp.printer.find(" *** N O T E   P A D *** ");
  const PrintedItem* last = tp.printer.find("LAST");
  const PrintedItem* first = tp.printer.find(lines[1]);
  const PrintedItem* second = tp.printer.find(lines[2]);
  ASSERT_TRUE(banner && last && first && second);
  const double pitch = 12 * 23 + 60;  // the text height of "ABCDEM" + 60
  EXPECT_EQ(second->y - first->y, pitch);
  EXPECT_EQ(last->y, banner->y + 12 * 23 - 150 + 14 * pitch);  // 13 empty rows before it
  EXPECT_EQ(tp.printer.finishedDocuments, 1);
}

TEST_F(BoarCardTest, AverageAdjustedWeightOverHisLittersWeighedInTheWindow) {
  writeRecords<SowRecord>(path("SOW.DAT"), {aSow("S1").litters({1, 2})});
  writeRecords<BoarRecord>(path("BOAR.DAT"), {aBoar("B1"), aBoar("B2")});
  writeRecords<FarrowRecord>(path("FARROW.DAT"),
                             {aLitter().sire("B1").bornOn("01/01/2024").weaned(10, "01/22/2024").weights(30, 120),
                              aLitter().sire("B1").bornOn("01/01/2024").weaned(10, "01/29/2024").weights(30, 120),
                              aLitter().sire("B1").bornOn("01/01/2024").weaned(10, "02/05/2024").weights(30, 500),
                              aLitter().sire("B1").bornOn("01/01/2024").weights(30, 0),
                              aLitter().sire("B2").bornOn("01/01/2024").weights(30, 0)});
  const float expected = static_cast<float>((120.0 + static_cast<double>(0.82f * 120)) / 2);
  CurrentBoarRec = 1;
  ASSERT_TRUE(LoadBoarHistory(2));
  EXPECT_EQ(BoarHistory.AvgAdjusted21DayWeight, expected);
  EXPECT_EQ(BoarHistorySheetLines()[17], "Average Adjusted 21 Day Weight. --->109.20");
  std::vector<float> each;
  ASSERT_TRUE(ForEachBoarHistory({2, 1, 9}, [&each](long) { each.push_back(BoarHistory.AvgAdjusted21DayWeight); }));
  EXPECT_EQ(each, (std::vector<float>{0.0f, expected}));
  // The run over every boar, as the index makes it, leaves the weight out.
  for (const Adjusted21 adjusted : {Adjusted21::Summed, Adjusted21::LeftOut}) {
    each.clear();
    ASSERT_TRUE(ForEachBoarHistory([&each](long) { each.push_back(BoarHistory.AvgAdjusted21DayWeight); }, nullptr,
                                   adjusted));
    EXPECT_EQ(each, (std::vector<float>{adjusted == Adjusted21::Summed ? expected : 0.0f, 0.0f}));
  }
}

// One rename per row, over the same herd: the three files' bytes after it.
struct RenameCase {
  const char* name;
  const char* typed;
  const char* readOnly;  // a file made read-only first, or nullptr
  const char* renamedTo;  // nullptr: no byte of any file changes
  const char* refusal;
  const char* oldId = "B7";  // the boar renamed, where B7 stands in the herd
  long record = 1;           // his record; the herd's file holds 3
};

class BoarRename : public BoarCardTest, public ::testing::WithParamInterface<RenameCase> {};

TEST_P(BoarRename, WritesTheNewIdEverywhereOrNothing) {
  const RenameCase& c = GetParam();
  const Herd before = herdWith(c.oldId);
  writeRecords(path("BOAR.DAT"), before.boars);
  writeRecords(path("FARROW.DAT"), before.litters);
  writeRecords(path("SOW.DAT"), before.sows);
  if (c.readOnly) chmod(path(c.readOnly).c_str(), 0444);
  const Herd after = herdWith(c.renamedTo ? c.renamedTo : c.oldId);
  const BoarRenameOutcome outcome = RenameBoar(c.record, c.oldId, c.typed);
  EXPECT_EQ(outcome.renamed, c.renamedTo != nullptr);
  EXPECT_EQ(outcome.refusal ? outcome.refusal->text : "", c.refusal ? c.refusal : "");
  EXPECT_EQ(outcome.fault.has_value(), c.readOnly != nullptr || c.record > 3);
  if (c.record > 3 && outcome.fault) EXPECT_EQ(outcome.fault->reason, "The boar's record is not in the file.");
  EXPECT_EQ(outcome.done, kNothingMoreDone);
  EXPECT_EQ(readFile(path("BOAR.DAT")), recordBytes(after.boars));
  EXPECT_EQ(readFile(path("FARROW.DAT")), recordBytes(after.litters));
  EXPECT_EQ(readFile(path("SOW.DAT")), recordBytes(after.sows));
  if (c.renamedTo) {
    const std::string oldKey = (std::string(c.oldId) + "        ").substr(0, 8);  // as stored
    for (const char* file : {"BOAR.DAT", "FARROW.DAT", "SOW.DAT"})
      EXPECT_EQ(readFile(path(file)).find(oldKey), std::string::npos) << file;
    for (const char* file : {"FARROW.DAT", "SOW.DAT"})
      EXPECT_NE(readFile(path(file)).find("b7 "), std::string::npos) << file;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Files, BoarRename,
    ::testing::Values(RenameCase{"ToAFreeId", "B9", nullptr, "B9", nullptr},
                      RenameCase{"ToAnotherBoarsId", "B8", nullptr, nullptr, "ERROR: BOAR ID (B8      ) is ALL READY USED!"},
                      RenameCase{"ToHisOwnId", "B7", nullptr, nullptr, "ERROR: BOAR ID (B7      ) is ALL READY USED!"},
                      RenameCase{"WithTheSowFileReadOnly", "B9", "SOW.DAT", nullptr, nullptr},
                      RenameCase{"WithTheLitterFileReadOnly", "B9", "FARROW.DAT", nullptr, nullptr},
                      RenameCase{"FromAnIdOfEightCharacters", "BOAR0009", nullptr, "BOAR0009", nullptr, "BOAR0007"},
                      RenameCase{"AtARecordPastTheFile", "B9", nullptr, nullptr, nullptr, "B7", 4}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BoarRenameChecks, AnIdOfBlanksIsRefused) {
  EXPECT_EQ(CheckBoarIdTyped("   "), (Refusal{"ERROR:  You MUST have a Boar ID!", "BOAR ID ERROR", platform::vbExclamation, 1}));
  EXPECT_FALSE(CheckBoarIdTyped(" B9 "));
}

TEST_F(BoarCardTest, CardSavesStepsChangesTheIdAndPrints) {
  const Herd herd = herdWith("B7");
  writeRecords(path("BOAR.DAT"), herd.boars);
  writeRecords(path("FARROW.DAT"), herd.litters);
  writeRecords(path("SOW.DAT"), herd.sows);
  writeRecords<BoarRecord>(path("BOAR.DAT"),
                           {aBoar("B7").entered("01/01/2023").note(2, "NOTE"), aBoar("B8").entered("01/01/2023"),
                            aBoar("B5").entered("01/01/2023")});
  select({1, 2, 3});
  HogBoar3 w;
  w.Load();
  EXPECT_EQ(w.Caption(), "B O A R   I D ( B7 )   H I S T O R Y");
  EXPECT_EQ(w.BoarFigure(14)->text().toStdString(), "1");
  EXPECT_TRUE(w.NextBoar->isEnabled());
  EXPECT_FALSE(w.BoarBack->isEnabled());
  EXPECT_FALSE(w.AcceptBoarId->isEnabled());

  // A PRV date before 1990 is refused; then the save keeps ID and notes.
  w.BoarDate(9)->SetText("12/31/1989");
  w.SaveChan->Press();
  EXPECT_TRUE(LastBoxIs(tp.dialogs, {"ERROR: Your YEAR is less than 1990!", kDateTitle}));
  w.BoarDate(9)->SetText("__/__/____");
  w.BoarBox(12)->SetText(" PEN9");
  w.BoarBox(7)->SetText("1250");
  w.SaveChan->Press();
  const BoarRecord saved = readRecords<BoarRecord>(path("BOAR.DAT"))[0];
  EXPECT_EQ(saved.Location, "PEN9    ");
  EXPECT_EQ(saved.PurchasePrice, records::Currency::fromDouble(1250));
  EXPECT_EQ(saved.PrvDate, "__/__/____");
  EXPECT_EQ(saved.NoteLine.trimmed(1), "NOTE");
  EXPECT_EQ(w.BoarBox(7)->Text(), "1250.00");

  // The change of ID: Cancel at the confirmation keeps it under way, OK renames.
  w.ChanBoarId->Press();
  w.BoarBox(1)->SetText(" B9 ");
  tp.dialogs.answer(platform::vbCancel);
  w.AcceptBoarId->Press();
  EXPECT_TRUE(LastBoxIs(tp.dialogs, {"YOU'RE ABOUT TO CHANGE\rTHIS BOAR'S ID:  B9 \rAre you SURE?", "CHANGE  BOAR ID.",
                                     platform::vbQuestion, platform::vbOKCancel, false}));
  EXPECT_EQ(w.BoarBox(1)->Text(), "B7");
  EXPECT_TRUE(w.AcceptBoarId->isEnabled());
  w.BoarBox(1)->SetText("B8");
  tp.dialogs.answer(platform::vbOK);
  // A change ended either way, or cancelled, leaves the focus in the second box.
  const auto ends = [&w](platform::CommandButton* button) {
    button->Press();  // pressed with the focus still in the first box
    EXPECT_EQ(w.focusWidget(), w.BoarBox(2)) << button->objectName().toStdString();
  };
  ends(w.AcceptBoarId);
  EXPECT_TRUE(LastBoxIs(tp.dialogs, {"ERROR: BOAR ID (B8      ) is ALL READY USED!", "BOAR ID ERROR",
                                     platform::vbExclamation, platform::vbOKOnly, false}));
  EXPECT_FALSE(w.AcceptBoarId->isEnabled());
  w.ChanBoarId->Press();
  ends(w.CancelBoarId);
  EXPECT_EQ(w.BoarBox(1)->Text(), "B7");
  w.ChanBoarId->Press();
  w.BoarBox(1)->SetText("B9");
  tp.dialogs.answer(platform::vbOK);
  ends(w.AcceptBoarId);
  EXPECT_EQ(w.Caption(), "B O A R   I D ( B9 )   H I S T O R Y");
  EXPECT_EQ(readRecords<FarrowRecord>(path("FARROW.DAT"))[0].BoarId, "B9      ");
  EXPECT_EQ(readRecords<SowRecord>(path("SOW.DAT"))[3].BoarId, "B9      ");

  // PRINT asks, then prints the sheet of the boar shown.
  tp.dialogs.answer(platform::vbYes);
  w.PrintBoarHistry->Press();
  EXPECT_EQ(tp.dialogs.last().title, "P R I N T    B O A R    H I S T O R Y");
  EXPECT_NE(tp.printer.find("B O A R  I D (B9)  H I S T O R Y"), nullptr);

  // Stepping through three boars.
  w.NextBoar->Press();
  w.NextBoar->Press();
  EXPECT_EQ(w.Caption(), "B O A R   I D ( B5 )   H I S T O R Y");
  EXPECT_FALSE(w.NextBoar->isEnabled());
  EXPECT_EQ(SelectedCount, 1);
  w.BoarBack->Press();
  EXPECT_TRUE(w.NextBoar->isEnabled());
  EXPECT_TRUE(w.BoarBack->isEnabled());
  EXPECT_EQ(CurrentBoarRec, 2);
}

TEST_F(BoarCardTest, NotePadWritesTheLinesAndOldNoteBringsThemBack) {
  writeRecords<BoarRecord>(path("BOAR.DAT"), {aBoar("B1").note(1, "FIRST").note(3, "THIRD")});
  CurrentBoarRec = 1;
  BoarHistory.Id = "B1";
  HogBoar4 pad;
  pad.Load();
  EXPECT_EQ(pad.Caption(), "B O A R   I D ( B1 )   N O T E P A D");
  EXPECT_EQ(pad.BoarNote[2]->Text(), "THIRD");
  pad.ClearNote->Press();
  pad.BoarNote[1]->SetText("NEW");
  pad.AcceptNote->Press();
  EXPECT_EQ(readFile(path("BOAR.DAT")).substr(104, 140), std::string(70, ' ') + "NEW" + std::string(67, ' '));
  EXPECT_EQ(BoarNotes[2], "NEW");
  pad.OldNote->Press();
  pad.AcceptNote->Press();
  EXPECT_EQ(readFile(path("BOAR.DAT")).substr(244, 5), "THIRD");
}

TEST_F(BoarCardTest, ListOpensTheCardAndPrintsTheSelectedHistories) {
  writeRecords<BoarRecord>(path("BOAR.DAT"), {aBoar("B1"), aBoar("B2"), aBoar("B3")});
  std::vector<std::string> captions;
  tp.windows.on("HogBoar3", as<HogBoar3>([&captions](HogBoar3& card) {
    captions.push_back(card.Caption());
    card.ExitBoarHist->Press();
  }));
  HogBoar1 w;
  w.Load();
  w.BoarListMenu->Click(HogBoar1::ViewEdit);
  EXPECT_TRUE(LastBoxIs(tp.dialogs, {"NO HISTORY(s) WERE SELECTED!", "VIEW / EDIT  BOAR HISTORIES", platform::vbInformation}));
  w.BoarList->SetSelected(2, true);
  w.BoarListMenu->Click(HogBoar1::ViewEdit);
  EXPECT_EQ(captions, (std::vector<std::string>{"B O A R   I D ( B3 )   H I S T O R Y"}));

  tp.dialogs.answer(platform::vbYes);
  w.BoarPrint->Click(0);
  EXPECT_TRUE(LastBoxIs(tp.dialogs, {"NO BOARS WERE SELECTED!", "PRINT  SELECTED  BOAR   HISTORIES"}));
  w.BoarList->SetSelected(2, true);
  w.BoarList->SetSelected(0, true);
  tp.dialogs.answer(platform::vbYes);
  w.BoarPrint->Click(0);
  EXPECT_EQ(tp.printer.finishedDocuments, 2);
  EXPECT_EQ(tp.printer.texts(1).at(0), "B O A R  I D (B1)  H I S T O R Y");
  EXPECT_EQ(tp.printer.texts(2).at(0), "B O A R  I D (B3)  H I S T O R Y");
}

// Every price box of the cards and of the new-animal windows, typed at its
// limit and above 16,777,216 (past which a Single holds no odd number), the
// sow card's loineye as wide as the new sow's, and figures with more places
// than the card's mask shows, typed or held with float noise: stored as
// typed, shown as stored when the window opens again, kept byte for byte by
// the next ACCEPT and by one that changes the breed alone, and a price
// printed on the sheet as stored.
TEST_F(BoarCardTest, EveryPriceBoxShowsBackWhatItStored) {
  enum Window { kSowCard, kBoarCard, kNewSow, kNewBoar };
  const std::string top = RecordBytes(8).i64(0, 999'999'990'000).str();
  const std::string odd = RecordBytes(8).i64(0, 167'772'170'000).str();
  const std::string places = RecordBytes(8).i64(0, 12'345'670).str();
  const std::string eighth = RecordBytes(4).f32(0, 0.125f).str();
  const std::string noisy = RecordBytes(4).f32(0, std::nextafter(1.1f, 2.0f)).str();
  const struct {
    Window window;
    int box;
    const char* typed;  // nullptr: the record holds `stored`
    const char* shown;
    std::string stored;  // the bytes of the field
  } cases[] = {{kSowCard, 7, "99999999", "99999999", top},   {kSowCard, 7, "16777217", "16777217", odd},
               {kSowCard, 8, "99999999", "99999999", top},   {kSowCard, 8, "16777217", "16777217", odd},
               {kBoarCard, 7, "99999999", "99999999", top},  {kBoarCard, 7, "16777217", "16777217", odd},
               {kBoarCard, 8, "99999999", "99999999", top},  {kBoarCard, 8, "16777217", "16777217", odd},
               {kNewSow, 6, "99999999", "99999999", top},    {kNewSow, 6, "16777217", "16777217", odd},
               {kNewBoar, 6, "99999999", "99999999", top},   {kNewBoar, 6, "16777217", "16777217", odd},
               {kSowCard, 6, "10.25", "10.25", RecordBytes(4).f32(0, 10.25f).str()},
               {kSowCard, 7, "1234.567", "1234.567", places}, {kBoarCard, 8, "1234.567", "1234.567", places},
               {kNewSow, 6, "1234.567", "1234.567", places},  {kSowCard, 3, ".125", ".125", eighth},
               {kBoarCard, 3, ".125", ".125", eighth},        {kBoarCard, 6, nullptr, "0.125", eighth},
               {kSowCard, 3, nullptr, "1.10", noisy},         {kBoarCard, 6, nullptr, "1.10", noisy},
               // wider than the box, shown whole; past two places more than the mask, through it
               {kBoarCard, 3, nullptr, "9999.96", RecordBytes(4).f32(0, 9999.96f).str()},
               {kSowCard, 6, nullptr, "99999.70", RecordBytes(4).f32(0, 99999.7f).str()},
               {kSowCard, 3, nullptr, "0.00", RecordBytes(4).f32(0, 0.0001f).str()}};
  DateText = "06/01/2024";
  for (const auto& c : cases) {
    const bool sow = c.window == kSowCard || c.window == kNewSow;
    const std::string file = path(sow ? "SOW.DAT" : "BOAR.DAT");
    const int length = sow ? SowRecord::Length : BoarRecord::Length;
    const bool card = c.window == kSowCard || c.window == kBoarCard;
    const int at = !card ? 44 : std::map<int, int>{{3, AnimalRecord::BackfatAt}, {6, AnimalRecord::LoineyeAt},
                                                   {7, 44}, {8, 62}}.at(c.box);
    const auto stored = [&](long n) {
      return readFile(file).substr(static_cast<size_t>((n - 1) * length + at), c.stored.size());
    };
    SowHistory = {};
    BoarHistory = {};
    std::remove(file.c_str());
    if (!card) {
      const std::string shown = sow ? NewAnimalShowsBack<HogSow2>(c.typed) : NewAnimalShowsBack<HogBoar2>(c.typed);
      EXPECT_EQ(shown, c.shown) << c.typed;
      EXPECT_EQ(stored(1), c.stored) << c.typed;
      EXPECT_EQ(stored(2), c.stored) << c.typed;
      continue;
    }
    if (sow)
      writeRecords<SowRecord>(file, {aSow("S1").entered("01/01/2024")});
    else
      writeRecords<BoarRecord>(file, {aBoar("B1").entered("01/01/2024")});
    if (!c.typed) {
      std::string bytes = readFile(file);
      writeFile(file, bytes.replace(static_cast<size_t>(at), c.stored.size(), c.stored));
    }
    const FigureSessions r = sow ? CardSessions<HogSow3>(SelectedSowRecs, file, c.box, c.typed, at, c.stored.size())
                                 : CardSessions<HogBoar3>(SelectedBoarRecs, file, c.box, c.typed, at, c.stored.size());
    EXPECT_EQ(r.shown, c.shown) << c.window << " " << c.box;
    EXPECT_TRUE(r.kept) << c.window << " " << c.box;
    EXPECT_TRUE(r.taken) << c.window << " " << c.box;
    EXPECT_EQ(r.figure, c.stored) << c.window << " " << c.box;
    if ((c.box != 7 && c.box != 8) || c.stored == places || !c.typed) continue;
    tp.printer.items.clear();
    if (sow) PrintSowHistory(); else PrintBoarHistory();
    const std::string caption = c.box == 7 ? "Purchase price of " : "Sold Price of ";
    const std::vector<std::string> printed = tp.printer.texts();
    EXPECT_TRUE(std::ranges::any_of(printed, [&](const std::string& t) {
      return t.starts_with(caption) && t.ends_with(std::string(">$") + c.typed + ".00");
    })) << c.window << " " << c.box;
  }
}
