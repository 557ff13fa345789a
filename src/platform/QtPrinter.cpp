#include <QDateTime>
#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

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
  bool toPdf = false;
  double perTwip() const { return printer.resolution() / 1440.0; }
};

namespace {
// The printer draws each face in the installed face the windows use for it.
QFont qfont(const PrinterFont& f) {
  QFont font = makeFont(f.name, f.size > 0 ? f.size : 10, f.bold);
  font.setItalic(f.italic);
  return font;
}

QPrinter::PaperSource paperSource(int bin) {
  switch (bin) {
    case 1: return QPrinter::Upper;
    case 3: return QPrinter::Middle;
    case 4: return QPrinter::Manual;
    case 5: return QPrinter::Envelope;
    case 6: return QPrinter::EnvelopeManual;
    case 256: return QPrinter::CustomSource;
    default: return QPrinter::Auto;
  }
}
}  // namespace

QtPrinter::QtPrinter(std::string pdfFolder) : d_(new Impl), pdfFolder_(std::move(pdfFolder)) {
  d_->printer.setFullPage(false);
}

QtPrinter::~QtPrinter() {
  if (d_->painter.isActive()) d_->painter.end();
  delete d_;
}

double QtPrinter::scaleWidth() {
  return d_->printer.pageLayout().paintRectPixels(d_->printer.resolution()).width() / d_->perTwip();
}

double QtPrinter::scaleHeight() {
  return d_->printer.pageLayout().paintRectPixels(d_->printer.resolution()).height() / d_->perTwip();
}

double QtPrinter::measureWidth(const PrinterFont& font, const std::string& text) {
  QFontMetricsF fm(qfont(font), &d_->printer);
  return fm.horizontalAdvance(fromAnsi(text)) / d_->perTwip();
}

double QtPrinter::measureHeight(const PrinterFont& font, const std::string&) {
  QFontMetricsF fm(qfont(font), &d_->printer);
  return fm.height() / d_->perTwip();
}

bool QtPrinter::beginDocument() {
  QPrinterInfo info = QPrinterInfo::defaultPrinter();
  d_->toPdf = !pdfFolder_.empty() || info.isNull();
  lastPdf_.clear();
  if (d_->toPdf) {
    std::string folder = pdfFolder_.empty() ? printFolder() : withSlash(pdfFolder_);
    if (!makeFolder(folder)) {
      setFailure("the print folder " + folder + " cannot be made");
      return false;
    }
    std::string stamp = toAnsi(QDateTime::currentDateTime().toString("yyyyMMdd-HHmmss"));
    std::string name;
    for (int n = 1;; ++n) {
      name = folder + "tarlowe-" + stamp + (n > 1 ? "-" + std::to_string(n) : "") + ".pdf";
      if (!fileExists(name)) break;
    }
    d_->printer.setOutputFormat(QPrinter::PdfFormat);
    // A file name is the system's own bytes (UTF-8), as the file layer opens it.
    d_->printer.setOutputFileName(QString::fromStdString(name));
    lastPdf_ = name;
  } else {
    d_->printer.setOutputFormat(QPrinter::NativeFormat);
    d_->printer.setPrinterName(info.printerName());
    d_->printer.setPaperSource(paperSource(paperBin()));
  }
  d_->printer.setPageOrientation(orientation() == 2 ? QPageLayout::Landscape : QPageLayout::Portrait);
  if (!d_->painter.begin(&d_->printer)) {
    setFailure(d_->toPdf ? "the PDF file " + lastPdf_ + " cannot be written"
                         : "the printer " + toAnsi(info.printerName()) + " does not respond");
    return false;
  }
  return true;
}

bool QtPrinter::beginPage() {
  d_->printer.setPageOrientation(orientation() == 2 ? QPageLayout::Landscape : QPageLayout::Portrait);
  if (!d_->toPdf) d_->printer.setPaperSource(paperSource(paperBin()));
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
  bool ok = d_->painter.end();
  if (!ok) setFailure("the printer did not accept the document");
  return ok;
}

void QtPrinter::abortDocument() {
  if (d_->painter.isActive()) {
    d_->printer.abort();
    d_->painter.end();
  }
  if (!lastPdf_.empty() && fileExists(lastPdf_)) deleteFile(lastPdf_);
}

}  // namespace platform
