#include "platform/Grid.h"

#include <QHeaderView>
#include <algorithm>
#include <cstdlib>
#include <vector>

#include "platform/Ansi.h"
#include "platform/Screen.h"

namespace platform {

Grid::Grid(QWidget* parent, const std::string& name) : QTableWidget(parent) {
  setObjectName(QString::fromStdString(name));
  horizontalHeader()->hide();
  verticalHeader()->hide();
  setEditTriggers(QAbstractItemView::NoEditTriggers);
}

void Grid::ClearGrid() {
  for (int r = 0; r < rowCount(); ++r)
    for (int c = 0; c < columnCount(); ++c)
      if (QTableWidgetItem* it = item(r, c)) it->setText(QString());
}

void Grid::SetRows(int rows) { setRowCount(rows); }
void Grid::SetCols(int cols) { setColumnCount(cols); }

std::string Grid::TextMatrix(int row, int col) const {
  QTableWidgetItem* it = item(row, col);
  return it ? toAnsi(it->text()) : std::string();
}

void Grid::SetTextMatrix(int row, int col, const std::string& text) {
  if (row < 0 || col < 0 || row >= rowCount() || col >= columnCount()) return;
  QTableWidgetItem* it = item(row, col);
  if (!it) {
    it = new QTableWidgetItem();
    setItem(row, col, it);
  }
  it->setText(fromAnsi(text));
}

void Grid::SetCellAlignment(int alignment) {
  if (row_ >= rowCount() || col_ >= columnCount()) return;
  if (!item(row_, col_)) setItem(row_, col_, new QTableWidgetItem());
  Qt::Alignment a = alignment == 2 ? Qt::AlignRight : alignment == 1 ? Qt::AlignHCenter : Qt::AlignLeft;
  item(row_, col_)->setTextAlignment(a | Qt::AlignVCenter);
}

void Grid::SetColWidth(int col, int twips) {
  setColumnWidth(col, static_cast<int>(twips / platform::screen().twipsPerPixel()));
}

int Grid::ColWidth(int col) const {
  return static_cast<int>(columnWidth(col) * platform::screen().twipsPerPixel());
}

namespace {
bool asNumber(const std::string& s, double& v) {
  if (s.empty()) return false;
  char* end = nullptr;
  v = std::strtod(s.c_str(), &end);
  while (end && *end == ' ') ++end;
  return end && *end == '\0' && end != s.c_str();
}
}  // namespace

int compareCells(const std::string& a, const std::string& b) {
  double x, y;
  bool nx = asNumber(a, x), ny = asNumber(b, y);
  if (nx && ny) return x < y ? -1 : (x > y ? 1 : 0);
  if (nx != ny) return nx ? -1 : 1;
  return a < b ? -1 : (a > b ? 1 : 0);
}

void Grid::SortRows(int col, bool ascending) {
  int first = fixedRows_;
  if (first >= rowCount()) return;
  std::vector<std::vector<std::string>> rows;
  for (int r = first; r < rowCount(); ++r) {
    std::vector<std::string> cells;
    for (int c = 0; c < columnCount(); ++c) cells.push_back(TextMatrix(r, c));
    rows.push_back(std::move(cells));
  }
  std::stable_sort(rows.begin(), rows.end(), [&](const auto& a, const auto& b) {
    int cmp = compareCells(a[col], b[col]);
    return ascending ? cmp < 0 : cmp > 0;
  });
  for (size_t i = 0; i < rows.size(); ++i)
    for (int c = 0; c < columnCount(); ++c) SetTextMatrix(first + static_cast<int>(i), c, rows[i][c]);
}

}  // namespace platform
