#include "platform/Printer.h"

#include <algorithm>

namespace platform {

bool Printer::openPage() {
  if (!inDocument_) {
    failure_.clear();  // a new document starts afresh
    notice_.clear();
    // A document that could not begin is under way all the same, failed:
    // what follows it is dropped until its end.
    inDocument_ = true;
    pagePending_ = false;
    if (!beginDocument()) {
      if (!failed()) setFailure("THE PRINTER COULD NOT START THE DOCUMENT");
      return false;
    }
    return true;
  }
  if (failed()) return false;
  if (pagePending_) {
    pagePending_ = false;
    if (!beginPage()) {
      if (!failed()) setFailure("THE PRINTER COULD NOT START A NEW PAGE");
      return false;
    }
  }
  return true;
}

namespace {
const std::string kAnyLine = "Ag";  // the height of an empty line
}  // namespace

void Printer::print(const std::string& text, bool newLine) {
  if (ensurePage()) drawText(x_, y_, text);
  if (newLine) {
    y_ += textHeight(text.empty() ? kAnyLine : text);
    x_ = 0;
  } else {
    x_ += textWidth(text);
  }
}

void Printer::printAt(double x, double y, std::string_view text) {
  if (!ensurePage()) return;
  line_.resize(text.size());  // the lines of a listing are mostly of one length
  std::copy(text.begin(), text.end(), line_.begin());
  drawText(x, y, line_);
}

void Printer::line(double x1, double y1, double x2, double y2) {
  if (ensurePage()) drawLine(x1, y1, x2, y2);
  x_ = x2;
  y_ = y2;
}

void Printer::paintPicture(const QImage& picture, double x, double y, double w, double h) {
  if (w <= 0) w = picture.width() * 15.0;
  if (h <= 0) h = picture.height() * 15.0;
  if (ensurePage()) drawPicture(picture, x, y, w, h);
}

void Printer::newPage() {
  if (!inDocument_) {
    // A new page before any output starts the document with an empty page.
    if (ensurePage()) pagePending_ = true;
  } else if (pagePending_) {
    // Two new pages in a row leave a blank page between them.
    ensurePage();
    pagePending_ = true;
  } else {
    pagePending_ = true;
  }
  ++page_;
  x_ = 0;
  y_ = 0;
}

void Printer::endDoc() {
  if (inDocument_ && !failed()) {
    if (!finishDocument() && !failed()) setFailure("THE PRINTER COULD NOT FINISH THE DOCUMENT");
  } else if (inDocument_) {
    abortDocument();
  }
  closeDocument();
}

void Printer::killDoc() {
  if (inDocument_) abortDocument();
  closeDocument();
}

void Printer::closeDocument() {
  documentClosed();
  title_.clear();
  inDocument_ = false;
  pagePending_ = false;
  page_ = 1;
  x_ = 0;
  y_ = 0;
}

}  // namespace platform
