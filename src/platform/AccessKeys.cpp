#include "platform/AccessKeys.h"

#include <QAbstractButton>
#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>
#include <vector>

namespace platform {

namespace {

bool carries(const QString& caption, int key) {
  return QKeySequence::mnemonic(caption) == QKeySequence(Qt::ALT | static_cast<Qt::Key>(key));
}

// A menu opened from the keyboard has its first item chosen, so that Enter
// runs it and the arrows go on from it.
void chooseFirstItem(QMenu& menu) {
  for (QAction* item : menu.actions()) {
    if (item->isVisible() && item->isEnabled() && !item->isSeparator()) {
      menu.setActiveAction(item);
      return;
    }
  }
}

// A menu bar's item, or a button.
struct AccessKeyHolder {
  QMenuBar* bar = nullptr;
  QAction* item = nullptr;
  QAbstractButton* button = nullptr;
};

// The shown menu bar items and buttons of `window` whose access key is Alt
// with `key`, in the order the rule takes them.
std::vector<AccessKeyHolder> AccessKeyHolders(QWidget* window, int key) {
  std::vector<AccessKeyHolder> holders;
  for (QMenuBar* bar : window->findChildren<QMenuBar*>()) {
    if (bar->window() != window || !bar->isVisibleTo(window)) continue;
    for (QAction* item : bar->actions())
      if (item->isVisible() && carries(item->text(), key)) holders.push_back({.bar = bar, .item = item});
  }
  for (QWidget* w = window->nextInFocusChain(); w && w != window; w = w->nextInFocusChain()) {
    auto* button = qobject_cast<QAbstractButton*>(w);
    if (button && button->window() == window && button->isVisibleTo(window) && carries(button->text(), key))
      holders.push_back({.button = button});
  }
  return holders;
}

}  // namespace

bool TakeAccessKey(QWidget* window, int key) {
  const std::vector<AccessKeyHolder> holders = AccessKeyHolders(window, key);
  if (holders.empty()) return false;
  const AccessKeyHolder& first = holders.front();
  if (QAction* item = first.item; item && item->isEnabled()) {
    if (QMenu* menu = item->menu()) {
      first.bar->setActiveAction(item);  // opens the menu
      chooseFirstItem(*menu);
    } else {
      item->trigger();
    }
  } else if (QAbstractButton* button = first.button; button && button->isEnabled()) {
    // The focus first, so that the box it leaves runs its lost-focus
    // handler, then the press.
    button->setFocus(Qt::ShortcutFocusReason);
    button->click();
  }
  return true;
}

}  // namespace platform
