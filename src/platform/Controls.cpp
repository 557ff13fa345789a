#include "platform/Controls.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPointer>
#include <QShortcutEvent>
#include <QShowEvent>
#include <QValidator>
#include <algorithm>
#include <map>
#include <unordered_map>

#include "platform/AccessKeys.h"
#include "platform/Ansi.h"
#include "platform/Screen.h"

namespace platform {

namespace {
// The twips each placed widget was last given, so that twipsBounds answers
// the bounds in the units the window was laid out in, not pixels rounded
// back. Each entry watches its widget through a guarded pointer: an entry
// whose widget has gone reads as none (a new widget at the same address is
// not taken for it), and such entries are swept out as the table doubles.
struct Placed {
  QPointer<QWidget> widget;
  TwipsRect twips;
};

class PlacedTable {
 public:
  void place(QWidget* w, TwipsRect twips) {
    auto [at, added] = placed_.try_emplace(w);
    at->second = Placed{w, twips};
    if (added && placed_.size() >= 2 * sweptSize_) sweep();
  }
  TwipsRect find(const QWidget* w) const {
    const auto at = placed_.find(w);
    return at == placed_.end() || at->second.widget != w ? TwipsRect{} : at->second.twips;
  }

 private:
  void sweep() {
    std::erase_if(placed_, [](const auto& entry) { return entry.second.widget.isNull(); });
    sweptSize_ = std::max<size_t>(placed_.size(), kFirstSweep);
  }
  static constexpr size_t kFirstSweep = 256;
  std::unordered_map<const QWidget*, Placed> placed_;
  size_t sweptSize_ = kFirstSweep;
};

PlacedTable& placedTwips() {
  static auto* placed = new PlacedTable;  // outlives every widget
  return *placed;
}
}  // namespace

void placeTwips(QWidget* w, int left, int top, int width, int height) {
  placedTwips().place(w, TwipsRect{left, top, width, height});
  double tpp = screen().twipsPerPixel();
  w->setGeometry(static_cast<int>(left / tpp), static_cast<int>(top / tpp), static_cast<int>(width / tpp),
                 static_cast<int>(height / tpp));
}

TwipsRect twipsBounds(const QWidget* w) { return placedTwips().find(w); }

namespace {
// The installed faces that stand for one kind of face, best first.
struct FaceKind {
  const char* installed[2];
  QFont::StyleHint hint;
  bool bold;  // always bold, as the face it stands for
};
constexpr FaceKind kSans{{"Liberation Sans", "DejaVu Sans"}, QFont::SansSerif, false};
constexpr FaceKind kSerif{{"Liberation Serif", "DejaVu Serif"}, QFont::Serif, false};
constexpr FaceKind kMono{{"Liberation Mono", "DejaVu Sans Mono"}, QFont::TypeWriter, false};
constexpr FaceKind kDisplay{{"Liberation Sans Narrow", "DejaVu Sans Condensed"}, QFont::SansSerif, true};

const FaceKind& kindOf(const std::string& face) {
  if (face == "Courier New" || face == "Courier") return kMono;
  if (face == "Times New Roman" || face == "MS Serif") return kSerif;
  if (face == "Impact") return kDisplay;
  return kSans;
}

bool isEnterKey(const QKeyEvent* event) {
  return (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
         (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

// The installed family of a kind: the first of its faces the font database
// holds, else its first face. The answer is kept for the run, since the
// installed fonts do not change while the program runs.
const QString& installedFamily(const FaceKind& kind) {
  static std::map<const FaceKind*, QString> chosen;
  auto found = chosen.find(&kind);
  if (found != chosen.end()) return found->second;
  QString family = QString::fromLatin1(kind.installed[0]);
  for (const char* name : kind.installed) {
    if (QFontDatabase::hasFamily(QString::fromLatin1(name))) {
      family = QString::fromLatin1(name);
      break;
    }
  }
  return chosen.emplace(&kind, family).first->second;
}

}  // namespace

QFont makeFont(const std::string& face, double points, bool bold) {
  const FaceKind& kind = kindOf(face);
  QFont f(installedFamily(kind));
  f.setStyleHint(kind.hint);
  f.setPointSizeF(points);
  f.setBold(bold || kind.bold);
  return f;
}

CommandButton::CommandButton(QWidget* parent, const std::string& name, const std::string& caption)
    : QPushButton(fromAnsi(caption), parent) {
  setObjectName(QString::fromStdString(name));
  setAutoDefault(false);
}
std::string CommandButton::Caption() const { return toAnsi(text()); }
void CommandButton::SetCaption(const std::string& caption) { setText(fromAnsi(caption)); }
void CommandButton::Press() {
  if (isEnabled() && !isHidden()) click();
}
void CommandButton::keyPressEvent(QKeyEvent* event) {
  if (isEnterKey(event)) {
    Press();
    return;
  }
  QPushButton::keyPressEvent(event);
}

Label::Label(QWidget* parent, const std::string& name, const std::string& caption) : QLabel(parent) {
  setObjectName(QString::fromStdString(name));
  setTextFormat(Qt::PlainText);
  setText(fromAnsi(caption));
}
std::string Label::Caption() const { return toAnsi(text()); }
void Label::SetCaption(const std::string& caption) { setText(fromAnsi(caption)); }

// Refuses an edit that would leave a box's text longer than the box takes
// and longer than it was; the line edit then keeps the text as it was. It
// acts only on a text the program put in the box past its limit, which the
// line edit's own limit (that text's length) cannot keep from growing:
// within the limit the line edit's limit cuts what is typed or pasted.
class TypingLimit : public QValidator {
 public:
  explicit TypingLimit(TextBox* box) : QValidator(box), box_(box) {}
  State validate(QString& text, int&) const override {
    const qsizetype length = text.size();
    return length <= box_->typingLimit_ || length <= box_->length_ ? Acceptable : Invalid;
  }

 private:
  const TextBox* box_;
};

TextBox::TextBox(QWidget* parent, const std::string& name) : EntryBox(parent) {
  setObjectName(QString::fromStdString(name));
  setValidator(new TypingLimit(this));
  connect(this, &QLineEdit::textChanged, this, [this] {
    length_ = static_cast<int>(text().size());
    if (onChange) onChange();
  });
}
std::string TextBox::Text() const { return toAnsi(text()); }
void TextBox::SetText(const std::string& t) {
  const QString shown = fromAnsi(t);
  length_ = static_cast<int>(shown.size());
  // The line edit cuts its text to its limit: a wider limit goes before the
  // text, a narrower one after it.
  const int limit = lineEditLimit(length_);
  if (limit > maxLength()) setMaxLength(limit);
  setText(shown);
  if (limit < maxLength()) setMaxLength(limit);
}
void TextBox::SetMaxLength(int chars) {
  typingLimit_ = chars > 0 ? chars : kNoTypingLimit;
  if (const int limit = lineEditLimit(length_); limit != maxLength()) setMaxLength(limit);
}

void TextBox::Type(const std::string& text) {
  for (unsigned char c : text) {
    int key = c;
    if (onKeyPress) onKeyPress(key);
    if (key == 0) continue;
    if (key == 8) {
      backspace();
      continue;
    }
    insert(fromAnsi(std::string(1, static_cast<char>(key))));
  }
}

namespace {
int shiftState(Qt::KeyboardModifiers m) {
  return (m & Qt::ShiftModifier ? 1 : 0) | (m & Qt::ControlModifier ? 2 : 0) | (m & Qt::AltModifier ? 4 : 0);
}
// The key codes the program's handlers compare with (the Windows virtual keys).
int virtualKey(int qtKey) {
  if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return qtKey;
  if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return qtKey;
  switch (qtKey) {
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Tab: return 9;
    case Qt::Key_Return: case Qt::Key_Enter: return 13;
    case Qt::Key_Escape: return 27;
    case Qt::Key_Space: return 32;
    case Qt::Key_PageUp: return 33;
    case Qt::Key_PageDown: return 34;
    case Qt::Key_End: return 35;
    case Qt::Key_Home: return 36;
    case Qt::Key_Left: return 37;
    case Qt::Key_Up: return 38;
    case Qt::Key_Right: return 39;
    case Qt::Key_Down: return 40;
    case Qt::Key_Insert: return 45;
    case Qt::Key_Delete: return 46;
    default: return 0;
  }
}

// Runs a key-down handler; true when it cancelled the key (set it to 0).
bool keyDownCancels(const std::function<void(int&, int)>& handler, QKeyEvent* event) {
  if (!handler) return false;
  int code = virtualKey(event->key());
  if (code == 0) return false;
  handler(code, shiftState(event->modifiers()));
  return code == 0;
}
}  // namespace

namespace {
// Whether the focus moved between controls: not away to another window (a
// message box, another program) or a menu, nor back from one.
bool movesBetweenControls(const QFocusEvent* event) {
  return event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason;
}
}  // namespace

namespace {
// The program's one key filter, for every window:
// - An access key acts as AccessKeys.h says, whichever item the toolkit's
//   shortcuts chose (they take the items that share a key in turn).
// - A letter pressed in a menu bar reached from the keyboard lights the
//   item that carries it as AccessKeys.h says.
// - A key pressed with Alt (Ctrl and Shift or not) is a command: an access
//   key, a menu, a box's own key-down handler. A menu, open or reached from
//   the keyboard, takes it whole; any other control that it reaches (no
//   access key took it) is sent the same key without its character, with
//   its key code and shift state, so no text box, date box, note line, list
//   or grid, nor any input box, takes it as typing.
class KeyRules : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Shortcut && watched->isWidgetType()) {
      QWidget* window = static_cast<QWidget*>(watched)->window();
      if (const int key = accessKey(static_cast<QShortcutEvent*>(event)->key()); key && TakeAccessKey(window, key))
        return true;
    }
    if (event->type() == QEvent::KeyPress && qobject_cast<QMenuBar*>(watched)) {
      const auto* key = static_cast<QKeyEvent*>(event);
      const bool letter = key->text().size() == 1 && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
      if (letter && TakeMenuBarLetter(static_cast<QMenuBar*>(watched), key->key())) return true;
    }
    if (event->type() == QEvent::KeyPress && typesWithAlt(watched, static_cast<QKeyEvent*>(event))) {
      const auto* key = static_cast<QKeyEvent*>(event);
      QKeyEvent command(QEvent::KeyPress, key->key(), key->modifiers(), key->nativeScanCode(), key->nativeVirtualKey(),
                        key->nativeModifiers(), QString(), key->isAutoRepeat(), key->count(), key->device());
      QCoreApplication::sendEvent(watched, &command);
      event->accept();  // the key without its character went to the control and, unused, on to its window
      return true;
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  // The key of an access key (Alt with one key), else 0.
  static int accessKey(const QKeySequence& sequence) {
    if (sequence.count() != 1 || sequence[0].keyboardModifiers() != Qt::AltModifier) return 0;
    return sequence[0].key();
  }
  // A key with Alt and a character, bound for a control other than a menu.
  // A key reaching a window goes on to its focused control, and is looked
  // at there.
  static bool typesWithAlt(const QObject* watched, const QKeyEvent* key) {
    return (key->modifiers() & Qt::AltModifier) && !key->text().isEmpty() && watched->isWidgetType() &&
           !qobject_cast<const QMenu*>(watched) && !qobject_cast<const QMenuBar*>(watched);
  }
};

// Every window of the application, and every test, has the rule from the
// start.
void installKeyRules() {
  QCoreApplication* app = QCoreApplication::instance();
  app->installEventFilter(new KeyRules(app));
}
}  // namespace
Q_COREAPP_STARTUP_FUNCTION(installKeyRules)

void TextBox::keyPressEvent(QKeyEvent* event) {
  if (keyDownCancels(onKeyDown, event)) return;
  QString t = event->text();
  if (onKeyPress && t.size() == 1 && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
    std::string a = toAnsi(t);
    int key = static_cast<unsigned char>(a[0]);
    if (t[0] == QChar('\r')) key = 13;
    onKeyPress(key);
    if (key == 0) return;
    if (key != static_cast<unsigned char>(a[0])) {
      if (key == 8) {
        backspace();
      } else if (key >= 32) {
        insert(fromAnsi(std::string(1, static_cast<char>(key))));
      }
      return;
    }
  }
  QLineEdit::keyPressEvent(event);
}


MultiLineTextBox::MultiLineTextBox(QWidget* parent, const std::string& name) : QPlainTextEdit(parent) {
  setObjectName(QString::fromStdString(name));
}
std::string MultiLineTextBox::Text() const {
  std::string s = toAnsi(toPlainText());
  std::string out;
  for (char c : s) {
    if (c == '\n') out += "\r\n";
    else out.push_back(c);
  }
  return out;
}
void MultiLineTextBox::SetText(const std::string& text) {
  std::string s;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r') {
      s.push_back('\n');
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      s.push_back(text[i]);
    }
  }
  setPlainText(fromAnsi(s));
}
void MultiLineTextBox::keyPressEvent(QKeyEvent* event) {
  if (keyDownCancels(onKeyDown, event)) return;
  QPlainTextEdit::keyPressEvent(event);
}

MaskedDateBox::MaskedDateBox(QWidget* parent, const std::string& name) : EntryBox(parent) {
  setObjectName(QString::fromStdString(name));
  setInputMask("00/00/0000;_");
}
std::string MaskedDateBox::Text() const { return toAnsi(displayText()); }
void MaskedDateBox::SetText(const std::string& text) {
  if (text.empty() || text == "__/__/____") {
    setText(QString());
    return;
  }
  // Place the characters by position, so that "07/__/____" stays as it was.
  QString t = fromAnsi(text);
  setText(t);
}
void MaskedDateBox::TakeTypingFromStart() {
  if (Text() == "__/__/____")
    setCursorPosition(0);
  else
    selectAll();
}

void MaskedDateBox::mousePressEvent(QMouseEvent* event) {
  QLineEdit::mousePressEvent(event);
  const int firstBlank = static_cast<int>(displayText().indexOf(QLatin1Char('_')));
  if (firstBlank >= 0 && cursorPosition() > firstBlank && !hasSelectedText()) setCursorPosition(firstBlank);
}

void EntryBox::TakeTypingFromStart() {
  const qsizetype length = text().size();
  if (length > 0 && selectionStart() == 0 && selectionLength() == length && cursorPosition() == length) return;
  selectAll();
}

void EntryBox::SetFocus() {
  resumes_ = false;
  TakeTypingFromStart();  // now: a window not active sends no focus event
  setFocus(Qt::OtherFocusReason);
}

void EntryBox::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  const bool resumes = resumes_ && !movesBetweenControls(event);
  resumes_ = false;
  if (!resumes && event->reason() != Qt::MouseFocusReason) TakeTypingFromStart();
}

