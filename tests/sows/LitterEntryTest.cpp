// The litter entry's checks, the sire check, the record an accepted column
// writes (its bytes), the derived rows and the due-date preset.
#include <gtest/gtest.h>

#include "common/HogGlobals.h"
#include "sows/LitterEntry.h"
#include "sows/LitterSheet.h"
#include "support/RecordBuilders.h"
#include "support/RecordBytes.h"
#include "support/TestPlatform.h"

namespace {

const char kDateTitle[] = "INVALIED  DATE  ENTRY";
const char kZero[] = ",\ris a REQUIRED ENTRY!\rIT MUST NOT EQUAL ZERO (0)!";

LitterColumn typedLitter() {
  LitterColumn c{};
  c[kDateBornRow] = "03/01/2024";
  c[kBornRow] = "12";
  c[kAliveRow] = "11";
  c[kBirthWeightRow] = "35.5";
  c[kFosteredToRow] = "2";
  c[kFosteredFromRow] = "1";
  c[kDateWeanedRow] = "03/29/2024";
  c[kWeanedRow] = "10";
  c[kWeaningWeightRow] = "120";
  c[kBoarRow] = "b7";
  return c;
}

}  // namespace

TEST(LitterEntryChecks, EachFieldIsRefusedInTurn) {
  const struct {
    int row;
    const char* typed;
    bool correcting;
    std::string text;  // "": accepted
    const char* title;
  } cases[] = {
      {kDateBornRow, "__/__/____", false, "Date PIG(s) were born, is a REQUIRED ENTRY!", kFarrowEntryTitle},
      {kDateBornRow, "__/__/____", true, "Date Born is a REQUIRED ENTRY!", kFarrowEntryTitle},
      {kDateBornRow, "12/31/1989", false, "ERROR: Your YEAR is less than 1990!", kDateTitle},
      {kBornRow, "abc", false, "The NUMBER of PIG(s) Born is not a number!\r\rIt takes a number from 1 to 32767.",
       kFarrowEntryTitle},
      {kBornRow, "0.4", true, std::string("The NUMBER of PIG(s) Born") + kZero, kFarrowEntryTitle},
      {kBornRow, "40000", false,
       "The NUMBER of PIG(s) Born can't be more than 32767!\r\rIt takes a number from 1 to 32767.", kFarrowEntryTitle},
      {kBornRow, "-3", true, "The NUMBER of PIG(s) Born can't be less than 1!\r\rIt takes a number from 1 to 32767.",
       kFarrowEntryTitle},
      {kBornRow, "12abc", false, "The NUMBER of PIG(s) Born is not a number!\r\rIt takes a number from 1 to 32767.",
       kFarrowEntryTitle},
      {kAliveRow, "", false, std::string("The NUMBER of ALIVE PIG(s)") + kZero, kFarrowEntryTitle},
      {kBirthWeightRow, "1E-50", false, std::string("The LITTER BIRTH WEIGHT") + kZero, kFarrowEntryTitle},
      {kBirthWeightRow, "9E99", false,
       "The LITTER BIRTH WEIGHT can't be more than 9999999!\r\rIt takes a number from 0 to 9999999.", kFarrowEntryTitle},
      {kBirthWeightRow, "-35", false,
       "The LITTER BIRTH WEIGHT can't be less than 0!\r\rIt takes a number from 0 to 9999999.", kFarrowEntryTitle},
      {kDateWeanedRow, "02/30/2024", false, "ERROR: INVALIED DAY!\r\rYour DAY is to large for the entered MONTH!",
       kDateTitle},
      {kDateWeanedRow, "03/01/9999", false, "The PIG's AGE at WEANING is out of range!\rRecheck the DATE WEANED.",
       kFarrowEntryTitle},
      {kWeanedRow, "0", false, std::string("The Number of PIG(s) WEANED") + kZero, kFarrowEntryTitle},
      {kWeanedRow, "99999", false,
       "The Number of PIG(s) WEANED can't be more than 32767!\r\rIt takes a number from 1 to 32767.", kFarrowEntryTitle},
      {kWeaningWeightRow, "0.00", false, std::string("The LITTER WEANING WEIGHT") + kZero, kFarrowEntryTitle},
      {kWeaningWeightRow, "120 lb", false,
       "The LITTER WEANING WEIGHT is not a number!\r\rIt takes a number from 0 to 9999999.", kFarrowEntryTitle},
      {kFosteredToRow, "-1", false,
       "The NUMBER of PIG(s) FOSTERED to the SOW can't be less than 0!\r\rIt takes a number from 0 to 32767.",
       kFarrowEntryTitle},
      {kFosteredFromRow, "99999", true,
       "The NUMBER of PIG(s) FOSTERED from the SOW can't be more than 32767!\r\rIt takes a number from 0 to 32767.",
       kFarrowEntryTitle},
      {kFosteredFromRow, "two", false,
       "The NUMBER of PIG(s) FOSTERED from the SOW is not a number!\r\rIt takes a number from 0 to 32767.",
       kFarrowEntryTitle},
      // Not weaned: the weaning counts are not asked for.
      {kDateWeanedRow, "__/__/____", false, "", nullptr},
      {kFosteredToRow, "", false, "", nullptr},
  };
  for (const auto& c : cases) {
    LitterColumn column = typedLitter();
    column[static_cast<size_t>(c.row)] = c.typed;
    if (column[kDateWeanedRow] == "__/__/____") column[kWeanedRow] = column[kWeaningWeightRow] = "";
    const Check got = CheckLitterEntry(column, c.correcting);
    if (c.text.empty()) {
      EXPECT_FALSE(got) << c.typed;
      continue;
    }
    ASSERT_TRUE(got) << c.typed;
    const bool own = std::string(c.title) == kFarrowEntryTitle;
    const int icon = own && c.correcting ? platform::vbInformation : platform::vbExclamation;
    EXPECT_EQ(*got, (Refusal{c.text, c.title, icon, c.row})) << c.typed;
  }
}

