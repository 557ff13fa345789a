#include <QDateTime>
#include <QDir>
#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryFile>
#include <memory>

#include "platform/Ansi.h"
#include "platform/Controls.h"
#include "platform/FileSystem.h"
#include "platform/Folders.h"
#include "platform/Printer.h"

namespace platform {

struct QtPrinter::Impl {
  QPrinter printer{QPrinter::HighResolution};
  QPainter painter;
  QFont font;
  PrintQueue queue;
  bool prepared = false;  // queue and page looked up for the document under way
  bool toPdf = false;
  std::unique_ptr<QTemporaryFile> job;  // the document drawn for a printer
  double perTwip() const { return printer.resolution() / 1440.0; }
};

namespace {
// The printer draws each face in the installed face the windows use for it.
QFont qfont(const PrinterFont& f) {
  QFont font = makeFont(f.name, f.size > 0 ? f.size : 10, f.bold);
  font.setItalic(f.italic);
  return font;
}

// A system text (UTF-8: a file or queue name, the print system's reason) in
// the program's own text.
std::string shown(const std::string& systemText) { return toAnsi(QString::fromStdString(systemText)); }
}  // namespace

QtPrinter::QtPrinter(std::string pdfFolder, PrintSystem* system)
    : d_(new Impl), pdfFolder_(std::move(pdfFolder)), system_(system) {
  if (!system_) {
    static CupsPrintSystem cups;
    system_ = &cups;
  }
  // Every document is drawn into a PDF file, for a printer or to keep.
  d_->printer.setOutputFormat(QPrinter::PdfFormat);
  d_->printer.setFullPage(false);
}

QtPrinter::~QtPrinter() {
  if (d_->painter.isActive()) d_->painter.end();
  delete d_;
}

// A document is measured before it begins, so its queue and page are looked
// up at the first need and kept to its end.
void QtPrinter::prepare() {
  if (d_->prepared) return;
  d_->prepared = true;
  d_->queue = pdfFolder_.empty() ? system_->defaultQueue() : PrintQueue{};
  const QSizeF size(d_->queue.pageWidthMm, d_->queue.pageHeightMm);
  d_->printer.setPageSize(size.width() > 0 && size.height() > 0 ? QPageSize(size, QPageSize::Millimeter)
                                                                 : QPageSize(QPageSize::A4));
}

// The printable area of the page to come, in the orientation set for it.
QSizeF QtPrinter::printableTwips() {
  prepare();
  QPageLayout layout = d_->printer.pageLayout();
  layout.setOrientation(orientation() == 2 ? QPageLayout::Landscape : QPageLayout::Portrait);
  return QSizeF(layout.paintRectPixels(d_->printer.resolution()).size()) / d_->perTwip();
}

double QtPrinter::scaleWidth() { return printableTwips().width(); }

double QtPrinter::scaleHeight() { return printableTwips().height(); }

double QtPrinter::measureWidth(const PrinterFont& font, const std::string& text) {
  QFontMetricsF fm(qfont(font), &d_->printer);
  return fm.horizontalAdvance(fromAnsi(text)) / d_->perTwip();
}

double QtPrinter::measureHeight(const PrinterFont& font, const std::string&) {
  QFontMetricsF fm(qfont(font), &d_->printer);
  return fm.height() / d_->perTwip();
}

bool QtPrinter::beginDocument() {
  prepare();
  d_->toPdf = d_->queue.name.empty();
  lastPdf_.clear();
  if (d_->toPdf) {
    std::string folder = pdfFolder_.empty() ? printFolder() : withSlash(pdfFolder_);
    if (!makeFolder(folder)) {
      setFailure("the print folder " + shown(folder) + " cannot be made");
      return false;
    }
    std::string stamp = toAnsi(QDateTime::currentDateTime().toString("yyyyMMdd-HHmmss"));
    std::string name;
    for (int n = 1;; ++n) {
      name = folder + "tarlowe-" + stamp + (n > 1 ? "-" + std::to_string(n) : "") + ".pdf";
      if (!fileExists(name)) break;
    }
    // A file name is the system's own bytes (UTF-8), as the file layer opens it.
    d_->printer.setOutputFileName(QString::fromStdString(name));
    lastPdf_ = name;
  } else {
    d_->job = std::make_unique<QTemporaryFile>(QDir::tempPath() + "/tarlowe-XXXXXX.pdf");
    if (!d_->job->open()) {
      setFailure("the printout cannot be made ready for the printer " + shown(d_->queue.name) +
                 ": no temporary file can be made");
      return false;
    }
    d_->job->close();
    d_->printer.setOutputFileName(d_->job->fileName());
  }
  d_->printer.setDocName(fromAnsi(title()));
  d_->printer.setPageOrientation(orientation() == 2 ? QPageLayout::Landscape : QPageLayout::Portrait);
  if (!d_->painter.begin(&d_->printer)) {
    setFailure(d_->toPdf ? "the PDF file " + shown(lastPdf_) + " cannot be written"
                         : "the printout cannot be made ready for the printer " + shown(d_->queue.name));
    return false;
  }
  return true;
}

bool QtPrinter::beginPage() {
  d_->printer.setPageOrientation(orientation() == 2 ? QPageLayout::Landscape : QPageLayout::Portrait);
  if (!d_->printer.newPage()) {
    setFailure("the printer could not start a new page");
    return false;
  }
  return true;
}

void QtPrinter::drawText(double x, double y, const std::string& text) {
  QFont f = qfont(font());
  d_->painter.setFont(f);
  QFontMetricsF fm(f, &d_->printer);
  double k = d_->perTwip();
  d_->painter.setPen(Qt::black);
  d_->painter.drawText(QPointF(x * k, y * k + fm.ascent()), fromAnsi(text));
}

void QtPrinter::drawLine(double x1, double y1, double x2, double y2) {
  double k = d_->perTwip();
  // A printer pixel here is one dot at 300 dots per inch, whatever the device.
  QPen pen(Qt::black);
  pen.setWidthF(drawWidth() * d_->printer.resolution() / 300.0);
  d_->painter.setPen(pen);
  d_->painter.drawLine(QPointF(x1 * k, y1 * k), QPointF(x2 * k, y2 * k));
}

void QtPrinter::drawPicture(const QImage& picture, double x, double y, double w, double h) {
  double k = d_->perTwip();
  d_->painter.drawImage(QRectF(x * k, y * k, w * k, h * k), picture);
}

bool QtPrinter::finishDocument() {
  const bool drawn = d_->painter.end();
  d_->prepared = false;
  if (d_->toPdf) {
    if (!drawn) setFailure("the PDF file " + shown(lastPdf_) + " cannot be written");
    else if (pdfFolder_.empty())
      setNotice("No printer can be reached, so the printout is saved in the file\r\r" + shown(lastPdf_));
    return drawn;
  }
  const std::string queue = shown(d_->queue.name);
  if (!drawn) {
    d_->job.reset();
    setFailure("the printout cannot be made ready for the printer " + queue);
    return false;
  }
  const PrintOutcome outcome =
      system_->submit(d_->queue, QFile::encodeName(d_->job->fileName()).toStdString(), fromAnsi(title()).toStdString());
  d_->job.reset();
  if (outcome.job <= 0) {
    setFailure("the printer " + queue + " did not accept the printout: " + shown(outcome.refusal));
    return false;
  }
  if (d_->queue.paused)
    setNotice("The printer " + queue + " is paused. The printout waits in its queue and prints when the printer is resumed.");
  return true;
}

void QtPrinter::abortDocument() {
  if (d_->painter.isActive()) {
    d_->printer.abort();
    d_->painter.end();
  }
  d_->prepared = false;
  d_->job.reset();
  if (!lastPdf_.empty() && fileExists(lastPdf_)) deleteFile(lastPdf_);
}

}  // namespace platform
