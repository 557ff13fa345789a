#pragma once
// Boar PRV test dates: one date typed for up to 50 boar IDs. ACCEPT writes
// the date into every boar in the herd found by his ID, clears the boxes of
// the boars found and leaves the IDs not found in their boxes. EXIT hides
// the window.
#include <optional>
#include <string>

#include "common/DataFiles.h"
#include "common/PrvForm.h"

// The window's fields as a refusal names them: 0 the date, 1 + i box Prv(i).
inline constexpr int kPrvIdField = 1;

// ACCEPT's checks before BOAR.DAT is read: a date is required (the focus
// stays where it is) and must be valid; at least one box must hold an ID
// (a box of blanks holds none).
Check CheckBoarPrvEntry(const std::string& date, const PrvBoxes& boxes);

// Writes `date` as the PRV date of each boar named in a box, over BOAR.DAT
// read once: the first live record whose ID, trimmed and upper-cased, equals
// the box's text so taken. A boar in the herd gets the date; the box of a
// boar found, in the herd or not, is cleared. A box of blanks finds no boar.
// The number of boxes whose boar was not found; nothing, with `fault`, when
// the file cannot be read or written, `writing` saying which (the boars
// written before stay so, their boxes cleared; the box of the boar not
// written keeps his ID).
std::optional<int> WriteBoarPrvDates(const std::string& date, PrvBoxes& boxes, FileFault* fault,
                                     bool* writing = nullptr);

// The box after ACCEPT: every boar updated, or some not found.
Refusal PrvOutcome(const std::string& date, int notFound);

class HogBoar5 : public PrvForm {
 public:
  explicit HogBoar5(QWidget* parent = nullptr);

 protected:
  // The boxes show what is left also when a write failed.
  void WriteDate(const std::string& date, const PrvBoxes& boxes) override;
};
