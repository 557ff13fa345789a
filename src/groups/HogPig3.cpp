#include "groups/HogPig3.h"

#include <QGroupBox>

#include "common/DataFiles.h"
#include "common/DateChecks.h"
#include "common/Format.h"
#include "common/HogGlobals.h"
#include "platform/Dialogs.h"
#include "platform/FormKit.h"

using namespace platform;

namespace {
const char kOutTitle[] = "GROUPS  OUT  ERROR";
const char* const kOutCaptions[] = {"N U R S E R Y   O U T   G R O U P ( ", "G R O W E R   O U T   G R O U P ( ",
                                    "F I N I S H E R   O U T   G R O U P ( "};
const char* const kDestinations[] = {"GROWER", "FINISHER", "GILTS"};
}  // namespace

HogPig3::HogPig3(QWidget* parent) : Form("HogPig3", parent) {
  setFont(makeFont("MS Sans Serif", 8, true));
  constexpr RowPitch rows{240, 420};
  AddLabel(this, "Label1", "PIGs remaining in the ", {240, rows(0), 2200, 285});
  StageRemaining = AddLabel(this, "StageRemaining", "", {2400, rows(0), 1200, 285});
  Label2 = AddLabel(this, "Label2", "", {3720, rows(0), 900, 285});
  AddLabel(this, "Label3", "Enter the number of PIGs going to", {240, rows(1), 3000, 285});
  Destination = AddLabel(this, "Destination", "", {3240, rows(1), 1100, 285});
  SalePrompt = AddLabel(this, "SalePrompt", "Enter the number of PIGs going to SALES.......", {240, rows(2), 4100, 285});
  PricePrompt = AddLabel(this, "PricePrompt", "Enter the price per lb. ..................................",
                         {240, rows(3), 4100, 285});
  AddLabel(this, "Label4", "Enter the weight of PIGs out of the ", {240, rows(4), 3000, 285});
  StageWeight = AddLabel(this, "StageWeight", "", {3240, rows(4), 1100, 285});
  AddLabel(this, "Label5", "Enter the date out of ", {240, rows(5), 3000, 285});
  StageDate = AddLabel(this, "StageDate", "", {3240, rows(5), 1100, 285});
  PigsOut = AddTextBox(this, "PigsOut", {4440, rows(1), 1215, 315}, 6);
  PigsSale = AddTextBox(this, "PigsSale", {4440, rows(2), 1215, 315}, 6);
  PriceLb = AddTextBox(this, "PriceLb", {4440, rows(3), 1215, 315}, 8);
  PigWtOut = AddTextBox(this, "PigWtOut", {4440, rows(4), 1215, 315}, 8);
  DateOut = AddDateBox(this, "DateOut", {4440, rows(5), 1215, 315});
  auto* death = new QGroupBox(QString::fromLatin1("COMPUTE DEATH LOSS?"), this);
  placeTwips(death, 240, rows(6), 2600, 600);
  YesDthLoss = AddOption(death, "YesDthLoss", "YES", {240, 240, 900, 285});
  NoDthLoss = AddOption(death, "NoDthLoss", "NO", {1320, 240, 900, 285});
  connect(YesDthLoss, &QRadioButton::clicked, this, [this] { DeathLossFlag = -1; });
  connect(NoDthLoss, &QRadioButton::clicked, this, [this] { DeathLossFlag = 0; });
  auto* year = new QGroupBox(QString::fromLatin1("END of YEAR ADJUSTMENT"), this);
  placeTwips(year, 3000, rows(6), 2655, 600);
  YesYrAdj = AddOption(year, "YesYrAdj", "YES", {240, 240, 900, 285});
  NoYrAdj = AddOption(year, "NoYrAdj", "NO", {1320, 240, 900, 285});
  AddLabel(this, "Label6", "NUMBER to ADJUST.", {240, rows(8), 3000, 285});
  NumAdj = AddTextBox(this, "NumAdj", {4440, rows(8), 1215, 315}, 6);
  Accept = AddButton(this, "Accept", " &ACCEPT", {240, rows(9) + 120, 1575, 435}, [this] { Accept_Click(); });
  Clear = AddButton(this, "Clear", " CLEAR", {2040, rows(9) + 120, 1575, 435}, [this] { Clear_Click(); });
  NextGroup = AddButton(this, "NextGroup", " NEXT", {3840, rows(9) + 120, 1575, 435}, [this] { NextGroup_Click(); });
  NextGroup->setVisible(false);
  SetTabOrder({PigsOut, PigsSale, PriceLb, PigWtOut, DateOut, YesDthLoss, NoDthLoss, YesYrAdj, NoYrAdj, NumAdj, Accept,
               Clear, NextGroup});
  SetBoundsTwips(2400, 1800, 6000, 4920);  // over the list, below its captions
}

