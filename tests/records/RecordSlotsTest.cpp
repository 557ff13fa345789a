// Where new sows, boars and litters go, and which litter links are followed.
#include <gtest/gtest.h>

#include "records/RecordSlots.h"
#include "support/RecordBuilders.h"

using records::FindNewAnimalSlot;
using records::FindNewLitterSlot;

TEST(NewAnimalSlot, EmptyFileGivesRecordOne) {
  auto slot = FindNewAnimalSlot(std::vector<SowRecord>{}, "A1");
  EXPECT_EQ(slot.record, 1);
  EXPECT_EQ(slot.duplicateOf, 0);
}

TEST(NewAnimalSlot, FirstFreeRecordElseTheNextNumber) {
  auto sows = asStored<SowRecord>({aSow("S1"), aSow(""), aSow("S3"), aSow("S4"), aSow("S5")});
  EXPECT_EQ(FindNewAnimalSlot(sows, "N1").record, 2);
  sows[1].Id = "N1      ";
  EXPECT_EQ(FindNewAnimalSlot(sows, "N2").record, 6);
  auto boars = asStored<BoarRecord>({aBoar("B1"), aBoar(""), aBoar("B3")});
  EXPECT_EQ(FindNewAnimalSlot(boars, "B9").record, 2);
}

TEST(NewAnimalSlot, DuplicateBehindAFreeRecordIsFound) {
  // Record 2 is free and record 3 holds A1: the ID is in use, though the new
  // animal would have taken record 2.
  auto sows = asStored<SowRecord>({aSow("S1"), aSow(""), aSow("A1")});
  auto slot = FindNewAnimalSlot(sows, "A1");
  EXPECT_EQ(slot.duplicateOf, 3);
  EXPECT_EQ(slot.record, 2);
  EXPECT_EQ(slot.storedId, "A1      ");
}

TEST(NewAnimalSlot, IdsCompareWithoutTrailingBlanksAndWithCase) {
  auto boars = asStored<BoarRecord>({aBoar("B1"), aBoar("A1")});
  EXPECT_EQ(FindNewAnimalSlot(boars, "A1").duplicateOf, 2);
  EXPECT_EQ(FindNewAnimalSlot(boars, "A1   ").duplicateOf, 2);
  EXPECT_EQ(FindNewAnimalSlot(boars, "a1").duplicateOf, 0);
  EXPECT_EQ(FindNewAnimalSlot(boars, " A1").duplicateOf, 0);
  EXPECT_EQ(FindNewAnimalSlot(boars, "a1").record, 3);
}

TEST(NewAnimalSlot, FirstOfSeveralDuplicatesIsReported) {
  auto sows = asStored<SowRecord>({aSow("X"), aSow("D"), aSow("D")});
  EXPECT_EQ(FindNewAnimalSlot(sows, "D").duplicateOf, 2);
}

TEST(NewAnimalSlot, BlankIdNeverMatchesAFreeRecord) {
  auto boars = asStored<BoarRecord>({aBoar("B1"), aBoar(""), aBoar("B3")});
  auto slot = FindNewAnimalSlot(boars, "   ");
  EXPECT_EQ(slot.duplicateOf, 0);
  EXPECT_EQ(slot.record, 2);
}

TEST(NewLitterSlot, FirstStatusZeroElseAppend) {
  const struct {
    std::vector<int16_t> statuses;
    long slot;
  } cases[] = {{{}, 1}, {{1, 2, 0, 1}, 3}, {{1, 2, 1}, 4}, {{0, 1}, 1}, {{0, 0}, 1}};
  for (const auto& c : cases) {
    std::vector<FarrowRecord> file;
    for (int16_t s : c.statuses) file.push_back(aLitter().status(s));
    EXPECT_EQ(FindNewLitterSlot(file), c.slot) << c.statuses.size();
  }
}

TEST(RecordLimits, SixteenBitRecordNumbers) {
  EXPECT_TRUE(records::RecordNumberFits(32767));
  EXPECT_FALSE(records::RecordNumberFits(32768));
  EXPECT_FALSE(records::RecordNumberFits(0));
}

TEST(LitterLinks, AtMostNineAndOnlyRecordsTheFileHolds) {
  const auto links = [](const SowRecord& s, long farrowCount) {
    const records::LitterLinkList l = records::LitterLinks(s, farrowCount);
    return std::vector<long>(l.begin(), l.end());
  };
  SowRecord s;
  s.ParityCount = 4;
  s.FarrowRecNo = {3, 0, -5, 11, 7, 0, 0, 0, 0};
  EXPECT_EQ(links(s, 10), (std::vector<long>{3}));
  EXPECT_EQ(links(s, 11), (std::vector<long>{3, 11}));

  s.ParityCount = 30;  // damaged: nine parities at most
  s.FarrowRecNo = {1, 2, 3, 4, 5, 6, 7, 8, 9};
  EXPECT_EQ(links(s, 100).size(), 9u);
  s.ParityCount = -1;
  EXPECT_TRUE(links(s, 100).empty());
  EXPECT_EQ(records::UsedParities(s), 0);
}
