#include "records/RecordSlots.h"

#include <algorithm>

#include "common/NumberText.h"

namespace records {

std::string IdKey(const std::string& id) { return RTrim(id); }

bool IsFreeId(const std::string& id) { return IdKey(id).empty(); }

bool SameId(const std::string& a, const std::string& b) { return IdKey(a) == IdKey(b); }

long FindNewLitterSlot(const std::vector<FarrowRecord>& file) {
  for (size_t i = 0; i < file.size(); ++i)
    if (file[i].Status == FarrowRecord::Free) return static_cast<long>(i) + 1;
  return static_cast<long>(file.size()) + 1;
}

int UsedParities(int16_t parityCount) {
  return std::clamp<int>(parityCount, 0, kMaxParities);
}

int UsedParities(const SowRecord& sow) { return UsedParities(sow.ParityCount); }

bool ValidLitterLink(long link, long farrowCount) { return link >= 1 && link <= farrowCount; }

}  // namespace records

namespace records {

std::vector<long> LitterLinks(const SowRecord& sow, long farrowCount) {
  std::vector<long> links;
  const int n = UsedParities(sow);
  for (int k = 0; k < n; ++k)
    if (ValidLitterLink(sow.FarrowRecNo[static_cast<size_t>(k)], farrowCount))
      links.push_back(sow.FarrowRecNo[static_cast<size_t>(k)]);
  return links;
}

}  // namespace records
