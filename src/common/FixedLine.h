#pragma once
// A fixed-column text line: a line of blanks into which values are written at
// 1-based columns, each cut to its width (and to the end of the line).
//
//   FixedLine line(80);
//   line.put(2, id, 8).put(13, breed, 20).putRight(35, avgBorn, "0.00", 6);
//   list.AddItem(line.str());
//
// A run that writes thousands of lines keeps one FixedLine and blanks it for
// each line (clear()): the line and the figures written into it reuse their
// buffers, so a line costs no allocation until it is copied out.
#include <algorithm>
#include <concepts>
#include <cstring>
#include <string>
#include <string_view>

#include "common/Format.h"
#include "platform/Text1252.h"

class FixedLine {
 public:
  explicit FixedLine(int width) : text_(static_cast<size_t>(width > 0 ? width : 0), ' ') {}
  // Blanks the whole line again.
  FixedLine& clear() {
    std::fill(text_.begin(), text_.end(), ' ');
    return *this;
  }
  // Writes `value` left-aligned from column `col`, at most `width` characters.
  FixedLine& put(int col, std::string_view value, int width) {
    // A column before the first stands far past the line's end.
    const size_t at = static_cast<size_t>(col) - 1, size = text_.size();
    if (at >= size || width <= 0) return *this;
    copyText(text_.data() + at, value.data(), std::min(std::min(value.size(), static_cast<size_t>(width)), size - at));
    return *this;
  }
  // Writes `value` right-aligned in the `width` columns that begin at `col`;
  // a longer value keeps its leftmost characters. Inlined where it is
  // called: a short text's few characters cost less than the call.
  [[gnu::always_inline]] FixedLine& putRight(int col, std::string_view value, int width) {
    if (static_cast<int>(value.size()) >= width) return put(col, value, width);
    return put(col + width - static_cast<int>(value.size()), value, width);
  }
  // Writes `value` without its blanks at either end, left-aligned.
  FixedLine& putTrimmed(int col, std::string_view value, int width) { return put(col, Trimmed(value), width); }
  // Writes Format(value, mask), left- or right-aligned as above: straight
  // into the line where the whole figure fits there. Inlined where a figure
  // is put, as the writing of the usual figure is (FormatInto).
  template <class T>
    requires std::integral<T> || std::floating_point<T>
  [[gnu::always_inline]] FixedLine& put(int col, T value, const FormatMask& mask, int width) {
    const size_t size = text_.size(), from = static_cast<size_t>(col) - 1;  // as in put above
    const bool inLine = from < size && width > 0;
    const size_t at = inLine ? from : 0;
    figure_.aim(text_.data() + at, inLine ? std::min(static_cast<size_t>(width), size - at) : 0, false);
    const std::string_view figure = FormatInto(figure_, value, mask);
    return figure_.placed() ? *this : put(col, figure, width);
  }
  template <class T>
    requires std::integral<T> || std::floating_point<T>
  [[gnu::always_inline]] FixedLine& putRight(int col, T value, const FormatMask& mask, int width) {
    // A figure shorter than the width ends at the width's end.
    const long long end = static_cast<long long>(col) - 1 + width;
    const bool inLine = width > 0 && end >= 0 && end <= static_cast<long long>(text_.size());
    const size_t at = inLine ? static_cast<size_t>(end) : 0;
    figure_.aim(text_.data() + at, inLine ? std::min(static_cast<size_t>(width - 1), at) : 0, true);
    const std::string_view figure = FormatInto(figure_, value, mask);
    return figure_.placed() ? *this : putRight(col, figure, width);
  }
  const std::string& str() const { return text_; }

 private:
  // Copies `n` characters. The texts of a line are mostly short: up to 32
  // characters go as two fixed-size copies that may overlap, which the
  // compiler writes out in place of a library call.
  static void copyText(char* to, const char* from, size_t n) {
    if (n > 32) {
      std::memcpy(to, from, n);
    } else if (n >= 16) {
      std::memcpy(to, from, 16);
      std::memcpy(to + n - 16, from + n - 16, 16);
    } else if (n >= 8) {
      std::memcpy(to, from, 8);
      std::memcpy(to + n - 8, from + n - 8, 8);
    } else if (n >= 4) {
      std::memcpy(to, from, 4);
      std::memcpy(to + n - 4, from + n - 4, 4);
    } else if (n > 0) {
      to[0] = from[0];
      to[n / 2] = from[n / 2];
      to[n - 1] = from[n - 1];
    }
  }

  std::string text_;
  FigureText figure_;  // the last figure formatted
};
