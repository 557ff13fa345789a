#pragma once
// FEED > Feed Conversion > Group and > Herd: the feed year asked, the files
// a conversion works from checked, then HogFeed3 or HogFeed7 shown.
#include "feed/FeedBatchFile.h"
#include "platform/Refusal.h"
#include "records/GroupRecord.h"
#include "records/RecordIo.h"
#include "records/SalesRecord.h"

// The refusal of files that give no conversion: the year's batch file
// missing (`feedExists` false) or empty or without a batch of a group, then
// SALES.DAT and GROUP.DAT empty or without a record of a group.
Check CheckFeedConversionFiles(bool feedExists, const FeedBatchFile& batches,
                               const records::FileImage<SalesRecord>& sales,
                               const records::FileImage<GroupRecord>& groups);

// Item 0 opens the group conversion, item 1 the herd conversion.
void OpenFeedConversion(int item);
