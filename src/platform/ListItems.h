#pragma once
// The rows a list box shows, kept without any window: code that writes list
// rows needs only this header.
#include <algorithm>
#include <cstddef>
#include <string_view>
#include <vector>

#include "platform/TextRows.h"

namespace platform {

// The rows of a list box: their texts one after another in one buffer, and
// their item data in one vector. A window fills one and hands it to
// ListBox::SetItems, so a list of thousands of rows costs no allocation per
// row (reserve the room first, or keep one and clear() it between fills):
//
//   platform::ListItems rows;
//   rows.reserve(count, count * 80);
//   for (...) rows.add(line.clear().put(2, id, 8).str(), slot);
//   SowList->SetItems(std::move(rows));
class ListItems {
 public:
  void add(std::string_view text, long itemData = 0) {
    texts_.add(text);
    data_.push_back(itemData);
    widest_ = std::max(widest_, text.size());
  }
  void reserve(size_t rows, size_t chars) {
    texts_.reserve(rows, chars);
    data_.reserve(rows);
  }
  // Empties the rows, keeping the room they took.
  void clear() {
    texts_.clear();
    data_.clear();
    widest_ = 0;
  }
  size_t size() const { return texts_.size(); }
  bool empty() const { return texts_.empty(); }
  std::string_view text(size_t row) const { return texts_.text(row); }
  long itemData(size_t row) const { return data_[row]; }
  void setItemData(size_t row, long value) { data_[row] = value; }
  void remove(size_t row);
  // The characters of the longest row.
  size_t widest() const { return widest_; }

 private:
  TextRows texts_;
  std::vector<long> data_;
  size_t widest_ = 0;
};

}  // namespace platform
