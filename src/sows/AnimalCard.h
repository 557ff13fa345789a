#pragma once
// What the sow card and the boar card share: the boxes of the record fields
// both records hold, their checks, what a save writes of them, and the steps
// through the list's selection.
//
// The boxes keep one numbering on both cards: 2 breed, 3 backfat, 4 date of
// birth, 5 days to 230, 6 loineye, 7 purchase price, 8 sold price, 9 PRV
// date, 10 date entered herd, 11 date left herd, 12 location.
#include <cstdint>
#include <string>
#include <vector>

#include "common/FigureBox.h"
#include "platform/Controls.h"
#include "platform/Refusal.h"
#include "records/AnimalRecord.h"

// The boxes as typed; the dates "__/__/____" when empty.
struct AnimalCardEntry {
  std::string breed, backfat, dateOfBirth, daysTo230, loineye, purchasePrice, soldPrice;
  std::string prvDate, dateEnteredHerd, dateLeftHerd, location;
};

// The dates, in order: the date entered herd is required ("DATE ENTERED HERD
// is a required entry!", `title`) and valid; the date of birth, date left herd
// and PRV date valid when typed.
Check CheckAnimalCardDates(const AnimalCardEntry& entry, const std::string& title);
// The numbers, in the order of their boxes, each through its field
// (sows/SowNumbers.h), with `title`.
Check CheckAnimalCardNumbers(const AnimalCardEntry& entry, const std::string& title);

// The checked numbers of the boxes, read once for the record and the working
// block, as their fields store them.
struct AnimalCardNumbers {
  int16_t daysTo230 = 0;
  float backfat = 0, loineye = 0;
  records::Currency purchasePrice, soldPrice;
};
// How a card's figure boxes show the working block's figures.
struct AnimalCardFigureBoxes {
  FigureBox backfat, loineye, purchasePrice, soldPrice;
};
// A figure box still showing the figure of `shown`, the working block, keeps
// it (common/FigureBox.h); any other is read as typed.
AnimalCardNumbers ReadAnimalCardNumbers(const AnimalCardEntry& entry, const AnimalHistoryRecord& shown,
                                        const AnimalCardFigureBoxes& boxes);

// The boxes saved into a record read from the file: breed trimmed, the
// location as typed, the checked numbers as their fields store them.
void ApplyAnimalCard(const AnimalCardEntry& entry, const AnimalCardNumbers& numbers, AnimalRecord& record);
// The working block brought up to date from the saved boxes.
void ApplyAnimalCardToHistory(const AnimalCardEntry& entry, const AnimalCardNumbers& numbers,
                              AnimalHistoryRecord& history);

// The numbered boxes of a card, 0 to count - 1: at each number a text box,
// a date box or a figure (a label), the others null.
struct CardBoxes {
  explicit CardBoxes(int count)
      : boxes(static_cast<size_t>(count), nullptr),
        dates(static_cast<size_t>(count), nullptr),
        figures(static_cast<size_t>(count), nullptr) {}
  std::vector<platform::TextBox*> boxes;
  std::vector<platform::MaskedDateBox*> dates;
  std::vector<platform::Label*> figures;
  // The text of the text box or date box n, and that box.
  std::string text(int n) const;
  QWidget* field(int n) const;
  // Boxes 2 to 12 as typed.
  AnimalCardEntry animalEntry() const;
};

// A stored date as a date box shows it.
std::string ShownDate(const std::string& stored);

// The animal's name in capitals with a blank between its letters, as the
// captions and titles of its card and sheet spell it: "S O W" for "Sow".
std::string SpacedName(const std::string& name);

// Where a card stands in the selection: SelectedCount counts the animals
// from the one shown to the last. `cardCount` is SelectedCount when the card
// opened on 2 or more, else 0.
struct CardSteps {
  bool next = false;
  bool back = false;
};
// At loading: NEXT with 2 or more selected, never BACK; `cardCount` set.
CardSteps StartCardSteps(int& cardCount);
// NEXT (by 1) or BACK (by -1): the index moves, SelectedCount counts down or
// up (never above `cardCount`).
CardSteps StepCard(int& cardIndex, int cardCount, int by);
