#pragma once
// FARROW.DAT: one record of 50 bytes per litter, record n at byte (n - 1) x 50.
// A litter does not name its sow; a sow names her litters through
// SowRecord::FarrowRecNo. Status 0 marks a free record.
#include <cstdint>
#include <string>

#include "records/Fields.h"

inline constexpr const char* kFarrowFileName = "FARROW.DAT";

struct FarrowRecord {
  static constexpr int Length = 50;
  static constexpr const char* FileName = kFarrowFileName;
  // Status values.
  static constexpr int16_t Free = 0;
  static constexpr int16_t InHerd = 1;    // litter of a sow in the herd
  static constexpr int16_t LeftHerd = 2;  // litter of a sow that left the herd
  // Where the status lies, for runs that need only the status of each record.
  static constexpr int StatusAt = 0;
  // Where the weaning date lies, for runs that look for litters weaned on a day.
  static constexpr int DateWeanedAt = 20;
  static constexpr int BoarIdWidth = 8;

  int16_t Status = Free;
  std::string DateBorn;     // date
  int16_t BornCount = 0;    // born alive and dead
  int16_t AliveCount = 0;
  float BirthWeight = 0;    // litter weight
  std::string DateWeaned;   // date; "__/__/____" = not weaned
  int16_t WeanedCount = 0;
  int16_t WeaningAge = 0;   // days from DateBorn to DateWeaned
  float WeaningWeight = 0;  // litter weight
  int16_t FosteredTo = 0;
  int16_t FosteredFrom = 0;
  std::string BoarId;       // 8, the sire as typed

  template <class M>
  void fields(M& m) {
    m.i16(Status, StatusAt);
    m.date(DateBorn, 2);
    m.i16(BornCount, 12);
    m.i16(AliveCount, 14);
    m.f32(BirthWeight, 16);
    m.date(DateWeaned, DateWeanedAt);
    m.i16(WeanedCount, 30);
    m.i16(WeaningAge, 32);
    m.f32(WeaningWeight, 34);
    m.i16(FosteredTo, 38);
    m.i16(FosteredFrom, 40);
    m.text(BoarId, 42, BoarIdWidth);
  }
};

// The buffer through which the litter windows read and write FARROW.DAT.
extern FarrowRecord FarrowRec;
