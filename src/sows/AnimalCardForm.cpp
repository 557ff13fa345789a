#include "sows/AnimalCardForm.h"

#include <algorithm>

#include "common/Format.h"
#include "common/HogGlobals.h"
#include "common/NumberText.h"
#include "platform/Dialogs.h"
#include "platform/Screen.h"

AnimalCardForm::AnimalCardForm(const AnimalCardLayout& layout, AnimalHistoryRecord& block,
                               std::vector<long>& selected, long& current, QWidget* parent)
    : platform::Form(layout.formName, parent),
      card_(layout.boxCount),
      layout_(layout),
      block_(block),
      selected_(selected),
      current_(current) {
  using namespace platform;
  setFont(makeFont("MS Sans Serif", 8));
  const std::string name = layout.name;
  // The frame of the ID: its buttons left to right, 120 twips apart.
  const AnimalCardLayout::IdFrame& frame = layout.idFrame;
  constexpr int kGap = 120;
  const int accept = 2040 + frame.chanWidth + kGap, cancel = accept + frame.buttonWidth + kGap;
  AddFrame(this, "Frame1", frame.caption, {240, 120, cancel + frame.buttonWidth + kGap - 240, 800});
  card_.boxes[1] = AddTextBox(this, name + "1", {360, 420, 1500, 315}, 8);
  ChanId = AddButton(this, "Chan" + name + "Id", frame.chanCaption, {2040, 400, frame.chanWidth, 375},
                     [this] { ChanId_Click(); });
  AcceptId = AddButton(this, "Accept" + name + "Id", "ACCEPT", {accept, 400, frame.buttonWidth, 375},
                       [this] { AcceptId_Click(); });
  CancelId = AddButton(this, "Cancel" + name + "Id", "CANCEL", {cancel, 400, frame.buttonWidth, 375},
                       [this] { CancelId_Click(); });
  // The boxes down the left, a text box or a date box under each caption;
  // the figures down the right.
  constexpr RowPitch rows{1080, 400};
  int row = 0;
  for (const CardBoxLayout& b : layout.boxes) {
    AddLabel(this, "Label1", b.caption, {240, rows(row) + 30, 2400, 255});
    const std::string boxName = name + std::to_string(b.n);
    const auto n = static_cast<size_t>(b.n);
    if (b.width == 0)
      card_.dates[n] = AddDateBox(this, boxName, {2760, rows(row++), 1335, 315});
    else
      card_.boxes[n] = AddTextBox(this, boxName, {2760, rows(row++), 120 * b.width + 360, 315}, b.width);
  }
  const AnimalCardLayout::Figures& figures = layout.figures;
  const int figureLeft = figures.captionLeft + figures.captionWidth + kGap;
  row = 0;
  for (const CardBoxLayout& f : figures.figures) {
    AddLabel(this, "Label2", f.caption, {figures.captionLeft, rows(row) + 30, figures.captionWidth, 255});
    card_.figures[static_cast<size_t>(f.n)] =
        AddLabel(this, name + std::to_string(f.n), "", {figureLeft, rows(row++), figures.width, 315});
  }
  // The buttons along the bottom, below the longer column.
  const AnimalCardLayout::Buttons& b = layout.buttons;
  const RowPitch buttons{240, b.width + kGap};
  const int y = rows(static_cast<int>(std::max(layout.boxes.size(), figures.figures.size()))) + 120;
  Back = AddButton(this, name + "Back", "<<", {buttons(0), y, b.width, 435}, [this] { Back_Click(); });
  Next = AddButton(this, "Next" + name, "NEXT >>", {buttons(1), y, b.width, 435}, [this] { Next_Click(); });
  NotePad = AddButton(this, "NotePad", b.notePadCaption, {buttons(2), y, b.width, 435}, [this] { NotePad_Click(); });
  Print = AddButton(this, b.printName, "PRINT", {buttons(3), y, b.width, 435}, [this] { Print_Click(); });
  SaveChan = AddButton(this, "SaveChan", "ACCEPT", {buttons(4), y, b.width, 435}, [this] { SaveChan_Click(); });
  ExitCard = AddButton(this, b.exitName, "EXIT", {buttons(5), y, b.width, 435}, [this] { Exit_Click(); });
  SetBoundsTwips(0, 0, layout.width, y + 1000);
}

