#pragma once
// The controls windows are built from, with the operations the program's
// code uses on them. Text crosses in Windows-1252 (std::string).
//
// They behave alike in every window, as on the desktop the farm knows:
// - Enter presses the focused CommandButton and nothing else; no window has
//   a default button.
// - Tab follows the order the window sets (SetTabOrder, FormKit.h); the option
//   buttons of one frame are one group that the arrow keys move through.
// - A one-line box takes typing from its start however the focus arrives:
//   empty, the caret stands there; showing anything, it is selected whole.
//   The program moves the focus with the control's SetFocus.
// - A key pressed with Alt never types: one application filter (Controls.cpp)
//   hands the control the key without its character; access keys, menus and
//   a box's own key-down handler still act.
// - Alt with a letter acts on the first shown menu bar item or button that
//   underlines it, the same at every press, where several share the letter;
//   after Alt alone, the letter lights the menu bar's items that carry it in
//   turn, and Enter runs the lit one (AccessKeys.h).
// - A ListBox shows no current row until one is chosen; typing never moves
//   it; Space chooses the current row; Home, End and the page keys are Qt's.
// - Esc closes a window only where it cancels (Form::CancelOnEscape: the
//   query, due-date, weaning-date and input dialogs, the about box); message
//   and input boxes, menus, drop-down lists and help keep the toolkit's own
//   Esc. Every other window ignores it, so a stray Esc never drops what was
//   typed.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/Ansi.h"
#include "platform/ListItems.h"
#include "platform/Screen.h"

namespace platform {

// Position and size of a widget in twips within its window.
void placeTwips(QWidget* w, int left, int top, int width, int height);
// The twips that placeTwips last gave a widget.
TwipsRect twipsBounds(const QWidget* w);

// A font by face and points. The faces the windows name are drawn in an
// installed face of the same kind, never in whatever the font matcher offers
// (a symbol font, say): "Courier New" in Liberation Mono, the serif faces
// ("Times New Roman", "MS Serif") in Liberation Serif, "Impact" in bold
// Liberation Sans Narrow, every other face ("MS Sans Serif", "Arial", "Small
// Fonts", ...) in Liberation Sans; DejaVu where Liberation is missing.
QFont makeFont(const std::string& face, double points, bool bold = false);

// A command button. Enter and Space press the focused button; a window has
// no default button that Enter presses from elsewhere. Its access key moves
// the focus to it, then presses it (AccessKeys.h).
class CommandButton : public QPushButton {
  Q_OBJECT
 public:
  CommandButton(QWidget* parent, const std::string& name, const std::string& caption);
  std::string Caption() const;
  void SetCaption(const std::string& caption);
  // Presses the button as the user would: nothing when disabled or hidden.
  void Press();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};

// A caption: a line (or, wrapped, several lines) of plain text. An "&"
// shows as itself: no caption names a control whose access key it would
// carry, and no caption is read as rich text.
class Label : public QLabel {
  Q_OBJECT
 public:
  Label(QWidget* parent, const std::string& name, const std::string& caption = "");
  std::string Caption() const;
  void SetCaption(const std::string& caption);
};

// A one-line box that takes typing from its start however the focus arrives
// (Tab, Backtab, the program's SetFocus, a window opening on the box, the
// focus given back after a refusal): a box that shows anything is selected
// whole, so typing replaces it, and an empty box has its caret at its start.
// A click leaves the caret where it lands. Only the focus coming back from a
// message box, a menu or another program finds the caret where it was left.
// The lost-focus handler runs when the focus goes to another control of the
// program, not when a message box, a menu or another program takes it for a
// while.
class EntryBox : public QLineEdit {
  Q_OBJECT
 public:
  using QLineEdit::QLineEdit;
  // Gives the box the focus as the program does.
  void SetFocus();
  std::function<void()> onLostFocus;

