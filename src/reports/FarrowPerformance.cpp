#include "reports/FarrowPerformance.h"

#include <string_view>
#include <vector>

#include "common/DateChecks.h"
#include "common/FixedLine.h"
#include "common/Format.h"
#include "common/NumberText.h"
#include "reports/Summaries.h"
#include "records/Fields.h"

namespace {

constexpr FarrowFigureLabel kLabels[kFarrowFigures] = {
    {"Sow", "Number of SOW(s) in GROUP. ............"},
    {"TPigBorn", "Total Number of PIG(s) BORN. ..........."},
    {"TPigAlive", "Total Number of PIG(s) ALIVE. ..........."},
    {"TPigWean", "Total Number of PIG(s) WEANED. ......."},
    {"TPigFost", "Total Number of PIG(s) FOSTERED. ...."},
    {"APigBorn", "Average Number of PIG(s) BORN. ......."},
    {"APigAlive", "Average Number of PIG(s) ALIVE. ......."},
    {"APigWean", "Average Number of PIG(s) WEANED. ..."},
    {"APigFost", "Average Number of PIG(s) FOSTERED. "},
    {"ALitBWt", "Average LITTER birth WEIGHT. ........."},
    {"ALitWWt", "Average LITTER Weaning WEIGHT. ..."},
    {"AStill", "Average Percent STILLBORN. ............"},
    {"AMort", "Average Pre-Weaning MORTALITY%. .."},
};

// The printed lines 1 to 21: a label and the figure after it, or a blank line.
struct PrintedFigure {
  const char* label;  // nullptr for a blank line
  FarrowFigure figure;
};
constexpr PrintedFigure kPrinted[] = {
    {"Number of SOW(s) in the following GROUP: -->", FarrowFigure::Sows},
    {nullptr, FarrowFigure::Sows},
    {"Total number of PIG(s) BORN. -------------->", FarrowFigure::Born},
    {"Total number of PIG(s) ALIVE. ------------->", FarrowFigure::Alive},
    {"Total number of PIG(s) WEANED. ------------>", FarrowFigure::Weaned},
    {"Total number of PIG(s) FOSTERED. ---------->", FarrowFigure::Fostered},
    {nullptr, FarrowFigure::Sows},
    {"Average number of PIG(s) BORN. ------------>", FarrowFigure::AvgBorn},
    {"Average number of PIG(s) ALIVE. ----------->", FarrowFigure::AvgAlive},
    {"Average number of PIG(s) WEANED. ---------->", FarrowFigure::AvgWeaned},
    {"Average number of PIG(s) FOSTERED. -------->", FarrowFigure::AvgFostered},
    {nullptr, FarrowFigure::Sows},
    {"Average LITTER BIRTH Wt. ------------------>", FarrowFigure::AvgBirthWeight},
    {"Average LITTER WEANING Wt. ---------------->", FarrowFigure::AvgWeaningWeight},
    {nullptr, FarrowFigure::Sows},
    {"Average Percent STILLBORN. ---------------->", FarrowFigure::Stillborn},
    {"Average Pre-Weaning MORTALITY%. ----------->", FarrowFigure::Mortality},
};

bool isDate(const std::string& box) { return box != records::kEmptyDate; }

double average(int32_t total, const LitterSums& s) { return Ratio(total, s.Litters); }

}  // namespace

Check CheckWeanDates(const WeanDates& boxes) {
  for (int i = 0; i < kWeanDateBoxes; ++i) {
    const std::string& box = boxes[static_cast<size_t>(i)];
    if (!isDate(box)) continue;
    if (Check refusal = CheckDate(box, kFirstWeaningYear, i)) return refusal;
  }
  if (CountWeanDates(boxes) == 0)
    return Refusal{"NO WEANING DATE(s) ENTERED!", kWeanDateTitle, platform::vbExclamation, 0};
  return std::nullopt;
}

