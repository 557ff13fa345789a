#include "common/PrintListing.h"

#include <algorithm>
#include <cmath>

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
void selectFont(platform::Printer& p, const std::string& name, int size, int bold, int italic) {
  p.setFontName(name);
  p.setFontSize(size);
  p.setFontBold(bold != 0);
  p.setFontItalic(italic != 0);
}

// The sizes a listing prints its headings and lines at: the job's, or
// smaller where its widest line would run past the printable width.
struct ListingSizes {
  double head = 10;
  double body = 10;
};

void selectHeadFont(platform::Printer& p, const ListingSizes& sizes) {
  selectFont(p, PrintJob.HeadFontName, 10, PrintJob.HeadBold, PrintJob.HeadItalic);
  p.setFontSize(sizes.head);
}

void selectBodyFont(platform::Printer& p, const ListingSizes& sizes) {
  selectFont(p, PrintJob.BodyFontName, 10, PrintJob.BodyBold, PrintJob.BodyItalic);
  p.setFontSize(sizes.body);
}

long long wholeY(platform::Printer& p) { return RoundHalfEven(p.currentY()); }

// Prints `text` at (x, y) as it stands.
void printAt(platform::Printer& p, double x, double y, const std::string& text) {
  p.setCurrentX(x);
  p.setCurrentY(y);
  p.print(text);
}

// FittingSize, PrintAt and PrintCentred on the printer at hand.
double fittingSize(platform::Printer& p, double size, const std::string& text, double width) {
  const double was = p.font().size;
  // The text is measured without its trailing blanks.
  const std::string measured = text.substr(0, text.find_last_not_of(' ') + 1);
  double fits = size;
  p.setFontSize(fits);
  while (fits > 1 && p.textWidth(measured) > width) {
    fits = std::max(1.0, std::ceil(fits * 2 - 1) / 2);  // the next half point down
    p.setFontSize(fits);
  }
  p.setFontSize(was);
  return fits;
}

void printFitting(platform::Printer& p, double x, double y, const std::string& text) {
  const double size = p.font().size, width = p.scaleWidth() - x;
  const double fits = fittingSize(p, size, text, width);
  if (fits == size) return printAt(p, x, y, text);
  p.setFontSize(fits);
  printAt(p, x, y, text);
  p.setFontSize(size);
}

void printCentred(platform::Printer& p, double y, const std::string& text) {
  const double size = p.font().size;
  p.setFontSize(fittingSize(p, size, text, p.scaleWidth()));
  printFitting(p, p.scaleWidth() / 2 - p.textWidth(text) / 2, y, text);
  p.setFontSize(size);
}

void startPrintPage(platform::Printer& p) {
  p.setTitle(PrintoutName(PrintJob.Title));
  if (PrintJob.PaperBin >= 1 && PrintJob.PaperBin <= 6) {
    p.setPaperBin(deviceBin(PrintJob.PaperBin));
    p.setOrientation(PrintJob.Orientation);
  }
  p.setScaleTwips();
  selectFont(p, PrintJob.TitleFontName, PrintJob.TitleFontSize, PrintJob.TitleBold, PrintJob.TitleItalic);
  printCentred(p, 0, PrintJob.Title);
  if (PrintJob.TitleRule == -1) {
    p.setDrawWidth(4);
    p.line(2, 760, p.scaleWidth(), 760);
    p.line(2, 805, p.scaleWidth(), 805);
  } else if (PrintJob.TitleRule == 0) {
    p.print(std::string(80, ' '));
  }
}

// The longest of the first `count` of `texts` without their trailing
// blanks: in the listings' fixed-pitch faces the widest. The first of the
// longest where several are.
std::string longest(const ListingLines& texts, size_t count) {
  std::string out;
  for (size_t i = 0; i < count && i < texts.count; ++i) {
    const std::string t = texts.line(i);
    const size_t length = t.find_last_not_of(' ') + 1;  // 0 for blanks only
    if (length > out.size()) out = t.substr(0, length);
  }
  return out;
}

