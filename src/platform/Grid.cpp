#include "platform/Grid.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QHeaderView>
#include <QPalette>
#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdint>
#include <type_traits>
#include <utility>

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

// What a cell sorts by, and the row it stands in among those sorted. A
// text also keeps its first eight characters as one number, which orders
// two texts as their characters do unless both begin alike.
struct SortKey {
  bool number;
  double value;
  const std::string* text;
  uint64_t lead = 0;
  size_t row = 0;
};

int compareKeys(const SortKey& a, const SortKey& b) {
  if (a.number && b.number) return a.value < b.value ? -1 : (a.value > b.value ? 1 : 0);
  if (a.number != b.number) return a.number ? -1 : 1;
  if (a.lead != b.lead) return a.lead < b.lead ? -1 : 1;
  return a.text->compare(*b.text);
}

SortKey keyOf(const std::string& text) {
  SortKey key{false, 0, &text};
  key.number = asNumber(text, key.value);
  if (!key.number) {
    // The characters as unsigned bytes, the first the highest, blanks
    // (zeros) after a shorter text.
    for (size_t i = 0; i < 8; ++i)
      key.lead = key.lead << 8 | (i < text.size() ? static_cast<unsigned char>(text[i]) : 0U);
  }
  return key;
}

}  // namespace

int compareCells(const std::string& a, const std::string& b) {
  const int cmp = compareKeys(keyOf(a), keyOf(b));
  return cmp < 0 ? -1 : (cmp > 0 ? 1 : 0);
}

// The grid's cells. They are held row after row in the order the rows were
// made; a sort orders the rows shown (`shown`), moving no cell.
class GridModel final : public QAbstractTableModel {
 public:
  int fixedRows = 1, fixedCols = 1;

