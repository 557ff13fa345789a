#pragma once
// Drug entry: enters new drugs into DRUG.LST ("NEW") or shows and edits the
// drugs chosen in the drug list ("EDIT"), stepping through them with NEXT and
// BACK. The opener sets the caption and the mode label NE_Cont before the
// modal show; EXIT hides the window.
#include <QGroupBox>
#include <string>

#include "medication/DrugEntry.h"
#include "platform/Controls.h"
#include "platform/Form.h"
#include "platform/FormKit.h"

class Drug_2 : public platform::Form {
 public:
  explicit Drug_2(QWidget* parent = nullptr);

  platform::Label* NE_Cont;  // "NEW" or "EDIT"
  platform::TextBox* DName;
  platform::TextBox* DCode;
  platform::TextBox* Dosage;
  platform::Label* DUnit;
  QGroupBox* Frame1;  // "Drug Type"
  // 0 ML (vaccine), 1 Lb / Ton (feed medication), 2 Oz / Gal (water medication).
  platform::ControlArray<platform::OptionButton> DType;
  platform::MaskedDateBox* PurDate;
  platform::TextBox* DrugCost;
  platform::MaskedDateBox* ExpirDate;
  platform::TextBox* InvAmt;
  platform::TextBox* PurAmt;
  platform::Label* UCost;
  platform::TextBox* WithDrw;
  platform::TextBox* LotNum;
  platform::TextBox* DManf;
  platform::TextBox* DNote;
  platform::CommandButton* DAccept;
  platform::CommandButton* Dclr;
  platform::CommandButton* DNext;
  platform::CommandButton* DBack;
  platform::CommandButton* DExit;

  void DAccept_Click();
  void Dclr_Click();
  void DNext_Click();
  void DBack_Click();
  void DExit_Click();
  void DType_Click(int Index);
  void DCode_LostFocus();

  // The mode taken from NE_Cont at activation, and the place in the
  // selection of the drug on screen.
  std::string EditMode;
  int DrugIndex = 0;
  int DrugTotal = 0;
  // The trimmed code of the drug shown last.
  std::string LoadedCode;
  bool FirstClear = false;

 protected:
  void Form_Load() override;
  void Form_Activate() override;

 private:
  DrugEntry entry() const;
  // Shows drug record CurrentDrugRec.
  void LoadDrugEntry();
  void ShowUnitCost(float cost, float purchased);
  void Refuse(const Refusal& refusal);
  void StepTo(int index);
};

// Opens the drug entry window modally in `mode` ("NEW" or "EDIT", with
// SelectedDrugRecs(1..SelectedCount) chosen), then unloads it.
void OpenDrugEntry(const std::string& mode);
