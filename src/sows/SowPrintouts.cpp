#include "sows/SowPrintouts.h"

#include <algorithm>
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
#include "sows/SowListLine.h"

namespace {

using records::textView;

constexpr int kDueWidth = 80;
constexpr int kPageLines = 46;

// The records of the first `scanned` records (as many as the file holds)
// holding each of the rows' IDs, in file order, from one run over the IDs. A
// typed ID compares with a stored one without the stored trailing blanks, so
// an empty ID matches no record.
std::unordered_map<std::string, std::vector<long>> recordsOfIds(const std::vector<std::string>& rowIds,
                                                               const records::FileImage<SowRecord>& sows,
                                                               long scanned) {
  std::unordered_map<std::string, std::vector<long>> byId;
  for (const std::string& id : rowIds)
    if (!id.empty()) byId.try_emplace(id);
  const long last = std::min(scanned, sows.count());
  for (long r = 1; r <= last; ++r) {
    const std::string_view stored = RTrimmed(textView(sows.bytes(r) + SowRecord::IdAt, SowRecord::IdWidth));
    if (auto found = byId.find(std::string(stored)); found != byId.end()) found->second.push_back(r);
  }
  return byId;
}

}  // namespace

std::vector<long> SelectedSowRecords(const std::vector<std::string>& rowIds, const records::FileImage<SowRecord>& sows) {
  const auto byId = recordsOfIds(rowIds, sows, sows.count());
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

std::string WriteSowListingLine(const uint8_t* sow) {
  static constexpr SowFieldColumns kListingColumns{2, 15, 39, 51, 60, 69, 80};
  // A date left herd other than "__/__/____" (blanks too) gives the left-the-herd line.
  if (RTrimmed(textView(sow + SowRecord::DateLeftHerdAt, 10)) != records::kEmptyDate)
    return WriteSowLeftHerdLine(sow, kSowListingWidth);
  return WriteSowFields(sow, kListingColumns, kSowListingWidth);
}

std::vector<std::string> SowListingLines(const std::vector<std::string>& rowIds,
                                         const records::FileImage<SowRecord>& sows, long scanned) {
  const auto byId = recordsOfIds(rowIds, sows, scanned);
  std::vector<std::string> lines(rowIds.size());
  for (size_t r = 0; r < rowIds.size(); ++r)
    if (auto found = byId.find(rowIds[r]); found != byId.end() && !found->second.empty())
      lines[r] = WriteSowListingLine(sows.bytes(found->second.back()));
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
                      {.linesPerPage = kPageLines});
}

namespace {

// A date's key "YYYYMMDD" (DueDateKey): its year, month and day, which
// order as the dates do.
std::string dateKey(std::string_view date) {
  std::string key;
  for (size_t at : {6, 7, 8, 9, 0, 1, 3, 4}) key += date[at];
  return key;
}

}  // namespace

std::vector<std::string> DatesDueLines(const std::string& from, const std::string& to,
                                       const records::FileImage<SowRecord>& sows) {
  std::vector<std::string> lines;
  // A typed date too short for a key: before every key when it is the first
  // date, so that no due date is after the second.
  if (to.size() < 10) return lines;
  const std::string fromKey = from.size() < 10 ? "" : dateKey(from), toKey = dateKey(to);
  for (long r = 1; r <= sows.count(); ++r) {
    const uint8_t* sow = sows.bytes(r);
    if (records::IsFreeId(textView(sow + SowRecord::IdAt, SowRecord::IdWidth))) continue;
    if (RTrimmed(textView(sow + SowRecord::DateLeftHerdAt, 10)) != records::kEmptyDate) continue;
    // The due date as every reader takes it; a text that holds no date of
    // ten characters has no place between two dates.
    const std::optional<std::string> due = ReadDueDate(textView(sow + SowRecord::DateDueAt, 10));
    if (!due || due->size() != 10) continue;
    if (const std::string key = dateKey(*due); key < fromKey || key > toKey) continue;
    lines.push_back(FixedLine(kDueWidth)
                        .put(2, textView(sow + SowRecord::IdAt, SowRecord::IdWidth), 8)
                        .put(14, textView(sow + SowRecord::LocationAt, SowRecord::LocationWidth), 8)
                        .put(31, records::getI16(sow + SowRecord::ParityCountAt), "0", 2)
                        .put(42, textView(sow + SowRecord::DateBredAt, 10), 10)
                        .put(60, *due, 10)
                        .put(75, textView(sow + SowRecord::BoarIdAt, SowRecord::BoarIdWidth), 8)
                        .str());
  }
  return lines;
}

void PrintDatesDue(const std::vector<std::string>& lines) {
  PrintCourierListing("S O W    D U E    D A T E S", "",
                      " SOW ID      LOCATION       PARITY       DATE BRED         DATE DUE       BOAR ID", lines,
                      {.linesPerPage = kPageLines});
}
