#pragma once
// The rows a list box shows, kept without any window: code that writes list
// rows needs only this header.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// The rows of a list box, each a text and a whole-number item data. A window
// fills one and hands it to ListBox::SetItems:
//
//   platform::ListItems rows;
//   rows.reserve(count);
//   for (...) rows.add(WriteSowListLine(sow), slot);
//   SowList->SetItems(std::move(rows));
class ListItems {
 public:
  void add(std::string_view text, long itemData = 0) { rows_.push_back(Row{std::string(text), itemData}); }
  void reserve(size_t rows) { rows_.reserve(rows); }
  void clear() { rows_.clear(); }
  size_t size() const { return rows_.size(); }
  bool empty() const { return rows_.empty(); }
  const std::string& text(size_t row) const { return rows_[row].text; }
  long itemData(size_t row) const { return rows_[row].itemData; }
  void setItemData(size_t row, long value) { rows_[row].itemData = value; }
  void remove(size_t row) { rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(row)); }

 private:
  struct Row {
    std::string text;
    long itemData = 0;
  };
  std::vector<Row> rows_;
};

}  // namespace platform
