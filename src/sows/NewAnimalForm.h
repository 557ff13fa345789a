#pragma once
// The new sow and new boar windows are one window: ten boxes under their
// captions (the ID, breed, location, days to 230, loineye, backfat and
// purchase price typed in text boxes Box(0) to Box(6), then the date of
// birth, date entered herd and PRV date in DateBox(0) to DateBox(2)), and
// ACCEPT, CLEAR and EXIT. ACCEPT checks what was typed, reads the animal's
// file once for the ID and the record to take, writes the new animal there
// and clears the boxes of the one animal for the next; CLEAR empties every
// box; EXIT hides the window. HogSow2 and HogBoar2 are this window with the
// animal's texts (NewAnimalKind), file and working block.
#include <functional>
#include <optional>
#include <string>

#include "common/DataFiles.h"
#include "platform/Controls.h"
#include "platform/Form.h"
#include "platform/FormKit.h"
#include "records/AnimalRecord.h"
#include "records/RecordSlots.h"

// The boxes as typed; the dates "__/__/____" when empty.
struct NewAnimalEntry {
  std::string id, breed, location, daysTo230, loineye, backfat, purchasePrice;
  std::string dateOfBirth, dateEnteredHerd, prvDate;
};

// The window's fields as a refusal names them: 0 to 6 the text boxes, then
// the date boxes, DateBox(i) being field kNewAnimalDateField + i.
inline constexpr int kNewAnimalDateField = 7;

// What the new sow window and the new boar window say and do differently.
// The animal's name, as "Sow", names the text boxes ("Sow"), the date boxes
// ("SowDate") and the ID's caption ("Sow Id."); in capitals it starts the
// refusals of the ID ("SOW ID is a required entry!").
struct NewAnimalKind {
  const char* formName;
  const char* name;
  const char* caption;
  const char* clearCaption;
  const char* errorTitle;  // the title of every refusal
  bool birthDateFirst;     // the date of birth is checked before the date entered herd
  bool keepsHerdFields;    // breed, location and price stay for the next animal
};

// ACCEPT's checks of what was typed, in order: the ID is required (blanks are
// no ID); the date entered herd is required and valid, and the date of birth
// valid when typed, the date of birth first where the kind says so; the PRV
// date valid when typed; then days to 230, loineye, backfat and purchase
// price, each through its field (sows/SowNumbers.h).
Check CheckNewAnimalEntry(const NewAnimalEntry& entry, const NewAnimalKind& kind);
// ACCEPT's check of the slot read from the file: no live animal may hold the
// ID.
Check CheckNewAnimalId(const records::NewAnimalSlot& slot, const NewAnimalKind& kind);
// The fields both records hold, of an animal new to the herd: as typed, the
// checked numbers as their fields store them, no sale, no notes.
void FillNewAnimal(const NewAnimalEntry& entry, AnimalRecord& record);

// The record a new animal takes in R's file read once, and whether it lies
// past the file's end.
struct NewAnimalPlace {
  records::NewAnimalSlot slot;
  bool appended = false;
};
template <class R>
std::optional<NewAnimalPlace> ReadNewAnimalPlace(const std::string& id, FileFault* fault) {
  long count = 0;
  const std::optional<records::NewAnimalSlot> slot = ReadNewAnimalSlot<R>(id, fault, &count);
  if (!slot) return std::nullopt;
  return NewAnimalPlace{*slot, slot->record > count};
}

class NewAnimalForm : public platform::Form {
 public:
  platform::ControlArray<platform::TextBox> Box;
  platform::ControlArray<platform::MaskedDateBox> DateBox;
  platform::ControlArray<platform::Label> Label1;
  platform::CommandButton* Accept;
  platform::CommandButton* Clear;
  platform::CommandButton* Exit;

  void Accept_Click();
  void Clear_Click();
  void Exit_Click();

 protected:
  // The window of R's file, whose new record `newRecord` makes of the boxes.
  template <class R>
  NewAnimalForm(const NewAnimalKind& kind, R (*newRecord)(const NewAnimalEntry&), QWidget* parent)
      : NewAnimalForm(kind, parent) {
    readPlace_ = [](const std::string& id, FileFault* fault) { return ReadNewAnimalPlace<R>(id, fault); };
    write_ = [newRecord](long record, const NewAnimalEntry& e, FileFault* fault) {
      return WriteRecordAt(record, newRecord(e), fault);
    };
  }
  void Form_Load() override;

  // What a new window shows of the animal entered last: breed, location and
  // purchase price.
  struct LastAnimal {
    std::string breed, location;
    records::Currency purchasePrice;
  };
  virtual LastAnimal Last() const = 0;
  // The animal's own refusals of the place read for its ID, shown; true
  // when it may be written there.
  virtual bool Admit(const NewAnimalEntry& entry, const NewAnimalPlace& place) = 0;
  // After the animal was written.
  virtual void Written(const NewAnimalEntry& /*entry*/, const NewAnimalPlace& /*place*/) {}

  // Shows a refusal with the focus back on its field; true when there was one.
  bool Refuse(const Check& refusal);

 private:
  NewAnimalForm(const NewAnimalKind& kind, QWidget* parent);
  NewAnimalEntry entry() const;
  const NewAnimalKind& kind_;
  std::function<std::optional<NewAnimalPlace>(const std::string& id, FileFault* fault)> readPlace_;
  std::function<bool(long record, const NewAnimalEntry& entry, FileFault* fault)> write_;
};
