// The printer's position, pages and documents, over the recording printer (a
// character is size x 12 twips wide, a line size x 23 high); the real
// printer's page over a scripted print system; the CUPS print system over
// CUPS's answers as a test sets them.
#include <gtest/gtest.h>

#include <QImage>
#include <functional>
#include <type_traits>

#include "platform/CupsPrintSystem.h"
#include "support/PdfWords.h"
#include "support/RecordingPrinter.h"
#include "support/ScriptedCups.h"
#include "support/ScriptedPrintSystem.h"

TEST(Printer, PositionAfterEachOutput) {
  const struct {
    const char* what;
    std::function<void(RecordingPrinter&)> output;
    double x, y;
  } cases[] = {
      {"text and line end", [](RecordingPrinter& p) { p.print("ABC"); }, 0, 200 + 230},
      {"text without line end", [](RecordingPrinter& p) { p.print("ABC", false); }, 100 + 360, 200},
      {"empty text and line end", [](RecordingPrinter& p) { p.print(""); }, 0, 200 + 230},
      {"rule", [](RecordingPrinter& p) { p.line(10, 20, 3000, 40); }, 3000, 40},
      {"picture", [](RecordingPrinter& p) { p.paintPicture(QImage(40, 30, QImage::Format_RGB32), 500, 600); }, 100, 200},
      {"new page", [](RecordingPrinter& p) { p.newPage(); }, 0, 0},
      {"text at a place", [](RecordingPrinter& p) { p.printAt(300, 400, std::string("ABC")); }, 100, 200},
      {"viewed text at a place", [](RecordingPrinter& p) { p.printAt(300, 400, std::string_view("ABC")); }, 100, 200},
  };
  for (const auto& c : cases) {
    RecordingPrinter p;
    p.setFontSize(10);
    p.setCurrentX(100);
    p.setCurrentY(200);
    c.output(p);
    EXPECT_DOUBLE_EQ(p.currentX(), c.x) << c.what;
    EXPECT_DOUBLE_EQ(p.currentY(), c.y) << c.what;
  }
}

TEST(Printer, TextAtAPlaceKeepsItsPlaceAndText) {
  RecordingPrinter p;
  const std::string_view texts[] = {"A LONGER LINE", "", "SHORT"};
  for (size_t i = 0; i < std::size(texts); ++i) p.printAt(10, 100.0 * static_cast<double>(i), texts[i]);
  ASSERT_EQ(p.items.size(), std::size(texts));
  for (size_t i = 0; i < std::size(texts); ++i) {
    EXPECT_EQ(p.items[i].text, texts[i]);
    EXPECT_DOUBLE_EQ(p.items[i].x, 10);
    EXPECT_DOUBLE_EQ(p.items[i].y, 100.0 * static_cast<double>(i));
  }
}

TEST(Printer, PictureTakesItsOwnSizeOrTheSizeGiven) {
  const struct {
    double w, h, x2, y2;
  } cases[] = {{0, 0, 500 + 40 * 15, 600 + 30 * 15}, {2000, 1000, 2500, 1600}, {2000, 0, 2500, 600 + 30 * 15}};
  for (const auto& c : cases) {
    RecordingPrinter p;
    p.paintPicture(QImage(40, 30, QImage::Format_RGB32), 500, 600, c.w, c.h);
    ASSERT_EQ(p.items.size(), 1u);
    EXPECT_EQ(p.items[0].kind, PrintedItem::Picture);
    EXPECT_DOUBLE_EQ(p.items[0].x, 500);
    EXPECT_DOUBLE_EQ(p.items[0].y, 600);
    EXPECT_DOUBLE_EQ(p.items[0].x2, c.x2) << c.w << " x " << c.h;
    EXPECT_DOUBLE_EQ(p.items[0].y2, c.y2) << c.w << " x " << c.h;
  }
}

