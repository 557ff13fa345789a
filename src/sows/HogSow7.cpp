#include "sows/HogSow7.h"

#include <algorithm>

#include "common/Format.h"
#include "common/NumberText.h"
#include "records/Fields.h"
#include "records/RecordSlots.h"
#include "sows/SowHistory.h"

namespace {

constexpr IndexColumn kColumns[] = {{"Sow ID", 1500, 0},
                                    {"Parity", 1000, 0},
                                    {"Avg. Litter Birth Wt.", 2400, 2},
                                    {"Avg. Litter Wean Wt.", 2400, 2},
                                    {"Avg. # Pigs Born", 2200, 2},
                                    {"Avg. # Pigs Weaned", 2200, 2},
                                    {"Avg. # Pigs Still", 2200, 2}};

constexpr IndexOrder kOrders[] = {
    {"Average Litter Birth Weight", 2, false, "INDEX by AVERAGE LITTER BIRTH WEIGHT", "AVERAGE LITTER BIRTH WEIGHT."},
    {"Average Litter Weaning Weight", 3, false, "INDEX by AVERAGE LITTER WEANING WEIGHT",
     "AVERAGE LITTER WEANING WEIGHT."},
    {"Average Number of Pigs Born", 4, false, "INDEX by AVERAGE NUMBER of PIGS BORN", "AVERAGE NUMBER of PIGS BORN."},
    {"Average Number of Pigs Weaned", 5, false, "INDEX by AVERAGE NUMBER of PIGS WEANED",
     "AVERAGE NUMBER of PIGS WEANED."},
    {"Average Number of Pig Stillborn", 6, false, "INDEX by AVERAGE NUMBER PIGS STILLBORN",
     "AVERAGE NUMBER of PIGS STILLBORN."},
    {"Parity", 1, false, "INDEX by PARITY", "PARITY."}};

// Where the five averages print.
constexpr std::array<int, 5> kFigureColumns = {24, 40, 54, 65, 76};

const IndexWindowKind kSowIndex{
    "HogSow7", "SowIndexList", "MainMenu", "IndexMenu", "&Exit", "Sow Indexing", kColumns, kOrders,
    {"", 0, true, "INDEX by SOW ID.", "SOW ID."}, "PRINT   SOW  INDEXING",
    "                    ------ AVERAGE LITTER -------      -- AVERAGE NUMBER of PIGs --",
    " SOW ID   PARITY    BIRTH WEIGHT   WEANING WEIGHT      BORN     WEANED    STILLBORN",
    "NO ACTIVE SOW(s)!..   NOTHING TO INDEX!", "SOW   INDEX   ERROR", SowIndexLine};

}  // namespace

void AddSowIndexCells(platform::TextRows& cells, const uint8_t* sow, const SowLitterSums& litters) {
  cells.add(Trimmed(records::textView(sow + SowRecord::IdAt, SowRecord::IdWidth)));
  cells.add(Format(records::getI16(sow + SowRecord::ParityCountAt), "####0"));
  cells.add(Format(litters.averageBirthWeight(), "#####0.00"));
  cells.add(Format(litters.averageWeaningWeight(), "#####0.00"));
  cells.add(Format(litters.average(litters.born), "#####0.00"));
  cells.add(Format(litters.average(litters.weaned), "#####0.00"));
  cells.add(Format(litters.average(litters.born - litters.alive), "#####0.00"));
}

bool SowIndexRows(platform::TextRows& cells, FileFault* fault) {
  cells.clear();
  records::FileImage<SowRecord> sows;
  records::FileImage<FarrowRecord> litters;
  if (!ReadImage(sows, fault) || !ReadImage(litters, fault)) return false;
  // Room for seven cells of every sow the file holds, of figures of a few
  // digits.
  const size_t most = static_cast<size_t>(sows.count());
  cells.reserve(most * 7, most * 40);
  for (long r = 1; r <= sows.count(); ++r) {
    const uint8_t* sow = sows.bytes(r);
    if (records::IsFreeRecord(sows, r) ||
        records::textView(sow + SowRecord::DateLeftHerdAt, 10) != records::kEmptyDate)
      continue;
    AddSowIndexCells(cells, sow, SumSowLitters(sow, litters));
  }
  return true;
}

std::string SowIndexLine(const IndexCells& cells) {
  // The parity count after three blanks, as the cell reads.
  return IndexLine(cells, 11, Format(Val(std::string(cells[1])), "   0"), kFigureColumns);
}

HogSow7::HogSow7(QWidget* parent) : IndexWindow(kSowIndex, parent) {}

void OpenSowIndexing() {
  OpenIndexWindow<HogSow7, SowRecord>("NO SOW(s) IN SOW FILE!", platform::vbExclamation, "SOW INDEXING");
}
