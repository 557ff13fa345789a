#pragma once
// The fixed-column lines of the sow list, 80 characters:
//   col 2 ID (8), col 13 breed (20), col 37 location (8), col 49 days to 230
//   (3), col 56 backfat (4), col 64 loineye (4), col 73 parity count (2);
// a sow that left the herd: col 2 ID (8), col 13 (40) "THIS SOW LEFT THE HERD
// ON (" date ")". Values are left-aligned and cut to their columns.
#include <cstdint>
#include <string>

#include "common/FixedLine.h"
#include "common/NumberText.h"
#include "records/Fields.h"
#include "records/SowRecord.h"

inline constexpr int kSowLineWidth = 80;

// Where a line stands a sow's seven fields: ID (8), breed (20), location
// (8), days to 230 (3), backfat (4), loineye (4), parity count (2).
struct SowFieldColumns {
  int id, breed, location, daysTo230, backfat, loineye, parities;
};
inline constexpr SowFieldColumns kSowListColumns{2, 13, 37, 49, 56, 64, 73};

// The line, `width` wide, of the seven fields of the sow stored in `sow`
// (her SOW.DAT bytes) written at `columns`. Text fields go in as stored:
// their trailing blanks are the line's own.
inline std::string WriteSowFields(const uint8_t* sow, const SowFieldColumns& at, int width) {
  using records::textView;
  return FixedLine(width)
      .put(at.id, textView(sow + SowRecord::IdAt, SowRecord::IdWidth), 8)
      .put(at.breed, textView(sow + SowRecord::BreedAt, SowRecord::BreedWidth), 20)
      .put(at.location, textView(sow + SowRecord::LocationAt, SowRecord::LocationWidth), 8)
      .put(at.daysTo230, records::getI16(sow + SowRecord::DaysTo230At), "0", 3)
      .put(at.backfat, SingleText(records::getF32(sow + SowRecord::BackfatAt)), 4)
      .put(at.loineye, SingleText(records::getF32(sow + SowRecord::LoineyeAt)), 4)
      .put(at.parities, records::getI16(sow + SowRecord::ParityCountAt), "0", 2)
      .str();
}
// The list's lines of the sow stored in `sow`, kSowLineWidth wide; the
// left-the-herd line is also a line of the listing, `width` wide (52 columns
// or more).
inline std::string WriteSowListLine(const uint8_t* sow) { return WriteSowFields(sow, kSowListColumns, kSowLineWidth); }
std::string WriteSowLeftHerdLine(const uint8_t* sow, int width = kSowLineWidth);

// The sow ID a list row shows: its first nine characters without blanks.
std::string SowIdOfRow(const std::string& row);
