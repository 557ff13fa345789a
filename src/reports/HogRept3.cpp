#include "reports/HogRept3.h"

#include "common/DataFiles.h"
#include "common/HogGlobals.h"
#include "common/NumberText.h"
#include "common/YearPrompts.h"
#include "platform/Screen.h"
#include "reports/Summaries.h"

HogRept3::HogRept3(QWidget* parent) : platform::Form("HogRept3", parent) {
  using namespace platform;
  setFont(makeFont("MS Sans Serif", 8));
  // Two columns of label and value; a gap after the eighth row of each.
  constexpr RowPitch rows{240, 360};
  constexpr int kColumnRows = 8, kLeftFigures = 12;
  for (int i = 0; i < kHerdFigures; ++i) {
    const HerdFigureLabel& label = HerdFigureLabelOf(static_cast<HerdFigure>(i));
    const bool right = i >= kLeftFigures;
    const int row = right ? i - kLeftFigures : i;
    const int y = rows(row) + (row >= kColumnRows ? 240 : 0);
    const int x = right ? 5280 : 240;
    AddLabel(this, "Label1", label.caption, {x, y + 30, 3480, 255});
    Figures.Add(AddLabel(this, label.name, "", {x + 3600, y, 1095, 315}));
  }
  const int y = rows(13) + 480;
  PntHerdPfr = AddButton(this, "PntHerdPfr", "PRINT", {2400, y, 1575, 435}, [this] { PntHerdPfr_Click(); });
  ExitHerdPfr = AddButton(this, "ExitHerdPfr", "EXIT", {6000, y, 1575, 435}, [this] { ExitHerdPfr_Click(); });
  PntHerdPfr->setEnabled(false);
  SetBoundsTwips(600, 1200, 10320, y + 1000);
}

void HogRept3::Form_Load() {
  TellUnreachableRecords({LoadedFileOf<SowRecord>(), LoadedFileOf<FarrowRecord>()});
  year_ = Trim(ReportYear);
  data_ = HerdPerfData{};
  PntHerdPfr->setEnabled(false);
  SetCaption("H E R D   P E R F O R M A N C E  for " + year_);
  Hourglass(true);
  records::FileImage<FarrowRecord> litters;
  records::FileImage<SowRecord> sows;
  FileFault fault;
  const bool read = ReadImage(litters, &fault) && ReadImage(sows, &fault);
  if (read) data_ = CollectHerdData(sows, litters, year_);
  for (int i = 0; i < kHerdFigures; ++i) Figures[i]->SetCaption(HerdFigureText(data_, static_cast<HerdFigure>(i)));
  Hourglass(false);
  if (!read) return ReportFileFault(fault, false, kHerdDataTitle);
  if (HerdDataFound(data_)) {
    PntHerdPfr->setEnabled(true);
    return;
  }
  Alert(NoHerdLittersText(year_), platform::vbExclamation | platform::vbOKOnly, kHerdDataTitle);
}

void HogRept3::PntHerdPfr_Click() {
  if (!AskPrintSummary("PRINT HERD PERFORMANCE SUMMARY?")) return;
  Hourglass(true);
  PrintHerdPerfPage(HerdPerfReportLines(data_, DateText), "HERD PERFORMANCE for " + year_);
  Hourglass(false);
}

void HogRept3::ExitHerdPfr_Click() { Hide(); }

void OpenHerdPerformance() {
  if (!SummaryFilesHoldRecords()) return;
  MenuChoice = 1;
  if (!CheckYearEntry("In the BOX below, enter the YEAR for the HERD PERFORMANCE report.\r\r"
                      "Be sure to enter all four(4) digets for the YEAR. (2000)",
                      "E N T E R   R E P O R T   Y E A R   E R R O R", "ENTER  REPORT  YEAR", ReportYear))
    return;
  platform::ShowModalThenUnload<HogRept3>();
}
