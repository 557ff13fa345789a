#include "platform/Grid.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QHeaderView>
#include <QPalette>
#include <algorithm>
#include <cctype>
#include <charconv>
#include <utility>

#include "platform/Ansi.h"
#include "platform/Screen.h"

namespace platform {

namespace {

Qt::Alignment qtAlignment(int alignment) {
  const Qt::Alignment across = alignment == 2 ? Qt::AlignRight : alignment == 1 ? Qt::AlignHCenter : Qt::AlignLeft;
  return across | Qt::AlignVCenter;
}

bool isDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

// Whether `s` reads as a number, and its value.
bool asNumber(std::string_view s, double& v) {
  size_t i = 0, n = s.size();
  while (i < n && s[i] == ' ') ++i;
  while (n > i && s[n - 1] == ' ') --n;
  const size_t start = i;
  if (i < n && (s[i] == '+' || s[i] == '-')) ++i;
  size_t digits = 0;
  while (i < n && isDigit(s[i])) ++i, ++digits;
  if (i < n && s[i] == '.') {
    ++i;
    while (i < n && isDigit(s[i])) ++i, ++digits;
  }
  if (digits == 0) return false;
  if (i < n && (s[i] == 'e' || s[i] == 'E')) {
    size_t j = i + 1;
    if (j < n && (s[j] == '+' || s[j] == '-')) ++j;
    const size_t exponentStart = j;
    while (j < n && isDigit(s[j])) ++j;
    if (j == exponentStart) return false;
    i = j;
  }
  if (i != n) return false;
  const char* first = s.data() + start + (s[start] == '+' ? 1 : 0);
  return std::from_chars(first, s.data() + n, v).ec == std::errc();
}

}  // namespace

int compareCells(std::string_view a, std::string_view b) {
  double x = 0, y = 0;
  const bool numberA = asNumber(a, x), numberB = asNumber(b, y);
  if (numberA && numberB) return x < y ? -1 : (x > y ? 1 : 0);
  if (numberA != numberB) return numberA ? -1 : 1;
  const int byText = a.compare(b);
  return byText < 0 ? -1 : (byText > 0 ? 1 : 0);
}

// The grid's cells, row after row in the order shown.
class GridModel final : public QAbstractTableModel {
 public:
  struct Cell {
    std::string text;
    int alignment = 0;  // 0 left, 1 centre, 2 right
  };
  using Row = std::vector<Cell>;

  // The first row and column are headings, drawn as buttons and never sorted.
  static constexpr int kFixedRows = 1, kFixedCols = 1;

  int rowCount(const QModelIndex& parent = {}) const override {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
  }
  int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : cols_; }
  QVariant data(const QModelIndex& index, int role) const override {
    if (!holds(index.row(), index.column())) return {};
    const Cell& c = cell(index.row(), index.column());
    switch (role) {
      case Qt::DisplayRole: return fromAnsi(c.text);
      case Qt::TextAlignmentRole: return QVariant::fromValue(qtAlignment(c.alignment));
      case Qt::BackgroundRole:
        if (index.row() < kFixedRows || index.column() < kFixedCols)
          return QApplication::palette().brush(QPalette::Button);
        return {};
      default: return {};
    }
  }
  Qt::ItemFlags flags(const QModelIndex& index) const override {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
  }

  bool holds(int row, int col) const { return row >= 0 && col >= 0 && row < rowCount() && col < cols_; }
  const Cell& cell(int row, int col) const { return rows_[static_cast<size_t>(row)][static_cast<size_t>(col)]; }
  const Row& row(int r) const { return rows_[static_cast<size_t>(r)]; }

  void setText(int row, int col, const std::string& text) {
    rows_[static_cast<size_t>(row)][static_cast<size_t>(col)].text = text;
    changed(row, col, col);
  }
  void setAlignment(int row, int col, int alignment) {
    rows_[static_cast<size_t>(row)][static_cast<size_t>(col)].alignment = alignment;
    changed(row, col, col);
  }
  // Writes `texts` into row `row`'s cells from column 0, with the alignments
  // `alignments` names.
  void setRow(int row, std::span<const std::string_view> texts, const std::vector<int>& alignments) {
    const size_t n = std::min(texts.size(), static_cast<size_t>(cols_));
    if (n == 0) return;
    Row& cells = rows_[static_cast<size_t>(row)];
    Row written(cells.begin(), cells.begin() + static_cast<std::ptrdiff_t>(n));  // the texts may view this row
    for (size_t c = 0; c < n; ++c) {
      written[c].text = std::string(texts[c]);
      if (c < alignments.size()) written[c].alignment = alignments[c];
    }
    std::move(written.begin(), written.end(), cells.begin());
    changed(row, 0, static_cast<int>(n) - 1);
  }