 protected:
  // Where typing starts: the text selected whole (left as it is when it is
  // selected whole already: selecting it again would lay it out again).
  virtual void TakeTypingFromStart();
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  // The box held the focus when its window lost it to another window or a
  // menu, and the program has not moved the focus since.
  bool resumes_ = false;
};

// A one-line text box with the key events of the program's filters: a
// key-press handler may change or cancel (0) the character typed, a key-down
// handler sees key codes and the shift state, lost-focus and change handlers.
// It edits as the toolkit's line edit does (caret, selection, Delete and
// Backspace, paste, undo and redo); only its length limit is its own.
class TextBox : public EntryBox {
  Q_OBJECT
 public:
  TextBox(QWidget* parent, const std::string& name);
  std::string Text() const;
  // Shows `text` whole, even past the characters the box takes.
  void SetText(const std::string& text);
  // The characters typing may fill the box with (0: no limit). A longer
  // text the program put in the box stays whole; an edit may leave it
  // shorter or as long, never longer, and once it is within the limit, the
  // limit holds.
  void SetMaxLength(int chars);
  int MaxLength() const { return typingLimit_ == kNoTypingLimit ? 0 : typingLimit_; }
  int SelStart() const { return cursorPosition(); }
  void SetSelStart(int pos) { setCursorPosition(pos); }
  // The selected text; SetSelText puts `text` in the selection's place.
  std::string SelText() const { return toAnsi(selectedText()); }
  void SetSelText(const std::string& text) { insert(fromAnsi(text)); }
  // Types text as the user would, each character through the key-press
  // handler.
  void Type(const std::string& text);

  std::function<void(int& keyAscii)> onKeyPress;
  std::function<void(int& keyCode, int shift)> onKeyDown;
  std::function<void()> onChange;

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  friend class TypingLimit;
  static constexpr int kNoTypingLimit = 32767;  // the line edit's own
  // The line edit's own limit, which cuts what is typed or pasted as the
  // toolkit does: the typing limit, or the length of a longer text the
  // program put in the box. Setting it sets the text again (the caret to the
  // end, the undo history gone), so it is set only with the text or the
  // typing limit, never as the user edits.
  int lineEditLimit(int textLength) const { return std::max(typingLimit_, textLength); }
  int typingLimit_ = kNoTypingLimit;
  int length_ = 0;  // the text's length after the last change
};
// A several-line text box.
class MultiLineTextBox : public QPlainTextEdit {
  Q_OBJECT
 public:
  MultiLineTextBox(QWidget* parent, const std::string& name);
  std::string Text() const;  // lines joined by carriage return and line feed
  void SetText(const std::string& text);
  std::function<void(int& keyCode, int shift)> onKeyDown;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};

// The masked date box, mask "##/##/####". Its text is what stands in it,
// prompt characters included: "__/__/____" when empty, "07/__/____" when
// partly typed. It takes the focus as every one-line box does (EntryBox):
// typing fills it from its first position; a click leaves the caret where it
// lands, but never past the first position still to be typed.
class MaskedDateBox : public EntryBox {
  Q_OBJECT
 public:
  MaskedDateBox(QWidget* parent, const std::string& name);
  std::string Text() const;
  // Sets the text; "" or "__/__/____" empties the box.
  void SetText(const std::string& text);
  void Clear() { SetText(""); }