// Outputs ("T" text, "N" new page, "E" end of document) and the pages each
// document comes to.
TEST(Printer, NewPagesMakePagesOnlyWhereSomethingFollows) {
  const struct {
    const char* script;
    int documents;
    std::vector<int> pageOfEachText;
    size_t pages;
  } cases[] = {
      {"TNTE", 1, {1, 2}, 2},
      {"TNE", 1, {1}, 1},           // a new page before the end adds no page
      {"TNNTE", 1, {1, 3}, 3},      // two in a row leave a blank page
      {"NTE", 1, {2}, 2},           // before any output: an empty first page
      {"TETE", 2, {1, 1}, 2},       // each document from page 1
  };
  for (const auto& c : cases) {
    RecordingPrinter p;
    int pageNumbers = 1;
    for (const char* s = c.script; *s; ++s) {
      if (*s == 'T') p.print("X");
      if (*s == 'N') {
        p.newPage();
        EXPECT_EQ(p.page(), ++pageNumbers) << c.script;
      }
      if (*s == 'E') {
        p.endDoc();
        pageNumbers = 1;
        EXPECT_EQ(p.page(), 1) << c.script;
      }
    }
    std::vector<int> pageOf;
    for (const PrintedItem& it : p.items) pageOf.push_back(it.page);
    EXPECT_EQ(p.documents, c.documents) << c.script;
    EXPECT_EQ(p.finishedDocuments, c.documents) << c.script;
    EXPECT_EQ(pageOf, c.pageOfEachText) << c.script;
    EXPECT_EQ(p.pages.size(), c.pages) << c.script;
  }
}

TEST(Printer, AFailedDocumentDropsTheRestUntilItsEnd) {
  const struct {
    int failAtPage;
    size_t printed;
  } cases[] = {{1, 0}, {2, 1}};
  for (const auto& c : cases) {
    RecordingPrinter p;
    p.failAtPage = c.failAtPage;
    p.print("one");
    p.newPage();
    p.print("two");
    p.print("three");
    EXPECT_TRUE(p.failed()) << c.failAtPage;
    EXPECT_EQ(p.texts().size(), c.printed) << c.failAtPage;
    p.endDoc();
    EXPECT_EQ(p.finishedDocuments, 0);
    EXPECT_EQ(p.abortedDocuments, 1);
    p.print("next");  // a new document starts afresh
    EXPECT_FALSE(p.failed());
  }
}

namespace {
double mm(double points) { return points * 25.4 / 72; }
// An A4 queue whose printer prints nothing within 50 points of the left
// edge, 40 of the top, 20 of the right and 30 of the bottom.
const platform::PrintQueue kBorderedA4{
    .name = "Office", .media = "A4", .pageWidthMm = 210, .pageHeightMm = 297,
    .marginsMm = QMarginsF(mm(50), mm(40), mm(20), mm(30))};
}  // namespace

static_assert(!std::is_copy_constructible_v<platform::QtPrinter> && !std::is_copy_assignable_v<platform::QtPrinter>);

// The real printer's printable area: the default queue's page, 10 points in
// from each edge, in the orientation set for the page to come.
TEST(QtPrinter, PrintableAreaIsOnTheDefaultQueuesPage) {
  const double a4Width = 595, a4Height = 842;  // in whole points, as Qt has A4
  const struct {
    const char* what;
    platform::PrintQueue queue;
    int orientation;
    double widthPoints, heightPoints;
  } cases[] = {
      {"Letter", {"Office", "Letter", 215.9, 279.4}, 1, 612, 792},
      {"Letter across", {"Office", "Letter", 215.9, 279.4}, 2, 792, 612},
      {"a page the system does not know", {"Office", "Tabloid-ish"}, 1, a4Width, a4Height},
      {"a roll of no set length", {"Office", "roll_current_72x0mm", 72, 0}, 1, a4Width, a4Height},
      {"no printer", {}, 1, a4Width, a4Height},
  };
  for (const auto& c : cases) {
    ScriptedPrintSystem system;
    system.queue = c.queue;
    platform::QtPrinter p("", &system);
    p.setOrientation(c.orientation);
    EXPECT_NEAR(p.scaleWidth(), (c.widthPoints - 20) * 20, 2) << c.what;
    EXPECT_NEAR(p.scaleHeight(), (c.heightPoints - 20) * 20, 2) << c.what;
  }
}

