#include "common/NotePadForm.h"


#include "common/NumberText.h"
#include "records/Nearest.h"

namespace {

constexpr int kAlt = 4;
constexpr int kKeyC = 67;
constexpr int kKeyDelete = 46;
constexpr int kKeyInsert = 45;

}  // namespace

std::string CentredNoteLine(const std::string& line) {
  const std::string t = RTrim(LTrim(line));
  const int n = static_cast<int>(t.size());
  const int column = records::NearestWhole<int32_t>((kNoteWidth - n) / 2.0);
  if (column < 1) return line;
  std::string s(kNoteWidth, ' ');
  s.replace(static_cast<size_t>(column - 1), t.size(), t);
  return s.substr(0, kNoteWidth);
}

NotePadForm::NotePadForm(const std::string& formName, const std::string& lineName, NotePadAnimal animal,
                         QWidget* parent)
    : platform::Form(formName, parent), animal_(std::move(animal)) {
  using namespace platform;
  setFont(makeFont("MS Sans Serif", 8));
  constexpr RowPitch rows{120, 330};
  for (int i = 0; i < kNoteLines; ++i) {
    TextBox* box = Note.Add(AddTextBox(this, lineName, {120, rows(i), 8700, 315}, kNoteWidth));
    box->setFont(makeFont("Courier New", 9));
    box->onKeyDown = [this, i](int& keyCode, int shift) { Note_KeyDown(i, keyCode, shift); };
  }
  const int y = rows(kNoteLines) + 120;
  AcceptNote = AddButton(this, "AcceptNote", "ACCEPT", {120, y, 1575, 435}, [this] { AcceptNote_Click(); });
  ClearNote = AddButton(this, "ClearNote", "CLEAR", {2400, y, 1575, 435}, [this] { ClearNote_Click(); });
  OldNote = AddButton(this, "OldNote", "OLD NOTE", {4680, y, 1575, 435}, [this] { OldNote_Click(); });
  ExitNote = AddButton(this, "ExitNote", "EXIT", {6960, y, 1575, 435}, [this] { ExitNote_Click(); });
  SetBoundsTwips(0, 0, 9120, y + 1000);
}

void NotePadForm::ShowLines(const std::array<std::string, kNoteLines + 1>& lines) {
  for (int i = 0; i < kNoteLines; ++i) Note[i]->SetText(lines[static_cast<size_t>(i + 1)]);
}

void NotePadForm::Form_Load() {
  savedNoteLines_.fill("");
  SetCaption(animal_.caption());
  FileFault fault;
  if (animal_.read(&fault)) {
    for (int k = 1; k <= kNoteLines; ++k) savedNoteLines_[static_cast<size_t>(k)] = RTrim(animal_.pad->line(k - 1));
  } else if (!fault.path.empty()) {
    ReportFileFault(fault, false, animal_.faultTitle);
  }
  ShowLines(savedNoteLines_);
  noteClip_.clear();
}

void NotePadForm::Form_Unload(int& /*cancel*/) { savedNoteLines_.fill(""); }

void NotePadForm::AcceptNote_Click() {
  for (int k = 1; k <= kNoteLines; ++k) animal_.pad->setLine(k - 1, Note[k - 1]->Text());
  FileFault fault;
  if (!animal_.write(&fault)) {
    ReportFileFault(fault, true, animal_.faultTitle);
    return;
  }
  for (int k = 1; k <= kNoteLines; ++k) (*animal_.notes)[static_cast<size_t>(k)] = Note[k - 1]->Text();
  noteClip_.clear();
  Note[0]->SetFocus();
}

void NotePadForm::ClearNote_Click() {
  for (platform::TextBox* box : Note) box->SetText("");
  Note[0]->SetFocus();
  noteClip_.clear();
}

void NotePadForm::OldNote_Click() {
  ShowLines(savedNoteLines_);
  Note[0]->SetFocus();
  noteClip_.clear();
}

void NotePadForm::ExitNote_Click() { Hide(); }

void NotePadForm::Note_KeyDown(int Index, int KeyCode, int Shift) {
  if (Shift != kAlt) return;
  platform::TextBox* box = Note[Index];
  switch (KeyCode) {
    case kKeyC: box->SetText(CentredNoteLine(box->Text())); break;
    case kKeyDelete: noteClip_ = box->SelText(); break;
    case kKeyInsert: box->SetSelText(noteClip_); break;
    default: break;
  }
}
