#include "common/TypedNumber.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string_view>

#include "common/NumberText.h"

namespace {

constexpr double kMostInteger = 32767;
constexpr double kMostLong = 2147483647;
constexpr double kMostSingle = 9999999;
constexpr double kMostCurrency = 922337203685477;

bool isBlank(char c) { return c == ' ' || c == '\t'; }

size_t digitsFrom(std::string_view t, size_t& i) {
  const size_t from = i;
  while (i < t.size() && std::isdigit(static_cast<unsigned char>(t[i]))) ++i;
  return i - from;
}

// The text without its blanks at either end.
std::string_view unblanked(const std::string& typed) {
  size_t i = 0, end = typed.size();
  while (i < end && isBlank(typed[i])) ++i;
  while (end > i && isBlank(typed[end - 1])) --end;
  return std::string_view(typed).substr(i, end - i);
}

// The value of a number text (as IsNumberText takes it, without blanks), as
// strtod reads it: infinite beyond a Double.
double numberOf(std::string_view t) {
  // A sign, digits, a point and an "E" exponent read in place, rounded as
  // strtod rounds them; a "D" exponent, or a value past a Double's range,
  // through strtod.
  const std::string_view number = !t.empty() && t[0] == '+' ? t.substr(1) : t;
  if (number.find_first_of("Dd") == std::string_view::npos) {
    double v = 0;
    const auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), v);
    if (ec == std::errc() && end == number.data() + number.size()) return v;
  }
  std::string copy(t);
  for (char& c : copy)
    if (c == 'D' || c == 'd') c = 'E';
  return std::strtod(copy.c_str(), nullptr);
}

}  // namespace

NumberField IntegerField(const std::string& name, double least) { return {name, least, kMostInteger, true}; }
NumberField LongField(const std::string& name, double least) { return {name, least, kMostLong, true}; }
NumberField SingleField(const std::string& name, double least) { return {name, least, kMostSingle, false}; }
NumberField CurrencyField(const std::string& name, double least) { return {name, least, kMostCurrency, false}; }
NumberField SignedSingleField(const std::string& name) { return {name, -kMostSingle, kMostSingle, false}; }

bool IsNumberText(const std::string& typed) {
  const std::string_view t = unblanked(typed);
  size_t i = 0;
  if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
  size_t digits = digitsFrom(t, i);
  if (i < t.size() && t[i] == '.') {
    ++i;
    digits += digitsFrom(t, i);
  }
  if (digits == 0) return false;
  if (i < t.size() && (t[i] == 'E' || t[i] == 'e' || t[i] == 'D' || t[i] == 'd')) {
    ++i;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    if (digitsFrom(t, i) == 0) return false;
  }
  return i == t.size();
}

TypedNumber ReadTypedNumber(const std::string& typed, const NumberField& field) {
  TypedNumber out;
  double v = 0;
  if (typed.find_first_not_of(" \t") != std::string::npos) {
    if (!IsNumberText(typed)) return {0, NumberFault::NotANumber};
    // The whole text is the number: read as a Double, infinite beyond one.
    v = numberOf(unblanked(typed));
  }
  if (field.whole && std::fabs(v) < 1e15) v = static_cast<double>(RoundHalfEven(v));
  if (v < field.least) {
    out.fault = NumberFault::BelowLeast;
  } else if (v > field.most) {
    out.fault = NumberFault::AboveMost;
  } else {
    out.value = v;
  }
  return out;
}

std::string NumberFaultText(const NumberField& field, NumberFault fault) {
  const std::string least = DoubleText(field.least), most = DoubleText(field.most);
  std::string text;
  switch (fault) {
    case NumberFault::None: return "";
    case NumberFault::NotANumber: text = field.name + " is not a number!"; break;
    case NumberFault::BelowLeast: text = field.name + " can't be less than " + least + "!"; break;
    case NumberFault::AboveMost: text = field.name + " can't be more than " + most + "!"; break;
  }
  return text + "\r\rIt takes a number from " + least + " to " + most + ".";
}

Check CheckTypedNumber(const std::string& typed, const NumberField& field, const std::string& title, int box,
                       int icon) {
  const NumberFault fault = ReadTypedNumber(typed, field).fault;
  if (fault == NumberFault::None) return std::nullopt;
  return Refusal{NumberFaultText(field, fault), title, icon, box};
}

Check CheckTypedNumbers(std::initializer_list<NumberBox> boxes, const std::string& title, int icon) {
  for (const NumberBox& b : boxes)
    if (Check refusal = CheckTypedNumber(b.typed, b.field, title, b.box, icon)) return refusal;
  return std::nullopt;
}

double TypedValue(const std::string& typed, const NumberField& field) { return ReadTypedNumber(typed, field).value; }

float TypedSingle(const std::string& typed, const NumberField& field) {
  return static_cast<float>(TypedValue(typed, field));
}
