#include <gtest/gtest.h>

#include <QAccessible>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <cstring>
#include <ostream>
#include <QApplication>
#include <QFontInfo>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <memory>
#include <QMouseEvent>
#include <QShortcutEvent>
#include <QStyleFactory>
#include <QStyleOptionViewItem>

#include "platform/Controls.h"
#include "platform/Form.h"
#include "platform/FormKit.h"
#include "platform/Grid.h"
#include "platform/Menus.h"
#include "support/Keys.h"
#include "support/TestPlatform.h"

using namespace platform;

TEST(MaskedDateBox, ReadsPromptCharactersWhenEmptyOrPartlyFilled) {
  TestPlatform tp;
  QWidget w;
  MaskedDateBox box(&w, "DateBox");
  EXPECT_EQ(box.Text(), "__/__/____");
  box.SetText("07/04/2026");
  EXPECT_EQ(box.Text(), "07/04/2026");
  box.SetText("__/__/____");
  EXPECT_EQ(box.Text(), "__/__/____");
  box.setFocus();
  box.setCursorPosition(0);
  box.insert("07");
  EXPECT_EQ(box.Text(), "07/__/____");
  box.Clear();
  EXPECT_EQ(box.Text(), "__/__/____");
}

TEST(TextBox, KeyPressFilterChangesAndRefusesCharacters) {
  TestPlatform tp;
  QWidget w;
  TextBox box(&w, "Name");
  box.SetMaxLength(5);
  box.onKeyPress = [](int& key) {
    if (key == '9') key = 0;                    // refused
    if (key >= 'a' && key <= 'z') key -= 32;    // upper-cased
  };
  box.Type("ab9cdef");
  EXPECT_EQ(box.Text(), "ABCDE");
}

// The characters a box takes limit typing only: a figure the program puts in
// it shows whole, typing makes it no longer, and once within the limit the
// limit holds.
TEST(TextBox, ATextPastTheLimitShowsWholeAndTypingNeverLengthensIt) {
  TestPlatform tp;
  Form w("W");
  TextBox box(&w, "Backfat");
  box.SetMaxLength(4);
  box.SetText("9999.96");
  activate(w);
  box.SetFocus();
  press(Qt::Key_End);
  typeKeys("1");
  EXPECT_EQ(box.Text(), "9999.96");
  press(Qt::Key_Backspace);
  typeKeys("5");
  EXPECT_EQ(box.Text(), "9999.9");
  box.selectAll();
  typeKeys("12345");
  EXPECT_EQ(box.Text(), "1234");
  EXPECT_EQ(box.MaxLength(), 4);
}

// What an edit leaves in a box: its text as shown, the caret and the
// selection.
struct EditState {
  QString text;
  int caret, selectionStart, selectionLength;
  bool operator==(const EditState&) const = default;
};
std::ostream& operator<<(std::ostream& out, const EditState& s) {
  return out << '"' << s.text.toStdString() << "\" caret " << s.caret << " selection " << s.selectionStart << "+"
             << s.selectionLength;
}
EditState stateOf(QWidget* box) {
  if (auto* line = qobject_cast<QLineEdit*>(box)) {
    const QString text = line->inputMask().isEmpty() ? line->text() : line->displayText();
    return {text, line->cursorPosition(), line->selectionStart(), static_cast<int>(line->selectedText().size())};
  }
  const QTextCursor cursor = static_cast<QPlainTextEdit*>(box)->textCursor();
  return {static_cast<QPlainTextEdit*>(box)->toPlainText(), cursor.position(), cursor.selectionStart(),
          cursor.selectionEnd() - cursor.selectionStart()};
}

