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

struct BoarRecord : AnimalRecord {
  static constexpr int Length = 1084;
  static constexpr const char* FileName = kBoarFileName;
  int16_t SowsBred = 0;         // kept as stored; nothing sets it but to 0
  NotePad NoteLine;

  template <class M>
  void fields(M& m) {
    animalFields(m);
    m.i16(SowsBred, 102);
    m.raw(NoteLine.bytes(), 104);
  }
};

// The buffer through which the boar windows read and write BOAR.DAT.
extern BoarRecord BoarRec;
