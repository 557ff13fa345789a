#pragma once
// The grid of the indexing tables: rows and columns of text cells, fixed
// rows and columns, column widths in twips, a current cell, and a sort of the
// non-fixed rows by one column (numbers as numbers, other text as text).
#include <QTableWidget>
#include <string>

namespace platform {

class Grid : public QTableWidget {
  Q_OBJECT
 public:
  Grid(QWidget* parent, const std::string& name);
  void ClearGrid();
  void SetRows(int rows);
  void SetCols(int cols);
  int Rows() const { return rowCount(); }
  int Cols() const { return columnCount(); }
  void SetFixedRows(int n) { fixedRows_ = n; }
  void SetFixedCols(int n) { fixedCols_ = n; }
  int FixedRows() const { return fixedRows_; }
  int FixedCols() const { return fixedCols_; }
  std::string TextMatrix(int row, int col) const;
  void SetTextMatrix(int row, int col, const std::string& text);
  // The current cell, its text and alignment (0 left, 1 centre, 2 right).
  void SetRow(int row) { row_ = row; }
  void SetCol(int col) { col_ = col; }
  int Row() const { return row_; }
  int Col() const { return col_; }
  std::string Text() const { return TextMatrix(row_, col_); }
  void SetText(const std::string& text) { SetTextMatrix(row_, col_, text); }
  void SetCellAlignment(int alignment);
  void SetColWidth(int col, int twips);
  int ColWidth(int col) const;
  // Sorts the rows below the fixed rows by `col`.
  void SortRows(int col, bool ascending);

 private:
  int fixedRows_ = 1, fixedCols_ = 1;
  int row_ = 0, col_ = 0;
};

// The generic comparison of the sort: two numbers compare as numbers, a
// number sorts before a text, two texts compare as text.
int compareCells(const std::string& a, const std::string& b);

}  // namespace platform
