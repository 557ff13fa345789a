// The drug list's lines, the drugs listed and counted, and the way from a
// line back to its record.
#include "common/NumberText.h"

#include "medication/DrugFixture.h"

TEST(DrugListLine, ColumnsOfEachKindOfDrug) {
  const std::pair<DrugRecord, std::string> cases[] = {
      {aDrug("PEN1").name("PENICILLIN").kind("F", "L", 2.5f).onHand(1234.5f),
       " PEN1     PENICILLIN             2.5 Lb/Ton FEED MED.  1234.5   "},
      // only upper-case letters have words: lower case or blank leaves the column blank
      {aDrug("LOW").name("LOWER").kind("v", "m", 1).onHand(2),
       " LOW      LOWER                  1.0                      2.0   "},
      {aDrug("NONE").name("BLANK").kind(" ", "", 1).onHand(2),
       " NONE     BLANK                  1.0                      2.0   "},
      {aDrug("VACSIX").name("A NAME OF TWENTY CHR").kind("V", "M", 100).onHand(0.25f),
       " VACSIX   A NAME OF TWENTY CHR  100. ML     VACCINE       0.3   "},
      {aDrug("H2O").name("WATER").kind("W", "O", 12).onHand(123456),
       " H2O      WATER                 12.0 Oz/Gal WATER MED. 123456   "},
      {aDrug("ODD").name("ODD").kind("X", "Y", 1).onHand(-3),
       " ODD      ODD                    1.0                     -3.0   "},
  };
  for (const auto& [drug, line] : cases) {
    EXPECT_EQ(drugListLine(drug), line);
    EXPECT_EQ(DrugCodeOfLine(line), RTrim(drug.DrugCode));
  }
}

namespace {

// The rows AddDrugRow writes of `drugs`, and the drugs it counts.
int listDrugs(platform::ListItems& rows, const std::vector<DrugRecord>& drugs) {
  int count = 0;
  eachStored(drugs, [&](long n, const uint8_t* drug) { count += AddDrugRow(rows, n, drug); });
  return count;
}

}  // namespace

TEST(DrugListLine, DrugsWithNothingOnHandAreCountedButNotListed) {
  const std::vector<DrugRecord> drugs = {aDrug("A").onHand(5), aDrug(""), aDrug("B").onHand(0), aDrug("C").onHand(7),
                                         aDrug("A").onHand(9)};
  platform::ListItems rows;
  EXPECT_EQ(listDrugs(rows, drugs), 4);
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(DrugCodeOfLine(std::string(rows.text(1))), "C");
  platform::ListItems none;
  EXPECT_EQ(listDrugs(none, {aDrug("B").onHand(0)}), 1);
  EXPECT_EQ(none.size(), 0u);

}

TEST(DrugListLine, EachLineComesWithItsRecordWhoseCodeTheLineShows) {
  platform::ListItems items;
  EXPECT_EQ(listDrugs(items, {aDrug(" PEN").onHand(5), aDrug(""), aDrug("B").onHand(0), aDrug("C ").onHand(7)}), 3);
  const std::vector<std::pair<std::string, long>> rows = rowPairs(items);
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0].second, 1);
  EXPECT_EQ(rows[1].second, 4);
  EXPECT_EQ(DrugCodeOfLine(rows[0].first), "PEN");
  EXPECT_EQ(DrugCodeOfLine(rows[1].first), "C");
}

// One decimal, rounded a half away from zero on the Single's seven digits;
// no sign on a figure shown as 0; every whole digit kept.
TEST(DrugListLine, OneDecimalAsTheFarmerSeesIt) {
  const std::pair<float, const char*> cases[] = {
      {0.0f, "0.0"},        {-0.0f, "0.0"},       {0.04999f, "0.0"},   {0.05f, "0.1"},
      {-0.05f, "-0.1"},     {0.25f, "0.3"},       {2.45f, "2.5"},      {9.95f, "10.0"},
      {9.999999f, "10.0"},  {99999.95f, "100000.0"}, {1234567.5f, "1234568.0"}, {999999.94f, "999999.9"},
      {1e20f, "100000000000000000000.0"}, {-3.14159f, "-3.1"}, {0.01f, "0.0"}, {0.0099999f, "0.0"},
      {1234.5f, "1234.5"},  {12.25f, "12.3"},     {-0.04f, "0.0"},
  };
  for (const auto& [value, text] : cases) EXPECT_EQ(OneDecimal(value), text) << value;
}
