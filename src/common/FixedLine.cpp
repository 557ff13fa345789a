#include "common/FixedLine.h"

#include <algorithm>

#include "common/NumberText.h"

FixedLine& FixedLine::clear() {
  std::fill(text_.begin(), text_.end(), ' ');
  return *this;
}

FixedLine& FixedLine::put(int col, std::string_view value, int width) {
  if (col < 1 || width <= 0) return *this;
  size_t at = static_cast<size_t>(col - 1);
  if (at >= text_.size()) return *this;
  size_t n = value.size();
  if (n > static_cast<size_t>(width)) n = static_cast<size_t>(width);
  if (n > text_.size() - at) n = text_.size() - at;
  value.copy(text_.data() + at, n);
  return *this;
}

FixedLine& FixedLine::putRight(int col, std::string_view value, int width) {
  if (static_cast<int>(value.size()) >= width) return put(col, value, width);
  return put(col + width - static_cast<int>(value.size()), value, width);
}

FixedLine& FixedLine::putTrimmed(int col, std::string_view value, int width) {
  return put(col, Trimmed(value), width);
}
