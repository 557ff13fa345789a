#include "platform/Refusal.h"

#include "platform/Dialogs.h"

int Alert(const std::string& text, int style, const std::string& title) {
  Beep();
  return MsgBox(text, style, title);
}
