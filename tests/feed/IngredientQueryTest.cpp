// The ingredient list's query: the dialog's kinds, the check of each kind's
// criterion with the dialog's own refusals, and each kind over a small
// stock of ingredients.
#include <gtest/gtest.h>

#include "feed/IngredientQuery.h"
#include "support/QueryChecks.h"
#include "support/ListLines.h"
#include "support/RecordBuilders.h"

namespace {

using Codes = std::vector<std::string>;

Codes codesOf(const std::string& kind, const std::string& criterion) {
  const auto file = records::FileImage<IngredientRecord>::of({
      anIngredient("CORN").name("Cracked Corn").pounds(500, 100).cost(12.5, 0.125).dated("01/01/2012"),
      anIngredient(""),
      anIngredient("SOY").name("Soybean Meal").pounds(0, 199).cost(40, 0.2).dated("02/15/2012"),
      anIngredient("OATS").name("Oats?").pounds(501, 150).cost(12.5, 0.0833),
  });
  platform::ListItems rows;
  WriteIngredientQueryRows(rows, file, IngredientQuery(kind, criterion));
  Codes codes;
  for (const std::string& line : rowTexts(rows)) codes.push_back(IngredientCodeOfLine(line));
  return codes;
}

}  // namespace

TEST(IngredientQueryLanguage, KindsInTheOrderOfTheDialog) {
  const std::vector<std::pair<std::string, QueryFamily>> expected = {
      {"By INGREDIENT Name", QueryFamily::Text},   {"By INGREDIENT Code", QueryFamily::Text},
      {"By CURRENT INVENTORY", QueryFamily::Whole}, {"By START INVENTORY", QueryFamily::Whole},
      {"By TOTAL COST", QueryFamily::Single},      {"By UNIT COST", QueryFamily::Single},
      {"By INVENTORY DATE", QueryFamily::Date},
  };
  const auto& kinds = IngredientQueryLanguage().kinds;
  ASSERT_EQ(kinds.size(), expected.size());
  for (size_t i = 0; i < kinds.size(); ++i) {
    EXPECT_EQ(kinds[i].caption, expected[i].first);
    EXPECT_EQ(kinds[i].code, std::to_string(i + 1));
    EXPECT_EQ(kinds[i].family, expected[i].second) << kinds[i].caption;
  }
}

TEST(IngredientQueryLanguage, CheckOfEachKindsCriterion) {
  const char kPlacement[] =
      "ILLEGAL ENTRY!!\r\rInvalid placement of QUALIFIER.\rIt MUST be placed between statements.\r\r"
      ">< A RANGE\rExample: 01/01/2012><03/01/2012";
  const char kMustUse[] =
      "ILLEGAL ENTRY!!\r\rYou MUST use a QUALIFIER!\rThe following are VALID:\r<  LESS THAN\r"
      ">  GREATER THAN\r=  EQUAL TO\r>< A RANGE\r\rExample:  >01/01/2012\r\rA global '?' can be used with a '='";
  const char kNotNeeded[] = "ILLEGAL ENTRY!!\r\rA QUALIFIER is not needed here!";
  const char kQuestion[] =
      "ILLEGAL ENTRY!!\r\rInvalid Use of QUALIFIER.\rYou CAN NOT use the global\rQUALIFIER '?' in a number statement.";
  const char kEmpty[] = "NO ENTRY!!\rYou MUST enter SOMETHING!";
  auto box = [](const char* text) { return Check(Refusal{text, "QUERY   INGREDIENT   LIST", platform::vbExclamation, 0}); };
  ExpectQueryChecks(IngredientQueryLanguage(), {
      {"By INGREDIENT Name", "corn", {"", "1", "CORN", "By INGREDIENT Name"}, {}},
      {"By INGREDIENT Name", "=CORN", {"", "1", "", ""}, box(kNotNeeded)},
      {"By CURRENT INVENTORY", "500", {"", "3", "", ""}, box(kMustUse)},
      {"By CURRENT INVENTORY", "", {"", "3", "", ""}, box(kMustUse)},
      {"By INGREDIENT Code", "", {"", "2", "", "By INGREDIENT Code"}, box(kEmpty)},
      {"By START INVENTORY", "5><9", {}, box(kPlacement)},
      {"By START INVENTORY", "><5", {}, box(kPlacement)},
      {std::nullopt, "5><", {}, box(kPlacement)},
      {"By UNIT COST", "=0.1?", {"", "6", "", ""}, box(kQuestion)},
      {"By INVENTORY DATE", ">01/01/2012", {"", "7", ">01/01/2012", "By INVENTORY DATE"}, {}},
      {std::nullopt, "ANY", {"", "0", "", ""}, {}},
  });
}

TEST(IngredientQuery, EachKindListsItsIngredients) {
  const struct {
    const char* kind;
    const char* criterion;
    Codes expected;
  } cases[] = {
      {"1", "CORN", {"CORN"}},       // Cracked Corn, in any case
      {"1", "?", {"OATS"}},          // only itself
      {"2", "O", {"CORN", "SOY", "OATS"}},
      {"3", ">500", {"OATS"}},       // none with exactly 500
      {"3", "=0", {"SOY"}},          // an empty stock is listed
      {"3", "500.5><502", {"OATS"}},  // 500.5 rounds to 500, excluded
      {"4", "100><200", {"SOY", "OATS"}},
      {"4", "50><150", {"CORN"}},    // split at the "><"
      {"5", "=12.5", {"CORN", "OATS"}},
      {"6", "<0.1", {"OATS"}},
      {"6", ">0.125", {"SOY"}},
      {"7", "01/01/2012><03/01/2012", {"SOY"}},
      {"7", ">01/01/2012", {"SOY"}},
      {"7", "<12/31/2099", {"CORN", "SOY"}},  // never an empty date
  };
  for (const auto& c : cases) EXPECT_EQ(codesOf(c.kind, c.criterion), c.expected) << c.kind << " " << c.criterion;
}
