#include "platform/Menus.h"

#include <QEvent>
#include <QStyle>
#include <QActionEvent>
#include <utility>

#include "platform/Ansi.h"

namespace platform {

bool MenuBar::event(QEvent* event) {
  switch (event->type()) {
    case QEvent::Polish:
      // Before the window's layout first measures the bar, which it then
      // makes as high as its items.
      if (parentWidget()) resize(parentWidget()->size());
      break;
    case QEvent::Show:
      if (measuredUnseen_) {
        measuredUnseen_ = false;
        return QWidget::event(event);
      }
      break;
    case QEvent::LayoutDirectionChange:
      measuredUnseen_ = false;
      break;
    default:
      break;
  }
  return QMenuBar::event(event);
}

void MenuBar::resizeEvent(QResizeEvent* event) {
  if (isVisible() || !keepsPlaces()) QMenuBar::resizeEvent(event);  // measures the items again
  measuredUnseen_ = !isVisible();
}

bool MenuBar::keepsPlaces() const {
  // Left to right with no separator and no corner widget, an item's place
  // does not depend on the bar's size; the size only tells which items fit.
  if (layoutDirection() != Qt::LeftToRight || cornerWidget(Qt::TopLeftCorner) || cornerWidget(Qt::TopRightCorner))
    return false;
  const int panel = style()->pixelMetric(QStyle::PM_MenuBarPanelWidth, nullptr, this);
  const QRect inside = rect().adjusted(panel, 0, -panel, 0);
  for (QAction* action : actions()) {
    if (!action->isVisible()) continue;
    if (action->isSeparator()) return false;
    const QRect place = actionGeometry(action);  // measured now if anything changed since
    if (!place.isValid() || !inside.contains(place)) return false;
  }
  return true;
}

void MenuBar::actionEvent(QActionEvent* event) {
  measuredUnseen_ = false;
  // A changed item changes only the places of the bar's items, which the
  // one measure after the whole change sets for every item.
  if (changing_ && event->type() == QEvent::ActionChanged && !isNativeMenuBar()) {
    changed_ = event->action();
    return;
  }
  QMenuBar::actionEvent(event);
}

void MenuBar::changeItems(const std::function<void()>& change) {
  const bool outer = !changing_;
  changing_ = true;
  change();
  if (!outer) return;
  changing_ = false;
  if (QAction* const action = std::exchange(changed_, nullptr)) {
    QActionEvent event(QEvent::ActionChanged, action);
    QMenuBar::actionEvent(&event);
  }
}

void MenuBar::changeEvent(QEvent* event) {
  measuredUnseen_ = false;
  QMenuBar::changeEvent(event);
}

namespace {
// Menu captions use "&" for the access key as the toolkit does.
QString menuText(const std::string& caption) { return fromAnsi(caption); }
}  // namespace

MenuArray::MenuArray(QMenuBar* bar, const std::string& name) : QObject(bar), bar_(bar) {
  setObjectName(QString::fromStdString(name));
}

MenuArray::MenuArray(QMenu* menu, const std::string& name) : QObject(menu), menu_(menu) {
  setObjectName(QString::fromStdString(name));
}

QMenu* MenuArray::Add(int index, const std::string& caption, bool submenu) {
  QWidget* owner = bar_ ? static_cast<QWidget*>(bar_) : static_cast<QWidget*>(menu_);
  QAction* action = nullptr;
  QMenu* sub = nullptr;
  if (submenu) {
    sub = new QMenu(menuText(caption), owner);
    action = sub->menuAction();
    connect(sub, &QMenu::aboutToShow, this, [this, index] {
      if (onClick) onClick(index);
    });
  } else if (caption == "-") {
    action = new QAction(owner);
    action->setSeparator(true);
  } else {
    action = new QAction(menuText(caption), owner);
    connect(action, &QAction::triggered, this, [this, index] {
      if (onClick) onClick(index);
    });
  }
  if (bar_) bar_->addAction(action);
  else menu_->addAction(action);
  items_[index] = action;
  return sub;
}

void MenuArray::AddSeparator() {
  if (menu_) menu_->addSeparator();
}

void MenuArray::SetVisible(int index, bool visible) {
  if (auto it = items_.find(index); it != items_.end()) it->second->setVisible(visible);
}
void MenuArray::SetVisible(std::initializer_list<int> indexes, bool visible) {
  const auto change = [&] {
    for (int index : indexes) SetVisible(index, visible);
  };
  if (auto* bar = qobject_cast<MenuBar*>(bar_)) bar->changeItems(change);
  else change();
}
void MenuArray::SetEnabled(int index, bool enabled) {
  if (auto it = items_.find(index); it != items_.end()) {
    it->second->setEnabled(enabled);
    disabled_[index] = !enabled;
  }
}
bool MenuArray::Visible(int index) const {
  auto it = items_.find(index);
  return it != items_.end() && it->second->isVisible();
}
bool MenuArray::Enabled(int index) const {
  // The toolkit reports a hidden action as disabled; the item's own flag is
  // kept apart from its visibility.
  if (items_.count(index) == 0) return false;
  auto it = disabled_.find(index);
  return it == disabled_.end() || !it->second;
}
void MenuArray::SetCaption(int index, const std::string& caption) {
  if (auto it = items_.find(index); it != items_.end()) it->second->setText(menuText(caption));
}
std::string MenuArray::Caption(int index) const {
  auto it = items_.find(index);
  return it == items_.end() ? std::string() : toAnsi(it->second->text());
}
void MenuArray::SetChecked(int index, bool checked) {
  if (auto it = items_.find(index); it != items_.end()) {
    it->second->setCheckable(true);
    it->second->setChecked(checked);
  }
}

void MenuArray::Click(int index) {
  if (parent_ && !(parent_->Visible(parentIndex_) && parent_->Enabled(parentIndex_))) return;
  if (!Visible(index) || !Enabled(index)) return;
  if (onClick) onClick(index);
}

}  // namespace platform
