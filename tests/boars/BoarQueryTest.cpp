// The boar list's lines, its query dialog's checks and each kind of query
// over a small herd.
#include <gtest/gtest.h>

#include "boars/BoarQuery.h"
#include "boars/HogBoar1.h"
#include "common/HogGlobals.h"
#include "common/NumberText.h"
#include "sows/SowQuery.h"
#include "support/ListLines.h"
#include "support/RecordBuilders.h"
#include "support/TestPlatform.h"

namespace {

// Three litters of sows in the herd: B1 sired one, B10 two; OLD, gone, one
// of a sow gone.
struct Herd {
  std::vector<SowRecord> sows{aSow("S1").parities(3), aSow("GONE").parities(5).left("01/01/2020")};
  std::vector<FarrowRecord> litters{aLitter().sire("B1").pigs(10, 9).weights(30.0f, 90.0f),
                                    aLitter().sire("B10").pigs(12, 12).weights(24.0f, 80.0f),
                                    aLitter().sire("B10").pigs(8, 8).weights(40.0f, 80.0f),
                                    aLitter().sire("OLD").status(FarrowRecord::LeftHerd).pigs(5, 5)};
  std::vector<BoarRecord> boars{
      aBoar("B1").breed("DUROC").location("BARN1").birth("01/01/2020").entered("01/01/1997").prv("02/01/1997"),
      aBoar(""),
      aBoar("B10").breed("YORK").entered("03/01/1997"),
      aBoar("XB12").location("BARN2").entered("02/01/1997").prv("05/01/1998"),
      aBoar("OLD").breed("DUROC").entered("01/01/1997").left("06/01/2023")};

  TestPlatform tp;

  std::vector<std::string> ids(const std::string& kind, const std::string& criterion) const {
    DataFolder = tp.home();
    writeRecords<BoarRecord>(tp.path("BOAR.DAT"), boars);
    const auto litterImage = records::FileImage<FarrowRecord>::of(litters);
    platform::ListItems rows;
    EXPECT_TRUE(WriteBoarQueryRows(rows, BoarQuery(kind, criterion), SireTable(litterImage),
                                   CountHerdLitters(records::FileImage<SowRecord>::of(sows)), nullptr));
    std::vector<std::string> out;
    for (const std::string& row : rowTexts(rows)) out.push_back(Trim(row.substr(1, 8)));
    return out;
  }
  // The same query through the list window over the three files, which
  // shows no box.
  std::vector<std::string> windowIds(const std::string& kind, const std::string& criterion) {
    DataFolder = tp.home();
    writeRecords<BoarRecord>(tp.path("BOAR.DAT"), boars);
    writeRecords<SowRecord>(tp.path("SOW.DAT"), sows);
    writeRecords<FarrowRecord>(tp.path("FARROW.DAT"), litters);
    HogBoar1 w;
    w.Load();
    QueryArgs = {"", kind, criterion, ""};
    w.ApplyBoarQuery();
    EXPECT_TRUE(tp.dialogs.shown.empty()) << kind;
    std::vector<std::string> out;
    for (int row = 0; row < w.BoarList->ListCount(); ++row) out.push_back(Trim(w.BoarList->List(row).substr(1, 8)));
    return out;
  }
};

using Ids = std::vector<std::string>;

}  // namespace

TEST(BoarQuery, EachKindListsItsBoars) {
  const struct {
    const char* kind;
    const char* criterion;
    Ids expected;
  } cases[] = {
      {"1", "B1", {"B1", "B10", "XB12"}},
      {"2", "DUR", {"B1"}},  // OLD has left the herd
      {"4", "BARN", {"B1", "XB12"}},
      {"3", ">01/01/1997", {"B1", "XB12"}},  // never tested: never listed
      {"3", "?", {}},
      {"5", "<01/01/2021", {"B1"}},
      {"6", "01/01/1997><03/01/1997", {"XB12"}},  // both bounds excluded
      {"6", "=01/01/1997", {"B1"}},
      {"7", "=2", {"B10"}},
      {"7", "0><2", {"B1"}},
      {"7", "1><10", {"B10"}},  // split at the "><", whatever the bounds' lengths
      {"7", ">", {}},           // only a qualifier
      {"8", "=33.3", {"B1"}},
      {"8", "=33.33", {}},
      {"8", ">60", {"B10"}},
      {"9", "=20", {"B10"}},
      {"9", ">9", {"B1", "B10"}},
      {"10", "=32", {"B10"}},
      {"11", "", {"OLD"}},
      {"12", "", {"B1", "B10", "XB12"}},
      {"99", "", {}},
  };
  Herd herd;
  for (const auto& c : cases) {
    EXPECT_EQ(herd.ids(c.kind, c.criterion), c.expected) << c.kind << " " << c.criterion;
    // The kinds that read the litters, through the window too.
    if (const int kind = std::stoi(c.kind); kind >= 7 && kind <= 10)
      EXPECT_EQ(herd.windowIds(c.kind, c.criterion), c.expected) << c.kind << " " << c.criterion;
  }
}

