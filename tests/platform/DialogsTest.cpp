#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

#include "platform/Dialogs.h"
#include "platform/Form.h"
#include "platform/Screen.h"
#include "support/TestPlatform.h"

using namespace platform;

TEST(ScriptedBoxes, RecordTextTitleIconButtonsAndBeep) {
  TestPlatform tp;
  tp.dialogs.answer(vbNo);
  Beep();
  int a = MsgBox("DELETE SOW?\r\rA1", vbQuestion | vbYesNo | vbDefaultButton2, "D E L E T E");
  EXPECT_EQ(a, vbNo);
  MsgBox("Thank you for using TARLOWE.");
  ASSERT_EQ(tp.dialogs.shown.size(), 2u);
  const ShownBox& first = tp.dialogs.shown[0];
  EXPECT_EQ(first.text, "DELETE SOW?\r\rA1");
  EXPECT_EQ(first.title, "D E L E T E");
  EXPECT_EQ(first.icon, vbQuestion);
  EXPECT_EQ(first.buttons, vbYesNo);
  EXPECT_EQ(first.defaultButton, 1);
  EXPECT_TRUE(first.beepBefore);
  const ShownBox& second = tp.dialogs.shown[1];
  EXPECT_EQ(second.title, "TARLOWE");  // the application's default title
  EXPECT_EQ(second.icon, 0);
  EXPECT_FALSE(second.beepBefore);     // the beep belonged to the first box
  EXPECT_EQ(tp.dialogs.unanswered, 0);
}

TEST(ScriptedBoxes, UnscriptedQuestionTakesItsDefaultAndIsCounted) {
  TestPlatform tp;
  EXPECT_EQ(MsgBox("QUIT?", vbOKCancel | vbDefaultButton2, "EXIT"), vbCancel);
  EXPECT_EQ(MsgBox("RETRY?", vbRetryCancel, "X"), vbRetry);
  EXPECT_EQ(tp.dialogs.unanswered, 2);
}

TEST(ScriptedBoxes, InputBoxTellsCancelFromEmpty) {
  TestPlatform tp;
  tp.dialogs.type("").cancelInput().type("2026");
  auto empty = InputBox("Enter the year", "YEAR", "2025", 1200, 2400);
  auto cancelled = InputBox("Enter the year", "YEAR");
  auto year = InputBox("Enter the year");
  ASSERT_TRUE(empty.has_value());
  EXPECT_EQ(*empty, "");
  EXPECT_FALSE(cancelled.has_value());
  EXPECT_EQ(*year, "2026");
  EXPECT_EQ(tp.dialogs.shown[0].defaultText, "2025");
  EXPECT_EQ(tp.dialogs.shown[0].x, 1200);
  EXPECT_EQ(tp.dialogs.shown[0].y, 2400);
  EXPECT_EQ(tp.dialogs.shown[2].title, "TARLOWE");
}

TEST(MessageText, CarriageReturnsBecomeLines) {
  EXPECT_EQ(displayLines("A\rB\r\nC\nD"), "A\nB\nC\nD");
}

TEST(QtBoxes, OpenOverTheProgramsTopWindowAlsoRightAfterAnotherBox) {
  TestPlatform tp;
  Form main("Main"), child("Child");
  std::vector<QWidget*> parents;
  auto boxes = [&parents] {  // a real message box and input box, each answered at once
    for (bool input : {false, true}) {
      QTimer::singleShot(0, [&parents] {
        QWidget* box = QApplication::activeModalWidget();
        parents.push_back(box->parentWidget());
        static_cast<QDialog*>(box)->done(0);
      });
      if (input) QtDialogs().inputBox("LOGON ID?", "T", "", -1, -1);
      else QtDialogs().msgBox("HELLO", vbOKOnly, "T");
    }
  };
  boxes();  // no window shown yet
  main.Show();
  boxes();
  tp.windows.on("Child", [&](Form& f) { boxes(); boxes(); f.Hide(); });
  child.Show(vbModal);
  boxes();
  EXPECT_EQ(parents, (std::vector<QWidget*>{nullptr, nullptr, &main, &main, &child, &child, &child, &child, &main,
                                            &main}));
}

TEST(QtBoxes, AnInputBoxShowsTheWholeFolderItOffers) {
  TestPlatform tp;
  int shown = 0, whole = -1;
  QTimer::singleShot(0, [&] {  // how far the caret travels from the start to the end, unscrolled
    auto* box = static_cast<QDialog*>(QApplication::activeModalWidget());
    auto* edit = box->findChild<QLineEdit*>();
    const auto caretAt = [edit](bool end) {
      end ? edit->end(false) : edit->home(false);
      edit->grab();  // painting scrolls the text to the caret
      return edit->inputMethodQuery(Qt::ImCursorRectangle).toRect().left();
    };
    const int start = caretAt(false);
    shown = caretAt(true) - start;
    whole = edit->fontMetrics().horizontalAdvance(edit->text());
    box->done(0);
  });
  QtDialogs().inputBox("Enter the BackUp Drive & Path.", "T", "/home/margaret/.local/share/tarlowe/HOGDATA/BACKUP", -1,
                       -1);
  EXPECT_EQ(shown, whole);
}

// Titles the frame once cut: every box and window is at least as wide as its
// title, however narrow its own contents or bounds.
TEST(QtBoxes, EveryBoxAndWindowIsAsWideAsItsTitle) {
  TestPlatform tp;
  const char* const titles[] = {"G R O W E R   I N,  N E W   G R O U P ( 999-23 )", "E N T E R   G R O U P   Y E A R",
                                "G R O U P   Y E A R   E R R O R",  "FEED   INGREDIENT   ENTRY   ERROR",
                                "QUERY   FEED   INGREDIENT   LIST", "DEFRAG  SOW  FILE",
                                "U S E R   I N F R O M A T I O N"};
  QFont titleFont = QFontDatabase::systemFont(QFontDatabase::TitleFont);
  titleFont.setBold(true);
  for (const char* title : titles) {
    SCOPED_TRACE(title);
    const int text = QFontMetrics(titleFont).horizontalAdvance(QString::fromLatin1(title));
    for (bool input : {false, true}) {
      int width = 0, wanted = 0, textLeft = 0;
      QTimer::singleShot(0, [&] {
        auto* box = static_cast<QDialog*>(QApplication::activeModalWidget());
        width = box->width();
        wanted = TitleWidth(*box);
        for (const QLabel* label : box->findChildren<QLabel*>())
          if (label->text() == "No.") textLeft = label->x();
        box->done(0);
      });
      if (input) QtDialogs().inputBox("No.", title, "", -1, -1);
      else QtDialogs().msgBox("No.", vbExclamation | vbOKOnly, title);
      EXPECT_GT(wanted, text) << input;
      EXPECT_GE(width, wanted) << input;
      EXPECT_LT(textLeft, width / 4) << input;  // the text keeps its place by the icon, the room is on its right
    }
    Form captionFirst("CaptionFirst"), boundsFirst("BoundsFirst");
    captionFirst.SetCaption(title);
    captionFirst.SetBoundsTwips(0, 0, 1500, 1500);
    boundsFirst.SetBoundsTwips(0, 0, 1500, 1500);
    boundsFirst.SetCaption(title);
    for (Form* f : {&captionFirst, &boundsFirst}) {
      f->Show();
      EXPECT_GT(TitleWidth(*f), text);
      EXPECT_GE(f->width(), TitleWidth(*f)) << f->objectName().toStdString();
    }
  }
}
