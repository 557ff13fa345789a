#include "records/AnimalRecord.h"

#include "common/NumberText.h"

void FillAnimalHistory(const AnimalRecord& r, AnimalHistoryRecord& h) {
  h.Id = Trim(r.Id);
  h.Breed = Trim(r.Breed);
  h.Backfat = r.Backfat;
  h.DateOfBirth = r.DateOfBirth;
  h.DaysTo230 = r.DaysTo230;
  h.Loineye = r.Loineye;
  h.PurchasePrice = static_cast<float>(r.PurchasePrice.value());
  h.SoldPrice = static_cast<float>(r.SoldPrice.value());
  h.PrvDate = r.PrvDate;
  h.DateEnteredHerd = r.DateEnteredHerd;
  h.DateLeftHerd = r.DateLeftHerd;
  h.Location = Trim(r.Location);
}
