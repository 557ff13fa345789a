#include "reports/HerdPerformance.h"

#include <algorithm>
#include <string_view>

#include "common/DateMath.h"
#include "common/NumberText.h"
#include "records/Fields.h"
#include "reports/ReportNumbers.h"
#include "reports/Summaries.h"

namespace {

constexpr int kDaysInYear = 365;

constexpr HerdFigureLabel kLabels[kHerdFigures] = {
    {"HSow", "Number of SOW(s) in the HERD. ....", 5},
    {"NumRep", "Number of REPLACEMENT SOW(s).", 5},
    {"NumSSold", "Number of SOW(s) SOLD. ..............", 5},
    {"AHrdPty", "Avg HERD PARITY. ......................", 5},
    {"NumLit", "Total Number of LITTER(s). ...........", 5},
    {"NumLSY", "Total # of LITTER(s)/SOW/YEAR. .", 5},
    {"TotNPS", "Total  N/P/S DAYS. .....................", 8},
    {"NPSDays", "N/P/S DAYS per SOW. .................", 5},
    {"APigBorn", "Avg Number of PIG(s) BORN. .........", 5},
    {"APigAlive", "Avg Number of PIG(s) ALIVE. .........", 5},
    {"APigWean", "Avg Number of PIG(s) WEANED. ....", 5},
    {"APigFost", "Avg Number of PIG(s) FOSTERED. .", 5},
    {"TPigBorn", "Total Number of PIG(s) BORN. .........", 4},
    {"TPgBnSow", "Total # of PIG(s) BORN/SOW. .........", 5},
    {"TPigAlive", "Total Number of PIG(s) ALIVE. .........", 4},
    {"TPgAlSow", "Total # of PIG(s) ALIVE/SOW. .........", 5},
    {"TPigWean", "Total Number of PIG(s) WEANED. ....", 4},
    {"TPgWnSow", "Total # of PIG(s) WEANED/SOW. ....", 5},
    {"TPigFost", "Total Number of PIG(s) FOSTERED. .", 4},
    {"TPgFoSow", "Total # of PIG(s) FOSTERED/SOW. .", 5},
    {"ALitBWt", "Avg LITTER birth WEIGHT. .............", 5},
    {"ALitWWt", "Avg LITTER Weaning WEIGHT. .......", 5},
    {"AStill", "Avg Percent STILLBORN. ................", 5},
    {"AMort", "Avg Pre-Weaning MORTALITY%. ......", 5},
    {"ADayWean", "Avg DAY(s) at WEANING. ................", 5},
};

// The figures a year without litters still shows as computed.
bool shownWithoutLitters(HerdFigure f) {
  switch (f) {
    case HerdFigure::Sows: case HerdFigure::Replacements: case HerdFigure::Sold: case HerdFigure::Litters:
    case HerdFigure::Born: case HerdFigure::Alive: case HerdFigure::Weaned: case HerdFigure::Fostered:
      return true;
    default:
      return false;
  }
}

double value(const HerdPerfData& h, HerdFigure f) {
  switch (f) {
    case HerdFigure::Sows: return h.Sows;
    case HerdFigure::Replacements: return h.Replacements;
    case HerdFigure::Sold: return h.Sold;
    case HerdFigure::AvgParity: return Ratio(h.ParitySum, h.Sows);
    case HerdFigure::Litters: return h.Litters;
    case HerdFigure::LittersPerSow: return Ratio(h.Litters, h.Sows);
    case HerdFigure::TotalNps: return TotalNpsDays(h);
    case HerdFigure::NpsPerSow: return Ratio(TotalNpsDays(h), h.Sows);
    case HerdFigure::AvgBorn: return Ratio(h.Born, h.Litters);
    case HerdFigure::AvgAlive: return Ratio(h.Alive, h.Litters);
    case HerdFigure::AvgWeaned: return Ratio(h.Weaned, h.Litters);
    case HerdFigure::AvgFostered: return Ratio(h.Fostered, h.Litters);
    case HerdFigure::Born: return h.Born;
    case HerdFigure::BornPerSow: return Ratio(h.Born, h.Sows);
    case HerdFigure::Alive: return h.Alive;
    case HerdFigure::AlivePerSow: return Ratio(h.Alive, h.Sows);
    case HerdFigure::Weaned: return h.Weaned;
    case HerdFigure::WeanedPerSow: return Ratio(h.Weaned, h.Sows);
    case HerdFigure::Fostered: return h.Fostered;
    case HerdFigure::FosteredPerSow: return Ratio(h.Fostered, h.Sows);
    case HerdFigure::AvgBirthWeight: return Ratio(h.BirthWeight, h.Litters);
    case HerdFigure::AvgWeaningWeight: return Ratio(h.WeaningWeight, h.Litters);
    case HerdFigure::Stillborn: return LossPercent(h.Born, h.Alive);
    case HerdFigure::Mortality: return LossPercent(h.Alive, h.Weaned);
    case HerdFigure::AvgDaysToWeaning: return Ratio(h.DaysToWeaning, h.Litters);
  }
  return 0;
}

// The printed lines: a label and the figure after it, or a blank line.
struct PrintedFigure {
  const char* label;  // nullptr for a blank line
  HerdFigure figure;
};
constexpr PrintedFigure kPrinted[] = {
    {"Number of SOW(s) in the HERD. ---------->", HerdFigure::Sows},
    {"Number of REPLACEMENT SOW(s). ---------->", HerdFigure::Replacements},
    {"Number of SOW(s) SOLD. ----------------->", HerdFigure::Sold},
    {"Average HERD PARITY. ------------------->", HerdFigure::AvgParity},
    {nullptr, HerdFigure::Sows},
    {"Total Number of LITTER(s). ------------->", HerdFigure::Litters},
    {"Total Number of LITTER(s)/SOW/YEAR. ---->", HerdFigure::LittersPerSow},
    {"Total Number of PIG(s) BORN. ----------->", HerdFigure::Born},
    {"Total Number of PIG(s) BORN/SOW. ------->", HerdFigure::BornPerSow},
    {"Total Number of PIG(s) ALIVE. ---------->", HerdFigure::Alive},
    {"Total Number of PIG(s) ALIVE/SOW. ------>", HerdFigure::AlivePerSow},
    {"Total Number of PIG(s) WEANED. --------->", HerdFigure::Weaned},
    {"Total Number of PIG(s) WEANED/SOW. ----->", HerdFigure::WeanedPerSow},
    {"TotalNumber of PIG(s) FOSTERED. -------->", HerdFigure::Fostered},
    {"Total Number of PIG(s) FOSTERED/SOW. --->", HerdFigure::FosteredPerSow},
    {"Total N/P/S DAYS. ---------------------->", HerdFigure::TotalNps},
    {"N/P/S DAYS per SOW. -------------------->", HerdFigure::NpsPerSow},
    {nullptr, HerdFigure::Sows},
    {"Average number of PIG(s) BORN. --------->", HerdFigure::AvgBorn},
    {"Average number of PIG(s) ALIVE. -------->", HerdFigure::AvgAlive},
    {"Average number of PIG(s) WEANED. ------->", HerdFigure::AvgWeaned},
    {"Average number of PIG(s) FOSTERED. ----->", HerdFigure::AvgFostered},
    {"Average LITTER Birth WEIGHT. ----------->", HerdFigure::AvgBirthWeight},
    {"Average LITTER Weaning WEIGHT. --------->", HerdFigure::AvgWeaningWeight},
    {"Average Percent STILLBORN. ------------->", HerdFigure::Stillborn},
    {"Average Pre-Weaning MORTALITY%. -------->", HerdFigure::Mortality},
    {"Average DAY(s) at WEANING. ------------->", HerdFigure::AvgDaysToWeaning},
};

}  // namespace

