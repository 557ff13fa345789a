#include "platform/Grid.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QHeaderView>
#include <QPalette>
#include <algorithm>
#include <cctype>
#include <charconv>
#include <numeric>

#include "platform/Ansi.h"
#include "platform/Screen.h"

namespace platform {

namespace {

struct Cell {
  std::string text;
  int alignment = 0;
};

Qt::Alignment qtAlignment(int alignment) {
  const Qt::Alignment across = alignment == 2 ? Qt::AlignRight : alignment == 1 ? Qt::AlignHCenter : Qt::AlignLeft;
  return across | Qt::AlignVCenter;
}

// Whether `s` reads as a number, and its value.
bool asNumber(const std::string& s, double& v) {
  size_t i = 0, n = s.size();
  while (i < n && s[i] == ' ') ++i;
  while (n > i && s[n - 1] == ' ') --n;
  const size_t start = i;
  if (i < n && (s[i] == '+' || s[i] == '-')) ++i;
  size_t digits = 0;
  while (i < n && std::isdigit(static_cast<unsigned char>(s[i]))) ++i, ++digits;
  if (i < n && s[i] == '.') {
    ++i;
    while (i < n && std::isdigit(static_cast<unsigned char>(s[i]))) ++i, ++digits;
  }
  if (digits == 0) return false;
  if (i < n && (s[i] == 'e' || s[i] == 'E')) {
    size_t j = i + 1;
    if (j < n && (s[j] == '+' || s[j] == '-')) ++j;
    const size_t exponentStart = j;
    while (j < n && std::isdigit(static_cast<unsigned char>(s[j]))) ++j;
    if (j == exponentStart) return false;
    i = j;
  }
  if (i != n) return false;
  const char* first = s.data() + start + (s[start] == '+' ? 1 : 0);
  return std::from_chars(first, s.data() + n, v).ec == std::errc();
}

// What a cell sorts by.
struct SortKey {
  bool number;
  double value;
  const std::string* text;
};

int compareKeys(const SortKey& a, const SortKey& b) {
  if (a.number && b.number) return a.value < b.value ? -1 : (a.value > b.value ? 1 : 0);
  if (a.number != b.number) return a.number ? -1 : 1;
  return a.text->compare(*b.text) < 0 ? -1 : (*a.text == *b.text ? 0 : 1);
}

SortKey keyOf(const std::string& text) {
  SortKey key{false, 0, &text};
  key.number = asNumber(text, key.value);
  return key;
}

}  // namespace

int compareCells(const std::string& a, const std::string& b) { return compareKeys(keyOf(a), keyOf(b)); }

// The grid's cells, row by row.
class GridModel : public QAbstractTableModel {
 public:
  std::vector<std::vector<Cell>> rows;
  int cols = 0;
  int fixedRows = 1, fixedCols = 1;

  int rowCount(const QModelIndex& parent = {}) const override {
    return parent.isValid() ? 0 : static_cast<int>(rows.size());
  }
  int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : cols; }
  QVariant data(const QModelIndex& index, int role) const override {
    if (!index.isValid()) return {};
    const Cell& cell = rows[static_cast<size_t>(index.row())][static_cast<size_t>(index.column())];
    switch (role) {
      case Qt::DisplayRole: return fromAnsi(cell.text);
      case Qt::TextAlignmentRole: return QVariant::fromValue(qtAlignment(cell.alignment));
      case Qt::BackgroundRole:
        if (index.row() < fixedRows || index.column() < fixedCols)
          return QApplication::palette().brush(QPalette::Button);
        return {};
      default: return {};
    }
  }
  Qt::ItemFlags flags(const QModelIndex& index) const override {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
  }

  bool holds(int row, int col) const { return row >= 0 && col >= 0 && row < rowCount() && col < cols; }
  Cell& at(int row, int col) { return rows[static_cast<size_t>(row)][static_cast<size_t>(col)]; }
  void changed(int row, int firstCol, int lastCol) { emit dataChanged(index(row, firstCol), index(row, lastCol)); }

