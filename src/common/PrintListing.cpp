#include "common/PrintListing.h"

#include "common/NumberText.h"
#include "platform/Services.h"

PrintJobRecord PrintJob;

namespace {

platform::Printer& printer() { return platform::services().printer(); }

int deviceBin(int paperBin) {
  static const int bins[] = {0, 1, 3, 4, 5, 6, 256};
  return bins[paperBin];
}

// Sets the printer's font: face, size, bold, italic. The printer applies all
// four together to what it prints next, so their order does not matter.
void selectFont(const std::string& name, int size, int bold, int italic) {
  platform::Printer& p = printer();
  p.setFontName(name);
  p.setFontSize(size);
  p.setFontBold(bold != 0);
  p.setFontItalic(italic != 0);
}

void selectHeadFont() {
  selectFont(PrintJob.HeadFontName, PrintJob.HeadFontSize, PrintJob.HeadBold, PrintJob.HeadItalic);
}

void selectBodyFont() {
  selectFont(PrintJob.BodyFontName, PrintJob.BodyFontSize, PrintJob.BodyBold, PrintJob.BodyItalic);
}

long long wholeY() { return RoundHalfEven(printer().currentY()); }

// Builds the heading block of the layout; gives the body origin Y0 and the
// line pitch P.
void headingBlock(long long& y0, long long& pitch) {
  platform::Printer& p = printer();
  if (PrintJob.Layout == 2 || PrintJob.Layout == 1) {
    selectHeadFont();
    long long h = RoundHalfEven(p.textHeight("ABCDEMWI08") / 2);
    PrintAt(0, static_cast<double>(h + (wholeY() - 20)), PrintJob.Heading1);
    if (PrintJob.Layout == 2) PrintAt(0, static_cast<double>(h + (wholeY() - 60)), PrintJob.Heading2);
    long long y = wholeY();
    p.setDrawWidth(4);
    p.line(2, static_cast<double>(y + 20), p.scaleWidth(), static_cast<double>(y + 20));
    y0 = wholeY();
  } else {
    y0 = wholeY();
    selectHeadFont();
  }
  pitch = RoundHalfEven(p.textHeight("ABCDEMWI08") + 30);
}

}  // namespace

void StartPrintPage() {
  platform::Printer& p = printer();
  if (PrintJob.PaperBin >= 1 && PrintJob.PaperBin <= 6) {
    p.setPaperBin(deviceBin(PrintJob.PaperBin));
    p.setOrientation(PrintJob.Orientation);
  }
  p.setScaleTwips();
  selectFont(PrintJob.TitleFontName, PrintJob.TitleFontSize, PrintJob.TitleBold, PrintJob.TitleItalic);
  PrintCentred(0, PrintJob.Title);
  if (PrintJob.TitleRule == -1) {
    p.setDrawWidth(4);
    p.line(2, 760, p.scaleWidth(), 760);
    p.line(2, 805, p.scaleWidth(), 805);
  } else if (PrintJob.TitleRule == 0) {
    p.print(std::string(80, ' '));
  }
}

void PrintAt(double x, double y, const std::string& text) {
  platform::Printer& p = printer();
  p.setCurrentX(x);
  p.setCurrentY(y);
  p.print(text);
}

void PrintCentred(double y, const std::string& text) {
  platform::Printer& p = printer();
  PrintAt(p.scaleWidth() / 2 - p.textWidth(text) / 2, y, text);
}

bool ReportPrinterFailure() {
  platform::Printer& p = printer();
  if (!p.failed()) return false;
  std::string why = UCase(p.failure());
  p.killDoc();
  p.clearFailure();
  MsgBox("ERROR: THE PRINTOUT COULD NOT BE PRINTED!\r\r" + why + "\r\rCheck the printer and try again.",
         platform::vbCritical | platform::vbOKOnly, "P R I N T E R    E R R O R");
  return true;
}

bool EndPrintDocument() {
  platform::Printer& p = printer();
  if (p.failed()) return !ReportPrinterFailure();
  p.endDoc();
  return !ReportPrinterFailure();
}

void PrintListing(const std::vector<std::string>& Lines) {
  platform::Printer& p = printer();
  static const std::string kNoLine;
  auto element = [&Lines](long i) -> const std::string& {
    return i >= 0 && i < static_cast<long>(Lines.size()) ? Lines[static_cast<size_t>(i)] : kNoLine;
  };

  StartPrintPage();
  long long y0 = 0, pitch = 0;
  headingBlock(y0, pitch);
  long i = 0;
  int first = 0;
  // A page carries at least one line, so a listing always comes to its end.
  const int linesPerPage = PrintJob.LinesPerPage >= 1 ? PrintJob.LinesPerPage : 1;
  for (;;) {
    selectBodyFont();
    int last = -1;
    for (int n = first; n <= linesPerPage; ++n) {
      PrintAt(0, static_cast<double>((y0 - 30) + n * pitch), element(i));
      ++i;
      --PrintJob.LineCount;
      if (PrintJob.LineCount < 0) {
        last = n;
        break;
      }
    }
    if (p.failed()) {
      ReportPrinterFailure();
      return;
    }
    if (last >= 0) {
      if (PrintJob.EndBanner == -1)
        PrintCentred(static_cast<double>((y0 - 30) + (last + 1) * pitch), "*** END OF LISTING ***");
      EndPrintDocument();
      return;
    }
    // Page foot, then the next page.
    if (PrintJob.EndBanner == -1)
      PrintCentred(static_cast<double>((y0 - 30) + (linesPerPage + 1) * pitch), "Page " + StrDouble(p.page()));
    p.newPage();
    PrintJob.PaperBin = 1;
    StartPrintPage();
    headingBlock(y0, pitch);
    first = 1;
  }
}

void PrintCourierListing(const std::string& title, const std::string& heading1, const std::string& heading2,
                         const std::vector<std::string>& Lines, int linesPerPage) {
  PrintJob = PrintJobRecord{};
  PrintJob.Title = title;
  PrintJob.Heading1 = heading1;
  PrintJob.Heading2 = heading2;
  PrintJob.TitleFontName = PrintJob.HeadFontName = PrintJob.BodyFontName = "Courier New";
  PrintJob.TitleFontSize = 26;
  PrintJob.HeadFontSize = PrintJob.BodyFontSize = 11;
  PrintJob.TitleBold = PrintJob.HeadBold = PrintJob.BodyBold = -1;
  PrintJob.TitleItalic = PrintJob.HeadItalic = PrintJob.BodyItalic = 0;
  PrintJob.Layout = 2;
  PrintJob.LinesPerPage = static_cast<int16_t>(linesPerPage);
  // Every line built is printed.
  PrintJob.LineCount = static_cast<int32_t>(Lines.size()) - 1;
  PrintJob.EndBanner = -1;
  PrintJob.TitleRule = -1;
  PrintJob.Orientation = 1;
  PrintJob.PaperBin = 1;
  PrintListing(Lines);
}
