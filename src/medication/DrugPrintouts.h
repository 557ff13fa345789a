#pragma once
// The drug list's three printouts from DRUG.LST, each written as runs over
// the file hand on its records: the drug listing (the drugs of the lines the
// list shows), a data sheet per selected drug, and the yearly totals of the
// drugs bought in one year, summed by name.
#include <array>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "common/PrintListing.h"
#include "medication/DrugListLine.h"
#include "records/DrugRecord.h"

// ---- The listing ------------------------------------------------------------

// The 88-column listing lines of `records` (record numbers in the order they
// print, a record as often as it prints): code, name, dosage with its unit,
// type word, the stored inventory amount. The listing prints, for the code
// of each list line (DrugCodeOfLine) in list order, every record holding it
// (DrugsOfCodes): the records are found in one run over DRUG.LST, and the
// fields of their lines taken in a second, as the run reaches each; a line
// is written as it prints.
class DrugListing {
 public:
  explicit DrugListing(std::vector<long> records);
  // Record n, its stored bytes.
  void add(long n, const uint8_t* drug);
  // The lines, in the order of the records given; a record the run did not
  // reach (the file grew shorter since) has none. The listing hands on what
  // it holds.
  ListingLines Lines();

 private:
  std::vector<long> records_;
  std::vector<size_t> byRecord_;  // the indexes of records_, in record order
  size_t next_ = 0;               // the first of byRecord_ not yet reached
  long last_ = 0;                 // the last record the run handed on
  std::vector<DrugLineFields> fields_;
};
// Prints the listing lines under `shown`, what the list shows ("By ALL
// DRUG(s)" or the query).
void PrintDrugListing(const ListingLines& lines, const std::string& shown);

// ---- The data sheets ------------------------------------------------------

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
// order the names first occur, summed as a run over DRUG.LST hands on each
// record in turn.
class DrugYearTotals {
 public:
  explicit DrugYearTotals(std::string year) : year_(std::move(year)) {}
  // A record, its stored bytes.
  void add(const uint8_t* drug);
  const std::vector<DrugTotal>& Totals() const { return totals_; }

 private:
  std::string year_;
  std::vector<DrugTotal> totals_;
  std::unordered_map<std::string, size_t> rowOf_;  // each name's total
};
// The 84-column totals line: name, type, purchased, in inventory, used, cost.
std::string DrugTotalsLine(const DrugTotal& total);
void PrintDrugTotals(const std::vector<DrugTotal>& totals, const std::string& year);

// Asks for the year of the totals: four characters, blanks around them
// removed, into `Year`. False when nothing was typed, Cancel was pressed, or
// the user would not type a year of the wrong length again.
bool AskDrugYear(std::string& Year);
