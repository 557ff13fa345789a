// The five-year charts' figures over herds made in memory: the years and
// their labels, pigs weaned per sow and per crate, the adjusted 21-day
// weight per pig and the medication cost per pig.
#include <gtest/gtest.h>

#include "common/DateMath.h"
#include "reports/ChartRowPrint.h"
#include "support/RecordBuilders.h"

namespace {

template <class R>
records::FileImage<R> imageOf(const std::vector<R>& rows) {
  return records::FileImage<R>::of(rows);
}

TEST(ChartYears, FirstYearAndLabelsFromTheYearTyped) {
  const struct { const char* typed; int first; const char* firstLabel; const char* lastLabel; } cases[] = {
      {"1998", 1998, "Year 1998", "Year 2002"}, {" 2024 ", 2024, "Year 2024", "Year 2028"},
      {"0998", 998, "Year 0998", "Year 1002"},  {"20.5", 20, "Year 0020", "Year 0024"},
      {"abcd", 0, "Year 0000", "Year 0004"},    {"9e30", 0, "Year 0000", "Year 0004"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ChartFirstYear(c.typed), c.first) << c.typed;
    const ChartRows rows = BlankChartRows(ChartFirstYear(c.typed));
    EXPECT_EQ(rows[0], (ChartRow{c.firstLabel, "0"})) << c.typed;
    EXPECT_EQ(rows[4].label, c.lastLabel) << c.typed;
  }
}

// From 1998: 44 sows in the herd since 1990, one that leaves in 2000, one
// that comes in 1999, a free record.
std::vector<SowRecord> herdFrom1998() {
  std::vector<SowRecord> sows(44, aSow("S").entered("06/01/1990"));
  sows.push_back(aSow("GONE").entered("06/01/1990").left("03/01/2000"));
  sows.push_back(aSow("NEW").entered("05/01/1999"));
  sows.push_back(aSow(""));
  return sows;
}

// 300 pigs weaned in 1998 (one litter born in 1997), 46 in 1999 by a sow
// that left, 44 in 2000; a litter not weaned and one weaned after 2002.
std::vector<FarrowRecord> littersFrom1998() {
  return {aLitter().bornOn("05/10/1998").weaned(150, "06/01/1998"),
          aLitter().bornOn("12/20/1997").weaned(150, "01/10/1998"),
          aLitter().bornOn("05/10/1999").weaned(46, "06/01/1999").status(FarrowRecord::LeftHerd),
          aLitter().bornOn("05/10/2000").weaned(44, "06/01/2000"),
          aLitter().bornOn("05/10/2002").weaned(9),
          aLitter().bornOn("05/10/2003").weaned(50, "06/01/2003")};
}

TEST(PigsWeanedPerSow, WeanedInTheYearOverTheSowsOfTheYear) {
  const struct { const char* typed; ChartRows rows; } cases[] = {
      {"1998", {{{"Year 1998 SOW(s)=45", "6"}, {"Year 1999 SOW(s)=46", "1"}, {"Year 2000 SOW(s)=45", "0"},
                 {"Year 2001 SOW(s)=45", "0"}, {"Year 2002 SOW(s)=45", "0"}}}},
      // Years of fewer than four digits match no date: only 0 is plotted.
      {"0996", {{{"Year 0996 SOW(s)=45", "0"}, {"Year 0997 SOW(s)=45", "0"}, {"Year 0998 SOW(s)=45", "0"},
                 {"Year 0999 SOW(s)=45", "0"}, {"Year 1000 SOW(s)=0", "0"}}}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(PigsWeanedPerSow(imageOf(herdFrom1998()), imageOf(littersFrom1998()), ChartFirstYear(c.typed)),
              c.rows)
        << c.typed;
}

TEST(PigsWeanedPerCrate, WeanedInTheYearOverTheCratesTyped) {
  const CrateCounts crates = {"20", "abc", "4.5", "0", " -5"};
  const ChartRows expected = {{{"Year 1998 CRATE(s)=20", "15"}, {"Year 1999 CRATE(s)=abc", "0"},
                               {"Year 2000 CRATE(s)=4.5", "11"},  // 4.5 crates count as 4
                               {"Year 2001 CRATE(s)=0", "0"}, {"Year 2002 CRATE(s)= -5", "0"}}};
  EXPECT_EQ(PigsWeanedPerCrate(imageOf(littersFrom1998()), 1998, crates), expected);
  EXPECT_EQ(PigsWeanedPerCrate(imageOf(littersFrom1998()), 1998, CrateCounts{})[0],
            (ChartRow{"Year 1998 CRATE(s)=", "0"}));
}

// A litter counts in the year its weaning date's last four characters
// name, across a decade's end; a text that only ends in a year's last digit
// (or in a character of the same low bits) counts nowhere.
TEST(PigsWeanedPerCrate, ALitterCountsInTheYearItsWeaningDateEndsIn) {
  const struct { int first; const char* weaned; int row; } cases[] = {
      {2018, "06/01/2018", 0}, {2018, "06/01/2019", 1}, {2018, "06/01/2020", 2}, {2018, "06/01/2021", 3},
      {2018, "06/01/2022", 4}, {2018, "06/01/2023", -1}, {2018, "06/01/2017", -1}, {2018, "06/01/2028", -1},
      {2018, "06/01/1920", -1}, {2018, "06/01/201H", -1}, {2018, "06/01/201(", -1}, {2018, "__/__/____", -1},
      {9998, "06/01/9999", 1}, {9998, "06/01/1000", -1}, {996, "06/01/0998", -1}, {996, "06/01/1000", 4},
  };
  const CrateCounts crates = {"1", "1", "1", "1", "1"};
  for (const auto& c : cases) {
    const std::vector<FarrowRecord> litters = {aLitter().weaned(7, c.weaned)};
    const ChartRows rows = PigsWeanedPerCrate(imageOf(litters), c.first, crates);
    for (int i = 0; i < kChartYears; ++i)
      EXPECT_EQ(rows[static_cast<size_t>(i)].valueText, i == c.row ? "7" : "0") << c.first << " " << c.weaned << " " << i;
  }
}

TEST(PigsWeanedPerCrate, TheDialogTakesWholeNumbersOfCratesOrNone) {
  const std::array<std::string, kChartYears> years = {"2020", "2021", "2022", "2023", "2024"};
  const std::string range = "\r\rIt takes a number from 0 to 32767.";
  const struct {
    CrateCounts typed;
    Check expected;
  } cases[] = {
      {{"20", "", " 4 ", "4.5", "0"}, std::nullopt},
      {{"20", "abc", "", "", ""},
       Refusal{"The NUMBER of CRATE(s) for 2021 is not a number!" + range, kCrateEntryTitle, platform::vbExclamation, 1}},
      {{"20", "5", "-5", "", ""},
       Refusal{"The NUMBER of CRATE(s) for 2022 can't be less than 0!" + range, kCrateEntryTitle,
               platform::vbExclamation, 2}},
      {{"", "", "", "", "40000"},
       Refusal{"The NUMBER of CRATE(s) for 2024 can't be more than 32767!" + range, kCrateEntryTitle,
               platform::vbExclamation, 4}},
  };
  for (const auto& c : cases) EXPECT_EQ(CheckCrateCounts(c.typed, years), c.expected) << c.typed[0];
}

// A litter of 10 pigs weighing 120 lb at weaning, weaned in 2024 at `age` days.
LitterBuilder weanedAt(int age, int16_t pigs = 10) {
  return aLitter().bornOn(AddDays("06/30/2024", -age)).weaned(pigs, "06/30/2024").weights(30, 120);
}

TEST(Adj21DayWeight, MeanWeightPerPigAdjustedByAgeAtWeaning) {
  const struct { const char* what; std::vector<FarrowRecord> litters; const char* value; } cases[] = {
      {"21 days", {weanedAt(21)}, "12"},
      {"14 days", {weanedAt(14)}, "15.48"},
      {"12 days", {weanedAt(12)}, "12"},
      {"40 days", {weanedAt(40)}, "12"},
      {"both", {weanedAt(21), weanedAt(14)}, "13.74"},
      {"born the year before", {aLitter().bornOn("12/25/2023").weaned(10, "01/15/2024").weights(30, 120)}, "12"},
      {"none weaned left out", {weanedAt(21), weanedAt(14, 0)}, "12"},
      {"only none weaned", {weanedAt(21, 0)}, "0"},
      {"left the herd", {weanedAt(28).status(FarrowRecord::LeftHerd)}, "9.84"},
      {"weaned the year after", {aLitter().bornOn("12/20/2028").weaned(10, "01/10/2029").weights(30, 120)}, "0"},
  };
  for (const auto& c : cases) {
    const ChartRows rows = Adj21DayWeightPerYear(imageOf(c.litters), 2024);
    EXPECT_EQ(rows[0], (ChartRow{"Year 2024", c.value})) << c.what;
    for (size_t i = 1; i < rows.size(); ++i) EXPECT_EQ(rows[i].valueText, "0") << c.what;
  }
}

TEST(MedicationCostPerPig, DrugsBoughtOverPigsSold) {
  const SalesRecord deleted;
  const DrugRecord blanked;
  const auto boughtOn = [](const std::string& date, double cost) {
    return aDrug("D" + date.substr(0, 2)).bought(10, cost).set(&DrugRecord::PurchaseDate, date);
  };
  const struct {
    const char* what;
    std::vector<SalesRecord> sales;
    std::vector<DrugRecord> drugs;
    ChartRow row;
  } cases[] = {
      {"plain", {aSale("M", "N01-24").sold(100, 250, 0.5f, "05/01/2024")},
       {boughtOn("01/15/2024", 200), boughtOn("07/15/2024", 50), boughtOn("07/15/2023", 75)},
       {"Year 2024 PIG(s)=100", "2.50"}},
      {"none sold", {aSale("M", "N01-24").sold(100, 250, 0.5f, "05/01/2023"), deleted},
       {boughtOn("01/15/2024", 250)}, {"Year 2024 PIG(s)=0", "0"}},
      {"adjustments add", {aSale("F", "N01-24").sold(60, 50, 1, "05/01/2024"),
                           aSale("F", "N01-24").sold(40, 50, 1, "12/31/2024").yearEnd()},
       {boughtOn("01/15/2024", 250), blanked}, {"Year 2024 PIG(s)=100", "2.50"}},
      {"nothing bought", {aSale("M", "N01-24").sold(30, 250, 0.5f, "05/01/2024")}, {},
       {"Year 2024 PIG(s)=30", "0.00"}},
  };
  for (const auto& c : cases) {
    DrugCostsPerYear drugs(2024);
    eachStored(c.drugs, [&drugs](long, const uint8_t* drug) { drugs.add(drug); });
    const ChartRows rows = MedicationCostPerPig(imageOf(c.sales), drugs, 2024);
    EXPECT_EQ(rows[0], c.row) << c.what;
    EXPECT_EQ(rows[1], (ChartRow{"Year 2025 PIG(s)=0", "0"})) << c.what;
  }
}

}  // namespace
