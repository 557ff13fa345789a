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
  long lastRead = 0, lastTested = 0;
  for (long r = 1; r <= sows.count(); ++r) {
    lastRead = r;
    const uint8_t* sow = sows.bytes(r);
    if (records::IsFreeId(records::textView(sow + SowRecord::IdAt, SowRecord::IdWidth))) continue;
    lastTested = r;
    if (!query.matches(sow, litters)) continue;
    if (!table.Add(r)) break;  // the table is full
  }
  // The scratch values as a run through them sow by sow leaves them: the
  // statistics of the last sow tested, the links of the last record read.
  static const SowRecord p;
  static const records::FieldMask<SowRecord> links(p, {&p.ParityCount, &p.FarrowRecNo});
  SowRecord sow;
  if (query.testsStatistics() && lastTested > 0) {
    sows.decode(lastTested, sow, links);
    SetSowLinks(sow);
    SowLitterStats(FarrowLinks, litters);
  }
  if (lastRead > 0) {
    sows.decode(lastRead, sow, links);
    SetSowLinks(sow);
  }
  return table.Lines();
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

void WriteSowPageRows(platform::ListItems& rows, const SowPageTable& table, int page, const std::string& kindCode,
                      const records::FileImage<SowRecord>& sows) {
  const bool leftHerd = kindCode == "19", everySow = kindCode == "0";
  for (int slot = 1; slot <= SowPageTable::kSlots; ++slot) {
    const long r = table.At(page, slot);
    if (r < 1 || r > sows.count()) continue;
    const uint8_t* sow = sows.bytes(r);
    if (records::IsFreeId(records::textView(sow + SowRecord::IdAt, SowRecord::IdWidth))) continue;
    if (leftHerd) rows.add(WriteSowLeftHerdLine(sow), slot);
    else if (everySow || SowIsActive(sow)) rows.add(WriteSowListLine(sow), slot);
  }
}
