#include "common/CodeIndex.h"

#include <algorithm>

void CodeIndex::add(std::string_view code, long n) {
  if (code.empty() || code.size() > kLongestCode) return;
  codes_[std::string(code)].push_back(n);
}

const std::vector<long>& CodeIndex::Records(std::string_view code) const {
  static const std::vector<long> none;
  const auto found = codes_.find(std::string(code));
  return found == codes_.end() ? none : found->second;
}

long CodeIndex::First(std::string_view code) const {
  const std::vector<long>& records = Records(code);
  return records.empty() ? 0 : records.front();
}

void CodeIndex::Forget(std::string_view code, long record) {
  const auto found = codes_.find(std::string(code));
  if (found != codes_.end()) std::erase(found->second, record);
}
