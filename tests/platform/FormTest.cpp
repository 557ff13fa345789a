#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QTextBrowser>
#include <QWindow>
#include <cstdio>
#include <cstdlib>
#include <optional>

#include "platform/Controls.h"
#include "platform/Form.h"
#include "platform/FormKit.h"
#include "platform/System.h"
#include "support/Keys.h"
#include "support/TestPlatform.h"

using namespace platform;

namespace {
class Probe : public Form {
 public:
  explicit Probe(const std::string& name, bool cancelsOnEscape = false) : Form(name) {
    if (cancelsOnEscape) CancelOnEscape();
  }
  int loads = 0, activations = 0, unloads = 0;
  int cancelQuery = 0;
  int lastReason = -1;
  std::function<void()> onActivate;

 protected:
  void Form_Load() override { ++loads; }
  void Form_Activate() override {
    ++activations;
    if (onActivate) onActivate();
  }
  void Form_QueryUnload(int& cancel, int mode) override {
    lastReason = mode;
    cancel = cancelQuery;
  }
  void Form_Unload(int&) override { ++unloads; }
};
}  // namespace

TEST(Form, ModelessShowLoadsOnceAndActivatesOnFirstShowOnly) {
  TestPlatform tp;
  Probe main("Main");
  main.Show();
  main.Show();
  EXPECT_EQ(main.loads, 1);
  EXPECT_EQ(main.activations, 1);
  EXPECT_TRUE(main.isVisible());
  EXPECT_EQ(Form::ActiveForm(), &main);
}

TEST(Form, ClosingAModalChildReactivatesItsOpener) {
  TestPlatform tp;
  Probe main("Main");
  main.Show();
  Probe child("Child");
  tp.windows.on("Child", [](Form& f) { f.Hide(); });
  child.Show(vbModal);
  EXPECT_EQ(child.activations, 1);
  EXPECT_EQ(main.activations, 2);
  EXPECT_EQ(tp.windows.shownModal, std::vector<std::string>({"Child"}));
  EXPECT_TRUE(tp.windows.leftOpen.empty());
  EXPECT_TRUE(child.IsLoaded());  // hidden, still loaded: the opener unloads it
  EXPECT_TRUE(child.Unload());
  EXPECT_EQ(child.unloads, 1);
  // A message box in between activates nothing.
  MsgBox("HELLO");
  EXPECT_EQ(main.activations, 2);
}

TEST(Form, ModalShowEndsAtOnceWhenActivationHidesTheWindow) {
  TestPlatform tp;
  Probe w("Quick");
  w.onActivate = [&] { w.Hide(); };
  w.Show(vbModal);
  EXPECT_TRUE(tp.windows.shownModal.empty());
}

TEST(Form, QueryUnloadMayCancelAndKnowsTheCloseBox) {
  TestPlatform tp;
  Probe w("W");
  w.Show();
  w.cancelQuery = 1;
  w.close();  // the close box
  EXPECT_EQ(w.lastReason, vbFormControlMenu);
  EXPECT_TRUE(w.IsLoaded());
  EXPECT_TRUE(w.isVisible());
  w.cancelQuery = 0;
  EXPECT_TRUE(w.Unload());
  EXPECT_EQ(w.lastReason, vbFormCode);
  EXPECT_FALSE(w.IsLoaded());
  EXPECT_FALSE(w.isVisible());
}

// Esc in a dialog that cancels on Esc (shown modally) does what its close box
// does, the query-unload told so and able to cancel; any other window, modal
// or not (an entry window, the main window), ignores it.
TEST(Form, EscapeClosesOnlyADialogThatCancelsOnIt) {
  TestPlatform tp;
  const struct {
    bool modal;
    bool cancelsOnEscape;
    int cancel;
    int reason;  // what the query-unload was told; -1 not asked
    bool loaded;
  } cases[] = {{true, true, 0, vbFormControlMenu, false},
               {true, true, 1, vbFormControlMenu, true},
               {true, false, 0, -1, true},
               {false, true, 0, -1, true},
               {false, false, 0, -1, true}};
  for (const auto& c : cases) {
    Probe w("W", c.cancelsOnEscape);
    TextBox box(&w, "Box");
    w.cancelQuery = c.cancel;
    bool loadedAfterEsc = false;
    auto escape = [&] {
      activate(w);
      box.setFocus();
      box.SetText("S1");
      press(Qt::Key_Escape);
      loadedAfterEsc = w.IsLoaded() && w.isVisible() && box.Text() == "S1";
      if (loadedAfterEsc && c.modal) w.Hide();
    };
    if (c.modal) {
      tp.windows.on("W", [&](Form&) { escape(); });
      w.Show(vbModal);
    } else {
      w.Show();
      escape();
    }
    EXPECT_EQ(w.lastReason, c.reason) << c.modal << c.cancelsOnEscape << c.cancel;
    EXPECT_EQ(loadedAfterEsc, c.loaded) << c.modal << c.cancelsOnEscape << c.cancel;
    EXPECT_EQ(w.unloads, c.loaded ? 0 : 1) << c.modal << c.cancelsOnEscape << c.cancel;
  }
}