std::vector<HerdPerfData> CountYearSows(const records::FileImage<SowRecord>& sows,
                                        const std::vector<std::string>& years) {
  const std::vector<StoredYear> keys(years.begin(), years.end());
  std::vector<int64_t> excluded(years.size()), paritySums(years.size());
  std::vector<HerdPerfData> counts(years.size());
  for (long n = 1; n <= sows.count(); ++n) {
    const uint8_t* sow = sows.bytes(n);
    const uint8_t* left = sow + SowRecord::DateLeftHerdAt;
    const bool inHerd = records::textView(left, 10) == records::kEmptyDate;
    for (size_t i = 0; i < keys.size(); ++i) {
      const int entered = keys[i].compare(sow + SowRecord::DateEnteredHerdAt), leaving = keys[i].compare(left);
      if (entered == 0) ++counts[i].Replacements;
      if (entered > 0) ++excluded[i];
      if (leaving <= 0) ++excluded[i];
      if (leaving == 0) ++counts[i].Sold;
      if (entered <= 0 && inHerd) paritySums[i] += records::getI16(sow + SowRecord::ParityCountAt);
    }
  }
  for (size_t i = 0; i < years.size(); ++i) {
    counts[i].Sows = Total32(sows.count() - excluded[i]);
    counts[i].ParitySum = Total32(paritySums[i]);
  }
  return counts;
}

