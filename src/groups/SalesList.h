#pragma once
// The sales of one group year as the sales list shows and prints them: which
// SALES.DAT rows are listed (sales and gilts rows of the kind, and on the
// market list the year-end adjustment rows), their fixed-column lines, the
// printed sales listing, and the kill sheet summary (one line of averages
// per group and a page of totals).
#include <array>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/ListItems.h"
#include "records/RecordIo.h"
#include "records/SalesRecord.h"

// SALES.DAT read whole, once per action; the runs below decode of each row
// only what tells whether it is listed, and the listed rows whole.
using SalesImage = records::FileImage<SalesRecord>;

// "F" for the feeder pig list (MenuChoice 0), "M" for market hogs.
std::string SaleKindLetter(int menuChoice);

// The century of a two-digit group year in the printouts: "19" for "90" to
// "99", else the first two digits of the year of `today` ("MM/DD/YYYY").
std::string CenturyText(const std::string& groupYear, const std::string& today);

// The sales list of `kind` and `year` (two digits): a row for each sale and
// gilts row of the kind and, on the market list, each year-end adjustment
// row, in record order, each with its record number as item data, added to
// `rows` (90 columns).
void WriteSaleRows(platform::ListItems& rows, const SalesImage& sales, const std::string& kind,
                   const std::string& year);

// The lines of the printed listing (84 columns), in record order: the sales
// of the kind and year with pigs sold, no adjustment and no gilts-only row.
// The kill sheet counts the same rows of the market hogs.
std::vector<std::string> SalesListingLines(const SalesImage& sales, const std::string& kind, const std::string& year);

// The kill sheet's table of text cells: row 0 unused, one row per group from
// row 1; column 1 the group ID, 2 to 7 backfat, percent lean, loineye, hot
// carcass weight, fat-free lean index and grade and yield premium (sums
// while gathering, group averages after), 8 the number of sales.
using KillSheetTable = std::vector<std::array<std::string, 11>>;
// Gathers the market sales of `year` by group, in the order of each group's
// first sale, into a table made anew, and turns the sums into averages.
// Answers the number of groups; the table holds a row for each and row 0.
int GatherKillSheet(const SalesImage& sales, const std::string& year, KillSheetTable& table);
// One 80-column line per group.
std::vector<std::string> KillSheetGroupLines(const KillSheetTable& table, int groups);
// The 18 lines of the totals page: averages of the group averages, "0.00"
// when there is no group; `today` is "MM/DD/YYYY".
std::vector<std::string> KillSheetTotalLines(const KillSheetTable& table, int groups, const std::string& today);

// The three printouts of the rows read, with the printed year of `groupYear`
// and `today` ("MM/DD/YYYY"). The kill sheet's groups fill `table` and
// answer their number, which its totals page takes.
void PrintSalesListingOf(const SalesImage& sales, const std::string& kind, const std::string& groupYear,
                         const std::string& today);
int PrintKillSheetGroupsOf(const SalesImage& sales, const std::string& groupYear, const std::string& today,
                           KillSheetTable& table);
void PrintKillSheetTotalsOf(const KillSheetTable& table, int groups, const std::string& today);
