#include "groups/HogPig4.h"

#include <QGroupBox>

#include "common/DataFiles.h"
#include "common/DateChecks.h"
#include "common/FigureBox.h"
#include "common/Format.h"
#include "common/HogGlobals.h"
#include "common/NumberText.h"
#include "groups/GroupMoves.h"
#include "platform/FormKit.h"

using namespace platform;

namespace {
const FigureBox kWeightInBox{"0.00", 8};
const char* const kEditCaptions[] = {"E D I T   N U R S E R Y   G R O U P (", "E D I T   G R O W E R   G R O U P (",
                                     "E D I T   F I N I S H E R   G R O U P ("};
}

HogPig4::HogPig4(QWidget* parent) : Form("HogPig4", parent) {
  setFont(makeFont("MS Sans Serif", 8, true));
  constexpr RowPitch rows{240, 480};
  AddLabel(this, "Label1", "NUMBER OF PIGs ENTERING ", {240, rows(0), 2500, 285});
  AddLabel(this, "Label2", "WEIGHT OF PIGs ENTERING", {240, rows(1), 2500, 285});
  AddLabel(this, "Label3", "DATE OF PIGs ENTERING ", {240, rows(2), 2500, 285});
  NumPigEnt = AddLabel(this, "NumPigEnt", "", {2760, rows(0), 1200, 285});
  WtEnt = AddLabel(this, "WtEnt", "", {2760, rows(1), 1200, 285});
  DatePigEnt = AddLabel(this, "DatePigEnt", "", {2760, rows(2), 1200, 285});
  PigIn = AddTextBox(this, "PigIn", {4080, rows(0), 1335, 315}, 6);
  WeightIn = AddTextBox(this, "WeightIn", {4080, rows(1), 1335, 315}, kWeightInBox.maxLength);
  DateIn = AddDateBox(this, "DateIn", {4080, rows(2), 1335, 315});
  auto* frame = new QGroupBox(QString::fromLatin1("COMPUTE DEATH LOSS ?"), this);
  placeTwips(frame, 240, rows(3), 2800, 600);
  DthLossY = AddOption(frame, "DthLossY", "YES", {240, 240, 900, 285});
  DthLossN = AddOption(frame, "DthLossN", "NO", {1440, 240, 900, 285});
  connect(DthLossY, &QRadioButton::clicked, this, [this] { DeathLossFlag = -1; });
  connect(DthLossN, &QRadioButton::clicked, this, [this] { DeathLossFlag = 0; });
  Accept = AddButton(this, "Accept", " &ACCEPT", {240, rows(5), 1335, 435}, [this] { Accept_Click(); });
  Clear = AddButton(this, "Clear", " CLEAR", {1800, rows(5), 1335, 435}, [this] { Clear_Click(); });
  NextGroup = AddButton(this, "NextGroup", " &NEXT", {3360, rows(5), 1335, 435}, [this] { NextGroup_Click(); });
  NextGroup->setVisible(false);
  SetTabOrder({PigIn, WeightIn, DateIn, DthLossY, DthLossN, Accept, Clear, NextGroup});
  SetBoundsTwips(2400, 1800, 5800, 3400);  // over the list, below its captions
}

void HogPig4::Form_Load() {
  TellUnreachableRecords({LoadedFileOf<GroupRecord>()});
  NextGroup->setVisible(SelectedCount >= 2);
  StepIndex = 1;
  CurrentGroupRec = SelectedGroupRecs.size() > 1 ? SelectedGroupRecs[1] : 0;
  LoadGroupEdit();
}

void HogPig4::LoadGroupEdit() {
  GroupBook book;
  if (!book.readGroups(kEditGroupTexts.title)) return;
  GroupRec = book.group(CurrentGroupRec);
  DeathLossFlag = GroupRec.DeathLoss;
  const int stage = std::max(0, StageOf(GroupRec.Stage));
  SetCaption(kEditCaptions[stage] + RTrim(GroupRec.GroupId) + ")");
  for (Label* l : {NumPigEnt, WtEnt, DatePigEnt}) l->SetCaption(StageWord(stage) + ".");
  PigIn->SetText(FormatInteger(GroupRec.PigsIn, "##0"));
  WeightIn->SetText(FigureText(GroupRec.WeightIn, kWeightInBox));
  DateIn->SetText(GroupRec.DateIn);
  (GroupRec.DeathLoss == -1 ? DthLossY : DthLossN)->SetValue(true);
}

void HogPig4::Accept_Click() {
  const PigsInEntry e{DateIn->Text(), PigIn->Text(), WeightIn->Text()};
  QWidget* fields[] = {DateIn, PigIn, WeightIn};
  if (Check refused = CheckDateIn(e, kEditGroupTexts)) return ShowRefusal(*refused, fields[refused->field]);
  if (ValidateDate(e.dateIn, kFirstDataYear, -1) != kDateValid) return DateIn->SetFocus();
  if (Check refused = CheckPigsIn(e, kEditGroupTexts)) return ShowRefusal(*refused, fields[refused->field]);
  GroupBook book;
  if (!book.read(kEditGroupTexts.title)) return;
  if (Check refused = CheckDateInBeforeOut(book, GroupRec, e.dateIn)) return ShowRefusal(*refused, DateIn);
  // A weight left as shown keeps the group's own figure.
  const float weightIn = KeptSingle(e.weightIn, GroupRec.WeightIn, kWeightInBox, kEditGroupTexts.weightNumber);
  FillPigsIn(GroupRec, e, kEditGroupTexts);
  GroupRec.WeightIn = weightIn;
  GroupRec.DeathLoss = static_cast<int16_t>(DeathLossFlag);
  if (!WriteGroupRecord(CurrentGroupRec, GroupRec, kEditGroupTexts.title)) return;
  if (SelectedCount < 2) PigIn->SetFocus(); else NextGroup->setFocus();
}

void HogPig4::Clear_Click() {
  PigIn->SetText("");
  WeightIn->SetText("");
  DateIn->SetText(records::kEmptyDate);
  DthLossN->SetValue(true);
  DeathLossFlag = 0;
  PigIn->SetFocus();
}

void HogPig4::NextGroup_Click() {
  if (StepIndex + 1 >= static_cast<int>(SelectedGroupRecs.size())) return;
  ++StepIndex;
  CurrentGroupRec = SelectedGroupRecs[static_cast<size_t>(StepIndex)];
  if (--SelectedCount < 2) NextGroup->setVisible(false);
  LoadGroupEdit();
  PigIn->SetFocus();
}
