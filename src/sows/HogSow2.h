#pragma once
// New sow entry: the user types one sow after another. ACCEPT checks the
// fields, refuses an ID already in SOW.DAT, writes the whole record into the
// first free record (else after the last) and clears the fields of the one
// animal, keeping breed, location, price and the date entered herd for the
// next. EXIT hides the window.
#include <string>

#include "records/SowRecord.h"
#include "sows/NewAnimalForm.h"
#include "sows/SowHistory.h"

// The fields typed for a new sow, as the window holds them.
using NewSowEntry = NewAnimalEntry;

// The window's fields as a refusal names them: 0 to 6 the text boxes Sow(0)
// to Sow(6), then the date boxes, SowDate(i) being field kSowDateField + i.
inline constexpr int kSowDateField = kNewAnimalDateField;

// What the new sow window says and does as a new animal window: ACCEPT
// checks what was typed through CheckNewAnimalEntry with it, the date of
// birth before the date entered herd.
extern const NewAnimalKind kNewSow;
// ACCEPT's check of the slot read from SOW.DAT: no live sow may hold the ID.
Check CheckNewSowSlot(const records::NewAnimalSlot& slot);

// The record written for a new sow: an active sow without litters, notes,
// boar or breeding dates, the checked numbers as their fields store them.
SowRecord NewSowRecord(const NewSowEntry& entry);
// What SowHistory holds after ACCEPT: the sow as typed (text trimmed, numbers
// as written), without breeding dates or statistics.
SowHistoryRecord NewSowHistory(const NewSowEntry& entry);

class HogSow2 : public NewAnimalForm {
 public:
  explicit HogSow2(QWidget* parent = nullptr);

  // 0 ID, 1 breed, 2 location, 3 days to 230, 4 loineye, 5 backfat,
  // 6 purchase price.
  platform::ControlArray<platform::TextBox>& Sow = Box;
  // 0 date of birth, 1 date entered herd, 2 PRV date.
  platform::ControlArray<platform::MaskedDateBox>& SowDate = DateBox;

 protected:
  LastAnimal Last() const override;
  // A sow the file holds no room for is refused after she is held as the
  // last sow entered.
  bool Admit(const NewAnimalEntry& entry, const NewAnimalPlace& place) override;
};
