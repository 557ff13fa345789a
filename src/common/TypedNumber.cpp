#include "common/TypedNumber.h"

#include <cctype>
#include <cmath>
#include <cstdlib>

#include "common/NumberText.h"

namespace {

constexpr double kMostInteger = 32767;
constexpr double kMostLong = 2147483647;
constexpr double kMostSingle = 9999999;
constexpr double kMostCurrency = 922337203685477;

bool isBlank(char c) { return c == ' ' || c == '\t'; }

size_t digitsFrom(const std::string& t, size_t& i) {
  const size_t from = i;
  while (i < t.size() && std::isdigit(static_cast<unsigned char>(t[i]))) ++i;
  return i - from;
}

}  // namespace

NumberField IntegerField(const std::string& name, double least) { return {name, least, kMostInteger, true}; }
NumberField LongField(const std::string& name, double least) { return {name, least, kMostLong, true}; }
NumberField SingleField(const std::string& name, double least) { return {name, least, kMostSingle, false}; }
NumberField CurrencyField(const std::string& name, double least) { return {name, least, kMostCurrency, false}; }
NumberField SignedSingleField(const std::string& name) { return {name, -kMostSingle, kMostSingle, false}; }

bool IsNumberText(const std::string& typed) {
  size_t i = 0, end = typed.size();
  while (i < end && isBlank(typed[i])) ++i;
  while (end > i && isBlank(typed[end - 1])) --end;
  const std::string t = typed.substr(i, end - i);
  i = 0;
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
    std::string t = typed;
    for (char& c : t)
      if (c == 'D' || c == 'd') c = 'E';
    v = std::strtod(t.c_str(), nullptr);
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
