#pragma once
// A stored figure in a text box of a window that edits its record: the text
// the box shows, and the figure ACCEPT stores from it.
//
//   const FigureBox kWeightInBox{"0.00", 8};
//   WeightIn->SetText(FigureText(group.WeightIn, kWeightInBox));       // 12.125 shows "12.125"
//   group.WeightIn = KeptSingle(WeightIn->Text(), group.WeightIn, kWeightInBox, kWeightInNumber);
//
// A box shows its figure through the window's mask, unless the mask would
// drop digits the figure holds within what its type shows (a Single's seven
// significant digits as SingleText writes them, a Currency's four places):
// then it shows those digits too, in the mask's manner. The text never runs
// past the characters the box takes (a line edit would cut it): the mask's
// padding zeros go first, then the 0 before the point, then the last digits,
// rounded.
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
