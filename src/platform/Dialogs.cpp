#include "platform/Dialogs.h"

#include <QApplication>
#include <QGridLayout>
#include <QInputDialog>
#include <QLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QScreen>
#include <QSpacerItem>
#include <QStyleOptionFrame>
#include <algorithm>

#include "platform/Ansi.h"
#include "platform/Form.h"
#include "platform/Screen.h"
#include "platform/Services.h"

namespace platform {

std::string displayLines(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == '\r') {
      out.push_back('\n');
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      out.push_back(c);
    }
  }
  return out;
}

namespace {

// Widens the box's text box to show the whole text it offers (the full path
// of a back-up folder is longer than the toolkit's default width), as far as
// the work area allows. The width is what the line edit's style wants around
// that text: its frame, Qt's 2-pixel side margins and the caret.
void showWholeOfferedText(QInputDialog& dlg, const QString& text) {
  QLineEdit* edit = dlg.findChild<QLineEdit*>();
  if (!edit) return;
  QStyleOptionFrame frame;
  frame.initFrom(edit);
  frame.lineWidth = edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &frame, edit);
  const QMargins textMargins = edit->textMargins(), contentsMargins = edit->contentsMargins();
  const int inside = edit->fontMetrics().horizontalAdvance(text) + 2 * 2 + 1 + textMargins.left() +
                     textMargins.right() + contentsMargins.left() + contentsMargins.right();
  const QSize content(inside, edit->sizeHint().height());
  const int wanted = edit->style()->sizeFromContents(QStyle::CT_LineEdit, &frame, content, edit).width();
  if (wanted <= edit->sizeHint().width()) return;  // a short text: the box keeps the toolkit's width
  const QMargins around = dlg.layout() ? dlg.layout()->contentsMargins() : QMargins();
  const QMargins framed = FrameMargins(dlg);
  const int room = static_cast<int>(screen().workArea().width / screen().twipsPerPixel()) - around.left() -
                   around.right() - framed.left() - framed.right();
  edit->setMinimumWidth(std::min(wanted, room));
}

// The least width of a box's contents that keeps the box as wide as its
// title: the title's width without the side margins the box's layout takes
// from the style (an input box makes its layout only as it is shown).
int contentsWidthForTitle(const QDialog& box) {
  const QStyle* style = box.style();
  return TitleWidth(box) - style->pixelMetric(QStyle::PM_LayoutLeftMargin, nullptr, &box) -
         style->pixelMetric(QStyle::PM_LayoutRightMargin, nullptr, &box);
}

}  // namespace

int QtDialogs::msgBox(const std::string& text, int style, const std::string& title) {
  QMessageBox box(Form::TopForm());
  box.setWindowTitle(fromAnsi(title.empty() ? std::string(kAppTitle) : title));
  box.setText(fromAnsi(displayLines(text)));
  switch (iconOf(style)) {
    case vbCritical: box.setIcon(QMessageBox::Critical); break;
    case vbQuestion: box.setIcon(QMessageBox::Question); break;
    case vbExclamation: box.setIcon(QMessageBox::Warning); break;
    case vbInformation: box.setIcon(QMessageBox::Information); break;
    default: box.setIcon(QMessageBox::NoIcon); break;
  }
  struct Btn { QMessageBox::StandardButton qt; int answer; };
  Btn buttons[3];
  int n = 0;
  switch (buttonsOf(style)) {
    case vbOKCancel: buttons[0] = {QMessageBox::Ok, vbOK}; buttons[1] = {QMessageBox::Cancel, vbCancel}; n = 2; break;
    case vbAbortRetryIgnore:
      buttons[0] = {QMessageBox::Abort, vbAbort}; buttons[1] = {QMessageBox::Retry, vbRetry};
      buttons[2] = {QMessageBox::Ignore, vbIgnore}; n = 3; break;
    case vbYesNoCancel:
      buttons[0] = {QMessageBox::Yes, vbYes}; buttons[1] = {QMessageBox::No, vbNo};
      buttons[2] = {QMessageBox::Cancel, vbCancel}; n = 3; break;
    case vbYesNo: buttons[0] = {QMessageBox::Yes, vbYes}; buttons[1] = {QMessageBox::No, vbNo}; n = 2; break;
    case vbRetryCancel: buttons[0] = {QMessageBox::Retry, vbRetry}; buttons[1] = {QMessageBox::Cancel, vbCancel}; n = 2; break;
    default: buttons[0] = {QMessageBox::Ok, vbOK}; n = 1; break;
  }
  QMessageBox::StandardButtons all;
  for (int i = 0; i < n; ++i) all |= buttons[i].qt;
  box.setStandardButtons(all);
  int def = defaultButtonOf(style);
  if (def >= n) def = 0;
  box.setDefaultButton(buttons[def].qt);
  // The box sizes itself to its grid when shown (made anew with the icon): a
  // row across it as wide as the title keeps it from being narrower.
  if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
    grid->addItem(new QSpacerItem(contentsWidthForTitle(box), 0), grid->rowCount(), 0, 1, grid->columnCount());
  int pressed = box.exec();
  for (int i = 0; i < n; ++i)
    if (buttons[i].qt == pressed) return buttons[i].answer;
  // Escape or the close box: the cancel-like answer where there is one.
  for (int i = 0; i < n; ++i)
    if (buttons[i].answer == vbCancel || buttons[i].answer == vbNo) return buttons[i].answer;
  return buttons[0].answer;
}

std::optional<std::string> QtDialogs::inputBox(const std::string& prompt, const std::string& title,
                                               const std::string& defaultText, int xTwips,
                                               int yTwips) {
  QInputDialog dlg(Form::TopForm());
  dlg.setWindowTitle(fromAnsi(title.empty() ? std::string(kAppTitle) : title));
  // The prompt is shown as written: an "&" marks no access key.
  dlg.setLabelText(fromAnsi(displayLines(prompt)).replace("&", "&&"));
  dlg.setTextValue(fromAnsi(defaultText));
  dlg.setInputMode(QInputDialog::TextInput);
  showWholeOfferedText(dlg, dlg.textValue());
  if (auto* edit = dlg.findChild<QLineEdit*>())
    edit->setMinimumWidth(std::max(edit->minimumWidth(), contentsWidthForTitle(dlg)));
  if (xTwips >= 0 && yTwips >= 0) {
    double tpp = screen().twipsPerPixel();
    dlg.adjustSize();
    PlaceWindow(dlg, QPoint(static_cast<int>(xTwips / tpp), static_cast<int>(yTwips / tpp)), dlg.size());
  }
  if (dlg.exec() != QDialog::Accepted) return std::nullopt;
  return toAnsi(dlg.textValue());
}

void QtDialogs::beep() { QApplication::beep(); }

}  // namespace platform

int MsgBox(const std::string& text, int style, const std::string& title) {
  return platform::services().dialogs().msgBox(text, style,
                                                title.empty() ? std::string(platform::kAppTitle) : title);
}

std::optional<std::string> InputBox(const std::string& prompt, const std::string& title,
                                    const std::string& defaultText, int xTwips, int yTwips) {
  return platform::services().dialogs().inputBox(
      prompt, title.empty() ? std::string(platform::kAppTitle) : title, defaultText, xTwips, yTwips);
}

void Beep() { platform::services().dialogs().beep(); }
