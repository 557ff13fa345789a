#include "common/CodeIndex.h"

void CodeIndex::add(std::string_view code, long n) {
  if (code.empty() || code.size() > kLongestCode) return;
  Chain& chain = codes_[std::string(code)];
  if (chain.first == 0) chain.first = n;
  else next_[static_cast<size_t>(chain.last)] = n;  // a code held twice: its chain
  chain.last = n;
}

long CodeIndex::First(std::string_view code) const {
  const auto found = codes_.find(std::string(code));
  return found == codes_.end() ? 0 : found->second.first;
}

void CodeIndex::Forget(std::string_view code, long record) {
  const auto found = codes_.find(std::string(code));
  if (found == codes_.end()) return;
  Chain& chain = found->second;
  // The link that leads to `record` now leads past it.
  long before = 0;
  for (long* link = &chain.first; *link != 0; before = *link, link = &next_[static_cast<size_t>(*link)]) {
    if (*link != record) continue;
    *link = next_[static_cast<size_t>(record)];
    if (chain.last == record) chain.last = before;
    break;
  }
}
