#pragma once
// New sow entry: the user types one sow after another. ACCEPT checks the
// fields, refuses an ID already in SOW.DAT, writes the whole record into the
// first free record (else after the last) and clears the fields of the one
// animal, keeping breed, location, price and the date entered herd for the
// next. EXIT hides the window.
#include <array>
#include <string>

#include "platform/Controls.h"
#include "platform/Form.h"
#include "records/SowRecord.h"

// The fields typed for a new sow, as the window holds them.
struct NewSowEntry {
  std::string id, breed, location, daysTo230, loineye, backfat, purchasePrice;
  std::string dateOfBirth, dateEnteredHerd, prvDate;  // "__/__/____" when empty
};

// The record written for a new sow: an active sow without litters, notes,
// boar or breeding dates, numbers read by their leading number.
SowRecord NewSowRecord(const NewSowEntry& entry);

class HogSow2 : public platform::Form {
 public:
  explicit HogSow2(QWidget* parent = nullptr);

  // 0 ID, 1 breed, 2 location, 3 days to 230, 4 loineye, 5 backfat,
  // 6 purchase price.
  std::array<platform::TextBox*, 7> Sow{};
  // 0 date of birth, 1 date entered herd, 2 PRV date.
  std::array<platform::MaskedDateBox*, 3> SowDate{};
  std::array<platform::Label*, 10> Label1{};
  platform::CommandButton* Accept;
  platform::CommandButton* Clear;
  platform::CommandButton* Exit;

  void Accept_Click();
  void Clear_Click();
  void Exit_Click();

 protected:
  void Form_Load() override;

 private:
  NewSowEntry entry() const;
};
