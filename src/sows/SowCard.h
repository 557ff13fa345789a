#pragma once
// The printed sow card: one page per sow with the table of her litters by
// parity (pigs born, alive and weaned, percent stillborn and pre-weaning
// mortality, pigs fostered to and from her, litter weights), her breed, due
// date, the boar she was bred to, her averages, her note pad, an empty form
// for her next litter and the date of printing, printed as a listing.
#include <string>
#include <vector>

#include "common/FixedLine.h"
#include "records/FarrowRecord.h"
#include "records/RecordIo.h"

// Writes one row of the litter table into `row` (86 columns): born at 13,
// alive at 19, weaned at 27, percent stillborn at 37, percent pre-weaning
// mortality at 48, fostered to at 61 and from at 66, litter birth weight at 73
// and weaning weight at 81. A percentage whose divisor is 0 stays blank, as
// does the mortality of a litter not weaned.
void PutParityRow(FixedLine& row, const FarrowRecord& litter);

// The card of the current sow (SowHistory with her statistics, FarrowLinks,
// SowNotes, as LoadSowHistory leaves them) as its 39 lines; her litters'
// rows come from `farrowFile`. A parity whose litter link is not a record of
// the file shows only its number.
std::vector<std::string> SowCardLines(const records::FileImage<FarrowRecord>& farrowFile);

// Prints the card of the current sow as one document.
void PrintSowCard(const records::FileImage<FarrowRecord>& farrowFile);
