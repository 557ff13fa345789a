#pragma once
// A stored figure in a text box of a window that edits its record: the text
// the box shows, and the figure ACCEPT stores from it.
//
//   const FigureBox kWeightInBox{"0.00", 8};
//   WeightIn->SetText(FigureText(group.WeightIn, kWeightInBox));       // 12.125 shows "12.125"
//   group.WeightIn = KeptSingle(WeightIn->Text(), group.WeightIn, kWeightInBox, kWeightInNumber);
//
// A figure that holds at most two places more than the window's mask, and is
// exactly what those places say, shows them all (a Single's places as
// SingleText writes its seven significant digits, when they read back as
// the Single; a Currency's up to four): a dose of 0.25 in a "#0.0" box shows
// "0.25", a backfat of .125 in a box of four ".125", a typed 453.3333 in a
// "0.00" box "453.3333". Where the box is too narrow, the mask's padding
// zeros go first, then the 0 before the point. Any other figure shows
// through the mask: three places past it (.0625 in a "0.0" box shows "0.1"),
// a float's tail whatever its size (45.333332 computed after a move shows
// "45.33", 1360/3 "453.33", a stock of 9.699999 after three doses of 0.1
// "9.7"), a figure too wide for its box whole ("9999.96" in a box of four).
// A box shows no text a line edit would cut: a figure the program puts in a
// box is shown whole, never as another figure; a box's length limits only
// typing.
//
// A box whose text is still the one it showed keeps the stored figure:
// ACCEPT stores the record's own value, not the shown text read again, so a
// figure the program computed (a stock after doses, a sum with float noise)
// or one rounded to fit the box is never changed by an ACCEPT that changed
// something else. A window that refuses a figure reading 0 (a litter's
// weights, a sale's weight and price) judges such a box by that figure as it
// is stored (JudgedText): a weight of 1e-7 shown "0.00" is no missing
// weight. A box whose text was changed stores, and is judged by, what was
// typed. A stored figure no box could take (a price past 99999999) shows
// whole, and ACCEPT refuses it as it would refuse it typed.
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

// The text a window's checks read of a box: the stored figure as SingleText
// writes it while `typed` is FigureText(stored, box), else `typed`.
std::string JudgedText(const std::string& typed, float stored, const FigureBox& box);

// What a box stores: `stored` while `typed` is FigureText(stored, box), else
// the typed text read for its field (TypedSingle, TypedCurrency).
float KeptSingle(const std::string& typed, float stored, const FigureBox& box, const NumberField& field);
records::Currency KeptCurrency(const std::string& typed, records::Currency stored, const FigureBox& box,
                               const NumberField& field);