// Where the text drawn at the printable area's top left and bottom right
// corners lands on the page of the PDF handed over, read back with
// pdftotext: inside the queue's border.
TEST(QtPrinter, TextLandsInsideThePrintableArea) {
  const struct {
    const char* what;
    platform::PrintQueue queue;
    int orientation;
    QRectF area;  // in points from the page's top left corner
  } cases[] = {
      {"A4 with a border", kBorderedA4, 1, QRectF(QPointF(50, 40), QPointF(595 - 20, 842 - 30))},
      {"A4 with a border, across", kBorderedA4, 2, QRectF(QPointF(40, 50), QPointF(842 - 40, 595 - 50))},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ScriptedPrintSystem system;
    system.queue = c.queue;
    platform::QtPrinter p("", &system);
    p.setOrientation(c.orientation);
    p.printAt(0, 0, std::string("TOPLEFT"));
    p.printAt(p.scaleWidth() - p.textWidth("BOTTOMRIGHT"), p.scaleHeight() - p.textHeight(), std::string("BOTTOMRIGHT"));
    p.endDoc();
    ASSERT_EQ(system.jobs.size(), 1u) << p.failure();
    const auto words = PdfWordBoxes(system.jobs[0].pdf);
    if (!words) GTEST_SKIP() << "pdftotext is not installed";
    ASSERT_TRUE(words->contains("TOPLEFT") && words->contains("BOTTOMRIGHT"));
    // A word's box is its glyphs' own, a point or so inside the line drawn.
    EXPECT_NEAR(words->at("TOPLEFT").left(), c.area.left(), 1);
    EXPECT_NEAR(words->at("TOPLEFT").top(), c.area.top(), 1.5);
    EXPECT_NEAR(words->at("BOTTOMRIGHT").right(), c.area.right(), 1);
    EXPECT_NEAR(words->at("BOTTOMRIGHT").bottom(), c.area.bottom(), 1.5);
  }
}

// A document asks the print system for its queue and page again, however
// the one before it ended: finished, dropped, or only measured.
TEST(QtPrinter, EachDocumentAsksForTheQueueAgain) {
  const struct {
    const char* what;
    std::function<void(platform::QtPrinter&)> before;
  } cases[] = {
      {"after a printout", [](platform::QtPrinter& p) { p.print("X"); p.endDoc(); }},
      {"after a dropped printout", [](platform::QtPrinter& p) { p.print("X"); p.killDoc(); }},
      {"after a measuring dropped", [](platform::QtPrinter& p) { p.scaleWidth(); p.killDoc(); }},
      {"after a measuring ended", [](platform::QtPrinter& p) { p.scaleWidth(); p.endDoc(); }},
  };
  for (const auto& c : cases) {
    ScriptedPrintSystem system;
    system.queue = kBorderedA4;
    platform::QtPrinter p("", &system);
    c.before(p);
    system.queue = {"Next", "Letter", 215.9, 279.4};
    EXPECT_NEAR(p.scaleWidth(), (612 - 20) * 20, 2) << c.what;
    p.print("Y");
    p.endDoc();
    ASSERT_FALSE(system.jobs.empty()) << c.what;
    EXPECT_EQ(system.jobs.back().queue, "Next") << c.what;
  }
}

