#include "sows/SowPrintouts.h"

#include <unordered_map>

#include "common/FixedLine.h"
#include "common/HogGlobals.h"
#include "common/NumberText.h"
#include "common/PrintListing.h"
#include "records/Fields.h"
#include "records/RecordSlots.h"
#include "sows/SowCard.h"
#include "sows/DueDateText.h"
#include "sows/SowHistory.h"
#include "sows/SowHistorySheet.h"

namespace {

constexpr int kListingWidth = 84;
constexpr int kDueWidth = 80;
constexpr int kPageLines = 46;

// The live records of the first `scanned` records by their ID without
// trailing blanks, each ID's records in file order; only the IDs are read.
std::unordered_map<std::string, std::vector<long>> recordsById(const records::FileImage<SowRecord>& sows,
                                                               long scanned) {
  std::unordered_map<std::string, std::vector<long>> byId;
  const long last = std::min(scanned, sows.count());
  for (long r = 1; r <= last; ++r) {
    const std::string id = RTrim(records::StoredId(sows, r));
    if (!id.empty()) byId[id].push_back(r);
  }
  return byId;
}

}  // namespace

std::vector<long> SelectedSowRecords(const std::vector<std::string>& rowIds, const records::FileImage<SowRecord>& sows) {
  const auto byId = recordsById(sows, sows.count());
  std::vector<long> selected;
  for (const std::string& id : rowIds)
    if (auto found = byId.find(id); found != byId.end())
      selected.insert(selected.end(), found->second.begin(), found->second.end());
  return selected;
}

void PrintChosenSows(const std::vector<long>& chosen, SowSheet sheet, const records::FileImage<SowRecord>& sows,
                     const records::FileImage<FarrowRecord>& litters) {
  SelectedSowRecs.assign(chosen.size() + 1, 0);
  std::copy(chosen.begin(), chosen.end(), SelectedSowRecs.begin() + 1);
  for (long record : chosen) {
    CurrentSowRec = record;
    LoadSowHistory(record, sows, litters);
    if (sheet == SowSheet::Card) PrintSowCard(litters);
    else PrintSowHistory();
  }
}

std::string SowListingLine(const SowRecord& sow) {
  FixedLine line(kListingWidth);
  line.put(2, RTrim(sow.Id), 8);
  if (RTrim(sow.DateLeftHerd) != records::kEmptyDate)
    return line.put(13, "THIS SOW LEFT THE HERD ON (" + RTrim(sow.DateLeftHerd) + ")", 40).str();
  return line.put(15, RTrim(sow.Breed), 20)
      .put(39, RTrim(sow.Location), 8)
      .put(51, std::to_string(sow.DaysTo230), 3)
      .put(60, SingleText(sow.Backfat), 4)
      .put(69, SingleText(sow.Loineye), 4)
      .put(80, std::to_string(sow.ParityCount), 2)
      .str();
}

std::vector<std::string> SowListingLines(const std::vector<std::string>& rowIds,
                                         const records::FileImage<SowRecord>& sows, long scanned) {
  const auto byId = recordsById(sows, scanned);
  std::vector<std::string> lines(rowIds.size() + 1);
  SowRecord sow;
  for (size_t r = 0; r < rowIds.size(); ++r) {
    auto found = byId.find(rowIds[r]);
    if (found == byId.end()) continue;
    sows.decode(found->second.back(), sow);
    lines[r + 1] = SowListingLine(sow);
  }
  return lines;
}

std::string SowListingHeading(const std::string& captionPrefix) {
  std::string caption = RTrim(captionPrefix);
  caption.resize(caption.size() > 4 ? caption.size() - 4 : 0);
  return FixedLine(80).put(2, caption, 79).put(51, "Days To", 7).str();
}

void PrintSowListing(const std::vector<std::string>& lines, const std::string& captionPrefix) {
  PrintCourierListing("S O W   L I S T I N G", SowListingHeading(captionPrefix),
                      " SOW ID             BREED             LOCATION    230 Lbs  BACKFAT  LOINEYE  PARITY", lines,
                      kPageLines);
}

std::string DueDateKey(const std::string& date) {
  if (date.size() < 10) return "";
  return date.substr(6, 4) + date.substr(0, 2) + date.substr(3, 2);
}

StoredDue StoredDueDate(const std::string& stored) {
  const std::string due = RTrim(stored);
  if (due.size() == 10) {
    if (due == records::kEmptyDate) return {};
    return {DueDateKey(due), due};
  }
  const std::optional<std::string> date = EightDigitDate(due);
  if (!date) return {};
  return {DueDateKey(*date), *date};
}

std::vector<std::string> DatesDueLines(const std::string& from, const std::string& to,
                                       const records::FileImage<SowRecord>& sows) {
  static const SowRecord p;
  static const records::FieldMask<SowRecord> used(
      p, {&p.Id, &p.Location, &p.DateLeftHerd, &p.ParityCount, &p.DateBred, &p.DateDue, &p.BoarId});
  const std::string fromKey = DueDateKey(from), toKey = DueDateKey(to);
  std::vector<std::string> lines(1);
  SowRecord sow;
  for (long r = 1; r <= sows.count(); ++r) {
    if (records::IsFreeRecord(sows, r)) continue;
    sows.decode(r, sow, used);
    if (RTrim(sow.DateLeftHerd) != records::kEmptyDate) continue;
    const StoredDue due = StoredDueDate(sow.DateDue);
    if (due.key.empty() || due.key < fromKey || due.key > toKey) continue;
    lines.push_back(FixedLine(kDueWidth)
                        .put(2, RTrim(sow.Id), 8)
                        .put(14, RTrim(sow.Location), 8)
                        .put(31, std::to_string(sow.ParityCount), 2)
                        .put(42, sow.DateBred, 10)
                        .put(60, due.text, 10)
                        .put(75, sow.BoarId, 8)
                        .str());
  }
  return lines;
}

void PrintDatesDue(const std::vector<std::string>& lines) {
  PrintCourierListing("S O W    D U E    D A T E S", "",
                      " SOW ID      LOCATION       PARITY       DATE BRED         DATE DUE       BOAR ID", lines,
                      kPageLines);
}
