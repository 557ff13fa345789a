#include "platform/Controls.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QShortcutEvent>
#include <QShowEvent>
#include <algorithm>
#include <map>
#include <unordered_map>

#include "platform/Ansi.h"
#include "platform/Screen.h"

namespace platform {

namespace {
// The twips each placed widget was last given. Kept beside the widgets rather
// than as their properties (a property costs a look-up by name and an event,
// four of them per control of every window), and each entry watches its
// widget through a guarded pointer rather than a connection to the widget's
// end, which would cost more than placing it: an entry whose widget has gone
// reads as none, and such entries are swept out as the table doubles.
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

// The installed family of a kind, looked up once per run: asking the font
// database costs more than building a window.
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
bool CommandButton::event(QEvent* event) {
  if (event->type() == QEvent::Shortcut && !static_cast<QShortcutEvent*>(event)->isAmbiguous() && isEnabled() &&
      isVisible()) {
    setFocus(Qt::ShortcutFocusReason);
    Press();
    return true;
  }
  return QPushButton::event(event);
}

Label::Label(QWidget* parent, const std::string& name, const std::string& caption)
    : QWidget(parent), text_(fromAnsi(caption)) {
  setObjectName(QString::fromStdString(name));
}
std::string Label::Caption() const { return toAnsi(text_); }
void Label::SetCaption(const std::string& caption) { setText(fromAnsi(caption)); }

void Label::setText(const QString& text) {
  if (text == text_) return;
  text_ = text;
  update(contentsRect());
  if (QAccessible::isActive() && accessibleName().isEmpty()) {
    QAccessibleEvent event(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
  }
}

void Label::setAlignment(Qt::Alignment alignment) {
  const int mask = Qt::AlignHorizontal_Mask | Qt::AlignVertical_Mask;
  const int align = (align_ & ~mask) | (static_cast<int>(alignment) & mask);
  if (align == align_) return;
  align_ = align;
  update(contentsRect());
}

void Label::setWordWrap(bool on) {
  const int align = on ? align_ | Qt::TextWordWrap : align_ & ~Qt::TextWordWrap;
  if (align == align_) return;
  align_ = align;
  update(contentsRect());
}

void Label::setFrameStyle(int style) {
  frameStyle_ = style;
  update();
  updateFrameWidth();
}

QStyleOptionFrame Label::frameOption() const {
  QStyleOptionFrame option;
  option.initFrom(this);
  option.frameShape = frameShape();
  switch (frameShape()) {
    case QFrame::Box: case QFrame::HLine: case QFrame::VLine: case QFrame::StyledPanel: case QFrame::Panel:
      option.lineWidth = 1;
      option.midLineWidth = 0;
      break;
    default:  // drawn as wide as the style makes them
      option.lineWidth = frameWidth_;
      break;
  }
  if (frameShadow() == QFrame::Sunken) option.state |= QStyle::State_Sunken;
  else if (frameShadow() == QFrame::Raised) option.state |= QStyle::State_Raised;
  return option;
}

// The style tells how wide the frame is; the text keeps inside it.
void Label::updateFrameWidth() {
  const QStyleOptionFrame option = frameOption();
  const QRect inside = style()->subElementRect(QStyle::SE_ShapedFrameContents, &option, this);
  const QMargins frame(inside.left() - option.rect.left(), inside.top() - option.rect.top(),
                       option.rect.right() - inside.right(), option.rect.bottom() - inside.bottom());
  frameWidth_ = std::max({frame.left(), frame.top(), frame.right(), frame.bottom()});
  setContentsMargins(frame);
}

void Label::changeEvent(QEvent* event) {
  if (event->type() == QEvent::StyleChange && frameShape() != QFrame::NoFrame) updateFrameWidth();
  QWidget::changeEvent(event);
}

QRect Label::textRect(Qt::Alignment align) const {
  QRect r = contentsRect();
  if (frameWidth_ == 0) return r;
  const int indent = fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2;
  if (align & Qt::AlignLeft) r.setLeft(r.left() + indent);
  if (align & Qt::AlignRight) r.setRight(r.right() - indent);
  if (align & Qt::AlignTop) r.setTop(r.top() + indent);
  if (align & Qt::AlignBottom) r.setBottom(r.bottom() - indent);
  return r;
}

void Label::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (frameShape() != QFrame::NoFrame) {
    const QStyleOptionFrame frame = frameOption();
    style()->drawControl(QStyle::CE_ShapedFrame, &frame, &painter, this);
  }
  if (text_.isEmpty()) return;
  QStyleOption option;
  option.initFrom(this);
  // The program's text is never written right to left.
  const Qt::Alignment align = QStyle::visualAlignment(Qt::LeftToRight, Qt::Alignment(align_));
  style()->drawItemText(&painter, textRect(align), static_cast<int>(align) | Qt::TextForceLeftToRight, option.palette,
                        isEnabled(), text_, foregroundRole());
}

namespace {
// What an assistive tool reads of a caption: static text named by it, as of
// a label. Made only when a tool asks.
class LabelAccessible : public QAccessibleWidget {
 public:
  explicit LabelAccessible(Label* label) : QAccessibleWidget(label, QAccessible::StaticText) {}
  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) return static_cast<Label*>(widget())->text();
    return QAccessibleWidget::text(t);
  }
};

QAccessibleInterface* labelAccessible(const QString& className, QObject* object) {
  if (className != QLatin1String(Label::staticMetaObject.className())) return nullptr;
  auto* label = qobject_cast<Label*>(object);
  return label ? new LabelAccessible(label) : nullptr;
}

void installLabelAccessible() { QAccessible::installFactory(labelAccessible); }
}  // namespace
Q_COREAPP_STARTUP_FUNCTION(installLabelAccessible)

TextBox::TextBox(QWidget* parent, const std::string& name) : EntryBox(parent) {
  setObjectName(QString::fromStdString(name));
  connect(this, &QLineEdit::textChanged, this, [this] {
    if (onChange) onChange();
  });
}
std::string TextBox::Text() const { return toAnsi(text()); }
void TextBox::SetText(const std::string& t) { setText(fromAnsi(t)); }
void TextBox::SetMaxLength(int chars) { setMaxLength(chars > 0 ? chars : 32767); }

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
// The character a key event carries, which the event keeps to itself.
struct KeyCharacter : QKeyEvent {
  static void Remove(QKeyEvent& key) { key.*(&KeyCharacter::m_text) = QString(); }
};

// A key pressed with Alt (Ctrl and Shift or not) is a command: an access
// key, a menu, a box's own key-down handler. It reaches the control with its
// key code and shift state but without its character, so no text box, date
// box, note line, list or grid, nor any input box, takes it as typing.
class AltTypesNothing : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::KeyPress) {
      auto* key = static_cast<QKeyEvent*>(event);
      if ((key->modifiers() & Qt::AltModifier) && !key->text().isEmpty()) KeyCharacter::Remove(*key);
    }
    return QObject::eventFilter(watched, event);
  }
};

// Every window of the application, and every test, has the rule from the
// start.
void installAltTypesNothing() {
  QCoreApplication* app = QCoreApplication::instance();
  app->installEventFilter(new AltTypesNothing(app));
}
}  // namespace
Q_COREAPP_STARTUP_FUNCTION(installAltTypesNothing)

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
void Picture::SetPicture(const QImage& image) {
  image_ = image;
  setPixmap(QPixmap::fromImage(image));
}

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
