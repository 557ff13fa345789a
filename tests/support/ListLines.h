#pragma once
// What the tests read of the lines the program writes: a list's rows, and
// the line a writer makes of one record from its stored bytes.
//
//   EXPECT_EQ(rowTexts(rows), (std::vector<std::string>{...}));
//   EXPECT_EQ(lineOf(aSow("S1"), WriteSowListLine), "...");
#include <string>
#include <utility>
#include <vector>

#include "common/FixedLine.h"
#include "platform/ListItems.h"
#include "records/RecordIo.h"

// The rows' texts, top to bottom.
inline std::vector<std::string> rowTexts(const platform::ListItems& rows) {
  std::vector<std::string> texts;
  for (size_t i = 0; i < rows.size(); ++i) texts.emplace_back(rows.text(i));
  return texts;
}

// The rows' texts with their item data, top to bottom.
inline std::vector<std::pair<std::string, long>> rowPairs(const platform::ListItems& rows) {
  std::vector<std::pair<std::string, long>> pairs;
  for (size_t i = 0; i < rows.size(); ++i) pairs.emplace_back(rows.text(i), rows.itemData(i));
  return pairs;
}

// The line `write` makes of `record`, from the stored bytes of a file that
// holds the record alone.
template <class R, class Write>
std::string lineOf(const R& record, Write write) {
  const records::FileImage<R> image = records::FileImage<R>::of({record});
  return write(image.bytes(1));
}
