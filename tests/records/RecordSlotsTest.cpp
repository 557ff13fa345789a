// Where new sows, boars and litters go, and which litter links are followed.
#include <gtest/gtest.h>

#include "records/RecordSlots.h"

using records::FindNewAnimalSlot;
using records::FindNewLitterSlot;

namespace {

template <class R>
std::vector<R> animals(std::initializer_list<const char*> ids) {
  std::vector<R> out;
  for (const char* id : ids) {
    R r;
    r.Id = std::string(id) + std::string(8 - std::string(id).size(), ' ');  // padded, as stored
    out.push_back(r);
  }
  return out;
}

std::vector<FarrowRecord> litters(std::initializer_list<int16_t> statuses) {
  std::vector<FarrowRecord> out;
  for (int16_t s : statuses) {
    FarrowRecord f;
    f.Status = s;
    out.push_back(f);
  }
  return out;
}

}  // namespace

TEST(NewAnimalSlot, EmptyFileGivesRecordOne) {
  auto slot = FindNewAnimalSlot(std::vector<SowRecord>{}, "A1");
  EXPECT_EQ(slot.record, 1);
  EXPECT_EQ(slot.duplicateOf, 0);
}

TEST(NewAnimalSlot, FirstFreeRecordElseTheNextNumber) {
  auto sows = animals<SowRecord>({"S1", "", "S3", "S4", "S5"});
  EXPECT_EQ(FindNewAnimalSlot(sows, "N1").record, 2);
  sows[1].Id = "N1      ";
  EXPECT_EQ(FindNewAnimalSlot(sows, "N2").record, 6);
  auto boars = animals<BoarRecord>({"B1", "", "B3"});
  EXPECT_EQ(FindNewAnimalSlot(boars, "B9").record, 2);
}

TEST(NewAnimalSlot, DuplicateBehindAFreeRecordIsFound) {
  // Record 2 is free and record 3 holds A1: the ID is in use, though the new
  // animal would have taken record 2.
  auto sows = animals<SowRecord>({"S1", "", "A1"});
  auto slot = FindNewAnimalSlot(sows, "A1");
  EXPECT_EQ(slot.duplicateOf, 3);
  EXPECT_EQ(slot.record, 2);
  EXPECT_EQ(slot.storedId, "A1      ");
}

TEST(NewAnimalSlot, IdsCompareWithoutTrailingBlanksAndWithCase) {
  auto boars = animals<BoarRecord>({"B1", "A1"});
  EXPECT_EQ(FindNewAnimalSlot(boars, "A1").duplicateOf, 2);
  EXPECT_EQ(FindNewAnimalSlot(boars, "A1   ").duplicateOf, 2);
  EXPECT_EQ(FindNewAnimalSlot(boars, "a1").duplicateOf, 0);
  EXPECT_EQ(FindNewAnimalSlot(boars, " A1").duplicateOf, 0);
  EXPECT_EQ(FindNewAnimalSlot(boars, "a1").record, 3);
}

TEST(NewAnimalSlot, FirstOfSeveralDuplicatesIsReported) {
  auto sows = animals<SowRecord>({"X", "D", "D"});
  EXPECT_EQ(FindNewAnimalSlot(sows, "D").duplicateOf, 2);
}

TEST(NewAnimalSlot, BlankIdNeverMatchesAFreeRecord) {
  auto boars = animals<BoarRecord>({"B1", "", "B3"});
  auto slot = FindNewAnimalSlot(boars, "   ");
  EXPECT_EQ(slot.duplicateOf, 0);
  EXPECT_EQ(slot.record, 2);
}

TEST(NewLitterSlot, FirstStatusZeroElseAppend) {
  EXPECT_EQ(FindNewLitterSlot(std::vector<FarrowRecord>{}), 1);
  EXPECT_EQ(FindNewLitterSlot(litters({1, 2, 0, 1})), 3);
  EXPECT_EQ(FindNewLitterSlot(litters({1, 2, 1})), 4);
}

TEST(RecordLimits, SixteenBitRecordNumbers) {
  EXPECT_TRUE(records::RecordNumberFits(32767));
  EXPECT_FALSE(records::RecordNumberFits(32768));
  EXPECT_FALSE(records::RecordNumberFits(0));
}

TEST(LitterLinks, AtMostNineAndOnlyRecordsTheFileHolds) {
  SowRecord s;
  s.ParityCount = 4;
  s.FarrowRecNo = {3, 0, -5, 11, 7, 0, 0, 0, 0};
  EXPECT_EQ(records::LitterLinks(s, 10), (std::vector<long>{3}));
  EXPECT_EQ(records::LitterLinks(s, 11), (std::vector<long>{3, 11}));

  s.ParityCount = 30;  // damaged: nine parities at most
  s.FarrowRecNo = {1, 2, 3, 4, 5, 6, 7, 8, 9};
  EXPECT_EQ(records::LitterLinks(s, 100).size(), 9u);
  s.ParityCount = -1;
  EXPECT_TRUE(records::LitterLinks(s, 100).empty());
  EXPECT_EQ(records::UsedParities(s), 0);
}
