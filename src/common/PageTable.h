#pragma once
// A list window's page table: the record numbers of the lines of a result,
// `Pages` pages of `Slots` slots each. Line k of a result (from 1) lies on
// page (k - 1) / Slots + 1, slot (k - 1) % Slots + 1; a result of more lines
// than the table holds keeps its first Pages x Slots.
//
//   using SowPageTable = PageTable<6, 802>;    // the sow list
//   SowPageTable table;
//   for (long r : matches) if (!table.Add(r)) break;   // full
//   long record = table.At(page, row's slot);
#include <array>
#include <cstddef>
#include <cstdint>

template <int Pages, int Slots>
class PageTable {
 public:
  static constexpr int kPages = Pages;
  static constexpr int kSlots = Slots;
  static constexpr int kLines = Pages * Slots;

  // Page and slot of line k (1-based).
  static constexpr int PageOfLine(int line) { return (line - 1) / Slots + 1; }
  static constexpr int SlotOfLine(int line) { return (line - 1) % Slots + 1; }
  // The pages in use for a result of `count` lines: 1 for 0 to Slots lines,
  // then one more for each further Slots or part of them, at most Pages.
  static constexpr int PagesInUse(int count) {
    if (count <= Slots) return 1;
    const int pages = (count + Slots - 1) / Slots;
    return pages > Pages ? Pages : pages;
  }

  // Every entry 0.
  void Clear() {
    entries_.fill(0);
    lines_ = 0;
  }
  // The record number at page 1 to Pages, slot 1 to Slots; 0 for an empty
  // slot or a position outside the table.
  int32_t At(int page, int slot) const {
    if (page < 1 || page > Pages || slot < 1 || slot > Slots) return 0;
    return entries_[index(page, slot)];
  }
  // True when page `page` holds no line (lines fill the slots in order).
  bool PageEmpty(int page) const { return At(page, 1) == 0; }
  // Appends a line; false (nothing written) when every slot is taken.
  bool Add(long record) {
    if (lines_ >= kLines) return false;
    ++lines_;
    entries_[index(PageOfLine(lines_), SlotOfLine(lines_))] = static_cast<int32_t>(record);
    return true;
  }
  int Lines() const { return lines_; }

 private:
  static size_t index(int page, int slot) { return static_cast<size_t>((page - 1) * Slots + (slot - 1)); }

  std::array<int32_t, static_cast<size_t>(kLines)> entries_{};
  int lines_ = 0;
};
