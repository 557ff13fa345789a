#pragma once
// A fixed-column text line: a line of blanks into which values are written at
// 1-based columns, each cut to its width (and to the end of the line).
//
//   FixedLine line(80);
//   line.put(2, id, 8).put(13, breed, 20).putRight(35, avgBorn, "0.00", 6);
//   list.AddItem(line.str());
//
// A writer of one kind of line makes its own FixedLine and answers the line
// by value.
#include <algorithm>
#include <concepts>
#include <string>
#include <string_view>

#include "common/Format.h"
#include "platform/Text1252.h"

class FixedLine {
 public:
  explicit FixedLine(int width) : text_(static_cast<size_t>(width > 0 ? width : 0), ' ') {}
  // Writes `value` left-aligned from column `col`, at most `width` characters.
  FixedLine& put(int col, std::string_view value, int width) {
    // A column before the first stands far past the line's end.
    const size_t at = static_cast<size_t>(col) - 1, size = text_.size();
    if (at >= size || width <= 0) return *this;
    value.copy(text_.data() + at, std::min(std::min(value.size(), static_cast<size_t>(width)), size - at));
    return *this;
  }
  // Writes `value` right-aligned in the `width` columns that begin at `col`;
  // a longer value keeps its leftmost characters.
  FixedLine& putRight(int col, std::string_view value, int width) {
    if (static_cast<int>(value.size()) >= width) return put(col, value, width);
    return put(col + width - static_cast<int>(value.size()), value, width);
  }
  // Writes `value` without its blanks at either end, left-aligned.
  FixedLine& putTrimmed(int col, std::string_view value, int width) { return put(col, Trimmed(value), width); }
  // Writes Format(value, mask), left- or right-aligned as above.
  template <class T>
    requires std::integral<T> || std::floating_point<T>
  FixedLine& put(int col, T value, const FormatMask& mask, int width) {
    return put(col, Format(value, mask), width);
  }
  template <class T>
    requires std::integral<T> || std::floating_point<T>
  FixedLine& putRight(int col, T value, const FormatMask& mask, int width) {
    return putRight(col, Format(value, mask), width);
  }
  const std::string& str() const { return text_; }

 private:
  std::string text_;
};
