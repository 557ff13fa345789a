// New boar entry and boar PRV dates: their checks, the records written and
// a run of each window.
#include <gtest/gtest.h>

#include <cerrno>
#include <sys/stat.h>

#include "boars/HogBoar2.h"
#include "boars/HogBoar5.h"
#include "common/HogGlobals.h"
#include "platform/FileSystem.h"
#include "support/BoxMatch.h"
#include "support/RecordBuilders.h"

namespace {

const char kDateTitle[] = "INVALIED  DATE  ENTRY";
const char kEntryTitle[] = "BOAR ENTRY ERRORS";

class BoarWindowTest : public ::testing::Test {
 protected:
  TestPlatform tp;
  void SetUp() override {
    DataFolder = tp.home();
    DateText = "06/01/2024";
    BoarHistory = {};
  }
  std::string boarPath() const { return tp.path("BOAR.DAT"); }
};

}  // namespace

TEST(NewBoarChecks, EachFieldIsRefusedInTurn) {
  const struct {
    NewBoarEntry entry;
    const char* text;  // nullptr: accepted
    const char* title;
    int field;
  } cases[] = {
      {{.id = ""}, "BOAR ID is a required entry!", kEntryTitle, 0},
      {{.id = "   "}, "BOAR ID is a required entry!", kEntryTitle, 0},
      {{.id = "B1", .dateOfBirth = "13/01/2020", .dateEnteredHerd = "__/__/____"},
       "DATE ENTERED HERD is a required entry!", kEntryTitle, 8},
      {{.id = "B1", .dateEnteredHerd = "12/31/1989"}, "ERROR: Your YEAR is less than 1990!", kDateTitle, 8},
      {{.id = "B1", .dateOfBirth = "13/01/2020", .dateEnteredHerd = "05/01/2024"},
       "ERROR: INVALIED MONTH!\r\r  Your MONTH is greater than 12!", kDateTitle, 7},
      // The PRV date is checked whether or not a date of birth was typed.
      {{.id = "B1", .dateEnteredHerd = "05/01/2024", .prvDate = "02/30/2024"},
       "ERROR: INVALIED DAY!\r\rYour DAY is to large for the entered MONTH!", kDateTitle, 9},
      // The numbers after the dates, in the order of their boxes.
      {{.id = "B1", .daysTo230 = "9e9", .backfat = "x", .dateEnteredHerd = "05/01/2024"},
       "DAYS TO 230 can't be more than 32767!\r\rIt takes a number from 0 to 32767.", kEntryTitle, 3},
      {{.id = "B1", .loineye = "-2", .dateEnteredHerd = "05/01/2024"},
       "LOINEYE can't be less than 0!\r\rIt takes a number from 0 to 9999999.", kEntryTitle, 4},
      {{.id = "B1", .backfat = "0.9x", .dateEnteredHerd = "05/01/2024"},
       "BACKFAT is not a number!\r\rIt takes a number from 0 to 9999999.", kEntryTitle, 5},
      {{.id = "B1", .purchasePrice = "9e999999", .dateEnteredHerd = "05/01/2024"},
       "PURCHASE PRICE can't be more than 99999999!\r\rIt takes a number from 0 to 99999999.",
       kEntryTitle, 6},
      {{.id = "B1", .dateOfBirth = "01/01/2020", .dateEnteredHerd = "05/01/2024", .prvDate = "02/01/2024"}, nullptr,
       nullptr, 0},
  };
  for (const auto& c : cases) {
    NewBoarEntry e = c.entry;
    for (std::string* date : {&e.dateOfBirth, &e.dateEnteredHerd, &e.prvDate})
      if (date->empty()) *date = "__/__/____";
    EXPECT_EQ(CheckNewAnimalEntry(e, kNewBoar),
              c.text ? Check(Refusal{c.text, c.title, platform::vbExclamation, c.field}) : std::nullopt)
        << (c.text ? c.text : "accepted");
  }
  EXPECT_EQ(CheckNewBoarSlot({4, 3, "B1      "}),
            (Refusal{"BOAR ID (B1      ) is ALL READY USED!", kEntryTitle, platform::vbExclamation, 0}));
  EXPECT_EQ(CheckNewBoarSlot({32768, 0, ""}),
            (Refusal{"ERROR:   NO ROOM LEFT IN BOAR FILE!!\r\rTry Deleting some older BOAR ID(s).", kEntryTitle,
                     platform::vbExclamation, 0}));
  EXPECT_FALSE(CheckNewBoarSlot({32767, 0, ""}));
}

