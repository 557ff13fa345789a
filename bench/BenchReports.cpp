// The summaries (herd performance of a year, farrowing performance of four
// weaning dates: shown and printed) and the four five-year charts filled.
#include <cmath>
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
std::unique_ptr<DialogHog0> g_weanDates;
std::unique_ptr<HogRept2> g_farrow;

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

// The 25 figures of the herd performance of `year`, in the window's order.
std::vector<double> herdFigures(const BenchFarm& farm, const std::string& year) {
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
  const double nps = herd * 365 - (std::nearbyint(ratio(days, n)) + 114) * n;
  return {herd,
          static_cast<double>(replacements),
          static_cast<double>(sold),
          ratio(paritySum, herd),
          static_cast<double>(n),
          ratio(n, herd),
          nps,
          ratio(nps, herd),
          ratio(born, n),
          ratio(alive, n),
          ratio(weaned, n),
          ratio(fostered, n),
          static_cast<double>(born),
          ratio(born, herd),
          static_cast<double>(alive),
          ratio(alive, herd),
          static_cast<double>(weaned),
          ratio(weaned, herd),
          static_cast<double>(fostered),
          ratio(fostered, herd),
          ratio(birthWeight, n),
          ratio(weaningWeight, n),
          ratio(born - alive, born) * 100,
          ratio(alive - weaned, alive) * 100,
          ratio(days, n)};
}

// The litters weaned on the four dates: litters, born, alive, weaned,
// fostered and their averages, the litter weights, stillborn and mortality.
std::vector<double> farrowFigures(const BenchFarm& farm, const WeanDates& dates) {
  const Stored litters(farm.litters, litter::Length);
  Weaned w;
  for (long k = 1; k <= litters.count(); ++k)
    for (const std::string& date : dates)
      if (litters.date(k, litter::Weaned) == date) w.add(litters, k);
  return {static_cast<double>(w.n), static_cast<double>(w.born), static_cast<double>(w.alive),
          static_cast<double>(w.weaned), static_cast<double>(w.fostered), ratio(w.born, w.n), ratio(w.alive, w.n),
          ratio(w.weaned, w.n), ratio(w.fostered, w.n), ratio(w.birthWeight, w.n), ratio(w.weaningWeight, w.n),
          ratio(w.born - w.alive, w.born) * 100, ratio(w.alive - w.weaned, w.alive) * 100};
}

std::string compareLabels(const platform::ControlArray<platform::Label>& labels, const std::vector<double>& figures,
                          const std::string& what) {
  for (size_t i = 0; i < figures.size(); ++i)
    if (!ShowsNumber(labels[static_cast<int>(i)]->Caption(), figures[i]))
      return what + " figure " + std::to_string(i + 1) + " shows \"" + labels[static_cast<int>(i)]->Caption() + "\"";
  return "";
}

// The figures after the labels of a printed summary, in order.
std::vector<std::string> printedFigures(const RecordingPrinter& printer) {
  std::vector<std::string> out;
  for (const std::string& t : printer.texts())
    if (const size_t arrow = t.find("->"); arrow != std::string::npos) out.push_back(t.substr(arrow + 2));
  return out;
}

// A chart window whose figures are filled again, as its load fills them.
template <class W>
class Refilled : public W {
 public:
  using W::ShowFigures;
};


