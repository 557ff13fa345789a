// The grammar of the query criteria: the qualifier class the dialogs check,
// the parsing of date and number criteria and the keys they compare.
#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/NumberText.h"
#include "common/QueryGrammar.h"

TEST(QueryGrammar, LaterRulesReplaceEarlierOnes) {
  EXPECT_EQ(ClassifyCriterion("><5"), QualifierClass::MisplacedRange);
  EXPECT_EQ(ClassifyCriterion("5><"), QualifierClass::MisplacedRange);
  EXPECT_EQ(ClassifyCriterion("2><5"), QualifierClass::Range);
  EXPECT_EQ(ClassifyCriterion(">2><5"), QualifierClass::Comparison);
  EXPECT_EQ(ClassifyCriterion(">A?"), QualifierClass::Range);
  EXPECT_EQ(ClassifyCriterion("=3"), QualifierClass::Comparison);
  EXPECT_EQ(ClassifyCriterion("YORK"), QualifierClass::None);
  EXPECT_EQ(ClassifyCriterion(""), QualifierClass::None);
}

TEST(QueryGrammar, DateCriterionPositionsAreFixed) {
  // A date typed without leading zeros gives the key of whatever stands at
  // the fixed positions.
  const DateCriterion c = ParseDateCriterion(">1/5/2005");
  EXPECT_EQ(c.key, "20051//2");
  const DateCriterion r = ParseDateCriterion("01/01/1997><03/01/1997");
  EXPECT_EQ(r.op, 'R');
  EXPECT_EQ(r.lowKey, "19970101");
  EXPECT_EQ(r.highKey, "19970301");
}

TEST(QueryGrammar, NumberCriterionParsing) {
  NumberCriterion c = ParseNumberCriterion("5><10", true);
  EXPECT_EQ(c.op, 'R');
  EXPECT_EQ(c.low, 5);
  EXPECT_EQ(c.high, 10);
  c = ParseNumberCriterion("0.5><1.5", false);
  EXPECT_FLOAT_EQ(static_cast<float>(c.low), 0.5f);
  EXPECT_FLOAT_EQ(static_cast<float>(c.high), 1.5f);
  c = ParseNumberCriterion(">0.5><1.5", false);
  EXPECT_EQ(c.op, '>');
  EXPECT_FLOAT_EQ(static_cast<float>(c.bound), 0.5f);
  c = ParseNumberCriterion(">><5", true);  // nothing between qualifier and range
  EXPECT_EQ(c.op, '>');
  EXPECT_EQ(c.bound, 0);
  c = ParseNumberCriterion(">2.5", true);  // whole kinds round halves to even
  EXPECT_EQ(c.bound, 2);
  c = ParseNumberCriterion(">3.5", true);
  EXPECT_EQ(c.bound, 4);
  // Only a qualifier, or no qualifier at all: nothing matches.
  for (const char* t : {">", "<", "=", "5", "5?", ""}) {
    c = ParseNumberCriterion(t, true);
    EXPECT_FALSE(NumberMatches(c, 0)) << t;
    EXPECT_FALSE(NumberMatches(c, 5)) << t;
    EXPECT_FALSE(NumberMatches(c, -5)) << t;
  }
}

// A stored Single matches the number the user types for the text it shows:
// 0.85 is found by "=0.85" though its float is 0.8500000238...
TEST(QueryGrammar, AStoredSingleMatchesTheNumberItShows) {
  const struct {
    float stored;
    const char* criterion;
    bool matches;
  } cases[] = {
      {0.85f, "=0.85", true},         {0.85f, ">0.85", false},          {1.0f / 3.0f, "=.3333333", true},
      {12345678.0f, "=12345680", true}, {-2.5f / 3.0f, "<-.8333333", false}, {std::numeric_limits<float>::infinity(), "=0", true},
  };
  for (const auto& c : cases)
    EXPECT_EQ(NumberMatches(ParseNumberCriterion(c.criterion, false), SingleForQuery(c.stored)), c.matches)
        << c.stored << " " << c.criterion;
}

// The key of a stored date: its last four characters, its first two, then its
// characters 4 and 5, as far as the text goes; nothing for an empty date.
TEST(QueryGrammar, DateKeysTakeFixedPositions) {
  struct Case {
    std::string stored;
    std::optional<std::string> key;
  };
  for (const Case& c : std::vector<Case>{{"03/15/2024", "20240315"},
                                         {"03/15/2024  ", "20240315"},
                                         {"3/5/2024  ", "20243//2"},
                                         {"1/2", "1/21/"},
                                         {"12345", "23451245"},
                                         {"__/__/____", std::nullopt},
                                         {"          ", std::nullopt},
                                         {"", std::nullopt}})
    EXPECT_EQ(DateFieldKey(c.stored), c.key) << c.stored;
}

