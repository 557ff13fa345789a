#include "sows/AnimalCard.h"

#include "common/DateChecks.h"
#include "common/HogGlobals.h"
#include "common/NumberText.h"
#include "common/Paths.h"
#include "records/Fields.h"
#include "sows/SowNumbers.h"

namespace {

Check optionalDate(const std::string& date, int field) {
  return date == records::kEmptyDate ? std::nullopt : CheckDate(date, kFirstDataYear, field);
}

}  // namespace

Check CheckAnimalCardDates(const AnimalCardEntry& e, const std::string& title) {
  if (e.dateEnteredHerd == records::kEmptyDate)
    return Refusal{"DATE ENTERED HERD is a required entry!", title, platform::vbExclamation, 10};
  if (Check date = CheckDate(e.dateEnteredHerd, kFirstDataYear, 10)) return date;
  if (Check date = optionalDate(e.dateOfBirth, 4)) return date;
  if (Check date = optionalDate(e.dateLeftHerd, 11)) return date;
  return optionalDate(e.prvDate, 9);
}

Check CheckAnimalCardNumbers(const AnimalCardEntry& e, const std::string& title) {
  return CheckTypedNumbers({{e.backfat, kBackfatNumber, 3},
                            {e.daysTo230, kDaysTo230Number, 5},
                            {e.loineye, kLoineyeNumber, 6},
                            {e.purchasePrice, kPurchasePriceNumber, 7},
                            {e.soldPrice, kSoldPriceNumber, 8}},
                           title);
}

AnimalCardNumbers ReadAnimalCardNumbers(const AnimalCardEntry& e, const AnimalHistoryRecord& shown,
                                        const AnimalCardFigureBoxes& boxes) {
  return {WholeOf(e.daysTo230), KeptSingle(e.backfat, shown.Backfat, boxes.backfat, kBackfatNumber),
          KeptSingle(e.loineye, shown.Loineye, boxes.loineye, kLoineyeNumber),
          KeptCurrency(e.purchasePrice, shown.PurchasePrice, boxes.purchasePrice, kPurchasePriceNumber),
          KeptCurrency(e.soldPrice, shown.SoldPrice, boxes.soldPrice, kSoldPriceNumber)};
}

void ApplyAnimalCard(const AnimalCardEntry& e, const AnimalCardNumbers& numbers, AnimalRecord& r) {
  r.Breed = Trim(e.breed);
  r.DateOfBirth = e.dateOfBirth;
  r.DaysTo230 = numbers.daysTo230;
  r.Backfat = numbers.backfat;
  r.PurchasePrice = numbers.purchasePrice;
  r.DateEnteredHerd = e.dateEnteredHerd;
  r.SoldPrice = numbers.soldPrice;
  r.DateLeftHerd = e.dateLeftHerd;
  r.PrvDate = e.prvDate;
  r.Location = e.location;
  r.Loineye = numbers.loineye;
}

void ApplyAnimalCardToHistory(const AnimalCardEntry& e, const AnimalCardNumbers& numbers, AnimalHistoryRecord& h) {
  h.Breed = e.breed;
  h.Backfat = numbers.backfat;
  h.DateOfBirth = e.dateOfBirth;
  h.DaysTo230 = numbers.daysTo230;
  h.Loineye = numbers.loineye;
  h.PurchasePrice = numbers.purchasePrice;
  h.SoldPrice = numbers.soldPrice;
  h.PrvDate = e.prvDate;
  h.DateEnteredHerd = e.dateEnteredHerd;
  h.DateLeftHerd = e.dateLeftHerd;
  h.Location = Trim(e.location);
}

std::string CardBoxes::text(int n) const {
  const auto k = static_cast<size_t>(n);
  return boxes[k] ? boxes[k]->Text() : dates[k]->Text();
}

QWidget* CardBoxes::field(int n) const {
  const auto k = static_cast<size_t>(n);
  if (boxes[k]) return boxes[k];
  return dates[k];
}

AnimalCardEntry CardBoxes::animalEntry() const {
  return {text(2), text(3), text(4), text(5), text(6), text(7), text(8), text(9), text(10), text(11), text(12)};
}

std::string ShownDate(const std::string& stored) {
  const std::string s = StripNulls(stored);
  return s.empty() ? records::kEmptyDate : s;
}

std::string SpacedName(const std::string& name) {
  std::string spaced;
  for (char c : UCase(name)) {
    if (!spaced.empty()) spaced += ' ';
    spaced += c;
  }
  return spaced;
}

CardSteps StartCardSteps(int& cardCount) {
  cardCount = SelectedCount < 2 ? 0 : SelectedCount;
  return {SelectedCount >= 2, false};
}

CardSteps StepCard(int& cardIndex, int cardCount, int by) {
  cardIndex += by;
  SelectedCount -= by;
  if (cardCount > 0 && SelectedCount > cardCount) SelectedCount = cardCount;
  return {SelectedCount > 1, cardIndex > 1};
}
