#pragma once
// The farrowing performance summary of the litters weaned on the dates of the
// weaning-date dialog: totals and averages computed at load from one read of
// FARROW.DAT; PRINT prints them on one page, EXIT hides the window.
#include "platform/Controls.h"
#include "platform/Form.h"
#include "platform/FormKit.h"
#include "reports/DialogHog0.h"
#include "reports/FarrowPerformance.h"

class HogRept2 : public platform::Form {
 public:
  // `weanDates` is the dialog the dates were accepted in, still loaded.
  explicit HogRept2(const DialogHog0& weanDates, QWidget* parent = nullptr);

  // The value labels, in the order of FarrowFigure.
  platform::ControlArray<platform::Label> Figures;
  platform::Label* Sow;
  platform::CommandButton* PntFarroPerf;
  platform::CommandButton* PntExit;

  void PntFarroPerf_Click();
  void PntExit_Click();

 protected:
  void Form_Load() override;

 private:
  void ShowFarrowPerfAverages();
  const DialogHog0& weanDates_;
  LitterSums totals_;
};

// SUMMARY > Farrowing Performance: the file checks, the weaning-date dialog,
// then the summary when dates were accepted.
void OpenFarrowingPerformance();
