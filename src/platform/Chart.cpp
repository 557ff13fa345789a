#include "platform/Chart.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QGraphicsScene>
#include <QPainter>
#include <QValueAxis>
#include <QVBoxLayout>
#include <algorithm>
#include <cstdlib>

#include "platform/Ansi.h"

namespace platform {

namespace {

// A long row label on two lines, broken at the blank nearest its middle, so
// that the axis shows it whole under its bar.
QString twoLines(const std::string& label) {
  QString text = fromAnsi(label).toHtmlEscaped();
  constexpr int kOneLine = 12;
  if (text.size() <= kOneLine) return text;
  int best = -1;
  for (int i = 0; i < text.size(); ++i)
    if (text[i] == ' ' && (best < 0 || std::abs(i - text.size() / 2) < std::abs(best - text.size() / 2))) best = i;
  if (best > 0) text.replace(best, 1, QStringLiteral("<br>"));
  return text;
}

}  // namespace

Chart::Chart(QWidget* parent, const std::string& name) : QWidget(parent) {
  setObjectName(QString::fromStdString(name));
  chart_ = new QChart();
  chart_->legend()->hide();
  view_ = new QChartView(chart_, this);
  // A picture: the keyboard goes to the window's buttons.
  view_->setFocusPolicy(Qt::NoFocus);
  series_ = new QBarSeries();
  series_->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
  chart_->addSeries(series_);
  rowAxis_ = new QBarCategoryAxis();
  valueAxis_ = new QValueAxis();
  chart_->addAxis(rowAxis_, Qt::AlignBottom);
  chart_->addAxis(valueAxis_, Qt::AlignLeft);
  series_->attachAxis(rowAxis_);
  series_->attachAxis(valueAxis_);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(view_);
}

void Chart::SetTitle(const std::string& title) {
  title_ = title;
  chart_->setTitle(fromAnsi(title));
}

void Chart::SetTitleFont(const QFont& font) { chart_->setTitleFont(font); }

void Chart::SetRowCount(int rows) {
  labels_.resize(static_cast<size_t>(std::max(0, rows)));
  values_.resize(labels_.size(), std::vector<double>(static_cast<size_t>(cols_), 0.0));
}

void Chart::SetColumnCount(int cols) {
  cols_ = std::max(1, cols);
  for (auto& row : values_) row.resize(static_cast<size_t>(cols_), 0.0);
  columnLabels_.resize(static_cast<size_t>(cols_));
}

void Chart::SetRowLabel(int row, const std::string& label) {
  if (row >= 1 && row <= RowCount()) labels_[static_cast<size_t>(row - 1)] = label;
}

std::string Chart::RowLabel(int row) const {
  return row >= 1 && row <= RowCount() ? labels_[static_cast<size_t>(row - 1)] : std::string();
}

void Chart::SetValue(int row, int col, double value) {
  if (row >= 1 && row <= RowCount() && col >= 1 && col <= cols_)
    values_[static_cast<size_t>(row - 1)][static_cast<size_t>(col - 1)] = value;
}

double Chart::Value(int row, int col) const {
  if (row >= 1 && row <= RowCount() && col >= 1 && col <= cols_)
    return values_[static_cast<size_t>(row - 1)][static_cast<size_t>(col - 1)];
  return 0;
}

void Chart::SetColumnLabel(int col, const std::string& label) {
  if (col >= 1 && col <= cols_) {
    columnLabels_.resize(static_cast<size_t>(cols_));
    columnLabels_[static_cast<size_t>(col - 1)] = label;
  }
}

void Chart::Refresh() {
  QStringList cats;
  for (const auto& l : labels_) cats << twoLines(l);
  double top = 0;
  for (const auto& row : values_)
    for (double value : row) top = std::max(top, value);
  if (!refillInPlace(cats)) {
    // The series and both axes are made once and refilled: axes taken off a
    // shown chart leave their labels drawn.
    series_->clear();
    for (int c = 0; c < cols_; ++c) {
      auto* set = new QBarSet(columnLabel(c));
      for (const auto& row : values_) *set << row[static_cast<size_t>(c)];
      set->setLabelColor(Qt::black);
      series_->append(set);
    }
    rowAxis_->clear();
    rowAxis_->append(cats);
  }
  series_->setLabelsVisible(valueLabels_);
  valueAxis_->setRange(0, top > 0 ? top * 1.15 : 1);
  valueAxis_->applyNiceNumbers();
}

QString Chart::columnLabel(int col) const {
  return col < static_cast<int>(columnLabels_.size()) ? fromAnsi(columnLabels_[static_cast<size_t>(col)]) : QString();
}

bool Chart::refillInPlace(const QStringList& cats) {
  // The same bars under the same labels: only the values change, set into
  // the bar sets already drawn (new sets would bring new legend markers).
  const QList<QBarSet*> sets = series_->barSets();
  if (sets.size() != cols_ || rowAxis_->categories() != cats) return false;
  for (const QBarSet* set : sets)
    if (set->count() != RowCount()) return false;
  for (int c = 0; c < cols_; ++c) {
    QBarSet* set = sets[c];
    if (set->label() != columnLabel(c)) set->setLabel(columnLabel(c));
    for (int r = 0; r < RowCount(); ++r) {
      const double value = values_[static_cast<size_t>(r)][static_cast<size_t>(c)];
      if (set->at(r) != value) set->replace(r, value);
    }
  }
  return true;
}

QImage Chart::Picture(double scale) {
  QSize size = view_->size().isValid() && view_->width() > 10 ? view_->size() : QSize(800, 500);
  scale = std::max(1.0, scale);
  QImage image(size * scale, QImage::Format_ARGB32);
  image.fill(Qt::white);
  chart_->resize(size);
  {
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    view_->scene()->render(&painter, QRectF(QPointF(0, 0), QSizeF(size) * scale), QRectF(QPointF(0, 0), QSizeF(size)));
  }
  image.setDevicePixelRatio(scale);
  return image;
}

}  // namespace platform
