#pragma once
// What a window's check answers when it refuses an entry: the box's text,
// title and icon, and which of the window's fields gets the focus back. A
// check is a plain function of the typed entry returning a refusal or
// nothing; the window only shows it (platform::ShowRefusal).
#include <optional>
#include <string>

#include "platform/VbConstants.h"

struct Refusal {
  std::string text;
  std::string title;
  int icon = platform::vbExclamation;
  // The window's own number of the field to focus; -1 for none.
  int field = -1;

  bool operator==(const Refusal&) const = default;
};

using Check = std::optional<Refusal>;

// A beep, then a message box: every complaint of the program starts so.
int Alert(const std::string& text, int style, const std::string& title);