void EntryBox::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  resumes_ = !movesBetweenControls(event);
  if (onLostFocus && movesBetweenControls(event)) onLostFocus();
}

void EntryBox::showEvent(QShowEvent* event) {
  QLineEdit::showEvent(event);
  if (!event->spontaneous()) resumes_ = false;  // a window opening on the box
}

void SetFocusOn(QWidget* control) {
  if (auto* box = qobject_cast<EntryBox*>(control))
    box->SetFocus();
  else if (control)
    control->setFocus(Qt::OtherFocusReason);
}

ComboBox::ComboBox(QWidget* parent, const std::string& name, bool editable) : QComboBox(parent) {
  setObjectName(QString::fromStdString(name));
  setEditable(editable);
  // What is typed into an editable box is its text, never a new item of its
  // list: Enter does not add it.
  setInsertPolicy(QComboBox::NoInsert);
}
std::string ComboBox::Text() const { return toAnsi(currentText()); }
void ComboBox::SetText(const std::string& text) {
  if (isEditable()) {
    setEditText(fromAnsi(text));
  } else {
    int i = findText(fromAnsi(text));
    if (i >= 0) setCurrentIndex(i);
  }
}
std::string ComboBox::List(int i) const { return toAnsi(itemText(i)); }

OptionButton::OptionButton(QWidget* parent, const std::string& name, const std::string& caption)
    : QRadioButton(fromAnsi(caption), parent) {
  setObjectName(QString::fromStdString(name));
  setGroupTabStop();
  connect(this, &QAbstractButton::toggled, this, [this] { setGroupTabStop(); });
}