// Every kind of box edits as the toolkit's plain widget beside it: the same
// keys leave the same text, caret and selection. A text box's limit cuts
// typing and pasting as the line edit's does, from its first change on; a
// text the program put in it past its limit is edited as in a line edit that
// takes its length.
TEST(TextBox, EditsAsThePlainLineEdit) {
  TestPlatform tp;
  enum Kind { Text, Password, Date, Lines };
  const struct {
    Kind kind;
    int limit;             // the box's limit (text boxes)
    const char* shown;     // what the program put in the box
    const char* clipboard;
    const char* keys;      // pressEdits
    const char* stored;    // the text the box holds after them
  } rows[] = {
      {Text, 5, "", "", "25{Home}10", "1025"},
      {Text, 6, "", "", ".5{Home}12", "12.5"},
      {Text, 6, "", "", "1234{Home}{Right}{Del}{Del}", "14"},
      {Text, 6, "", "", "12345{Left}{Left}{BS}", "1245"},
      {Text, 6, "", "", "12.5{SelectAll}99{Undo}", "12.5"},
      {Text, 6, "", "", "12.5{SelectAll}99{Undo}{Redo}", "99"},
      {Text, 20, "", "", "ABCDEF{Home}{Right}{Right}xy", "ABxyCDEF"},
      {Text, 20, "", "", "ABCDEF{Home}{Right}{Right}xy{Undo}", "ABCDEF"},
      {Text, 6, "123456", "", "{Home}{Right}{ShiftRight}{ShiftRight}9", "19456"},
      {Text, 6, "123456", "", "{End}7{Home}{Del}7", "723456"},
      {Text, 20, "", "", "ABCDEF{Home}{ShiftRight}{ShiftRight}{Cut}{End}{Paste}", "CDEFAB"},
      {Text, 5, "12", "34567", "{End}{Paste}", "12345"},
      {Text, 5, "12", "34567", "{Home}{Right}{Paste}{Undo}", "12"},
      {Text, 4, "", "123456", "{Paste}", "1234"},
      {Text, 4, "", "123456", "{Paste}{BS}{Paste}", "1231"},
      {Text, 4, "9999.96", "", "{Home}{Right}{Del}", "999.96"},
      {Text, 4, "9999.96", "", "{End}{ShiftLeft}{ShiftLeft}5", "9999.5"},
      {Text, 4, "9999.96", "", "{End}{ShiftLeft}{ShiftLeft}5{Undo}", "9999.96"},
      {Text, 4, "9999.96", "", "{Home}{ShiftEnd}{Del}{Undo}{Left}x", "9999.96"},
      {Password, 10, "", "", "secret{Home}{Right}x{BS}{Del}", "scret"},
      {Password, 10, "", "", "secret{Left}{Left}{ShiftLeft}AB", "secABet"},
      {Date, 0, "", "", "{Home}07042026", "07/04/2026"},
      {Date, 0, "07/04/2026", "", "{Home}{Right}{Right}15", "07/15/2026"},
      {Date, 0, "07/04/2026", "", "{End}{BS}{BS}{Undo}", "07/04/2026"},
      {Lines, 0, "NOTE", "", "{Home}{Right}x{End}{BS}", "NxOT"},
      {Lines, 0, "", "", "AB{Home}{ShiftRight}C{Undo}", "AB"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(std::string(row.shown) + " " + row.keys);
    Form w("W");
    QWidget* ours = nullptr;
    QWidget* plain = nullptr;
    switch (row.kind) {
      case Text:
      case Password: {
        auto* box = new TextBox(&w, "Box");
        auto* line = new QLineEdit(&w);
        box->SetMaxLength(row.limit);
        if (*row.shown) box->SetText(row.shown);  // a new box is as its window made it
        line->setMaxLength(std::max<int>(row.limit, static_cast<int>(strlen(row.shown))));
        line->setText(row.shown);
        if (row.kind == Password) {
          box->setEchoMode(QLineEdit::Password);
          line->setEchoMode(QLineEdit::Password);
        }
        ours = box, plain = line;
        break;
      }
      case Date: {
        auto* box = new MaskedDateBox(&w, "Box");
        auto* line = new QLineEdit(&w);
        line->setInputMask("00/00/0000;_");
        box->SetText(row.shown);
        line->setText(row.shown);
        ours = box, plain = line;
        break;
      }
      case Lines: {
        auto* box = new MultiLineTextBox(&w, "Box");
        auto* edit = new QPlainTextEdit(&w);
        box->SetText(row.shown);
        edit->setPlainText(row.shown);
        ours = box, plain = edit;
        break;
      }
    }
    activate(w);
    std::vector<EditState> after;
    for (QWidget* box : {ours, plain}) {
      QGuiApplication::clipboard()->setText(row.clipboard);
      box->setFocus();
      pressEdits(row.keys);
      after.push_back(stateOf(box));
    }
    EXPECT_EQ(after[0], after[1]);
    EXPECT_EQ(after[0].text.toStdString(), row.stored);
  }
}

TEST(ListBox, ItemDataSelectionAndNewIndex) {
  TestPlatform tp;
  QWidget w;
  ListBox list(&w, "SowList");
  EXPECT_EQ(list.font().family().toStdString().empty(), false);
  list.AddItem(" A1      LANDRACE", 7);
  list.AddItem(" B2      DUROC", 12);
  EXPECT_EQ(list.NewIndex(), 1);
  EXPECT_EQ(list.ListCount(), 2);
  EXPECT_EQ(list.ItemData(0), 7);
  EXPECT_EQ(list.ItemData(1), 12);
  list.SetSelected(0, true);
  list.SetSelected(1, true);
  EXPECT_EQ(list.SelCount(), 2);
  EXPECT_EQ(list.List(1), " B2      DUROC");
  list.Clear();
  EXPECT_EQ(list.NewIndex(), -1);
  EXPECT_EQ(list.ListCount(), 0);
}

// A page of rows goes in as one change: the rows, their item data and an
// empty selection, whatever the list held before.
TEST(ListBox, SetItemsReplacesEveryRow) {
  TestPlatform tp;
  QWidget w;
  ListBox list(&w, "SowList");
  list.AddItem("OLD", 1);
  list.AddItem("OLDER");
  list.SetSelected(1, true);
  list.SetItems({{" A1", 7}, {" \x80 B2", 12}, {" C3", 802}});
  ASSERT_EQ(list.ListCount(), 3);
  EXPECT_EQ(list.SelCount(), 0);
  EXPECT_EQ(list.List(1), " \x80 B2");  // the euro sign of Windows-1252 and back
  EXPECT_EQ(list.DrawnText(1), QString::fromUtf8(" \u20ac B2"));  // as drawn
  for (int row = 0; row < 3; ++row) EXPECT_EQ(list.ItemData(row), std::vector<long>({7, 12, 802})[row]);
  list.SetItemData(2, 5);
  EXPECT_EQ(list.ItemData(2), 5);
  list.SetSelected(2, true);
  EXPECT_EQ(list.SelCount(), 1);
  EXPECT_EQ(list.ListCount(), 3);
}

// The rows of one buffer: each text (empty ones too) and item data as added,
// a row taken out or the whole cleared and filled again; the list shows
// them as handed over, rows added after them following.
TEST(ListItems, HoldEachRowAsAddedThroughRemovesAndRefills) {
  TestPlatform tp;
  ListItems rows;
  rows.reserve(4);
  rows.add(" A1", 7);
  rows.add("", 8);
  rows.add(" \x80 B2", 12);
  rows.add(" C3");
  rows.remove(1);
  rows.setItemData(2, 802);
  const auto all = [](const ListItems& r) {
    std::string out;
    for (size_t i = 0; i < r.size(); ++i) out += std::string(r.text(i)) + "=" + std::to_string(r.itemData(i)) + "|";
    return out;
  };
  EXPECT_EQ(all(rows), " A1=7| \x80 B2=12| C3=802|");
  rows.remove(0);
  EXPECT_EQ(all(rows), " \x80 B2=12| C3=802|");
  rows.clear();
  EXPECT_TRUE(rows.empty());
  rows.add("D4", 4);
  rows.add("E5", 5);
  QWidget w;
  ListBox list(&w, "SowList");
  list.AddItem("OLD", 1);
  list.SetItems(std::move(rows));
  list.AddItem("F6", 6);
  list.RemoveItem(0);
  ASSERT_EQ(list.ListCount(), 2);
  EXPECT_EQ(list.List(0) + list.List(1), "E5F6");
  EXPECT_EQ(list.ItemData(0) * 10 + list.ItemData(1), 56);
}

// A row is as wide as the style measures its characters in the list's font,
// whatever lists of other fonts or styles measured before it.
TEST(ListBox, RowsAreMeasuredInTheirOwnFontAndStyle) {
  TestPlatform tp;
  std::unique_ptr<QStyle> windows(QStyleFactory::create("Windows"));
  const struct {
    int points;
    QStyle* style;  // or the application's
    size_t chars;
  } lists[] = {{9, nullptr, 150}, {12, nullptr, 150}, {9, nullptr, 150}, {9, windows.get(), 150},
               {9, nullptr, 151}, {9, windows.get(), 150}, {10, nullptr, 1}, {10, nullptr, 90}};
  for (const auto& l : lists) {
    Form w("W");
    ListBox list(&w, "SowList");
    if (l.style) list.setStyle(l.style);
    list.setFont(makeFont("Courier New", l.points));
    list.resize(40, 200);
    w.show();
    list.SetItems({{std::string(l.chars, 'S'), 1}});
    QStyleOptionViewItem row;
    row.initFrom(list.viewport());
    row.font = list.font();
    row.features = QStyleOptionViewItem::HasDisplay;
    row.text = QString(static_cast<qsizetype>(l.chars), QLatin1Char('0'));
    const QSize measured = list.style()->sizeFromContents(QStyle::CT_ItemViewItem, &row, QSize(), &list);
    EXPECT_EQ(list.RowRect(0).size(), QSize(std::max(measured.width(), list.viewport()->width()), measured.height()))
        << l.points << " points, " << l.chars << " characters";
  }
}

// Which rows are selected follows every way the selection changes: one row
// at a time, a range chosen as a drag or Shift chooses it, rows cleared,
// rows replaced or taken away.
TEST(ListBox, SelectedFollowsEveryChangeOfTheSelection) {
  TestPlatform tp;
  QWidget w;
  ListBox list(&w, "SowList");
  list.SetItems({{"A", 1}, {"B", 2}, {"C", 3}, {"D", 4}, {"E", 5}});
  // The rows asked one by one, which SelectedRows gives in the same order.
  const auto selected = [&list] {
    std::string rows, listed;
    for (int i = 0; i < list.ListCount(); ++i)
      if (list.Selected(i)) rows += list.List(i);
    for (int row : list.SelectedRows()) listed += list.List(row);
    EXPECT_EQ(listed, rows);
    return rows + std::to_string(list.SelCount());
  };
  EXPECT_EQ(selected(), "0");
  list.SetSelected(1, true);
  list.SetSelected(3, true);
  EXPECT_EQ(selected(), "BD2");
  list.SetSelected(2, 4, true);
  EXPECT_EQ(selected(), "BCDE4");
  list.SetSelected(3, false);
  EXPECT_EQ(selected(), "BCE3");
  list.RemoveItem(0);
  EXPECT_EQ(selected(), "BCE3");
  list.clearSelection();
  EXPECT_EQ(selected(), "0");
  list.SetSelected(0, true);
  list.SetItems({{"F", 6}, {"G", 7}});
  EXPECT_EQ(selected(), "0");
  list.SetSelected(1, true);
  list.Clear();
  list.AddItem("H");
  EXPECT_EQ(selected(), "0");
}

// The keys and the mouse on a list of 20 rows with 5 in sight, one step
// after another: the current row, the selected rows and the top row in
// sight after each. End with no current row goes to the last row; Page Up
// and Page Down move by the rows in sight but one; the current row is
// scrolled into sight; Left and Right move nowhere.
TEST(ListBox, KeysAndMouseMoveSelectAndScrollAsAListDoes) {
  TestPlatform tp;
  Form w("W");
  ListBox list(&w, "SowList");
  std::vector<std::pair<std::string, long>> rows;
  for (int row = 0; row < 20; ++row) rows.push_back({" S" + std::to_string(row), row});
  list.SetItems(rows);
  list.setFocus();
  activate(w);
  const int high = list.RowRect(0).height();
  list.resize(200, 5 * high + high / 2 + list.height() - list.viewport()->height());
  const auto mouse = [&list](QEvent::Type type, int row, Qt::KeyboardModifiers modifiers) {
    const QPointF at = list.RowRect(row).center();
    QMouseEvent event(type, at, list.viewport()->mapToGlobal(at), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, modifiers);
    QApplication::sendEvent(list.viewport(), &event);
  };
  const QEvent::Type down = QEvent::MouseButtonPress, drag = QEvent::MouseMove, up = QEvent::MouseButtonRelease;
  const Qt::KeyboardModifiers none = Qt::NoModifier, shift = Qt::ShiftModifier, ctrl = Qt::ControlModifier;
  const struct {
    int key;  // or 0 for the mouse
    QEvent::Type mouse;
    int row;
    Qt::KeyboardModifiers modifiers;
    std::string after;  // current row, selected rows, top row
  } steps[] = {
      {Qt::Key_End, down, 0, none, "19:19:15"},       {Qt::Key_Home, down, 0, none, "0:0:0"},
      {Qt::Key_PageDown, down, 0, none, "4:4:0"},
      {Qt::Key_PageDown, down, 0, none, "8:8:4"},     {Qt::Key_Down, down, 0, none, "9:9:5"},
      {Qt::Key_PageUp, down, 0, none, "5:5:5"},       {Qt::Key_Up, down, 0, none, "4:4:4"},
      {Qt::Key_End, down, 0, none, "19:19:15"},       {Qt::Key_PageDown, down, 0, none, "19:19:15"},
      {Qt::Key_Home, down, 0, none, "0:0:0"},         {Qt::Key_Right, down, 0, none, "0:0:0"},
      {Qt::Key_Down, down, 0, shift, "1:01:0"},       {Qt::Key_Down, down, 0, shift, "2:012:0"},
      {Qt::Key_Down, down, 0, ctrl, "3:012:0"},       {Qt::Key_Space, down, 0, ctrl, "3:0123:0"},
      {Qt::Key_PageDown, down, 0, shift, "7:01234567:3"},
      {0, down, 4, none, "4:01234567:3"},             {0, up, 4, none, "4:4:3"},
      {0, down, 6, ctrl, "6:46:3"},                   {0, up, 6, ctrl, "6:46:3"},
      {0, down, 3, shift, "3:3456:3"},                {0, up, 3, shift, "3:3456:3"},
      {0, down, 7, none, "7:7:3"},                    {0, drag, 5, none, "5:567:3"},
      {0, drag, 4, none, "4:4567:3"},                  {0, up, 4, none, "4:4567:3"},
  };
  for (const auto& step : steps) {
    if (step.key) press(step.key, step.modifiers, step.key == Qt::Key_Space ? " " : "");
    else mouse(step.mouse, step.row, step.modifiers);
    std::string after = std::to_string(list.ListIndex()) + ":";
    for (int row = 0; row < list.ListCount(); ++row)
      if (list.Selected(row)) after += std::to_string(row);
    after += ":" + std::to_string(list.RowAt(QPoint(1, 1)));
    EXPECT_EQ(after, step.after) << step.key << " " << step.row;
  }
}

TEST(MenuArray, ClickReachesHandlerOnlyForVisibleEnabledItems) {
  TestPlatform tp;
  QMenuBar bar;
  MenuArray top(&bar, "MainMenu");
  std::vector<int> clicks;
  top.onClick = [&](int i) { clicks.push_back(i); };
  QMenu* sowMenu = top.Add(0, "SOW", true);
  top.Add(1, "EXIT");
  MenuArray sow(sowMenu, "MainSow");
  std::vector<int> sowClicks;
  sow.onClick = [&](int i) { sowClicks.push_back(i); };
  sow.SetParentItem(&top, 0);
  sow.Add(0, "History");
  sow.Add(1, "Indexing");

  top.Click(1);
  top.SetEnabled(1, false);
  top.Click(1);
  sow.Click(0);
  top.SetVisible(0, false);
  sow.Click(1);  // its menu is hidden: nothing
  EXPECT_EQ(clicks, std::vector<int>({1}));
  EXPECT_EQ(sowClicks, std::vector<int>({0}));
  EXPECT_FALSE(top.Visible(0));
  EXPECT_EQ(top.Caption(1), "EXIT");

  // Opening the submenu raises the item's own click.
  top.SetVisible(0, true);
  emit sowMenu->aboutToShow();
  EXPECT_EQ(clicks, std::vector<int>({1, 0}));
}

// A placed widget reads back the twips it was last given while it lives; one
// never placed reads none, even where a placed one has gone before it.
TEST(PlaceTwips, EachLiveWidgetReadsItsOwnTwipsAndNoOtherReadsAny) {
  TestPlatform tp;
  QWidget window;
  const auto left = [](const QWidget* w) { return twipsBounds(w).left; };
  for (const int widgets : {10, 700}) {  // the larger makes the table sweep out the gone ones
    std::vector<std::unique_ptr<QWidget>> placed, unplaced;
    for (int i = 0; i < widgets; ++i) {
      placed.push_back(std::make_unique<QWidget>(&window));
      placeTwips(placed.back().get(), 15 * i + 7, 2288, 615, 255);
    }
    for (int i = 0; i < widgets; i += 2) placed[static_cast<size_t>(i)].reset();
    for (int i = 0; i < widgets; i += 2) unplaced.push_back(std::make_unique<QWidget>(&window));
    for (const auto& w : unplaced) EXPECT_EQ(left(w.get()), 0) << widgets;
    for (int i = 1; i < widgets; i += 2) EXPECT_EQ(left(placed[static_cast<size_t>(i)].get()), 15 * i + 7) << i;
  }
}

// A window's menu bar stands at the top of the window and spans it; the
// items shown stand in it left to right, in their order, however many are
// shown or hidden together; a hidden item takes no room.
TEST(MenuBar, SpansItsWindowWithTheItemsShownInOrder) {
  TestPlatform tp;
  Form window("W");
  window.setFont(makeFont("MS Sans Serif", 8, true));
  QMenuBar* bar = AddMenuBar(&window);
  MenuArray items(bar, "Menu");
  for (int i = 0; i < 5; ++i) items.Add(i, "ITEM &" + std::to_string(i));
  window.SetBoundsTwips(0, 0, 9000, 4000);
  window.show();
  const struct {
    std::initializer_list<int> items;
    bool visible;
    std::string shown;
  } steps[] = {{{}, true, "01234"}, {{1, 2, 3}, false, "04"}, {{1, 3}, true, "0134"}, {{0, 1, 2, 3, 4}, true, "01234"}};
  for (const auto& step : steps) {
    items.SetVisible(step.items, step.visible);
    EXPECT_EQ(bar->geometry(), QRect(0, 0, window.width(), bar->sizeHint().height())) << step.shown;
    std::string shown;
    int right = 0;
    for (int i = 0; i < 5; ++i) {
      const QRect place = bar->actionGeometry(bar->actions()[i]);
      if (!items.Visible(i)) {
        EXPECT_TRUE(place.isEmpty()) << step.shown << " item " << i;
        continue;
      }
      shown += std::to_string(i);
      EXPECT_TRUE(bar->rect().contains(place)) << step.shown << " item " << i;
      EXPECT_GE(place.left(), right) << step.shown << " item " << i;
      right = place.right();
    }
    EXPECT_EQ(shown, step.shown);
  }
}

TEST(MenuArray, AHiddenItemKeepsItsEnabledFlag) {
  TestPlatform tp;
  QMenuBar bar;
  MenuArray top(&bar, "LogOnMenu");
  top.Add(0, "Logon");
  top.Add(1, "Add User");
  top.SetVisible(0, false);
  EXPECT_TRUE(top.Enabled(0));
  top.SetEnabled(1, false);
  top.SetVisible(1, false);
  top.SetVisible(1, true);
  EXPECT_FALSE(top.Enabled(1));
  top.SetVisible(0, true);
  EXPECT_TRUE(top.Enabled(0));
  EXPECT_FALSE(top.Enabled(7));  // no such item
}

TEST(Grid, SortsNumbersAsNumbersBelowFixedRow) {
  TestPlatform tp;
  QWidget w;
  Grid g(&w, "SowGrid");
  g.SetRows(4);
  g.SetCols(2);
  g.SetTextMatrix(0, 0, "ID");
  g.SetTextMatrix(1, 0, "A");
  g.SetTextMatrix(1, 1, "10");
  g.SetTextMatrix(2, 0, "B");
  g.SetTextMatrix(2, 1, "9.5");
  g.SetTextMatrix(3, 0, "C");
  g.SetTextMatrix(3, 1, "100");
  g.SortRows(1, true);
  EXPECT_EQ(g.TextMatrix(0, 0), "ID");
  EXPECT_EQ(g.TextMatrix(1, 0), "B");
  EXPECT_EQ(g.TextMatrix(2, 0), "A");
  EXPECT_EQ(g.TextMatrix(3, 0), "C");
  g.SortRows(1, false);
  EXPECT_EQ(g.TextMatrix(1, 0), "C");
  EXPECT_LT(compareCells("5", "abc"), 0);
  EXPECT_GT(compareCells("b", "a"), 0);
}

// A column of figures only and a column with a text among its figures sort
// alike: numbers by value (signs, points, exponents), equal ones in the
// order they stood, in either direction.
TEST(Grid, SortsAColumnOfFiguresByValueKeepingTiesInOrder) {
  TestPlatform tp;
  const struct {
    std::vector<std::string> cells;  // rows A, B, C, ... under a heading row
    bool ascending;
    std::string order;
  } cases[] = {
      {{"10", "-1", "1E2", "10.0", " 2", "+3"}, true, "BEFADC"},
      {{"10", "-1", "1E2", "10.0", " 2", "+3"}, false, "CADFEB"},
      {{"10", "-1", "0x1A", "10.0", "inf", "+3"}, true, "BFADCE"},   // texts after the figures
      {{"10", "-1", "0x1A", "10.0", "inf", "+3"}, false, "ECADFB"},
      {{".5", "0.50", "5e-1", "-0", "0"}, true, "DEABC"},
      // texts alike in their first eight characters, by the rest
      {{"SOW-0001-B", "SOW-0001-A", "SOW-0001", "SOW-0000-Z"}, true, "DCBA"},
      {{"SOW-0001-B", "SOW-0001-A", "SOW-0001", "SOW-0000-Z"}, false, "ABCD"},
      {{"ABCDEFGH2", "ABCDEFGH10", "ABCDEFGH2", "7"}, true, "DBAC"},
  };
  for (const auto& c : cases) {
    Grid g(nullptr, "Grid1");
    g.SetCols(2);
    g.SetRows(static_cast<int>(c.cells.size()) + 1);
    for (size_t r = 0; r < c.cells.size(); ++r)
      g.SetRowTexts(static_cast<int>(r) + 1, {std::string(1, static_cast<char>('A' + r)), c.cells[r]});
    g.SortRows(1, c.ascending);
    std::string order;
    for (int r = 1; r < g.Rows(); ++r) order += g.TextMatrix(r, 0);
    EXPECT_EQ(order, c.order) << c.cells[0] << " " << c.ascending;
  }
}

// A sort orders the rows; the cells written, the rows and columns added or
// taken away afterwards keep to the rows as they are shown.
TEST(Grid, CellsKeepTheirRowsThroughSortsAndResizes) {
  TestPlatform tp;
  Grid g(nullptr, "Grid1");
  g.SetCols(2);
  g.SetRows(5);
  const char* ids[] = {"ID", "D", "B", "A", "C"};
  for (int r = 0; r < 5; ++r) g.SetRowTexts(r, {ids[r], std::to_string(r)}, {0, 2});
  g.SortRows(0, true);                 // A B C D under the heading
  g.SetTextMatrix(2, 1, "b");          // row B
  g.SetRow(3);
  g.SetCol(1);
  g.SetCellAlignment(1);               // row C
  g.SetRows(6);                        // a row after D
  g.SetTextMatrix(5, 0, "E");
  g.SetCols(3);
  g.SetTextMatrix(1, 2, "a");
  auto rows = [&g] {
    std::string all;
    for (int r = 0; r < g.Rows(); ++r)
      all += g.TextMatrix(r, 0) + g.TextMatrix(r, 1) + g.TextMatrix(r, 2) + std::to_string(g.CellAlignment(r, 1)) + "|";
    return all;
  };
  EXPECT_EQ(rows(), "ID02|A3a2|Bb2|C41|D12|E0|");
  g.SortRows(0, false);
  g.SetRows(4);                        // E D C remain under the heading
  EXPECT_EQ(rows(), "ID02|E0|D12|C41|");
  // A whole row read at once, in the order shown; nothing outside the grid.
  std::vector<std::string> texts{"stale"};
  for (const auto& [row, expected] : std::vector<std::pair<int, std::vector<std::string>>>{
           {1, {"E", "", ""}}, {3, {"C", "4", ""}}, {4, {"", "", ""}}, {-1, {"", "", ""}}}) {
    g.RowTexts(row, texts);
    EXPECT_EQ(texts, expected) << "row " << row;
    // As views: as many as asked for, those past the last column empty.
    std::string_view views[4] = {"stale", "stale", "stale", "stale"};
    g.RowTextViews(row, views);
    EXPECT_EQ(std::vector<std::string>(std::begin(views), std::end(views) - 1), expected) << "row " << row;
    EXPECT_EQ(views[3], "") << "row " << row;
  }
  g.ClearGrid();
  EXPECT_EQ(rows(), "2|0|2|1|");  // the texts gone, the alignments kept
}

TEST(Timer, TicksOnlyWhileEnabled) {
  TestPlatform tp;
  QObject owner;
  Timer t(&owner, "Timer1");
  int ticks = 0;
  t.onTimer = [&] { ++ticks; };
  t.SetInterval(3000);
  t.Tick();
  t.SetEnabled(true);
  t.Tick();
  t.SetEnabled(false);
  t.Tick();
  EXPECT_EQ(ticks, 1);
  EXPECT_EQ(t.Interval(), 3000);
}

namespace {
void sendKey(QWidget* to, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QKeyEvent press(QEvent::KeyPress, key, modifiers);
  QApplication::sendEvent(to, &press);
}
}  // namespace

TEST(CommandButton, EnterPressesTheFocusedButtonOnly) {
  TestPlatform tp;
  const struct { const char* to; int key; Qt::KeyboardModifiers modifiers; int pressed; } cases[] = {
      {"A", Qt::Key_Return, Qt::NoModifier, 1}, {"A", Qt::Key_Enter, Qt::KeypadModifier, 1},
      {"Text", Qt::Key_Return, Qt::NoModifier, 0}};  // not even the default button B
  for (const auto& c : cases) {
    Form w("W");
    TextBox text(&w, "Text");
    CommandButton a(&w, "A", "A"), b(&w, "B", "B");
    b.setDefault(true);
    w.show();
    int pressed = 0;
    QObject::connect(&a, &QPushButton::clicked, [&] { pressed += 1; });
    QObject::connect(&b, &QPushButton::clicked, [&] { pressed += 10; });
    sendKey(w.findChild<QWidget*>(c.to), c.key, c.modifiers);
    EXPECT_EQ(pressed, c.pressed) << c.to << " " << c.key;
  }
}

// An access key takes the focus to its button before pressing it, so the box
// left runs its lost-focus handler first; a disabled button takes neither.
TEST(CommandButton, AccessKeyMovesTheFocusThenPresses) {
  TestPlatform tp;
  const struct {
    const char* caption;
    Qt::Key key;
  } buttons[] = {{"&ACCEPT", Qt::Key_A}, {"&<<", Qt::Key_Less}};
  for (const auto& b : buttons) {
    for (const bool enabled : {true, false}) {
      Form w("W");
      TextBox text(&w, "Text");
      CommandButton button(&w, "Button", b.caption);
      button.setEnabled(enabled);
      std::string events;
      text.onLostFocus = [&events] { events += "lost "; };
      QObject::connect(&button, &QPushButton::clicked, [&events] { events += "click"; });
      w.show();
      QApplication::setActiveWindow(&w);
      text.setFocus();
      QShortcutEvent shortcut(QKeySequence(Qt::ALT | b.key), 0);
      QApplication::sendEvent(&button, &shortcut);
      EXPECT_EQ(events, enabled ? "lost click" : "") << b.caption << " " << enabled;
    }
  }
}

// A caption looks as the toolkit's label shows the same plain text, whatever
// its alignment, wrapping, frame or state, tags and "&" shown as themselves,
// and an assistive tool reads it as static text named by the caption.
TEST(Label, DrawsAndReadsAsALabelOfPlainText) {
  TestPlatform tp;
  const struct { const char* caption; Qt::Alignment align; bool wrap; int frame; bool enabled; } cases[] = {
      {"SOW ID.", Qt::AlignLeft | Qt::AlignVCenter, false, QFrame::NoFrame, true},
      {"WEIGHT   SOLD PER PIG", Qt::AlignLeft | Qt::AlignBottom, true, QFrame::NoFrame, true},
      {"FAT FREE    LEAN       INDEX", Qt::AlignHCenter | Qt::AlignBottom, true, QFrame::NoFrame, false},
      {"1,234.56", Qt::AlignRight | Qt::AlignVCenter, false, QFrame::Panel | QFrame::Sunken, true},
      {"PARITY & AGE", Qt::AlignLeft | Qt::AlignTop, false, QFrame::Panel, true},
      {"ENTER PASSWORD", Qt::AlignCenter, true, QFrame::Panel | QFrame::Raised, false},
      {"<B>ID</B> &NAME", Qt::AlignLeft | Qt::AlignVCenter, false, QFrame::NoFrame, true}};
  for (const auto& c : cases) {
    QWidget window;
    window.setFont(makeFont("MS Sans Serif", 8, true));
    Label label(&window, "Label1");
    label.SetCaption(c.caption);
    label.setAlignment(c.align), label.setWordWrap(c.wrap), label.setFrameStyle(c.frame);
    QLabel expected(fromAnsi(c.caption), &window);
    expected.setTextFormat(Qt::PlainText);
    expected.setAlignment(c.align), expected.setWordWrap(c.wrap), expected.setFrameStyle(c.frame);
    for (QWidget* w : std::initializer_list<QWidget*>{&label, &expected})
      w->setGeometry(0, 0, 90, 45), w->setEnabled(c.enabled);
    window.show();
    EXPECT_EQ(label.grab().toImage(), expected.grab().toImage()) << c.caption;
    QAccessibleInterface* read = QAccessible::queryAccessibleInterface(&label);
    EXPECT_EQ(read->role(), QAccessible::StaticText);
    EXPECT_EQ(read->text(QAccessible::Name).toStdString(), c.caption);
  }
}

TEST(MakeFont, EveryNamedFaceIsDrawnInAnInstalledFaceOfItsKind) {
  TestPlatform tp;
  const struct { const char* face; const char* family; bool bold; } cases[] = {
      {"Courier New", "Liberation Mono", false},      {"Arial", "Liberation Sans", false},
      {"MS Sans Serif", "Liberation Sans", false},    {"Small Fonts", "Liberation Sans", false},
      {"Times New Roman", "Liberation Serif", false}, {"MS Serif", "Liberation Serif", false},
      {"Impact", "Liberation Sans Narrow", true}};
  for (const auto& c : cases) {
    const QFontInfo info(makeFont(c.face, 10));
    EXPECT_EQ(info.family().toStdString(), c.family) << c.face;
    EXPECT_EQ(info.bold(), c.bold) << c.face;
  }
}

TEST(OptionButton, TabReachesTheSelectedOptionAndArrowsSelectAsTheyMove) {
  TestPlatform tp;
  const struct { int selected; int key; int expected; } cases[] = {  // selected -1: none
      {2, Qt::Key_Tab, 2},  {-1, Qt::Key_Tab, 0}, {1, Qt::Key_Down, 2}, {1, Qt::Key_Right, 2},
      {3, Qt::Key_Down, 0}, {2, Qt::Key_Up, 1},   {0, Qt::Key_Left, 3}};
  for (const auto& c : cases) {
    Form w("W");
    TextBox before(&w, "Before");
    QGroupBox frame(&w);
    std::vector<OptionButton*> options;
    for (int i = 0; i < 4; ++i) options.push_back(new OptionButton(&frame, "Level", "Level"));
    TextBox after(&w, "After");
    if (c.selected >= 0) options[static_cast<size_t>(c.selected)]->SetValue(true);
    QWidget* from = c.key == Qt::Key_Tab ? static_cast<QWidget*>(&before) : options[static_cast<size_t>(c.selected)];
    from->setFocus();
    sendKey(from, c.key);
    OptionButton* expected = options[static_cast<size_t>(c.expected)];
    EXPECT_EQ(w.focusWidget(), expected) << c.selected << " " << c.key;
    EXPECT_EQ(expected->Value(), c.selected >= 0) << c.selected << " " << c.key;
    sendKey(expected, Qt::Key_Tab);  // and the next Tab leaves the group
    EXPECT_EQ(w.focusWidget(), &after) << c.selected << " " << c.key;
  }
}

// The lost-focus handlers run when another control takes the focus, not while
// a message box, a menu or another program holds it.
TEST(TextBox, LostFocusRunsOnlyWhenAnotherControlTakesTheFocus) {
  TestPlatform tp;
  QWidget w;
  TextBox text(&w, "Text");
  MaskedDateBox date(&w, "Date");
  int lost = 0;
  text.onLostFocus = date.onLostFocus = [&lost] { ++lost; };
  const struct {
    Qt::FocusReason reason;
    int runs;
  } cases[] = {{Qt::TabFocusReason, 1}, {Qt::MouseFocusReason, 1}, {Qt::OtherFocusReason, 1},
               {Qt::ActiveWindowFocusReason, 0}, {Qt::PopupFocusReason, 0}};
  for (const auto& c : cases) {
    for (QWidget* box : {static_cast<QWidget*>(&text), static_cast<QWidget*>(&date)}) {
      lost = 0;
      QFocusEvent out(QEvent::FocusOut, c.reason);
      QApplication::sendEvent(box, &out);
      EXPECT_EQ(lost, c.runs) << box->objectName().toStdString() << " " << c.reason;
    }
  }
}

namespace {
// A window of three boxes, the box tried in the middle of the tab order, and
// another window that takes the activation away (a message box, another
// program).
template <class Box>
struct BoxWindow {
  Form w{"W"};
  TextBox before{&w, "Before"};
  Box box{&w, "Box"};
  TextBox after{&w, "After"};
  Form other{"Other"};
  BoxWindow() { SetTabOrder({&before, &box, &after}); }
  void open(QWidget& focused) {
    focused.setFocus();
    activate(w);
  }
};
using DateWindow = BoxWindow<MaskedDateBox>;

// Each way the focus reaches the middle box of a window.
template <class Box>
std::vector<std::pair<const char*, std::function<void(BoxWindow<Box>&)>>> focusRoutes() {
  using W = BoxWindow<Box>;
  return {
      {"Tab", [](W& d) { d.open(d.before); press(Qt::Key_Tab); }},
      {"Backtab", [](W& d) { d.open(d.after); press(Qt::Key_Backtab, Qt::ShiftModifier); }},
      {"SetFocus", [](W& d) { d.open(d.before); d.box.SetFocus(); }},
      {"SetFocus on the focused box", [](W& d) { d.open(d.box); d.box.end(false); d.box.SetFocus(); }},
      {"window opening on it",  // the first box that takes the focus, chosen as the window activates
       [](W& d) { d.before.setFocusPolicy(Qt::NoFocus); activate(d.w); }},
      {"refusal", [](W& d) { d.open(d.after); ShowRefusal(Refusal{"BAD", "T"}, &d.box); }},
      {"refusal while a box holds the window",
       [](W& d) {
         d.open(d.box);
         d.box.end(false);
         activate(d.other);
         SetFocusOn(&d.box);
         activate(d.w);
       }},
      {"refusal from another box while a box holds the window",
       [](W& d) {
         d.open(d.after);
         activate(d.other);
         d.box.setFocus(Qt::OtherFocusReason);
         activate(d.w);
       }},
  };
}

void clickAt(QWidget& box, int x) {
  const QPointF at(x, box.height() / 2);
  QMouseEvent down(QEvent::MouseButtonPress, at, box.mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&box, &down);
  QMouseEvent up(QEvent::MouseButtonRelease, at, box.mapToGlobal(at), Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(&box, &up);
}
}  // namespace

// However the focus reaches a one-line box, what is typed at once fills it
// from its start, over what it showed: digits in a date box, letters in a
// text box.
TEST(EntryBox, TypingFillsTheBoxFromItsStartHoweverTheFocusArrives) {
  TestPlatform tp;
  for (const char* shown : {"", "12/25/2024", "07/__/____"}) {
    for (const auto& [route, arrive] : focusRoutes<MaskedDateBox>()) {
      DateWindow d;
      d.box.SetText(shown);
      arrive(d);
      ASSERT_EQ(QApplication::focusWidget(), &d.box) << route;
      typeKeys("06012025");
      EXPECT_EQ(d.box.Text(), "06/01/2025") << route << " over \"" << shown << "\"";
    }
  }
  for (const char* shown : {"", "YORK X LAND", "abc"}) {
    for (const auto& [route, arrive] : focusRoutes<TextBox>()) {
      BoxWindow<TextBox> d;
      d.box.SetText(shown);
      arrive(d);
      ASSERT_EQ(QApplication::focusWidget(), &d.box) << route;
      typeKeys("120");
      EXPECT_EQ(d.box.Text(), "120") << route << " over \"" << shown << "\"";
    }
  }
}

// A click leaves the caret where it lands, but never past the first position
// still to be typed; a box that comes back from another window keeps its
// caret, so typing goes on where it stopped.
TEST(MaskedDateBox, AClickOrAReturnFromAnotherWindowKeepsWhatIsTyped) {
  TestPlatform tp;
  const struct {
    const char* shown;
    int clickX;  // pixels from the left; -1: the right end
    const char* typed;
    const char* result;
  } clicks[] = {{"", -1, "06012025", "06/01/2025"},
                {"07/__/____", -1, "012025", "07/01/2025"},
                {"12/25/2024", 2, "06", "06/25/2024"}};
  for (const auto& c : clicks) {
    DateWindow d;
    d.box.SetText(c.shown);
    d.open(d.before);
    d.box.setFocus(Qt::MouseFocusReason);
    clickAt(d.box, c.clickX < 0 ? d.box.width() - 2 : c.clickX);
    typeKeys(c.typed);
    EXPECT_EQ(d.box.Text(), c.result) << c.shown;
  }
  DateWindow d;
  d.open(d.before);
  press(Qt::Key_Tab);
  typeKeys("0601");
  activate(d.other);
  activate(d.w);
  typeKeys("2025");
  EXPECT_EQ(d.box.Text(), "06/01/2025");
}

// Alt, with Ctrl or Shift or neither, types nothing into any box; the box's
// key-down handler still sees the key, and plain typing still types.
TEST(KeyRules, AnAltCombinationTypesNothingInAnyBox) {
  TestPlatform tp;
  for (const Qt::KeyboardModifiers more : {Qt::NoModifier, Qt::ControlModifier, Qt::ShiftModifier}) {
    Form w("W");
    TextBox text(&w, "Text");
    MaskedDateBox date(&w, "Date");
    MultiLineTextBox lines(&w, "Lines");
    ComboBox combo(&w, "Combo", true);
    std::vector<std::pair<int, int>> keyDowns;
    text.onKeyDown = [&keyDowns](int& code, int shift) { keyDowns.emplace_back(code, shift); };
    text.SetText("YORK X LAND");
    lines.SetText("NOTE");
    const std::vector<std::pair<QWidget*, std::function<std::string()>>> boxes = {
        {&text, [&] { return text.Text(); }},
        {&date, [&] { return date.Text(); }},
        {&lines, [&] { return lines.Text(); }},
        {&combo, [&] { return combo.Text(); }}};
    activate(w);
    for (const auto& [box, read] : boxes) {
      box->setFocus();
      const std::string before = read();
      for (char letter : {'z', 'k', 'a', '2'}) {
        if (letter == '2') press(Qt::Key_2, Qt::AltModifier | more, "2");
        else pressAlt(letter, more);
      }
      EXPECT_EQ(read(), before) << box->objectName().toStdString() << " " << more;
      typeKeys("1");
      EXPECT_NE(read(), before) << box->objectName().toStdString() << " " << more;
    }
    const int shift = 4 | (more & Qt::ControlModifier ? 2 : 0) | (more & Qt::ShiftModifier ? 1 : 0);
    ASSERT_GE(keyDowns.size(), 3u);
    EXPECT_EQ(keyDowns[0], std::make_pair(int('Z'), shift));
    EXPECT_EQ(keyDowns[1], std::make_pair(int('K'), shift));
  }
}

// Enter in an editable combo box keeps what was typed as its text and adds
// nothing to its list.
TEST(KeyRules, EnterInAnEditableComboAddsNoItem) {
  TestPlatform tp;
  Form w("W");
  ComboBox combo(&w, "Combo", true);
  combo.AddItem("CORN");
  combo.AddItem("SBM");
  activate(w);
  combo.setFocus();
  combo.SetText("");
  typeKeys("OATS\r");
  EXPECT_EQ(combo.Text(), "OATS");
  ASSERT_EQ(combo.count(), 2);
  EXPECT_EQ(combo.List(1), "SBM");
}

// In an open menu, Alt with the letter of an item chooses it, as the letter
// alone does.
TEST(KeyRules, AnAltLetterInAnOpenMenuChoosesItsItem) {
  TestPlatform tp;
  for (const Qt::KeyboardModifiers modifiers : {Qt::NoModifier, Qt::AltModifier}) {
    Form w("W");
    MenuArray items(AddMenuBar(&w), "Menu");
    QMenu* print = items.Add(0, "&PRINT", true);
    MenuArray printItems(print, "Print");
    std::vector<int> chosen;
    printItems.onClick = [&chosen](int i) { chosen.push_back(i); };
    printItems.Add(0, "&Listing");
    printItems.Add(1, "&Cards");
    activate(w);
    print->popup(w.mapToGlobal(QPoint(0, 0)));
    QKeyEvent key(QEvent::KeyPress, Qt::Key_C, modifiers, "c");
    QApplication::sendEvent(print, &key);
    EXPECT_EQ(chosen, std::vector<int>({1})) << modifiers;
  }
}

// A letter that several items of a window carry acts on the first of them at
// every press, whatever box holds the focus: the menu bar's items before the
// buttons, the buttons in tab order; a disabled first item takes the key and
// does nothing; a hidden one does not count.
TEST(KeyRules, ASharedAccessKeyActsOnItsFirstItemAtEveryPress) {
  TestPlatform tp;
  const struct {
    std::vector<const char*> menu;  // the menu bar's items; "-" before a caption: disabled, "~": hidden
    std::vector<const char*> buttons;  // in tab order, which is the reverse of their making
    const char* chosen;
  } cases[] = {
      {{"&EDIT", "&DELETE", "&EXIT"}, {}, "&EDIT &EDIT &EDIT "},
      {{"&EXIT"}, {"&EDIT"}, "&EXIT &EXIT &EXIT "},
      {{}, {"&ADD", "&ACCEPT", "&EDIT"}, "&EDIT &EDIT &EDIT "},
      {{}, {"&EXIT", "&EDIT"}, "&EDIT &EDIT &EDIT "},  // the first in tab order, the last made
      {{"-&EDIT", "&EXIT"}, {}, ""},
      {{"~&EDIT", "&EXIT"}, {}, "&EXIT &EXIT &EXIT "},
  };
  for (const auto& c : cases) {
    Form w("W");
    TextBox text(&w, "Text");
    std::string chosen;
    MenuArray items(AddMenuBar(&w), "Menu");
    items.onClick = [&](int i) { chosen += items.Caption(i) + " "; };
    for (int i = 0; i < static_cast<int>(c.menu.size()); ++i) {
      const std::string caption = c.menu[static_cast<size_t>(i)];
      items.Add(i, caption[0] == '-' || caption[0] == '~' ? caption.substr(1) : caption);
      items.SetEnabled(i, caption[0] != '-');
      items.SetVisible(i, caption[0] != '~');
    }
    std::vector<std::unique_ptr<CommandButton>> buttons;
    for (const char* caption : c.buttons) {
      buttons.push_back(std::make_unique<CommandButton>(&w, caption, caption));
      QObject::connect(buttons.back().get(), &QPushButton::clicked, [&chosen, caption] { chosen += caption + std::string(" "); });
    }
    for (size_t i = buttons.size(); i > 1; --i) QWidget::setTabOrder(buttons[i - 1].get(), buttons[i - 2].get());
    activate(w);
    for (int time = 0; time < 3; ++time) {
      text.setFocus();
      pressAlt('e');
    }
    EXPECT_EQ(chosen, c.chosen) << c.menu.size() << " " << c.buttons.size();
  }
}

// Rows that start with a blank: Space selects the row under the cursor, and
// no typed character moves to another row, in a list of either selection
// mode and in a grid.
TEST(ListBox, SpaceSelectsTheRowUnderTheCursorAndTypingMovesNowhere) {
  TestPlatform tp;
  for (const bool multi : {true, false}) {
    Form w("W");
    ListBox list(&w, "SowList", multi);
    list.SetItems({{" S1", 1}, {" S2", 2}, {" S3", 3}, {" S4", 4}});
    list.setFocus();
    activate(w);
    press(Qt::Key_Home);
    press(Qt::Key_Down);
    press(Qt::Key_Space, Qt::NoModifier, " ");
    EXPECT_EQ(list.ListIndex(), 1) << multi;
    for (int row = 0; row < 4; ++row) EXPECT_EQ(list.Selected(row), row == 1) << multi << " row " << row;
    typeKeys(" S4s");
    EXPECT_EQ(list.ListIndex(), 1) << multi;
    EXPECT_EQ(list.SelCount(), 1) << multi;
  }
  Form w("W");
  Grid grid(&w, "SowIndexList");
  grid.SetRows(4);
  grid.SetCols(1);
  for (int row = 0; row < 4; ++row) grid.SetTextMatrix(row, 0, " S" + std::to_string(row));
  grid.setFocus();
  activate(w);
  grid.setCurrentIndex(grid.model()->index(1, 0));
  typeKeys(" S3");
  EXPECT_EQ(grid.currentIndex().row(), 1);
}
