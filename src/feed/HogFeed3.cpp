#include "feed/HogFeed3.h"

#include <QGroupBox>

#include "platform/Dialogs.h"
#include "platform/Screen.h"

namespace {

// A caption with its dotted leader, as wide as the longest.
std::string Leader(const std::string& caption) {
  constexpr size_t kWidth = 40;
  return caption + " " + std::string(caption.size() + 1 < kWidth ? kWidth - caption.size() - 1 : 3, '.');
}

}  // namespace

HogFeed3::HogFeed3(QWidget* parent) : platform::Form("HogFeed3", parent) {
  using namespace platform;
  SetCaption("G R O U P   F E E D   C O N V E R S I O N  by  B U I L D I N G (s)");
  setFont(makeFont("MS Sans Serif", 8, true));
  FeedConvType = AddLabel(this, "FeedConvType", "", {240, 180, 5000, 315});
  FeedConvType->setFont(makeFont("MS Sans Serif", 10, true));

  constexpr RowPitch rows{660, 420};
  const char* captions[] = {"Average NUMBER of PIG(s).", "Lb/Kg OF PORK PRODUCED.",  "Lb/Kg OF FEED.",
                            "Average PRICE per Lb/Kg.",  "TOTAL FEED COST.",         "FEED COST per C.W.T of PORK.",
                            "FEED Per PIG in Lb/Kg.",    "FEED EFFICIENCY."};
  Label** results[] = {&TotPig, &LbPork, &LbFeed, &AvgPriceLb, &TotFeedCost, &FeedCWT, &FeedPerPig, &FeedEff};
  const char* names[] = {"TotPig", "LbPork", "LbFeed", "AvgPriceLb", "TotFeedCost", "FeedCWT", "FeedPerPig", "FeedEff"};
  for (int i = 0; i < 8; ++i) {
    AddLabel(this, "Label1", Leader(captions[i]), {240, rows(i), 3600, 315});
    Label* value = *results[i] = AddLabel(this, names[i], "", {3900, rows(i) - 30, 1400, 315});
    value->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  }

  AddLabel(this, "Label2", "Enter GROUP ID(s).   Example:  004-08", {5700, 660, 3300, 255});
  for (int i = 0; i < kGroupIdBoxes; ++i)
    GroupFc.Add(AddTextBox(this, "GroupFc", {5700 + (i % 3) * 1080, 960 + (i / 3) * 420, 960, 315}, 6));
  QGroupBox* frame = AddFrame(this, "Frame1", "BUILDINGS", {5700, 1920, 3120, 1380});
  constexpr RowPitch options{300, 330};
  const char* buildings[] = {"NURSERY", "GROWER", "FINISHER"};
  for (int i = 0; i < 3; ++i) BldSelect.Add(AddOption(frame, "BldSelect", buildings[i], {300, options(i), 2000, 285}));

  constexpr RowPitch buttons{240, 1470};
  constexpr int buttonTop = 4200;
  RunFeedCnv = AddButton(this, "RunFeedCnv", "RUN", {buttons(0), buttonTop, 1350, 420}, [this] { RunFeedCnv_Click(); });
  ClrFeedCnv = AddButton(this, "ClrFeedCnv", " CLEAR", {buttons(1), buttonTop, 1350, 420}, [this] { ClrFeedCnv_Click(); });
  DispAFeed = AddButton(this, "DispAFeed", " DISP ALL", {buttons(2), buttonTop, 1350, 420}, [this] { DispAFeed_Click(); });
  PntAFeed = AddButton(this, "PntAFeed", " PRINT ALL", {buttons(3), buttonTop, 1350, 420}, [this] { PntAFeed_Click(); });
  PntSFeed = AddButton(this, "PntSFeed", "PRINT", {buttons(4), buttonTop, 1350, 420}, [this] { PntSFeed_Click(); });
  ExitFeed = AddButton(this, "ExitFeed", " EXIT", {buttons(5), buttonTop, 1350, 420}, [this] { ExitFeed_Click(); });
  SetTabOrder({GroupFc[0], GroupFc[1], GroupFc[2], GroupFc[3], GroupFc[4], GroupFc[5], BldSelect[0], RunFeedCnv,
               ClrFeedCnv, DispAFeed, PntAFeed, PntSFeed, ExitFeed});
  SetBoundsTwips(600, 600, 9180, 5160);
}

