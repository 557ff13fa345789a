#include <gtest/gtest.h>

#include <QProcess>
#include <algorithm>
#include <regex>

#include "common/PrintListing.h"
#include "platform/FileSystem.h"
#include "platform/Folders.h"
#include "platform/Services.h"
#include "support/ScriptedPrintSystem.h"
#include "support/TestPlatform.h"

namespace {

// A listing of n lines, "L1" to "Ln": line k prints in slot k of page 1.
std::vector<std::string> lines(int n) {
  std::vector<std::string> out;
  for (int i = 1; i <= n; ++i) out.push_back("L" + std::to_string(i));
  return out;
}

void listJob(int lineCount, int linesPerPage = 39) {
  PrintJob = PrintJobRecord{};
  PrintJob.Title = "S O W   L I S T I N G";
  PrintJob.Heading1 = "HEAD ONE";
  PrintJob.Heading2 = "HEAD TWO";
  PrintJob.TitleFontSize = 26;
  PrintJob.HeadFontSize = 10;
  PrintJob.BodyFontSize = 10;
  PrintJob.Layout = 2;
  PrintJob.LinesPerPage = static_cast<int16_t>(linesPerPage);
  PrintJob.LineCount = lineCount;
  PrintJob.EndBanner = -1;
  PrintJob.TitleRule = -1;
  PrintJob.Orientation = 1;
  PrintJob.PaperBin = 1;
}

// Recording printer metrics: a 10-point line is 230 twips, so h = 115 and
// P = 260; a 26-point title line is 598 twips.
constexpr double kY0 = 1435;  // rule under the headings
constexpr double kP = 260;
double slotY(int n) { return (kY0 - 30) + n * kP; }

}  // namespace

TEST(PrintListing, TitleHeadingsAndRulesOfAListPage) {
  TestPlatform tp;
  listJob(0);
  PrintListing(lines(0));
  const auto& items = tp.printer.items;
  const PrintedItem* title = tp.printer.find("S O W   L I S T I N G");
  ASSERT_NE(title, nullptr);
  EXPECT_DOUBLE_EQ(title->y, 0);
  EXPECT_DOUBLE_EQ(title->x, 5760 - 21 * 26 * 12 / 2.0);
  EXPECT_TRUE(title->font.bold);
  EXPECT_EQ(title->font.size, 26);
  EXPECT_DOUBLE_EQ(tp.printer.find("HEAD ONE")->y, 900);   // h + 785
  EXPECT_DOUBLE_EQ(tp.printer.find("HEAD TWO")->y, 1185);  // h + (1130 - 60)
  std::vector<double> ruleYs;
  for (const auto& it : items)
    if (it.kind == PrintedItem::Line) {
      ruleYs.push_back(it.y);
      EXPECT_DOUBLE_EQ(it.x, 2);
      EXPECT_DOUBLE_EQ(it.x2, 11520);
      EXPECT_EQ(it.drawWidth, 4);
    }
  EXPECT_EQ(ruleYs, std::vector<double>({760, 805, 1435}));
}

TEST(PrintListing, NoLinesPrintTheEmptySlotZeroAndTheBannerInSlotOne) {
  TestPlatform tp;
  listJob(0);
  PrintListing(lines(0));
  auto page = tp.printer.onPage(1, 1);
  ASSERT_EQ(tp.printer.pages.size(), 1u);
  EXPECT_EQ(page[3].text, "");
  EXPECT_DOUBLE_EQ(page[3].y, slotY(0));
  const PrintedItem* banner = tp.printer.find("*** END OF LISTING ***");
  ASSERT_NE(banner, nullptr);
  EXPECT_DOUBLE_EQ(banner->y, slotY(1));
  EXPECT_DOUBLE_EQ(banner->x, 5760 - 22 * 120 / 2.0);
  EXPECT_EQ(tp.printer.finishedDocuments, 1);
  EXPECT_EQ(PrintJob.LineCount, -1);
}

TEST(PrintListing, ContentFillingPageOneExactlyPutsBannerInTheFootSlot) {
  TestPlatform tp;
  listJob(39, 39);
  PrintListing(lines(39));
  EXPECT_EQ(tp.printer.pages.size(), 1u);
  EXPECT_DOUBLE_EQ(tp.printer.find("L39")->y, slotY(39));
  EXPECT_DOUBLE_EQ(tp.printer.find("*** END OF LISTING ***")->y, slotY(40));
  EXPECT_EQ(tp.printer.find("Page  1"), nullptr);
}

