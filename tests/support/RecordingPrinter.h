#pragma once
// A printer that records what it is asked to print, with fixed metrics:
//  - every face is measured as a fixed-pitch face: a character is
//    size x 12 twips wide (0.6 em), a line is size x 23 twips high;
//  - the printable area is 11520 x 15120 twips (8 x 10.5 inches), 15120 x
//    11520 in landscape (orientation 2, as set for the page to come).
#include <string>
#include <vector>

#include "platform/Printer.h"

struct PrintedItem {
  enum Kind { Text, Line, Picture } kind = Text;
  int document = 0;  // 1 for the first document printed
  int page = 0;      // page of that document, from 1
  double x = 0, y = 0, x2 = 0, y2 = 0;
  std::string text;
  platform::PrinterFont font;
  int drawWidth = 0;
  int pictureWidth = 0, pictureHeight = 0;  // a picture's pixels
};

struct PrintedPage {
  int document = 0;
  int page = 0;
  int bin = 0;
  int orientation = 0;
};

class RecordingPrinter : public platform::Printer {
 public:
  double scaleWidth() override { return orientation() == 2 ? 15120 : 11520; }
  double scaleHeight() override { return orientation() == 2 ? 11520 : 15120; }

  std::vector<PrintedItem> items;
  std::vector<PrintedPage> pages;
  int documents = 0;         // documents begun
  int finishedDocuments = 0;  // documents ended with end of document
  int abortedDocuments = 0;
  std::vector<std::string> titles;  // each document's title as it began
  // Make the device fail when the given page (counted over all documents)
  // begins; 0 never.
  int failAtPage = 0;

  // Texts printed, in order; with `document`, only that document's.
  std::vector<std::string> texts(int document = 0) const;
  // The text items of one page of one document.
  std::vector<PrintedItem> onPage(int document, int page) const;
  // The first item whose text is `text`; nullptr when none.
  const PrintedItem* find(const std::string& text) const;
  // The items that run past the printable area of their page across (a text
  // by its width without trailing blanks, a rule, a picture), each described
  // with its document, page and extent; empty when every item fits.
  std::vector<std::string> pastThePrintableWidth() const;

 protected:
  double measureWidth(const platform::PrinterFont& f, const std::string& text) override {
    return static_cast<double>(text.size()) * f.size * 12;
  }
  double measureHeight(const platform::PrinterFont& f, const std::string&) override { return f.size * 23; }
  bool beginDocument() override;
  bool beginPage() override;
  void drawText(double x, double y, const std::string& text) override;
  void drawLine(double x1, double y1, double x2, double y2) override;
  void drawPicture(const QImage& picture, double x, double y, double w, double h) override;
  bool finishDocument() override {
    ++finishedDocuments;
    return true;
  }
  void abortDocument() override { ++abortedDocuments; }

 private:
  bool startPage();
  int pageInDoc_ = 0;
  int pagesBegun_ = 0;
};
