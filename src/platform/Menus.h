#pragma once
// Menus as indexed arrays: the items of one array share one click handler,
// which receives the item's index. Each item has a caption, a visible and an
// enabled flag. An item may carry a submenu (itself another array); opening
// it raises the item's own click first.
#include <QMenu>
#include <QMenuBar>
#include <functional>
#include <initializer_list>
#include <map>
#include <string>

namespace platform {

class MenuArray : public QObject {
  Q_OBJECT
 public:
  // Items go into a menu bar (top-level menus) or into a menu (a submenu).
  MenuArray(QMenuBar* bar, const std::string& name);
  MenuArray(QMenu* menu, const std::string& name);

  // Adds item `index` at the end. With `submenu` the item opens a menu, which
  // add() of another array fills; its QMenu is returned. The caption "-"
  // makes the item a separator.
  QMenu* Add(int index, const std::string& caption, bool submenu = false);

  bool Has(int index) const { return items_.count(index) != 0; }
  // The visible and the enabled flag are independent: a hidden item keeps
  // its enabled flag.
  void SetVisible(int index, bool visible);
  // The same for several items at once.
  void SetVisible(std::initializer_list<int> indexes, bool visible);
  void SetEnabled(int index, bool enabled);
  bool Visible(int index) const;
  bool Enabled(int index) const;
  void SetCaption(int index, const std::string& caption);
  std::string Caption(int index) const;

  // Chooses the item as the user would: nothing unless it is visible and
  // enabled (and its parent menu is too).
  void Click(int index);

  std::function<void(int index)> onClick;
  // The array whose submenu holds these items, and the item that opens it.
  void SetParentItem(MenuArray* parent, int index) { parent_ = parent; parentIndex_ = index; }

 private:
  QMenuBar* bar_ = nullptr;
  QMenu* menu_ = nullptr;
  std::map<int, QAction*> items_;
  std::map<int, bool> disabled_;  // the enabled flags set off
  MenuArray* parent_ = nullptr;
  int parentIndex_ = -1;
};

}  // namespace platform
