#pragma once
// BOAR.DAT: one record of 1084 bytes per boar, record n at byte (n - 1) x 1084.
// A record whose Id is all blanks is free; a boar whose DateLeftHerd is
// "__/__/____" is in the herd. A default-constructed BoarRecord encodes as a
// free record.
#include <array>
#include <cstdint>
#include <string>

#include "records/Fields.h"
#include "records/SowRecord.h"

inline constexpr const char* kBoarFileName = "BOAR.DAT";

struct BoarRecord {
  static constexpr int Length = 1084;
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
  int16_t SowsBred = 0;         // kept as stored; nothing sets it but to 0
  std::array<std::string, kNoteLines> NoteLine;

  template <class M>
  void fields(M& m) {
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
    m.i16(SowsBred, 102);
    m.texts(NoteLine, 104, kNoteWidth);
  }
};

// The buffer through which the boar windows read and write BOAR.DAT.
extern BoarRecord BoarRec;
