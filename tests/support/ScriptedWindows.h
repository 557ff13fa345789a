#pragma once
// Acts for the user in modal windows: each modal show runs the next script
// queued for that window's name (or, with none, leaves at once), and every
// modal show is recorded by name.
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/Form.h"

class ScriptedWindows : public platform::WindowDriver {
 public:
  using Script = std::function<void(platform::Form&)>;
  // The next modal show of the window named `name` runs `script`.
  void on(const std::string& name, Script script) { scripts_[name].push_back(std::move(script)); }
  void runModal(platform::Form& form) override;

  std::vector<std::string> shownModal;  // window names, in order
  // Windows a script left shown; the driver hid them.
  std::vector<std::string> leftOpen;

 private:
  std::map<std::string, std::deque<Script>> scripts_;
};

// A script's typed access to its window.
template <class W>
ScriptedWindows::Script as(std::function<void(W&)> f) {
  return [f](platform::Form& form) { f(dynamic_cast<W&>(form)); };
}
