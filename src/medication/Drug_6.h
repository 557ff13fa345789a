#pragma once
// Medication entry: vaccinations of sows, boars and piglet groups ("NEW1",
// one record per ID, ALL SELECTED running through the IDs handed over), the
// medication of a feed batch ("NEW2"), water medication ("NEW3") and the
// correction of history records ("EDIT", NEXT and BACK). The openers of
// medication/MedicationEntry.h set the caption, SwineCap, UnitVal and Mode;
// EXIT hides the window.
#include <string>
#include <vector>

#include "medication/MedicationEntry.h"
#include "platform/Controls.h"
#include "platform/Form.h"
#include "platform/FormKit.h"

// The IDs of a list's selected rows, as a sow or boar list hands them to a
// vaccination: the first nine characters of each line, trimmed.
std::vector<std::string> SelectedRowIds(const platform::ListBox& list);

class Drug_6 : public platform::Form {
 public:
  explicit Drug_6(QWidget* parent = nullptr);

  platform::Label* SwineCap;  // "SOW ID.", "BOAR ID.", "GROUP ID." or "BATCH ID."
  platform::Label* Mode;      // "NEW1", "NEW2", "NEW3" or "EDIT"
  platform::Label* UnitVal;   // "ML/CC", "LB" or "OZ"
  platform::TextBox* SwineId;
  platform::MaskedDateBox* DateUsed;
  platform::ComboBox* DrugPick;
  platform::TextBox* VCode;
  platform::TextBox* LotS;
  platform::TextBox* Dosage;
  platform::TextBox* UserInt;
  platform::CommandButton* Accept;
  platform::CommandButton* VClr;
  platform::CommandButton* SelAll;
  platform::CommandButton* VBack;
  platform::CommandButton* VNxt;
  platform::CommandButton* VExit;

  void Accept_Click();
  void VClr_Click();
  void VExit_Click();
  void SelAll_Click();
  void VNxt_Click();
  void VBack_Click();
  void DrugPick_Click();

  // EDIT: the place in SelectedDrugRecs of the record on screen, and the
  // number of records handed over.
  int RecIndex = 0;
  int RecTotal = 0;
  // Where the next ALL SELECTED run starts in SelectedIds.
  int AutoStart = 0;
  bool AcceptFailed = false;
  bool AutoAccept = false;
  // NEW1: what the last vaccination's drug could not give, drawn with the
  // next one.
  float CarriedShortfall = 0;

 protected:
  void Form_Load() override;
  void Form_Activate() override;

 private:
  MedEntry entry() const;
  void Refuse(const Refusal& refusal);
  void Fail(const FileFault& fault, bool writing);
  // Fills the drug list with the drugs of `kind` on hand (and the drug
  // `ownCode`, whatever it holds).
  void FillDrugCombo(int kind, const std::string& ownCode = "");
  // Shows history record CurrentDrugRec.
  void LoadMedEntry();
  // ACCEPT of a new record, and of an edit of `before` (the record as
  // stored), given the drugs ACCEPT found in DRUG.LST (for an edit, the old
  // dose's drug too).
  void AcceptNew(const MedEntry& e, const std::string& mode, const FoundDrugs& drugs);
  void AcceptEdit(const MedEntry& e, const MedicationRecord& before, const FoundDrugs& drugs);
  void StepDone();
};
