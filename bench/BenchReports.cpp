// The summaries (herd performance of a year, farrowing performance of four
// weaning dates: shown and printed) and the four five-year charts filled.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "bench/BenchOps.h"
#include "common/HogGlobals.h"
#include "reports/ChartWindows.h"
#include "reports/DialogHog0.h"
#include "reports/DialogHog4.h"
#include "reports/HogRept2.h"
#include "reports/HogRept3.h"

namespace {

using namespace at;

constexpr const char* kHerdYear = "2018";
constexpr int kFirstChartYear = 2016;

std::unique_ptr<HogRept3> g_herd;

std::string yearOf(const std::string& date) { return date.size() >= 4 ? date.substr(date.size() - 4) : date; }
double ratio(double a, double b) { return b > 0 ? a / b : 0; }

// The sums of the litters a summary counts; the litter weights are rounded
// to whole pounds after each litter.
struct Weaned {
  long n = 0, born = 0, alive = 0, weaned = 0, fostered = 0, birthWeight = 0, weaningWeight = 0;
  void add(const Stored& litters, long k) {
    ++n;
    born += litters.i16(k, litter::BornCount);
    alive += litters.i16(k, litter::Alive);
    weaned += litters.i16(k, litter::WeanedCount);
    fostered += litters.i16(k, litter::FosteredTo);
    birthWeight = std::lrint(birthWeight + static_cast<double>(litters.f32(k, litter::BirthWeight)));
    weaningWeight = std::lrint(weaningWeight + static_cast<double>(litters.f32(k, litter::WeaningWeight)));
  }
};

// The 25 figures of the herd performance of `year`, in the window's order:
// the counts, and the rest a value's digits cut to the figure's width.
std::vector<Figure> herdFigures(const BenchFarm& farm, const std::string& year) {
  const Stored sows(farm.sows, sow::Length), litters(farm.litters, litter::Length);
  long excluded = 0, replacements = 0, sold = 0, paritySum = 0;
  for (long r = 1; r <= sows.count(); ++r) {
    const std::string entered = yearOf(sows.date(r, animal::Entered)), left = yearOf(sows.date(r, animal::Left));
    replacements += entered == year;
    excluded += (entered > year) + (left <= year);
    sold += left == year;
    if (entered <= year && sows.date(r, animal::Left) == "__/__/____") paritySum += sows.i16(r, sow::Parities);
  }
  const double herd = static_cast<double>(sows.count() - excluded);
  Weaned w;
  long days = 0;
  for (long k = 1; k <= litters.count(); ++k) {
    if (yearOf(litters.date(k, litter::Born)) != year || litters.date(k, litter::Weaned) == "__/__/____") continue;
    w.add(litters, k);
    days += DayCount(litters.date(k, litter::Weaned)) - DayCount(litters.date(k, litter::Born));
  }
  const long n = w.n, born = w.born, alive = w.alive, weaned = w.weaned, fostered = w.fostered;
  const long birthWeight = w.birthWeight, weaningWeight = w.weaningWeight;
  const long nps = std::lround(herd * 365 - (std::nearbyint(ratio(days, n)) + 114) * n);
  const auto value = [](double v) { return Figure(v, kCut); };
  return {Count(std::lround(herd)),
          Count(replacements),
          Count(sold),
          value(ratio(paritySum, herd)),
          Count(n),
          value(ratio(n, herd)),
          Count(nps),
          value(ratio(nps, herd)),
          value(ratio(born, n)),
          value(ratio(alive, n)),
          value(ratio(weaned, n)),
          value(ratio(fostered, n)),
          Count(born),
          value(ratio(born, herd)),
          Count(alive),
          value(ratio(alive, herd)),
          Count(weaned),
          value(ratio(weaned, herd)),
          Count(fostered),
          value(ratio(fostered, herd)),
          value(ratio(birthWeight, n)),
          value(ratio(weaningWeight, n)),
          value(ratio(born - alive, born) * 100),
          value(ratio(alive - weaned, alive) * 100),
          value(ratio(days, n))};
}

// The four weaning date boxes; "__/__/____" is an empty box.
using DateBoxes = std::array<std::string, 4>;

// The litters weaned on the dates of the boxes: litters, born, alive,
// weaned, fostered and their averages, the litter weights, stillborn and
// mortality, the figures to two places. A litter counts once for each box
// that holds its date; an empty box counts none.
std::vector<Figure> farrowFigures(const BenchFarm& farm, const DateBoxes& dates) {
  const Stored litters(farm.litters, litter::Length);
  Weaned w;
  for (long k = 1; k <= litters.count(); ++k)
    for (const std::string& date : dates)
      if (!EmptyStoredDate(date) && litters.date(k, litter::Weaned) == date) w.add(litters, k);
  const auto value = [](double v) { return Figure(v, 2); };
  return {Count(w.n),
          Count(w.born),
          Count(w.alive),
          Count(w.weaned),
          Count(w.fostered),
          value(ratio(w.born, w.n)),
          value(ratio(w.alive, w.n)),
          value(ratio(w.weaned, w.n)),
          value(ratio(w.fostered, w.n)),
          value(ratio(w.birthWeight, w.n)),
          value(ratio(w.weaningWeight, w.n)),
          value(ratio(w.born - w.alive, w.born) * 100),
          value(ratio(w.alive - w.weaned, w.alive) * 100)};
}

std::string compareLabels(const platform::ControlArray<platform::Label>& labels, const std::vector<Figure>& figures,
                          const std::string& what) {
  for (size_t i = 0; i < figures.size(); ++i)
    if (!Shows(labels[static_cast<int>(i)]->Caption(), figures[i]))
      return what + " figure " + std::to_string(i + 1) + " shows \"" + labels[static_cast<int>(i)]->Caption() +
             "\", expected " + ExpectedText(figures[i]);
  return "";
}

// Each year's label and value of chart `chart`, from the stored bytes.
std::vector<std::pair<std::string, double>> chartRows(const BenchFarm& farm, int chart) {
  const Stored sows(farm.sows, sow::Length), litters(farm.litters, litter::Length);
  const Stored sales(farm.sales, sale::Length), drugs(farm.drugList, drug::Length);
  const long crates[] = {250, 260, 0, 270, 0};
  const char* crateTexts[] = {"250", "260", "", "270", "0"};
  std::vector<std::pair<std::string, double>> rows;
  for (int i = 0; i < 5; ++i) {
    const std::string y = std::to_string(kFirstChartYear + i), label = "Year " + y;
    long inHerd = 0, weaned = 0, count = 0, sold = 0;
    double adjusted = 0, cost = 0;
    for (long r = 1; r <= sows.count(); ++r)
      inHerd += !(yearOf(sows.date(r, animal::Entered)) > y) && !(yearOf(sows.date(r, animal::Left)) <= y);
    for (long k = 1; k <= litters.count(); ++k) {
      if (yearOf(litters.date(k, litter::Weaned)) != y) continue;
      const int pigs = litters.i16(k, litter::WeanedCount);
      weaned += pigs;
      if (pigs == 0) continue;
      const float perPig = litters.f32(k, litter::WeaningWeight) / static_cast<float>(pigs);
      const long age = DayCount(litters.date(k, litter::Weaned)) - DayCount(litters.date(k, litter::Born));
      adjusted += age >= 14 && age <= 34 ? perPig * kAdjustFactors[age - 14] : perPig;
      ++count;
    }
    for (long r = 1; r <= sales.count(); ++r)
      if (yearOf(sales.date(r, sale::Date)) == y) sold += sales.i16(r, sale::Pigs);
    for (long r = 1; r <= drugs.count(); ++r)
      if (yearOf(drugs.date(r, drug::Purchased)) == y) cost += drugs.money(r, drug::Cost);
    switch (chart) {
      case 0: rows.emplace_back(label + " SOW(s)=" + std::to_string(inHerd), inHerd ? weaned / inHerd : 0); break;
      case 1:
        rows.emplace_back(label + " CRATE(s)=" + crateTexts[i], crates[i] ? weaned / crates[i] : 0);
        break;
      case 2: rows.emplace_back(label, count ? adjusted / count : 0); break;
      default: rows.emplace_back(label + " PIG(s)=" + std::to_string(sold), sold ? cost / sold : 0); break;
    }
  }
  return rows;
}

// The printed line of the dates: each box that is not empty, in box order,
// from column 5, 12 columns apart, in 50 columns.
std::string datesLine(const DateBoxes& dates) {
  std::string line(50, ' ');
  size_t at = 4;
  for (const std::string& date : dates) {
    if (EmptyStoredDate(date)) continue;
    line.replace(at, 10, date);
    at += 12;
  }
  return line;
}

// The weaning dates dialog with the boxes typed, and the summary over it.
struct FarrowWindows {
  std::unique_ptr<DialogHog0> dates;
  std::unique_ptr<HogRept2> summary;
};

// The farrowing performance of the litters weaned on `dates`: the summary
// shown, and printed.
void addFarrowOperations(std::vector<Operation>& ops, const BenchFarm& farm, const std::string& what,
                         const DateBoxes& dates) {
  auto windows = std::make_shared<FarrowWindows>();
  const auto typed = [windows, dates] {
    if (windows->dates) return;
    windows->dates = std::make_unique<DialogHog0>();
    for (int i = 0; i < 4; ++i) windows->dates->WeanDat[i]->SetText(dates[static_cast<size_t>(i)]);
  };
  const auto open = [windows] {
    windows->summary = std::make_unique<HogRept2>(*windows->dates);
    windows->summary->Load();
  };
  {
    Operation op;
    op.name = "farrowing performance of " + what + " shown";
    op.reads = {Whole(farm.litters)};
    op.before = [typed, windows] {
      typed();
      windows->summary.reset();
    };
    op.run = open;
    op.check = [&farm, dates, windows, before = op.before, open](std::string& result) {
      before();
      open();
      const std::vector<Figure> figures = farrowFigures(farm, dates);
      result = windows->summary->Figures[0]->Caption();
      if (figures[0].value == 0) return std::string("no litter weaned on the dates");
      return compareLabels(windows->summary->Figures, figures, "farrowing performance");
    };
    ops.push_back(op);
  }
  {
    Operation op;
    op.name = "farrowing performance of " + what + " printed";
    op.ratio = false;
    op.boxes = {"P R I N T    S U M M A R I E S"};
    const auto shown = [typed, open, windows] {
      typed();
      if (!windows->summary) open();
    };
    op.before = [shown] {
      shown();
      CountPrints();
    };
    op.run = [windows] { windows->summary->PntFarroPerf_Click(); };
    op.check = [&farm, dates, windows, shown](std::string& result) {
      shown();
      RecordingPrinter& printer = RecordPrints();
      windows->summary->PntFarroPerf_Click();
      const std::vector<Figure> f = farrowFigures(farm, dates);
      const std::vector<std::string> printed = PrintedFigures(printer);
      result = std::to_string(printed.size());
      if (printed.size() != f.size()) return std::to_string(printed.size()) + " figures printed";
      for (size_t k = 0; k < f.size(); ++k)
        if (!Shows(printed[k], f[k]))
          return "printed figure " + std::to_string(k + 1) + " \"" + printed[k] + "\", expected " + ExpectedText(f[k]);
      const std::vector<std::string> texts = printer.texts();
      const auto heading = std::find(texts.begin(), texts.end(), "DATE(s) WEANED:");
      if (heading == texts.end() || heading + 1 == texts.end()) return std::string("no dates printed");
      if (heading[1] != datesLine(dates)) return "dates printed \"" + heading[1] + "\", expected \"" + datesLine(dates) + "\"";
      return std::string();
    };
    ops.push_back(op);
  }
}

// A chart of the SUMMARY menu: the item's click, which first sees that
// SOW.DAT and FARROW.DAT (and DRUG.LST for the medication cost) hold records,
// each opened as a record file; its starting year typed; the chart window
// built and loaded (the crates typed first for the crate chart), then
// closed.
Operation chartOperation(const BenchFarm& farm, const std::string& name, void (*open)(), const char* window, int chart,
                         std::vector<FileUse> reads) {
  Operation op;
  op.name = name;
  op.reads = std::move(reads);
  op.typed = {{"ENTER  GRAPH  STARTING  YEAR", std::to_string(kFirstChartYear)}};
  auto shown = std::make_shared<std::vector<std::pair<ChartRow, double>>>();
  op.windows = {{window,
                 [shown](platform::Form& form) {
                   const auto& w = dynamic_cast<const ChartWindow&>(form);
                   shown->clear();
                   for (int i = 0; i < kChartYears; ++i)
                     shown->emplace_back(w.Rows()[static_cast<size_t>(i)], w.Graph().Value(i + 1, 1));
                 }},
                {"DialogHog4", [](platform::Form& form) {
                   auto& d = dynamic_cast<DialogHog4&>(form);
                   const char* crates[] = {"250", "260", "", "270", "0"};
                   for (int i = 0; i < kChartYears; ++i) d.Crate[i]->SetText(crates[i]);
                   d.CrtAcc_Click();
                 }}};
  op.run = [open] { open(); };
  op.check = [&farm, open, chart, shown](std::string& result) {
    shown->clear();
    open();
    if (shown->size() != static_cast<size_t>(kChartYears)) return std::string("no chart shown");
    const auto expected = chartRows(farm, chart);
    char text[32];
    std::snprintf(text, sizeof text, "%.4g", (*shown)[0].second);
    result = text;
    for (size_t i = 0; i < expected.size(); ++i) {
      const auto& [label, value] = expected[i];
      const auto& [row, plotted] = (*shown)[i];
      const std::string bar = "bar " + std::to_string(i + 1) + ": \"" + row.label + "\" " + row.valueText;
      if (row.label != label) return bar + ", expected \"" + label + "\"";
      // Pigs weaned per sow and per crate are whole shares; the weight is a
      // Single's digits, the mean of a sum the program adds up in Singles
      // over the year's litters (so within a unit of its last digit); the
      // cost written to two places.
      const Figure figure = chart <= 1 ? Count(std::lround(value)) : Figure(value, chart == 3 ? 2 : kAsShown);
      const bool shows = chart == 2 ? ShowsNear(row.valueText, value) : Shows(row.valueText, figure);
      if (!shows) return bar + ", expected " + std::to_string(value);
      // The bar's height is the figure shown.
      if (plotted != std::atof(row.valueText.c_str())) return bar + " plotted at " + std::to_string(plotted);
    }
    return expected[0].second > 0 ? std::string() : std::string("nothing plotted");
  };
  return op;
}

}  // namespace

