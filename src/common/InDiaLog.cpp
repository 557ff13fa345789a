#include "common/InDiaLog.h"

#include "common/HogGlobals.h"
#include "common/NumberText.h"
#include "platform/Dialogs.h"

namespace {
constexpr int kDesignedLeft = 195;
constexpr int kDesignedWidth = 4800;
constexpr int kTextTop = 1680;
constexpr int kTextHeight = 315;
}  // namespace

InDiaLog::InDiaLog(QWidget* parent) : platform::Form("InDiaLog", parent) {
  QFont font = platform::makeFont("MS Sans Serif", 8);
  setFont(font);
  Label1 = new platform::Label(this, "Label1");
  Label2 = new platform::Label(this, "Label2");
  Label3 = new platform::Label(this, "Label3");
  Label3->setWordWrap(true);
  Label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  DialogText = new platform::TextBox(this, "DialogText");
  Accept = new platform::CommandButton(this, "Accept", "ACCEPT");
  ClearBox = new platform::CommandButton(this, "ClearBox", "CLEAR");
  ExitBox = new platform::CommandButton(this, "ExitBox", "EXIT");
  platform::placeTwips(Label1, 195, 120, 4800, 255);
  platform::placeTwips(Label2, 195, 420, 4800, 255);
  platform::placeTwips(Label3, 195, 720, 4800, 855);
  platform::placeTwips(DialogText, kDesignedLeft, kTextTop, kDesignedWidth, kTextHeight);
  platform::placeTwips(Accept, 195, 2160, 1455, 375);
  platform::placeTwips(ClearBox, 1868, 2160, 1455, 375);
  platform::placeTwips(ExitBox, 3540, 2160, 1455, 375);
  SetBoundsTwips(0, 0, 5190, 3090);
  connect(Accept, &QPushButton::clicked, this, [this] { Accept_Click(); });
  connect(ClearBox, &QPushButton::clicked, this, [this] { ClearBox_Click(); });
  connect(ExitBox, &QPushButton::clicked, this, [this] { ExitBox_Click(); });
}

void InDiaLog::Form_Load() {
  Beep();
  SetCaption(InputDialogParams[1]);
  Label1->SetCaption(InputDialogParams[2]);
  Label2->SetCaption(InputDialogParams[3]);
  Label3->SetCaption(InputDialogParams[4]);
  double width = Val(InputDialogParams[7]);
  if (width > 4800 || width < 615) {
    Beep();
    MsgBox("INTERNAL ERROR: THE INPUT BOX WIDTH MUST BE 615 TO 4800 TWIPS.\r\rWIDTH GIVEN: " +
               InputDialogParams[7],
           platform::vbCritical | platform::vbOKOnly, "I N P U T   D I A L O G");
    InputDialogParams[5] = "";
    InputDialogParams[8] = "3";
    return;
  }
  int maxLength = static_cast<int>(RoundHalfEven(Val(InputDialogParams[6])));
  DialogText->SetMaxLength(maxLength);
  int left = static_cast<int>(RoundHalfEven((5190 - width) / 2));
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
