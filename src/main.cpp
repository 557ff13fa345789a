#include <QApplication>

#include "platform/ProcessSettings.h"
#include "shell/Main.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  platform::ApplyProcessSettings(app);
  Main();
  return app.exec();
}
