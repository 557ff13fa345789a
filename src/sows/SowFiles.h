#pragma once
// The limit of the sow file.

// True when a new sow may be written as record `record` (at most 4799 sows).
bool SowFileHasRoom(long record);
// The beep and the box of a full sow file.
void ReportSowFileFull();
