// New sow entry: every check and message of ACCEPT, the record written, the
// record chosen and the fields kept for the next sow.
#include <sys/stat.h>

#include "platform/FileSystem.h"
#include "sows/HogSow2.h"
#include "sows/SowWindowFixture.h"

namespace {

void type(HogSow2& w, const std::string& id, const std::string& entered = "05/01/2024") {
  w.Sow[0]->SetText(id);
  w.SowDate[1]->SetText(entered);
}

}  // namespace

class HogSow2Test : public SowWindowTest {};

TEST_F(HogSow2Test, LoadTakesDefaultsFromTheLastSowHeld) {
  SowHistory.Breed = "DUROC";
  SowHistory.Location = "BARN 2";
  SowHistory.PurchasePrice = 12.5f;
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

TEST_F(HogSow2Test, SowIdIsRequired) {
  HogSow2 w;
  w.Load();
  for (const char* id : {"", "   "}) {
    tp.dialogs.clear();
    type(w, id);
    w.Accept_Click();
    ASSERT_EQ(tp.dialogs.shown.size(), 1u);
    EXPECT_EQ(tp.dialogs.last().text, "SOW ID is a required entry!");
    EXPECT_EQ(tp.dialogs.last().title, "SOW ENTRY ERROR");
    EXPECT_EQ(tp.dialogs.last().icon, platform::vbExclamation);
    EXPECT_TRUE(tp.dialogs.last().beepBefore);
  }
  EXPECT_FALSE(platform::fileExists(sowPath()));
}

TEST_F(HogSow2Test, DateOfBirthIsCheckedBeforeTheDateEnteredHerd) {
  HogSow2 w;
  w.Load();
  type(w, "A1", "__/__/____");
  w.SowDate[0]->SetText("13/01/2020");
  w.Accept_Click();
  ASSERT_EQ(tp.dialogs.shown.size(), 1u);
  EXPECT_EQ(tp.dialogs.last().text, "ERROR: INVALIED MONTH!\r\r  Your MONTH is greater than 12!");
  EXPECT_EQ(tp.dialogs.last().title, "INVALIED  DATE  ENTRY");
  EXPECT_EQ(readSows().size(), 0u);
}

TEST_F(HogSow2Test, DateEnteredHerdIsRequiredAndChecked) {
  HogSow2 w;
  w.Load();
  type(w, "A1", "__/__/____");
  w.Accept_Click();
  ASSERT_EQ(tp.dialogs.shown.size(), 1u);
  EXPECT_EQ(tp.dialogs.last().text, "DATE ENTERED HERD is a required entry!");
  EXPECT_EQ(tp.dialogs.last().title, "SOW ENTRY ERROR");
  EXPECT_TRUE(tp.dialogs.last().beepBefore);
  type(w, "A1", "12/31/1989");
  w.Accept_Click();
  EXPECT_EQ(tp.dialogs.last().text, "ERROR: Your YEAR is less than 1990!");
  type(w, "A1", "05/01/2024");
  w.SowDate[2]->SetText("02/30/2024");
  w.Accept_Click();
  EXPECT_EQ(tp.dialogs.last().text, "ERROR: INVALIED DAY!\r\rYour DAY is to large for the entered MONTH!");
  EXPECT_EQ(tp.dialogs.shown.size(), 3u);
  EXPECT_EQ(readSows().size(), 0u);
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

TEST_F(HogSow2Test, NumbersAreReadByTheirLeadingNumber) {
  HogSow2 w;
  w.Load();
  type(w, "A1");
  w.Sow[3]->SetText("7.5");
  w.Sow[4]->SetText("6.25");
  w.Sow[5]->SetText(".85");
  w.Sow[6]->SetText("12.5X");
  w.Accept_Click();
  type(w, "A2");
  w.Sow[3]->SetText("6.5");
  w.Sow[6]->SetText("ABC");
  w.Accept_Click();
  const std::vector<SowRecord> sows = readSows();
  ASSERT_EQ(sows.size(), 2u);
  EXPECT_EQ(sows[0].DaysTo230, 8);
  EXPECT_FLOAT_EQ(sows[0].Loineye, 6.25f);
  EXPECT_FLOAT_EQ(sows[0].Backfat, 0.85f);
  EXPECT_EQ(sows[0].PurchasePrice.raw, 125000);
  EXPECT_EQ(sows[1].DaysTo230, 6);
  EXPECT_EQ(sows[1].PurchasePrice.raw, 0);
}

TEST_F(HogSow2Test, NumberTooLargeForItsFieldIsRefused) {
  HogSow2 w;
  w.Show();
  const struct {
    size_t box;
    const char* typed;
    const char* text;
  } cases[] = {{3, "9E9", "DAYS TO 230 is out of range!"},
               {4, "9E99", "LOINEYE is out of range!"},
               {5, "9E99", "BACKFAT is out of range!"},
               {6, "9E300", "PURCHASE PRICE is out of range!"}};
  for (const auto& c : cases) {
    tp.dialogs.clear();
    type(w, "A1");
    for (size_t i = 3; i <= 6; ++i) w.Sow[i]->SetText(i == c.box ? c.typed : "1");
    w.Accept_Click();
    ASSERT_EQ(tp.dialogs.shown.size(), 1u) << c.typed;
    EXPECT_EQ(tp.dialogs.last().text, c.text);
    EXPECT_EQ(tp.dialogs.last().title, "SOW ENTRY ERROR");
    EXPECT_EQ(tp.dialogs.last().icon, platform::vbExclamation);
    EXPECT_TRUE(tp.dialogs.last().beepBefore);
    EXPECT_EQ(w.focusWidget(), w.Sow[c.box]) << c.typed;
    EXPECT_EQ(w.Sow[0]->Text(), "A1");  // nothing cleared
  }
  EXPECT_FALSE(platform::fileExists(sowPath()));
  // Large values that fit are written.
  tp.dialogs.clear();
  w.Sow[3]->SetText("-99");
  w.Sow[4]->SetText("3E38");
  w.Sow[5]->SetText("1E30");
  w.Sow[6]->SetText("99999999");
  w.Accept_Click();
  EXPECT_TRUE(tp.dialogs.shown.empty());
  const std::vector<SowRecord> sows = readSows();
  ASSERT_EQ(sows.size(), 1u);
  EXPECT_EQ(sows[0].DaysTo230, -99);
  EXPECT_FLOAT_EQ(sows[0].Loineye, 3e38f);
  EXPECT_EQ(sows[0].PurchasePrice.raw, 999999990000LL);
}

TEST_F(HogSow2Test, AcceptClearsTheAnimalAndKeepsTheGroupFields) {
  HogSow2 w;
  w.Load();
  type(w, "A1");
  w.Sow[1]->SetText("YORKSHIRE");
  w.Sow[2]->SetText("PEN 3");
  w.Sow[3]->SetText("160");
  w.Sow[4]->SetText("6.1");
  w.Sow[5]->SetText(".9");
  w.Sow[6]->SetText("250.00");
  w.SowDate[0]->SetText("01/15/2023");
  w.SowDate[2]->SetText("05/20/2024");
  w.Accept_Click();
  for (int i : {0, 3, 4, 5}) EXPECT_EQ(w.Sow[static_cast<size_t>(i)]->Text(), "") << i;
  EXPECT_EQ(w.Sow[1]->Text(), "YORKSHIRE");
  EXPECT_EQ(w.Sow[2]->Text(), "PEN 3");
  EXPECT_EQ(w.Sow[6]->Text(), "250.00");
  EXPECT_EQ(w.SowDate[0]->Text(), "__/__/____");
  EXPECT_EQ(w.SowDate[1]->Text(), "05/01/2024");
  EXPECT_EQ(w.SowDate[2]->Text(), "__/__/____");
  EXPECT_EQ(SowHistory.Id, "A1");
  EXPECT_EQ(SowHistory.Breed, "YORKSHIRE");
  EXPECT_EQ(SowHistory.DaysTo230, 160);
  EXPECT_FLOAT_EQ(SowHistory.PurchasePrice, 250.0f);
  EXPECT_EQ(SowHistory.DateDue, "__/__/____");
  // Only a new ID typed: a second sow with the same breed, location, price and date.
  w.Sow[0]->SetText("A2");
  w.Accept_Click();
  const std::vector<SowRecord> sows = readSows();
  ASSERT_EQ(sows.size(), 2u);
  EXPECT_EQ(sows[1].Breed.substr(0, 9), "YORKSHIRE");
  EXPECT_EQ(sows[1].Location.substr(0, 5), "PEN 3");
  EXPECT_EQ(sows[1].PurchasePrice.raw, 2500000);
  EXPECT_EQ(sows[1].DateEnteredHerd, "05/01/2024");
  EXPECT_EQ(sows[1].DateOfBirth, "__/__/____");
  EXPECT_TRUE(tp.dialogs.shown.empty());
}

TEST_F(HogSow2Test, UsedIdIsRefusedWithTheStoredId) {
  writeSows({sow("B1"), sow("B2"), sow("A1")});
  HogSow2 w;
  w.Load();
  type(w, "A1");
  w.Accept_Click();
  ASSERT_EQ(tp.dialogs.shown.size(), 1u);
  EXPECT_EQ(tp.dialogs.last().text, "SOW ID (A1      ) is ALL READY USED!");
  EXPECT_EQ(tp.dialogs.last().title, "SOW ENTRY ERROR");
  EXPECT_EQ(readSows().size(), 3u);
  EXPECT_EQ(w.Sow[0]->Text(), "A1");  // the typed values stay
  // Case matters.
  type(w, "a1");
  w.Accept_Click();
  EXPECT_EQ(tp.dialogs.shown.size(), 1u);
  EXPECT_EQ(readSows().size(), 4u);
}

TEST_F(HogSow2Test, IdBehindAFreeRecordIsFoundAndTheFreeRecordIsTaken) {
  writeSows({sow("B1"), sow("        "), sow("A1")});
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
  const std::vector<SowRecord> sows = readSows();
  ASSERT_EQ(sows.size(), 4u);
  EXPECT_EQ(sows[1].Id, "C1      ");
  EXPECT_EQ(sows[3].Id, "C2      ");
}

TEST_F(HogSow2Test, RecordNumber4800IsRefused) {
  std::vector<SowRecord> full(4799, sow("X"));
  writeSows(full);
  HogSow2 w;
  w.Load();
  type(w, "NEW1");
  w.Sow[1]->SetText("HAMP");
  w.Accept_Click();
  ASSERT_EQ(tp.dialogs.shown.size(), 1u);
  EXPECT_EQ(tp.dialogs.last().text, "ERROR:   NO ROOM LEFT IN SOW FILE!!\r\rTry Deleting some older SOW ID(s).");
  EXPECT_EQ(tp.dialogs.last().title, "SOW ENTRY ERRORS");
  EXPECT_EQ(readSows().size(), 4799u);
  EXPECT_EQ(SowHistory.Id, "NEW1");  // the typed sow is held all the same
  EXPECT_EQ(SowHistory.Breed, "HAMP");
}

TEST_F(HogSow2Test, FailedWriteShowsOneCriticalBoxAndKeepsTheFields) {
  // A read-only file takes no record, and the box says why.
  writeSows({sow("X1")});
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
  EXPECT_EQ(readSows().size(), 1u);
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
