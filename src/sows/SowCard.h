#pragma once
// The printed sow card: one page per sow with the table of her litters by
// parity (pigs born, alive and weaned, percent stillborn and pre-weaning
// mortality, pigs fostered to and from her, litter weights), her breed, due
// date, the boar she was bred to, her averages, her note pad, an empty form
// for her next litter and the date of printing, printed as a listing.
#include <array>
#include <string>
#include <vector>

#include "platform/TextRows.h"
#include "records/FarrowRecord.h"
#include "records/RecordIo.h"

// The texts of one row of the litter table, index 0 empty: 1 born, 2 alive,
// 3 weaned, 4 litter birth weight, 5 litter weaning weight, 6 fostered to,
// 7 fostered from, 8 percent stillborn, 9 percent pre-weaning mortality. A
// percentage whose divisor is 0 is blank, as is the mortality of a litter
// not weaned.
std::array<std::string, 10> FormatParityRow(const FarrowRecord& litter);

// The card of the current sow (SowHistory with her statistics, FarrowLinks,
// SowNotes, as LoadSowHistory leaves them) as its 40 lines, with the empty
// line 0 first; her litters' rows come from `farrowFile`. A parity whose
// litter link is not a record of the file shows only its number.
platform::TextRows SowCardLines(const records::FileImage<FarrowRecord>& farrowFile);

// Prints the card of the current sow as one document.
void PrintSowCard(const records::FileImage<FarrowRecord>& farrowFile);
