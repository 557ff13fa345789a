#include "boars/BoarHistorySheet.h"

#include "boars/BoarHistory.h"
#include "common/DateMath.h"
#include "common/Format.h"
#include "common/NumberText.h"
#include "common/PrintSheet.h"
#include "records/Fields.h"

namespace {

// A date printed after its label, nothing for the empty date.
std::string sheetDate(const std::string& date) { return date == records::kEmptyDate ? "" : date; }

}  // namespace

std::vector<std::string> BoarHistorySheetLines() {
  const BoarHistoryRecord& h = BoarHistory;
  return {"",
          "Breed of BOAR. -------------------->" + h.Breed,
          "Location of BOAR. ----------------->" + h.Location,
          "BOARs date of birth. -------------->" + h.DateOfBirth,
          "DAYs to 230 lbs. ------------------>" + (h.DaysTo230 == 0 ? "" : Format(h.DaysTo230, "###0")),
          "BACKFAT. -------------------------->" + Format(h.Backfat, "0.00"),
          "LOINEYE in sq INCHs. -------------->" + Format(h.Loineye, "0.00"),
          "Purchase price of BOAR. ----------->" + Format(h.PurchasePrice, "$0.00"),
          "Date BOAR entered the Herd. ------->" + sheetDate(h.DateEnteredHerd),
          "Sold Price of BOAR. --------------->" + Format(h.SoldPrice, "$0.00"),
          "Date BOAR left the Herd. ---------->" + sheetDate(h.DateLeftHerd),
          "PRV Date. ------------------------->" + sheetDate(h.PrvDate),
          "Number of SOWs Bred. -------------->" + Format(h.SowsBred, "####0"),
          "Number of SOWs Farrowed. ---------->" + Format(h.SowsFarrowed, "####0"),
          "Conception Rate. ------------------>" + Format(h.ConceptionRate, "0.00"),
          "Average Litter Birth Weight. ------>" + Format(h.AvgLitterBirthWeight, "0.00"),
          "Average Litter Weaning Weight. ---->" + Format(h.AvgLitterWeaningWeight, "0.00"),
          "Average Adjusted 21 Day Weight. --->" + Format(h.AvgAdjusted21DayWeight, "0.00"),
          "TOTAL Number of PIGs Born. -------->" + Format(h.TotalBorn, "####0"),
          "TOTAL Number of PIGs Stillborn. --->" + Format(h.TotalStillborn, "####0"),
          "Average Number of PIGs Born. ------>" + Format(h.AvgBorn, "0.00"),
          "Average Number of PIGs Stillborn. ->" + Format(h.AvgStillborn, "0.00")};
}

void PrintBoarHistory() {
  std::vector<std::string> notes;
  for (int k = 1; k < static_cast<int>(BoarNotes.size()); ++k) notes.push_back(Trim(BoarNotes[static_cast<size_t>(k)]));
  PrintHistorySheet("B O A R  I D (" + RTrim(BoarHistory.Id) + ")  H I S T O R Y", {12, 60, 600, 530},
                    BoarHistorySheetLines(), notes);
}
