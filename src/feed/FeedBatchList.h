#pragma once
// The batch list of one feed type and its printout, from the year's batch
// file and medication file read once: the 88-column lines of the list with
// their record numbers and grand totals, the printed listing's lines and the
// summary page. A medicated batch counts its medication's pounds and cost
// (a medication whose pounds are no number adds no pounds). Totals are held
// in 64 bits and shown as their 32-bit fields allow: the nearest value.
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "feed/FeedBatchFile.h"
#include "platform/ListItems.h"

inline constexpr int kBatchLineWidth = 88;

// The list of the batches of type `letter`: a row for each, in record
// order, with its record number as item data, added to `rows`; answers the
// rows written and the totals of their pounds and cost.
struct BatchTotals {
  long batches = 0;
  int64_t totalPounds = 0;
  float totalCost = 0;
};
BatchTotals WriteBatchRows(platform::ListItems& rows, const FeedBatchFile& batches, const std::string& letter,
                           const BatchMedications& meds);
// The grand totals shown under the list: tons, pounds and cost; all three
// empty when no batch is listed.
struct GrandTotals {
  std::string tons, pounds, cost;
};
GrandTotals GrandTotalsOf(const BatchTotals& list);

// The printed listing and its summary.
struct BatchReport {
  std::vector<std::string> lines;
  int32_t batches = 0;
  int64_t totalPounds = 0;
  float totalCost = 0;
  double medicationPounds = 0;
  float medicationCost = 0;
};
BatchReport BatchReportOf(const FeedBatchFile& batches, const std::string& letter, const BatchMedications& meds);
// The summary page's 25 lines; `today` is
// "MM/DD/YYYY". A figure over pounds is $0.00 when there are none.
std::vector<std::string> BatchSummaryLines(const BatchReport& report, const std::string& today);
// The listing's title: "NURSERY  FEED  RECORD  for ( 2024 )" and the like.
std::string BatchReportTitle(int choice, const std::string& year);

// Prints the listing and the summary of the type FeedMenuChoice in FeedFile,
// with the medication of MedFile; false, with `fault`, when a file cannot
// be read (nothing printed).
bool PrintBatchReport(FileFault* fault);
