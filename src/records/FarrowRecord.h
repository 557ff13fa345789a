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
  // Where the fields lie, for runs that read them straight from the stored
  // bytes.
  static constexpr int DateBornAt = 2;
  static constexpr int BornCountAt = 12;
  static constexpr int AliveCountAt = 14;
  static constexpr int BirthWeightAt = 16;
  static constexpr int DateWeanedAt = 20;
  static constexpr int WeanedCountAt = 30;
  static constexpr int WeaningAgeAt = 32;
  static constexpr int WeaningWeightAt = 34;
  static constexpr int FosteredToAt = 38;
  static constexpr int FosteredFromAt = 40;
  static constexpr int BoarIdAt = 42;
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
    m.date(DateBorn, DateBornAt);
    m.i16(BornCount, BornCountAt);
    m.i16(AliveCount, AliveCountAt);
    m.f32(BirthWeight, BirthWeightAt);
    m.date(DateWeaned, DateWeanedAt);
    m.i16(WeanedCount, WeanedCountAt);
    m.i16(WeaningAge, WeaningAgeAt);
    m.f32(WeaningWeight, WeaningWeightAt);
    m.i16(FosteredTo, FosteredToAt);
    m.i16(FosteredFrom, FosteredFromAt);
    m.text(BoarId, BoarIdAt, BoarIdWidth);
  }
};

// The buffer through which the litter windows read and write FARROW.DAT.
extern FarrowRecord FarrowRec;
