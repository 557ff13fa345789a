#pragma once
// The weaning dates of the farrowing performance summary: up to four dates in
// masked boxes. ACCEPT checks them, puts their count into WeanDatNum and
// hides the dialog, which the summary then reads; CLEAR empties the boxes.
// Enter in a box moves to the next box, from the fourth to ACCEPT.
//
// The dialog outlives one request: the SUMMARY menu makes it on first use
// (WeanDatesDialog) and keeps it, hidden, when no summary opened, so the next
// request shows the same dialog with what it held; a request that showed the
// summary releases it (ReleaseWeanDatesDialog).
#include <QObject>

#include "platform/Controls.h"
#include "platform/Form.h"
#include "platform/FormKit.h"
#include "reports/FarrowPerformance.h"

class DialogHog0 : public platform::Form {
 public:
  explicit DialogHog0(QWidget* parent = nullptr);

  platform::ControlArray<platform::MaskedDateBox> WeanDat;
  platform::Label* WeanDatNum;
  platform::CommandButton* WDAcc;
  platform::CommandButton* WDClr;

  void WDAcc_Click();
  void WDClr_Click();
  // Enter (13) is taken (set to 0) and moves the focus on.
  void WeanDat_KeyPress(int Index, int& KeyAscii);

  // The four boxes as they stand.
  WeanDates Dates() const;

 protected:
  void Form_Load() override;
  bool eventFilter(QObject* watched, QEvent* event) override;
};

// The dialog kept between requests, made on first use.
DialogHog0& WeanDatesDialog();
// Unloads and releases it.
void ReleaseWeanDatesDialog();
