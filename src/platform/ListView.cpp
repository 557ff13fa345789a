// The list box: its rows (ListItems, ListRows) and the view that shows them
// (ListBox).
#include <QEvent>
#include <QFocusEvent>
#include <QHoverEvent>
#include <QItemSelectionModel>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOptionViewItem>
#include <algorithm>

#include "platform/Ansi.h"
#include "platform/Controls.h"

namespace platform {

void ListItems::remove(size_t row) {
  const bool widest = texts_.text(row).size() == widest_;
  texts_.remove(row);
  data_.erase(data_.begin() + static_cast<std::ptrdiff_t>(row));
  if (!widest) return;
  widest_ = 0;
  for (size_t r = 0; r < texts_.size(); ++r) widest_ = std::max(widest_, texts_.text(r).size());
}

// The rows of a list box, the text turned into the screen's characters only
// when the view asks for it.
class ListRows final : public QAbstractListModel {
 public:
  explicit ListRows(QObject* parent) : QAbstractListModel(parent) {}

  int rowCount(const QModelIndex& parent = QModelIndex()) const override {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
  }
  // As the list model's own, without asking the counts through the model.
  QModelIndex index(int row, int column = 0, const QModelIndex& parent = QModelIndex()) const override {
    return !parent.isValid() && column == 0 && holds(row) ? createIndex(row, 0) : QModelIndex();
  }
  QVariant data(const QModelIndex& index, int role) const override {
    if (!holds(index.row()) || index.parent().isValid()) return {};
    const auto row = static_cast<size_t>(index.row());
    if (role == Qt::DisplayRole) return fromAnsi(rows_.text(row));
    if (role == Qt::UserRole) return static_cast<qlonglong>(rows_.itemData(row));
    return {};
  }
  bool holds(int i) const { return i >= 0 && i < rowCount(); }
  const ListItems& rows() const { return rows_; }
  void setData(int i, long value) {
    if (holds(i)) rows_.setItemData(static_cast<size_t>(i), value);
  }
  int append(std::string_view text, long data) {
    const int row = rowCount();
    beginInsertRows(QModelIndex(), row, row);
    rows_.add(text, data);
    endInsertRows();
    return row;
  }
  void remove(int i) {
    if (!holds(i)) return;
    beginRemoveRows(QModelIndex(), i, i);
    rows_.remove(static_cast<size_t>(i));
    endRemoveRows();
  }
  void replace(ListItems rows) {
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
  }

 private:
  ListItems rows_;
};

ListBox::ListBox(QWidget* parent, const std::string& name, bool multiSelect)
    : QAbstractItemView(parent), rows_(new ListRows(this)) {
  setObjectName(QString::fromStdString(name));
  setFont(makeFont("Courier New", 9));
  setModel(rows_);
  setSelectionMode(multiSelect ? QAbstractItemView::ExtendedSelection : QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  connect(this, &QAbstractItemView::clicked, this, [this] {
    if (onClick) onClick();
  });
  connect(this, &QAbstractItemView::doubleClicked, this, [this] {
    if (onDblClick) onDblClick();
  });
  connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] { selectionRead_ = false; });
}
ListBox::~ListBox() = default;
void ListBox::AddItem(const std::string& text) { AddItem(text, 0); }
void ListBox::AddItem(const std::string& text, long itemData) {
  newIndex_ = rows_->append(text, itemData);
  rowsChanged();
}
void ListBox::SetItems(ListItems rows) {
  newIndex_ = -1;
  rows_->replace(std::move(rows));
  rowsChanged();
}
void ListBox::SetItems(const std::vector<std::pair<std::string, long>>& rows) {
  ListItems items;
  size_t chars = 0;
  for (const auto& row : rows) chars += row.first.size();
  items.reserve(rows.size(), chars);
  for (const auto& [text, data] : rows) items.add(text, data);
  SetItems(std::move(items));
}
void ListBox::Clear() {
  newIndex_ = -1;
  rows_->replace({});
  rowsChanged();
}
void ListBox::RemoveItem(int index) {
  rows_->remove(index);
  rowsChanged();
}
void ListBox::rowsChanged() { selectionRead_ = false; }
const std::vector<char>& ListBox::selectedRows() const {
  if (!selectionRead_) {
    selected_.assign(static_cast<size_t>(ListCount()), 0);
    for (const QItemSelectionRange& range : selectionModel()->selection())
      for (int row = std::max(range.top(), 0); row <= range.bottom() && row < ListCount(); ++row)
        selected_[static_cast<size_t>(row)] = 1;
    selectionRead_ = true;
  }
  return selected_;
}
int ListBox::ListCount() const { return rows_->rowCount(); }
std::string ListBox::List(int index) const {
  return rows_->holds(index) ? std::string(rows_->rows().text(static_cast<size_t>(index))) : std::string();
}
long ListBox::ItemData(int index) const {
  return rows_->holds(index) ? rows_->rows().itemData(static_cast<size_t>(index)) : 0;
}
void ListBox::SetItemData(int index, long value) { rows_->setData(index, value); }
bool ListBox::Selected(int index) const { return rows_->holds(index) && selectedRows()[static_cast<size_t>(index)] != 0; }
void ListBox::SetSelected(int index, bool selected) {
  if (!rows_->holds(index)) return;
  selectionModel()->select(rows_->index(index), selected ? QItemSelectionModel::Select : QItemSelectionModel::Deselect);
}
int ListBox::SelCount() const {
  const std::vector<char>& selected = selectedRows();
  return static_cast<int>(std::count(selected.begin(), selected.end(), 1));
}
void ListBox::SetListIndex(int index) {
  if (rows_->holds(index))
    setCurrentIndex(rows_->index(index));
  else
    selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
}
void ListBox::focusInEvent(QFocusEvent* event) {
  const bool hadCurrent = currentIndex().isValid();
  QAbstractItemView::focusInEvent(event);
  if (!hadCurrent) selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
}

