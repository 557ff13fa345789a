// A year compared with the year of stored dates as their texts compare.
#include <gtest/gtest.h>

#include <string>

#include "reports/ReportNumbers.h"

TEST(StoredYear, ComparesAsTheLastFourCharactersOfTheDateAsText) {
  const char* dates[] = {"01/01/2024", "12/31/2023", "06/15/2025", "__/__/____", "          ", "01/01/0998",
                         "01/01/\xE9\xE9\xE9\xE9", "01/01/20 4"};
  const char* years[] = {"2024", "2023", "0998", "998", "", "20245", "ABCD", "____", "\xE9\xE9\xE9\xE9", "202"};
  for (const char* year : years) {
    const StoredYear key(year);
    for (const char* date : dates) {
      const int text = std::string(date + 6, 4).compare(year);
      const int compared = key.compare(reinterpret_cast<const uint8_t*>(date));
      EXPECT_EQ((compared > 0) - (compared < 0), (text > 0) - (text < 0)) << year << " " << date;
    }
  }
}
