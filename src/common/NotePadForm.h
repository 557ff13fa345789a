#pragma once
// The note pad of a sow or a boar: the fourteen 70-character note lines of
// the animal's record. ACCEPT writes them back and updates the animal's notes
// in memory; CLEAR empties the boxes and OLD NOTE brings back the lines as
// they were when the pad opened, both without writing. In each line Alt+C
// centres the line, Alt+Delete keeps the selected text and Alt+Insert puts
// it back. HogSow4 and HogBoar4 are this window over their own record.
#include <array>
#include <functional>
#include <string>

#include "common/DataFiles.h"
#include "platform/Controls.h"
#include "platform/Form.h"
#include "platform/FormKit.h"
#include "records/AnimalRecord.h"

// Alt+C: the line's text without surrounding blanks centred in 70 columns,
// starting at column (70 - n) / 2 (half to even, from 1). A text of 69 or 70
// characters, which would start before the line, is left as it is.
std::string CentredNoteLine(const std::string& line);

// The animal a pad edits: its record buffer, where it lies, its notes in
// memory, the pad's caption and the title of a file fault's box.
struct NotePadAnimal {
  std::function<bool(FileFault*)> read;   // the record into the buffer
  std::function<bool(FileFault*)> write;  // the buffer back to its record
  NotePad* pad;                           // the buffer's note lines
  std::array<std::string, kNoteLines + 1>* notes;
  std::function<std::string()> caption;
  std::string faultTitle;
};

// The animal of record `*record` of R's file, read into and written from
// `buffer`.
template <class R>
NotePadAnimal NotePadOf(R& buffer, long* record, std::array<std::string, kNoteLines + 1>& notes,
                        std::function<std::string()> caption, const std::string& faultTitle) {
  return {[&buffer, record](FileFault* f) { return ReadRecordAt(*record, buffer, f); },
          [&buffer, record](FileFault* f) { return WriteRecordAt(*record, buffer, f); },
          &buffer.NoteLine,
          &notes,
          std::move(caption),
          faultTitle};
}

class NotePadForm : public platform::Form {
 public:
  platform::ControlArray<platform::TextBox> Note;  // line k + 1 in box k
  platform::CommandButton* AcceptNote;
  platform::CommandButton* ClearNote;
  platform::CommandButton* OldNote;
  platform::CommandButton* ExitNote;

  void AcceptNote_Click();
  void ClearNote_Click();
  void OldNote_Click();
  void ExitNote_Click();
  void Note_KeyDown(int Index, int KeyCode, int Shift);

 protected:
  // `lineName` names the line boxes ("SowNote", "BoarNote").
  NotePadForm(const std::string& formName, const std::string& lineName, NotePadAnimal animal, QWidget* parent);
  void Form_Load() override;
  void Form_Unload(int& cancel) override;

 private:
  void ShowLines(const std::array<std::string, kNoteLines + 1>& lines);
  NotePadAnimal animal_;
  std::array<std::string, kNoteLines + 1> savedNoteLines_;
  std::string noteClip_;
};
