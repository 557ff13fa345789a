#pragma once
// FEED.LST for the ingredient windows: one record read into or written from
// IngredientRec, the whole file read once per action, the record a new
// ingredient takes, the codes found again by their text, and the fixed lines
// of the ingredient list and its printout.
//
// A file that cannot be read or written ends the action with one critical
// box titled as the window's other boxes (common/DataFiles.h).
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "common/CodeIndex.h"
#include "platform/ListItems.h"
#include "common/FixedLine.h"
#include "records/IngredientRecord.h"
#include "records/RecordIo.h"

using IngredientFile = records::FileImage<IngredientRecord>;

// Reads FEED.LST whole (a missing file holds no records); false after the box.
bool ReadIngredientFile(IngredientFile& file, const std::string& title);
// Reads record n into IngredientRec; false after the box.
bool ReadIngredient(long n, const std::string& title);
// Writes IngredientRec at record n (the file grows as needed); false after
// the box.
bool WriteIngredient(long n, const std::string& title);

// The record a new ingredient takes: the first whose code is blank, else
// the one after the last.
long NewIngredientSlot(const IngredientFile& file);
// The first record whose code, without trailing blanks, is `code` (compared
// exactly); 0 when none.
long DuplicateIngredient(const IngredientFile& file, const std::string& code);

// The records of each code (trimmed), in record order; free records are left
// out, so that an action over many codes reads the file once.
class IngredientIndex {
 public:
  explicit IngredientIndex(const IngredientFile& file);
  // The first record holding `code` (trimmed); 0 when none.
  long First(std::string_view code) const;
  // Every record holding `code` (trimmed), in record order.
  std::vector<long> Records(std::string_view code) const;
  // Takes `record` out, once it was freed.
  void Forget(std::string_view code, long record);

 private:
  CodeIndex codes_;
};

// The 64-column line of the ingredient list (code, name, current
// inventory, inventory date, unit cost) and the 92-column printed line
// (code, name, current and start inventory, unit cost, total cost, inventory
// date) of the record whose stored bytes are `bytes`.
inline constexpr int kIngredientListWidth = 64, kIngredientPrintWidth = 92;
std::string WriteIngredientListLine(const uint8_t* bytes);
std::string WriteIngredientPrintLine(const uint8_t* bytes);
// The code a list line stands for: its first seven characters, trimmed.
std::string IngredientCodeOfLine(const std::string& line);

// The list of all ingredients: a row for every record with a code and a
// current inventory other than 0, in record order, each with its record
// number as item data, added to `rows`.
void WriteIngredientRows(platform::ListItems& rows, const IngredientFile& file);
// The records the listing prints, by the codes of the list's lines in list
// order: for each code, every record holding it. Each prints its line
// (WriteIngredientPrintLine) as the listing reaches it.
std::vector<long> IngredientPrintRecords(const IngredientFile& file, const std::vector<std::string>& codes);
