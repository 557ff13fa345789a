#pragma once
// The bytes of a journal in the layout the version before this one wrote
// ("TARLOWE JOURNAL2", common/WriteJournal.h): each record's new bytes kept
// only as their checksum.
#include <cstdint>
#include <vector>

#include "common/WriteJournal.h"

std::vector<uint8_t> EncodeEarlierJournal(const Journal& journal);
