#include "groups/HogPig2.h"

#include "common/DateChecks.h"
#include "common/HogGlobals.h"
#include "common/NumberText.h"
#include "groups/GroupMoves.h"
#include "platform/Dialogs.h"
#include "platform/FormKit.h"

using namespace platform;

HogPig2::HogPig2(QWidget* parent) : Form("HogPig2", parent) {
  setFont(makeFont("MS Sans Serif", 8, true));
  constexpr RowPitch rows{360, 480};
  AddLabel(this, "Label1", "DATE IN.", {240, rows(0), 2400, 285});
  AddLabel(this, "Label2", "NUNBER of PIG(s) IN.", {240, rows(1), 2400, 285});
  AddLabel(this, "Label3", "WEIGHT IN.", {240, rows(2), 2400, 285});
  DateIn = AddDateBox(this, "DateIn", {2760, rows(0), 1335, 315});
  PigIn = AddTextBox(this, "PigIn", {2760, rows(1), 1335, 315}, 6);
  WtIn = AddTextBox(this, "WtIn", {2760, rows(2), 1335, 315}, 8);
  Accept = AddButton(this, "Accept", " &ACCEPT", {600, rows(3) + 120, 1335, 435}, [this] { Accept_Click(); });
  Clear = AddButton(this, "Clear", " &CLEAR", {2400, rows(3) + 120, 1335, 435}, [this] { Clear_Click(); });
  SetTabOrder({DateIn, PigIn, WtIn, Accept, Clear});
  SetBoundsTwips(2400, 1800, 4500, 2600);  // over the list, below its captions
}

void HogPig2::Form_Load() {
  DateIn->SetText(DateText);
  PigIn->SetText("");
  WtIn->SetText("");
}

void HogPig2::Accept_Click() {
  const PigsInEntry e{DateIn->Text(), PigIn->Text(), WtIn->Text()};
  QWidget* fields[] = {DateIn, PigIn, WtIn};
  if (Check refused = CheckDateIn(e, kNewGroupTexts)) return ShowRefusal(*refused, fields[refused->field]);
  if (ValidateDate(e.dateIn, kFirstDataYear, -1) != kDateValid) return DateIn->SetFocus();
  if (Check refused = CheckPigsIn(e, kNewGroupTexts)) return ShowRefusal(*refused, fields[refused->field]);
  GroupBook book;
  if (!book.readGroups(kNewGroupTexts.title)) return;
  const std::string letter = StageLetter(PigletMenuChoice);
  bool found = false;
  for (long n : book.groupsOf(CurrentGroupId)) {
    const GroupRecord g = book.group(n);
    if (g.Stage == letter) {
      GroupRec = g;
      found = true;
      break;
    }
  }
  if (!found) {
    Alert("CAN'T FIND GROUP TYPE RECORD!\r\rERROR OCCURED IN MODULE HOGPIG2.\rIN SUB ACCEPT_CLICK.\r\rYou "
          "shouldn't be getting this error.\rI want to know about this one!",
          vbCritical | vbOKOnly, "GROUP   ENTRY   ERROR");
    return;
  }
  FillPigsIn(GroupRec, e, kNewGroupTexts);
  GroupRec.SubGroup = PigletMenuChoice == 0 ? 0 : 10;
  if (!WriteGroupRecord(CurrentGroupRec, GroupRec, kNewGroupTexts.title)) return;
  Hide();
}

void HogPig2::Clear_Click() {
  DateIn->SetText(DateText);
  PigIn->SetText("");
  WtIn->SetText("");
  DateIn->SetFocus();
}

void HogPig2::Form_QueryUnload(int& /*Cancel*/, int UnloadMode) {
  if (UnloadMode == vbFormControlMenu) WriteGroupRecord(CurrentGroupRec, BlankGroup(), kNewGroupTexts.title);
}
