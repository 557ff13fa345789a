#include "reports/DialogHog4.h"

std::array<CrateRow, kChartYears> CrateTable;

DialogHog4::DialogHog4(QWidget* parent) : platform::Form("DialogHog4", parent) {
  using namespace platform;
  setFont(makeFont("MS Sans Serif", 8));
  SetCaption("E N T E R   C R A T E(s)");
  AddLabel(this, "Label1", "ENTER the NUMBER of CRATE(s) for each YEAR BELOW:", {240, 200, 4440, 255});
  constexpr RowPitch rows{600, 420};
  for (int k = 0; k < kChartYears; ++k) {
    CrateYr.Add(AddLabel(this, "CrateYr", "", {960, rows(k) + 30, 1080, 255}));
    Crate.Add(AddTextBox(this, "Crate", {2160, rows(k), 1335, 315}));
  }
  const int y = rows(kChartYears) + 60;
  CrtClr = AddButton(this, "CrtClr", "CLEAR", {480, y, 1575, 435}, [this] { CrtClr_Click(); });
  CrtAcc = AddButton(this, "CrtAcc", "ACCEPT", {2640, y, 1575, 435}, [this] { CrtAcc_Click(); });
  SetTabOrder({Crate[0], Crate[1], Crate[2], Crate[3], Crate[4], CrtAcc, CrtClr});
  SetBoundsTwips(2400, 2000, 4920, y + 1000);
}

void DialogHog4::Form_Load() {
  for (int k = 0; k < kChartYears; ++k) {
    CrateYr[k]->SetCaption(CrateTable[static_cast<size_t>(k)].Year);
    Crate[k]->SetText("");
  }
}

void DialogHog4::CrtClr_Click() {
  for (platform::TextBox* box : Crate) box->SetText("");
  Crate[0]->SetFocus();
}

void DialogHog4::CrtAcc_Click() {
  CrateCounts typed;
  std::array<std::string, kChartYears> years;
  for (int k = 0; k < kChartYears; ++k) {
    typed[static_cast<size_t>(k)] = Crate[k]->Text();
    years[static_cast<size_t>(k)] = CrateTable[static_cast<size_t>(k)].Year;
  }
  if (Check refusal = CheckCrateCounts(typed, years))
    return platform::ShowRefusal(*refusal, {Crate[0], Crate[1], Crate[2], Crate[3], Crate[4]});
  for (int k = 0; k < kChartYears; ++k) CrateTable[static_cast<size_t>(k)].Crates = typed[static_cast<size_t>(k)];
  Hide();
}
