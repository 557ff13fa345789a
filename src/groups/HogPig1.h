#pragma once
// The group list of one stage and group year: one line of figures per group,
// and the menu that takes pigs in, moves them out, edits, deletes and prints
// the groups.
#include <QMenuBar>
#include <string>

#include "platform/Controls.h"
#include "platform/Form.h"
#include "platform/Menus.h"

class HogPig1 : public platform::Form {
 public:
  explicit HogPig1(QWidget* parent = nullptr);

  enum MenuItem { PigsIn = 0, PigsOut, EditPigs, DeletePigs, Print, Help, Exit };

  platform::ListBox* PigList;
  platform::Label* Label8;  // the stage word
  QMenuBar* MenuBar;
  platform::MenuArray* PigMain;
  platform::MenuArray* PigHelp;

  void PigMain_Click(int Index);
  void PigHelp_Click(int Index);
  void FillGroupList();
  // SelectedGroupRecs and SelectedCount from the selected lines.
  void CollectSelectedGroups();

 protected:
  void Form_Load() override;

 private:
  void NewGroup();
  void OpenForSelected(const std::string& title, bool out);
  void DeleteGroups();
  void PrintGroups();
};

// Asks for a new group ID of the stage and year and reserves its record
// (CurrentGroupRec, CurrentGroupId): 0; 1 when the user gave up.
int AskNewGroupId();

// PIGLET > Nursery (0), Grower (1), Finisher (2): asks for the group year and
// shows the group list of that stage and year.
void OpenGroupList(int Index);
