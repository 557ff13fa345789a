#pragma once
// Access keys: Alt with a letter that an item of a window underlines acts on
// the first shown item that carries it, the same at every press: the menu
// bar's items from left to right come first, then the buttons in tab order.
// A first item that is disabled takes the key and does nothing, so the key
// never reaches another item instead.
//
// Where two items share a letter (a list's "&EDIT" and "&EXIT", the main
// window's "&SALES" and "&SUMMARY"), the others keep their underline and are
// reached by keyboard as the menu bar and the tab order reach them: a button
// by Tab; a menu bar's item by Alt alone, then the arrows, or the letter,
// which lights the first shown item that carries it and, pressed again, the
// next one, round to the first; a lit item's menu opens with its first shown
// item chosen, and Enter runs what is lit. Left to the toolkit, a shared key
// would act on each item in turn, press after press, a hidden menu item among
// them, so that the second Alt+E in a list closed it; and after Alt alone the
// letter would light nothing while the lit item did not carry it.
//
// Every access key goes through these rules, whatever its character ("&<<"
// too): the focus moves to a button before it is pressed, so the box it
// leaves runs its lost-focus handler first.
class QMenuBar;
class QWidget;

namespace platform {

// Acts on the first holder of Alt + `key` in `window` (a Qt::Key letter or
// digit), as its own access key does; false, doing nothing, where no shown
// item holds it.
bool TakeAccessKey(QWidget* window, int key);

// A key pressed without Alt in `bar` as the keyboard reaches it (after Alt
// alone, or from its open menu): lights the first shown item that carries
// `key` as its letter, or, where the same letter lit the lit one, the next
// one, round to the first; false, doing nothing, where no shown item
// carries it.
bool TakeMenuBarLetter(QMenuBar* bar, int key);

}  // namespace platform
