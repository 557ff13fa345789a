#include "platform/Services.h"

namespace platform {

Services& services() {
  static Services s;
  return s;
}

namespace {
template <class Real, class Iface>
Iface& pick(Iface* installed, std::unique_ptr<Real>& real) {
  if (installed) return *installed;
  if (!real) real = std::make_unique<Real>();
  return *real;
}
}  // namespace

Dialogs& Services::dialogs() { return pick(dialogs_, realDialogs_); }
Clock& Services::clock() { return pick(clock_, realClock_); }
Printer& Services::printer() { return pick(printer_, realPrinter_); }
Screen& Services::screen() { return pick(screen_, realScreen_); }
Help& Services::help() { return pick(help_, realHelp_); }
Registry& Services::registry() { return pick(registry_, realRegistry_); }
Launcher& Services::launcher() { return pick(launcher_, realLauncher_); }
WindowDriver& Services::windows() { return pick(windows_, realWindows_); }
ProcessEnd& Services::processEnd() { return pick(processEnd_, realProcessEnd_); }

}  // namespace platform
