#include "reports/ChartWindows.h"

#include <QSizeF>

#include "common/HogGlobals.h"
#include "common/PrintListing.h"
#include "common/YearPrompts.h"
#include "platform/Screen.h"
#include "platform/Services.h"
#include "reports/DialogHog4.h"
#include "reports/Summaries.h"

namespace {

// The picture is drawn at this many times the chart's size on the screen, so
// that it prints sharp.
constexpr double kPrintScale = 3;
// Twips in a pixel of the screen (96 dots per inch).
constexpr double kTwipsPerPixel = 15;

}  // namespace

ChartWindow::ChartWindow(const std::string& name, const std::string& chartName, const std::string& title,
                         QWidget* parent)
    : platform::Form(name, parent), title_(title) {
  using namespace platform;
  setFont(makeFont("MS Sans Serif", 8));
  SetCaption(kSummaryTitle);
  graph_ = Placed(new Chart(this, chartName), {120, 120, 12480, 6600});
  graph_->SetTitle(title);
  graph_->SetTitleFont(makeFont("Arial", 14, true));
  graph_->SetValueLabels(true);
  const QFont buttons = makeFont("Fixedsys", 10, true);
  GphPnt = AddButton(this, "GphPnt", "PRINT", {3600, 6900, 1575, 435}, [this] { GphPnt_Click(); });
  GphExt = AddButton(this, "GphExt", "EXIT", {7560, 6900, 1575, 435}, [this] { GphExt_Click(); });
  GphPnt->setFont(buttons);
  GphExt->setFont(buttons);
  SetTabOrder({GphPnt, GphExt});
  SetBoundsTwips(600, 600, 12840, 7860);
}

void ChartWindow::Form_Load() {
  TellUnreachableRecords(LoadedFiles());
  LoadYears();
  ShowFigures();
}

void ChartWindow::LoadYears() {
  firstYear_ = ChartFirstYear(ReportYear);
  rows_ = BlankChartRows(firstYear_);
  graph_->SetColumnCount(1);
  graph_->SetRowCount(kChartYears);
  graph_->SetColumnLabel(1, "");
  ShowRows();
}

void ChartWindow::ShowRows() {
  for (int i = 0; i < kChartYears; ++i) {
    const ChartRow& row = rows_[static_cast<size_t>(i)];
    graph_->SetRowLabel(i + 1, row.label);
    graph_->SetValue(i + 1, 1, row.value());
  }
  graph_->Refresh();
}

void ChartWindow::ShowFigures() {
  Hourglass(true);
  ChartRows rows = BlankChartRows(firstYear_);
  FileFault fault;
  const bool read = Figures(rows, fault);
  if (read) rows_ = rows;
  ShowRows();
  Hourglass(false);
  if (!read) ReportFileFault(fault, false, kSummaryTitle);
}

void ChartWindow::GphPnt_Click() {
  platform::Printer& printer = platform::services().printer();
  printer.setTitle(PrintoutName(title_));
  printer.print(" ");
  const QImage picture = graph_->Picture(kPrintScale);
  // At its own size, narrowed to the page where it is wider.
  QSizeF size = picture.deviceIndependentSize() * kTwipsPerPixel;
  if (size.width() > printer.scaleWidth()) size *= printer.scaleWidth() / size.width();
  printer.paintPicture(picture, 0, 0, size.width(), size.height());
  EndPrintDocument();
}

void ChartWindow::GphExt_Click() { Hide(); }

HogRept4::HogRept4(QWidget* parent) : ChartWindow("HogRept4", "PigWSY", kPigsPerSowTitle, parent) {
  PigWSY = &Graph();
}

std::vector<LoadedFile> HogRept4::LoadedFiles() const {
  return {LoadedFileOf<SowRecord>(), LoadedFileOf<FarrowRecord>()};
}

bool HogRept4::Figures(ChartRows& rows, FileFault& fault) {
  records::FileImage<SowRecord> sows;
  records::FileImage<FarrowRecord> litters;
  if (!ReadImage(sows, &fault) || !ReadImage(litters, &fault)) return false;
  rows = PigsWeanedPerSow(sows, litters, firstYear_);
  return true;
}