QSize ListBox::rowSize() const {
  const size_t chars = std::max<size_t>(rows_->rows().widest(), 1);
  if (!rowSize_.isValid() || chars != rowSizeChars_) {
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    option.features |= QStyleOptionViewItem::HasDisplay;
    option.text = QString(static_cast<qsizetype>(chars), QLatin1Char('0'));  // the font is fixed-pitch
    rowSize_ = style()->sizeFromContents(QStyle::CT_ItemViewItem, &option, QSize(), this).expandedTo(QSize(1, 1));
    rowSizeChars_ = chars;
  }
  return rowSize_;
}
int ListBox::rowWidth() const { return std::max(rowSize().width(), viewport()->width()); }
int ListBox::rowsInSight() const { return std::max(1, viewport()->height() / rowHeight()); }
int ListBox::rowAtY(int y) const {
  if (y < 0) return -1;
  const int row = y / rowHeight();
  return row < ListCount() ? row : -1;
}
int ListBox::rowAt(const QPoint& point) const {
  const int x = point.x() + horizontalOffset();
  return x >= 0 && x < rowWidth() ? rowAtY(point.y() + verticalOffset()) : -1;
}

int ListBox::horizontalOffset() const { return horizontalScrollBar()->value(); }
int ListBox::verticalOffset() const { return verticalScrollBar()->value() * rowHeight(); }

QRect ListBox::visualRect(const QModelIndex& index) const {
  if (index.model() != rows_ || !rows_->holds(index.row())) return {};
  return QRect(-horizontalOffset(), index.row() * rowHeight() - verticalOffset(), rowWidth(), rowHeight());
}
QModelIndex ListBox::indexAt(const QPoint& point) const {
  const int row = rowAt(point);
  return row < 0 ? QModelIndex() : rows_->index(row);
}

void ListBox::updateScrollRanges() {
  const int inSight = rowsInSight();
  QScrollBar* rows = verticalScrollBar();
  rows->setRange(0, std::max(0, ListCount() - inSight));
  rows->setPageStep(inSight);
  rows->setSingleStep(1);
  const int width = viewport()->width();
  QScrollBar* columns = horizontalScrollBar();
  columns->setRange(0, std::max(0, rowSize().width() - width));
  columns->setPageStep(width);
  columns->setSingleStep(fontMetrics().averageCharWidth());
}
void ListBox::updateGeometries() {
  updateScrollRanges();
  QAbstractItemView::updateGeometries();
}
void ListBox::scrollContentsBy(int, int) { viewport()->update(); }

void ListBox::scrollTo(const QModelIndex& index, ScrollHint hint) {
  if (index.model() != rows_ || !rows_->holds(index.row())) return;
  updateScrollRanges();  // the rows may have changed since the view last laid them out
  const int row = index.row();
  const int inSight = rowsInSight();
  int top = verticalScrollBar()->value();
  switch (hint) {
    case EnsureVisible:
      if (row < top)
        top = row;
      else if (row >= top + inSight)
        top = row - inSight + 1;
      break;
    case PositionAtTop: top = row; break;
    case PositionAtBottom: top = row - inSight + 1; break;
    case PositionAtCenter: top = row - inSight / 2; break;
  }
  verticalScrollBar()->setValue(top);
}

