#pragma once
// The herd feed conversion without its window: the year and weights typed,
// the herd's totals for the year from SALES.DAT, the year's feed and
// medication files, SOW.DAT and BOAR.DAT (each read once per run), the
// thirteen figures, how the window shows them and the printed summary.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "common/DataFiles.h"
#include "feed/FeedConversion.h"
#include "platform/Refusal.h"
#include "records/BoarRecord.h"
#include "records/RecordIo.h"
#include "records/SowRecord.h"

// The inputs of the last run, entries 1 to 4 (0 not used): the report year,
// the ending and the beginning breeding herd weight and the starting feeder
// pig weight, each without trailing blanks.
using HerdInputTable = std::array<std::string, 5>;
extern HerdInputTable HerdFeedInputs;

// What is typed, and the window's numbers of the boxes.
struct HerdFeedEntry {
  std::string year, beginWeight, endWeight, feederWeight;
};
enum HerdFeedField { kReportYearField, kBeginWeightField, kEndWeightField, kFeederWeightField };
// The year must be four characters (as typed); both breeding herd weights are
// needed; the feeder pig weight may be left empty. Each weight typed is a
// number from 0 to 2147483647 pounds (common/TypedNumber.h).
Check CheckHerdFeedEntry(const HerdFeedEntry& entry);
HerdInputTable HerdInputsOf(const HerdFeedEntry& entry);

// What the year's files give; the pounds of feed held in 64 bits, shown as
// their 32-bit figure allows (the nearest value).
struct HerdTotals {
  int32_t marketHead = 0, feederHead = 0;
  float marketWeight = 0, feederWeight = 0;
  int64_t feed = 0;
  float cost = 0;
  int32_t breedingHead = 0;
};

// Pounds and cost of the year's feed of the five types, nursery, grower,
// finisher, lactation and gestation; the cost added up in currency.
std::optional<YearFileProblem> HerdFeedOfYear(FeedYearFiles& files, int64_t& feed, float& cost);

// Active sows plus active boars (an ID and no date left herd), over BOAR.DAT
// read in blocks and SOW.DAT; nothing, with `fault`, when either cannot be
// read.
std::optional<int32_t> ReadBreedingHerdCount(FileFault* fault);

// A run's totals, or the problem that stopped it (its box not yet shown).
struct HerdRun {
  HerdTotals totals;
  std::optional<YearFileProblem> problem;
  std::optional<FileFault> fault;  // a file that could not be read
};
HerdRun GatherHerdTotals(const std::string& year);

// The thirteen figures, entries 1 to 13 (0 not used).
using HerdFigureTexts = std::array<std::string, 14>;
HerdFigureTexts HerdFeedFigures(const HerdTotals& totals, const HerdFeedEntry& entry);
// The figures as the window's labels show them, entries 1 to 13.
HerdFigureTexts ShownHerdFigures(const HerdFigureTexts& figures);
// The summary's 30 lines; `today` is "MM/DD/YYYY".
std::vector<std::string> HerdSummaryLines(const HerdFigureTexts& figures, const std::string& today);
void PrintHerdFeedSummary(const std::string& year, const HerdFigureTexts& figures);
