// New sow entry: ACCEPT's checks, the record written and the block held
// after it, tested directly; the window's load, refusals, writes and clears
// as scenarios.
#include <sys/stat.h>

#include "platform/FileSystem.h"
#include "sows/HogSow2.h"
#include "sows/SowWindowFixture.h"

namespace {

// A sow typed in full, every field valid.
NewSowEntry fullEntry() {
  return {"A1 ", " YORKSHIRE", "PEN 3", "160", "6.1", ".9", "1.234567", "01/15/2023", "05/01/2024", "05/20/2024"};
}

void type(HogSow2& w, const std::string& id, const std::string& entered = "05/01/2024") {
  w.Sow[0]->SetText(id);
  w.SowDate[1]->SetText(entered);
}

const char kDateTitle[] = "INVALIED  DATE  ENTRY";

}  // namespace

TEST(NewSowChecks, EachFieldIsRefusedInTurn) {
  const struct {
    NewSowEntry entry;
    const char* text;  // nullptr: accepted
    const char* title;
    int field;
  } cases[] = {
      {{.id = "", .dateEnteredHerd = "05/01/2024"}, "SOW ID is a required entry!", "SOW ENTRY ERROR", 0},
      {{.id = "   ", .dateEnteredHerd = "05/01/2024"}, "SOW ID is a required entry!", "SOW ENTRY ERROR", 0},
      // The date of birth is checked before the date entered herd.
      {{.id = "A1", .dateOfBirth = "13/01/2020", .dateEnteredHerd = "__/__/____", .prvDate = "__/__/____"},
       "ERROR: INVALIED MONTH!\r\r  Your MONTH is greater than 12!", kDateTitle, 7},
      {{.id = "A1", .dateOfBirth = "__/__/____", .dateEnteredHerd = "__/__/____", .prvDate = "__/__/____"},
       "DATE ENTERED HERD is a required entry!", "SOW ENTRY ERROR", 8},
      {{.id = "A1", .dateOfBirth = "__/__/____", .dateEnteredHerd = "12/31/1989", .prvDate = "__/__/____"},
       "ERROR: Your YEAR is less than 1990!", kDateTitle, 8},
      {{.id = "A1", .dateOfBirth = "__/__/____", .dateEnteredHerd = "05/01/2024", .prvDate = "02/30/2024"},
       "ERROR: INVALIED DAY!\r\rYour DAY is to large for the entered MONTH!", kDateTitle, 9},
      {{.id = "A1", .daysTo230 = "9E9", .dateEnteredHerd = "05/01/2024"},
       "DAYS TO 230 can't be more than 32767!\r\rIt takes a number from 0 to 32767.", "SOW ENTRY ERROR", 3},
      {{.id = "A1", .daysTo230 = "-99", .dateEnteredHerd = "05/01/2024"},
       "DAYS TO 230 can't be less than 0!\r\rIt takes a number from 0 to 32767.", "SOW ENTRY ERROR", 3},
      {{.id = "A1", .loineye = "9E99", .dateEnteredHerd = "05/01/2024"},
       "LOINEYE can't be more than 9999999!\r\rIt takes a number from 0 to 9999999.", "SOW ENTRY ERROR", 4},
      {{.id = "A1", .backfat = ".8in", .dateEnteredHerd = "05/01/2024"},
       "BACKFAT is not a number!\r\rIt takes a number from 0 to 9999999.", "SOW ENTRY ERROR", 5},
      {{.id = "A1", .purchasePrice = "9e999999", .dateEnteredHerd = "05/01/2024"},
       "PURCHASE PRICE can't be more than 99999999!\r\rIt takes a number from 0 to 99999999.",
       "SOW ENTRY ERROR", 6},
      {{.id = "A1", .purchasePrice = "$125", .dateEnteredHerd = "05/01/2024"},
       "PURCHASE PRICE is not a number!\r\rIt takes a number from 0 to 99999999.", "SOW ENTRY ERROR", 6},
      // The most each field holds, and empty optional dates.
      {{.id = "A1", .daysTo230 = "32767", .loineye = "9999999", .backfat = "0", .purchasePrice = "99999999",
        .dateOfBirth = "__/__/____", .dateEnteredHerd = "05/01/2024", .prvDate = "__/__/____"},
       nullptr, nullptr, 0},
      {fullEntry(), nullptr, nullptr, 0},
  };
  for (const auto& c : cases) {
    NewSowEntry e = c.entry;
    for (std::string* date : {&e.dateOfBirth, &e.prvDate})
      if (date->empty()) *date = "__/__/____";
    const Check refusal = CheckNewAnimalEntry(e, kNewSow);
    EXPECT_EQ(refusal, c.text ? Check(Refusal{c.text, c.title, platform::vbExclamation, c.field}) : std::nullopt)
        << (c.text ? c.text : "accepted");
  }
  EXPECT_EQ(CheckNewSowSlot({4, 3, "A1      "}),
            (Refusal{"SOW ID (A1      ) is ALL READY USED!", "SOW ENTRY ERROR", platform::vbExclamation, 0}));
  EXPECT_FALSE(CheckNewSowSlot({4, 0, ""}));
}