void CountYearSows(const records::FileImage<SowRecord>& sows, const std::string& year, HerdPerfData& data) {
  const HerdPerfData counts = CountYearSows(sows, std::vector<std::string>{year})[0];
  data.Sows = counts.Sows;
  data.Replacements = counts.Replacements;
  data.Sold = counts.Sold;
  data.ParitySum = counts.ParitySum;
}

void CountYearLitters(const records::FileImage<FarrowRecord>& litters, const std::string& year, HerdPerfData& data) {
  const StoredYear y(year);
  LitterSums sums;
  int64_t days = 0;
  for (long n = 1; n <= litters.count(); ++n) {
    const uint8_t* litter = litters.bytes(n);
    if (y.compare(litter + FarrowRecord::DateBornAt) != 0 ||
        records::textView(litter + FarrowRecord::DateWeanedAt, 10) == records::kEmptyDate)
      continue;
    sums.add(litter);
    days += DaysBetween(records::textView(litter + FarrowRecord::DateBornAt, 10),
                        records::textView(litter + FarrowRecord::DateWeanedAt, 10)).value_or(0);
  }
  data.Litters = sums.Litters;
  data.Born = sums.Born;
  data.Alive = sums.Alive;
  data.Weaned = sums.Weaned;
  data.Fostered = sums.Fostered;
  data.BirthWeight = sums.BirthWeight;
  data.WeaningWeight = sums.WeaningWeight;
  data.DaysToWeaning = Total32(days);
}

HerdPerfData CollectHerdData(const records::FileImage<SowRecord>& sows,
                             const records::FileImage<FarrowRecord>& litters, const std::string& year) {
  HerdPerfData data;
  CountYearLitters(litters, year, data);
  CountYearSows(sows, year, data);
  return data;
}

const HerdFigureLabel& HerdFigureLabelOf(HerdFigure figure) { return kLabels[static_cast<int>(figure)]; }

int32_t AverageWeaningDays(const HerdPerfData& data) {
  return data.Litters > 0 ? Total32(RoundHalfEven(Ratio(data.DaysToWeaning, data.Litters))) : 0;
}

int32_t TotalNpsDays(const HerdPerfData& data) {
  const int64_t productive = (static_cast<int64_t>(AverageWeaningDays(data)) + kGestationDays) * data.Litters;
  return Total32(static_cast<int64_t>(data.Sows) * kDaysInYear - productive);
}

std::string CutValueText(double v, int width) {
  const std::string text = WithoutExponent(DoubleText(v));
  const size_t w = static_cast<size_t>(width);
  const size_t whole = std::min(text.find('.'), text.size());
  if (whole >= w) return text.substr(0, whole);
  return text.substr(0, w);
}

std::string HerdFigureText(const HerdPerfData& data, HerdFigure figure) {
  if (!HerdDataFound(data) && !shownWithoutLitters(figure)) return "0";
  return CutValueText(value(data, figure), HerdFigureLabelOf(figure).width);
}

std::vector<std::string> HerdPerfReportLines(const HerdPerfData& data, const std::string& dateText) {
  const std::string blank = SummaryBlankLine();
  std::vector<std::string> lines(1);
  for (const PrintedFigure& p : kPrinted)
    lines.push_back(p.label ? p.label + HerdFigureText(data, p.figure) : blank);
  EndSummaryLines(lines, dateText);
  return lines;
}

void PrintHerdPerfPage(const std::vector<std::string>& lines, const std::string& title) {
  SummaryPage sheet(title);
  for (size_t k = 1; k < lines.size(); ++k) sheet.Row(static_cast<int>(k), lines[k]);
  sheet.EndWithBanner(static_cast<int>(lines.size()));
}

std::string NoHerdLittersText(const std::string& year) {
  return "NO LITTER(s) FOUND FOR ENTERED YEAR!!\r(" + year + ")\rWE Can't Compute any AVERAGES!";
}
