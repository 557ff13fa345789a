#include "common/MoneyText.h"

#include "common/NumberText.h"

std::string FormatMoneyField(float Value, int Width) {
  if (Width <= 0) return "";
  const std::string text = WithoutExponent(SingleText(Value));
  const size_t dot = text.find('.');
  const std::string whole = text.substr(0, dot);
  std::string cents = dot == std::string::npos ? std::string() : text.substr(dot + 1, 2);
  cents.resize(2, '0');

  const std::string field = "$" + whole + "." + cents;
  const size_t width = static_cast<size_t>(Width);
  if (field.size() >= width) return field.substr(0, width);
  return std::string(width - field.size(), ' ') + field;
}
