#include "common/MoneyText.h"

#include <cstdlib>

std::string FormatMoneyField(records::Currency Value, int Width) {
  if (Width <= 0) return "";
  // The whole part and the cents of the count of 1/10000, cut toward 0.
  const long long whole = Value.raw / records::Currency::kScale;
  const long long cents = std::llabs(Value.raw % records::Currency::kScale) / (records::Currency::kScale / 100);
  std::string field = "$";
  if (Value.raw < 0) field += "-";
  if (whole != 0 || Value.raw == 0) field += std::to_string(std::llabs(whole));
  field += "." + std::string(cents < 10 ? "0" : "") + std::to_string(cents);
  const size_t width = static_cast<size_t>(Width);
  if (field.size() >= width) return field.substr(0, width);
  return std::string(width - field.size(), ' ') + field;
}