TEST(PrintListing, OneLineMoreGoesToPageTwoAfterPageNumberOne) {
  TestPlatform tp;
  listJob(40, 39);
  PrintListing(lines(40));
  ASSERT_EQ(tp.printer.pages.size(), 2u);
  const PrintedItem* foot = tp.printer.find("Page  1");
  ASSERT_NE(foot, nullptr);
  EXPECT_EQ(foot->page, 1);
  EXPECT_DOUBLE_EQ(foot->y, slotY(40));
  EXPECT_DOUBLE_EQ(foot->x, 5760 - 7 * 120 / 2.0);
  const PrintedItem* last = tp.printer.find("L40");
  EXPECT_EQ(last->page, 2);
  EXPECT_DOUBLE_EQ(last->y, slotY(1));
  auto page2 = tp.printer.onPage(1, 2);
  // Title, two headings, the last line, the banner: nothing in slot 0.
  ASSERT_EQ(page2.size(), 5u);
  EXPECT_EQ(page2[0].text, "S O W   L I S T I N G");
  EXPECT_EQ(page2[4].text, "*** END OF LISTING ***");
  EXPECT_DOUBLE_EQ(page2[4].y, slotY(2));
}

TEST(PrintListing, LongListingNumbersEveryPageButTheLast) {
  TestPlatform tp;
  listJob(200, 46);
  PrintListing(lines(200));
  // Page 1 carries slot 0 and lines 1..46, later pages 46 each: 46 * 4 = 184, so 5 pages.
  ASSERT_EQ(tp.printer.pages.size(), 5u);
  for (int p = 1; p <= 4; ++p) {
    const PrintedItem* foot = tp.printer.find("Page  " + std::to_string(p));
    ASSERT_NE(foot, nullptr);
    EXPECT_EQ(foot->page, p);
  }
  EXPECT_EQ(tp.printer.find("Page  5"), nullptr);
  EXPECT_EQ(tp.printer.find("*** END OF LISTING ***")->page, 5);
  EXPECT_EQ(tp.printer.find("L200")->page, 5);
}

TEST(PrintListing, NoBannerNoPageNumbersButTheDocumentEnds) {
  TestPlatform tp;
  listJob(50, 39);
  PrintJob.EndBanner = 0;
  PrintListing(lines(50));
  EXPECT_EQ(tp.printer.pages.size(), 2u);
  EXPECT_EQ(tp.printer.find("Page  1"), nullptr);
  EXPECT_EQ(tp.printer.find("*** END OF LISTING ***"), nullptr);
  EXPECT_EQ(tp.printer.finishedDocuments, 1);
}

TEST(PrintListing, PaperBinSelectsPageOneOnlyAndReturnsAsOne) {
  TestPlatform tp;
  listJob(50, 39);
  PrintJob.PaperBin = 2;
  PrintListing(lines(50));
  ASSERT_EQ(tp.printer.pages.size(), 2u);
  EXPECT_EQ(tp.printer.pages[0].bin, 3);
  EXPECT_EQ(tp.printer.pages[1].bin, 1);
  EXPECT_EQ(PrintJob.PaperBin, 1);

  RecordingPrinter& p = tp.printer;
  p.setPaperBin(4);
  p.setOrientation(2);
  listJob(50, 39);
  PrintJob.PaperBin = 0;  // keeps the printer's bin and orientation on page 1
  PrintListing(lines(50));
  ASSERT_EQ(p.pages.size(), 4u);
  EXPECT_EQ(p.pages[2].bin, 4);
  EXPECT_EQ(p.pages[2].orientation, 2);
  EXPECT_EQ(p.pages[3].bin, 1);
  EXPECT_EQ(p.pages[3].orientation, 1);
}

TEST(PrintListing, SheetLayoutStartsTheBodyAtTheTitleBlock) {
  TestPlatform tp;
  listJob(1, 39);
  PrintJob.Layout = 0;
  PrintListing(lines(1));
  EXPECT_EQ(tp.printer.find("HEAD ONE"), nullptr);
  EXPECT_DOUBLE_EQ(tp.printer.find("L1")->y, 775 + 260);  // (805 - 30) + 1 x P
}

TEST(PrintListing, SummaryLayoutIgnoresHeadingTwo) {
  TestPlatform tp;
  listJob(1, 39);
  PrintJob.Layout = 1;
  PrintListing(lines(1));
  EXPECT_EQ(tp.printer.find("HEAD TWO"), nullptr);
  EXPECT_DOUBLE_EQ(tp.printer.find("HEAD ONE")->y, 900);
  // Rule at 1130 + 20; body slot 1 at (1150 - 30) + 260.
  EXPECT_DOUBLE_EQ(tp.printer.find("L1")->y, 1380);
}

