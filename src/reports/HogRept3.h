#pragma once
// The herd performance report of ReportYear: the year's sows, litters and pig
// figures computed at load from one read of SOW.DAT and FARROW.DAT; PRINT
// (enabled when the year has litters) prints them on one page, EXIT hides the
// window.
#include <string>

#include "platform/Controls.h"
#include "platform/Form.h"
#include "platform/FormKit.h"
#include "reports/HerdPerformance.h"

class HogRept3 : public platform::Form {
 public:
  explicit HogRept3(QWidget* parent = nullptr);

  // The value labels, in the order of HerdFigure.
  platform::ControlArray<platform::Label> Figures;
  platform::CommandButton* PntHerdPfr;
  platform::CommandButton* ExitHerdPfr;

  void PntHerdPfr_Click();
  void ExitHerdPfr_Click();

  const HerdPerfData& Data() const { return data_; }

 protected:
  void Form_Load() override;

 private:
  std::string year_;
  HerdPerfData data_;
};

// SUMMARY > Herd Performance: the file checks, the report year, the report.
void OpenHerdPerformance();
