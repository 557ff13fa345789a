#include "platform/Screen.h"

#include <QApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QScreen>

#include "platform/Services.h"

namespace platform {

Screen& screen() { return services().screen(); }

double QtScreen::twipsPerPixel() {
  QScreen* s = QGuiApplication::primaryScreen();
  double dpi = s ? s->logicalDotsPerInch() : 96.0;
  if (dpi <= 0) dpi = 96.0;
  return 1440.0 / dpi;
}

namespace {
TwipsRect toTwips(const QRect& r, double tpp) {
  return TwipsRect{static_cast<int>(r.left() * tpp), static_cast<int>(r.top() * tpp),
                   static_cast<int>(r.width() * tpp), static_cast<int>(r.height() * tpp)};
}
}  // namespace

TwipsRect QtScreen::size() {
  QScreen* s = QGuiApplication::primaryScreen();
  return s ? toTwips(s->geometry(), twipsPerPixel()) : TwipsRect{0, 0, 1024 * 15, 768 * 15};
}

TwipsRect QtScreen::workArea() {
  QScreen* s = QGuiApplication::primaryScreen();
  return s ? toTwips(s->availableGeometry(), twipsPerPixel()) : TwipsRect{0, 0, 1024 * 15, 728 * 15};
}

void QtScreen::setHourglass(bool on) {
  if (on == hourglass_) return;
  hourglass_ = on;
  if (!qApp) return;
  if (on)
    QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
  else
    QApplication::restoreOverrideCursor();
}

void QtScreen::doEvents() {
  if (qApp) QCoreApplication::processEvents();
}

}  // namespace platform

void DoEvents() { platform::screen().doEvents(); }
void Hourglass(bool on) { platform::screen().setHourglass(on); }
