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

void SowPageRows(const SowPageTable& table, int page, const std::string& kindCode,
                 const records::FileImage<SowRecord>& sows, platform::ListItems& rows) {
  const bool leftHerd = kindCode == "19", everySow = kindCode == "0";
  rows.clear();
  rows.reserve(SowPageTable::kSlots);
  FixedLine line(kSowLineWidth);
  const long count = sows.count();
  for (int slot = 1; slot <= SowPageTable::kSlots; ++slot) {
    const long r = table.At(page, slot);
    if (r < 1 || r > count) continue;
    const uint8_t* sow = sows.bytes(r);
    if (records::IsFreeId(records::textView(sow + SowRecord::IdAt, SowRecord::IdWidth))) continue;
    if (leftHerd) {
      rows.add(WriteSowLeftHerdLine(line, sow), slot);
    } else if (everySow || SowIsActive(sow)) {
      rows.add(WriteSowListLine(line, sow), slot);
    }
  }
}

std::vector<SowPageLine> SowPageLines(const SowPageTable& table, int page, const std::string& kindCode,
                                      const records::FileImage<SowRecord>& sows) {
  platform::ListItems rows;
  SowPageRows(table, page, kindCode, sows, rows);
  std::vector<SowPageLine> lines;
  lines.reserve(rows.size());
  for (size_t i = 0; i < rows.size(); ++i)
    lines.push_back({std::string(rows.text(i)), static_cast<int>(rows.itemData(i))});
  return lines;
}

std::vector<SowPageLine> SowPageLines(const SowPageTable& table, int page, const std::string& kindCode,
                                      const std::vector<SowRecord>& sows) {
  return SowPageLines(table, page, kindCode, records::FileImage<SowRecord>::of(sows));
}
