#pragma once
// Choosing the record of a new boar, and the limit of the boar file.
#include <optional>
#include <string>

#include "records/RecordSlots.h"

// The slot of a new boar with `id` in BOAR.DAT, read once: the first free
// record (else the record after the last) and any live boar already holding
// the ID. Nothing when BOAR.DAT cannot be read.
std::optional<records::NewAnimalSlot> NewBoarSlot(const std::string& id);

// True when a new boar may be written as record `record` (record numbers are
// 16-bit, so at most 32767 boars).
bool BoarFileHasRoom(long record);
// The beep and the box of a full boar file.
void ReportBoarFileFull();
