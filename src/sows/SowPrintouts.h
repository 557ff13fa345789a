#pragma once
// What the sow list's PRINT items print, without the window: the sows of the
// selected rows, the listing of the rows of a page, and the report of the
// active sows due to farrow between two dates. Each works over SOW.DAT (and
// FARROW.DAT) read once by the caller.
#include <cstdint>
#include <string>
#include <vector>

#include "common/FixedLine.h"
#include "records/FarrowRecord.h"
#include "records/RecordIo.h"
#include "records/SowRecord.h"

// The record numbers of every live record whose ID, without trailing blanks,
// equals one of `rowIds` exactly, row by row, each row's records in file
// order. As many as match, however many.
std::vector<long> SelectedSowRecords(const std::vector<std::string>& rowIds, const records::FileImage<SowRecord>& sows);

// Prints, for each record of `chosen` in turn, the sow's card or her history
// sheet, each as a document of its own; SelectedSowRecs (from index 1),
// CurrentSowRec and the current sow are left at the last one printed.
enum class SowSheet { History, Card };
void PrintChosenSows(const std::vector<long>& chosen, SowSheet sheet, const records::FileImage<SowRecord>& sows,
                     const records::FileImage<FarrowRecord>& litters);

// A line of the printed sow listing, 84 columns (kSowListingWidth), of the
// sow stored in `sow` (her SOW.DAT bytes), written into `line` and answered.
inline constexpr int kSowListingWidth = 84;
std::string WriteSowListingLine(const uint8_t* sow);
// The listing's lines of the rows `rowIds`, in their order: row r's line is
// made from the last of records 1 to `scanned` holding its ID, or empty when
// none does.
std::vector<std::string> SowListingLines(const std::vector<std::string>& rowIds,
                                         const records::FileImage<SowRecord>& sows, long scanned);
// The listing's first heading: the list's caption without its page word.
std::string SowListingHeading(const std::string& captionPrefix);
void PrintSowListing(const std::vector<std::string>& lines, const std::string& captionPrefix);

// The report's lines: one per sow in the herd (free records
// and sows that left the herd skipped) whose due date lies from `from` to
// `to`, both included, in record order. Sows without a due date are left out.
std::vector<std::string> DatesDueLines(const std::string& from, const std::string& to,
                                       const records::FileImage<SowRecord>& sows);
void PrintDatesDue(const std::vector<std::string>& lines);
