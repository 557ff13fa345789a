#pragma once
// Shared set-up of the feed conversion tests: one group, 004-08, that went
// through the three buildings, with its sales and the feed of 2008.
//
//   nursery  100 pigs at 12 lb in (1,200 lb); out 90 to the grower at 50 lb
//            (4,500 lb) and 5 feeder pigs sold at 45 lb (225 lb)
//   grower   90 pigs in at 50 lb; out 88 to the finisher at 120 lb (10,560 lb)
//   finisher 88 pigs in at 120 lb; 80 market hogs and 2 gilts sold at 260 lb
//            (21,320 lb) and 6 carried out at year end at 200 lb (1,200 lb)
//   feed     nursery 3,000 lb for $300 and medicated batch M00002 of 500 lb
//            for $60 with 2.4 lb at $5 and 3.5 lb at $2 of medication (2 + 4
//            whole pounds, $12 + $7); grower 8,000 lb for $640; finisher
//            20,000 lb for $1,600; another group's 999 lb; gestation 700 lb
//            for $70 without a group.
#include <string>
#include <vector>

#include "feed/FeedBatchFixture.h"
#include "groups/GroupFiles.h"

class FeedConversionTest : public FeedBatchTest {
 protected:
  static std::vector<GroupRecord> groups() {
    return {aGroup("N", "004-08").in(100, 12, "01/02/2008"), aGroup("G", "004-08", 10).in(90, 50, "02/20/2008"),
            aGroup("F", "004-08", 11).in(88, 120, "05/01/2008")};
  }
  static std::vector<SalesRecord> sales(bool feederSales = true) {
    std::vector<SalesRecord> rows{aSale("M", "004-08", 11).sold(80, 260, 0.5f, "09/01/2008").gilts(2),
                                  aSale("M", "004-08", 11).sold(6, 200, 0, "12/31/2008").yearEnd()};
    if (feederSales) rows.push_back(aSale("F", "004-08").sold(5, 45, 1, "02/20/2008"));
    return rows;
  }
  static std::vector<FeedBatchRecord> batches2008() {
    return {aBatch("00001").group("004").row(0, "CORN", 3000).cost(300),
            aBatch("M00002").group("004").row(0, "CORN", 500).cost(60),
            aBatch("00003").type("G").group("004").row(0, "CORN", 8000).cost(640),
            aBatch("00004").type("F").group("004").row(0, "CORN", 20000).cost(1600),
            aBatch("00005").group("005").row(0, "CORN", 999).cost(99),
            aBatch("00006").type("E").row(0, "CORN", 700).cost(70)};
  }
  static std::vector<MedicationRecord> meds2008() {
    return {aFeedDose("00002", 2.4f, 5), aFeedDose("00009", 50, 1), aFeedDose("00002", 3.5f, 2)};
  }
  void writeHerd(bool feederSales = true) {
    writeRecords<GroupRecord>(tp.path("GROUP.DAT"), groups());
    writeRecords<SalesRecord>(tp.path("SALES.DAT"), sales(feederSales));
    writeRecords<FeedBatchRecord>(tp.path("FEED2008.DAT"), batches2008());
    writeRecords<MedicationRecord>(tp.path("MED2008.DAT"), meds2008());
  }
  GroupBook book(bool feederSales = true) const { return GroupBook::of(groups(), sales(feederSales)); }
};