TEST(LitterEntryChecks, SireParityRoomSlotAndLinks) {
  TestPlatform tp;
  DataFolder = tp.home();
  writeRecords<BoarRecord>(tp.path("BOAR.DAT"), {aBoar("B1"), aBoar(""), aBoar("DUROC 7")});
  const struct {
    const char* typed;
    bool found;
  } sires[] = {{"b1", true}, {" duroc 7 ", true}, {"B2", false}, {"   ", false}, {"", false}};
  for (const auto& c : sires) EXPECT_EQ(SireInBoarFile(c.typed, nullptr), c.found) << c.typed;
  const std::string noBoar = "\rRecheck your BOAR entry!";
  EXPECT_FALSE(CheckSire("b1", true));
  EXPECT_EQ(CheckSire("B2", false)->text, "NO SUCH BOAR AS ( B2 ) IN FILE!" + noBoar);
  EXPECT_EQ(*CheckSire("   ", false),
            (Refusal{"NO SUCH BOAR AS (  ) IN FILE!" + noBoar, kFarrowEntryTitle, platform::vbExclamation, kBoarRow}));
  EXPECT_FALSE(CheckParityRoom(8));
  EXPECT_EQ(CheckParityRoom(9)->text, "You can't have more than 9 PARITY'S per SOW!");
  EXPECT_FALSE(CheckLitterSlot(32767));
  EXPECT_TRUE(CheckLitterSlot(32768));

  FarrowLinkArray links{0, 1, 2, 3};
  EXPECT_FALSE(CheckSowLitterLinks("S1", 3, links, 3));
  EXPECT_EQ(CheckSowLitterLinks("S1 ", 3, links, 2)->text,
            "SOW ID(S1) has a broken link to PARITY #3!\r\rHer litters can't be shown or added here.");
  EXPECT_EQ(CheckSowLitterLinks("S1", 10, links, 9)->text,
            "SOW ID(S1) has 10 PARITY'S!\r\rHer litters can't be shown or added here.");
  EXPECT_EQ(CheckSowLitterLinks("S1", 1, links, 0)->title, " FARROW  ERROR ");
}

