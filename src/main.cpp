#include <QApplication>

#include "shell/Main.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  // The program ends only through its own end (EndProgram), never because a
  // window closed.
  app.setQuitOnLastWindowClosed(false);
  Main();
  return app.exec();
}
