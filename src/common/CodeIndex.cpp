#include "common/CodeIndex.h"

#include <algorithm>

namespace {

template <class Entry>
bool byCode(const Entry& a, const Entry& b) {
  return a.key < b.key;
}

}  // namespace

CodeIndex::Key CodeIndex::keyOf(std::string_view code) {
  Key key{};
  std::copy(code.begin(), code.end(), key.begin());
  key.back() = static_cast<char>(code.size());
  return key;
}

bool CodeIndex::indexable(std::string_view code) { return !code.empty() && code.size() <= kLongestCode; }

void CodeIndex::add(std::string_view code, long n) {
  if (indexable(code)) entries_.push_back({keyOf(code), n});
}

void CodeIndex::sortByCode() {
  // The records were added in record order; a stable sort keeps it within a code.
  std::stable_sort(entries_.begin(), entries_.end(), byCode<Entry>);
}

std::span<const CodeIndex::Entry> CodeIndex::entriesOf(std::string_view code) const {
  if (!indexable(code)) return {};
  const auto [first, last] = std::equal_range(entries_.begin(), entries_.end(), Entry{keyOf(code), 0}, byCode<Entry>);
  return {first, last};
}

std::vector<long> CodeIndex::Records(std::string_view code) const {
  std::vector<long> records;
  for (const Entry& e : entriesOf(code))
    if (e.record != 0) records.push_back(e.record);
  return records;
}

long CodeIndex::First(std::string_view code) const {
  for (const Entry& e : entriesOf(code))
    if (e.record != 0) return e.record;
  return 0;
}

void CodeIndex::Forget(std::string_view code, long record) {
  if (!indexable(code)) return;
  const auto [first, last] = std::equal_range(entries_.begin(), entries_.end(), Entry{keyOf(code), 0}, byCode<Entry>);
  for (auto at = first; at != last; ++at)
    if (at->record == record) at->record = 0;
}
