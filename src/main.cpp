#include <malloc.h>

#include <QApplication>

#include "shell/Main.h"

int main(int argc, char** argv) {
  // A block of 128 KB or more is mapped on its own and goes back to the
  // system when freed. Left to itself, the C library raises that bound to the
  // largest block freed so far (the 16 MB buffers a PDF printout compresses
  // its pages through), and from then on keeps every block below it, once
  // freed, for the rest of the run.
  mallopt(M_MMAP_THRESHOLD, 128 * 1024);
  QApplication app(argc, argv);
  // The program ends only through its own end (EndProgram), never because a
  // window closed.
  app.setQuitOnLastWindowClosed(false);
  Main();
  return app.exec();
}
