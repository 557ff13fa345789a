#pragma once
// The boar history card: one boar of the list's selection at a time, his
// record's fields in boxes and his litter figures beside them. ACCEPT saves
// the boxes into his record; CHAN BOAR ID gives him a new ID in BOAR.DAT,
// FARROW.DAT and SOW.DAT; << and NEXT >> step through SelectedBoarRecs,
// counting SelectedCount down and up; NOTE  PAD opens his note pad; PRINT
// prints his history sheet.
#include <string>
#include <vector>

#include "platform/Controls.h"
#include "platform/Form.h"
#include "platform/FormKit.h"
#include "records/BoarRecord.h"
#include "sows/AnimalCard.h"

// ACCEPT's checks, in order: the date entered herd is required and valid; the
// date of birth, date left herd and PRV date valid when typed; then the
// numbers must fit their fields. A refusal's field is the number of the
// card's box (4 for Boar4).
Check CheckBoarCard(const AnimalCardEntry& entry);
// The boxes saved into a boar record read from the file; ID, sows bred and
// notes keep what they held.
void ApplyBoarCard(const AnimalCardEntry& entry, BoarRecord& boar);

class HogBoar3 : public platform::Form {
 public:
  explicit HogBoar3(QWidget* parent = nullptr);

  // Boar1 to Boar22 at their numbers: Boar4, Boar9, Boar10 and Boar11 date
  // boxes, Boar14 to Boar22 figures (labels).
  platform::TextBox* BoarBox(int n) const { return boxes_[static_cast<size_t>(n)]; }
  platform::MaskedDateBox* BoarDate(int n) const { return dates_[static_cast<size_t>(n)]; }
  platform::Label* BoarFigure(int n) const { return figures_[static_cast<size_t>(n)]; }

  platform::CommandButton* ChanBoarId;
  platform::CommandButton* AcceptBoarId;
  platform::CommandButton* CancelBoarId;
  platform::CommandButton* BoarBack;
  platform::CommandButton* NextBoar;
  platform::CommandButton* NotePad;
  platform::CommandButton* PrintBoarHistry;
  platform::CommandButton* SaveChan;
  platform::CommandButton* ExitBoarHist;

  void SaveChan_Click();
  void ChanBoarId_Click();
  void AcceptBoarId_Click();
  void CancelBoarId_Click();
  void NextBoar_Click();
  void BoarBack_Click();
  void NotePad_Click();
  void PrintBoarHistry_Click();
  void ExitBoarHist_Click();

  int CardIndex() const { return cardIndex_; }

 protected:
  void Form_Load() override;

 private:
  void ShowBoarHistory();
  void Step(int by);
  void SetCardCaption();
  void EndIdChange();

  CardBoxes card_{23};
  std::vector<platform::TextBox*>& boxes_ = card_.boxes;
  std::vector<platform::MaskedDateBox*>& dates_ = card_.dates;
  std::vector<platform::Label*>& figures_ = card_.figures;
  std::string oldBoarId_;
  bool changingId_ = false;
  int cardIndex_ = 1;
  int cardCount_ = 0;
};
