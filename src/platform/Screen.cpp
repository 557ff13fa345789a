#include "platform/Screen.h"

#include <QApplication>
#include <QCursor>
#include <QEventLoop>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <thread>

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

namespace {

QMargins ownMargins(const QWidget& window) {
  const QRect frame = window.frameGeometry(), inside = window.geometry();
  return {inside.left() - frame.left(), inside.top() - frame.top(), frame.right() - inside.right(),
          frame.bottom() - inside.bottom()};
}

// The work area in pixels.
QRect availablePixels() {
  const TwipsRect area = screen().workArea();
  const double tpp = screen().twipsPerPixel();
  return QRect(static_cast<int>(area.left / tpp), static_cast<int>(area.top / tpp), static_cast<int>(area.width / tpp),
               static_cast<int>(area.height / tpp));
}

}  // namespace

QMargins FrameMargins(const QWidget& window) {
  if (window.isVisible() && !ownMargins(window).isNull()) return ownMargins(window);
  for (const QWidget* other : QApplication::topLevelWidgets())
    if (other != &window && other->isVisible() && !ownMargins(*other).isNull()) return ownMargins(*other);
  return {};
}

int TitleWidth(const QWidget& window) {
  const QString title = window.windowTitle();
  if (title.isEmpty()) return 0;
  QFont font = QFontDatabase::systemFont(QFontDatabase::TitleFont);
  font.setBold(true);
  constexpr int kIconAndButtons = 4;  // each about as wide as the title bar is high
  const int bar = window.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &window);
  const QMargins m = FrameMargins(window);
  const int room = availablePixels().width() - m.left() - m.right();
  return std::min(QFontMetrics(font).horizontalAdvance(title) + kIconAndButtons * bar, room);
}

void PlaceWindow(QWidget& window, QPoint frameTopLeft, QSize insideSize) {
  const QRect area = availablePixels();
  const QMargins m = FrameMargins(window);
  const QSize frame(std::min(insideSize.width() + m.left() + m.right(), area.width()),
                    std::min(insideSize.height() + m.top() + m.bottom(), area.height()));
  const int x = std::clamp(frameTopLeft.x(), area.left(), area.left() + area.width() - frame.width());
  const int y = std::clamp(frameTopLeft.y(), area.top(), area.top() + area.height() - frame.height());
  window.resize(frame.width() - m.left() - m.right(), frame.height() - m.top() - m.bottom());
  window.move(x, y);  // a window's position is its frame's
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

void QtScreen::waitForEvents(double seconds) {
  if (!qApp) return std::this_thread::sleep_for(std::chrono::duration<double>(std::max(seconds, 0.0)));
  if (seconds <= 0) return doEvents();
  // The timer's event ends the sleep when nothing else comes first; it goes
  // with the wait.
  QTimer deadline;
  deadline.setSingleShot(true);
  deadline.start(static_cast<int>(std::ceil(std::min(seconds, 86400.0) * 1000)));
  QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

}  // namespace platform

void DoEvents() { platform::screen().doEvents(); }
void Hourglass(bool on) { platform::screen().setHourglass(on); }
