#include "sows/DueDateText.h"

#include <cmath>
#include <cstdlib>

#include "common/NumberText.h"
#include "common/Paths.h"
#include "records/Fields.h"

namespace {

bool digitsAlone(const std::string& text) {
  return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
}

}  // namespace

std::optional<std::string> ReadDueDate(std::string_view stored) {
  const std::string due = StripNulls(std::string(stored));
  if (due.empty() || due == records::kEmptyDate) return std::nullopt;
  if (due.size() <= 8 && digitsAlone(due)) return DigitsAsDate(due, true);
  return due;
}

std::optional<std::string> DigitsDueDate(const std::string& text) {
  if (!digitsAlone(text)) return std::nullopt;
  return DigitsAsDate(text, text.size() == 8);
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