TEST(QtPrinter, APageIsKnownByAnyOfItsNames) {
  const struct {
    const char* media;
    QSizeF mm;
  } cases[] = {
      {"na_letter_8.5x11in", {215.9, 279.4}}, {"Letter", {215.9, 279.4}}, {"na-letter", {215.9, 279.4}},
      {"iso_a4_210x297mm", {210, 297}},       {"A4,tray-1", {210, 297}},  {"tray-1,A4", {210, 297}},
      {"", {}},                               {"Tabloid-ish", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(platform::MediaSizeMm(c.media), c.mm) << c.media;
}

// The default queue as CUPS answers for it (options, PPD, "media-default"):
// its name, state, page and printable area, and its own word on why it holds
// or refuses jobs ("printer-state-message").
TEST(CupsPrintSystem, TheDefaultQueueAsCupsAnswersForIt) {
  const QMarginsF ppdBorder(6, 5, 4, 3);
  const std::string letter = "na_letter_8.5x11in", a4 = "iso_a4_210x297mm";
  const struct {
    const char* what;
    platform::CupsOptions options;
    bool ppd;  // with a PPD whose default page is Letter
    std::string media;
    double widthMm, heightMm;
    bool paused;
    std::string message;
  } cases[] = {
      {"idle", {{"printer-state", "3"}}, true, "Letter", 215.9, 279.4, false, ""},
      {"printing", {{"printer-state", "4"}}, true, "Letter", 215.9, 279.4, false, ""},
      {"stopped", {{"printer-state", "5"}}, true, "Letter", 215.9, 279.4, true, "out of paper, try tomorrow"},
      {"refusing jobs", {{"printer-state", "3"}, {"printer-is-accepting-jobs", "false"}}, true, "Letter", 215.9,
       279.4, false, "out of paper, try tomorrow"},
      {"taking jobs", {{"printer-state", "3"}, {"printer-is-accepting-jobs", "true"}}, true, "Letter", 215.9, 279.4,
       false, ""},
      {"the user's page", {{"media", letter}}, true, letter, 215.9, 279.4, false, ""},
      {"no PPD", {}, false, a4, 210, 297, false, ""},
      {"no PPD, the user's page", {{"media", letter}}, false, letter, 215.9, 279.4, false, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ScriptedCups cups;
    cups.queue = platform::CupsQueue{"Office", c.options};
    if (c.ppd) cups.pages["Office"] = {QPageSize(QPageSize::Letter), ppdBorder};
    cups.jobDefaults["Office"] = {{"media", a4}};
    cups.attributes["Office"] = {{"printer-state-message", "out of paper, try tomorrow"}};
    const platform::PrintQueue queue = platform::CupsPrintSystem(&cups).defaultQueue();
    EXPECT_EQ(queue.name, "Office");
    EXPECT_EQ(queue.media, c.media);
    EXPECT_NEAR(queue.pageWidthMm, c.widthMm, 0.1);
    EXPECT_NEAR(queue.pageHeightMm, c.heightMm, 0.1);
    EXPECT_EQ(queue.marginsMm, c.ppd ? std::optional(ppdBorder) : std::nullopt);
    EXPECT_EQ(queue.paused, c.paused);
    EXPECT_EQ(queue.stateMessage, c.message);
  }
  ScriptedCups none;
  EXPECT_EQ(platform::CupsPrintSystem(&none).defaultQueue().name, "");
}

// A job handed to a queue: on the queue's page, named after its title, and
// taken or refused with the system's reason, or with words of the program's
// own where the system gives none.
TEST(CupsPrintSystem, AJobIsTakenOrRefusedWithAReason) {
  const std::string noReason = "THE PRINT SYSTEM GAVE NO REASON", refused = "Destination \"A4Q\" is not accepting jobs.";
  const struct {
    const char* what;
    std::string media;
    int job;
    const char* error;
    platform::PrintOutcome outcome;
  } cases[] = {
      {"taken", "A4", 12, "successful-ok", {12, ""}},
      {"taken, on no page named", "", 13, "successful-ok", {13, ""}},
      {"refused with a reason", "A4", 0, refused.c_str(), {0, refused}},
      {"refused with an empty reason", "A4", 0, "", {0, noReason}},
      {"refused with no reason", "A4", 0, nullptr, {0, noReason}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ScriptedCups cups;
    cups.job = c.job;
    cups.error = c.error;
    const platform::PrintOutcome outcome =
        platform::CupsPrintSystem(&cups).submit({.name = "A4Q", .media = c.media}, "/tmp/job.pdf", "SOW LISTING");
    EXPECT_EQ(outcome.job, c.outcome.job);
    EXPECT_EQ(outcome.refusal, c.outcome.refusal);
    ASSERT_EQ(cups.jobs.size(), 1u);
    EXPECT_EQ(cups.jobs[0].queue, "A4Q");
    EXPECT_EQ(cups.jobs[0].file, "/tmp/job.pdf");
    EXPECT_EQ(cups.jobs[0].title, "SOW LISTING");
    const platform::CupsOptions page = c.media.empty() ? platform::CupsOptions() : platform::CupsOptions{{"media", c.media}};
    EXPECT_EQ(cups.jobs[0].options, page);
  }
}
