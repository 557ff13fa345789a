#include "groups/GroupYearOpener.h"

#include <QCursor>

#include "common/HogGlobals.h"
#include "shell/Tarlowe2.h"
#include "shell/YearPrompts.h"

void OpenForGroupYear(const std::function<void(const std::string& year)>& show) {
  std::string year;
  if (!AskGroupYear(year)) return;
  GroupYear = year.size() >= 2 ? year.substr(year.size() - 2) : year;
  QWidget& main = MainForm();
  const QCursor saved = main.cursor();
  main.setCursor(Qt::WaitCursor);
  show(year);
  main.setCursor(saved);
}
