// A year compared with the year of stored dates as their texts compare.
#include <gtest/gtest.h>

#include "reports/ReportNumbers.h"

TEST(StoredYear, ComparesAsTheLastFourCharactersOfTheDateAsText) {
  const struct {
    const char* year;
    const char* date;
    int sign;  // of the date's year against the year
  } cases[] = {
      {"2024", "01/01/2024", 0},  {"2024", "12/31/2023", -1}, {"2024", "06/15/2025", 1},
      {"2024", "__/__/____", 1},  // the empty date after every year of digits
      {"2024", "          ", -1},  // blanks before them
      {"2024", "01/01/0998", -1}, {"2024", "01/01/\xE9\xE9\xE9\xE9", 1}, {"2024", "01/01/20 4", -1},
      {"0998", "01/01/0998", 0},  {"998", "01/01/0998", -1},  {"998", "01/01/2024", -1},
      {"998", "__/__/____", 1},   {"", "01/01/2024", 1},      {"20245", "01/01/2024", -1},
      {"20245", "01/01/2025", 1}, {"202", "01/01/2024", 1},   {"ABCD", "01/01/2024", -1},
      {"____", "__/__/____", 0},  {"\xE9\xE9\xE9\xE9", "01/01/\xE9\xE9\xE9\xE9", 0},
  };
  for (const auto& c : cases) {
    const int compared = StoredYear(c.year).compare(reinterpret_cast<const uint8_t*>(c.date));
    EXPECT_EQ((compared > 0) - (compared < 0), c.sign) << c.year << " " << c.date;
  }
}
