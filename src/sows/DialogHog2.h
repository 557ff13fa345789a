#pragma once
// The sow list's query dialog: the kind of query in a combo box, the
// criterion with its qualifier in a text box. EXECUTE checks the criterion's
// form and leaves the query in QueryArgs; CANCEL leaves "0", "", "".
#include <optional>
#include <string>

#include "platform/Controls.h"
#include "platform/Form.h"

class DialogHog2 : public platform::Form {
 public:
  explicit DialogHog2(QWidget* parent = nullptr);

  platform::Label* Label1;
  platform::Label* Label2;
  platform::ComboBox* SQCombo;
  platform::TextBox* SQData;
  platform::CommandButton* SQExe;
  platform::CommandButton* SQCan;

  void SQCombo_Click();
  void SQData_KeyPress(int& keyAscii);
  void SQExe_Click();
  void SQCan_Click();

  // The entry chosen in the combo box; nothing until one is chosen.
  const std::optional<std::string>& ChosenKind() const { return chosenKind_; }

 protected:
  void Form_Load() override;
  // The close box leaves the query as CANCEL does.
  void Form_QueryUnload(int& Cancel, int UnloadMode) override;

 private:
  std::optional<std::string> chosenKind_;
};
