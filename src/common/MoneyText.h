#pragma once
// Money as a fixed-width column of a list or a printout.
#include <string>

#include "records/Fields.h"

// "$", the whole part, "." and two places of cents, right-aligned in
// `Width` characters; a longer text keeps its first `Width` characters.
// Every digit of the stored amount is written; the places past the cents
// are cut, not rounded: 2.345 gives "$2.34". A negative amount has its
// minus after the dollar sign; an amount below one has no 0 before the
// point ("$.50", but "$0.00" for nothing). A `Width` of 0 or less gives "".
std::string FormatMoneyField(records::Currency Value, int Width);
