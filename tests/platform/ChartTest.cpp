// The bar chart refilled: values set into the bars already drawn give the
// picture a chart filled once with the same table gives, whatever came
// before (other values, labels, bars or columns).
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <string>
#include <vector>

#include "platform/Chart.h"

namespace {

struct Table {
  std::vector<std::string> labels;
  std::vector<std::vector<double>> columns;  // each column's values, a value a row
  std::vector<std::string> columnLabels;
};

void fill(platform::Chart& chart, const Table& t) {
  chart.SetColumnCount(static_cast<int>(t.columns.size()));
  chart.SetRowCount(static_cast<int>(t.labels.size()));
  for (size_t c = 0; c < t.columns.size(); ++c) {
    chart.SetColumnLabel(static_cast<int>(c) + 1, t.columnLabels[c]);
    for (size_t r = 0; r < t.labels.size(); ++r)
      chart.SetValue(static_cast<int>(r) + 1, static_cast<int>(c) + 1, t.columns[c][r]);
  }
  for (size_t r = 0; r < t.labels.size(); ++r) chart.SetRowLabel(static_cast<int>(r) + 1, t.labels[r]);
  chart.Refresh();
}

// The chart as shown, once Qt has laid it out.
QImage picture(platform::Chart& chart) {
  chart.resize(700, 400);
  chart.show();
  QApplication::processEvents();
  return chart.Picture(2).convertToFormat(QImage::Format_ARGB32);
}

}  // namespace

TEST(Chart, ARefilledChartDrawsWhatAChartFilledOnceDraws) {
  const std::vector<std::string> years = {"Year 2016 SOW(s)=2048", "Year 2017", "Year 2018", "Year 2019", "Year 2020"};
  // Each sequence refills one chart, step by step.
  const std::vector<std::vector<Table>> sequences = {
      {
          {years, {{0, 0, 0, 0, 0}}, {""}},
          {years, {{12.67, 13.1, 11.94, 0, 12.5}}, {""}},        // new values only
          {years, {{120, 13.1, 2.5, 99.99, 0.01}}, {""}},        // and a new top
          {years, {{120, 13.1, 2.5, 99.99, 0.01}}, {"WEIGHT"}},  // a new column label
          {{"Year 2016 SOW(s)=11", "Year 2017", "Year 2018", "Year 2019", "Year 2020"},
           {{120, 13.1, 2.5, 99.99, 0.01}},
           {"WEIGHT"}},  // a new row label
      },
      {
          {{"A", "B", "C"}, {{5, 0, 7}, {1, 2, 3}}, {"X", "Y"}},
          {{"A", "B", "C"}, {{6, 1, 7}, {1, 2, 30}}, {"X", "Y"}},
          {{"A", "B", "C"}, {{6, 1, 7}, {1, 2, 30}}, {"X", "Z"}},
      },
  };
  for (size_t s = 0; s < sequences.size(); ++s) {
    platform::Chart refilled(nullptr, "Refilled");
    refilled.SetValueLabels(true);
    refilled.SetTitle("ADJUSTED 21-DAY WEIGHT");
    for (size_t i = 0; i < sequences[s].size(); ++i) {
      SCOPED_TRACE(std::to_string(s) + "." + std::to_string(i));
      const Table& step = sequences[s][i];
      fill(refilled, step);
      platform::Chart once(nullptr, "Once");
      once.SetValueLabels(true);
      once.SetTitle("ADJUSTED 21-DAY WEIGHT");
      fill(once, step);
      EXPECT_EQ(refilled.Value(1, 1), step.columns[0][0]);
      EXPECT_TRUE(picture(refilled) == picture(once));
    }
  }
}
