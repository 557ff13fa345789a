#pragma once
// The sow list's page table: the SOW.DAT record numbers of the current query
// result, six pages of 802 slots (a result of more than 4812 lines keeps the
// first 4812), and the list's rows of a page.
#include <string>

#include "records/FarrowRecord.h"
#include "records/RecordIo.h"
#include "records/SowRecord.h"
#include "common/DataFiles.h"
#include "common/PageTable.h"
#include "platform/ListItems.h"

using SowPageTable = PageTable<6, 802>;

class SowQuery;

// Fills `table` anew with the live sows of SOW.DAT `sows` that `query` lists,
// in record order; returns the number of lines written. `litters` is
// FARROW.DAT, for the kinds that need it. SowHistory and FarrowLinks are left
// as a run through them record by record leaves them: the parity count and
// links of the last record read, and for the kinds of the litter statistics
// the statistics of the last live sow tested.
int FillSowPageTable(const SowQuery& query, const records::FileImage<SowRecord>& sows,
                     const records::FileImage<FarrowRecord>& litters, SowPageTable& table);

// Builds `table` for the query in QueryArgs(1) and QueryArgs(2) from SOW.DAT
// (and FARROW.DAT where the kind needs it) in DataFolder, each read once.
// Returns the number of lines written; with a file that cannot be read the
// table stays empty, 0 is returned and `fault` says which. `sowsRead`, when
// given, gets SOW.DAT as read, for the page the same action shows.
int BuildSowList(SowPageTable& table, FileFault* fault = nullptr,
                 records::FileImage<SowRecord>* sowsRead = nullptr);

// The list's rows of page `page` in slot order, each with its slot as item
// data, from SOW.DAT read as `sows`, for the query kind `kindCode`, added to
// `rows`: slots that are empty or name a free record give no row; under "19"
// the left-the-herd line; under "0" the sow's line; under any other kind the
// sow's line unless she has left the herd.
void WriteSowPageRows(platform::ListItems& rows, const SowPageTable& table, int page, const std::string& kindCode,
                      const records::FileImage<SowRecord>& sows);