QList<OptionButton*> OptionButton::group() {
  if (!parentWidget()) return {this};
  return parentWidget()->findChildren<OptionButton*>(Qt::FindDirectChildrenOnly);
}

void OptionButton::setGroupTabStop() {
  const QList<OptionButton*> options = group();
  OptionButton* stop = options.front();
  for (OptionButton* o : options)
    if (o->isChecked()) stop = o;
  for (OptionButton* o : options) o->setFocusPolicy(o == stop ? Qt::StrongFocus : Qt::ClickFocus);
}

void OptionButton::keyPressEvent(QKeyEvent* event) {
  int step = 0;
  switch (event->key()) {
    case Qt::Key_Up: case Qt::Key_Left: step = -1; break;
    case Qt::Key_Down: case Qt::Key_Right: step = 1; break;
    default: QRadioButton::keyPressEvent(event); return;
  }
  const QList<OptionButton*> options = group();
  const int n = static_cast<int>(options.size());
  const int at = static_cast<int>(options.indexOf(this));
  for (int i = 1; i < n; ++i) {
    OptionButton* next = options[((at + step * i) % n + n) % n];
    if (!next->isEnabled() || next->isHidden()) continue;
    next->setFocus(step < 0 ? Qt::BacktabFocusReason : Qt::TabFocusReason);
    next->click();
    return;
  }
}

CheckBox::CheckBox(QWidget* parent, const std::string& name, const std::string& caption)
    : QCheckBox(fromAnsi(caption), parent) {
  setObjectName(QString::fromStdString(name));
}

Picture::Picture(QWidget* parent, const std::string& name) : QLabel(parent) {
  setObjectName(QString::fromStdString(name));
}
void Picture::SetPicture(const QImage& image) { setPixmap(QPixmap::fromImage(image)); }

Timer::Timer(QObject* parent, const std::string& name) : QObject(parent) {
  setObjectName(QString::fromStdString(name));
  timer_.setTimerType(Qt::PreciseTimer);
  connect(&timer_, &QTimer::timeout, this, [this] { Tick(); });
}
void Timer::SetInterval(int ms) {
  interval_ = ms;
  timer_.setInterval(ms);
  if (enabled_ && ms > 0) timer_.start();
}
void Timer::SetEnabled(bool on) {
  enabled_ = on;
  if (on && interval_ > 0)
    timer_.start(interval_);
  else
    timer_.stop();
}
void Timer::Tick() {
  if (enabled_ && onTimer) onTimer();
}

}  // namespace platform
