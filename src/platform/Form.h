#pragma once
// A window of the program. Each window is a class derived from Form, named as
// the window (HogSow1, Tarlowe2, ...), with its controls as members and its
// event handlers as member functions (Form_Load, Accept_Click, ...).
//
// Life cycle, driven by this layer rather than by the toolkit's focus events:
//  - Load() runs Form_Load once; Show() loads first when needed.
//  - Show(vbModal) shows the window, runs Form_Activate, and returns when the
//    window has hidden or unloaded itself. The window that was active before
//    then runs its Form_Activate again.
//  - Show(vbModeless) shows the window and runs Form_Activate on its first show.
//  - Unload() asks Form_QueryUnload and Form_Unload, either of which may
//    cancel; the close box unloads with the reason vbFormControlMenu. A
//    window loaded and shown again starts with the focus on its first control.
//
// Keys: a window ignores Escape, so a stray Esc never drops what was typed,
// unless it cancels on Escape (CancelOnEscape: the few dialogs that have a
// cancelling button or ask one thing, such as the query and date dialogs and
// the about box). In such a window shown modally, Escape does what its close
// box does: Unload with vbFormControlMenu, which Form_QueryUnload and
// Form_Unload may cancel. Enter presses the focused command button and
// nothing else (a window has no default button).
#include <QDialog>
#include <QPointer>
#include <memory>
#include <string>

#include "platform/Screen.h"
#include "platform/VbConstants.h"

class QCloseEvent;

namespace platform {

class Form : public QDialog {
  Q_OBJECT
 public:
  explicit Form(const std::string& name, QWidget* parent = nullptr);
  ~Form() override;

  void Load();
  void Show(int style = vbModeless);
  void Hide();
  // Unloads the window for the given reason; false when a handler cancelled.
  bool Unload(int reason = vbFormCode);
  bool IsLoaded() const { return loaded_; }

  std::string Caption() const;
  void SetCaption(const std::string& caption);
  // Runs Form_Activate; the layer calls it, and tests may.
  void Activate();

  // Position and size in twips: the frame's top left and the inside's size,
  // placed wholly on the available screen (PlaceWindow), and the twips
  // SetBoundsTwips last gave.
  void SetBoundsTwips(int left, int top, int width, int height);
  TwipsRect BoundsTwips() const { return bounds_; }

  // The window that ran Form_Activate last and is still shown.
  static Form* ActiveForm();
  // The window whose Form_Load is running; nothing between loads.
  static Form* Loading();
  // The program's top window: the shown window that was shown or activated
  // last. Message and input boxes open over it.
  static Form* TopForm();

 signals:
  // The window hid or unloaded itself: a modal show ends.
  void modalEnded();

 protected:
  // Escape closes this window, shown modally, as its close box does.
  void CancelOnEscape() { cancelsOnEscape_ = true; }

  virtual void Form_Load() {}
  virtual void Form_Activate() {}
  virtual void Form_QueryUnload(int& /*cancel*/, int /*unloadMode*/) {}
  virtual void Form_Unload(int& /*cancel*/) {}

  bool event(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void reject() override {}  // only the close box's path closes a window
  void accept() override {}

 private:
  bool loaded_ = false;
  bool modal_ = false;
  bool activatedOnce_ = false;
  bool unloading_ = false;
  bool cancelsOnEscape_ = false;
  TwipsRect bounds_;
  // Where SetBoundsTwips put the window, by the frame it was placed by.
  QPoint placedAt_;
  QSize placedSize_;
  QMargins placedMargins_;
  bool framePending_ = false;  // placed before the window manager framed it
  void place();
  void putOnTop();
};

// Runs a modal window until it hides or unloads itself. Tests install a
// scripted driver (tests/support) that acts for the user instead.
class WindowDriver {
 public:
  virtual ~WindowDriver() = default;
  virtual void runModal(Form& form) = 0;
};

class QtWindowDriver : public WindowDriver {
 public:
  void runModal(Form& form) override;
};

// A window kept in a module-level value between uses (the main and start-up
// windows, a dialog kept between requests): made on first use, destroyed
// when reset. The toolkit may end the process itself (the display lost:
// "The X11 connection broke"), and the exit handlers then run after it has
// gone: a window still kept is left to the system, never destroyed.
template <class T>
class KeptWindow {
 public:
  constexpr KeptWindow() = default;
  KeptWindow(const KeptWindow&) = delete;
  KeptWindow& operator=(const KeptWindow&) = delete;
  ~KeptWindow() { (void)window_.release(); }

  T& get() {
    if (!window_) window_ = std::make_unique<T>();
    return *window_;
  }
  bool exists() const { return window_ != nullptr; }
  void reset() { window_.reset(); }

 private:
  std::unique_ptr<T> window_;
};

}  // namespace platform
