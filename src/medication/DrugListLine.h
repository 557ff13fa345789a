#pragma once
// The drug list's lines: one fixed-column line of 64 characters per drug, and
// the way back from a line to its drug (the code in its first 7 characters).
// The printed listing's 88-column lines hold the same fields at other
// columns (DrugLineColumns).
//
//   columns  2-7   code
//           11-30  name
//           33-43  dosage "0.0" right-aligned in 4, then " ML", " Lb/Ton" or " Oz/Gal"
//           45-54  "VACCINE", "FEED MED." or "WATER MED."
//           56-61  the stored inventory amount "####0.0", right-aligned in 6
//
// The amount is the stored InventoryAmount, which every medication given has
// already lowered: taking the year's dosages off again would count them
// twice.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "common/FixedLine.h"
#include "platform/ListItems.h"
#include "records/DrugRecord.h"

inline constexpr int kDrugLineWidth = 64;

// The unit after a dosage (" ML", " Lb/Ton", " Oz/Gal" for a stored "M",
// "L", "O"; "" for another letter), and the word of a type ("VACCINE", "FEED
// MED.", "WATER MED." for "V", "F", "W"; "" for another letter).
std::string_view DrugUnitText(char unit);
std::string_view DrugTypeWord(char type);

// Where a drug's line stands its code (6 columns), name (20), dosage "0.0"
// (right-aligned in 4), unit (7), type word (10) and stored inventory amount
// "0.0" (right-aligned in `amountWidth`): the list of every drug, a query's
// list (its amount one column wider) and the printed listing.
struct DrugLineColumns {
  int code, name, dosage, unit, type, amount, amountWidth;
};
inline constexpr DrugLineColumns kDrugListColumns{2, 11, 33, 37, 45, 56, 6};
inline constexpr DrugLineColumns kDrugQueryColumns{2, 11, 33, 37, 45, 56, 7};
inline constexpr DrugLineColumns kDrugListingColumns{3, 17, 44, 48, 61, 79, 7};
// The fields a drug's line shows, as stored.
struct DrugLineFields {
  std::array<char, DrugRecord::CodeWidth> code;
  std::array<char, DrugRecord::NameWidth> name;
  float dosage;
  char unit, type;
  float inventory;
};
DrugLineFields DrugLineFieldsOf(const uint8_t* drugBytes);
// The line, `width` wide, of a drug, its fields at `at`: of the drug whose
// stored bytes are `drugBytes`, or of the fields taken from them.
std::string WriteDrugLine(const DrugLineFields& drug, const DrugLineColumns& at, int width);
std::string WriteDrugLine(const uint8_t* drugBytes, const DrugLineColumns& at, int width);
// Format(value, "0.0"), the same text as "####0.0".
std::string OneDecimal(float value);
// The code a line stands for: its first 7 characters, trimmed.
std::string DrugCodeOfLine(const std::string& line);

// The list of every drug of DRUG.LST, written as a run over the file hands on
// each record in turn: the row of record n (its stored bytes `drug`), with n
// as its item data, is added to `rows` when its amount is not 0. Answers
// whether the record holds a drug (a free record does not; a drug without a
// row does).
bool AddDrugRow(platform::ListItems& rows, long n, const uint8_t* drug);