  void setRows(int n) {
    n = std::max(n, 0);
    const int now = rowCount();
    if (n > now) {
      beginInsertRows({}, now, n - 1);
      rows_.resize(static_cast<size_t>(n), Row(static_cast<size_t>(cols_)));
      endInsertRows();
    } else if (n < now) {
      beginRemoveRows({}, n, now - 1);
      rows_.resize(static_cast<size_t>(n));
      endRemoveRows();
    }
  }
  void setCols(int n) {
    n = std::max(n, 0);
    if (n > cols_) beginInsertColumns({}, cols_, n - 1);
    else if (n < cols_) beginRemoveColumns({}, n, cols_ - 1);
    else return;
    const bool more = n > cols_;
    cols_ = n;
    for (Row& r : rows_) r.resize(static_cast<size_t>(n));
    if (more) endInsertColumns();
    else endRemoveColumns();
  }
  void clear() {
    for (Row& r : rows_)
      for (Cell& c : r) c.text.clear();
    if (rowCount() > 0 && cols_ > 0) emit dataChanged(index(0, 0), index(rowCount() - 1, cols_ - 1));
  }
  void sort(int col, bool ascending) {
    const int first = kFixedRows;
    if (col < 0 || col >= cols_ || first >= rowCount()) return;
    emit layoutAboutToBeChanged();
    std::stable_sort(rows_.begin() + first, rows_.end(), [col, ascending](const Row& a, const Row& b) {
      const int cmp = compareCells(a[static_cast<size_t>(col)].text, b[static_cast<size_t>(col)].text);
      return ascending ? cmp < 0 : cmp > 0;
    });
    emit layoutChanged();
  }

 private:
  void changed(int row, int firstCol, int lastCol) { emit dataChanged(index(row, firstCol), index(row, lastCol)); }

  std::vector<Row> rows_;
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

std::string Grid::TextMatrix(int row, int col) const {
  return model_->holds(row, col) ? model_->cell(row, col).text : std::string();
}

void Grid::SetTextMatrix(int row, int col, const std::string& text) {
  if (model_->holds(row, col)) model_->setText(row, col, text);
}

void Grid::SetRowTexts(int row, const std::vector<std::string>& texts, const std::vector<int>& alignments) {
  const std::vector<std::string_view> views(texts.begin(), texts.end());
  SetRowTexts(row, views, alignments);
}

void Grid::SetRowTexts(int row, std::span<const std::string_view> texts, const std::vector<int>& alignments) {
  if (model_->holds(row, 0)) model_->setRow(row, texts, alignments);
}

void Grid::RowTexts(int row, std::vector<std::string>& texts) const {
  texts.assign(static_cast<size_t>(Cols()), std::string());
  if (!model_->holds(row, 0)) return;
  for (size_t c = 0; c < texts.size(); ++c) texts[c] = model_->row(row)[c].text;
}

void Grid::RowTextViews(int row, std::span<std::string_view> views) const {
  std::fill(views.begin(), views.end(), std::string_view());
  if (!model_->holds(row, 0)) return;
  const size_t n = std::min(views.size(), static_cast<size_t>(Cols()));
  for (size_t c = 0; c < n; ++c) views[c] = model_->row(row)[c].text;
}

void Grid::SetCellAlignment(int alignment) {
  if (model_->holds(row_, col_)) model_->setAlignment(row_, col_, alignment);
}

int Grid::CellAlignment(int row, int col) const {
  return model_->holds(row, col) ? model_->cell(row, col).alignment : 0;
}

void Grid::SetColWidth(int col, int twips) {
  setColumnWidth(col, static_cast<int>(twips / platform::screen().twipsPerPixel()));
}

int Grid::ColWidth(int col) const {
  return static_cast<int>(columnWidth(col) * platform::screen().twipsPerPixel());
}

void Grid::SortRows(int col, bool ascending) { model_->sort(col, ascending); }

}  // namespace platform
