#include "boars/BoarHistorySheet.h"

#include <array>

#include "boars/BoarHistory.h"
#include "common/DateMath.h"
#include "common/Format.h"
#include "common/NumberText.h"
#include "common/PrintSheet.h"
#include "records/Fields.h"

// ---- The adjusted 21-day weight of a litter ---------------------------------
// The factors by age at weaning, 14 to 34 days, and the litter's adjusted
// weight. The litter window's weaning figures compute the same; this is the
// one place the boar figures take it from.
namespace {

constexpr int kFirstFactorAge = 14;
constexpr std::array<float, 21> kAdjFactor21Day = {1.29f, 1.24f, 1.19f, 1.15f, 1.11f, 1.07f, 1.03f,
                                                   1.00f, 0.97f, 0.94f, 0.91f, 0.88f, 0.86f, 0.84f,
                                                   0.82f, 0.80f, 0.78f, 0.77f, 0.76f, 0.75f, 0.73f};

}  // namespace

std::optional<float> AdjustedWeight21(const FarrowRecord& litter) {
  if (IsEmptyDate(litter.DateWeaned)) return std::nullopt;
  const std::optional<long> age = DaysBetween(litter.DateBorn, litter.DateWeaned);
  if (!age || *age < kFirstFactorAge || *age >= kFirstFactorAge + static_cast<long>(kAdjFactor21Day.size()))
    return std::nullopt;
  return kAdjFactor21Day[static_cast<size_t>(*age - kFirstFactorAge)] * litter.WeaningWeight;
}
// ------------------------------------------------------------------------------

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
