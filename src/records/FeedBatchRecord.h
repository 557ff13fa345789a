#pragma once
// FEED<yyyy>.DAT: one year's feed batches, one record of 112 bytes each,
// record n at byte (n - 1) x 112; the file's name comes from
// FeedFileName(year) (common/DataFiles.h), the current one is FeedFile. The
// record number is the batch's handle and, written to five digits, its batch
// number; "M" in front of the number marks a medicated batch. A record whose
// type or batch number is blank is free; a deleted batch is blanked in place
// (a default-constructed FeedBatchRecord encodes as that free record), so the
// file never shrinks.
#include <array>
#include <cstdint>
#include <string>

#include "records/Fields.h"

struct FeedBatchRecord {
  static constexpr int Length = 112;
  static constexpr int Rows = 8;
  // Where the number stands, for the scans that read only the numbers.
  static constexpr int BatchNumberAt = 1;
  static constexpr int BatchNumberWidth = 6;

  struct Row {
    std::string IngredientCode;  // 6; blank in an empty row
    int32_t Amount = 0;          // pounds; 0 in an empty row
    bool operator==(const Row&) const = default;
  };

  std::string FeedType;       // 1: "N", "G", "F", "E" or "L"; blank = free
  std::string BatchNumber;    // 6: "00012", or "M00012" once medicated
  std::string GroupId;        // 3: the group's three digits
  std::string DateGround;     // date
  int32_t TotalPounds = 0;    // sum of the rows' amounts
  records::Currency TotalCost;  // sum of amount x unit cost over the rows
  std::array<Row, Rows> Ingredients;

  bool operator==(const FeedBatchRecord&) const = default;

  template <class M>
  void fields(M& m) {
    m.text(FeedType, 0, 1);
    m.text(BatchNumber, BatchNumberAt, BatchNumberWidth);
    m.text(GroupId, 7, 3);
    m.date(DateGround, 10);
    m.i32(TotalPounds, 20);
    m.cur(TotalCost, 24);
    for (int k = 0; k < Rows; ++k) {
      m.text(Ingredients[static_cast<size_t>(k)].IngredientCode, 32 + 10 * k, 6);
      m.i32(Ingredients[static_cast<size_t>(k)].Amount, 38 + 10 * k);
    }
  }
};

// The buffer through which the feed batch windows read and write the year's
// batch file.
extern FeedBatchRecord FeedBatchRec;