TEST_F(BoarWindowTest, NewBoarTakesTheFreeRecordAndAnIdAnywhereIsRefused) {
  writeRecords<BoarRecord>(boarPath(), {aBoar("B0"), aBoar(""), aBoar("B1")});
  HogBoar2 w;
  w.Load();
  EXPECT_EQ(w.Caption(), "N E W   B O A R   R E C O R D");
  EXPECT_EQ(w.Boar[6]->Text(), "0.00");
  w.Boar[0]->SetText("B1");
  w.Accept_Click();
  EXPECT_TRUE(LastBoxIs(tp.dialogs, {"BOAR ID (B1      ) is ALL READY USED!", kEntryTitle, platform::vbExclamation}));
  w.Boar[0]->SetText("B2");
  w.Boar[1]->SetText("DUROC");
  w.Boar[3]->SetText("150.5");
  w.Boar[6]->SetText(" ");
  w.Accept_Click();
  const std::vector<BoarRecord> back = readRecords<BoarRecord>(boarPath());
  ASSERT_EQ(back.size(), 3u);
  EXPECT_EQ(back[1].Id, "B2      ");
  EXPECT_EQ(back[1].DaysTo230, 150);
  EXPECT_EQ(back[1].DateEnteredHerd, "06/01/2024");
  EXPECT_EQ(back[1].DateLeftHerd, "__/__/____");
  EXPECT_EQ(back[1].PurchasePrice.value(), 0.0);
  EXPECT_EQ(BoarHistory.Breed, "");  // a free record taken leaves the block as it was
  EXPECT_EQ(w.Boar[0]->Text(), "");
  EXPECT_EQ(w.BoarDate[1]->Text(), "06/01/2024");
  w.Boar[0]->SetText("B3");
  w.Boar[1]->SetText("YORK");
  w.Boar[6]->SetText("250");
  w.Accept_Click();
  EXPECT_EQ(readRecords<BoarRecord>(boarPath()).size(), 4u);
  EXPECT_EQ(BoarHistory.Breed, "YORK");
  EXPECT_EQ(BoarHistory.PurchasePrice, records::Currency::fromDouble(250));
  // A free last record taken is no append either: the next window keeps YORK.
  writeRecords<BoarRecord>(boarPath(), {aBoar("B0"), aBoar("")});
  w.Boar[0]->SetText("B4");
  w.Boar[1]->SetText("HAMP");
  w.Accept_Click();
  EXPECT_EQ(readRecords<BoarRecord>(boarPath()).at(1).Id, "B4      ");
  HogBoar2 next;
  next.Load();
  EXPECT_EQ(next.Boar[1]->Text() + "|" + next.Boar[6]->Text(), "YORK|250.00");
}

