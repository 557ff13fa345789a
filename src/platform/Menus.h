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

// A window's menu bar (AddMenuBar). The toolkit's bar measures every caption
// again at each event that may move its items, and a window's first showing
// brings two such measures for nothing: one before the bar spans its window
// (every item past the bar's narrow first width, so an overflow menu is
// built for them), and the showing itself measuring again at the size the
// resize just before it measured; and the resize that gives the bar its
// height measures again what the window's layout has just measured. This
// bar takes its window's width before it is first measured; a hidden bar
// resized with its items where a new measure would put them again keeps
// them; and a showing that follows a measure at the bar's present size,
// nothing having changed since, keeps that measure.
class MenuBar : public QMenuBar {
  Q_OBJECT
 public:
  using QMenuBar::QMenuBar;
  // Runs `change`, which changes items of the bar: a shown bar measures its
  // items once after, not once for each item changed (a bar the platform
  // draws itself hears of each item as usual).
  void changeItems(const std::function<void()>& change);

 protected:
  bool event(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void actionEvent(QActionEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  // Whether a new measure would leave every item where it is: each one
  // inside the bar at its present size.
  bool keepsPlaces() const;
  // Laid out by a resize while hidden, and nothing changed since.
  bool measuredUnseen_ = false;
  // Within changeItems: the last item changed, whose change is told after.
  bool changing_ = false;
  QAction* changed_ = nullptr;
};

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
  void AddSeparator();

  bool Has(int index) const { return items_.count(index) != 0; }
  // The visible and the enabled flag are independent: a hidden item keeps
  // its enabled flag.
  void SetVisible(int index, bool visible);
  // The same for several items at once: a shown menu bar measures its
  // items once for them all.
  void SetVisible(std::initializer_list<int> indexes, bool visible);
  void SetEnabled(int index, bool enabled);
  bool Visible(int index) const;
  bool Enabled(int index) const;
  void SetCaption(int index, const std::string& caption);
  std::string Caption(int index) const;
  void SetChecked(int index, bool checked);

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
