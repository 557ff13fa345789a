#pragma once
// The group feed conversion: up to six group IDs and a building; RUN shows
// the building's eight figures and keeps its row, DISP ALL and PRINT ALL
// the figures of the three buildings together, PRINT those of the building
// last run. The rules are feed/GroupFeedConversion.h.
#include "feed/GroupFeedConversion.h"
#include "platform/Controls.h"
#include "platform/Form.h"
#include "platform/FormKit.h"

class HogFeed3 : public platform::Form {
 public:
  explicit HogFeed3(QWidget* parent = nullptr);

  platform::ControlArray<platform::TextBox> GroupFc;
  platform::ControlArray<platform::OptionButton> BldSelect;
  platform::CommandButton* RunFeedCnv;
  platform::CommandButton* ClrFeedCnv;
  platform::CommandButton* DispAFeed;
  platform::CommandButton* PntAFeed;
  platform::CommandButton* PntSFeed;
  platform::CommandButton* ExitFeed;
  platform::Label* FeedConvType;
  platform::Label* TotPig;
  platform::Label* LbPork;
  platform::Label* LbFeed;
  platform::Label* AvgPriceLb;
  platform::Label* TotFeedCost;
  platform::Label* FeedCWT;
  platform::Label* FeedPerPig;
  platform::Label* FeedEff;

  void RunFeedCnv_Click();
  void ClrFeedCnv_Click();
  void DispAFeed_Click();
  void PntAFeed_Click();
  void PntSFeed_Click();
  void ExitFeed_Click();

  // The rows the runs stored and the figures on screen.
  const BuildingTable& Buildings() const { return buildingTable_; }
  const FigureTexts& Figures() const { return figureTexts_; }

 protected:
  void Form_Load() override;
  void Form_Activate() override;

 private:
  void ShowFigures(const FigureTexts& texts);
  int ChosenBuilding() const;
  bool AskPrint();

  FigureTexts figureTexts_;
  BuildingTable buildingTable_{};
  int clearMode_ = -1;
  int lastRun_ = kNursery;  // the building of the last completed run
};
