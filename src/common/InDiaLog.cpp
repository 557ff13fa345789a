#include "common/InDiaLog.h"

#include "common/HogGlobals.h"
#include "common/NumberText.h"
#include "platform/Dialogs.h"
#include "platform/FormKit.h"

namespace {
constexpr int kFormWidth = 5190;
constexpr int kTextTop = 1680;
constexpr int kTextHeight = 315;
constexpr int kNarrowest = 615;
constexpr int kWidest = 4800;
}  // namespace

Check CheckInputBoxWidth(const std::string& width) {
  const double twips = Val(width);
  if (twips >= kNarrowest && twips <= kWidest) return std::nullopt;
  return Refusal{"INTERNAL ERROR: THE INPUT BOX WIDTH MUST BE 615 TO 4800 TWIPS.\r\rWIDTH GIVEN: " + width,
                 "I N P U T   D I A L O G", platform::vbCritical};
}

InDiaLog::InDiaLog(QWidget* parent) : platform::Form("InDiaLog", parent) {
  CancelOnEscape();
  using namespace platform;
  setFont(makeFont("MS Sans Serif", 8));
  Label1 = AddLabel(this, "Label1", "", {195, 120, 4800, 255});
  Label2 = AddLabel(this, "Label2", "", {195, 420, 4800, 255});
  Label3 = AddLabel(this, "Label3", "", {195, 720, 4800, 855});
  Label3->setWordWrap(true);
  Label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  // As designed; the load places it by the width the caller gives.
  DialogText = AddTextBox(this, "DialogText", {195, kTextTop, kWidest, kTextHeight});
  Accept = AddButton(this, "Accept", "ACCEPT", {195, 2160, 1455, 375}, [this] { Accept_Click(); });
  ClearBox = AddButton(this, "ClearBox", "CLEAR", {1868, 2160, 1455, 375}, [this] { ClearBox_Click(); });
  ExitBox = AddButton(this, "ExitBox", "EXIT", {3540, 2160, 1455, 375}, [this] { ExitBox_Click(); });
  SetBoundsTwips(0, 0, kFormWidth, 3090);
}

void InDiaLog::Form_Load() {
  Beep();
  SetCaption(InputDialogParams[1]);
  Label1->SetCaption(InputDialogParams[2]);
  Label2->SetCaption(InputDialogParams[3]);
  Label3->SetCaption(InputDialogParams[4]);
  if (Check refusal = CheckInputBoxWidth(InputDialogParams[7])) {
    platform::ShowRefusal(*refusal, nullptr);
    InputDialogParams[5] = "";
    InputDialogParams[8] = "3";
    return;
  }
  const double width = Val(InputDialogParams[7]);
  DialogText->SetMaxLength(static_cast<int>(RoundHalfEven(Val(InputDialogParams[6]))));
  const int left = static_cast<int>(RoundHalfEven((kFormWidth - width) / 2));
  platform::placeTwips(DialogText, left, kTextTop, static_cast<int>(width), kTextHeight);
  DialogText->SetText(InputDialogParams[5]);
}
void InDiaLog::Accept_Click() {
  InputDialogParams[5] = DialogText->Text();
  if (Trim(InputDialogParams[5]).empty()) {
    InputDialogParams[8] = "2";
    Hide();
  } else {
    InputDialogParams[8] = "0";
    Unload();
  }
}

void InDiaLog::ClearBox_Click() {
  DialogText->SetText("");
  DialogText->SetFocus();
}

void InDiaLog::ExitBox_Click() {
  if (!Trim(DialogText->Text()).empty()) {
    InputDialogParams[8] = "0";
    Unload();
  } else {
    InputDialogParams[5] = "";
    InputDialogParams[8] = "1";
    Hide();
  }
}
