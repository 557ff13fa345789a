#pragma once
// The drug list's three printouts from DRUG.LST, read once per printout: the
// drug listing (the drugs of the lines the list shows), a data sheet per
// selected drug, and the yearly totals of the drugs bought in one year,
// summed by name.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "records/DrugRecord.h"
#include "records/RecordIo.h"

// ---- The listing ------------------------------------------------------------

// The 88-column listing lines: for the code of each list line
// (DrugCodeOfLine) in list order, a line of every record holding it: code,
// name, dosage with its unit, type word, the stored inventory amount.
std::vector<std::string> DrugListingLines(const records::FileImage<DrugRecord>& drugs,
                                          const std::vector<std::string>& codes);
// Prints the listing lines under `shown`, what the list shows ("By ALL
// DRUG(s)" or the query).
void PrintDrugListing(const std::vector<std::string>& lines, const std::string& shown);

// ---- The data sheets ------------------------------------------------------

// The record numbers of the codes of the chosen list lines, in list order:
// for each code every record holding it (as many as there are).
std::vector<long> DrugRecordsOfCodes(const records::FileImage<DrugRecord>& drugs,
                                     const std::vector<std::string>& codes);

// A sheet's texts (index 0 unused): 1 name, 2 code, 3 type, 4 unit, 5
// manufacturer, 6 dosage, 7 lot, 8 withdrawal days, 9 date purchased, 10
// expiration date, 11 inventory, 12 cost, 13 note, 14 amount purchased.
using DrugSheetFields = std::array<std::string, 15>;
DrugSheetFields SheetFieldsOf(const DrugRecord& drug);
// Lines 0 (empty) to 12 of a sheet's body: a label and a field each.
std::vector<std::string> DrugSheetLines(const DrugSheetFields& fields);
// Prints one sheet as a document of its own.
void PrintDrugSheet(const DrugSheetFields& fields);

// ---- The yearly totals ------------------------------------------------------

// The drugs bought in a year under one name: the type word of the first, and
// the amounts and cost as they were formatted after each record was added.
struct DrugTotal {
  std::string name;  // upper case, no trailing blanks
  std::string type;  // "VACCINE", "FEED MED" or "WATER MED"
  std::string inventory, purchased;  // "0.0"
  std::string cost;                  // "0.00"
};
// The drugs whose date purchased ends in `year`, grouped by name in the
// order the names first occur.
std::vector<DrugTotal> DrugYearTotals(const records::FileImage<DrugRecord>& drugs, const std::string& year);
// The 84-column totals line: name, type, purchased, in inventory, used, cost.
std::string DrugTotalsLine(const DrugTotal& total);
void PrintDrugTotals(const std::vector<DrugTotal>& totals, const std::string& year);

// Asks for the year of the totals: four characters, blanks around them
// removed, into `Year`. False when nothing was typed, Cancel was pressed, or
// the user would not type a year of the wrong length again.
bool AskDrugYear(std::string& Year);
