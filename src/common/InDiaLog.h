#pragma once
// The general input dialog: asks for one line of text. The caller describes it
// in InputDialogParams (1 caption, 2-4 label lines, 5 initial text, 6 maximum
// length, 7 text box width in twips), shows it modally, and reads back the
// status (8) and the text (5).
#include <string>

#include "platform/Controls.h"
#include "platform/Form.h"
#include "platform/Refusal.h"

class InDiaLog : public platform::Form {
  Q_OBJECT
 public:
  explicit InDiaLog(QWidget* parent = nullptr);

  platform::Label* Label1;
  platform::Label* Label2;
  platform::Label* Label3;
  platform::TextBox* DialogText;
  platform::CommandButton* Accept;
  platform::CommandButton* ClearBox;
  platform::CommandButton* ExitBox;

  void Accept_Click();
  void ClearBox_Click();
  void ExitBox_Click();

 protected:
  void Form_Load() override;
};

// The text box width the caller gives (entry 7): 615 to 4800 twips; another
// is the caller's fault, refused with the width given.
Check CheckInputBoxWidth(const std::string& width);