TEST(PrintListing, ASecondHeadingWiderThanTheLinesShrinksWithThemAndStaysOverItsColumns) {
  TestPlatform tp;
  const std::string heading2(83, 'H'), line = std::string(79, 'W') + "X";  // 80 columns fit at 12 points, 83 not
  PrintCourierListing("T", "ID", heading2, {line}, {.fontSize = 12});
  for (const char* text : {"ID", heading2.c_str(), line.c_str()}) {
    EXPECT_EQ(tp.printer.find(text)->font.size, 11.5) << text;
    EXPECT_DOUBLE_EQ(tp.printer.find(text)->x, 0) << text;
  }
}

TEST(PrintListing, WithoutTitleRuleHeadingsFollowTwoTitleLines) {
  TestPlatform tp;
  listJob(0, 39);
  PrintJob.TitleRule = 0;
  PrintListing(lines(0));
  EXPECT_DOUBLE_EQ(tp.printer.find("HEAD ONE")->y, 115 + 1196 - 20);
  int lines = 0;
  for (const auto& it : tp.printer.items) lines += it.kind == PrintedItem::Line;
  EXPECT_EQ(lines, 1);  // only the rule under the headings
}

TEST(PrintListing, PrinterFailureShowsOneCriticalBoxAndAbandonsTheDocument) {
  TestPlatform tp;
  tp.printer.failAtPage = 2;
  listJob(100, 39);
  PrintListing(lines(100));
  ASSERT_EQ(tp.dialogs.shown.size(), 1u);
  EXPECT_EQ(tp.dialogs.last().icon, platform::vbCritical);
  EXPECT_EQ(tp.dialogs.last().title, "P R I N T E R    E R R O R");
  EXPECT_EQ(tp.printer.finishedDocuments, 0);
  EXPECT_EQ(tp.printer.abortedDocuments, 1);
  // The next document prints again.
  listJob(0);
  PrintListing(lines(0));
  EXPECT_EQ(tp.printer.finishedDocuments, 1);
}

TEST(PrintListing, OneHundredLinesToPdf) {
  TestPlatform tp;
  std::string folder = tp.path("PDF");
  platform::QtPrinter pdf(folder);
  platform::services().setPrinter(&pdf);
  listJob(100, 46);
  PrintListing(lines(100));
  platform::services().setPrinter(&tp.printer);
  ASSERT_FALSE(pdf.lastPdf().empty());
  ASSERT_TRUE(platform::fileExists(pdf.lastPdf()));
  QProcess p;
  p.start("pdftotext", {"-layout", QString::fromStdString(pdf.lastPdf()), "-"});
  if (!p.waitForStarted()) GTEST_SKIP() << "pdftotext is not installed";
  ASSERT_TRUE(p.waitForFinished());
  std::string text = p.readAllStandardOutput().toStdString();
  EXPECT_NE(text.find("S O W   L I S T I N G"), std::string::npos) << text;
  EXPECT_NE(text.find("HEAD ONE"), std::string::npos);
  EXPECT_NE(text.find("HEAD TWO"), std::string::npos);
  // The layout of pdftotext widens the gap between word and number.
  auto pageAt = [&text](int n) {
    std::smatch m;
    std::regex re("Page +" + std::to_string(n) + "\\b");
    return std::regex_search(text, m, re) ? static_cast<size_t>(m.position(0)) : std::string::npos;
  };
  EXPECT_NE(pageAt(1), std::string::npos) << text;
  EXPECT_NE(pageAt(2), std::string::npos);
  EXPECT_EQ(pageAt(3), std::string::npos);
  EXPECT_NE(text.find("*** END OF LISTING ***"), std::string::npos);
  // Pages are separated by form feeds: three pages.
  EXPECT_EQ(std::count(text.begin(), text.end(), '\f'), 3);
  EXPECT_LT(text.find("L46"), pageAt(1));
  EXPECT_LT(pageAt(1), text.find("L47"));
}

