// The drug list's query: the dialog's kinds and refusals, the check of each
// kind's criterion, each kind over a small stock of drugs, and the query's
// lines.
#include <gtest/gtest.h>

#include "common/NumberText.h"
#include "medication/DrugListLine.h"
#include "medication/DrugQuery.h"
#include "support/QueryChecks.h"
#include "support/ListLines.h"
#include "support/RecordBuilders.h"

namespace {

using Codes = std::vector<std::string>;

Check refused(QueryFault fault) { return QueryRefusalOf(fault, DrugQueryLanguage()); }

std::vector<DrugRecord> stock() {
  return {
      aDrug("PEN1").name("Pen-V Strep").kind("V", "M", 2.5f).onHand(0),
      aDrug(""),
      aDrug("OXY").name("OXYTET").kind("F", "L", 10).set(&DrugRecord::Manufacturer, std::string("Zoetis"))
          .set(&DrugRecord::WithdrawalDays, std::string("10")).set(&DrugRecord::LotNumber, std::string("LOT-77?"))
          .set(&DrugRecord::PurchaseDate, std::string("12/31/1998")).bought(40, 24.99),
      aDrug("WAT").name("Aqua Pen").kind("W", "O", 5).set(&DrugRecord::WithdrawalDays, std::string("7"))
          .set(&DrugRecord::PurchaseDate, std::string(records::kEmptyDate))
          .set(&DrugRecord::ExpirationDate, std::string("01/02/1998")).onHand(20).bought(20, 25),
      aDrug("NONAME").name("").onHand(5),  // no name: never listed
  };
}

Codes codesOf(const std::string& kind, const std::string& criterion) {
  platform::ListItems rows;
  const DrugQuery query(kind, criterion);
  eachStored(stock(), [&](long n, const uint8_t* drug) { AddDrugQueryRow(rows, n, drug, query); });
  Codes codes;
  for (const std::string& line : rowTexts(rows)) codes.push_back(DrugCodeOfLine(line));
  return codes;
}

}  // namespace

TEST(DrugQueryLanguage, KindsInTheOrderOfTheDialog) {
  const std::vector<std::pair<std::string, QueryFamily>> expected = {
      {"By DRUG Name", QueryFamily::Text},        {"By DRUG CODE", QueryFamily::Text},
      {"By DRUG Type. (V, F, W)", QueryFamily::Text}, {"By MANUFACTURER", QueryFamily::Text},
      {"By DOSAGE", QueryFamily::Single},         {"By LOT NUMBER", QueryFamily::Text},
      {"By WITHDRAWAL Period", QueryFamily::Whole}, {"By Date PURCHASED", QueryFamily::Date},
      {"By EXPIRATION Date", QueryFamily::Date},  {"By INVENTORY AMOUNT", QueryFamily::Single},
      {"By COST of DRUG", QueryFamily::Single},   {"By AMOUNT PURCHASED", QueryFamily::Single},
  };
  const auto& kinds = DrugQueryLanguage().kinds;
  ASSERT_EQ(kinds.size(), expected.size());
  for (size_t i = 0; i < kinds.size(); ++i) {
    EXPECT_EQ(kinds[i].caption, expected[i].first);
    EXPECT_EQ(kinds[i].code, std::to_string(i + 1));
    EXPECT_EQ(kinds[i].family, expected[i].second) << kinds[i].caption;
  }
}

// EXECUTE with each kind: QueryArgs as it stands after, and the refusal.
TEST(DrugQueryLanguage, CheckOfEachKindsCriterion) {
  ExpectQueryChecks(DrugQueryLanguage(), {
      {"By DRUG Name", " pen ", {"", "1", "PEN", "By DRUG Name"}, {}},
      {"By DRUG Name", "PEN?", {"", "1", "PEN?", "By DRUG Name"}, {}},  // "?" is a character here
      {"By LOT NUMBER", ">5", {"", "6", "", ""}, refused(QueryFault::QualifierInText)},
      {"By DRUG CODE", "A1><A9", {"", "2", "", ""}, refused(QueryFault::QualifierInText)},
      {"By DRUG Type. (V, F, W)", "", {"", "3", "", "By DRUG Type. (V, F, W)"}, refused(QueryFault::NoEntry)},
      {"By COST of DRUG", "25", {"", "11", "", ""}, refused(QueryFault::NeedQualifier)},
      {"By COST of DRUG", "", {"", "11", "", ""}, refused(QueryFault::NeedQualifier)},
      {"By COST of DRUG", "<25", {"", "11", "<25", "By COST of DRUG"}, {}},
      {"By DOSAGE", "<5?", {"", "5", "", ""}, refused(QueryFault::QuestionInValue)},
      {"By DOSAGE", "10><20", {"", "5", "10><20", "By DOSAGE"}, {}},
      {"By DOSAGE", "5><10", {"", "5", "5><10", "By DOSAGE"}, {}},
      {"By DOSAGE", "5><1", {}, refused(QueryFault::MisplacedRange)},  // one character after the "><"
      {"By DOSAGE", "><5", {}, refused(QueryFault::MisplacedRange)},
      {"By DRUG Name", "5><", {}, refused(QueryFault::MisplacedRange)},
      {"By Date PURCHASED", "01/01/1998><12/31/1998", {"", "8", "01/01/1998><12/31/1998", "By Date PURCHASED"}, {}},
      {std::nullopt, "PEN", {"", "0", "", ""}, {}},
  });
}