// Every typed field reaches the record and the block held after ACCEPT.
TEST(NewSowChecks, RecordAndBlockHoldEveryTypedField) {
  const SowRecord r = asStored<SowRecord>({NewSowRecord(fullEntry())})[0];
  EXPECT_EQ(r.Id, "A1      ");
  EXPECT_EQ(r.Breed, " YORKSHIRE" + std::string(10, ' '));
  EXPECT_EQ(r.Location, "PEN 3   ");
  EXPECT_EQ(r.DateOfBirth, "01/15/2023");
  EXPECT_EQ(r.DateEnteredHerd, "05/01/2024");
  EXPECT_EQ(r.PrvDate, "05/20/2024");
  EXPECT_EQ(r.DaysTo230, 160);
  EXPECT_FLOAT_EQ(r.Loineye, 6.1f);
  EXPECT_FLOAT_EQ(r.Backfat, 0.9f);
  EXPECT_EQ(r.PurchasePrice.raw, 12346);  // to the ten-thousandth
  for (const std::string* date : {&r.DateLeftHerd, &r.DateBred, &r.DateDue}) EXPECT_EQ(*date, "__/__/____");
  // The most each field takes is written as typed.
  const SowRecord large =
      NewSowRecord({.id = "A2", .daysTo230 = "32767", .loineye = "9999999", .purchasePrice = "99999999"});
  EXPECT_EQ(large.DaysTo230, 32767);
  EXPECT_FLOAT_EQ(large.Loineye, 9999999.0f);
  EXPECT_EQ(large.PurchasePrice.raw, 999999990000LL);

  const SowHistoryRecord h = NewSowHistory(fullEntry());
  EXPECT_EQ(h.Id, "A1");
  EXPECT_EQ(h.Breed, "YORKSHIRE");
  EXPECT_EQ(h.Location, "PEN 3");
  EXPECT_EQ(h.DateOfBirth, "01/15/2023");
  EXPECT_EQ(h.DateEnteredHerd, "05/01/2024");
  EXPECT_EQ(h.PrvDate, "05/20/2024");
  EXPECT_EQ(h.DaysTo230, 160);
  EXPECT_FLOAT_EQ(h.Loineye, 6.1f);
  EXPECT_FLOAT_EQ(h.Backfat, 0.9f);
  EXPECT_EQ(h.PurchasePrice, r.PurchasePrice);  // as stored
  for (const std::string* date : {&h.DateLeftHerd, &h.DateBred, &h.DateDue}) EXPECT_EQ(*date, "__/__/____");
}

class HogSow2Test : public SowWindowTest {};

TEST_F(HogSow2Test, LoadTakesDefaultsFromTheLastSowHeld) {
  SowHistory.Breed = "DUROC";
  SowHistory.Location = "BARN 2";
  SowHistory.PurchasePrice = records::Currency::fromDouble(12.5);
  HogSow2 w;
  w.Load();
  EXPECT_EQ(w.Caption(), "N E W     S O W     R E C O R D");
  EXPECT_EQ(w.Sow[0]->Text(), "");
  EXPECT_EQ(w.Sow[1]->Text(), "DUROC");
  EXPECT_EQ(w.Sow[2]->Text(), "BARN 2");
  EXPECT_EQ(w.Sow[3]->Text(), "");
  EXPECT_EQ(w.Sow[6]->Text(), "12.50");
  EXPECT_EQ(w.SowDate[0]->Text(), "__/__/____");
  EXPECT_EQ(w.SowDate[1]->Text(), "06/01/2024");
  EXPECT_EQ(w.SowDate[2]->Text(), "__/__/____");
  const std::array<int, 7> widths = {8, 20, 8, 3, 5, 4, 8};
  for (size_t i = 0; i < widths.size(); ++i) EXPECT_EQ(w.Sow[i]->maxLength(), widths[i]);
}

