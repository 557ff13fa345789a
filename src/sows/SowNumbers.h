#pragma once
// The numbers typed for a sow must fit their fields: days to 230 an Integer,
// loineye and backfat a Single, the prices a Currency. Typed with an
// exponent ("9E99") they need not; such a sow is refused with a message
// rather than written wrapped.
#include <cstdint>
#include <string>

#include "platform/Refusal.h"

bool FitsInteger(const std::string& text);
bool FitsSingle(const std::string& text);
bool FitsCurrency(const std::string& text);
// The leading number of `text` as an Integer, clamped to its range.
int16_t WholeOf(const std::string& text);

// A typed number and how the window names it in its refusal.
struct TypedNumber {
  bool fits;
  const char* name;
  int field;
};
// The first number that does not fit: "<name> is out of range!" with `title`.
Check CheckNumbers(std::initializer_list<TypedNumber> numbers, const std::string& title);
