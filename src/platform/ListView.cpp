// The list box: the toolkit's list view over a model of its rows.
#include <QAbstractListModel>
#include <QFocusEvent>
#include <QItemSelectionModel>
#include <algorithm>

#include "platform/Ansi.h"
#include "platform/Controls.h"

namespace platform {

// The rows of a list box as the view reads them: each row's text, turned
// into the screen's characters when the view draws it.
class ListItemsModel final : public QAbstractListModel {
 public:
  using QAbstractListModel::QAbstractListModel;

  int rowCount(const QModelIndex& parent = QModelIndex()) const override {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
  }
  QVariant data(const QModelIndex& index, int role) const override {
    if (role != Qt::DisplayRole || !holds(index.row())) return {};
    return fromAnsi(rows_.text(static_cast<size_t>(index.row())));
  }

  bool holds(int row) const { return row >= 0 && row < rowCount(); }
  const ListItems& rows() const { return rows_; }
  void setItemData(int row, long value) { rows_.setItemData(static_cast<size_t>(row), value); }
  // Adds a row at the end; answers its index.
  int append(const std::string& text, long itemData) {
    const int row = rowCount();
    beginInsertRows(QModelIndex(), row, row);
    rows_.add(text, itemData);
    endInsertRows();
    return row;
  }
  void remove(int row) {
    beginRemoveRows(QModelIndex(), row, row);
    rows_.remove(static_cast<size_t>(row));
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
    : ListBox(parent, name, multiSelect, makeFont("Courier New", 9)) {}

ListBox::ListBox(QWidget* parent, const std::string& name, bool multiSelect, const QFont& font)
    : QListView(parent), rows_(new ListItemsModel(this)) {
  setObjectName(QString::fromStdString(name));
  setFont(font);
  setUniformItemSizes(true);
  setModel(rows_);
  setSelectionMode(multiSelect ? QAbstractItemView::ExtendedSelection : QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
}

ListBox::~ListBox() = default;

void ListBox::AddItem(const std::string& text) { AddItem(text, 0); }
void ListBox::AddItem(const std::string& text, long itemData) { newIndex_ = rows_->append(text, itemData); }

void ListBox::SetItems(ListItems rows) {
  newIndex_ = -1;
  rows_->replace(std::move(rows));
}
void ListBox::SetItems(const std::vector<std::pair<std::string, long>>& rows) {
  ListItems items;
  items.reserve(rows.size());
  for (const auto& [text, data] : rows) items.add(text, data);
  SetItems(std::move(items));
}
void ListBox::Clear() { SetItems(ListItems()); }
void ListBox::RemoveItem(int index) {
  if (rows_->holds(index)) rows_->remove(index);
}

int ListBox::ListCount() const { return rows_->rowCount(); }
std::string ListBox::List(int index) const {
  return rows_->holds(index) ? rows_->rows().text(static_cast<size_t>(index)) : std::string();
}
long ListBox::ItemData(int index) const {
  return rows_->holds(index) ? rows_->rows().itemData(static_cast<size_t>(index)) : 0;
}
void ListBox::SetItemData(int index, long value) {
  if (rows_->holds(index)) rows_->setItemData(index, value);
}
QString ListBox::DrawnText(int row) const { return rows_->data(rows_->index(row), Qt::DisplayRole).toString(); }

bool ListBox::Selected(int index) const {
  return rows_->holds(index) && selectionModel()->isSelected(rows_->index(index));
}
void ListBox::SetSelected(int first, int last, bool selected) {
  if (first > last || !rows_->holds(first) || !rows_->holds(last)) return;
  selectionModel()->select(QItemSelection(rows_->index(first), rows_->index(last)),
                           selected ? QItemSelectionModel::Select : QItemSelectionModel::Deselect);
}
std::vector<int> ListBox::SelectedRows() const {
  std::vector<int> rows;
  for (const QItemSelectionRange& range : selectionModel()->selection())
    for (int row = range.top(); row <= range.bottom(); ++row) rows.push_back(row);
  std::sort(rows.begin(), rows.end());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  return rows;
}

int ListBox::SelCount() const { return static_cast<int>(selectionModel()->selectedIndexes().size()); }

void ListBox::SetListIndex(int index) {
  if (rows_->holds(index))
    setCurrentIndex(rows_->index(index));
  else
    selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
}

QRect ListBox::RowRect(int row) const { return rows_->holds(row) ? visualRect(rows_->index(row)) : QRect(); }
int ListBox::RowAt(const QPoint& point) const { return indexAt(point).row(); }

// The view makes the first row current as it takes the focus; the list
// leaves none current until one is chosen.
void ListBox::focusInEvent(QFocusEvent* event) {
  const bool hadCurrent = currentIndex().isValid();
  QListView::focusInEvent(event);
  if (!hadCurrent) selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
}

// With no current row, the view takes every key to the first row; End goes
// to the last.
QModelIndex ListBox::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
  if (action == MoveEnd && !currentIndex().isValid() && ListCount() > 0) return rows_->index(ListCount() - 1);
  return QListView::moveCursor(action, modifiers);
}

}  // namespace platform
