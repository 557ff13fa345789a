#pragma once
// The five-year charts of the SUMMARY menu: one bar per year from ReportYear,
// computed at load from the record files read once each (reports/
// FiveYearCharts.h); PRINT draws the chart on a page of its own, EXIT hides
// the window. HogRept5 asks for the crates of each year first (DialogHog4),
// over its chart of zero bars.
#include <string>

#include "common/DataFiles.h"
#include "platform/Chart.h"
#include "platform/Controls.h"
#include "platform/Form.h"
#include "platform/FormKit.h"
#include "reports/FiveYearCharts.h"

class ChartWindow : public platform::Form {
 public:
  platform::CommandButton* GphPnt;
  platform::CommandButton* GphExt;

  void GphPnt_Click();
  void GphExt_Click();

  // What the chart shows.
  const ChartRows& Rows() const { return rows_; }
  platform::Chart& Graph() const { return *graph_; }

 protected:
  ChartWindow(const std::string& name, const std::string& chartName, const std::string& title, QWidget* parent);
  // The year rows at zero, then the figures.
  void Form_Load() override;
  // The year rows at zero: the load common to the charts.
  void LoadYears();
  // The chart's figures from the files; false with `fault` when a file
  // cannot be read.
  virtual bool Figures(ChartRows& rows, FileFault& fault) = 0;
  // The files the figures come from.
  virtual std::vector<LoadedFile> LoadedFiles() const = 0;
  // Computes and shows the figures under the hourglass; a file that cannot
  // be read is reported and leaves the bars at zero.
  void ShowFigures();
  void ShowRows();

  int firstYear_ = 0;
  ChartRows rows_;

 private:
  platform::Chart* graph_;
  std::string title_;  // the chart's, and its printout's
};

// Pigs weaned per sow.
class HogRept4 : public ChartWindow {
 public:
  explicit HogRept4(QWidget* parent = nullptr);
  platform::Chart* PigWSY;

 protected:
  bool Figures(ChartRows& rows, FileFault& fault) override;
  std::vector<LoadedFile> LoadedFiles() const override;
};

// Pigs weaned per crate, the crates of each year typed in DialogHog4.
class HogRept5 : public ChartWindow {
 public:
  explicit HogRept5(QWidget* parent = nullptr);
  platform::Chart* PigWCY;

 protected:
  void Form_Load() override;
  void Form_Activate() override;
  bool Figures(ChartRows& rows, FileFault& fault) override;
  std::vector<LoadedFile> LoadedFiles() const override;

 private:
  bool cratesAsked_ = false;
};

// The mean adjusted 21-day weight per pig.
class HogRept6 : public ChartWindow {
 public:
  explicit HogRept6(QWidget* parent = nullptr);
  platform::Chart* PigADW;

 protected:
  bool Figures(ChartRows& rows, FileFault& fault) override;
  std::vector<LoadedFile> LoadedFiles() const override;
};

// The medication cost per pig sold.
class HogRept7 : public ChartWindow {
 public:
  explicit HogRept7(QWidget* parent = nullptr);
  platform::Chart* DrugGph;

 protected:
  bool Figures(ChartRows& rows, FileFault& fault) override;
  std::vector<LoadedFile> LoadedFiles() const override;
};

// SUMMARY > Pigs Weaned / Sow / Year, Pigs Weaned / Crate / Year, Adjusted
// 21day Weight and Medication Cost / Pig: the file checks, the graph's
// starting year, the chart.
void OpenPigsWeanedPerSow();
void OpenPigsWeanedPerCrate();
void OpenAdjusted21DayWeight();
void OpenMedicationCostPerPig();
