// Esc as the user presses it in each kind of window: a window where records
// are typed and stored with ACCEPT (and a list, and the log-on) ignores it,
// keeping what was typed; the dialogs that ask one thing and may be left
// without it (the query dialogs, the date dialogs, the input dialog, the
// about box) close on it as on their close box.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "common/AboutTarlowe.h"
#include "common/HogGlobals.h"
#include "common/InDiaLog.h"
#include "feed/HogFeed9.h"
#include "groups/HogPig2.h"
#include "medication/Drug_2.h"
#include "reports/DialogHog0.h"
#include "reports/DialogHog4.h"
#include "shell/PassWrd1.h"
#include "sows/DialogHog1.h"
#include "sows/DialogHog2.h"
#include "sows/HogSow2.h"
#include "support/Keys.h"
#include "support/TestPlatform.h"

TEST(EscapeKey, OnlyTheDialogsThatCancelCloseOnIt) {
  const struct {
    std::function<std::unique_ptr<platform::Form>()> make;
    bool closes;
  } cases[] = {
      {[] { return std::make_unique<HogSow2>(); }, false},
      {[] { return std::make_unique<HogFeed9>(); }, false},
      {[] { return std::make_unique<Drug_2>(); }, false},
      {[] { return std::make_unique<HogPig2>(); }, false},
      {[] { return std::make_unique<DialogHog4>(); }, false},
      {[] { return std::make_unique<PassWrd1>(); }, false},
      {[] { return std::make_unique<DialogHog2>(); }, true},
      {[] { return std::make_unique<DialogHog1>(); }, true},
      {[] { return std::make_unique<DialogHog0>(); }, true},
      {[] { return std::make_unique<InDiaLog>(); }, true},
      {[] { return std::make_unique<AboutTarlowe>(); }, true},
  };
  for (const auto& c : cases) {
    TestPlatform tp;
    DataFolder = tp.home();
    InputDialogParams = {"", "ENTER A NAME", "", "", "", "", "10", "615", ""};
    std::unique_ptr<platform::Form> w = c.make();
    const std::string name = w->objectName().toStdString();
    bool open = false;
    std::string typed;
    tp.windows.on(name, [&](platform::Form& f) {
      activate(f);
      typeKeys("11");
      press(Qt::Key_Escape);
      open = f.IsLoaded() && f.isVisible();
      if (QWidget* box = f.focusWidget(); open && box && box->inherits("QLineEdit"))
        typed = box->property("text").toString().toStdString();
      if (open) f.Hide();
    });
    platform::ShowModalThenUnload(*w);
    EXPECT_EQ(open, !c.closes) << name;
    if (!c.closes) EXPECT_NE(typed.find("11"), std::string::npos) << name << ": " << typed;
  }
}
