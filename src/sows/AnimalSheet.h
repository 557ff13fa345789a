#pragma once
// What the sow's and the boar's history sheets share: every line a caption
// with dashes up to the sheet's column, then the value ("Breed of SOW.
// ----...--->YORK"); the lines of the fields both records hold; the lines of
// the animal's own figures, listed in a table; and the printed page, its
// lines followed by the note pad. SowHistorySheet and BoarHistorySheet are
// these with their style and their table of figures.
#include <array>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "common/Format.h"
#include "common/PrintSheet.h"
#include "records/AnimalRecord.h"

// How a sheet writes the fields both records hold, and its page.
struct AnimalSheetStyle {
  const char* animal;      // "SOW": "Breed of SOW.", the title "S O W  I D (A1)  H I S T O R Y"
  int column;              // where the values start: the width of a caption with its dashes and ">"
  const char* enteredGap;  // after "Date SOW entered the Herd.", before its blank and dashes
  bool birthDateAsStored;  // an empty date of birth printed as stored, "__/__/____"
  bool noZeroDays;         // days to 230 of 0 printed as nothing
  HistorySheetLayout page;
  bool notesIndented;      // the note lines printed with their leading blanks
};

// `caption`, a blank, dashes and ">" up to the sheet's column, then `value`.
std::string SheetLine(const AnimalSheetStyle& style, std::string_view caption, std::string_view value);
// The empty line 0, then the lines of breed, location, date of birth, days
// to 230, backfat, loineye, purchase price, date entered herd, sold price,
// date left herd and PRV date. An empty date is printed as nothing, the
// date of birth as the style says.
std::vector<std::string> AnimalSheetLines(const AnimalHistoryRecord& h, const AnimalSheetStyle& style);

// A figure of the animal's own on its sheet: the caption, the field of its
// working block H and the format it is printed in.
template <class H>
struct SheetFigure {
  const char* caption;
  std::variant<int16_t H::*, int32_t H::*, float H::*> field;
  const char* format;
};

// The sheet's lines: those of the fields both records hold, then one line
// for each figure, in the order of `figures`.
template <class H>
std::vector<std::string> HistorySheetLines(const H& h, const AnimalSheetStyle& style,
                                           std::span<const SheetFigure<H>> figures) {
  std::vector<std::string> lines = AnimalSheetLines(h, style);
  for (const SheetFigure<H>& f : figures)
    lines.push_back(SheetLine(style, f.caption, std::visit([&](auto field) { return Format(h.*field, f.format); }, f.field)));
  return lines;
}

// Prints the sheet of the animal `id`: the title, the lines, then the note
// lines 1 to 14 of `notes` under the note pad's heading.
void PrintAnimalHistory(const AnimalSheetStyle& style, const std::string& id, const std::vector<std::string>& lines,
                        const std::array<std::string, kNoteLines + 1>& notes);