void HogPig3::Form_Load() { TellUnreachableRecords({LoadedFileOf<GroupRecord>(), LoadedFileOf<SalesRecord>()}); }

void HogPig3::Form_Activate() {
  if (activated_) return;
  activated_ = true;
  if (SelectedCount >= 2) NextGroup->setVisible(true);
  StepIndex = 1;
  CurrentGroupRec = SelectedGroupRecs.size() > 1 ? SelectedGroupRecs[1] : 0;
  const int state = LoadGroupOut();
  if (state == kUnread) return Hide();
  if (state != 0) {
    OutGroup g;
    g.state = state;
    g.id = CurrentGroupId;
    Alert(OutStateText(g), vbExclamation | vbOKOnly, kOutTitle);
    Hide();
  }
}

int HogPig3::LoadGroupOut() {
  GroupBook book;
  if (!book.read(kOutTitle)) return kUnread;
  const OutGroup g = LoadOutGroup(book, CurrentGroupRec);
  CurrentGroupId = g.id;
  SourceSubGroup = g.subGroup;
  DeathLossFlag = g.deathLoss;
  // The window names the group and its stage also behind the box of a
  // group that cannot be moved.
  const int stage = std::clamp(PigletMenuChoice, 0, 2);
  SetCaption(kOutCaptions[stage] + CurrentGroupId + " )");
  for (Label* l : {StageRemaining, StageWeight, StageDate}) l->SetCaption(StageWord(stage));
  Destination->SetCaption(kDestinations[stage]);
  for (QWidget* w : std::initializer_list<QWidget*>{SalePrompt, PricePrompt, PigsSale, PriceLb}) w->setVisible(stage != 1);
  if (g.state == 1 || g.state == 2) return g.state;
  PigsRemaining = g.remaining;
  Label2->SetCaption(std::to_string(PigsRemaining));
  DateOut->SetText(DateText);
  for (TextBox* t : {PigsOut, PigsSale, PigWtOut, PriceLb, NumAdj}) t->SetText("");
  NoDthLoss->SetValue(true);
  NoYrAdj->SetValue(true);
  return g.state;
}

void HogPig3::Accept_Click() {
  const OutEntry e{DateOut->Text(),  PigsOut->Text(), PigsSale->Text(),  PigWtOut->Text(),
                   PriceLb->Text(),  NumAdj->Text(),  YesYrAdj->Value(), DeathLossFlag == -1};
  QWidget* fields[] = {DateOut, PigsOut, PigsSale, PigWtOut, PriceLb, NumAdj};
  if (Check refused = CheckDateOut(e)) return ShowRefusal(*refused, fields[refused->field]);
  if (ValidateDate(e.dateOut, kFirstDataYear, -1) != kDateValid) return DateOut->SetFocus();
  const int stage = std::clamp(PigletMenuChoice, 0, 2);
  if (Check refused = CheckOutFigures(e, stage, PigsRemaining)) return ShowRefusal(*refused, fields[refused->field]);
  GroupBook book;
  if (!book.read(kOutErrorTitle)) return;
  OutPlan plan;
  if (Check refused = PlanGroupOut(book, CurrentGroupRec, e, stage, plan))
    return ShowRefusal(*refused, fields[refused->field]);
  if (!WriteOutPlan(plan)) return;
  // Gilts are told of once they are written.
  if (plan.gilts != 0)
    Alert("YOU HAVE " + FormatInteger(plan.gilts, "##0") + " NEW GILTS!\rBesure to tag and add them to your SOW file.",
          vbInformation | vbOKOnly, "NEW   GILTS");
  Clear_Click();
  if (SelectedCount < 2) {
    Hide();
  } else {
    Label2->SetCaption("");
    NextGroup->setFocus();
  }
}

void HogPig3::Clear_Click() {
  DateOut->SetText(DateText);
  for (TextBox* t : {PigsOut, PigsSale, PigWtOut, PriceLb, NumAdj}) t->SetText("");
  NoDthLoss->SetValue(true);
  NoYrAdj->SetValue(true);
  DeathLossFlag = 0;
  PigsOut->SetFocus();
}

void HogPig3::NextGroup_Click() {
  for (;;) {
    if (StepIndex + 1 >= static_cast<int>(SelectedGroupRecs.size())) {
      Hide();
      return;
    }
    ++StepIndex;
    CurrentGroupRec = SelectedGroupRecs[static_cast<size_t>(StepIndex)];
    if (--SelectedCount < 2) NextGroup->setVisible(false);
    const int state = LoadGroupOut();
    if (state == kUnread) return Hide();
    if (state == 0) {
      PigsOut->SetFocus();
      return;
    }
    OutGroup g;
    g.state = state;
    g.id = CurrentGroupId;
    Alert(OutStateText(g), vbExclamation | vbOKOnly, kOutTitle);
    if (SelectedCount < 2) {
      Hide();
      return;
    }
  }
}
