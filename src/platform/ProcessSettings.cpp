#include "platform/ProcessSettings.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <malloc.h>

namespace platform {

void ApplyProcessSettings(QApplication& app) {
  app.setQuitOnLastWindowClosed(false);
  // The event loop waits for the user: a click has ended, or a window or box
  // it opened waits for the next one.
  QObject::connect(QAbstractEventDispatcher::instance(app.thread()), &QAbstractEventDispatcher::aboutToBlock, &app,
                   GiveBackFreedMemory);
}

void GiveBackFreedMemory() { malloc_trim(0); }

}  // namespace platform
