#include "sows/SowPages.h"

#include "common/HogGlobals.h"
#include "records/RecordIo.h"
#include "records/RecordSlots.h"
#include "sows/SowHistory.h"
#include "sows/SowListLine.h"
#include "sows/SowQuery.h"

int FillSowPageTable(const SowQuery& query, const records::FileImage<SowRecord>& sows,
                     const records::FileImage<FarrowRecord>& litters, SowPageTable& table) {
  table.Clear();
  const records::FieldMask<SowRecord> used = query.fieldsUsed();
  SowRecord sow;
  for (long r = 1; r <= sows.count(); ++r) {
    sows.decode(r, sow, used);
    SetSowLinks(sow);
    if (records::IsFreeId(sow.Id)) continue;
    if (!query.matches(sow, litters)) continue;
    if (!table.Add(r)) break;  // the table is full
  }
  return table.Lines();
}

int FillSowPageTable(const SowQuery& query, const std::vector<SowRecord>& sows,
                     const std::vector<FarrowRecord>& litters, SowPageTable& table) {
  return FillSowPageTable(query, records::FileImage<SowRecord>::of(sows), records::FileImage<FarrowRecord>::of(litters),
                          table);
}

int BuildSowList(SowPageTable& table, FileFault* fault, records::FileImage<SowRecord>* sowsRead) {
  table.Clear();
  const SowQuery query(QueryArgs[1], QueryArgs[2]);
  records::FileImage<SowRecord> sows;
  records::FileImage<FarrowRecord> litters;
  if (!ReadImage(sows, fault)) return 0;
  if (query.needsLitters() && !ReadImage(litters, fault)) return 0;
  const int count = FillSowPageTable(query, sows, litters, table);
  if (sowsRead) *sowsRead = std::move(sows);
  return count;
}

std::vector<SowPageLine> SowPageLines(const SowPageTable& table, int page, const std::string& kindCode,
                                      const records::FileImage<SowRecord>& sows) {
  static const SowRecord p;
  static const records::FieldMask<SowRecord> shown(p, {&p.Id, &p.Breed, &p.Location, &p.DaysTo230, &p.Backfat,
                                                       &p.Loineye, &p.ParityCount, &p.DateLeftHerd});
  std::vector<SowPageLine> lines;
  lines.reserve(SowPageTable::kSlots);
  SowRecord sow;
  for (int slot = 1; slot <= SowPageTable::kSlots; ++slot) {
    const long r = table.At(page, slot);
    if (r < 1 || r > sows.count()) continue;
    sows.decode(r, sow, shown);
    if (records::IsFreeId(sow.Id)) continue;
    if (kindCode == "19") {
      lines.push_back({SowLeftHerdLine(sow), slot});
    } else if (kindCode == "0" || SowIsActive(sow)) {
      lines.push_back({SowListLine(sow), slot});
    }
  }
  return lines;
}

std::vector<SowPageLine> SowPageLines(const SowPageTable& table, int page, const std::string& kindCode,
                                      const std::vector<SowRecord>& sows) {
  return SowPageLines(table, page, kindCode, records::FileImage<SowRecord>::of(sows));
}
