#include <QDateTime>
#include <QDir>
#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryFile>
#include <algorithm>
#include <memory>

#include "platform/Ansi.h"
#include "platform/Controls.h"
#include "platform/CupsPrintSystem.h"
#include "platform/FileSystem.h"
#include "platform/Folders.h"
#include "platform/Printer.h"

namespace platform {

struct QtPrinter::Impl {
  QPrinter printer{QPrinter::HighResolution};
  QPainter painter;
  CupsPrintSystem cups;  // the print system where none is given
  QMarginsF pdfMargins;  // in points: where the queue gives no printable area
  PrintQueue queue;
  QPageSize page;
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
std::string programText(const std::string& systemText) { return toAnsi(QString::fromStdString(systemText)); }

// A page's unprintable border as it lies on the page turned across: the
// system may turn the page either way onto the paper, so each edge keeps
// the wider of the two borders it may come to.
QMarginsF turnedAcross(const QMarginsF& upright) {
  const double sides = std::max(upright.top(), upright.bottom());
  const double ends = std::max(upright.left(), upright.right());
  return QMarginsF(sides, ends, sides, ends);
}
}  // namespace

QtPrinter::QtPrinter(std::string pdfFolder, PrintSystem* system)
    : d_(std::make_unique<Impl>()), pdfFolder_(std::move(pdfFolder)), system_(system ? system : &d_->cups) {
  // Every document is drawn into a PDF file, for a printer or to keep.
  d_->printer.setOutputFormat(QPrinter::PdfFormat);
  d_->printer.setFullPage(false);
  d_->pdfMargins = d_->printer.pageLayout().margins(QPageLayout::Point);
}

QtPrinter::~QtPrinter() {
  if (d_->painter.isActive()) d_->painter.end();
}

// A document is measured before it begins, so its queue and page are looked
// up at the first need and kept until it is closed.
void QtPrinter::prepare() {
  if (d_->prepared) return;
  d_->prepared = true;
  d_->queue = pdfFolder_.empty() ? system_->defaultQueue() : PrintQueue{};
  const QSizeF size(d_->queue.pageWidthMm, d_->queue.pageHeightMm);
  d_->page = size.width() > 0 && size.height() > 0 ? QPageSize(size, QPageSize::Millimeter) : QPageSize(QPageSize::A4);
}

// The page to come, in the orientation set for it, with the queue's
// printable area where it describes one.
QPageLayout QtPrinter::pageToCome() {
  prepare();
  const bool across = orientation() == 2;
  const QPageLayout::Orientation turn = across ? QPageLayout::Landscape : QPageLayout::Portrait;
  if (const std::optional<QMarginsF>& border = d_->queue.marginsMm)
    return QPageLayout(d_->page, turn, across ? turnedAcross(*border) : *border, QPageLayout::Millimeter);
  return QPageLayout(d_->page, turn, d_->pdfMargins, QPageLayout::Point);
}

QSizeF QtPrinter::printableTwips() {
  return QSizeF(pageToCome().paintRectPixels(d_->printer.resolution()).size()) / d_->perTwip();
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
      setFailure("THE PRINT FOLDER " + programText(folder) + " CANNOT BE MADE");
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
      setFailure("THE PRINTOUT CANNOT BE MADE READY FOR THE PRINTER " + programText(d_->queue.name) +
                 ": NO TEMPORARY FILE CAN BE MADE");
      return false;
    }
    d_->job->close();
    d_->printer.setOutputFileName(d_->job->fileName());
  }
  d_->printer.setDocName(fromAnsi(title()));
  d_->printer.setPageLayout(pageToCome());
  if (!d_->painter.begin(&d_->printer)) {
    setFailure(d_->toPdf ? "THE PDF FILE " + programText(lastPdf_) + " CANNOT BE WRITTEN"
                         : "THE PRINTOUT CANNOT BE MADE READY FOR THE PRINTER " + programText(d_->queue.name));
    return false;
  }
  return true;
}

bool QtPrinter::beginPage() {
  d_->printer.setPageLayout(pageToCome());
  if (!d_->printer.newPage()) {
    setFailure("THE PRINTER COULD NOT START A NEW PAGE");
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
  if (d_->toPdf) {
    if (!drawn) setFailure("THE PDF FILE " + programText(lastPdf_) + " CANNOT BE WRITTEN");
    else if (pdfFolder_.empty())
      setNotice("No printer can be reached, so the printout is saved in the file\r\r" + programText(lastPdf_));
    return drawn;
  }
  const std::string queue = programText(d_->queue.name);
  if (!drawn) {
    d_->job.reset();
    setFailure("THE PRINTOUT CANNOT BE MADE READY FOR THE PRINTER " + queue);
    return false;
  }
  const PrintOutcome outcome =
      system_->submit(d_->queue, QFile::encodeName(d_->job->fileName()).toStdString(), fromAnsi(title()).toStdString());
  d_->job.reset();
  // The queue's own word on why it is paused or refuses jobs, where it
  // gives one.
  const std::string message = programText(d_->queue.stateMessage);
  if (outcome.job <= 0) {
    setFailure("THE PRINTER " + queue + " DID NOT ACCEPT THE PRINTOUT: " + programText(outcome.refusal) +
               (message.empty() ? "" : "\r\rTHE PRINTER SAYS: " + message));
    return false;
  }
  if (d_->queue.paused)
    setNotice("The printer " + queue + " is paused. The printout waits in its queue and prints when the printer is resumed." +
              (message.empty() ? "" : "\r\rThe printer says: " + message));
  return true;
}

void QtPrinter::abortDocument() {
  if (d_->painter.isActive()) {
    d_->printer.abort();
    d_->painter.end();
  }
  d_->job.reset();
  if (!lastPdf_.empty() && fileExists(lastPdf_)) deleteFile(lastPdf_);
}

void QtPrinter::documentClosed() { d_->prepared = false; }

}  // namespace platform