TEST(BoarPrvChecks, DateAndIdsAreRequired) {
  PrvBoxes none, blank, one;
  blank[3] = " ";  // a box of blanks holds no ID
  one[3] = "B7";
  const struct {
    std::string date;
    const PrvBoxes& boxes;
    Check expected;
  } cases[] = {
      {"__/__/____", one, Refusal{"You MUST enter a DATE for the PRV test.", "PRV DATE", platform::vbExclamation, -1}},
      {"13/01/2024", one,
       Refusal{"ERROR: INVALIED MONTH!\r\r  Your MONTH is greater than 12!", kDateTitle, platform::vbExclamation, 0}},
      {"05/01/2024", none, Refusal{"You haven't entered any BOAR ID'S!", "PRV TEST", platform::vbExclamation, 1}},
      {"05/01/2024", blank, Refusal{"You haven't entered any BOAR ID'S!", "PRV TEST", platform::vbExclamation, 1}},
      {"05/01/2024", one, std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(CheckBoarPrvEntry(c.date, c.boxes), c.expected) << c.date;
  EXPECT_EQ(PrvOutcome("05/01/2024", 0).text, "All selected BOAR(s) have been updated to 05/01/2024");
  EXPECT_EQ(PrvOutcome("05/01/2024", 2).text,
            "The selected BOAR(s) have not been found!\rThey were not updated to 05/01/2024\r"
            "Recheck the spelling of the remaining entries.");
}

TEST_F(BoarWindowTest, PrvDateReachesTheActiveBoarsFound) {
  writeRecords<BoarRecord>(boarPath(), {aBoar(""), aBoar("B1"), aBoar("OLD").left("01/01/2024"), aBoar("b2")});
  HogBoar5 w;
  w.Load();
  EXPECT_EQ(w.PrvDat->Text(), "06/01/2024");
  w.PrvAccept->setFocus();
  w.PrvAccept->Press();  // no ID yet: refused, and the first ID box takes the typing
  EXPECT_EQ(w.focusWidget(), w.Prv[0]);
  w.Prv[0]->SetText("b1 ");
  w.Prv[1]->SetText("  ");  // blanks find no free record
  w.Prv[2]->SetText("OLD");
  w.Prv[3]->SetText("B2");
  w.Prv[4]->SetText("NONE");
  w.PrvAccept_Click();
  EXPECT_TRUE(LastBoxIs(tp.dialogs, BoxOf(PrvOutcome("06/01/2024", 2))));
  const std::vector<BoarRecord> back = readRecords<BoarRecord>(boarPath());
  EXPECT_EQ(back[0].PrvDate, "__/__/____");
  EXPECT_EQ(back[1].PrvDate, "06/01/2024");
  EXPECT_EQ(back[2].PrvDate, "__/__/____");
  EXPECT_EQ(back[3].PrvDate, "06/01/2024");
  const std::vector<std::string> left = {"", "  ", "", "", "NONE"};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(w.Prv[i]->Text(), left[static_cast<size_t>(i)]);
}

// The boar found in the scan cannot be read, or written: the box says which,
// naming BOAR.DAT and why; nothing is written, and his box keeps his ID.
TEST_F(BoarWindowTest, PrvNamesTheFileOfAFailedReadOrWrite) {
  for (const bool readFails : {true, false}) {
    writeRecords<BoarRecord>(boarPath(), {aBoar("B0"), aBoar("B1")});
    const std::string before = readFile(boarPath());
    HogBoar5 w;
    w.Load();
    w.Prv[0]->SetText("B1");
    // The read of record 2 alone fails, the scan's reads going through; or
    // the file may not be written.
    if (readFails)
      platform::setDiskReadHook([](int, long long at, size_t size) { return at == 1084 && size == 1084 ? EIO : 0; });
    else
      chmod(boarPath().c_str(), 0444);
    w.PrvAccept_Click();
    platform::setDiskReadHook(nullptr);
    const std::string heading = readFails ? "ERROR:   COULD NOT READ THE FILE!!" : "ERROR:   COULD NOT WRITE TO THE FILE!!";
    ASSERT_FALSE(tp.dialogs.shown.empty());
    EXPECT_EQ(tp.dialogs.last().text.substr(0, heading.size() + 2 + boarPath().size()),
              heading + "\r\r" + boarPath());
    if (readFails)
      EXPECT_TRUE(LastBoxIs(tp.dialogs, {heading + "\r\r" + boarPath() + "\rcannot read " + boarPath() +
                                             ": Input/output error\r\rNothing more was done.",
                                         "PRV TEST", platform::vbCritical}));
    EXPECT_EQ(readFile(boarPath()), before);
    EXPECT_EQ(w.Prv[0]->Text(), "B1");
    chmod(boarPath().c_str(), 0644);
  }
}
