#include "sows/SowListLine.h"

#include "records/Fields.h"

using records::textView;

std::string WriteSowLeftHerdLine(const uint8_t* sow, int width) {
  const std::string_view left = RTrimmed(textView(sow + SowRecord::DateLeftHerdAt, 10));
  return FixedLine(width)
      .put(2, textView(sow + SowRecord::IdAt, SowRecord::IdWidth), 8)
      .put(13, "THIS SOW LEFT THE HERD ON (" + std::string(left) + ")", 40)
      .str();
}

std::string SowIdOfRow(const std::string& row) { return Trim(row.substr(0, 9)); }
