#include <gtest/gtest.h>

#include "common/HogGlobals.h"
#include "common/InDiaLog.h"
#include "support/BoxMatch.h"
#include "support/TestPlatform.h"

namespace {
void params(const std::string& width, const std::string& text = "START") {
  InputDialogParams = {"", "ENTER A NAME", "Line one", "Line two", "Line three", text, "10", width, ""};
}
}  // namespace

TEST(InDiaLog, LoadSetsCaptionLabelsAndPlacesTheBox) {
  TestPlatform tp;
  params("615");
  InDiaLog d;
  d.Load();
  EXPECT_EQ(d.Caption(), "ENTER A NAME");
  EXPECT_EQ(d.Label3->Caption(), "Line three");
  EXPECT_EQ(d.DialogText->Text(), "START");
  EXPECT_EQ(d.DialogText->maxLength(), 10);
  EXPECT_EQ(platform::twipsBounds(d.DialogText).left, 2288);
  EXPECT_EQ(platform::twipsBounds(d.DialogText).width, 615);
  EXPECT_EQ(tp.dialogs.beeps, 1);
  EXPECT_TRUE(tp.dialogs.shown.empty());
  params("4800");
  InDiaLog wide;
  wide.Load();
  EXPECT_EQ(platform::twipsBounds(wide.DialogText).left, 195);
}

TEST(InDiaLog, TheWidthMustBe615To4800Twips) {
  const std::string text = "INTERNAL ERROR: THE INPUT BOX WIDTH MUST BE 615 TO 4800 TWIPS.\r\rWIDTH GIVEN: ";
  const auto refused = [&](const std::string& width) {
    return Refusal{text + width, "I N P U T   D I A L O G", platform::vbCritical};
  };
  const struct {
    std::string width;
    Check refusal;
  } rows[] = {
      {"615", std::nullopt}, {"4800", std::nullopt}, {" 2000 ", std::nullopt}, {"614.9", refused("614.9")},
      {"614", refused("614")}, {"4801", refused("4801")}, {"", refused("")}, {"wide", refused("wide")},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.width);
    EXPECT_EQ(CheckInputBoxWidth(row.width), row.refusal);
  }
}

TEST(InDiaLog, WidthOutOfRangeGivesStatusThree) {
  for (const char* w : {"614", "4801"}) {
    TestPlatform tp;
    params(w);
    InDiaLog d;
    d.Load();
    EXPECT_EQ(InputDialogParams[8], "3");
    EXPECT_EQ(InputDialogParams[5], "");
    ASSERT_EQ(tp.dialogs.shown.size(), 1u);
    EXPECT_TRUE(LastBoxIs(tp.dialogs, BoxOf(CheckInputBoxWidth(w))));
    EXPECT_EQ(tp.dialogs.beeps, 2);
    EXPECT_EQ(platform::twipsBounds(d.DialogText).width, 4800);  // as designed
  }
}

TEST(InDiaLog, AcceptWithTextUnloadsWithStatusZero) {
  TestPlatform tp;
  params("2000");
  tp.windows.on("InDiaLog", as<InDiaLog>([](InDiaLog& d) {
    d.DialogText->SetText("SOWS");
    d.Accept->Press();
  }));
  InDiaLog d;
  d.Show(platform::vbModal);
  EXPECT_EQ(InputDialogParams[8], "0");
  EXPECT_EQ(InputDialogParams[5], "SOWS");
  EXPECT_FALSE(d.IsLoaded());
}

TEST(InDiaLog, AcceptWithBlanksHidesWithStatusTwo) {
  TestPlatform tp;
  params("2000");
  InDiaLog d;
  d.Load();
  d.DialogText->SetText("   ");
  d.Accept_Click();
  EXPECT_EQ(InputDialogParams[8], "2");
  EXPECT_EQ(InputDialogParams[5], "   ");
  EXPECT_TRUE(d.IsLoaded());
  EXPECT_FALSE(d.isVisible());
}

TEST(InDiaLog, ExitKeepsEntryFiveOrEmptiesIt) {
  TestPlatform tp;
  params("2000", "BEFORE");
  InDiaLog d;
  d.Load();
  d.DialogText->SetText("TYPED");
  d.ExitBox_Click();
  EXPECT_EQ(InputDialogParams[8], "0");
  EXPECT_EQ(InputDialogParams[5], "BEFORE");
  EXPECT_FALSE(d.IsLoaded());

  params("2000", "BEFORE");
  InDiaLog e;
  e.Load();
  e.DialogText->SetText("");
  e.ExitBox_Click();
  EXPECT_EQ(InputDialogParams[8], "1");
  EXPECT_EQ(InputDialogParams[5], "");
  EXPECT_TRUE(e.IsLoaded());
}

TEST(InDiaLog, ClearEmptiesTheBoxOnly) {
  TestPlatform tp;
  params("2000", "BEFORE");
  InputDialogParams[8] = "x";
  InDiaLog d;
  d.Load();
  d.ClearBox_Click();
  EXPECT_EQ(d.DialogText->Text(), "");
  EXPECT_EQ(InputDialogParams[5], "BEFORE");
  EXPECT_EQ(InputDialogParams[8], "x");
}
