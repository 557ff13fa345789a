#include "platform/System.h"

#include <QDialog>
#include <QProcess>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <cstdio>
#include <cstdlib>

#include "platform/Ansi.h"
#include "platform/FileSystem.h"

namespace platform {

QtHelp::~QtHelp() { delete window_; }

void QtHelp::showContents(const std::string& helpFile) {
  std::vector<uint8_t> bytes;
  if (!fileExists(helpFile) || !readWholeFile(helpFile, bytes)) return;
  std::string text(bytes.begin(), bytes.end());
  if (!window_) {
    auto* w = new QDialog(nullptr, Qt::Window);
    w->setWindowTitle("TARLOWE Help");
    w->resize(640, 560);
    auto* layout = new QVBoxLayout(w);
    auto* browser = new QTextBrowser(w);
    browser->setObjectName("HelpText");
    layout->addWidget(browser);
    window_ = w;
  }
  auto* browser = window_->findChild<QTextBrowser*>("HelpText");
  QString content = fromAnsi(text);
  if (content.contains("<html", Qt::CaseInsensitive))
    browser->setHtml(content);
  else
    browser->setPlainText(content);
  window_->show();
  window_->raise();
}

void QtHelp::quit() {
  if (window_) window_->hide();
}

bool ProcessLauncher::start(const std::string& program) {
  return QProcess::startDetached(QString::fromStdString(program), {});
}

void ImmediateEnd::endNow(int exitCode) {
  std::fflush(nullptr);
  std::_Exit(exitCode);
}

}  // namespace platform
