#pragma once
// Access keys: Alt with a letter that an item of a window underlines acts on
// the first shown item that carries it, the same at every press: the menu
// bar's items from left to right come first, then the buttons in tab order.
// A first item that is disabled takes the key and does nothing, so the key
// never reaches another item instead.
//
// Where two items share a letter (a list's "&EDIT" and "&EXIT", the main
// window's "&SALES" and "&SUMMARY"), the others keep their underline and are
// reached by keyboard as the menu bar and the tab order reach them: Alt
// alone, then the arrows or the letter, and Enter; a button by Tab. Left to
// the toolkit, a shared key would act on each item in turn, press after
// press, a hidden menu item among them, so that the second Alt+E in a list
// closed it.
#include <vector>

class QAbstractButton;
class QAction;
class QMenuBar;
class QWidget;

namespace platform {

// A menu bar's item, or a button.
struct AccessKeyHolder {
  QMenuBar* bar = nullptr;
  QAction* item = nullptr;
  QAbstractButton* button = nullptr;
};

// The shown menu bar items and buttons of `window` whose access key is Alt
// with `key` (a Qt::Key letter or digit), in the order the rule takes them.
std::vector<AccessKeyHolder> AccessKeyHolders(QWidget* window, int key);

// Acts on the first holder of Alt + `key` in `window`, as its own access key
// does; false, doing nothing, where no shown item holds it.
bool TakeAccessKey(QWidget* window, int key);

}  // namespace platform
