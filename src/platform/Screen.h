#pragma once
// The screen, the event pump and the mouse pointer.

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
};

class QtScreen : public Screen {
 public:
  double twipsPerPixel() override;
  TwipsRect size() override;
  TwipsRect workArea() override;
  void setHourglass(bool on) override;
  bool hourglass() const override { return hourglass_; }
  void doEvents() override;

 private:
  bool hourglass_ = false;
};

Screen& screen();

}  // namespace platform

// The calls the program's code makes.
void DoEvents();
void Hourglass(bool on);
