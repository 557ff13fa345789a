#pragma once
// The sow card and the boar card are one window: the ID box with CHAN ID,
// ACCEPT and CANCEL in a frame at the top; down the left the numbered boxes
// of the record's fields under their captions, down the right the animal's
// figures; <<, NEXT >>, NOTE PAD, PRINT, ACCEPT and EXIT along the bottom.
// What is the same for both lives here: the boxes placed from the card's
// table and filled from the working block, the change of ID started,
// cancelled and ended, the steps through the list's selection, the note pad,
// the history sheet asked for and printed, EXIT. HogSow3 and HogBoar3 load
// the animal, save the card and take a new ID each in their own way.
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "platform/Controls.h"
#include "platform/Form.h"
#include "platform/FormKit.h"
#include "records/AnimalRecord.h"
#include "sows/AnimalCard.h"

// A numbered box or figure of a card under its caption: the characters a
// text box takes (0 for a date box), and how a number in it is shown.
struct CardBoxLayout {
  int n;
  const char* caption;
  int width = 0;
  const char* format = nullptr;
};

// What differs between the two cards. The animal's name, as "Sow", names
// the boxes ("Sow" + their number) and the buttons of the ID ("ChanSowId",
// "AcceptSowId", "CancelSowId") and of the steps ("SowBack", "NextSow"); in
// capitals it is spelt out in the caption ("S O W   I D ( ...") and in
// PRINT's question.
struct AnimalCardLayout {
  const char* formName;
  const char* name;
  int boxCount;  // the boxes and figures are numbered from 1 to boxCount - 1
  // The frame of the ID: its caption, CHAN ID's caption and width, and the
  // width of ACCEPT and CANCEL beside it.
  struct IdFrame {
    const char* caption;
    const char* chanCaption;
    int chanWidth, buttonWidth;
  } idFrame;
  std::span<const CardBoxLayout> boxes;
  struct Figures {
    std::span<const CardBoxLayout> figures;
    int captionLeft, captionWidth, width;
  } figures;
  // The buttons along the bottom whose captions and names the cards spell
  // their own way, and the width of each.
  struct Buttons {
    const char* notePadCaption;
    const char* printName;
    const char* exitName;
    int width;
  } buttons;
  int width;
  void (*notePad)();  // shows the animal's note pad, then unloads it
  void (*print)();    // prints the animal's history sheet
};

class AnimalCardForm : public platform::Form {
 public:
  platform::TextBox* Box(int n) const { return card_.boxes[static_cast<size_t>(n)]; }
  platform::MaskedDateBox* DateBox(int n) const { return card_.dates[static_cast<size_t>(n)]; }
  platform::Label* Figure(int n) const { return card_.figures[static_cast<size_t>(n)]; }

  platform::CommandButton* ChanId;
  platform::CommandButton* AcceptId;
  platform::CommandButton* CancelId;
  platform::CommandButton* Back;
  platform::CommandButton* Next;
  platform::CommandButton* NotePad;
  platform::CommandButton* Print;
  platform::CommandButton* SaveChan;
  platform::CommandButton* ExitCard;

  // ACCEPT: the boxes saved into the animal's record.
  virtual void SaveChan_Click() = 0;
  void ChanId_Click();
  // ACCEPT of the frame, while an ID change is under way.
  virtual void AcceptId_Click() = 0;
  void CancelId_Click();
  void Next_Click();
  void Back_Click();
  void NotePad_Click();
  void Print_Click();
  void Exit_Click();

 protected:
  // The card of `layout` over the animal's working block, the list's
  // selection (from index 1) and the record number of the animal shown.
  AnimalCardForm(const AnimalCardLayout& layout, AnimalHistoryRecord& block, std::vector<long>& selected,
                 long& current, QWidget* parent);
  void Form_Load() override;

  // Loads the animal at the current record into the working block and
  // fills the card (ShowCard).
  virtual void ShowHistory() = 0;
  // The card filled from the working block: the caption, the ID in its
  // disabled box, the boxes of the fields both records hold in the formats
  // of the card's table, and the figures given, each by its number; the ID
  // change is over.
  void ShowCard(std::initializer_list<std::pair<int, std::string>> figures);
  void SetCardCaption();
  // The ID change over: the caption, the ID box, ACCEPT and CANCEL of the
  // frame disabled, the focus on the breed.
  void EndIdChange();
  // The checked numbers of the boxes as ACCEPT stores them: a figure box
  // left as the card showed it keeps the working block's figure.
  AnimalCardNumbers CardNumbers(const AnimalCardEntry& entry) const;

  CardBoxes card_;
  std::string oldId_;
  bool changingId_ = false;

 private:
  void Step(int by);
  const char* formatOf(int n) const;
  // How box n shows its figure: its format and the characters it takes.
  FigureBox figureBox(int n) const;

  const AnimalCardLayout& layout_;
  AnimalHistoryRecord& block_;
  std::vector<long>& selected_;
  long& current_;
  int cardIndex_ = 1;
  int cardCount_ = 0;
};
