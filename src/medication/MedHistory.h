#pragma once
// The medication history of the year (DataFolder + MedFile) as the history
// window Drug_3 lists, deletes and prints it, without widgets.
//
// The window's page table holds the record numbers of the listed records:
// every record of the file (each page then shows the live ones) or the
// matches of a query. A deleted record gives its dosage back to its drug and
// is blanked in place; a feed batch loses its "M" once no live medication
// record of it is left in the year's file.
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_set>
#include <utility>
#include <vector>

#include "common/DataFiles.h"
#include "common/FixedLine.h"
#include "common/PageTable.h"
#include "common/WriteSet.h"
#include "platform/ListItems.h"
#include "records/FeedBatchRecord.h"
#include "records/MedicationRecord.h"
#include "records/RecordIo.h"

// Ten pages of 842 lines: the capacity of a year's file.
using HistoryPageTable = PageTable<10, 842>;

inline constexpr int kHistoryLineWidth = 76;

// The 76-column line (kHistoryLineWidth) of the record whose stored bytes are
// `bytes`: the first of its IDs that is not blank (without
// its blanks at either end), date, drug name and code, dosage "0.0" in four
// columns with its unit, initials. A record without an ID (a deleted one) is
// not listed.
std::string WriteMedHistoryLine(const uint8_t* bytes);

// Records 1 to `count` of the file, in order; a file of more records than
// the table holds keeps its first pages.
void ListAllMedRecords(HistoryPageTable& table, long count);
// The records `matches`, in their order.
void ListMedMatches(HistoryPageTable& table, const std::vector<long>& matches);
// The rows of page `page`, each with its record number as item data, from
// the file read whole, added to `rows`; only the page's own records are
// read.
void WriteHistoryPageRows(platform::ListItems& rows, const HistoryPageTable& table, int page,
                          const records::FileImage<MedicationRecord>& meds);

// The five digits of the batch a medication record names ("" for none).
std::string BatchDigits(const std::string& batchId);
// Of the batches `digits`, those no live record of `meds` names any more,
// the records `deleted` counting as blank.
std::vector<std::string> BatchesLeftUnmedicated(const records::FileImage<MedicationRecord>& meds,
                                                const std::vector<std::string>& digits,
                                                const std::unordered_set<long>& deleted);
// The first batch whose stored number, without trailing blanks, is `number`;
// 0 when none.
long FindBatchNumbered(const records::FileImage<FeedBatchRecord>& batches, const std::string& number);
// The first batch numbered "M" + `digits`; 0 when none.
long FindMarkedBatch(const records::FileImage<FeedBatchRecord>& batches, const std::string& digits);

// Deletes the records `selected` in `set`, all or nothing: each dosage back
// to the first drug of DRUG.LST holding its code, each record blanked (its
// unit cost kept), and the "M" taken off each batch of the deleted records
// that no live record names any more, in the feed batch file DataFolder +
// FeedFile. Each file is read once, and every file the delete writes is
// open for writing before any is written. `deleted`: the records the set
// blanks. False, with `fault`, when a file cannot be read; a write fault is
// the set's, which then leaves the three files as they were.
bool DeleteMedRecords(WriteSet& set, const std::vector<long>& selected, int& deleted, FileFault* fault);

// The first heading of the printed history: the query listed, or all
// records.
std::string MedHistoryHeading(const std::string& kindCaption, const std::string& criterion);
// Prints the lines the list shows, each shifted one column right, under
// `heading`.
void PrintMedHistory(const std::vector<std::string>& shown, const std::string& heading);