// A date criterion parsed once answers for every stored date as the key of
// that date compared as text does: whole dates, short ones, short criteria.
TEST(QueryGrammar, AParsedDateCriterionMatchesAsTheKeysCompare) {
  const char* criteria[] = {"<03/15/2024", ">03/15/2024", "=03/15/2024", "03/01/2024><03/31/2024",
                            ">3/5/2024",   "=12/2024",    "<1",          "03/15/2024><03/15/2024", ""};
  const char* stored[] = {"03/15/2024", "03/16/2024", "03/14/2024", "12/31/2023", "03/31/2024", "03/01/2024",
                          "3/5/2024  ", "1/2",        "12345",      "__/__/____", "__-__-____", "          ", "\xE9\xE9/01/2024"};
  for (const char* typed : criteria) {
    const ParsedCriterion parsed(QueryFamily::Date, typed);
    const DateCriterion c = ParseDateCriterion(typed);
    for (const char* date : stored) {
      const std::optional<std::string> key = DateFieldKey(date);
      EXPECT_EQ(parsed.dateOf(date), key && DateMatches(c, *key)) << typed << " / " << date;
    }
  }
}

// A text criterion holds where the field upper-cased without its trailing
// blanks contains it: every length of field, every place of the criterion
// (across the sixteen-character blocks the search looks at together), either
// case, accented letters, blanks after it, a criterion that does not fit.
TEST(QueryGrammar, AParsedTextCriterionMatchesWhereTheFieldHoldsIt) {
  const char* criteria[] = {"IRON", "iron ", "I", "\x8Aub", "12", "A B", "AAAAAAAAAAAAAAAAAA", "?", ""};
  const char* placed[] = {"iron", "IRoN", "IRO", "\x9A\x8Au\xFA" "b", "\x9Aub", "a b", "a  b", "12", "aaaaaaaaaaaaaaaaaa", "?"};
  for (const char* typed : criteria) {
    const ParsedCriterion parsed(QueryFamily::Text, typed);
    const std::string wanted = UCase(RTrim(typed));
    for (size_t width = 0; width <= 40; ++width)
      for (const char* text : placed)
        for (size_t at = 0; at <= width; ++at) {
          // The field lies within a longer text, as in a stored record.
          std::string stored = "QQ" + std::string(width, 'x') + "IRON";
          stored.replace(2 + at, std::min(std::strlen(text), width - at), text, std::min(std::strlen(text), width - at));
          for (size_t blanks : {size_t{0}, width - std::min(width, at + 2)}) {
            std::string record = stored;
            record.replace(2 + width - blanks, blanks, blanks, ' ');
            const std::string_view field = std::string_view(record).substr(2, width);
            const std::string holds = UCase(RTrim(std::string(field)));
            const bool expected = !wanted.empty() && holds.find(wanted) != std::string::npos;
            EXPECT_EQ(parsed.textIn(field), expected) << typed << " in '" << field << "'";
          }
        }
  }
}

// Only a character that upper-cases to the criterion's matches (\x9F is the
// upper case of \xFF; \xBF and \xDF, which differ from them in one bit
// each, are other characters), at any place of a field of any width.
TEST(QueryGrammar, ATextCriterionsEndsMatchOnlyTheirOwnCases) {
  const struct {
    const char* typed;
    const char* text;
    bool holds;
  } cases[] = {
      {"\x9F" "A", "\xFF" "a", true},  {"\x9F" "A", "\x9F" "A", true},  {"\x9F" "A", "\xBF" "a", false},
      {"\x9F" "A", "\xDF" "A", false}, {"A\xFF", "a\x9F", true},         {"a\xFF", "A\xFF", true},
      {"A\x9F", "A\xBF", false},        {"A\x9F", "a\xDF", false},        {"\xFF", "\xBF\xDF\x9F", true},
      {"\xFF", "\xBF\xDF", false},
  };
  for (const auto& c : cases) {
    const ParsedCriterion parsed(QueryFamily::Text, c.typed);
    const size_t length = std::strlen(c.text);
    for (size_t width = length; width <= 40; ++width)
      for (size_t at = 0; at + length <= width; ++at) {
        std::string field(width, '.');
        field.replace(at, length, c.text);
        EXPECT_EQ(parsed.textIn(field), c.holds) << c.typed << " in '" << field << "'";
      }
  }
}

// Where "?" is a character: it makes no range, and "><" needs two
// characters after its first occurrence.
TEST(QueryGrammar, LiteralQuestionDialect) {
  const struct {
    const char* typed;
    QualifierClass cls;
  } cases[] = {
      {"A?", QualifierClass::None},         {">A?", QualifierClass::Comparison},
      {"5><1", QualifierClass::MisplacedRange}, {"10><5", QualifierClass::MisplacedRange},
      {"5><10", QualifierClass::Range},     {"><55", QualifierClass::MisplacedRange},
      {"55><", QualifierClass::MisplacedRange}, {">5><10", QualifierClass::Comparison},
  };
  for (const auto& c : cases) EXPECT_EQ(ClassifyCriterion(c.typed, QueryDialect::QuestionIsLiteral), c.cls) << c.typed;
}
