#include "platform/AccessKeys.h"

#include <QAbstractButton>
#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QFocusEvent>
#include <QPointer>
#include <QWidget>
#include <algorithm>
#include <vector>

namespace platform {

namespace {

bool carries(const QString& caption, int key) {
  return QKeySequence::mnemonic(caption) == QKeySequence(Qt::ALT | static_cast<Qt::Key>(key));
}

// A menu opened from the keyboard has its first shown item chosen, so that
// Enter runs it and the arrows go on from it. (The toolkit reports a hidden
// item as disabled.)
void chooseFirstItem(QMenu& menu) {
  for (QAction* item : menu.actions()) {
    if (item->isEnabled() && !item->isSeparator()) {
      menu.setActiveAction(item);
      return;
    }
  }
}

// Lights a menu bar's item as the keyboard does, opening its menu, if it
// has one, with its first item chosen.
void light(QMenuBar& bar, QAction* item) {
  bar.setActiveAction(item);
  if (QMenu* menu = item->menu(); menu && menu->isVisible()) chooseFirstItem(*menu);
}

// The shown items of `bar` whose access key is Alt with `key`.
std::vector<QAction*> itemsCarrying(const QMenuBar& bar, int key) {
  std::vector<QAction*> items;
  for (QAction* item : bar.actions())
    if (item->isVisible() && carries(item->text(), key)) items.push_back(item);
  return items;
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
    for (QAction* item : itemsCarrying(*bar, key)) holders.push_back({.bar = bar, .item = item});
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
    if (item->menu())
      light(*first.bar, item);
    else
      item->trigger();
  } else if (QAbstractButton* button = first.button; button && button->isEnabled()) {
    // The focus first, so that the box it leaves runs its lost-focus
    // handler, then the press.
    button->setFocus(Qt::ShortcutFocusReason);
    button->click();
  }
  return true;
}

namespace {

// The item that a letter lit last in a menu bar, forgotten when Alt alone
// brings the keyboard to the bar again.
class LitByLetter : public QObject {
 public:
  explicit LitByLetter(QMenuBar* bar) : QObject(bar) {
    setObjectName(kName);
    bar->installEventFilter(this);
  }
  static LitByLetter& of(QMenuBar* bar) {
    auto* kept = static_cast<LitByLetter*>(bar->findChild<QObject*>(kName, Qt::FindDirectChildrenOnly));
    return kept ? *kept : *new LitByLetter(bar);
  }
  QPointer<QAction> item;

 private:
  static constexpr char kName[] = "LitByLetter";

  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::FocusIn && static_cast<QFocusEvent*>(event)->reason() == Qt::MenuBarFocusReason)
      item = nullptr;
    return false;
  }
};

}  // namespace

bool TakeMenuBarLetter(QMenuBar* bar, int key) {
  const std::vector<QAction*> items = itemsCarrying(*bar, key);
  if (items.empty()) return false;
  LitByLetter& last = LitByLetter::of(bar);
  // The letter again, its item still lit: the next one; else the first.
  const auto lit = std::find(items.begin(), items.end(), last.item.data());
  const bool again = lit != items.end() && *lit == bar->activeAction();
  last.item = again && lit + 1 != items.end() ? *(lit + 1) : items.front();
  light(*bar, last.item);
  return true;
}

}  // namespace platform
