#pragma once
// SALES.DAT: one row of 57 bytes per sale (or year-end carry-out) of pigs
// from a group, row n at byte (n - 1) x 57. A row whose GroupId is six
// blanks is free. A default-constructed SalesRecord encodes as a free row.
#include <cstdint>
#include <string>

#include "records/Fields.h"

struct SalesRecord {
  static constexpr int Length = 57;
  static constexpr const char* FileName = "SALES.DAT";
  // Where the fields lie that tell, row by row, which group the pigs left.
  static constexpr int SaleTypeAt = 0;
  static constexpr int YearEndAdjustAt = 1;
  static constexpr int SubGroupAt = 3;
  static constexpr int IdAt = 5;
  static constexpr int IdWidth = 6;
  std::string SaleType = " ";  // "F" feeder pigs, "M" market hogs; blank when free
  int16_t YearEndAdjust = 0;   // -1: pigs carried out by a year-end adjustment
  int16_t SubGroup = 0;
  std::string GroupId = std::string(6, ' ');
  int16_t PigsSold = 0;
  float WeightPerPig = 0;
  float PricePerLb = 0;
  float Backfat = 0;
  float PercentLean = 0;
  float HotCarcassWeight = 0;
  float FatFreeLeanIndex = 0;
  float Loineye = 0;
  float GradeYieldPremium = 0;
  std::string DateSold = records::kEmptyDate;
  int16_t GiltsSold = 0;

  template <class M>
  void fields(M& m) {
    m.text(SaleType, SaleTypeAt, 1);
    m.i16(YearEndAdjust, YearEndAdjustAt);
    m.i16(SubGroup, SubGroupAt);
    m.text(GroupId, IdAt, IdWidth);
    m.i16(PigsSold, 11);
    m.f32(WeightPerPig, 13);
    m.f32(PricePerLb, 17);
    m.f32(Backfat, 21);
    m.f32(PercentLean, 25);
    m.f32(HotCarcassWeight, 29);
    m.f32(FatFreeLeanIndex, 33);
    m.f32(Loineye, 37);
    m.f32(GradeYieldPremium, 41);
    m.date(DateSold, 45);
    m.i16(GiltsSold, 55);
  }
};

// The buffer through which the group and sales windows read and write SALES.DAT.
extern SalesRecord SalesRec;
