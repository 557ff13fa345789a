#pragma once
// A number criterion over Single values as a query compares them: to 7
// significant digits, as their text reads back (SingleForQuery). Reading a
// value to 7 digits never changes the order of two values, so the values a
// criterion passes are one run of Singles: it is found once, from the
// criterion, and a value is then tested with two comparisons, no text made.
#include <cstdint>

#include "common/QueryGrammar.h"

class SingleCriterion {
 public:
  SingleCriterion() = default;  // matches nothing
  explicit SingleCriterion(const NumberCriterion& criterion);
  // NumberMatches(criterion, SingleForQuery(value)).
  bool matches(float value) const;

 private:
  // The run of finite values passed, as keys in the order of the values;
  // empty when low_ > high_.
  uint32_t low_ = 1, high_ = 0;
  bool nonFinite_ = false;  // what an infinite or undefined value gives (read as 0)
};