int CountWeanDates(const WeanDates& boxes) {
  int count = 0;
  for (const std::string& box : boxes) count += isDate(box);
  return count;
}

bool IsEmptyWeanBox(const std::string& box) {
  auto part = [&box](size_t from, size_t n) { return from < box.size() ? box.substr(from, n) : std::string(); };
  return Trim(part(0, 2) + part(3, 2) + part(box.size() >= 4 ? box.size() - 4 : 0, 4)) == "________";
}

LitterSums TotalWeanedOn(const records::FileImage<FarrowRecord>& litters, const WeanDates& boxes) {
  // A stored date is its ten characters: only a box of ten characters can
  // match. A litter weaned on a date given in two boxes counts twice.
  std::vector<std::string_view> wanted;
  for (const std::string& box : boxes)
    if (!IsEmptyWeanBox(box) && box.size() == 10) wanted.push_back(box);
  LitterSums sums;
  for (long n = 1; n <= litters.count(); ++n) {
    const uint8_t* litter = litters.bytes(n);
    const std::string_view weaned = records::textView(litter + FarrowRecord::DateWeanedAt, 10);
    for (const std::string_view date : wanted)
      if (weaned == date) sums.add(litter);
  }
  return sums;
}

const FarrowFigureLabel& FarrowFigureLabelOf(FarrowFigure figure) { return kLabels[static_cast<int>(figure)]; }

std::string FarrowFigureText(const LitterSums& s, FarrowFigure figure) {
  switch (figure) {
    case FarrowFigure::Sows: return Format(s.Litters, "####0");
    case FarrowFigure::Born: return Format(s.Born, "####0");
    case FarrowFigure::Alive: return Format(s.Alive, "####0");
    case FarrowFigure::Weaned: return Format(s.Weaned, "####0");
    case FarrowFigure::Fostered: return Format(s.Fostered, "####0");
    default: break;
  }
  if (s.Litters == 0) return "";
  switch (figure) {
    case FarrowFigure::AvgBorn: return Format(average(s.Born, s), "0.00");
    case FarrowFigure::AvgAlive: return Format(average(s.Alive, s), "0.00");
    case FarrowFigure::AvgWeaned: return Format(average(s.Weaned, s), "0.00");
    case FarrowFigure::AvgFostered: return Format(average(s.Fostered, s), "0.00");
    case FarrowFigure::AvgBirthWeight: return Format(average(s.BirthWeight, s), "0.00");
    case FarrowFigure::AvgWeaningWeight: return Format(average(s.WeaningWeight, s), "0.00");
    case FarrowFigure::Stillborn: return Format(LossPercent(s.Born, s.Alive), "0.00");
    case FarrowFigure::Mortality: return Format(LossPercent(s.Alive, s.Weaned), "0.00");
    default: return "";
  }
}

std::vector<std::string> FarrowPerfReportLines(const LitterSums& sums, const std::string& dateText) {
  const std::string blank = SummaryBlankLine();
  std::vector<std::string> lines(1);
  for (const PrintedFigure& p : kPrinted)
    lines.push_back(p.label ? p.label + FarrowFigureText(sums, p.figure) : blank);
  EndSummaryLines(lines, dateText);
  return lines;
}

std::string WeanDatesLine(const WeanDates& boxes) {
  FixedLine line(50);
  int column = 5;
  for (const std::string& box : boxes) {
    if (IsEmptyWeanBox(box)) continue;
    line.put(column, box, 10);
    column += 12;
  }
  return line.str();
}

void PrintFarrowPerfPage(const std::vector<std::string>& lines, const std::string& title,
                         const std::string& datesLine) {
  SummaryPage sheet(title);
  sheet.Row(1, lines[1]);
  sheet.Row(2, "DATE(s) WEANED:");
  sheet.Row(3, datesLine);
  for (size_t k = 2; k < lines.size(); ++k) sheet.Row(static_cast<int>(k) + 2, lines[k]);
  sheet.EndWithBanner(static_cast<int>(lines.size()) + 2);
}