// Fits the listing to the printable width: the headings and the lines keep
// their face and shrink together, in steps of half a point, until the
// widest of them fits; a listing that would fall below kLeastListingSize
// prints in landscape instead, with the lines per page cut to the shorter
// page.
ListingSizes fitListing(const ListingLines& lines) {
  platform::Printer& p = printer();
  const std::string body = longest(lines, static_cast<size_t>(std::max(0, PrintJob.LineCount)));
  const std::vector<std::string> headings = {PrintJob.Heading1, PrintJob.Layout == 2 ? PrintJob.Heading2 : std::string()};
  const std::string head = longest(LinesOf(headings), 2);
  const ListingSizes job{static_cast<double>(PrintJob.HeadFontSize), static_cast<double>(PrintJob.BodyFontSize)};
  auto fitted = [&](double width) {
    selectFont(p, PrintJob.HeadFontName, 10, PrintJob.HeadBold, PrintJob.HeadItalic);
    const double headRatio = fittingSize(p, job.head, head, width) / job.head;
    selectFont(p, PrintJob.BodyFontName, 10, PrintJob.BodyBold, PrintJob.BodyItalic);
    const double bodyRatio = fittingSize(p, job.body, body, width) / job.body;
    const double ratio = std::min(headRatio, bodyRatio);
    if (ratio >= 1) return job;
    auto halfPoints = [](double size) { return std::max(1.0, std::floor(size * 2 + 1e-9) / 2); };
    return ListingSizes{halfPoints(job.head * ratio), halfPoints(job.body * ratio)};
  };
  if (job.head <= 0 || job.body <= 0) return job;
  // The page is measured as the job will have it.
  const bool setsPage = PrintJob.PaperBin >= 1 && PrintJob.PaperBin <= 6;
  if (setsPage) p.setOrientation(PrintJob.Orientation);
  ListingSizes sizes = fitted(p.scaleWidth());
  if (std::min(sizes.head, sizes.body) >= kLeastListingSize || !setsPage || PrintJob.Orientation == 2 ||
      std::min(job.head, job.body) < kLeastListingSize)
    return sizes;
  const double portraitHeight = p.scaleHeight();
  PrintJob.Orientation = 2;
  p.setOrientation(2);
  PrintJob.LinesPerPage = static_cast<int16_t>(
      std::max(1.0, std::floor(PrintJob.LinesPerPage * p.scaleHeight() / portraitHeight)));
  return fitted(p.scaleWidth());
}

// Builds the heading block of the layout; gives the body origin Y0 and the
// line pitch P.
void headingBlock(platform::Printer& p, const ListingSizes& sizes, long long& y0, long long& pitch) {
  static const std::string kMeasured = "ABCDEMWI08";
  if (PrintJob.Layout == 2 || PrintJob.Layout == 1) {
    selectHeadFont(p, sizes);
    long long h = RoundHalfEven(p.textHeight(kMeasured) / 2);
    printFitting(p, 0, static_cast<double>(h + (wholeY(p) - 20)), PrintJob.Heading1);
    if (PrintJob.Layout == 2) printFitting(p, 0, static_cast<double>(h + (wholeY(p) - 60)), PrintJob.Heading2);
    long long y = wholeY(p);
    p.setDrawWidth(4);
    p.line(2, static_cast<double>(y + 20), p.scaleWidth(), static_cast<double>(y + 20));
    y0 = wholeY(p);
  } else {
    y0 = wholeY(p);
    selectHeadFont(p, sizes);
  }
  pitch = RoundHalfEven(p.textHeight(kMeasured) + 30);
}

}  // namespace

void StartPrintPage() { startPrintPage(printer()); }

double FittingSize(double size, const std::string& text, double width) {
  return fittingSize(printer(), size, text, width);
}

void PrintAt(double x, double y, const std::string& text) { printFitting(printer(), x, y, text); }

void PrintCentred(double y, const std::string& text) { printCentred(printer(), y, text); }

bool ReportPrinterFailure() {
  platform::Printer& p = printer();
  if (!p.failed()) return false;
  const std::string why = p.failure();
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
  if (ReportPrinterFailure()) return false;
  if (!p.notice().empty()) {
    const std::string notice = p.notice();
    p.clearNotice();
    MsgBox(notice, platform::vbInformation | platform::vbOKOnly, "P R I N T O U T");
  }
  return true;
}