void HogFeed3::Form_Load() {
  TellUnreachableRecords({LoadedFileOf<GroupRecord>(), LoadedFileOf<SalesRecord>()});
  figureTexts_ = {};
  buildingTable_ = {};
  clearMode_ = -1;
}

void HogFeed3::Form_Activate() {
  Hourglass(true);
  ClrFeedCnv_Click();
  ShowFigures(FigureTexts{});  // the opening figures: every one zero
  Hourglass(false);
}

void HogFeed3::ClrFeedCnv_Click() {
  buildingTable_ = {};
  for (platform::CommandButton* b : {DispAFeed, PntAFeed, PntSFeed}) b->setEnabled(false);
  if (clearMode_ == -2) {
    clearMode_ = 0;
  } else {
    for (platform::TextBox* box : GroupFc) box->SetText("");
    FeedConvType->SetCaption("");
    BldSelect[kNursery]->SetValue(true);
  }
  for (platform::Label* l : {TotPig, LbPork, LbFeed, AvgPriceLb, TotFeedCost, FeedCWT, FeedPerPig, FeedEff})
    l->SetCaption("");
  if (clearMode_ == -1)
    clearMode_ = 0;
  else
    GroupFc[0]->SetFocus();
}

int HogFeed3::ChosenBuilding() const {
  for (int b : {kNursery, kGrower, kFinisher})
    if (BldSelect[b]->Value()) return b;
  return kNursery;
}

void HogFeed3::RunFeedCnv_Click() {
  std::array<std::string, kGroupIdBoxes> boxes;
  for (int i = 0; i < kGroupIdBoxes; ++i) boxes[static_cast<size_t>(i)] = GroupFc[i]->Text();
  if (Check refused = ReadGroupIds(boxes, GroupIdList)) return platform::ShowRefusal(*refused, GroupFc[refused->field]);
  figureTexts_ = {};
  Hourglass(true);
  const int building = ChosenBuilding();
  GroupBook book;
  if (!book.read(Caption())) return Hourglass(false);
  FeedYearBook years;
  const BuildingRun run = RunBuilding(building, GroupIdList, book, years);
  if (run.problem) {
    ReportGroupRunProblem(*run.problem, Caption());
    Hourglass(false);
    Beep();
    FeedConvType->SetCaption(BuildingCaption(building) + "   INCOMPLETE DATA");
    clearMode_ = -2;
    ClrFeedCnv_Click();
    GroupFc[run.problem->box]->SetFocus();
    return;
  }
  buildingTable_[static_cast<size_t>(building + 1)] = run.row;
  figureTexts_ = run.figures;
  lastRun_ = building;
  Hourglass(false);
  FeedConvType->SetCaption(BuildingCaption(building));
  ShowFigures(figureTexts_);
  const bool all = buildingTable_[2].status == -1 && buildingTable_[3].status == -1;
  DispAFeed->setEnabled(all);
  PntAFeed->setEnabled(all);
  PntSFeed->setEnabled(true);
}

void HogFeed3::DispAFeed_Click() {
  figureTexts_ = AllBuildingsFigures(buildingTable_);
  FeedConvType->SetCaption("ALL BUILDINGS");
  ShowFigures(figureTexts_);
  PntAFeed->setEnabled(true);
  PntSFeed->setEnabled(false);
}

bool HogFeed3::AskPrint() {
  return Alert("PRINT FEED CONVERSION SUMMARY?", platform::vbQuestion | platform::vbYesNo, "PRINT   FEED   RECORD") !=
         platform::vbNo;
}

void HogFeed3::PntAFeed_Click() {
  if (!AskPrint()) return;
  Hourglass(true);
  PrintConversionSummary("ALL BUILDINGS", AllBuildingsFigures(buildingTable_));
  Hourglass(false);
}

void HogFeed3::PntSFeed_Click() {
  // The page carries the building whose figures it prints: that of the
  // last run, whichever option has been chosen since.
  if (!AskPrint()) return;
  Hourglass(true);
  PrintConversionSummary(BuildingWord(lastRun_), figureTexts_);
  Hourglass(false);
}

void HogFeed3::ExitFeed_Click() { Hide(); }

void HogFeed3::ShowFigures(const FigureTexts& texts) {
  const std::array<std::string, 8> shown = ShownGroupFigures(texts);
  platform::Label* labels[] = {TotPig, LbPork, LbFeed, AvgPriceLb, TotFeedCost, FeedCWT, FeedPerPig, FeedEff};
  for (size_t i = 0; i < shown.size(); ++i) labels[i]->SetCaption(shown[i]);
}