TEST_F(HogSow2Test, OnlyIdAndDateEnteredWriteAWholeEmptySow) {
  HogSow2 w;
  w.Load();
  w.Sow[6]->SetText("");
  type(w, "A1");
  w.Accept_Click();
  EXPECT_TRUE(tp.dialogs.shown.empty());
  const std::string bytes = readFile(sowPath());
  ASSERT_EQ(bytes.size(), 1130u);
  EXPECT_EQ(bytes.substr(0, 8), "A1      ");
  EXPECT_EQ(bytes.substr(8, 20), std::string(20, ' '));
  EXPECT_EQ(bytes.substr(28, 10), "__/__/____");
  EXPECT_EQ(bytes.substr(38, 14), std::string(14, '\0'));  // days, backfat, price
  EXPECT_EQ(bytes.substr(52, 10), "05/01/2024");
  EXPECT_EQ(bytes.substr(62, 8), std::string(8, '\0'));
  EXPECT_EQ(bytes.substr(70, 20), "__/__/______/__/____");
  EXPECT_EQ(bytes.substr(102, 20), "__/__/______/__/____");
  EXPECT_EQ(bytes.substr(122, 8), std::string(8, ' '));
  EXPECT_EQ(bytes.substr(130, 20), std::string(20, '\0'));
  EXPECT_EQ(bytes.substr(150), std::string(980, ' '));
}

TEST_F(HogSow2Test, NumbersAreStoredAsTypedOrRefused) {
  HogSow2 w;
  w.Load();
  type(w, "A1");
  w.Sow[3]->SetText("7.5");
  w.Sow[4]->SetText("6.25");
  w.Sow[5]->SetText(".85");
  w.Sow[6]->SetText("12.5X");
  w.Accept_Click();
  EXPECT_EQ(tp.dialogs.last().text, "PURCHASE PRICE is not a number!\r\rIt takes a number from 0 to 99999999.");
  EXPECT_EQ(readFile(sowPath()), "");
  w.Sow[6]->SetText("12.5");
  w.Accept_Click();
  type(w, "A2");
  w.Sow[3]->SetText("6.5");
  w.Sow[6]->SetText("");
  w.Accept_Click();
  const std::vector<SowRecord> sows = readRecords<SowRecord>(sowPath());
  ASSERT_EQ(sows.size(), 2u);
  EXPECT_EQ(sows[0].DaysTo230, 8);
  EXPECT_FLOAT_EQ(sows[0].Loineye, 6.25f);
  EXPECT_FLOAT_EQ(sows[0].Backfat, 0.85f);
  EXPECT_EQ(sows[0].PurchasePrice.raw, 125000);
  EXPECT_EQ(sows[1].DaysTo230, 6);
  EXPECT_EQ(sows[1].PurchasePrice.raw, 0);
}

// A refused entry: its box, the focus back in the field it names, nothing
// cleared and nothing written.
TEST_F(HogSow2Test, RefusalFocusesItsFieldAndWritesNothing) {
  HogSow2 w;
  w.Show();
  const struct {
    int box;  // 0 to 6 Sow(i), 7 to 9 SowDate(i - 7)
    const char* typed;
    const char* text;
  } cases[] = {{0, "", "SOW ID is a required entry!"},
               {8, "__/__/____", "DATE ENTERED HERD is a required entry!"},
               {8, "12/31/1989", "ERROR: Your YEAR is less than 1990!"},
               {7, "00/01/2020", "ERROR: INVALIED MONTH!\r\r  Your MONTH is zero(0)!"},
               {9, "02/30/2024", "ERROR: INVALIED DAY!\r\rYour DAY is to large for the entered MONTH!"},
               {3, "9E9", "DAYS TO 230 can't be more than 32767!\r\rIt takes a number from 0 to 32767."},
               {4, "-1", "LOINEYE can't be less than 0!\r\rIt takes a number from 0 to 9999999."},
               {5, "abc", "BACKFAT is not a number!\r\rIt takes a number from 0 to 9999999."},
               {6, "9e999999",
                "PURCHASE PRICE can't be more than 99999999!\r\rIt takes a number from 0 to 99999999."}};
  for (const auto& c : cases) {
    tp.dialogs.clear();
    w.Clear_Click();
    type(w, "A1");
    for (int i = 3; i <= 6; ++i) w.Sow[i]->SetText("1");
    QWidget* field = c.box < 7 ? static_cast<QWidget*>(w.Sow[c.box]) : w.SowDate[c.box - 7];
    if (c.box < 7) w.Sow[c.box]->SetText(c.typed);
    else w.SowDate[c.box - 7]->SetText(c.typed);
    w.Accept->setFocus();
    w.Accept_Click();
    ASSERT_EQ(tp.dialogs.shown.size(), 1u) << c.text;
    EXPECT_EQ(tp.dialogs.last().text, c.text);
    EXPECT_EQ(tp.dialogs.last().icon, platform::vbExclamation);
    EXPECT_TRUE(tp.dialogs.last().beepBefore);
    EXPECT_EQ(w.focusWidget(), field) << c.text;
    EXPECT_EQ(w.Sow[3]->Text(), c.box == 3 ? c.typed : "1");  // nothing cleared
  }
  EXPECT_FALSE(platform::fileExists(sowPath()));
}

