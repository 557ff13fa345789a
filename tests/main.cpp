// The tests' entry point: a headless application for the window tests.
#include <QApplication>
#include <clocale>
#include <cstdlib>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  // The system's error texts, which the boxes quote, in the one language the
  // tests compare them in, whatever the user's; numbers and dates keep the
  // user's locale.
  std::setlocale(LC_MESSAGES, "C");
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
