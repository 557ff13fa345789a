#include "support/ScriptedWindows.h"

void ScriptedWindows::runModal(platform::Form& form) {
  std::string name = form.objectName().toStdString();
  shownModal.push_back(name);
  auto it = scripts_.find(name);
  if (it != scripts_.end() && !it->second.empty()) {
    Script script = std::move(it->second.front());
    it->second.pop_front();
    script(form);
  }
  if (form.IsLoaded() && form.isVisible()) {
    leftOpen.push_back(name);
    form.Hide();
  }
}
