#pragma once
// The controls windows are built from, with the operations the program's
// code uses on them. Text crosses in Windows-1252 (std::string).
#include <QAbstractScrollArea>
#include <QBasicTimer>
#include <QItemSelectionModel>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStyleOption>
#include <QStyleOptionViewItem>
#include <QPushButton>
#include <QRadioButton>
#include <QCheckBox>
#include <QTimer>
#include <algorithm>
#include <functional>

#include "platform/Ansi.h"
#include "platform/Screen.h"
#include "platform/ListItems.h"
#include "platform/TextRows.h"
#include <string>
#include <string_view>
#include <utility>
#include <vector>

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
// no default button that Enter presses from elsewhere.
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
  // Its access key (Alt + the underlined letter) moves the focus to the
  // button, so the box it leaves runs its lost-focus handler, then presses it.
  bool event(QEvent* event) override;
};

// A caption: a line (or, wrapped, several lines) of plain text, drawn as the
// toolkit's label draws plain text (the font, colours and palette state
// inherited from the window, the alignment, word wrap, a panel frame with its
// indent) but without a label's machinery: no rich text, no document, no size
// hint to keep, no layout asked again at each caption, and no accessibility
// event per caption while no assistive tool listens. Windows are built from
// dozens of captions, so building one is cheap. An "&" shows as itself: no
// caption names a control whose access key it would carry.
class Label : public QWidget {
  Q_OBJECT
 public:
  Label(QWidget* parent, const std::string& name, const std::string& caption = "");
  std::string Caption() const;
  void SetCaption(const std::string& caption);

