#include "sows/SingleCriterion.h"

#include <cfloat>
#include <cmath>
#include <cstring>

namespace {

// A key of each Single, in the order of the values (-0 just below +0).
uint32_t keyOf(float value) {
  uint32_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  return (bits & 0x80000000U) ? ~bits : (bits | 0x80000000U);
}

float valueOf(uint32_t key) {
  const uint32_t bits = (key & 0x80000000U) ? (key & 0x7FFFFFFFU) : ~key;
  float value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

// The first key from `from` to `to` whose value, read to 7 digits, `holds`
// (which holds for every key after one it holds for); `to` + 1 when none.
template <class Holds>
uint64_t firstHolding(uint64_t from, uint64_t to, Holds holds) {
  uint64_t low = from, high = to + 1;
  while (low < high) {
    const uint64_t mid = low + (high - low) / 2;
    if (holds(static_cast<double>(SingleForQuery(valueOf(static_cast<uint32_t>(mid)))))) high = mid;
    else low = mid + 1;
  }
  return low;
}

}  // namespace

SingleCriterion::SingleCriterion(const NumberCriterion& c) : nonFinite_(NumberMatches(c, 0)) {
  // The criterion as a lower end (passed by every value above one it
  // passes) and an upper end (passed by every value below one it passes).
  const auto above = [&c](double x) {
    switch (c.op) {
      case '<': return true;
      case '>': return x > c.bound;
      case '=': return x >= c.bound;
      case 'R': return x > c.low;
      default: return false;
    }
  };
  const auto over = [&c](double x) {
    switch (c.op) {
      case '<': return !(x < c.bound);
      case '>': return false;
      case '=': return !(x <= c.bound);
      case 'R': return !(x < c.high);
      default: return true;
    }
  };
  const uint64_t first = keyOf(-FLT_MAX), last = keyOf(FLT_MAX);
  const uint64_t low = firstHolding(first, last, above), high = firstHolding(first, last, over);
  if (low >= high) return;  // no value passes
  low_ = static_cast<uint32_t>(low);
  high_ = static_cast<uint32_t>(high - 1);
}

bool SingleCriterion::matches(float value) const {
  if (!std::isfinite(value)) return nonFinite_;
  const uint32_t key = keyOf(value);
  return key >= low_ && key <= high_;
}