TEST(DrugQueryLanguage, RefusalTextsUnderOneTitle) {
  const struct {
    QueryFault fault;
    const char* text;
  } cases[] = {
      {QueryFault::MisplacedRange,
       "ILLEGAL ENTRY!!\r\rInvalid placement of QUALIFIER.\rIt MUST be placed between statements.\r\r"
       ">< A RANGE\rExample: 01/01/1997><03/01/1997"},
      {QueryFault::QualifierInText, "ILLEGAL ENTRY!!\r\rA QUALIFIER is not needed here!"},
      {QueryFault::QuestionInValue,
       "ILLEGAL ENTRY!!\r\rInvalid Use of QUALIFIER.\rYou CAN NOT use the global\rQUALIFIER '?' in a number "
       "statement."},
      {QueryFault::NeedQualifier,
       "ILLEGAL ENTRY!!\r\rYou MUST use a QUALIFIER!\rThe following are VALID:\r<  LESS THAN\r"
       ">  GREATER THAN\r=  EQUAL TO\r>< A RANGE\r\rExample:  >01/01/1997"},
      {QueryFault::NoEntry, "NO ENTRY!!\rYou MUST enter SOMETHING!"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(QueryRefusalOf(c.fault, DrugQueryLanguage()),
              (Refusal{c.text, "QUERY   DRUG   LIST", platform::vbExclamation, 0}));
}

TEST(DrugQuery, EachKindListsItsDrugs) {
  const struct {
    const char* kind;
    const char* criterion;
    Codes expected;
  } cases[] = {
      {"1", "PEN", {"PEN1", "WAT"}},  // contains, in any case; an amount of 0 keeps none off
      {"1", "OXYTET", {"OXY"}},       // equal is contained
      {"2", "O", {"OXY"}},
      {"3", "V", {"PEN1"}},
      {"3", "VACCINE", {}},  // its last character: type E
      {"4", "ZOE", {"OXY"}},
      {"5", ">2.5", {"OXY", "WAT"}},
      {"5", "=2.5", {"PEN1"}},
      {"5", "2.5><10", {"WAT"}},  // both bounds excluded
      {"5", "5><10", {}},         // split at the "><": nothing strictly between
      {"5", "2><6", {"PEN1", "WAT"}},
      {"6", "77?", {"OXY"}},  // "?" only matches itself
      {"6", "7?7", {}},
      {"7", ">7", {"OXY"}},   // whole days; an empty period is 0
      {"7", "<7", {"PEN1"}},
      {"7", "=7.5", {}},      // 7.5 rounds to 8
      {"8", "<01/01/1999", {"OXY"}},  // never a drug without a purchase date
      {"8", "01/01/1998><12/31/1998", {}},
      {"8", "01/01/1998><01/01/1999", {"OXY"}},
      {"8", "=01/15/2024", {"PEN1"}},
      {"9", ">01/01/1998", {"WAT"}},
      {"10", "=0", {"PEN1"}},
      {"10", ">50", {"OXY"}},
      {"11", "<25", {"OXY"}},
      {"11", "=25", {"WAT"}},
      {"12", "20><50", {"OXY"}},
      {"0", "", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(codesOf(c.kind, c.criterion), c.expected) << c.kind << " " << c.criterion;
}

// A query's line shows the stored amount in columns 56-62, and an amount of
// 0 too.
TEST(DrugQuery, LineShowsTheStoredAmountInSevenColumns) {
  const std::vector<DrugRecord> drugs = {aDrug("BIG").kind("V", "M", 2).onHand(123456.5f),
                                         aDrug("NONE66").kind("V", "M", 2).onHand(0)};
  const auto listQuery = [&drugs](platform::ListItems& rows, const DrugQuery& query) {
    eachStored(drugs, [&](long n, const uint8_t* drug) { AddDrugQueryRow(rows, n, drug, query); });
  };
  platform::ListItems rows;
  listQuery(rows, DrugQuery("2", "N"));
  EXPECT_EQ(rowPairs(rows), (std::vector<std::pair<std::string, long>>{
                                {" NONE66   DRUG NONE66            2.0 ML     VACCINE        0.0  ", 2}}));
  platform::ListItems big, listed;
  listQuery(big, DrugQuery("2", "BIG"));
  eachStored(drugs, [&listed](long n, const uint8_t* drug) { AddDrugRow(listed, n, drug); });
  ASSERT_EQ(big.size(), 1u);
  EXPECT_EQ(big.text(0).size(), 64u);
  EXPECT_EQ(big.text(0).substr(55), "123456.  ");  // a longer amount keeps its leftmost characters
  EXPECT_EQ(big.text(0).substr(0, 55), listed.text(0).substr(0, 55));
}