// A window is placed by its frame: the frame's top left where the window
// asks, moved and narrowed so that the whole frame lies on the work area
// (1024 x 738 pixels here), never above its top.
TEST(Form, AWindowsFrameLiesWhollyOnTheWorkArea) {
  TestPlatform tp;
  const struct {
    TwipsRect asked;  // twips: the frame's top left, the inside's size
    QPoint frameAt;
    QSize inside;     // in pixels; negative: the work area less the frame
  } cases[] = {
      {{0, 0, 9000, 6000}, {0, 0}, {600, 400}},
      {{1500, 3000, 9000, 6000}, {100, 200}, {600, 400}},
      {{-4500, -300, 9000, 6000}, {0, 0}, {600, 400}},        // above and left of the screen
      {{14000, 10000, 9000, 6000}, {-600, -400}, {600, 400}},  // past its right and bottom
      {{0, 0, 1024 * 15, 738 * 15}, {0, 0}, {-1, -1}},        // the whole work area
      {{3000, 3000, 20000, 20000}, {0, 0}, {-1, -1}},          // larger than the screen
  };
  Probe main("Main");
  main.Show();  // a framed window, whose frame the others are placed by before their own is known
  for (const auto& c : cases) {
    Probe w("W");
    w.SetBoundsTwips(c.asked.left, c.asked.top, c.asked.width, c.asked.height);
    w.Show();
    const QRect frame = w.frameGeometry(), inside = w.geometry();
    const QSize margins = frame.size() - inside.size();
    ASSERT_GT(inside.top(), frame.top());  // framed, as a window manager frames it
    const QSize expectedInside(c.inside.width() < 0 ? 1024 - margins.width() : c.inside.width(),
                               c.inside.height() < 0 ? 738 - margins.height() : c.inside.height());
    const QPoint expectedAt(c.frameAt.x() < 0 ? 1024 - expectedInside.width() - margins.width() : c.frameAt.x(),
                            c.frameAt.y() < 0 ? 738 - expectedInside.height() - margins.height() : c.frameAt.y());
    EXPECT_EQ(inside.size(), expectedInside) << c.asked.left << "," << c.asked.top;
    EXPECT_EQ(frame.topLeft(), expectedAt) << c.asked.left << "," << c.asked.top;
    EXPECT_TRUE(QRect(0, 0, 1024, 738).contains(frame)) << c.asked.left << "," << c.asked.top;
    EXPECT_EQ(w.BoundsTwips().left, c.asked.left);  // the twips as asked
  }
}

// The help window shown from a dialog belongs to it, so the dialog's modality
// does not block it; when the dialog goes, the help stays shown over the
// window left.
TEST(QtHelp, HelpFromADialogIsNotBlockedByItAndOutlivesIt) {
  TestPlatform tp;
  writeFile(tp.path("TARLOWE5.HLP"), "HOW TO ENTER A SOW");
  QtHelp help;
  Probe main("Main");
  main.Show();
  {
    Probe list("List");
    tp.windows.on("List", [&](Form&) {
      help.showContents(tp.path("TARLOWE5.HLP"));
      ASSERT_TRUE(help.Window());
      EXPECT_TRUE(help.Window()->isVisible());
      EXPECT_EQ(QGuiApplication::modalWindow(), list.windowHandle());
      EXPECT_TRUE(list.windowHandle()->isAncestorOf(help.Window()->windowHandle(), QWindow::IncludeTransients));
      EXPECT_EQ(help.Window()->findChild<QTextBrowser*>("HelpText")->toPlainText(), "HOW TO ENTER A SOW");
    });
    ShowModalThenUnload(list);
  }
  ASSERT_TRUE(help.Window());
  EXPECT_TRUE(help.Window()->isVisible());
  EXPECT_EQ(help.Window()->parentWidget(), &main);
  help.quit();
  EXPECT_FALSE(help.Window()->isVisible());
}