TEST_F(HogSow2Test, AcceptClearsTheAnimalKeepsTheGroupFieldsAndGoesBackToTheId) {
  HogSow2 w;
  w.Show();
  type(w, "A1");
  w.Sow[1]->SetText("YORKSHIRE");
  w.Sow[2]->SetText("PEN 3");
  w.Sow[3]->SetText("160");
  w.Sow[4]->SetText("6.1");
  w.Sow[5]->SetText(".9");
  w.Sow[6]->SetText("250.00");
  w.SowDate[0]->SetText("01/15/2023");
  w.SowDate[2]->SetText("05/20/2024");
  w.Accept->setFocus();
  w.Accept_Click();
  EXPECT_EQ(w.focusWidget(), w.Sow[0]);
  for (int i : {0, 3, 4, 5}) EXPECT_EQ(w.Sow[i]->Text(), "") << i;
  EXPECT_EQ(w.Sow[1]->Text(), "YORKSHIRE");
  EXPECT_EQ(w.Sow[2]->Text(), "PEN 3");
  EXPECT_EQ(w.Sow[6]->Text(), "250.00");
  EXPECT_EQ(w.SowDate[0]->Text(), "__/__/____");
  EXPECT_EQ(w.SowDate[1]->Text(), "05/01/2024");
  EXPECT_EQ(w.SowDate[2]->Text(), "__/__/____");
  const NewSowEntry typed = {"A1", "YORKSHIRE", "PEN 3", "160", "6.1", ".9", "250.00",
                             "01/15/2023", "05/01/2024", "05/20/2024"};
  EXPECT_EQ(readFile(sowPath()), recordBytes<SowRecord>({NewSowRecord(typed)}));
  const SowHistoryRecord held = NewSowHistory(typed);
  EXPECT_EQ(SowHistory.Id, held.Id);
  EXPECT_EQ(SowHistory.Location, held.Location);
  EXPECT_EQ(SowHistory.DateOfBirth, held.DateOfBirth);
  EXPECT_EQ(SowHistory.PrvDate, held.PrvDate);
  EXPECT_EQ(SowHistory.Backfat, held.Backfat);
  EXPECT_EQ(SowHistory.Loineye, held.Loineye);
  // Only a new ID typed: a second sow with the same breed, location, price and date.
  w.Sow[0]->SetText("A2");
  w.Accept_Click();
  const std::vector<SowRecord> sows = readRecords<SowRecord>(sowPath());
  ASSERT_EQ(sows.size(), 2u);
  EXPECT_EQ(sows[1].Breed.substr(0, 9), "YORKSHIRE");
  EXPECT_EQ(sows[1].Location.substr(0, 5), "PEN 3");
  EXPECT_EQ(sows[1].PurchasePrice.raw, 2500000);
  EXPECT_EQ(sows[1].DateEnteredHerd, "05/01/2024");
  EXPECT_EQ(sows[1].DateOfBirth, "__/__/____");
  EXPECT_TRUE(tp.dialogs.shown.empty());
}

