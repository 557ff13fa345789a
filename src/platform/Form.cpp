#include "platform/Form.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QProxyStyle>
#include <QScreen>
#include <QStyleFactory>
#include <algorithm>
#include <map>
#include <utility>
#include <vector>

#include "platform/Ansi.h"
#include "platform/Screen.h"
#include "platform/Services.h"

namespace platform {
namespace {
QPointer<Form> g_active;
Form* g_loading = nullptr;
// The windows in the order they were last shown or activated, the latest last.
std::vector<Form*> g_shownOrder;

// The application's style, with the icons it reads from image files made
// once: every menu bar asks for the icon of its extension button as it is
// built, which would otherwise read and decode the image again per window.
class IconKeepingStyle : public QProxyStyle {
 public:
  using QProxyStyle::QProxyStyle;

  QIcon standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const override {
    // With an option the icon may depend on the widget's state: made each time.
    if (option) return QProxyStyle::standardIcon(icon, option, widget);
    const std::pair key(icon, QGuiApplication::isRightToLeft());
    auto kept = icons_.find(key);
    if (kept == icons_.end()) kept = icons_.emplace(key, QProxyStyle::standardIcon(icon, nullptr, widget)).first;
    return kept->second;
  }

 private:
  mutable std::map<std::pair<StandardPixmap, bool>, QIcon> icons_;
};

// Puts the style in place once per application, before its first window.
void keepStyleIcons() {
  QStyle* style = QApplication::style();
  if (!style || dynamic_cast<IconKeepingStyle*>(style)) return;
  QApplication::setStyle(new IconKeepingStyle(QStyleFactory::create(style->name())));
}

// The screen the window lies on, told to the window: every control made in
// it asks for the screen (for its font's resolution), which the toolkit would
// otherwise look for by the window's place, control by control.
void settleScreen(Form& window) {
  QScreen* screen = QGuiApplication::screenAt(window.geometry().center());
  window.setScreen(screen ? screen : QGuiApplication::primaryScreen());
}

}  // namespace

Form::Form(const std::string& name, QWidget* parent) : QDialog(parent) {
  keepStyleIcons();
  settleScreen(*this);
  setObjectName(QString::fromStdString(name));
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

Form::~Form() {
  if (g_loading == this) g_loading = nullptr;
  if (g_active == this) g_active = nullptr;
  std::erase(g_shownOrder, this);
}

Form* Form::ActiveForm() {
  if (g_active && g_active->loaded_ && g_active->isVisible()) return g_active;
  return nullptr;
}

Form* Form::TopForm() {
  for (auto it = g_shownOrder.rbegin(); it != g_shownOrder.rend(); ++it)
    if ((*it)->loaded_ && (*it)->isVisible()) return *it;
  return nullptr;
}

void Form::putOnTop() {
  std::erase(g_shownOrder, this);
  g_shownOrder.push_back(this);
}

Form* Form::Loading() { return g_loading; }

void Form::Load() {
  if (loaded_) return;
  loaded_ = true;
  activatedOnce_ = false;
  Form* const outer = g_loading;  // a window may load another as it loads
  g_loading = this;
  Form_Load();
  g_loading = outer;
}

void Form::Activate() {
  if (!loaded_) return;
  g_active = this;
  putOnTop();
  Form_Activate();
}

void Form::Show(int style) {
  Load();
  if (!loaded_) return;  // the load unloaded the window
  if (style != vbModal) {
    bool first = !isVisible() || !activatedOnce_;
    QDialog::show();
    raise();
    putOnTop();
    if (first) {
      activatedOnce_ = true;
      Activate();
    }
    return;
  }
  QPointer<Form> opener = ActiveForm();
  if (opener == this) opener = nullptr;
  modal_ = true;
  setWindowModality(Qt::ApplicationModal);
  QDialog::show();
  activatedOnce_ = true;
  Activate();
  if (loaded_ && isVisible()) services().windows().runModal(*this);
  modal_ = false;
  if (isVisible()) QDialog::hide();
  setWindowModality(Qt::NonModal);
  if (opener && opener->loaded_ && opener->isVisible()) opener->Activate();
}

void Form::Hide() {
  QDialog::hide();
  if (g_active == this) g_active = nullptr;
  emit modalEnded();
}

bool Form::Unload(int reason) {
  if (!loaded_ || unloading_) return !loaded_;
  unloading_ = true;
  int cancel = 0;
  Form_QueryUnload(cancel, reason);
  if (cancel == 0) Form_Unload(cancel);
  unloading_ = false;
  if (cancel != 0) return false;
  loaded_ = false;
  QDialog::hide();
  // A window loaded again starts afresh, its focus on the first control.
  if (QWidget* focused = focusWidget()) focused->clearFocus();
  if (g_active == this) g_active = nullptr;
  emit modalEnded();
  return true;
}

void Form::closeEvent(QCloseEvent* event) {
  event->ignore();
  Unload(vbFormControlMenu);
}

void Form::keyPressEvent(QKeyEvent* event) {
  // An Enter that no control took presses no default button.
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) return;
  if (event->matches(QKeySequence::Cancel)) {
    if (modal_ && cancelsOnEscape_) close();  // as the close box
    return;
  }
  QDialog::keyPressEvent(event);
}

std::string Form::Caption() const { return toAnsi(windowTitle()); }

void Form::SetCaption(const std::string& caption) {
  setWindowTitle(fromAnsi(caption));
  // A placed window widens where it stands for a longer title.
  if (!placedSize_.isEmpty() && width() < TitleWidth(*this)) PlaceWindow(*this, pos(), {TitleWidth(*this), height()});
}

void Form::SetBoundsTwips(int left, int top, int width, int height) {
  bounds_ = TwipsRect{left, top, width, height};
  double tpp = platform::screen().twipsPerPixel();
  placedAt_ = QPoint(static_cast<int>(left / tpp), static_cast<int>(top / tpp));
  placedSize_ = QSize(static_cast<int>(width / tpp), static_cast<int>(height / tpp));
  place();
  if (!isVisible()) settleScreen(*this);
}

void Form::place() {
  placedMargins_ = FrameMargins(*this);
  framePending_ = !isVisible() || frameGeometry() == geometry();
  PlaceWindow(*this, placedAt_, {std::max(placedSize_.width(), TitleWidth(*this)), placedSize_.height()});
}

bool Form::event(QEvent* event) {
  // The window manager frames a window once it is shown, perhaps otherwise
  // than the frame it was placed by: it is placed again by its own frame.
  if (framePending_ && (event->type() == QEvent::Move || event->type() == QEvent::Resize) && isVisible() &&
      frameGeometry() != geometry()) {
    framePending_ = false;
    if (FrameMargins(*this) != placedMargins_) place();
  }
  return QDialog::event(event);
}

void QtWindowDriver::runModal(Form& form) {
  QEventLoop loop;
  QObject::connect(&form, &Form::modalEnded, &loop, &QEventLoop::quit);
  if (form.IsLoaded() && form.isVisible()) loop.exec(QEventLoop::DialogExec);
}

}  // namespace platform
