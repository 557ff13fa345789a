#include "platform/Grid.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QHeaderView>
#include <QPalette>
#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdint>
#include <functional>
#include <stdexcept>
#include <utility>

#include "platform/Ansi.h"
#include "platform/Screen.h"

namespace platform {

namespace {

Qt::Alignment qtAlignment(int alignment) {
  const Qt::Alignment across = alignment == 2 ? Qt::AlignRight : alignment == 1 ? Qt::AlignHCenter : Qt::AlignLeft;
  return across | Qt::AlignVCenter;
}

// Whether `s` reads as a number, and its value.
bool asNumber(std::string_view s, double& v) {
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

// What a cell sorts by, read once a sort, and the row it stands in. A text
// keeps its first eight characters as one number, which orders two texts as
// their characters do unless both begin alike.
struct SortKey {
  double value = 0;
  uint64_t lead = 0;
  uint32_t row = 0;
  bool number = false;
};

// The order of two cells as far as their keys tell it: two texts that begin
// alike answer 0, and their texts decide.
int compareKeys(const SortKey& a, const SortKey& b) {
  if (a.number && b.number) return a.value < b.value ? -1 : (a.value > b.value ? 1 : 0);
  if (a.number != b.number) return a.number ? -1 : 1;
  return a.lead < b.lead ? -1 : (a.lead > b.lead ? 1 : 0);
}

SortKey keyOf(std::string_view text) {
  SortKey key;
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

int compareCells(std::string_view a, std::string_view b) {
  const SortKey keyA = keyOf(a);
  const int cmp = compareKeys(keyA, keyOf(b));
  if (cmp != 0 || keyA.number) return cmp;
  const int byText = a.compare(b);
  return byText < 0 ? -1 : (byText > 0 ? 1 : 0);
}

// The grid's cells: the texts of them all in one buffer, and row after row
// in the order shown where each cell's text lies there and each cell's
// alignment. A row takes eight bytes a cell, so a sort moves whole rows of
// them and no text; the texts of a grid filled row by row lie in the order
// the rows were made. A text written into a cell takes the room of the
// cell's old text where it fits, or goes after all the others; the room no
// cell holds is taken back once it is more than half the buffer.
class GridModel final : public QAbstractTableModel {
 public:
  int fixedRows = 1, fixedCols = 1;

  int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : rows_; }
  int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : cols_; }
  QVariant data(const QModelIndex& index, int role) const override {
    if (!index.isValid()) return {};
    switch (role) {
      case Qt::DisplayRole: return fromAnsi(text(index.row(), index.column()));
      case Qt::TextAlignmentRole: return QVariant::fromValue(qtAlignment(alignment(index.row(), index.column())));
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

  bool holds(int row, int col) const { return row >= 0 && col >= 0 && row < rows_ && col < cols_; }
  std::string_view text(int row, int col) const {
    const Span& span = spans_[cell(row, col)];
    return {chars_.data() + span.begin, span.size};
  }
  // Row `row`'s texts from column 0, as many as `views` has room for and the
  // row has; answers how many.
  size_t rowTexts(int row, std::span<std::string_view> views) const {
    const Span* spans = &spans_[cell(row, 0)];
    const char* chars = chars_.data();
    const size_t n = std::min(views.size(), static_cast<size_t>(cols_));
    std::string_view* out = views.data();
    for (size_t c = 0; c < n; ++c) out[c] = {chars + spans[c].begin, spans[c].size};
    return n;
  }
  void setText(int row, int col, std::string_view text) {
    put(spans_[cell(row, col)], text);
    takeBackRoom();
  }
  // Writes `texts` into row `row`'s cells from column 0, with the alignments
  // `alignments` names; answers how many cells it wrote.
  template <class Texts>
  int setRowTexts(int row, const Texts& texts, const std::vector<int>& alignments) {
    const size_t n = std::min(texts.size(), static_cast<size_t>(cols_)), first = cell(row, 0);
    Span* spans = spans_.data() + first;
    for (size_t c = 0; c < n; ++c) put(spans[c], texts[c]);
    std::copy_n(alignments.begin(), std::min(n, alignments.size()), alignments_.begin() + static_cast<std::ptrdiff_t>(first));
    takeBackRoom();
    return static_cast<int>(n);
  }
  // Whether any of `texts` views the grid's own texts, which a write may
  // move.
  bool viewsOwnTexts(std::span<const std::string_view> texts) const {
    const std::less<const char*> before;
    return std::any_of(texts.begin(), texts.end(), [&](std::string_view text) {
      return !before(text.data(), chars_.data()) && before(text.data(), chars_.data() + chars_.size());
    });
  }
  int alignment(int row, int col) const { return alignments_[cell(row, col)]; }
  void setAlignment(int row, int col, int alignment) { alignments_[cell(row, col)] = alignment; }
  void changed(int row, int firstCol, int lastCol) { emit dataChanged(index(row, firstCol), index(row, lastCol)); }

  void setRows(int n) {
    n = std::max(n, 0);
    if (n > rows_) beginInsertRows({}, rows_, n - 1);
    else if (n < rows_) beginRemoveRows({}, n, rows_ - 1);
    else return;
    const bool more = n > rows_;
    for (size_t k = cell(n, 0); k < spans_.size(); ++k) dead_ += spans_[k].size;
    rows_ = n;
    spans_.resize(cell(n, 0));
    alignments_.resize(spans_.size());
    takeBackRoom();
    if (more) endInsertRows();
    else endRemoveRows();
  }
  void setCols(int n) {
    n = std::max(n, 0);
    if (n > cols_) beginInsertColumns({}, cols_, n - 1);
    else if (n < cols_) beginRemoveColumns({}, n, cols_ - 1);
    else return;
    const bool more = n > cols_;
    const size_t cols = static_cast<size_t>(n), kept = std::min(cols, static_cast<size_t>(cols_));
    std::vector<Span> spans(static_cast<size_t>(rows_) * cols);
    std::vector<int> alignments(spans.size());
    for (size_t r = 0; r < static_cast<size_t>(rows_); ++r) {
      for (size_t c = 0; c < static_cast<size_t>(cols_); ++c) {
        const size_t from = r * static_cast<size_t>(cols_) + c;
        if (c < kept) {
          spans[r * cols + c] = spans_[from];
          alignments[r * cols + c] = alignments_[from];
        } else {
          dead_ += spans_[from].size;
        }
      }
    }
    spans_ = std::move(spans);
    alignments_ = std::move(alignments);
    cols_ = n;
    takeBackRoom();
    if (more) endInsertColumns();
    else endRemoveColumns();
  }
  void clear() {
    chars_.clear();
    std::fill(spans_.begin(), spans_.end(), Span{});
    dead_ = 0;
    if (rows_ > 0 && cols_ > 0) emit dataChanged(index(0, 0), index(rows_ - 1, cols_ - 1));
  }
  void sort(int col, bool ascending) {
    const int first = std::max(fixedRows, 0);
    if (col < 0 || col >= cols_ || first >= rows_) return;
    std::vector<SortKey> keys;
    keys.reserve(static_cast<size_t>(rows_ - first));
    for (int r = first; r < rows_; ++r) {
      keys.push_back(keyOf(text(r, col)));
      keys.back().row = static_cast<uint32_t>(r);
    }
    // A column of figures only, as the index grids sort, compares its values
    // alone.
    if (std::all_of(keys.begin(), keys.end(), [](const SortKey& k) { return k.number; })) {
      std::stable_sort(keys.begin(), keys.end(), [ascending](const SortKey& a, const SortKey& b) {
        return ascending ? a.value < b.value : b.value < a.value;
      });
    } else {
      std::stable_sort(keys.begin(), keys.end(), [this, col, ascending](const SortKey& a, const SortKey& b) {
        int cmp = compareKeys(a, b);
        if (cmp == 0 && !a.number) cmp = text(static_cast<int>(a.row), col).compare(text(static_cast<int>(b.row), col));
        return ascending ? cmp < 0 : cmp > 0;
      });
    }
    emit layoutAboutToBeChanged();
    reorderRows(keys, static_cast<size_t>(first));
    emit layoutChanged();
  }

 private:
  // Where a cell's text lies in chars_.
  struct Span {
    uint32_t begin = 0, size = 0;
  };
  static constexpr size_t kMostChars = UINT32_MAX;

  size_t cell(int row, int col) const {
    return static_cast<size_t>(row) * static_cast<size_t>(cols_) + static_cast<size_t>(col);
  }
  // Writes `text` as the text of the cell at `span`.
  void put(Span& span, std::string_view text) {
    if (text.size() <= span.size) {
      std::copy(text.begin(), text.end(), chars_.begin() + span.begin);
      dead_ += span.size - text.size();
      span.size = static_cast<uint32_t>(text.size());
      return;
    }
    if (text.size() > kMostChars - chars_.size()) throw std::length_error("a grid holds at most 4 GB of text");
    dead_ += span.size;
    span = {static_cast<uint32_t>(chars_.size()), static_cast<uint32_t>(text.size())};
    chars_.append(text);
  }
  // Puts the rows sorted into `keys`' order from row `first` on: the cells
  // of a row move together, their texts stay where they are.
  void reorderRows(const std::vector<SortKey>& keys, size_t first) {
    const size_t cols = static_cast<size_t>(cols_);
    std::vector<Span> spans(spans_.begin(), spans_.begin() + static_cast<std::ptrdiff_t>(first * cols));
    std::vector<int> alignments(alignments_.begin(), alignments_.begin() + static_cast<std::ptrdiff_t>(first * cols));
    spans.reserve(spans_.size());
    alignments.reserve(alignments_.size());
    for (const SortKey& key : keys) {
      const auto from = static_cast<std::ptrdiff_t>(key.row * cols), to = from + static_cast<std::ptrdiff_t>(cols);
      spans.insert(spans.end(), spans_.begin() + from, spans_.begin() + to);
      alignments.insert(alignments.end(), alignments_.begin() + from, alignments_.begin() + to);
    }
    spans_ = std::move(spans);
    alignments_ = std::move(alignments);
  }
  // Writes the cells' texts out again, row after row with no room between
  // them, once the room no cell holds is more than half of them.
  void takeBackRoom() {
    if (dead_ <= chars_.size() / 2) return;
    std::string chars;
    chars.reserve(chars_.size() - dead_);
    for (Span& span : spans_) {
      const uint32_t begin = static_cast<uint32_t>(chars.size());
      chars.append(chars_.data() + span.begin, span.size);
      span.begin = begin;
    }
    chars_ = std::move(chars);
    dead_ = 0;
  }

  std::string chars_;            // the cells' texts
  std::vector<Span> spans_;      // each cell's text, row after row
  std::vector<int> alignments_;  // each cell's alignment, row after row
  size_t dead_ = 0;              // the characters of chars_ no cell holds
  int rows_ = 0, cols_ = 0;
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
  return model_->holds(row, col) ? std::string(model_->text(row, col)) : std::string();
}

void Grid::SetTextMatrix(int row, int col, const std::string& text) {
  if (!model_->holds(row, col)) return;
  model_->setText(row, col, text);
  cellsChanged(row, col, col);
}

void Grid::SetRowTexts(int row, const std::vector<std::string>& texts, const std::vector<int>& alignments) {
  if (!model_->holds(row, 0)) return;
  const int n = model_->setRowTexts(row, texts, alignments);
  if (n > 0) cellsChanged(row, 0, n - 1);
}

void Grid::SetRowTexts(int row, std::span<const std::string_view> texts, const std::vector<int>& alignments) {
  if (!model_->holds(row, 0)) return;
  if (model_->viewsOwnTexts(texts))
    return SetRowTexts(row, std::vector<std::string>(texts.begin(), texts.end()), alignments);
  const int n = model_->setRowTexts(row, texts, alignments);
  if (n > 0) cellsChanged(row, 0, n - 1);
}

void Grid::RowTexts(int row, std::vector<std::string>& texts) const {
  texts.resize(static_cast<size_t>(Cols()));
  for (size_t c = 0; c < texts.size(); ++c)
    texts[c] = model_->holds(row, 0) ? model_->text(row, static_cast<int>(c)) : std::string_view();
}

void Grid::RowTextViews(int row, std::span<std::string_view> views) const {
  const size_t n = model_->holds(row, 0) ? model_->rowTexts(row, views) : 0;
  std::fill(views.data() + n, views.data() + views.size(), std::string_view());
}

void Grid::SetCellAlignment(int alignment) {
  if (!model_->holds(row_, col_)) return;
  model_->setAlignment(row_, col_, alignment);
  cellsChanged(row_, col_, col_);
}

int Grid::CellAlignment(int row, int col) const { return model_->holds(row, col) ? model_->alignment(row, col) : 0; }

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
