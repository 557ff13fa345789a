#include "common/NumberText.h"

#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

std::string generalText(double value, int digits) {
  if (value == 0 || std::isnan(value)) return "0";
  // As "%.*G" writes it.
  char buf[64];
  char* end = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, digits).ptr;
  for (char* c = buf; c != end; ++c)
    if (*c >= 'a' && *c <= 'z') *c = static_cast<char>(*c - 'a' + 'A');
  std::string s(buf, end);
  // Exponent with at least two digits and a sign, as "1E-05" and "1.5E+12".
  size_t e = s.find('E');
  if (e != std::string::npos) {
    std::string mant = s.substr(0, e);
    std::string exp = s.substr(e + 1);
    char sign = '+';
    if (!exp.empty() && (exp[0] == '+' || exp[0] == '-')) {
      sign = exp[0];
      exp = exp.substr(1);
    }
    while (exp.size() > 2 && exp[0] == '0') exp.erase(0, 1);
    while (exp.size() < 2) exp.insert(0, "0");
    s = mant + "E" + sign + exp;
    return s;
  }
  if (s.rfind("0.", 0) == 0) s.erase(0, 1);
  else if (s.rfind("-0.", 0) == 0) s.erase(1, 1);
  return s;
}

}  // namespace

std::string SingleText(float value) {
  // Lists and printouts write the same few values again and again (backfat,
  // loineye, averages): the texts last made are kept, two for each of 512
  // groups of values, the group chosen by the value's bits.
  struct Made {
    uint32_t bits = 0;
    bool set = false;
    std::string text;
  };
  thread_local std::array<std::array<Made, 2>, 512> made;
  uint32_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  auto& group = made[(bits * 2654435761U) >> 23];
  for (const Made& m : group)
    if (m.set && m.bits == bits) return m.text;
  group[1] = std::move(group[0]);
  group[0] = {bits, true, generalText(static_cast<double>(value), 7)};
  return group[0].text;
}
std::string DoubleText(double value) { return generalText(value, 15); }

float SingleTextValue(float value) {
  if (!std::isfinite(value) || value == 0) return 0;
  // The digits SingleText writes, read back without the text being made.
  char buf[32];
  const char* end = std::to_chars(buf, buf + sizeof buf, static_cast<double>(value), std::chars_format::general, 7).ptr;
  double read = 0;
  std::from_chars(buf, end, read);
  return static_cast<float>(read);
}
std::string StrSingle(float value) { return value >= 0 ? " " + SingleText(value) : SingleText(value); }
std::string StrDouble(double value) { return value >= 0 ? " " + DoubleText(value) : DoubleText(value); }

double Val(const std::string& text) {
  size_t i = 0, n = text.size();
  while (i < n && (text[i] == ' ' || text[i] == '\t')) ++i;
  size_t start = i;
  if (i < n && (text[i] == '+' || text[i] == '-')) ++i;
  size_t digits = 0;
  while (i < n && std::isdigit(static_cast<unsigned char>(text[i]))) ++i, ++digits;
  if (i < n && text[i] == '.') {
    ++i;
    while (i < n && std::isdigit(static_cast<unsigned char>(text[i]))) ++i, ++digits;
  }
  if (digits == 0) return 0;
  const bool exponent = i < n && (text[i] == 'E' || text[i] == 'e' || text[i] == 'D' || text[i] == 'd');
  if (!exponent) {
    // Plain digits: read in place, rounded as strtod rounds them.
    double v = 0;
    const char* from = text.data() + start + (text[start] == '+');
    if (std::from_chars(from, text.data() + i, v).ec == std::errc()) return v;
  }
  std::string number = text.substr(start, i - start);
  if (i < n && (text[i] == 'E' || text[i] == 'e' || text[i] == 'D' || text[i] == 'd')) {
    size_t j = i + 1;
    if (j < n && (text[j] == '+' || text[j] == '-')) ++j;
    size_t expStart = j;
    while (j < n && std::isdigit(static_cast<unsigned char>(text[j]))) ++j;
    if (j > expStart) number += "E" + text.substr(i + 1, j - i - 1);
  }
  double v = std::strtod(number.c_str(), nullptr);
  if (std::isinf(v)) return 0;
  return v;
}

long long RoundHalfEven(double value) { return static_cast<long long>(std::nearbyint(value)); }

bool ToInteger(double value, int& out) {
  if (!(value > -32768.5 && value < 32767.5)) return false;
  out = static_cast<int>(RoundHalfEven(value));
  return out >= -32768 && out <= 32767;
}

std::string Trim(const std::string& text) { return std::string(Trimmed(text)); }

std::string RTrim(const std::string& text) { return std::string(RTrimmed(text)); }

std::string_view Trimmed(std::string_view text) {
  const size_t b = text.find_first_not_of(' ');
  return b == std::string_view::npos ? std::string_view() : text.substr(b, text.find_last_not_of(' ') - b + 1);
}

std::string_view RTrimmed(std::string_view text) {
  const size_t e = text.find_last_not_of(' ');
  return e == std::string_view::npos ? std::string_view() : text.substr(0, e + 1);
}

std::string LTrim(const std::string& text) {
  size_t b = text.find_first_not_of(' ');
  return b == std::string::npos ? std::string() : text.substr(b);
}

namespace {
unsigned char upper1252(unsigned char c) {
  if (c >= 'a' && c <= 'z') return static_cast<unsigned char>(c - 32);
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<unsigned char>(c - 32);
  if (c == 0x9A) return 0x8A;  // s caron
  if (c == 0x9C) return 0x8C;  // oe
  if (c == 0x9E) return 0x8E;  // z caron
  if (c == 0xFF) return 0x9F;  // y diaeresis
  return c;
}
unsigned char lower1252(unsigned char c) {
  if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 32);
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<unsigned char>(c + 32);
  if (c == 0x8A) return 0x9A;
  if (c == 0x8C) return 0x9C;
  if (c == 0x8E) return 0x9E;
  if (c == 0x9F) return 0xFF;
  return c;
}
}  // namespace

char UCaseChar(char c) { return static_cast<char>(upper1252(static_cast<unsigned char>(c))); }
char LCaseChar(char c) { return static_cast<char>(lower1252(static_cast<unsigned char>(c))); }

std::string UCase(const std::string& text) {
  std::string s = text;
  for (char& c : s) c = UCaseChar(c);
  return s;
}

std::string LCase(const std::string& text) {
  std::string s = text;
  for (char& c : s) c = LCaseChar(c);
  return s;
}

namespace {
// One entry per Windows-1252 code: 1 for a letter, 2 for a digit, 0 otherwise.
constexpr std::array<unsigned char, 256> kCharClass = [] {
  std::array<unsigned char, 256> t{};
  for (int c = 'A'; c <= 'Z'; ++c) t[c] = t[c + 32] = 1;
  for (int c = '0'; c <= '9'; ++c) t[c] = 2;
  for (int c : {0x83, 0x8A, 0x8C, 0x8E, 0x9A, 0x9C, 0x9E, 0x9F, 0xAA, 0xB5, 0xBA}) t[c] = 1;
  for (int c = 0xC0; c <= 0xFF; ++c)
    if (c != 0xD7 && c != 0xF7) t[c] = 1;  // all but the multiplication and division signs
  return t;
}();
}  // namespace

bool IsLetter1252(char c) { return kCharClass[static_cast<unsigned char>(c)] == 1; }
bool IsLetterOrDigit1252(char c) { return kCharClass[static_cast<unsigned char>(c)] != 0; }
