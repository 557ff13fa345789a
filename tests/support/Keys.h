#pragma once
// Keys as the user presses them: each goes through the application to the
// widget that holds the focus, a press and a release carrying the key code,
// the shift state and the character, so shortcuts, filters, key handlers and
// the widget's own editing all take part.
#include <QApplication>
#include <QKeyEvent>
#include <QWidget>
#include <algorithm>
#include <iterator>
#include <stdexcept>
#include <string>

// Makes `window` the active window, as the window manager does when it
// opens or comes back: its focus widget takes the focus.
inline void activate(QWidget& window) {
  window.show();
  QApplication::setActiveWindow(&window);
}

// Presses one key in the open menu, else in the focused widget (of the
// active window).
inline void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, const QString& text = {}) {
  QWidget* to = QApplication::activePopupWidget();
  if (!to) to = QApplication::focusWidget();
  if (!to) to = QApplication::activeWindow();
  if (!to) return;
  QKeyEvent down(QEvent::KeyPress, key, modifiers, text);
  QApplication::sendEvent(to, &down);
  if (QWidget* now = QApplication::focusWidget()) to = now;
  QKeyEvent up(QEvent::KeyRelease, key, modifiers, text);
  QApplication::sendEvent(to, &up);
}

// A letter with Alt (and whatever else `more` holds), as the keyboard sends
// it: the key code of the capital, the small letter as its character.
inline void pressAlt(char letter, Qt::KeyboardModifiers more = Qt::NoModifier) {
  const char small = static_cast<char>(letter | 0x20);
  press(Qt::Key_A + (small - 'a'), Qt::AltModifier | more, QString(QChar(small)));
}

// Types `keys` one key after another: digits, letters (a capital with
// Shift), blanks and "/" as themselves, "\r" as Enter, "\t" as Tab.
inline void typeKeys(const std::string& keys) {
  for (char c : keys) {
    if (c == '\r') {
      press(Qt::Key_Return, Qt::NoModifier, "\r");
    } else if (c == '\t') {
      press(Qt::Key_Tab, Qt::NoModifier, "\t");
    } else if (c >= 'a' && c <= 'z') {
      press(Qt::Key_A + (c - 'a'), Qt::NoModifier, QString(QChar(c)));
    } else if (c >= 'A' && c <= 'Z') {
      press(Qt::Key_A + (c - 'A'), Qt::ShiftModifier, QString(QChar(c)));
    } else {
      press(c, Qt::NoModifier, QString(QChar(c)));  // digits, blank, "/": the key code is the character
    }
  }
}

// Presses an editing script: characters are typed as typeKeys types them;
// a name in braces is an editing key: {Home} {End} {Left} {Right} {Del}
// {BS}, with Shift {ShiftHome} {ShiftEnd} {ShiftLeft} {ShiftRight}, and the
// standard commands {SelectAll} {Undo} {Redo} {Cut} {Copy} {Paste}.
inline void pressEdits(const std::string& script) {
  struct Named {
    const char* name;
    int key;
    Qt::KeyboardModifiers modifiers;
  };
  static const Named kNamed[] = {
      {"Home", Qt::Key_Home, Qt::NoModifier},       {"End", Qt::Key_End, Qt::NoModifier},
      {"Left", Qt::Key_Left, Qt::NoModifier},       {"Right", Qt::Key_Right, Qt::NoModifier},
      {"Del", Qt::Key_Delete, Qt::NoModifier},      {"BS", Qt::Key_Backspace, Qt::NoModifier},
      {"ShiftHome", Qt::Key_Home, Qt::ShiftModifier}, {"ShiftEnd", Qt::Key_End, Qt::ShiftModifier},
      {"ShiftLeft", Qt::Key_Left, Qt::ShiftModifier}, {"ShiftRight", Qt::Key_Right, Qt::ShiftModifier},
      {"SelectAll", Qt::Key_A, Qt::ControlModifier}, {"Undo", Qt::Key_Z, Qt::ControlModifier},
      {"Redo", Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier}, {"Cut", Qt::Key_X, Qt::ControlModifier},
      {"Copy", Qt::Key_C, Qt::ControlModifier},     {"Paste", Qt::Key_V, Qt::ControlModifier},
  };
  for (size_t at = 0; at < script.size();) {
    if (script[at] != '{') {
      typeKeys(script.substr(at, 1));
      ++at;
      continue;
    }
    const size_t end = script.find('}', at);
    const std::string name = script.substr(at + 1, end - at - 1);
    const Named* named = std::find_if(std::begin(kNamed), std::end(kNamed), [&](const Named& n) { return name == n.name; });
    if (named == std::end(kNamed)) throw std::invalid_argument("no editing key {" + name + "}");
    press(named->key, named->modifiers);
    at = end + 1;
  }
}
