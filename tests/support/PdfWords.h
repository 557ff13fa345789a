#pragma once
// The words of a PDF document as pdftotext reads them, each with its box in
// points from its page's top left corner (the first of words that repeat);
// nothing where pdftotext is not installed.
#include <QByteArray>
#include <QProcess>
#include <QRectF>
#include <QRegularExpression>
#include <map>
#include <optional>
#include <string>

inline std::optional<std::map<std::string, QRectF>> PdfWordBoxes(const QByteArray& pdf) {
  QProcess reader;
  reader.start("pdftotext", {"-bbox", "-", "-"});
  if (!reader.waitForStarted()) return std::nullopt;
  reader.write(pdf);
  reader.closeWriteChannel();
  reader.waitForFinished();
  const QString html = QString::fromUtf8(reader.readAllStandardOutput());
  static const QRegularExpression word(
      R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
  std::map<std::string, QRectF> boxes;
  for (const QRegularExpressionMatch& m : word.globalMatch(html)) {
    const QPointF topLeft(m.captured(1).toDouble(), m.captured(2).toDouble());
    const QPointF bottomRight(m.captured(3).toDouble(), m.captured(4).toDouble());
    boxes.emplace(m.captured(5).toStdString(), QRectF(topLeft, bottomRight));
  }
  return boxes;
}
