#include "sows/SowListLine.h"

#include "common/NumberText.h"
#include "records/Fields.h"

using records::textView;

// Text fields go in as stored: their trailing blanks are the line's own.
const std::string& WriteSowFields(FixedLine& line, const uint8_t* sow, const SowFieldColumns& at) {
  return line.clear()
      .put(at.id, textView(sow + SowRecord::IdAt, SowRecord::IdWidth), 8)
      .put(at.breed, textView(sow + SowRecord::BreedAt, SowRecord::BreedWidth), 20)
      .put(at.location, textView(sow + SowRecord::LocationAt, SowRecord::LocationWidth), 8)
      .put(at.daysTo230, records::getI16(sow + SowRecord::DaysTo230At), "0", 3)
      .put(at.backfat, SingleChars(records::getF32(sow + SowRecord::BackfatAt)), 4)
      .put(at.loineye, SingleChars(records::getF32(sow + SowRecord::LoineyeAt)), 4)
      .put(at.parities, records::getI16(sow + SowRecord::ParityCountAt), "0", 2)
      .str();
}

const std::string& WriteSowLeftHerdLine(FixedLine& line, const uint8_t* sow) {
  const std::string_view left = RTrimmed(textView(sow + SowRecord::DateLeftHerdAt, 10));
  return line.clear()
      .put(2, textView(sow + SowRecord::IdAt, SowRecord::IdWidth), 8)
      .put(13, "THIS SOW LEFT THE HERD ON (" + std::string(left) + ")", 40)
      .str();
}

std::string SowListLine(const SowRecord& sow) {
  FixedLine line(kSowLineWidth);
  return WriteSowListLine(line, records::encode(sow).data());
}

std::string SowLeftHerdLine(const SowRecord& sow) {
  FixedLine line(kSowLineWidth);
  return WriteSowLeftHerdLine(line, records::encode(sow).data());
}

std::string SowIdOfRow(const std::string& row) { return Trim(row.substr(0, 9)); }
