#pragma once
// The order in which Tab walks through a window's controls.
#include <QWidget>
#include <set>
#include <string>
#include <vector>

// The names of `named` in the window's tab order, starting after the window
// itself; each name is listed once.
inline std::vector<std::string> tabOrder(QWidget& window, const std::set<std::string>& named) {
  std::vector<std::string> order;
  for (QWidget* w = window.nextInFocusChain(); w && w != &window; w = w->nextInFocusChain()) {
    const std::string name = w->objectName().toStdString();
    if (named.count(name) != 0) order.push_back(name);
  }
  return order;
}
