#include "platform/System.h"

#include <QDialog>
#include <QFile>
#include <QProcess>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "platform/Ansi.h"
#include "platform/FileSystem.h"
#include "platform/Form.h"
#include "platform/Screen.h"

// The program's files built into it (the help text); a library's resources
// are made known by name, outside any namespace.
static void initProgramResources() { Q_INIT_RESOURCE(tarlowe); }

namespace platform {

std::string ProgramHelpText() {
  initProgramResources();
  QFile resource(QStringLiteral(":/TARLOWE5.HLP"));
  if (!resource.open(QIODevice::ReadOnly)) return "";
  const QByteArray content = resource.readAll();
  return std::string(content.constData(), static_cast<size_t>(content.size()));
}

bool IsHelpText(const std::string& bytes) {
  return !bytes.empty() && std::none_of(bytes.begin(), bytes.end(), [](char c) {
    const auto u = static_cast<unsigned char>(c);
    return (u < 0x20 && c != '\t' && c != '\n' && c != '\f' && c != '\r') || u == 0x7F;
  });
}

QtHelp::~QtHelp() { delete window_.data(); }

void QtHelp::BelongTo(QWidget* owner) {
  QObject::disconnect(ownerHides_);
  if (window_->parentWidget() != owner) {
    const bool shown = window_->isVisible();
    const QRect at = window_->geometry();
    window_->setParent(owner, Qt::Window);  // hides it
    window_->setGeometry(at);
    if (shown) window_->show();
  }
  if (auto* form = qobject_cast<Form*>(owner))
    ownerHides_ = QObject::connect(form, &Form::modalEnded, window_, [this] {
      if (window_->isVisible()) BelongTo(Form::TopForm());
    });
}

void QtHelp::showContents(const std::string& helpFile) {
  std::vector<uint8_t> bytes;
  std::string text;
  if (fileExists(helpFile) && readWholeFile(helpFile, bytes)) text.assign(bytes.begin(), bytes.end());
  if (!IsHelpText(text)) text = ProgramHelpText();
  if (!window_) {
    auto* w = new QDialog(Form::TopForm(), Qt::Window);
    w->setObjectName("Help");
    w->setWindowTitle("TARLOWE Help");
    auto* layout = new QVBoxLayout(w);
    auto* browser = new QTextBrowser(w);
    browser->setObjectName("HelpText");
    layout->addWidget(browser);
    window_ = w;
  }
  BelongTo(Form::TopForm());
  if (!window_->isVisible()) {
    // Centred over the window it was asked from, its frame wholly on the
    // screen however small that window is or wherever it stands.
    const QSize inside(640, 560);
    const QMargins m = FrameMargins(*window_);
    const QSize frame = inside.grownBy(m);
    const QWidget* owner = window_->parentWidget();
    const QPoint centre = owner ? owner->frameGeometry().center() : QPoint(frame.width() / 2, frame.height() / 2);
    PlaceWindow(*window_, centre - QPoint(frame.width() / 2, frame.height() / 2), inside);
  }
  auto* browser = window_->findChild<QTextBrowser*>("HelpText");
  QString content = fromAnsi(text);
  if (content.contains("<html", Qt::CaseInsensitive))
    browser->setHtml(content);
  else
    browser->setPlainText(content);
  window_->show();
  window_->raise();
  window_->activateWindow();
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
