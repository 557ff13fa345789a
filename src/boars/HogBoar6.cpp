#include "boars/HogBoar6.h"

#include "boars/BoarHistory.h"
#include "common/Format.h"
#include "common/NumberText.h"
#include "records/Fields.h"

namespace {

constexpr IndexColumn kColumns[] = {{"Boar ID", 1500, 0},
                                    {"# Sows Bred/Farro", 2000, 0},
                                    {"Concept. Rate", 1600, 2},
                                    {"Avg. Litter Birth Wt.", 2400, 2},
                                    {"Avg. Litter Wean Wt.", 2400, 2},
                                    {"Avg. # Pigs Born", 2000, 2},
                                    {"Avg. # Pigs Still", 2000, 2}};

constexpr IndexOrder kOrders[] = {
    {"By Boar Id.", 0, true, "INDEX by BOAR ID.", "BOAR ID."},
    {"By Number of Sows Farrowed", 1, false, "INDEX by NUMBER of SOWS FARROWED", "NUMBER of SOWS FARROWED."},
    {"By Conception Rate", 2, false, "INDEX by the CONCEPTION RATE", "CONCEPTION RATE."},
    {"By Avg. Litter Birth Weight", 3, false, "INDEX by AVERAGE LITTER BIRTH WEIGHT", "AVERAGE LITTER BIRTH WEIGHT."},
    {"By Avg. Litter Weaning Weight", 4, false, "INDEX by AVERAGE LITTER WEANING WEIGHT",
     "AVERAGE LITTER WEANING WEIGHT."},
    {"By Avg. Number of Pigs Born", 5, false, "INDEX by AVERAGE NUMBER of PIGS BORN", "AVERAGE NUMBER of PIGS BORN."},
    {"By Avg. Number of Pigs Stillborn", 6, false, "INDEX by AVERAGE NUMBER PIGS STILLBORN",
     "AVERAGE NUMBER of PIGS STILLBORN."}};

// Where the five statistics print.
constexpr std::array<int, 5> kFigureColumns = {28, 40, 52, 64, 76};

const IndexWindowKind kBoarIndex{
    "HogBoar6", "BoarIndexList", "IndexMenu", "IndexByMenu", "Exit", "Boar Indexing", kColumns, kOrders, kOrders[0],
    "PRINT   BOAR  INDEXING",
    "          NUMBER SOWS    CONCEPTION   --- AVERAGE LITTER ---  AVERAGE NUMBER of PIGs",
    " BOAR ID  BRED/FARROWED     RATE      BIRTH Wt.  WEANING Wt.  BORN ALIVE   STILLBORN",
    "NO ACTIVE BOAR(s)!..   NOTHING TO INDEX!", "BOAR   INDEX   ERROR", BoarIndexLine};

// The sows-farrowed count of a printed line, four characters.
std::string countText(double value) {
  const char* mask = value < 10 ? "   0" : value < 100 ? "  00" : value < 1000 ? " 000" : "0000";
  return Format(value, mask);
}

}  // namespace

std::vector<std::string> BoarIndexCells() {
  const BoarHistoryRecord& h = BoarHistory;
  return {Trim(h.Id),
          Format(h.SowsFarrowed, "####0"),
          Format(h.ConceptionRate, "#####0.00"),
          Format(h.AvgLitterBirthWeight, "#####0.00"),
          Format(h.AvgLitterWeaningWeight, "#####0.00"),
          Format(h.AvgBorn, "#####0.00"),
          Format(h.AvgStillborn, "#####0.00")};
}

bool BoarIndexRows(platform::TextRows& cells, FileFault* fault) {
  cells.clear();
  // The index shows no adjusted 21-day weight.
  return ForEachBoarHistory(
      [&cells](long) {
        if (BoarRec.DateLeftHerd != records::kEmptyDate) return;
        for (const std::string& cell : BoarIndexCells()) cells.add(cell);
      },
      fault, Adjusted21::LeftOut);
}

std::string BoarIndexLine(const IndexCells& cells) {
  return IndexLine(cells, 14, countText(Val(std::string(cells[1]))), kFigureColumns);
}

HogBoar6::HogBoar6(QWidget* parent) : IndexWindow(kBoarIndex, parent) {}

void OpenBoarIndexing() {
  OpenIndexWindow<HogBoar6, BoarRecord>("NO BOAR(s) IN BOAR FILE!", platform::vbInformation, "BOAR INDEXING");
}
