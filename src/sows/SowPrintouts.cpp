#include "sows/SowPrintouts.h"

#include <cstring>
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

constexpr int kListingWidth = 84;
constexpr int kDueWidth = 80;
constexpr int kPageLines = 46;

// A sow ID as one number: its eight characters as SOW.DAT stores them,
// padded with blanks. A typed ID compares with a stored one without the
// stored trailing blanks, so an ID that is empty, longer than eight or ends
// in a blank matches no record: it has no number (0).
uint64_t idNumber(std::string_view id) {
  if (id.empty() || id.size() > static_cast<size_t>(SowRecord::IdWidth) || id.back() == ' ') return 0;
  char padded[SowRecord::IdWidth];
  std::memset(padded, ' ', sizeof padded);
  std::memcpy(padded, id.data(), id.size());
  uint64_t number;
  std::memcpy(&number, padded, sizeof number);
  return number;
}

uint64_t storedIdNumber(const uint8_t* sow) {
  uint64_t number;
  std::memcpy(&number, sow + SowRecord::IdAt, sizeof number);
  return number;
}

// The records of the first `scanned` records (as many as the file holds)
// holding each of the rows' IDs, in file order, from one run over the IDs.
std::unordered_map<uint64_t, std::vector<long>> recordsOfIds(const std::vector<std::string>& rowIds,
                                                            const records::FileImage<SowRecord>& sows, long scanned) {
  std::unordered_map<uint64_t, std::vector<long>> byId;
  for (const std::string& id : rowIds)
    if (const uint64_t number = idNumber(id)) byId.try_emplace(number);
  const long last = std::min(scanned, sows.count());
  for (long r = 1; r <= last; ++r)
    if (auto found = byId.find(storedIdNumber(sows.bytes(r))); found != byId.end()) found->second.push_back(r);
  return byId;
}

}  // namespace

std::vector<long> SelectedSowRecords(const std::vector<std::string>& rowIds, const records::FileImage<SowRecord>& sows) {
  const auto byId = recordsOfIds(rowIds, sows, sows.count());
  std::vector<long> selected;
  for (const std::string& id : rowIds)
    if (auto found = byId.find(idNumber(id)); found != byId.end())
      selected.insert(selected.end(), found->second.begin(), found->second.end());
  return selected;
}

void PrintChosenSows(const std::vector<long>& chosen, SowSheet sheet, const records::FileImage<SowRecord>& sows,
                     const records::FileImage<FarrowRecord>& litters) {
  SelectedSowRecs.assign(chosen.size() + 1, 0);
  std::copy(chosen.begin(), chosen.end(), SelectedSowRecs.begin() + 1);
  platform::TextRows card;
  for (long record : chosen) {
    CurrentSowRec = record;
    LoadSowHistory(record, sows, litters);
    if (sheet == SowSheet::Card) PrintSowCard(litters, card);
    else PrintSowHistory();
  }
}

const std::string& WriteSowListingLine(FixedLine& line, const uint8_t* sow) {
  static constexpr SowFieldColumns kListingColumns{2, 15, 39, 51, 60, 69, 80};
  // A date left herd other than "__/__/____" (blanks too) gives the left-the-herd line.
  if (RTrimmed(textView(sow + SowRecord::DateLeftHerdAt, 10)) != records::kEmptyDate)
    return WriteSowLeftHerdLine(line, sow);
  return WriteSowFields(line, sow, kListingColumns);
}

std::string SowListingLine(const SowRecord& sow) {
  FixedLine line(kListingWidth);
  return WriteSowListingLine(line, records::encode(sow).data());
}

std::vector<std::string> SowListingLines(const std::vector<std::string>& rowIds,
                                         const records::FileImage<SowRecord>& sows, long scanned) {
  const auto byId = recordsOfIds(rowIds, sows, scanned);
  std::vector<std::string> lines(rowIds.size() + 1);
  FixedLine line(kListingWidth);
  for (size_t r = 0; r < rowIds.size(); ++r)
    if (auto found = byId.find(idNumber(rowIds[r])); found != byId.end() && !found->second.empty())
      lines[r + 1] = WriteSowListingLine(line, sows.bytes(found->second.back()));
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

namespace {

// A date's key "YYYYMMDD" (DueDateKey) as one number: its eight characters
// read as the digits of a number in base 256, so that numbers order as the
// keys do, whatever characters the date holds.
uint64_t keyNumber(std::string_view date) {
  uint64_t number = 0;
  for (size_t at : {6, 7, 8, 9, 0, 1, 3, 4}) number = number << 8 | static_cast<unsigned char>(date[at]);
  return number;
}

}  // namespace

std::vector<std::string> DatesDueLines(const std::string& from, const std::string& to,
                                       const records::FileImage<SowRecord>& sows) {
  std::vector<std::string> lines(1);
  // A typed date too short for a key: before every key when it is the first
  // date, so that no due date is after the second.
  if (to.size() < 10) return lines;
  const uint64_t fromKey = from.size() < 10 ? 0 : keyNumber(from), toKey = keyNumber(to);
  FixedLine line(kDueWidth);
  for (long r = 1; r <= sows.count(); ++r) {
    const uint8_t* sow = sows.bytes(r);
    if (records::IsFreeId(textView(sow + SowRecord::IdAt, SowRecord::IdWidth))) continue;
    if (RTrimmed(textView(sow + SowRecord::DateLeftHerdAt, 10)) != records::kEmptyDate) continue;
    // The due date as every reader takes it; a text that holds no date of
    // ten characters has no place between two dates.
    const std::optional<std::string> due = ReadDueDate(textView(sow + SowRecord::DateDueAt, 10));
    if (!due || due->size() != 10) continue;
    if (const uint64_t key = keyNumber(*due); key < fromKey || key > toKey) continue;
    lines.push_back(line.clear()
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
                      kPageLines);
}
