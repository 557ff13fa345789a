#pragma once
// The print job record and the paged listing printer. A listing hands
// PrintCourierListing its title, headings and ready-made lines; sheet
// printers call StartPrintPage for the title block and place their own lines
// below it, ending with EndPrintDocument.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

struct PrintJobRecord {
  std::string Title;
  std::string Heading1;
  std::string Heading2;
  int16_t TitleFontSize = 26;
  std::string TitleFontName = "Courier New";
  int16_t TitleItalic = 0;  // -1 true, 0 false
  int16_t TitleBold = -1;
  int16_t HeadFontSize = 10;
  std::string HeadFontName = "Courier New";
  int16_t HeadItalic = 0;
  int16_t HeadBold = -1;
  int16_t BodyFontSize = 10;
  std::string BodyFontName = "Courier New";
  int16_t BodyItalic = 0;
  int16_t BodyBold = -1;
  int16_t Layout = 2;         // 2 list, 1 summary, 0 sheet
  int16_t LinesPerPage = 46;  // the last body slot of a page
  int32_t LineCount = 0;      // the lines to print
  int16_t EndBanner = -1;     // -1: page numbers and the closing banner
  int16_t TitleRule = -1;     // -1: double rule under the title
  int16_t Orientation = 1;    // 1 portrait
  int16_t PaperBin = 1;       // 1 to 6
};

// The one print job of the program.
extern PrintJobRecord PrintJob;

// Starts a printed page: paper source and orientation, the centred title and
// the double rule (or an empty title line).
void StartPrintPage();

// The lines of a listing as it prints them: `count` lines, line i (from 0)
// written by `line(i)` when it is wanted, so that a long listing need not be
// held as texts. Each line is asked for twice: as the listing is fitted to
// the page, then as it prints.
struct ListingLines {
  size_t count = 0;
  std::function<std::string(size_t)> line;
};
// The lines of `texts`, which must outlive the listing.
ListingLines LinesOf(const std::vector<std::string>& texts);

// Prints PrintJob.LineCount lines of `lines` page by page, as PrintJob lays
// them out, and ends the document. The first page's first slot (slot 0)
// stays empty, so lines[0] prints in slot 1; a line past the end of `lines`
// prints empty. A printer failure shows one critical box and abandons the
// document. The headings and lines keep their columns and faces and print at
// the job's sizes, or at the largest half-point sizes (shrunk together) at
// which the widest of them fits the printable width; a listing that would
// fall below kLeastListingSize points prints in landscape instead
// (PrintJob.Orientation 2, its lines per page cut to the shorter page), where
// it fits.
void PrintListing(const ListingLines& lines);
void PrintListing(const std::vector<std::string>& lines);
inline constexpr double kLeastListingSize = 8;

// How a listing lays out its lines: lines to a page, the size of its
// headings and lines, its layout (2 a list under two headings, 1 a summary
// under the first, 0 a sheet under none) and whether its pages are numbered
// and it ends with "*** END OF LISTING ***".
struct ListingLayout {
  int linesPerPage = 40;
  int fontSize = 11;
  int layout = 2;
  bool endBanner = true;
};

// Fills PrintJob for a listing of `lines` in bold Courier New (the title 26
// points, the headings and lines as `how` says), portrait, from the first
// paper bin, with the title rule, and prints every line through
// PrintListing.
void PrintCourierListing(const std::string& title, const std::string& heading1, const std::string& heading2,
                         const ListingLines& lines, const ListingLayout& how = {});
void PrintCourierListing(const std::string& title, const std::string& heading1, const std::string& heading2,
                         const std::vector<std::string>& lines, const ListingLayout& how = {});

// Ends the document of a sheet printer; on a printer failure shows the one
// critical box and drops the document. False after a failure. A document
// the printer has a notice for (the file it went to where no printer could
// be reached, a paused queue) shows it in one box.
bool EndPrintDocument();

// The name of a printout's print job: its title, its spaced-out letters
// closed up and its blanks one ("S O W   L I S T I N G": "SOW LISTING").
std::string PrintoutName(const std::string& title);

// The box a printer failure shows; true when the printer had failed.
bool ReportPrinterFailure();

// The largest size, from `size` down in half points (not below 1), at which
// the printer's current face prints `text`, its trailing blanks aside, no
// wider than `width`.
double FittingSize(double size, const std::string& text, double width);
// Prints `text` with its top left corner at (x, y); a text that would run
// past the printable width prints at the largest size at which it fits.
void PrintAt(double x, double y, const std::string& text);
// Prints `text` centred across the page, its top at y, no wider than the
// page in the same way.
void PrintCentred(double y, const std::string& text);