void AddReportOperations(std::vector<Operation>& ops, const BenchFarm& farm) {
  {
    Operation op;
    op.name = std::string("herd performance of ") + kHerdYear + " shown";
    op.reads = {Whole(farm.litters), Whole(farm.sows)};
    op.before = [] {
      ReportYear = kHerdYear;
      g_herd.reset();
    };
    op.run = [] {
      g_herd = std::make_unique<HogRept3>();
      g_herd->Load();
    };
    op.check = [&farm, before = op.before, run = op.run](std::string& result) {
      before();
      run();
      const std::vector<Figure> figures = herdFigures(farm, kHerdYear);
      result = g_herd->Figures[4]->Caption();
      return compareLabels(g_herd->Figures, figures, "herd performance");
    };
    ops.push_back(op);
  }
  {
    Operation op;
    op.name = std::string("herd performance of ") + kHerdYear + " printed";
    op.ratio = false;
    op.boxes = {"P R I N T    S U M M A R I E S"};
    const auto open = [] {
      ReportYear = kHerdYear;
      if (g_herd) return;
      g_herd = std::make_unique<HogRept3>();
      g_herd->Load();
    };
    op.before = [open] {
      open();
      CountPrints();
    };
    op.run = [] { g_herd->PntHerdPfr_Click(); };
    op.check = [&farm, open](std::string& result) {
      open();
      RecordingPrinter& printer = RecordPrints();
      g_herd->PntHerdPfr_Click();
      const std::vector<Figure> f = herdFigures(farm, kHerdYear);
      // The printed order of the figures.
      const int order[] = {0, 1, 2, 3, 4, 5, 12, 13, 14, 15, 16, 17, 18, 19, 6, 7, 8, 9, 10, 11, 20, 21, 22, 23, 24};
      const std::vector<std::string> printed = PrintedFigures(printer);
      result = std::to_string(printed.size());
      if (printed.size() != 25) return std::to_string(printed.size()) + " figures printed";
      for (size_t k = 0; k < 25; ++k)
        if (!Shows(printed[k], f[static_cast<size_t>(order[k])]))
          return "printed figure " + std::to_string(k + 1) + " \"" + printed[k] + "\", expected " +
                 ExpectedText(f[static_cast<size_t>(order[k])]);
      return std::string();
    };
    ops.push_back(op);
  }
  // Four weaning dates, each with its litters: of litters spread over
  // FARROW.DAT (on the full farm records 100, 5000, 16000 and 30000), each
  // the first weaned one from there.
  DateBoxes dates;
  {
    const Stored litters(farm.litters, litter::Length);
    const long spread[] = {100, 5000, 16000, 30000};
    for (size_t i = 0; i < 4; ++i) {
      long n = std::max(1L, spread[i] * litters.count() / 32767);
      while (n < litters.count() && EmptyStoredDate(litters.date(n, litter::Weaned))) ++n;
      dates[i] = litters.date(n, litter::Weaned);
    }
  }
  addFarrowOperations(ops, farm, "four weaning dates", dates);
  // A date typed in two boxes (its litters count twice) and an empty box
  // between dates (the printed dates close up).
  addFarrowOperations(ops, farm, "a date typed twice and a box left empty", {dates[0], "__/__/____", dates[0], dates[2]});

  // The charts from 2016.
  const FileUse sowsHold = Records(farm.sows, 1), littersHold = Records(farm.litters, 1);
  ops.push_back(chartOperation(farm, "chart of pigs weaned per sow filled", OpenPigsWeanedPerSow, "HogRept4", 0,
                               {sowsHold, littersHold, Whole(farm.sows), Whole(farm.litters)}));
  ops.push_back(chartOperation(farm, "chart of pigs weaned per crate filled", OpenPigsWeanedPerCrate, "HogRept5", 1,
                               {sowsHold, littersHold, Whole(farm.litters)}));
  ops.push_back(chartOperation(farm, "chart of adjusted 21-day weight filled", OpenAdjusted21DayWeight, "HogRept6", 2,
                               {sowsHold, littersHold, Whole(farm.litters)}));
  ops.push_back(chartOperation(farm, "chart of medication cost per pig filled", OpenMedicationCostPerPig, "HogRept7",
                               3, {sowsHold, littersHold, Records(farm.drugList, 1), Whole(farm.sales), Whole(farm.drugList)}));
}

void ReleaseReportWindows() { g_herd.reset(); }