HogRept5::HogRept5(QWidget* parent) : ChartWindow("HogRept5", "PigWCY", kPigsPerCrateTitle, parent) {
  PigWCY = &Graph();
}

void HogRept5::Form_Load() {
  TellUnreachableRecords(LoadedFiles());
  LoadYears();
  for (int i = 0; i < kChartYears; ++i) CrateTable[static_cast<size_t>(i)] = {ChartYearKey(firstYear_ + i), ""};
  cratesAsked_ = false;
}

// The crates are asked for once the chart of zero bars shows behind the
// dialog; the figures follow.
void HogRept5::Form_Activate() {
  if (cratesAsked_) return;
  cratesAsked_ = true;
  platform::ShowModalThenUnload<DialogHog4>();
  ShowFigures();
}

std::vector<LoadedFile> HogRept5::LoadedFiles() const { return {LoadedFileOf<FarrowRecord>()}; }

bool HogRept5::Figures(ChartRows& rows, FileFault& fault) {
  records::FileImage<FarrowRecord> litters;
  if (!ReadImage(litters, &fault)) return false;
  CrateCounts crates;
  for (int i = 0; i < kChartYears; ++i) crates[static_cast<size_t>(i)] = CrateTable[static_cast<size_t>(i)].Crates;
  rows = PigsWeanedPerCrate(litters, firstYear_, crates);
  return true;
}

HogRept6::HogRept6(QWidget* parent) : ChartWindow("HogRept6", "PigADW", kAdjWeightTitle, parent) {
  PigADW = &Graph();
}

std::vector<LoadedFile> HogRept6::LoadedFiles() const { return {LoadedFileOf<FarrowRecord>()}; }

bool HogRept6::Figures(ChartRows& rows, FileFault& fault) {
  records::FileImage<FarrowRecord> litters;
  if (!ReadImage(litters, &fault)) return false;
  rows = Adj21DayWeightPerYear(litters, firstYear_);
  return true;
}

HogRept7::HogRept7(QWidget* parent) : ChartWindow("HogRept7", "DrugGph", kMedCostTitle, parent) {
  DrugGph = &Graph();
}

std::vector<LoadedFile> HogRept7::LoadedFiles() const {
  return {LoadedFileOf<SalesRecord>(), LoadedFileOf<DrugRecord>()};
}

bool HogRept7::Figures(ChartRows& rows, FileFault& fault) {
  records::FileImage<SalesRecord> sales;
  if (!ReadImage(sales, &fault)) return false;
  DrugCostsPerYear drugs(firstYear_);
  records::RecordScan<DrugRecord> scan;
  if (!ScanFile(scan, [&drugs](long, const uint8_t* drug) { drugs.add(drug); }, &fault)) return false;
  rows = MedicationCostPerPig(sales, drugs, firstYear_);
  return true;
}

namespace {

// The graph's starting year into ReportYear; false when none was accepted.
bool AskGraphYear() {
  return CheckYearEntry("In the BOX below, enter the starting YEAR for the GRAPH.\r\r"
                        "Be sure to enter all four(4) digets for the YEAR. (2000)",
                        "E N T E R   G R A P H   Y E A R   E R R O R", "ENTER  GRAPH  STARTING  YEAR", ReportYear);
}

// The SUMMARY item `index`: the file checks, the year, then the chart W.
template <class W>
void openChart(int index, bool needsDrugs = false) {
  if (!SummaryFilesHoldRecords()) return;
  MenuChoice = index;
  if (needsDrugs && !DrugFileHoldsRecords()) return;
  if (!AskGraphYear()) return;
  platform::ShowModalThenUnload<W>();
}

}  // namespace

void OpenPigsWeanedPerSow() { openChart<HogRept4>(2); }
void OpenPigsWeanedPerCrate() { openChart<HogRept5>(3); }
void OpenAdjusted21DayWeight() { openChart<HogRept6>(4); }
void OpenMedicationCostPerPig() { openChart<HogRept7>(5, true); }
