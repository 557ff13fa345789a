#pragma once
// A stored figure in a text box of a window that edits its record: the text
// the box shows, and the figure ACCEPT stores from it.
//
//   const FigureBox kWeightInBox{"0.00", 8};
//   WeightIn->SetText(FigureText(group.WeightIn, kWeightInBox));       // 12.125 shows "12.125"
//   group.WeightIn = KeptSingle(WeightIn->Text(), group.WeightIn, kWeightInBox, kWeightInNumber);
//
// A figure that holds at most two places more than the window's mask shows
// them all (a Single's places as SingleText writes its seven significant
// digits, a Currency's up to four): a dose of 0.25 in a "#0.0" box shows
// "0.25", a backfat of .125 in a box of four ".125". Where the box is too
// narrow, the mask's padding zeros go first, then the 0 before the point.
// Any other figure shows through the mask: a weight of 45.333332 computed
// after a move shows "45.33", a stock of 9.699999 after three doses of 0.1
// "9.7", a figure too wide for its box whole ("9999.96" in a box of four).
// A box shows no text a line edit would cut: a figure the program puts in a
// box is shown whole, never as another figure.
//
// A box whose text is still the one it showed keeps the stored figure:
// ACCEPT stores the record's own value, not the shown text read again, so a
// figure the program computed (a stock after doses, a sum with float noise)
// or one rounded to fit the box is never changed by an ACCEPT that changed
// something else. A box whose text was changed stores what was typed.
#include <string>

#include "common/Format.h"
#include "common/TypedNumber.h"
#include "records/Fields.h"

// How a box shows a figure: the window's mask and the characters the box
// takes (0: no limit).
struct FigureBox {
  FormatMask mask;
  int maxLength = 0;
};

std::string FigureText(float stored, const FigureBox& box);
std::string FigureText(records::Currency stored, const FigureBox& box);

// What a box stores: `stored` while `typed` is FigureText(stored, box), else
// the typed text read for its field (TypedSingle, TypedCurrency).
float KeptSingle(const std::string& typed, float stored, const FigureBox& box, const NumberField& field);
records::Currency KeptCurrency(const std::string& typed, records::Currency stored, const FigureBox& box,
                               const NumberField& field);