void AnimalCardForm::Form_Load() {
  oldId_.clear();
  changingId_ = false;
  const CardSteps steps = StartCardSteps(cardCount_);
  Next->setEnabled(steps.next);
  Back->setEnabled(steps.back);
  for (QWidget* w : {static_cast<QWidget*>(Box(1)), static_cast<QWidget*>(AcceptId), static_cast<QWidget*>(CancelId)})
    w->setEnabled(false);
  cardIndex_ = 1;
  current_ = selected_.size() > 1 ? selected_[1] : 0;
  ShowHistory();
}

void AnimalCardForm::SetCardCaption() {
  SetCaption(SpacedName(layout_.name) + "   I D ( " + Trim(block_.Id) + " )   H I S T O R Y");
}

const char* AnimalCardForm::formatOf(int n) const {
  for (const CardBoxLayout& b : layout_.boxes)
    if (b.n == n) return b.format;
  return nullptr;
}

FigureBox AnimalCardForm::figureBox(int n) const { return {formatOf(n), Box(n)->MaxLength()}; }

AnimalCardNumbers AnimalCardForm::CardNumbers(const AnimalCardEntry& entry) const {
  return ReadAnimalCardNumbers(entry, block_, {figureBox(3), figureBox(6), figureBox(7), figureBox(8)});
}

void AnimalCardForm::ShowCard(std::initializer_list<std::pair<int, std::string>> figures) {
  const AnimalHistoryRecord& h = block_;
  SetCardCaption();
  Box(1)->SetText(Trim(h.Id));
  Box(1)->setEnabled(false);
  const auto figure = [this](int n, auto value) { Box(n)->SetText(FigureText(value, figureBox(n))); };
  Box(2)->SetText(Trim(h.Breed));
  figure(3, h.Backfat);
  Box(5)->SetText(Format(h.DaysTo230, formatOf(5)));
  figure(6, h.Loineye);
  figure(7, h.PurchasePrice);
  figure(8, h.SoldPrice);
  Box(12)->SetText(Trim(h.Location));
  DateBox(4)->SetText(ShownDate(h.DateOfBirth));
  DateBox(9)->SetText(ShownDate(h.PrvDate));
  DateBox(10)->SetText(ShownDate(h.DateEnteredHerd));
  DateBox(11)->SetText(ShownDate(h.DateLeftHerd));
  for (const auto& [n, shown] : figures) Figure(n)->SetCaption(shown);
  changingId_ = false;
}

void AnimalCardForm::ChanId_Click() {
  oldId_ = Trim(block_.Id);
  AcceptId->setEnabled(true);
  CancelId->setEnabled(true);
  Box(1)->SetText("");
  Box(1)->setEnabled(true);
  Box(1)->SetFocus();
  changingId_ = true;
}

void AnimalCardForm::EndIdChange() {
  SetCardCaption();
  AcceptId->setEnabled(false);
  CancelId->setEnabled(false);
  Box(1)->setEnabled(false);
  Box(2)->SetFocus();
  changingId_ = false;
}

void AnimalCardForm::CancelId_Click() {
  if (!changingId_) return;
  block_.Id = oldId_;
  Box(1)->SetText(oldId_);
  EndIdChange();
}

void AnimalCardForm::Step(int by) {
  const CardSteps steps = StepCard(cardIndex_, cardCount_, by);
  current_ = selected_[static_cast<size_t>(cardIndex_)];
  Next->setEnabled(steps.next);
  Back->setEnabled(steps.back);
  ShowHistory();
  Box(2)->SetFocus();
}

void AnimalCardForm::Next_Click() { Step(1); }
void AnimalCardForm::Back_Click() { Step(-1); }

void AnimalCardForm::NotePad_Click() {
  layout_.notePad();
  Box(2)->SetFocus();
}

void AnimalCardForm::Print_Click() {
  const std::string animal = UCase(layout_.name);
  if (Alert("PRINT " + animal + " HISTORY? ( " + Trim(block_.Id) + " )", platform::vbYesNo | platform::vbQuestion,
            "P R I N T    " + SpacedName(animal) + "    H I S T O R Y") != platform::vbYes)
    return;
  Hourglass(true);
  layout_.print();
  Hourglass(false);
  Box(2)->SetFocus();
}

void AnimalCardForm::Exit_Click() { Hide(); }
