#include "sows/SowPages.h"

#include "common/HogGlobals.h"
#include "records/RecordIo.h"
#include "records/RecordSlots.h"
#include "sows/SowHistory.h"
#include "sows/SowListLine.h"
#include "sows/SowQuery.h"

int PageOfLine(int line) { return (line - 1) / kSowPageSlots + 1; }
int SlotOfLine(int line) { return (line - 1) % kSowPageSlots + 1; }

int PagesInUse(int count) {
  if (count <= kSowPageSlots) return 1;
  const int pages = (count + kSowPageSlots - 1) / kSowPageSlots;
  return pages > kSowPages ? kSowPages : pages;
}

void SowPageTable::Clear() {
  for (auto& page : table_) page.fill(0);
  lines_ = 0;
}

int32_t SowPageTable::At(int page, int slot) const {
  if (page < 1 || page > kSowPages || slot < 1 || slot > kSowPageSlots) return 0;
  return table_[static_cast<size_t>(page)][static_cast<size_t>(slot)];
}

bool SowPageTable::Add(long record) {
  if (lines_ >= kSowPageLines) return false;
  ++lines_;
  table_[static_cast<size_t>(PageOfLine(lines_))][static_cast<size_t>(SlotOfLine(lines_))] =
      static_cast<int32_t>(record);
  return true;
}

int FillSowPageTable(const SowQuery& query, const std::vector<SowRecord>& sows,
                     const std::vector<FarrowRecord>& litters, SowPageTable& table) {
  table.Clear();
  for (size_t i = 0; i < sows.size(); ++i) {
    const SowRecord& sow = sows[i];
    SetSowLinks(sow);
    if (records::IsFreeId(sow.Id)) continue;
    if (!query.matches(sow, litters)) continue;
    if (!table.Add(static_cast<long>(i) + 1)) break;  // the table is full
  }
  return table.Lines();
}

int BuildSowList(SowPageTable& table, SowFileFault* fault) {
  table.Clear();
  const SowQuery query(QueryArgs[1], QueryArgs[2]);
  std::vector<SowRecord> sows;
  std::string error;
  const std::string sowPath = DataFolder + kSowFileName;
  if (!records::readAll(sowPath, sows, &error)) {
    if (fault) *fault = {sowPath, error};
    return 0;
  }
  std::vector<FarrowRecord> litters;
  if (query.needsLitters()) {
    const std::string farrowPath = DataFolder + kFarrowFileName;
    if (!records::readAll(farrowPath, litters, &error)) {
      if (fault) *fault = {farrowPath, error};
      return 0;
    }
  }
  return FillSowPageTable(query, sows, litters, table);
}

std::vector<SowPageLine> SowPageLines(const SowPageTable& table, int page, const std::string& kindCode,
                                      const std::vector<SowRecord>& sows) {
  std::vector<SowPageLine> lines;
  for (int slot = 1; slot <= kSowPageSlots; ++slot) {
    const long r = table.At(page, slot);
    if (r < 1 || r > static_cast<long>(sows.size())) continue;
    const SowRecord& sow = sows[static_cast<size_t>(r - 1)];
    if (records::IsFreeId(sow.Id)) continue;
    if (kindCode == "19") {
      lines.push_back({SowLeftHerdLine(sow), slot});
    } else if (kindCode == "0" || SowIsActive(sow)) {
      lines.push_back({SowListLine(sow), slot});
    }
  }
  return lines;
}
