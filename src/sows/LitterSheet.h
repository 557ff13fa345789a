#pragma once
// The litter sheet: one printed page per litter, the 17 figures of a litter
// column as labelled lines under a title naming the sow, each page its own
// print job.
#include <string>
#include <vector>

#include "records/FarrowRecord.h"
#include "records/RecordIo.h"
#include "sows/LitterEntry.h"
#include "sows/SowHistory.h"

// The 18 printed lines of a column: line 0 empty, line k the label of row k
// and the row's text; an empty date prints nothing.
std::vector<std::string> LitterSheetLines(const LitterColumn& column);

// Prints the column as one page for the sow `sowId`; false after its box
// when the printer failed.
bool PrintLitterSheet(const LitterColumn& column, const std::string& sowId);

// Prints a sheet for each of the first `parities` litters of a sow, parity
// 1 first, from FARROW.DAT read once by the caller: the weaning figures
// computed silently. Links the file does not hold are skipped. Stops at a
// printer failure (its box shown); the sheets printed.
int PrintSowLitters(const std::string& sowId, const FarrowLinkArray& links, int parities,
                    const records::FileImage<FarrowRecord>& litters);
