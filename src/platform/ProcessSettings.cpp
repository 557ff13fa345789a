#include "platform/ProcessSettings.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <cstdio>
#include <malloc.h>
#include <unistd.h>

namespace platform {

namespace {

// What the process holds resident now, in kB; -1 when it cannot be read.
long residentKb() {
  std::FILE* statm = std::fopen("/proc/self/statm", "r");
  if (!statm) return -1;
  long size = 0, pages = -1;
  if (std::fscanf(statm, "%ld %ld", &size, &pages) != 2) pages = -1;
  std::fclose(statm);
  return pages < 0 ? -1 : pages * (sysconf(_SC_PAGESIZE) / 1024);
}

// What the process holds resident beyond what the program holds allocated,
// in kB: its code and libraries, the windows' images, and the pages the C
// library holds free; -1 when it cannot be read.
long residentNotAllocatedKb() {
  const long resident = residentKb();
  if (resident < 0) return -1;
  const struct mallinfo2 heap = mallinfo2();
  return resident - static_cast<long>((heap.uordblks + heap.hblkhd) / 1024);
}

// residentNotAllocatedKb() as the memory last went back to the system.
long g_afterGiveBack = -1;

}  // namespace

void ApplyProcessSettings(QApplication& app) {
  app.setQuitOnLastWindowClosed(false);
  QObject::connect(QAbstractEventDispatcher::instance(app.thread()), &QAbstractEventDispatcher::aboutToBlock, &app,
                   EventLoopWaits);
}

void EventLoopWaits() {
  const long kept = residentNotAllocatedKb();
  if (kept < 0 || g_afterGiveBack < 0 || kept - g_afterGiveBack >= kKeptFreeKb) GiveBackFreedMemory();
}

void GiveBackFreedMemory() {
  malloc_trim(0);
  g_afterGiveBack = residentNotAllocatedKb();
}

}  // namespace platform
