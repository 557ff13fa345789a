#include "sows/SowListLine.h"

#include "common/FixedLine.h"
#include "common/NumberText.h"

std::string SowListLine(const SowRecord& sow) {
  FixedLine line(kSowLineWidth);
  line.put(2, RTrim(sow.Id), 8)
      .put(13, RTrim(sow.Breed), 20)
      .put(37, RTrim(sow.Location), 8)
      .put(49, std::to_string(sow.DaysTo230), 3)
      .put(56, SingleText(sow.Backfat), 4)
      .put(64, SingleText(sow.Loineye), 4)
      .put(73, std::to_string(sow.ParityCount), 2);
  return line.str();
}

std::string SowLeftHerdLine(const SowRecord& sow) {
  FixedLine line(kSowLineWidth);
  line.put(2, RTrim(sow.Id), 8)
      .put(13, "THIS SOW LEFT THE HERD ON (" + RTrim(sow.DateLeftHerd) + ")", 40);
  return line.str();
}

std::string SowIdOfRow(const std::string& row) { return Trim(row.substr(0, 9)); }
