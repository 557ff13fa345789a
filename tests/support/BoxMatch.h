#pragma once
// The one way a test says which message box it expects: text, title, icon,
// buttons and whether a beep came before it; a refusal's box follows from
// the refusal.
//
//   EXPECT_TRUE(LastBoxIs(tp.dialogs, {"NEW USER ADDED!", kUserInfoTitle, vbInformation}));
//   EXPECT_TRUE(LastBoxIs(tp.dialogs, BoxOf(*CheckLogOnEntry("", "jsmith"))));
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "platform/Refusal.h"
#include "support/ScriptedDialogs.h"

struct ExpectedBox {
  std::string text;
  std::string title;
  int icon = platform::vbExclamation;
  int buttons = platform::vbOKOnly;
  bool beep = true;
};

// A refusal as a failed expectation prints it.
inline void PrintTo(const Refusal& refusal, std::ostream* os) {
  *os << "{" << ::testing::PrintToString(refusal.text) << ", " << ::testing::PrintToString(refusal.title)
      << ", icon " << refusal.icon << ", field " << refusal.field << "}";
}

// The box a refusal shows: beep, its text, title and icon, OK. A check that
// refused nothing expects a box no window shows.
inline ExpectedBox BoxOf(const Refusal& refusal) { return {refusal.text, refusal.title, refusal.icon}; }
inline ExpectedBox BoxOf(const Check& check) { return check ? BoxOf(*check) : ExpectedBox{"(nothing refused)"}; }

// Whether `shown` is the box `expected`; a failure names what differs.
inline ::testing::AssertionResult IsBox(const ShownBox& shown, const ExpectedBox& expected) {
  ::testing::AssertionResult result = ::testing::AssertionSuccess();
  auto differs = [&](const char* what, const auto& got, const auto& wanted) {
    if (got == wanted) return;
    if (result) result = ::testing::AssertionFailure();
    result << what << " is " << ::testing::PrintToString(got) << ", expected " << ::testing::PrintToString(wanted)
           << "; ";
  };
  differs("input", shown.input, false);
  differs("text", shown.text, expected.text);
  differs("title", shown.title, expected.title);
  differs("icon", shown.icon, expected.icon);
  differs("buttons", shown.buttons, expected.buttons);
  differs("beep before", shown.beepBefore, expected.beep);
  return result;
}

// Whether the last box shown is `expected`.
inline ::testing::AssertionResult LastBoxIs(const ScriptedDialogs& dialogs, const ExpectedBox& expected) {
  if (dialogs.shown.empty()) return ::testing::AssertionFailure() << "no box was shown";
  return IsBox(dialogs.last(), expected);
}
