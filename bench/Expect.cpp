#include "bench/Expect.h"

#include <cmath>
#include <cstdlib>

#include "bench/Stored.h"

LineExpect& LineExpect::text(int col, int width, const std::string& t, Align align) {
  std::string cut = t.substr(0, static_cast<size_t>(width));
  if (align == Align::Left) cut.erase(cut.find_last_not_of(' ') + 1);
  else cut = TrimmedText(cut);
  columns_.push_back({col, width, false, cut, 0, align});
  return *this;
}

LineExpect& LineExpect::number(int col, int width, double value, Align align) {
  columns_.push_back({col, width, true, "", value, align});
  return *this;
}

namespace {

// A column's characters without the blanks the alignment leaves: after the
// text of a left-aligned column, before that of a right-aligned one.
std::string unpadded(const std::string& slice, Align align) {
  if (align == Align::Left) return slice.substr(0, slice.find_last_not_of(' ') + 1);
  const size_t first = slice.find_first_not_of(' ');
  return first == std::string::npos ? "" : slice.substr(first);
}

}  // namespace

std::string LineExpect::differs(const std::string& line) const {
  if (line.size() != width_)
    return std::to_string(line.size()) + " characters, not " + std::to_string(width_) + ": \"" + line + "\"";
  std::string covered(width_, ' ');
  for (const Column& c : columns_) {
    const std::string shown = unpadded(line.substr(static_cast<size_t>(c.col - 1), static_cast<size_t>(c.width)), c.align);
    covered.replace(static_cast<size_t>(c.col - 1), static_cast<size_t>(c.width), static_cast<size_t>(c.width), 'x');
    const std::string where = "columns " + std::to_string(c.col) + "-" + std::to_string(c.col + c.width - 1);
    if (c.isNumber && (shown != TrimmedText(shown) || !ShowsNumber(shown, c.value))) {
      char want[64];
      std::snprintf(want, sizeof want, "%.6g", c.value);
      return where + " show \"" + shown + "\", not " + want + ": \"" + line + "\"";
    }
    if (!c.isNumber && shown != c.text) return where + " show \"" + shown + "\", not \"" + c.text + "\": \"" + line + "\"";
  }
  for (size_t i = 0; i < width_; ++i)
    if (covered[i] == ' ' && line[i] != ' ') return "column " + std::to_string(i + 1) + " is not blank: \"" + line + "\"";
  return "";
}

bool ReadShownNumber(const std::string& shown, double& value, double& unit) {
  std::string t;
  for (char c : TrimmedText(shown))
    if (c != ',' && c != '$' && c != '%') t += c;
  if (t.empty()) return false;
  char* end = nullptr;
  value = std::strtod(t.c_str(), &end);
  if (end != t.c_str() + t.size() || t.find_first_of("0123456789") == std::string::npos) return false;
  const size_t point = t.find('.');
  unit = point == std::string::npos ? 1 : std::pow(10.0, -static_cast<double>(t.size() - point - 1));
  return true;
}

bool ShowsNumber(const std::string& shown, double value) {
  double read = 0, unit = 1;
  if (!ReadShownNumber(shown, read, unit)) return false;
  return std::fabs(read - value) <= unit * (1 + 1e-6) + std::fabs(value) * 1e-6;
}

std::string CompareLines(const std::vector<std::string>& lines, const std::vector<LineExpect>& expected,
                         const std::string& what) {
  if (lines.size() != expected.size())
    return std::to_string(lines.size()) + " " + what + "s, expected " + std::to_string(expected.size());
  for (size_t i = 0; i < lines.size(); ++i)
    if (std::string d = expected[i].differs(lines[i]); !d.empty()) return what + " " + std::to_string(i + 1) + ": " + d;
  return "";
}

std::string CompareTexts(const std::vector<std::string>& got, const std::vector<std::string>& expected,
                         const std::string& what) {
  if (got.size() != expected.size())
    return std::to_string(got.size()) + " " + what + "s, expected " + std::to_string(expected.size());
  for (size_t i = 0; i < got.size(); ++i)
    if (got[i] != expected[i]) return what + " " + std::to_string(i + 1) + ": \"" + got[i] + "\", expected \"" + expected[i] + "\"";
  return "";
}

std::string CompareNumbers(const std::vector<long>& got, const std::vector<long>& expected, const std::string& what) {
  if (got.size() != expected.size())
    return std::to_string(got.size()) + " " + what + "s, expected " + std::to_string(expected.size());
  for (size_t i = 0; i < got.size(); ++i)
    if (got[i] != expected[i])
      return what + " " + std::to_string(i + 1) + ": " + std::to_string(got[i]) + ", expected " + std::to_string(expected[i]);
  return "";
}
