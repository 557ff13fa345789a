// The medication history's query: the dialog's kinds, the check of each
// kind's criterion with its refusals and titles, and the records each kind
// finds in a year's file.
#include <gtest/gtest.h>

#include "medication/HistoryQuery.h"
#include "medication/MedicationFiles.h"
#include "support/QueryChecks.h"
#include "support/RecordBuilders.h"

namespace {

using Recs = std::vector<long>;

MedicationBuilder dose(const std::string& sow, const std::string& date, float dosage) {
  return aDose("PEN", dosage).set(&MedicationRecord::SowId, sow).set(&MedicationRecord::DateUsed, date);
}

std::vector<MedicationRecord> yearFile() {
  return {
      dose("12", "01/15/1997", 2),                                     // 1
      dose("112", "01/16/1997", 5).set(&MedicationRecord::GivenBy, std::string("jk")),  // 2
      dose("", "01/02/1997", 3).set(&MedicationRecord::BoarId, std::string("B12")),    // 3
      dose("a12b", "01/31/1997", 10).set(&MedicationRecord::LotNumber, std::string("L?9")),  // 4
      BlankedMedication(dose("9", "01/20/1997", 4)),  // 5
      dose("7", "01/30/1997", 20).set(&MedicationRecord::DrugName, std::string("Pen-V")),  // 6
  };
}

}  // namespace

TEST(HistoryQueryLanguage, KindsInTheOrderOfTheDialog) {
  const std::vector<std::pair<std::string, QueryFamily>> expected = {
      {"By SOW Id.", QueryFamily::Text},   {"By BOAR Id.", QueryFamily::Text},
      {"By GROUP Id.", QueryFamily::Text}, {"By BATCH Id.", QueryFamily::Text},
      {"By DATE Used", QueryFamily::Date}, {"By DRUG CODE", QueryFamily::Text},
      {"By DRUG NAME", QueryFamily::Text}, {"By DOSAGE", QueryFamily::Single},
      {"By LOT/Serial Number", QueryFamily::Text}, {"By GIVEN By", QueryFamily::Text},
  };
  const auto& kinds = HistoryQueryLanguage().kinds;
  ASSERT_EQ(kinds.size(), expected.size());
  for (size_t i = 0; i < kinds.size(); ++i) {
    EXPECT_EQ(kinds[i].caption, expected[i].first);
    EXPECT_EQ(kinds[i].code, std::to_string(i + 1));
    EXPECT_EQ(kinds[i].family, expected[i].second) << kinds[i].caption;
  }
}

// EXECUTE: QueryArgs after it, the refusal's text and its title.
TEST(HistoryQueryLanguage, CheckOfEachKindsCriterion) {
  const char kNotNeeded[] = "ILLEGAL ENTRY!!\r\rA QUALIFIER is not needed here!";
  const char kMustUse[] =
      "ILLEGAL ENTRY!!\r\rYou MUST use a QUALIFIER!\rThe following are VALID:\r<  LESS THAN\r"
      ">  GREATER THAN\r=  EQUAL TO\r>< A RANGE\r\rExample:  >01/01/1997";
  const char kPlacement[] =
      "ILLEGAL ENTRY!!\r\rInvalid placement of QUALIFIER.\rIt MUST be placed between statements.\r\r"
      ">< A RANGE\rExample: 01/01/1997><03/01/1997";
  const char kQuestion[] =
      "ILLEGAL ENTRY!!\r\rInvalid Use of QUALIFIER.\rYou CAN NOT use the global\rQUALIFIER '?' in a number statement.";
  const char kEmpty[] = "NO ENTRY!!\rYou MUST enter SOMETHING!";
  const char kList[] = "QUERY   MED   LIST";
  const char kHistories[] = "QUERY   MED   HISTORIES";
  ExpectQueryChecks(HistoryQueryLanguage(), {
      {"By SOW Id.", "12", {"", "1", "12", "By SOW Id."}, {}},
      {"By SOW Id.", ">12", {"", "1", "", ""}, Refusal{kNotNeeded, kHistories, platform::vbExclamation, 0}},
      {"By DATE Used", "01/15/1997", {"", "5", "", ""}, Refusal{kMustUse, kHistories, platform::vbExclamation, 0}},
      {"By DOSAGE", "10><5", {}, Refusal{kPlacement, kList, platform::vbExclamation, 0}},
      {"By GIVEN By", "JK><", {}, Refusal{kPlacement, kList, platform::vbExclamation, 0}},
      {"By DOSAGE", "<5?", {"", "8", "", ""}, Refusal{kQuestion, kList, platform::vbExclamation, 0}},
      {"By GIVEN By", "", {"", "10", "", "By GIVEN By"}, Refusal{kEmpty, kHistories, platform::vbExclamation, 0}},
      {"By DOSAGE", "5><10", {"", "8", "5><10", "By DOSAGE"}, {}},
      {std::nullopt, "12", {"", "0", "", ""}, {}},
  });
}

TEST(QueryHistory, EachKindFindsItsRecordsInFileOrder) {
  const auto meds = records::FileImage<MedicationRecord>::of(yearFile());
  const struct {
    const char* kind;
    const char* criterion;
    Recs expected;
  } cases[] = {
      {"1", "12", {1, 2, 4}},  // 12, 112 and A12B
      {"2", "B1", {3}},
      {"3", "1", {}},
      {"6", "PEN", {1, 2, 3, 4, 6}},
      {"7", "PEN-", {6}},
      {"9", "?", {4}},  // "?" is only itself
      {"10", "JK", {2}},
      {"5", ">01/15/1997", {2, 4, 6}},
      {"5", "=01/15/1997", {1}},
      {"5", "01/01/1997><01/31/1997", {1, 2, 3, 6}},  // both days excluded; never an empty date
      {"8", "2><5", {3}},
      {"8", "10><20", {}},
      {"8", "5><20", {4}},  // split at the "><"
      {"8", "<3", {1, 5}},  // a blanked record's dosage is 0
      {"8", "=20", {6}},
      {"0", "", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(QueryHistory(meds, c.kind, c.criterion), c.expected) << c.kind << c.criterion;
}