QModelIndex ListBox::moveCursor(CursorAction action, Qt::KeyboardModifiers) {
  const int count = ListCount();
  if (count == 0) return {};
  const int current = currentIndex().row();
  if (current < 0) return rows_->index(0);
  // A page: the rows wholly in sight but one, or a row when no two are in sight.
  const int page = rowHeight() >= viewport()->height() ? 1 : viewport()->height() / rowHeight() - 1;
  int row = current;
  switch (action) {
    case MoveUp: case MovePrevious: row = current - 1; break;
    case MoveDown: case MoveNext: row = current + 1; break;
    case MovePageUp: row = current - page; break;
    case MovePageDown: row = current + page; break;
    case MoveHome: row = 0; break;
    case MoveEnd: row = count - 1; break;
    case MoveLeft: case MoveRight: break;
  }
  return rows_->index(std::clamp(row, 0, count - 1));
}

void ListBox::setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command) {
  const QRect area = rect.normalized();
  int first = -1;
  int last = -1;
  if (state() == DragSelectingState) {
    const int left = area.left() + horizontalOffset();
    const int right = area.right() + horizontalOffset();
    const int top = area.top() + verticalOffset();
    const int bottom = area.bottom() + verticalOffset();
    if (right >= 0 && left < rowWidth() && bottom >= 0) {
      first = std::max(top, 0) / rowHeight();
      last = std::min(bottom / rowHeight(), ListCount() - 1);
    }
  } else {
    first = rowAt(area.topLeft());
    last = rowAt(area.bottomRight());
  }
  QItemSelection rows;
  if (first >= 0 && last >= first) rows.select(rows_->index(first), rows_->index(last));
  selectionModel()->select(rows, command);
}

QRegion ListBox::visualRegionForSelection(const QItemSelection& selection) const {
  const int top = verticalScrollBar()->value();
  const int bottom = top + rowsInSight();  // the row partly in sight below the others
  QRegion region;
  for (const QItemSelectionRange& range : selection) {
    const int first = std::max(range.top(), top);
    const int last = std::min(range.bottom(), bottom);
    if (first <= last)
      region += QRect(-horizontalOffset(), first * rowHeight() - verticalOffset(), rowWidth(),
                      (last - first + 1) * rowHeight());
  }
  return region;
}

// Draws the rows in sight as the item delegate draws a row of a list: the
// selected ones in the highlight colours, the current one framed while the
// list has the focus.
void ListBox::paintEvent(QPaintEvent* event) {
  const QRect area = event->rect();
  const int first = std::max(area.top() + verticalOffset(), 0) / rowHeight();
  const int last = std::min((area.bottom() + verticalOffset()) / rowHeight(), ListCount() - 1);
  if (first > last) return;
  QPainter painter(viewport());
  QStyleOptionViewItem option;
  initViewItemOption(&option);
  const QStyle::State state = option.state;
  if (viewport()->isEnabled()) option.palette.setCurrentColorGroup(QPalette::Normal);
  const QModelIndex current = currentIndex();
  const bool focus = (hasFocus() || viewport()->hasFocus()) && current.isValid();
  for (int row = first; row <= last; ++row) {
    const QModelIndex index = rows_->index(row);
    option.rect = visualRect(index);
    option.state = state;
    if (selectionModel()->isSelected(index)) option.state |= QStyle::State_Selected;
    if (focus && index == current) option.state |= QStyle::State_HasFocus;
    option.state.setFlag(QStyle::State_MouseOver, row == hoverRow_);
    itemDelegate()->paint(&painter, option, index);
  }
}

bool ListBox::viewportEvent(QEvent* event) {
  switch (event->type()) {
    case QEvent::HoverEnter:
    case QEvent::HoverMove: hoverRow_ = rowAt(static_cast<QHoverEvent*>(event)->position().toPoint()); break;
    case QEvent::HoverLeave:
    case QEvent::Leave: hoverRow_ = -1; break;
    default: break;
  }
  return QAbstractItemView::viewportEvent(event);
}

void ListBox::changeEvent(QEvent* event) {
  if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) rowSize_ = QSize();
  QAbstractItemView::changeEvent(event);
}

}  // namespace platform
