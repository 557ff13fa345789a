#include "common/MoneyText.h"

#include <charconv>

#include "common/NumberText.h"

namespace {

// SingleText without its exponent form: "1.234568E+07" gives "12345680",
// "1E-05" gives ".00001".
std::string plainDecimal(const std::string& text) {
  const size_t e = text.find('E');
  if (e == std::string::npos) return text;
  std::string mantissa = text.substr(0, e);
  // from_chars takes a "-" but no "+".
  const size_t from = e + 1 < text.size() && text[e + 1] == '+' ? e + 2 : e + 1;
  int exponent = 0;
  std::from_chars(text.data() + from, text.data() + text.size(), exponent);
  std::string sign;
  if (!mantissa.empty() && mantissa[0] == '-') {
    sign = "-";
    mantissa.erase(0, 1);
  }
  const size_t dot = mantissa.find('.');
  int point = static_cast<int>(dot == std::string::npos ? mantissa.size() : dot) + exponent;
  if (dot != std::string::npos) mantissa.erase(dot, 1);
  std::string digits = mantissa;
  if (point <= 0) return sign + "." + std::string(-point, '0') + digits;
  if (point >= static_cast<int>(digits.size()))
    return sign + digits + std::string(point - digits.size(), '0');
  return sign + digits.substr(0, point) + "." + digits.substr(point);
}

// Adds one in the last place of a string of digits; true when it overflowed
// (all nines, which become all zeros).
bool addOne(std::string& digits) {
  for (size_t i = digits.size(); i-- > 0;) {
    if (digits[i] != '9') {
      ++digits[i];
      return false;
    }
    digits[i] = '0';
  }
  return true;
}

// The whole part one larger in magnitude: "" gives "1", "-" gives "-1",
// "-3" gives "-4", "99" gives "100".
std::string awayFromZero(const std::string& whole) {
  const bool negative = !whole.empty() && whole[0] == '-';
  std::string digits = negative ? whole.substr(1) : whole;
  if (digits.empty() || addOne(digits)) digits.insert(0, "1");
  return negative ? "-" + digits : digits;
}

}  // namespace

std::string FormatMoneyField(float Value, int Precision, int Width, int RoundUp) {
  if (Width <= 0) return "";
  const size_t places = Precision == 2 ? 3 : 2;

  const std::string text = plainDecimal(SingleText(Value));
  const size_t dot = text.find('.');
  std::string whole = text.substr(0, dot);
  const std::string fraction = dot == std::string::npos ? std::string() : text.substr(dot + 1);

  std::string cents;
  if (fraction.size() <= places) {
    cents = fraction + std::string(places - fraction.size(), '0');
  } else {
    cents = fraction.substr(0, places);
    if (RoundUp == kMoneyRoundUp && fraction[places] >= '5' && addOne(cents)) whole = awayFromZero(whole);
  }

  const std::string field = "$" + whole + "." + cents;
  const size_t width = static_cast<size_t>(Width);
  if (field.size() >= width) return field.substr(0, width);
  return std::string(width - field.size(), ' ') + field;
}
