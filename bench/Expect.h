#pragma once
// What the bench expects of a fixed-column line, built from its own reading
// of the stored bytes (bench/Stored.h): each column's text or the number it
// must show, where the column puts it (from its first character, or ending
// at its last), every other column blank. A number is read back from the
// line and must be the bench's value rounded to the places shown
// (ShowsNumber): a whole number exactly.
#include <string>
#include <vector>

enum class Align { Left, Right };

// How a column's figure comes to its characters: rounded to the places the
// line shows (kAsShown); written with a mask of so many places and cut,
// where wider, to its column (a count of places); or a Single's own digits
// cut to its column, with no rounding (kCut).
inline constexpr int kAsShown = -1;
inline constexpr int kCut = 6;

class LineExpect {
 public:
  explicit LineExpect(size_t width) : width_(width) {}
  // 1-based `col`, `width` characters: the text (cut to the width), from the
  // column's first character on, or ending at its last.
  LineExpect& text(int col, int width, const std::string& text, Align align = Align::Left);
  // A number (digits, a sign, a point, "," between thousands, a "$" or "%"
  // beside it) that shows `value` (ShowsNumber, with `places`), from the
  // first character or ending at the last.
  LineExpect& number(int col, int width, double value, Align align = Align::Left, int places = kAsShown);
  // A count: a whole number that must be exactly `n`.
  LineExpect& count(int col, int width, long long n, Align align = Align::Left);
  // What differs in `line`; "" when it shows all that is expected.
  std::string differs(const std::string& line) const;

 private:
  struct Column {
    int col, width;
    bool isNumber, isCount;
    std::string text;
    double value;
    Align align;
    int places;
  };
  size_t width_;
  std::vector<Column> columns_;
};

// The number a column shows, and the unit of its last digit; false when the
// text is no number.
bool ReadShownNumber(const std::string& shown, double& value, double& unit);
// Whether `shown` (a figure's text) is a number that shows `value`: rounded
// to `places` (kAsShown: to the places it shows), then cut to the places it
// shows, which only a figure that fills its column's `width` (when given)
// may be. Where `value` lies so near a last digit's edge (within a
// millionth of it and a tenth of the digit) that Single arithmetic may
// fall on either side, either is taken.
bool ShowsNumber(const std::string& shown, double value, int places = kAsShown, int width = 0);
// The value a Single `value` shows to `places` decimals, as a later figure
// takes it up again: its seven significant digits, rounded a half away from
// zero.
double SingleShown(double value, int places);
// Whether `shown` is a count of exactly `n`.
bool ShowsCount(const std::string& shown, long long n);

// A figure a window or a printout shows outside a line: a count, or a value
// with the places it is written to (ShowsNumber).
struct Figure {
  Figure(double v, int p = kAsShown) : value(v), places(p) {}
  double value;
  int places;
  bool count = false;
};
inline Figure Count(long long n) {
  Figure f(static_cast<double>(n));
  f.count = true;
  return f;
}
bool Shows(const std::string& shown, const Figure& figure);
// The bench's value of a figure, for a message.
std::string ExpectedText(const Figure& figure);
// Whether `shown` is a number within one unit of its last digit of
// `value` rounded to the places it shows: a figure of a sum the program
// adds up in Singles over thousands of rows, which the bench adds up in
// Doubles.
bool ShowsNear(const std::string& shown, double value);

// Each line against its expectation, in order: "" when all agree.
std::string CompareLines(const std::vector<std::string>& lines, const std::vector<LineExpect>& expected,
                         const std::string& what);
// Two lists of texts or numbers: "" when equal, else the first difference.
std::string CompareTexts(const std::vector<std::string>& got, const std::vector<std::string>& expected,
                         const std::string& what);
std::string CompareNumbers(const std::vector<long>& got, const std::vector<long>& expected, const std::string& what);
