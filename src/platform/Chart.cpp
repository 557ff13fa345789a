#include "platform/Chart.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QPainter>
#include <QValueAxis>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/Ansi.h"

namespace platform {

Chart::Chart(QWidget* parent, const std::string& name) : QWidget(parent) {
  setObjectName(QString::fromStdString(name));
  chart_ = new QChart();
  chart_->legend()->hide();
  view_ = new QChartView(chart_, this);
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
  chart_->removeAllSeries();
  for (QAbstractAxis* axis : chart_->axes()) chart_->removeAxis(axis);
  auto* series = new QBarSeries();
  double top = 0;
  for (int c = 0; c < cols_; ++c) {
    auto* set = new QBarSet(c < static_cast<int>(columnLabels_.size()) ? fromAnsi(columnLabels_[static_cast<size_t>(c)]) : QString());
    for (const auto& row : values_) {
      *set << row[static_cast<size_t>(c)];
      top = std::max(top, row[static_cast<size_t>(c)]);
    }
    series->append(set);
  }
  series->setLabelsVisible(valueLabels_);
  series->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
  chart_->addSeries(series);
  QStringList cats;
  for (const auto& l : labels_) cats << fromAnsi(l);
  auto* x = new QBarCategoryAxis();
  x->append(cats);
  auto* y = new QValueAxis();
  y->setRange(0, top > 0 ? top * 1.1 : 1);
  chart_->addAxis(x, Qt::AlignBottom);
  chart_->addAxis(y, Qt::AlignLeft);
  series->attachAxis(x);
  series->attachAxis(y);
}

QImage Chart::Picture(double scale) {
  QSize size = view_->size().isValid() && view_->width() > 10 ? view_->size() : QSize(800, 500);
  scale = std::max(1.0, scale);
  QImage image(size * scale, QImage::Format_ARGB32);
  image.setDevicePixelRatio(scale);
  image.fill(Qt::white);
  QPainter painter(&image);
  chart_->resize(size);
  view_->render(&painter);
  return image;
}

}  // namespace platform
