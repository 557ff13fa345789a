// The sow list's query language: the kinds of the query dialog, the dialog's
// check of each kind's criterion with every refusal, and the matching rules
// of each of the 21 kinds over a herd held in memory.
#include <gtest/gtest.h>

#include <cfloat>
#include <limits>
#include <string>
#include <utility>
#include <optional>
#include <vector>

#include "common/HogGlobals.h"
#include "common/NumberText.h"
#include "sows/SowHistory.h"
#include "sows/SowPages.h"
#include "sows/SowQuery.h"
#include "support/RecordBuilders.h"

namespace {

const char kEmpty[] = "__/__/____";

FarrowRecord litter(int16_t born, int16_t alive, int16_t weaned = 0, const std::string& weanedOn = kEmpty,
                    int16_t to = 0, int16_t from = 0) {
  return aLitter().bornOn("01/01/2000").pigs(born, alive).weaned(weaned, weanedOn).fostered(to, from);
}

// The IDs that a query lists, in record order.
std::vector<std::string> listed(const std::string& code, const std::string& criterion,
                                const std::vector<SowRecord>& sows,
                                const std::vector<FarrowRecord>& litters = {}) {
  SowPageTable table;
  const int n = FillSowPageTable(SowQuery(code, criterion), records::FileImage<SowRecord>::of(sows),
                                 records::FileImage<FarrowRecord>::of(litters), table);
  std::vector<std::string> ids;
  for (int k = 1; k <= n; ++k) {
    const long r = table.At(SowPageTable::PageOfLine(k), SowPageTable::SlotOfLine(k));
    ids.push_back(sows[static_cast<size_t>(r - 1)].Id);
  }
  return ids;
}

using Ids = std::vector<std::string>;

}  // namespace

TEST(SowQueryKinds, TwentyOneEntriesInDialogOrderWithTheirCodes) {
  const std::vector<std::pair<std::string, std::string>> expected = {
      {"By SOW Id.", "1"},
      {"By BREED", "2"},
      {"By PRV DATE", "3"},
      {"By LOCATION", "4"},
      {"By DATE BORN", "5"},
      {"By Number Of PARITIES", "6"},
      {"By DATE DUE To FARROW", "7"},
      {"By DATE BRED", "8"},
      {"By A BOAR", "9"},
      {"By DATE of ENTRY into HERD", "10"},
      {"By Avg. Number Of PIG(s) BORN", "11"},
      {"By Avg. Number Of PIG(s) STILLBORN", "12"},
      {"By Avg. Number Of PIG(s) WEANED", "13"},
      {"By DAY'S to 230", "14"},
      {"By BACKFAT", "15"},
      {"By LOINEYE", "16"},
      {"By Fostered TO", "17"},
      {"By Fostered FROM", "18"},
      {"All INACTIVE SOW(s)", "19"},
      {"All ACTIVE SOW'S", "0"},
      {"By DATE WEANED", "20"},
  };
  const auto& kinds = SowQueryLanguage().kinds;
  ASSERT_EQ(kinds.size(), expected.size());
  for (size_t i = 0; i < kinds.size(); ++i) {
    EXPECT_EQ(kinds[i].caption, expected[i].first);
    EXPECT_EQ(kinds[i].code, expected[i].second);
  }
  EXPECT_EQ(SowQueryLanguage().byCode("21"), nullptr);
  EXPECT_EQ(SowQueryLanguage().byCaption("By breed"), nullptr);
  EXPECT_EQ(SowQueryLanguage().byCode("19")->family, QueryFamily::All);
}

