#pragma once
// Help, registry reads and starting another program.
#include <QMetaObject>
#include <QPointer>
#include <QWidget>
#include <optional>
#include <string>

namespace platform {

// The program's own help text, built into the program.
std::string ProgramHelpText();
// Whether a help file's bytes are text to show: something, and no control
// character but tab, line feed, form feed and carriage return (an old
// Windows help file is not).
bool IsHelpText(const std::string& bytes);

class Help {
 public:
  virtual ~Help() = default;
  // Shows the contents of a help file; where the file cannot be read or is
  // not text (IsHelpText), the program's own help text.
  virtual void showContents(const std::string& helpFile) = 0;
  // Closes the help window, if any.
  virtual void quit() = 0;
};

// The help file shown as text (or HTML) in a window of its own. The help
// window belongs to the program's top window (Form::TopForm) when it is
// shown, so the modal window it was asked from does not block it: it reads,
// scrolls and closes while that window stays open. When that window hides,
// the help window passes, still shown, to the top window left.
class QtHelp : public Help {
 public:
  ~QtHelp() override;
  void showContents(const std::string& helpFile) override;
  void quit() override;
  QWidget* Window() const { return window_; }  // none until first shown

 private:
  void BelongTo(QWidget* owner);
  QPointer<QWidget> window_;
  QMetaObject::Connection ownerHides_;
};

class Registry {
 public:
  virtual ~Registry() = default;
  // A value under a key of the local machine's settings; nothing when absent.
  virtual std::optional<std::string> read(const std::string& key, const std::string& valueName) = 0;
};

// This platform has no registry: every look-up finds nothing.
class NoRegistry : public Registry {
 public:
  std::optional<std::string> read(const std::string&, const std::string&) override { return std::nullopt; }
};

class Launcher {
 public:
  virtual ~Launcher() = default;
  // Starts a program and does not wait for it; false when it cannot start.
  virtual bool start(const std::string& program) = 0;
};

class ProcessLauncher : public Launcher {
 public:
  bool start(const std::string& program) override;
};

// Ends the program at once: no window event runs any more. Tests install one
// that records the end and returns, so the test goes on.
class ProcessEnd {
 public:
  virtual ~ProcessEnd() = default;
  virtual void endNow(int exitCode) = 0;
};

// Flushes the standard streams and ends the process without running window
// handlers or destructors; every data file is closed after each operation.
class ImmediateEnd : public ProcessEnd {
 public:
  [[noreturn]] void endNow(int exitCode) override;
};

}  // namespace platform
