#include "sows/HogSow7.h"

#include "common/Format.h"
#include "common/NumberText.h"
#include "records/Fields.h"
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

std::vector<std::string> SowIndexCells() {
  const SowHistoryRecord& h = SowHistory;
  return {Trim(h.Id),
          Format(h.ParityCount, "####0"),
          Format(h.AvgLitterBirthWeight, "#####0.00"),
          Format(h.AvgLitterWeaningWeight, "#####0.00"),
          Format(h.AvgBorn, "#####0.00"),
          Format(h.AvgWeaned, "#####0.00"),
          Format(h.AvgStillborn, "#####0.00")};
}

bool SowIndexRows(std::vector<std::vector<std::string>>& rows, FileFault* fault) {
  rows.clear();
  return ForEachSowHistory(
      [&rows](long) {
        if (SowRec.DateLeftHerd == records::kEmptyDate) rows.push_back(SowIndexCells());
      },
      fault);
}

std::string SowIndexLine(const std::vector<std::string>& cells) {
  return IndexLine(cells, 11, Format(Val(cells[1]), "   0"), kFigureColumns);
}

HogSow7::HogSow7(QWidget* parent) : IndexWindow(kSowIndex, parent) {}

void OpenSowIndexing() {
  OpenIndexWindow<HogSow7, SowRecord>("NO SOW(s) IN SOW FILE!", platform::vbExclamation, "SOW INDEXING");
}