TEST(LitterEntryRecord, AcceptedColumnWritesTheseBytes) {
  LitterColumn c = typedLitter();
  ComputeWeaningRows(c, false);
  const FarrowRecord weaned = LitterRecordOf(c, FarrowRecord::LeftHerd);
  const std::string bytes = RecordBytes(50)
                                .i16(0, 2)
                                .text(2, "03/01/2024")
                                .i16(12, 12)
                                .i16(14, 11)
                                .f32(16, 35.5f)
                                .text(20, "03/29/2024")
                                .i16(30, 10)
                                .i16(32, 28)
                                .f32(34, 120.0f)
                                .i16(38, 2)
                                .i16(40, 1)
                                .text(42, "b7")
                                .str();
  EXPECT_EQ(recordBytes<FarrowRecord>({weaned}), bytes);

  c[kDateWeanedRow] = "__/__/____";
  ComputeWeaningRows(c, false);
  const FarrowRecord unweaned = LitterRecordOf(c, FarrowRecord::InHerd);
  EXPECT_EQ(recordBytes<FarrowRecord>({unweaned}),
            RecordBytes(50).text(0, bytes).i16(0, 1).text(20, "__/__/____").i16(30, 0).i16(32, 0).f32(34, 0).str());
}

TEST(LitterEntryRecord, DerivedRowsOfTheShownAndSilentColumns) {
  LitterColumn c = typedLitter();
  EXPECT_EQ(ComputeWeaningRows(c, false), WeaningNotice::None);
  const LitterColumn expect = [] {
    LitterColumn e = typedLitter();
    e[kStillbornRow] = "8.33";
    e[kMortalityRow] = "16.6";  // (11 + 2 - 1 - 10) / 12
    e[kAgeRow] = "28";
    e[kWeightPerPigRow] = "12";
    e[kAdjustedRow] = "98.4";
    return e;
  }();
  EXPECT_EQ(c, expect);
  c[kDateWeanedRow] = "05/01/2024";
  EXPECT_EQ(ComputeWeaningRows(c, false), WeaningNotice::Late);
  c[kDateWeanedRow] = "03/02/2024";
  EXPECT_EQ(ComputeWeaningRows(c, false), WeaningNotice::Early);
  EXPECT_EQ(c[kAdjustedRow], "EARLY");
  c[kDateWeanedRow] = "__/__/____";
  c[kWeanedRow] = "";
  EXPECT_EQ(ComputeWeaningRows(c, false), WeaningNotice::Unavailable);
  EXPECT_EQ(c[kDateWeanedRow], "__/__/____");
  EXPECT_EQ(c[kMortalityRow], "");
  EXPECT_EQ(c[kWeightPerPigRow], "0");
  ComputeWeaningRows(c, true);
  EXPECT_EQ(c[kDateWeanedRow], "");
}

TEST(LitterEntryRecord, StoredLitterFillsAColumn) {
  LitterColumn c{};
  FillLitterColumn(c, aLitter().bornOn("03/01/2024").pigs(9, 8).weights(30.25f, 0).fostered(1, 0).sire("B1"), 7, false);
  EXPECT_EQ(c[kBornRow], "9");
  EXPECT_EQ(c[kBirthWeightRow], "30.25");
  EXPECT_EQ(c[kLitterNumberRow], "7");
  EXPECT_EQ(c[kWeaningWeightRow], "0.00");
  EXPECT_EQ(c[kBoarRow], "B1");
  FillLitterColumn(c, asStored<FarrowRecord>({aLitter().sire("B1")})[0], 7, true);
  EXPECT_EQ(c[kBoarRow], "B1      ");
}

TEST(LitterEntryRecord, DueDatePresets) {
  const struct {
    const char* stored;
    const char* preset;
  } cases[] = {{"05/08/2024", "05/08/2024"}, {"5082024", "05/08/2024"},    {"12012024", "12/01/2024"},
               {"__/__/____", "__/__/____"}, {"          ", "__/__/____"}, {"", "__/__/____"}};
  for (const auto& c : cases) EXPECT_EQ(DueDatePreset(c.stored), c.preset) << c.stored;
}

TEST(LitterSheet, LinesLeaveEmptyDatesOut) {
  LitterColumn c = typedLitter();
  c[kParityRow] = "2";
  c[kDateWeanedRow] = "__/__/____";
  const std::vector<std::string> lines = LitterSheetLines(c);
  ASSERT_EQ(lines.size(), 18u);
  EXPECT_EQ(lines[0], "");
  EXPECT_EQ(lines[1], "PARITY. --------------------------->2");
  EXPECT_EQ(lines[2], "The Date the Pigs were Born. ------>03/01/2024");
  EXPECT_EQ(lines[11], "The Date the Pigs are Weaned. ----->");
  EXPECT_EQ(lines[17], "The BOAR ID. ---------------------->b7");
}