  int rowCount(const QModelIndex& parent = {}) const override {
    return parent.isValid() ? 0 : static_cast<int>(shown_.size());
  }
  int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : cols_; }
  QVariant data(const QModelIndex& index, int role) const override {
    if (!index.isValid()) return {};
    const Cell& cell = at(index.row(), index.column());
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

  bool holds(int row, int col) const {
    return row >= 0 && col >= 0 && static_cast<size_t>(row) < shown_.size() && col < cols_;
  }
  Cell& at(int row, int col) { return cells_[shown_[static_cast<size_t>(row)] * stride() + static_cast<size_t>(col)]; }
  const Cell& at(int row, int col) const {
    return cells_[shown_[static_cast<size_t>(row)] * stride() + static_cast<size_t>(col)];
  }
  void changed(int row, int firstCol, int lastCol) { emit dataChanged(index(row, firstCol), index(row, lastCol)); }

  void setRows(int n) {
    n = std::max(n, 0);
    const int now = rowCount();
    if (n > now) {
      beginInsertRows({}, now, n - 1);
      const size_t made = cells_.size() / std::max<size_t>(stride(), 1);
      for (int r = now; r < n; ++r) shown_.push_back(made + static_cast<size_t>(r - now));
      cells_.resize(cells_.size() + static_cast<size_t>(n - now) * stride());
      endInsertRows();
    } else if (n < now) {
      beginRemoveRows({}, n, now - 1);
      shown_.resize(static_cast<size_t>(n));
      keepShownCells(stride());
      endRemoveRows();
    }
  }
  void setCols(int n) {
    n = std::max(n, 0);
    if (n > cols_) beginInsertColumns({}, cols_, n - 1);
    else if (n < cols_) beginRemoveColumns({}, n, cols_ - 1);
    else return;
    const bool more = n > cols_;
    keepShownCells(static_cast<size_t>(n));
    cols_ = n;
    if (more) endInsertColumns();
    else endRemoveColumns();
  }
  void clear() {
    for (Cell& cell : cells_) cell.text.clear();
    if (!shown_.empty() && cols_ > 0) emit dataChanged(index(0, 0), index(rowCount() - 1, cols_ - 1));
  }
  void sort(int col, bool ascending) {
    const size_t first = static_cast<size_t>(std::max(fixedRows, 0));
    if (col < 0 || col >= cols_ || first >= shown_.size()) return;
    std::vector<SortKey> keys;
    keys.reserve(shown_.size() - first);
    for (size_t r = first; r < shown_.size(); ++r) {
      keys.push_back(keyOf(at(static_cast<int>(r), col).text));
      keys.back().row = shown_[r];
    }
    // A column of figures only, as the index grids sort, compares its values
    // alone.
    if (std::all_of(keys.begin(), keys.end(), [](const SortKey& k) { return k.number; })) {
      std::stable_sort(keys.begin(), keys.end(), [ascending](const SortKey& a, const SortKey& b) {
        return ascending ? a.value < b.value : b.value < a.value;
      });
    } else {
      std::stable_sort(keys.begin(), keys.end(), [ascending](const SortKey& a, const SortKey& b) {
        const int cmp = compareKeys(a, b);
        return ascending ? cmp < 0 : cmp > 0;
      });
    }
    emit layoutAboutToBeChanged();
    for (size_t k = 0; k < keys.size(); ++k) shown_[first + k] = keys[k].row;
    emit layoutChanged();
  }

 private:
  size_t stride() const { return static_cast<size_t>(cols_); }
  // Lays the cells of the rows shown out again, in the order shown, with
  // `cols` cells a row.
  void keepShownCells(size_t cols) {
    std::vector<Cell> kept(shown_.size() * cols);
    for (size_t r = 0; r < shown_.size(); ++r)
      for (size_t c = 0; c < std::min(cols, stride()); ++c)
        kept[r * cols + c] = std::move(cells_[shown_[r] * stride() + c]);
    cells_ = std::move(kept);
    for (size_t r = 0; r < shown_.size(); ++r) shown_[r] = r;
  }

  std::vector<Cell> cells_;
  std::vector<size_t> shown_;  // the row of cells_ shown at each row of the grid
  int cols_ = 0;
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

const std::string& Grid::TextMatrix(int row, int col) const {
  static const std::string kNone;
  return model_->holds(row, col) ? model_->at(row, col).text : kNone;
}

void Grid::SetTextMatrix(int row, int col, const std::string& text) {
  if (!model_->holds(row, col)) return;
  model_->at(row, col).text = text;
  cellsChanged(row, col, col);
}

namespace {

// Writes a row's cells from column 0, each with its alignment where one is
// given: `texts` copied, or moved where they may be.
template <class Texts>
size_t setCells(Cell* cells, size_t columns, Texts& texts, const std::vector<int>& alignments) {
  const size_t n = std::min(texts.size(), columns);
  for (size_t c = 0; c < n; ++c) {
    if constexpr (std::is_const_v<Texts>) cells[c].text = texts[c];
    else cells[c].text = std::move(texts[c]);
    if (c < alignments.size()) cells[c].alignment = alignments[c];
  }
  return n;
}

}  // namespace

void Grid::SetRowTexts(int row, const std::vector<std::string>& texts, const std::vector<int>& alignments) {
  if (!model_->holds(row, 0)) return;
  const size_t n = setCells(&model_->at(row, 0), static_cast<size_t>(Cols()), texts, alignments);
  if (n > 0) cellsChanged(row, 0, static_cast<int>(n) - 1);
}

void Grid::SetRowTexts(int row, std::vector<std::string>&& texts, const std::vector<int>& alignments) {
  if (!model_->holds(row, 0)) return;
  const size_t n = setCells(&model_->at(row, 0), static_cast<size_t>(Cols()), texts, alignments);
  if (n > 0) cellsChanged(row, 0, static_cast<int>(n) - 1);
}

void Grid::RowTexts(int row, std::vector<std::string>& texts) const {
  texts.resize(static_cast<size_t>(Cols()));
  if (!model_->holds(row, 0)) {
    for (std::string& text : texts) text.clear();
    return;
  }
  const Cell* cells = &model_->at(row, 0);
  for (size_t c = 0; c < texts.size(); ++c) texts[c] = cells[c].text;
}

void Grid::RowTextViews(int row, std::span<std::string_view> views) const {
  size_t c = 0;
  if (model_->holds(row, 0)) {
    const Cell* cells = &model_->at(row, 0);
    for (const size_t n = std::min(views.size(), static_cast<size_t>(Cols())); c < n; ++c) views[c] = cells[c].text;
  }
  for (; c < views.size(); ++c) views[c] = {};
}

void Grid::SetCellAlignment(int alignment) {
  if (!model_->holds(row_, col_)) return;
  model_->at(row_, col_).alignment = alignment;
  cellsChanged(row_, col_, col_);
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

void Grid::cellsChanged(int row, int firstCol, int lastCol) {
  // A grid not shown draws every cell as it is when it is shown.
  if (isVisible()) model_->changed(row, firstCol, lastCol);
}

}  // namespace platform
