// A stored due date as each of its readers shows it: the sow card window's
// label, the litter window's date-born preset, the printed sow card's line,
// the dates-due report and the sow query. Digits alone are month, day and
// year laid from the right in every one of them, so a due date of seven
// digits is in the report and the query as on the card.
#include "common/NumberText.h"
#include "records/Fields.h"
#include "sows/DueDateText.h"
#include "sows/HogSow3.h"
#include "sows/LitterEntry.h"
#include "sows/SowCard.h"
#include "sows/SowPrintouts.h"
#include "sows/SowQuery.h"
#include "sows/SowWindowFixture.h"

namespace {

struct DueCase {
  std::string stored;
  const char* label;   // HogSow3
  const char* preset;  // HogSow6; nullptr: a text the program never stores
  const char* card;    // the printed card's line 12, after its label
  const char* report;  // the dates-due report; "" when the sow is left out
  const char* query;   // the date a query "=" lists her by; "__/__/____": none
};

const DueCase kCases[] = {
    {"03/15/2020", "03/15/2020", "03/15/2020", "03/15/2020", "03/15/2020", "03/15/2020"},
    {"03152020", "03/15/2020", "03/15/2020", "03/15/2020", "03/15/2020", "03/15/2020"},
    {"12012024  ", "12/01/2024", "12/01/2024", "12/01/2024", "12/01/2024", "12/01/2024"},
    {"1152024", "1/15/2024", "01/15/2024", "1/15/2024", "01/15/2024", "01/15/2024"},
    {"5082024   ", "5/08/2024", "05/08/2024", "5/08/2024", "05/08/2024", "05/08/2024"},
    {"03-15-2020", "03-15-2020", nullptr, "03/15/2020", "03-15-2020", "03-15-2020"},
    {"SOON", "SOON", nullptr, "SO/N/SOON", "", "SOON"},
    {"__/__/____", "__/__/____", "__/__/____", "__/__/____", "", "__/__/____"},
    {"          ", "__/__/____", "__/__/____", "__/__/____", "", "__/__/____"},
    {std::string("0315\0\0" "2020", 10), "03/15/2020", "03/15/2020", "03/15/2020", "03/15/2020", "03/15/2020"},
};
class DueDateTextTest : public SowWindowTest {};

}  // namespace

TEST(DueDateText, TheDateAStoredDueDateHolds) {
  const struct {
    const char* stored;
    std::optional<std::string> date;
  } read[] = {{"03/15/2020", "03/15/2020"}, {"03152020  ", "03/15/2020"}, {"3152020", "03/15/2020"},
              {"1152024", "01/15/2024"},    {"15", "00/00/0015"},         {" 1152024\0 ", "01/15/2024"},
              {"0315202X", "0315202X"},     {"1234567890", "1234567890"}, {"__/__/____", std::nullopt},
              {"          ", std::nullopt}, {"", std::nullopt}};
  for (const auto& c : read) EXPECT_EQ(ReadDueDate(c.stored), c.date) << c.stored;
  EXPECT_EQ(DigitsDueDate("03152020"), "03/15/2020");
  EXPECT_EQ(DigitsDueDate("1152024"), "1/15/2024");
  EXPECT_EQ(DigitsDueDate(""), std::nullopt);
  EXPECT_EQ(DigitsDueDate("1-15-2024"), std::nullopt);
  const struct {
    const char* text;
    bool monthZero;
    const char* date;
  } cases[] = {{"1152024", false, "1/15/2024"}, {"1152024", true, "01/15/2024"}, {"12312024", false, "12/31/2024"},
               {"15", false, "//15"},           {"15", true, "00/00/0015"},    {"", false, "//"},
               {"abc", true, "00/00/0000"}};
  for (const auto& c : cases) EXPECT_EQ(DigitsAsDate(c.text, c.monthZero), c.date) << c.text << c.monthZero;
}

TEST_F(DueDateTextTest, EveryReaderOfAStoredDueDate) {
  std::vector<SowRecord> sows;
  for (const DueCase& c : kCases) sows.push_back(aSow("S").due(c.stored));
  const records::FileImage<SowRecord> image = records::FileImage<SowRecord>::of(sows);
  const records::FileImage<FarrowRecord> litters;
  const std::vector<std::string> report = DatesDueLines("01/01/1990", "12/31/2099", image);
  size_t reported = 0;
  for (size_t k = 0; k < std::size(kCases); ++k) {
    const DueCase& c = kCases[k];
    EXPECT_EQ(DueDateLabel(c.stored), c.label) << c.stored;
    if (c.preset) EXPECT_EQ(DueDatePreset(c.stored), c.preset) << c.stored;
    LoadSowHistory(static_cast<long>(k + 1), image, litters);
    EXPECT_EQ(SowCardLines(litters)[11], std::string("Date Due to FARROW. ----------------->") + c.card) << c.stored;
    const bool dated = std::string(c.query) != records::kEmptyDate;
    EXPECT_EQ(SowQuery("7", std::string("=") + c.query).matches(image.bytes(static_cast<long>(k + 1)), litters), dated)
        << c.stored;
    if (*c.report == '\0') continue;
    ASSERT_LT(reported, report.size()) << c.stored;
    EXPECT_EQ(Trim(report[reported++].substr(59, 10)), c.report) << c.stored;
  }
  EXPECT_EQ(reported, report.size());
}
