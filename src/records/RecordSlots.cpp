#include "records/RecordSlots.h"

#include <algorithm>

#include "platform/Text1252.h"

namespace records {

std::string IdKey(const std::string& id) { return RTrim(id); }

long FindNewLitterSlot(const FileImage<FarrowRecord>& file) {
  for (long n = 1; n <= file.count(); ++n)
    if (getI16(file.bytes(n) + FarrowRecord::StatusAt) == FarrowRecord::Free) return n;
  return file.count() + 1;
}

long FindNewLitterSlot(const std::vector<FarrowRecord>& file) {
  return FindNewLitterSlot(FileImage<FarrowRecord>::of(file));
}

int UsedParities(int16_t parityCount) {
  return std::clamp<int>(parityCount, 0, kMaxParities);
}

int UsedParities(const SowRecord& sow) { return UsedParities(sow.ParityCount); }

bool ValidLitterLink(long link, long farrowCount) { return link >= 1 && link <= farrowCount; }

}  // namespace records
