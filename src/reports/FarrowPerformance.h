#pragma once
// The farrowing performance of a group of litters weaned together, named by
// up to four weaning dates: the totals of every FARROW.DAT record weaned on
// one of them (read once), the 13 figures the window shows and the page it
// prints.
//
//   const WeanDates boxes = {"06/01/2024", "__/__/____", "06/08/2024", "__/__/____"};
//   const LitterSums sums = TotalWeanedOn(litters, boxes);
//   FarrowFigureText(sums, FarrowFigure::AvgWeaned);   // "9.50"
#include <array>
#include <string>
#include <vector>

#include "platform/Refusal.h"
#include "records/FarrowRecord.h"
#include "records/RecordIo.h"
#include "reports/ReportNumbers.h"

inline constexpr int kWeanDateBoxes = 4;
using WeanDates = std::array<std::string, kWeanDateBoxes>;

inline constexpr int kFirstWeaningYear = 1990;
inline constexpr const char* kWeanDateTitle = "WEAN   DATE   ENTRY   ERROR";

// ACCEPT's check of the four boxes: every box but an empty one
// ("__/__/____") holds a valid date (the field is the box's index), and at
// least one box holds a date.
Check CheckWeanDates(const WeanDates& boxes);
// The boxes that hold a date.
int CountWeanDates(const WeanDates& boxes);

// Whether the summary takes a box as empty: its digit places (characters 1-2,
// 4-5 and 7-10) all "_", whatever stands between them.
bool IsEmptyWeanBox(const std::string& box);

// The totals of every record whose weaning date is, character for character,
// the text of a box that is not empty; a litter counts once for each box
// holding its date. Free records and litters of sows gone count alike.
LitterSums TotalWeanedOn(const records::FileImage<FarrowRecord>& litters, const WeanDates& boxes);

// The window's value labels, top to bottom.
enum class FarrowFigure {
  Sows, Born, Alive, Weaned, Fostered, AvgBorn, AvgAlive, AvgWeaned, AvgFostered,
  AvgBirthWeight, AvgWeaningWeight, Stillborn, Mortality,
};
inline constexpr int kFarrowFigures = 13;
struct FarrowFigureLabel {
  const char* name;
  const char* caption;
};
const FarrowFigureLabel& FarrowFigureLabelOf(FarrowFigure figure);

// A figure as shown: totals "####0", averages and percentages "0.00"; the
// averages and percentages are empty when no litter counted.
std::string FarrowFigureText(const LitterSums& sums, FarrowFigure figure);

// The 21 printed lines (element 0 empty).
std::vector<std::string> FarrowPerfReportLines(const LitterSums& sums, const std::string& dateText);
// The printed line of the dates: each box that is not empty, in box order,
// 12 columns apart from column 5, in 50 columns.
std::string WeanDatesLine(const WeanDates& boxes);
// Prints the page: line 1, "DATE(s) WEANED:", the dates, lines 2 to 21 and the
// end banner.
void PrintFarrowPerfPage(const std::vector<std::string>& lines, const std::string& title,
                         const std::string& datesLine);
