#include "common/FixedLine.h"

#include <algorithm>

#include "common/NumberText.h"

FixedLine& FixedLine::clear() {
  std::fill(text_.begin(), text_.end(), ' ');
  return *this;
}

FixedLine& FixedLine::putRight(int col, std::string_view value, int width) {
  if (static_cast<int>(value.size()) >= width) return put(col, value, width);
  return put(col + width - static_cast<int>(value.size()), value, width);
}

FixedLine& FixedLine::putTrimmed(int col, std::string_view value, int width) {
  return put(col, Trimmed(value), width);
}
