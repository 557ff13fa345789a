#pragma once
// A two-dimensional bar chart: a table of rows (categories, each with a
// label) and columns (series), a linear value axis, and a picture of the chart
// for the printer.
#include <QImage>
#include <QStringList>
#include <QWidget>
#include <string>
#include <vector>

class QBarCategoryAxis;
class QBarSeries;
class QChart;
class QChartView;
class QValueAxis;

namespace platform {

class Chart : public QWidget {
  Q_OBJECT
 public:
  Chart(QWidget* parent, const std::string& name);
  void SetTitle(const std::string& title);
  void SetTitleFont(const QFont& font);
  // Writes each bar's value above it.
  void SetValueLabels(bool shown) { valueLabels_ = shown; }
  void SetRowCount(int rows);
  void SetColumnCount(int cols);
  int RowCount() const { return static_cast<int>(labels_.size()); }
  void SetRowLabel(int row, const std::string& label);  // rows from 1
  std::string RowLabel(int row) const;
  void SetValue(int row, int col, double value);  // rows and columns from 1
  double Value(int row, int col) const;
  void SetColumnLabel(int col, const std::string& label);
  // Draws the chart anew from its table.
  void Refresh();
  // The chart as a picture, as the printer takes it: the chart as shown,
  // drawn at `scale` times its size on the screen (devicePixelRatio `scale`,
  // so the picture's own size stays that of the screen).
  QImage Picture(double scale = 1);

 private:
  QString columnLabel(int col) const;  // col from 0
  // Sets the table's values into the bars shown when the bars and their
  // labels stay as they are; false (nothing changed) when they do not.
  bool refillInPlace(const QStringList& cats);

  QChartView* view_;
  QChart* chart_;
  QBarSeries* series_;
  QBarCategoryAxis* rowAxis_;
  QValueAxis* valueAxis_;
  std::string title_;
  int cols_ = 1;
  bool valueLabels_ = false;
  std::vector<std::string> labels_;
  std::vector<std::string> columnLabels_;
  std::vector<std::vector<double>> values_;
};

}  // namespace platform
