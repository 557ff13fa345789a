// The lines of a history sheet: each caption dashed up to the sheet's
// column, the fields both records hold in the way a sheet's style writes
// them, the figures of an animal's table after them, and the sow's sheet
// word for word.
#include <gtest/gtest.h>

#include "sows/AnimalSheet.h"
#include "sows/SowHistory.h"
#include "sows/SowHistorySheet.h"

namespace {

using Lines = std::vector<std::string>;

// An animal that never left the herd and was never tested, without days to
// 230 or a date of birth.
AnimalHistoryRecord anAnimal() {
  AnimalHistoryRecord h;
  h.Breed = "YORK";
  h.Location = "PEN 3";
  h.DateOfBirth = h.DateLeftHerd = h.PrvDate = "__/__/____";
  h.DateEnteredHerd = "05/01/2023";
  h.Backfat = 0.9f;
  h.Loineye = 6.25f;
  h.PurchasePrice = records::Currency::fromDouble(250);
  return h;
}

}  // namespace

TEST(AnimalSheet, EachStyleWritesTheRecordFieldsItsWay) {
  const struct {
    const char* name;
    AnimalSheetStyle style;
    Lines lines;
  } cases[] = {
      {"wide, dates left out",
       {"SOW", 47, " ", false, false, {10, 30, 400, 330}, true},
       {"", "Breed of SOW. -------------------------------->YORK",
        "Location of SOW. ----------------------------->PEN 3", "SOWs date of birth. -------------------------->",
        "DAYs to 230 lbs. ----------------------------->0", "BACKFAT. ------------------------------------->0.90",
        "LOINEYE in sq INCHs. ------------------------->6.25",
        "Purchase price of SOW. ----------------------->$250.00",
        "Date SOW entered the Herd.  ------------------>05/01/2023",
        "Sold Price of SOW. --------------------------->$0.00", "Date SOW left the Herd. ---------------------->",
        "PRV Date. ------------------------------------>"}},
      {"narrow, dates as stored",
       {"BOAR", 36, "", true, true, {12, 60, 600, 530}, false},
       {"", "Breed of BOAR. -------------------->YORK", "Location of BOAR. ----------------->PEN 3",
        "BOARs date of birth. -------------->__/__/____", "DAYs to 230 lbs. ------------------>",
        "BACKFAT. -------------------------->0.90", "LOINEYE in sq INCHs. -------------->6.25",
        "Purchase price of BOAR. ----------->$250.00", "Date BOAR entered the Herd. ------->05/01/2023",
        "Sold Price of BOAR. --------------->$0.00", "Date BOAR left the Herd. ---------->",
        "PRV Date. ------------------------->"}},
  };
  for (const auto& c : cases) EXPECT_EQ(AnimalSheetLines(anAnimal(), c.style), c.lines) << c.name;
  const AnimalSheetStyle narrow = cases[1].style;
  EXPECT_EQ(SheetLine(narrow, "Average Number of PIGs Stillborn.", "1.00"), "Average Number of PIGs Stillborn. ->1.00");
  EXPECT_EQ(SheetLine(narrow, "A caption longer than the column itself", "9"), "A caption longer than the column itself >9");
}

TEST(AnimalSheet, TheFiguresFollowInTheOrderOfTheirTable) {
  SowHistoryRecord h;
  static_cast<AnimalHistoryRecord&>(h) = anAnimal();
  h.ParityCount = 3;
  h.TotalBorn = 40000;
  h.AvgBorn = 12.5f;
  const SheetFigure<SowHistoryRecord> figures[] = {{"Average born.", &SowHistoryRecord::AvgBorn, "0.00"},
                                                   {"Parities.", &SowHistoryRecord::ParityCount, "####0"},
                                                   {"Born.", &SowHistoryRecord::TotalBorn, "#,##0"}};
  const Lines lines = HistorySheetLines<SowHistoryRecord>(h, {"SOW", 20, "", false, false, {}, true}, figures);
  ASSERT_EQ(lines.size(), 15u);
  EXPECT_EQ(Lines(lines.begin() + 12, lines.end()),
            (Lines{"Average born. ----->12.50", "Parities. --------->3", "Born. ------------->40,000"}));
}

// Every line of a sow's sheet, as it is printed.
TEST(AnimalSheet, TheSowsSheetWordForWord) {
  SowHistory = {};
  static_cast<AnimalHistoryRecord&>(SowHistory) = anAnimal();
  SowHistoryRecord& h = SowHistory;
  h.DaysTo230 = 160;
  h.ParityCount = 2;
  h.TotalWeaned = 19;
  h.AvgWeaned = 9.5f;
  h.AvgLitterBirthWeight = 31.25f;
  h.AvgLitterWeaningWeight = 120.5f;
  h.AvgWeaningAge = 21;
  h.TotalBorn = 24;
  h.TotalStillborn = 2;
  h.TotalBornAlive = 22;
  h.AvgBorn = 12;
  h.AvgStillborn = 1;
  h.AvgBornAlive = 11;
  h.AvgFosteredTo = 0.5f;
  h.AvgFosteredFrom = 1.5f;
  h.TotalFosteredTo = 1;
  h.TotalFosteredFrom = 3;
  EXPECT_EQ(SowHistorySheetLines(),
            (Lines{"",
                   "Breed of SOW. -------------------------------->YORK",
                   "Location of SOW. ----------------------------->PEN 3",
                   "SOWs date of birth. -------------------------->",
                   "DAYs to 230 lbs. ----------------------------->160",
                   "BACKFAT. ------------------------------------->0.90",
                   "LOINEYE in sq INCHs. ------------------------->6.25",
                   "Purchase price of SOW. ----------------------->$250.00",
                   "Date SOW entered the Herd.  ------------------>05/01/2023",
                   "Sold Price of SOW. --------------------------->$0.00",
                   "Date SOW left the Herd. ---------------------->",
                   "PRV Date. ------------------------------------>",
                   "Number of Parities. -------------------------->2",
                   "TOTAL Number of Pigs Weaned. ----------------->19",
                   "Average Number of Pigs Weaned. --------------->9.5",
                   "Average Litter Birth Weight. ----------------->31.25",
                   "Average Litter Weaning Weight. --------------->120.50",
                   "Average Age at Weaning. ---------------------->21.00",
                   "TOTAL Number of PIGs Born. ------------------->24",
                   "TOTAL Number of PIGs Stillborn. -------------->2",
                   "TOTAL Number of PIGs Born Alive. ------------->22",
                   "Average Number of PIGs Born. ----------------->12.00",
                   "Average Number of PIGs Stillborn. ------------>1.00",
                   "Average Number of PIGs Born Alive. ----------->11.00",
                   "Average Number of Pigs Fostered to Sow. ------>0.50",
                   "Averege Number of Pigs Fostered from Sow. ---->1.50",
                   "TOTAL Number of Pigs Fostered to Sow. -------->1",
                   "TOTAL Number of Pigs Fostered from Sow. ------>3"}));
}
