#include "reports/DialogHog0.h"

#include <QKeyEvent>
#include <memory>

namespace {

platform::KeptWindow<DialogHog0> g_weanDates;

}  // namespace

DialogHog0::DialogHog0(QWidget* parent) : platform::Form("DialogHog0", parent) {
  CancelOnEscape();
  using namespace platform;
  setFont(makeFont("MS Sans Serif", 8));
  SetCaption("FARROW  PERFORMANCE  WEANING  DATES");
  AddLabel(this, "Label1", "Enter up to FOUR(4) WEANING Date(s) Below:", {240, 200, 4200, 255});
  constexpr RowPitch rows{600, 450};
  for (int i = 0; i < kWeanDateBoxes; ++i) {
    AddLabel(this, "Label2", "WEAN DATE " + std::to_string(i + 1) + ".", {600, rows(i) + 30, 1200, 255});
    WeanDat.Add(AddDateBox(this, "WeanDat", {1920, rows(i), 1335, 315}))->installEventFilter(this);
  }
  // The count the menu reads; the user does not see it.
  WeanDatNum = AddLabel(this, "WeanDatNum", "", {3480, rows(0) + 30, 300, 255});
  WeanDatNum->setVisible(false);
  const int y = rows(kWeanDateBoxes) + 60;
  WDAcc = AddButton(this, "WDAcc", "&ACCEPT", {360, y, 1575, 435}, [this] { WDAcc_Click(); });
  WDClr = AddButton(this, "WDClr", "CLEAR", {2280, y, 1575, 435}, [this] { WDClr_Click(); });
  SetTabOrder({WeanDat[0], WeanDat[1], WeanDat[2], WeanDat[3], WDAcc, WDClr});
  SetBoundsTwips(2400, 2000, 4440, y + 1000);
}

void DialogHog0::Form_Load() {
  for (platform::MaskedDateBox* box : WeanDat) box->SetText(records::kEmptyDate);
  WeanDatNum->SetCaption("0");
}

WeanDates DialogHog0::Dates() const {
  WeanDates dates;
  for (int i = 0; i < kWeanDateBoxes; ++i) dates[static_cast<size_t>(i)] = WeanDat[i]->Text();
  return dates;
}

void DialogHog0::WDAcc_Click() {
  const WeanDates dates = Dates();
  if (Check refusal = CheckWeanDates(dates)) {
    if (CountWeanDates(dates) == 0) WeanDatNum->SetCaption("0");
    return platform::ShowRefusal(*refusal, WeanDat[refusal->field]);
  }
  WeanDatNum->SetCaption(std::to_string(CountWeanDates(dates)));
  Hide();
}

void DialogHog0::WDClr_Click() {
  for (platform::MaskedDateBox* box : WeanDat) box->SetText(records::kEmptyDate);
  WeanDat[0]->SetFocus();
  WeanDatNum->SetCaption("0");
}

void DialogHog0::WeanDat_KeyPress(int Index, int& KeyAscii) {
  if (KeyAscii != 13) return;
  KeyAscii = 0;
  if (Index == kWeanDateBoxes - 1) WDAcc->setFocus(Qt::OtherFocusReason);
  else WeanDat[Index + 1]->SetFocus();
}

bool DialogHog0::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
      for (int i = 0; i < kWeanDateBoxes; ++i) {
        if (watched != WeanDat[i]) continue;
        int ascii = 13;
        WeanDat_KeyPress(i, ascii);
        return ascii == 0;
      }
    }
  }
  return platform::Form::eventFilter(watched, event);
}

DialogHog0& WeanDatesDialog() {
  return g_weanDates.get();
}

void ReleaseWeanDatesDialog() {
  if (!g_weanDates.exists()) return;
  g_weanDates.get().Unload();
  g_weanDates.reset();
}
