#include "boars/HogBoar2.h"

#include "common/NumberText.h"
#include "sows/SowNumbers.h"

const NewAnimalKind kNewBoar = {"HogBoar2", "Boar", "N E W   B O A R   R E C O R D", "&CLEAR  FIELDS",
                                "BOAR ENTRY ERRORS", /*birthDateFirst=*/false, /*keepsHerdFields=*/false};

Check CheckNewBoarSlot(const records::NewAnimalSlot& slot) {
  if (Check used = CheckNewAnimalId(slot, kNewBoar)) return used;
  if (slot.record > kBoarFileLimit)
    return Refusal{"ERROR:   NO ROOM LEFT IN BOAR FILE!!\r\rTry Deleting some older BOAR ID(s).", kNewBoar.errorTitle,
                   platform::vbExclamation, 0};
  return std::nullopt;
}

BoarRecord NewBoarRecord(const NewBoarEntry& e) {
  BoarRecord r;
  FillNewAnimal(e, r);
  r.SowsBred = 0;
  r.NoteLine = NotePad{};
  return r;
}

HogBoar2::HogBoar2(QWidget* parent) : NewAnimalForm(kNewBoar, NewBoarRecord, parent) {}

NewAnimalForm::LastAnimal HogBoar2::Last() const {
  return {Trim(BoarHistory.Breed), Trim(BoarHistory.Location), BoarHistory.PurchasePrice};
}

bool HogBoar2::Admit(const NewAnimalEntry&, const NewAnimalPlace& place) { return !Refuse(CheckNewBoarSlot(place.slot)); }

void HogBoar2::Written(const NewAnimalEntry& e, const NewAnimalPlace& place) {
  if (!place.appended) return;
  BoarHistory.Breed = e.breed;
  BoarHistory.Location = e.location;
  BoarHistory.PurchasePrice = TypedCurrency(e.purchasePrice, kPurchasePriceNumber);
}
