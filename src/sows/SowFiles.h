#pragma once
// Choosing the record of a new sow or a new litter, and the limits of the sow
// and litter files.
#include <optional>
#include <string>

#include "records/RecordSlots.h"

// The slot of a new sow with `id` in SOW.DAT, read once: the first free record
// (else the record after the last) and any live sow already holding the ID.
// Nothing when SOW.DAT cannot be read.
std::optional<records::NewAnimalSlot> NewSowSlot(const std::string& id);

// True when a new sow may be written as record `record` (at most 4799 sows).
bool SowFileHasRoom(long record);
// The beep and the box of a full sow file.
void ReportSowFileFull();

// The record for a new litter in FARROW.DAT, read once: the first free record,
// else the record after the last. 0 after the beep and box of a full litter
// file when that record would lie past record 32767; -1 when FARROW.DAT
// cannot be read.
long NewLitterRecord();
