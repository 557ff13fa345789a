#pragma once
// The platform services the program uses, each replaceable: tests install
// doubles (scripted boxes, a set clock, a recording printer, a scripted window
// driver) and restore the real ones afterwards. A service not installed is the
// real one, made on first use.
#include <QImage>
#include <memory>

#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/Form.h"
#include "platform/Printer.h"
#include "platform/Screen.h"
#include "platform/System.h"

namespace platform {

class Services {
 public:
  Dialogs& dialogs();
  Clock& clock();
  Printer& printer();
  Screen& screen();
  Help& help();
  Registry& registry();
  Launcher& launcher();
  WindowDriver& windows();
  ProcessEnd& processEnd();

  // Install a service (not owned); nullptr returns to the real one.
  void setDialogs(Dialogs* d) { dialogs_ = d; }
  void setClock(Clock* c) { clock_ = c; }
  void setPrinter(Printer* p) { printer_ = p; }
  void setScreen(Screen* s) { screen_ = s; }
  void setHelp(Help* h) { help_ = h; }
  void setRegistry(Registry* r) { registry_ = r; }
  void setLauncher(Launcher* l) { launcher_ = l; }
  void setWindows(WindowDriver* w) { windows_ = w; }
  void setProcessEnd(ProcessEnd* e) { processEnd_ = e; }

  // The picture a chart copied for printing (the clipboard of the charts).
  QImage clipboardPicture;

 private:
  Dialogs* dialogs_ = nullptr;
  Clock* clock_ = nullptr;
  Printer* printer_ = nullptr;
  Screen* screen_ = nullptr;
  Help* help_ = nullptr;
  Registry* registry_ = nullptr;
  Launcher* launcher_ = nullptr;
  WindowDriver* windows_ = nullptr;
  ProcessEnd* processEnd_ = nullptr;

  std::unique_ptr<QtDialogs> realDialogs_;
  std::unique_ptr<SystemClock> realClock_;
  std::unique_ptr<QtPrinter> realPrinter_;
  std::unique_ptr<QtScreen> realScreen_;
  std::unique_ptr<QtHelp> realHelp_;
  std::unique_ptr<NoRegistry> realRegistry_;
  std::unique_ptr<ProcessLauncher> realLauncher_;
  std::unique_ptr<QtWindowDriver> realWindows_;
  std::unique_ptr<ImmediateEnd> realProcessEnd_;
};

Services& services();

}  // namespace platform
