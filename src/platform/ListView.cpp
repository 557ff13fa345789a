// The list box: its rows (ListItems) and the box that shows them (ListBox).
#include <QEvent>
#include <QFocusEvent>
#include <QHoverEvent>
#include <QApplication>
#include <QCoreApplication>
#include <QClipboard>
#include <QCursor>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPointer>
#include <QScrollBar>
#include <QStyleOptionViewItem>
#include <algorithm>
#include <map>
#include <tuple>

#include "platform/Ansi.h"
#include "platform/Controls.h"

namespace platform {

ListBox::ListBox(QWidget* parent, const std::string& name, bool multiSelect)
    : ListBox(parent, name, multiSelect, makeFont("Courier New", 9)) {}
ListBox::ListBox(QWidget* parent, const std::string& name, bool multiSelect, const QFont& font)
    : QAbstractScrollArea(parent), multiSelect_(multiSelect) {
  setObjectName(QString::fromStdString(name));
  setFont(font);
  viewport()->setBackgroundRole(QPalette::Base);
}
ListBox::~ListBox() = default;
void ListBox::AddItem(const std::string& text) { AddItem(text, 0); }
void ListBox::AddItem(const std::string& text, long itemData) {
  rows_.add(text, itemData);
  chosen_.push_back(0);
  newIndex_ = ListCount() - 1;
  rowsChanged();
}
void ListBox::SetItems(ListItems rows) {
  newIndex_ = -1;
  rows_ = std::move(rows);
  chosen_.assign(rows_.size(), 0);
  pendingFirst_ = pendingLast_ = current_ = anchor_ = pressedRow_ = -1;
  dragging_ = false;
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
void ListBox::Clear() { SetItems(ListItems()); }

// As an item view follows its rows: the pending choice is added to the
// others first; the current row, when taken away, moves to the row above
// (or the one below when it was the first), in a list of one selected row
// to the next row (or the one above when it was the last), chosen.
void ListBox::RemoveItem(int index) {
  if (!holds(index)) return;
  if (!multiSelect_ && current_ == index && ListCount() > 1)
    SetListIndex(index + 1 < ListCount() ? index + 1 : index - 1);
  commitPending();
  if (current_ == index) current_ = index > 0 ? index - 1 : (ListCount() > 1 ? 1 : -1);
  for (int* row : {&current_, &anchor_, &pressedRow_}) {
    if (*row == index) *row = -1;
    else if (*row > index) --*row;
  }
  rows_.remove(static_cast<size_t>(index));
  chosen_.erase(chosen_.begin() + index);
  dragging_ = false;
  rowsChanged();
}
// The scroll bars follow the rows while the list is in sight; a list out of
// sight sets them when it is shown.
void ListBox::rowsChanged() {
  if (isVisible()) updateScrollRanges();
  viewport()->update();
}

std::string ListBox::List(int index) const {
  return holds(index) ? std::string(rows_.text(static_cast<size_t>(index))) : std::string();
}
QString ListBox::DrawnText(int row) const {
  return holds(row) ? fromAnsi(rows_.text(static_cast<size_t>(row))) : QString();
}
long ListBox::ItemData(int index) const {
  return holds(index) ? rows_.itemData(static_cast<size_t>(index)) : 0;
}
void ListBox::SetItemData(int index, long value) {
  if (holds(index)) rows_.setItemData(static_cast<size_t>(index), value);
}

namespace {

using Choice = QItemSelectionModel::SelectionFlags;

// What `choice` makes of a row that was `chosen`.
char applied(Choice choice, char chosen) {
  if (choice & QItemSelectionModel::Deselect) return 0;
  if (choice & QItemSelectionModel::Toggle) return chosen ? 0 : 1;
  return 1;
}

}  // namespace

bool ListBox::Selected(int index) const {
  if (!holds(index)) return false;
  const char chosen = chosen_[static_cast<size_t>(index)];
  return (index >= pendingFirst_ && index <= pendingLast_ ? applied(pending_, chosen) : chosen) != 0;
}
int ListBox::SelCount() const {
  int count = static_cast<int>(std::count(chosen_.begin(), chosen_.end(), 1));
  for (int row = std::max(pendingFirst_, 0); row <= pendingLast_; ++row)
    count += applied(pending_, chosen_[static_cast<size_t>(row)]) - chosen_[static_cast<size_t>(row)];
  return count;
}
void ListBox::SetSelected(int first, int last, bool selected) {
  if (first < 0 || last >= ListCount() || first > last) return;
  choose(first, last, selected ? QItemSelectionModel::Select : QItemSelectionModel::Deselect);
}
void ListBox::clearSelection() {
  if (std::count(chosen_.begin(), chosen_.end(), 1) > 0 || pendingFirst_ >= 0) choose(-1, -1, QItemSelectionModel::Clear);
}

void ListBox::commitPending() {
  for (int row = std::max(pendingFirst_, 0); row <= pendingLast_; ++row)
    chosen_[static_cast<size_t>(row)] = applied(pending_, chosen_[static_cast<size_t>(row)]);
  pendingFirst_ = pendingLast_ = -1;
}
void ListBox::choose(int first, int last, Choice choice) {
  if (choice == QItemSelectionModel::NoUpdate) return;
  if (choice & QItemSelectionModel::Clear) {
    std::fill(chosen_.begin(), chosen_.end(), 0);
    pendingFirst_ = pendingLast_ = -1;
  }
  if (!(choice & QItemSelectionModel::Current)) commitPending();
  if (choice & (QItemSelectionModel::Select | QItemSelectionModel::Deselect | QItemSelectionModel::Toggle)) {
    pending_ = choice;
    pendingFirst_ = first < 0 ? -1 : first;
    pendingLast_ = first < 0 ? -1 : last;
  }
  viewport()->update();
}
void ListBox::chooseIn(const QRect& rect, Choice choice) {
  const QRect area = rect.normalized();
  int first = -1;
  int last = -1;
  if (dragging_) {
    const QRect rows = area.translated(offset());
    if (rows.right() >= 0 && rows.left() < rowWidth() && rows.bottom() >= 0) {
      first = std::max(rows.top(), 0) / rowHeight();
      last = std::min(rows.bottom() / rowHeight(), ListCount() - 1);
    }
  } else {
    first = RowAt(area.topLeft());
    last = RowAt(area.bottomRight());
  }
  if (first < 0 || last < first) first = last = -1;
  choose(first, last, choice);
}

// As an item view's selection modes choose: one row, or many with Shift and
// Ctrl.
Choice ListBox::choiceFor(int row, const QEvent* event) const {
  using Model = QItemSelectionModel;
  const bool input = event && event->isInputEvent();
  const QEvent::Type type = event ? event->type() : QEvent::None;
  if (!multiSelect_) {
    // A press on the selected row keeps it; Ctrl with a key or a release on it unselects it.
    const bool ctrl = input && (static_cast<const QInputEvent*>(event)->modifiers() & Qt::ControlModifier);
    if (type == QEvent::MouseButtonPress && pressedChosen_) return Model::NoUpdate;
    if ((type == QEvent::KeyPress || type == QEvent::MouseButtonRelease) && ctrl && Selected(row))
      return Model::Deselect | Model::Rows;
    return Model::ClearAndSelect | Model::Rows;
  }
  Qt::KeyboardModifiers modifiers =
      input ? static_cast<const QInputEvent*>(event)->modifiers() : QGuiApplication::keyboardModifiers();
  const bool shift = modifiers & Qt::ShiftModifier;
  const bool ctrl = modifiers & Qt::ControlModifier;
  switch (type) {
    case QEvent::MouseMove:
      if (ctrl) return Model::ToggleCurrent | Model::Rows;
      break;
    case QEvent::MouseButtonPress: {
      const bool right = static_cast<const QMouseEvent*>(event)->button() & Qt::RightButton;
      if ((shift || ctrl) && right) return Model::NoUpdate;
      if (!shift && !ctrl && Selected(row)) return Model::NoUpdate;
      if (row < 0 && !right && !shift && !ctrl) return Model::Clear;
      if (row < 0) return Model::NoUpdate;
      break;
    }
    case QEvent::MouseButtonRelease: {
      const bool right = static_cast<const QMouseEvent*>(event)->button() & Qt::RightButton;
      if (((row == pressedRow_ && Selected(row)) || row < 0) && !dragging_ && !shift && !ctrl && (!right || row < 0))
        return Model::ClearAndSelect | Model::Rows;
      return Model::NoUpdate;
    }
    case QEvent::KeyPress:
      switch (static_cast<const QKeyEvent*>(event)->key()) {
        case Qt::Key_Backtab: modifiers &= ~Qt::ShiftModifier; [[fallthrough]];
        case Qt::Key_Down: case Qt::Key_Up: case Qt::Key_Left: case Qt::Key_Right: case Qt::Key_Home:
        case Qt::Key_End: case Qt::Key_PageUp: case Qt::Key_PageDown: case Qt::Key_Tab:
          if (modifiers & Qt::ControlModifier) return Model::NoUpdate;
          break;
        case Qt::Key_Select: return Model::Toggle | Model::Rows;
        case Qt::Key_Space: return (ctrl ? Model::Toggle : Model::Select) | Model::Rows;
        default: break;
      }
      break;
    default: break;
  }
  if (modifiers & Qt::ShiftModifier) return Model::SelectCurrent | Model::Rows;
  if (modifiers & Qt::ControlModifier) return Model::Toggle | Model::Rows;
  if (dragging_) return Model::Clear | Model::SelectCurrent | Model::Rows;
  return Model::ClearAndSelect | Model::Rows;
}

void ListBox::setCurrent(int row, Choice choice, bool scroll) {
  if (row == current_) {
    choose(row, row, choice);
    return;
  }
  current_ = row;
  choose(row, row, choice);
  if (row >= 0 && !autoScrollTimer_.isActive()) {
    if (isVisible()) {
      if (scroll) scrollToRow(row);
    } else {
      scrollOnShow_ = scroll;
    }
  }
  viewport()->update();
}
void ListBox::SetListIndex(int index) {
  if (!holds(index)) {
    setCurrent(-1, QItemSelectionModel::NoUpdate);
    return;
  }
  const Choice choice = choiceFor(index, nullptr);
  setCurrent(index, choice);
  if (!(choice & QItemSelectionModel::Current)) anchor_ = index;
}

namespace {

// The rows measured in one style, by font and length. A row's measure shapes
// its text, and every list of a font measures a row of so many characters
// alike: each list filled would otherwise shape the same text again.
struct MeasuredRows {
  using Key = std::tuple<QFont, int, size_t>;  // the font, its resolution, the characters
  QPointer<const QStyle> style;
  std::map<Key, QSize> sizes;
};

MeasuredRows g_measuredRows;
bool g_forgottenAtExit = false;

// Lets the fonts go while the application that made them still stands.
void forgetMeasuredRows() {
  g_measuredRows.sizes.clear();
  g_forgottenAtExit = false;
}

// The rows measured in `style`; those of another style are forgotten.
MeasuredRows& measuredRowsIn(const QStyle* style) {
  if (!g_forgottenAtExit) {
    qAddPostRoutine(forgetMeasuredRows);
    g_forgottenAtExit = true;
  }
  if (g_measuredRows.style != style) {
    g_measuredRows.style = style;
    g_measuredRows.sizes.clear();
  }
  return g_measuredRows;
}

}  // namespace

QSize ListBox::measureRow(size_t chars) const {
  MeasuredRows& measured = measuredRowsIn(style());
  MeasuredRows::Key key(font(), logicalDpiY(), chars);
  if (auto kept = measured.sizes.find(key); kept != measured.sizes.end()) return kept->second;
  QStyleOptionViewItem option = rowOption();
  option.features |= QStyleOptionViewItem::HasDisplay;
  option.text = QString(static_cast<qsizetype>(chars), QLatin1Char('0'));  // the font is fixed-pitch
  const QSize size =
      style()->sizeFromContents(QStyle::CT_ItemViewItem, &option, QSize(), this).expandedTo(QSize(1, 1));
  measured.sizes.emplace(std::move(key), size);
  return size;
}
QSize ListBox::rowSize() const {
  if (!shortRowSize_.isValid()) shortRowSize_ = measureRow(1);
  const size_t chars = std::max<size_t>(rows_.widest(), 1);
  if (chars == 1) return shortRowSize_;
  if (!rowSize_.isValid() || chars != rowSizeChars_) {
    rowSize_ = measureRow(chars);
    rowSizeChars_ = chars;
  }
  return rowSize_;
}
int ListBox::rowHeight() const {
  if (!shortRowSize_.isValid()) shortRowSize_ = measureRow(1);
  return shortRowSize_.height();  // a line, however long
}
int ListBox::verticalOffset() const { return verticalScrollBar()->value() * rowHeight(); }
QPoint ListBox::offset() const { return {horizontalScrollBar()->value(), verticalOffset()}; }
int ListBox::rowWidth() const { return std::max(rowSize().width(), viewport()->width()); }
int ListBox::rowsInSight() const { return std::max(1, viewport()->height() / rowHeight()); }
int ListBox::rowAtY(int y) const {
  if (y < 0) return -1;
  const int row = y / rowHeight();
  return row < ListCount() ? row : -1;
}
int ListBox::RowAt(const QPoint& point) const {
  const int x = point.x() + horizontalScrollBar()->value();
  return x >= 0 && x < rowWidth() ? rowAtY(point.y() + verticalOffset()) : -1;
}
QRect ListBox::RowRect(int row) const {
  if (row < 0 || row >= ListCount()) return {};
  return QRect(-horizontalScrollBar()->value(), row * rowHeight() - verticalOffset(), rowWidth(), rowHeight());
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
void ListBox::scrollToRow(int row) {
  if (row < 0 || row >= ListCount()) return;
  updateScrollRanges();
  const int top = verticalScrollBar()->value();
  if (row < top)
    verticalScrollBar()->setValue(row);
  else if (row >= top + rowsInSight())
    verticalScrollBar()->setValue(row - rowsInSight() + 1);
}

// The keys as an item view takes them: a key that moves nowhere, Enter,
// Escape and the keys with Ctrl or Alt go on to the window.
void ListBox::keyPressEvent(QKeyEvent* event) {
  delayedScroll_.stop();
  if (event == QKeySequence::Copy) {
    if (current_ >= 0) QGuiApplication::clipboard()->setText(DrawnText(current_));
    event->accept();
  }
  const int count = ListCount();
  // A page: the rows wholly in sight but one, or a row when no two are in sight.
  const int page = rowHeight() >= viewport()->height() ? 1 : viewport()->height() / rowHeight() - 1;
  int to = current_;
  bool move = true;
  switch (event->key()) {
    case Qt::Key_Up: to = current_ - 1; break;
    case Qt::Key_Down: to = current_ + 1; break;
    case Qt::Key_PageUp: to = current_ - page; break;
    case Qt::Key_PageDown: to = current_ + page; break;
    case Qt::Key_Home: to = 0; break;
    case Qt::Key_End: to = count - 1; break;
    case Qt::Key_Left: case Qt::Key_Right: break;
    default: move = false; break;
  }
  if (!move || count == 0) to = -1;
  else to = current_ < 0 ? 0 : std::clamp(to, 0, count - 1);
  const int from = current_;
  if (to >= 0 && to != from) {
    const Choice choice = choiceFor(to, event);
    if (choice != QItemSelectionModel::NoUpdate ||
        style()->styleHint(QStyle::SH_ItemView_MovementWithoutUpdatingSelection, nullptr, this)) {
      if (choice & QItemSelectionModel::Current) {
        setCurrent(to, QItemSelectionModel::NoUpdate);
        if (anchor_ < 0) anchor_ = from;
        chooseIn(QRect(RowRect(anchor_).center(), RowRect(to).center()), choice);
      } else {
        setCurrent(to, choice);
        anchor_ = to;
      }
      event->accept();
      return;
    }
  }
  switch (event->key()) {
    case Qt::Key_Down: case Qt::Key_Up: case Qt::Key_Left: case Qt::Key_Right: case Qt::Key_Home:
    case Qt::Key_End: case Qt::Key_PageUp: case Qt::Key_PageDown: case Qt::Key_Escape: case Qt::Key_Shift:
    case Qt::Key_Control: case Qt::Key_Delete: case Qt::Key_Backspace: case Qt::Key_F2:
    case Qt::Key_Enter: case Qt::Key_Return:
      event->ignore();
      break;
    case Qt::Key_Space:
    case Qt::Key_Select:
      choose(current_, current_, choiceFor(current_, event));
      if (event->key() == Qt::Key_Space) event->accept();
      break;
    default:
      if (event == QKeySequence::SelectAll) {
        if (multiSelect_ && count > 0) choose(0, count - 1, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        break;
      }
      if (!event->text().isEmpty() && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
        event->accept();  // no search by typed text
      else
        event->ignore();
      break;
  }
}

void ListBox::mousePressEvent(QMouseEvent* event) {
  delayedScroll_.stop();
  const QPoint at = event->position().toPoint();
  const int row = RowAt(at);
  pressedChosen_ = Selected(row);
  pressedRow_ = row;
  doubleClicked_ = false;
  pressedModifiers_ = event->modifiers();
  Choice choice = choiceFor(row, event);
  pressChoseNothing_ = choice == QItemSelectionModel::NoUpdate || row < 0;
  if (!(choice & QItemSelectionModel::Current)) {
    pressedAt_ = at + offset();
    anchor_ = row;
  } else if (anchor_ < 0) {
    anchor_ = current_;
  }
  if (row < 0) {
    choose(-1, -1, QItemSelectionModel::Select);  // adds the pending choice to the others
    return;
  }
  setCurrent(row, QItemSelectionModel::NoUpdate, false);  // the row clicked stays where it is
  if (choice & QItemSelectionModel::Toggle) {
    ctrlDragChoice_ = Selected(row) ? QItemSelectionModel::Deselect : QItemSelectionModel::Select;
    choice = (choice & ~QItemSelectionModel::Toggle) | ctrlDragChoice_;
  }
  if (!(choice & QItemSelectionModel::Current))
    chooseIn(QRect(at, QSize(1, 1)), choice);
  else
    chooseIn(QRect(RowRect(anchor_).center(), at), choice);
  delayedScroll_.start(QApplication::doubleClickInterval() + 100, this);
}

namespace {

constexpr int kAutoScrollMargin = 16;  // how near the edge a drag scrolls the rows

// The part of `widget` its parents leave in sight, in its own coordinates.
QRect visibleArea(const QWidget* widget) {
  if (!widget->isVisible()) return {};
  QRect area = widget->rect();
  QPoint origin;
  for (const QWidget* w = widget; w->isVisible() && !w->isWindow() && w->parentWidget(); w = w->parentWidget()) {
    origin -= w->pos();
    area &= QRect(origin, w->parentWidget()->size());
  }
  return area;
}

bool nearEdge(const QRect& area, const QPoint& at) {
  return at.y() - area.top() < kAutoScrollMargin || area.bottom() - at.y() < kAutoScrollMargin ||
         at.x() - area.left() < kAutoScrollMargin || area.right() - at.x() < kAutoScrollMargin;
}

}  // namespace

void ListBox::mouseMoveEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  const int row = RowAt(at);
  if (!(event->buttons() & Qt::LeftButton) || row < 0) return;
  dragging_ = true;
  Choice choice = choiceFor(row, event);
  if (ctrlDragChoice_ != QItemSelectionModel::NoUpdate && (choice & QItemSelectionModel::Toggle))
    choice = (choice & ~QItemSelectionModel::Toggle) | ctrlDragChoice_;
  chooseIn(QRect(multiSelect_ ? pressedAt_ - offset() : at, at), choice);
  if (row != current_) {
    setCurrent(row, QItemSelectionModel::NoUpdate);
  } else if (!autoScrollTimer_.isActive() && nearEdge(visibleArea(viewport()), at)) {
    autoScrollTimer_.start(150, this);
    autoScrollStep_ = 0;
  }
}

void ListBox::mouseReleaseEvent(QMouseEvent* event) {
  const int row = RowAt(event->position().toPoint());
  const bool click = row >= 0 && row == pressedRow_ && !doubleClicked_;
  doubleClicked_ = false;
  ctrlDragChoice_ = QItemSelectionModel::NoUpdate;
  if (pressChoseNothing_) {
    pressChoseNothing_ = false;
    choose(row, row, choiceFor(row, event));
  }
  dragging_ = false;
  if (click && event->button() == Qt::LeftButton && onClick) onClick();
}

void ListBox::mouseDoubleClickEvent(QMouseEvent* event) {
  const int row = RowAt(event->position().toPoint());
  if (row < 0 || row != pressedRow_) {
    QMouseEvent press(QEvent::MouseButtonPress, event->position(), event->scenePosition(), event->globalPosition(),
                      event->button(), event->buttons(), event->modifiers(), event->source(),
                      event->pointingDevice());
    mousePressEvent(&press);
    return;
  }
  if (onDblClick) onDblClick();
  doubleClicked_ = true;  // the release that ends a double click is no click
}

// Drags the rows past the edge the mouse holds, a row more each time.
void ListBox::autoScroll() {
  QScrollBar* rows = verticalScrollBar();
  QScrollBar* columns = horizontalScrollBar();
  if (autoScrollStep_ < std::max(rows->pageStep(), columns->pageStep())) ++autoScrollStep_;
  const int top = rows->value();
  const int left = columns->value();
  const QPoint at = viewport()->mapFromGlobal(QCursor::pos());
  const QRect area = visibleArea(viewport());
  if (at.y() - area.top() < kAutoScrollMargin)
    rows->setValue(top - autoScrollStep_);
  else if (area.bottom() - at.y() < kAutoScrollMargin)
    rows->setValue(top + autoScrollStep_);
  if (at.x() - area.left() < kAutoScrollMargin)
    columns->setValue(left - autoScrollStep_);
  else if (area.right() - at.x() < kAutoScrollMargin)
    columns->setValue(left + autoScrollStep_);
  if (top == rows->value() && left == columns->value()) {
    autoScrollTimer_.stop();
    return;
  }
  if (dragging_) {
    QMouseEvent move(QEvent::MouseMove, at, viewport()->mapToGlobal(at), Qt::NoButton, Qt::LeftButton,
                     pressedModifiers_);
    QApplication::sendEvent(viewport(), &move);
  }
  viewport()->update();
}

void ListBox::timerEvent(QTimerEvent* event) {
  if (event->timerId() == autoScrollTimer_.timerId()) {
    autoScroll();
  } else if (event->timerId() == delayedScroll_.timerId()) {
    delayedScroll_.stop();
    if (pressedRow_ >= 0 && pressedRow_ == current_) scrollToRow(current_);
  } else {
    QAbstractScrollArea::timerEvent(event);
  }
}

void ListBox::focusInEvent(QFocusEvent* event) {
  QAbstractScrollArea::focusInEvent(event);
  viewport()->update();
}
void ListBox::focusOutEvent(QFocusEvent* event) {
  QAbstractScrollArea::focusOutEvent(event);
  viewport()->update();
}
void ListBox::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  if (isVisible()) updateScrollRanges();
}
void ListBox::showEvent(QShowEvent* event) {
  QAbstractScrollArea::showEvent(event);
  updateScrollRanges();
  if (scrollOnShow_) scrollToRow(current_);
  scrollOnShow_ = false;
}

// The options an item view draws a row of a list with.
QStyleOptionViewItem ListBox::rowOption() const {
  QStyleOptionViewItem option;
  option.initFrom(viewport());
  option.state &= ~QStyle::State_MouseOver;
  option.font = font();
  if (!hasFocus()) option.state &= ~QStyle::State_Active;
  option.state &= ~QStyle::State_HasFocus;
  const int icon = style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, this);
  option.decorationSize = QSize(icon, icon);
  option.decorationPosition = QStyleOptionViewItem::Left;
  option.decorationAlignment = Qt::AlignCenter;
  option.displayAlignment = Qt::AlignLeft | Qt::AlignVCenter;
  option.textElideMode = Qt::ElideRight;
  option.showDecorationSelected = style()->styleHint(QStyle::SH_ItemView_ShowDecorationSelected, nullptr, this);
  option.locale = locale();
  option.locale.setNumberOptions(QLocale::OmitGroupSeparator);
  option.widget = this;
  return option;
}

// Draws the rows in sight as an item view draws a row of a list: the
// selected ones in the highlight colours, the current one framed while the
// list has the focus.
void ListBox::paintEvent(QPaintEvent* event) {
  const QRect area = event->rect();
  const int first = std::max(area.top() + verticalOffset(), 0) / rowHeight();
  const int last = std::min((area.bottom() + verticalOffset()) / rowHeight(), ListCount() - 1);
  if (first > last) return;
  QPainter painter(viewport());
  QStyleOptionViewItem option = rowOption();
  const QStyle::State state = option.state;
  if (viewport()->isEnabled()) option.palette.setCurrentColorGroup(QPalette::Normal);
  option.features |= QStyleOptionViewItem::HasDisplay;
  option.fontMetrics = QFontMetrics(option.font);
  const bool focus = (hasFocus() || viewport()->hasFocus()) && current_ >= 0;
  for (int row = first; row <= last; ++row) {
    option.rect = RowRect(row);
    option.state = state;
    if (Selected(row)) option.state |= QStyle::State_Selected;
    if (focus && row == current_) option.state |= QStyle::State_HasFocus;
    option.state.setFlag(QStyle::State_MouseOver, row == hoverRow_);
    option.text = DrawnText(row);
    style()->drawControl(QStyle::CE_ItemViewItem, &option, &painter, this);
  }
}

bool ListBox::viewportEvent(QEvent* event) {
  switch (event->type()) {
    case QEvent::HoverEnter:
    case QEvent::HoverMove: hoverRow_ = RowAt(static_cast<QHoverEvent*>(event)->position().toPoint()); break;
    case QEvent::HoverLeave:
    case QEvent::Leave: hoverRow_ = -1; break;
    case QEvent::WindowActivate:
    case QEvent::WindowDeactivate: viewport()->update(); break;
    default: break;
  }
  return QAbstractScrollArea::viewportEvent(event);
}

void ListBox::changeEvent(QEvent* event) {
  if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
    rowSize_ = shortRowSize_ = QSize();
    if (isVisible()) updateScrollRanges();
  }
  QAbstractScrollArea::changeEvent(event);
}

}  // namespace platform
