#pragma once
// The herd feed conversion: the report year and the breeding herd and
// feeder pig weights; RUN shows the thirteen figures of the year, PRINT
// prints them. The rules are feed/HerdFeedConversion.h.
#include <array>

#include "feed/HerdFeedConversion.h"
#include "platform/Controls.h"
#include "platform/Form.h"
#include "platform/FormKit.h"

class HogFeed7 : public platform::Form {
 public:
  explicit HogFeed7(QWidget* parent = nullptr);

  platform::TextBox* RptYr;
  platform::TextBox* BegBrdWt;
  platform::TextBox* EndBrdWt;
  platform::TextBox* FeedPigWt;
  // The result labels, figures 1 to 13 at indexes 0 to 12: TotMHog, TotFPig,
  // TotMWt, TotFWt, AvgMWt, AvgFWt, TotCWt, LbFeed, AvgPriceLb, TotFeedCost,
  // FeedCWT, FeedPerPig, FeedEff.
  std::array<platform::Label*, 13> Results{};
  platform::CommandButton* RunHp;
  platform::CommandButton* ClrHp;
  platform::CommandButton* PntHp;
  platform::CommandButton* ExtHp;

  void RunHp_Click();
  void ClrHp_Click();
  void PntHp_Click();
  void ExtHp_Click();

  const HerdFigureTexts& Figures() const { return figures_; }

 protected:
  void Form_Load() override;

 private:
  void ShowHerdFeedFigures(const HerdFigureTexts& figures);

  HerdFigureTexts figures_;
  int clearMode_ = -1;
};
