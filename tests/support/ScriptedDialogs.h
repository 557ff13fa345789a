#pragma once
// Answers message and input boxes in order and records each box shown: its
// text, title, buttons, icon, default button, and whether a beep came before
// it. An OK-only box needs no answer; any other box takes the next scripted
// answer, or, with none left, its default button (counted in unanswered).
#include <deque>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "platform/Dialogs.h"

struct ShownBox {
  bool input = false;       // an input box
  std::string text;         // message, or the input box's prompt
  std::string title;
  int buttons = 0;          // vbOKOnly, vbYesNo, ...
  int icon = 0;             // vbCritical, vbExclamation, ...
  int defaultButton = 0;    // 0-based
  bool beepBefore = false;  // a beep since the previous box
  std::string defaultText;  // input boxes
  int x = -1, y = -1;       // input boxes, twips
  int answer = 0;           // the code returned (message boxes)
};

class ScriptedDialogs : public platform::Dialogs {
 public:
  // The next message box answers `code` (vbYes, vbNo, vbOK, vbCancel, ...).
  ScriptedDialogs& answer(int code);
  // The next input box answers `text` (OK) or is cancelled.
  ScriptedDialogs& type(const std::string& text);
  ScriptedDialogs& cancelInput();

  int msgBox(const std::string& text, int style, const std::string& title) override;
  std::optional<std::string> inputBox(const std::string& prompt, const std::string& title,
                                      const std::string& defaultText, int x, int y) override;
  void beep() override;

  std::vector<ShownBox> shown;
  int beeps = 0;
  int unanswered = 0;
  size_t pending() const { return answers_.size(); }
  const ShownBox& last() const { return shown.back(); }
  void clear() {
    shown.clear();
    beeps = 0;
    unanswered = 0;
    answers_.clear();
  }

 private:
  using Answer = std::variant<int, std::optional<std::string>>;
  std::deque<Answer> answers_;
  bool beepPending_ = false;
};
