#pragma once
// The sow history card: one sow of the list's selection at a time, her
// record's fields in boxes and her litter statistics as figures. ACCEPT saves
// the boxes into her record (the due date is the date bred + 114 days, and a
// sow that left the herd marks her litters as left); CHAN ID gives her a new
// ID; << and NEXT >> step through SelectedSowRecs, counting SelectedCount
// down and up; NOTE PAD opens her note pad; PRINT prints her history sheet.
#include <string>

#include "common/DataFiles.h"
#include "common/WriteSet.h"
#include "records/RecordIo.h"
#include "records/SowRecord.h"
#include "sows/AnimalCardForm.h"

// The boxes of the card as typed; the dates "__/__/____" when empty.
struct SowCardEntry : AnimalCardEntry {
  std::string dateBred, boarId;
};

// ACCEPT's checks, in order: the date entered herd is required and valid; the
// date of birth, date left herd and PRV date valid when typed; the date bred
// valid when typed, with room for its due date; then the numbers must fit
// their fields. A refusal's field is the number of the card's box (4 for
// Sow4, 27 for Sow27).
Check CheckSowCard(const SowCardEntry& entry);
// The due date stored for a date bred: 114 days later, "" when none is typed.
std::string SowCardDueDate(const std::string& dateBred);
// What the due-date label shows of a stored due date.
std::string DueDateLabel(const std::string& stored);
// The boxes saved into a sow record read from the file, with their numbers
// (AnimalCardForm::CardNumbers) and the due date of the date bred
// (SowCardDueDate), each read once for the save; ID, parities, links and
// notes keep what they held.
void ApplySowCard(const SowCardEntry& entry, const AnimalCardNumbers& numbers, const std::string& dateDue,
                  SowRecord& sow);
// The working block brought up to date from the saved boxes.
void ApplySowCardToHistory(const SowCardEntry& entry, const AnimalCardNumbers& numbers, const std::string& dateDue);
// A save of her record `sow` at `record` with her litters, in `set`: every
// litter marked as left (2) while she has a date left herd, one marked as
// left back in the herd (1) when the date is cleared (only the status bytes
// of a litter whose status changes are written), then her record. SOW.DAT
// and, for a sow with litters, FARROW.DAT are opened for writing before
// either is written; FARROW.DAT is read once. False when it cannot be read
// (`fault`); a write fault is the set's, which then leaves both files as
// they were.
bool SaveSowCard(WriteSet& set, long record, const SowRecord& sow, bool leftHerd, FileFault* fault);
// CHAN ID's check of a typed ID against every record of SOW.DAT, the sow's
// own and free records included, compared exactly after trimming.
Check CheckChangedSowId(const std::string& typed, const records::FileImage<SowRecord>& sows);

class HogSow3 : public AnimalCardForm {
 public:
  explicit HogSow3(QWidget* parent = nullptr);

  // Sow1 to Sow29 at their numbers; Sow13 to Sow26 and Sow28 are figures
  // (labels), Sow4, Sow9, Sow10, Sow11 and Sow27 date boxes.
  platform::TextBox* SowBox(int n) const { return Box(n); }
  platform::MaskedDateBox* SowDate(int n) const { return DateBox(n); }
  platform::Label* SowFigure(int n) const { return Figure(n); }

  platform::CommandButton*& ChanSowId = ChanId;
  platform::CommandButton*& AcceptSowId = AcceptId;
  platform::CommandButton*& CancelSowId = CancelId;
  platform::CommandButton*& SowBack = Back;
  platform::CommandButton*& NextSow = Next;
  platform::CommandButton*& PrintSowHistory = Print;
  platform::CommandButton*& SExit = ExitCard;

  void SaveChan_Click() override;
  void AcceptId_Click() override;

 protected:
  void ShowHistory() override;

 private:
  SowCardEntry entry() const;
};
