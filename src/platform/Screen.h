#pragma once
// The screen, the event pump and the mouse pointer, and where a window goes
// on the screen.
#include <QMargins>
#include <QPoint>
#include <QSize>

class QWidget;

namespace platform {

struct TwipsRect {
  int left = 0, top = 0, width = 0, height = 0;
};

class Screen {
 public:
  virtual ~Screen() = default;
  virtual double twipsPerPixel() = 0;
  virtual TwipsRect size() = 0;      // the whole screen, in twips
  virtual TwipsRect workArea() = 0;  // the desktop work area (without panels), in twips
  // The hourglass pointer over the whole program, or the normal pointer.
  virtual void setHourglass(bool on) = 0;
  virtual bool hourglass() const = 0;
  // Lets waiting events run.
  virtual void doEvents() = 0;
  // Lets waiting events run; with none waiting, sleeps until one comes or
  // `seconds` have passed (no sleep for 0 or less).
  virtual void waitForEvents(double seconds) = 0;
};

class QtScreen : public Screen {
 public:
  double twipsPerPixel() override;
  TwipsRect size() override;
  TwipsRect workArea() override;
  void setHourglass(bool on) override;
  bool hourglass() const override { return hourglass_; }
  void doEvents() override;
  void waitForEvents(double seconds) override;

 private:
  bool hourglass_ = false;
};

Screen& screen();

// Places a top-level window by its frame (the title bar and borders the
// window manager draws round it): the frame's top left at `frameTopLeft`
// and the inside `insideSize`, in pixels, then moved, and narrowed where it
// must be, so that the whole frame lies on the available screen (the work
// area, without panels). Every window of the program is placed here.
void PlaceWindow(QWidget& window, QPoint frameTopLeft, QSize insideSize);
// The margins of a window's frame: its own once the window manager has
// framed it, else those of another framed window of the program, else none.
QMargins FrameMargins(const QWidget& window);
// The inside width, in pixels, that lets a window's frame show its whole
// title, as far as the work area allows: the title in the system's title
// font, bold as window managers draw it, and room for the frame's icon and
// three buttons. Every window and box of the program is at least this wide.
int TitleWidth(const QWidget& window);

}  // namespace platform

// The calls the program's code makes.
void DoEvents();
void Hourglass(bool on);
