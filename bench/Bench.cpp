// tarlowe_bench: each click of the program on a full farm, checked against
// the bench's own reading of the stored bytes and timed against the budget
// of a click; with --check, each click once on a small farm, checked and not
// timed. See bench/README.md.
#include <QApplication>
#include <QTemporaryDir>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/BenchOps.h"
#include "bench/PeakMemory.h"
#include "bench/ProgramStart.h"
#include "common/HogGlobals.h"
#include "common/PrintListing.h"
#include "platform/FileSystem.h"
#include "platform/Folders.h"
#include "platform/ProcessSettings.h"
#include "platform/Services.h"

volatile long g_sink = 0;

namespace {

CountingPrinter g_counting;
std::unique_ptr<RecordingPrinter> g_recording;

// The headless screen's remarks (it cannot raise a window) are left out of the table.
void quietQt(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg) std::fprintf(stderr, "%s\n", qPrintable(message));
}

}  // namespace

CountingPrinter& CountPrints() {
  platform::services().setPrinter(&g_counting);
  return g_counting;
}

RecordingPrinter& RecordPrints() {
  DumpPrinted();
  g_recording = std::make_unique<RecordingPrinter>();
  platform::services().setPrinter(g_recording.get());
  return *g_recording;
}

std::vector<std::string> BodyLines(const RecordingPrinter& printer, size_t width, int document) {
  std::vector<std::string> lines;
  for (const std::string& t : printer.texts(document))
    if (t.size() == width && t != PrintJob.Heading1 && t != PrintJob.Heading2 && t.find_first_not_of(' ') != std::string::npos)
      lines.push_back(t);
  return lines;
}

std::vector<std::string> PrintedFigures(const RecordingPrinter& printer) {
  std::vector<std::string> out;
  for (const std::string& t : printer.texts())
    if (const size_t arrow = t.find("->"); arrow != std::string::npos) out.push_back(t.substr(arrow + 2));
  return out;
}

void MadePrinted(const RecordingPrinter& printer) { MadeTexts(printer.texts()); }

void MadeListed(const platform::ListBox& list) { MadeTexts(ListRows(list)); }

void MadeCells(const platform::Grid& grid) {
  std::vector<std::string> cells;
  for (int r = 0; r < grid.Rows(); ++r)
    for (int c = 0; c < grid.Cols(); ++c) cells.push_back(grid.TextMatrix(r, c));
  DumpLine("grid " + std::to_string(grid.Rows()) + " x " + std::to_string(grid.Cols()));
  for (const std::string& cell : cells) DumpLine(cell);
  MadeTexts(cells);
}

void DumpPrinted() {
  if (!g_recording) return;
  for (const PrintedPage& p : g_recording->pages)
    DumpLine("page " + std::to_string(p.document) + "." + std::to_string(p.page) + " bin " + std::to_string(p.bin) +
             " orientation " + std::to_string(p.orientation));
  char place[160];
  for (const PrintedItem& item : g_recording->items) {
    std::snprintf(place, sizeof place, "%d.%d %d %.3f %.3f %.3f %.3f %s %.2f %d%d %d %dx%d | ", item.document,
                  item.page, static_cast<int>(item.kind), item.x, item.y, item.x2, item.y2, item.font.name.c_str(),
                  item.font.size, item.font.bold, item.font.italic, item.drawWidth, item.pictureWidth,
                  item.pictureHeight);
    DumpLine(place + item.text);
  }
  g_recording->items.clear();
  g_recording->pages.clear();
}

std::vector<std::string> ListRows(const platform::ListBox& list, std::vector<long>* itemData) {
  std::vector<std::string> rows;
  DumpLine("list " + std::to_string(list.ListCount()));
  for (int i = 0; i < list.ListCount(); ++i) {
    rows.push_back(list.List(i));
    DumpLine(std::to_string(list.ItemData(i)) + " | " + list.List(i));
    if (itemData) itemData->push_back(list.ItemData(i));
  }
  return rows;
}

