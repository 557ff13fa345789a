// The one-page sheet: its job settings, rows at the pitch from the text
// height, the heading between two rules and the end of the document, item by
// item on the recording printer (a character is size x 12 twips wide, a line
// size x 23 high, the page 11520 wide).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/PrintListing.h"
#include "common/PrintSheet.h"
#include "support/TestPlatform.h"

namespace {

struct Expected {
  PrintedItem::Kind kind;
  double x, y, x2, y2;
  std::string text;
};

void expectItems(const RecordingPrinter& printer, const std::vector<Expected>& expected) {
  ASSERT_EQ(printer.items.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    const PrintedItem& it = printer.items[i];
    const Expected& e = expected[i];
    EXPECT_EQ(it.kind, e.kind) << "item " << i;
    EXPECT_EQ(it.text, e.text) << "item " << i;
    EXPECT_DOUBLE_EQ(it.x, e.x) << "item " << i;
    EXPECT_DOUBLE_EQ(it.y, e.y) << "item " << i;
    if (e.kind == PrintedItem::Line) {
      EXPECT_DOUBLE_EQ(it.x2, e.x2) << "item " << i;
      EXPECT_DOUBLE_EQ(it.y2, e.y2) << "item " << i;
    }
  }
}

constexpr auto kText = PrintedItem::Text;
constexpr auto kLine = PrintedItem::Line;

}  // namespace

// A history sheet: the title block ends on the rule at 805; rows of the
// 10-point face are 230 + 30 high from 805 - 30; the note pad heading's rules
// lie 400 below the last row's foot, the heading 330 below it, the notes from
// 150 above the heading's foot.
TEST(PrintSheet, HistorySheetItemByItem) {
  TestPlatform tp;
  PrintJob.LinesPerPage = 39;
  SetSheetJob("S O W  I D (A12)  H I S T O R Y", 10);
  PrintSheet sheet("Courier New", 10);
  sheet.SetRows(30, -30);
  EXPECT_EQ(sheet.Pitch(), 260);
  sheet.Rows({"", "Breed", "Location"});
  sheet.RuledHeading(" *** N O T E   P A D *** ", 400, 330);
  sheet.SetRows(30, -150);
  sheet.Rows({"first note", ""}, 1);
  EXPECT_TRUE(sheet.End());

  const std::string title = "S O W  I D (A12)  H I S T O R Y";
  expectItems(tp.printer, {{kText, 5760 - title.size() * 26 * 12 / 2.0, 0, 0, 0, title},
                           {kLine, 2, 760, 11520, 760, ""},
                           {kLine, 2, 805, 11520, 805, ""},
                           {kText, 0, 775, 0, 0, ""},
                           {kText, 0, 1035, 0, 0, "Breed"},
                           {kText, 0, 1295, 0, 0, "Location"},
                           {kLine, 0, 1925, 4260, 1925, ""},  // 1295 + 230 + 400; (11520 - 3000) / 2
                           {kLine, 7260, 1925, 11520, 1925, ""},  // to the printable width, not past it
                           {kText, 4260, 1855, 0, 0, " *** N O T E   P A D *** "},
                           {kText, 0, 2195, 0, 0, "first note"},  // 1855 + 230 - 150 + 260
                           {kText, 0, 2455, 0, 0, ""}});
  EXPECT_EQ(tp.printer.items[3].font.size, 10);
  EXPECT_TRUE(tp.printer.items[3].font.bold);
  EXPECT_EQ(tp.printer.pages.size(), 1u);  // the new page before the end adds none
  EXPECT_EQ(tp.printer.finishedDocuments, 1);
  EXPECT_EQ(PrintJob.LinesPerPage, 39);
}

// A summary: rows of the 13-point face 299 + 120 high from the title rule,
// row 1 first, the closing banner centred.
TEST(PrintSheet, SummaryRowsAndCentredBanner) {
  TestPlatform tp;
  SetSheetJob("HERD PERFORMANCE for 2024", 12);
  PrintSheet sheet("Courier New", 13);
  sheet.SetRows(120, 0);
  sheet.Rows({"Number of SOW(s)", PrintedOnLine("SUMMARY", "06/01/2024")}, 1);
  sheet.CentredRow(32, "*** END OF LISTING ***");
  sheet.End();
  const auto page = tp.printer.onPage(1, 1);
  ASSERT_EQ(page.size(), 4u);
  EXPECT_DOUBLE_EQ(page[1].y, 805 + 419);
  EXPECT_EQ(page[2].text, "This SUMMARY was printed on 06/01/2024");
  EXPECT_DOUBLE_EQ(page[2].y, 805 + 2 * 419);
  EXPECT_DOUBLE_EQ(page[3].y, 805 + 32 * 419);
  EXPECT_DOUBLE_EQ(page[3].x, 5760 - 22 * 13 * 12 / 2.0);
  EXPECT_EQ(page[3].font.size, 13);
}

TEST(PrintSheet, JobSettingsOfASheet) {
  TestPlatform tp;
  PrintJob.Heading1 = "OLD";
  PrintJob.Layout = 2;
  PrintJob.LineCount = 7;
  PrintJob.EndBanner = 0;
  PrintJob.TitleFontSize = 10;
  PrintJob.PaperBin = 3;
  SetSheetJob("T", 12);
  EXPECT_EQ(PrintJob.Title, "T");
  EXPECT_EQ(PrintJob.Heading1, "");
  EXPECT_EQ(PrintJob.TitleFontSize, 26);
  EXPECT_EQ(PrintJob.HeadFontSize, 12);
  EXPECT_EQ(PrintJob.BodyFontSize, 12);
  EXPECT_EQ(PrintJob.Layout, 0);
  EXPECT_EQ(PrintJob.TitleRule, -1);
  EXPECT_EQ(PrintJob.PaperBin, 1);
  EXPECT_EQ(PrintJob.LineCount, 7);  // left as it was
  EXPECT_EQ(PrintJob.EndBanner, 0);
}

TEST(PrintSheet, PrinterFailureShowsItsBoxAtTheEnd) {
  TestPlatform tp;
  tp.printer.failAtPage = 1;
  SetSheetJob("T", 10);
  PrintSheet sheet("Courier New", 10);
  sheet.SetRows(30, -30);
  sheet.Row(1, "line");
  EXPECT_FALSE(sheet.End());
  ASSERT_EQ(tp.dialogs.shown.size(), 1u);
  EXPECT_EQ(tp.dialogs.last().title, "P R I N T E R    E R R O R");
  EXPECT_EQ(tp.printer.finishedDocuments, 0);
  EXPECT_TRUE(tp.printer.texts().empty());  // nothing of the failed document
}
