#pragma once
// The dates-due dialog: the From and To due dates of the sows to list. ACCEPT
// stores each date that passes its check into DueDateRange and hides the
// dialog once both are stored; CLEAR empties the boxes. Closing it stores
// nothing more.
#include <array>
#include <string>

#include "platform/Controls.h"
#include "platform/Form.h"
#include "platform/Refusal.h"

// (1) From and (2) To, "__/__/____" until ACCEPT stored them; entry 0 unused.
extern std::array<std::string, 3> DueDateRange;

// The dialog's fields, for the focus after a refusal.
enum DueDateField { kDueFromField, kDueToField };
// A typed From or To date: required, then valid from 1990 on.
Check CheckDueDate(const std::string& typed, DueDateField field);

class DialogHog1 : public platform::Form {
 public:
  explicit DialogHog1(QWidget* parent = nullptr);

  platform::MaskedDateBox* DateFrom;
  platform::MaskedDateBox* DateTo;
  platform::CommandButton* AcceptDueDate;
  platform::CommandButton* ClearDueDate;

  void AcceptDueDate_Click();
  void ClearDueDate_Click();

 protected:
  void Form_Load() override;
};