std::string PrintoutName(const std::string& title) {
  struct Word {
    std::string text;
    size_t blanksBefore;
  };
  std::vector<Word> words;
  size_t blanks = 0;
  for (size_t i = title.find_first_not_of(' '); i != std::string::npos;) {
    const size_t wordEnd = std::min(title.find(' ', i), title.size());
    words.push_back({title.substr(i, wordEnd - i), blanks});
    i = title.find_first_not_of(' ', wordEnd);
    blanks = i - wordEnd;
  }
  // Letters spaced out are one-letter words; the narrowest blank between two
  // of them is the spacing of the letters, a wider one parts two words.
  auto betweenLetters = [&words](size_t k) { return k > 0 && words[k].text.size() == 1 && words[k - 1].text.size() == 1; };
  size_t spacing = std::string::npos;
  for (size_t k = 0; k < words.size(); ++k)
    if (betweenLetters(k)) spacing = std::min(spacing, words[k].blanksBefore);
  std::string name;
  for (size_t k = 0; k < words.size(); ++k) {
    if (k > 0 && !(betweenLetters(k) && words[k].blanksBefore == spacing)) name += ' ';
    name += words[k].text;
  }
  return name;
}

ListingLines LinesOf(const std::vector<std::string>& texts) {
  return {texts.size(), [&texts](size_t i) { return texts[i]; }};
}

void PrintListing(const std::vector<std::string>& lines) { PrintListing(LinesOf(lines)); }

void PrintListing(const ListingLines& lines) {
  platform::Printer& p = printer();
  const ListingSizes sizes = fitListing(lines);
  startPrintPage(p);
  long long y0 = 0, pitch = 0;
  headingBlock(p, sizes, y0, pitch);
  // The line the next slot prints: none (-1) in the first page's slot 0.
  long next = -1;
  int first = 0;
  // A page carries at least one line, so a listing always comes to its end.
  const int linesPerPage = PrintJob.LinesPerPage >= 1 ? PrintJob.LinesPerPage : 1;
  for (;;) {
    selectBodyFont(p, sizes);
    int last = -1;
    for (int n = first; n <= linesPerPage; ++n) {
      const double y = static_cast<double>((y0 - 30) + n * pitch);
      if (next >= 0 && static_cast<size_t>(next) < lines.count) p.printAt(0, y, lines.line(static_cast<size_t>(next)));
      else p.printAt(0, y, std::string_view());
      ++next;
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
        printCentred(p, static_cast<double>((y0 - 30) + (last + 1) * pitch), "*** END OF LISTING ***");
      EndPrintDocument();
      return;
    }
    // Page foot, then the next page.
    if (PrintJob.EndBanner == -1)
      printCentred(p, static_cast<double>((y0 - 30) + (linesPerPage + 1) * pitch), "Page " + StrDouble(p.page()));
    p.newPage();
    PrintJob.PaperBin = 1;
    startPrintPage(p);
    headingBlock(p, sizes, y0, pitch);
    first = 1;
  }
}

void PrintCourierListing(const std::string& title, const std::string& heading1, const std::string& heading2,
                         const std::vector<std::string>& lines, const ListingLayout& how) {
  PrintCourierListing(title, heading1, heading2, LinesOf(lines), how);
}

void PrintCourierListing(const std::string& title, const std::string& heading1, const std::string& heading2,
                         const ListingLines& lines, const ListingLayout& how) {
  PrintJob = PrintJobRecord{};
  PrintJob.Title = title;
  PrintJob.Heading1 = heading1;
  PrintJob.Heading2 = heading2;
  PrintJob.TitleFontName = PrintJob.HeadFontName = PrintJob.BodyFontName = "Courier New";
  PrintJob.TitleFontSize = 26;
  PrintJob.HeadFontSize = PrintJob.BodyFontSize = static_cast<int16_t>(how.fontSize);
  PrintJob.TitleBold = PrintJob.HeadBold = PrintJob.BodyBold = -1;
  PrintJob.TitleItalic = PrintJob.HeadItalic = PrintJob.BodyItalic = 0;
  PrintJob.Layout = static_cast<int16_t>(how.layout);
  PrintJob.LinesPerPage = static_cast<int16_t>(how.linesPerPage);
  PrintJob.LineCount = static_cast<int32_t>(lines.count);
  PrintJob.EndBanner = how.endBanner ? -1 : 0;
  PrintJob.TitleRule = -1;
  PrintJob.Orientation = 1;
  PrintJob.PaperBin = 1;
  PrintListing(lines);
}
