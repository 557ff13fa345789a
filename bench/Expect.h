#pragma once
// What the bench expects of a fixed-column line, built from its own reading
// of the stored bytes (bench/Stored.h): each column's text or the number it
// must show, where the column puts it (from its first character, or ending
// at its last), every other column blank. A number is read back from the
// line and must lie within one unit of its last digit shown (a rounded or a
// cut figure passes, a wrong one does not).
#include <string>
#include <vector>

enum class Align { Left, Right };

class LineExpect {
 public:
  explicit LineExpect(size_t width) : width_(width) {}
  // 1-based `col`, `width` characters: the text (cut to the width), from the
  // column's first character on, or ending at its last.
  LineExpect& text(int col, int width, const std::string& text, Align align = Align::Left);
  // A number (digits, a sign, a point, "," between thousands, a "$" or "%"
  // beside it) that shows `value`, from the first character or ending at
  // the last.
  LineExpect& number(int col, int width, double value, Align align = Align::Left);
  // What differs in `line`; "" when it shows all that is expected.
  std::string differs(const std::string& line) const;

 private:
  struct Column {
    int col, width;
    bool isNumber;
    std::string text;
    double value;
    Align align;
  };
  size_t width_;
  std::vector<Column> columns_;
};

// The number a column shows, and the unit of its last digit; false when the
// text is no number.
bool ReadShownNumber(const std::string& shown, double& value, double& unit);
// Whether `shown` (a figure's text) is a number within one unit of its last
// digit of `value`.
bool ShowsNumber(const std::string& shown, double value);

// Each line against its expectation, in order: "" when all agree.
std::string CompareLines(const std::vector<std::string>& lines, const std::vector<LineExpect>& expected,
                         const std::string& what);
// Two lists of texts or numbers: "" when equal, else the first difference.
std::string CompareTexts(const std::vector<std::string>& got, const std::vector<std::string>& expected,
                         const std::string& what);
std::string CompareNumbers(const std::vector<long>& got, const std::vector<long>& expected, const std::string& what);
