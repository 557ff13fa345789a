#pragma once
// A fixed-column text line: a line of blanks into which values are written at
// 1-based columns, each cut to its width (and to the end of the line).
//
//   FixedLine line(80);
//   line.put(2, id, 8).put(13, breed, 20);
//   list.AddItem(line.str());
#include <string>

class FixedLine {
 public:
  explicit FixedLine(int width) : text_(static_cast<size_t>(width > 0 ? width : 0), ' ') {}
  // Writes `value` left-aligned from column `col`, at most `width` characters.
  FixedLine& put(int col, const std::string& value, int width);
  // Writes `value` right-aligned in the `width` columns that begin at `col`;
  // a longer value keeps its leftmost characters.
  FixedLine& putRight(int col, const std::string& value, int width);
  const std::string& str() const { return text_; }

 private:
  std::string text_;
};
