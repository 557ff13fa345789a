#include "sows/HogSow4.h"

#include <cmath>

#include "common/DataFiles.h"
#include "common/HogGlobals.h"
#include "common/NumberText.h"
#include "records/SowRecord.h"
#include "sows/SowHistory.h"

namespace {

constexpr int kAlt = 4;
constexpr int kKeyC = 67;
constexpr int kKeyDelete = 46;
constexpr int kKeyInsert = 45;

}  // namespace

std::string CentredNoteLine(const std::string& line) {
  const std::string t = RTrim(LTrim(line));
  const int n = static_cast<int>(t.size());
  const int column = static_cast<int>(std::nearbyint((kNoteWidth - n) / 2.0));
  if (column < 1) return line;
  std::string s(kNoteWidth, ' ');
  s.replace(static_cast<size_t>(column - 1), t.size(), t);
  return s.substr(0, kNoteWidth);
}

HogSow4::HogSow4(QWidget* parent) : platform::Form("HogSow4", parent) {
  using namespace platform;
  setFont(makeFont("MS Sans Serif", 8));
  constexpr RowPitch rows{120, 330};
  for (int i = 0; i < kNoteLines; ++i) {
    TextBox* box = SowNote.Add(AddTextBox(this, "SowNote", {120, rows(i), 8700, 315}, kNoteWidth));
    box->setFont(makeFont("Courier New", 9));
    box->onKeyDown = [this, i](int& keyCode, int shift) { SowNote_KeyDown(i, keyCode, shift); };
  }
  const int y = rows(kNoteLines) + 120;
  AcceptNote = AddButton(this, "AcceptNote", "ACCEPT", {120, y, 1575, 435}, [this] { AcceptNote_Click(); });
  ClearNote = AddButton(this, "ClearNote", "CLEAR", {2400, y, 1575, 435}, [this] { ClearNote_Click(); });
  OldNote = AddButton(this, "OldNote", "OLD NOTE", {4680, y, 1575, 435}, [this] { OldNote_Click(); });
  ExitNote = AddButton(this, "ExitNote", "EXIT", {6960, y, 1575, 435}, [this] { ExitNote_Click(); });
  SetBoundsTwips(0, 0, 9120, y + 1000);
}

void HogSow4::ShowLines(const std::array<std::string, kNoteLines + 1>& lines) {
  for (int i = 0; i < kNoteLines; ++i) SowNote[i]->SetText(lines[static_cast<size_t>(i + 1)]);
}

void HogSow4::Form_Load() {
  savedNoteLines_.fill("");
  SetCaption("S O W   I D ( " + SowHistory.Id + " )   N O T E P A D");
  FileFault fault;
  if (ReadRecordAt(CurrentSowRec, SowRec, &fault)) {
    for (int k = 1; k <= kNoteLines; ++k) savedNoteLines_[static_cast<size_t>(k)] = RTrim(SowRec.NoteLine.line(k - 1));
  } else if (!fault.path.empty()) {
    ReportFileFault(fault, false, "SOW NOTE PAD");
  }
  ShowLines(savedNoteLines_);
  noteClip_.clear();
}

void HogSow4::Form_Unload(int& /*cancel*/) { savedNoteLines_.fill(""); }

void HogSow4::AcceptNote_Click() {
  for (int k = 1; k <= kNoteLines; ++k) SowRec.NoteLine.setLine(k - 1, SowNote[k - 1]->Text());
  FileFault fault;
  if (!WriteRecordAt(CurrentSowRec, SowRec, &fault)) {
    ReportFileFault(fault, true, "SOW NOTE PAD");
    return;
  }
  for (int k = 1; k <= kNoteLines; ++k) SowNotes[static_cast<size_t>(k)] = SowNote[k - 1]->Text();
  noteClip_.clear();
  SowNote[0]->SetFocus();
}

void HogSow4::ClearNote_Click() {
  for (platform::TextBox* box : SowNote) box->SetText("");
  SowNote[0]->SetFocus();
  noteClip_.clear();
}

void HogSow4::OldNote_Click() {
  ShowLines(savedNoteLines_);
  SowNote[0]->SetFocus();
  noteClip_.clear();
}

void HogSow4::ExitNote_Click() { Hide(); }

void HogSow4::SowNote_KeyDown(int Index, int KeyCode, int Shift) {
  if (Shift != kAlt) return;
  platform::TextBox* box = SowNote[Index];
  switch (KeyCode) {
    case kKeyC: box->SetText(CentredNoteLine(box->Text())); break;
    case kKeyDelete: noteClip_ = box->selectedText().toStdString(); break;
    case kKeyInsert: box->insert(QString::fromStdString(noteClip_)); break;
    default: break;
  }
}
