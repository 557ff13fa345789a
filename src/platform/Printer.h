#pragma once
// The printer, in the terms the printing code is written in: a current
// position, a current font, lines of text, rules, pictures, pages and
// documents, measured in twips (1/1440 inch) from the top left corner of the
// printable area.
//
// A document begins with the first output after the previous end of
// document, gains a page at each new page, and ends at end of document; a new
// page that nothing follows before the end adds no blank page. When the
// device fails, failed() says so and the rest of the document is dropped.
// The end of a document, or its dropping, closes its measuring too: the
// next document looks its page up afresh.
#include <QImage>
#include <QPageLayout>
#include <QSizeF>
#include <memory>
#include <string>
#include <string_view>

#include "platform/PrintSystem.h"

namespace platform {

struct PrinterFont {
  std::string name = "Courier New";
  double size = 10;
  bool bold = false;
  bool italic = false;
};

class Printer {
 public:
  virtual ~Printer() = default;

  // Device paper source (1, 3, 4, 5, 6 or 256) and orientation (1 portrait,
  // 2 landscape); both apply from the page that begins next.
  void setPaperBin(int deviceBin) { paperBin_ = deviceBin; binChanged(deviceBin); }
  void setOrientation(int code) { orientation_ = code; }
  int paperBin() const { return paperBin_; }
  int orientation() const { return orientation_; }
  // The measuring unit is always twips; kept for callers that set it.
  void setScaleTwips() {}

  double currentX() const { return x_; }
  double currentY() const { return y_; }
  void setCurrentX(double x) { x_ = x; }
  void setCurrentY(double y) { y_ = y; }

  void setFontName(const std::string& name) { font_.name = name; }
  void setFontSize(double points) { font_.size = points; }
  void setFontBold(bool bold) { font_.bold = bold; }
  void setFontItalic(bool italic) { font_.italic = italic; }
  const PrinterFont& font() const { return font_; }

  double textWidth(const std::string& text) { return measureWidth(font_, text); }
  double textHeight(const std::string& text = "Ag") { return measureHeight(font_, text); }

  // Prints text at the current position (top left corner). With `newLine` the
  // position then moves to x = 0, y = y + the text height; without, to the
  // end of the text on the same line.
  void print(const std::string& text, bool newLine = true);
  // Prints text with its top left corner at (x, y), leaving the current
  // position where it was: a listing's body line, one call a line. A text
  // held elsewhere than in a std::string is copied into a buffer the printer
  // keeps from line to line.
  void printAt(double x, double y, const std::string& text) {
    if (ensurePage()) drawText(x, y, text);
  }
  void printAt(double x, double y, std::string_view text);
  void setDrawWidth(int pixels) { drawWidth_ = pixels; }
  int drawWidth() const { return drawWidth_; }
  // A solid black line; the current position becomes (x2, y2).
  void line(double x1, double y1, double x2, double y2);
  // A picture with its top left corner at (x, y), scaled to w x h twips (the
  // picture's own size at 96 dots per inch where w or h is 0).
  void paintPicture(const QImage& picture, double x, double y, double w = 0, double h = 0);

  virtual double scaleWidth() = 0;   // printable width
  virtual double scaleHeight() = 0;  // printable height
  int page() const { return page_; }
  void newPage();
  void endDoc();
  // Drops the document under way without printing it.
  void killDoc();

  bool failed() const { return !failure_.empty(); }
  // What failed, as the printer error box shows it: the printer's own words
  // in capitals, the names, paths and the print system's words it quotes as
  // they are.
  const std::string& failure() const { return failure_; }
  void clearFailure() { failure_.clear(); }

  // The title the document's print job is named after; set before its first
  // output, it lasts until its end.
  void setTitle(const std::string& title) { title_ = title; }
  const std::string& title() const { return title_; }
  // What to tell the farmer of the last document, though it did not fail
  // (the file it went to instead of a printer, the paused queue that holds
  // it); empty when nothing.
  const std::string& notice() const { return notice_; }
  void clearNotice() { notice_.clear(); }

 protected:
  virtual double measureWidth(const PrinterFont& font, const std::string& text) = 0;
  virtual double measureHeight(const PrinterFont& font, const std::string& text) = 0;
  // Device hooks. beginDocument and beginPage answer false on a failure.
  virtual bool beginDocument() = 0;
  virtual bool beginPage() = 0;  // every page after the first
  virtual void drawText(double x, double y, const std::string& text) = 0;
  virtual void drawLine(double x1, double y1, double x2, double y2) = 0;
  virtual void drawPicture(const QImage& picture, double x, double y, double w, double h) = 0;
  virtual bool finishDocument() = 0;
  virtual void abortDocument() = 0;
  // After the end or the dropping of a document, or of the measuring before
  // one that never began.
  virtual void documentClosed() {}
  virtual void binChanged(int) {}
  void setFailure(const std::string& why) { failure_ = why; }
  void setNotice(const std::string& what) { notice_ = what; }

 private:
  // Opens the document or the pending page before output; false once the
  // document failed. Inline for the output that follows on an open page.
  bool ensurePage() { return inDocument_ && !pagePending_ ? failure_.empty() : openPage(); }
  bool openPage();
  // Ends the document's state, whether it printed or not.
  void closeDocument();

  double x_ = 0, y_ = 0;
  PrinterFont font_;
  int drawWidth_ = 1;
  int paperBin_ = 1;
  int orientation_ = 1;
  int page_ = 1;
  bool inDocument_ = false;
  bool pagePending_ = false;
  std::string failure_;
  std::string title_;
  std::string notice_;
  std::string line_;  // the last text printAt copied
};

// The real printer. A document is drawn on the page size of the system's
// default queue into a temporary PDF file, then handed to that queue as a job
// named after its title; a refusal is its failure, with the print system's
// reason. Each page is drawn inside the printable area the queue describes
// (turned with the page either way across), elsewhere inside the PDF's own
// margin. Where no printer can be reached the document is a PDF file in the
// print folder, and its notice says where; with pdfFolder it always goes to a
// file there, without a notice. The paper bin is not passed on: a job is one
// PDF file. `system` (not owned) is CUPS when not given.
class QtPrinter : public Printer {
 public:
  explicit QtPrinter(std::string pdfFolder = "", PrintSystem* system = nullptr);
  QtPrinter(const QtPrinter&) = delete;
  QtPrinter& operator=(const QtPrinter&) = delete;
  ~QtPrinter() override;
  double scaleWidth() override;
  double scaleHeight() override;
  // The PDF file the last document went to; empty when it went to a printer.
  const std::string& lastPdf() const { return lastPdf_; }

 protected:
  double measureWidth(const PrinterFont& font, const std::string& text) override;
  double measureHeight(const PrinterFont& font, const std::string& text) override;
  bool beginDocument() override;
  bool beginPage() override;
  void drawText(double x, double y, const std::string& text) override;
  void drawLine(double x1, double y1, double x2, double y2) override;
  void drawPicture(const QImage& picture, double x, double y, double w, double h) override;
  bool finishDocument() override;
  void abortDocument() override;
  void documentClosed() override;

 private:
  void prepare();
  QPageLayout pageToCome();
  QSizeF printableTwips();
  struct Impl;
  std::unique_ptr<Impl> d_;
  std::string pdfFolder_;
  PrintSystem* system_;
  std::string lastPdf_;
};

}  // namespace platform
