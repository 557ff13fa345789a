#pragma once
// Texts one after another in one buffer, with where each ends: the rows of a
// list box, the lines of a printed listing. Row k is text(k); reserve() takes
// the room for a known count at once, clear() empties the rows.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

class TextRows {
 public:
  void add(std::string_view text) {
    chars_.append(text);
    ends_.push_back(chars_.size());
  }
  void reserve(size_t rows, size_t chars) {
    chars_.reserve(chars);
    ends_.reserve(rows);
  }
  // Empties the rows, keeping the room they took.
  void clear() {
    chars_.clear();
    ends_.clear();
  }
  size_t size() const { return ends_.size(); }
  bool empty() const { return ends_.empty(); }
  std::string_view text(size_t row) const {
    const size_t begin = row == 0 ? 0 : ends_[row - 1];
    return std::string_view(chars_.data() + begin, ends_[row] - begin);
  }
  std::string_view operator[](size_t row) const { return text(row); }
  void remove(size_t row) {
    const size_t begin = row == 0 ? 0 : ends_[row - 1];
    const size_t length = ends_[row] - begin;
    chars_.erase(begin, length);
    ends_.erase(ends_.begin() + static_cast<std::ptrdiff_t>(row));
    for (size_t r = row; r < ends_.size(); ++r) ends_[r] -= length;
  }

 private:
  std::string chars_;
  std::vector<size_t> ends_;  // where each row's text ends in chars_
};

}  // namespace platform