// What the farmer is told of a listing handed to the system's default queue,
// and the job the queue is handed: named after the title, on its page size.
TEST(PrintListing, TheFarmerHearsWhatBecameOfTheJob) {
  const platform::PrintQueue office{"Office", "na_letter_8.5x11in", 215.9, 279.4};
  platform::PrintQueue paused = office, pausedSaying = office, refusingSaying = office;
  paused.paused = pausedSaying.paused = true;
  pausedSaying.stateMessage = refusingSaying.stateMessage = "out of paper, try tomorrow";
  const std::string noPrinter = "No printer can be reached, so the printout is saved in the file\r\r";
  const std::string refused = "ERROR: THE PRINTOUT COULD NOT BE PRINTED!\r\rTHE PRINTER Office DID NOT ACCEPT THE "
                              "PRINTOUT: Destination \"Office\" is not accepting jobs.";
  const struct {
    const char* what;
    platform::PrintQueue queue;
    std::string refusal, box, title;
    int icon;
    const char* printFolder = nullptr;
  } cases[] = {
      {"taken", office, "", "", "", 0},
      {"taken by a paused queue", paused, "",
       "The printer Office is paused. The printout waits in its queue and prints when the printer is resumed.",
       "P R I N T O U T", platform::vbInformation},
      {"taken by a paused queue saying why", pausedSaying, "",
       "The printer Office is paused. The printout waits in its queue and prints when the printer is resumed."
       "\r\rThe printer says: out of paper, try tomorrow",
       "P R I N T O U T", platform::vbInformation},
      {"refused", office, "Destination \"Office\" is not accepting jobs.",
       refused + "\r\rCheck the printer and try again.", "P R I N T E R    E R R O R", platform::vbCritical},
      {"refused by a queue saying why", refusingSaying, "Destination \"Office\" is not accepting jobs.",
       refused + "\r\rTHE PRINTER SAYS: out of paper, try tomorrow\r\rCheck the printer and try again.",
       "P R I N T E R    E R R O R", platform::vbCritical},
      {"no printer", {}, "", noPrinter, "P R I N T O U T", platform::vbInformation},
      {"no printer, nor a print folder", {}, "",
       "ERROR: THE PRINTOUT COULD NOT BE PRINTED!\r\rTHE PRINT FOLDER /proc/nope/PDFs/ CANNOT BE MADE"
       "\r\rCheck the printer and try again.",
       "P R I N T E R    E R R O R", platform::vbCritical, "/proc/nope/PDFs/"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TestPlatform tp;
    if (c.printFolder) setenv("TARLOWE_PRINT_DIR", c.printFolder, 1);
    ScriptedPrintSystem system;
    system.queue = c.queue;
    system.refusal = c.refusal;
    platform::QtPrinter printer("", &system);
    platform::services().setPrinter(&printer);
    listJob(3);
    PrintListing(lines(3));
    platform::services().setPrinter(&tp.printer);
    if (c.box.empty()) {
      EXPECT_TRUE(tp.dialogs.shown.empty());
    } else {
      ASSERT_EQ(tp.dialogs.shown.size(), 1u);
      const std::string file = printer.lastPdf();
      EXPECT_EQ(tp.dialogs.last().text, c.box == noPrinter ? noPrinter + file : c.box);
      EXPECT_EQ(tp.dialogs.last().title, c.title);
      EXPECT_EQ(tp.dialogs.last().icon, c.icon);
    }
    if (c.printFolder) {
      EXPECT_TRUE(printer.lastPdf().empty());
      continue;
    }
    if (c.queue.name.empty()) {
      EXPECT_TRUE(system.jobs.empty());
      EXPECT_EQ(printer.lastPdf().rfind(platform::printFolder() + "tarlowe-", 0), 0u) << printer.lastPdf();
      EXPECT_TRUE(platform::fileExists(printer.lastPdf()));
      continue;
    }
    ASSERT_EQ(system.jobs.size(), 1u);
    EXPECT_EQ(system.jobs[0].queue, "Office");
    EXPECT_EQ(system.jobs[0].media, "na_letter_8.5x11in");
    EXPECT_EQ(system.jobs[0].title, "SOW LISTING");
    EXPECT_TRUE(system.jobs[0].pdf.startsWith("%PDF"));
    EXPECT_TRUE(system.jobs[0].pdf.contains("/MediaBox [0 0 612.000000 792.000000]")) << "a Letter page";
    EXPECT_TRUE(printer.lastPdf().empty());
  }
}

TEST(PrintListing, AJobIsNamedAfterItsTitle) {
  const struct {
    const char* title;
    const char* name;
  } cases[] = {
      {"S O W   L I S T I N G", "SOW LISTING"},
      {"S  U  M  M  A  R  Y", "SUMMARY"},
      {"S O W  I D (S-12)  C A R D", "SOW ID (S-12) CARD"},
      {"D R U G   T O T A L S  for (2023)", "DRUG TOTALS for (2023)"},
      {"KILL SHEET SUMMARY for 2023", "KILL SHEET SUMMARY for 2023"},
      {"PIGS WEANED / SOW / YEAR", "PIGS WEANED / SOW / YEAR"},
      {"  ", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(PrintoutName(c.title), c.name) << c.title;
}
