#include "common/CodeIndex.h"

#include <bit>
#include <cstring>

namespace {

// A code as one number: its characters side by side above its length. 0 for
// a blank code; all ones, which no stored code gives, for one too long. The
// characters are read as two words that overlap, from the code's start and
// up to its end (four characters or more), or as its first, middle and last
// (fewer), never beyond it.
inline uint64_t keyOf(std::string_view code) {
  static_assert(std::endian::native == std::endian::little, "the first character is the word's lowest byte");
  const size_t n = code.size();
  if (n > CodeIndex::kLongestCode) return ~uint64_t{0};
  const auto* c = reinterpret_cast<const unsigned char*>(code.data());
  uint64_t characters = 0;
  if (n >= 4) {
    uint32_t head, tail;
    std::memcpy(&head, c, 4);
    std::memcpy(&tail, c + n - 4, 4);
    characters = head | uint64_t{tail} << 8 * (n - 4);
  } else if (n > 0) {
    characters = c[0] | uint64_t{c[n / 2]} << 8 * (n / 2) | uint64_t{c[n - 1]} << 8 * (n - 1);
  }
  return characters << 8 | n;
}

}  // namespace

CodeIndex::CodeIndex(long count)
    : codes_(std::bit_ceil(static_cast<size_t>(count > 0 ? count : 0) * 3 / 2 + 2)),
      shift_(64 - std::countr_zero(codes_.size())),
      next_(static_cast<size_t>(count > 0 ? count : 0) + 1, 0) {}

// From the place the key's bits choose (the top bits of its product with a
// constant, which all its bits stir), on to the next until one holds the key
// or is free; the table always keeps free places.
inline size_t CodeIndex::place(uint64_t key) const {
  const size_t mask = codes_.size() - 1;
  size_t at = static_cast<size_t>((key * 0x9E3779B97F4A7C15ULL) >> shift_);
  while (codes_[at].key != key && codes_[at].key != 0) at = (at + 1) & mask;
  return at;
}

void CodeIndex::add(std::string_view code, long n) {
  const uint64_t key = keyOf(code);
  if (key == 0 || key == ~uint64_t{0}) return;
  const auto record = static_cast<int32_t>(n);
  Code& found = codes_[place(key)];
  if (found.key == 0) found = {key, record, record};
  else next_[static_cast<size_t>(found.last)] = record, found.last = record;  // a code held twice: its chain
}

long CodeIndex::First(std::string_view code) const {
  const uint64_t key = keyOf(code);
  const Code& found = codes_[place(key)];
  return key != 0 && found.key == key ? found.first : 0;
}

void CodeIndex::Forget(std::string_view code, long record) {
  const uint64_t key = keyOf(code);
  Code& found = codes_[place(key)];
  if (key == 0 || found.key != key) return;
  // The link that leads to `record` now leads past it.
  int32_t before = 0;
  for (int32_t* link = &found.first; *link != 0; before = *link, link = &next_[static_cast<size_t>(*link)]) {
    if (*link != record) continue;
    *link = next_[static_cast<size_t>(record)];
    if (found.last == record) found.last = before;
    break;
  }
}