namespace {

// The farm's files in `folder`; its records (herd, drugs, years) are set by
// the caller where they are made.
BenchFarm FarmIn(const std::string& folder) {
  BenchFarm farm;
  farm.folder = folder;
  farm.sows = folder + kSowFileName;
  farm.litters = folder + kFarrowFileName;
  farm.boars = folder + kBoarFileName;
  farm.ingredients = folder + IngredientRecord::FileName;
  farm.drugList = folder + kDrugFileName;
  farm.groups = folder + GroupRecord::FileName;
  farm.sales = folder + SalesRecord::FileName;
  farm.batches = folder + BenchFeedFile("2024");
  farm.doses = folder + BenchMedFile("2024");
  farm.lastBatches = folder + BenchFeedFile("2023");
  farm.lastDoses = folder + BenchMedFile("2023");
  farm.entryDoses = folder + BenchMedFile("2022");
  return farm;
}

std::vector<Operation> OperationsOn(const BenchFarm& farm) {
  std::vector<Operation> ops;
  AddSowOperations(ops, farm);
  AddBoarOperations(ops, farm);
  AddIngredientOperations(ops, farm);
  AddDrugOperations(ops, farm);
  AddGroupOperations(ops, farm);
  AddFeedBatchOperations(ops, farm);
  AddReportOperations(ops, farm);
  return ops;
}

// Every window the operations keep between runs.
void CloseWindows() {
  ReleaseSowWindows();
  ReleaseBoarWindows();
  ReleaseIngredientWindows();
  ReleaseDrugWindows();
  ReleaseGroupWindows();
  ReleaseFeedBatchWindows();
  ReleaseReportWindows();
}

}  // namespace

