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
class QWidget;

namespace platform {

// Acts on the first holder of Alt + `key` in `window` (a Qt::Key letter or
// digit), as its own access key does; false, doing nothing, where no shown
// item holds it.
bool TakeAccessKey(QWidget* window, int key);

}  // namespace platform
