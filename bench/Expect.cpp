#include "bench/Expect.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "bench/Stored.h"

LineExpect& LineExpect::text(int col, int width, const std::string& t, Align align) {
  std::string cut = t.substr(0, static_cast<size_t>(width));
  if (align == Align::Left) cut.erase(cut.find_last_not_of(' ') + 1);
  else cut = TrimmedText(cut);
  columns_.push_back({col, width, false, false, cut, 0, align, kAsShown});
  return *this;
}

LineExpect& LineExpect::number(int col, int width, double value, Align align, int places) {
  columns_.push_back({col, width, true, false, "", value, align, places});
  return *this;
}

LineExpect& LineExpect::count(int col, int width, long long n, Align align) {
  columns_.push_back({col, width, true, true, "", static_cast<double>(n), align, kAsShown});
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
    const bool shows =
        c.isCount ? ShowsCount(shown, static_cast<long long>(c.value)) : ShowsNumber(shown, c.value, c.places, c.width);
    if (c.isNumber && (shown != TrimmedText(shown) || !shows)) {
      char want[64];
      std::snprintf(want, sizeof want, "%.10g", c.value);
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

namespace {

// `value` rounded to `places` decimals, a half away from zero.
double rounded(double value, int places) {
  const double scale = std::pow(10.0, places);
  return std::round(value * scale) / scale;
}

// `value` cut to `places` decimals: the digits after them dropped. The nudge
// keeps a value that has no more places, held a hair below its decimal
// text in binary, from losing its last one.
double cut(double value, int places) {
  const double scale = std::pow(10.0, places);
  return std::trunc(value * scale + (value < 0 ? -1e-7 : 1e-7)) / scale;
}

}  // namespace

bool ShowsNumber(const std::string& shown, double value, int places, int width) {
  double read = 0, unit = 1;
  if (!ReadShownNumber(shown, read, unit)) return false;
  const int shownPlaces = static_cast<int>(std::lround(-std::log10(unit)));
  const int written = places == kAsShown ? shownPlaces : places;
  if (shownPlaces > written) return false;
  // A figure narrower than its column was not cut: it shows every place
  // its mask writes, or all of a Single's digits.
  if (places != kAsShown && width > 0 && static_cast<int>(shown.size()) < width) {
    if (places == kCut) return std::fabs(read - value) <= std::min(std::fabs(value) * 1e-5, unit) + unit * 1e-6;
    if (shownPlaces != places) return false;
  }
  const auto figure = [&](double v) { return cut(rounded(v, written), shownPlaces); };
  // The program reaches most figures in Single arithmetic and writes a
  // Single by its seven significant digits, which differ from the bench's
  // double in the seventh digit: a value that lies that near the edge of a
  // last digit may show either digit. The figure is taken when it is that
  // of any value within a millionth of the bench's and within a tenth of
  // the last digit shown, so that no figure is ever more than one digit off,
  // and a figure away from such an edge must be exactly the bench's. A count
  // has no such edge (ShowsCount).
  const double slack = std::min(std::fabs(value) * 1e-6, unit * 0.1);
  const double tiny = unit * 1e-6;
  return read >= figure(value - slack) - tiny && read <= figure(value + slack) + tiny;
}

double SingleShown(double value, int places) {
  char digits[32];
  std::snprintf(digits, sizeof digits, "%.7g", static_cast<double>(static_cast<float>(value)));
  // The seven digits read back in binary may fall a hair short of a half
  // they end in: a nudge far below their last digit puts it back.
  const double seven = std::strtod(digits, nullptr);
  return rounded(seven * (1 + 1e-12), places);
}

bool ShowsCount(const std::string& shown, long long n) {
  double read = 0, unit = 1;
  return ReadShownNumber(shown, read, unit) && read == static_cast<double>(n);
}

bool Shows(const std::string& shown, const Figure& f) {
  return f.count ? ShowsCount(shown, static_cast<long long>(f.value)) : ShowsNumber(shown, f.value, f.places);
}

std::string ExpectedText(const Figure& f) {
  char text[64];
  if (f.count) std::snprintf(text, sizeof text, "%.0f", f.value);
  else if (f.places == kAsShown) std::snprintf(text, sizeof text, "%.10g", f.value);
  else std::snprintf(text, sizeof text, "%.*f", f.places, f.value);
  return text;
}

bool ShowsNear(const std::string& shown, double value) {
  double read = 0, unit = 1;
  if (!ReadShownNumber(shown, read, unit)) return false;
  return std::fabs(read - rounded(value, static_cast<int>(std::lround(-std::log10(unit))))) <= unit * (1 + 1e-6);
}

std::string CompareLines(const std::vector<std::string>& lines, const std::vector<LineExpect>& expected,
                         const std::string& what) {
  std::string count;
  if (lines.size() != expected.size())
    count = std::to_string(lines.size()) + " " + what + "s, expected " + std::to_string(expected.size()) + "; ";
  for (size_t i = 0; i < std::min(lines.size(), expected.size()); ++i)
    if (std::string d = expected[i].differs(lines[i]); !d.empty())
      return count + what + " " + std::to_string(i + 1) + ": " + d;
  if (!count.empty()) return count + "the first " + std::to_string(std::min(lines.size(), expected.size())) + " agree";
  return "";
}

namespace {

// What differs between two lists: their counts, and the first item that
// differs (`show` writes an item).
template <class T, class Show>
std::string compareLists(const std::vector<T>& got, const std::vector<T>& expected, const std::string& what, Show show) {
  std::string count;
  if (got.size() != expected.size())
    count = std::to_string(got.size()) + " " + what + "s, expected " + std::to_string(expected.size()) + "; ";
  for (size_t i = 0; i < std::min(got.size(), expected.size()); ++i)
    if (got[i] != expected[i])
      return count + what + " " + std::to_string(i + 1) + ": " + show(got[i]) + ", expected " + show(expected[i]);
  if (!count.empty()) return count + "the first " + std::to_string(std::min(got.size(), expected.size())) + " agree";
  return "";
}

}  // namespace

std::string CompareTexts(const std::vector<std::string>& got, const std::vector<std::string>& expected,
                         const std::string& what) {
  return compareLists(got, expected, what, [](const std::string& t) { return "\"" + t + "\""; });
}

std::string CompareNumbers(const std::vector<long>& got, const std::vector<long>& expected, const std::string& what) {
  return compareLists(got, expected, what, [](long n) { return std::to_string(n); });
}
