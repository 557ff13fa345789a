#include "bench/PeakMemory.h"

#include <QApplication>
#include <QProcess>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

#include "bench/ProgramStart.h"
#include "common/HogGlobals.h"
#include "platform/Form.h"

namespace {

// The memory the process holds by /proc/self/status: `field` "VmRSS" (now)
// or "VmHWM" (the most since the last resetPeakMemory), in kB; -1 when it
// cannot be read.
long statusKb(const char* field) {
  std::FILE* status = std::fopen("/proc/self/status", "r");
  if (!status) return -1;
  const std::string name = std::string(field) + ":";
  char line[256];
  long kb = -1;
  while (kb < 0 && std::fgets(line, sizeof line, status))
    if (std::strncmp(line, name.c_str(), name.size()) == 0) kb = std::atol(line + name.size());
  std::fclose(status);
  return kb;
}

// Makes VmHWM what is resident now (/proc/self/clear_refs); false when the
// system does not let it, and the peak of a click cannot be told.
bool resetPeakMemory() {
  const int fd = ::open("/proc/self/clear_refs", O_WRONLY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool reset = ::write(fd, "5", 1) == 1;
  ::close(fd);
  return reset && statusKb("VmHWM") >= 0;
}

long g_startKb = -1;

}  // namespace

void NoteStartMemory() { g_startKb = statusKb("VmRSS"); }

double StartMemoryMb() { return g_startKb < 0 ? -1 : static_cast<double>(g_startKb) / 1024; }

std::optional<double> PeakInOwnProcess(const std::string& name) {
  QProcess run;
  run.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  run.start(QApplication::applicationFilePath(),
            {"--peak", QString::fromStdString(DataFolder), QString::fromStdString(name)});
  if (!run.waitForFinished(300000)) {
    run.kill();
    run.waitForFinished();
    return std::nullopt;
  }
  if (run.exitStatus() != QProcess::NormalExit || run.exitCode() != 0) return std::nullopt;
  const std::string out = run.readAllStandardOutput().toStdString();
  long kb = 0;
  if (out == "peak -\n") return -1;
  if (std::sscanf(out.c_str(), "peak %ld", &kb) == 1) return static_cast<double>(kb) / 1024;
  return std::nullopt;
}

int ReportPeak(std::vector<Operation>& ops, const std::string& name, BenchDialogs& dialogs, BenchWindows& windows) {
  const auto op = std::find_if(ops.begin(), ops.end(), [&name](const Operation& o) { return o.name == name; });
  if (op == ops.end()) {
    std::fprintf(stderr, "no operation \"%s\"\n", name.c_str());
    return 1;
  }
  dialogs.expected = op->boxes;
  dialogs.typed = op->typed;
  windows.scripts = op->windows;
  WaitForTheNextClick();
  const long madeKb = statusKb("VmRSS");
  if (op->before) op->before();
  // The windows `before` loaded are shown as they stand, as the user sees
  // them before the click (their activation, which `before` stood in for,
  // is not run again).
  for (QWidget* window : QApplication::topLevelWidgets())
    if (auto* form = dynamic_cast<platform::Form*>(window); form && form->IsLoaded() && !form->isVisible())
      form->QWidget::show();
  WaitForTheNextClick();
  const bool told = resetPeakMemory();
  Laps laps;
  if (op->lapped) op->lapped(laps);
  else op->run();
  WaitForTheNextClick();
  const long peakKb = statusKb("VmHWM");
  if (op->after) op->after();
  if (dialogs.unexpected > 0 || windows.unexpected > 0) {
    std::fprintf(stderr, "\"%s\" run on its own showed what it does not expect\n", name.c_str());
    return 1;
  }
  if (!told || g_startKb < 0 || madeKb < 0 || peakKb < 0) std::printf("peak -\n");
  else std::printf("peak %ld\n", g_startKb + peakKb - madeKb);
  return 0;
}