  void setRows(int n) {
    n = std::max(n, 0);
    const int now = rowCount();
    if (n > now) {
      beginInsertRows({}, now, n - 1);
      rows.resize(static_cast<size_t>(n), std::vector<Cell>(static_cast<size_t>(cols)));
      endInsertRows();
    } else if (n < now) {
      beginRemoveRows({}, n, now - 1);
      rows.resize(static_cast<size_t>(n));
      endRemoveRows();
    }
  }
  void setCols(int n) {
    n = std::max(n, 0);
    if (n > cols) beginInsertColumns({}, cols, n - 1);
    else if (n < cols) beginRemoveColumns({}, n, cols - 1);
    else return;
    const bool more = n > cols;
    cols = n;
    for (std::vector<Cell>& row : rows) row.resize(static_cast<size_t>(n));
    if (more) endInsertColumns();
    else endRemoveColumns();
  }
  void clear() {
    for (std::vector<Cell>& row : rows)
      for (Cell& cell : row) cell.text.clear();
    if (!rows.empty() && cols > 0) emit dataChanged(index(0, 0), index(rowCount() - 1, cols - 1));
  }
  void sort(int col, bool ascending) {
    const size_t first = static_cast<size_t>(std::max(fixedRows, 0));
    if (col < 0 || col >= cols || first >= rows.size()) return;
    std::vector<SortKey> keys;
    keys.reserve(rows.size() - first);
    for (size_t r = first; r < rows.size(); ++r) keys.push_back(keyOf(rows[r][static_cast<size_t>(col)].text));
    std::vector<size_t> order(keys.size());
    std::iota(order.begin(), order.end(), 0);
    // A column of figures only, as the index grids sort, compares its values
    // alone.
    if (std::all_of(keys.begin(), keys.end(), [](const SortKey& k) { return k.number; })) {
      std::stable_sort(order.begin(), order.end(), [&keys, ascending](size_t a, size_t b) {
        return ascending ? keys[a].value < keys[b].value : keys[b].value < keys[a].value;
      });
    } else {
      std::stable_sort(order.begin(), order.end(), [&keys, ascending](size_t a, size_t b) {
        const int cmp = compareKeys(keys[a], keys[b]);
        return ascending ? cmp < 0 : cmp > 0;
      });
    }
    emit layoutAboutToBeChanged();
    std::vector<std::vector<Cell>> sorted;
    sorted.reserve(order.size());
    for (size_t k : order) sorted.push_back(std::move(rows[first + k]));
    std::move(sorted.begin(), sorted.end(), rows.begin() + static_cast<std::ptrdiff_t>(first));
    emit layoutChanged();
  }
};

Grid::Grid(QWidget* parent, const std::string& name) : QTableView(parent), model_(new GridModel) {
  setObjectName(QString::fromStdString(name));
  model_->setParent(this);
  setModel(model_);
  horizontalHeader()->hide();
  verticalHeader()->hide();
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionMode(QAbstractItemView::SingleSelection);
}

Grid::~Grid() = default;

void Grid::ClearGrid() { model_->clear(); }
void Grid::SetRows(int rows) { model_->setRows(rows); }
void Grid::SetCols(int cols) { model_->setCols(cols); }
int Grid::Rows() const { return model_->rowCount(); }
int Grid::Cols() const { return model_->columnCount(); }
void Grid::SetFixedRows(int n) { model_->fixedRows = n; }
void Grid::SetFixedCols(int n) { model_->fixedCols = n; }
int Grid::FixedRows() const { return model_->fixedRows; }
int Grid::FixedCols() const { return model_->fixedCols; }

std::string Grid::TextMatrix(int row, int col) const {
  return model_->holds(row, col) ? model_->at(row, col).text : std::string();
}

void Grid::SetTextMatrix(int row, int col, const std::string& text) {
  if (!model_->holds(row, col)) return;
  model_->at(row, col).text = text;
  model_->changed(row, col, col);
}

void Grid::SetRowTexts(int row, const std::vector<std::string>& texts, const std::vector<int>& alignments) {
  if (!model_->holds(row, 0)) return;
  const int n = std::min(static_cast<int>(texts.size()), Cols());
  for (int c = 0; c < n; ++c) {
    Cell& cell = model_->at(row, c);
    cell.text = texts[static_cast<size_t>(c)];
    if (c < static_cast<int>(alignments.size())) cell.alignment = alignments[static_cast<size_t>(c)];
  }
  if (n > 0) model_->changed(row, 0, n - 1);
}

void Grid::SetCellAlignment(int alignment) {
  if (!model_->holds(row_, col_)) return;
  model_->at(row_, col_).alignment = alignment;
  model_->changed(row_, col_, col_);
}

int Grid::CellAlignment(int row, int col) const {
  return model_->holds(row, col) ? model_->at(row, col).alignment : 0;
}

void Grid::SetColWidth(int col, int twips) {
  setColumnWidth(col, static_cast<int>(twips / platform::screen().twipsPerPixel()));
}

int Grid::ColWidth(int col) const {
  return static_cast<int>(columnWidth(col) * platform::screen().twipsPerPixel());
}

void Grid::SortRows(int col, bool ascending) { model_->sort(col, ascending); }

}  // namespace platform