// Each year's label and value of chart `chart`, from the stored bytes.
std::vector<std::pair<std::string, double>> chartRows(const BenchFarm& farm, int chart) {
  const Stored sows(farm.sows, sow::Length), litters(farm.litters, litter::Length);
  const Stored sales(farm.sales, sale::Length), drugs(farm.drugList, drug::Length);
  const long crates[] = {250, 260, 0, 270, 0};
  const char* crateTexts[] = {"250", "260", "abc", "270.5", "0"};
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

template <class W>
Operation chartOperation(const BenchFarm& farm, const std::string& name, int chart, std::vector<FileUse> reads) {
  auto window = std::make_shared<std::unique_ptr<Refilled<W>>>();
  Operation op;
  op.name = name;
  op.reads = std::move(reads);
  // The crate chart's load leaves its bars at zero until the crates are
  // typed (into CrateTable); its figures follow.
  const auto open = [window] {
    ReportYear = std::to_string(kFirstChartYear);
    if (!*window) {
      *window = std::make_unique<Refilled<W>>();
      (*window)->Load();
    }
    const char* crates[] = {"250", "260", "abc", "270.5", "0"};
    for (int i = 0; i < 5; ++i) CrateTable[static_cast<size_t>(i)].Crates = crates[i];
  };
  op.before = open;
  op.run = [window] { (*window)->ShowFigures(); };
  op.check = [&farm, window, chart, open](std::string& result) {
    window->reset();
    open();
    (*window)->ShowFigures();
    const platform::Chart& graph = (*window)->Graph();
    const auto expected = chartRows(farm, chart);
    char text[32];
    std::snprintf(text, sizeof text, "%.4g", graph.Value(1, 1));
    result = text;
    for (int i = 0; i < 5; ++i) {
      const auto& [label, value] = expected[static_cast<size_t>(i)];
      const double shown = graph.Value(i + 1, 1);
      if (TrimmedText(graph.RowLabel(i + 1)) != TrimmedText(label) ||
          std::fabs(shown - value) > std::max(0.005, std::fabs(value) * 1e-5))
        return "bar " + std::to_string(i + 1) + ": " + graph.RowLabel(i + 1) + " " + std::to_string(shown) + ", expected " +
               label + " " + std::to_string(value);
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
      const std::vector<double> figures = herdFigures(farm, kHerdYear);
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
      const std::vector<double> f = herdFigures(farm, kHerdYear);
      // The printed order of the figures.
      const int order[] = {0, 1, 2, 3, 4, 5, 12, 13, 14, 15, 16, 17, 18, 19, 6, 7, 8, 9, 10, 11, 20, 21, 22, 23, 24};
      const std::vector<std::string> printed = printedFigures(printer);
      result = std::to_string(printed.size());
      if (printed.size() != 25) return std::to_string(printed.size()) + " figures printed";
      for (size_t k = 0; k < 25; ++k)
        if (!ShowsNumber(printed[k], f[static_cast<size_t>(order[k])]))
          return "printed figure " + std::to_string(k + 1) + " \"" + printed[k] + "\"";
      return std::string();
    };
    ops.push_back(op);
  }
  // Four weaning dates, each with its litters.
  const WeanDates dates = {farm.herd->litters[99].DateWeaned, farm.herd->litters[4999].DateWeaned,
                           farm.herd->litters[15999].DateWeaned, farm.herd->litters[29999].DateWeaned};
  const auto openFarrow = [dates] {
    if (!g_weanDates) {
      g_weanDates = std::make_unique<DialogHog0>();
      for (int i = 0; i < 4; ++i) g_weanDates->WeanDat[i]->SetText(dates[static_cast<size_t>(i)]);
    }
  };
  {
    Operation op;
    op.name = "farrowing performance of four weaning dates shown";
    op.reads = {Whole(farm.litters)};
    op.before = [openFarrow] {
      openFarrow();
      g_farrow.reset();
    };
    op.run = [] {
      g_farrow = std::make_unique<HogRept2>(*g_weanDates);
      g_farrow->Load();
    };
    op.check = [&farm, dates, before = op.before, run = op.run](std::string& result) {
      before();
      run();
      const std::vector<double> figures = farrowFigures(farm, dates);
      result = g_farrow->Figures[0]->Caption();
      if (figures[0] == 0) return std::string("no litter weaned on the dates");
      return compareLabels(g_farrow->Figures, figures, "farrowing performance");
    };
    ops.push_back(op);
  }
  {
    Operation op;
    op.name = "farrowing performance of four weaning dates printed";
    op.ratio = false;
    op.boxes = {"P R I N T    S U M M A R I E S"};
    const auto open = [openFarrow] {
      openFarrow();
      if (g_farrow) return;
      g_farrow = std::make_unique<HogRept2>(*g_weanDates);
      g_farrow->Load();
    };
    op.before = [open] {
      open();
      CountPrints();
    };
    op.run = [] { g_farrow->PntFarroPerf_Click(); };
    op.check = [&farm, dates, open](std::string& result) {
      open();
      RecordingPrinter& printer = RecordPrints();
      g_farrow->PntFarroPerf_Click();
      const std::vector<double> f = farrowFigures(farm, dates);
      const std::vector<std::string> printed = printedFigures(printer);
      result = std::to_string(printed.size());
      if (printed.size() != f.size()) return std::to_string(printed.size()) + " figures printed";
      for (size_t k = 0; k < f.size(); ++k)
        if (!ShowsNumber(printed[k], f[k])) return "printed figure " + std::to_string(k + 1) + " \"" + printed[k] + "\"";
      return std::string();
    };
    ops.push_back(op);
  }

  // The charts from 2016, each window's figures set into its chart.
  ops.push_back(chartOperation<HogRept4>(farm, "chart of pigs weaned per sow filled", 0,
                                         {Whole(farm.sows), Whole(farm.litters)}));
  ops.push_back(chartOperation<HogRept5>(farm, "chart of pigs weaned per crate filled", 1, {Whole(farm.litters)}));
  ops.push_back(chartOperation<HogRept6>(farm, "chart of adjusted 21-day weight filled", 2, {Whole(farm.litters)}));
  ops.push_back(chartOperation<HogRept7>(farm, "chart of medication cost per pig filled", 3,
                                         {Whole(farm.sales), Whole(farm.drugList)}));
}

void ReleaseReportWindows() {
  g_herd.reset();
  g_farrow.reset();
  g_weanDates.reset();
}