int main(int argc, char** argv) {
  QTemporaryDir dir;
  if (!dir.isValid() || !UseDesktopScreen(dir.path().toStdString() + "/")) {
    std::fprintf(stderr, "cannot make a temporary folder, or describe the screen in it\n");
    return 1;
  }
  qInstallMessageHandler(quietQt);
  QApplication app(argc, argv);
  platform::ApplyProcessSettings(app);
  // QApplication takes the user's locale; the bench's own reading of shown
  // figures (strtod, snprintf) wants a decimal point whatever the machine's
  // language.
  std::setlocale(LC_NUMERIC, "C");
  // tarlowe_bench [runs] [name part] | --check [name part] | --farm FOLDER | --peak FOLDER NAME
  std::vector<std::string> args(argv + 1, argv + argc);
  // The full farm written into a program folder of its own, to try the
  // program on it (TARLOWE_HOME, or the desktop tool's DESKTOP_HOME).
  const std::string farmOnly = args.size() == 2 && args[0] == "--farm" ? args[1] + "/HOGDATA/" : "";
  // The peak of one operation on the farm written in a folder, run in this
  // process of its own (PeakMemory.h).
  const bool peakOnly = args.size() == 3 && args[0] == "--peak";
  const std::string peakFolder = peakOnly ? platform::withSlash(args[1]) : "", peakOf = peakOnly ? args[2] : "";
  if (!farmOnly.empty() || peakOnly) args.clear();
  const bool checking = !args.empty() && args[0] == "--check";
  if (checking) args.erase(args.begin());
  const int runs = !checking && !args.empty() ? std::max(1, std::atoi(args[0].c_str())) : 9;
  if (!checking && !args.empty()) args.erase(args.begin());
  const std::string only = args.empty() ? "" : args[0];  // run only the operations whose name holds this
  if (const char* dump = std::getenv("TARLOWE_BENCH_DUMP"); dump && !peakOnly) OpenDump(dump);

  BenchDialogs dialogs;
  BenchWindows windows;
  platform::services().setDialogs(&dialogs);
  platform::services().setWindows(&windows);
  const std::string folder = dir.path().toStdString() + "/";
  if (!StartProgramAtMainWindow(folder + "start/") || dialogs.unexpected > 0 || windows.unexpected > 0) {
    std::fprintf(stderr, "the program's start did not reach its main window alone\n");
    return 1;
  }
  const auto end = [](int code) {
    CloseWindows();
    CloseProgram();
    platform::services().setPrinter(nullptr);
    platform::services().setDialogs(nullptr);
    platform::services().setWindows(nullptr);
    return code;
  };
  DateText = "12/07/2026";
  MedFile = BenchMedFile("2024");
  if (peakOnly) {
    // The main window stays up, as on the desktop. The farm's records are
    // not made again: the click runs, never its check.
    DataFolder = peakFolder;
    const BenchFarm farm = FarmIn(DataFolder);
    std::vector<Operation> ops = OperationsOn(farm);
    const int code = ReportPeak(ops, peakOf, dialogs, windows);
    ops.clear();
    return end(code);
  }
  CloseProgram();
  DataFolder = farmOnly.empty() ? folder : farmOnly;
  if (!farmOnly.empty() && !platform::makeFolder(DataFolder)) {
    std::fprintf(stderr, "cannot make %s\n", DataFolder.c_str());
    return 1;
  }

  const FarmSize size = checking ? FarmSize::small() : FarmSize::full();
  const BenchHerd herd = MakeBenchHerd(size);
  const BenchDrugs drugs = MakeBenchDrugs(size);
  const BenchYear year = MakeBenchYear(herd, drugs, 2024), lastYear = MakeBenchYear(herd, drugs, 2023);
  // The medication file the vaccination writes: ten doses short of the
  // 8,410 a vaccination may reach.
  const BenchYear entryYear = MakeBenchYear(herd, drugs, 2022, std::min<size_t>(size.doses, 8400));
  if (!WriteBenchHerd(herd, DataFolder) || !WriteBenchDrugs(drugs, DataFolder) || !WriteBenchYear(year, DataFolder) ||
      !WriteBenchYear(lastYear, DataFolder) ||
      !WriteBenchRecords(DataFolder + BenchMedFile(entryYear.year), entryYear.doses)) {
    std::fprintf(stderr, "cannot write the farm into %s\n", DataFolder.c_str());
    return 1;
  }
  if (!farmOnly.empty()) {
    std::printf("the full farm is in %s\n", DataFolder.c_str());
    return end(0);
  }
  BenchFarm farm = FarmIn(DataFolder);
  farm.herd = &herd;
  farm.drugs = &drugs;
  farm.year = &year;
  farm.lastYear = &lastYear;
  std::vector<Operation> ops = OperationsOn(farm);

  std::printf("TARLOWE benchmark%s: %zu sows, %zu litter records, %zu boar records, %zu ingredients, %zu drug "
              "records, %zu group records, %zu sales rows, %zu feed batches and %zu doses a year, in %s\n",
              checking ? " check on a small farm" : "", herd.sows.size(), herd.litters.size(), herd.boars.size(),
              herd.ingredients.size(), drugs.drugs.size(), herd.groups.size(), herd.sales.size(),
              year.batches.size(), year.doses.size(), DataFolder.c_str());
  if (checking) std::printf("each operation checked and run once, not timed\n\n");
  if (!checking)
    std::printf("the median of %d runs of a click, which must be within %.0f ms; the floor: the files a run reads, "
                "read warm into memory already touched (the median of five takes a run); the peak: the most the "
                "program's process held in a run of the click of its own, from the program at its main window "
                "(%.1f MB here), which must be within %.0f MB\n\n",
                runs, kClickBudgetMs, StartMemoryMb(), kPeakBudgetMb);
  if (!checking && Headless())
    std::printf("HEADLESS: the display's own libraries (about 3 MB on X11) are not in the peaks; run the bench on a "
                "display (xvfb-run) for the desktop's\n\n");
  const int code = RunOperations(ops, checking ? RunMode::Check : RunMode::Timed, runs, only, dialogs, windows);
  ops.clear();
  return end(code);
}
