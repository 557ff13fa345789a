#include "platform/Menus.h"

#include "platform/Ansi.h"

namespace platform {

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

void MenuArray::SetVisible(int index, bool visible) {
  if (auto it = items_.find(index); it != items_.end()) it->second->setVisible(visible);
}
void MenuArray::SetVisible(std::initializer_list<int> indexes, bool visible) {
  for (int index : indexes) SetVisible(index, visible);
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

void MenuArray::Click(int index) {
  if (parent_ && !(parent_->Visible(parentIndex_) && parent_->Enabled(parentIndex_))) return;
  if (!Visible(index) || !Enabled(index)) return;
  if (onClick) onClick(index);
}

}  // namespace platform
