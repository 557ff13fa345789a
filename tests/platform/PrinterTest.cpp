// The printer's position, pages and documents, over the recording printer (a
// character is size x 12 twips wide, a line size x 23 high).
#include <gtest/gtest.h>

#include <QImage>
#include <functional>

#include "support/RecordingPrinter.h"
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
