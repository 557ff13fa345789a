#include "common/NumberText.h"

#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>

#include "records/Nearest.h"

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

namespace {

using Wide = unsigned __int128;

// 10^n for n from 0 to 22 as whole numbers.
constexpr std::array<Wide, 23> kWidePowersOfTen = [] {
  std::array<Wide, 23> p{};
  p[0] = 1;
  for (size_t i = 1; i < p.size(); ++i) p[i] = p[i - 1] * 10;
  return p;
}();

// 10^n for n from 0 to 22, each exact as a double.
constexpr std::array<double, 23> kPowersOfTen = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                 1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                                 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// The value's seven significant digits, read back, worked out in whole
// numbers: a normal Single between about 1e-15 and 1e15 is m * 2^E exactly,
// so m * 2^E * 10^k, with k putting the seventh digit in the units, is a
// ratio of whole numbers that fit in 128 bits; its quotient rounded (a half
// to even, as the text's digits are) is the seven digits q, and q * 10^-k
// is one correctly rounded product or quotient of two exact doubles, the
// nearest double to the text. Empty outside that range.
std::optional<float> SevenDigitsExactly(float value) {
  uint32_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  const int exponent = static_cast<int>((bits >> 23) & 0xFF);
  if (exponent < 77 || exponent > 176) return std::nullopt;
  const uint64_t m = (bits & 0x7FFFFF) | 0x800000;
  const int E = exponent - 150;
  // The decimal exponent of the first digit: a guess (1233 / 4096 is about
  // log10 2), put right below.
  int e = ((exponent - 127) * 1233) >> 12;
  for (;;) {
    const int k = 6 - e;
    if (k < -22 || k > 22) return std::nullopt;
    Wide num = m, den = 1;
    if (k >= 0) num *= kWidePowersOfTen[static_cast<size_t>(k)];
    else den *= kWidePowersOfTen[static_cast<size_t>(-k)];
    if (E >= 0) num <<= E;
    else den <<= -E;
    Wide q = k >= 0 && E < 0 ? num >> -E : num / den;
    if (q < 1000000) {
      --e;
      continue;
    }
    if (q >= 10000000) {
      ++e;
      continue;
    }
    const Wide twiceRest = (num - q * den) * 2;
    if (twiceRest > den || (twiceRest == den && (q & 1) != 0)) ++q;
    if (q == 10000000) {
      q = 1000000;
      ++e;
    }
    const double digits = static_cast<double>(static_cast<uint64_t>(q));
    const double read = e >= 6 ? digits * kPowersOfTen[static_cast<size_t>(e - 6)]
                               : digits / kPowersOfTen[static_cast<size_t>(6 - e)];
    return static_cast<float>(value < 0 ? -read : read);
  }
}

}  // namespace

float SingleTextValue(float value) {
  if (!std::isfinite(value) || value == 0) return 0;
  if (const std::optional<float> exact = SevenDigitsExactly(value)) return *exact;
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
  if (exponent) {
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

long long RoundHalfEven(double value) { return records::NearestWhole<long long>(value); }

bool ToInteger(double value, int& out) {
  if (!(value > -32768.5 && value < 32767.5)) return false;
  out = static_cast<int>(RoundHalfEven(value));
  return out >= -32768 && out <= 32767;
}

bool ToLong(double value, int32_t& out) {
  const double whole = std::nearbyint(value);
  if (!(whole >= -2147483648.0 && whole <= 2147483647.0)) return false;
  out = static_cast<int32_t>(whole);
  return true;
}
