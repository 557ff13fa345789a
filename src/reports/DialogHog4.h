#pragma once
// The crate dialog of the pigs weaned per crate chart: a box for the crates
// of each of the chart's five years. ACCEPT puts the five
// texts into CrateTable and hides the dialog, or refuses a count that is no
// whole number of crates (CheckCrateCounts); CLEAR empties the boxes.
#include <array>
#include <string>

#include "platform/Controls.h"
#include "platform/Form.h"
#include "platform/FormKit.h"
#include "reports/FiveYearCharts.h"

// A year of the chart and the crates typed for it ("" until ACCEPT).
struct CrateRow {
  std::string Year;
  std::string Crates;
  bool operator==(const CrateRow&) const = default;
};
// Shared by the chart, which fills the years, and the dialog, which fills the
// crates; kept until the chart next loads.
extern std::array<CrateRow, kChartYears> CrateTable;

class DialogHog4 : public platform::Form {
 public:
  explicit DialogHog4(QWidget* parent = nullptr);

  platform::ControlArray<platform::Label> CrateYr;
  platform::ControlArray<platform::TextBox> Crate;
  platform::CommandButton* CrtClr;
  platform::CommandButton* CrtAcc;

  void CrtClr_Click();
  void CrtAcc_Click();

 protected:
  void Form_Load() override;
};
