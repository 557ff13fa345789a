#pragma once
// What a sow record and a boar record have in common: the first 102 bytes of
// SOW.DAT and BOAR.DAT hold the same fields at the same offsets, and both
// files end in a note pad of 14 lines of 70 characters.
#include <array>
#include <cstdint>
#include <string>

#include "records/Fields.h"

inline constexpr int kNoteLines = 14;
inline constexpr int kNoteWidth = 70;

struct AnimalRecord {
  std::string Id;               // 8, the key; blank = free record
  std::string Breed;            // 20
  std::string DateOfBirth;      // date
  int16_t DaysTo230 = 0;
  float Backfat = 0;
  records::Currency PurchasePrice;
  std::string DateEnteredHerd;  // date
  records::Currency SoldPrice;
  std::string DateLeftHerd;     // date; "__/__/____" while in the herd
  std::string PrvDate;          // date
  std::string Location;         // 8
  float Loineye = 0;

  // Bytes 0 to 101 of either record.
  template <class M>
  void animalFields(M& m) {
    m.text(Id, 0, 8);
    m.text(Breed, 8, 20);
    m.date(DateOfBirth, 28);
    m.i16(DaysTo230, 38);
    m.f32(Backfat, 40);
    m.cur(PurchasePrice, 44);
    m.date(DateEnteredHerd, 52);
    m.cur(SoldPrice, 62);
    m.date(DateLeftHerd, 70);
    m.date(PrvDate, 80);
    m.text(Location, 90, 8);
    m.f32(Loineye, 98);
  }
};

// The animal's fields as the history blocks hold them: text without its
// surrounding blanks, prices as Single.
struct AnimalHistoryRecord {
  std::string Id;
  std::string Breed;
  float Backfat = 0;
  std::string DateOfBirth;
  int16_t DaysTo230 = 0;
  float Loineye = 0;
  float PurchasePrice = 0;
  float SoldPrice = 0;
  std::string PrvDate;
  std::string DateEnteredHerd;
  std::string DateLeftHerd;
  std::string Location;
};

// Copies a record's common fields into a history block.
void FillAnimalHistory(const AnimalRecord& record, AnimalHistoryRecord& history);
