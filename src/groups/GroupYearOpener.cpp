#include "groups/GroupYearOpener.h"

#include <QCursor>
#include <QPointer>

#include "common/HogGlobals.h"
#include "common/YearPrompts.h"
#include "platform/Form.h"

void OpenForGroupYear(const std::function<void(const std::string& year)>& show) {
  std::string year;
  if (!AskGroupYear(year)) return;
  GroupYear = year.size() >= 2 ? year.substr(year.size() - 2) : year;
  // The window whose menu asked: the main window.
  QPointer<platform::Form> main = platform::Form::TopForm();
  const QCursor saved = main ? main->cursor() : QCursor();
  if (main) main->setCursor(Qt::WaitCursor);
  show(year);
  if (main) main->setCursor(saved);
}
