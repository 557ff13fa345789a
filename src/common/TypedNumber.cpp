#include "common/TypedNumber.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <optional>
#include <string_view>

#include "common/NumberText.h"
#include "records/Fields.h"

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

}  // namespace

NumberField IntegerField(const std::string& name, double least) {
  return {name, least, kMostInteger, NumberType::Whole};
}
NumberField LongField(const std::string& name, double least) { return {name, least, kMostLong, NumberType::Whole}; }
NumberField SingleField(const std::string& name, double least) {
  return {name, least, kMostSingle, NumberType::Single};
}
NumberField CurrencyField(const std::string& name, int boxLength) {
  double most = 0;
  for (int i = 0; i < boxLength && most < kMostCurrency; ++i) most = most * 10 + 9;
  return {name, 0, std::min(most, kMostCurrency), NumberType::Currency};
}
NumberField SignedSingleField(const std::string& name) { return {name, -kMostSingle, kMostSingle, NumberType::Single}; }

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

namespace {

// The typed text as a number, rounded to a whole one where the field is
// whole: 0 for a blank text, nothing for a text that is no number.
std::optional<double> typedValue(const std::string& typed, const NumberField& field) {
  if (typed.find_first_not_of(" \t") == std::string::npos) return 0.0;
  if (!IsNumberText(typed)) return std::nullopt;
  // The whole text is the number: read as a Double, infinite beyond one.
  const double v = ValPastRange(typed);
  if (field.type == NumberType::Whole && std::fabs(v) < 1e15) return static_cast<double>(RoundHalfEven(v));
  return v;
}

}  // namespace

TypedNumber ReadTypedNumber(const std::string& typed, const NumberField& field) {
  TypedNumber out;
  const std::optional<double> read = typedValue(typed, field);
  if (!read) return {0, NumberFault::NotANumber};
  const double v = *read;
  if (v < field.least) {
    out.fault = NumberFault::BelowLeast;
  } else if (v > field.most) {
    out.fault = NumberFault::AboveMost;
  } else {
    out.value = v;
  }
  return out;
}

bool ReadsAsZero(const std::string& typed, const NumberField& field) {
  const std::optional<double> v = typedValue(typed, field);
  if (!v) return false;
  switch (field.type) {
    case NumberType::Single: return static_cast<float>(*v) == 0.0f;
    case NumberType::Currency: return records::Currency::fromDouble(*v).raw == 0;
    case NumberType::Whole:
    case NumberType::Double: break;
  }
  return *v == 0;
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

Check CheckRequiredNumber(const std::string& typed, const NumberField& field, const Refusal& missing) {
  if (!ReadsAsZero(typed, field)) return CheckTypedNumber(typed, field, missing.title, missing.field, missing.icon);
  return missing;
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

records::Currency TypedCurrency(const std::string& typed, const NumberField& field) {
  return records::Currency::fromDouble(TypedValue(typed, field));
}
