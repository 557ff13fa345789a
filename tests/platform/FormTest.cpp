#include <gtest/gtest.h>

#include "platform/Controls.h"
#include "platform/Form.h"
#include "support/TestPlatform.h"

using namespace platform;

namespace {
class Probe : public Form {
 public:
  explicit Probe(const std::string& name) : Form(name) {}
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
