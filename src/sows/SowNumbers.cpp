#include "sows/SowNumbers.h"

#include <cmath>
#include <limits>

#include "common/NumberText.h"

bool FitsInteger(const std::string& text) {
  int v = 0;
  return ToInteger(Val(text), v);
}

bool FitsSingle(const std::string& text) {
  return std::fabs(Val(text)) <= static_cast<double>(std::numeric_limits<float>::max());
}

bool FitsCurrency(const std::string& text) { return std::fabs(Val(text)) < 922337203685477.0; }

int16_t WholeOf(const std::string& text) {
  int v = 0;
  if (!ToInteger(Val(text), v)) v = Val(text) < 0 ? -32768 : 32767;
  return static_cast<int16_t>(v);
}

Check CheckNumbers(std::initializer_list<TypedNumber> numbers, const std::string& title) {
  for (const auto& n : numbers)
    if (!n.fits) return Refusal{std::string(n.name) + " is out of range!", title, platform::vbExclamation, n.field};
  return std::nullopt;
}
