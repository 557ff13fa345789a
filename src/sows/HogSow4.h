#pragma once
// A sow's note pad: the fourteen 70-character note lines of her record
// (CurrentSowRec). ACCEPT writes them back and updates SowNotes; CLEAR
// empties the boxes and OLD NOTE brings back the lines as they were when the
// pad opened, both without writing. In each line Alt+C centres the line,
// Alt+Delete keeps the selected text and Alt+Insert puts it back.
#include <array>
#include <string>

#include "platform/Controls.h"
#include "platform/Form.h"
#include "platform/FormKit.h"
#include "records/AnimalRecord.h"

// Alt+C: the line's text without surrounding blanks centred in 70 columns,
// starting at column (70 - n) / 2 (half to even, from 1). A text of 69 or 70
// characters, which would start before the line, is left as it is.
std::string CentredNoteLine(const std::string& line);

class HogSow4 : public platform::Form {
 public:
  explicit HogSow4(QWidget* parent = nullptr);

  platform::ControlArray<platform::TextBox> SowNote;
  platform::CommandButton* AcceptNote;
  platform::CommandButton* ClearNote;
  platform::CommandButton* OldNote;
  platform::CommandButton* ExitNote;

  void AcceptNote_Click();
  void ClearNote_Click();
  void OldNote_Click();
  void ExitNote_Click();
  void SowNote_KeyDown(int Index, int KeyCode, int Shift);

  const std::string& NoteClip() const { return noteClip_; }

 protected:
  void Form_Load() override;
  void Form_Unload(int& cancel) override;

 private:
  void ShowLines(const std::array<std::string, kNoteLines + 1>& lines);
  std::array<std::string, kNoteLines + 1> savedNoteLines_;
  std::string noteClip_;
};
