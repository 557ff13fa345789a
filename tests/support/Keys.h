#pragma once
// Keys as the user presses them: each goes through the application to the
// widget that holds the focus, a press and a release carrying the key code,
// the shift state and the character, so shortcuts, filters, key handlers and
// the widget's own editing all take part.
#include <QApplication>
#include <QKeyEvent>
#include <QWidget>
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