 protected:
  // The caret at the first position, the text selected whole when the box
  // shows anything.
  void TakeTypingFromStart() override;
  void mousePressEvent(QMouseEvent* event) override;
};

// Gives `control` the focus as the program does: a one-line box takes typing
// from its start (EntryBox::SetFocus).
void SetFocusOn(QWidget* control);

class ListItemsModel;

// A list box of text rows, each with a whole-number item data; fixed-column
// rows in "Courier New". It is the toolkit's list view over a model of the
// rows, with uniform item sizes (the rows of a list are lines of one length
// in a fixed-pitch face, so one row's size is every row's), and the list
// view's keys and mouse: Up, Down, Page Up, Page Down, Home and End move
// the current row, Shift chooses the rows from the anchor, Ctrl moves
// without choosing, and Space chooses the current row. Taking the focus
// makes no row current: no row is drawn focused or selected until the user
// or the program chose one; End then goes to the last row, every other key
// to the first. A typed character moves to no other row (the rows start
// with blanks).
class ListBox : public QListView {
  Q_OBJECT
 public:
  // The rows are written in `font`, Courier New 9 unless given.
  ListBox(QWidget* parent, const std::string& name, bool multiSelect = true);
  ListBox(QWidget* parent, const std::string& name, bool multiSelect, const QFont& font);
  ~ListBox() override;
  void AddItem(const std::string& text);
  void AddItem(const std::string& text, long itemData);
  // Replaces every row by `rows` (text and item data); the selection and the
  // current row are emptied.
  void SetItems(ListItems rows);
  void SetItems(const std::vector<std::pair<std::string, long>>& rows);
  void Clear();
  void RemoveItem(int index);
  int ListCount() const;
  std::string List(int index) const;
  long ItemData(int index) const;
  void SetItemData(int index, long value);
  bool Selected(int index) const;
  // The selected rows, top to bottom: what a loop over the chosen rows takes,
  // whatever the length of the list.
  std::vector<int> SelectedRows() const;
  void SetSelected(int index, bool selected) { SetSelected(index, index, selected); }
  // Selects (or unselects) the rows `first` to `last`, as a drag over them does.
  void SetSelected(int first, int last, bool selected);
  int SelCount() const;
  int ListIndex() const { return currentIndex().row(); }
  void SetListIndex(int index);
  int NewIndex() const { return newIndex_; }  // row of the last AddItem

  // Where row `row` is drawn in the viewport, or an empty rectangle.
  QRect RowRect(int row) const;
  // The row at `point` in the viewport, or -1.
  int RowAt(const QPoint& point) const;
  // The text of row `row` as it is drawn, in the screen's characters.
  QString DrawnText(int row) const;

  // No search by typed text.
  void keyboardSearch(const QString&) override {}

 protected:
  void focusInEvent(QFocusEvent* event) override;
  QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;

 private:
  ListItemsModel* rows_;
  int newIndex_ = -1;
};

class ComboBox : public QComboBox {
  Q_OBJECT
 public:
  ComboBox(QWidget* parent, const std::string& name, bool editable = false);
  void AddItem(const std::string& text) { addItem(platform::fromAnsi(text)); }
  std::string Text() const;
  void SetText(const std::string& text);
  int ListIndex() const { return currentIndex(); }
  void SetListIndex(int i) { setCurrentIndex(i); }
  std::string List(int i) const;
};

// An option button. The option buttons of one container form a group: Tab
// reaches the group at its selected option (the first when none is), and the
// arrow keys move through the group, selecting as they go, round from the
// last option to the first.
class OptionButton : public QRadioButton {
  Q_OBJECT
 public:
  OptionButton(QWidget* parent, const std::string& name, const std::string& caption);
  bool Value() const { return isChecked(); }
  void SetValue(bool v) { setChecked(v); }

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QList<OptionButton*> group();  // the option buttons of this one's container
  void setGroupTabStop();
};

class CheckBox : public QCheckBox {
  Q_OBJECT
 public:
  CheckBox(QWidget* parent, const std::string& name, const std::string& caption);
  bool Value() const { return isChecked(); }
  void SetValue(bool v) { setChecked(v); }
};

// A picture box or image.
class Picture : public QLabel {
  Q_OBJECT
 public:
  Picture(QWidget* parent, const std::string& name);
  void SetPicture(const QImage& image);
};

// A timer with an interval in milliseconds; onTimer runs at each tick while
// it is enabled. It is a precise timer: a coarse one may tick up to 5% of
// its interval early. Tests call Tick() instead of waiting.
class Timer : public QObject {
  Q_OBJECT
 public:
  Timer(QObject* parent, const std::string& name);
  void SetInterval(int ms);
  int Interval() const { return interval_; }
  void SetEnabled(bool on);
  bool Enabled() const { return enabled_; }
  Qt::TimerType Type() const { return timer_.timerType(); }
  void Tick();
  std::function<void()> onTimer;

 private:
  QTimer timer_;
  int interval_ = 0;
  bool enabled_ = false;
};

}  // namespace platform
