#pragma once
// What the operation files of the bench share: the farm's files, the printers
// of the timed runs and of the checks, and one adder per area.
#include <string>
#include <vector>

#include "bench/BenchDrugs.h"
#include "bench/BenchHerd.h"
#include "bench/BenchRun.h"
#include "bench/Expect.h"
#include "bench/Stored.h"
#include "platform/Controls.h"
#include "platform/Grid.h"
#include "platform/Printer.h"
#include "support/RecordingPrinter.h"

// The farm the bench writes, and the paths of its files.
struct BenchFarm {
  const BenchHerd* herd = nullptr;
  const BenchDrugs* drugs = nullptr;
  const BenchYear* year = nullptr;      // the current year, 2024
  const BenchYear* lastYear = nullptr;  // 2023, of the feed conversion
  std::string folder;
  std::string sows, litters, boars, ingredients, drugList, groups, sales;
  std::string batches, doses;          // FEED2024.DAT, MED2024.DAT
  std::string lastBatches, lastDoses;  // FEED2023.DAT, MED2023.DAT
  std::string entryDoses;              // MED2022.DAT, with room for a vaccination
};

// The printer of the timed runs: it only counts what it is given, on pages
// of the size the tests use, so a run costs what the program's own work does.
class CountingPrinter : public platform::Printer {
 public:
  long texts = 0;
  double scaleWidth() override { return 11520; }
  double scaleHeight() override { return 15120; }

 protected:
  double measureWidth(const platform::PrinterFont& f, const std::string& t) override {
    return static_cast<double>(t.size()) * f.size * 12;
  }
  double measureHeight(const platform::PrinterFont& f, const std::string&) override { return f.size * 23; }
  bool beginDocument() override { return true; }
  bool beginPage() override { return true; }
  void drawText(double, double, const std::string&) override { ++texts; }
  void drawLine(double, double, double, double) override {}
  void drawPicture(const QImage&, double, double, double, double) override {}
  bool finishDocument() override { return true; }
  void abortDocument() override {}
};

// Installs the counting printer (for a timed run) or a fresh recording
// printer (for a check) and answers it.
CountingPrinter& CountPrints();
RecordingPrinter& RecordPrints();
// The texts of one document, or of all, that are `width` characters long and
// are not the listing's headings: the body lines of a listing.
std::vector<std::string> BodyLines(const RecordingPrinter& printer, size_t width, int document = 0);

// The figures after the labels of a printed summary ("...---->" then the
// figure), in order.
std::vector<std::string> PrintedFigures(const RecordingPrinter& printer);

// The rows of a list box, top to bottom, and (when given) their item data.
std::vector<std::string> ListRows(const platform::ListBox& list, std::vector<long>* itemData = nullptr);

// Tell the run's texts (MadeTexts): every text a printer was given, every
// row of a list, every cell of a grid.
void MadePrinted(const RecordingPrinter& printer);
void MadeListed(const platform::ListBox& list);
void MadeCells(const platform::Grid& grid);

extern volatile long g_sink;  // keeps timed work from being optimised away

void AddSowOperations(std::vector<Operation>& ops, const BenchFarm& farm);
void AddBoarOperations(std::vector<Operation>& ops, const BenchFarm& farm);
void AddIngredientOperations(std::vector<Operation>& ops, const BenchFarm& farm);
void AddDrugOperations(std::vector<Operation>& ops, const BenchFarm& farm);
void AddGroupOperations(std::vector<Operation>& ops, const BenchFarm& farm);
void AddFeedBatchOperations(std::vector<Operation>& ops, const BenchFarm& farm);
void AddReportOperations(std::vector<Operation>& ops, const BenchFarm& farm);
// Release the windows each area's operations keep between runs.
void ReleaseSowWindows();
void ReleaseBoarWindows();
void ReleaseIngredientWindows();
void ReleaseDrugWindows();
void ReleaseGroupWindows();
void ReleaseFeedBatchWindows();
void ReleaseReportWindows();
