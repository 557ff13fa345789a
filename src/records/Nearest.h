#pragma once
// Numbers kept within the whole-number type that holds them: a double
// rounded to the nearest whole number, and a sum held in 64 bits shown in a
// narrower field. Every such conversion goes through these, so no value a
// file or a box can hold (NaN, an infinity, a value past the range) makes
// an undefined one.
#include <cmath>
#include <concepts>
#include <cstdint>
#include <limits>

namespace records {

// The nearest value of T to `value`, a half going to the even neighbour; a
// value past T's range gives the bound on its side, and NaN gives 0.
template <std::signed_integral T>
T NearestWhole(double value) {
  if (std::isnan(value)) return 0;
  // The bounds are -2^(n-1) and 2^(n-1) - 1; the powers of two are exact.
  constexpr double kLow = static_cast<double>(std::numeric_limits<T>::min());
  const double whole = std::nearbyint(value);
  if (whole <= kLow) return std::numeric_limits<T>::min();
  if (whole >= -kLow) return std::numeric_limits<T>::max();
  return static_cast<T>(whole);
}

// `value` in T: the nearest value T holds.
template <std::signed_integral T>
constexpr T NearestFit(int64_t value) {
  if (value < std::numeric_limits<T>::min()) return std::numeric_limits<T>::min();
  if (value > std::numeric_limits<T>::max()) return std::numeric_limits<T>::max();
  return static_cast<T>(value);
}

// a + b in 64 bits: the nearest value that fits when the sum does not.
constexpr int64_t Plus64(int64_t a, int64_t b) {
  int64_t sum = 0;
  if (!__builtin_add_overflow(a, b, &sum)) return sum;
  return b > 0 ? std::numeric_limits<int64_t>::max() : std::numeric_limits<int64_t>::min();
}

}  // namespace records
