#pragma once
// The grid of the indexing tables: rows and columns of text cells, the
// first row and column fixed, column widths in twips, a current cell, and a sort of the
// non-fixed rows by one column (numbers as numbers, other text as text).
// It is the toolkit's table view over a model of its cells, each a text and
// an alignment; a whole row is written at once with SetRowTexts, and read at
// once with RowTexts or RowTextViews.
#include <QTableView>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

class GridModel;

class Grid : public QTableView {
  Q_OBJECT
 public:
  Grid(QWidget* parent, const std::string& name);
  ~Grid() override;
  // Empties every cell; rows, columns and widths stay.
  void ClearGrid();
  void SetRows(int rows);
  void SetCols(int cols);
  int Rows() const;
  int Cols() const;
  // A cell's text ("" outside the grid).
  std::string TextMatrix(int row, int col) const;
  void SetTextMatrix(int row, int col, const std::string& text);
  // Row `row`'s cells from column 0, with their alignments (0 left, 1
  // centre, 2 right) where `alignments` names one.
  void SetRowTexts(int row, const std::vector<std::string>& texts, const std::vector<int>& alignments = {});
  void SetRowTexts(int row, std::span<const std::string_view> texts, const std::vector<int>& alignments = {});
  // Row `row`'s cells from column 0 into `texts`, made as long as the grid
  // is wide (empty outside the grid).
  void RowTexts(int row, std::vector<std::string>& texts) const;
  // The same as views of the texts the grid holds (good until a cell
  // changes, the rows are sorted or the grid changes size), as many as
  // `views` has room for; empty past the grid.
  void RowTextViews(int row, std::span<std::string_view> views) const;
  // The current cell, its text and alignment (0 left, 1 centre, 2 right).
  void SetRow(int row) { row_ = row; }
  void SetCol(int col) { col_ = col; }
  int Row() const { return row_; }
  std::string Text() const { return TextMatrix(row_, col_); }
  void SetText(const std::string& text) { SetTextMatrix(row_, col_, text); }
  void SetCellAlignment(int alignment);
  int CellAlignment(int row, int col) const;
  void SetColWidth(int col, int twips);
  int ColWidth(int col) const;
  // Sorts the rows below the fixed row by `col`, whole rows moving
  // together; rows whose cells compare equal keep their order.
  void SortRows(int col, bool ascending);
  // A typed character moves to no other row.
  void keyboardSearch(const QString&) override {}

 private:
  GridModel* model_;
  int row_ = 0, col_ = 0;
};

// The generic comparison of the sort: two numbers compare as numbers, a
// number sorts before a text, two texts compare as text. A number is an
// optional sign, digits with an optional decimal point and an optional
// exponent, with blanks around it; nothing else ("0x1A", "inf", "1,000").
int compareCells(std::string_view a, std::string_view b);

}  // namespace platform