TEST_F(HogSow2Test, UsedIdIsRefusedWithTheStoredId) {
  writeRecords<SowRecord>(sowPath(), {aSow("B1"), aSow("B2"), aSow("A1")});
  HogSow2 w;
  w.Load();
  type(w, "A1");
  w.Accept_Click();
  ASSERT_EQ(tp.dialogs.shown.size(), 1u);
  EXPECT_EQ(tp.dialogs.last().text, "SOW ID (A1      ) is ALL READY USED!");
  EXPECT_EQ(tp.dialogs.last().title, "SOW ENTRY ERROR");
  EXPECT_EQ(readRecords<SowRecord>(sowPath()).size(), 3u);
  EXPECT_EQ(w.Sow[0]->Text(), "A1");  // the typed values stay
  // Case matters.
  type(w, "a1");
  w.Accept_Click();
  EXPECT_EQ(tp.dialogs.shown.size(), 1u);
  EXPECT_EQ(readRecords<SowRecord>(sowPath()).size(), 4u);
}

TEST_F(HogSow2Test, IdBehindAFreeRecordIsFoundAndTheFreeRecordIsTaken) {
  writeRecords<SowRecord>(sowPath(), {aSow("B1"), aSow("        "), aSow("A1")});
  HogSow2 w;
  w.Load();
  type(w, "A1");
  w.Accept_Click();
  ASSERT_EQ(tp.dialogs.shown.size(), 1u);
  EXPECT_EQ(tp.dialogs.last().text, "SOW ID (A1      ) is ALL READY USED!");
  type(w, "C1");
  w.Accept_Click();
  type(w, "C2");
  w.Accept_Click();
  const std::vector<SowRecord> sows = readRecords<SowRecord>(sowPath());
  ASSERT_EQ(sows.size(), 4u);
  EXPECT_EQ(sows[1].Id, "C1      ");
  EXPECT_EQ(sows[3].Id, "C2      ");
}

TEST_F(HogSow2Test, RecordNumber4800IsRefused) {
  writeRecords(sowPath(), std::vector<SowRecord>(4799, aSow("X")));
  HogSow2 w;
  w.Load();
  type(w, "NEW1");
  w.Sow[1]->SetText("HAMP");
  w.Accept_Click();
  ASSERT_EQ(tp.dialogs.shown.size(), 1u);
  EXPECT_EQ(tp.dialogs.last().text, "ERROR:   NO ROOM LEFT IN SOW FILE!!\r\rTry Deleting some older SOW ID(s).");
  EXPECT_EQ(tp.dialogs.last().title, "SOW ENTRY ERRORS");
  EXPECT_EQ(readRecords<SowRecord>(sowPath()).size(), 4799u);
  EXPECT_EQ(SowHistory.Id, "NEW1");  // the typed sow is held all the same
  EXPECT_EQ(SowHistory.Breed, "HAMP");
}

TEST_F(HogSow2Test, FailedWriteShowsOneCriticalBoxAndKeepsTheFields) {
  // A read-only file takes no record, and the box says why.
  writeRecords<SowRecord>(sowPath(), {aSow("X1")});
  ASSERT_EQ(::chmod(sowPath().c_str(), 0444), 0);
  HogSow2 w;
  w.Load();
  type(w, "A1");
  w.Accept_Click();
  ASSERT_EQ(tp.dialogs.shown.size(), 1u);
  EXPECT_EQ(tp.dialogs.last().icon, platform::vbCritical);
  EXPECT_EQ(tp.dialogs.last().title, "SOW ENTRY ERROR");
  EXPECT_EQ(tp.dialogs.last().text, "ERROR:   COULD NOT WRITE TO THE FILE!!\r\r" + sowPath() + "\rcannot write " +
                                        sowPath() + ": the file is read-only\r\rNothing more was done.");
  EXPECT_EQ(w.Sow[0]->Text(), "A1");
  EXPECT_EQ(readRecords<SowRecord>(sowPath()).size(), 1u);
}

TEST_F(HogSow2Test, ClearEmptiesEveryFieldAndExitHides) {
  SowHistory.Breed = "DUROC";
  HogSow2 w;
  w.Show();
  w.Clear->Press();
  for (platform::TextBox* box : w.Sow) EXPECT_EQ(box->Text(), "");
  for (platform::MaskedDateBox* box : w.SowDate) EXPECT_EQ(box->Text(), "__/__/____");
  w.Exit->Press();
  EXPECT_FALSE(w.isVisible());
  EXPECT_TRUE(w.IsLoaded());
  EXPECT_FALSE(platform::fileExists(sowPath()));
}
