#pragma once
// New boar entry: the user types one boar after another. ACCEPT checks the
// fields, refuses an ID already held by any boar of BOAR.DAT, writes the
// whole record into the first free record (else after the last) and clears
// the fields, keeping the date entered herd for the next. EXIT hides the
// window.
#include <string>

#include "boars/BoarHistory.h"
#include "records/BoarRecord.h"
#include "sows/NewAnimalForm.h"

// The fields typed for a new boar, as the window holds them.
using NewBoarEntry = NewAnimalEntry;

// The window's fields as a refusal names them: 0 to 6 the text boxes Boar(0)
// to Boar(6), then the date boxes, BoarDate(i) being field kBoarDateField + i.
inline constexpr int kBoarDateField = kNewAnimalDateField;
// The last record number a boar may take.
inline constexpr long kBoarFileLimit = 32767;

// What the new boar window says and does as a new animal window: ACCEPT
// checks what was typed through CheckNewAnimalEntry with it, the date
// entered herd before the date of birth.
extern const NewAnimalKind kNewBoar;
// ACCEPT's check of the slot read from BOAR.DAT: no live boar may hold the
// ID, and the record must lie within the file's limit.
Check CheckNewBoarSlot(const records::NewAnimalSlot& slot);

// The record written for a new boar: in the herd, without notes, sale or
// sows bred; the checked numbers as their fields store them, an empty one 0.
BoarRecord NewBoarRecord(const NewBoarEntry& entry);

class HogBoar2 : public NewAnimalForm {
 public:
  explicit HogBoar2(QWidget* parent = nullptr);

  // 0 ID, 1 breed, 2 location, 3 days to 230, 4 loineye, 5 backfat,
  // 6 purchase price.
  platform::ControlArray<platform::TextBox>& Boar = Box;
  // 0 date of birth, 1 date entered herd, 2 PRV date.
  platform::ControlArray<platform::MaskedDateBox>& BoarDate = DateBox;

 protected:
  LastAnimal Last() const override;
  bool Admit(const NewAnimalEntry& entry, const NewAnimalPlace& place) override;
  // A boar written past the file's end is the one the next new boar starts
  // from.
  void Written(const NewAnimalEntry& entry, const NewAnimalPlace& place) override;
};
