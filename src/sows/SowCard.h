#pragma once
// The printed sow card: one page per sow with the table of her litters by
// parity (pigs born, alive and weaned, percent stillborn and pre-weaning
// mortality, pigs fostered to and from her, litter weights), her breed, due
// date, the boar she was bred to, her averages, her note pad, an empty form
// for her next litter and the date of printing, printed as a listing.
#include <string>
#include <vector>

#include "common/FixedLine.h"
#include "platform/TextRows.h"
#include "records/FarrowRecord.h"
#include "records/RecordIo.h"

// Writes one row of the litter table into `row` (86 columns): born at 13,
// alive at 19, weaned at 27, percent stillborn at 37, percent pre-weaning
// mortality at 48, fostered to at 61 and from at 66, litter birth weight at 73
// and weaning weight at 81. A percentage whose divisor is 0 stays blank, as
// does the mortality of a litter not weaned.
void PutParityRow(FixedLine& row, const FarrowRecord& litter);

// The card of the current sow (SowHistory with her statistics, FarrowLinks,
// SowNotes, as LoadSowHistory leaves them) as its 40 lines, with the empty
// line 0 first; her litters' rows come from `farrowFile`. A parity whose
// litter link is not a record of the file shows only its number.
platform::TextRows SowCardLines(const records::FileImage<FarrowRecord>& farrowFile);
// The same lines written into `lines` (emptied first, its room kept), which
// is answered.
const platform::TextRows& SowCardLines(const records::FileImage<FarrowRecord>& farrowFile, platform::TextRows& lines);

// Prints the card of the current sow as one document; a run of cards makes
// the lines of each in the `room` of the one before.
void PrintSowCard(const records::FileImage<FarrowRecord>& farrowFile);
void PrintSowCard(const records::FileImage<FarrowRecord>& farrowFile, platform::TextRows& room);
