#pragma once
// GROUP.DAT: one record of 29 bytes per group of pigs in a building, record n
// at byte (n - 1) x 29. A record whose GroupId is blank is free. One group ID
// ("123-24": three characters, "-", the group year) names the group as it
// entered and every sub-group its pigs formed in the later buildings; they
// differ in Stage and SubGroup. A default-constructed GroupRecord encodes as
// a free record.
#include <cstdint>
#include <string>

#include "records/Fields.h"

struct GroupRecord {
  static constexpr int Length = 29;
  static constexpr const char* FileName = "GROUP.DAT";
  // Where the fields a run over the whole file tests lie.
  static constexpr int StageAt = 0;
  static constexpr int SubGroupAt = 1;
  static constexpr int IdAt = 3;
  static constexpr int IdWidth = 6;
  static constexpr int PigsInAt = 9;
  static constexpr int YearEndAdjustAt = 27;
  std::string Stage = " ";                   // "N", "G", "F"; blank when free
  int16_t SubGroup = 0;                      // 0 nursery, 10..90 grower, g1..g9 finisher
  std::string GroupId;                       // 6
  int16_t PigsIn = 0;
  float WeightIn = 0;                        // pounds per pig
  std::string DateIn = records::kEmptyDate;  // date
  int16_t DeathLoss = 0;                     // -1: closed, the missing pigs died
  int16_t YearEndAdjust = 0;                 // -1: carried into the next year; edit only

  template <class M>
  void fields(M& m) {
    m.text(Stage, StageAt, 1);
    m.i16(SubGroup, SubGroupAt);
    m.text(GroupId, IdAt, IdWidth);
    m.i16(PigsIn, PigsInAt);
    m.f32(WeightIn, 11);
    m.date(DateIn, 15);
    m.i16(DeathLoss, 25);
    m.i16(YearEndAdjust, YearEndAdjustAt);
  }
};

// The buffer through which the group windows read and write GROUP.DAT.
extern GroupRecord GroupRec;
