#include "platform/ListItems.h"

namespace platform {

void ListItems::remove(size_t row) {
  const bool widest = texts_.text(row).size() == widest_;
  texts_.remove(row);
  data_.erase(data_.begin() + static_cast<std::ptrdiff_t>(row));
  if (!widest) return;
  widest_ = 0;
  for (size_t r = 0; r < texts_.size(); ++r) widest_ = std::max(widest_, texts_.text(r).size());
}

}  // namespace platform
