#include "feed/HogFeed7.h"

#include "platform/Screen.h"
#include "records/SalesRecord.h"

namespace {

struct ResultRow {
  const char* name;
  const char* caption;
};
constexpr ResultRow kResults[13] = {
    {"TotMHog", "Number of MARKET Hogs Sold. ........."},  {"TotFPig", "Number of FEEDER Pigs Sold. ..........."},
    {"TotMWt", "Total MARKET Hog Wt. Sold. ............"},  {"TotFWt", "Total FEEDER Pig Wt. Sold. .............."},
    {"AvgMWt", "Average MARKET Hog Wt. Sold. ......."},     {"AvgFWt", "Average FEEDER Pig Wt. Sold. ........."},
    {"TotCWt", "Total POUNDS of PORK. .................."}, {"LbFeed", "Lb/Kg OF FEED. .............................."},
    {"AvgPriceLb", "Average PRICE per Lb/Kg. ..............."},
    {"TotFeedCost", "TOTAL FEED COST. ........................."},
    {"FeedCWT", "FEED COST per C.W.T of PORK. ......."},
    {"FeedPerPig", "Average FEED Per PIG in Lb/Kg. ......."},
    {"FeedEff", "FEED EFFICIENCY. .........................."}};

}  // namespace

HogFeed7::HogFeed7(QWidget* parent) : platform::Form("HogFeed7", parent) {
  using namespace platform;
  SetCaption("H E R D    F E E D    C O N V E R S I O N  ");
  setFont(makeFont("MS Sans Serif", 8, true));
  constexpr RowPitch inputs{240, 420};
  const char* captions[] = {"ENTER REPORT YEAR. ...............", "BEGINING BREEDING HERD WT. .",
                            "ENDING BREEDING HERD WT. ....", "STARTING FEEDER PIG WT. ......."};
  TextBox** boxes[] = {&RptYr, &BegBrdWt, &EndBrdWt, &FeedPigWt};
  const char* names[] = {"RptYr", "BegBrdWt", "EndBrdWt", "FeedPigWt"};
  for (int i = 0; i < 4; ++i) {
    AddLabel(this, "Label1", captions[i], {240, inputs(i), 3000, 285});
    *boxes[i] = AddTextBox(this, names[i], {3360, inputs(i) - 30, 1300, 315});
  }
  constexpr RowPitch rows{2160, 360};
  for (int i = 0; i < 13; ++i) {
    AddLabel(this, "Label2", kResults[i].caption, {240, rows(i), 3600, 285});
    Label* value = Results[static_cast<size_t>(i)] = AddLabel(this, kResults[i].name, "", {3900, rows(i) - 30, 1500, 315});
    value->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  }
  constexpr RowPitch buttons{240, 540};
  RunHp = AddButton(this, "RunHp", "RUN", {5700, buttons(0), 1350, 420}, [this] { RunHp_Click(); });
  ClrHp = AddButton(this, "ClrHp", "CLEAR", {5700, buttons(1), 1350, 420}, [this] { ClrHp_Click(); });
  PntHp = AddButton(this, "PntHp", "PRINT", {5700, buttons(2), 1350, 420}, [this] { PntHp_Click(); });
  ExtHp = AddButton(this, "ExtHp", "EXIT", {5700, buttons(3), 1350, 420}, [this] { ExtHp_Click(); });
  SetTabOrder({RptYr, BegBrdWt, EndBrdWt, FeedPigWt, RunHp, ClrHp, PntHp, ExtHp});
  SetBoundsTwips(600, 600, 7350, rows(13) + 420);
}

void HogFeed7::Form_Load() {
  TellUnreachableRecords({LoadedFileOf<SalesRecord>(), LoadedFileOf<SowRecord>(), LoadedFileOf<BoarRecord>()});
  HerdFeedInputs = {};
  figures_ = {};
  clearMode_ = -1;
  ClrHp_Click();
}

void HogFeed7::ClrHp_Click() {
  HerdFeedInputs = {};
  figures_ = {};
  PntHp->setEnabled(false);
  if (clearMode_ == -2) {
    clearMode_ = 0;
  } else {
    for (platform::TextBox* box : {RptYr, BegBrdWt, EndBrdWt, FeedPigWt}) box->SetText("");
  }
  for (platform::Label* l : Results) l->SetCaption("");
  if (clearMode_ == -1)
    clearMode_ = 0;
  else
    RptYr->SetFocus();
}

void HogFeed7::RunHp_Click() {
  const HerdFeedEntry entry{RptYr->Text(), BegBrdWt->Text(), EndBrdWt->Text(), FeedPigWt->Text()};
  if (Check refused = CheckHerdFeedEntry(entry))
    return platform::ShowRefusal(*refused, {RptYr, BegBrdWt, EndBrdWt, FeedPigWt});
  HerdFeedInputs = HerdInputsOf(entry);
  Hourglass(true);
  const HerdRun run = GatherHerdTotals(entry.year);
  if (run.problem || run.fault) {
    if (run.problem) ReportYearFileProblem(*run.problem, "Incomplete data!", Caption());
    if (run.fault) ReportFileFault(*run.fault, false, Caption());
    Hourglass(false);
    clearMode_ = -2;
    ClrHp_Click();
    RptYr->SetFocus();
    return;
  }
  figures_ = HerdFeedFigures(run.totals, entry);
  ShowHerdFeedFigures(figures_);
  Hourglass(false);
  PntHp->setEnabled(true);
}

void HogFeed7::PntHp_Click() {
  if (Alert("PRINT FEED CONVERSION SUMMARY?", platform::vbQuestion | platform::vbYesNo, "PRINT   FEED   RECORD") ==
      platform::vbNo)
    return;
  Hourglass(true);
  PrintHerdFeedSummary(HerdFeedInputs[1], figures_);
  Hourglass(false);
}

void HogFeed7::ExtHp_Click() { Hide(); }

void HogFeed7::ShowHerdFeedFigures(const HerdFigureTexts& figures) {
  const HerdFigureTexts shown = ShownHerdFigures(figures);
  for (size_t k = 1; k < shown.size(); ++k) Results[k - 1]->SetCaption(shown[k]);
}
