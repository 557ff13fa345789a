#pragma once
// The sow list's page table: the SOW.DAT record numbers of the current query
// result, six pages of 802 slots. Line k of a result (from 1) lies on page
// (k - 1) / 802 + 1, slot (k - 1) % 802 + 1. A result of more than 4812 lines
// keeps the first 4812.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "records/FarrowRecord.h"
#include "records/RecordIo.h"
#include "records/SowRecord.h"
#include "common/DataFiles.h"

inline constexpr int kSowPages = 6;
inline constexpr int kSowPageSlots = 802;
inline constexpr int kSowPageLines = kSowPages * kSowPageSlots;  // 4812

// Page and slot of line k (1-based).
int PageOfLine(int line);
int SlotOfLine(int line);
// The number of pages in use for a result of `count` lines: 1 for 0 to 802
// lines, then one more for each further 802 or part of them, at most 6.
int PagesInUse(int count);

class SowPageTable {
 public:
  SowPageTable() { Clear(); }
  // Every entry 0.
  void Clear();
  // Record number at page 1 to 6, slot 1 to 802; 0 for an empty slot or a
  // position outside the table.
  int32_t At(int page, int slot) const;
  // Appends a line; false (nothing written) when all 4812 slots are taken.
  bool Add(long record);
  int Lines() const { return lines_; }

 private:
  std::array<std::array<int32_t, kSowPageSlots + 1>, kSowPages + 1> table_{};
  int lines_ = 0;
};

class SowQuery;

// Fills `table` anew with the live sows of SOW.DAT `sows` that `query` lists,
// in record order; returns the number of lines written. `litters` is
// FARROW.DAT, for the kinds that need it. The parity count and litter links of
// every record read pass through SowHistory and FarrowLinks.
int FillSowPageTable(const SowQuery& query, const records::FileImage<SowRecord>& sows,
                     const records::FileImage<FarrowRecord>& litters, SowPageTable& table);
// The same over records made in memory (record n at index n - 1).
int FillSowPageTable(const SowQuery& query, const std::vector<SowRecord>& sows,
                     const std::vector<FarrowRecord>& litters, SowPageTable& table);

// Builds `table` for the query in QueryArgs(1) and QueryArgs(2) from SOW.DAT
// (and FARROW.DAT where the kind needs it) in DataFolder, each read once.
// Returns the number of lines written; with a file that cannot be read the
// table stays empty, 0 is returned and `fault` says which. `sowsRead`, when
// given, keeps SOW.DAT as read, for showing the pages without reading again.
int BuildSowList(SowPageTable& table, FileFault* fault = nullptr,
                 records::FileImage<SowRecord>* sowsRead = nullptr);

// One line of the list window: its text and its slot on the page.
struct SowPageLine {
  std::string text;
  int slot = 0;
};

// The lines of page `page` in slot order, from SOW.DAT read as `sows`, for
// the query kind `kindCode`: slots that are empty or name a free record give
// no line; under "19" the left-the-herd line; under "0" the sow's line; under
// any other kind the sow's line unless she has left the herd. Only the
// page's records are decoded.
std::vector<SowPageLine> SowPageLines(const SowPageTable& table, int page, const std::string& kindCode,
                                      const records::FileImage<SowRecord>& sows);
// The same over records made in memory (record n at index n - 1).
std::vector<SowPageLine> SowPageLines(const SowPageTable& table, int page, const std::string& kindCode,
                                      const std::vector<SowRecord>& sows);