  QString text() const { return text_; }
  void setText(const QString& text);
  // Left and vertically centred unless set.
  Qt::Alignment alignment() const { return Qt::Alignment(align_) & (Qt::AlignHorizontal_Mask | Qt::AlignVertical_Mask); }
  void setAlignment(Qt::Alignment alignment);
  bool wordWrap() const { return (align_ & Qt::TextWordWrap) != 0; }
  void setWordWrap(bool on);
  // The frame, as a frame's shape and shadow with lines one pixel wide; none
  // unless set. A framed caption stands half an "x" in from the sides it is
  // aligned to.
  QFrame::Shape frameShape() const { return static_cast<QFrame::Shape>(frameStyle_ & QFrame::Shape_Mask); }
  void setFrameShape(QFrame::Shape shape) { setFrameStyle((frameStyle_ & QFrame::Shadow_Mask) | shape); }
  QFrame::Shadow frameShadow() const { return static_cast<QFrame::Shadow>(frameStyle_ & QFrame::Shadow_Mask); }
  void setFrameShadow(QFrame::Shadow shadow) { setFrameStyle((frameStyle_ & QFrame::Shape_Mask) | shadow); }
  void setFrameStyle(int style);
  int frameWidth() const { return frameWidth_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  QStyleOptionFrame frameOption() const;
  void updateFrameWidth();
  // Where the text is laid out: inside the frame, less the indent.
  QRect textRect(Qt::Alignment align) const;

  QString text_;
  int align_ = Qt::AlignLeft | Qt::AlignVCenter;  // and Qt::TextWordWrap when wrapping
  int frameStyle_ = QFrame::NoFrame | QFrame::Plain;
  int frameWidth_ = 0;
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
class TextBox : public EntryBox {
  Q_OBJECT
 public:
  TextBox(QWidget* parent, const std::string& name);
  std::string Text() const;
  void SetText(const std::string& text);
  void SetMaxLength(int chars);  // 0 = no limit
  int SelStart() const { return cursorPosition(); }
  void SetSelStart(int pos) { setCursorPosition(pos); }
  void SetSelLength(int len) { setSelection(cursorPosition(), len); }
  // Types text as the user would, each character through the key-press
  // handler.
  void Type(const std::string& text);

  std::function<void(int& keyAscii)> onKeyPress;
  std::function<void(int& keyCode, int shift)> onKeyDown;
  std::function<void()> onChange;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
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

// A list box of text rows, each with a whole-number item data; fixed-column
// rows in "Courier New". Taking the focus makes no row current: no row is
// drawn focused or selected until the user or the program chose one.
// A typed character moves to no other row (the rows start with blanks):
// Space selects the row under the cursor, as the selection mode does, and
// only that row.
// The rows (ListItems) are held as the program's text and turned into the
// screen's characters only as far as they are drawn, so a list of tens of
// thousands of rows costs little more than its texts. Every row is as high
// as a line of the font and as wide as the longest row, so where a row
// stands follows from its number: filling, showing, scrolling and drawing
// the list cost only the rows in sight. The vertical scroll bar counts rows
// (its value is the top row in sight), the horizontal one pixels.
// The box keeps its own selection and draws its rows itself, as an item view
// of a list does, keys and mouse alike, without the model, selection model
// and delegate an item view builds: opening a window with a list stays cheap.
class ListBox : public QAbstractScrollArea {
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
  int ListCount() const { return static_cast<int>(rows_.size()); }
  std::string List(int index) const;
  long ItemData(int index) const;
  void SetItemData(int index, long value);
  bool Selected(int index) const;
  void SetSelected(int index, bool selected) { SetSelected(index, index, selected); }
  // Selects (or unselects) the rows `first` to `last`, as a drag over them does.
  void SetSelected(int first, int last, bool selected);
  void clearSelection();
  int SelCount() const;
  int ListIndex() const { return current_; }
  void SetListIndex(int index);
  int NewIndex() const { return newIndex_; }  // row of the last AddItem
  std::function<void()> onClick;
  std::function<void()> onDblClick;

  // Where row `row` is drawn in the viewport, or an empty rectangle.
  QRect RowRect(int row) const;
  // The row at `point` in the viewport, or -1.
  int RowAt(const QPoint& point) const;
  // The text of row `row` as it is drawn, in the screen's characters.
  QString DrawnText(int row) const;

 protected:
  // Up and Down a row, Page Up and Page Down the rows in sight but one, Home
  // and End to the first and the last row; any of them to the first row when
  // no row is current. Left and Right move nowhere. Shift chooses the rows
  // from the anchor, Ctrl moves without choosing.
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void timerEvent(QTimerEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  bool viewportEvent(QEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  bool holds(int row) const { return row >= 0 && row < ListCount(); }
  using Choice = QItemSelectionModel::SelectionFlags;
  // The choice a key, a click or a call makes (`event` null), as an item
  // view in the list's selection mode makes it.
  Choice choiceFor(int row, const QEvent* event) const;
  // Chooses the rows `first` to `last` (none when first < 0): a choice with
  // Current replaces the pending one, any other first adds the pending one
  // to the rows chosen before.
  void choose(int first, int last, Choice choice);
  // The rows from the one at the rectangle's top left corner to the one at
  // its bottom right; while dragging, every row the rectangle touches.
  void chooseIn(const QRect& rect, Choice choice);
  void commitPending();
  // Makes `row` current, choosing it by `choice`; scrolls it into sight
  // when `scroll`.
  void setCurrent(int row, Choice choice, bool scroll = true);
  void rowsChanged();
  // The size of a row of `chars` characters as an item view draws it,
  // measured once for all the lists of a font and style.
  QSize measureRow(size_t chars) const;
  // The size of the longest row, measured again only when the font, the
  // style or the longest row's length change; an empty list's rows are a
  // character wide.
  QSize rowSize() const;
  int rowHeight() const;
  int rowWidth() const;  // the rows' width: the longest row's, or the view's
  int rowsInSight() const;  // rows wholly in sight, at least one
  int rowAtY(int y) const;  // the row at `y` in the rows' own coordinates, or -1
  int verticalOffset() const;  // the rows' pixels above the view
  QPoint offset() const;  // where the view's top left corner stands in the rows' own coordinates
  void updateScrollRanges();
  void scrollToRow(int row);
  QStyleOptionViewItem rowOption() const;
  void autoScroll();

  ListItems rows_;
  bool multiSelect_;
  int newIndex_ = -1;
  int current_ = -1;
  int anchor_ = -1;  // where Shift chooses from
  // The rows chosen, and the choice still pending (a Shift or a drag over
  // rows `pendingFirst_` to `pendingLast_`), told apart as an item view's
  // selection does: the pending one is replaced until another choice comes.
  std::vector<char> chosen_;
  int pendingFirst_ = -1;
  int pendingLast_ = -1;
  Choice pending_;
  // The mouse: the row pressed, whether it was chosen then, the point
  // pressed in the rows' own coordinates.
  int pressedRow_ = -1;
  bool pressedChosen_ = false;
  bool pressChoseNothing_ = false;
  bool doubleClicked_ = false;
  QPoint pressedAt_;
  Qt::KeyboardModifiers pressedModifiers_;
  Choice ctrlDragChoice_;
  int hoverRow_ = -1;
  bool dragging_ = false;
  bool scrollOnShow_ = false;
  int autoScrollStep_ = 0;
  QBasicTimer autoScrollTimer_;
  QBasicTimer delayedScroll_;  // brings the clicked row into sight, unless a double click comes first
  mutable QSize rowSize_;
  mutable size_t rowSizeChars_ = 0;
  mutable QSize shortRowSize_;  // a row of one character
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
  QImage PictureImage() const { return image_; }

 private:
  QImage image_;
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
