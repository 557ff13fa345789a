#pragma once
// SOW.DAT: one record of 1130 bytes per sow, record n at byte (n - 1) x 1130.
// A record whose Id is all blanks is free; a sow whose DateLeftHerd is
// "__/__/____" is in the herd. A default-constructed SowRecord encodes as a
// free record (text blank, dates "__/__/____", numbers 0).
#include <array>
#include <cstdint>
#include <string>

#include "records/AnimalRecord.h"
#include "records/Fields.h"

inline constexpr const char* kSowFileName = "SOW.DAT";
// The sow file holds at most this many sows; a new sow that would need a
// higher record number is refused.
inline constexpr long kSowFileLimit = 4799;
// A sow has at most this many litters.
inline constexpr int kMaxParities = 9;

struct SowRecord : AnimalRecord {
  static constexpr int Length = 1130;
  static constexpr const char* FileName = kSowFileName;
  static constexpr int DateBredAt = 102;
  static constexpr int DateDueAt = 112;
  static constexpr int BoarIdAt = 122;
  static constexpr int BoarIdWidth = 8;
  static constexpr int ParityCountAt = 130;
  static constexpr int FarrowRecNoAt = 132;
  std::string DateBred;         // date
  std::string DateDue;          // date; may also be 10 blanks
  std::string BoarId;           // 8
  int16_t ParityCount = 0;      // 0 to 9
  // FARROW.DAT record numbers of parities 1 to 9 (index 0 is parity 1).
  std::array<int16_t, kMaxParities> FarrowRecNo{};
  NotePad NoteLine;

  template <class M>
  void fields(M& m) {
    animalFields(m);
    m.date(DateBred, DateBredAt);
    m.date(DateDue, DateDueAt);
    m.text(BoarId, BoarIdAt, BoarIdWidth);
    m.i16(ParityCount, ParityCountAt);
    m.i16s(FarrowRecNo, FarrowRecNoAt);
    m.raw(NoteLine.bytes(), 150);
  }
};

// The buffer through which the sow windows read and write SOW.DAT.
extern SowRecord SowRec;