// The help window opens centred over the window it was asked from, its
// frame wholly on the work area however small that window is.
TEST(QtHelp, OpensCentredOverItsWindowWhollyOnTheScreen) {
  TestPlatform tp;
  writeFile(tp.path("TARLOWE5.HLP"), "HOW TO ENTER A SOW");
  const struct {
    TwipsRect list;     // the window it is asked from
    bool centredAcross; // room to centre it across that window
  } cases[] = {{{0, 0, 11400, 7200}, true},      // the nursery list, at the top
               {{6000, 3000, 6000, 3000}, true},  // a small window in the middle
               {{0, 0, 3000, 1500}, false},       // a small window in the corner
               {{12000, 9000, 3000, 1500}, false}};
  for (const auto& c : cases) {
    Probe list("List");
    list.SetBoundsTwips(c.list.left, c.list.top, c.list.width, c.list.height);
    list.Show();
    QtHelp help;
    help.showContents(tp.path("TARLOWE5.HLP"));
    ASSERT_TRUE(help.Window());
    const QRect frame = help.Window()->frameGeometry();
    EXPECT_TRUE(QRect(0, 0, 1024, 738).contains(frame)) << c.list.left << "," << c.list.top;
    if (c.centredAcross) EXPECT_LE(std::abs(frame.center().x() - list.frameGeometry().center().x()), 1) << c.list.left;
  }
}

// HELP > Contents shows the help file when it is text, and the program's own
// help text when the file there is missing, empty or not text (an old
// Windows help file).
TEST(QtHelp, ShowsTheFileWhenItIsTextElseTheProgramsOwnText) {
  TestPlatform tp;
  const QString own = "TARLOWE keeps the records of a swine farm";
  const struct {
    const char* name;
    std::optional<std::string> bytes;  // none: no file
    QString shown;                     // the whole text shown; empty: the program's own
  } cases[] = {
      {"text", "HOW TO ENTER A SOW\n\tFirst the ID.\f", "HOW TO ENTER A SOW\n\tFirst the ID.\f"},
      {"old Windows help", std::string("?_\x03\0\x1c\0\0\0LZ\x01HOW TO", 17), ""},
      {"a bell", "HOW TO\a", ""},
      {"empty", "", ""},
      {"missing", std::nullopt, ""},
  };
  Probe main("Main");
  main.Show();
  for (const auto& c : cases) {
    const std::string path = tp.path("TARLOWE5.HLP");
    std::remove(path.c_str());
    if (c.bytes) writeFile(path, *c.bytes);
    QtHelp help;
    help.showContents(path);
    ASSERT_TRUE(help.Window()) << c.name;
    const QString shown = help.Window()->findChild<QTextBrowser*>("HelpText")->toPlainText();
    if (c.shown.isEmpty())
      EXPECT_TRUE(shown.contains(own)) << c.name << ": " << shown.left(60).toStdString();
    else
      EXPECT_EQ(shown, c.shown) << c.name;
  }
}

namespace {
class KeptProbe : public Form {
 public:
  KeptProbe() : Form("KeptProbe") {}
};
}  // namespace

// A kept window is made once and destroyed when reset; the holder going away
// (the exit handlers, after the toolkit may have gone) leaves it undestroyed.
TEST(KeptWindow, MadeOnFirstUseDestroyedOnlyWhenReset) {
  TestPlatform tp;
  QPointer<KeptProbe> left;
  {
    KeptWindow<KeptProbe> kept;
    EXPECT_FALSE(kept.exists());
    QPointer<KeptProbe> first = &kept.get();
    EXPECT_EQ(&kept.get(), first.data());
    kept.reset();
    EXPECT_TRUE(first.isNull());
    EXPECT_FALSE(kept.exists());
    left = &kept.get();
  }
  ASSERT_FALSE(left.isNull());
  delete left.data();
}