// The sow dialog's refusals: their texts and the titles, which differ in
// their spacing.
TEST(SowQueryLanguage, RefusalTextsAndTitles) {
  const struct {
    QueryFault fault;
    const char* text;
    const char* title;
  } cases[] = {
      {QueryFault::MisplacedRange,
       "ILLEGAL ENTRY!!\r\rInvalid placement of QUALIFIER.\rIt MUST be placed between statements.\r\r"
       ">< A RANGE\rExample: 01/01/1997><03/01/1997",
       "QUERY   SOW   LIST"},
      {QueryFault::RangeInText, "ILLEGAL ENTRY!!\r\rA '?' is no longer needed!", "QUERY  SOW  HISTORIES"},
      {QueryFault::QualifierInText, "ILLEGAL ENTRY!!\r\rA QUALIFIER is not needed here!", "QUERY   SOW   HISTORIES"},
      {QueryFault::NeedQualifier,
       "ILLEGAL ENTRY!!\r\rYou MUST use a QUALIFIER!\rThe following are VALID:\r<  LESS THAN\r"
       ">  GREATER THAN\r=  EQUAL TO\r>< A RANGE\r\rExample:  >01/01/1997",
       "QUERY   SOW   HISTORIES"},
      {QueryFault::NoEntry, "NO ENTRY!!\rYou MUST enter SOMETHING!", "QUERY   SOW   HISTORIES"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(QueryRefusalOf(c.fault, SowQueryLanguage()), (Refusal{c.text, c.title, platform::vbExclamation, 0}))
        << c.title;
}

// EXECUTE with each kind of the sow dialog: QueryArgs as it stands after,
// and the refusal. A refused kind is already set when the box shows.
TEST(SowQueryLanguage, CheckOfEachKindsCriterion) {
  const struct {
    std::optional<std::string> kind;
    std::string typed;
    std::array<std::string, 4> args;
    std::optional<QueryFault> refusal;
  } cases[] = {
      {"By BREED", "  yorkshire ", {"", "2", "YORKSHIRE", "By BREED"}, {}},
      {"By SOW Id.", ">A1", {"", "1", "", ""}, QueryFault::QualifierInText},
      {"By SOW Id.", "A?", {"", "1", "", ""}, QueryFault::RangeInText},
      {"By SOW Id.", "A1><A9", {"", "1", "", ""}, QueryFault::RangeInText},
      {"By A BOAR", "   ", {"", "9", "", "By A BOAR"}, QueryFault::NoEntry},
      {"By DATE BRED", "01/01/2005", {"", "8", "", ""}, QueryFault::NeedQualifier},
      {"By DATE BRED", "", {"", "8", "", ""}, QueryFault::NeedQualifier},  // the qualifier is looked for first
      {"By DATE BRED", ">01/01/2005", {"", "8", ">01/01/2005", "By DATE BRED"}, {}},
      {"By Number Of PARITIES", "2><5", {"", "6", "2><5", "By Number Of PARITIES"}, {}},
      {"By BACKFAT", "5?", {"", "15", "5?", "By BACKFAT"}, {}},
      {"By SOW Id.", "><5", {}, QueryFault::MisplacedRange},
      {"By SOW Id.", "5><", {}, QueryFault::MisplacedRange},
      {"By BACKFAT", "><5", {}, QueryFault::MisplacedRange},
      {"By BACKFAT", "5><", {}, QueryFault::MisplacedRange},
      {"All ACTIVE SOW'S", "><5", {}, QueryFault::MisplacedRange},
      {"All ACTIVE SOW'S", "5><", {}, QueryFault::MisplacedRange},
      {"All ACTIVE SOW'S", "ANYTHING", {"", "0", "", "All ACTIVE SOW'S"}, {}},
      {"All INACTIVE SOW(s)", "", {"", "19", "", "All INACTIVE SOW(s)"}, {}},
      {std::nullopt, ">5", {"", "0", "", ""}, {}},
      {"By breed", "YORK", {"", "0", "", ""}, {}},  // no entry of the dialog
  };
  for (const auto& c : cases) {
    const QueryEntryOutcome o = CheckQueryEntry(SowQueryLanguage(), c.kind, c.typed);
    EXPECT_EQ(o.args, c.args) << c.kind.value_or("(none)") << " " << c.typed;
    EXPECT_EQ(o.refusal, c.refusal ? Check(QueryRefusalOf(*c.refusal, SowQueryLanguage())) : std::nullopt)
        << c.kind.value_or("(none)") << " " << c.typed;
  }
}

// ---- Matching -------------------------------------------------------------

TEST(SowQueryMatch, AllActiveAndAllInactiveSkipFreeRecords) {
  std::vector<SowRecord> herd = {aSow("A1"), aSow("A2"), aSow("        "), aSow("A4")};
  herd[1].DateLeftHerd = "03/15/2004";
  herd[2].DateLeftHerd = "01/01/2001";  // a free record is listed by neither
  EXPECT_EQ(listed("0", "", herd), (Ids{"A1", "A4"}));
  EXPECT_EQ(listed("19", "", herd), (Ids{"A2"}));
  EXPECT_EQ(listed("21", "", herd), Ids{});
}

TEST(SowQueryMatch, TextKindsFindTheCriterionAnywhereIgnoringCase) {
  std::vector<SowRecord> herd = {aSow("A12"), aSow("120"), aSow("812"), aSow("B1"), aSow("x12")};
  EXPECT_EQ(listed("1", "12", herd), (Ids{"A12", "120", "812", "x12"}));
  EXPECT_EQ(listed("1", "X1", herd), (Ids{"x12"}));
  herd[0].Breed = "Yorkshire";
  herd[1].Breed = "Landrace";
  herd[2].Breed = "York X";
  EXPECT_EQ(listed("2", "YORK", herd), (Ids{"A12", "812"}));
  herd[1].Location = "PEN 4";
  herd[3].Location = "pen 41";
  EXPECT_EQ(listed("4", "PEN 4", herd), (Ids{"120", "B1"}));
  herd[4].BoarId = "b77";
  EXPECT_EQ(listed("9", "B77", herd), (Ids{"x12"}));
  EXPECT_EQ(listed("9", "", herd), Ids{});
}

TEST(SowQueryMatch, TextKindsListSowsThatLeftTheHerdToo) {
  std::vector<SowRecord> herd = {aSow("A1"), aSow("A2")};
  herd[0].DateLeftHerd = "05/05/2005";
  EXPECT_EQ(listed("1", "A", herd), (Ids{"A1", "A2"}));
}

TEST(SowQueryMatch, DateQualifiersCompareYearMonthDay) {
  std::vector<SowRecord> herd = {aSow("D1"), aSow("D2"), aSow("D3"), aSow("D4")};
  herd[0].PrvDate = "12/31/1998";
  herd[1].PrvDate = "01/01/1999";
  herd[2].PrvDate = "06/15/1997";
  EXPECT_EQ(listed("3", ">12/31/1998", herd), (Ids{"D2"}));
  EXPECT_EQ(listed("3", "<12/31/1998", herd), (Ids{"D3"}));
  EXPECT_EQ(listed("3", "=12/31/1998", herd), (Ids{"D1"}));
  // Without a qualifier or a range nothing is listed.
  EXPECT_EQ(listed("3", "12/31/1998", herd), Ids{});
}

TEST(SowQueryMatch, DateRangeExcludesBothBounds) {
  std::vector<SowRecord> herd;
  for (const char* d : {"01/01/1997", "01/02/1997", "02/28/1997", "03/01/1997", "12/31/1996"}) {
    herd.push_back(aSow(d));
    herd.back().DateOfBirth = d;
  }
  EXPECT_EQ(listed("5", "01/01/1997><03/01/1997", herd), (Ids{"01/02/1997", "02/28/1997"}));
}

TEST(SowQueryMatch, EachDateKindReadsItsOwnField) {
  std::vector<SowRecord> herd = {aSow("P"), aSow("B"), aSow("D"), aSow("R"), aSow("E")};
  herd[0].PrvDate = "02/02/2002";
  herd[1].DateOfBirth = "02/02/2002";
  herd[2].DateDue = "02/02/2002";
  herd[3].DateBred = "02/02/2002";
  herd[4].DateEnteredHerd = "02/02/2002";
  EXPECT_EQ(listed("3", "=02/02/2002", herd), (Ids{"P"}));
  EXPECT_EQ(listed("5", "=02/02/2002", herd), (Ids{"B"}));
  EXPECT_EQ(listed("7", "=02/02/2002", herd), (Ids{"D"}));
  EXPECT_EQ(listed("8", "=02/02/2002", herd), (Ids{"R"}));
  EXPECT_EQ(listed("10", "=02/02/2002", herd), (Ids{"E"}));
}

TEST(SowQueryMatch, EmptyDatesMatchNoCriterion) {
  std::vector<SowRecord> herd = {aSow("E1"), aSow("E2")};
  herd[1].DateDue = std::string(10, ' ');  // the sow card's blank due date
  for (const char* code : {"3", "5", "7", "8"})
    for (const char* c : {"<12/31/2099", ">01/01/1900", "=__/__/____", "01/01/1900><12/31/2099"})
      EXPECT_EQ(listed(code, c, herd), Ids{}) << code << " " << c;
}

TEST(SowQueryMatch, DueDateOfEightDigitsReadsAsMonthDayYear) {
  std::vector<SowRecord> herd = {aSow("N1"), aSow("N2")};
  herd[0].DateDue = "03152005  ";
  herd[1].DateDue = "03/16/2005";
  EXPECT_EQ(NormalizedDueDate("03152005  "), "03/15/2005");
  EXPECT_EQ(NormalizedDueDate("          "), kEmpty);
  EXPECT_EQ(listed("7", "=03/15/2005", herd), (Ids{"N1"}));
  EXPECT_EQ(listed("7", "03/01/2005><03/31/2005", herd), (Ids{"N1", "N2"}));
}

TEST(SowQueryMatch, WeanedDateListsASowOnceIfAnyLitterMatches) {
  std::vector<FarrowRecord> litters = {litter(10, 10, 9, "01/10/1998"), litter(11, 10, 9, "03/10/1998"),
                                       litter(8, 8, 0), litter(9, 9, 8, "01/05/1998")};
  std::vector<SowRecord> herd = {aSow("W1").litters({1, 2}), aSow("W2").litters({3}),  // W2 not weaned yet
                                 aSow("W3").litters({4}), aSow("W4")};
  // W4 has no litters.
  EXPECT_EQ(listed("20", ">02/01/1998", herd, litters), (Ids{"W1"}));
  EXPECT_EQ(listed("20", "<02/01/1998", herd, litters), (Ids{"W1", "W3"}));
  EXPECT_EQ(listed("20", "<12/31/2099", herd, litters), (Ids{"W1", "W3"}));
  // A link past the end of FARROW.DAT is passed over.
  herd[3] = aSow("W4").litters({77});
  EXPECT_EQ(listed("20", "<12/31/2099", herd, litters), (Ids{"W1", "W3"}));
}

TEST(SowQueryMatch, ParityRangesWithBoundsOfEqualOrUnequalLength) {
  std::vector<SowRecord> herd;
  for (int16_t p = 0; p <= 9; ++p) {
    herd.push_back(aSow("P" + std::to_string(p)));
    herd.back().ParityCount = p;  // no litter links: only the count is read here
  }
  EXPECT_EQ(listed("6", "02><05", herd), (Ids{"P3", "P4"}));
  EXPECT_EQ(listed("6", "2><5", herd), (Ids{"P3", "P4"}));
  EXPECT_EQ(listed("6", "5><10", herd), (Ids{"P6", "P7", "P8", "P9"}));
  EXPECT_EQ(listed("6", "=4", herd), (Ids{"P4"}));
  EXPECT_EQ(listed("6", ">7", herd), (Ids{"P8", "P9"}));
  EXPECT_EQ(listed("6", "<1", herd), (Ids{"P0"}));
  // A qualifier in front of a range compares with the number after it.
  EXPECT_EQ(listed("6", ">5><10", herd), (Ids{"P6", "P7", "P8", "P9"}));
  EXPECT_EQ(listed("6", "<2><10", herd), (Ids{"P0", "P1"}));
  EXPECT_EQ(listed("6", "=4><9", herd), (Ids{"P4"}));
}

TEST(SowQueryMatch, QualifierOnlyListsNothing) {
  std::vector<SowRecord> herd = {aSow("Q1"), aSow("Q2")};
  herd[0].DaysTo230 = 160;
  for (const char* t : {">", "<", "="}) EXPECT_EQ(listed("14", t, herd), Ids{}) << t;
}

TEST(SowQueryMatch, WholeAndSingleFieldsOfTheSow) {
  std::vector<SowRecord> herd = {aSow("M1"), aSow("M2"), aSow("M3")};
  herd[0].DaysTo230 = 150;
  herd[1].DaysTo230 = 175;
  herd[2].DaysTo230 = 190;
  herd[0].Backfat = 0.85f;
  herd[1].Backfat = 1.1f;
  herd[2].Backfat = 0.6f;
  herd[0].Loineye = 6.25f;
  herd[1].Loineye = 5.5f;
  herd[2].Loineye = 7.1f;
  EXPECT_EQ(listed("14", "160><180", herd), (Ids{"M2"}));
  EXPECT_EQ(listed("14", "=190", herd), (Ids{"M3"}));
  EXPECT_EQ(listed("15", "=.85", herd), (Ids{"M1"}));
  EXPECT_EQ(listed("15", "=1.1", herd), (Ids{"M2"}));
  EXPECT_EQ(listed("15", "<.7", herd), (Ids{"M3"}));
  EXPECT_EQ(listed("16", ">6", herd), (Ids{"M1", "M3"}));
  EXPECT_EQ(listed("16", "=6.25", herd), (Ids{"M1"}));
  EXPECT_EQ(listed("16", "5.5><7.1", herd), (Ids{"M1"}));
}

// A Single kind compares each value read to seven digits, as its text reads
// back; an infinite or undefined value reads as 0.
TEST(SowQueryMatch, SingleKindsCompareTheValueReadToSevenDigits) {
  const float values[] = {0.0f, -0.0f, 0.85f, 0.849999f, 0.8500001f, 0.6f, 0.9f, 1.0f / 3.0f, 0.3333333f,
                          -1.5f, -1.4999999f, 1e-3f, 1e-45f, -1e-45f, 1e30f, FLT_MAX, -FLT_MAX, 9999999.0f,
                          10000000.0f, 9999999.5f, std::numeric_limits<float>::infinity(),
                          -std::numeric_limits<float>::infinity(), std::numeric_limits<float>::quiet_NaN()};
  std::vector<SowRecord> herd;
  for (size_t i = 0; i < std::size(values); ++i) {
    herd.push_back(aSow("B" + std::to_string(i)));
    herd.back().Backfat = values[i];
  }
  const std::pair<const char*, Ids> cases[] = {
      {">.85", {"B4", "B6", "B14", "B15", "B17", "B18", "B19"}},
      {"<.85", {"B0", "B1", "B3", "B5", "B7", "B8", "B9", "B10", "B11", "B12", "B13", "B16", "B20", "B21", "B22"}},
      {"=.85", {"B2"}},
      {".6><.9", {"B2", "B3", "B4"}},
      {"=.3333333", {"B7", "B8"}},
      {">-1.5", {"B0", "B1", "B2", "B3", "B4", "B5", "B6", "B7", "B8", "B11", "B12", "B13", "B14", "B15", "B17", "B18", "B19", "B20", "B21", "B22"}},
      {"<0", {"B9", "B10", "B13", "B16"}},
      {"=0", {"B0", "B1", "B20", "B21", "B22"}},
      {">0", {"B2", "B3", "B4", "B5", "B6", "B7", "B8", "B11", "B12", "B14", "B15", "B17", "B18", "B19"}},
      {"0><1e-3", {"B12"}},
      {"=1e30", {"B14"}},
      {">3.4e38", {"B15"}},
      {"<-3.4e38", {"B16"}},
      {"5", {}},
      {">", {}},
      {">5><2", {"B14", "B15", "B17", "B18", "B19"}},
      {"=abc", {"B0", "B1", "B20", "B21", "B22"}},
      {">1e39", {}},
      {"=9999999.5", {"B18", "B19"}},
  };
  for (const auto& [criterion, ids] : cases) EXPECT_EQ(listed("15", criterion, herd), ids) << criterion;
}

TEST(SowQueryMatch, AverageBornIsRoundedHalfToEven) {
  // 10.5 tests as 10, 11.5 as 12.
  std::vector<FarrowRecord> litters = {litter(10, 10), litter(11, 11), litter(11, 11), litter(12, 12)};
  std::vector<SowRecord> herd = {aSow("H1").litters({1, 2}), aSow("H2").litters({3, 4}), aSow("H3")};
  EXPECT_EQ(listed("11", "=10", herd, litters), (Ids{"H1"}));
  EXPECT_EQ(listed("11", "=12", herd, litters), (Ids{"H2"}));
  EXPECT_EQ(listed("11", "=11", herd, litters), Ids{});
  // A sow without litters has 0 in every statistic.
  EXPECT_EQ(listed("11", "=0", herd, litters), (Ids{"H3"}));
  EXPECT_EQ(listed("11", "<1", herd, litters), (Ids{"H3"}));
}

TEST(SowQueryMatch, StillbornWeanedAndFosteredStatistics) {
  std::vector<FarrowRecord> litters = {litter(10, 9, 8, "02/01/2000", 2, 0), litter(12, 12, 11, "03/01/2000", 1, 3),
                                       litter(9, 6, 6, "04/01/2000", 0, 1)};
  std::vector<SowRecord> herd = {
      aSow("S1").litters({1, 2}),  // stillborn 1 over 2 litters: .5; weaned 9.5; to 3; from 3
      aSow("S2").litters({3}),     // stillborn 3; weaned 6; to 0; from 1
      aSow("S3")};
  EXPECT_EQ(listed("12", "=.5", herd, litters), (Ids{"S1"}));
  EXPECT_EQ(listed("12", ">1", herd, litters), (Ids{"S2"}));
  EXPECT_EQ(listed("12", "=0", herd, litters), (Ids{"S3"}));
  EXPECT_EQ(listed("13", "=9.5", herd, litters), (Ids{"S1"}));
  EXPECT_EQ(listed("13", "5><7", herd, litters), (Ids{"S2"}));
  EXPECT_EQ(listed("17", "=3", herd, litters), (Ids{"S1"}));
  EXPECT_EQ(listed("17", "<1", herd, litters), (Ids{"S2", "S3"}));
  EXPECT_EQ(listed("18", "=1", herd, litters), (Ids{"S2"}));
  EXPECT_EQ(listed("18", ">2", herd, litters), (Ids{"S1"}));
}

TEST(SowQueryMatch, AverageOfAThirdComparesToSevenDigits) {
  std::vector<FarrowRecord> litters = {litter(10, 9), litter(10, 10), litter(10, 10)};
  std::vector<SowRecord> herd = {aSow("T1").litters({1, 2, 3})};
  EXPECT_EQ(listed("12", "=.3333333", herd, litters), (Ids{"T1"}));
  EXPECT_EQ(SingleForQuery(1.0f / 3.0f), static_cast<float>(0.3333333));
}

TEST(SowQueryMatch, BuildLeavesTheLastRecordReadInTheScratchValues) {
  std::vector<FarrowRecord> litters = {litter(10, 10)};
  std::vector<SowRecord> herd = {aSow("L1").litters({1}), aSow("L2")};
  listed("0", "", herd, litters);
  EXPECT_EQ(SowHistory.ParityCount, 0);
  EXPECT_EQ(FarrowLinks[1], 0);
  std::swap(herd[0], herd[1]);
  listed("0", "", herd, litters);
  EXPECT_EQ(SowHistory.ParityCount, 1);
  EXPECT_EQ(FarrowLinks[1], 1);
}

