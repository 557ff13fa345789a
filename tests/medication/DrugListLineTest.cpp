// The drug list's lines, the drugs listed and counted, and the way from a
// line back to its record.
#include "common/NumberText.h"
#include <array>
#include <cmath>
#include <string_view>
#include <tuple>

#include "common/Format.h"
#include "medication/DrugListLine.h"
#include "support/RecordBuilders.h"

TEST(DrugListLine, ColumnsOfEachKindOfDrug) {
  const std::pair<DrugRecord, std::string> cases[] = {
      {aDrug("PEN1").name("PENICILLIN").kind("F", "L", 2.5f).onHand(1234.5f),
       " PEN1     PENICILLIN             2.5 Lb/Ton FEED MED.  1234.5   "},
      {aDrug("VAC").name("A NAME OF TWENTY CHR").kind("V", "M", 100).onHand(0.25f),
       " VAC      A NAME OF TWENTY CHR  100. ML     VACCINE       0.3   "},
      {aDrug("H2O").name("WATER").kind("W", "O", 12).onHand(123456),
       " H2O      WATER                 12.0 Oz/Gal WATER MED. 123456   "},
      {aDrug("ODD").name("ODD").kind("X", "Y", 1).onHand(-3),
       " ODD      ODD                    1.0                     -3.0   "},
  };
  for (const auto& [drug, line] : cases) {
    EXPECT_EQ(DrugListLine(drug), line);
    EXPECT_EQ(DrugCodeOfLine(line), RTrim(drug.DrugCode));
  }
}

TEST(DrugListLine, DrugsWithNothingOnHandAreCountedButNotListed) {
  const auto image = records::FileImage<DrugRecord>::of(
      {aDrug("A").onHand(5), aDrug(""), aDrug("B").onHand(0), aDrug("C").onHand(7), aDrug("A").onHand(9)});
  const DrugListing listing = ListDrugs(image);
  EXPECT_EQ(listing.drugs, 4);
  ASSERT_EQ(listing.lines.size(), 3u);
  EXPECT_EQ(DrugCodeOfLine(listing.lines[1]), "C");
  EXPECT_EQ(ListDrugs(records::FileImage<DrugRecord>::of({aDrug("B").onHand(0)})).drugs, 1);

  DrugsByCode byCode(image);
  EXPECT_EQ(byCode.First("A"), 1);
  EXPECT_EQ(byCode.First("a"), 0);
  byCode.Blanked("A");
  EXPECT_EQ(byCode.First("A"), 5);
  byCode.Blanked("A");
  EXPECT_EQ(byCode.First("A"), 0);
}

TEST(DrugListLine, EachLineComesWithItsRecordWhoseCodeTheLineShows) {
  const auto image = records::FileImage<DrugRecord>::of(
      {aDrug(" PEN").onHand(5), aDrug(""), aDrug("B").onHand(0), aDrug("C ").onHand(7)});
  std::vector<std::pair<std::string, long>> rows;
  EXPECT_EQ(WriteDrugList(image, [&rows](std::string_view line, long n) { rows.emplace_back(line, n); }), 3);
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0].second, 1);
  EXPECT_EQ(rows[1].second, 4);
  for (const auto& [line, n] : rows) EXPECT_EQ(DrugCodeAt(image.bytes(n)), DrugCodeOfLine(line)) << line;
  EXPECT_EQ(DrugCodeAt(image.bytes(1)), "PEN");
}

TEST(DrugListLine, OneDecimalIsTheTextOfItsDisplayMask) {
  std::vector<float> values = {0, -0.0f, 0.04999f, 0.05f, -0.05f, 0.25f, 2.45f, 9.95f, 9.9999990f, 99999.95f,
                               1234567.5f, 999999.94f, 1e20f, -3.14159f, 0.01f, 0.0099999f};
  uint32_t bits = 12345;
  for (int i = 0; i < 100000; ++i) {  // values of every size from 10^-6 to 10^9, either sign
    bits = bits * 1664525u + 1013904223u;
    values.push_back(std::ldexp(static_cast<float>(static_cast<int32_t>(bits)), -static_cast<int>(bits % 50)));
  }
  for (float v : values) ASSERT_EQ(OneDecimal(v), Format(v, "0.0")) << v;
  EXPECT_EQ(Format(1234.5f, "####0.0"), Format(1234.5f, "0.0"));
}

TEST(DrugListLine, WordsOfEveryStoredLetter) {
  // The three letters of each table have their words; every other
  // character, lower case, blank and NUL included, has none.
  const std::array<std::tuple<char, std::string_view, std::string_view>, 9> words = {{
      {'M', " ML", ""}, {'L', " Lb/Ton", ""}, {'O', " Oz/Gal", ""},
      {'V', "", "VACCINE"}, {'F', "", "FEED MED."}, {'W', "", "WATER MED."},
      {'m', "", ""}, {' ', "", ""}, {'\0', "", ""}}};
  for (const auto& [letter, unit, type] : words) {
    EXPECT_EQ(DrugUnitText(letter), unit) << int{letter};
    EXPECT_EQ(DrugTypeWord(letter), type) << int{letter};
  }
  for (int c = 0; c < 256; ++c) {
    const char letter = static_cast<char>(c);
    // The lines write each in all its columns, the blanks after it included.
    EXPECT_EQ(DrugUnitColumns(letter), (std::string(DrugUnitText(letter)) + "       ").substr(0, 7)) << c;
    EXPECT_EQ(DrugTypeColumns(letter), (std::string(DrugTypeWord(letter)) + "          ").substr(0, 10)) << c;
    if (std::string_view("MLOVFW").find(letter) != std::string_view::npos) continue;
    EXPECT_EQ(DrugUnitText(letter), "") << c;
    EXPECT_EQ(DrugTypeWord(letter), "") << c;
  }
}
