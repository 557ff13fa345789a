#include "support/ScriptedDialogs.h"

using namespace platform;

ScriptedDialogs& ScriptedDialogs::answer(int code) {
  answers_.emplace_back(code);
  return *this;
}
ScriptedDialogs& ScriptedDialogs::type(const std::string& text) {
  answers_.emplace_back(std::optional<std::string>(text));
  return *this;
}
ScriptedDialogs& ScriptedDialogs::cancelInput() {
  answers_.emplace_back(std::optional<std::string>());
  return *this;
}

void ScriptedDialogs::beep() {
  ++beeps;
  beepPending_ = true;
}

namespace {
int defaultAnswer(int buttons, int def) {
  static const int table[6][3] = {{vbOK, vbOK, vbOK},           {vbOK, vbCancel, vbCancel},
                                  {vbAbort, vbRetry, vbIgnore}, {vbYes, vbNo, vbCancel},
                                  {vbYes, vbNo, vbNo},          {vbRetry, vbCancel, vbCancel}};
  return table[buttons < 6 ? buttons : 0][def < 3 ? def : 0];
}
}  // namespace

int ScriptedDialogs::msgBox(const std::string& text, int style, const std::string& title) {
  ShownBox box;
  box.text = text;
  box.title = title;
  box.buttons = buttonsOf(style);
  box.icon = iconOf(style);
  box.defaultButton = defaultButtonOf(style);
  box.beepBefore = beepPending_;
  beepPending_ = false;
  if (box.buttons == vbOKOnly) {
    box.answer = vbOK;
  } else if (!answers_.empty() && std::holds_alternative<int>(answers_.front())) {
    box.answer = std::get<int>(answers_.front());
    answers_.pop_front();
  } else {
    ++unanswered;
    box.answer = defaultAnswer(box.buttons, box.defaultButton);
  }
  shown.push_back(box);
  return box.answer;
}

std::optional<std::string> ScriptedDialogs::inputBox(const std::string& prompt, const std::string& title,
                                                     const std::string& defaultText, int x, int y) {
  ShownBox box;
  box.input = true;
  box.text = prompt;
  box.title = title;
  box.defaultText = defaultText;
  box.x = x;
  box.y = y;
  box.beepBefore = beepPending_;
  beepPending_ = false;
  shown.push_back(box);
  if (!answers_.empty() && std::holds_alternative<std::optional<std::string>>(answers_.front())) {
    auto a = std::get<std::optional<std::string>>(answers_.front());
    answers_.pop_front();
    return a;
  }
  ++unanswered;
  return std::nullopt;
}
