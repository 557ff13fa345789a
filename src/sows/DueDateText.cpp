#include "sows/DueDateText.h"

#include <cmath>
#include <cstdlib>

#include "common/NumberText.h"

std::optional<std::string> EightDigitDate(const std::string& text) {
  if (text.size() != 8 || text.find_first_not_of("0123456789") != std::string::npos) return std::nullopt;
  return text.substr(0, 2) + "/" + text.substr(2, 2) + "/" + text.substr(4);
}

std::optional<std::string> DigitsDueDate(const std::string& text) {
  if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos) return std::nullopt;
  if (std::optional<std::string> date = EightDigitDate(text)) return date;
  return DigitsAsDate(text, false);
}

std::string DigitsAsDate(const std::string& text, bool monthZero) {
  const double v = Val(text);
  std::string digits = std::fabs(v) < 1e15 ? std::to_string(std::llabs(RoundHalfEven(v))) : "0";
  if (digits == "0" && !monthZero) digits.clear();  // "#" shows no insignificant digit
  if (monthZero && digits.size() < 8) digits.insert(0, 8 - digits.size(), '0');
  const size_t year = digits.size() < 4 ? digits.size() : 4;
  const size_t day = digits.size() - year < 2 ? digits.size() - year : 2;
  const size_t month = digits.size() - year - day;
  return digits.substr(0, month) + "/" + digits.substr(month, day) + "/" + digits.substr(month + day);
}
