#pragma once
// The boar history card: one boar of the list's selection at a time, his
// record's fields in boxes and his litter figures beside them. ACCEPT saves
// the boxes into his record; CHAN BOAR ID gives him a new ID in BOAR.DAT,
// FARROW.DAT and SOW.DAT; << and NEXT >> step through SelectedBoarRecs,
// counting SelectedCount down and up; NOTE  PAD opens his note pad; PRINT
// prints his history sheet.
#include <string>

#include "records/BoarRecord.h"
#include "sows/AnimalCardForm.h"

// ACCEPT's checks, in order: the date entered herd is required and valid; the
// date of birth, date left herd and PRV date valid when typed; then the
// numbers must fit their fields. A refusal's field is the number of the
// card's box (4 for Boar4).
Check CheckBoarCard(const AnimalCardEntry& entry);
// The boxes saved into a boar record read from the file, with their numbers
// (AnimalCardForm::CardNumbers); ID, sows bred and notes keep what they held.
void ApplyBoarCard(const AnimalCardEntry& entry, const AnimalCardNumbers& numbers, BoarRecord& boar);

class HogBoar3 : public AnimalCardForm {
 public:
  explicit HogBoar3(QWidget* parent = nullptr);

  // Boar1 to Boar22 at their numbers: Boar4, Boar9, Boar10 and Boar11 date
  // boxes, Boar14 to Boar22 figures (labels).
  platform::TextBox* BoarBox(int n) const { return Box(n); }
  platform::MaskedDateBox* BoarDate(int n) const { return DateBox(n); }
  platform::Label* BoarFigure(int n) const { return Figure(n); }

  platform::CommandButton*& ChanBoarId = ChanId;
  platform::CommandButton*& AcceptBoarId = AcceptId;
  platform::CommandButton*& CancelBoarId = CancelId;
  platform::CommandButton*& BoarBack = Back;
  platform::CommandButton*& NextBoar = Next;
  platform::CommandButton*& PrintBoarHistry = Print;
  platform::CommandButton*& ExitBoarHist = ExitCard;

  // The boxes saved, then the card filled again from the file.
  void SaveChan_Click() override;
  // Enter in the ID box does what ACCEPT does.
  void AcceptId_Click() override;

 protected:
  void ShowHistory() override;
};