TEST(BoarQuery, ConceptionRateReadsBackFourCharacters) {
  const struct {
    int32_t sired, herd;
    float rate;
  } cases[] = {{1, 3, 33.3f}, {2, 3, 66.6f}, {1, 300, 0.333f}, {5, 0, 0.0f}, {3, 3, 100.0f}};
  for (const auto& c : cases) EXPECT_EQ(QueryConceptionRate(c.sired, c.herd), c.rate) << c.sired << "/" << c.herd;
}

TEST(BoarQuery, LinesOfTheListAndTheListing) {
  const BoarRecord active = aBoar("B1").breed("DUROC").location("BARN1").entered("01/01/1997").price(1234.567);
  const BoarRecord gone = aBoar("OLD").left("06/01/2023");
  const struct {
    std::string line, expected;
  } cases[] = {
      {BoarListLine(active),
       " B1         DUROC                   BARN1          01/01/1997      $1234.56     "},
      {InactiveBoarLine(gone), " OLD        THIS BOAR LEFT THE HERD ON (06/01/2023)" + std::string(29, ' ')},
      {BoarPrintLine(active), " B1         DUROC                      BARN1            01/01/1997      1234.57" +
                                  std::string(16, ' ')},
      {BoarPrintLine(gone), " OLD        THIS BOAR LEFT THE HERD ON (06/01/2023)" + std::string(44, ' ')},
      {BoarPrintLine(aBoar("  ")), ""},
      // Every digit of a price past the seven a Single keeps.
      {BoarListLine(aBoar("B2").entered("01/01/1997").price(16777217)).substr(64),
       " $16777217.     "},
  };
  for (const auto& c : cases) EXPECT_EQ(c.line, c.expected);
  TestPlatform tp;
  DataFolder = tp.home();
  writeRecords<BoarRecord>(tp.path("BOAR.DAT"), {active, gone, aBoar("")});
  platform::ListItems inHerd, left;
  EXPECT_TRUE(WriteBoarRows(inHerd, false, nullptr));
  EXPECT_TRUE(WriteBoarRows(left, true, nullptr));
  EXPECT_EQ(rowPairs(inHerd), (std::vector<std::pair<std::string, long>>{{cases[0].expected, 1}}));
  EXPECT_EQ(rowPairs(left), (std::vector<std::pair<std::string, long>>{{cases[1].expected, 2}}));
}

TEST(BoarQuery, DialogChecksTheCriterionAgainstTheKind) {
  using Args = std::array<std::string, 4>;
  const struct {
    std::optional<std::string> caption;
    const char* typed;
    Args args;
    std::optional<QueryFault> fault;
  } cases[] = {
      {"By PRV DATE", "01/01/1997><03/01/1997", {"", "3", "01/01/1997><03/01/1997", "By PRV DATE"}, {}},
      {"By Number of PIG(s) BORN", "1><9", {"", "9", "1><9", "By Number of PIG(s) BORN"}, {}},
      {"By Number of PIG(s) BORN", "1><", {}, QueryFault::MisplacedRange},
      {"By Number of PIG(s) BORN", "><9", {}, QueryFault::MisplacedRange},
      {"By BREED", " abc ", {"", "2", "ABC", "By BREED"}, {}},
      {"By BREED", ">ABC", {"", "2", "", ""}, QueryFault::QualifierInText},
      {"By BREED", "A><BC", {"", "2", "", ""}, QueryFault::RangeInText},
      {"By DATE BORN", "01/01/1997", {"", "5", "", ""}, QueryFault::NeedQualifier},
      {"By DATE BORN", "?", {"", "5", "?", "By DATE BORN"}, {}},
      {"All ACTIVE BOAR'S", "", {"", "12", "", "All ACTIVE BOAR'S"}, {}},
      {"All ACTIVE BOAR'S", "=5", {"", "12", "", ""}, QueryFault::QualifierInText},
      {"All INACTIVE BOAR(s)", "?", {"", "11", "", ""}, QueryFault::RangeInText},
      {"By BOAR Id.", "", {"", "1", "", "By BOAR Id."}, QueryFault::NoEntry},
      {std::nullopt, "X", {"", "0", "", ""}, {}},
      {"><", "><", {}, QueryFault::MisplacedRange},
  };
  for (const auto& c : cases) {
    const QueryEntryOutcome out = CheckQueryEntry(BoarQueryLanguage(), c.caption, c.typed);
    EXPECT_EQ(out.args, c.args) << c.typed;
    EXPECT_EQ(out.refusal, c.fault ? Check(QueryRefusalOf(*c.fault, BoarQueryLanguage())) : std::nullopt) << c.typed;
  }
  EXPECT_EQ(QueryRefusalOf(QueryFault::QualifierInText, BoarQueryLanguage()),
            (Refusal{"ILLEGAL ENTRY!!\r\rA QUALIFIER is not needed here!", "QUERY  BOAR  HISTORIES",
                     platform::vbExclamation, 0}));
  // The sow dialog's "all" kinds still take whatever is typed.
  EXPECT_FALSE(CheckQueryEntry(SowQueryLanguage(), "All INACTIVE SOW(s)", "=5").refusal);
}
