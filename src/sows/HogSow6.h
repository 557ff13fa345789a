#pragma once
// The litter (farrowing) window: the sows selected on the sow list, one at
// a time (<< and NEXT >), in three columns of the same 17 litter figures.
// The entry column takes her next litter (NEW, with the sire checked against
// BOAR.DAT; at most nine) or corrects one (EDIT, then ACCEPT); panes A and B
// show any two of her litters side by side. Each column prints as a litter
// sheet, and Print All prints a sheet per litter. The figures that are never
// typed come from sows/WeaningFigures.h; the checks and the column's record
// from sows/LitterEntry.h.
#include <QMenuBar>
#include <array>
#include <string>

#include "platform/Controls.h"
#include "platform/Form.h"
#include "platform/FormKit.h"
#include "platform/Menus.h"
#include "sows/LitterEntry.h"

// What the sow list's FARROW item does: the litter window for SelectedSowRecs,
// or the sow card for a first sow with litters and no due date.
void OpenLitterWindow();

class HogSow6 : public platform::Form {
 public:
  explicit HogSow6(QWidget* parent = nullptr);

  // How the set-up of a sow ended.
  enum class Setup { Ready, NoDueDate, Refused };
  // Column numbers of FarrowGrid.
  enum Column { kEntry = 1, kPaneA, kPaneB, kPrintAll };

  // The entry column, row 1 to 17: a text box (rows 3, 4, 5, 8, 9, 12, 14,
  // 17), a date box (2, 11) or a label (the others); null where the row has
  // another kind.
  platform::TextBox* FarroBox(int row) const { return boxes_[static_cast<size_t>(row)]; }
  platform::MaskedDateBox* FarroDate(int row) const { return dates_[static_cast<size_t>(row)]; }
  platform::Label* FarroLabel(int row) const { return labels_[static_cast<size_t>(row)]; }
  // Panes A and B, rows 1 to 17.
  platform::Label* FarroA(int row) const { return paneA_[static_cast<size_t>(row)]; }
  platform::Label* FarroB(int row) const { return paneB_[static_cast<size_t>(row)]; }

  platform::CommandButton* FarroNew;
  platform::CommandButton* FarroAccept;
  platform::CommandButton* FarroEdit;
  platform::CommandButton* FarroClr;
  platform::CommandButton* FarroBack;
  platform::CommandButton* FarroNext;
  platform::ControlArray<platform::CommandButton> ParityNum;  // Par1 to Par9
  platform::CommandButton* ParityA;
  platform::CommandButton* ParityB;
  platform::CommandButton* PrintEdit;
  platform::CommandButton* PrintA;
  platform::CommandButton* PrintB;
  QMenuBar* MenuBar;
  platform::MenuArray* FarroMenu;  // 0 "&Print All", 1 "E&xit"

  void FarroNew_Click();
  void FarroAccept_Click();
  void FarroEdit_Click();
  void FarroClr_Click();
  void FarroBack_Click();
  void FarroNext_Click();
  void ParityNum_Click(int Index);
  void ParityA_Click();
  void ParityB_Click();
  void PrintEdit_Click();
  void PrintA_Click();
  void PrintB_Click();
  void FarroMenu_Click(int Index);

  // How the first sow's set-up ended when the window loaded.
  Setup Opening() const { return opening_; }
  // Column c (1 to 4) of the window's litter table.
  const LitterColumn& FarrowGrid(int c) const { return grid_[static_cast<size_t>(c)]; }

  Setup SetupSowFarrowing();
  bool PrepareNewFarrowing();
  void ShowFarrowColumn(int column);
  void ComputeWeaningInfo(int column);

 protected:
  void Form_Load() override;

 private:
  std::string entryText(int row) const;
  void setEntryText(int row, const std::string& text);
  QWidget* entryField(int row) const;
  void clearEntryColumn();
  // Moving to another sow: the entry column's litter, typed or shown, is
  // dropped and EDIT, ACCEPT and its PRINT are disabled until a litter of
  // the new sow is chosen or entered, so nothing of the sow left behind can
  // be printed or written under the new one's ID.
  void forgetEntryColumn();
  // The typed litter, or a refusal shown; the rows of an unweaned litter's
  // weaning figures cleared. A corrected litter is checked over `stored`,
  // a new one (nullptr) as typed.
  bool takeEntry(LitterColumn& column, const FarrowRecord* stored);
  void disableLitterWork();
  void showPane(int column);
  void printPane(int column);
  // Whether a parity was chosen; says so, and stops, when none was.
  bool parityChosen();
  // Asks "PRINT FARROW RECORD #..." and prints the column's sheet on Yes.
  void askAndPrint(const LitterColumn& c, const std::string& forWord);
  bool readLitter(int parity, FarrowRecord& litter);
  void step(int by);
  std::string sowId() const;
  void focusDateBorn();

  std::vector<platform::TextBox*> boxes_ = std::vector<platform::TextBox*>(18, nullptr);
  std::vector<platform::MaskedDateBox*> dates_ = std::vector<platform::MaskedDateBox*>(18, nullptr);
  std::vector<platform::Label*> labels_ = std::vector<platform::Label*>(18, nullptr);
  std::vector<platform::Label*> paneA_ = std::vector<platform::Label*>(18, nullptr);
  std::vector<platform::Label*> paneB_ = std::vector<platform::Label*>(18, nullptr);

  std::array<LitterColumn, 5> grid_{};
  std::array<bool, 10> parityEnabled_{};
  int selectedPos_ = 1;
  int sowsTotal_ = 0;
  int selectedParity_ = 0;
  int farrowParity_ = 0;
  Setup opening_ = Setup::Ready;
};
