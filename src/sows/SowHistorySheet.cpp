#include "sows/SowHistorySheet.h"

#include "common/Format.h"
#include "common/NumberText.h"
#include "common/PrintSheet.h"
#include "records/Fields.h"
#include "sows/SowHistory.h"

namespace {

// A date printed after its label, nothing for the empty date.
std::string sheetDate(const std::string& date) { return date == records::kEmptyDate ? "" : date; }

}  // namespace

std::vector<std::string> SowHistorySheetLines() {
  const SowHistoryRecord& h = SowHistory;
  return {"",
          "Breed of SOW. -------------------------------->" + h.Breed,
          "Location of SOW. ----------------------------->" + h.Location,
          "SOWs date of birth. -------------------------->" + sheetDate(h.DateOfBirth),
          "DAYs to 230 lbs. ----------------------------->" + Format(h.DaysTo230, "###0"),
          "BACKFAT. ------------------------------------->" + Format(h.Backfat, "0.00"),
          "LOINEYE in sq INCHs. ------------------------->" + Format(h.Loineye, "0.00"),
          "Purchase price of SOW. ----------------------->" + Format(h.PurchasePrice, "$0.00"),
          "Date SOW entered the Herd.  ------------------>" + sheetDate(h.DateEnteredHerd),
          "Sold Price of SOW. --------------------------->" + Format(h.SoldPrice, "$0.00"),
          "Date SOW left the Herd. ---------------------->" + sheetDate(h.DateLeftHerd),
          "PRV Date. ------------------------------------>" + sheetDate(h.PrvDate),
          "Number of Parities. -------------------------->" + Format(h.ParityCount, "####0"),
          "TOTAL Number of Pigs Weaned. ----------------->" + Format(h.TotalWeaned, "####0"),
          "Average Number of Pigs Weaned. --------------->" + Format(h.AvgWeaned, "0.0"),
          "Average Litter Birth Weight. ----------------->" + Format(h.AvgLitterBirthWeight, "0.00"),
          "Average Litter Weaning Weight. --------------->" + Format(h.AvgLitterWeaningWeight, "0.00"),
          "Average Age at Weaning. ---------------------->" + Format(h.AvgWeaningAge, "0.00"),
          "TOTAL Number of PIGs Born. ------------------->" + Format(h.TotalBorn, "####0"),
          "TOTAL Number of PIGs Stillborn. -------------->" + Format(h.TotalStillborn, "####0"),
          "TOTAL Number of PIGs Born Alive. ------------->" + Format(h.TotalBornAlive, "####0"),
          "Average Number of PIGs Born. ----------------->" + Format(h.AvgBorn, "0.00"),
          "Average Number of PIGs Stillborn. ------------>" + Format(h.AvgStillborn, "0.00"),
          "Average Number of PIGs Born Alive. ----------->" + Format(h.AvgBornAlive, "0.00"),
          "Average Number of Pigs Fostered to Sow. ------>" + Format(h.AvgFosteredTo, "0.00"),
          "Averege Number of Pigs Fostered from Sow. ---->" + Format(h.AvgFosteredFrom, "0.00"),
          "TOTAL Number of Pigs Fostered to Sow. -------->" + Format(h.TotalFosteredTo, "####0"),
          "TOTAL Number of Pigs Fostered from Sow. ------>" + Format(h.TotalFosteredFrom, "####0")};
}

void PrintSowHistory() {
  std::vector<std::string> notes;
  for (int k = 1; k < static_cast<int>(SowNotes.size()); ++k) notes.push_back(RTrim(SowNotes[static_cast<size_t>(k)]));
  PrintHistorySheet("S O W  I D (" + Trim(SowHistory.Id) + ")  H I S T O R Y", {10, 30, 400, 330},
                    SowHistorySheetLines(), notes);
}
