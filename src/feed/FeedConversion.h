#pragma once
// What the group and the herd feed conversion share: the ratio texts of a
// conversion (each division guarded: a fixed zero text when it cannot be
// made), the feed and medication files of one year read at most once per
// run, the feed of one type summed from them with the medication mixed into
// medicated batches, and the one-page summary both print.
#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "common/DataFiles.h"
#include "feed/FeedBatchFile.h"

// The average price per pound of feed: cost / units, "###0.00"; "0.00"
// unless the cost is above 0 and the units are not 0.
std::string CostPerUnitText(double cost, int32_t units);
// The feed cost per hundredweight of pork: cost / (weight / 100, as a
// Single), "####0.00"; "0.00" when the weight is 0 or the cost not above 0.
std::string CostPerCwtText(double cost, int32_t weight);
// Pounds of feed per pound of pork: numerator / denominator, "####0.00";
// "0.00" when either is 0.
std::string FeedRatioText(int32_t numerator, int32_t denominator);
// Pounds of feed per pig: numerator / denominator, "####0"; "0" when either
// is 0.
std::string FeedRatioIntText(int32_t numerator, int32_t denominator);

// A figure's text read back as a number, as the windows and printouts show
// it: a whole number (halves to even) or a Single; an empty text reads 0.
long long FigureWhole(const std::string& text);
float FigureSingle(const std::string& text);

// A Single cost as the currency the ratios take (four decimals).
double CurrencyOf(double cost);

// The four-digit year a group ID's feed and medication files are named by:
// its last two characters read as a number, 90 to 99 in 19xx, else 20xx
// ("004-08" gives 2008; text that is no number gives 2000).
std::string GroupIdYear(const std::string& groupId);

// Why the files of a year cannot give a conversion.
enum class YearFileFault { None, FeedMissing, FeedEmpty, MedMissing, MedEmpty, Unreadable };
struct YearFileProblem {
  YearFileFault fault = YearFileFault::None;
  std::string year;
  FileFault unreadable;  // the file and the reason, for YearFileFault::Unreadable
};
// The first line of the message of a missing or empty file
// ("FEED2008.DAT FILE DOESN'T EXIST!", "FILE: MED2008.DAT IS EMPTY!") and
// its title ("FEED  FILE  ERROR" or "MEDICATION  FILE  ERROR").
std::string YearFileFaultLine(const YearFileProblem& problem);
std::string YearFileFaultTitle(const YearFileProblem& problem);
// The whole message: the fault line, an empty line, "Can't do feed
// conversion!" and `lastLine`.
std::string YearFileFaultText(const YearFileProblem& problem, const std::string& lastLine);
// Beeps and shows that message with the exclamation icon; a file that
// cannot be read shows the critical box titled `title` instead.
void ReportYearFileProblem(const YearFileProblem& problem, const std::string& lastLine, const std::string& title);

// Pounds and cost of the feed of one type: the batches' own totals plus, for
// a medicated batch, each of its medication records' dosage rounded to whole
// pounds and its dosage x unit cost. The pounds are held in 64 bits: every
// batch of a year may hold the most a Long holds.
struct FeedSum {
  int64_t pounds = 0;
  float cost = 0;
};

// FEED<yyyy>.DAT and MED<yyyy>.DAT of one year, in the data folder: the batch
// file read when made, the medication file only when a medicated batch
// first needs it; neither is read again.
class FeedYearFiles {
 public:
  explicit FeedYearFiles(std::string year);
  const std::string& year() const { return year_; }
  // The feed of type `letter`, of every batch or (with `group`, three
  // characters) of the batches ground for that group; the problem when the
  // batch file, or the medication file a medicated batch needs, is missing,
  // empty or unreadable.
  std::optional<YearFileProblem> Sum(const std::string& letter, const std::string* group, FeedSum& sum);

 private:
  std::optional<YearFileProblem> needMeds();

  std::string year_;
  FeedBatchFile batches_;
  std::optional<YearFileProblem> batchProblem_;
  bool medsRead_ = false;
  std::optional<YearFileProblem> medProblem_;
  BatchMedications meds_;
};

// The files of every year a run asks for, each year's read once.
class FeedYearBook {
 public:
  FeedYearFiles& Of(const std::string& year);

 private:
  std::map<std::string, std::unique_ptr<FeedYearFiles>> years_;
};

// An 80-column heading line with `heading` centred: from column
// (80 - length) \ 2 on.
std::string CentredHeading(const std::string& heading);
// "This SUMMARY was printed on " and today ("MM/DD/YYYY") as "MM-DD-YYYY".
std::string SummaryPrintedLine(const std::string& today);
// Prints `lines` as the one-page summary "S  U  M  M  A  R  Y" under
// `heading1`, in 13-point bold Courier New.
void PrintFeedSummary(const std::string& heading1, const std::vector<std::string>& lines);
