#include "sows/DueDateText.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "common/NumberText.h"

std::optional<std::string> EightDigitDate(const std::string& text) {
  std::array<char, 10> date;
  if (!EightDigitDateInto(text, date)) return std::nullopt;
  return std::string(date.data(), date.size());
}

bool EightDigitDateInto(std::string_view text, std::array<char, 10>& date) {
  if (text.size() != 8 || text.find_first_not_of("0123456789") != std::string_view::npos) return false;
  std::copy_n(text.data(), 2, date.data());
  std::copy_n(text.data() + 2, 2, date.data() + 3);
  std::copy_n(text.data() + 4, 4, date.data() + 6);
  date[2] = date[5] = '/';
  return true;
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
