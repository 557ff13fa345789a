#include "reports/HogRept2.h"

#include "common/DataFiles.h"
#include "common/HogGlobals.h"
#include "platform/Screen.h"
#include "reports/Summaries.h"

namespace {

constexpr const char* kCaption = "FARROWING   PERFORMANCE";

}  // namespace

HogRept2::HogRept2(const DialogHog0& weanDates, QWidget* parent)
    : platform::Form("HogRept2", parent), weanDates_(weanDates) {
  using namespace platform;
  setFont(makeFont("MS Sans Serif", 8));
  SetCaption(kCaption);
  constexpr RowPitch rows{240, 360};
  for (int i = 0; i < kFarrowFigures; ++i) {
    const FarrowFigureLabel& label = FarrowFigureLabelOf(static_cast<FarrowFigure>(i));
    // A gap after the totals and after the pig averages.
    const int y = rows(i) + (i >= 5 ? 180 : 0) + (i >= 9 ? 180 : 0);
    AddLabel(this, "Label1", label.caption, {240, y + 30, 3600, 255});
    Figures.Add(AddLabel(this, label.name, "", {3960, y, 1215, 315}));
  }
  Sow = Figures[static_cast<int>(FarrowFigure::Sows)];
  const int y = rows(kFarrowFigures) + 480;
  PntFarroPerf = AddButton(this, "PntFarroPerf", "PRINT", {480, y, 1575, 435}, [this] { PntFarroPerf_Click(); });
  PntExit = AddButton(this, "PntExit", "EXIT", {3240, y, 1575, 435}, [this] { PntExit_Click(); });
  SetBoundsTwips(1500, 1200, 5520, y + 1000);
}

void HogRept2::Form_Load() {
  TellUnreachableRecords({LoadedFileOf<FarrowRecord>()});
  Hourglass(true);
  totals_ = LitterSums{};
  records::FileImage<FarrowRecord> litters;
  FileFault fault;
  if (ReadImage(litters, &fault)) {
    totals_ = TotalWeanedOn(litters, weanDates_.Dates());
  } else {
    Hourglass(false);
    ReportFileFault(fault, false, kCaption);
  }
  Sow->SetCaption(FarrowFigureText(totals_, FarrowFigure::Sows));
  ShowFarrowPerfAverages();
  Hourglass(false);
}

void HogRept2::ShowFarrowPerfAverages() {
  if (totals_.Litters == 0) {
    for (FarrowFigure f : {FarrowFigure::Born, FarrowFigure::Alive, FarrowFigure::Weaned, FarrowFigure::Fostered})
      Figures[static_cast<int>(f)]->SetCaption(FarrowFigureText(totals_, f));
    return;  // the averages stay as they were
  }
  for (int i = 1; i < kFarrowFigures; ++i)
    Figures[i]->SetCaption(FarrowFigureText(totals_, static_cast<FarrowFigure>(i)));
}

void HogRept2::PntFarroPerf_Click() {
  if (!AskPrintSummary("PRINT FARROWING PERFORMANCE SUMMARY?")) return;
  Hourglass(true);
  PrintFarrowPerfPage(FarrowPerfReportLines(totals_, DateText), "FARROWING PERFORMANCE",
                      WeanDatesLine(weanDates_.Dates()));
  Hourglass(false);
}

void HogRept2::PntExit_Click() { Hide(); }

void OpenFarrowingPerformance() {
  if (!SummaryFilesHoldRecords()) return;
  MenuChoice = 0;
  DialogHog0& dialog = WeanDatesDialog();
  dialog.Show(platform::vbModal);
  if (dialog.WeanDatNum->Caption() == "0") return;  // kept, hidden, for the next request
  {
    HogRept2 summary(dialog);
    platform::ShowModalThenUnload(summary);
  }
  ReleaseWeanDatesDialog();
}
